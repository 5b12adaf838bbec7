#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "model/datafile.h"
#include "shell/dialogs.h"
#include "support/fixture.h"
#include "support/tempdir.h"

using namespace bxtest;
using bx::FileDialog;

namespace {

class FileDialogTest : public ProgramTest {
protected:
    void SetUp() override {
        prog.start();
        rt.recorder.clear();
    }
    // Shows the dialog on the test folder with `name` in its name box.
    void choose(FileDialog& d, const std::string& name) {
        if (!d.Loaded()) bx::App::Open(d);
        ASSERT_TRUE(d.Dir1.setPath(dir.path()));
        d.Text1.enter(name);
    }
    const ui::MsgRecord& last_msg() {
        static const ui::MsgRecord none{"<no message>", 0, "", 0};
        return rt.recorder.last() ? *rt.recorder.last() : none;
    }
    bx::MemImage patterned() {
        bx::MemImage m;
        for (int r = 0; r < bx::kImageRecords; ++r)
            for (int b = 0; b < bx::kRecordBytes; ++b) m(r, b) = static_cast<uint8_t>(r + b);
        return m;
    }
    TempDir dir;
};

}  // namespace

TEST(FileNameCheck, Cases) {
    using bx::NameCheck;
    struct Case {
        const char* name;
        NameCheck want;
    } cases[] = {
        {"*.dat", NameCheck::Forbidden_char}, {"a$.dat", NameCheck::Forbidden_char},
        {"a\\b.dat", NameCheck::Forbidden_char}, {"a/b.dat", NameCheck::Forbidden_char},
        {"a#b.dat", NameCheck::Forbidden_char}, {"x.Dat", NameCheck::Bad_suffix},
        {"x.dAT", NameCheck::Bad_suffix},   {"", NameCheck::Bad_suffix},
        {"d", NameCheck::Bad_suffix},        {"dat", NameCheck::Bad_suffix},
        {"x.da", NameCheck::Bad_suffix},     {"x.dat.bak", NameCheck::Bad_suffix},
        {".dat", NameCheck::Ok},             {"X.DAT", NameCheck::Ok},
        {"a:b c.dat", NameCheck::Ok},        {"频道.dat", NameCheck::Ok},
    };
    for (const Case& c : cases) EXPECT_EQ(bx::Check_file_name(c.name, ".dat", ".DAT"), c.want) << c.name;
    EXPECT_EQ(bx::Check_file_name("a.menu", ".menu", ".MENU"), NameCheck::Ok);
    EXPECT_EQ(bx::Check_file_name("menu", ".menu", ".MENU"), NameCheck::Bad_suffix);
}

TEST_F(FileDialogTest, RefusedNamesKeepDialogOpenAndChangeNothing) {
    struct Case {
        const char* typed;
        const char* open_eng;
        const char* save_chn;
    } cases[] = {
        {"*.dat", "Open the file name is nullity ", "保存文件所需要的文件名无效 "},
        {"a#.dat", "Open the file name is nullity ", "保存文件所需要的文件名无效 "},
        {"x.Dat", "Nullity file suffix name.", "建议不要修改系统默认的文件后缀名！"},
        {"", "Nullity file suffix name.", "建议不要修改系统默认的文件后缀名！"},
        {"abc", "Nullity file suffix name.", "建议不要修改系统默认的文件后缀名！"},
    };
    app.Data_file_name = "before";
    app.Adj_file_requests.push_back({true, "/waiting.adj", app.Adj_table});
    const bx::MemImage before = app.Mem_image;
    for (const Case& c : cases) {
        app.Lang_chinese = 0;
        choose(*app.Form_open_chann, c.typed);
        app.Form_open_chann->Command_enter.click();
        EXPECT_EQ(last_msg().text, c.open_eng) << c.typed;
        EXPECT_EQ(last_msg().style, ui::vbExclamation);
        EXPECT_EQ(last_msg().title, "Operate prompt");
        EXPECT_TRUE(app.Form_open_chann->Loaded());

        app.Lang_chinese = -1;
        choose(*app.Form_save_chann, c.typed);
        app.Form_save_chann->Command_enter.click();
        EXPECT_EQ(last_msg().text, c.save_chn) << c.typed;
        EXPECT_EQ(last_msg().title, "操作提示");
        EXPECT_TRUE(app.Form_save_chann->Loaded());
    }
    EXPECT_EQ(app.Data_file_name, "before");
    ASSERT_EQ(app.Adj_file_requests.size(), 1u);
    EXPECT_EQ(app.Adj_file_requests.front().path, "/waiting.adj");
    EXPECT_TRUE(app.Mem_image == before);
    EXPECT_TRUE(dir.names().empty());
}

