// What the channel editor does to the image and what it shows of it, apart
// from the window: the texts of a channel's cells, erasing a channel, the
// new-channel settings, writing a pick, the two frequency range rules and
// the stored form of a name. Channel k is grid row k + 1; k may also be the
// pair past the last channel (see Grid_field).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "editors/channels/chann_columns.h"
#include "model/code_tables.h"
#include "model/codecs.h"
#include "model/freq_codec.h"
#include "model/mem_image.h"

namespace bx {

using ChannCells = std::array<std::string, kChannCols>;

// A channel is in use when byte 0 of its record is not 0xFF.
bool Chann_used(const MemImage& img, int k);

// The text a column shows of channel k's record, read from its field alone
// (cells 2 to 15; the row rules of empty and receive-only channels are
// Chann_row_cells'). The receive tone keeps a DCS name's blanks, the
// transmit tone drops them.
std::string Chann_cell_text(int col, const MemImage& img, int k, const ToneNameTable& names);

// Cells 1 to 15 of channel k's row as the display shows them: all empty for
// an empty channel; the transmit frequency and tone empty for a
// receive-only one. Cell 0 is left empty.
ChannCells Chann_row_cells(const MemImage& img, int k, const ToneNameTable& names);

// The name shown from name record 256 + k: "0"-"9" and "A"-"Z" of bytes 0-5
// in order, 251 as "+" and 253 as "-", every other byte skipped; empty when
// byte 0 is 0xFF.
std::string Chann_name_text(const MemImage& img, int k);

// Both records of channel k := 0xFF throughout.
void Erase_chann_records(MemImage& img, int k);
// The new-channel settings into bytes 8-15 (tones off, signal code 1, scan
// add on, the rest 0) and the name record erased; bytes 0-7 untouched.
void Set_chann_default_records(MemImage& img, int k);

// Writes list position p of the pick list of column col (tones, settings)
// into channel k. A receive tone also becomes the transmit tone; LOW power
// sets bits 0-2 of byte 14 to 1, HIGH clears bits 0-1. Positions past the
// list are held to it.
void Write_chann_pick(MemImage& img, int k, int col, int p, const ToneNameTable& names);

// The two range rules of a typed frequency f (MHz). Leaving the cell
// accepts band A up to one MHz above its upper limit; Enter ends band A at
// its upper limit. Both refuse below band A, above band B and between;
// with no band B (limits 0-0), above band A.
bool Leave_rule_refuses(double f, const ValidationLimits& lim);
bool Enter_rule_refuses(double f, const ValidationLimits& lim);

// Limit_A_low as a frequency text, the replacement of a refused entry.
std::string A_low_text(const ValidationLimits& lim);

// A typed frequency as Enter completes it: its first 9 characters, a "."
// when it has none, zeros up to 9 characters (8 below 100 MHz).
std::string Enter_freq_text(const std::string& t);

// A tone column's typed text as a custom CTCSS tone: the cell text (trimmed,
// ".0" after a whole value) and the code, when its value lies from 60 to
// 259.9 Hz.
struct CustomTone {
    std::string cell;
    ToneCode code;
};
std::optional<CustomTone> Custom_ctcss(const std::string& typed);

// A typed name as its cell shows it, which is what it stores: trimmed, a-z
// in capitals, every character but "0"-"9", "A"-"Z", "+" and "-" dropped,
// then cut to 6 characters.
std::string Chann_name_cell(const std::string& typed);
// Characters of the typed name that a name can hold: more than 6 earns the
// name message (the cut drops some).
int Chann_name_length(const std::string& typed);
// Stores a name cell into bytes 0-5 of name record 256 + k, packed from
// byte 0: digits and capitals as their codes, "+" as 251, "-" as 253, 0xFF
// after the last character; a character a name cannot hold takes no byte.
void Store_chann_name(MemImage& img, int k, const std::string& cell);

}  // namespace bx
