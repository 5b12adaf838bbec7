// The key rule of every box holding a DTMF code field (the DTMF window's
// code boxes; the options editor's ANI and PTT-ID boxes): a box takes only
// the characters a DTMF code stores, so it never shows a character its
// field would hold as a hole, and no more of them than the field holds.
#pragma once

#include "model/codecs.h"
#include "ui/typing.h"

namespace bx {

// A character a DTMF code stores: "0"-"9", "A"-"D" and "a"-"d", "*", "#".
inline bool Dtmf_code_key_ok(int key) {
    return key >= 0x20 && key < 0x7F && Dtmf_char_to_code(std::string(1, static_cast<char>(key))) != kNoDtmf;
}

// How a box counts its text against the field's length: every character,
// or those between the blanks at either end.
enum class DtmfCodeCount { All, Trimmed };

// Whether the text a key would make holds more characters than the field
// stores (kDtmfFieldLen).
inline bool Dtmf_code_key_refused(const ui::TextCounts& after, DtmfCodeCount count) {
    return (count == DtmfCodeCount::All ? after.chars : after.trimmed()) > kDtmfFieldLen;
}

// What sets one window's code boxes apart: whether Backspace and the other
// control keys pass (Enter always does; it adds nothing to a one-line box),
// and how the text is counted.
struct DtmfCodeRule {
    bool control_keys;
    DtmfCodeCount count;
};

// The key filter: zeroes `key` when the box refuses it. Counted, not read:
// a long paste is judged in time in its length.
inline void Dtmf_code_key(const ui::TextEntry& box, int& key, DtmfCodeRule rule) {
    const bool passes = key == 13 || (rule.control_keys && key < 0x20) || Dtmf_code_key_ok(key);
    if (!passes || Dtmf_code_key_refused(box.Counts_if_typed(key), rule.count)) key = 0;
}

}  // namespace bx
