#include "model/file_replace.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "model/file_choices.h"

namespace bx {

namespace {

using file_choice::kKeptInodeFlags;
using file_choice::kMaxLinkHops;
using file_choice::kTempAttempts;

static_assert(kKeptInodeFlags == (FS_SECRM_FL | FS_UNRM_FL | FS_COMPR_FL | FS_SYNC_FL | FS_NODUMP_FL | FS_NOATIME_FL |
                                  FS_NOCOMP_FL));
static_assert(file_choice::kInPlaceInodeFlags ==
              (FS_NOCOW_FL | FS_JOURNAL_DATA_FL | FS_NOTAIL_FL | FS_DAX_FL | FS_PROJINHERIT_FL));

std::string errno_text(int e) { return std::generic_category().message(e); }

FileError write_error(int e) {
    FileError err;
    err.kind = FileError::Cannot_write;
    err.detail = errno_text(e != 0 ? e : EIO);
    return err;
}

FileError write_error(const char* why) {
    FileError err;
    err.kind = FileError::Cannot_write;
    err.detail = why;
    return err;
}

FileError error_of(FileError::Kind kind, const std::string& folder = {}) {
    FileError err;
    err.kind = kind;
    err.folder = folder;
    return err;
}

// A file's inode flags (chattr), through an open descriptor. 0 or the reason
// (a file system without them gives ENOTTY or EOPNOTSUPP).
int get_flags(int fd, unsigned& flags) {
    int f = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &f) != 0) return errno;
    flags = static_cast<unsigned>(f);
    return 0;
}

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    // Closes now, reporting the error a late write may show only here.
    int close_now() {
        int rc = ::close(fd);
        fd = -1;
        return rc == 0 ? 0 : errno;
    }
};

std::string folder_of(const std::string& p) {
    const size_t slash = p.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

std::string name_of(const std::string& p) {
    const size_t slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

// Follows symbolic links from `p` to the path that is to receive the file:
// an existing file, or a name where none exists yet. 0 or the reason.
int follow_links(std::string& p) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode)) return 0;
        std::string to(PATH_MAX, '\0');
        const ssize_t n = ::readlink(p.c_str(), to.data(), to.size());
        if (n < 0) return errno;
        if (static_cast<size_t>(n) >= to.size()) return ENAMETOOLONG;
        to.resize(static_cast<size_t>(n));
        if (to.empty()) return ENOENT;
        p = to.front() == '/' ? to : folder_of(p) + "/" + to;
    }
    return ELOOP;
}

// Every hidden name ends in this and six digits, the first of them not 0.
constexpr char kTempMark[] = ".tmp";
constexpr size_t kTempTail = sizeof kTempMark - 1 + 6;

// The part of every hidden name of `name` before its tail: a dot and the
// name, cut so that the whole stays within `name_max` bytes.
std::string temp_prefix(const std::string& name, long name_max) {
    size_t keep = name.size();
    const long room = name_max - 1 - static_cast<long>(kTempTail);
    if (room < 1) keep = 0;
    else if (static_cast<long>(keep) > room) {
        keep = static_cast<size_t>(room);
        // Never half a UTF-8 character.
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    }
    std::string prefix = ".";
    prefix.append(name, 0, keep);
    return prefix;
}

// A hidden name beside `name`, within `name_max` bytes.
std::string temp_name(const std::string& name, long name_max, std::random_device& rnd) {
    return temp_prefix(name, name_max) + kTempMark + std::to_string(100000 + rnd() % 900000u);
}

// Whether `entry` has exactly the shape of a hidden name with this prefix.
bool is_temp_name(const std::string& entry, const std::string& prefix) {
    if (entry.size() != prefix.size() + kTempTail || entry.compare(0, prefix.size(), prefix) != 0) return false;
    const size_t mark = prefix.size();
    if (entry.compare(mark, sizeof kTempMark - 1, kTempMark) != 0) return false;
    const size_t digits = mark + sizeof kTempMark - 1;
    if (entry[digits] < '1' || entry[digits] > '9') return false;
    for (size_t i = digits + 1; i < entry.size(); ++i)
        if (entry[i] < '0' || entry[i] > '9') return false;
    return true;
}

