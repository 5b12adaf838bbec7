// Channel frequencies: the packed BCD form of the channel records, the MHz
// texts the editors show, the snap to the channel-step grids and the check
// of every channel against the validation limits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/codec_choices.h"
#include "model/field.h"
#include "model/mem_image.h"

namespace bx {

// Freq_bcd: 8 packed BCD digits of the frequency in units of 10 Hz, least
// significant byte first (145.01250 MHz is 0x50 0x12 0x50 0x14).
using FreqBcd = std::array<uint8_t, 4>;

// The validation limits in whole MHz (App::Limit_A_low .. Limit_B_high).
// A band whose limits are both 0 is no band: a radio of one band reports its
// band B as 0-0, and then every check uses band A alone.
struct ValidationLimits {
    double A_low, A_high, B_low, B_high;

    bool Has_B() const { return !(B_low == 0 && B_high == 0); }
    // Whether f lies between the bands, above a_top (band A's top as the
    // check at hand takes it) and below band B; with no band B everything
    // above a_top is.
    bool Between(double f, bool above_a_top) const { return above_a_top && (!Has_B() || f < B_low); }
    // Whether f lies above the top band (band B, or band A when there is no
    // band B, whose own top the check at hand tests through Between).
    bool Above_top(double f) const { return Has_B() && f > B_high; }
    // The limits of the band a VFO picks (0 band A, 1 band B); band B picks
    // band A's when there is no band B.
    void Band(int band, double& low, double& high) const {
        const bool b = band != 0 && Has_B();
        low = b ? B_low : A_low;
        high = b ? B_high : A_high;
    }
};

// The codecs accept frequencies from 0 up to, but not including, this (MHz).
constexpr double kFreqBcdLimitMhz = codec_choice::kFreqLimitMhz;

// Snaps the MHz text down to the higher of the 2.5 kHz and 6.25 kHz grid
// points at or below it, replaces the text by the snapped value padded to 9
// characters ("145" becomes "145.00000") and stores it as Freq_bcd in the
// four bytes of field f, instance i:
//   Store_freq_bcd(text, img, layout::Chann_record::Tx_freq, k);  // channel k
// A frequency below 0 MHz or of 1000 MHz or more (before or after the snap),
// or an instance outside the field, is refused: nothing is stored, the text
// is left as it was and the result is false. f must be a four-byte Freq_bcd
// field (std::logic_error otherwise).
bool Store_freq_bcd(std::string& text, MemImage& img, const Field& f, int i);

// The four bytes of the Freq_bcd field f, instance i (std::out_of_range for
// an instance outside the field, std::logic_error for a field of another
// kind). Byte 0 is 0xFF in an unused channel.
FreqBcd Read_freq_bcd(const MemImage& img, const Field& f, int i);

// Packs a MHz text that already lies on the grid into Freq_bcd. A frequency
// below 0 MHz or of 1000 MHz or more gives 0xFF 0xFF 0xFF 0xFF (no frequency).
FreqBcd Freq_text_to_bcd(std::string_view text);

// The four bytes of a Freq_bcd, least significant first, as a MHz text: five
// decimals, 9 characters from 100 MHz up and 8 below ("145.00000",
// "85.00000"). A nibble above 9 counts with its value (0xA counts 10).
std::string Freq_bcd_to_text(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3);
inline std::string Freq_bcd_to_text(const FreqBcd& b) { return Freq_bcd_to_text(b[0], b[1], b[2], b[3]); }

// The formatting step of Freq_bcd_to_text on its own: a frequency in MHz as a
// Freq_text (used for Freq_digits too).
std::string Freq_text_of(double mhz);

// The number (0..199) of the first of the 200 channel records whose receive
// or transmit frequency, in whole MHz, lies outside both bands of the limits
// (outside band A when there is no band B);
// 255 when every channel passes. A frequency whose four bytes are all 0xFF is
// not tested.
int Chann_freq_check(const MemImage& img, const ValidationLimits& lim);

}  // namespace bx
