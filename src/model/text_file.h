// Text files of decimal numbers: the whole-image data file (datafile.h) and
// the alignment file are both written as numbers separated by blanks, one
// line per record, CR LF line ends. This header holds what they share:
//
//   FileError            why a load or a save failed, for the message box;
//   NumberReader         reads the numbers of a text one after another;
//   Next_number/Next_byte one field, with the error that names its line;
//   Last_number_whole    the last number a file needs was not cut off;
//   Append_number_item   one number as the files write it;
//   Read_for_loading     reads a plain file (never a pipe, device or folder),
//                        never more than its limit;
//   Name_whole_copy      names a whole hidden copy beside a file a load refused;
//   Write_file_replacing writes a whole file so that a failure, a crash or a
//                        kill leaves the old file as it was (file_replace.h);
//   File_error_text      the message of a FileError in either language.
//
// A loader reads everything into a scratch copy and replaces the data only
// when the whole file is good, for example (a file of `kRows` lines of 16
// bytes):
//
//   std::string bytes;
//   if (FileError e = Read_for_loading(path, bytes)) return e;
//   std::istringstream in(bytes);
//   NumberReader rd(in);
//   Table scratch = table;
//   FileError err;
//   for (int row = 0; row < kRows; ++row)
//       for (int k = 0; k < 16; ++k)
//           if (!Next_byte(rd, scratch[row][k], err)) {
//               if (err.kind == FileError::Ends_early) { err.count = row; err.expected = kRows; }
//               return err;
//           }
//   if (!Last_number_whole(rd, err)) return err;
//   table = scratch;
//   return {};
//
// and a save builds the file's text with Append_number_item and "\r\n" and
// hands it to Write_file_replacing.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <sstream>
#include <string>

