// What a save keeps of the file it replaces: owner, group, mode, extended
// attributes (ACLs among them) and the file's other names; and who may read
// the temporary file meanwhile.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "model/adj_file.h"
#include "model/datafile.h"
#include "model/file_replace.h"
#include "support/tempdir.h"

using bx::FileError;
using bx::ReplaceHooks;
using bx::ReplaceStep;
using bxtest::TempDir;

namespace {

// Users and a group of no one on the machine, as the tests run them.
constexpr uid_t kAnn = 41001, kBen = 41002;
constexpr gid_t kAnnGroup = 41001, kBenGroup = 41002, kTeam = 41100;
constexpr uid_t kNobody = 65534;

struct User {
    uid_t uid = 0;  // 0: the test's own (root)
    gid_t gid = 0;
    std::vector<gid_t> groups;
};
const User kRoot{};
const User kBenInTeam{kBen, kBenGroup, {kBenGroup, kTeam}};

// Runs `save` in a forked child as `who` (giving up root for good when
// `who` is not root). Returns the FileError's kind and English message, and
// what the save noted on its way.
struct Result {
    int kind = -1;
    std::string text;
    std::string note;
};
Result save_as(const User& who, const std::string& path, const std::function<FileError(std::string& note)>& save) {
    int pipe_fd[2];
    if (::pipe(pipe_fd) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_fd[0]);
        if (who.uid != 0 && (::setgroups(who.groups.size(), who.groups.data()) != 0 ||
                             ::setresgid(who.gid, who.gid, who.gid) != 0 || ::setresuid(who.uid, who.uid, who.uid) != 0))
            ::_exit(2);
        std::string note;
        const FileError e = save(note);
        const std::string out = std::to_string(e.kind) + "\n" + note + "\n" + bx::File_error_text(e, path, 0);
        const bool sent = ::write(pipe_fd[1], out.data(), out.size()) == static_cast<ssize_t>(out.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(pipe_fd[1]);
    std::string got;
    char buf[512];
    for (ssize_t n; (n = ::read(pipe_fd[0], buf, sizeof buf)) > 0;) got.append(buf, static_cast<size_t>(n));
    ::close(pipe_fd[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    const size_t nl = got.find('\n'), nl2 = got.find('\n', nl + 1);
    return {std::stoi(got.substr(0, nl)), got.substr(nl2 + 1), got.substr(nl + 1, nl2 - nl - 1)};
}

// Every extended attribute of a file, by name.
std::map<std::string, std::string> attrs_of(const std::string& path) {
    std::map<std::string, std::string> out;
    char names[4096];
    const ssize_t n = ::llistxattr(path.c_str(), names, sizeof names);
    for (ssize_t i = 0; i < n; i += static_cast<ssize_t>(std::string(names + i).size()) + 1) {
        char value[4096];
        const ssize_t m = ::lgetxattr(path.c_str(), names + i, value, sizeof value);
        out[names + i] = m < 0 ? "?" : std::string(value, static_cast<size_t>(m));
    }
    return out;
}

// An access ACL as the kernel stores it: the file's own entries for a mode
// of 0660 and read-write for the user nobody.
std::string acl_nobody_rw() {
    std::string a;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) a += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put(2, 4);  // version
    const uint32_t kOwn = 0xFFFFFFFF;
    const uint32_t entries[][3] = {{0x01, 6, kOwn}, {0x02, 6, kNobody}, {0x04, 6, kOwn}, {0x10, 6, kOwn}, {0x20, 0, kOwn}};
    for (const auto& e : entries) {
        put(e[0], 2);
        put(e[1], 2);
        put(e[2], 4);
    }
    return a;
}

bool has_attrs(const TempDir& dir) {
    const std::string probe = dir / "probe";
    dir.write("probe", "");
    const bool ok = ::setxattr(probe.c_str(), "user.probe", "1", 1, 0) == 0 &&
                    ::setxattr(probe.c_str(), "system.posix_acl_access", acl_nobody_rw().data(), acl_nobody_rw().size(), 0) == 0;
    ::unlink(probe.c_str());
    return ok;
}

// One save of each kind: the data file and the alignment file as the
// program saves them, and a save through a named temporary file (as on a
// file system without unnamed files) that checks who may read it.
enum class Save { Data, Adj, NamedTemp };
const Save kSaves[] = {Save::Data, Save::Adj, Save::NamedTemp};
const char* save_name(Save s) { return s == Save::Data ? "data" : s == Save::Adj ? "adj" : "named temp"; }

bx::MemImage new_image() {
    bx::MemImage image;
    image(3, 4) = 0x5A;
    return image;
}
bx::AdjTable new_table() {
    bx::AdjTable table;
    table(1, 2) = 77;
    return table;
}
std::string new_bytes(Save s) { return s == Save::Adj ? bx::Adj_file_text(new_table()) : bx::Data_file_text(new_image()); }

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

size_t entries_in(const std::string& folder) {
    size_t n = 0;
    for (auto it = std::filesystem::directory_iterator(folder); it != std::filesystem::directory_iterator(); ++it) ++n;
    return n;
}

// Whether no one but its maker and `owner` may read the file at `path`:
// no bits for others, and the group bits either clear or the mask of an
// ACL whose only other entry gives `owner` read access.
bool only_maker_and(const std::string& path, uid_t owner) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || (st.st_mode & 007) != 0) return false;
    if ((st.st_mode & 070) == 0) return true;
    char acl[256];
    const ssize_t n = ::lgetxattr(path.c_str(), "system.posix_acl_access", acl, sizeof acl);
    if (n < 4) return false;
    for (ssize_t i = 4; i + 8 <= n; i += 8) {
        const unsigned tag = static_cast<unsigned char>(acl[i]) | static_cast<unsigned char>(acl[i + 1]) << 8;
        const unsigned perm = static_cast<unsigned char>(acl[i + 2]);
        uint32_t id = 0;
        for (int k = 0; k < 4; ++k) id |= static_cast<uint32_t>(static_cast<unsigned char>(acl[i + 4 + k])) << (8 * k);
        const bool ok = tag == 0x01 || tag == 0x10 || (tag == 0x02 && id == owner && perm == 4) ||
                        ((tag == 0x04 || tag == 0x20) && perm == 0);
        if (!ok) return false;
    }
    return true;
}

// Saves `path` as `who`; with Save::NamedTemp every temporary file the
// save makes beside it may be read by no one but its maker and the owner of
// the file saved (the note names one that could).
Result run_save(Save s, const User& who, const TempDir& dir, const std::string& name) {
    const std::string path = dir / name;
    const std::string folder = path.substr(0, path.rfind('/'));
    return save_as(who, path, [&](std::string& leak) -> FileError {
        if (s == Save::Data) return bx::Save_data_file(path, new_image());
        if (s == Save::Adj) return bx::Save_adj_file(path, new_table());
        ReplaceHooks hooks;
        hooks.named_temp_only = true;
        hooks.at_step = [&](ReplaceStep step) {
            if (step != ReplaceStep::Created) return;
            struct stat file {};
            const uid_t owner = ::stat(path.c_str(), &file) == 0 ? file.st_uid : ::geteuid();
            for (const auto& e : std::filesystem::directory_iterator(folder)) {
                const std::string entry = e.path().filename().string();
                if (entry[0] == '.' && !only_maker_and(e.path().string(), owner)) leak = entry;
            }
        };
        return bx::Write_file_replacing(path, new_bytes(s), hooks);
    });
}

}  // namespace

