// The main window's identification of the radio at start-up.
#include "link_support.h"

using namespace linktest;

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
