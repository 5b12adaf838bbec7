// The grid's event order, its scrolling geometry, the cell overlay and the
// tab strip, headless.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/all.h"
#include "ui/sim.h"

namespace {

using Log = std::vector<std::string>;

struct GridForm : ui::Form {
    explicit GridForm(ui::Runtime& rt) : ui::Form(rt, "GridForm") {
        G.LeaveCell = [this] {
            log.push_back("Leave " + cell());
            if (on_leave) on_leave();
        };
        G.Click = [this] { log.push_back("Click"); };
        G.DblClick = [this] { log.push_back("DblClick"); };
        G.Scroll = [this] { log.push_back("Scroll"); };
        Text1.LostFocus = [this] { log.push_back("Text1 LostFocus"); };
        G.GotFocus = [this] { log.push_back("GotFocus"); };
    }
    ui::Grid G{*this, "G"};
    ui::TextBox Text1{*this, "Text1"};
    ui::ComboBox Combo1{*this, "Combo1"};
    ui::CellOverlay TextOver{*this, "TextOver", G, Text1};
    ui::CellOverlay ComboOver{*this, "ComboOver", G, Combo1};
    ui::TabStrip Tabs{*this, "Tabs"};
    Log log;
    std::function<void()> on_leave;
    int fixed_cols = 1;