int write_all(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

// What a save knows of its target.
struct Target {
    int dir = -1;          // the folder, open
    std::string folder;    // its path, for a message
    std::string name;      // the name in it
    std::string path;      // folder and name: the file itself, never a link
    bool exists = false;   // a file is there already
    struct stat old {};    // then: its mode, owner, group, links
    bool flags_known = false;  // then: its inode flags could be read
    unsigned flags = 0;        // and are these
    long name_max = 255;   // the folder's longest name
    bool readable = true;  // the folder may be listed (else only written)
};

// The whole path of a name in the target's folder, for a message.
std::string in_folder(const Target& t, const std::string& name) {
    return t.folder == "/" ? "/" + name : t.folder + "/" + name;
}

// Removes a hidden name of this save; one that will not go is named in
// `err` (whatever else it says), never left unsaid.
void drop(const Target& t, const std::string& tmp, FileError& err) {
    if (::unlinkat(t.dir, tmp.c_str(), 0) == 0 || errno == ENOENT) return;
    err.leftover = in_folder(t, tmp);
    err.leftover_detail = errno_text(errno);
}

// Opens the file now at the target's name (never through a link), for
// reading when it may be read, else for writing; -1 when neither.
int open_target(const Target& t, int how) {
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::openat(t.dir, t.name.c_str(), how | flags);
    if (fd < 0 && how == O_RDONLY && errno == EACCES) fd = ::openat(t.dir, t.name.c_str(), O_WRONLY | flags);
    return fd;
}

// Whether the target's name names the open file `fd` (no other save has
// renamed another file over it).
bool still_named(const Target& t, int fd) {
    struct stat named {}, opened {};
    return ::fstat(fd, &opened) == 0 && ::fstatat(t.dir, t.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

void step(const ReplaceHooks& hooks, ReplaceStep s) {
    if (hooks.at_step) hooks.at_step(s);
}

// A file the save cannot make in the folder: the folder is what stops it.
FileError create_error(int e, const Target& t) {
    if (e == EROFS) return error_of(FileError::Read_only_fs);
    if (e != EACCES && e != EPERM) return write_error(e);
    FileError err;
    err.kind = FileError::Folder_not_writable;
    err.detail = errno_text(e);
    err.folder = t.folder;
    return err;
}

// A temporary file of a save: until it is complete only its maker may
// read it, as no one else may read the file it replaces (a new file is made
// as any other).
mode_t temp_mode(const Target& t) { return t.exists ? 0600 : 0666; }

using Attrs = std::vector<std::pair<std::string, std::string>>;

// The names of a list as listxattr gives it (each ended by a zero byte).
std::vector<std::string> attr_names(const std::string& list) {
    std::vector<std::string> names;
    for (size_t i = 0; i < list.size();) {
        const size_t end = list.find('\0', i);
        names.push_back(list.substr(i, end - i));
        if (end == std::string::npos) break;
        i = end + 1;
    }
    return names;
}

// Fills `out` by `get` (a listxattr or getxattr call taking a buffer and its
// size), growing it while the value grows meanwhile. 0 or the reason.
template <class Get>
int fetch(std::string& out, Get get) {
    for (;;) {
        ssize_t n = get(nullptr, 0);
        if (n < 0) return errno;
        out.assign(static_cast<size_t>(n), '\0');
        n = get(out.data(), out.size());
        if (n >= 0) {
            out.resize(static_cast<size_t>(n));
            return 0;
        }
        if (errno != ERANGE) return errno;
    }
}

// Every extended attribute of the file at `path` this user can see (its
// access ACL included), by name. A file system without them gives none.
int read_attrs(const std::string& path, Attrs& attrs) {
    std::string list;
    const char* p = path.c_str();
    if (int e = fetch(list, [&](char* b, size_t n) { return ::llistxattr(p, b, n); }))
        return e == ENOTSUP ? 0 : e;
    for (const std::string& name : attr_names(list)) {
        std::string value;
        const int e = fetch(value, [&](char* b, size_t n) { return ::lgetxattr(p, name.c_str(), b, n); });
        if (e == ENODATA) continue;  // removed meanwhile
        if (e != 0) return e;
        attrs.emplace_back(name, std::move(value));
    }
    return 0;
}

// Gives the new file the old one's extended attributes, and only those
// (an ACL the folder's default gave it goes). 0 or the reason.
int copy_attrs(int fd, const Target& t) {
    Attrs attrs;
    if (int e = read_attrs(t.path, attrs)) return e;
    std::string list;
    if (int e = fetch(list, [&](char* b, size_t n) { return ::flistxattr(fd, b, n); }); e != 0 && e != ENOTSUP)
        return e;
    for (const std::string& name : attr_names(list)) {
        const bool kept = std::any_of(attrs.begin(), attrs.end(), [&](const auto& a) { return a.first == name; });
        if (!kept && ::fremovexattr(fd, name.c_str()) != 0 && errno != ENODATA) return errno;
    }
    for (const auto& [name, value] : attrs)
        if (::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) != 0) return errno;
    return 0;
}

// Gives the new file the old one's inode flags that a save keeps
// (file_choice::kKeptInodeFlags). 0 or the reason it cannot have them.
int copy_flags(int fd, const Target& t) {
    if (!t.flags_known) return 0;
    unsigned now = 0;
    if (const int e = get_flags(fd, now); e != 0) return (t.flags & kKeptInodeFlags) == 0 ? 0 : e;
    const unsigned want = (now & ~kKeptInodeFlags) | (t.flags & kKeptInodeFlags);
    if (want == now) return 0;
    int set = static_cast<int>(want);
    return ::ioctl(fd, FS_IOC_SETFLAGS, &set) == 0 ? 0 : errno;
}

// Makes the new file what the old one was to everyone: its owner and group,
// its extended attributes (ACLs included), its inode flags and, last, its mode (a change of
// owner clears the set-id bits; the ACL's mask is the mode's group bits).
// 0, or the reason it cannot be so (a user may not give a file away).
int dress(int fd, const Target& t) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return errno;
    const uid_t uid = now.st_uid == t.old.st_uid ? static_cast<uid_t>(-1) : t.old.st_uid;
    const gid_t gid = now.st_gid == t.old.st_gid ? static_cast<gid_t>(-1) : t.old.st_gid;
    if ((uid != static_cast<uid_t>(-1) || gid != static_cast<gid_t>(-1)) && ::fchown(fd, uid, gid) != 0) return errno;
    if (int e = copy_attrs(fd, t)) return e;
    if (int e = copy_flags(fd, t)) return e;
    if (::fchmod(fd, t.old.st_mode & 07777) != 0) return errno;
    return 0;
}

// How a way of saving ended. Unsupported: nothing was done, and the named
// way is to be taken. In_place: nothing was done, as the new file cannot be
// made what the old one was or cannot be renamed over it (a file mounted at
// its name); the old one is to be written in place.
enum class Outcome { Done, Unsupported, In_place };

// Renames the hidden name over the target, holding the lock on the file it
// replaces that a save writing the file in place holds (a save finding it
// held is refused as busy); removes the hidden name when that fails.
Outcome put_in_place(const Target& t, const std::string& tmp, FileError& err) {
    Fd old(open_target(t, O_RDONLY));
    if (old.fd >= 0 && ::flock(old.fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        err = error_of(FileError::Busy);
        drop(t, tmp, err);
        return Outcome::Done;
    }
    if (::renameat(t.dir, tmp.c_str(), t.dir, t.name.c_str()) != 0) {
        const int e = errno;
        // A file mounted at the name (as a container mounts a single file)
        // cannot be renamed over, but can be written in place.
        const bool mounted = e == EBUSY || e == EXDEV;
        err = mounted ? FileError{} : write_error(e);
        drop(t, tmp, err);  // a hidden name that stays is named by the in-place save's result
        return mounted ? Outcome::In_place : Outcome::Done;
    }
    ::fsync(t.dir);  // the rename itself reaches the disk (a folder that may not be read cannot be)
    return Outcome::Done;
}

// Removes one leftover unless it is not a plain file or a running save
// holds it locked. 0, or the reason a leftover that should go would not.
int remove_leftover(const Target& t, const std::string& name, const ReplaceHooks& hooks) {
    struct stat named {};
    if (::fstatat(t.dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode)) return 0;
    Fd f(::openat(t.dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (f.fd < 0) return 0;
    struct stat opened {};
    if (::fstat(f.fd, &opened) != 0 || opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) return 0;
    // Held by a save still running (here or in another process), or a file
    // system without locks, which leaves the question open.
    if (::flock(f.fd, LOCK_EX | LOCK_NB) != 0) return 0;
    if (hooks.remove_leftover) return hooks.remove_leftover(t.dir, name.c_str());
    return ::unlinkat(t.dir, name.c_str(), 0) == 0 || errno == ENOENT ? 0 : errno;
}

// Removes what earlier saves of the target left under its hidden names when
// they were killed before their rename. Only names of exactly the shape
// temp_name gives this target are looked at. The first one that would not
// go is named in `err` (leftover), so that the save's message says so.
void remove_leftovers(const Target& t, const ReplaceHooks& hooks, FileError& err) {
    const int scan_fd = ::openat(t.dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (scan_fd < 0) return;
    DIR* scan = ::fdopendir(scan_fd);
    if (!scan) {
        ::close(scan_fd);
        return;
    }
    const std::string prefix = temp_prefix(t.name, t.name_max);
    std::vector<std::string> found;
    while (const dirent* e = ::readdir(scan)) {
        const std::string entry = e->d_name;
        if (entry != t.name && is_temp_name(entry, prefix)) found.push_back(entry);
    }
    ::closedir(scan);
    std::sort(found.begin(), found.end());
    for (const std::string& name : found) {
        const int e = remove_leftover(t, name, hooks);
        if (e != 0 && err.leftover.empty()) {
            err.leftover = in_folder(t, name);
            err.leftover_detail = errno_text(e);
        }
    }
}

// Writes the bytes into the temporary file `fd` and, when it replaces a
// file, dresses it as that file; then flushes it. Outcome::Done with `err`
// set on a failure.
Outcome fill(int fd, const Target& t, const std::string& bytes, FileError& err) {
    if (int e = write_all(fd, bytes)) {
        err = write_error(e);
        return Outcome::Done;
    }
    if (t.exists && dress(fd, t) != 0) return Outcome::In_place;
    if (::fsync(fd) != 0) err = write_error(errno);
    return Outcome::Done;
}

// The save through an unnamed file.
Outcome save_unnamed(const Target& t, const std::string& bytes, const ReplaceHooks& hooks, FileError& err) {
    Fd f(::openat(t.dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, temp_mode(t)));
    if (f.fd < 0) {
        // An old kernel or a file system without unnamed files.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return Outcome::Unsupported;
        err = create_error(errno, t);
        return Outcome::Done;
    }
    ::flock(f.fd, LOCK_EX | LOCK_NB);  // marks the file as a running save's (best effort)
    step(hooks, ReplaceStep::Created);
    if (fill(f.fd, t, bytes, err) == Outcome::In_place) return Outcome::In_place;
    if (err) return Outcome::Done;  // the unnamed file vanishes with its descriptor
    step(hooks, ReplaceStep::Written);
    const std::string proc = "/proc/self/fd/" + std::to_string(f.fd);
    auto link_as = [&](const std::string& name) {
        return ::linkat(AT_FDCWD, proc.c_str(), t.dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
    };
    if (!t.exists) {
        const int e = link_as(t.name);
        if (e == 0) {
            ::fsync(t.dir);
            return Outcome::Done;
        }
        if (e != EEXIST) {
            if (e == ENOENT || e == EPERM || e == EOPNOTSUPP) return Outcome::Unsupported;  // no /proc
            err = write_error(e);
            return Outcome::Done;
        }
        // A file of that name appeared meanwhile: replaced as any other.
    }
    std::random_device rnd;
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        const std::string tmp = temp_name(t.name, t.name_max, rnd);
        const int e = link_as(tmp);
        if (e == EEXIST) continue;
        if (e == ENOENT || e == EPERM || e == EOPNOTSUPP) return Outcome::Unsupported;
        if (e != 0) {
            err = write_error(e);
            return Outcome::Done;
        }
        step(hooks, ReplaceStep::Linked);
        return put_in_place(t, tmp, err);
    }
    err = write_error(EEXIST);
    return Outcome::Done;
}

// Makes a hidden named file beside the target, holding it locked for as long
// as `hold` lives (the lock marks it as a running save's). `f` is open for
// writing. 0 or the error.
FileError make_named(const Target& t, std::string& tmp, Fd& f, Fd& hold) {
    std::random_device rnd;
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        tmp = temp_name(t.name, t.name_max, rnd);
        f.fd = ::openat(t.dir, tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, temp_mode(t));
        if (f.fd < 0) {
            if (errno == EEXIST) continue;
            return create_error(errno, t);
        }
        ::flock(f.fd, LOCK_EX | LOCK_NB);
        hold.fd = ::dup(f.fd);
        return {};
    }
    return write_error(EEXIST);
}

// The save through a hidden named file, where unnamed files are missing.
Outcome save_named(const Target& t, const std::string& bytes, const ReplaceHooks& hooks, FileError& err) {
    std::string tmp;
    Fd f(-1), hold(-1);
    if ((err = make_named(t, tmp, f, hold))) return Outcome::Done;
    step(hooks, ReplaceStep::Created);
    if (fill(f.fd, t, bytes, err) == Outcome::In_place) {
        drop(t, tmp, err);  // a hidden name that stays is named by the in-place save's result
        return Outcome::In_place;
    }
    // A late write error may show only when the file is closed.
    if (const int close_e = f.close_now(); !err && close_e != 0) err = write_error(close_e);
    if (err) {
        drop(t, tmp, err);
        return Outcome::Done;
    }
    step(hooks, ReplaceStep::Written);
    step(hooks, ReplaceStep::Linked);
    return put_in_place(t, tmp, err);
}

// Makes the open file hold exactly `bytes`, on the disk. 0 or the reason.
int rewrite(int fd, const std::string& bytes) {
    if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) < 0) return errno;
    if (int e = write_all(fd, bytes)) return e;
    return ::fsync(fd) == 0 ? 0 : errno;
}

int read_all(int fd, std::string& out) {
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        out.append(buf, static_cast<size_t>(n));
    }
}

// Lets the owner of the file a save writes in place read its hidden copy
// too (an ACL entry), when someone else makes it: a copy left by a save
// that failed or was killed is then theirs to recover, and their own saves
// can remove it. Without ACLs only its maker may read it.
void share_with_owner(int fd, const Target& t) {
    if (t.old.st_uid == ::geteuid()) return;
    std::string acl;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) acl += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    constexpr uint32_t kOwn = 0xFFFFFFFFu;  // an entry of the file's own owner, group or others
    put(2, 4);                              // the version of the kernel's ACL format
    const uint32_t entries[][3] = {
        {0x01, 6, kOwn},                                // the maker: read and write
        {0x02, 4, static_cast<uint32_t>(t.old.st_uid)},  // the file's owner: read
        {0x04, 0, kOwn},                                // the group: nothing
        {0x10, 4, kOwn},                                // the mask
        {0x20, 0, kOwn},                                // others: nothing
    };
    for (const auto& e : entries) {
        put(e[0], 2);
        put(e[1], 2);
        put(e[2], 4);
    }
    ::fsetxattr(fd, "system.posix_acl_access", acl.data(), acl.size(), 0);
}

