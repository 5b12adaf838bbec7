#include "model/file_replace.h"

#include <cerrno>
#include <random>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/file_choices.h"

namespace bx {

namespace {

using file_choice::kMaxLinkHops;
using file_choice::kTempAttempts;

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
    std::string name;      // the name in it
    bool exists = false;   // a file is there already
    mode_t mode = 0;       // its permissions, kept by the new file
    long name_max = 255;   // the folder's longest name
};

void step(const ReplaceHooks& hooks, ReplaceStep s) {
    if (hooks.at_step) hooks.at_step(s);
}

// Writes, flushes and gives the file its permissions. 0 or the reason.
int fill(int fd, const Target& t, const std::string& bytes) {
    if (int e = write_all(fd, bytes)) return e;
    if (t.exists) ::fchmod(fd, t.mode);  // best effort: the new file is ours anyway
    if (::fsync(fd) != 0) return errno;
    return 0;
}

// Renames the hidden name over the target; removes it when that fails.
FileError put_in_place(const Target& t, const std::string& tmp) {
    if (::renameat(t.dir, tmp.c_str(), t.dir, t.name.c_str()) != 0) {
        const int e = errno;
        ::unlinkat(t.dir, tmp.c_str(), 0);
        return write_error(e);
    }
    ::fsync(t.dir);  // the rename itself reaches the disk
    return {};
}

// Removes one leftover unless it is not a plain file or a running save
// holds it locked. A removal that fails is let be.
void remove_leftover(const Target& t, const std::string& name, const ReplaceHooks& hooks) {
    struct stat named {};
    if (::fstatat(t.dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode)) return;
    Fd f(::openat(t.dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (f.fd < 0) return;
    struct stat opened {};
    if (::fstat(f.fd, &opened) != 0 || opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) return;
    // Held by a save still running (here or in another process), or a file
    // system without locks, which leaves the question open.
    if (::flock(f.fd, LOCK_EX | LOCK_NB) != 0) return;
    if (hooks.remove_leftover) hooks.remove_leftover(t.dir, name.c_str());
    else ::unlinkat(t.dir, name.c_str(), 0);
}

// Removes what earlier saves of the target left under its hidden names when
// they were killed before their rename. Only names of exactly the shape
// temp_name gives this target are looked at.
void remove_leftovers(const Target& t, const ReplaceHooks& hooks) {
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
    for (const std::string& name : found) remove_leftover(t, name, hooks);
}

enum class Unnamed { Done, Unsupported };

// The save through an unnamed file. Unsupported: nothing was done, and the
// named way is to be taken.
Unnamed save_unnamed(const Target& t, const std::string& bytes, const ReplaceHooks& hooks, FileError& err) {
    Fd f(::openat(t.dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (f.fd < 0) {
        // An old kernel or a file system without unnamed files.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return Unnamed::Unsupported;
        err = write_error(errno);
        return Unnamed::Done;
    }
    ::flock(f.fd, LOCK_EX | LOCK_NB);  // marks the file as a running save's (best effort)
    if (int e = fill(f.fd, t, bytes)) {
        err = write_error(e);  // the unnamed file vanishes with its descriptor
        return Unnamed::Done;
    }
    step(hooks, ReplaceStep::Written);
    const std::string proc = "/proc/self/fd/" + std::to_string(f.fd);
    auto link_as = [&](const std::string& name) {
        return ::linkat(AT_FDCWD, proc.c_str(), t.dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
    };
    if (!t.exists) {
        const int e = link_as(t.name);
        if (e == 0) {
            ::fsync(t.dir);
            return Unnamed::Done;
        }
        if (e != EEXIST) {
            if (e == ENOENT || e == EPERM || e == EOPNOTSUPP) return Unnamed::Unsupported;  // no /proc
            err = write_error(e);
            return Unnamed::Done;
        }
        // A file of that name appeared meanwhile: replaced as any other.
    }
    std::random_device rnd;
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        const std::string tmp = temp_name(t.name, t.name_max, rnd);
        const int e = link_as(tmp);
        if (e == EEXIST) continue;
        if (e == ENOENT || e == EPERM || e == EOPNOTSUPP) return Unnamed::Unsupported;
        if (e != 0) {
            err = write_error(e);
            return Unnamed::Done;
        }
        step(hooks, ReplaceStep::Linked);
        err = put_in_place(t, tmp);
        return Unnamed::Done;
    }
    err = write_error(EEXIST);
    return Unnamed::Done;
}

// The save through a hidden named file, where unnamed files are missing.
FileError save_named(const Target& t, const std::string& bytes, const ReplaceHooks& hooks) {
    std::random_device rnd;
    for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
        const std::string tmp = temp_name(t.name, t.name_max, rnd);
        Fd f(::openat(t.dir, tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (f.fd < 0) {
            if (errno == EEXIST) continue;
            return write_error(errno);
        }
        // The lock marks the file as a running save's; a second descriptor
        // of it keeps the lock until the rename is done.
        ::flock(f.fd, LOCK_EX | LOCK_NB);
        Fd hold(::dup(f.fd));
        int e = fill(f.fd, t, bytes);
        const int close_e = f.close_now();
        if (e == 0) e = close_e;
        if (e != 0) {
            ::unlinkat(t.dir, tmp.c_str(), 0);
            return write_error(e);
        }
        step(hooks, ReplaceStep::Written);
        step(hooks, ReplaceStep::Linked);
        return put_in_place(t, tmp);
    }
    return write_error(EEXIST);
}

}  // namespace

FileError Write_file_replacing(const std::string& path, const std::string& bytes, const ReplaceHooks& hooks) {
    std::string p = path;
    if (int e = follow_links(p)) return write_error(e);
    Target t;
    t.name = name_of(p);
    if (t.name.empty() || t.name == "." || t.name == "..") return write_error(EISDIR);
    struct stat st {};
    if (::stat(p.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return write_error(EISDIR);
        // A pipe or a device is never replaced by a plain file.
        if (!S_ISREG(st.st_mode)) return write_error("not a plain file");
        // A file the user may not write is not replaced either: a save
        // over it fails as writing into it would. The mode bits are asked
        // first, since for root the permission check lets everything by.
        if ((st.st_mode & 0222) == 0 || ::access(p.c_str(), W_OK) != 0) return write_error(EACCES);
        t.exists = true;
        t.mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return write_error(errno);
    }
    Fd dir(::open(folder_of(p).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0) return write_error(errno);
    t.dir = dir.fd;
    const long name_max = ::fpathconf(dir.fd, _PC_NAME_MAX);
    if (name_max > 0) t.name_max = name_max;
    remove_leftovers(t, hooks);

    if (!hooks.named_temp_only) {
        FileError err;
        if (save_unnamed(t, bytes, hooks, err) == Unnamed::Done) return err;
    }
    return save_named(t, bytes, hooks);
}

FileError Write_file_replacing(const std::string& path, const std::string& bytes) {
    return Write_file_replacing(path, bytes, ReplaceHooks{});
}

}  // namespace bx
