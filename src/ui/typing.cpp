#include "ui/typing.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "ui/controls.h"
#include "ui/text.h"

namespace ui {

namespace {

// The most undo steps a box keeps; the oldest go first.
constexpr size_t kUndoSteps = 100;

bool control_char(int key) { return key < 0x20 || key == 0x7F; }

// Byte offset of character position `chars` in s (its end past the last).
size_t byte_at(const std::string& s, int chars) {
    size_t i = 0;
    for (int n = 0; n < chars && i < s.size(); ++n) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    }
    return i;
}

// s without its last character.
std::string without_last(const std::string& s) {
    size_t i = s.size();
    while (i > 0 && (static_cast<unsigned char>(s[i - 1]) & 0xC0) == 0x80) --i;
    return s.substr(0, i > 0 ? i - 1 : 0);
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::vector<int> codes_of(const std::string& chars, bool skip_control) {
    std::vector<int> keys;
    for (const std::string& ch : utf8_chars(chars))
        if (const int key = utf8_code(ch); !skip_control || !control_char(key)) keys.push_back(key);
    return keys;
}

// The text split around the place a key goes: [start, start + len) is the
// selection (clamped to the text).
std::array<std::string, 3> split_at(const std::string& text, int start, int len) {
    const size_t a = byte_at(text, start), b = a + byte_at(text.substr(a), len);
    return {text.substr(0, a), text.substr(a, b - a), text.substr(b)};
}

}  // namespace

TextCounts TextCounts::of(const std::string& s) {
    TextCounts n;
    bool leading = true;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        // A character's length by its first byte, as utf8_chars splits a text.
        size_t len = 1;
        if ((c & 0xE0) == 0xC0) len = 2;
        else if ((c & 0xF0) == 0xE0) len = 3;
        else if ((c & 0xF8) == 0xF0) len = 4;
        len = std::min(len, s.size() - i);
        ++n.chars;
        if (c == ' ') {
            ++n.blanks;
            ++n.trail;
            if (leading) ++n.lead;
        } else {
            n.trail = 0;
            leading = false;
        }
        if (len != 1 || c < 0x20 || c > 0x7E) n.ascii = false;
        i += len;
    }
    n.bytes = static_cast<int>(s.size());
    return n;
}

TextCounts TextCounts::of_key(int key) { return of(utf8_encode(key)); }

TextCounts operator+(const TextCounts& a, const TextCounts& b) {
    TextCounts n;
    n.chars = a.chars + b.chars;
    n.bytes = a.bytes + b.bytes;
    n.blanks = a.blanks + b.blanks;
    n.lead = a.lead == a.chars ? a.chars + b.lead : a.lead;
    n.trail = b.trail == b.chars ? b.chars + a.trail : b.trail;
    n.ascii = a.ascii && b.ascii;
    return n;
}

TextEntry::Pending::Pending(std::string h, std::string s, std::string t)
    : head(std::move(h)),
      sel(std::move(s)),
      tail(std::move(t)),
      head_n(TextCounts::of(head)),
      sel_n(TextCounts::of(sel)),
      tail_n(TextCounts::of(tail)) {}

TextEntry::UserEdit::UserEdit(TextEntry& e) : e_(e), serial_(e.history_serial_) {
    if (e_.edit_depth_++ > 0) return;
    e_.edit_kind_ = EditKind::Other;
    if (e_.history_.empty()) {
        e_.history_.push_back(e_.state());
        e_.at_ = 0;
        e_.last_kind_ = EditKind::Other;
    }
}

