// A program on the simulated platform with the simulated radio on a port.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/app.h"
#include "link/form_comm_read.h"
#include "link/form_comm_write.h"
#include "link/form_setup.h"
#include "radio-sim/radio_sim.h"
#include "support/fixture.h"

namespace linktest {

using radiosim::Frame;

struct RadioProgram : bxtest::Program {
    radiosim::SimRadio radio{rt.sim};
    explicit RadioProgram(int port = 3) { rt.ports.add_port(port, radio.Port()); }

    bx::Form_Comm_Read& rd() { return *app.Form_Comm_Read; }
    bx::Form_Comm_Write& wr() { return *app.Form_Comm_Write; }

    // Starts the program and lets the identification finish.
    void start_identified() {
        start();
        rt.sim.run_for(2000);
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

// A window holding only what the machine drives. No completion hooks: after
// an exchange the label keeps the last progress text.
class BareLinkWindow : public ui::Form {
public:
    ui::SerialPort MSC{*this, "MSC"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    ui::Timer Timer3{*this, "Timer3"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Label Label_tr_count{*this, "Label_tr_count"};
    bx::LinkMachine Link;

    BareLinkWindow(bx::App& app, const bx::Link_params& row)
        : ui::Form(app.rt, row.window), Link{app, row, {MSC, Timer1, Timer2, Timer3, &ProgressBar1, &Label_tr_count}} {
        Timer1.OnTimer = [this] { Link.Timer1_Timer(); };
        Timer2.OnTimer = [this] { Link.Timer2_Timer(); };
        Timer3.OnTimer = [this] { Link.Timer3_Timer(); };
        MSC.OnComm = [this] { Link.MSC_OnComm(); };
    }

protected:
    void Build() override {
        for (ui::Timer* t : {&Timer1, &Timer2, &Timer3}) t->setEnabled(false);
        ProgressBar1.setVisible(false);
    }
};

}  // namespace linktest
