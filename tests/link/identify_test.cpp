// The main window's identification of the radio at start-up.
#include "editors/signalling/frm_dtmf.h"
#include "link/form_write_password.h"
#include "link_support.h"
#include "support/test_texts.h"

using namespace linktest;
using namespace bxtest::texts;

namespace {
const std::vector<uint8_t> kProgram(bx::Cmd_program.begin(), bx::Cmd_program.end());
}

TEST(Identify, AtStartUpShowsTheRadio) {
    RadioProgram p;
    p.start();
    p.rt.sim.run_for(2000);
    auto& bar = p.main().StatusBar1;
    EXPECT_EQ(bar.Panels(2).Text, "BX5610");
    EXPECT_EQ(bar.Panels(4).Text, "RADSIM--000001--0001");
    EXPECT_EQ(bar.Panels(6).Text, "01.02.0.3");
    EXPECT_EQ(bar.Panels(8).Text, " 136-- 174 MHZ");
    EXPECT_EQ(bar.Panels(10).Text, " 400-- 480 MHZ");
    EXPECT_EQ(p.app.Limit_A_low, 136);
    EXPECT_EQ(p.app.Limit_A_high, 174);
    EXPECT_EQ(p.app.Limit_B_low, 400);
    EXPECT_EQ(p.app.Limit_B_high, 480);
    // Only the request went out: no Ack, no password read; the port is closed.
    EXPECT_EQ(p.radio.pc_bytes, kProgram);
    EXPECT_FALSE(p.main().MSC.PortOpen());
    EXPECT_TRUE(p.rt.recorder.shown.empty());
    for (ui::Timer* t : {&p.main().Timer1, &p.main().Timer2, &p.main().Timer3}) EXPECT_FALSE(t->running());
}

TEST(Identify, RepliesThatCountAsNone) {
    struct Case {
        const char* what;
        radiosim::Faults f;
    } cases[] = {
        {"silent", {.silent = true}},
        {"wrong ident", {.wrong_ident = true}},
        {"no end mark", {.no_end_mark = true}},
    };
    for (const Case& c : cases) {
        RadioProgram p;
        p.radio.radio.faults = c.f;
        p.start();
        p.rt.sim.run_for(20000);
        EXPECT_EQ(p.frames(Frame::Program).size(), 3u) << c.what;
        ASSERT_EQ(p.rt.recorder.shown.size(), 1u) << c.what;
        const auto& m = p.rt.recorder.shown[0];
        EXPECT_EQ(m.text, "Fail connect with transceiver.");
        EXPECT_EQ(m.title, "Operate prompt");
        EXPECT_EQ(m.style, ui::vbExclamation);
        // Three attempts of a 1000 ms time-out counted from the first byte
        // sent, each followed by the 1500 ms pause.
        EXPECT_DOUBLE_EQ(m.at_ms, 3 * (15 + 1000 + 1500)) << c.what;
        EXPECT_EQ(p.main().StatusBar1.Panels(3).Text, "Stat:");
        EXPECT_EQ(p.main().StatusBar1.Panels(4).Text, "Communication fault.");
        EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "");
        EXPECT_EQ(p.app.Limit_A_low, 130) << c.what;
        for (ui::Timer* t : {&p.main().Timer1, &p.main().Timer2, &p.main().Timer3}) EXPECT_FALSE(t->running());
    }
}

TEST(Identify, RepliesInPiecesOrWithExtraBytes) {
    struct Case {
        const char* what;
        radiosim::Faults f;
    } cases[] = {
        {"pieces", {.pieces = 7, .piece_gap_ms = 40}},
        {"extra bytes", {.extra_bytes = 9}},
    };
    for (const Case& c : cases) {
        RadioProgram p;
        p.radio.radio.faults = c.f;
        p.start();
        p.rt.sim.run_for(3000);
        EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "BX5610") << c.what;
        EXPECT_EQ(p.frames(Frame::Program).size(), 1u) << c.what;
        EXPECT_TRUE(p.rt.recorder.shown.empty()) << c.what;
    }
}

TEST(Identify, NoPortShowsThePortMessageOnce) {
    bxtest::Program p;  // no port at all
    p.start();
    p.rt.sim.run_for(20000);
    ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_EQ(p.rt.recorder.shown[0].text, "Communication Port Open Error ！");
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(p.app.Comm_port, 1);
    EXPECT_EQ(p.app.Comm_port_err, -1);
}

TEST(Identify, InChineseTheFailureTexts) {
    RadioProgram p;
    p.radio.radio.faults.silent = true;
    p.start();
    p.main().Language_chn_Click();
    p.rt.sim.run_for(20000);
    ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_EQ(p.rt.recorder.shown[0].text, "联机失败，请使用旧版软件尝试 ！");
    EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
    EXPECT_EQ(p.main().StatusBar1.Panels(3).Text, "状态:");
    EXPECT_EQ(p.main().StatusBar1.Panels(4).Text, "联机故障 ！");
}