TextEntry::UserEdit::~UserEdit() {
    if (--e_.edit_depth_ > 0) return;
    if (e_.history_serial_ != serial_) {
        // The program gave the box a new text or selection meanwhile (the
        // editor moved on to another cell): a new history from there.
        e_.history_.clear();
        return;
    }
    if (e_.history_.empty()) return;
    const std::string& now = e_.entry_text();
    if (now == e_.history_[e_.at_].text) return;  // nothing changed
    if (restoring < e_.history_.size() && e_.history_[restoring].text == now) {
        // The step brought its text back: the history moves there.
        e_.at_ = restoring;
        e_.clamp_selection(e_.history_[restoring].sel_start, e_.history_[restoring].sel_len);
        e_.last_kind_ = EditKind::Other;
        return;
    }
    const State& last = e_.history_[e_.at_];
    const bool run_goes_on = e_.edit_kind_ != EditKind::Other && e_.edit_kind_ == e_.last_kind_ && e_.at_ > 0 &&
                             e_.at_ + 1 == e_.history_.size() && e_.edit_len_ == 0 && last.sel_len == 0 &&
                             e_.edit_start_ == last.sel_start;
    e_.last_kind_ = e_.edit_kind_;
    if (run_goes_on) {
        e_.history_[e_.at_] = e_.state();
        return;
    }
    e_.history_.resize(e_.at_ + 1);
    e_.history_.push_back(e_.state());
    if (e_.history_.size() > kUndoSteps + 1) e_.history_.erase(e_.history_.begin());
    e_.at_ = e_.history_.size() - 1;
}

void TextEntry::note_edit(EditKind kind, int start, int len) {
    if (edit_depth_ != 1) return;  // part of a larger edit
    edit_kind_ = kind;
    edit_start_ = start;
    edit_len_ = len;
}

void TextEntry::type(const std::string& chars) {
    entry_control().focus();
    for (const std::string& ch : utf8_chars(chars)) {
        if (!entry_control().usable()) return;
        type_at(utf8_code(ch), sel_start_, sel_len_);
    }
}

void TextEntry::enter(const std::string& text) {
    UserEdit edit(*this);
    Focusable& c = entry_control();
    c.focus();
    if (c.usable() && entry_editable()) user_sets("");
    type(text);
}

int TextEntry::type_at(int key, int start, int len) {
    UserEdit edit(*this);
    Focusable& c = entry_control();
    c.focus();
    if (!c.usable()) return -1;
    if (key == 13 && press_enter(c.owner())) return -1;
    if (key == 27 && press_escape(c.owner())) return -1;
    note_edit(key == 8 ? EditKind::Erased : EditKind::Typed, start, len);
    return judge_keys({key}, start, len);
}

int TextEntry::judge_keys(const std::vector<int>& keys, int start, int len) {
    Focusable& c = entry_control();
    int cursor = 0, outside = 0;  // characters before the key's place; outside the selection
    // The text around the key's place, split once; each key then adds to the
    // head (and its counts) in time independent of the text's length.
    auto around = [&](int& sel) {
        const std::string& text = entry_text();
        const int size = utf8_length(text);
        cursor = std::clamp(cursor, 0, size);
        sel = std::clamp(sel, 0, size - cursor);
        outside = size - sel;
        auto [head, selected, tail] = split_at(text, cursor, sel);
        return Pending(std::move(head), std::move(selected), std::move(tail));
    };
    cursor = start;
    Pending p = around(len);
    unsigned serial = text_serial_;
    const int own_max = entry_max_length();
    const int max = own_max > 0 ? std::min(own_max, kTextLengthLimit) : kTextLengthLimit;
    bool taken = false;
    for (int key : keys) {
        if (KeyPress) {
            pending_ = &p;
            KeyPress(key);
            pending_ = nullptr;
            if (text_serial_ != serial) {
                // The handler set the box's text itself: the keys go on in
                // that text, at the same place.
                serial = text_serial_;
                int sel = taken ? 0 : len;
                p = around(sel);
                taken = false;
            }
        }
        if (!c.usable() || !entry_editable()) break;
        if (key == 0) continue;  // refused
        if (key == 8) {
            if (!p.sel.empty()) {
                p.sel.clear();
                p.sel_n = {};
            } else {
                if (p.head.empty()) continue;
                p.head = without_last(p.head);
                p.head_n = TextCounts::of(p.head);
                --cursor;
                --outside;
            }
            taken = true;
            continue;
        }
        if (control_char(key)) continue;  // a control character adds nothing
        if (max > 0 && outside >= max) continue;
        p.sel.clear();
        p.sel_n = {};
        p.head += utf8_encode(key);
        p.head_n = p.head_n + TextCounts::of_key(key);
        ++cursor;
        ++outside;
        taken = true;
    }
    if (!taken) return -1;
    user_sets(p.head + p.sel + p.tail);
    clamp_selection(cursor, 0);
    return sel_start_;
}

