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
inline constexpr RecordSet Records{.name = "Chann_record", .first = 0, .stride = 1, .count = 200};
// byte 0 = 0xFF: unused channel
inline constexpr Field Rx_freq{.name = "Rx_freq", .at = Records, .byte = 0, .len = 4, .codec = Codec::Freq_bcd};
// byte 4 = 0xFF: receive only
inline constexpr Field Tx_freq{.name = "Tx_freq", .at = Records, .byte = 4, .len = 4, .codec = Codec::Freq_bcd};
inline constexpr Field Rx_tone{.name = "Rx_tone", .at = Records, .byte = 8, .len = 2, .codec = Codec::Tone_code};
inline constexpr Field Tx_tone{.name = "Tx_tone", .at = Records, .byte = 10, .len = 2, .codec = Codec::Tone_code};
// signal code minus 1
inline constexpr Field Sig_code{.name = "Sig_code", .at = Records, .byte = 12, .width = 4, .codec = Codec::Number};
// OFF DTMF 2TONE 5TONE
inline constexpr Field Opt_sig{
    .name = "Opt_sig", .at = Records, .byte = 13, .width = 4, .codec = Codec::List_index, .items = 4};
// QT AND OR
inline constexpr Field Sq_mode{
    .name = "Sq_mode", .at = Records, .byte = 13, .shift = 4, .width = 4, .codec = Codec::List_index, .items = 3};
// 0 high, 1 low
inline constexpr Field Power{
    .name = "Power", .at = Records, .byte = 14, .width = 2, .codec = Codec::List_index, .items = 2};
inline constexpr Field Scrambler{
    .name = "Scrambler", .at = Records, .byte = 14, .shift = 4, .width = 4, .codec = Codec::List_index, .items = 2};
// OFF BOT EOT BOTH
inline constexpr Field Ptt_id{
    .name = "Ptt_id", .at = Records, .byte = 15, .width = 2, .codec = Codec::List_index, .items = 4};
inline constexpr Field Scan_add{
    .name = "Scan_add", .at = Records, .byte = 15, .shift = 2, .width = 1, .codec = Codec::Flag};
inline constexpr Field Busy_lock{
    .name = "Busy_lock", .at = Records, .byte = 15, .shift = 3, .width = 1, .codec = Codec::Flag};
inline constexpr Field Narrow{
    .name = "Narrow", .at = Records, .byte = 15, .shift = 6, .width = 1, .codec = Codec::Flag};
// Two views outside `all` that overlap the fields above: the row display
// reads the power from bits 0-2 ("LOW" only for 1), and the factory channels
// write bytes 12-15 whole.
inline constexpr Field Power_shown{
    .name = "Power_shown", .at = Records, .byte = 14, .width = 3, .codec = Codec::Number};
inline constexpr Field Setting_bytes{.name = "Setting_bytes", .at = Records, .byte = 12, .len = 4, .codec = Codec::Raw};
inline constexpr Field all[] = {Rx_freq,  Tx_freq,   Rx_tone, Tx_tone,  Sig_code,  Opt_sig,  Sq_mode,
                                Power,    Scrambler, Ptt_id,  Scan_add, Busy_lock, Narrow};
}  // namespace Chann_record

// The name of channel k in image record 256 + k; byte 0 = 0xFF: no name.
namespace Chann_name_record {
inline constexpr RecordSet Records{.name = "Chann_name_record", .first = 256, .stride = 1, .count = 200};
inline constexpr Field Name{.name = "Name", .at = Records, .byte = 0, .len = 6, .codec = Codec::Ascii_name};
inline constexpr Field all[] = {Name};
}  // namespace Chann_name_record

// FM preset n (1..16) in image record 767 + n, instance n - 1.
namespace Fm_record {
inline constexpr RecordSet Records{.name = "Fm_record", .first = 768, .stride = 1, .count = 16};
// first three digits 0: empty
inline constexpr Field Freq{.name = "Freq", .at = Records, .byte = 0, .len = 8, .codec = Codec::Freq_digits};
inline constexpr Field Name{.name = "Name", .at = Records, .byte = 8, .len = 8, .codec = Codec::Ansi_name};
inline constexpr Field all[] = {Freq, Name};
}  // namespace Fm_record

