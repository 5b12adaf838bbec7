// The options editor's vocabulary, one row per control: the 31 menu
// settings of the block at 0x0E00 and the twelve lists of each VFO record,
// with their captions and items in both languages. The window builds,
// captions, fills, places and binds its lists by walking these rows.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/code_tables.h"
#include "model/layouts.h"
#include "model/option_offsets.h"

namespace bx::options {

// Items made by a rule rather than listed.
enum class Special : uint8_t {
    None,
    Channels,  // CH-000 .. CH-199
    Offsets,   // 00.000MHZ .. 99.950MHZ in 50 kHz steps
    Tones,     // entries 1..260 of the tone name table, trimmed
};

// The items of one list: the listed texts (Chinese, and English when they
// differ), then the numbers from..to, each times mult, then the special ones.
struct ItemSpec {
    std::span<const char* const> chn;
    std::span<const char* const> eng;  // empty: the same texts as chn
    int from = 0, to = -1, mult = 1;
    Special special = Special::None;
};

// The frames of the settings, in the window's columns.
enum class FrameId : uint8_t { Frame5, Frame4, Frame6, Frame3 };

// One of the 31 menu settings.
struct SettingRow {
    const char* list;   // the pick list
    const char* label;  // the label beside it
    const char* label_chn;
    const char* label_eng;
    int16_t offset;  // its byte in the block, a constant of Option_offsets
    FrameId frame;
    ItemSpec items;
};

// The 31 settings in the order of their offsets, which is the order the
// lists are filled, shown and laid out in.
extern const std::span<const SettingRow> Setting_rows;

// What a VFO list's pick stores.
enum class VfoStore : uint8_t {
    Band,      // no byte: the band change
    Offset,    // the offset digits, from the item's text
    Tone,      // the tone code of the position
    Position,  // the position itself
};

// One of the twelve lists of a VFO record; [0] names VFO A's control, [1]
// VFO B's.
struct VfoRow {
    const char* list[2];
    const char* label[2];
    const char* label_chn;
    const char* label_eng;
    ItemSpec items;
    VfoStore store;
    const Field* field;  // the record's field (none for the band)
    int display_rank;    // place in the display order, after the frequency box
};

// The twelve lists in the order they are filled.
extern const std::span<const VfoRow> Vfo_rows;
// The row of the band list.
size_t Band_row();

// A caption in both languages.
struct Caption {
    const char* control;
    const char* chn;
    const char* eng;
};

// The window, its buttons, password label and the two VFO frames.
extern const std::span<const Caption> Window_captions;
// The labels of the text boxes: per VFO the frequency and range labels, then
// the power-on message and the code boxes.
extern const Caption Vfo_text_labels[2][2];  // [vfo][0 frequency, 1 range]
extern const std::span<const Caption> Text_labels;

// The items of a list in the chosen language.
std::vector<std::string> Make_items(const ItemSpec& spec, bool chinese, const ToneNameTable& tone_names);

// The text of offset item p: two MHz digits, a point, three kHz digits, "MHZ".
std::string Offset_item(int p);

}  // namespace bx::options