namespace bx {

// Why a file operation failed.
struct FileError {
    enum Kind {
        None,
        Cannot_open,   // the file cannot be opened or read (detail: the reason)
        Ends_early,    // the file ends too soon (count of expected records read)
        Not_a_number,  // a field is not a whole number (token, line)
        Out_of_range,  // a byte value outside 0..255 (token as written, line)
        Out_of_place,  // a line's leading numbers name another record (line,
                       // count: the record due, token: the numbers found,
                       // want: the numbers due, line_start: whether they
                       // begin their line)
        One_too_many,  // a record holds one number more than it should, or
        One_too_few,   // one fewer (count: the record, line to last_line: the
                       // lines it stands on)
        Cut_short,     // the last number runs into the end of a file that has
                       // line ends (token, line)
        Trailing,      // something follows the last record (token, line,
                       // count: the last record)
        Too_large,     // the file is far larger than its format (size, limit)
        Cannot_write,  // the file cannot be created or written (detail: the reason)
        Folder_not_writable,  // a save may make no file in the folder (folder, detail: the reason)
        Read_only_fs,  // the file (or its folder) is on a file system mounted read-only
        Immutable,     // the file, or the folder when `folder` is set, is marked immutable
        Append_only,   // the file, or the folder when `folder` is set, is marked append-only
        Busy,          // another save is writing the file at this moment
        Replaced,      // another save replaced the file while this one wrote it
                       // (copy: the file holding what this save wrote)
        Left_incomplete,  // the file was emptied and could not be written
                          // (detail), nor its old contents put back
                          // (put_back): it is cut; copy: the whole new contents
        Leftover,      // the file was saved, but the hidden file beside it
                       // could not be removed (leftover, leftover_detail)
    } kind = None;
    int line = 0;        // 1-based line of the field
    int last_line = 0;   // One_too_many/One_too_few: the record's last line
    int count = 0;       // Ends_early: records read completely; Out_of_place,
                         // One_too_many/One_too_few, Trailing: the record
    int expected = 0;    // Ends_early: records the file should hold
    bool line_start = true;  // Out_of_place: the numbers found begin their line
    unsigned long long size = 0, limit = 0;  // Too_large: bytes in the file, bytes allowed
    std::string token;   // the field as it stands in the file (cut when long)
    std::string want;    // Out_of_place: what the line should begin with
    std::string detail;  // the system's reason
    std::string folder;  // Folder_not_writable, Immutable, Append_only: the folder
    std::string put_back;  // Left_incomplete: why the old contents could not be put back
    // A file beside this one holding its whole contents: on a save that
    // failed (Replaced, Left_incomplete), and on a load refused, a hidden
    // copy that an unfinished save left and that loads whole.
    std::string copy;
    // A hidden file of this save that could not be removed, and why; named
    // by the message whatever the failure.
    std::string leftover, leftover_detail;
    explicit operator bool() const { return kind != None; }
};

// Reads numbers from a text one after another, regardless of line ends. A
// number ends at a blank, a tab, a comma or a line end; blanks, tabs, CR and
// LF before it are skipped, and so is one comma after it. A field is a whole
// number with an optional sign; anything else (an empty field between two
// commas included) is not a number. A UTF-8 byte-order mark at the very
// start of the text is skipped. Lines are counted with CR LF, a lone LF and
// a lone CR each ending one line.
class NumberReader {
public:
    explicit NumberReader(std::istream& in) : in_(in) {}
    enum Result { Ok, End, Bad };
    // Ok: v holds the number (a value beyond any byte may be held at a
    // bound); End: no number is left; Bad: the field is not a number.
    // token() is the field as it stands in the file (its first 40 bytes,
    // a character cut there kept whole, then "..." when it is longer);
    // line() is its line.
    Result next(long long& v);
    int line() const { return line_; }
    const std::string& token() const { return token_; }
    bool failed() const { return in_.bad(); }
    // The field last read is the first one on its line.
    bool first_on_line() const { return first_on_line_; }
    // The field last read runs into the end of the text: no blank, comma or
    // line end follows it.
    bool ran_into_end() const { return ran_into_end_; }
    // A line end has been passed so far.
    bool line_ends_seen() const { return line_ends_seen_; }

private:
    std::istream& in_;
    int line_ = 1;
    int cur_line_ = 1;
    int last_field_line_ = 0;
    std::string token_;
    bool at_start_ = true;
    bool first_on_line_ = true;
    bool ran_into_end_ = false;
    bool line_ends_seen_ = false;
};

// The next field of `rd` as a number. False when there is none: `err` then
// says why (Ends_early with its line; the caller fills count and expected).
bool Next_number(NumberReader& rd, long long& v, FileError& err);

// The next field as a byte 0..255; a number outside it is Out_of_range.
bool Next_byte(NumberReader& rd, uint8_t& b, FileError& err);

// Called after the last number a file needs. A text that has line ends
// was cut when that number runs into its end (the last line lost its end
// and maybe digits): false, with `err` a Cut_short naming the number and its
// line. A text of numbers without any line end may end on its last number.
bool Last_number_whole(const NumberReader& rd, FileError& err);

// One number as both files write it: a blank (a "-" in its place for a
// negative number), the decimal digits and a blank.
void Append_number_item(std::string& out, long long v);

// Reads the plain file at `path` into `bytes`. A folder, a pipe (which
// would wait for a writer) or a device (/dev/zero never ends) is refused as
// Cannot_open, as is a missing or unreadable file. No more than
// file_choice::kMaxLoadBytes + 1 bytes are ever read, whatever the file does
// meanwhile (another program may keep writing it): a file longer than the
// limit, at the start or by the time the limit is passed, is Too_large.
FileError Read_for_loading(const std::string& path, std::string& bytes);

// After a load of `path` was refused with `err`: when an unfinished save
// left a hidden copy beside the file (file_replace.h) that `loads` accepts
// whole, err.copy names it (the newest such copy), so the message can say
// where the whole contents are.
void Name_whole_copy(const std::string& path, FileError& err, const std::function<bool(const std::string&)>& loads);

// A whole load: reads `path` (Read_for_loading) and parses it into `out`
// with `parse`, which changes `out` only when the whole file is good; a
// refusal names a whole hidden copy beside the file that `parse` accepts.
template <class T>
FileError Load_whole_file(const std::string& path, T& out, FileError (*parse)(std::istream&, T&)) {
    std::string bytes;
    FileError err = Read_for_loading(path, bytes);
    if (!err) {
        std::istringstream in(bytes);
        err = parse(in, out);
    }
    if (err) {
        Name_whole_copy(path, err, [parse](const std::string& copy) {
            std::istringstream in(copy);
            T scratch{};
            return !parse(in, scratch);
        });
    }
    return err;
}

// Writes `bytes` as the whole content of `path`, through a temporary file in
// the target's folder that takes the target's name only once every byte is
// on disk, or (a file that keeps its inode) by rewriting the file only once
// the whole new contents are on the disk beside it. A save that fails
// before touching the file leaves it as it was; one that fails after
// (file_replace.h, 5) keeps a whole copy beside it and names it. A kill may
// leave a hidden temporary file, which the next save of the same file
// removes first. A symbolic link is kept and the file it names written. A
// folder, a pipe or a device is never replaced. The file keeps its owner,
// group, mode, extended attributes (ACLs), the inode flags listed in
// file_choices.h and every other name it has (hard links).
FileError Write_file_replacing(const std::string& path, const std::string& bytes);

// The message for a failed load or save of `path`, in the flag's language.
std::string File_error_text(const FileError& e, const std::string& path, int16_t lang_chinese);

}  // namespace bx
