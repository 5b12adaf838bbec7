// The channel grid's columns, in one table: header in both languages, the
// record field a column shows and a pick writes, the editor laid over its
// cells and the rule its commit follows. The row display, the editor
// placement and the commits loop over this table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/layouts.h"

namespace bx {

// The grid shows one pair of records past the last channel (records 200 and
// 456, grid row 201), which the window's load shows and may erase; these
// are the layout's fields with room for that pair.
constexpr Field Grid_field(Field f) {
    f.at.count += 1;
    return f;
}

namespace chann_field {
inline constexpr Field Rx_freq = Grid_field(layout::Chann_record::Rx_freq);
inline constexpr Field Tx_freq = Grid_field(layout::Chann_record::Tx_freq);
inline constexpr Field Rx_tone = Grid_field(layout::Chann_record::Rx_tone);
inline constexpr Field Tx_tone = Grid_field(layout::Chann_record::Tx_tone);
inline constexpr Field Sig_code = Grid_field(layout::Chann_record::Sig_code);
inline constexpr Field Opt_sig = Grid_field(layout::Chann_record::Opt_sig);
inline constexpr Field Sq_mode = Grid_field(layout::Chann_record::Sq_mode);
inline constexpr Field Power = Grid_field(layout::Chann_record::Power);
inline constexpr Field Power_shown = Grid_field(layout::Chann_record::Power_shown);
inline constexpr Field Scrambler = Grid_field(layout::Chann_record::Scrambler);
inline constexpr Field Ptt_id = Grid_field(layout::Chann_record::Ptt_id);
inline constexpr Field Scan_add = Grid_field(layout::Chann_record::Scan_add);
inline constexpr Field Busy_lock = Grid_field(layout::Chann_record::Busy_lock);
inline constexpr Field Narrow = Grid_field(layout::Chann_record::Narrow);
inline constexpr Field Name = Grid_field(layout::Chann_name_record::Name);
// All 16 bytes of a channel record and of a name record, for erasing and
// for the bits no setting names.
inline constexpr Field Record = Grid_field(
    {"Chann_record", layout::Chann_record::Records, 0, kRecordBytes, 0, 8, Codec::Raw});
inline constexpr Field Name_record = Grid_field(
    {"Chann_name_record", layout::Chann_name_record::Records, 0, kRecordBytes, 0, 8, Codec::Raw});
}  // namespace chann_field

// Grid columns by number.
enum ChannCol : int {
    kColNumber = 0,
    kColBand = 1,
    kColRxFreq = 2,
    kColTxFreq = 3,
    kColRxTone = 4,
    kColTxTone = 5,
    kColPower = 6,
    kColWn = 7,
    kColPttId = 8,
    kColBusyLock = 9,
    kColScanAdd = 10,
    kColSigCode = 11,
    kColOptSig = 12,
    kColSqMode = 13,
    kColScrambler = 14,
    kColName = 15,
};
constexpr int kChannCols = 16;

// The editor laid over a cell of the column.
enum class CellEditor : uint8_t { None, PickList, TextBox };

// What a commit of the column does.
enum class ColumnRule : uint8_t {
    Number,   // the channel number: nothing
    Band,     // the band pick: a different band erases the channel
    RxFreq,   // typed receive frequency, range-checked; the transmit one follows
    TxFreq,   // typed transmit frequency, range-checked
    Tone,     // picked or typed tone (a custom CTCSS value or a listed code)
    Setting,  // a pick stored as its list position into the column's field
    Name,     // typed channel name
};

struct ChannColumn {
    int col;
    // The column's part of the grid's format string, Chinese and English.
    const char* head_chn;
    const char* head_eng;
    CellEditor editor;
    ColumnRule rule;
    // The field a pick writes, and the one the display reads (they differ
    // for the power, whose display reads three bits).
    const Field* field;
    const Field* shown;
    // The pick list; the tone columns fill theirs from the tone name table.
    std::span<const char* const> items;
    // What the display shows for a value past the list.
    const char* beyond;
    // The pick list opens only on a channel in use (band cell not empty),
    // the transmit tone's also only with a receive frequency.
    bool needs_band;
    bool needs_rx;
};

extern const std::array<ChannColumn, kChannCols> Chann_columns;

// The band pick list's one entry, and the band cell of a used channel.
inline constexpr const char* kBandItem = "VHF/UHF";
inline constexpr const char* kBandCell = "VHF/UHF ";

// The grid's format string in the language the flag chooses: the columns'
// header parts joined by "|".
std::string Chann_format_string(int16_t lang_chinese);

}  // namespace bx
