#include "ui/password_box.h"

#include "ui/controls.h"
#include "ui/text.h"

namespace ui {

namespace {

// Where the trimmed text starts and ends (end exclusive).
void trimmed_span(const std::string& s, size_t& a, size_t& e) {
    a = s.find_first_not_of(' ');
    if (a == std::string::npos) {
        a = e = s.size();
        return;
    }
    e = s.find_last_not_of(' ') + 1;
}

std::string printable_only(const std::string& text) {
    std::string out;
    for (const std::string& ch : utf8_chars(text))
        if (Password_char_ok(utf8_code(ch)) && ch.size() == 1) out += ch;
    return out;
}

}  // namespace

void Password_key(const std::string& text_after, int& KeyAscii) {
    Password_key(TextCounts::of(printable_only(text_after)), KeyAscii);
}

void Password_key(const TextCounts& after, int& KeyAscii) {
    if (KeyAscii == 8) return;
    if (!Password_char_ok(KeyAscii)) {
        KeyAscii = 0;
        return;
    }
    // Blanks at either end don't count, except a blank typed after six
    // characters (it would begin a seventh).
    const int n = after.trimmed();
    if (n > kPasswordLength || (KeyAscii == ' ' && n == kPasswordLength && after.trail > 0)) KeyAscii = 0;
}

std::string Password_clean(const std::string& text) {
    std::string t = printable_only(text);
    size_t a = 0, e = 0;
    trimmed_span(t, a, e);
    if (static_cast<int>(e - a) > kPasswordLength) t.resize(a + kPasswordLength);
    return t;
}

std::array<uint8_t, kPasswordLength> Password_slots(const std::string& text) {
    std::array<uint8_t, kPasswordLength> slots;
    slots.fill(0x20);
    const std::string t = Password_clean(text);
    size_t a = 0, e = 0;
    trimmed_span(t, a, e);
    for (size_t i = a; i < e; ++i) slots[i - a] = static_cast<uint8_t>(t[i]);
    return slots;
}

void Use_password_filter(TextBox& box) {
    KeyEvent key = std::move(box.KeyPress);
    box.KeyPress = [&box, key = std::move(key)](int& KeyAscii) {
        // A box's text is printable ASCII throughout (its Change keeps it
        // so), and then the counts are all the rule needs: a long paste is
        // judged in time in its length.
        const TextCounts after = box.Counts_if_typed(KeyAscii);
        if (after.ascii) Password_key(after, KeyAscii);
        else Password_key(box.Text_if_typed(KeyAscii), KeyAscii);
        if (KeyAscii != 0 && key) key(KeyAscii);
    };
    Event change = std::move(box.Change);
    box.Change = [&box, change = std::move(change)] {
        std::string clean = Password_clean(box.Text());
        // Setting the clean text raises Change once more, and that one
        // reaches the box's own handler.
        if (clean != box.Text()) box.setText(clean);
        else if (change) change();
    };
}

}  // namespace ui
