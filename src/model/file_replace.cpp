#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include <unistd.h>

#include "model/text_file.h"

namespace fs = std::filesystem;

namespace bx {

namespace {

std::string errno_text(int e) { return std::generic_category().message(e); }

}  // namespace

FileError Write_file_replacing(const std::string& path, const std::string& bytes) {
    FileError err;
    err.kind = FileError::Cannot_write;
    std::error_code ec;
    fs::path target(path);
    // Write through a link to the file it names, so the link stays.
    if (fs::is_symlink(target, ec)) {
        fs::path real = fs::weakly_canonical(target, ec);
        if (!ec) target = real;
    }
    const fs::file_status st = fs::status(target, ec);
    if (fs::is_directory(st)) {
        err.detail = errno_text(EISDIR);
        return err;
    }
    // A pipe or a device is never replaced by a plain file.
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        err.detail = "not a plain file";
        return err;
    }
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string base = ".";
    base += target.filename().string();
    base += ".tmp";

    std::random_device rd;
    std::FILE* f = nullptr;
    fs::path tmp;
    int open_errno = 0;
    for (int attempt = 0; attempt < 16 && !f; ++attempt) {
        tmp = dir / (base + std::to_string(rd() % 1000000u));
        errno = 0;
        f = std::fopen(tmp.string().c_str(), "wbx");  // never an existing file
        open_errno = errno;
        if (!f && open_errno != EEXIST) break;
    }
    if (!f) {
        err.detail = errno_text(open_errno != 0 ? open_errno : EACCES);
        return err;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int write_errno = errno;
    ok = ok && std::fflush(f) == 0;
    ok = ok && ::fsync(::fileno(f)) == 0;
    if (!ok) write_errno = errno;
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        write_errno = errno;
    }
    if (ok) {
        // A replaced file keeps its permissions.
        if (fs::exists(target, ec)) {
            fs::perms p = fs::status(target, ec).permissions();
            if (!ec) fs::permissions(tmp, p, ec);
        }
        fs::rename(tmp, target, ec);
        if (!ec) return FileError{};
        err.detail = ec.message();
    } else {
        err.detail = errno_text(write_errno != 0 ? write_errno : EIO);
    }
    fs::remove(tmp, ec);
    return err;
}

}  // namespace bx
