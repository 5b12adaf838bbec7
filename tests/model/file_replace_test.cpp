#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <system_error>

#include <cstring>
#include <functional>

#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
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

        // A leftover that will not go stays and the save's message names it;
        // the others go and the save is done.
        for (const char* name : {".data.dat.tmp111111", ".data.dat.tmp222222", ".data.dat.tmp333333"})
            dir.write(name, "left over");
        ReplaceHooks stuck = way;
        std::vector<std::string> tried;
        stuck.remove_leftover = [&](int folder, const char* name) {
            tried.push_back(name);
            if (tried.back() == ".data.dat.tmp222222") return EBUSY;
            return ::unlinkat(folder, name, 0) == 0 ? 0 : errno;
        };
        const FileError left = bx::Write_file_replacing(dir / "data.dat", "saved", stuck);
        EXPECT_EQ(left.kind, FileError::Leftover);
        EXPECT_EQ(left.leftover, dir / ".data.dat.tmp222222");
        EXPECT_EQ(left.leftover_detail, std::generic_category().message(EBUSY));
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

TEST(FileReplace, AFileWrittenInPlaceIsNeitherReplacedNorLostMeanwhile) {
    // The file has a second name, so it is written in place; while it is
    // (locked, about to be emptied) another program replaces it: a save of
    // this program through a renamed new file (the second name gone, so it
    // takes that way), or a program that takes no lock.
    enum Other { Rename_save, Lockless_rename };
    for (Other other : {Rename_save, Lockless_rename}) {
        SCOPED_TRACE(other == Rename_save ? "a rename save" : "a lockless rename");
        TempDir dir;
        dir.write("file.dat", "old bytes");
        ASSERT_EQ(::link((dir / "file.dat").c_str(), (dir / "h2").c_str()), 0);
        FileError inner;
        ReplaceHooks hooks;
        hooks.at_step = [&](ReplaceStep s) {
            if (s != ReplaceStep::Rewriting) return;
            ASSERT_EQ(::unlink((dir / "h2").c_str()), 0);
            if (other == Rename_save) {
                inner = bx::Write_file_replacing(dir / "file.dat", "inner bytes");
            } else {
                dir.write("other", "other bytes");
                ASSERT_EQ(::rename((dir / "other").c_str(), (dir / "file.dat").c_str()), 0);
            }
        };
        const FileError outer = bx::Write_file_replacing(dir / "file.dat", "outer bytes", hooks);
        if (other == Rename_save) {
            // The rename save is refused as busy; the in-place save's bytes
            // are the file's.
            EXPECT_EQ(inner.kind, FileError::Busy);
            EXPECT_EQ(bx::File_error_text(inner, "f.dat", 0),
                      "Cannot save the file f.dat: another save is writing it at this moment. Nothing was saved.");
            EXPECT_EQ(bx::File_error_text(inner, "f.dat", 1), "无法保存文件 f.dat：另一个保存操作正在写入该文件，参数未保存。");
            EXPECT_FALSE(outer) << bx::File_error_text(outer, "f.dat", 0);
            EXPECT_EQ(dir.read("file.dat"), "outer bytes");
            EXPECT_EQ(dir.names(), std::vector<std::string>{"file.dat"});
        } else {
            // The in-place save's bytes went to a file that lost its name:
            // it fails and names the hidden file that holds them.
            ASSERT_EQ(outer.kind, FileError::Replaced);
            const std::vector<std::string> names = dir.names();
            ASSERT_EQ(names.size(), 2u);
            EXPECT_EQ(outer.copy, dir / names[0]);
            EXPECT_EQ(dir.read(names[0]), "outer bytes");
            EXPECT_EQ(dir.read("file.dat"), "other bytes");
            EXPECT_EQ(bx::File_error_text(outer, "f.dat", 0),
                      "Cannot save the file f.dat: another save replaced it while this one wrote it, so it does not "
                      "hold what was saved here. The whole contents saved here are in " + outer.copy + ".");
            EXPECT_NE(bx::File_error_text(outer, "f.dat", 1).find(outer.copy), std::string::npos);
        }
    }
}

