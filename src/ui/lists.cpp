#include "ui/lists.h"

#include "ui/text.h"

namespace ui {

// ---- TextBox ----

void TextBox::setText(const std::string& given) {
    const std::string v = within_limit(given);
    if (p.Text == v) {
        text_set_by_code(/*changed=*/false);  // no Change: only the history restarts
        return;
    }
    p.Text = v;
    text_set_by_code();
    changed("Text");
    fire(Change);
}

// ---- ListControl ----

void ListControl::AddItem(const std::string& item, int index) {
    if (index < 0 || index > ListCount()) index = ListCount();
    items_.insert(items_.begin() + index, item);
    if (index_ >= index && index_ >= 0) ++index_;
    changed("List");
}

void ListControl::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    if (index_ == index) index_ = -1;
    else if (index_ > index) --index_;
    changed("List");
}

void ListControl::Clear() {
    items_.clear();
    index_ = -1;
    changed("List");
    selection_changed();
}

std::string ListControl::List(int i) const {
    if (i < 0 || i >= ListCount()) return {};
    return items_[i];
}

void ListControl::setList(int i, const std::string& v) {
    if (i < 0 || i >= ListCount() || items_[i] == v) return;
    items_[i] = v;
    changed("List");
    if (i == index_) selection_changed();
}

void ListControl::setListIndex(int i) {
    if (i < -1 || i >= ListCount()) return;
    if (i == index_) return;
    index_ = i;
    changed("ListIndex");
    selection_changed();
    fire(Click);
}

void ListControl::pick(int i) {
    if (!usable()) return;
    SetFocus();
    if (usable()) setListIndex(i);
}

int ListControl::find(const std::string& text) const {
    for (int i = 0; i < ListCount(); ++i)
        if (items_[i] == text) return i;
    return -1;
}

// ---- ComboBox ----

// The text part shows the selected item; that is no edit of the text, so
// it raises no Change. No selection (ListIndex -1, Clear) empties the text.
// Picked or set by code, the item is the list's value.
void ComboBox::selection_changed() {
    std::string t = within_limit(List(index_));
    put_back_ = t;
    if (t != p.Text) {
        p.Text = t;
        text_set_by_code();
        changed("Text");
    }
}

void ComboBox::setText(const std::string& given) {
    const std::string v = within_limit(given);
    if (!user_setting() && (p.Style != 2 || find(v) >= 0)) put_back_ = v;  // code's text is the list's value
    int i = find(v);
    if (i >= 0) {
        // The text of an item selects that item, without Click.
        if (i != index_) {
            index_ = i;
            changed("ListIndex");
        }
    } else if (p.Style == 2) {
        return;  // a drop-down list holds only its items
    } else if (index_ != -1) {
        index_ = -1;
        changed("ListIndex");
    }
    if (p.Text != v) {
        p.Text = v;
        text_set_by_code();
        changed("Text");
        fire(Change);
    } else {
        text_set_by_code(/*changed=*/false);  // no Change: only the history restarts
    }
}

bool ComboBox::search_key(int key) {
    if (!usable() || p.Style != 2) return false;
    focus();
    if (!usable()) return false;
    if (KeyPress) KeyPress(key);
    if (key < 0x20 || key == 0x7F || !usable() || p.Locked || items_.empty()) return false;
    // The next item after the selected one whose first character is the
    // key, letters in either case.
    const auto fold = [](int c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; };
    const int n = ListCount();
    for (int step = 1; step <= n; ++step) {
        const int i = ((index_ < 0 ? -1 : index_) + step) % n;
        const std::vector<std::string> cs = utf8_chars(items_[static_cast<size_t>(i)]);
        if (!cs.empty() && fold(utf8_code(cs.front())) == fold(key)) {
            pick(i);
            return true;
        }
    }
    return false;
}

KeyUse ComboBox::key_use(const Keystroke& k) {
    using N = Keystroke::Name;
    if (over_cells()) {
        bool idle = false;
        switch (k.name) {
        case N::Up:
        case N::Down:
            idle = k.any_mods() && !(k.name == N::Down && k.alt && !k.ctrl && !k.meta && !k.shift);
            break;
        case N::Left:
        case N::Right:
        case N::Home:
        case N::End: idle = p.Style != 0; break;
        default: break;
        }
        if (idle) return KeyUse::Idle;
    }
    if (p.Style == 0) return TextEntry::key_use(k);
    if (k.command_mods() || k.text.empty()) return KeyUse::Widget;
    for (const std::string& ch : utf8_chars(k.text))
        if (const int c = utf8_code(ch); c <= 0x20 || c == 0x7F) return KeyUse::Widget;
    return KeyUse::Control;
}

void ComboBox::press(const Keystroke& k, int start, int len) {
    if (p.Style == 0) return TextEntry::press(k, start, len);
    for (const std::string& ch : utf8_chars(k.text)) search_key(utf8_code(ch));
}

int ComboBox::paste_at(const std::string& chars, int start, int len) {
    std::string shown;  // what typing it would show: no line ends or tabs
    for (const std::string& ch : utf8_chars(chars))
        if (const int c = utf8_code(ch); c >= 0x20 && c != 0x7F) shown += ch;
    const int i = find(shown);
    if (i < 0) return TextEntry::paste_at(chars, start, len);
    if (!usable() || p.Locked) return -1;
    pick(i);
    return utf8_length(p.Text);
}

void ComboBox::entry_restore(const std::string& text) {
    if (const int i = find(text); i >= 0 && i != index_) pick(i);
    else setText(text);
}

bool ComboBox::entry_may_remove(const std::vector<std::string>& removed) {
    // Asked of the key filter at the list's end, where the characters would
    // be typed back; the filter judges characters, not places.
    const int end = utf8_length(p.Text);
    for (const std::string& ch : removed) {
        const int key = utf8_code(ch);
        if (key >= 0x20 && key != 0x7F && !key_would_pass(key, end, 0)) return false;
    }
    return true;
}

}  // namespace ui
