#include "ui/typing.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/text.h"

namespace ui {

void TextEntry::type(const std::string& chars) {
    entry_control().focus();
    for (const std::string& ch : utf8_chars(chars)) {
        if (!entry_control().usable()) return;
        type_at(utf8_code(ch), utf8_length(entry_text()), 0);
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
    if (KeyPress) KeyPress(key);
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
    cs.erase(cs.begin() + start, cs.begin() + start + len);
    entry_set_text(join(cs));
    return start;
}

}  // namespace ui