namespace {

// Runs `body` in a child process with mounts of its own (they vanish with
// it), and returns what it returns; "skip: why" when that cannot be had.
std::string with_own_mounts(const std::function<std::string()>& body) {
    if (::geteuid() != 0) return "skip: mounting needs root";
    int out[2];
    if (::pipe(out) != 0) return "skip: no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        std::string text;
        if (::unshare(CLONE_NEWNS) != 0) text = std::string("skip: no mount namespace: ") + std::strerror(errno);
        else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            text = std::string("skip: mounts cannot be made private: ") + std::strerror(errno);
        else text = body();
        const bool sent = ::write(out[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(out[1]);
    std::string got;
    char buf[4096];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) got.append(buf, static_cast<size_t>(n));
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? got : "the child failed: " + got;
}

// `what` (a folder or a file) mounted over `where`, read-only when asked;
// "" or why not.
std::string bind_over(const std::string& what, const std::string& where, bool read_only) {
    if (::mount(what.c_str(), where.c_str(), nullptr, MS_BIND, nullptr) != 0)
        return "bind " + where + ": " + std::strerror(errno);
    if (read_only && ::mount(nullptr, where.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        return "read-only " + where + ": " + std::strerror(errno);
    return {};
}

}  // namespace

TEST(FileReplace, MountedFilesAndFoldersAreWrittenOrRefusedForTheirTrueReason) {
    TempDir dir;
    fs::create_directory(dir / "store");
    fs::create_directory(dir / "ro");
    dir.write("ro/old.dat", "old");
    dir.write("store/real.dat", "old real");
    dir.write("store/kept.dat", "old kept");
    dir.write("mounted.dat", "under the mount");
    dir.write("ro-mounted.dat", "under the mount");
    // In the child: each save's kind and English message, one a line.
    const std::string got = with_own_mounts([&]() -> std::string {
        if (std::string e = bind_over(dir / "ro", dir / "ro", true); !e.empty()) return "skip: " + e;
        if (std::string e = bind_over(dir / "store/real.dat", dir / "mounted.dat", false); !e.empty()) return "skip: " + e;
        if (std::string e = bind_over(dir / "store/kept.dat", dir / "ro-mounted.dat", true); !e.empty()) return "skip: " + e;
        std::string out;
        for (const char* name : {"ro/old.dat", "ro/new.dat", "mounted.dat", "ro-mounted.dat"}) {
            const FileError e = bx::Write_file_replacing(dir / name, std::string("new ") + name);
            out += std::to_string(e.kind) + " " + bx::File_error_text(e, name, 0) + "\n";
        }
        return out;
    });
    if (got.rfind("skip: ", 0) == 0) GTEST_SKIP() << got.substr(6);
    const std::string read_only = std::to_string(FileError::Read_only_fs) + " Cannot save the file ";
    const std::string ends = ": it is on a read-only file system. Nothing was saved.\n";
    EXPECT_EQ(got, read_only + "ro/old.dat" + ends + read_only + "ro/new.dat" + ends + "0 \n" + read_only +
                       "ro-mounted.dat" + ends);
    // The file mounted over a name was written in place, nothing left beside it.
    EXPECT_EQ(dir.read("store/real.dat"), "new mounted.dat");
    EXPECT_EQ(dir.read("store/kept.dat"), "old kept");
    EXPECT_EQ(dir.read("ro/old.dat"), "old");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"mounted.dat", "ro", "ro-mounted.dat", "store"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "store"), fs::directory_iterator()), 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "ro"), fs::directory_iterator()), 1);
    FileError e;
    e.kind = FileError::Read_only_fs;
    EXPECT_EQ(bx::File_error_text(e, "a.dat", 1), "无法保存文件 a.dat：它所在的文件系统为只读，参数未保存。");
}

namespace {

// The inode flags of a file or folder; -1 when they cannot be had.
long flags_of(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int f = 0;
    const bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &f) == 0;
    if (fd >= 0) ::close(fd);
    return ok ? f : -1;
}

bool set_flags(const std::string& path, long flags) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int f = static_cast<int>(flags);
    const bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_SETFLAGS, &f) == 0;
    if (fd >= 0) ::close(fd);
    return ok;
}

}  // namespace