    std::string cell() const { return std::to_string(G.Row()) + "," + std::to_string(G.Col()); }

protected:
    // 10 rows (1 fixed) by 4 columns of 600 twips; the view holds the fixed
    // row and 4 data rows (row height 240 headless), no horizontal bar.
    void Build() override {
        G.Move(300, 450, 2400 + 30 + 255, 1230);
        G.setRows(10);
        G.setCols(4);
        G.setFixedCols(fixed_cols);
        for (int c = 0; c < 4; ++c) G.setColWidth(c, 600);
        Text1.setVisible(false);
        Combo1.Move(0, 0, 900, 315);
        Combo1.setVisible(false);
    }
};

struct GridTest : ::testing::Test {
    ui::SimRuntime rt;
    GridForm f{rt};
};

struct Move {
    const char* name;
    int fixed_cols;
    std::function<void(GridForm&)> act;
    Log events;
    int row, col;  // current cell afterwards
};

// Every way the current cell moves: what is raised, in which order, and the
// cell that LeaveCell sees.
TEST_F(GridTest, MovesRaiseLeaveCellClickAndDblClickInOrder) {
    const std::vector<Move> moves = {
        {"click another cell", 1, [](GridForm& f) { f.G.click(3, 2); }, {"GotFocus", "Leave 1,1", "Click"}, 3, 2},
        {"click from a focused text box",
         1,
         [](GridForm& f) {
             f.Text1.setVisible(true);
             f.Text1.SetFocus();
             f.log.clear();
             f.G.click(3, 2);
         },
         {"Text1 LostFocus", "GotFocus", "Leave 1,1", "Click"},
         3,
         2},
        {"click the current cell", 1, [](GridForm& f) { f.G.click(1, 1); }, {"GotFocus", "Click"}, 1, 1},
        {"click a fixed column: row only", 1, [](GridForm& f) { f.G.click(4, 0); }, {"GotFocus", "Leave 1,1", "Click"}, 4, 1},
        {"click a fixed row", 1, [](GridForm& f) { f.G.click(0, 3); }, {"GotFocus", "Click"}, 1, 1},
        {"click column 0 without fixed columns", 0, [](GridForm& f) { f.G.click(3, 0); }, {"GotFocus", "Leave 1,0", "Click"}, 3, 0},
        {"double-click", 1, [](GridForm& f) { f.G.dblclick(2, 3); }, {"GotFocus", "Leave 1,1", "Click", "DblClick"}, 2, 3},
        {"key down", 1, [](GridForm& f) { f.G.key(ui::Grid::Key::Down); }, {"Leave 1,1"}, 2, 1},
        {"key left at the fixed column", 1, [](GridForm& f) { f.G.key(ui::Grid::Key::Left); }, {}, 1, 1},
        {"key end", 1, [](GridForm& f) { f.G.key(ui::Grid::Key::End); }, {"Leave 1,1"}, 1, 3},
        {"code sets Row", 1, [](GridForm& f) { f.G.setRow(6); }, {"Leave 1,1"}, 6, 1},
        {"code sets the same value", 1, [](GridForm& f) { f.G.setRow(1), f.G.setCol(1); }, {}, 1, 1},
        {"code sets Col then Row", 1, [](GridForm& f) { f.G.setCol(2), f.G.setRow(3); }, {"Leave 1,1", "Leave 1,2"}, 3, 2},
        {"code makes a fixed cell current", 1, [](GridForm& f) { f.G.setRow(0), f.G.setCol(0); }, {"Leave 1,1", "Leave 0,1"}, 0, 0},
        {"code's row beyond the grid", 1, [](GridForm& f) { f.G.setRow(10); }, {}, 1, 1},
        {"a move inside LeaveCell runs first",
         1,
         [](GridForm& f) {
             f.on_leave = [&f] {
                 f.on_leave = nullptr;
                 f.G.setCol(3);
                 f.log.push_back("back at " + f.cell());
             };
             f.G.click(5, 2);
         },
         {"GotFocus", "Leave 1,1", "Leave 1,1", "back at 1,3", "Click"},
         5,
         2},
    };
    for (const Move& m : moves) {
        SCOPED_TRACE(m.name);
        f.fixed_cols = m.fixed_cols;
        f.Unload(true);
        f.Load();
        f.log.clear();
        m.act(f);
        EXPECT_EQ(f.log, m.events);
        EXPECT_EQ(f.cell(), std::to_string(m.row) + "," + std::to_string(m.col));
    }
}

TEST_F(GridTest, ClickNamesTheMouseCellAndAFixedStartAfterCodeKeysOntoData) {
    f.Load();
    f.G.click(0, 2);
    EXPECT_EQ(f.G.MouseRow(), 0);
    EXPECT_EQ(f.G.MouseCol(), 2);
    // Code put the current cell on the fixed corner; the user's keys only
    // reach data cells.
    f.G.setRow(0), f.G.setCol(0);
    f.G.key(ui::Grid::Key::Right);
    EXPECT_EQ(f.cell(), "1,1");
    // A grid the user cannot reach ignores clicks and keys.
    f.G.setEnabled(false);
    f.log.clear();
    f.G.click(4, 2);
    f.G.key(ui::Grid::Key::Down);
    EXPECT_TRUE(f.log.empty());
}

TEST_F(GridTest, FormatStringSetsColumnsHeadersAndMeasuredWidths) {
    f.Load();
    f.G.setRow(1), f.G.setCol(3);
    f.log.clear();
    f.G.setFormatString("^ Code|^信道号|Name ");
    EXPECT_EQ(f.G.Cols(), 3);
    EXPECT_EQ(f.G.TextMatrix(0, 0), " Code");
    EXPECT_EQ(f.G.TextMatrix(0, 1), "信道号");
    EXPECT_EQ(f.G.TextMatrix(0, 2), "Name ");
    EXPECT_EQ(f.G.ColAlignment(0), 2);
    EXPECT_EQ(f.G.ColAlignment(2), 0);
    // Headless rule: 7 px an ASCII character, 14 px a wide one, 8 px margin.
    EXPECT_EQ(f.G.ColWidth(0), 5 * 105 + 120);
    EXPECT_EQ(f.G.ColWidth(1), 3 * 210 + 120);
    // The current column went with the dropped one, silently.
    EXPECT_EQ(f.G.Col(), 2);
    EXPECT_TRUE(f.log.empty());
}

TEST_F(GridTest, ScrollingMovesCellsAndHitsStayOnTheirCells) {
    f.Load();
    ui::Grid& g = f.G;
    const ui::Grid::Layout l = g.layout();
    ASSERT_TRUE(l.vbar);
    ASSERT_FALSE(l.hbar);
    ASSERT_EQ(l.page_rows, 4);
    ASSERT_EQ(l.max_top, 6);

    // Keys scroll the current cell into view, one Scroll per change.
    for (int i = 0; i < 4; ++i) g.key(ui::Grid::Key::Down);
    EXPECT_EQ(g.Row(), 5);
    EXPECT_EQ(g.TopRow(), 2);
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Scroll"), 1);
    EXPECT_EQ(g.CellTop(), 15 + 240 + 3 * 240);
    EXPECT_EQ(g.CellLeft(), 15 + 600);
    EXPECT_EQ(g.cell_at(g.CellLeft() + 10, g.CellTop() + 10), std::make_pair(5, 1));
    // The fixed row stays put; the row under it is the first visible one.
    EXPECT_EQ(g.cell_at(20, 20), std::make_pair(0, 0));
    EXPECT_EQ(g.cell_at(20, 15 + 240 + 5), std::make_pair(2, 0));
    g.setRow(0);
    EXPECT_EQ(g.CellTop(), 15);

    // Code never scrolls: a row out of sight lies below the view.
    f.log.clear();
    g.setRow(9);
    EXPECT_EQ(g.TopRow(), 2);
    EXPECT_FALSE(g.cell_visible(9, 1));
    EXPECT_EQ(f.log, Log{"Leave 0,1"});

    // PageDown moves a page; scrolling stops where the last row shows.
    g.key(ui::Grid::Key::PageUp);
    EXPECT_EQ(g.Row(), 5);
    g.scroll_to(100, 0);
    EXPECT_EQ(g.TopRow(), 6);
    EXPECT_EQ(g.LeftCol(), 1);

    // Shrinking clamps the current cell and the scroll, raising no
    // LeaveCell; the scroll's change is a Scroll.
    g.setRow(9);
    f.log.clear();
    g.setRows(5);
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_EQ(f.log, Log{"Scroll"});
}

TEST_F(GridTest, WideColumnsScrollSideways) {
    f.Load();
    ui::Grid& g = f.G;
    g.setColWidth(2, 1500);
    g.setColWidth(3, 1500);
    ASSERT_TRUE(g.layout().hbar);
    g.key(ui::Grid::Key::End);
    EXPECT_EQ(g.LeftCol(), 3);
    EXPECT_TRUE(g.cell_visible(1, 3));
    // The fixed column is frozen at the left.
    EXPECT_EQ(g.cell_at(20, 300), std::make_pair(1, 0));
    EXPECT_EQ(g.cell_at(15 + 610, 300), std::make_pair(1, 3));
    g.key(ui::Grid::Key::Home);
    EXPECT_EQ(g.LeftCol(), 1);
}

TEST_F(GridTest, OverlayScrollsFirstLaysOverTheCellAndKeepsItsCell) {
    f.Load();
    ui::Grid& g = f.G;
    g.setRow(9);
    g.setCol(2);
    f.log.clear();
    bool shown_at_scroll = true;
    g.Scroll = [&] { shown_at_scroll = f.Text1.Visible(); };
    f.TextOver.place();
    EXPECT_FALSE(shown_at_scroll);  // Scroll ran before the box showed
    EXPECT_EQ(g.TopRow(), 6);
    EXPECT_TRUE(g.cell_visible(9, 2));
    EXPECT_EQ(f.Text1.Left(), g.Left() + g.CellLeft());
    EXPECT_EQ(f.Text1.Top(), g.Top() + g.CellTop());
    EXPECT_EQ(f.Text1.Width(), g.CellWidth());
    EXPECT_EQ(f.Text1.Height(), g.CellHeight());
    EXPECT_TRUE(f.Text1.Visible());
    EXPECT_TRUE(f.Text1.focused());

    // A list keeps its own height.
    f.ComboOver.place();
    EXPECT_EQ(f.Combo1.Width(), g.CellWidth());
    EXPECT_EQ(f.Combo1.Height(), 315);

    // Hiding keeps the cell; leaving it is told apart in LeaveCell.
    f.TextOver.hide();
    EXPECT_FALSE(f.Text1.Visible());
    std::vector<bool> on_left;
    g.LeaveCell = [&] { on_left.push_back(f.TextOver.on(g.Row(), g.Col())); };
    g.key(ui::Grid::Key::Up);  // leaves (9, 2): the overlay's cell
    g.key(ui::Grid::Key::Up);  // leaves (8, 2): not its cell
    EXPECT_EQ(on_left, (std::vector<bool>{true, false}));
    f.TextOver.release();
    EXPECT_FALSE(f.TextOver.placed());

    // A new load of the window starts with no cell.
    f.TextOver.place();
    f.Unload(true);
    f.Load();
    EXPECT_FALSE(f.TextOver.placed());
}

// An editor laid over a cell opens with its text selected, so typing
// replaces the value; Up and Down over it leave the cell as a click
// elsewhere would (the grid takes the focus, LeaveCell runs) and move a row.
TEST_F(GridTest, OverlayOpensSelectedAndArrowsLeaveItsCell) {
    f.Load();
    ui::Grid& g = f.G;
    g.setTextMatrix(2, 2, "155.02500");
    g.setRow(2);
    g.setCol(2);
    f.Text1.setText(g.TextMatrix(2, 2));
    f.TextOver.place();
    EXPECT_EQ(f.Text1.SelStart(), 0);
    EXPECT_EQ(f.Text1.SelLength(), 9);
    f.Text1.type("146.5");
    EXPECT_EQ(f.Text1.Text(), "146.5");

    f.log.clear();
    EXPECT_TRUE(f.Text1.arrow(+1));
    EXPECT_EQ(f.log, (Log{"Text1 LostFocus", "GotFocus", "Leave 2,2"}));
    EXPECT_EQ(g.Row(), 3);
    EXPECT_TRUE(g.focused());

    // A list too; its text part is selected after the window gives it its
    // text (mark_opened).
    f.Combo1.AddItem("HIGH");
    f.Combo1.AddItem("LOW");
    f.ComboOver.place();
    f.Combo1.setText("HIGH");
    f.ComboOver.mark_opened();
    EXPECT_EQ(f.Combo1.SelLength(), 4);
    f.log.clear();
    EXPECT_TRUE(f.Combo1.arrow(-1));
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(f.Combo1.ListIndex(), 0);  // nothing picked
    EXPECT_EQ(f.log, (Log{"GotFocus", "Leave 3,2"}));

    // A released overlay's editor, and any other control, keeps the keys.
    f.TextOver.release();
    f.Text1.setVisible(true);
    EXPECT_FALSE(f.Text1.arrow(+1));
    EXPECT_EQ(g.Row(), 2);
}

TEST_F(GridTest, TabStripSelectsAndRaisesClick) {
    f.Load();
    ui::TabStrip& t = f.Tabs;
    int clicks = 0;
    t.Click = [&] { ++clicks; };
    t.Move(600, 300, 6000, 4000);
    EXPECT_EQ(t.Add("Encode", "enc"), 1);
    EXPECT_EQ(t.Add("Decode", "dec"), 2);
    EXPECT_EQ(t.SelectedIndex(), 1);  // the first tab, without Click
    EXPECT_EQ(clicks, 0);
    t.click(2);
    EXPECT_EQ(t.SelectedIndex(), 2);
    EXPECT_EQ(t.SelectedKey(), "dec");
    t.click(2);  // the selected tab clicked again
    t.setSelectedIndex(2);  // code, no change
    EXPECT_EQ(clicks, 2);
    t.setSelectedIndex(1);
    EXPECT_EQ(clicks, 3);
    t.setTabCaption(2, "解码");
    EXPECT_EQ(t.tab(2).Caption, "解码");
    EXPECT_GT(t.ClientTop(), t.Top());
    EXPECT_GT(t.ClientLeft(), t.Left());
    EXPECT_LT(t.ClientWidth(), t.Width());
    t.Clear();
    EXPECT_EQ(t.SelectedIndex(), 0);
    EXPECT_EQ(t.SelectedKey(), "");
}

}  // namespace
