// How the channel editor settles what is left open to it, in one place.
#pragma once

namespace bx::chann_choice {

// Placement inside the window (twips). The window sets its own size and the
// grid's width; the grid fills the height above two rows: the progress bar
// with its label, then the password box and the seven buttons.
constexpr int kMargin = 120;
constexpr int kGap = 150;
constexpr int kBarHeight = 300;
constexpr int kBarWidth = 6000;
constexpr int kStatusWidth = 6000;
constexpr int kLabelHeight = 270;
constexpr int kLabelWidth = 1300;
constexpr int kBoxWidth = 1300;
constexpr int kBoxHeight = 330;
constexpr int kButtonWidth = 1300;
constexpr int kButtonHeight = 420;
constexpr int kBottomRoom = kGap + kBarHeight + kGap + kButtonHeight + kMargin;
constexpr int kMinGridHeight = 1500;

// The header of a column sets its width; a column whose pick-list entries
// are wider than its header (the band's "VHF/UHF ") is widened to show them.

// Tone words outside the display's tables (a CTCSS word whose high byte is
// 0x80-0xFE, a DCS position above 210, high byte 0xFF with another low byte
// than 0xFF) show the shared tone codec's empty text; their bytes are kept.

// A typed frequency too large to be held at all reads as the largest
// number, so both range rules refuse it with the receive or transmit
// message and its replacement, like any other entry out of range.

// The editors remember the cell they were laid over (ui::CellOverlay): a
// commit acts only on that cell, and a move of the current cell from a cell
// no editor was laid over (the arrow keys, the second move of Enter) stores
// nothing. A pick list left visible after its cell was left writes nothing.

// Names: lengths and cuts count characters; only a to z are put in capitals;
// a character that is no digit or capital keeps its position as 0xFF.

}  // namespace bx::chann_choice
