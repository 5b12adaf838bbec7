// The port dialog.
#include "link_support.h"

using namespace linktest;

namespace {
struct DialogProgram : RadioProgram {
    radiosim::SimRadio radio10{rt.sim};
    DialogProgram() { rt.ports.add_port(10, radio10.Port()); }
    bx::Form_setup& dlg() { return *app.Form_setup; }
};
}  // namespace

TEST(PortDialog, MarksTheCurrentPortAndCaptions) {
    DialogProgram p;
    p.start_identified();
    EXPECT_EQ(p.app.Comm_port, 3);  // the scan runs from COM8 down
    p.main().proc_setup.click();
    auto& d = p.dlg();
    ASSERT_TRUE(d.Loaded());
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(d.options()[k - 1]->Value(), k == 3) << k;
    EXPECT_EQ(d.Caption(), "Communication Port Setup");
    EXPECT_EQ(d.Frame1.Caption(), "Port Setup");
    EXPECT_EQ(d.Command_ok.Caption(), "Confirm");
    EXPECT_EQ(d.Command1.Caption(), "Cancel");
    EXPECT_EQ(d.Option12.Caption(), "COM12");
    const auto& m = p.main();
    EXPECT_EQ(d.Width(), static_cast<int>(m.ScaleWidth() / 1.9));
    EXPECT_EQ(d.Top(), (m.ScaleHeight() - d.Height()) / 2 - 500);
}

TEST(PortDialog, OkIdentifiesOnTheNewPort) {
    DialogProgram p;
    p.start_identified();
    p.radio10.radio.bands = {144, 146, 430, 440};
    p.main().proc_setup.click();
    p.dlg().Option10.click();
    int before = p.radio10.radio.Count(Frame::Program);
    p.dlg().Command_ok.click();
    EXPECT_FALSE(p.dlg().Loaded());
    EXPECT_EQ(p.app.Comm_port, 10);
    for (int k : {2, 4, 6, 8, 10}) EXPECT_EQ(p.main().StatusBar1.Panels(k).Text, "") << k;
    p.rt.sim.run_for(1000);
    EXPECT_EQ(p.radio10.radio.Count(Frame::Program), before + 1);
    EXPECT_EQ(p.main().StatusBar1.Panels(8).Text, " 144-- 146 MHZ");
    EXPECT_EQ(p.app.Limit_B_high, 440);
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST(PortDialog, MissingPortKeepsTheDialogOpen) {
    DialogProgram p;
    p.start_identified();
    p.main().proc_setup.click();
    p.dlg().Option5.click();
    p.dlg().Command_ok.click();
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Communication Port Open Error ！"});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_TRUE(p.dlg().Loaded());
    EXPECT_EQ(p.app.Comm_port, 5);
    EXPECT_EQ(p.app.Comm_port_err, -1);
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "");
    p.rt.sim.run_for(10000);
    EXPECT_EQ(p.rt.recorder.shown.size(), 1u);
}

TEST(PortDialog, CancelChangesNothing) {
    DialogProgram p;
    p.start_identified();
    p.main().proc_setup.click();
    p.dlg().Option2.click();
    p.dlg().Command1.click();
    EXPECT_FALSE(p.dlg().Loaded());
    EXPECT_EQ(p.app.Comm_port, 3);
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "BX5610");
}

TEST(PortDialog, FailureThenSuccessKeepsStat) {
    DialogProgram p;
    p.radio.radio.faults.silent = true;
    p.start();
    p.rt.sim.run_for(20000);
    ASSERT_EQ(p.main().StatusBar1.Panels(3).Text, "Stat:");
    p.main().proc_setup.click();
    p.dlg().Option10.click();
    p.dlg().Command_ok.click();
    p.rt.sim.run_for(1000);
    EXPECT_EQ(p.main().StatusBar1.Panels(3).Text, "Stat:");
    EXPECT_EQ(p.main().StatusBar1.Panels(4).Text, "RADSIM--000001--0001");
}

// OK closes the port the identification is still waiting on: that attempt
// ends there, and its retry never tries the missing port a second time.
TEST(PortDialog, MissingPortWhileTheIdentificationRetries) {
    DialogProgram p;
    p.radio.radio.faults.silent = true;
    p.start();
    p.rt.sim.run_for(500);  // the first attempt waits for its reply
    ASSERT_TRUE(p.main().Link.st.Read_busy);
    p.main().proc_setup.click();
    p.dlg().Option5.click();
    p.dlg().Command_ok.click();
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Communication Port Open Error ！"});
    EXPECT_TRUE(p.dlg().Loaded());
    for (ui::Timer* t : {&p.main().Timer1, &p.main().Timer2, &p.main().Timer3}) EXPECT_FALSE(t->running());
}

// Each port button's tooltip names the port's device and whether it is there
// now, in the language the dialog opens in; a failed OK leaves the dialog
// open with the tooltips taken afresh.
TEST(PortDialog, TooltipsNameEachPortsDeviceAndWhetherItIsThere) {
    struct Case {
        int16_t chn;
        const char* present;   // COM10, whose radio is there
        const char* missing;   // COM5, which nothing stands behind
        const char* plugged;   // COM5 once it is there
    };
    const Case cases[] = {
        {0, "Device sim:COM10: present", "Device sim:COM5: not present", "Device sim:COM5: present"},
        {-1, "设备 sim:COM10：存在", "设备 sim:COM5：不存在", "设备 sim:COM5：存在"},
    };
    for (const Case& c : cases) {
        DialogProgram p;
        p.start_identified();
        p.app.Lang_chinese = c.chn;
        p.main().proc_setup.click();
        auto& d = p.dlg();
        EXPECT_EQ(d.Option10.ToolTipText(), c.present) << c.chn;
        EXPECT_EQ(d.Option5.ToolTipText(), c.missing) << c.chn;
        for (ui::OptionButton* o : d.options()) EXPECT_FALSE(o->ToolTipText().empty()) << o->name();
        // The captions and the choice stay as they are.
        EXPECT_EQ(d.Option5.Caption(), "COM5");
        EXPECT_TRUE(d.Option3.Value());
        d.Option5.click();
        d.Command_ok.click();
        ASSERT_TRUE(d.Loaded());
        p.rt.ports.add_quiet_port(5);
        EXPECT_EQ(d.Option5.ToolTipText(), c.missing) << "taken when the OK failed";
        d.Command1.click();
        p.main().proc_setup.click();
        EXPECT_EQ(p.dlg().Option5.ToolTipText(), c.plugged) << c.chn;
    }
}