TEST(FileKeep, ASaveKeepsOwnerGroupModeAttributesAndOtherNames) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving files to other users needs root";
    enum Attrs {
        No_attrs,
        On_file,         // an ACL for nobody and a user attribute
        Folder_default,  // the folder's default ACL, which a new file there takes
    };
    struct Case {
        const char* what;
        const User* saver;
        mode_t mode;
        uid_t owner;
        gid_t group;
        bool shared;       // in a folder of the group kTeam, set-group-id, 2775
        bool second_name;  // a hard link "h2" to the file
        Attrs attrs;
    } const cases[] = {
        {"another's file saved by root", &kRoot, 0600, kAnn, kAnnGroup, false, false, No_attrs},
        {"another's file with set-id bits", &kRoot, 06640, kAnn, kTeam, false, false, No_attrs},
        {"another member's file in a shared folder", &kBenInTeam, 0664, kAnn, kTeam, true, false, No_attrs},
        {"the saver's file of the shared group", &kBenInTeam, 0640, kBen, kTeam, true, false, No_attrs},
        {"a second hard link", &kRoot, 0640, kAnn, kAnnGroup, false, true, No_attrs},
        {"a second hard link, another member saves", &kBenInTeam, 0664, kAnn, kTeam, true, true, No_attrs},
        {"an ACL and a user attribute", &kRoot, 0660, kAnn, kAnnGroup, false, false, On_file},
        {"an ACL, an attribute and a link", &kRoot, 0660, 0, 0, false, true, On_file},
        {"a folder whose default ACL the file lacks", &kRoot, 0640, kAnn, kAnnGroup, false, false, Folder_default},
    };
    for (const Case& c : cases)
        for (Save s : kSaves) {
            SCOPED_TRACE(std::string(c.what) + ", " + save_name(s));
            TempDir top;
            ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
            std::string sub = ".";
            if (c.shared) {
                sub = "team";
                ASSERT_EQ(::mkdir((top / sub).c_str(), 0), 0);
                ASSERT_EQ(::chown((top / sub).c_str(), 0, kTeam), 0);
                ASSERT_EQ(::chmod((top / sub).c_str(), 02775), 0);
            }
            const std::string name = sub + "/file" + (s == Save::Adj ? ".adj" : ".dat");
            const std::string path = top / name;
            top.write(name, "old bytes");
            if (c.attrs != No_attrs && !has_attrs(top)) GTEST_SKIP() << "no ACLs or user attributes on " << top.path();
            if (c.attrs == On_file) {
                ASSERT_EQ(::setxattr(path.c_str(), "user.note", "kept", 4, 0), 0);
                ASSERT_EQ(::setxattr(path.c_str(), "system.posix_acl_access", acl_nobody_rw().data(),
                                     acl_nobody_rw().size(), 0), 0);
            }
            if (c.attrs == Folder_default) {
                ASSERT_EQ(::setxattr((top / sub).c_str(), "system.posix_acl_default", acl_nobody_rw().data(),
                                     acl_nobody_rw().size(), 0), 0);
            }
            ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
            ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
            if (c.second_name) { ASSERT_EQ(::link(path.c_str(), (top / sub + "/h2").c_str()), 0); }
            const auto attrs_before = attrs_of(path);
            ASSERT_EQ(attrs_before.size(), c.attrs == On_file ? 2u : 0u);

            const Result r = run_save(s, *c.saver, top, name);
            EXPECT_EQ(r.kind, FileError::None) << r.text;
            EXPECT_EQ(r.note, "") << "a temporary file others may read";

            EXPECT_TRUE(top.read(name) == new_bytes(s)) << "the saved bytes";
            struct stat st {};
            ASSERT_EQ(::stat(path.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, c.mode);
            EXPECT_EQ(st.st_uid, c.owner);
            EXPECT_EQ(st.st_gid, c.group);
            EXPECT_EQ(st.st_nlink, c.second_name ? 2u : 1u);
            if (c.second_name) { EXPECT_TRUE(top.read(sub + "/h2") == new_bytes(s)) << "the bytes of the other name"; }
            EXPECT_EQ(attrs_of(path), attrs_before);
            EXPECT_EQ(entries_in(top / sub), c.second_name ? 2u : 1u);  // nothing left beside them
        }
}