TEST_F(FileDialogTest, SaveAsThenOpenRestoresTheImage) {
    // The options editor, open since start-up, would put the pattern's
    // out-of-list settings on its lists once the dialog hands the activation
    // back to it; this test looks at the file alone.
    if (ui::Form* options = app.Window(bx::EditorId::frm_option)) bx::App::Unload(*options);
    app.Mem_image = patterned();
    // Windows listening for a replaced image hear of the load only.
    int replaced = 0;
    app.Add_image_listener([&] { ++replaced; });
    // An alignment request waiting for its editor: no data-file dialog
    // serves it or changes what it does.
    app.Adj_file_requests.push_back({true, dir / "table.adj", app.Adj_table});
    app.Adj_file_requests.push_back({false, dir / "other.adj", {}});
    main().File_saveas.click();
    FileDialog& save = *app.Form_save_chann;
    ASSERT_TRUE(save.Loaded());
    EXPECT_EQ(save.Text1.Text(), "*.dat");
    choose(save, "  my radio.dat ");  // blanks around the name are dropped
    save.Command_enter.click();
    EXPECT_EQ(last_msg().text, "Complete storing  parameter.");
    EXPECT_FALSE(save.Loaded());
    EXPECT_EQ(app.Data_file_name, dir / "my radio.dat");
    EXPECT_EQ(dir.read("my radio.dat"), bx::Data_file_text(patterned()));
    EXPECT_EQ(replaced, 0);

    app.Mem_image.Erase();
    app.Lang_chinese = -1;
    main().Toolbar1.click("open");
    FileDialog& open = *app.Form_open_chann;
    ASSERT_TRUE(open.Loaded());
    EXPECT_EQ(open.Caption(), "打开文件");
    open.Dir1.setPath(dir.path());
    ASSERT_EQ(open.File1.ListCount(), 1);
    open.File1.pick(0);  // the picked file's name goes into the name box
    EXPECT_EQ(open.Text1.Text(), "my radio.dat");
    open.Command_enter.click();
    EXPECT_EQ(last_msg().text, "参数从文件调入成功 ！");
    EXPECT_EQ(last_msg().title, "操作提示");
    EXPECT_FALSE(open.Loaded());
    EXPECT_TRUE(app.Mem_image == patterned());
    EXPECT_EQ(replaced, 1);
    ASSERT_EQ(app.Adj_file_requests.size(), 2u);
    EXPECT_EQ(app.Adj_file_requests[0].path, dir / "table.adj");
    EXPECT_TRUE(app.Adj_file_requests[0].save);
    EXPECT_EQ(app.Adj_file_requests[1].path, dir / "other.adj");
    EXPECT_FALSE(app.Adj_file_requests[1].save);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"my radio.dat"});
}

TEST_F(FileDialogTest, BadFileIsReportedAndImageKept) {
    dir.write("short.dat", " 0  0  0  1  2 \r\n");
    dir.write("word.dat", " 0  0  0  1  two \r\n");
    dir.write("big.dat", " 0  0  0  1  300 \r\n");
    app.Mem_image = patterned();
    int replaced = 0;
    app.Add_image_listener([&] { ++replaced; });
    struct Case {
        const char* file;
        const char* in_text;
    } cases[] = {
        {"short.dat", "1025"}, {"word.dat", "\"two\""}, {"big.dat", "300"}, {"missing.dat", "missing.dat"}};
    for (const Case& c : cases) {
        rt.recorder.clear();
        choose(*app.Form_open_chann, c.file);
        app.Form_open_chann->Command_enter.click();
        ASSERT_EQ(rt.recorder.shown.size(), 1u) << c.file;  // never a success message too
        EXPECT_NE(last_msg().text.find(c.in_text), std::string::npos) << last_msg().text;
        EXPECT_EQ(last_msg().style, ui::vbExclamation);
        EXPECT_EQ(last_msg().title, "Operate prompt");
        EXPECT_TRUE(app.Form_open_chann->Loaded()) << c.file;
        EXPECT_TRUE(app.Mem_image == patterned()) << c.file;
        EXPECT_EQ(replaced, 0) << c.file;
    }
    // Chinese text for the same failure, with the system's reason too.
    app.Lang_chinese = -1;
    app.Form_open_chann->Command_enter.click();
    const std::string reason = std::generic_category().message(ENOENT);
    EXPECT_EQ(last_msg().text, "无法打开文件 " + (dir / "missing.dat") + "（" + reason + "），参数未调入。");
}

