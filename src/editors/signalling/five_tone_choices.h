// How the 5-tone editor settles what is left open to it, in one place.
#pragma once

namespace bx::five_tone_choice {

// ---- bytes no list names ----
// A settings byte beyond its list (a delay above 100, a decode standard
// above 14, a reset time above 79) and a code's standard outside 0-14 when
// its list opens: the list shows no selection (an empty text) and the byte
// keeps its value until the user picks. A list with no selection stores
// nothing. The standards grid shows any period byte as 20 + 10 x byte.

// ---- the frame box ----
// A frame holds five digits: a longer text (pasted) stores its first five
// and never touches the bytes after the frame; leaving the cell still shows
// the five-digit message for it.
constexpr int kFrameDigits = 5;
// The box belongs to the cell it was opened on until that cell is left:
// every keystroke stores into that frame, the leave check and the copy into
// the grid use that cell, whatever cell the grid has made current since a
// refused leave, and a click elsewhere opens nothing while the box holds a
// refused text. Only the leave of that cell can empty its frame through the
// row clear, and only when the code has no frame 1 in the image (a row
// emptied on the screen by a double-click keeps its frames); the hidden
// box's leftover text never writes. After a refused leave a click on the
// cell the grid stands on (which raises no leave) judges the box as a
// leave would. Five digits copied into the cell go in without the blanks
// around them.

// ---- cells closed without a leave ----
// A cell editor closed without its cell being left (the standards list by
// a click on its cell, its row's name or a code's number; the encode list's
// editors by the page switch) leaves its cell showing what it stored.

// ---- typed text in the lists ----
// A pick in the list that has the focus is the text its text part puts back
// when typed into (so the list never shows a value other than the stored
// one). The decode-standard list takes no key; a text change that comes
// without a key (Delete, a paste) puts its picked item back.

// ---- cell editors dropped ----
// Default, the window's own finished read and a whole-image replacement (a
// data-file load, a full read) drop the open cell editors unstored before
// the area is shown again, so an editor never writes old text over the new
// bytes.

// ---- placement, in twips ----
constexpr int kPageHeight = 6100;     // both pages' frames
constexpr int kPageTopGap = 200;      // below the tab strip's client top
constexpr int kEncodeNarrower = 2000;  // the Encode page's frame is this much narrower
constexpr int kMargin = 240;
constexpr int kGridTop = 300;
constexpr int kRowHeight = 300;
constexpr int kListHeight = 315;
constexpr int kLabelHeight = 270;
constexpr int kButtonWidth = 1100, kButtonHeight = 420, kButtonStep = 1250;
// The tone-frequency labels: two columns of eight beside the standards grid.
constexpr int kFreqRowStep = 420;
constexpr int kCodeLabelWidth = 300;
constexpr int kFreqLabelWidth = 1300;
constexpr int kFreqColumnStep = 2100;

}  // namespace bx::five_tone_choice
