#include <gtest/gtest.h>

#include <filesystem>

#include "support/tempdir.h"
#include "ui/filelists.h"
#include "ui/sim.h"

namespace {

struct ListsForm : ui::Form {
    explicit ListsForm(ui::Runtime& rt) : ui::Form(rt, "ListsForm") {}
    ui::DriveListBox Drive1{*this, "Drive1"};
    ui::DirListBox Dir1{*this, "Dir1"};
    ui::FileListBox File1{*this, "File1"};
};

}  // namespace

TEST(FileLists, PatternMatch) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    } cases[] = {
        {"*.dat", "a.dat", true},     {"*.dat", "A.DAT", true},   {"*.dat", "x.Dat", true},
        {"*.dat", "a.dat.bak", false}, {"*.dat", "adat", false},  {"*.dat", ".dat", true},
        {"?.adj", "x.adj", true},     {"?.adj", "xy.adj", false}, {"*.*", "README", true},
        {"*.sig;*.menu", "m.menu", true}, {"*.sig;*.menu", "m.txt", false}, {"a*b*c", "aXbYbZc", true},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::Pattern_match(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(FileLists, FoldersAndFilesOfTheRealFileSystem) {
    bxtest::TempDir dir;
    namespace fs = std::filesystem;
    for (const char* d : {"beta", "Alpha", ".hidden", "gamma/inner"}) fs::create_directories(dir / d);
    for (const char* f : {"b.dat", "A.DAT", "c.txt", ".x.dat"}) dir.write(f, "");
    fs::create_directory(dir / "folder.dat");  // a folder is no file

    ui::SimRuntime rt;
    ListsForm f(rt);
    f.Load();
    EXPECT_EQ(f.Drive1.items(), std::vector<std::string>{"/"});
    EXPECT_EQ(f.Drive1.Drive(), "/");

    int changes = 0;
    f.Dir1.Change = [&] { ++changes; };
    ASSERT_TRUE(f.Dir1.setPath(dir.path() + "/gamma/../"));
    EXPECT_EQ(f.Dir1.Path(), dir.path());
    EXPECT_EQ(changes, 1);
    const auto& e = f.Dir1.entries();
    // The open chain from the root down to the folder, then its folders.
    ASSERT_GT(e.size(), static_cast<size_t>(f.Dir1.path_index()));
    EXPECT_EQ(e.front().label, "/");
    EXPECT_EQ(e[static_cast<size_t>(f.Dir1.path_index())].path, dir.path());
    EXPECT_EQ(f.Dir1.ListIndex(), f.Dir1.path_index());
    std::vector<std::string> subs;
    for (const auto& x : e)
        if (!x.open) subs.push_back(x.label);
    EXPECT_EQ(subs, (std::vector<std::string>{"Alpha", "beta", "folder.dat", "gamma"}));
    EXPECT_FALSE(f.Dir1.setPath(dir / "b.dat"));  // not a folder: nothing changes
    EXPECT_FALSE(f.Dir1.setPath(dir / "missing"));
    EXPECT_EQ(f.Dir1.Path(), dir.path());
    f.Dir1.open(f.Dir1.find("gamma"));
    EXPECT_EQ(f.Dir1.Path(), dir / "gamma");
    EXPECT_EQ(changes, 2);

    f.File1.setPattern("*.dat");
    ASSERT_TRUE(f.File1.setPath(dir.path()));
    EXPECT_EQ(f.File1.items(), (std::vector<std::string>{"A.DAT", "b.dat"}));
    f.File1.pick(1);
    EXPECT_EQ(f.File1.FileName(), "b.dat");
    dir.write("a2.dat", "");
    f.File1.Refresh();  // the chosen file stays chosen
    EXPECT_EQ(f.File1.items(), (std::vector<std::string>{"A.DAT", "a2.dat", "b.dat"}));
    EXPECT_EQ(f.File1.FileName(), "b.dat");
}
