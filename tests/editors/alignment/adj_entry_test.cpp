// Typing into the alignment editor: the numeric boxes with their range
// messages, the range boxes (key filter, leave checks, the band's own six
// cells) and the passwords.
#include <gtest/gtest.h>

#include "adj_support.h"

using namespace adjtest;

namespace {

class AdjEntry : public ::testing::Test {
protected:
    Adj p;
    bx::frm_Adj_Txp& w = (p.begin(), p.w());
};

TEST_F(AdjEntry, NumericBoxesTakeDigitsWithinTheirRange) {
    struct Case {
        int tab;
        ui::TextBox* box;
        int col, row;
        const char* text;
        int cell;          // the cell afterwards
        const char* shown;  // the box afterwards
        const char* message;  // nullptr: none
    };
    const char* m15 = " 输入数字范围为 0 - 15 ！";
    const char* m100 = " 输入数字范围为 0 - 100 ！";
    const char* m10 = " 输入数字范围为 0 - 10 ！";
    const Case cases[] = {
        {1, &w.Text1[0], 0, 0, "", 0, "", nullptr},
        {1, &w.Text1[0], 0, 0, "007", 7, "007", nullptr},
        {1, &w.Text1[0], 0, 0, " 5 ", 5, " 5 ", nullptr},
        {1, &w.Text1[0], 0, 0, "15", 15, "15", nullptr},
        {1, &w.Text1[2], 0, 2, "16", 13, "13", m15},
        {1, &w.Text2[4], 1, 4, "-1", 13, "13", m15},
        {1, &w.Text2[4], 1, 4, "1.5", 13, "13", m15},
        {1, &w.Text2[4], 1, 4, "1 2", 13, "13", m15},
        {1, &w.Text2[4], 1, 4, "x", 13, "13", m15},
        {2, &w.Text1[3], 2, 3, "16", 5, "5", m15},
        {2, &w.Text2[15], 3, 15, "0", 0, "0", nullptr},
        {3, &w.Text_SQ_VHF[9], 4, 9, "100", 100, "100", nullptr},
        {3, &w.Text_SQ_VHF[9], 4, 9, "101", 48, "48", m100},
        {3, &w.Text_SQ_UHF[1], 6, 1, "999999999999999999999", 31, "31", m100},
        {3, &w.Text_Sq_Offset_VHF[0], 5, 0, "10", 10, "10", nullptr},
        {3, &w.Text_Sq_Offset_UHF[3], 7, 3, "11", 1, "1", m10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box->name() << " tab " << c.tab << " '" << c.text << "'");
        p.tab(c.tab);
        p.rt.recorder.clear();
        c.box->setText(c.text);
        EXPECT_EQ(p.app.Adj_table(c.col, c.row), c.cell);
        EXPECT_EQ(c.box->Text(), c.shown);
        if (c.message) {
            ASSERT_EQ(p.texts(), std::vector<std::string>{c.message});
            EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbInformation);
            EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
            EXPECT_EQ(w.ActiveControl(), c.box);
        } else {
            EXPECT_TRUE(p.texts().empty());
        }
        EXPECT_TRUE(p.all_bytes());
    }
}

TEST_F(AdjEntry, NumericBoxChecksEveryKeystroke) {
    p.tab(3);
    ui::TextBox& box = w.Text_Sq_Offset_VHF[2];  // 0..10, factory 8
    box.enter("1");
    EXPECT_EQ(p.app.Adj_table(5, 2), 1);
    p.rt.recorder.hold_ms = 0;
    box.type("2");  // "12"
    EXPECT_EQ(p.texts(), std::vector<std::string>{" 输入数字范围为 0 - 10 ！"});
    EXPECT_EQ(box.Text(), "8");
    EXPECT_EQ(p.app.Adj_table(5, 2), 8);
    // English makes no difference to the message.
    p.app.Lang_chinese = 0;
    box.type("a");
    EXPECT_EQ(p.rt.recorder.count(" 输入数字范围为 0 - 10 ！"), 2);
    EXPECT_EQ(box.Text(), "8");
}

class AdjRange : public AdjEntry {
protected:
    void SetUp() override {
        p.tab(5);
        p.rt.recorder.clear();
    }
    // From the factory table and the user password box: puts texts into a
    // band's boxes, focuses the box to leave and leaves it for the user
    // password box.
    void leave(int band, const char* low, const char* high, bool low_box) {
        w.Text_user_PassWord.focus();
        p.app.Adj_table = p.app.Adj_defaults;
        p.rt.recorder.clear();
        const auto b = static_cast<size_t>(band);
        w.Text_Freq_L[b].setText(low);
        w.Text_Freq_H[b].setText(high);
        (low_box ? w.Text_Freq_L[b] : w.Text_Freq_H[b]).focus();
        w.Text_user_PassWord.focus();
    }
    std::vector<int> range_cells() { return p.cells(9, 0, 12); }
};

