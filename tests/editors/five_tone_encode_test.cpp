// The 5-tone editor's encode list: the frame box (stored per keystroke,
// checked when its cell is left, owned by the cell it was opened on), the
// row clear, the screen-only double-click and the standard list.
#include <array>
#include <string>
#include <vector>

#include "five_tone_support.h"

using namespace fivetonetest;

namespace {

const char* const kFiveDigits = "Encode Digit is 5 Bits.";
constexpr int kNo = 0xFF;

class FiveToneEncode : public FiveTone {
protected:
    void SetUp() override {
        FiveTone::SetUp();
        w.TabStrip1.click(2);
    }
    // Bytes from..from+n-1 of code n's record (591 + n).
    std::vector<int> code_bytes(int code, int from, int n) {
        std::vector<int> out;
        for (int b = from; b < from + n; ++b) out.push_back(p.at(591 + code, b));
        return out;
    }
};

}  // namespace

// One case: a frame cell opened, keys typed (\b is Backspace), a text that
// arrives without keys (a paste), then a click on another code's cell.
TEST_F(FiveToneEncode, FrameBoxKeysPastesAndLeaving) {
    struct Case {
        const char* name;
        int row, col;
        const char* keys;
        const char* paste;  // nullptr: none
        const char* box;    // the box's text before leaving
        std::vector<int> frame;  // the frame's bytes before leaving (and after)
        bool message;
        const char* cell_after;  // the cell after leaving ("" for a cleared row)
    } cases[] = {
        {"retyped lower and upper case", 1, 1, "\b\b\b\b\baBc", nullptr, "aBc", {10, 11, 12, kNo, kNo}, true, nullptr},
        {"sixth digit refused", 1, 2, "9\b\b0", nullptr, "3450", {3, 4, 5, 0, kNo}, true, nullptr},
        {"refused keys at any length", 1, 3, "\bg- z9", nullptr, "56789", {5, 6, 7, 8, 9}, false, "56789"},
        {"five digits", 1, 3, "\b\b\b\b\bfedcb", nullptr, "fedcb", {15, 14, 13, 12, 11}, false, "fedcb"},
        {"emptied frame 2", 1, 2, "\b\b\b\b\b", nullptr, "", {kNo, kNo, kNo, kNo, kNo}, false, "     "},
        {"emptied frame 1 clears the row", 1, 1, "\b\b\b\b\b", nullptr, "", {kNo, kNo, kNo, kNo, kNo}, false, ""},
        {"long paste stores five", 15, 1, "", "123456789", "123456789", {1, 2, 3, 4, 5}, true, nullptr},
        {"blank inside", 15, 2, "", " 1 2 ", " 1 2 ", {1, kNo, 2, kNo, kNo}, true, nullptr},
        {"five with a blank", 15, 2, "", "12 45", "12 45", {1, 2, kNo, 4, 5}, false, "12 45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.Command_def.click();
        p.rt.recorder.clear();
        const int rest = c.col == 1 ? 5 : 0;  // some bytes beside the frame
        const std::vector<int> beside = code_bytes(c.row, rest, 5);
        const int std_byte = p.at(591 + c.row, 15);
        w.MSF_Encode.click(c.row, c.col);
        ASSERT_TRUE(w.Text_Encode.Visible());
        w.Text_Encode.Select(5, 0);  // a click at the end of the selected frame
        w.Text_Encode.type(c.keys);
        if (c.paste) w.Text_Encode.setText(c.paste);
        EXPECT_EQ(w.Text_Encode.Text(), c.box);
        EXPECT_EQ(code_bytes(c.row, 5 * (c.col - 1), 5), c.frame);
        const int other = c.row == 1 ? 15 : 1;
        w.MSF_Encode.click(other, 1);
        EXPECT_EQ(p.shown(kFiveDigits), c.message ? 1 : 0);
        EXPECT_EQ(code_bytes(c.row, 5 * (c.col - 1), 5), c.frame);
        EXPECT_EQ(code_bytes(c.row, rest, 5), beside);
        EXPECT_EQ(p.at(591 + c.row, 15), std_byte);
        if (c.message) {
            EXPECT_EQ(p.rt.recorder.last()->title, "Operate Prompt\"");
            EXPECT_TRUE(w.Text_Encode.Visible());
            EXPECT_TRUE(w.Text_Encode.focused());
            EXPECT_EQ(w.Frame_overlay.row(), c.row);
        } else {
            EXPECT_TRUE(w.Frame_overlay.on(other, 1));  // the box moved to the clicked cell
            EXPECT_EQ(w.MSF_Encode.TextMatrix(c.row, c.col), c.cell_after);
        }
    }
}

// The factory frame cell opened and left untouched changes nothing.
TEST_F(FiveToneEncode, OpeningAndLeavingWritesTheCellBack) {
    const bx::MemImage before = p.app.Mem_image;
    w.MSF_Encode.click(1, 2);
    EXPECT_EQ(w.Text_Encode.Text(), "34567");
    w.MSF_Encode.click(15, 4);
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 2), "34567");
    EXPECT_FALSE(w.Text_Encode.Visible());
    EXPECT_TRUE(p.app.Mem_image == before);
    // A cell shows what its keystrokes stored once the box loses the focus.
    w.MSF_Encode.click(1, 1);
    w.Text_Encode.enter("ab");
    w.Combo_Enc_ys1.focus();
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 1), "AB   ");
}

