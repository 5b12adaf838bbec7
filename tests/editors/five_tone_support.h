// The 5-tone editor open on the simulated program with the simulated radio.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editors/signalling/frm_5tone.h"
#include "link/link_support.h"
#include "shell/mdimain.h"

namespace fivetonetest {

struct FiveToneProgram : linktest::RadioProgram {
    bx::frm_5tone& w() { return *app.Editor<bx::EditorId::frm_5tone>(); }
    uint8_t& at(int r, int b) { return app.Mem_image(r, b); }
    void open() {
        main().Sig_5tone.click();
        rt.sim.run_pending();
    }
    int shown(const std::string& text) const { return rt.recorder.count(text); }
};

class FiveTone : public ::testing::Test {
protected:
    void SetUp() override {
        p.start_identified();
        p.open();
        ASSERT_TRUE(w.Loaded());
        p.rt.recorder.clear();
    }
    // Closes and opens the window again: a fresh load from the image.
    void reopen() {
        w.Command_close.click();
        ASSERT_FALSE(w.Loaded());
        p.open();
    }
    FiveToneProgram p;
    bx::frm_5tone& w = p.w();
};

}  // namespace fivetonetest
