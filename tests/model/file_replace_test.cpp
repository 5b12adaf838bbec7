#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/adj_file.h"
#include "model/datafile.h"
#include "model/file_replace.h"
#include "support/tempdir.h"

using bx::FileError;
using bx::ReplaceHooks;
using bx::ReplaceStep;
using bxtest::TempDir;

namespace fs = std::filesystem;

namespace {

// Whether the folder's file system has unnamed files.
bool has_unnamed_files(const TempDir& dir) {
    int fd = ::open(dir.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// Both ways of saving: through an unnamed file, and through a named one.
const ReplaceHooks kWays[] = {ReplaceHooks{}, ReplaceHooks{.named_temp_only = true, .at_step = {}, .remove_leftover = {}}};

const char* way_name(const ReplaceHooks& way) { return way.named_temp_only ? "named" : "unnamed"; }

}  // namespace

TEST(FileReplace, SaveKilledBeforeItsRenameLeavesOnlyTheOldFile) {
    TempDir dir;
    if (!has_unnamed_files(dir)) GTEST_SKIP() << "no unnamed files on " << dir.path();
    dir.write("old.dat", "old contents");
    for (const char* name : {"old.dat", "new.dat"}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ReplaceHooks stop;
            stop.at_step = [](ReplaceStep s) {
                if (s == ReplaceStep::Written) ::kill(::getpid(), SIGKILL);
            };
            bx::Write_file_replacing(dir / name, std::string(100000, 'n'), stop);
            ::_exit(0);  // never reached
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << name;
        EXPECT_EQ(dir.names(), std::vector<std::string>{"old.dat"}) << name;
        EXPECT_EQ(dir.read("old.dat"), "old contents") << name;
    }
}

TEST(FileReplace, LongestNamesSaveAndReplaceKeepingPermissions) {
    // Names up to the file system's limit, one made of two-byte characters
    // so the hidden name must be cut between characters.
    std::string wide;
    while (wide.size() < 250) wide += "é";
    const std::string names[] = {std::string(245, 'a'), std::string(251, 'b') + ".dat", wide + "x.dat"};
    for (const ReplaceHooks& way : kWays) {
        TempDir dir;
        for (const std::string& name : names) {
            SCOPED_TRACE(std::to_string(name.size()) + (way.named_temp_only ? " named" : " unnamed"));
            ASSERT_LE(name.size(), 255u);
            ASSERT_FALSE(bx::Write_file_replacing(dir / name, "first", way));
            ASSERT_EQ(::chmod((dir / name).c_str(), 0640), 0);
            ASSERT_FALSE(bx::Write_file_replacing(dir / name, "second", way));
            EXPECT_EQ(dir.read(name), "second");
            struct stat st {};
            ASSERT_EQ(::stat((dir / name).c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0640u);
        }
        EXPECT_EQ(dir.names().size(), 3u);  // nothing beside them
    }
}

TEST(FileReplace, LinksAreFollowedToTheFileTheyName) {
    for (const ReplaceHooks& way : kWays) {
        SCOPED_TRACE(way.named_temp_only ? "named" : "unnamed");
        TempDir dir;
        fs::create_directory(dir / "sub");
        dir.write("sub/there.dat", "old");
        fs::create_symlink("sub/there.dat", dir / "to-file.dat");
        fs::create_symlink("sub/missing.dat", dir / "dangling.dat");
        fs::create_symlink("dangling.dat", dir / "chain.dat");       // a link to a dangling link
        fs::create_symlink(dir / "sub/abs.dat", dir / "absolute.dat");
        for (const char* link : {"to-file.dat", "dangling.dat", "chain.dat", "absolute.dat"})
            ASSERT_FALSE(bx::Write_file_replacing(dir / link, link, way)) << link;
        EXPECT_EQ(dir.read("sub/there.dat"), "to-file.dat");
        EXPECT_EQ(dir.read("sub/missing.dat"), "chain.dat");  // written twice through links
        EXPECT_EQ(dir.read("sub/abs.dat"), "absolute.dat");
        for (const char* link : {"to-file.dat", "dangling.dat", "chain.dat", "absolute.dat"})
            EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
        EXPECT_EQ(dir.names().size(), 5u);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "sub"), fs::directory_iterator()), 3);

        // A loop of links is refused with the system's reason; nothing changes.
        fs::create_symlink("loop-b.dat", dir / "loop-a.dat");
        fs::create_symlink("loop-a.dat", dir / "loop-b.dat");
        FileError e = bx::Write_file_replacing(dir / "loop-a.dat", "x", way);
        EXPECT_EQ(e.kind, FileError::Cannot_write);
        EXPECT_EQ(e.detail, std::generic_category().message(ELOOP));
        EXPECT_EQ(dir.names().size(), 7u);
        EXPECT_TRUE(fs::is_symlink(dir / "loop-a.dat"));
    }
}

