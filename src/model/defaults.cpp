#include "model/defaults.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/factory_choices.h"
#include "model/codecs.h"
#include "model/five_tone.h"
#include "model/freq_codec.h"
#include "model/layouts.h"
#include "model/memory_map.h"
#include "model/numtext.h"

namespace bx {

namespace {

using namespace layout;

// Writes the listed bytes from the field's first byte on.
void put(const Field& f, MemImage& img, int i, std::initializer_list<uint8_t> bytes) {
    f.put(img, i, std::span<const uint8_t>(bytes.begin(), bytes.size()));
}

// A DTMF digit text into a code field: its codes from byte 0 on, 0xFF after.
void put_dtmf(const Field& f, MemImage& img, int i, std::string_view digits) {
    const DtmfCodeField codes = Dtmf_text_to_field(digits);
    f.put(img, i, codes);
}

constexpr bool all_digits(std::string_view s, size_t n) {
    if (s.size() != n) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}
static_assert(all_digits(factory::kPttIdEnd, 5));
static_assert(all_digits(factory::kDtmfCmdInspection, 3) && all_digits(factory::kDtmfCmdMonitor, 3) &&
              all_digits(factory::kDtmfCmdAlarm, 3) && all_digits(factory::kDtmfCmdStun, 3) &&
              all_digits(factory::kDtmfCmdKill, 3) && all_digits(factory::kDtmfCmdRevive, 3));
static_assert(all_digits(factory::kDtmfMasterId, 5) && all_digits(factory::kDtmfViceId, 5));
static_assert(all_digits(factory::kAdjUserPassword, 6) && all_digits(factory::kAdjSuperPassword, 6));

}  // namespace

// ---- options ----

void Load_option_defaults(OptionSettings& s, MemImage& img) {
    // 1: the settings that have a factory position.
    for (const OptionSetting& o : Option_offsets)
        if (o.factory >= 0) s[static_cast<size_t>(o.pos)] = o.factory;
    // 2-4: the text fields, 0xFF where no character stands.
    for (int p = 192; p <= 255; ++p) s[static_cast<size_t>(p)] = 255;
    const std::string_view line_1 = "WELCOM", line_2 = "VZ4150";
    for (size_t k = 0; k < 6; ++k) {
        s[Option_ofs_PON_MSG + k] = static_cast<unsigned char>(line_1[k]);
        s[Option_ofs_PON_MSG + 6 + k] = static_cast<unsigned char>(line_2[k]);
    }
    const int16_t ani[] = {8, 0, 8, 0, 8};
    for (size_t k = 0; k < 5; ++k) {
        s[Option_ofs_ANI + k] = ani[k];
        s[Option_ofs_PttId_Begin + k] = static_cast<int16_t>(k + 1);
    }
    const DtmfCodeField end = Dtmf_text_to_field(factory::kPttIdEnd);
    for (size_t k = 0; k < end.size(); ++k) s[Option_ofs_PttId_End + k] = end[k];
    // 5: every entry of the block into the image, also those not set above.
    for (int16_t p = 0; p < 256; ++p) Option_block::setting(p).set(img, s[static_cast<size_t>(p)] & 0xFF);
    // 6: the VFO records.
    for (int v : {Vfo_A, Vfo_B}) {
        for (const Field& f : {Vfo_record::Rx_tone, Vfo_record::Tx_tone}) f.set(img, v, 0);
        for (const Field& f : {Vfo_record::Sig_code, Vfo_record::Spmute, Vfo_record::Opt_sig, Vfo_record::Scr,
                               Vfo_record::Wn, Vfo_record::Txp, Vfo_record::Shift, Vfo_record::Step})
            f.set(img, v, 0);
        Vfo_record::Pad.fill(img, v, 0);
    }
    put(Vfo_record::Freq, img, Vfo_A, {1, 3, 6, 0, 2, 5, 0, 0});  // 136.02500 MHz
    put(Vfo_record::Offset, img, Vfo_A, {0, 1, 0, 6, 5, 5});      // 10.655 MHz
    put(Vfo_record::Freq, img, Vfo_B, {4, 7, 0, 0, 6, 2, 5, 0});  // 470.06250 MHz
    put(Vfo_record::Offset, img, Vfo_B, {0, 0, 1, 6, 2, 5});      // 1.625 MHz
    Vfo_record::Sig_code.set(img, Vfo_B, 14);                     // the 15th signal code
}

// ---- channels and FM presets ----

namespace {
struct FactoryChannel {
    int k;
    const char* freq;  // receive = transmit, MHz
    const char* ctcss; // nullptr: no CTCSS tone
};
constexpr FactoryChannel kChannels[] = {
    {0, "155.025", "67.0"}, {1, "136.1", "100.0"}, {2, "173.95", "127.3"}, {3, "400.025", "203.5"},
    {4, "479.95", nullptr}, {5, "436.5", "250.3"}, {6, "155.5", nullptr},  {199, "480.625", nullptr},
};
constexpr int kDcsLastInverted = 210;  // the tone of channel 6: "D754I"
}  // namespace

void Load_chann_defaults(MemImage& img) {
    img.Erase(area::kChann.first, area::kChann.last);
    for (const FactoryChannel& c : kChannels) {
        Chann_record::Rx_freq.fill(img, c.k, 0);
        Chann_record::Tx_freq.fill(img, c.k, 0);
        Chann_record::Rx_tone.set(img, c.k, 0xFFFF);
        Chann_record::Tx_tone.set(img, c.k, 0xFFFF);
        Chann_record::Setting_bytes.fill(img, c.k, 0);
        Chann_record::Scan_add.set(img, c.k, 1);
    }
    for (const FactoryChannel& c : kChannels) {
        std::string rx = c.freq, tx = c.freq;
        Store_freq_bcd(rx, img, Chann_record::Rx_freq, c.k);
        Store_freq_bcd(tx, img, Chann_record::Tx_freq, c.k);
    }
    for (const FactoryChannel& c : kChannels) {
        if (!c.ctcss) continue;
        Store_ctcss_tone(img, c.ctcss, Chann_record::Rx_tone, c.k);
        Store_ctcss_tone(img, c.ctcss, Chann_record::Tx_tone, c.k);
    }
    Chann_record::Rx_tone.set(img, 6, kDcsLastInverted);
    Chann_record::Tx_tone.set(img, 6, kDcsLastInverted);
}

bool Store_ctcss_tone(MemImage& img, const std::string& text, const Field& f, int i) {
    f.require(Codec::Tone_code, 2);
    if (!f.has(i)) return false;
    if (text == "FF") {
        Store_tone_code(img, f, i, {0xFF, 0xFF});
        return true;
    }
    const double v = Val(text);
    if (!(v > 0 && v < 255)) return false;
    // Tenths of a hertz, low byte first; a low byte that rounds up to 256
    // carries into the high byte.
    Store_tone_code(img, f, i, Ctcss_text_to_code(text));
    return true;
}

namespace {
struct FactoryPreset {
    int index;
    double mhz;
    const char* name;
};
constexpr FactoryPreset kPresets[] = {
    {0, 88.9, "KELVO"},  {1, 90.4, "CCTV1"},   {3, 92.3, "JTZS2"},  {5, 95.5, "DURMA"},  {7, 96.9, "CCTV4"},
    {9, 98.3, "LOXE"},   {11, 103.9, "CCTV6"}, {13, 100.7, "DNZS3"}, {15, 105.9, "CCTV9"},
};
}  // namespace

void Load_fm_defaults(MemImage& img) {
    for (int i = 0; i < Fm_record::Records.count; ++i) {
        Fm_record::Freq.fill(img, i, 0);
        Fm_record::Name.fill(img, i, 0xFF);
    }
    for (const FactoryPreset& p : kPresets) Store_fm_freq(img, p.mhz, p.index);
    for (const FactoryPreset& p : kPresets) {
        std::string name = p.name;
        Store_fm_name(img, name, p.index);
    }
}

void Store_fm_freq(MemImage& img, double f, int index) {
    if (!(f >= 0 && f < 1000)) return;
    // The digits of the decimal value cut to 10 Hz units, as the integer
    // part of each digit step; the small addition keeps a value such as 88.9,
    // which a double holds as slightly less, from losing its last digit.
    long long n = static_cast<long long>(std::floor(f * 100000.0 + 1e-6));
    if (n > 99999999) return;
    uint8_t d[8];
    for (int j = 7; j >= 0; --j) {
        d[j] = static_cast<uint8_t>(n % 10);
        n /= 10;
    }
    Fm_record::Freq.put(img, index, d);
}

void Store_fm_name(MemImage& img, std::string& name, int index) {
    name = Trim(name);
    const size_t n = name.size() < static_cast<size_t>(Fm_record::Name.len) ? name.size()
                                                                            : static_cast<size_t>(Fm_record::Name.len);
    for (size_t k = 0; k < n; ++k)
        Fm_record::Name.ref(img, index, static_cast<int>(k)) = static_cast<uint8_t>(name[k]);
}

// ---- alignment ----

namespace {
constexpr int16_t kAdjFactory[10][kAdjCells] = {
    {12, 13, 13, 13, 13, 13, 14, 15, 15, 15, 15, 15, 15, 15, 15, 15},  // 0 high power, VHF points
    {12, 12, 13, 13, 13, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12},  // 1 high power, UHF points
    {6, 5, 5, 5, 5, 5, 6, 6, 7, 6, 6, 6, 7, 7, 7, 7},                  // 2 low power, VHF points
    {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5},                  // 3 low power, UHF points
    {38, 35, 36, 37, 38, 39, 41, 43, 45, 48, 48, 48, 48, 48, 48, 48},  // 4 VHF squelch levels
    {8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0},                  // 5 VHF squelch compensations
    {38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41},  // 6 UHF squelch levels
    {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                  // 7 UHF squelch compensations
    {60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 128, 50, 0, 0, 0},       // 8 deviations, volumes, drive, temperature
    {1, 3, 0, 1, 7, 9, 4, 0, 0, 4, 8, 0, 0, 0, 0, 0},                  // 9 working range 130-179, 400-480 MHz
};
}  // namespace

void Load_adj_defaults(AdjTable& d) {
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < kAdjCells; ++r) d(c, r) = kAdjFactory[c][r];
    const std::string_view user = factory::kAdjUserPassword, super = factory::kAdjSuperPassword;
    for (int k = 0; k < 6; ++k) {
        d(adj::PassWord_record, adj::User_password.first + k) = static_cast<unsigned char>(user[static_cast<size_t>(k)]);
        d(adj::PassWord_record, adj::Super_password.first + k) =
            static_cast<unsigned char>(super[static_cast<size_t>(k)]);
    }
}

// ---- signalling ----

void Load_dtmf_defaults(MemImage& img) {
    img.Erase(area::kDtmf.first, area::kDtmf.last);
    put(Dtmf_enc_block::Send_code, img, 0, {2, 10, 2, 10, 2});   // send code 1: 20202
    put(Dtmf_enc_block::Send_code, img, 14, {3, 10, 3, 10, 3});  // send code 15: 30303
    Dtmf_enc_timing_record::On_time.set(img, 3);                 // 80 ms
    Dtmf_enc_timing_record::Off_time.set(img, 3);
    using namespace Dtmf_dec_block;
    put_dtmf(Cmd_code, img, Inspection, factory::kDtmfCmdInspection);
    put_dtmf(Cmd_code, img, Monitor, factory::kDtmfCmdMonitor);
    put_dtmf(Cmd_code, img, Alarm, factory::kDtmfCmdAlarm);
    put_dtmf(Cmd_code, img, Stun, factory::kDtmfCmdStun);
    put_dtmf(Cmd_code, img, Kill, factory::kDtmfCmdKill);
    put_dtmf(Cmd_code, img, Revive, factory::kDtmfCmdRevive);
    put_dtmf(Master_id, img, 0, factory::kDtmfMasterId);
    put_dtmf(Vice_id, img, 0, factory::kDtmfViceId);
    // The settings bytes are written whole: the bits no control uses become 0.
    namespace S = Dtmf_dec_settings_record;
    S::Id_ctrl.set(img, 1);
    S::Master_rights.ref(img, 0) = S::Right_inspection | S::Right_monitor | S::Right_stun | S::Right_kill |
                                   S::Right_revive;
    S::Vice_rights.ref(img, 0) = S::Right_inspection | S::Right_monitor;
    S::Rx_inhibit.ref(img, 0) = 0;  // byte 3: neither receive nor transmit inhibited
    S::Group_call.set(img, 11);     // "*"
    S::Separator.set(img, 12);      // "#"
    S::Dec_delay.set(img, 4);       // 500 ms
    S::Reset_time.set(img, 79);     // 8000 ms
}

void Store_2tone_pair(MemImage& img, int i, double f1, double f2) {
    auto store = [&](const Field& f, double hz) {
        f.require(Codec::Hz_word, 2);
        const double c = std::floor(hz + 0.5);
        f.set(img, i, !(c > 0) ? 0 : c > 65535 ? 65535 : static_cast<int>(c));
    };
    store(Sig_2tone_enc_record::Tone_1, f1);
    store(Sig_2tone_enc_record::Tone_2, f2);
}

namespace {
struct EncPair {
    int entry;
    double f1, f2;
};
constexpr EncPair kEncPairs[] = {
    {1, 1981, 1124}, {2, 1358, 1446}, {3, 1540, 1640}, {12, 2200, 970},
    {13, 1060, 1160}, {14, 1400, 1530}, {15, 1670, 1830},
};
struct DecTones {
    int entry;
    double hz[4];
};
constexpr DecTones kDecTones[] = {
    {1, {1981, 1124, 1197, 1275}},
    {2, {1358, 1446, 1540, 1640}},
    {14, {2200, 970, 1060, 1160}},
    {15, {1400, 1530, 1670, 1830}},
};
}  // namespace

void Load_2tone_defaults(MemImage& img, double tone_tick_ms) {
    img.Erase(area::kSig2tone.first, area::kSig2tone.last);
    for (const EncPair& p : kEncPairs) Store_2tone_pair(img, p.entry - 1, p.f1, p.f2);
    Sig_2tone_timing_record::First_dur.set(img, 60);   // 600 ms
    Sig_2tone_timing_record::Second_dur.set(img, 60);  // 600 ms
    Sig_2tone_timing_record::Gap.set(img, 30);         // 300 ms
    // Decoders "A-B" response 1 alert 1, "B-C" 2/2, "C-D" 3/3, "D-A" 0/4;
    // entry 15 holds the same four in reverse order.
    struct Decoder {
        int pair, resp, alert;
    };
    constexpr Decoder dec[4] = {{0, 1, 1}, {4, 2, 2}, {8, 3, 3}, {9, 0, 4}};
    namespace Dec = Sig_2tone_dec_record;
    for (int entry : {1, 2, 14, 15})
        for (int d = 0; d < 4; ++d) {
            const Decoder& x = dec[entry == 15 ? 3 - d : d];
            Dec::Pair[d].set(img, entry - 1, x.pair);
            Dec::Resp[d].set(img, entry - 1, x.resp);
            Dec::Alert[d].set(img, entry - 1, x.alert);
        }
    for (const DecTones& t : kDecTones)
        for (int k = 0; k < 4; ++k) Store_2tone_freq(img, t.entry - 1, k, t.hz[k], tone_tick_ms);
    Sig_2tone_reset_record::Reset_time.set(img, 59);  // 6000 ms
}

void Load_5tone_defaults(MemImage& img) {
    Load_5tone_tables(img);
    namespace Std = Sig_5tone_std_record;
    for (int s = 0; s < Std::Records.count; ++s) {
        Std::Period.set(img, s, 5);         // 70 ms
        Std::Group_digit.set(img, s, 10);   // "A"
        Std::Repeat_digit.set(img, s, 14);  // "E"
    }
    // CCIR1 and EURO 100 ms, EEA and MODAT 40 ms, EIA 30 ms.
    Std::Period.set(img, 0, 8);
    Std::Period.set(img, 9, 2);
    Std::Period.set(img, 10, 1);
    Std::Period.set(img, 11, 8);
    Std::Period.set(img, 14, 2);
    img.Erase(Sig_5tone_code_record::Records.first, Sig_5tone_settings::Records.last());
    namespace Code = Sig_5tone_code_record;
    put(Code::Frame[0], img, 0, {1, 2, 3, 4, 5});
    put(Code::Frame[1], img, 0, {3, 4, 5, 6, 7});
    put(Code::Frame[2], img, 0, {5, 6, 7, 8, 9});
    Code::Std.set(img, 0, 0);  // CCIR1
    put(Code::Frame[0], img, 14, {2, 3, 4, 5, 6});
    put(Code::Frame[1], img, 14, {4, 5, 6, 7, 8});
    put(Code::Frame[2], img, 14, {6, 7, 8, 9, 0});
    Code::Std.set(img, 14, 14);  // MODAT
    namespace Set = Sig_5tone_settings;
    for (const Field& f : Set::Delay) f.set(img, 20);  // 200 ms each
    Set::First_ext.set(img, 0);
    Set::Dec_std.set(img, 0);              // CCIR1
    Set::Call_frames.ref(img, 0) = 0x01;   // frame 1
    Set::Disp_frames.ref(img, 0) = 0x06;   // frames 2 and 3
    Set::Reset_time.set(img, 59);          // 6000 ms
}

}  // namespace bx
