// The memory the simulated radio starts with: what a radio in use could
// hold. Every value lies inside the radio's own bands (136-174 and
// 400-480 MHz, Radio::bands) and inside the lists of the program's editors,
// so a first read through the program shows data a user recognises. The
// areas are written with the model's own factory builders and codecs; the
// channels, channel names and FM presets are the radio's own.
#include <string>

#include "model/codecs.h"
#include "model/defaults.h"
#include "model/freq_codec.h"
#include "model/layouts.h"
#include "model/memory_map.h"
#include "radio-sim/radio_sim.h"

namespace radiosim {

namespace {

using namespace bx::layout;

struct SimChannel {
    int k;
    const char* rx;
    const char* tx;        // nullptr: receive only
    const char* rx_ctcss;  // nullptr: no tone
    const char* tx_ctcss;
    int dcs;               // > 0: this DCS code (tone table entry) both ways instead
    const char* name;
    bool narrow, low_power, busy_lock;
    int ptt_id;            // 0 OFF, 1 BOT, 2 EOT, 3 BOTH
    int opt_sig;           // 0 OFF, 1 DTMF, 2 2TONE, 3 5TONE
    int sig_code;          // 1..15
};

constexpr SimChannel kChannels[] = {
    {0, "146.52", "146.52", nullptr, nullptr, 0, "SIMPLX", false, false, false, 0, 0, 1},
    {1, "145.65", "145.05", nullptr, "88.5", 0, "RPT1", false, false, true, 0, 0, 1},
    {2, "156.8", "156.8", nullptr, nullptr, 0, "CH16", true, false, false, 0, 0, 1},
    {3, "162.55", nullptr, nullptr, nullptr, 0, "WX1", true, false, false, 0, 0, 1},
    {4, "433.5", "433.5", "67.0", "67.0", 0, "UHF1", false, false, false, 0, 0, 1},
    {5, "439.35", "431.75", nullptr, nullptr, 23, "RPT2", false, false, true, 0, 0, 1},
    {6, "446.00625", "446.00625", "94.8", "94.8", 0, "PMR1", true, true, false, 0, 0, 1},
    {7, "470.0", "470.0", "127.3", "127.3", 0, "SITE", false, false, true, 1, 1, 2},
};

struct SimPreset {
    int index;
    double mhz;
    const char* name;
};

constexpr SimPreset kPresets[] = {
    {0, 88.1, "NEWS"}, {1, 91.7, "JAZZ"}, {2, 95.3, "ROCK"}, {4, 99.9, "CITY"}, {5, 102.5, "CLASIC"}, {8, 106.3, "TALK"},
};

void channels(bx::MemImage& img) {
    img.Erase(bx::area::kChann.first, bx::area::kChann.last);
    img.Erase(bx::area::kChannName.first, bx::area::kChannName.last);
    for (const SimChannel& c : kChannels) {
        Chann_record::Rx_freq.fill(img, c.k, 0);
        std::string rx = c.rx;
        bx::Store_freq_bcd(rx, img, Chann_record::Rx_freq, c.k);
        if (c.tx) {
            Chann_record::Tx_freq.fill(img, c.k, 0);
            std::string tx = c.tx;
            bx::Store_freq_bcd(tx, img, Chann_record::Tx_freq, c.k);
        }
        Chann_record::Rx_tone.set(img, c.k, 0xFFFF);
        Chann_record::Tx_tone.set(img, c.k, 0xFFFF);
        if (c.rx_ctcss) bx::Store_ctcss_tone(img, c.rx_ctcss, Chann_record::Rx_tone, c.k);
        if (c.tx_ctcss) bx::Store_ctcss_tone(img, c.tx_ctcss, Chann_record::Tx_tone, c.k);
        if (c.dcs > 0) {
            Chann_record::Rx_tone.set(img, c.k, c.dcs);
            Chann_record::Tx_tone.set(img, c.k, c.dcs);
        }
        Chann_record::Setting_bytes.fill(img, c.k, 0);
        Chann_record::Sig_code.set(img, c.k, c.sig_code - 1);
        Chann_record::Opt_sig.set(img, c.k, c.opt_sig);
        Chann_record::Power.set(img, c.k, c.low_power ? 1 : 0);
        Chann_record::Ptt_id.set(img, c.k, c.ptt_id);
        Chann_record::Scan_add.set(img, c.k, 1);
        Chann_record::Busy_lock.set(img, c.k, c.busy_lock ? 1 : 0);
        Chann_record::Narrow.set(img, c.k, c.narrow ? 1 : 0);
        const std::string name = c.name;
        for (size_t i = 0; i < name.size(); ++i)
            Chann_name_record::Name.ref(img, c.k, static_cast<int>(i)) = static_cast<uint8_t>(name[i]);
    }
}

void presets(bx::MemImage& img) {
    for (int i = 0; i < Fm_record::Records.count; ++i) {
        Fm_record::Freq.fill(img, i, 0);
        Fm_record::Name.fill(img, i, 0xFF);
    }
    for (const SimPreset& p : kPresets) {
        bx::Store_fm_freq(img, p.mhz, p.index);
        std::string name = p.name;
        bx::Store_fm_name(img, name, p.index);
    }
}

// The factory signalling, and a few entries more of the radio's own.
void signalling(bx::MemImage& img) {
    bx::Load_dtmf_defaults(img);
    Dtmf_enc_block::Send_code.put(img, 1, bx::Dtmf_text_to_field("1234"));
    Dtmf_enc_block::Send_code.put(img, 2, bx::Dtmf_text_to_field("*58#"));
    bx::Load_2tone_defaults(img);
    bx::Store_2tone_pair(img, 3, 1200, 1800);
    bx::Load_5tone_defaults(img);
    Sig_5tone_code_record::Frame[0].put(img, 1, std::vector<uint8_t>{1, 0, 0, 2, 0});
    Sig_5tone_code_record::Frame[1].put(img, 1, std::vector<uint8_t>{10, 11, 12, 13, 14});
    Sig_5tone_code_record::Std.set(img, 1, 2);
}

}  // namespace

void Radio::Fill_memory() {
    bx::MemImage img;  // erased
    bx::OptionSettings settings{};
    bx::Load_option_defaults(settings, img);
    channels(img);
    presets(img);
    signalling(img);
    Set_image(img);
    Fill_adj_area();
    Set_passwords("", "");
}

}  // namespace radiosim