TEST(FileReplace, SaveKilledAfterNamingLeavesALeftoverTheNextSaveRemoves) {
    for (const ReplaceHooks& way : kWays) {
        SCOPED_TRACE(way_name(way));
        TempDir dir;
        dir.write("old.dat", "old contents");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ReplaceHooks stop = way;
            stop.at_step = [](ReplaceStep s) {
                if (s == ReplaceStep::Linked) ::kill(::getpid(), SIGKILL);
            };
            bx::Write_file_replacing(dir / "old.dat", "new contents", stop);
            ::_exit(0);  // never reached
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        ASSERT_EQ(dir.names().size(), 2u);  // the old file and the hidden leftover
        EXPECT_EQ(dir.read("old.dat"), "old contents");
        ASSERT_FALSE(bx::Write_file_replacing(dir / "old.dat", "next contents", way));
        EXPECT_EQ(dir.names(), std::vector<std::string>{"old.dat"});
        EXPECT_EQ(dir.read("old.dat"), "next contents");
    }
}

TEST(FileReplace, SaveRemovesOnlyTheLeftoversOfItsOwnTarget) {
    const std::string longest = std::string(251, 'b') + ".dat";
    const std::string longest_hidden = "." + std::string(244, 'b') + ".tmp123456";  // cut to fit 255
    const std::vector<std::string> leftovers = {
        ".data.dat.tmp123456", ".data.dat.tmp100000", ".data.dat.tmp999999",
        "sub/.real.dat.tmp424242",  // beside the file the link names
        longest_hidden,
    };
    const std::vector<std::string> look_alikes = {
        ".other.dat.tmp123456",   // another target's
        ".link.dat.tmp123456",    // the link's own name, not the file it names
        ".data.dat.tmp12345",     // five digits
        ".data.dat.tmp1234567",   // seven digits
        ".data.dat.tmp012345",    // a leading zero is never made
        ".data.dat.tmp12345x",
        ".data.dat.TMP123456",
        "data.dat.tmp123456",     // not hidden
        "..data.dat.tmp123456",
        ".data.dat.tmp123456~",
        ".data.dat.tmp123456.tmp123456",
        ".data.da.tmp123456",
        "." + std::string(244, 'b') + ".tmp12345",
    };
    for (const ReplaceHooks& way : kWays) {
        SCOPED_TRACE(way_name(way));
        TempDir dir;
        fs::create_directory(dir / "sub");
        dir.write("data.dat", "old");
        dir.write("sub/real.dat", "old");
        fs::create_symlink("sub/real.dat", dir / "link.dat");
        dir.write("keep.dat", "kept");
        for (const std::string& name : leftovers) dir.write(name, "left over");
        for (const std::string& name : look_alikes) dir.write(name, "look-alike");
        // Names of the pattern that are not plain files.
        fs::create_directory(dir / ".data.dat.tmp222222");
        dir.write(".data.dat.tmp222222/inside", "inside");
        fs::create_symlink("keep.dat", dir / ".data.dat.tmp333333");
        ASSERT_EQ(::mkfifo((dir / ".data.dat.tmp444444").c_str(), 0600), 0);
        const std::vector<std::string> before = dir.names();

        for (const std::string& target : {std::string("data.dat"), std::string("link.dat"), longest})
            ASSERT_FALSE(bx::Write_file_replacing(dir / target, "new " + target, way)) << target;

        std::vector<std::string> want;
        for (const std::string& name : before)
            if (std::find(leftovers.begin(), leftovers.end(), name) == leftovers.end()) want.push_back(name);
        want.push_back(longest);
        std::sort(want.begin(), want.end());
        EXPECT_EQ(dir.names(), want);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "sub"), fs::directory_iterator()), 1);
        for (const std::string& name : look_alikes) EXPECT_EQ(dir.read(name), "look-alike") << name;
        EXPECT_EQ(dir.read("keep.dat"), "kept");
        EXPECT_TRUE(fs::is_symlink(dir / ".data.dat.tmp333333"));
        EXPECT_EQ(dir.read(".data.dat.tmp222222/inside"), "inside");
        EXPECT_EQ(dir.read("data.dat"), "new data.dat");
        EXPECT_EQ(dir.read("sub/real.dat"), "new link.dat");
        EXPECT_EQ(dir.read(longest), "new " + longest);
    }
}