TEST_F(FileDialogTest, FailedSaveKeepsDialogOpenAndOldFolder) {
    std::filesystem::create_directory(dir / "taken.dat");
    choose(*app.Form_save_chann, "taken.dat");
    app.Form_save_chann->Command_enter.click();
    ASSERT_EQ(rt.recorder.shown.size(), 1u);
    EXPECT_NE(last_msg().text.find("Cannot save the file"), std::string::npos) << last_msg().text;
    EXPECT_TRUE(app.Form_save_chann->Loaded());
    app.Lang_chinese = -1;
    app.Form_save_chann->Command_enter.click();
    const std::string reason = std::generic_category().message(EISDIR);
    EXPECT_EQ(last_msg().text, "无法保存文件 " + (dir / "taken.dat") + "（" + reason + "），参数未保存。");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.dat"));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"taken.dat"});
}

TEST_F(FileDialogTest, FolderAndFileLists) {
    std::filesystem::create_directories(dir / "sub/deeper");
    dir.write("sub/a.dat", "");
    dir.write("sub/B.DAT", "");
    dir.write("sub/c.txt", "");
    FileDialog& d = *app.Form_open_chann;
    bx::App::Open(d);
    EXPECT_EQ(d.Drive1.Drive(), "/");
    EXPECT_EQ(d.Dir1.Path(), ui::Current_folder());
    d.Dir1.setPath(dir.path());
    int sub = d.Dir1.find("sub");
    ASSERT_GE(sub, 0);
    d.Dir1.open(sub);  // the file list follows the folder list
    EXPECT_EQ(d.File1.Path(), dir / "sub");
    EXPECT_EQ(d.File1.items(), (std::vector<std::string>{"a.dat", "B.DAT"}));
    // A double click picks and confirms.
    d.File1.dblclick(1);
    EXPECT_EQ(last_msg().text.find("The file is incomplete"), 0u) << last_msg().text;
    EXPECT_EQ(app.Data_file_name, dir / "sub/B.DAT");
    // The drive list moves both lists to the root.
    d.Drive1.pick(0);
    d.Drive1.setListIndex(-1);
    d.Drive1.pick(0);
    EXPECT_EQ(d.Dir1.Path(), "/");
    EXPECT_EQ(d.File1.Path(), "/");
}

// The file list offers only names that Confirm takes as listed: a suffix
// in mixed case or a forbidden character is not listed to be refused.
TEST_F(FileDialogTest, TheFileListShowsOnlyWhatConfirmTakes) {
    const struct {
        FileDialog* d;
        const char* lower;
        const char* upper;
        const char* mixed;
    } rows[] = {
        {app.Form_open_chann.get(), "dat", "DAT", "Dat"},
        {app.Form_save_chann.get(), "dat", "DAT", "dAt"},
        {app.Form_open_adj.get(), "adj", "ADJ", "Adj"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.d->name());
        const std::string lo = r.lower, up = r.upper;
        for (const std::string& name : {"a." + lo, "B." + up, "c." + std::string(r.mixed), "d#e." + lo, "f$g." + lo,
                                        "h\\i." + lo, "j." + lo + ".bak"})
            dir.write(name, "");
        bx::App::Reopen(*r.d);
        ASSERT_TRUE(r.d->Dir1.setPath(dir.path()));
        const std::vector<std::string> listed = r.d->File1.items();
        EXPECT_EQ(listed, (std::vector<std::string>{"a." + lo, "B." + up}));
        for (size_t i = 0; i < listed.size(); ++i) {
            bx::App::Reopen(*r.d);
            ASSERT_TRUE(r.d->Dir1.setPath(dir.path()));
            r.d->File1.pick(static_cast<int>(i));
            rt.recorder.clear();
            r.d->Command_enter.click();
            const std::string said = rt.recorder.last() ? rt.recorder.last()->text : "";
            EXPECT_EQ(said.find("nullity"), std::string::npos) << said;
            EXPECT_EQ(said.find("Nullity"), std::string::npos) << said;
            EXPECT_EQ(said.find("Advice"), std::string::npos) << said;
        }
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove(e.path());
    }
}