TEST(FileReplace, InodeFlagsAreKeptOrRefuseTheSaveByName) {
    if (::geteuid() != 0) GTEST_SKIP() << "marking files immutable or append-only needs root";
    TempDir probe;
    probe.write("f", "x");
    if (flags_of(probe / "f") < 0 || !set_flags(probe / "f", flags_of(probe / "f") | FS_IMMUTABLE_FL))
        GTEST_SKIP() << "no inode flags on " << probe.path();
    set_flags(probe / "f", flags_of(probe / "f") & ~FS_IMMUTABLE_FL);

    // Flags a save keeps, on both ways of replacing the file and in place.
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way == 2 ? "in place" : way_name(kWays[way]));
        TempDir dir;
        dir.write("f.dat", "old");
        if (way == 2) { ASSERT_EQ(::link((dir / "f.dat").c_str(), (dir / "h2").c_str()), 0); }
        const long kept = FS_NODUMP_FL | FS_SYNC_FL | FS_NOATIME_FL;
        ASSERT_TRUE(set_flags(dir / "f.dat", flags_of(dir / "f.dat") | kept));
        ASSERT_FALSE(bx::Write_file_replacing(dir / "f.dat", "new", kWays[way == 2 ? 0 : way]));
        EXPECT_EQ(dir.read("f.dat"), "new");
        EXPECT_EQ(flags_of(dir / "f.dat") & kept, kept);
    }

    // Flags that forbid the save: the message names them, nothing changes.
    struct Case {
        const char* what;
        bool folder;
        long flag;
        FileError::Kind kind;
        const char* text;
    } const cases[] = {
        {"immutable file", false, FS_IMMUTABLE_FL, FileError::Immutable,
         "Cannot save the file F: the file is marked immutable. Nothing was saved."},
        {"append-only file", false, FS_APPEND_FL, FileError::Append_only,
         "Cannot save the file F: the file is marked append-only (it may only grow at its end). Nothing was saved."},
        {"immutable folder", true, FS_IMMUTABLE_FL, FileError::Immutable,
         "Cannot save the file F: the folder D is marked immutable. Nothing was saved."},
        {"append-only folder", true, FS_APPEND_FL, FileError::Append_only,
         "Cannot save the file F: the folder D is marked append-only (files may be added to it, but none "
         "replaced or removed). Nothing was saved."},
    };
    for (const Case& c : cases)
        for (int way = 0; way < 3; ++way) {
            SCOPED_TRACE(std::string(c.what) + (way == 2 ? ", in place" : way == 1 ? ", named" : ", unnamed"));
            TempDir top;
            fs::create_directory(top / "d");
            top.write("d/f.dat", "old");
            if (way == 2) { ASSERT_EQ(::link((top / "d/f.dat").c_str(), (top / "d/h2").c_str()), 0); }
            const std::string marked = c.folder ? top / "d" : top / "d/f.dat";
            ASSERT_TRUE(set_flags(marked, flags_of(marked) | c.flag));
            const FileError e = bx::Write_file_replacing(top / "d/f.dat", "new", kWays[way == 2 ? 0 : way]);
            const std::vector<std::string> left = [&] {
                std::vector<std::string> n;
                for (const auto& entry : fs::directory_iterator(top / "d")) n.push_back(entry.path().filename());
                return n;
            }();
            set_flags(marked, flags_of(marked) & ~c.flag);
            EXPECT_EQ(e.kind, c.kind);
            std::string want = c.text;
            want.replace(want.find('F'), 1, "f.dat");
            if (c.folder) want.replace(want.find(" D "), 3, " " + top / "d" + " ");
            EXPECT_EQ(bx::File_error_text(e, "f.dat", 0), want);
            EXPECT_EQ(top.read("d/f.dat"), "old");
            EXPECT_EQ(left.size(), way == 2 ? 2u : 1u);
        }
    FileError e;
    e.kind = FileError::Append_only;
    e.folder = "/srv";
    EXPECT_EQ(bx::File_error_text(e, "a.dat", 1),
              "无法保存文件 a.dat：文件夹 /srv 被设为只可追加（只能添加新文件，不能替换或删除文件），参数未保存。");
    e.kind = FileError::Immutable;
    e.folder.clear();
    EXPECT_EQ(bx::File_error_text(e, "a.dat", 1), "无法保存文件 a.dat：该文件被设为不可更改，参数未保存。");
}

TEST(FileReplace, AHiddenFileThatCannotBeRemovedIsNamed) {
    if (::geteuid() != 0) GTEST_SKIP() << "marking a folder append-only needs root";
    TempDir dir;
    dir.write("f.dat", "old");
    ASSERT_EQ(::link((dir / "f.dat").c_str(), (dir / "h2").c_str()), 0);
    if (flags_of(dir.path()) < 0 || !set_flags(dir.path(), flags_of(dir.path()))) GTEST_SKIP() << "no inode flags on " << dir.path();
    // The folder becomes append-only while the file is written in place:
    // the save is done, but its hidden copy cannot be removed.
    ReplaceHooks hooks;
    hooks.at_step = [&](ReplaceStep s) {
        if (s == ReplaceStep::Rewriting) { ASSERT_TRUE(set_flags(dir.path(), flags_of(dir.path()) | FS_APPEND_FL)); }
    };
    const FileError e = bx::Write_file_replacing(dir / "f.dat", "new", hooks);
    const std::vector<std::string> names = dir.names();
    set_flags(dir.path(), flags_of(dir.path()) & ~FS_APPEND_FL);
    EXPECT_EQ(dir.read("f.dat"), "new");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(e.kind, FileError::Leftover);
    EXPECT_EQ(e.leftover, dir / names[0]);
    EXPECT_EQ(bx::File_error_text(e, "f.dat", 0), "The file f.dat was saved. The hidden file " + e.leftover +
                                                       " beside it could not be removed (Operation not permitted); "
                                                       "remove it by hand.");
    EXPECT_EQ(bx::File_error_text(e, "f.dat", 1), "文件 f.dat 已保存。其旁边的隐藏文件 " + e.leftover +
                                                       " 未能删除（Operation not permitted），请手动删除。");
    // The next save removes it.
    ASSERT_FALSE(bx::Write_file_replacing(dir / "f.dat", "next"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"f.dat", "h2"}));
}
