#include "ui/typing.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/text.h"

namespace ui {

void TextEntry::type(const std::string& chars) {
    entry_control().focus();
    for (const std::string& ch : utf8_chars(chars)) {
        if (!entry_control().usable()) return;
        type_at(utf8_code(ch), sel_start_, sel_len_);
    }
}

void TextEntry::enter(const std::string& text) {
    Focusable& c = entry_control();
    c.focus();
    if (c.usable() && entry_editable()) entry_set_text("");
    type(text);
}

int TextEntry::type_at(int key, int start, int len) {
    Focusable& c = entry_control();
    c.focus();
    if (!c.usable()) return -1;
    if (key == 13 && press_enter(c.owner())) return -1;
    if (key == 27 && press_escape(c.owner())) return -1;
    if (KeyPress) {
        pending_start_ = start;
        pending_len_ = len;
        KeyPress(key);
        pending_start_ = -1;
    }
    if (key == 0 || !c.usable() || !entry_editable()) return -1;
    // The handler may have changed the text: edit what is there now.
    std::vector<std::string> cs = utf8_chars(entry_text());
    const int size = static_cast<int>(cs.size());
    start = std::clamp(start, 0, size);
    len = std::clamp(len, 0, size - start);
    if (key == 8) {
        if (len == 0) {
            if (start == 0) return -1;
            --start;
            len = 1;
        }
        cs.erase(cs.begin() + start, cs.begin() + start + len);
    } else {
        if (key < 0x20 || key == 0x7F) return -1;  // a control character adds nothing
        cs.erase(cs.begin() + start, cs.begin() + start + len);
        const int max = entry_max_length();
        if (max > 0 && static_cast<int>(cs.size()) >= max) return -1;
        cs.insert(cs.begin() + start, utf8_encode(key));
        ++start;
    }
    entry_set_text(join(cs));
    clamp_selection(start, 0);
    return start;
}

int TextEntry::delete_at(int start, int len) {
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
            entry_set_text(back);
            clamp_selection(utf8_length(back), 0);
            return utf8_length(back);
        }
    }
    entry_set_text(join(cs));
    clamp_selection(start, 0);
    return start;
}

int TextEntry::paste_at(const std::string& chars, int start, int len) {
    int cursor = -1;
    for (const std::string& ch : utf8_chars(chars)) {
        const int key = utf8_code(ch);
        if (key < 0x20 || key == 0x7F) continue;  // a line end or tab types nothing
        const int at = type_at(key, start, len);
        if (!entry_control().usable()) break;
        if (at < 0) continue;  // refused, as the typed key would be
        cursor = start = at;
        len = 0;
    }
    return cursor;
}

bool TextEntry::key_would_pass(int key, int start, int len) {
    if (!KeyPress) return true;
    pending_start_ = start;
    pending_len_ = len;
    KeyPress(key);
    pending_start_ = -1;
    return key != 0;
}

void TextEntry::text_set_by_code() {
    sel_start_ = utf8_length(entry_text());
    sel_len_ = 0;
}

void TextEntry::clamp_selection(int start, int len) {
    const int size = utf8_length(entry_text());
    sel_start_ = std::clamp(start, 0, size);
    sel_len_ = len < 0 ? size - sel_start_ : std::clamp(len, 0, size - sel_start_);
}

void TextEntry::Select(int start, int len) {
    clamp_selection(start, len);
    entry_changed("Sel");
}

std::string TextEntry::Text_if_typed(int key) const {
    std::vector<std::string> cs = utf8_chars(entry_text());
    if (pending_start_ < 0) return join(cs);
    const int size = static_cast<int>(cs.size());
    int start = std::clamp(pending_start_, 0, size);
    int len = std::clamp(pending_len_, 0, size - start);
    if (key == 8) {
        if (len == 0 && start > 0) --start, len = 1;
        cs.erase(cs.begin() + start, cs.begin() + start + len);
    } else if (key >= 0x20 && key != 0x7F) {
        cs.erase(cs.begin() + start, cs.begin() + start + len);
        cs.insert(cs.begin() + start, utf8_encode(key));
    }
    return join(cs);
}

}  // namespace ui
