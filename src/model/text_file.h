// Text files of decimal numbers: the whole-image data file (datafile.h) and
// the alignment file are both written as numbers separated by blanks, one
// line per record, CR LF line ends. This header holds what they share:
//
//   FileError            why a load or a save failed, for the message box;
//   NumberReader         reads the numbers of a text one after another;
//   Next_number/Next_byte one field, with the error that names its line;
//   Append_number_item   one number as the files write it;
//   Open_for_reading     opens a plain file (never a pipe, device or folder);
//   Write_file_replacing writes a whole file so that a failure, a crash or a
//                        kill leaves the old file as it was (file_replace.h);
//   File_error_text      the message of a FileError in either language.
//
// A loader reads everything into a scratch copy and replaces the data only
// when the whole file is good, for example (a file of `kRows` lines of 16
// bytes):
//
//   std::ifstream in;
//   if (FileError e = Open_for_reading(path, in)) return e;
//   NumberReader rd(in);
//   Table scratch = table;
//   FileError err;
//   for (int row = 0; row < kRows; ++row)
//       for (int k = 0; k < 16; ++k)
//           if (!Next_byte(rd, scratch[row][k], err)) {
//               if (err.kind == FileError::Ends_early) { err.count = row; err.expected = kRows; }
//               return err;
//           }
//   table = scratch;
//   return {};
//
// and a save builds the file's text with Append_number_item and "\r\n" and
// hands it to Write_file_replacing.
#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
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
                       // want: the numbers due)
        Cannot_write,  // the file cannot be created or written (detail: the reason)
        Folder_not_writable,  // a save may make no file in the folder (folder, detail: the reason)
    } kind = None;
    int line = 0;        // 1-based line of the field
    int count = 0;       // Ends_early: records read completely; Out_of_place: the record
    int expected = 0;    // Ends_early: records the file should hold
    std::string token;   // the field as it stands in the file (cut when long)
    std::string want;    // Out_of_place: what the line should begin with
    std::string detail;  // the system's reason
    std::string folder;  // Folder_not_writable: the folder
    explicit operator bool() const { return kind != None; }
};

// Reads numbers from a text one after another, regardless of line ends. A
// number ends at a blank, a tab, a comma or a line end; blanks, tabs, CR and
// LF before it are skipped, and so is one comma after it. A field is a whole
// number with an optional sign; anything else (an empty field between two
// commas included) is not a number. A UTF-8 byte-order mark at the very
// start of the text is skipped.
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

private:
    std::istream& in_;
    int line_ = 1;
    int cur_line_ = 1;
    std::string token_;
    bool at_start_ = true;
};

// The next field of `rd` as a number. False when there is none: `err` then
// says why (Ends_early with its line; the caller fills count and expected).
bool Next_number(NumberReader& rd, long long& v, FileError& err);

// The next field as a byte 0..255; a number outside it is Out_of_range.
bool Next_byte(NumberReader& rd, uint8_t& b, FileError& err);

// One number as both files write it: a blank (a "-" in its place for a
// negative number), the decimal digits and a blank.
void Append_number_item(std::string& out, long long v);

// Opens the plain file at `path` for reading in binary mode. A folder, a
// pipe (which would wait for a writer) or a device (/dev/zero never ends)
// is refused as Cannot_open, as is a missing or unreadable file.
FileError Open_for_reading(const std::string& path, std::ifstream& in);

// Writes `bytes` as the whole content of `path`, through a temporary file in
// the target's folder that takes the target's name only once every byte is
// on disk. On any failure the old file at `path` is untouched and nothing is
// left beside it; a kill may leave a hidden temporary file, which the next
// save of the same file removes first. A symbolic link is kept and the file
// it names written. A folder, a pipe or a device is never replaced. The file
// keeps its owner, group, mode, extended attributes (ACLs) and every other
// name it has (hard links).
FileError Write_file_replacing(const std::string& path, const std::string& bytes);

// The message for a failed load or save of `path`, in the flag's language.
std::string File_error_text(const FileError& e, const std::string& path, int16_t lang_chinese);

}  // namespace bx