TEST(FileKeep, ASaveTheFolderRefusesSaysSoAndChangesNothing) {
    if (::geteuid() != 0) GTEST_SKIP() << "the test runs the save as another user, which needs root";
    const User ben{kBen, kBenGroup, {kBenGroup}};
    struct Case {
        Save save;
        bool exists;  // the file is there, Ben's and writable by him
    } const cases[] = {{Save::Data, true}, {Save::Adj, true}, {Save::NamedTemp, true}, {Save::Data, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(save_name(c.save)) + (c.exists ? ", over a file" : ", a new file"));
        TempDir top;
        ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
        ASSERT_EQ(::mkdir((top / "ro").c_str(), 0755), 0);  // root's: Ben may not make files there
        const std::string name = std::string("ro/file") + (c.save == Save::Adj ? ".adj" : ".dat");
        if (c.exists) {
            top.write(name, "old bytes");
            ASSERT_EQ(::chown((top / name).c_str(), kBen, kBenGroup), 0);
            ASSERT_EQ(::chmod((top / name).c_str(), 0644), 0);
        }
        const Result r = run_save(c.save, ben, top, name);
        EXPECT_EQ(r.kind, FileError::Folder_not_writable);
        EXPECT_EQ(r.text, "Cannot save the file " + top / name + ": the folder " + top / "ro" +
                              " cannot be written to (Permission denied). Nothing was saved.");
        EXPECT_EQ(entries_in(top / "ro"), c.exists ? 1u : 0u);
        if (c.exists) { EXPECT_EQ(top.read(name), "old bytes"); }
    }
    FileError e;
    e.kind = FileError::Folder_not_writable;
    e.folder = "/srv/team";
    e.detail = "Permission denied";
    EXPECT_EQ(bx::File_error_text(e, "/srv/team/a.dat", 1),
              "无法保存文件 /srv/team/a.dat：文件夹 /srv/team 不可写入（Permission denied），参数未保存。");
}