TEST(FileReplace, LeftoversHeldByARunningSaveOrStuckStayAndTheSaveGoesOn) {
    for (const ReplaceHooks& way : kWays) {
        SCOPED_TRACE(way_name(way));
        TempDir dir;
        dir.write("data.dat", "old");

        // A save started from inside another save of the same file leaves
        // the outer one's hidden file alone, so both complete.
        ReplaceHooks outer = way;
        FileError inner_result;
        outer.at_step = [&](ReplaceStep s) {
            if (s != ReplaceStep::Linked) return;
            ASSERT_EQ(dir.names().size(), 2u);
            inner_result = bx::Write_file_replacing(dir / "data.dat", "inner", way);
            EXPECT_EQ(dir.names().size(), 2u);
        };
        EXPECT_FALSE(bx::Write_file_replacing(dir / "data.dat", "outer", outer));
        EXPECT_FALSE(inner_result);
        EXPECT_EQ(dir.read("data.dat"), "outer");
        EXPECT_EQ(dir.names(), std::vector<std::string>{"data.dat"});

        // A leftover that will not go stays; the others go and the save is done.
        for (const char* name : {".data.dat.tmp111111", ".data.dat.tmp222222", ".data.dat.tmp333333"})
            dir.write(name, "left over");
        ReplaceHooks stuck = way;
        std::vector<std::string> tried;
        stuck.remove_leftover = [&](int folder, const char* name) {
            tried.push_back(name);
            if (tried.back() == ".data.dat.tmp222222") return EBUSY;
            return ::unlinkat(folder, name, 0) == 0 ? 0 : errno;
        };
        EXPECT_FALSE(bx::Write_file_replacing(dir / "data.dat", "saved", stuck));
        EXPECT_EQ(tried.size(), 3u);
        EXPECT_EQ(dir.names(), (std::vector<std::string>{".data.dat.tmp222222", "data.dat"}));
        EXPECT_EQ(dir.read("data.dat"), "saved");
    }
}

TEST(FileReplace, DataAndAlignmentFileSavesRemoveTheirLeftovers) {
    TempDir dir;
    for (const char* name : {".radio.dat.tmp123456", ".table.adj.tmp654321", ".radio.dat.tmp12345"})
        dir.write(name, "left over");
    ASSERT_FALSE(bx::Save_data_file(dir / "radio.dat", bx::MemImage{}));
    ASSERT_FALSE(bx::Save_adj_file(dir / "table.adj", bx::AdjTable{}));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{".radio.dat.tmp12345", "radio.dat", "table.adj"}));
}

TEST(FileReplace, AFileMarkedReadOnlyIsNotReplaced) {
    // Tests may run as root, whom no permission stops: the mode bits decide.
    struct Case {
        mode_t mode;
        bool refused;
    } const cases[] = {{0444, true}, {0400, true}, {0555, true}, {0000, true}, {0644, false}, {0200, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode));
        TempDir dir;
        dir.write("radio.dat", "old data");
        dir.write("table.adj", "old table");
        fs::create_symlink("radio.dat", dir / "link.dat");
        for (const char* name : {"radio.dat", "table.adj"}) ASSERT_EQ(::chmod((dir / name).c_str(), c.mode), 0);
        const FileError data = bx::Save_data_file(dir / "radio.dat", bx::MemImage{});
        const FileError via_link = bx::Save_data_file(dir / "link.dat", bx::MemImage{});
        const FileError adj = bx::Save_adj_file(dir / "table.adj", bx::AdjTable{});
        for (const FileError* e : {&data, &via_link, &adj}) {
            EXPECT_EQ(e->kind, c.refused ? FileError::Cannot_write : FileError::None);
            if (c.refused) {
                EXPECT_EQ(bx::File_error_text(*e, "x.dat", 0),
                          "Cannot save the file x.dat (Permission denied). Nothing was saved.");
            }
        }
        EXPECT_EQ(dir.read("radio.dat") == "old data", c.refused);
        EXPECT_EQ(dir.read("table.adj") == "old table", c.refused);
        EXPECT_EQ(dir.names().size(), 3u);  // nothing left beside them
        struct stat st {};
        ASSERT_EQ(::stat((dir / "radio.dat").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
    }
}