// The save of a file that keeps its inode: one with other names (hard
// links), one whose owner, group, attributes or flags a new file could not
// get, or one mounted at its name. The new bytes first go whole to the disk
// in a hidden file beside it, so a full disk stops the save before the file
// is touched; then the file is emptied and written, and put back as it was
// should that fail. The hidden file goes only once the file holds a whole
// copy (the new contents, or the old ones put back); else it stays and the
// error names it.
FileError save_in_place(const Target& t, const std::string& bytes, const ReplaceHooks& hooks) {
    std::string tmp;
    Fd f(-1), hold(-1);
    if (FileError err = make_named(t, tmp, f, hold)) return err;
    share_with_owner(f.fd, t);
    step(hooks, ReplaceStep::Created);
    FileError err;
    int e = write_all(f.fd, bytes);
    if (e == 0 && ::fsync(f.fd) != 0) e = errno;
    if (const int close_e = f.close_now(); e == 0) e = close_e;
    if (e != 0) {
        err = write_error(e);
        drop(t, tmp, err);
        return err;
    }
    step(hooks, ReplaceStep::Written);
    Fd target(open_target(t, O_RDWR));
    struct stat now {};
    std::string old;
    if (target.fd < 0 || ::fstat(target.fd, &now) != 0) err = write_error(errno);
    else if (!S_ISREG(now.st_mode)) err = write_error("not a plain file");
    // Two saves writing one file at once would mix their bytes, and a save
    // renaming a new file over it would take its name away from the bytes
    // written: either is refused while the lock is held (never waited for,
    // as whoever holds it may keep it).
    else if (::flock(target.fd, LOCK_EX | LOCK_NB) != 0) err = errno == EWOULDBLOCK ? error_of(FileError::Busy) : write_error(errno);
    // A file renamed over the name between its opening and the lock.
    else if (!still_named(t, target.fd)) err = error_of(FileError::Busy);
    else if ((e = read_all(target.fd, old)) != 0) err = write_error(e);
    if (err) {
        drop(t, tmp, err);  // the file is untouched
        return err;
    }
    step(hooks, ReplaceStep::Rewriting);
    if ((e = rewrite(target.fd, bytes)) != 0) {
        err = write_error(e);
        if (const int back = rewrite(target.fd, old); back != 0) {
            // The file is cut: the hidden file holds the only whole copy.
            err.kind = FileError::Left_incomplete;
            err.put_back = errno_text(back);
            err.copy = in_folder(t, tmp);
            return err;
        }
    } else if (!still_named(t, target.fd)) {
        // A program that takes no lock renamed another file over the name
        // meanwhile: the bytes written are in no file but the hidden one.
        err = error_of(FileError::Replaced);
        err.copy = in_folder(t, tmp);
        return err;
    }
    drop(t, tmp, err);
    return err;
}

}  // namespace