// The identification is an exchange like any other: while it runs (here in
// its pause after a silent first attempt) every exchange start is refused
// with the busy text and opens no port, a window of the test's own that
// calls the machine without a guard of its own included. The
// identification's retry then finds the radio, no failure shows, and the
// same start afterwards runs to its own report.
TEST(Identify, ItsPauseRefusesEveryOtherExchange) {
    enum class Entry { ProgramRead, ProgramWrite, EditorWrite, Modify, OwnWindow };
    struct Case {
        const char* what;
        Entry entry;
        const char* report;  // the report of the start once the radio is identified
    } cases[] = {
        {"Program > Read", Entry::ProgramRead, kReadDone},
        {"Program > Write", Entry::ProgramWrite, kWriteDone},
        {"the DTMF editor's Write", Entry::EditorWrite, "Complete Written DTMF Signal parameters to the transceiver."},
        {"PassWord's Modify", Entry::Modify, "PassWord Modify Success ! "},
        {"a window without a guard of its own", Entry::OwnWindow, nullptr},
    };
    for (const Case& c : cases) {
        RadioProgram p(3, radiosim::Memory::InUse);
        p.radio.radio.faults.silent = true;
        p.start();
        p.close_options_window();
        BareLinkWindow own(p.app, bx::link_rows::frm_dtmf);
        own.Load();
        auto& dtmf = *p.app.Editor<bx::EditorId::frm_dtmf>();
        auto& pw = *p.app.Editor<bx::EditorId::Form_Write_PassWord>();
        ASSERT_TRUE(p.rt.sim.run_until([&] { return p.main().Timer3.running(); }, 10000)) << c.what;
        p.radio.radio.faults.silent = false;
        // Returns the machine of the start, and whether it started.
        auto start = [&]() -> std::pair<const bx::LinkMachine*, bool> {
            switch (c.entry) {
            case Entry::ProgramRead:
                p.main().Prog_read.click();
                p.rd().Command_read.click();
                return {&p.rd().Link, p.rd().Link.Running()};
            case Entry::ProgramWrite:
                p.main().Prog_write.click();
                p.wr().Command_Write.click();
                return {&p.wr().Link, p.wr().Link.Running()};
            case Entry::EditorWrite:
                bx::App::Open(dtmf);
                dtmf.Command_Write.click();
                return {&dtmf.Link, dtmf.Link.Running()};
            case Entry::Modify:
                p.main().PC_PassWord.click();
                pw.Command_Write.click();
                return {&pw.Link, pw.Link.Running()};
            case Entry::OwnWindow: return {&own.Link, own.Link.Read_button()};
            }
            return {nullptr, false};
        };
        auto [m, started] = start();
        EXPECT_FALSE(started) << c.what;
        EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy}) << c.what;
        EXPECT_FALSE(m->c().MSC.PortOpen()) << c.what;

        // The identification's retry: the radio shows in the status bar, and
        // nothing but the refusal has been said.
        ASSERT_TRUE(p.run_until_idle(p.main().Link)) << c.what;
        EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "BX5610") << c.what;
        EXPECT_EQ(p.main().StatusBar1.Panels(4).Text, "RADSIM--000001--0001") << c.what;
        EXPECT_EQ(p.frames(Frame::Program).size(), 2u) << c.what;
        EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy}) << c.what;

        // Now the start runs to its own report, the status bar as it was.
        p.rt.recorder.clear();
        std::tie(m, started) = start();
        EXPECT_TRUE(started) << c.what;
        ASSERT_TRUE(p.run_until_idle(*m)) << c.what;
        if (c.report) EXPECT_EQ(p.texts(), std::vector<std::string>{c.report}) << c.what;
        else EXPECT_TRUE(p.texts().empty()) << c.what;
        EXPECT_EQ(p.main().StatusBar1.Panels(4).Text, "RADSIM--000001--0001") << c.what;
        own.Unload();
    }
}

// A retry of the identification whose port no longer opens ends with the
// port message alone: no failure report, the status bar as it was.
TEST(Identify, ARetryWithoutItsPortEndsWithThePortMessage) {
    RadioProgram p;
    p.radio.radio.faults.silent = true;
    p.start();
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.main().Timer3.running(); }, 10000));
    std::vector<std::string> panels;
    for (int k = 1; k <= 11; ++k) panels.push_back(p.main().StatusBar1.Panels(k).Text);
    p.rt.ports.remove_port(3);
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.texts(), std::vector<std::string>{kPortErrorB});
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(p.main().StatusBar1.Panels(k).Text, panels[k - 1]) << k;
    EXPECT_FALSE(p.main().Link.Running());
    EXPECT_FALSE(p.app.Radio_busy());
}

// The port dialog during a slow start-up scan: a Confirm that fails and its
// Cancel put back no port the user never chose; the scan starts again and
// finds the radio. Meanwhile the scan counts as the identification: a read
// is refused.
TEST(Identify, ThePortDialogDuringTheScanPutsBackTheScan) {
    RadioProgram p;
    p.rt.ports.during_open = [&](int) {
        for (int i = 0; i < 200; ++i) p.rt.sim.busy_wait();
    };
    p.app.Start();
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.rt.ports.attempts.size() >= 2; }, 10000));
    ASSERT_TRUE(p.main().Scanning_ports());
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    EXPECT_FALSE(p.rd().Link.Running());
    EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy});

    p.main().proc_setup.click();
    bx::Form_setup& dlg = *p.app.Form_setup;
    ASSERT_TRUE(dlg.Loaded());
    dlg.options()[10]->setValue(true);  // COM11: nothing there
    p.rt.recorder.clear();
    dlg.Command_ok.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kPortErrorB});
    EXPECT_FALSE(p.main().Scanning_ports());
    dlg.Command1.click();
    EXPECT_FALSE(dlg.Loaded());
    ASSERT_TRUE(p.main().Scanning_ports());
    p.rt.ports.during_open = nullptr;
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.main().StatusBar1.Panels(2).Text == "BX5610"; }, 20000));
    EXPECT_EQ(p.app.Comm_port, 3);
    EXPECT_EQ(p.texts(), std::vector<std::string>{kPortErrorB});  // nothing more
}
