// The whole-image data file: a text file of 1025 lines, line r for image
// record r, holding r div 16, r mod 16, r and the record's 16 bytes, each
// number written as a blank, its digits and a blank; CR LF line ends.
//
// Loading reads and checks the whole file into a scratch copy and changes
// the image only when every record was read with every byte in 0..255 and
// nothing but blanks and line ends follows the last one (the rules are
// listed in file_choices.h).
// Saving goes through Write_file_replacing, so a failed save leaves an
// existing file as it was or, when it had emptied it, a whole copy beside it
// that its message names. The dialogs that choose the file are in src/shell.
#pragma once

#include <istream>
#include <string>

#include "model/mem_image.h"
#include "model/text_file.h"

namespace bx {

// Numbers per data-file line: the address high byte, the low byte / 16, the
// record number, then the 16 bytes.
constexpr int kDataFileLineNumbers = 3 + kRecordBytes;

// The file text of the whole image.
std::string Data_file_text(const MemImage& image);

// Reads a data file's text into a copy of `image`; on success the copy
// replaces the image, on failure the image is unchanged.
FileError Parse_data_file(std::istream& in, MemImage& image);

// Loads the data file at `path` into `image` (unchanged on failure).
FileError Load_data_file(const std::string& path, MemImage& image);

// Saves `image` to `path`; an existing file is replaced only when the whole
// new one is written.
FileError Save_data_file(const std::string& path, const MemImage& image);

}  // namespace bx
