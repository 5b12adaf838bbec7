// How the FM preset editor settles what is left open to it, in one place.
#pragma once

namespace bx::fm_choice {

// Station names are single-byte characters: a typed character above this
// code has no stored form and is removed before the name's length is taken.
// Bytes 0x80 and up show as the Latin-1 character of their code.
constexpr int kNameLastChar = 0xFE;

// Name bytes below this code are control characters: the display skips
// them like the 0xFF filler and the blank (an all-zero record, for one,
// would otherwise show eight invisible characters).
constexpr int kNameFirstShown = 0x20;

// Row 17, the spare row, belongs to no preset: no overlay opens on it and
// nothing is stored for it.

// Leaving a cell on which the overlay was not opened leaves its preset as it
// is; moving around the grid never rewrites the image.

// Placement inside the window (twips): the grid at the top left, the
// buttons in a column to its right, the password and progress below.
constexpr int kMargin = 240;
constexpr int kGap = 150;
constexpr int kButtonWidth = 1300;
constexpr int kButtonHeight = 420;
constexpr int kLabelWidth = 1100;
constexpr int kLabelHeight = 270;
constexpr int kBoxHeight = 330;
constexpr int kBarHeight = 300;

// The widest texts the frequency and name columns can show, which the
// columns are made wide enough for.
constexpr const char* kWidestFreq = "108.00000";
constexpr const char* kWidestName = "WWWWWW";

}  // namespace bx::fm_choice
