// The alignment editor's own Read and Write with the simulated radio: the
// table and the page after a read (a cell its box refuses included), the
// radio's area after a write of edited cells.
#include <gtest/gtest.h>

#include "adj_support.h"

using namespace adjtest;

namespace {

TEST(AdjLink, ReadFillsTableAndPageThenWriteSendsTheEdits) {
    Adj p;
    p.begin();
    bx::frm_Adj_Txp& w = p.w();
    bx::AdjTable area = p.radio.radio.Adj_area();
    ASSERT_NE(area, p.app.Adj_table);
    w.Command_read.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.app.Adj_table, area);
    EXPECT_EQ(w.Text1[0].Text(), std::to_string(area(0, 0)));
    EXPECT_EQ(w.Text2[15].Text(), std::to_string(area(1, 15)));
    EXPECT_TRUE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 100);
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read optional parameters in gear. ");
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_TRUE(p.all_bytes());

    // Edits on three pages, then Write: the radio holds the table.
    w.Text2[3].enter("1");
    p.tab(4);
    w.Combo_Beep_F.pick(0);
    p.tab(5);
    w.Text_Super_PassWord.enter("abc");
    p.rt.recorder.clear();
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete Written optional parameters to the transceiver."});
    EXPECT_EQ(p.radio.radio.Adj_area(), p.app.Adj_table);
    EXPECT_EQ(p.radio.radio.Adj_area()(1, 3), 1);
    EXPECT_EQ(p.radio.radio.Adj_area()(8, 8), 0);
    EXPECT_EQ(p.radio.radio.Adj_area()(31, 6), 'a');
}

TEST(AdjLink, ReadCellOutsideItsBoxTakesTheFactoryValue) {
    Adj p;
    p.begin();
    bx::frm_Adj_Txp& w = p.w();
    bx::AdjTable area = p.radio.radio.Adj_area();
    area(0, 4) = 200;  // high power, a box of 0-15
    area(8, 1) = 255;  // CT deviation, a list of 64: kept, not on this page anyway
    p.radio.radio.Set_adj_area(area);
    w.Command_read.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{" 输入数字范围为 0 - 15 ！", "Complete reading the data from transceiver."}));
    EXPECT_EQ(p.app.Adj_table(0, 4), p.app.Adj_defaults(0, 4));
    EXPECT_EQ(w.Text1[4].Text(), std::to_string(p.app.Adj_defaults(0, 4)));
    EXPECT_EQ(p.app.Adj_table(8, 1), 255);
    EXPECT_TRUE(p.all_bytes());
}

}  // namespace
