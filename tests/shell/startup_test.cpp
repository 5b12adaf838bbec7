#include "support/fixture.h"

using namespace bxtest;

namespace {

std::vector<std::string> visible_menus(bx::MDImain& m) {
    std::vector<std::string> out;
    for (ui::MenuItem* item : m.menu_bar())
        if (item->Visible()) out.push_back(item->Caption());
    return out;
}

TEST_F(ProgramTest, StartupState) {
    rt.screen_w = 1600 * 15;
    rt.screen_h = 900 * 15;
    rt.ports.add_quiet_port(8);  // a port opens, so the identification shows no port error
    prog.start();
    bx::MDImain& m = main();
    // Records no builder writes read as erased.
    for (int r : {200, 788, 900, 1024})
        for (int b = 0; b < 16; ++b) EXPECT_EQ(app.Mem_image(r, b), 0xFF) << r;
    EXPECT_EQ(m.Caption(), "BX-5610 UV DualBand  Series Program Software.");
    EXPECT_EQ(m.Prog_read.Caption(), "Read form radio");
    EXPECT_EQ(m.File.Caption(), "File");
    EXPECT_EQ(visible_menus(m), (std::vector<std::string>{"File", "FM-Radio", "Channel", "Option", "Signal",
                                                          "Program", "PassWord", "Communication", "Exit"}));
    EXPECT_FALSE(m.File_save.Enabled());
    for (ui::MenuItem* hidden : {&m.frm_adj, &m.Language_Setup, &m.about}) {
        EXPECT_FALSE(hidden->Visible());
        EXPECT_FALSE(hidden->Enabled());
    }
    EXPECT_TRUE(m.Language_eng.Checked());
    EXPECT_FALSE(m.Language_chn.Checked());
    ASSERT_EQ(m.StatusBar1.PanelCount(), 11);
    const char* labels[11] = {"Model:", "", "S I M:", "", "MCU-Version:", "", "Band-A", "", "Band-B", ""};
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(m.StatusBar1.Panels(k).Text, labels[k - 1]) << k;
    EXPECT_EQ(m.StatusBar1.Panels(11).Text, app.Company_eng);
    EXPECT_NE(app.Company_eng.find("DRELL"), std::string::npos);
    EXPECT_TRUE(app.Company_eng.ends_with("Electronic Co.,Ltd."));
    const float widths[11] = {960, 1440, 1200, 3600, 1920, 1680, 1200, 2400, 1200, 2400, 6000};
    for (int k = 1; k <= 11; ++k) EXPECT_FLOAT_EQ(m.StatusBar1.Panels(k).Width, widths[k - 1]) << k;
    std::vector<std::string> keys;
    for (const auto& b : m.Toolbar1.Buttons()) keys.push_back(b.Key);
    EXPECT_EQ(keys, (std::vector<std::string>{"open", "save", "edit_option", "edit_chann", "edit_dtmf", "read",
                                              "write", "exit"}));
    EXPECT_EQ(m.Width(), 1600 * 15);
    EXPECT_EQ(m.Height(), 900 * 15);
    EXPECT_EQ(app.Chann_count, 200);
    EXPECT_EQ(app.Lang_chinese, 0);
    EXPECT_EQ(app.Lang_texts.About_ok_caption, "Confirm");
    EXPECT_TRUE(rt.recorder.shown.empty());
}

TEST(Startup, ScreenWarningThreshold) {
    struct Case {
        int w, h;
        bool warns;
    } cases[] = {{19200, 12000, false}, {19199, 12000, true}, {19200, 11999, true}, {15360, 11520, true}};
    for (const Case& c : cases) {
        Program p;
        p.rt.screen_w = c.w;
        p.rt.screen_h = c.h;
        p.start();
        int n = p.rt.recorder.count("Set the display mode of the computer to 1280 * 800 ");
        ASSERT_EQ(n, c.warns ? 1 : 0) << c.w << "x" << c.h;
        if (c.warns) {
            EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
            EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
        }
    }
}

TEST(Startup, QuietPortScanKeepsHighestUsablePort) {
    {
        Program p;
        p.rt.ports.add_quiet_port(3);
        p.rt.ports.add_quiet_port(5);
        p.start();
        EXPECT_EQ(p.app.Comm_port, 5);
        ASSERT_GE(p.rt.ports.attempts.size(), 4u);
        // COM8 down to COM5, then no further probing.
        for (int i = 0; i < 4; ++i) EXPECT_EQ(p.rt.ports.attempts[static_cast<size_t>(i)].first, 8 - i);
        EXPECT_EQ(p.rt.ports.attempts[0].second, "9600,N,8,1");
    }
    {
        Program p;
        p.start();
        EXPECT_EQ(p.app.Comm_port, 1);
        EXPECT_EQ(p.app.Comm_port_err, -1);
        for (const auto& m : p.rt.recorder.shown)
            EXPECT_EQ(m.text.find("Set the display"), std::string::npos) << "the scan shows nothing";
    }
}

TEST(Startup, ThePortScanRunsOnTheEventLoop) {
    // No radio and slow ports: every open takes 400 virtual ms. The load
    // returns before the first port is tried, and the loop runs between the
    // ports: a timer of the window fires while the scan goes on.
    Program p;
    p.rt.ports.during_open = [&](int) {
        for (int i = 0; i < 200; ++i) p.rt.sim.busy_wait();
    };
    std::vector<int> seen;  // the port the scan tried last, at each tick
    const int timer = p.rt.sim.add_timer(100, [&] {
        if (!p.rt.ports.attempts.empty()) seen.push_back(p.rt.ports.attempts.back().first);
    });
    p.app.Start();
    EXPECT_TRUE(p.main().Loaded());
    EXPECT_TRUE(p.rt.ports.attempts.empty());
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.rt.ports.attempts.size() == 9; }, 10000));
    p.rt.sim.cancel_timer(timer);
    ASSERT_EQ(p.rt.ports.attempts.size(), 9u);  // COM8 down to COM1, then the identification's own
    EXPECT_EQ(p.app.Comm_port, 1);
    EXPECT_EQ(p.rt.recorder.count("Communication Port Open Error ！"), 1);
    // A tick after every port the scan went past.
    EXPECT_EQ(seen, (std::vector<int>{8, 7, 6, 5, 4, 3, 2}));

    // The program ended during the scan: the scan stops there.
    Program q;
    q.rt.ports.during_open = [&](int port) {
        if (port == 6) q.app.End();
    };
    q.start();
    EXPECT_EQ(q.rt.ports.attempts.size(), 3u);
    EXPECT_TRUE(q.rt.recorder.shown.empty());
}

