#include "model/text_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "model/file_choices.h"

namespace fs = std::filesystem;

namespace bx {

namespace {

using file_choice::kSaturated;
using file_choice::kShownToken;

bool is_blank(int c) { return c == ' ' || c == '\t'; }
bool ends_field(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

std::string errno_text(int e) { return std::generic_category().message(e); }

// A field from a file, safe to show: printable ASCII kept, anything else "?".
std::string shown_token(const std::string& t) {
    std::string s;
    for (char c : t) s += (c >= 0x20 && c < 0x7F) ? c : '?';
    return s;
}

}  // namespace

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
    // The field is read whole, however long: its first characters are kept
    // for a message, and its value is taken digit by digit, so a run of
    // digits of any length is a number (a long one simply out of range).
    size_t length = 0;
    bool number = true;
    bool digits = false;
    bool negative = false;
    long long n = 0;
    while ((c = in_.peek()) != EOF && !ends_field(c)) {
        if (length < kShownToken) token_ += static_cast<char>(c);
        if (c >= '0' && c <= '9') {
            digits = true;
            if (n < kSaturated) n = n * 10 + (c - '0');
        } else if (length == 0 && (c == '-' || c == '+')) {
            negative = c == '-';
        } else {
            number = false;
        }
        ++length;
        in_.get();
    }
    if (length > kShownToken) token_ += "...";
    // One comma after the number (with blanks before it) belongs to it.
    while ((c = in_.peek()) != EOF && is_blank(c)) in_.get();
    if (c == ',') in_.get();
    if (!number || !digits) return Bad;
    v = negative ? -n : n;
    return Ok;
}

bool Next_number(NumberReader& rd, long long& v, FileError& err) {
    NumberReader::Result res = rd.next(v);
    if (rd.failed()) {
        err.kind = FileError::Cannot_open;
        err.detail = errno_text(EIO);
        return false;
    }
    err.line = rd.line();
    if (res == NumberReader::End) {
        err.kind = FileError::Ends_early;
        return false;
    }
    if (res == NumberReader::Bad) {
        err.kind = FileError::Not_a_number;
        err.token = rd.token();
        return false;
    }
    return true;
}

bool Next_byte(NumberReader& rd, uint8_t& b, FileError& err) {
    long long v = 0;
    if (!Next_number(rd, v, err)) return false;
    if (v < 0 || v > 255) {
        err.kind = FileError::Out_of_range;
        err.token = rd.token();
        return false;
    }
    b = static_cast<uint8_t>(v);
    return true;
}

void Append_number_item(std::string& out, long long v) {
    out += v < 0 ? '-' : ' ';
    // The magnitude as unsigned, so the most negative value has one too.
    const unsigned long long m = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    out += std::to_string(m);
    out += ' ';
}

FileError Open_for_reading(const std::string& path, std::ifstream& in) {
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
    in.open(path, std::ios::binary);
    if (!in) {
        err.kind = FileError::Cannot_open;
        err.detail = errno_text(errno != 0 ? errno : ENOENT);
    }
    return err;
}

std::string File_error_text(const FileError& e, const std::string& path, int16_t lang_chinese) {
    const bool chn = lang_chinese != 0;
    const std::string line = std::to_string(e.line);
    switch (e.kind) {
    case FileError::None:
        return {};
    case FileError::Cannot_open:
        return chn ? "无法打开文件 " + path + "（" + e.detail + "），参数未调入。"
                   : "Cannot open the file " + path + " (" + e.detail + "). Nothing was loaded.";
    case FileError::Ends_early:
        return chn ? "文件不完整：只有 " + std::to_string(e.count) + " 条记录（应为 " + std::to_string(e.expected) +
                         " 条），参数未调入。"
                   : "The file is incomplete: it holds " + std::to_string(e.count) + " of the " +
                         std::to_string(e.expected) + " records. Nothing was loaded.";
    case FileError::Not_a_number:
        if (e.token.empty())
            return chn ? "文件第 " + line + " 行有一个空的数据项，参数未调入。"
                       : "Line " + line + " of the file holds an empty field. Nothing was loaded.";
        return chn ? "文件第 " + line + " 行的 \"" + shown_token(e.token) + "\" 不是数字，参数未调入。"
                   : "Line " + line + " of the file holds \"" + shown_token(e.token) +
                         "\", which is not a number. Nothing was loaded.";
    case FileError::Out_of_range:
        return chn ? "文件第 " + line + " 行的数值 " + shown_token(e.token) + " 超出 0 - 255 的范围，参数未调入。"
                   : "Line " + line + " of the file holds the value " + shown_token(e.token) +
                         ", outside 0 to 255. Nothing was loaded.";
    case FileError::Out_of_place:
        return chn ? "文件第 " + line + " 行以 \"" + shown_token(e.token) + "\" 开头，而第 " + std::to_string(e.count) +
                         " 条记录应为 \"" + e.want + "\"：文件缺行、多行或行序错乱，参数未调入。"
                   : "Line " + line + " of the file begins with \"" + shown_token(e.token) + "\" where record " +
                         std::to_string(e.count) + " needs \"" + e.want +
                         "\": lines are missing, doubled or out of order. Nothing was loaded.";
    case FileError::Cannot_write:
        return chn ? "无法保存文件 " + path + "（" + e.detail + "），参数未保存。"
                   : "Cannot save the file " + path + " (" + e.detail + "). Nothing was saved.";
    }
    return {};
}

}  // namespace bx
