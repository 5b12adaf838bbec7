// The grid's and tab strip's measures that are this program's own choice,
// kept in one place. Every length is in twips (15 to a pixel); the Qt views
// draw with exactly these, so a cell's rectangle is the same headless and on
// the screen.
#pragma once

namespace ui {

// Headless text measuring (no font on the machine): every character of the
// printable ASCII range is 7 pixels wide, every other character (CJK and the
// full-width signs) 14; a line is 12 pixels high.
inline constexpr int kHeadlessNarrowChar = 105;
inline constexpr int kHeadlessWideChar = 210;
inline constexpr int kHeadlessLineHeight = 180;
// What a text box or a closed list takes above and below its line, headless.
inline constexpr int kHeadlessFieldChrome = 120;

// A column set by the format string is as wide as its header text plus this
// room (4 pixels on each side); a row is as high as a line of text plus
// kCellPadY, never lower than kMinRowHeight.
inline constexpr int kCellPadX = 120;
inline constexpr int kCellPadY = 60;
inline constexpr int kMinRowHeight = 240;
// A column the format string does not name.
inline constexpr int kDefaultColWidth = 960;
// The grid's frame line on each side, and the width of its scroll bars.
inline constexpr int kGridBorder = 15;
inline constexpr int kScrollBarSize = 255;
// Rows a wheel notch scrolls.
inline constexpr int kWheelRows = 3;

// Tab strip: the height of the row of tabs above the client area, and the
// frame line around the client area.
inline constexpr int kTabRowHeight = 360;
inline constexpr int kTabBorder = 30;

}  // namespace ui
