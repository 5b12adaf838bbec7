// The 5-tone editor's pure rules: how stored bytes show as cell and label
// texts, how the frame box's text becomes a frame's bytes and when it may be
// left, and what each of the window's lists holds. The window
// (frm_5tone.h) only applies them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ui/typing.h"

namespace bx::five_tone {

// ---- texts of stored bytes ----
// A standard's tone period: 20 + 10 x byte, for any byte (255 gives "2570").
std::string Period_text(int byte);
// One digit: 0..15 as "0".."9", "A".."F"; anything else one blank.
std::string Digit_text(int byte);
// A frame's digits joined in byte order (five bytes give five characters).
std::string Frame_text(std::span<const uint8_t> bytes);
// The tone frequency of digit d (0..15) of standard s as its label shows
// it (the table's text without its blanks); empty for s outside 0..14.
std::string Tone_label(int s, int d);

// ---- the frame box ----
using FrameBytes = std::array<uint8_t, 5>;
// The bytes a box text stores: the text without leading and trailing
// blanks, one hex digit code per character from the first byte on (0xFF
// for a character that is no hex digit), 0xFF after the text's end; a text
// of more than five characters stores its first five.
FrameBytes Frame_bytes(const std::string& text);
// Whether the box takes key `key`, given the text it would make: Backspace
// always; a hex digit or Enter while that text, trimmed, holds at most five
// characters; nothing else.
bool Frame_key_passes(const std::string& text_after, int key);
bool Frame_key_passes(const ui::TextCounts& after, int key);
// What leaving a frame cell does with the box's text, judged trimmed:
// five characters are copied into the cell, none leave the cell as it is,
// any other length keeps the box open with the five-digit message.
enum class FrameLeave { Copy, Keep, Refuse };
FrameLeave Frame_leave(const std::string& text);

// ---- lists ----
enum class ListKind {
    StdNames,    // the 15 standard names
    Delays,      // "0" .. "1000" every 10
    ResetTimes,  // "100" .. "8000" every 100
    Periods,     // "20" .. "200" every 10 (the standards grid, column 1)
    Digits,      // "0" .. "9", "A" .. "F" (columns 2 and 3)
};
std::vector<std::string> List_items(ListKind k);
// The position a list of `count` items shows for a stored byte: the byte
// itself when it names an item, otherwise -1 (no selection).
int Shown_pos(int byte, int count);

}  // namespace bx::five_tone