int TextEntry::delete_at(int start, int len) {
    UserEdit edit(*this);
    note_edit(EditKind::Erased, start, len);
    Focusable& c = entry_control();
    c.focus();
    if (!c.usable() || !entry_editable()) return -1;
    std::vector<std::string> cs = utf8_chars(entry_text());
    const int size = static_cast<int>(cs.size());
    start = std::clamp(start, 0, size);
    len = std::clamp(len, 0, size - start);
    if (len == 0) {
        if (start == size) return -1;
        len = 1;
    }
    const std::vector<std::string> removed(cs.begin() + start, cs.begin() + start + len);
    const bool may = entry_may_remove(removed);
    if (!c.usable()) return -1;
    cs.erase(cs.begin() + start, cs.begin() + start + len);
    if (!may || cs.empty()) {
        const std::string back = entry_text_when_emptied();
        if (!back.empty() || !may) {
            if (back == entry_text()) return -1;
            user_sets(back);
            clamp_selection(utf8_length(back), 0);
            return utf8_length(back);
        }
    }
    user_sets(join(cs));
    clamp_selection(start, 0);
    return start;
}

int TextEntry::cut_at(int start, int len) {
    UserEdit edit(*this);  // an edit of its own, no Delete key
    return len > 0 ? delete_at(start, len) : -1;
}

int TextEntry::paste_at(const std::string& chars, int start, int len) {
    UserEdit edit(*this);
    Focusable& c = entry_control();
    c.focus();
    if (!c.usable()) return -1;
    // A line end or tab types nothing.
    return judge_keys(codes_of(chars, true), start, len);
}

bool TextEntry::can_undo() const { return !history_.empty() && at_ > 0; }
bool TextEntry::can_redo() const { return !history_.empty() && at_ + 1 < history_.size(); }

int TextEntry::step_history(int dir) {
    if (dir < 0 ? !can_undo() : !can_redo()) return -1;
    const std::string before = entry_text();
    {
        UserEdit edit(*this);
        Focusable& c = entry_control();
        c.focus();
        if (!c.usable() || !entry_editable() || history_.empty()) return -1;
        edit.restoring = dir < 0 ? at_ - 1 : at_ + 1;
        ++user_setting_;
        entry_restore(history_[edit.restoring].text);
        --user_setting_;
    }
    return entry_text() == before ? -1 : sel_start_;
}

void TextEntry::compose(int start, int len) {
    if (composing_) return;
    composing_ = true;
    compose_start_ = start;
    compose_len_ = len;
}

std::string TextEntry::within_limit(const std::string& v) {
    if (v.size() <= static_cast<size_t>(kTextLengthLimit)) return v;  // never more characters than bytes
    return v.substr(0, byte_at(v, kTextLengthLimit));
}

void TextEntry::drop_composition() {
    if (!composing_) return;
    composing_ = false;
    entry_changed("Composition");
}

int TextEntry::commit_composition(const std::string& chars, int from, int len) {
    int start = sel_start_, sel = sel_len_;
    if (composing_) start = compose_start_, sel = compose_len_;
    composing_ = false;
    if (sel == 0 && (from != 0 || len != 0)) {
        // The input method replaces characters around the cursor.
        const int a = std::max(0, start + from);
        sel = std::max(0, start + from + len - a);
        start = a;
    }
    if (chars.empty()) return sel > 0 ? delete_at(start, sel) : -1;
    UserEdit edit(*this);
    Focusable& c = entry_control();
    c.focus();
    if (!c.usable()) return -1;
    return judge_keys(codes_of(chars, true), start, sel);
}

bool TextEntry::key_would_pass(int key, int start, int len) {
    if (!KeyPress) return true;
    const std::string& text = entry_text();
    const int size = utf8_length(text);
    start = std::clamp(start, 0, size);
    len = std::clamp(len, 0, size - start);
    auto [head, sel, tail] = split_at(text, start, len);
    const Pending p(std::move(head), std::move(sel), std::move(tail));
    pending_ = &p;
    KeyPress(key);
    pending_ = nullptr;
    return key != 0;
}

void TextEntry::text_set_by_code(bool changed) {
    if (changed) {
        sel_start_ = utf8_length(entry_text());
        sel_len_ = 0;
        ++text_serial_;
    }
    drop_composition();
    if (edit_depth_ == 0) history_.clear();
}

