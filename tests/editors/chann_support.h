// The channel and FM editors opened in a program on the simulated platform,
// with the simulated radio on COM3.
#pragma once

#include <string>
#include <vector>

#include "editors/channels/frm_chann.h"
#include "editors/fm/frm_fm.h"
#include "link/link_support.h"
#include "shell/dialogs.h"

namespace editortest {

struct EditorProgram : linktest::RadioProgram {
    using RadioProgram::RadioProgram;
    bx::frm_chann& ch() { return *app.Editor<bx::EditorId::frm_chann>(); }
    bx::frm_FM& fm() { return *app.Editor<bx::EditorId::frm_FM>(); }

    // Without an identification the validation limits stay 130-179 and
    // 400-520 MHz.
    void open_chann(bool identify = false, int16_t lang_chinese = 0) {
        if (!identify) radio.radio.faults.silent = true;
        start();
        rt.sim.run_for(identify ? 2000 : 20000);
        radio.radio.faults.silent = false;
        rt.recorder.clear();
        app.Lang_chinese = lang_chinese;
        bx::App::Open(ch());
    }
    void open_fm() {
        start();
        rt.sim.run_for(2000);
        rt.recorder.clear();
        bx::App::Open(fm());
    }

    std::string cell(int r, int c) { return ch().MSF_Chann.TextMatrix(r, c); }
    // Click a cell, type into the text box laid over it (replacing its
    // text), click another cell.
    void type_at(int r, int c, const std::string& text, int then_r, int then_c) {
        ch().MSF_Chann.click(r, c);
        ch().Text_Edit.enter(text);
        ch().MSF_Chann.click(then_r, then_c);
    }
    std::vector<uint8_t> rec(int r) { return image_record(r); }
    void put(int r, const std::vector<uint8_t>& bytes) {
        for (size_t b = 0; b < bytes.size(); ++b) app.Mem_image(r, static_cast<int>(b)) = bytes[b];
    }
};

}  // namespace editortest