// Five digits typed into frame 2 of a code without digits: stored while
// typing, emptied again with the row when the cell is left.
// A full frame opens selected: five digits typed replace it, each key
// judged on the frame it makes, and leaving keeps them.
TEST_F(FiveToneEncode, TypingOverAnOpenedFullFrameReplacesIt) {
    w.Command_def.click();
    w.MSF_Encode.click(1, 3);
    ASSERT_EQ(ui::utf8_length(w.Text_Encode.Text()), 5);
    w.Text_Encode.type("fedcb");
    EXPECT_EQ(w.Text_Encode.Text(), "fedcb");
    EXPECT_EQ(code_bytes(1, 10, 5), (std::vector<int>{15, 14, 13, 12, 11}));
    w.MSF_Encode.click(15, 1);
    EXPECT_EQ(code_bytes(1, 10, 5), (std::vector<int>{15, 14, 13, 12, 11}));
    EXPECT_EQ(p.shown(kFiveDigits), 0);
}

TEST_F(FiveToneEncode, FrameOfACodeWithoutFrameOneIsClearedOnLeaving) {
    w.MSF_Encode.click(4, 2);
    w.Text_Encode.type("12345");
    EXPECT_EQ(code_bytes(4, 5, 5), (std::vector<int>{1, 2, 3, 4, 5}));
    w.MSF_Encode.click(1, 1);
    EXPECT_EQ(code_bytes(4, 0, 16), std::vector<int>(16, kNo));
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(w.MSF_Encode.TextMatrix(4, c), "");
    EXPECT_EQ(p.shown(kFiveDigits), 0);
}