TEST_F(FileDialogTest, ReopenStartsAfreshAndCancelChangesNothing) {
    main().File_Open.click();
    FileDialog& d = *app.Form_open_chann;
    d.Dir1.setPath(dir.path());
    d.Text1.enter("x.dat");
    main().File_Open.click();  // reopened: a fresh dialog
    EXPECT_EQ(d.Text1.Text(), "*.dat");
    EXPECT_EQ(d.Dir1.Path(), ui::Current_folder());
    app.Data_file_name = "kept";
    ui::press_escape(d);
    EXPECT_FALSE(d.Loaded());
    EXPECT_EQ(app.Data_file_name, "kept");
    EXPECT_TRUE(rt.recorder.shown.empty());

    main().File_save.click();  // greyed in the stored layout
    EXPECT_FALSE(app.Form_save_chann->Loaded());
    main().Toolbar1.click("save");
    EXPECT_TRUE(app.Form_save_chann->Loaded());
    EXPECT_EQ(app.Form_save_chann->Caption(), "Save File");
}

TEST_F(FileDialogTest, FamilyParameters) {
    struct Row {
        FileDialog* d;
        const char* suffix;
        const char* title_eng;
        const char* title_chn;
        const char* label_eng;
        const char* bad_suffix_eng;
        bool with_folder;
        int16_t* flag;  // raised by OK (nullptr: the image and alignment pairs)
        bool adj = false;  // OK hands the alignment editor a request
    };
    const Row rows[] = {
        {app.Form_open_chann.get(), ".dat", "Open File", "打开文件", "Open File:", "Nullity file suffix name.", true,
         nullptr},
        {app.Form_save_chann.get(), ".dat", "Save File", "保存文件", "Save File:",
         "Advice don't modify file suffix name of system default ！", true, nullptr},
        {app.Form_open_adj.get(), ".adj", "Open Adjust File", "打开调整参数文件", "Open File:",
         "Nullity file suffix name of adjust parameter.", true, nullptr, true},
        {app.Form_save_adj.get(), ".adj", "Save Adjust File", "保存调整参数文件", "Save File:",
         "Advice don't modify file suffix name of system default ！", true, nullptr, true},
        {app.Form_open_sig.get(), ".sig", "Open File", "打开文件", "Open File:", "Nullity file suffix name.", false,
         &app.Open_dialog_ok},
        {app.Form_save_sig.get(), ".sig", "Save File", "保存文件", "Save File:",
         "Advice don't modify file suffix name of system default ！", false, &app.Save_dialog_ok},
        {app.Form_open_menu.get(), ".menu", "Open File", "打开文件", "Open File:", "Nullity file suffix name.", false,
         &app.Open_dialog_ok},
        {app.Form_save_menu.get(), ".menu", "Save File", "保存文件", "Save File:",
         "Advice don't modify file suffix name of system default ！", false, &app.Save_dialog_ok},
    };
    dir.write("x.dat", bx::Data_file_text(app.Mem_image));
    // The alignment requests wait for the editor's poll.
    bx::App::Open(*app.Window(bx::EditorId::frm_Adj_Txp));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.d->name());
        const std::string suffix = r.suffix;
        app.Lang_chinese = -1;
        bx::App::Reopen(*r.d);
        EXPECT_EQ(r.d->Caption(), r.title_chn);
        EXPECT_EQ(r.d->Label_drive.Caption(), "驱动器：");
        EXPECT_EQ(r.d->Command_enter.Caption(), "确  定");
        app.Lang_chinese = 0;
        bx::App::Reopen(*r.d);
        EXPECT_EQ(r.d->Caption(), r.title_eng);
        EXPECT_EQ(r.d->Label_name.Caption(), r.label_eng);
        EXPECT_EQ(r.d->Command_close.Caption(), "Cancel");
        EXPECT_EQ(r.d->Text1.Text(), "*" + suffix);
        EXPECT_EQ(r.d->File1.Pattern(), "*" + suffix);
        EXPECT_FALSE(r.d->MDIChild());

        choose(*r.d, "x.txt");
        r.d->Command_enter.click();
        EXPECT_EQ(last_msg().text, r.bad_suffix_eng);

        app.Open_dialog_ok = app.Save_dialog_ok = 0;
        app.Adj_file_requests.clear();
        app.Data_file_name = "kept";
        const std::string name = "x" + suffix;
        choose(*r.d, name);
        r.d->Command_enter.click();
        EXPECT_FALSE(r.d->Loaded());
        // An alignment request holds its own file; the data file's name stays.
        EXPECT_EQ(app.Data_file_name, r.adj ? "kept" : r.with_folder ? dir / name : name);
        ASSERT_EQ(app.Adj_file_requests.size(), r.adj ? 1u : 0u);
        if (r.adj) {
            EXPECT_EQ(app.Adj_file_requests.front().path, dir / name);
            EXPECT_EQ(app.Adj_file_requests.front().save, r.d->params.save);
        }
        int16_t raised = app.Open_dialog_ok + app.Save_dialog_ok;
        if (r.flag) {
            EXPECT_EQ(*r.flag, -1);
            EXPECT_EQ(raised, -1);  // and no other flag
        } else {
            EXPECT_EQ(raised, 0);
        }
    }
}