TEST(FileKeep, AFileWithTwoNamesStaysWholeWhenItsSaveFails) {
    // The save cannot write more than a few bytes into any file: from the
    // start (the new contents never reach the disk beside the file), or
    // from the moment they did (the file is emptied and cannot be written);
    // or another save is writing the file.
    enum Stop { From_start, In_place, Held };
    struct Case {
        const char* what;
        Stop stop;
        const char* reason;
    } const cases[] = {
        {"beside", From_start, "File too large"},
        {"in place", In_place, "File too large"},
        {"held by another save", Held, ": another save is writing it at this moment"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        dir.write("file.dat", "old bytes");
        ASSERT_EQ(::link((dir / "file.dat").c_str(), (dir / "h2").c_str()), 0);
        const int held = ::open((dir / "h2").c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(held, 0);
        if (c.stop == Held) {
            ASSERT_EQ(::flock(held, LOCK_EX), 0);
        }
        const Result r = save_as(kRoot, dir / "file.dat", [&](std::string&) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{16, 16};
            if (c.stop == From_start) ::setrlimit(RLIMIT_FSIZE, &small);
            ReplaceHooks hooks;
            hooks.at_step = [&](ReplaceStep step) {
                if (step == ReplaceStep::Written && c.stop == In_place) ::setrlimit(RLIMIT_FSIZE, &small);
            };
            return bx::Write_file_replacing(dir / "file.dat", new_bytes(Save::Data), hooks);
        });
        ::close(held);
        const std::string reason = c.reason[0] == ':' ? c.reason : " (" + std::string(c.reason) + ")";
        EXPECT_EQ(r.text, "Cannot save the file " + dir / "file.dat" + reason + ". Nothing was saved.");
        EXPECT_EQ(dir.read("file.dat"), "old bytes");
        EXPECT_EQ(dir.read("h2"), "old bytes");
        EXPECT_EQ(dir.names(), (std::vector<std::string>{"file.dat", "h2"}));
    }
}

TEST(FileKeep, ASaveThatCannotPutTheOldBytesBackKeepsTheWholeCopyAndNamesIt) {
    // A file-size limit set once the new contents are whole beside the file
    // stops both the rewrite and putting back the old contents, which are
    // longer than the limit too.
    TempDir dir;
    const std::string path = dir / "file.dat";
    const std::string old_bytes = bx::Data_file_text(bx::MemImage{});
    dir.write("file.dat", old_bytes);
    ASSERT_EQ(::link(path.c_str(), (dir / "h2").c_str()), 0);
    const Result r = save_as(kRoot, path, [&](std::string&) {
        ::signal(SIGXFSZ, SIG_IGN);
        ReplaceHooks hooks;
        hooks.at_step = [](ReplaceStep step) {
            const rlimit small{4096, 4096};
            if (step == ReplaceStep::Written) ::setrlimit(RLIMIT_FSIZE, &small);
        };
        return bx::Write_file_replacing(path, new_bytes(Save::Data), hooks);
    });
    const std::vector<std::string> names = dir.names();
    ASSERT_EQ(names.size(), 3u);  // the hidden copy sorts first
    const std::string copy = dir / names[0];
    EXPECT_EQ(r.kind, FileError::Left_incomplete);
    EXPECT_EQ(r.text, "Cannot save the file " + path +
                          " (File too large), and its old contents could not be put back (File too large): the file "
                          "is left incomplete. The whole new contents are in " + copy + ".");
    EXPECT_TRUE(dir.read(names[0]) == new_bytes(Save::Data)) << "the whole new contents";
    EXPECT_EQ(dir.read("file.dat").size(), 4096u);

    // A load refuses the cut file and names the copy, in either language.
    bx::MemImage image;
    const FileError load = bx::Load_data_file(path, image);
    EXPECT_EQ(load.copy, copy);
    EXPECT_NE(bx::File_error_text(load, path, 0).find(" A save that did not complete left the file's whole contents in " +
                                                     copy + "."),
              std::string::npos);
    EXPECT_NE(bx::File_error_text(load, path, 1).find("未完成的保存在 " + copy + " 中留下了该文件的完整内容。"),
              std::string::npos);
    FileError e;
    e.kind = FileError::Left_incomplete;
    e.detail = e.put_back = "No space left on device";
    e.copy = "/d/.a.dat.tmp123456";
    EXPECT_EQ(bx::File_error_text(e, "/d/a.dat", 1),
              "无法保存文件 /d/a.dat（No space left on device），其原内容也未能恢复（No space left on device）：该文件已不完整。"
              "完整的新内容保存在 /d/.a.dat.tmp123456 中。");

    // The copy goes once a save has put whole contents in the file.
    ASSERT_FALSE(bx::Save_data_file(path, new_image()));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"file.dat", "h2"}));
    EXPECT_FALSE(bx::Load_data_file(dir / "h2", image));
}