// After the five-digit message the box stays on its own cell: a click or a
// key that made another cell current opens nothing there, and the typing
// goes on into the box's own frame.
TEST_F(FiveToneEncode, RefusedBoxKeepsItsCell) {
    const std::vector<int> code15 = code_bytes(15, 0, 16);
    w.MSF_Encode.click(1, 1);
    w.Text_Encode.enter("ABC");
    w.MSF_Encode.click(15, 2);
    EXPECT_EQ(p.shown(kFiveDigits), 1);
    EXPECT_EQ(w.MSF_Encode.Row(), 15);
    EXPECT_EQ(w.Frame_overlay.row(), 1);
    EXPECT_EQ(w.Frame_overlay.col(), 1);
    w.Text_Encode.type("DE");
    EXPECT_EQ(code_bytes(1, 0, 5), (std::vector<int>{10, 11, 12, 13, 14}));
    EXPECT_EQ(code_bytes(15, 0, 16), code15);
    w.MSF_Encode.click(3, 3);  // now the box may go: into its own cell
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 1), "ABCDE");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 2), "45678");
    EXPECT_EQ(p.shown(kFiveDigits), 1);
    EXPECT_EQ(w.Frame_overlay.row(), 3);

    // The same after a key move of the grid.
    w.MSF_Encode.click(1, 2);
    w.Text_Encode.enter("12");
    w.MSF_Encode.focus();
    w.MSF_Encode.key(ui::Grid::Key::Down);
    EXPECT_EQ(p.shown(kFiveDigits), 2);
    EXPECT_EQ(w.MSF_Encode.Row(), 2);
    w.Text_Encode.type("345");
    EXPECT_EQ(code_bytes(1, 5, 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(code_bytes(2, 0, 16), std::vector<int>(16, kNo));
    w.MSF_Encode.click(15, 1);
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 2), "12345");
    EXPECT_TRUE(w.Frame_overlay.on(15, 1));
}

// A double-click on a code's number empties its row on the screen only, and
// the emptied row opens only frame 1. Passing through it later erases no
// frame: neither with the box's leftover text, nor with the box that was
// open in the row, since the code still has its frame 1.
TEST_F(FiveToneEncode, DoubleClickBlankIsScreenOnly) {
    const bx::MemImage before = p.app.Mem_image;
    w.MSF_Encode.click(15, 3);
    EXPECT_EQ(w.Text_Encode.Text(), "67890");
    w.MSF_Encode.click(1, 0);  // the box leaves its cell, keeping its text
    w.MSF_Encode.dblclick(15, 0);
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(w.MSF_Encode.TextMatrix(15, c), "");
    for (int c = 2; c <= 4; ++c) {
        w.MSF_Encode.click(15, c);
        EXPECT_FALSE(w.Text_Encode.Visible());
        EXPECT_FALSE(w.Combo_Encode.Visible());
    }
    w.MSF_Encode.click(1, 2);  // leaves a cell of the emptied row
    EXPECT_TRUE(p.app.Mem_image == before);

    w.Combo_Enc_ys1.focus();  // the box loses the focus: a redraw
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 3), "67890");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 4), "MODAT");
    w.MSF_Encode.click(15, 3);
    w.MSF_Encode.dblclick(15, 0);  // the box stays open over the emptied row
    EXPECT_TRUE(w.Text_Encode.Visible());
    w.MSF_Encode.click(15, 2);
    EXPECT_FALSE(w.Text_Encode.Visible());
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 3), "");
    EXPECT_TRUE(p.app.Mem_image == before);
    w.MSF_Encode.dblclick(0, 0);  // the corner: nothing
    EXPECT_EQ(w.MSF_Encode.TextMatrix(0, 1), " Frame 1 ");
    EXPECT_TRUE(p.app.Mem_image == before);
}

