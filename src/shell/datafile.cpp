#include "shell/datafile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace bx {

namespace {

// Longest field kept for a message; a longer one is no number anyway.
constexpr size_t kMaxToken = 40;

bool is_blank(int c) { return c == ' ' || c == '\t'; }
bool ends_field(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

void put_number(std::string& out, int v) {
    out += ' ';
    out += std::to_string(v);
    out += ' ';
}

std::string errno_text(int e) { return std::generic_category().message(e); }

}  // namespace

std::string Data_file_text(const MemImage& image) {
    std::string out;
    out.reserve(static_cast<size_t>(kImageRecords) * 96);
    for (int r = 0; r < kImageRecords; ++r) {
        put_number(out, r / 16);
        put_number(out, r % 16);
        put_number(out, r);
        for (int b = 0; b < kRecordBytes; ++b) put_number(out, image(r, b));
        out += "\r\n";
    }
    return out;
}

NumberReader::Result NumberReader::next(long long& v) {
    token_.clear();
    int c;
    while ((c = in_.peek()) != EOF) {
        if (c == '\n') ++cur_line_;
        else if (!is_blank(c) && c != '\r') break;
        in_.get();
    }
    line_ = cur_line_;
    if (c == EOF) return End;
    if (c == ',') {  // nothing between two separators
        in_.get();
        return Bad;
    }
    bool too_long = false;
    while ((c = in_.peek()) != EOF && !ends_field(c)) {
        if (token_.size() < kMaxToken) token_ += static_cast<char>(c);
        else too_long = true;
        in_.get();
    }
    // One comma after the number (with blanks before it) belongs to it.
    while ((c = in_.peek()) != EOF && is_blank(c)) in_.get();
    if (c == ',') in_.get();
    if (too_long) return Bad;

    size_t i = 0;
    bool negative = false;
    if (i < token_.size() && (token_[i] == '-' || token_[i] == '+')) negative = token_[i++] == '-';
    if (i == token_.size()) return Bad;
    long long n = 0;
    for (; i < token_.size(); ++i) {
        char d = token_[i];
        if (d < '0' || d > '9') return Bad;
        if (n < 1000000000000LL) n = n * 10 + (d - '0');  // beyond any byte: saturate
    }
    v = negative ? -n : n;
    return Ok;
}

FileError Parse_data_file(std::istream& in, MemImage& image) {
    MemImage scratch = image;
    NumberReader rd(in);
    FileError err;
    for (int r = 0; r < kImageRecords; ++r) {
        for (int k = 0; k < kDataFileLineNumbers; ++k) {
            long long v = 0;
            NumberReader::Result res = rd.next(v);
            if (rd.failed()) {
                err.kind = FileError::Cannot_open;
                err.detail = "read error";
                return err;
            }
            err.line = rd.line();
            if (res == NumberReader::End) {
                err.kind = FileError::Ends_early;
                err.count = r;
                return err;
            }
            if (res == NumberReader::Bad) {
                err.kind = FileError::Not_a_number;
                err.token = rd.token();
                return err;
            }
            // The first three numbers repeat the record's place; not compared.
            if (k < 3) continue;
            if (v < 0 || v > 255) {
                err.kind = FileError::Out_of_range;
                err.value = v;
                return err;
            }
            scratch(r, k - 3) = static_cast<uint8_t>(v);
        }
    }
    image = scratch;
    return FileError{};
}

FileError Load_data_file(const std::string& path, MemImage& image) {
    FileError err;
    std::error_code ec;
    const fs::file_status st = fs::status(fs::path(path), ec);
    if (fs::is_directory(st)) {
        err.kind = FileError::Cannot_open;
        err.detail = errno_text(EISDIR);
        return err;
    }
    // Only a plain file: a pipe would stop the program waiting for a writer
    // and a device such as /dev/zero would be read for ever.
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        err.kind = FileError::Cannot_open;
        err.detail = "not a plain file";
        return err;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err.kind = FileError::Cannot_open;
        err.detail = errno_text(errno != 0 ? errno : ENOENT);
        return err;
    }
    return Parse_data_file(in, image);
}

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
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && ::fsync(::fileno(f)) == 0;
#endif
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

FileError Save_data_file(const std::string& path, const MemImage& image) {
    return Write_file_replacing(path, Data_file_text(image));
}

}  // namespace bx