namespace {

// Why the file or its folder refuses every save, before any is tried: a
// read-only file system, an immutable or append-only file or folder (even
// root may not replace or rewrite them), a file no one may write.
FileError refusal(const Target& t, int folder_fd) {
    unsigned flags = 0;
    if (folder_fd >= 0 && get_flags(folder_fd, flags) == 0) {
        if (flags & FS_IMMUTABLE_FL) return error_of(FileError::Immutable, t.folder);
        if (flags & FS_APPEND_FL) return error_of(FileError::Append_only, t.folder);
    }
    if (!t.exists) return {};
    if (t.flags_known && (t.flags & FS_IMMUTABLE_FL)) return error_of(FileError::Immutable);
    if (t.flags_known && (t.flags & FS_APPEND_FL)) return error_of(FileError::Append_only);
    struct statvfs fs {};
    if (::statvfs(t.path.c_str(), &fs) == 0 && (fs.f_flag & ST_RDONLY)) return error_of(FileError::Read_only_fs);
    // A file marked read-only is not replaced: a save over it fails as
    // writing into it would. The mode bits are asked first, since for root
    // the permission check lets everything by.
    if ((t.old.st_mode & 0222) == 0) return write_error(EACCES);
    if (::access(t.path.c_str(), W_OK) != 0) {
        const int e = errno;
        return e == EROFS ? error_of(FileError::Read_only_fs) : write_error(e);
    }
    return {};
}

// The save itself, once the target is known.
FileError save(Target& t, const std::string& bytes, const ReplaceHooks& hooks) {
    // Every name of a file with several keeps naming the saved contents; a
    // file with flags a new file cannot be given keeps them.
    if (t.exists && (t.old.st_nlink > 1 || (t.flags_known && (t.flags & file_choice::kInPlaceInodeFlags) != 0)))
        return save_in_place(t, bytes, hooks);
    FileError err;
    Outcome way = hooks.named_temp_only ? Outcome::Unsupported : save_unnamed(t, bytes, hooks, err);
    if (way == Outcome::Unsupported) way = save_named(t, bytes, hooks, err);
    if (way != Outcome::In_place) return err;
    FileError in_place = save_in_place(t, bytes, hooks);
    if (in_place.leftover.empty() && !err.leftover.empty()) {
        in_place.leftover = err.leftover;
        in_place.leftover_detail = err.leftover_detail;
    }
    return in_place;
}

}  // namespace

