// The alignment file (".adj"): a text file of 32 lines, line c holding the
// 16 cells (c, 0) .. (c, 15) of the alignment table, each written as a
// blank, its decimal digits and a blank (so neighbours stand two blanks
// apart), every line ended by CR LF; no header. The factory table's first
// line is " 12  13  13  13  13  13  14  15  15  15  15  15  15  15  15  15 ".
//
// Loading reads the first 512 numbers in that order, whatever separates
// them (blanks, tabs, commas, line ends; what follows the 512th is not
// read), and checks every one (a whole number 0..255) before the table is
// touched: on any failure the table is unchanged and the FileError says why
// (Cannot_open, Too_large, Ends_early with `count` complete lines of
// `expected` 32, Not_a_number or Out_of_range with the field and its line,
// Cut_short when the 512th number runs into the end of a file that has
// line ends).
// File_error_text (text_file.h) gives the message for the user.
//
// Saving goes through Write_file_replacing: a failed save reports the
// failure and leaves an existing file as it was or, when it had emptied it,
// a whole copy beside it that its message names.
#pragma once

#include <istream>
#include <string>

#include "model/adj_table.h"
#include "model/text_file.h"

namespace bx {

// The file text of the table.
std::string Adj_file_text(const AdjTable& table);

// Reads an alignment file's text; on success the whole table is replaced,
// on failure it is unchanged.
FileError Parse_adj_file(std::istream& in, AdjTable& table);

// Loads the alignment file at `path` into `table` (unchanged on failure).
FileError Load_adj_file(const std::string& path, AdjTable& table);

// Saves `table` to `path`; an existing file is replaced only when the whole
// new one is written.
FileError Save_adj_file(const std::string& path, const AdjTable& table);

}  // namespace bx