TEST(FileKeep, AFolderThatMayBeWrittenButNotListedStillSaves) {
    if (::geteuid() != 0) GTEST_SKIP() << "the test runs the save as another user, which needs root";
    const User ben{kBen, kBenGroup, {kBenGroup}};
    // Through an unnamed file, a named one, and in place (a second name).
    for (int way = 0; way < 3; ++way)
        for (bool exists : {false, true}) {
            if (way == 2 && !exists) continue;
            SCOPED_TRACE(std::to_string(way) + (exists ? ", over a file" : ", a new file"));
            TempDir top;
            ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
            ASSERT_EQ(::mkdir((top / "drop").c_str(), 0300), 0);
            ASSERT_EQ(::chown((top / "drop").c_str(), kBen, kBenGroup), 0);
            const std::string path = top / "drop/file.dat";
            if (exists) {
                top.write("drop/file.dat", "old bytes");
                ASSERT_EQ(::chown(path.c_str(), kBen, kBenGroup), 0);
            }
            if (way == 2) { ASSERT_EQ(::link(path.c_str(), (top / "drop/h2").c_str()), 0); }
            const Result r = save_as(ben, path, [&](std::string&) {
                ReplaceHooks hooks;
                hooks.named_temp_only = way == 1;
                return bx::Write_file_replacing(path, new_bytes(Save::Data), hooks);
            });
            EXPECT_EQ(r.kind, FileError::None) << r.text;
            EXPECT_TRUE(top.read("drop/file.dat") == new_bytes(Save::Data)) << "the saved bytes";
            EXPECT_EQ(entries_in(top / "drop"), way == 2 ? 2u : 1u);
        }
}

TEST(FileKeep, TheCopyOfAnotherUsersKilledSaveIsTheOwnersToReadAndTheirSaveRemovesIt) {
    if (::geteuid() != 0) GTEST_SKIP() << "the test runs saves as other users, which needs root";
    TempDir top;
    ASSERT_EQ(::chmod(top.path().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((top / "team").c_str(), 0), 0);
    ASSERT_EQ(::chown((top / "team").c_str(), 0, kTeam), 0);
    ASSERT_EQ(::chmod((top / "team").c_str(), 02775), 0);
    const std::string path = top / "team/file.dat";
    top.write("team/file.dat", "old bytes");
    ASSERT_EQ(::chown(path.c_str(), kAnn, kTeam), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    if (!has_attrs(top)) GTEST_SKIP() << "no ACLs on " << top.path();
    // Ben's save of Ann's file (in place: he may not give a file to her) is
    // killed while it rewrites the file.
    save_as(kBenInTeam, path, [&](std::string&) {
        ReplaceHooks hooks;
        hooks.at_step = [](ReplaceStep step) {
            if (step == ReplaceStep::Rewriting) ::kill(::getpid(), SIGKILL);
        };
        return bx::Write_file_replacing(path, new_bytes(Save::Data), hooks);
    });
    ASSERT_EQ(entries_in(top / "team"), 2u);
    const User ann{kAnn, kAnnGroup, {kAnnGroup, kTeam}};
    // Ann can read what it holds, and her save removes it.
    const Result r = save_as(ann, path, [&](std::string& note) {
        for (const std::string& copy : bx::Hidden_copies(path)) note += read_file(copy) == new_bytes(Save::Data) ? "whole" : "unreadable";
        return bx::Save_data_file(path, new_image());
    });
    EXPECT_EQ(r.note, "whole");
    EXPECT_EQ(r.kind, FileError::None) << r.text;
    EXPECT_EQ(entries_in(top / "team"), 1u);
}