TEST_F(ProgramTest, LanguageSwitch) {
    prog.start();
    bx::MDImain& m = main();
    m.Language_chn_Click();
    EXPECT_EQ(app.Lang_chinese, -1);
    EXPECT_EQ(app.Lang_texts.About_ok_caption, "确定");
    EXPECT_EQ(m.Prog_read.Caption(), "从对讲机读取数据");
    EXPECT_EQ(m.File_save.Caption(), "保存");
    EXPECT_EQ(m.StatusBar1.Panels(1).Text, "机  型:");
    EXPECT_EQ(m.StatusBar1.Panels(11).Text, app.Company_chn);
    EXPECT_EQ(m.Caption(), app.Title_chn);
    EXPECT_TRUE(m.Language_chn.Checked());
    EXPECT_FALSE(m.Language_eng.Checked());
    // Untouched by the language commands.
    EXPECT_EQ(m.Sig_dtmf.Caption(), "DTMF");
    EXPECT_EQ(m.Language_chn.Caption(), "中文");

    // Chinese again: the texts are not rebuilt, but the captions are written again.
    app.Lang_texts.About_ok_caption = "marker";
    m.StatusBar1.setPanelText(3, "状态:");
    m.Prog_read.setCaption("x");
    m.Language_chn_Click();
    EXPECT_EQ(app.Lang_texts.About_ok_caption, "marker");
    EXPECT_EQ(m.StatusBar1.Panels(3).Text, "序列号:");
    EXPECT_EQ(m.Prog_read.Caption(), "从对讲机读取数据");

    m.StatusBar1.setPanelText(4, "value");
    m.Language_eng_Click();
    EXPECT_EQ(app.Lang_chinese, 0);
    EXPECT_EQ(app.Lang_texts.About_ok_caption, "Confirm");
    EXPECT_EQ(m.Prog_read.Caption(), "Read from radio");
    EXPECT_EQ(m.StatusBar1.Panels(3).Text, "S I M:");
    EXPECT_EQ(m.StatusBar1.Panels(4).Text, "value");  // value panels stay
    EXPECT_EQ(m.Caption(), app.Title_eng);
}

TEST(Startup, EveryExitCommandEndsTheProgram) {
    for (int way = 0; way < 3; ++way) {
        Program p;
        p.start();
        bx::MDImain& m = p.main();
        if (way == 0) m.File_exit.click();
        if (way == 1) m.Menu_Exit.click();
        if (way == 2) m.Toolbar1.click("exit");
        EXPECT_TRUE(p.app.Ended()) << way;
        EXPECT_FALSE(m.Loaded());
        EXPECT_TRUE(p.rt.forms.quit_called);
    }
}

}  // namespace
