// A program on the simulated platform with the simulated radio on a port.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "link/form_comm_read.h"
#include "link/form_comm_write.h"
#include "link/form_setup.h"
#include "link/link_window.h"
#include "radio-sim/radio_sim.h"
#include "support/fixture.h"

namespace linktest {

using radiosim::Frame;

// By default the radio holds the byte pattern: most tests compare the bytes
// a read brings and a write leaves, so each byte must differ from what a
// default image holds.
struct RadioProgram : bxtest::Program {
    radiosim::SimRadio radio;
    explicit RadioProgram(int port = 3, radiosim::Memory memory = radiosim::Memory::Pattern) : radio(rt.sim, memory) {
        rt.ports.add_port(port, radio.Port());
    }

    bx::Form_Comm_Read& rd() { return *app.Form_Comm_Read; }
    bx::Form_Comm_Write& wr() { return *app.Form_Comm_Write; }

    // Starts the program and lets the identification finish.
    void start_identified() {
        start();
        rt.sim.run_for(2000);
    }
    // Closes the options window that the program opens at start-up. An open
    // options window shows a replaced image at once, and by its display rule
    // stores a setting beyond its list back as the last item; a test of the
    // read's raw bytes closes it first.
    void close_options_window() {
        if (ui::Form* f = app.Window(bx::EditorId::frm_option)) f->Unload();
    }
    // Every frame of one kind the radio got, in order.
    std::vector<Frame> frames(Frame::Kind k) const {
        std::vector<Frame> out;
        for (const Frame& f : radio.radio.frames)
            if (f.kind == k) out.push_back(f);
        return out;
    }
    // Runs until the window's exchange has ended (or the limit passes).
    bool run_until_idle(const bx::LinkMachine& m, double limit_ms = 120000) {
        return rt.sim.run_until([&] { return !m.st.Busy() && !m.c().Timer3.Enabled(); }, limit_ms);
    }
    // The radio's bytes of image record r.
    std::vector<uint8_t> radio_record(int r) const {
        auto b = radio.radio.mem.begin() + r * 16;
        return {b, b + 16};
    }
    std::vector<uint8_t> image_record(int r) {
        std::vector<uint8_t> v;
        for (int i = 0; i < 16; ++i) v.push_back(app.Mem_image(r, i));
        return v;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : rt.recorder.shown) out.push_back(m.text);
        return out;
    }
};

// A link window without a password box (as the alignment editor has). No
// completion hooks: after an exchange the label keeps the last progress text.
class BareLinkWindow : public bx::LinkWindow {
public:
    BareLinkWindow(bx::App& app, const bx::Link_params& row) : LinkWindow(app, row.window, row, {.password = false}) {}
};

}  // namespace linktest
