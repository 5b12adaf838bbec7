// The editor window base and the main window's editor commands, with
// stand-in editors on the simulated radio: closing while an exchange runs,
// the program's end, a reloaded window, the stored password, and the
// commands' open / unload-first / exit patterns.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "editors/editor_window.h"
#include "link/link_support.h"
#include "shell/mdimain.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {


constexpr bx::EditorRow kChannRow{.link = &bx::link_rows::frm_chann,
                                  .width_div = 1.06f,
                                  .height_div = 1.26f,
                                  .close = bx::link_text::kNoClose};
constexpr bx::EditorRow kFmRow{.link = &bx::link_rows::frm_FM, .width_div = 1.8f, .height_div = 1.5f, .top_div = 1.5f};

// An editor with a Close button and nothing of its own; it logs its
// unloads and completions.
class StandIn : public bx::EditorWindow {
public:
    StandIn(bx::App& app, const char* name, const bx::EditorRow& row, std::shared_ptr<std::vector<std::string>> log)
        : EditorWindow(app, name, row), log_(std::move(log)) {
        Command_close.Click = [this] { Close_button(); };
    }
    ui::CommandButton Command_close{*this, "Command_close"};
    int reads_done = 0;

protected:
    void Form_Unload(int& Cancel) override {
        EditorWindow::Form_Unload(Cancel);
        if (!Cancel || UnloadMode() == ui::vbFormMDIForm) log_->push_back(name());
    }
    void Read_complete() override { ++reads_done; }

private:
    std::shared_ptr<std::vector<std::string>> log_;  // outlives the fixture's members
};

struct EditorProgram : RadioProgram {
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    std::vector<std::string>& unloads = *log;
    StandIn* chann = add(bx::EditorId::frm_chann, "frm_chann", kChannRow);
    StandIn* fm = add(bx::EditorId::frm_FM, "frm_FM", kFmRow);
    // The options editor is the program's own.
    bx::EditorWindow* option = static_cast<bx::EditorWindow*>(app.Window(bx::EditorId::frm_option));

    StandIn* add(bx::EditorId id, const char* name, const bx::EditorRow& row) {
        auto w = std::make_unique<StandIn>(app, name, row, log);
        StandIn* p = w.get();
        app.Add_window(id, std::move(w));
        return p;
    }
    // Starts a read in w and lets it get under way.
    void start_read(bx::EditorWindow& w) {
        w.Command_read.click();
        rt.sim.run_for(100);
        ASSERT_TRUE(w.Busy());
    }
    int shown(const std::string& text) const { return rt.recorder.count(text); }
};

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override { p.start_identified(); }
    EditorProgram p;
};

// Every way of closing an editor while its own read runs is refused with
// its text; the window and its exchange stay and the read completes.
TEST_F(EditorWindowTest, ClosingWhileReadingIsRefused) {
    struct Path {
        const char* name;
        std::function<void(EditorProgram&)> close;
        const char* text;
    };
    const Path paths[] = {
        {"Close button", [](EditorProgram& p) { p.chann->Command_close.click(); }, kNoClose},
        {"close box", [](EditorProgram& p) { p.chann->Unload(false, ui::vbFormControlMenu); }, kNoCloseWindow},
        {"FM command", [](EditorProgram& p) { p.main().fm_chann_edit.click(); }, kNoCloseWindow},
        {"toolbar edit_chann", [](EditorProgram& p) { p.main().Toolbar1.click("edit_chann"); }, kNoCloseWindow},
    };
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        p.main().chann_edit.click();
        ASSERT_TRUE(p.chann->Loaded());
        p.start_read(*p.chann);
        p.rt.recorder.clear();
        path.close(p);
        EXPECT_TRUE(p.chann->Loaded());
        EXPECT_TRUE(p.chann->Busy());
        ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
        EXPECT_EQ(p.rt.recorder.shown[0].text, path.text);
        EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
        ASSERT_TRUE(p.run_until_idle(p.chann->Link));
        EXPECT_EQ(p.chann->reads_done, 1);
        // Idle, the same path closes it.
        p.chann->Command_close.click();
        p.fm->Unload();
        EXPECT_FALSE(p.chann->Loaded());
        p.chann->reads_done = 0;
    }
    EXPECT_EQ(p.rt.sim.active_timers(), 0);
}

