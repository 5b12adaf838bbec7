#include "shell/form_type.h"
#include "shell/frmabout.h"
#include "support/fixture.h"

using namespace bxtest;

namespace {

class AboutTest : public ProgramTest {
protected:
    void SetUp() override {
        prog.start();
        rt.recorder.clear();
    }
    bx::frmAbout& about() { return *app.frmAbout; }
};

}  // namespace

TEST_F(AboutTest, ShowsTextsOfTheCurrentLanguageCentredAboveTheMiddle) {
    app.Lang_chinese = -1;  // the texts follow the flag when the dialog loads
    main().about_Click();
    ASSERT_TRUE(about().Loaded());
    EXPECT_TRUE(about().Shown());
    EXPECT_EQ(about().cmdOk.Caption(), "确定");
    EXPECT_EQ(about().cmdSysInfo.Caption(), "系统信息(&S)...");
    EXPECT_EQ(about().lblTitle.Caption(), app.Lang_texts.About_title);
    EXPECT_NE(about().lblTitle.Caption().find("系列对讲机编程软件"), std::string::npos);
    EXPECT_EQ(about().lblDisclaimer.Caption(), app.Lang_texts.About_disclaimer);
    EXPECT_EQ(about().picIcon.Picture(), bx::kAboutPicture);
    EXPECT_EQ(about().Caption(), "");
    const auto& m = main();
    EXPECT_EQ(about().Top(), (m.ScaleHeight() - about().Height()) / 2 - 500);
    EXPECT_EQ(about().Left(), (m.ScaleWidth() - about().Width()) / 2);

    // Chosen again while open: the same dialog, texts not refreshed.
    app.Lang_chinese = 0;
    main().about_Click();
    EXPECT_EQ(about().cmdOk.Caption(), "确定");
    ui::press_enter(about());
    EXPECT_FALSE(about().Loaded());
    main().about_Click();
    EXPECT_EQ(about().cmdOk.Caption(), "Confirm");
    ui::press_escape(about());
    EXPECT_FALSE(about().Loaded());
}

TEST_F(AboutTest, SystemInformation) {
    main().about_Click();
    for (int16_t lang : {0, -1}) {
        app.Lang_chinese = lang;
        rt.recorder.clear();
        about().cmdSysInfo.click();
        ASSERT_EQ(rt.recorder.shown.size(), 1u);
        EXPECT_EQ(rt.recorder.shown[0].text, "此时系统信息不可用");
        EXPECT_EQ(rt.recorder.shown[0].style, ui::vbOKOnly);
        EXPECT_EQ(rt.recorder.shown[0].title, "");
        EXPECT_TRUE(about().Loaded());
    }
    rt.sysinfo_available = true;
    rt.recorder.clear();
    about().cmdSysInfo.click();
    EXPECT_TRUE(rt.recorder.shown.empty());
    EXPECT_EQ(rt.sysinfo_starts, 3);
}

TEST_F(AboutTest, ToolbarExitUnloadsTheDialogs) {
    main().about_Click();
    bx::App::Open(*app.Form_type);
    main().Toolbar1.click("exit");
    EXPECT_FALSE(about().Loaded());
    EXPECT_FALSE(app.Form_type->Loaded());
    EXPECT_TRUE(app.Ended());
}

namespace {

class ModelDialogTest : public ProgramTest {
protected:
    void SetUp() override {
        prog.start();
        // Limits as an identified radio might have reported them.
        app.Limit_A_low = 140, app.Limit_A_high = 170, app.Limit_B_low = 410, app.Limit_B_high = 470;
    }
    bx::Form_type& dlg() { return *app.Form_type; }
    void expect_limits(double a_low, double a_high) {
        EXPECT_EQ(app.Limit_A_low, a_low);
        EXPECT_EQ(app.Limit_A_high, a_high);
        EXPECT_EQ(app.Limit_B_low, 410);
        EXPECT_EQ(app.Limit_B_high, 470);
    }
};

}  // namespace

TEST_F(ModelDialogTest, OpensOnTheCurrentModelWithoutChangingLimits) {
    app.Lang_chinese = -1;
    bx::App::Open(dlg());
    EXPECT_EQ(dlg().Caption(), "机型选择");
    EXPECT_EQ(dlg().Label1.Caption(), "机  型");
    EXPECT_EQ(dlg().Command_Cancel.Caption(), "取 消");
    ASSERT_EQ(dlg().Combo_type.ListCount(), 7);
    EXPECT_EQ(dlg().Combo_type.List(1), "VHF1/UHF1");
    EXPECT_EQ(dlg().Combo_type.List(6), "");
    EXPECT_EQ(dlg().Combo_type.ListIndex(), 0);
    EXPECT_EQ(dlg().Label_band.Caption(), "  130 --  179");
    const auto& m = main();
    EXPECT_EQ(dlg().Width(), m.ScaleWidth() / 3);
    EXPECT_EQ(dlg().Top(), (m.ScaleHeight() - dlg().Height()) / 2 - 500);
    expect_limits(140, 170);
}

TEST_F(ModelDialogTest, ConfirmAppliesBandAOfThePick) {
    bx::App::Open(dlg());
    EXPECT_EQ(dlg().Caption(), "Model Select");
    dlg().Combo_type.pick(1);
    EXPECT_EQ(dlg().Label_band.Caption(), "  136 --  174");
    dlg().Combo_type.type("xyz");  // typing cannot change the text
    EXPECT_EQ(dlg().Combo_type.Text(), "VHF1/UHF1");
    dlg().Command_enter.click();
    EXPECT_FALSE(dlg().Loaded());
    EXPECT_EQ(app.Model_index, 1);
    expect_limits(136, 174);

    // An entry with an empty name applies its band like any other.
    bx::App::Open(dlg());
    EXPECT_EQ(dlg().Combo_type.ListIndex(), 1);
    dlg().Combo_type.pick(5);
    EXPECT_EQ(dlg().Label_band.Caption(), "  100 --  701");
    ui::press_enter(dlg());
    EXPECT_EQ(app.Model_index, 5);
    expect_limits(100, 701);
}

TEST_F(ModelDialogTest, CancelAndConfirmWithoutPickChangeNothing) {
    bx::App::Open(dlg());
    dlg().Combo_type.pick(2);
    dlg().Command_Cancel.click();
    EXPECT_FALSE(dlg().Loaded());
    EXPECT_EQ(app.Model_index, 0);
    expect_limits(140, 170);

    app.Model_index = 9;  // no entry of the list
    bx::App::Open(dlg());
    EXPECT_EQ(dlg().Combo_type.ListIndex(), -1);
    EXPECT_EQ(dlg().Label_band.Caption(), "");
    dlg().Command_enter.click();
    EXPECT_TRUE(dlg().Loaded());
    EXPECT_EQ(app.Model_index, 9);
    expect_limits(140, 170);
}
