// The alignment editor's commands: Default, the refusals while its own
// exchange runs, closing, the program's end mid-write, and the poll of the
// alignment file requests (order, waiting loads, failed loads and saves).
#include <gtest/gtest.h>

#include "adj_support.h"
#include "model/adj_file.h"
#include "model/datafile.h"
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
    // A confirmed alignment dialog's request, as the dialog hands it over.
    void request(bool save, const std::string& path, const bx::AdjTable& table = {}) {
        p.app.Adj_file_requests.push_back({save, path, table});
    }
    void load(const std::string& path) { request(false, path); }
    void save(const std::string& path) { request(true, path, p.app.Adj_table); }
    // The alignment dialog confirmed on the test folder with `name`.
    void confirm(const char* form, const std::string& name) {
        auto* d = dynamic_cast<bx::FileDialog*>(p.app.Form_named(form));
        ASSERT_NE(d, nullptr);
        if (!d->Loaded()) bx::App::Open(*d);
        ASSERT_TRUE(d->Dir1.setPath(dir.path()));
        d->Text1.enter(name);
        d->Command_enter.click();
    }
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
    ASSERT_EQ(p.texts(), std::vector<std::string>(5, kBusy));
    EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(p.app.Adj_table, before);
    EXPECT_FALSE(p.app.Form_named("Form_open_adj")->Loaded());
    EXPECT_FALSE(p.app.Form_named("Form_save_adj")->Loaded());
    // Close and the close box: the window and its exchange stay.
    p.rt.recorder.clear();
    w.Command_close.click();
    EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu));
    ASSERT_EQ(p.texts(), std::vector<std::string>(2, kNoCloseWindow));
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
    ASSERT_EQ(p.texts(), (std::vector<std::string>{"正在与对讲机进行读写操作 ！", "正在进行读写操作,请勿关窗口 ！,"}));
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

TEST_F(AdjCommands, PollServesInOrderAndRedrawsThePage) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", other_table()));
    w.ProgressBar1.setVisible(true);
    w.Label_tr_count.setCaption("x");
    load(dir / "in.adj");
    save(dir / "in.adj");  // the table as it stands now, not the one loaded
    save(dir / "out.adj");
    p.rt.sim.run_for(499);
    EXPECT_EQ(p.app.Adj_file_requests.size(), 3u);  // the poll runs every 500 ms
    p.rt.sim.run_for(1);
    EXPECT_TRUE(p.app.Adj_file_requests.empty());
    EXPECT_EQ(p.app.Adj_table, other_table());
    EXPECT_EQ(w.Text1[15].Text(), "15");
    EXPECT_EQ(w.Text1[3].Text(), "3");
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.Label_tr_count.Caption(), "");
    // The load first, then each save of the table it was confirmed with.
    ASSERT_EQ(p.texts(), (std::vector<std::string>{kLoaded, kSaved, kSaved}));
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
    for (const char* name : {"in.adj", "out.adj"}) {
        bx::AdjTable back;
        ASSERT_FALSE(bx::Load_adj_file(dir / name, back));
        EXPECT_EQ(back, p.app.Adj_defaults) << name;
    }
}

TEST_F(AdjCommands, LoadedCellsOutsideTheirBoxesTakeFactoryValues) {
    bx::AdjTable t = p.app.Adj_defaults;
    t(0, 2) = 20;
    ASSERT_FALSE(bx::Save_adj_file(dir / "bad.adj", t));
    load(dir / "bad.adj");
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
        load(dir / name);
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
    save(dir / "no/such/folder/out.adj");
    poll();
    ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_NE(p.texts()[0].find("Nothing was saved."), std::string::npos) << p.texts()[0];
    EXPECT_TRUE(p.app.Adj_file_requests.empty());
}