FileError Write_file_replacing(const std::string& path, const std::string& bytes, const ReplaceHooks& hooks) {
    std::string p = path;
    if (int e = follow_links(p)) return write_error(e);
    Target t;
    t.name = name_of(p);
    t.folder = folder_of(p);
    t.path = p;
    if (t.name.empty() || t.name == "." || t.name == "..") return write_error(EISDIR);
    if (::stat(p.c_str(), &t.old) == 0) {
        if (S_ISDIR(t.old.st_mode)) return write_error(EISDIR);
        // A pipe or a device is never replaced by a plain file.
        if (!S_ISREG(t.old.st_mode)) return write_error("not a plain file");
        t.exists = true;
        Fd f(::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        t.flags_known = f.fd >= 0 && get_flags(f.fd, t.flags) == 0;
    } else if (errno != ENOENT) {
        return write_error(errno);
    }
    // A folder that may be written but not listed is still one to save in:
    // only what needs reading it (the removal of leftovers, flushing it) is
    // skipped.
    Fd dir(::open(t.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0 && errno == EACCES) {
        dir.fd = ::open(t.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        t.readable = false;
    }
    if (dir.fd < 0) return write_error(errno);
    t.dir = dir.fd;
    if (FileError err = refusal(t, t.readable ? dir.fd : -1)) return err;
    const long name_max = ::fpathconf(dir.fd, _PC_NAME_MAX);
    if (name_max > 0) t.name_max = name_max;
    FileError stuck;
    if (t.readable) remove_leftovers(t, hooks, stuck);
    FileError err = save(t, bytes, hooks);
    if (err.leftover.empty() && !stuck.leftover.empty()) {
        err.leftover = stuck.leftover;
        err.leftover_detail = stuck.leftover_detail;
    }
    // A save that did what it should but left a hidden file behind says so.
    if (!err && !err.leftover.empty()) err.kind = FileError::Leftover;
    return err;
}

std::vector<std::string> Hidden_copies(const std::string& path) {
    std::string p = path;
    if (follow_links(p) != 0) return {};
    Target t;
    t.name = name_of(p);
    t.folder = folder_of(p);
    DIR* scan = ::opendir(t.folder.c_str());
    if (!scan) return {};
    const long name_max = ::fpathconf(::dirfd(scan), _PC_NAME_MAX);
    if (name_max > 0) t.name_max = name_max;
    const std::string prefix = temp_prefix(t.name, t.name_max);
    std::vector<std::pair<struct timespec, std::string>> found;
    while (const dirent* e = ::readdir(scan)) {
        const std::string entry = e->d_name;
        struct stat st {};
        if (entry != t.name && is_temp_name(entry, prefix) &&
            ::fstatat(::dirfd(scan), entry.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            found.emplace_back(st.st_mtim, in_folder(t, entry));
    }
    ::closedir(scan);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first.tv_sec != b.first.tv_sec ? a.first.tv_sec > b.first.tv_sec : a.first.tv_nsec > b.first.tv_nsec;
    });
    std::vector<std::string> out;
    for (auto& f : found) out.push_back(std::move(f.second));
    return out;
}

FileError Write_file_replacing(const std::string& path, const std::string& bytes) {
    return Write_file_replacing(path, bytes, ReplaceHooks{});
}

}  // namespace bx
