// How the FM preset editor settles what is left open to it, in one place.
#pragma once

namespace bx::fm_choice {

// Station names are single-byte characters: a typed character above this
// code has no stored form and is removed before the name's length is taken.
// Bytes 0x80 and up show as the Latin-1 character of their code.
constexpr int Name_last_char = 0xFE;

// Name bytes below this code are control characters: the display skips
// them like the 0xFF filler and the blank (an all-zero record, for one,
// would otherwise show eight invisible characters).
constexpr int Name_first_shown = 0x20;

// Row 17, the spare row, belongs to no preset: no overlay opens on it and
// nothing is stored for it.

// Leaving a cell on which the overlay was not opened leaves its preset as it
// is; moving around the grid never rewrites the image.

// The grid's height and the placement of the buttons, the password box, the
// progress bar and its label are in frm_fm.cpp's layout table.

}  // namespace bx::fm_choice