// A load waits for the window's own exchange, and whatever was confirmed
// after it waits with it; a save with no load before it is served at once.
TEST_F(AdjCommands, LoadWaitsForTheWindowsOwnExchangeAndWhatFollowsItToo) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", other_table()));
    p.quiet_port();
    w.Command_Write.click();
    ASSERT_TRUE(w.Busy());
    p.rt.recorder.clear();
    // A save with nothing before it is served at once.
    save(dir / "out.adj");
    p.rt.sim.run_for(500);
    EXPECT_EQ(p.texts(), std::vector<std::string>{kSaved});
    EXPECT_TRUE(std::filesystem::exists(dir / "out.adj"));
    p.rt.recorder.clear();
    load(dir / "in.adj");
    save(dir / "after.adj");
    p.rt.sim.run_for(500);
    EXPECT_TRUE(p.rt.recorder.shown.empty());
    ASSERT_EQ(p.app.Adj_file_requests.size(), 2u);
    EXPECT_EQ(p.app.Adj_file_requests.front().path, dir / "in.adj");
    EXPECT_EQ(p.app.Adj_table, p.app.Adj_defaults);
    EXPECT_FALSE(std::filesystem::exists(dir / "after.adj"));
    // Once the exchange has given up, the next poll serves both in order.
    ASSERT_TRUE(p.rt.sim.run_until([&] { return !w.Busy(); }, 60000));
    p.rt.recorder.clear();
    p.rt.sim.run_for(500);
    EXPECT_TRUE(p.app.Adj_file_requests.empty());
    EXPECT_EQ(p.app.Adj_table, other_table());
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kLoaded, kSaved}));
    bx::AdjTable back;
    ASSERT_FALSE(bx::Load_adj_file(dir / "after.adj", back));
    EXPECT_EQ(back, p.app.Adj_defaults);
}

// Open and then Save of one file, both confirmed during the window's own
// Write: the load reads the file as it was, then the save writes the table
// that stood at its Confirm. Served the other way round, the load would
// read back the table just saved and the file's own contents would be lost
// with both messages reporting success.
TEST_F(AdjCommands, OpenThenSaveOfOneFileDuringTheWriteKeepTheirOrder) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "calib.adj", other_table()));
    w.Command_open.click();
    w.Command_save.click();
    p.quiet_port();
    w.Command_Write.click();
    ASSERT_TRUE(w.Busy());
    confirm("Form_open_adj", "calib.adj");
    confirm("Form_save_adj", "calib.adj");
    ASSERT_TRUE(p.rt.sim.run_until([&] { return !w.Busy(); }, 60000));
    p.rt.recorder.clear();
    poll();
    EXPECT_TRUE(p.app.Adj_file_requests.empty());
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kLoaded, kSaved}));
    EXPECT_EQ(p.app.Adj_table, other_table());
    bx::AdjTable back;
    ASSERT_FALSE(bx::Load_adj_file(dir / "calib.adj", back));
    EXPECT_EQ(back, p.app.Adj_defaults);
}

TEST_F(AdjCommands, DialogsHandTheirRequestToThePoll) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", other_table()));
    // Save opens the save dialog; its Confirm hands the poll a request
    // with its own file and the table as it stands at Confirm.
    w.Command_save.click();
    ASSERT_TRUE(p.app.Form_named("Form_save_adj")->Loaded());
    const bx::AdjTable at_confirm = p.app.Adj_table;
    confirm("Form_save_adj", "copy.adj");
    EXPECT_FALSE(p.app.Form_named("Form_save_adj")->Loaded());
    ASSERT_EQ(p.app.Adj_file_requests.size(), 1u);
    w.Text1[0].enter("9");  // an edit after the Confirm is not saved
    poll();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kSaved});
    bx::AdjTable back;
    ASSERT_FALSE(bx::Load_adj_file(dir / "copy.adj", back));
    EXPECT_EQ(back, at_confirm);
    // Both dialogs confirmed before the poll: served in that order, so the
    // table saved is the one that stood before the load.
    p.rt.recorder.clear();
    w.Command_save.click();
    w.Command_open.click();
    const bx::AdjTable before = p.app.Adj_table;
    confirm("Form_save_adj", "before.adj");
    confirm("Form_open_adj", "in.adj");
    poll();
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kSaved, kLoaded}));
    ASSERT_FALSE(bx::Load_adj_file(dir / "before.adj", back));
    EXPECT_EQ(back, before);
    EXPECT_EQ(p.app.Adj_table, other_table());
}

