// The alignment editor's commands: Default, the refusals while its own
// exchange runs, closing, the program's end mid-write, and the poll of the
// alignment file requests (order, waiting loads, failed loads and saves).
#include <gtest/gtest.h>

#include "adj_support.h"
#include "model/adj_file.h"
#include "shell/dialogs.h"
#include "support/tempdir.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace adjtest;

namespace {

const char* const kLoaded = "Succeed fold the optional parameters from file.";
const char* const kSaved = "Complete storing optional parameters.";

class AdjCommands : public ::testing::Test {
protected:
    Adj p;
    bx::frm_Adj_Txp& w = (p.begin(), p.w());
    bxtest::TempDir dir;

    // A table unlike the factory one, every cell a byte its box accepts.
    bx::AdjTable other_table() const {
        bx::AdjTable t = p.app.Adj_defaults;
        for (int r = 0; r < 16; ++r) t(0, r) = static_cast<int16_t>(r % 16);
        t(20, 4) = 77;
        return t;
    }
    // Lets the poll run once.
    void poll() { p.rt.sim.run_for(500); }
};

TEST_F(AdjCommands, DefaultRestoresEveryCellAndResetsTheBar) {
    p.app.Adj_table(0, 0) = 3;
    p.app.Adj_table(4, 12) = 0;  // no control
    p.app.Adj_table(20, 5) = 200;
    p.app.Adj_table(31, 14) = 9;
    w.ProgressBar1.setVisible(true);
    w.ProgressBar1.setValue(44);
    w.Label_tr_count.setCaption("x");
    w.Command_def.click();
    EXPECT_EQ(p.app.Adj_table, p.app.Adj_defaults);
    EXPECT_EQ(p.app.Adj_table(4, 12), 48);
    EXPECT_EQ(w.Text1[0].Text(), "12");
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 0);
    EXPECT_EQ(w.Label_tr_count.Caption(), "");
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST_F(AdjCommands, EverythingButEditingIsRefusedWhileItsOwnReadRuns) {
    p.quiet_port();
    w.Command_read.click();
    ASSERT_TRUE(w.Busy());
    p.rt.recorder.clear();
    p.app.Adj_table(0, 0) = 3;
    const bx::AdjTable before = p.app.Adj_table;
    for (ui::CommandButton* b : {&w.Command_read, &w.Command_Write, &w.Command_def, &w.Command_open, &w.Command_save})
        b->click();
    EXPECT_EQ(p.texts(), std::vector<std::string>(5, kBusy));
    EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(p.app.Adj_table, before);
    EXPECT_FALSE(p.app.Form_named("Form_open_adj")->Loaded());
    EXPECT_FALSE(p.app.Form_named("Form_save_adj")->Loaded());
    // Close and the close box: the window and its exchange stay.
    p.rt.recorder.clear();
    w.Command_close.click();
    EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_EQ(p.texts(), std::vector<std::string>(2, kNoCloseWindow));
    EXPECT_EQ(p.rt.recorder.shown[1].title, "Operate prompt");
    EXPECT_TRUE(w.Loaded());
    EXPECT_TRUE(w.MSC.PortOpen());
    // Editing goes on.
    w.Text1[1].enter("4");
    EXPECT_EQ(p.app.Adj_table(0, 1), 4);
    // In Chinese.
    p.app.Lang_chinese = -1;
    p.rt.recorder.clear();
    w.Command_def.click();
    w.Command_close.click();
    EXPECT_EQ(p.texts(), (std::vector<std::string>{"正在与对讲机进行读写操作 ！", "正在进行读写操作,请勿关窗口 ！,"}));
    EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
}

TEST_F(AdjCommands, CloseWhenIdleClosesThePortAndKeepsTheTable) {
    w.Text1[0].enter("5");
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(w.MSC.PortOpen());
    EXPECT_EQ(p.app.Adj_table(0, 0), 5);
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST_F(AdjCommands, ProgramEndMidWriteLeavesNoTimerOrPort) {
    p.quiet_port();
    w.Command_Write.click();
    ASSERT_TRUE(w.Link.st.Write_busy);
    p.rt.recorder.clear();
    p.app.End();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kNoCloseWindow});
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(w.MSC.PortOpen());
    for (ui::Timer* t : {&w.Timer1, &w.Timer2, &w.Timer3, &w.Timer4}) EXPECT_FALSE(t->running()) << t->name();
    // Nothing reaches the closed window afterwards.
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.rt.recorder.shown.size(), 1u);
}

TEST_F(AdjCommands, PollLoadsThenSavesAndRedrawsThePage) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", other_table()));
    w.ProgressBar1.setVisible(true);
    w.Label_tr_count.setCaption("x");
    p.app.Data_file_name = dir / "in.adj";
    p.app.File_open_request = -1;
    p.app.File_save_request = -1;
    p.rt.sim.run_for(499);
    EXPECT_EQ(p.app.File_open_request, -1);  // the poll runs every 500 ms
    p.rt.sim.run_for(1);
    EXPECT_EQ(p.app.File_open_request, 0);
    EXPECT_EQ(p.app.File_save_request, 0);
    EXPECT_EQ(p.app.Adj_table, other_table());
    EXPECT_EQ(w.Text1[15].Text(), "15");
    EXPECT_EQ(w.Text1[3].Text(), "3");
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.Label_tr_count.Caption(), "");
    // The load first, then the save of the table it loaded.
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kLoaded, kSaved}));
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
    bx::AdjTable back;
    ASSERT_FALSE(bx::Load_adj_file(dir / "in.adj", back));
    EXPECT_EQ(back, other_table());
}