TEST_F(AdjRange, LeaveChecksAndStoresOnlyItsOwnBand) {
    struct Case {
        int band;
        const char* low;
        const char* high;
        bool low_box;
        const char* message;  // nullptr: accepted
        const char* reset;    // the left box afterwards
        std::vector<int> cells;
    };
    const std::vector<int> factory{1, 3, 0, 1, 7, 9, 4, 0, 0, 4, 8, 0};
    const Case cases[] = {
        {0, "136", "174", true, nullptr, "136", {1, 3, 6, 1, 7, 4, 4, 0, 0, 4, 8, 0}},
        {0, " 130", " 179", false, nullptr, " 179", factory},
        {0, "130", "180", false, "Receive frequency of upper limit can't more than the highest of work frequency. ", "179",
         factory},
        {0, "129", "179", true, "Receive frequency of lower limit can't less than the lowest of work frequency. ", "130",
         factory},
        {0, "150", "140", true, "Receive frequency of lower limit can't more than receive frequency of upper limit.",
         "130", factory},
        {0, "150", "140", false, "Receive frequency of upper limit can't less than receive frequency of lower limit.",
         "179", factory},
        {1, "400", "520", false, nullptr, "520", {1, 3, 0, 1, 7, 9, 4, 0, 0, 5, 2, 0}},
        // Past the low box's checks, but the pair leaves the band: nothing stored.
        {0, "150", "200", true, nullptr, "150", factory},
        // The leading number counts; whole parts are stored.
        {0, "150A", "170.9", true, nullptr, "150A", {1, 5, 0, 1, 7, 0, 4, 0, 0, 4, 8, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.band << " " << c.low << "-" << c.high);
        p.app.Lang_chinese = 0;
        leave(c.band, c.low, c.high, c.low_box);
        ui::TextBox& left = c.low_box ? w.Text_Freq_L[static_cast<size_t>(c.band)] : w.Text_Freq_H[static_cast<size_t>(c.band)];
        EXPECT_EQ(left.Text(), c.reset);
        EXPECT_EQ(range_cells(), c.cells);
        if (c.message) {
            ASSERT_EQ(p.texts(), std::vector<std::string>{c.message});
            EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
            EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
            EXPECT_EQ(w.ActiveControl(), &left);
        } else {
            EXPECT_TRUE(p.texts().empty());
            EXPECT_EQ(w.ActiveControl(), &w.Text_user_PassWord);
        }
    }
    // Chinese texts and title.
    p.app.Lang_chinese = -1;
    leave(1, "390", "480", true);
    ASSERT_EQ(p.texts(), std::vector<std::string>{"下限频率不可小于该频段最低工作频率"});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
    EXPECT_TRUE(p.all_bytes());
}

// Judged on the text a key makes: four characters stand at most, and
// Backspace or typing over a selection work at four.
TEST_F(AdjRange, KeyFilterKeepsFourCharacters) {
    ui::TextBox& box = w.Text_Freq_L[0];  // " 130"
    box.focus();
    box.type("5");
    EXPECT_EQ(box.Text(), " 1305");
    box.type("9");
    EXPECT_EQ(box.Text(), " 1305");
    box.type("\b");
    box.type("x");
    EXPECT_EQ(box.Text(), " 130x");
    box.SelectAll();
    box.type("4100");
    EXPECT_EQ(box.Text(), "4100");
}

TEST_F(AdjEntry, PasswordsAreRawCodesLeftAligned) {
    p.tab(5);
    ui::TextBox& user = w.Text_user_PassWord;
    struct Case {
        const char* typed;
        const char* shown;
        std::vector<int> cells;
    };
    const Case cases[] = {
        {"abc", "abc", {'a', 'b', 'c', ' ', ' ', ' '}},
        {"a b", "a b", {'a', ' ', 'b', ' ', ' ', ' '}},
        {"Ab12345", "Ab1234", {'A', 'b', '1', '2', '3', '4'}},  // the seventh is refused
        {"", "", {' ', ' ', ' ', ' ', ' ', ' '}},
        {"中#", "#", {'#', ' ', ' ', ' ', ' ', ' '}},  // only printable ASCII
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        user.enter(c.typed);
        EXPECT_EQ(user.Text(), c.shown);
        EXPECT_EQ(p.cells(31, 0, 6), c.cells);
    }
    w.Text_Super_PassWord.enter("Zz");
    EXPECT_EQ(p.cells(31, 6, 6), (std::vector<int>{'Z', 'z', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(p.cells(31, 12, 4), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_TRUE(p.all_bytes());
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST_F(AdjEntry, PasswordDisplayLeftAlignsWhatItShows) {
    struct Case {
        std::vector<int> record;  // cells (31, 0..5)
        const char* shown;
        std::vector<int> stored;
    };
    const Case cases[] = {
        {{'1', '2', '3', '4', '5', '6'}, "123456", {'1', '2', '3', '4', '5', '6'}},
        {{'a', 'B', ' ', ' ', ' ', ' '}, "aB", {'a', 'B', ' ', ' ', ' ', ' '}},
        {{' ', 'A', 'B', 'C', ' ', ' '}, "ABC", {'A', 'B', 'C', ' ', ' ', ' '}},  // centred by older files
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", {' ', ' ', ' ', ' ', ' ', ' '}},
        {{'A', 11, 'B', ' ', ' ', ' '}, "AB", {'A', 'B', ' ', ' ', ' ', ' '}},
    };
    for (int tab : {3, 5}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "tab " << tab << " " << c.shown);
            p.tab(1);
            for (int k = 0; k < 6; ++k) p.app.Adj_table(31, k) = static_cast<int16_t>(c.record[static_cast<size_t>(k)]);
            p.tab(tab);
            EXPECT_EQ(w.Text_user_PassWord.Text(), c.shown);
            EXPECT_EQ(p.cells(31, 0, 6), c.stored);
            EXPECT_TRUE(p.all_bytes());
        }
    }
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

}  // namespace
