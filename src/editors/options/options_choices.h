// The options editor's own decisions where the window's behaviour is open,
// kept in one place.
#pragma once

namespace bx::options_choice {

// Frequency normalisation: the rest below 1 kHz is rounded to whole tens of
// hertz before the 250 Hz step is chosen; an exact half (a rest of 245 Hz,
// say) goes to the even neighbour, as the offset list does.
inline constexpr bool kRestHalfToEven = true;

// A frequency of fewer than three whole-MHz digits is stored with zeros in
// front (5.5 MHz as 0 0 5 5 0 0 0 0), so every digit lands in its own byte.
// One of more than three digits has no place in the record and is not
// stored; the limits of a radio (three digits each) never let one through.
inline constexpr int kFreqMhzDigits = 3;

// A negative frequency (only reachable through limits below 0) is read as 0.

// The commit's message and its return of the focus also apply while the
// window loads: the focus goes to the frequency box once the window shows.

// Band change and frequency commit call each other; a band change does not
// start while one of the same VFO is running (its list only keeps the new
// position), so limits whose first digit disagrees with the band end the
// chain instead of switching for ever.

// The window catches up with records 224-239 that other windows changed
// through its activation, which the control layer raises whenever the
// window becomes active again; nothing else is needed before a pick.

// Frames are laid out in four columns above a bottom strip; inside a frame
// each setting takes one row, its label on the left (wrapping onto a second
// line when long) and its list on the right, in the order of the settings'
// positions in the block. The share of the window's width each column takes,
// and of the frames' height the VFO frames take (the 14 rows of a VFO and
// the 5 rows below it get the same height each):
inline constexpr double kColumnShare[4] = {0.33, 0.25, 0.25, 0.17};
inline constexpr double kUpperShare = 0.715;
// The first column's 20 rows are too low for a label of two lines, so the
// column is made as wide as its longest label on one line plus its widest
// list entry, in the language shown, between these shares of the width;
// the two VFO columns share what is left beside the last column. A list
// entry longer than its list still ends with an ellipsis (the list of
// DTMF side tones in English, at its widest).
inline constexpr double kFirstColumnMin = 0.33;
inline constexpr double kFirstColumnMax = 0.39;
// What a drop-down list takes beside its text (frame, margins, arrow), twips.
inline constexpr int kListChrome = 480;

}  // namespace bx::options_choice