// A request confirmed after its editor closed, or waiting as it closes, is
// served at once with its own file: a later data-file dialog neither
// serves it nor has it served against the data file.
TEST_F(AdjCommands, ARequestNeverOutlivesItsEditor) {
    ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", other_table()));
    const std::string data_file = bx::Data_file_text(p.app.Mem_image);
    dir.write("important.dat", data_file);
    // The save dialog confirmed after the editor closed: saved at once.
    w.Command_save.click();
    w.Command_close.click();
    ASSERT_FALSE(w.Loaded());
    p.rt.recorder.clear();
    confirm("Form_save_adj", "table.adj");
    EXPECT_EQ(p.texts(), std::vector<std::string>{kSaved});
    EXPECT_TRUE(p.app.Adj_file_requests.empty());
    bx::AdjTable back;
    ASSERT_FALSE(bx::Load_adj_file(dir / "table.adj", back));
    EXPECT_EQ(back, p.app.Adj_defaults);
    // The open dialog likewise: loaded at once; a file that cannot be
    // loaded is reported and the dialog stays for another choice.
    p.rt.recorder.clear();
    confirm("Form_open_adj", "missing.adj");
    ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_NE(p.texts()[0].find("Nothing was loaded."), std::string::npos) << p.texts()[0];
    EXPECT_TRUE(p.app.Form_named("Form_open_adj")->Loaded());
    EXPECT_EQ(p.app.Adj_table, p.app.Adj_defaults);
    p.rt.recorder.clear();
    confirm("Form_open_adj", "in.adj");
    EXPECT_FALSE(p.app.Form_named("Form_open_adj")->Loaded());
    EXPECT_EQ(p.texts(), std::vector<std::string>{kLoaded});
    EXPECT_EQ(p.app.Adj_table, other_table());
    // A request still waiting when the editor closes is served as it closes.
    p.main().frm_adj_Click();
    save(dir / "closing.adj");
    p.rt.recorder.clear();
    p.w().Command_close.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kSaved});
    EXPECT_TRUE(p.app.Adj_file_requests.empty());
    // The data-file dialogs afterwards, then the editor again: the data
    // file is neither overwritten with a table nor loaded as one.
    auto data_dialogs = [&] {
        for (const char* form : {"Form_open_chann", "Form_save_chann"}) {
            auto* d = dynamic_cast<bx::FileDialog*>(p.app.Form_named(form));
            bx::App::Open(*d);
            ASSERT_TRUE(d->Dir1.setPath(dir.path()));
            d->Text1.enter("important.dat");
            d->Command_enter.click();
        }
    };
    data_dialogs();
    p.main().frm_adj_Click();
    p.rt.recorder.clear();
    p.rt.sim.run_for(2000);
    EXPECT_TRUE(p.rt.recorder.shown.empty());
    EXPECT_EQ(dir.read("important.dat"), data_file);
    EXPECT_EQ(p.app.Adj_table, other_table());
    // An alignment Save, then the data-file dialogs before the poll: the
    // table goes to its own file.
    p.w().Command_save.click();
    confirm("Form_save_adj", "late.adj");
    data_dialogs();
    poll();
    EXPECT_EQ(dir.read("important.dat"), data_file);
    bx::AdjTable late;
    ASSERT_FALSE(bx::Load_adj_file(dir / "late.adj", late));
    EXPECT_EQ(late, other_table());
}

}  // namespace