// The standard list: opened on the code's standard, a pick stored at once
// into the code's byte 15, shown in the cell once it is left; typing is
// undone.
TEST_F(FiveToneEncode, StandardListStoresThePick) {
    w.TabStrip1.click(1);
    w.MSF_Chann.click(9, 2);  // another row chosen on the Standard page
    w.TabStrip1.click(2);
    w.MSF_Encode.click(15, 4);
    ASSERT_TRUE(w.Combo_Encode.Visible());
    EXPECT_EQ(w.Combo_Encode.Text(), "MODAT");
    w.Combo_Encode.pick(4);
    EXPECT_EQ(p.at(606, 15), 4);
    w.Combo_Encode.type("x");
    EXPECT_EQ(w.Combo_Encode.Text(), "ZVEI2");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 4), "MODAT");
    w.MSF_Encode.click(1, 4);
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 4), "ZVEI2");
    EXPECT_EQ(w.Combo_Encode.Text(), "CCIR1");
    EXPECT_EQ(p.at(606, 15), 4);
    EXPECT_EQ(p.at(592, 15), 0);

    // A row clear leaves the list empty, whatever text another list saved:
    // opened over a code without a standard it shows nothing.
    p.at(592, 15) = kNo;
    w.Combo_Enc_ys1.focus();
    w.MSF_Encode.click(2, 1);
    w.MSF_Encode.click(1, 1);  // code 2's empty frame 1 left: its row cleared
    EXPECT_EQ(w.MSF_Encode.TextMatrix(2, 1), "");
    w.MSF_Encode.click(1, 4);
    ASSERT_TRUE(w.Combo_Encode.Visible());
    EXPECT_EQ(w.Combo_Encode.ListIndex(), -1);
    EXPECT_EQ(w.Combo_Encode.Text(), "");
    w.Combo_Encode.type("x");
    EXPECT_EQ(w.Combo_Encode.Text(), "");
    EXPECT_EQ(p.at(592, 15), kNo);
}

// Switching pages hides the encode list's editors: the digits typed stay,
// and leaving cells afterwards checks nothing. A click on a code's number
// closes the standards grid's list left open.
TEST_F(FiveToneEncode, PageSwitchHidesTheEditors) {
    w.MSF_Encode.click(1, 3);
    w.Text_Encode.enter("12");
    w.TabStrip1.click(1);
    EXPECT_FALSE(w.Text_Encode.Visible());
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 3), "12   ");  // what the keystrokes stored
    w.MSF_Chann.click(3, 1);
    ASSERT_TRUE(w.Combo_edit.Visible());
    w.TabStrip1.click(2);
    w.MSF_Encode.click(2, 1);
    w.MSF_Encode.click(15, 1);
    EXPECT_EQ(p.shown(kFiveDigits), 0);
    EXPECT_EQ(code_bytes(1, 10, 5), (std::vector<int>{1, 2, kNo, kNo, kNo}));
    w.MSF_Encode.click(5, 0);
    w.TabStrip1.click(1);
    EXPECT_FALSE(w.Combo_edit.Visible());
    // A standard picked, then the page left: the cell shows the pick.
    w.TabStrip1.click(2);
    w.MSF_Encode.click(15, 4);
    w.Combo_Encode.pick(4);
    w.TabStrip1.click(1);
    w.TabStrip1.click(2);
    EXPECT_FALSE(w.Combo_Encode.Visible());
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 4), "ZVEI2");
    EXPECT_EQ(p.at(606, 15), 4);
}

// After the five-digit message the grid stands on the cell the user chose,
// where a click raises no leave. Such a click judges the box as a leave
// would: with too few digits the message shows again; with five the box
// goes into its own cell and the clicked cell opens.
TEST_F(FiveToneEncode, RefusedBoxGoesOnAClickOnTheGridsCell) {
    w.MSF_Encode.click(2, 1);  // a code without digits
    w.Text_Encode.type("1234");
    w.MSF_Encode.click(2, 2);
    EXPECT_EQ(p.shown(kFiveDigits), 1);
    w.MSF_Encode.click(2, 2);
    EXPECT_EQ(p.shown(kFiveDigits), 2);
    EXPECT_TRUE(w.Text_Encode.focused());
    EXPECT_TRUE(w.Frame_overlay.on(2, 1));
    w.Text_Encode.type("5");
    w.MSF_Encode.click(2, 2);
    EXPECT_EQ(p.shown(kFiveDigits), 2);
    EXPECT_EQ(w.MSF_Encode.TextMatrix(2, 1), "12345");
    EXPECT_TRUE(w.Frame_overlay.on(2, 2));
    EXPECT_TRUE(w.Text_Encode.Visible());
    std::vector<int> want{1, 2, 3, 4, 5};
    want.resize(16, kNo);
    EXPECT_EQ(code_bytes(2, 0, 16), want);
}