void TextEntry::user_sets(const std::string& v) {
    ++user_setting_;
    entry_set_text(v);
    --user_setting_;
}

void TextEntry::Show_text(const std::string& text) {
    Take_as_shown(text);  // already while the box's Change runs
    entry_set_text(text);
}

void TextEntry::Take_as_shown(const std::string& text) {
    shown_ = judged_ = text;
    program_text_shown();
}

bool TextEntry::Edited() const { return trimmed(entry_text()) != trimmed(shown_); }

bool TextEntry::Changed_since_judged() const { return trimmed(entry_text()) != trimmed(judged_); }

void TextEntry::entry_reset() {
    drop_composition();
    sel_start_ = sel_len_ = 0;
    history_.clear();
    at_ = 0;
    ++history_serial_;
    last_kind_ = EditKind::Other;
}

void TextEntry::clamp_selection(int start, int len) {
    const int size = utf8_length(entry_text());
    sel_start_ = std::clamp(start, 0, size);
    sel_len_ = len < 0 ? size - sel_start_ : std::clamp(len, 0, size - sel_start_);
}

void TextEntry::Select(int start, int len) {
    clamp_selection(start, len);
    drop_composition();
    if (edit_depth_ == 0) history_.clear();
    else ++history_serial_;
    presses_since_select_ = 0;
    entry_changed("Sel");
}

namespace {
// Ctrl+Y: Redo on every desktop, beside the desktop's own Redo key.
bool ctrl_y(const Keystroke& k) { return k.letter == 'Y' && k.ctrl && !k.shift && !k.alt && !k.meta; }
}  // namespace

KeyUse TextEntry::key_use(const Keystroke& k) {
    using C = Keystroke::Command;
    using N = Keystroke::Name;
    presses_since_select_ = -1;
    if (k.command == C::Undo || k.command == C::Redo || ctrl_y(k))
        return entry_editable() ? KeyUse::Control : KeyUse::Idle;
    if (k.command != C::None || k.command_mods()) return KeyUse::Widget;
    if (k.name == N::Enter || k.name == N::Escape || k.name == N::Backspace || k.name == N::Delete)
        return KeyUse::Control;
    const std::vector<int> codes = codes_of(k.text, false);
    if (codes.empty() || std::any_of(codes.begin(), codes.end(), control_char)) return KeyUse::Widget;
    return KeyUse::Control;
}

void TextEntry::press(const Keystroke& k, int start, int len) {
    using N = Keystroke::Name;
    if (k.command == Keystroke::Command::Undo) {
        undo();
        return;
    }
    if (k.command == Keystroke::Command::Redo || ctrl_y(k)) {
        redo();
        return;
    }
    switch (k.name) {
    case N::Enter: type_at(13, start, len); return;
    case N::Escape: type_at(27, start, len); return;
    case N::Backspace: type_at(8, start, len); return;
    case N::Delete: delete_at(start, len); return;
    default: break;
    }
    for (int code : codes_of(k.text, false)) {
        type_at(code, start, len);
        start = sel_start_;
        len = sel_len_;
    }
}

bool TextEntry::double_click() {
    const bool keep = presses_since_select_ == 0 || presses_since_select_ == 1;
    presses_since_select_ = -1;
    if (keep) clamp_selection(0, -1);
    return keep;
}

std::string TextEntry::Text_if_typed(int key) const {
    if (!pending_) return entry_text();
    const Pending& p = *pending_;
    if (key == 8) return (p.sel.empty() ? without_last(p.head) : p.head) + p.tail;
    if (control_char(key)) return p.head + p.sel + p.tail;
    return p.head + utf8_encode(key) + p.tail;
}

TextCounts TextEntry::Counts_if_typed(int key) const {
    if (!pending_) return TextCounts::of(entry_text());
    const Pending& p = *pending_;
    if (key == 8) return p.sel.empty() ? TextCounts::of(without_last(p.head)) + p.tail_n : p.head_n + p.tail_n;
    if (control_char(key)) return p.head_n + p.sel_n + p.tail_n;
    return p.head_n + TextCounts::of_key(key) + p.tail_n;
}

}  // namespace ui