// ---- optional features ----

// The 256-byte block at radio 0x0E00 (records 224..239), one instance; a
// field's byte is its position of Option_offsets.
namespace Option_block {
inline constexpr RecordSet Records{.name = "Option_block", .first = 224, .stride = 16, .count = 1};
// The one-byte setting at position pos.
constexpr Field setting(int16_t pos, const char* name = "setting", int16_t items = 0) {
    return Field{.name = name,
                 .at = Records,
                 .byte = pos,
                 .codec = items > 0 ? Codec::List_index : Codec::Number,
                 .items = items};
}
// The setting at position pos with its name and list length from
// Option_offsets (a plain byte when the table has no such position).
constexpr Field setting_at(int16_t pos) {
    for (const OptionSetting& s : Option_offsets)
        if (s.pos == pos) return setting(pos, s.constant, s.items);
    return setting(pos);
}
inline constexpr Field PassWord{
    .name = "PassWord", .at = Records, .byte = Option_ofs_PassWord, .len = 6, .codec = Codec::Raw};
inline constexpr Field Pon_msg_1{
    .name = "Pon_msg_1", .at = Records, .byte = Option_ofs_PON_MSG, .len = 6, .codec = Codec::Disp_chars};
inline constexpr Field Pon_msg_2{
    .name = "Pon_msg_2", .at = Records, .byte = Option_ofs_PON_MSG + 6, .len = 6, .codec = Codec::Disp_chars};
inline constexpr Field Ani{
    .name = "Ani", .at = Records, .byte = Option_ofs_ANI, .len = 16, .codec = Codec::Dtmf_code_field};
inline constexpr Field PttId_Begin{
    .name = "PttId_Begin", .at = Records, .byte = Option_ofs_PttId_Begin, .len = 16, .codec = Codec::Dtmf_code_field};
inline constexpr Field kPttIdEnd{
    .name = "PttId_End", .at = Records, .byte = Option_ofs_PttId_End, .len = 16, .codec = Codec::Dtmf_code_field};
constexpr auto make_all() {
    std::array<Field, std::size(Option_offsets) + 6> a{};
    size_t i = 0;
    for (const OptionSetting& s : Option_offsets) a[i++] = setting(s.pos, s.constant, s.items);
    for (const Field& f : {PassWord, Pon_msg_1, Pon_msg_2, Ani, PttId_Begin, kPttIdEnd}) a[i++] = f;
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
inline constexpr RecordSet Records{.name = "Vfo_record", .first = 240, .stride = 2, .count = 2};
inline constexpr Field Freq{.name = "Freq", .at = Records, .byte = 0, .len = 8, .codec = Codec::Freq_digits};
inline constexpr Field Offset{.name = "Offset", .at = Records, .byte = 8, .len = 6, .codec = Codec::Offset_digits};
// no control; the defaults write 0
inline constexpr Field Pad{.name = "Pad", .at = Records, .byte = 14, .len = 2, .codec = Codec::Raw};
inline constexpr Field Rx_tone{.name = "Rx_tone", .at = Records, .byte = 16, .len = 2, .codec = Codec::Tone_code};
inline constexpr Field Tx_tone{.name = "Tx_tone", .at = Records, .byte = 18, .len = 2, .codec = Codec::Tone_code};
// "1".."15"
inline constexpr Field Sig_code{.name = "Sig_code", .at = Records, .byte = 20, .codec = Codec::List_index, .items = 15};
// QT/DQT, AND, OR
inline constexpr Field Spmute{.name = "Spmute", .at = Records, .byte = 21, .codec = Codec::List_index, .items = 3};
// off DTMF 2TONE 5TONE
inline constexpr Field Opt_sig{.name = "Opt_sig", .at = Records, .byte = 22, .codec = Codec::List_index, .items = 4};
inline constexpr Field Scr{.name = "Scr", .at = Records, .byte = 23, .codec = Codec::List_index, .items = 2};
// 0 wide, 1 narrow
inline constexpr Field Wn{.name = "Wn", .at = Records, .byte = 24, .codec = Codec::List_index, .items = 2};
// 0 high, 1 low
inline constexpr Field Txp{.name = "Txp", .at = Records, .byte = 25, .codec = Codec::List_index, .items = 2};
// off + -
inline constexpr Field Shift{.name = "Shift", .at = Records, .byte = 26, .codec = Codec::List_index, .items = 3};
// 5.00 6.25 10.00 12.50 25.00 kHz
inline constexpr Field Step{.name = "Step", .at = Records, .byte = 27, .codec = Codec::List_index, .items = 5};
inline constexpr Field all[] = {Freq, Offset, Pad, Rx_tone, Tx_tone, Sig_code, Spmute,
                                Opt_sig, Scr, Wn, Txp, Shift, Step};
}  // namespace Vfo_record

// ---- DTMF (records 656..687) ----

// Send codes 1..15 in records 656..670, instance i = code i + 1.
namespace Dtmf_enc_block {
inline constexpr RecordSet Records{.name = "Dtmf_enc_block", .first = 656, .stride = 1, .count = 15};
inline constexpr Field Send_code{
    .name = "Send_code", .at = Records, .byte = 0, .len = 16, .codec = Codec::Dtmf_code_field};
inline constexpr Field all[] = {Send_code};
}  // namespace Dtmf_enc_block

// Record 671: tone on and off time, positions in 50, 60, ... 2000 ms.
namespace Dtmf_enc_timing_record {
inline constexpr RecordSet Records{.name = "Dtmf_enc_timing_record", .first = 671, .stride = 1, .count = 1};
inline constexpr Field On_time{.name = "On_time", .at = Records, .byte = 0, .codec = Codec::List_index, .items = 196};
inline constexpr Field Off_time{.name = "Off_time", .at = Records, .byte = 1, .codec = Codec::List_index, .items = 196};
inline constexpr Field all[] = {On_time, Off_time};
}  // namespace Dtmf_enc_timing_record

// Remote-command codes in records 672..677 and the two control IDs.
namespace Dtmf_dec_block {
enum Command { Inspection = 0, Monitor, Alarm, Stun, Kill, Revive };
inline constexpr RecordSet Commands{.name = "Dtmf_dec_commands", .first = 672, .stride = 1, .count = 6};
inline constexpr RecordSet Master{.name = "Dtmf_master_id", .first = 685, .stride = 1, .count = 1};
inline constexpr RecordSet Vice{.name = "Dtmf_vice_id", .first = 686, .stride = 1, .count = 1};
inline constexpr Field Cmd_code{
    .name = "Cmd_code", .at = Commands, .byte = 0, .len = 16, .codec = Codec::Dtmf_code_field};
inline constexpr Field Master_id{
    .name = "Master_id", .at = Master, .byte = 0, .len = 16, .codec = Codec::Dtmf_code_field};
inline constexpr Field Vice_id{.name = "Vice_id", .at = Vice, .byte = 0, .len = 16, .codec = Codec::Dtmf_code_field};
inline constexpr Field all[] = {Cmd_code, Master_id, Vice_id};
}  // namespace Dtmf_dec_block

// Record 687: the decoder settings.
namespace Dtmf_dec_settings_record {
// Bits of a rights byte.
inline constexpr int Right_inspection = 1 << 0, Right_monitor = 1 << 1, Right_stun = 1 << 2, Right_kill = 1 << 3,
                     Right_revive = 1 << 4;
inline constexpr RecordSet Records{.name = "Dtmf_dec_settings_record", .first = 687, .stride = 1, .count = 1};
// written 1 on, 0 off
inline constexpr Field Id_ctrl{.name = "Id_ctrl", .at = Records, .byte = 0, .codec = Codec::Number};
inline constexpr Field Master_rights{
    .name = "Master_rights", .at = Records, .byte = 1, .width = 5, .codec = Codec::Bits};
inline constexpr Field Vice_rights{.name = "Vice_rights", .at = Records, .byte = 2, .width = 5, .codec = Codec::Bits};
inline constexpr Field Rx_inhibit{.name = "Rx_inhibit", .at = Records, .byte = 3, .width = 1, .codec = Codec::Flag};
inline constexpr Field Tx_inhibit{
    .name = "Tx_inhibit", .at = Records, .byte = 3, .shift = 1, .width = 1, .codec = Codec::Flag};
inline constexpr Field Group_call{.name = "Group_call", .at = Records, .byte = 4, .codec = Codec::Dtmf_code};
inline constexpr Field Separator{.name = "Separator", .at = Records, .byte = 5, .codec = Codec::Dtmf_code};
// 100 .. 4000 ms
inline constexpr Field Dec_delay{
    .name = "Dec_delay", .at = Records, .byte = 6, .codec = Codec::List_index, .items = 40};
// 100 .. 8000 ms
inline constexpr Field Reset_time{
    .name = "Reset_time", .at = Records, .byte = 7, .codec = Codec::List_index, .items = 80};
inline constexpr Field all[] = {Id_ctrl,    Master_rights, Vice_rights, Rx_inhibit, Tx_inhibit,
                                Group_call, Separator,     Dec_delay,   Reset_time};
}  // namespace Dtmf_dec_settings_record

// ---- 2-tone (records 720..767) ----

// Encode entry n (1..15) in record 719 + n, instance n - 1.
namespace Sig_2tone_enc_record {
inline constexpr RecordSet Records{.name = "Sig_2tone_enc_record", .first = 720, .stride = 1, .count = 15};
inline constexpr Field Tone_1{.name = "Tone_1", .at = Records, .byte = 0, .len = 2, .codec = Codec::Hz_word};
inline constexpr Field Tone_2{.name = "Tone_2", .at = Records, .byte = 8, .len = 2, .codec = Codec::Hz_word};
inline constexpr Field all[] = {Tone_1, Tone_2};
}  // namespace Sig_2tone_enc_record

// Record 735: durations, positions in 0, 10, ... 1000 ms.
namespace Sig_2tone_timing_record {
inline constexpr RecordSet Records{.name = "Sig_2tone_timing_record", .first = 735, .stride = 1, .count = 1};
inline constexpr Field First_dur{
    .name = "First_dur", .at = Records, .byte = 0, .codec = Codec::List_index, .items = 101};
inline constexpr Field Second_dur{
    .name = "Second_dur", .at = Records, .byte = 1, .codec = Codec::List_index, .items = 101};
inline constexpr Field Gap{.name = "Gap", .at = Records, .byte = 2, .codec = Codec::List_index, .items = 101};
inline constexpr Field all[] = {First_dur, Second_dur, Gap};
}  // namespace Sig_2tone_timing_record

// Decode entry n (1..15) in record 735 + n, instance n - 1; decoders d = 0..3
// hold pair code, response and alert at bytes 3d, 3d + 1, 3d + 2.
namespace Sig_2tone_dec_record {
inline constexpr RecordSet Records{.name = "Sig_2tone_dec_record", .first = 736, .stride = 1, .count = 15};
inline constexpr Field Pair[4] = {
    {.name = "Pair_1", .at = Records, .byte = 0, .codec = Codec::List_index, .items = 12},
    {.name = "Pair_2", .at = Records, .byte = 3, .codec = Codec::List_index, .items = 12},
    {.name = "Pair_3", .at = Records, .byte = 6, .codec = Codec::List_index, .items = 12},
    {.name = "Pair_4", .at = Records, .byte = 9, .codec = Codec::List_index, .items = 12},
};
inline constexpr Field Resp[4] = {
    {.name = "Resp_1", .at = Records, .byte = 1, .codec = Codec::List_index, .items = 4},
    {.name = "Resp_2", .at = Records, .byte = 4, .codec = Codec::List_index, .items = 4},
    {.name = "Resp_3", .at = Records, .byte = 7, .codec = Codec::List_index, .items = 4},
    {.name = "Resp_4", .at = Records, .byte = 10, .codec = Codec::List_index, .items = 4},
};
inline constexpr Field Alert[4] = {  // the alert number 1..16 itself
    {.name = "Alert_1", .at = Records, .byte = 2, .codec = Codec::Number},
    {.name = "Alert_2", .at = Records, .byte = 5, .codec = Codec::Number},
    {.name = "Alert_3", .at = Records, .byte = 8, .codec = Codec::Number},
    {.name = "Alert_4", .at = Records, .byte = 11, .codec = Codec::Number},
};
inline constexpr Field all[] = {Pair[0], Resp[0], Alert[0], Pair[1], Resp[1], Alert[1],
                                Pair[2], Resp[2], Alert[2], Pair[3], Resp[3], Alert[3]};
}  // namespace Sig_2tone_dec_record

// Tones A..D (k = 0..3) of decode entry n in record 751 + n, instance n - 1.
namespace Sig_2tone_dec_tones {
inline constexpr RecordSet Records{.name = "Sig_2tone_dec_tones", .first = 752, .stride = 1, .count = 15};
inline constexpr Field Freq[4] = {
    {.name = "Freq_A", .at = Records, .byte = 0, .len = 2, .codec = Codec::Hz_word},
    {.name = "Freq_B", .at = Records, .byte = 2, .len = 2, .codec = Codec::Hz_word},
    {.name = "Freq_C", .at = Records, .byte = 4, .len = 2, .codec = Codec::Hz_word},
    {.name = "Freq_D", .at = Records, .byte = 6, .len = 2, .codec = Codec::Hz_word},
};
inline constexpr Field Period[4] = {
    {.name = "Period_A", .at = Records, .byte = 8, .len = 2, .codec = Codec::Period_word},
    {.name = "Period_B", .at = Records, .byte = 10, .len = 2, .codec = Codec::Period_word},
    {.name = "Period_C", .at = Records, .byte = 12, .len = 2, .codec = Codec::Period_word},
    {.name = "Period_D", .at = Records, .byte = 14, .len = 2, .codec = Codec::Period_word},
};
inline constexpr Field all[] = {Freq[0], Freq[1], Freq[2], Freq[3], Period[0], Period[1], Period[2], Period[3]};
}  // namespace Sig_2tone_dec_tones

// Record 767: the decode reset time, a position in 100, 200, ... 8000 ms.
namespace Sig_2tone_reset_record {
inline constexpr RecordSet Records{.name = "Sig_2tone_reset_record", .first = 767, .stride = 1, .count = 1};
inline constexpr Field Reset_time{
    .name = "Reset_time", .at = Records, .byte = 0, .codec = Codec::List_index, .items = 80};
inline constexpr Field all[] = {Reset_time};
}  // namespace Sig_2tone_reset_record

// ---- 5-tone (records 512..607) ----

// The constant tone tables: for standard s (0..14) and digit d, byte d of
// record first + s in each of the four tables. Slot 15 is never written.
namespace Sig_5tone_tables {
inline constexpr int kTableSlots = 16;  // records of one table: standards 0..14 and an empty slot
inline constexpr RecordSet Hz_low_rows{.name = "Sig_5tone_hz_low", .first = 512, .stride = 1, .count = 15};
inline constexpr RecordSet Hz_high_rows{
    .name = "Sig_5tone_hz_high", .first = Hz_low_rows.first + kTableSlots, .stride = 1, .count = 15};
inline constexpr RecordSet Div_low_rows{
    .name = "Sig_5tone_div_low", .first = Hz_high_rows.first + kTableSlots, .stride = 1, .count = 15};
inline constexpr RecordSet Div_high_rows{
    .name = "Sig_5tone_div_high", .first = Div_low_rows.first + kTableSlots, .stride = 1, .count = 15};
inline constexpr Field Hz_low{.name = "Hz_low", .at = Hz_low_rows, .byte = 0, .len = 16, .codec = Codec::Raw};
inline constexpr Field Hz_high{.name = "Hz_high", .at = Hz_high_rows, .byte = 0, .len = 16, .codec = Codec::Raw};
inline constexpr Field Div_low{.name = "Div_low", .at = Div_low_rows, .byte = 0, .len = 16, .codec = Codec::Raw};
inline constexpr Field Div_high{.name = "Div_high", .at = Div_high_rows, .byte = 0, .len = 16, .codec = Codec::Raw};
inline constexpr Field all[] = {Hz_low, Hz_high, Div_low, Div_high};
}  // namespace Sig_5tone_tables

// Standard s (0..14) in record 576 + s.
namespace Sig_5tone_std_record {
inline constexpr RecordSet Records{.name = "Sig_5tone_std_record", .first = 576, .stride = 1, .count = 15};
// 20 + 10 * code ms
inline constexpr Field Period{.name = "Period", .at = Records, .byte = 0, .codec = Codec::List_index, .items = 19};
inline constexpr Field Group_digit{.name = "Group_digit", .at = Records, .byte = 1, .codec = Codec::Hex_digit};
inline constexpr Field Repeat_digit{.name = "Repeat_digit", .at = Records, .byte = 2, .codec = Codec::Hex_digit};
inline constexpr Field all[] = {Period, Group_digit, Repeat_digit};
}  // namespace Sig_5tone_std_record

// Encode code n (1..15) in record 591 + n, instance n - 1.
namespace Sig_5tone_code_record {
inline constexpr RecordSet Records{.name = "Sig_5tone_code_record", .first = 592, .stride = 1, .count = 15};
inline constexpr Field Frame[3] = {
    {.name = "Frame_1", .at = Records, .byte = 0, .len = 5, .codec = Codec::Hex_digits},
    {.name = "Frame_2", .at = Records, .byte = 5, .len = 5, .codec = Codec::Hex_digits},
    {.name = "Frame_3", .at = Records, .byte = 10, .len = 5, .codec = Codec::Hex_digits},
};
inline constexpr Field Std{.name = "Std", .at = Records, .byte = 15, .codec = Codec::Std_index};
inline constexpr Field all[] = {Frame[0], Frame[1], Frame[2], Std};
}  // namespace Sig_5tone_code_record

// Record 607: encode delays and decode settings.
namespace Sig_5tone_settings {
inline constexpr RecordSet Records{.name = "Sig_5tone_settings", .first = 607, .stride = 1, .count = 1};
inline constexpr Field Delay[3] = {  // before frames 1..3, positions in 0, 10, ... 1000 ms
    {.name = "Delay_1", .at = Records, .byte = 0, .codec = Codec::List_index, .items = 101},
    {.name = "Delay_2", .at = Records, .byte = 1, .codec = Codec::List_index, .items = 101},
    {.name = "Delay_3", .at = Records, .byte = 2, .codec = Codec::List_index, .items = 101},
};
inline constexpr Field First_ext{
    .name = "First_ext", .at = Records, .byte = 3, .codec = Codec::List_index, .items = 101};
inline constexpr Field Dec_std{.name = "Dec_std", .at = Records, .byte = 8, .codec = Codec::List_index, .items = 15};
// bit f: frame f + 1
inline constexpr Field Call_frames{.name = "Call_frames", .at = Records, .byte = 9, .width = 3, .codec = Codec::Bits};
inline constexpr Field Disp_frames{.name = "Disp_frames", .at = Records, .byte = 10, .width = 3, .codec = Codec::Bits};
// 100 .. 8000 ms
inline constexpr Field Reset_time{
    .name = "Reset_time", .at = Records, .byte = 11, .codec = Codec::List_index, .items = 80};
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
