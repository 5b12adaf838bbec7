#include "model/text_file.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/datafile.h"
#include "model/file_choices.h"
#include "model/file_replace.h"

namespace bx {

namespace {

using file_choice::kSaturated;
using file_choice::kShownToken;

bool is_blank(int c) { return c == ' ' || c == '\t'; }
bool ends_field(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

std::string errno_text(int e) { return std::generic_category().message(e); }

// The length of the well-formed UTF-8 character at t[i] (no overlong form,
// no surrogate, nothing above U+10FFFF), or 0 when none starts there.
size_t utf8_char_at(const std::string& t, size_t i) {
    const auto b = [&](size_t k) { return i + k < t.size() ? static_cast<unsigned char>(t[i + k]) : 0u; };
    const auto tail = [&](size_t k) { return (b(k) & 0xC0) == 0x80; };
    const unsigned c = b(0);
    if (c < 0x80) return i < t.size() ? 1 : 0;
    if (c >= 0xC2 && c <= 0xDF) return tail(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const unsigned lo = c == 0xE0 ? 0xA0 : 0x80, hi = c == 0xED ? 0x9F : 0xBF;
        return b(1) >= lo && b(1) <= hi && tail(2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const unsigned lo = c == 0xF0 ? 0x90 : 0x80, hi = c == 0xF4 ? 0x8F : 0xBF;
        return b(1) >= lo && b(1) <= hi && tail(2) && tail(3) ? 4 : 0;
    }
    return 0;
}

// A field from a file, safe and readable in a message: a printable
// character (any script) as it is; a control character, a byte that is no
// text and the byte-order mark as \xHH, one per byte.
std::string shown_token(const std::string& t) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string s;
    for (size_t i = 0; i < t.size();) {
        const size_t n = utf8_char_at(t, i);
        const unsigned c = static_cast<unsigned char>(t[i]);
        const bool control = n == 1 ? (c < 0x20 || c == 0x7F)
                                    : n == 2 && c == 0xC2 && static_cast<unsigned char>(t[i + 1]) < 0xA0;
        const bool mark = n == 3 && t.compare(i, 3, "\xEF\xBB\xBF") == 0;
        if (n > 0 && !control && !mark) {
            s.append(t, i, n);
            i += n;
            continue;
        }
        for (size_t k = 0; k < std::max<size_t>(n, 1); ++k, ++i) {
            const unsigned v = static_cast<unsigned char>(t[i]);
            s += "\\x";
            s += kHex[v >> 4];
            s += kHex[v & 15];
        }
    }
    return s;
}

}  // namespace

NumberReader::Result NumberReader::next(long long& v) {
    token_.clear();
    int c;
    // A byte-order mark at the very start (some editors save text with one)
    // is not part of the file's data. Its first bytes without the rest
    // begin a field that is not a number.
    std::string lead;
    if (at_start_) {
        at_start_ = false;
        static const char kMark[] = "\xEF\xBB\xBF";
        while (lead.size() < 3 && in_.peek() == static_cast<unsigned char>(kMark[lead.size()]))
            lead += static_cast<char>(in_.get());
        if (lead.size() == 3) lead.clear();
    }
    // CR LF is one line end; a lone CR or a lone LF is one too. A line end
    // is never part of a field, so both bytes of a CR LF are passed here.
    bool after_cr = false;
    while (lead.empty() && (c = in_.peek()) != EOF) {
        if (c == '\r' || (c == '\n' && !after_cr)) {
            ++cur_line_;
            line_ends_seen_ = true;
        } else if (!is_blank(c) && c != '\n') {
            break;
        }
        after_cr = c == '\r';
        in_.get();
    }
    line_ = cur_line_;
    first_on_line_ = line_ != last_field_line_;
    last_field_line_ = line_;
    ran_into_end_ = false;
    c = in_.peek();
    if (lead.empty() && c == EOF) return End;
    if (lead.empty() && c == ',') {  // nothing between two separators
        in_.get();
        return Bad;
    }
    // The field is read whole, however long: its first bytes are kept for a
    // message (a character cut there is kept whole), and its value is taken
    // digit by digit, so a run of digits of any length is a number (a long
    // one simply out of range).
    token_ = lead;
    size_t length = lead.size();
    bool cut = false;
    bool number = lead.empty();
    bool digits = false;
    bool negative = false;
    long long n = 0;
    while ((c = in_.peek()) != EOF && !ends_field(c)) {
        const bool continues_char = (c & 0xC0) == 0x80 && !cut && length < kShownToken + 3;
        if (length < kShownToken || continues_char) token_ += static_cast<char>(c);
        else cut = true;
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
    if (cut) token_ += "...";
    ran_into_end_ = c == EOF;
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

bool Last_number_whole(const NumberReader& rd, FileError& err) {
    if (!rd.ran_into_end() || !rd.line_ends_seen()) return true;
    err.kind = FileError::Cut_short;
    err.line = rd.line();
    err.token = rd.token();
    return false;
}

void Append_number_item(std::string& out, long long v) {
    out += v < 0 ? '-' : ' ';
    // The magnitude as unsigned, so the most negative value has one too.
    const unsigned long long m = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    out += std::to_string(m);
    out += ' ';
}

FileError Read_for_loading(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileError err;
    auto cannot = [&](int e) {
        err.kind = FileError::Cannot_open;
        err.detail = errno_text(e != 0 ? e : EIO);
        return err;
    };
    // Opened without waiting (a pipe with no writer would stop the program
    // here) and then looked at: only a plain file is read, as a pipe would
    // stop it and a device such as /dev/zero would be read for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return cannot(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        return cannot(e);
    }
    if (S_ISDIR(st.st_mode) || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (S_ISDIR(st.st_mode)) return cannot(EISDIR);
        err.kind = FileError::Cannot_open;
        err.detail = "not a plain file";
        return err;
    }
    const unsigned long long limit = file_choice::kMaxLoadBytes;
    auto too_large = [&](unsigned long long size) {
        err.kind = FileError::Too_large;
        err.size = size;
        err.limit = limit;
        bytes.clear();
        return err;
    };
    // A file far larger than any format is refused before a byte is read;
    // one that grows meanwhile is read no further than one byte past the
    // limit.
    if (static_cast<unsigned long long>(st.st_size) > limit) {
        ::close(fd);
        return too_large(static_cast<unsigned long long>(st.st_size));
    }
    bytes.resize(static_cast<size_t>(limit) + 1);
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            bytes.clear();
            return cannot(e);
        }
        got += static_cast<size_t>(n);
    }
    if (got > limit) {
        if (::fstat(fd, &st) != 0) st.st_size = 0;
        ::close(fd);
        return too_large(std::max<unsigned long long>(got, static_cast<unsigned long long>(st.st_size)));
    }
    ::close(fd);
    bytes.resize(got);
    return err;
}

void Name_whole_copy(const std::string& path, FileError& err, const std::function<bool(const std::string&)>& loads) {
    for (const std::string& copy : Hidden_copies(path)) {
        std::string bytes;
        if (!Read_for_loading(copy, bytes) && loads(bytes)) {
            err.copy = copy;
            return;
        }
    }
}

namespace {

std::string Main_text(const FileError& e, const std::string& path, bool chn) {
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
        if (!e.line_start)
            return chn ? "文件第 " + line + " 行的 \"" + shown_token(e.token) + "\" 处应为第 " + std::to_string(e.count) +
                             " 条记录的 \"" + e.want + "\"：文件缺数、多数或顺序错乱，参数未调入。"
                       : "Line " + line + " of the file holds \"" + shown_token(e.token) + "\" where record " +
                             std::to_string(e.count) + " needs \"" + e.want +
                             "\": numbers are missing, doubled or out of order. Nothing was loaded.";
        return chn ? "文件第 " + line + " 行以 \"" + shown_token(e.token) + "\" 开头，而第 " + std::to_string(e.count) +
                         " 条记录应为 \"" + e.want + "\"：文件缺行、多行或行序错乱，参数未调入。"
                   : "Line " + line + " of the file begins with \"" + shown_token(e.token) + "\" where record " +
                         std::to_string(e.count) + " needs \"" + e.want +
                         "\": lines are missing, doubled or out of order. Nothing was loaded.";
    case FileError::One_too_many:
    case FileError::One_too_few: {
        const bool many = e.kind == FileError::One_too_many;
        const bool one_line = e.last_line <= e.line;
        const std::string last = std::to_string(e.last_line);
        const std::string record = std::to_string(e.count);
        const std::string due = std::to_string(kDataFileLineNumbers);
        const std::string held = std::to_string(kDataFileLineNumbers + (many ? 1 : -1));
        if (chn)
            return "文件第 " + line + (one_line ? "" : " - " + last) + " 行的第 " + record + " 条记录" +
                   (many ? "多了" : "少了") + "一个数（有 " + held + " 个，应为 " + due +
                   " 个：记录位置 3 个和 16 个字节），参数未调入。";
        const std::string where =
            one_line ? "Line " + line + " of the file holds" : "Lines " + line + " to " + last + " of the file hold";
        return where + " one number too " + (many ? "many" : "few") + " for record " + record + ": " + held +
               " where " + due + " are due (the record's place and its 16 bytes). Nothing was loaded.";
    }
    case FileError::Cut_short:
        return chn ? "文件在第 " + line + " 行的 \"" + shown_token(e.token) + "\" 处中断，其后没有行尾：文件不完整，参数未调入。"
                   : "The file ends in the middle of line " + line + ", at \"" + shown_token(e.token) +
                         "\" with no line end after it: it is cut short. Nothing was loaded.";
    case FileError::Trailing:
        return chn ? "文件第 " + line + " 行在最后一条记录（第 " + std::to_string(e.count) + " 条）之后还有 \"" +
                         shown_token(e.token) + "\"，参数未调入。"
                   : "Line " + line + " of the file holds \"" + shown_token(e.token) + "\" after record " +
                         std::to_string(e.count) + ", the last one: nothing may follow it. Nothing was loaded.";
    case FileError::Too_large:
        return chn ? "文件 " + path + " 有 " + std::to_string(e.size) + " 字节，超出此类文件的最大长度（" +
                         std::to_string(e.limit) + " 字节），参数未调入。"
                   : "The file " + path + " is " + std::to_string(e.size) +
                         " bytes long, more than a file of this kind may be (" + std::to_string(e.limit) +
                         " bytes). Nothing was loaded.";
    case FileError::Cannot_write:
        return chn ? "无法保存文件 " + path + "（" + e.detail + "），参数未保存。"
                   : "Cannot save the file " + path + " (" + e.detail + "). Nothing was saved.";
    case FileError::Folder_not_writable:
        return chn ? "无法保存文件 " + path + "：文件夹 " + e.folder + " 不可写入（" + e.detail + "），参数未保存。"
                   : "Cannot save the file " + path + ": the folder " + e.folder + " cannot be written to (" +
                         e.detail + "). Nothing was saved.";
    case FileError::Read_only_fs:
        return chn ? "无法保存文件 " + path + "：它所在的文件系统为只读，参数未保存。"
                   : "Cannot save the file " + path + ": it is on a read-only file system. Nothing was saved.";
    case FileError::Immutable:
        if (!e.folder.empty())
            return chn ? "无法保存文件 " + path + "：文件夹 " + e.folder + " 被设为不可更改，参数未保存。"
                       : "Cannot save the file " + path + ": the folder " + e.folder +
                             " is marked immutable. Nothing was saved.";
        return chn ? "无法保存文件 " + path + "：该文件被设为不可更改，参数未保存。"
                   : "Cannot save the file " + path + ": the file is marked immutable. Nothing was saved.";
    case FileError::Append_only:
        if (!e.folder.empty())
            return chn ? "无法保存文件 " + path + "：文件夹 " + e.folder +
                             " 被设为只可追加（只能添加新文件，不能替换或删除文件），参数未保存。"
                       : "Cannot save the file " + path + ": the folder " + e.folder +
                             " is marked append-only (files may be added to it, but none replaced or removed). "
                             "Nothing was saved.";
        return chn ? "无法保存文件 " + path + "：该文件被设为只可追加（只能在末尾添加内容），参数未保存。"
                   : "Cannot save the file " + path +
                         ": the file is marked append-only (it may only grow at its end). Nothing was saved.";
    case FileError::Busy:
        return chn ? "无法保存文件 " + path + "：另一个保存操作正在写入该文件，参数未保存。"
                   : "Cannot save the file " + path + ": another save is writing it at this moment. Nothing was saved.";
    case FileError::Replaced:
        return chn ? "无法保存文件 " + path + "：保存期间该文件被另一个保存操作替换，它现在保存的不是本次的参数。本次保存的完整内容在 " +
                         e.copy + " 中。"
                   : "Cannot save the file " + path +
                         ": another save replaced it while this one wrote it, so it does not hold what was saved "
                         "here. The whole contents saved here are in " + e.copy + ".";
    case FileError::Left_incomplete:
        return chn ? "无法保存文件 " + path + "（" + e.detail + "），其原内容也未能恢复（" + e.put_back +
                         "）：该文件已不完整。完整的新内容保存在 " + e.copy + " 中。"
                   : "Cannot save the file " + path + " (" + e.detail + "), and its old contents could not be put back (" +
                         e.put_back + "): the file is left incomplete. The whole new contents are in " + e.copy + ".";
    case FileError::Leftover:
        return chn ? "文件 " + path + " 已保存。" : "The file " + path + " was saved.";
    }
    return {};
}

}  // namespace

std::string File_error_text(const FileError& e, const std::string& path, int16_t lang_chinese) {
    const bool chn = lang_chinese != 0;
    std::string text = Main_text(e, path, chn);
    // A whole copy beside a file a load refused (a save that failed names
    // its copy in its own words above).
    if (!e.copy.empty() && e.kind != FileError::Replaced && e.kind != FileError::Left_incomplete)
        text += chn ? "未完成的保存在 " + e.copy + " 中留下了该文件的完整内容。"
                    : " A save that did not complete left the file's whole contents in " + e.copy + ".";
    if (!e.leftover.empty())
        text += chn ? "其旁边的隐藏文件 " + e.leftover + " 未能删除（" + e.leftover_detail + "），请手动删除。"
                    : " The hidden file " + e.leftover + " beside it could not be removed (" + e.leftover_detail +
                          "); remove it by hand.";
    return text;
}

}  // namespace bx
