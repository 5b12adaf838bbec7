// How the codecs treat values their callers never pass, in one place. Each
// keeps every image byte within 0..255 and never indexes outside a table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace bx::codec_choice {

// Frequencies: the four BCD bytes hold 0 up to, not including, 1000 MHz.
// Store_freq_bcd refuses anything else (stores nothing, keeps the text,
// returns false); Freq_text_to_bcd gives the "no frequency" bytes.
constexpr double kFreqLimitMhz = 1000.0;
constexpr std::array<uint8_t, 4> kFreqRefusedBcd = {0xFF, 0xFF, 0xFF, 0xFF};

// Freq_bcd_to_text: a whole number of 1 to 3 digits gets its point, except a
// lone "0" (an all-zero record reads "00000000"); a text that has a point
// never gets a second one.

// Tone codes that name no tone (a high byte of 0x80 or more other than the
// 0xFFFF off code, or a DCS position above 210) show this text.
constexpr std::string_view kToneUnnamedText = "";
// A CTCSS value in tenths is rounded to the nearest whole number, halves to
// the even neighbour, before it is split into bytes (so 255.9 carries into
// the high byte), and held within 0..0xFFFF.
constexpr double kCtcssMaxTenths = 65535.0;

// A 2-tone decode tone below this frequency, or one whose hertz or period
// word would not fit in 16 bits, is not stored at all.
constexpr double kToneMinHz = 1.0;
constexpr double kWordMax = 65535.0;

// A DTMF text of more than 16 characters keeps its first 16; a character is
// one UTF-8 character, so a pasted non-ASCII character takes one byte (0xFF).

}  // namespace bx::codec_choice
