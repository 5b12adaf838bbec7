// The whole-image data file: a text file of 1025 lines, line r for image
// record r, holding r div 16, r mod 16, r and the record's 16 bytes, each
// number written as a blank, its digits and a blank; CR LF line ends.
//
// Loading reads and checks the whole file into a scratch copy and changes
// the image only when every record was read with every byte in 0..255.
// Saving writes a temporary file beside the target and renames it over the
// target only when every byte was written, so a failed save never damages
// an existing file.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

#include "model/mem_image.h"

namespace bx {

// Numbers per data-file line: the address high byte, the low byte / 16, the
// record number, then the 16 bytes.
constexpr int kDataFileLineNumbers = 3 + kRecordBytes;

// The file text of the whole image.
std::string Data_file_text(const MemImage& image);

// Why a file operation failed.
struct FileError {
    enum Kind {
        None,
        Cannot_open,   // the file cannot be opened or read (detail: the reason)
        Ends_early,    // the file ends before the last record (count: records read)
        Not_a_number,  // a field is not a whole number (token, line)
        Out_of_range,  // a byte value outside 0..255 (value, line)
        Cannot_write,  // the file cannot be created or written (detail: the reason)
    } kind = None;
    int line = 0;        // 1-based line of the field
    int count = 0;       // records read completely before the end
    long long value = 0;
    std::string token;
    std::string detail;
    explicit operator bool() const { return kind != None; }
};

// Reads numbers from a text one after another, regardless of line ends. A
// number ends at a blank, a tab, a comma or a line end; blanks, tabs, CR and
// LF before it are skipped, and so is one comma after it. A field is a whole
// number with an optional sign; anything else (an empty field between two
// commas included) is not a number.
class NumberReader {
public:
    explicit NumberReader(std::istream& in) : in_(in) {}
    enum Result { Ok, End, Bad };
    // Ok: v holds the number; End: no number is left; Bad: token() holds the
    // field that is not a number. line() is the field's line.
    Result next(long long& v);
    int line() const { return line_; }
    const std::string& token() const { return token_; }
    bool failed() const { return in_.bad(); }

private:
    std::istream& in_;
    int line_ = 1;
    int cur_line_ = 1;
    bool after_comma_ = false;
    std::string token_;
};

// Reads a data file's text into a copy of `image`; on success the copy
// replaces the image, on failure the image is unchanged.
FileError Parse_data_file(std::istream& in, MemImage& image);

// Loads the data file at `path` into `image` (unchanged on failure).
FileError Load_data_file(const std::string& path, MemImage& image);

// Saves `image` to `path` through a temporary file beside it.
FileError Save_data_file(const std::string& path, const MemImage& image);

// Writes `bytes` to a temporary file in the target's folder and renames it
// over `path` once every byte is written; on failure the temporary file is
// removed and an existing file at `path` is untouched.
FileError Write_file_replacing(const std::string& path, const std::string& bytes);

}  // namespace bx