// The program's end closes a busy editor: its unload text once, then it
// goes with its port and timers; loaded again it starts idle.
TEST_F(EditorWindowTest, ProgramEndClosesABusyEditorAndAReloadStartsIdle) {
    p.main().chann_edit.click();
    p.start_read(*p.chann);
    p.rt.recorder.clear();
    p.main().Toolbar1.click("exit");
    EXPECT_EQ(p.shown(kNoCloseWindow), 1);
    EXPECT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_FALSE(p.chann->Loaded());
    EXPECT_FALSE(p.chann->MSC.PortOpen());
    EXPECT_EQ(p.rt.sim.active_timers(), 0);
    EXPECT_TRUE(p.rt.forms.quit_called);

    p.chann->Load();
    EXPECT_FALSE(p.chann->Busy());
    EXPECT_EQ(p.chann->Link.st.Link_ok, 0);
    EXPECT_EQ(p.chann->Link.st.Identified, 0);
    EXPECT_FALSE(p.chann->Timer1.running() || p.chann->Timer2.running() || p.chann->Timer3.running());
    EXPECT_TRUE(p.chann->ProgressBar1.Visible());
    EXPECT_EQ(p.chann->Text_PassWord.Text(), "580317");
}

// The stored password is no typed one; typing into the box is, through the
// shared filter.
TEST_F(EditorWindowTest, StoredPasswordLeavesTheTypedOneAlone) {
    p.app.PassWord_typed[0] = '9';
    p.main().chann_edit.click();
    EXPECT_EQ(p.chann->Text_PassWord.Text(), "580317");
    EXPECT_EQ(p.app.PassWord_typed[0], '9');
    p.chann->Text_PassWord.enter("12345678");
    EXPECT_EQ(p.chann->Text_PassWord.Text(), "123456");
    EXPECT_EQ(p.app.PassWord_typed[5], '6');
}

// Size and place from the main window's sizes by the row's divisors; the
// busy refusal of the Read button names the row's text and title.
TEST_F(EditorWindowTest, PlacedFromTheMainWindowAndReadRefusedWhileBusy) {
    p.main().fm_chann_edit.click();
    const bx::MainWindow& m = p.app.main_window;
    EXPECT_EQ(p.fm->Width(), static_cast<int>(std::lround(m.Width() / 1.8f)));
    EXPECT_EQ(p.fm->Height(), static_cast<int>(std::lround(m.Height() / 1.5f)));
    EXPECT_EQ(p.fm->Top(), static_cast<int>(std::lround((m.ScaleHeight() - p.fm->Height()) / 1.5f)));
    EXPECT_EQ(p.fm->Left(), static_cast<int>(std::lround((m.ScaleWidth() - p.fm->Width()) / 2.0f)));
    p.start_read(*p.fm);
    p.rt.recorder.clear();
    p.fm->Command_Write.click();
    p.fm->Command_read.click();
    EXPECT_EQ(p.shown(kBusy), 2);
    EXPECT_TRUE(p.run_until_idle(p.fm->Link));
    EXPECT_EQ(p.fm->reads_done, 1);
}

// Open leaves an open window alone; unload-first asks the channel editor,
// which goes when idle; the alignment command opens its editor; the
// toolbar's exit unloads its four windows first, then the rest.
TEST_F(EditorWindowTest, CommandsOpenUnloadFirstAndExitOrder) {
    p.main().chann_edit.click();
    p.chann->Text_PassWord.setText("111");
    p.main().chann_edit.click();  // open again: nothing happens to it
    EXPECT_EQ(p.chann->Text_PassWord.Text(), "111");
    p.main().Toolbar1.click("edit_chann");  // a fresh channel editor
    EXPECT_TRUE(p.chann->Loaded());
    EXPECT_EQ(p.chann->Text_PassWord.Text(), "580317");
    EXPECT_EQ(p.unloads, std::vector<std::string>{"frm_chann"});
    p.main().Toolbar1.click("edit_option");
    EXPECT_FALSE(p.chann->Loaded());
    EXPECT_TRUE(p.option->Loaded());
    p.main().frm_adj_Click();  // the alignment editor, reached only from code
    ASSERT_NE(p.app.Window(bx::EditorId::frm_Adj_Txp), nullptr);
    EXPECT_TRUE(p.app.Window(bx::EditorId::frm_Adj_Txp)->Loaded());

    // The options editor was loaded at start-up already.
    p.main().chann_edit.click();
    p.main().fm_chann_edit.click();  // unload-first closes the idle channel editor
    EXPECT_FALSE(p.chann->Loaded());
    p.main().chann_edit.click();
    p.start_read(*p.chann);  // one exchange at a time
    p.unloads.clear();
    p.rt.recorder.clear();
    p.main().Toolbar1.click("exit");
    EXPECT_EQ(p.unloads, (std::vector<std::string>{"frm_chann", "frm_FM"}));
    EXPECT_FALSE(p.option->Loaded());
    EXPECT_EQ(p.shown(kNoCloseWindow), 1);  // the busy editor warns once
    EXPECT_TRUE(p.app.Ended());
}

}  // namespace
