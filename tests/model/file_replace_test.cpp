#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
const ReplaceHooks kWays[] = {ReplaceHooks{}, ReplaceHooks{.named_temp_only = true, .at_step = {}}};

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