TEST_F(AdjCommands, LoadedCellsOutsideTheirBoxesTakeFactoryValues) {
    bx::AdjTable t = p.app.Adj_defaults;
    t(0, 2) = 20;
    ASSERT_FALSE(bx::Save_adj_file(dir / "bad.adj", t));
    p.app.Data_file_name = dir / "bad.adj";
    p.app.File_open_request = -1;
    poll();
    EXPECT_EQ(p.texts(), (std::vector<std::string>{" 输入数字范围为 0 - 15 ！", kLoaded}));
    EXPECT_EQ(p.app.Adj_table, p.app.Adj_defaults);
}

TEST_F(AdjCommands, BadFilesAndFailedSavesChangeNothing) {
    dir.write("short.adj", " 1  2  3\r\n");
    dir.write("word.adj", " 1  x \r\n");
    dir.write("big.adj", std::string(" 256 ") + std::string(600, ' '));
    p.app.Adj_table(0, 0) = 3;
    w.Text1[0].setText("3");
    w.ProgressBar1.setVisible(true);
    w.Label_tr_count.setCaption("x");
    const bx::AdjTable before = p.app.Adj_table;
    for (const char* name : {"short.adj", "word.adj", "big.adj", "missing.adj"}) {
        SCOPED_TRACE(name);
        p.rt.recorder.clear();
        p.app.Data_file_name = dir / name;
        p.app.File_open_request = -1;
        poll();
        ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
        EXPECT_NE(p.texts()[0].find("Nothing was loaded."), std::string::npos) << p.texts()[0];
        EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
        EXPECT_EQ(p.app.Adj_table, before);
        EXPECT_EQ(w.Text1[0].Text(), "3");
        EXPECT_TRUE(w.ProgressBar1.Visible());
        EXPECT_EQ(w.Label_tr_count.Caption(), "x");
    }
    // A save into a missing folder: an error, no success box.
    p.rt.recorder.clear();
    p.app.Data_file_name = dir / "no/such/folder/out.adj";
    p.app.File_save_request = -1;
    poll();
    ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_NE(p.texts()[0].find("Nothing was saved."), std::string::npos) << p.texts()[0];
    EXPECT_EQ(p.app.File_save_request, 0);
}

TEST_F(AdjCommands, LoadWaitsForTheWindowsOwnExchangeSaveDoesNot) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", other_table()));
    p.quiet_port();
    w.Command_Write.click();
    ASSERT_TRUE(w.Busy());
    p.rt.recorder.clear();
    p.app.Data_file_name = dir / "in.adj";
    p.app.File_open_request = -1;
    p.rt.sim.run_for(500);
    EXPECT_EQ(p.app.File_open_request, 0);
    ASSERT_TRUE(w.Pending_load());
    EXPECT_EQ(*w.Pending_load(), dir / "in.adj");
    EXPECT_EQ(p.app.Adj_table, p.app.Adj_defaults);
    // A save is served at once; the name of the waiting load is kept.
    p.app.Data_file_name = dir / "out.adj";
    p.app.File_save_request = -1;
    p.rt.sim.run_for(500);
    EXPECT_EQ(p.texts(), std::vector<std::string>{kSaved});
    EXPECT_TRUE(std::filesystem::exists(dir / "out.adj"));
    EXPECT_EQ(p.app.Adj_table, p.app.Adj_defaults);
    // Once the exchange has given up, the next poll loads.
    ASSERT_TRUE(p.rt.sim.run_until([&] { return !w.Busy(); }, 60000));
    p.rt.recorder.clear();
    p.rt.sim.run_for(500);
    EXPECT_FALSE(w.Pending_load());
    EXPECT_EQ(p.app.Adj_table, other_table());
    EXPECT_EQ(p.texts(), std::vector<std::string>{kLoaded});
}

TEST_F(AdjCommands, RequestsWaitForTheWindowAndDialogsRaiseThem) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", other_table()));
    w.Command_close.click();
    p.app.Data_file_name = dir / "in.adj";
    p.app.File_open_request = -1;
    p.rt.sim.run_for(2000);
    EXPECT_EQ(p.app.File_open_request, -1);
    p.main().frm_adj_Click();
    poll();
    EXPECT_EQ(p.app.Adj_table, other_table());
    // Save opens the save dialog; its OK raises the request the poll serves.
    p.rt.recorder.clear();
    w.Command_save.click();
    auto* save = dynamic_cast<bx::FileDialog*>(p.app.Form_named("Form_save_adj"));
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(save->Loaded());
    ASSERT_TRUE(save->Dir1.setPath(dir.path()));
    save->Text1.enter("copy.adj");
    save->Command_enter.click();
    EXPECT_EQ(p.app.File_save_request, -1);
    poll();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kSaved});
    bx::AdjTable back;
    ASSERT_FALSE(bx::Load_adj_file(dir / "copy.adj", back));
    EXPECT_EQ(back, other_table());
}

}  // namespace
