// The alignment area of radio 0x3C00-0x3DFF, kept apart from the memory
// image as 32 records of 16 cells, and the map of its cells.
#pragma once

#include <array>
#include <cstdint>

#include "model/field.h"

namespace bx {

constexpr int kAdjRecords = 32;
constexpr int kAdjCells = 16;

// Cell (c, r) holds the radio byte at 0x3C00 + 16c + r: c is the alignment
// record, r the byte in it. Cells are 16-bit so that a loaded file's values
// survive until they are checked.
class AdjTable {
public:
    int16_t& operator()(int c, int r) { return cells_.at(static_cast<size_t>(c)).at(static_cast<size_t>(r)); }
    int16_t operator()(int c, int r) const { return cells_.at(static_cast<size_t>(c)).at(static_cast<size_t>(r)); }
    bool operator==(const AdjTable&) const = default;

private:
    std::array<std::array<int16_t, kAdjCells>, kAdjRecords> cells_{};
};

// A run of cells of one alignment record: record, first byte, number of
// cells, the values the alignment editor accepts, and how they are coded.
struct AdjCells {
    const char* name;
    int record;
    int first;
    int count;
    int min, max;
    Codec codec;
};

namespace adj {
// Transmit power at the 16 VHF points 130 + 4i MHz and UHF points 400 + 6i MHz.
inline constexpr AdjCells Txp_high_vhf{"Txp_high_vhf", 0, 0, 16, 0, 15, Codec::Number};
inline constexpr AdjCells Txp_high_uhf{"Txp_high_uhf", 1, 0, 16, 0, 15, Codec::Number};
inline constexpr AdjCells Txp_low_vhf{"Txp_low_vhf", 2, 0, 16, 0, 15, Codec::Number};
inline constexpr AdjCells Txp_low_uhf{"Txp_low_uhf", 3, 0, 16, 0, 15, Codec::Number};
// Squelch opening values of squelch levels 0..9, and compensations per point.
inline constexpr AdjCells Sq_vhf{"Sq_vhf", 4, 0, 10, 0, 100, Codec::Number};
inline constexpr AdjCells Sq_offset_vhf{"Sq_offset_vhf", 5, 0, 16, 0, 10, Codec::Number};
inline constexpr AdjCells Sq_uhf{"Sq_uhf", 6, 0, 10, 0, 100, Codec::Number};
inline constexpr AdjCells Sq_offset_uhf{"Sq_offset_uhf", 7, 0, 16, 0, 10, Codec::Number};
// Record 8: one level list per byte.
inline constexpr AdjCells Voice_dev{"Voice_Dev", 8, 0, 1, 0, 127, Codec::List_index};
inline constexpr AdjCells CT_dev{"CT_Dev", 8, 1, 1, 0, 63, Codec::List_index};
inline constexpr AdjCells DCS_dev{"DCS_Dev", 8, 2, 1, 0, 63, Codec::List_index};
inline constexpr AdjCells Wide_c{"Wide_C", 8, 3, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells Wide_f{"Wide_F", 8, 4, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells Narror_c{"Narror_C", 8, 5, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells Narror_f{"Narror_F", 8, 6, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells Beep_c{"Beep_C", 8, 7, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells Beep_f{"Beep_F", 8, 8, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells VHF_drive{"VHF_Drive", 8, 9, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells UHF_drive{"UHF_Drive", 8, 10, 1, 0, 15, Codec::List_index};
inline constexpr AdjCells TXP_temp{"TXP_Temp", 8, 11, 1, 0, 255, Codec::List_index};
inline constexpr AdjCells Tone_dev{"Tone_Dev", 8, 12, 1, 0, 127, Codec::List_index};
// Record 9: the limited working range, four whole-MHz limits.
inline constexpr AdjCells Freq_l_vhf{"Freq_L_vhf", 9, 0, 3, 130, 179, Codec::Mhz_digits};
inline constexpr AdjCells Freq_h_vhf{"Freq_H_vhf", 9, 3, 3, 130, 179, Codec::Mhz_digits};
inline constexpr AdjCells Freq_l_uhf{"Freq_L_uhf", 9, 6, 3, 400, 520, Codec::Mhz_digits};
inline constexpr AdjCells Freq_h_uhf{"Freq_H_uhf", 9, 9, 3, 400, 520, Codec::Mhz_digits};
// Record 31, the radio's password record: two passwords of six characters.
inline constexpr int PassWord_record = kAdjRecords - 1;
inline constexpr AdjCells User_password{"User_PassWord", PassWord_record, 0, 6, 0, 255, Codec::Password_chars};
inline constexpr AdjCells Super_password{"Super_PassWord", PassWord_record, 6, 6, 0, 255, Codec::Password_chars};

// Every cell run that a control of the alignment editor shows.
inline constexpr AdjCells all[] = {
    Txp_high_vhf, Txp_high_uhf, Txp_low_vhf, Txp_low_uhf, Sq_vhf,     Sq_offset_vhf, Sq_offset_uhf,
    Sq_uhf,       Voice_dev,    CT_dev,      DCS_dev,     Wide_c,     Wide_f,        Narror_c,
    Narror_f,     Beep_c,       Beep_f,      VHF_drive,   UHF_drive,  TXP_temp,      Tone_dev,
    Freq_l_vhf,   Freq_h_vhf,   Freq_l_uhf,  Freq_h_uhf,  User_password, Super_password,
};
}  // namespace adj

}  // namespace bx
