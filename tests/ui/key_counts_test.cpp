// A key filter that asks for counts (Counts_if_typed) sees, at every key of
// a paste or a typed run, the counts of the very text Text_if_typed shows
// it: the counts the entry keeps up to date as keys go in never drift from
// the text, whatever the selection, the blanks at either end, the
// characters beyond ASCII, a Backspace, or a handler setting the text in
// the middle of a paste.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/sim.h"

namespace {

struct CountsForm : ui::Form {
    explicit CountsForm(ui::Runtime& rt) : ui::Form(rt, "CountsForm") {}
    ui::TextBox Text1{*this, "Text1"};
};

std::string shown(const ui::TextCounts& n) {
    return "chars " + std::to_string(n.chars) + " bytes " + std::to_string(n.bytes) + " blanks " +
           std::to_string(n.blanks) + " lead " + std::to_string(n.lead) + " trail " + std::to_string(n.trail) +
           (n.ascii ? " ascii" : "");
}

TEST(KeyCounts, CountsFollowTheTextAtEveryKey) {
    struct Case {
        const char* start;
        int sel_start, sel_len;
        const char* keys;
        bool paste;
        const char* reset = nullptr;  // text the handler sets at the third key
    };
    const Case cases[] = {
        {"", 0, 0, "  ab  c  ", true},
        {"   ", 1, 1, "   x ", true},
        {"  12  ", 0, 6, "  3 4", true},
        {"ab  ", 4, 0, "  \t ", true},            // a tab adds nothing
        {"  x", 0, 0, "y  ", true},
        {"频率 ", 1, 1, " 段é  ", true},          // beyond ASCII
        {"abc ", 4, 0, "\b\b \b", false},         // Backspace typed
        {"  ab", 1, 2, "\b", false},              // Backspace over a selection
        {" ab ", 2, 0, "\x7f~ ", true},           // DEL is no printable character
        {"12", 1, 0, "3456", true, "  9  "},      // the handler sets a text
        {"    ", 2, 0, "ab  ", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("start \"") + c.start + "\" keys \"" + c.keys + "\"");
        ui::SimRuntime rt;
        CountsForm f(rt);
        f.Load();
        f.Text1.setText(c.start);
        int judged = 0;
        f.Text1.KeyPress = [&](int& k) {
            const std::string after = f.Text1.Text_if_typed(k);
            EXPECT_EQ(shown(f.Text1.Counts_if_typed(k)), shown(ui::TextCounts::of(after)))
                << "key " << k << ", text \"" << after << "\"";
            if (++judged == 3 && c.reset) f.Text1.setText(c.reset);
        };
        f.Text1.Select(c.sel_start, c.sel_len);
        if (c.paste) {
            f.Text1.paste_at(c.keys, c.sel_start, c.sel_len);
        } else {
            for (const char* k = c.keys; *k; ++k) f.Text1.type_at(*k, f.Text1.SelStart(), f.Text1.SelLength());
        }
        EXPECT_GT(judged, 0);
        // Outside KeyPress the counts are the text's own.
        EXPECT_EQ(shown(f.Text1.Counts_if_typed('x')), shown(ui::TextCounts::of(f.Text1.Text())));
    }
}

// The counts of a text: characters as utf8_length counts them, blanks at
// either end as Trim takes them off.
TEST(KeyCounts, CountsOfATextAndOfTwoTexts) {
    struct Case {
        const char* text;
        int chars, bytes, blanks, lead, trail, trimmed;
        bool ascii;
    };
    const Case cases[] = {
        {"", 0, 0, 0, 0, 0, 0, true},          {"   ", 3, 3, 3, 3, 3, 0, true},
        {" a b ", 5, 5, 3, 1, 1, 3, true},     {"ab  ", 4, 4, 2, 0, 2, 2, true},
        {" 频率", 3, 7, 1, 1, 0, 2, false},    {"a\tb", 3, 3, 0, 0, 0, 3, false},
        {"\x80 ", 2, 2, 1, 0, 1, 1, false},  // a stray byte is one character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ui::TextCounts n = ui::TextCounts::of(c.text);
        EXPECT_EQ(shown(n), shown({c.chars, c.bytes, c.blanks, c.lead, c.trail, c.ascii}));
        EXPECT_EQ(n.trimmed(), c.trimmed);
        for (const Case& d : cases) {
            SCOPED_TRACE(d.text);
            EXPECT_EQ(shown(n + ui::TextCounts::of(d.text)), shown(ui::TextCounts::of(std::string(c.text) + d.text)));
        }
    }
}

}  // namespace
