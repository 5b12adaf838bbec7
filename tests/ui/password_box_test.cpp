#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/password_box.h"
#include "ui/sim.h"

namespace {

struct BoxForm : ui::Form {
    explicit BoxForm(ui::Runtime& rt) : ui::Form(rt, "BoxForm") {}
    ui::TextBox Text1{*this, "Text1"};
};

struct PasswordBox : ::testing::Test {
    ui::SimRuntime rt;
    BoxForm f{rt};
    std::vector<std::string> seen;  // texts the box's own Change handler saw
    std::vector<int> keys;          // keys its own KeyPress handler saw
    void SetUp() override {
        f.Load();
        f.Text1.Change = [this] { seen.push_back(f.Text1.Text()); };
        f.Text1.KeyPress = [this](int& k) { keys.push_back(k); };
        ui::Use_password_filter(f.Text1);
    }
};

TEST_F(PasswordBox, TypingStopsAtSixPrintableCharacters) {
    struct Case {
        const char* typed;
        const char* text;
    } cases[] = {
        {"1234567", "123456"},
        {"abcDEF!", "abcDEF"},          // case kept, a seventh refused
        {"  ab cd  ", "  ab cd  "},     // blanks around don't count
        {"12345 6", "12345 "},          // a letter after the blank would be a seventh
        {"123456 ", "123456"},          // nothing once six stand
        {"1\t2\r3\x7f" "4", "1234"},    // control characters refused
        {"a\xc3\xa9" "b\xe4\xb8\xad" "c", "abc"},  // non-ASCII refused
        {"1234567\b\b9", "12349"},      // Backspace passes
        {"~ }", "~ }"},                 // 0x7E and 0x20 are printable
    };
    for (const Case& c : cases) {
        f.Text1.setText("");
        f.Text1.type(c.typed);
        EXPECT_EQ(f.Text1.Text(), c.text) << c.typed;
    }
    for (int k : keys) EXPECT_TRUE(k == 8 || ui::Password_char_ok(k)) << k;
}

// A key is judged on the password it makes: over a selection of a full box
// it replaces, at the cursor it would make a seventh.
TEST_F(PasswordBox, TypingOverASelectionOfAFullBoxReplaces) {
    f.Text1.setText("580317");
    f.Text1.SelectAll();
    f.Text1.type("402793");
    EXPECT_EQ(f.Text1.Text(), "402793");
    f.Text1.Select(5, 1);
    f.Text1.type("89");
    EXPECT_EQ(f.Text1.Text(), "402798");
}

TEST_F(PasswordBox, TextSetByCodeOrPastedKeepsTheFirstSix) {
    struct Case {
        const char* set;
        const char* text;
    } cases[] = {
        {"12345678", "123456"},
        {"  12 4567890  ", "  12 456"},
        {"a\xe4\xb8\xad\tb", "ab"},
        {"abc   ", "abc   "},
        {"", ""},
    };
    for (const Case& c : cases) {
        f.Text1.setText("x");
        seen.clear();
        f.Text1.setText(c.set);
        EXPECT_EQ(f.Text1.Text(), c.text) << c.set;
        // The box's own handler sees the clean text only, once.
        EXPECT_EQ(seen, std::vector<std::string>{c.text}) << c.set;
    }
}

TEST(PasswordSlots, RawCodesLeftAlignedBlankPadded) {
    using S = std::array<uint8_t, 6>;
    EXPECT_EQ(ui::Password_slots("aB3"), (S{'a', 'B', '3', ' ', ' ', ' '}));
    EXPECT_EQ(ui::Password_slots("  x y  "), (S{'x', ' ', 'y', ' ', ' ', ' '}));
    EXPECT_EQ(ui::Password_slots("1234567"), (S{'1', '2', '3', '4', '5', '6'}));
    EXPECT_EQ(ui::Password_slots(""), (S{' ', ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(ui::Password_slots("\xe4\xb8\xad" "ab"), (S{'a', 'b', ' ', ' ', ' ', ' '}));
}

}  // namespace
