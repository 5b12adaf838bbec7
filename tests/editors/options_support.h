// The options editor on the simulated platform, with the simulated radio on
// COM3 for the tests that talk to it.
#pragma once

#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/options/frm_option.h"
#include "link/link_support.h"

namespace optionstest {

constexpr int kFirstRecord = 224, kLastRecord = 243;  // block and VFO records

struct Options : linktest::RadioProgram {
    bx::frm_option& w() { return *app.Editor<bx::EditorId::frm_option>(); }
    // Starts the program and lets the radio be identified: its limits are
    // 136-174 and 400-480 MHz.
    void begin() {
        start_identified();
        rt.recorder.clear();
    }
    ui::ComboBox& list(const std::string& name) { return *w().List(name); }
    // Bytes of image records 224..243.
    std::vector<uint8_t> area() {
        std::vector<uint8_t> v;
        for (int r = kFirstRecord; r <= kLastRecord; ++r)
            for (int b = 0; b < 16; ++b) v.push_back(app.Mem_image(r, b));
        return v;
    }
    uint8_t& block(int offset) { return app.Mem_image(224 + offset / 16, offset % 16); }
    // Bytes first..last of image record r.
    std::vector<int> bytes(int r, int first, int last) {
        std::vector<int> v;
        for (int b = first; b <= last; ++b) v.push_back(app.Mem_image(r, b));
        return v;
    }
    void set_bytes(int r, int first, std::vector<int> values) {
        for (int v : values) app.Mem_image(r, first++) = static_cast<uint8_t>(v);
    }
    bool mirror_matches_image() {
        for (int p = 0; p < 256; ++p)
            if (app.Option_settings[static_cast<size_t>(p)] != block(p)) return false;
        return true;
    }
    std::vector<std::string> texts() const { return linktest::RadioProgram::texts(); }
};

}  // namespace optionstest
