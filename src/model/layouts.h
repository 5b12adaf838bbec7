// The record layouts of the memory image, declared once: every named field
// with its records, byte, bits and codec. Builders, editors and tests read and
// write the image through these fields.
//
//   layout::Chann_record::Rx_tone.set(img, k, 0x029E);     // channel k's receive tone
//   layout::Vfo_record::Step.get(img, layout::Vfo_B);      // VFO B's step position
//   layout::Sig_2tone_dec_record::Pair[d].set(img, n - 1, 4);
#pragma once

#include <array>
#include <iterator>

#include "model/field.h"
#include "model/option_offsets.h"

namespace bx::layout {

// ---- channels and FM presets ----

// Channel k (0..199) in image record k.
namespace Chann_record {
inline constexpr RecordSet Records{"Chann_record", 0, 1, 200};
inline constexpr Field Rx_freq{"Rx_freq", Records, 0, 4, 0, 8, Codec::Freq_bcd};  // byte 0 = 0xFF: unused channel
inline constexpr Field Tx_freq{"Tx_freq", Records, 4, 4, 0, 8, Codec::Freq_bcd};  // byte 4 = 0xFF: receive only
inline constexpr Field Rx_tone{"Rx_tone", Records, 8, 2, 0, 8, Codec::Tone_code};
inline constexpr Field Tx_tone{"Tx_tone", Records, 10, 2, 0, 8, Codec::Tone_code};
inline constexpr Field Sig_code{"Sig_code", Records, 12, 1, 0, 4, Codec::Number};  // signal code minus 1
inline constexpr Field Opt_sig{"Opt_sig", Records, 13, 1, 0, 4, Codec::List_index, 4};  // OFF DTMF 2TONE 5TONE
inline constexpr Field Sq_mode{"Sq_mode", Records, 13, 1, 4, 4, Codec::List_index, 3};  // QT AND OR
inline constexpr Field Power{"Power", Records, 14, 1, 0, 2, Codec::List_index, 2};      // 0 high, 1 low
inline constexpr Field Scrambler{"Scrambler", Records, 14, 1, 4, 4, Codec::List_index, 2};
inline constexpr Field Ptt_id{"Ptt_id", Records, 15, 1, 0, 2, Codec::List_index, 4};  // OFF BOT EOT BOTH
inline constexpr Field Scan_add{"Scan_add", Records, 15, 1, 2, 1, Codec::Flag};
inline constexpr Field Busy_lock{"Busy_lock", Records, 15, 1, 3, 1, Codec::Flag};
inline constexpr Field Narrow{"Narrow", Records, 15, 1, 6, 1, Codec::Flag};
// The row display reads the power from bits 0-2 ("LOW" only for 1).
inline constexpr Field Power_shown{"Power_shown", Records, 14, 1, 0, 3, Codec::Number};
inline constexpr Field all[] = {Rx_freq,  Tx_freq,   Rx_tone, Tx_tone,  Sig_code,  Opt_sig,  Sq_mode,
                                Power,    Scrambler, Ptt_id,  Scan_add, Busy_lock, Narrow};
}  // namespace Chann_record

// The name of channel k in image record 256 + k; byte 0 = 0xFF: no name.
namespace Chann_name_record {
inline constexpr RecordSet Records{"Chann_name_record", 256, 1, 200};
inline constexpr Field Name{"Name", Records, 0, 6, 0, 8, Codec::Ascii_name};
inline constexpr Field all[] = {Name};
}  // namespace Chann_name_record

// FM preset n (1..16) in image record 767 + n, instance n - 1.
namespace Fm_record {
inline constexpr RecordSet Records{"Fm_record", 768, 1, 16};
inline constexpr Field Freq{"Freq", Records, 0, 8, 0, 8, Codec::Freq_digits};  // first three digits 0: empty
inline constexpr Field Name{"Name", Records, 8, 8, 0, 8, Codec::Ansi_name};
inline constexpr Field all[] = {Freq, Name};
}  // namespace Fm_record

// ---- optional features ----

// The 256-byte block at radio 0x0E00 (records 224..239), one instance; a
// field's byte is its position of Option_offsets.
namespace Option_block {
inline constexpr RecordSet Records{"Option_block", 224, 16, 1};
// The one-byte setting at position pos.
constexpr Field setting(int16_t pos, const char* name = "setting", int16_t items = 0) {
    return Field{name, Records, pos, 1, 0, 8, items > 0 ? Codec::List_index : Codec::Number, items};
}
// The setting at position pos with its name and list length from
// Option_offsets (a plain byte when the table has no such position).
constexpr Field setting_at(int16_t pos) {
    for (const OptionSetting& s : Option_offsets)
        if (s.pos == pos) return setting(pos, s.constant, s.items);
    return setting(pos);
}
inline constexpr Field PassWord{"PassWord", Records, Option_ofs_PassWord, 6, 0, 8, Codec::Raw};
inline constexpr Field Pon_msg_1{"Pon_msg_1", Records, Option_ofs_PON_MSG, 6, 0, 8, Codec::Disp_chars};
inline constexpr Field Pon_msg_2{"Pon_msg_2", Records, Option_ofs_PON_MSG + 6, 6, 0, 8, Codec::Disp_chars};
inline constexpr Field Ani{"Ani", Records, Option_ofs_ANI, 16, 0, 8, Codec::Dtmf_code_field};
inline constexpr Field PttId_Begin{"PttId_Begin", Records, Option_ofs_PttId_Begin, 16, 0, 8, Codec::Dtmf_code_field};
inline constexpr Field PttId_End{"PttId_End", Records, Option_ofs_PttId_End, 16, 0, 8, Codec::Dtmf_code_field};
constexpr auto make_all() {
    std::array<Field, std::size(Option_offsets) + 6> a{};
    size_t i = 0;
    for (const OptionSetting& s : Option_offsets) a[i++] = setting(s.pos, s.constant, s.items);
    for (const Field& f : {PassWord, Pon_msg_1, Pon_msg_2, Ani, PttId_Begin, PttId_End}) a[i++] = f;
    return a;
}
inline constexpr auto all = make_all();
}  // namespace Option_block

// The power-on message: two lines of six display characters in record 236.
namespace Pon_msg {
inline constexpr Field Line_1 = Option_block::Pon_msg_1;
inline constexpr Field Line_2 = Option_block::Pon_msg_2;
}  // namespace Pon_msg

// The VFO frequency-mode records, 32 bytes each: VFO A in records 240-241,
// VFO B in 242-243.
inline constexpr int Vfo_A = 0, Vfo_B = 1;
namespace Vfo_record {
inline constexpr RecordSet Records{"Vfo_record", 240, 2, 2};
inline constexpr Field Freq{"Freq", Records, 0, 8, 0, 8, Codec::Freq_digits};
inline constexpr Field Offset{"Offset", Records, 8, 6, 0, 8, Codec::Offset_digits};
inline constexpr Field Pad{"Pad", Records, 14, 2, 0, 8, Codec::Raw};  // no control; the defaults write 0
inline constexpr Field Rx_tone{"Rx_tone", Records, 16, 2, 0, 8, Codec::Tone_code};
inline constexpr Field Tx_tone{"Tx_tone", Records, 18, 2, 0, 8, Codec::Tone_code};
inline constexpr Field Sig_code{"Sig_code", Records, 20, 1, 0, 8, Codec::List_index, 15};  // "1".."15"
inline constexpr Field Spmute{"Spmute", Records, 21, 1, 0, 8, Codec::List_index, 3};      // QT/DQT, AND, OR
inline constexpr Field Opt_sig{"Opt_sig", Records, 22, 1, 0, 8, Codec::List_index, 4};    // off DTMF 2TONE 5TONE
inline constexpr Field Scr{"Scr", Records, 23, 1, 0, 8, Codec::List_index, 2};
inline constexpr Field Wn{"Wn", Records, 24, 1, 0, 8, Codec::List_index, 2};        // 0 wide, 1 narrow
inline constexpr Field Txp{"Txp", Records, 25, 1, 0, 8, Codec::List_index, 2};      // 0 high, 1 low
inline constexpr Field Shift{"Shift", Records, 26, 1, 0, 8, Codec::List_index, 3};  // off + -
inline constexpr Field Step{"Step", Records, 27, 1, 0, 8, Codec::List_index, 5};    // 5.00 6.25 10.00 12.50 25.00 kHz
inline constexpr Field all[] = {Freq, Offset, Pad, Rx_tone, Tx_tone, Sig_code, Spmute,
                                Opt_sig, Scr, Wn, Txp, Shift, Step};
}  // namespace Vfo_record

// ---- DTMF (records 656..687) ----

// Send codes 1..15 in records 656..670, instance i = code i + 1.
namespace Dtmf_enc_block {
inline constexpr RecordSet Records{"Dtmf_enc_block", 656, 1, 15};
inline constexpr Field Send_code{"Send_code", Records, 0, 16, 0, 8, Codec::Dtmf_code_field};
inline constexpr Field all[] = {Send_code};
}  // namespace Dtmf_enc_block

// Record 671: tone on and off time, positions in 50, 60, ... 2000 ms.
namespace Dtmf_enc_timing_record {
inline constexpr RecordSet Records{"Dtmf_enc_timing_record", 671, 1, 1};
inline constexpr Field On_time{"On_time", Records, 0, 1, 0, 8, Codec::List_index, 196};
inline constexpr Field Off_time{"Off_time", Records, 1, 1, 0, 8, Codec::List_index, 196};
inline constexpr Field all[] = {On_time, Off_time};
}  // namespace Dtmf_enc_timing_record

// Remote-command codes in records 672..677 and the two control IDs.
namespace Dtmf_dec_block {
enum Command { Inspection = 0, Monitor, Alarm, Stun, Kill, Revive };
inline constexpr RecordSet Commands{"Dtmf_dec_commands", 672, 1, 6};
inline constexpr RecordSet Master{"kDtmfMasterId", 685, 1, 1};
inline constexpr RecordSet Vice{"kDtmfViceId", 686, 1, 1};
inline constexpr Field Cmd_code{"Cmd_code", Commands, 0, 16, 0, 8, Codec::Dtmf_code_field};
inline constexpr Field Master_id{"Master_id", Master, 0, 16, 0, 8, Codec::Dtmf_code_field};
inline constexpr Field Vice_id{"Vice_id", Vice, 0, 16, 0, 8, Codec::Dtmf_code_field};
inline constexpr Field all[] = {Cmd_code, Master_id, Vice_id};
}  // namespace Dtmf_dec_block

// Record 687: the decoder settings.
namespace Dtmf_dec_settings_record {
// Bits of a rights byte.
inline constexpr int Right_inspection = 1 << 0, Right_monitor = 1 << 1, Right_stun = 1 << 2, Right_kill = 1 << 3,
                     Right_revive = 1 << 4;
inline constexpr RecordSet Records{"Dtmf_dec_settings_record", 687, 1, 1};
inline constexpr Field Id_ctrl{"Id_ctrl", Records, 0, 1, 0, 8, Codec::Number};  // written 1 on, 0 off
inline constexpr Field Master_rights{"Master_rights", Records, 1, 1, 0, 5, Codec::Bits};
inline constexpr Field Vice_rights{"Vice_rights", Records, 2, 1, 0, 5, Codec::Bits};
inline constexpr Field Rx_inhibit{"Rx_inhibit", Records, 3, 1, 0, 1, Codec::Flag};
inline constexpr Field Tx_inhibit{"Tx_inhibit", Records, 3, 1, 1, 1, Codec::Flag};
inline constexpr Field Group_call{"Group_call", Records, 4, 1, 0, 8, Codec::Dtmf_code};
inline constexpr Field Separator{"Separator", Records, 5, 1, 0, 8, Codec::Dtmf_code};
inline constexpr Field Dec_delay{"Dec_delay", Records, 6, 1, 0, 8, Codec::List_index, 40};    // 100 .. 4000 ms
inline constexpr Field Reset_time{"Reset_time", Records, 7, 1, 0, 8, Codec::List_index, 80};  // 100 .. 8000 ms
inline constexpr Field all[] = {Id_ctrl,    Master_rights, Vice_rights, Rx_inhibit, Tx_inhibit,
                                Group_call, Separator,     Dec_delay,   Reset_time};
}  // namespace Dtmf_dec_settings_record

// ---- 2-tone (records 720..767) ----

// Encode entry n (1..15) in record 719 + n, instance n - 1.
namespace Sig_2tone_enc_record {
inline constexpr RecordSet Records{"Sig_2tone_enc_record", 720, 1, 15};
inline constexpr Field Tone_1{"Tone_1", Records, 0, 2, 0, 8, Codec::Hz_word};
inline constexpr Field Tone_2{"Tone_2", Records, 8, 2, 0, 8, Codec::Hz_word};
inline constexpr Field all[] = {Tone_1, Tone_2};
}  // namespace Sig_2tone_enc_record

// Record 735: durations, positions in 0, 10, ... 1000 ms.
namespace Sig_2tone_timing_record {
inline constexpr RecordSet Records{"Sig_2tone_timing_record", 735, 1, 1};
inline constexpr Field First_dur{"First_dur", Records, 0, 1, 0, 8, Codec::List_index, 101};
inline constexpr Field Second_dur{"Second_dur", Records, 1, 1, 0, 8, Codec::List_index, 101};
inline constexpr Field Gap{"Gap", Records, 2, 1, 0, 8, Codec::List_index, 101};
inline constexpr Field all[] = {First_dur, Second_dur, Gap};
}  // namespace Sig_2tone_timing_record

// Decode entry n (1..15) in record 735 + n, instance n - 1; decoders d = 0..3
// hold pair code, response and alert at bytes 3d, 3d + 1, 3d + 2.
namespace Sig_2tone_dec_record {
inline constexpr RecordSet Records{"Sig_2tone_dec_record", 736, 1, 15};
inline constexpr Field Pair[4] = {
    {"Pair_1", Records, 0, 1, 0, 8, Codec::List_index, 12},
    {"Pair_2", Records, 3, 1, 0, 8, Codec::List_index, 12},
    {"Pair_3", Records, 6, 1, 0, 8, Codec::List_index, 12},
    {"Pair_4", Records, 9, 1, 0, 8, Codec::List_index, 12},
};
inline constexpr Field Resp[4] = {
    {"Resp_1", Records, 1, 1, 0, 8, Codec::List_index, 4},
    {"Resp_2", Records, 4, 1, 0, 8, Codec::List_index, 4},
    {"Resp_3", Records, 7, 1, 0, 8, Codec::List_index, 4},
    {"Resp_4", Records, 10, 1, 0, 8, Codec::List_index, 4},
};
inline constexpr Field Alert[4] = {  // the alert number 1..16 itself
    {"Alert_1", Records, 2, 1, 0, 8, Codec::Number},
    {"Alert_2", Records, 5, 1, 0, 8, Codec::Number},
    {"Alert_3", Records, 8, 1, 0, 8, Codec::Number},
    {"Alert_4", Records, 11, 1, 0, 8, Codec::Number},
};
inline constexpr Field all[] = {Pair[0], Resp[0], Alert[0], Pair[1], Resp[1], Alert[1],
                                Pair[2], Resp[2], Alert[2], Pair[3], Resp[3], Alert[3]};
}  // namespace Sig_2tone_dec_record

// Tones A..D (k = 0..3) of decode entry n in record 751 + n, instance n - 1.
namespace Sig_2tone_dec_tones {
inline constexpr RecordSet Records{"Sig_2tone_dec_tones", 752, 1, 15};
inline constexpr Field Freq[4] = {
    {"Freq_A", Records, 0, 2, 0, 8, Codec::Hz_word},
    {"Freq_B", Records, 2, 2, 0, 8, Codec::Hz_word},
    {"Freq_C", Records, 4, 2, 0, 8, Codec::Hz_word},
    {"Freq_D", Records, 6, 2, 0, 8, Codec::Hz_word},
};
inline constexpr Field Period[4] = {
    {"Period_A", Records, 8, 2, 0, 8, Codec::Period_word},
    {"Period_B", Records, 10, 2, 0, 8, Codec::Period_word},
    {"Period_C", Records, 12, 2, 0, 8, Codec::Period_word},
    {"Period_D", Records, 14, 2, 0, 8, Codec::Period_word},
};
inline constexpr Field all[] = {Freq[0], Freq[1], Freq[2], Freq[3], Period[0], Period[1], Period[2], Period[3]};
}  // namespace Sig_2tone_dec_tones

// Record 767: the decode reset time, a position in 100, 200, ... 8000 ms.
namespace Sig_2tone_reset_record {
inline constexpr RecordSet Records{"Sig_2tone_reset_record", 767, 1, 1};
inline constexpr Field Reset_time{"Reset_time", Records, 0, 1, 0, 8, Codec::List_index, 80};
inline constexpr Field all[] = {Reset_time};
}  // namespace Sig_2tone_reset_record

// ---- 5-tone (records 512..607) ----

// The constant tone tables: for standard s (0..14) and digit d, byte d of
// record first + s in each of the four tables. Slot 15 is never written.
namespace Sig_5tone_tables {
inline constexpr RecordSet Hz_low_rows{"Sig_5tone_hz_low", 512, 1, 15};
inline constexpr RecordSet Hz_high_rows{"Sig_5tone_hz_high", 528, 1, 15};
inline constexpr RecordSet Div_low_rows{"Sig_5tone_div_low", 544, 1, 15};
inline constexpr RecordSet Div_high_rows{"Sig_5tone_div_high", 560, 1, 15};
inline constexpr Field Hz_low{"Hz_low", Hz_low_rows, 0, 16, 0, 8, Codec::Raw};
inline constexpr Field Hz_high{"Hz_high", Hz_high_rows, 0, 16, 0, 8, Codec::Raw};
inline constexpr Field Div_low{"Div_low", Div_low_rows, 0, 16, 0, 8, Codec::Raw};
inline constexpr Field Div_high{"Div_high", Div_high_rows, 0, 16, 0, 8, Codec::Raw};
inline constexpr Field all[] = {Hz_low, Hz_high, Div_low, Div_high};
}  // namespace Sig_5tone_tables

// Standard s (0..14) in record 576 + s.
namespace Sig_5tone_std_record {
inline constexpr RecordSet Records{"Sig_5tone_std_record", 576, 1, 15};
inline constexpr Field Period{"Period", Records, 0, 1, 0, 8, Codec::List_index, 19};  // 20 + 10 * code ms
inline constexpr Field Group_digit{"Group_digit", Records, 1, 1, 0, 8, Codec::Hex_digit};
inline constexpr Field Repeat_digit{"Repeat_digit", Records, 2, 1, 0, 8, Codec::Hex_digit};
inline constexpr Field all[] = {Period, Group_digit, Repeat_digit};
}  // namespace Sig_5tone_std_record

// Encode code n (1..15) in record 591 + n, instance n - 1.
namespace Sig_5tone_code_record {
inline constexpr RecordSet Records{"Sig_5tone_code_record", 592, 1, 15};
inline constexpr Field Frame[3] = {
    {"Frame_1", Records, 0, 5, 0, 8, Codec::Hex_digits},
    {"Frame_2", Records, 5, 5, 0, 8, Codec::Hex_digits},
    {"Frame_3", Records, 10, 5, 0, 8, Codec::Hex_digits},
};
inline constexpr Field Std{"Std", Records, 15, 1, 0, 8, Codec::Std_index};
inline constexpr Field all[] = {Frame[0], Frame[1], Frame[2], Std};
}  // namespace Sig_5tone_code_record

// Record 607: encode delays and decode settings.
namespace Sig_5tone_settings {
inline constexpr RecordSet Records{"Sig_5tone_settings", 607, 1, 1};
inline constexpr Field Delay[3] = {  // before frames 1..3, positions in 0, 10, ... 1000 ms
    {"Delay_1", Records, 0, 1, 0, 8, Codec::List_index, 101},
    {"Delay_2", Records, 1, 1, 0, 8, Codec::List_index, 101},
    {"Delay_3", Records, 2, 1, 0, 8, Codec::List_index, 101},
};
inline constexpr Field First_ext{"First_ext", Records, 3, 1, 0, 8, Codec::List_index, 101};
inline constexpr Field Dec_std{"Dec_std", Records, 8, 1, 0, 8, Codec::List_index, 15};
inline constexpr Field Call_frames{"Call_frames", Records, 9, 1, 0, 3, Codec::Bits};  // bit f: frame f + 1
inline constexpr Field Disp_frames{"Disp_frames", Records, 10, 1, 0, 3, Codec::Bits};
inline constexpr Field Reset_time{"Reset_time", Records, 11, 1, 0, 8, Codec::List_index, 80};  // 100 .. 8000 ms
inline constexpr Field all[] = {Delay[0], Delay[1], Delay[2], First_ext, Dec_std, Call_frames, Disp_frames,
                                Reset_time};
}  // namespace Sig_5tone_settings

// Every layout of the image, for listing and checking.
inline constexpr RecordLayout Image_layouts[] = {
    {"Chann_record", Chann_record::all},
    {"Chann_name_record", Chann_name_record::all},
    {"Fm_record", Fm_record::all},
    {"Option_block", Option_block::all},
    {"Vfo_record", Vfo_record::all},
    {"Dtmf_enc_block", Dtmf_enc_block::all},
    {"Dtmf_enc_timing_record", Dtmf_enc_timing_record::all},
    {"Dtmf_dec_block", Dtmf_dec_block::all},
    {"Dtmf_dec_settings_record", Dtmf_dec_settings_record::all},
    {"Sig_2tone_enc_record", Sig_2tone_enc_record::all},
    {"Sig_2tone_timing_record", Sig_2tone_timing_record::all},
    {"Sig_2tone_dec_record", Sig_2tone_dec_record::all},
    {"Sig_2tone_dec_tones", Sig_2tone_dec_tones::all},
    {"Sig_2tone_reset_record", Sig_2tone_reset_record::all},
    {"Sig_5tone_tables", Sig_5tone_tables::all},
    {"Sig_5tone_std_record", Sig_5tone_std_record::all},
    {"Sig_5tone_code_record", Sig_5tone_code_record::all},
    {"Sig_5tone_settings", Sig_5tone_settings::all},
};

}  // namespace bx::layout
