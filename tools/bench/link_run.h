// Drives the real program (Qt front end, offscreen) against `radio-sim
// --pty`: start-up with the radio's identification, a full read through the
// read window and a full write through the write window. Used by the
// end-to-end test and by the link benchmark.
#pragma once

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "link/form_comm_read.h"
#include "link/form_comm_write.h"
#include "qt/program.h"
#include "qt/runtime.h"
#include "radio-sim/sim_process.h"
#include "shell/mdimain.h"

namespace linkrun {

// The port the simulator is put on: the start-up scan tries COM8 first.
constexpr int kSimPort = 8;

// How long a run waits, at most, for an exchange's own report (or the
// identification at start-up): far beyond what a loaded machine needs, so
// only an exchange that never ends fails on it.
constexpr double kLimitS = 600;

// Lets the program run until the exchange has ended and its report has
// shown (LinkMachine::Running), at most kLimitS.
inline bool Until_reported(const bx::LinkMachine& m) {
    return bx::process_events_until([&] { return !m.Running(); }, kLimitS);
}

// Milliseconds on a steady clock.
inline double Now_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The line time of a transfer: every byte on the line, both ways, at 10 bits
// a byte and 9600 baud, plus the send pump's 15 ms before each frame the
// program sends. An estimate, not a bound: the two ways are counted one
// after another while the line carries both at once, so a transfer can end
// just under it.
struct LineCount {
    long bytes = 0;
    long frames = 0;
    double seconds() const { return static_cast<double>(bytes) * 10.0 / 9600.0 + static_cast<double>(frames) * 0.015; }
};

// The read window: program-mode request (8) and identification (50), its
// Ack, the password request (4) and reply (21), the first block request
// behind the Ack (5), 200 more requests (4) each behind the Ack of a reply,
// 201 replies of 69 bytes and the last Ack.
inline LineCount Read_line() {
    LineCount c;
    c.bytes = 8 + 50 + 1 + 4 + 21 + 5 + 200 * (1 + 4) + 201 * 69 + 1;
    c.frames = 1 + 1 + 201;
    return c;
}

// The write window: the same handshake with an Ack for the password reply,
// the first write frame (20), 783 more behind an Ack (21), and the radio's
// Ack for each of the 784.
inline LineCount Write_line() {
    LineCount c;
    c.bytes = 8 + 50 + 1 + 4 + 21 + 1 + 20 + 783 * 21 + 784;
    c.frames = 1 + 1 + 784;
    return c;
}

class Run {
public:
    radiosim::SimProcess sim;
    std::unique_ptr<bx::QtRuntime> rt;
    std::unique_ptr<bx::App> app;
    // Every message box shown, dismissed at once, with the moment it opened.
    std::vector<std::string> messages;
    double last_message_ms = 0;
    std::string error;

    ~Run() {
        app.reset();
        rt.reset();
    }

    // Starts the simulator with these arguments and the program on it, and
    // waits for the identification.
    bool Start(const std::vector<std::string>& sim_args) {
        if (!sim.Start(sim_args)) return fail("radio-sim --pty did not start (" + radiosim::Sim_program_path() + ")");
        rt = std::make_unique<bx::QtRuntime>();
        rt->set_port_device(kSimPort, sim.path());
        bx::accept_message_boxes(*rt, [this](const std::string& text) {
            messages.push_back(text);
            last_message_ms = Now_ms();
        });
        app = std::make_unique<bx::App>(*rt);
        app->Start();
        if (!bx::process_events_until([&] { return app->MDImain->StatusBar1.Panels(2).Text != ""; }, kLimitS))
            return fail("no identification at start-up");
        return true;
    }

    // A full read with this password; the wall time in seconds from the
    // click to the completion message, or a negative value.
    double Read(const std::string& password) {
        auto& w = *app->Form_Comm_Read;
        app->MDImain->Prog_read.click();
        w.Text_PassWord.enter(password);
        messages.clear();
        const double t0 = Now_ms();
        w.Command_read.click();
        if (!Until_reported(w.Link))
            return fail("the read does not end"), -1;
        if (messages != std::vector<std::string>{"Complete reading data from the transceiver."})
            return fail("the read ended with: " + (messages.empty() ? std::string("nothing") : messages.back())), -1;
        return (last_message_ms - t0) / 1000.0;
    }

    double Write(const std::string& password) {
        auto& w = *app->Form_Comm_Write;
        app->MDImain->Prog_write.click();
        w.Text_PassWord.enter(password);
        messages.clear();
        const double t0 = Now_ms();
        w.Command_Write.click();
        if (!Until_reported(w.Link))
            return fail("the write does not end"), -1;
        if (messages != std::vector<std::string>{"Complete Written the data to transceiver."})
            return fail("the write ended with: " + (messages.empty() ? std::string("nothing") : messages.back())), -1;
        return (last_message_ms - t0) / 1000.0;
    }

    // Empties the channels' frequencies, so the write's band check passes
    // whatever the read brought in.
    void Clear_channel_frequencies() {
        for (int r = 0; r < 200; ++r)
            for (int b = 0; b < 8; ++b) app->Mem_image(r, b) = 0xFF;
    }

private:
    bool fail(const std::string& e) {
        error = e;
        return false;
    }
};

}  // namespace linkrun