TEST_F(FileDialogTest, ANamePickedFromTheListIsTheFileUsed) {
    if (ui::Form* options = app.Window(bx::EditorId::frm_option)) bx::App::Unload(*options);
    bx::MemImage other;
    other.Erase();
    dir.write(" a.dat", bx::Data_file_text(patterned()));
    dir.write("a.dat", bx::Data_file_text(other));
    dir.write(" b.dat", "old b with a blank");
    dir.write("b.dat", "old b");
    // Picks `name` from the list of a freshly opened dialog and confirms.
    auto pick = [&](FileDialog& d, const std::string& name) {
        bx::App::Reopen(d);
        ASSERT_TRUE(d.Dir1.setPath(dir.path()));
        const std::vector<std::string> items = d.File1.items();
        const auto at = std::find(items.begin(), items.end(), name);
        ASSERT_NE(at, items.end()) << name;
        d.File1.pick(static_cast<int>(at - items.begin()));
        EXPECT_EQ(d.Text1.Text(), name);
        d.Command_enter.click();
    };
    pick(*app.Form_open_chann, " a.dat");
    EXPECT_EQ(last_msg().text, "Succeed fold the parameter from file.");
    EXPECT_TRUE(app.Mem_image == patterned());
    EXPECT_EQ(app.Data_file_name, dir / " a.dat");

    pick(*app.Form_save_chann, " b.dat");
    EXPECT_EQ(last_msg().text, "Complete storing  parameter.");
    EXPECT_EQ(dir.read(" b.dat"), bx::Data_file_text(patterned()));
    EXPECT_EQ(dir.read("b.dat"), "old b");

    // A picked name changed by typing is a typed name: trimmed.
    FileDialog& save = *app.Form_save_chann;
    bx::App::Reopen(save);
    ASSERT_TRUE(save.Dir1.setPath(dir.path()));
    save.File1.pick(0);
    save.Text1.enter(" b.dat ");
    save.Command_enter.click();
    EXPECT_EQ(dir.read("b.dat"), bx::Data_file_text(patterned()));
}

TEST_F(FileDialogTest, ASaveOverAFileMarkedReadOnlyIsRefused) {
    dir.write("kept.dat", "old contents");
    ASSERT_EQ(::chmod((dir / "kept.dat").c_str(), 0444), 0);
    for (const int16_t chinese : {0, -1}) {
        app.Lang_chinese = chinese;
        rt.recorder.clear();
        choose(*app.Form_save_chann, "kept.dat");
        app.Form_save_chann->Command_enter.click();
        ASSERT_EQ(rt.recorder.shown.size(), 1u);  // never a success message too
        const std::string reason = std::generic_category().message(EACCES);
        EXPECT_EQ(last_msg().text, chinese ? "无法保存文件 " + (dir / "kept.dat") + "（" + reason + "），参数未保存。"
                                           : "Cannot save the file " + (dir / "kept.dat") + " (" + reason +
                                                 "). Nothing was saved.");
        EXPECT_TRUE(app.Form_save_chann->Loaded());
        EXPECT_EQ(dir.read("kept.dat"), "old contents");
        EXPECT_EQ(dir.names(), std::vector<std::string>{"kept.dat"});
    }
}
