// Keys, selections and undo in the real front end: typing over a selected
// text replaces it in every filtered box, a box laid over a cell opens with
// its text selected (after a click or a double-click), Ctrl+Z and Ctrl+Y are
// edits judged and stored as typing is, typed characters over a pick-only
// list change nothing, Up and Down over a list laid on a channel cell
// leave the cell without storing, PageUp and PageDown over a cell editor
// page the grid, and no other key over a closed cell list picks.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>

#include <functional>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/alignment/frm_adj_txp.h"
#include "editors/channels/chann_columns.h"
#include "editors/channels/frm_chann.h"
#include "editors/options/frm_option.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "model/layouts.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

using bxtest::click;
using bxtest::key;
using bxtest::px_rect;
using bxtest::settle;
using bxtest::type;

struct Program : bxtest::QtProgram {
    Program() : QtProgram(/*screen_1280x800=*/true) {}
};

// The second click of a double-click, as it reaches the widget now under
// the mouse: press, double-click, release.
void second_click(QWidget* w, QPoint at) {
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent ev(t, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                       t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    }
    settle();
}

// Channel 9 (row 10) in use: receive 155.025, transmit 155.025, high power.
void put_channel_9(bx::App& app) {
    const uint8_t rec[16] = {0x00, 0x25, 0x50, 0x15, 0x00, 0x25, 0x50, 0x15, 0, 0, 0, 0, 0, 0, 0, 4};
    for (int b = 0; b < 16; ++b) app.Mem_image(9, b) = rec[b];
}

}  // namespace

// Every kind of filtered box: its text selected with Ctrl+A, a new value
// typed replaces it; the value is stored as typing it into an empty box
// would store it.
TEST(QtKeys, SelectAllAndTypeReplacesInEveryFilteredBox) {
    Program p;
    bx::frm_option& o = *p.app->Editor<bx::EditorId::frm_option>();
    bx::frm_dtmf& d = p.open<bx::EditorId::frm_dtmf>();
    bx::frm_2tone& t2 = p.open<bx::EditorId::frm_2tone>();
    bx::frm_Adj_Txp& adj = p.open<bx::EditorId::frm_Adj_Txp>();
    struct Case {
        ui::Form& form;
        ui::TextBox& box;
        std::function<void()> show;  // brings the box on screen
        const char* held;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {o, o.Text_Freq_a, {}, "136.02500", "146.5", "146.5"},
        {o, o.Text_PttId_Begin, {}, "1234567890ABCD*#", "55a", "55A"},
        {o, o.Text_ANI, {}, "12345", "678", "678"},
        {o, o.Text_PON_MSG_U, {}, "ABCDEFG", "XY", "XY"},
        {o, o.Text_PassWord, {}, "580317", "402793", "402793"},
        {d, d.Text_tx_Encode[0], {}, "1234567890ABCD*#", "12", "12"},
        {d, d.Text_MID, {}, "1234567890ABCD*#", "9", "9"},
        {t2, t2.Text_A, [&] { t2.TabStrip1.click(2); }, "1234.56", "800", "800"},
        {adj, adj.Text_Freq_L[0], [&] { adj.TabStrip1.click(adj.TabStrip1.TabCount()); }, "1360", "140", "140"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.name());
        c.form.Activate();
        settle();
        if (c.show) c.show();
        settle();
        QLineEdit* le = p.line_edit(c.box);
        ASSERT_NE(le, nullptr);
        ASSERT_TRUE(le->isVisible());
        c.box.setText(c.held);
        le->setFocus();
        settle();
        key(le, Qt::Key_A, Qt::ControlModifier);
        ASSERT_EQ(le->selectedText().toStdString(), c.held);
        type(le, c.typed);
        settle();
        EXPECT_EQ(c.box.Text(), c.shown);
        EXPECT_EQ(le->text().toStdString(), c.shown);
    }
    // The frequency is stored as typed when its box is left.
    o.Activate();
    settle();
    p.line_edit(o.Text_Freq_a)->setFocus();
    settle();
    p.line_edit(o.Text_ANI)->setFocus();
    settle();
    EXPECT_EQ(o.Text_Freq_a.Text(), "146.50000");
    // A refused key leaves the text and its selection as they were.
    QLineEdit* code = p.line_edit(o.Text_PttId_End);
    o.Text_PttId_End.setText("1234");
    code->setFocus();
    code->setSelection(1, 2);
    settle();
    type(code, "x");
    EXPECT_EQ(code->text().toStdString(), "1234");
    EXPECT_EQ(code->selectedText().toStdString(), "23");
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// A filled channel frequency opened by a click or by a double-click shows
// its text selected: typing replaces it and leaving stores it. A click
// inside the open box places the cursor: typed digits then go there.
TEST(QtKeys, ABoxOverAFilledCellOpensWithItsTextSelected) {
    Program p;
    put_channel_9(*p.app);
    bx::frm_chann& w = p.open<bx::EditorId::frm_chann>();
    QWidget* grid = p.widget(w.MSF_Chann);
    QLineEdit* edit = p.line_edit(w.Text_Edit);
    ASSERT_NE(edit, nullptr);
    const QPoint rx = px_rect(w.MSF_Chann.cell_rect(10, 2)).center();
    const QPoint elsewhere = px_rect(w.MSF_Chann.cell_rect(12, 0)).center();
    auto rx_digits = [&] { return p.app->Mem_image(9, 2) | p.app->Mem_image(9, 3) << 8; };

    for (bool dbl : {false, true}) {
        SCOPED_TRACE(dbl ? "double-click" : "click");
        put_channel_9(*p.app);
        p.app->Image_replaced();
        settle();
        click(grid, rx);
        ASSERT_TRUE(edit->isVisible());
        if (dbl) second_click(edit, edit->rect().center());
        EXPECT_EQ(edit->selectedText().toStdString(), "155.02500");
        type(edit, "146.5");
        EXPECT_EQ(w.Text_Edit.Text(), "146.5");
        click(grid, elsewhere);
        EXPECT_EQ(rx_digits(), 0x1465);
        EXPECT_EQ(w.MSF_Chann.TextMatrix(10, 2), "146.50000");
    }

    // A click inside the open box: the cursor goes where it was clicked
    // (here the end), as usual.
    click(grid, rx);
    QPoint end = edit->rect().center();
    end.setX(edit->width() - 3);
    click(edit, end);
    EXPECT_FALSE(edit->hasSelectedText());
    type(edit, "1");
    EXPECT_EQ(w.Text_Edit.Text(), "146.500001");
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// Ctrl+Z and Ctrl+Y in a box are edits like typed ones: judged by the
// box's rules and stored as typing stores (a code box at once, a channel
// frequency when its cell is left; undone back to what it opened with, it
// stores nothing).
TEST(QtKeys, UndoAndRedoAreEditsJudgedAndStored) {
    Program p;
    bx::frm_dtmf& d = p.open<bx::EditorId::frm_dtmf>();
    namespace enc = bx::layout::Dtmf_enc_block;
    QLineEdit* code = p.line_edit(d.Text_tx_Encode[0]);
    ASSERT_NE(code, nullptr);
    d.Text_tx_Encode[0].setText("123");
    code->setFocus();
    settle();
    key(code, Qt::Key_A, Qt::ControlModifier);
    type(code, "4b");
    EXPECT_EQ(d.Text_tx_Encode[0].Text(), "4b");
    auto stored = [&] {
        std::vector<int> b;
        for (int i = 0; i < 3; ++i) b.push_back(enc::Send_code.ref(p.app->Mem_image, 0, i));
        return b;
    };
    EXPECT_EQ(stored()[0], 4);
    EXPECT_EQ(stored()[1], 14);
    key(code, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(code->text().toStdString(), "123");
    EXPECT_EQ(d.Text_tx_Encode[0].Text(), "123");
    EXPECT_EQ(stored()[0], 1);
    EXPECT_EQ(stored()[2], 3);
    key(code, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(d.Text_tx_Encode[0].Text(), "4b");
    EXPECT_EQ(stored()[1], 14);
    EXPECT_EQ(stored()[2], 0xFF);

    // A channel frequency: typed, undone, left: nothing stored, no message.
    put_channel_9(*p.app);
    bx::frm_chann& w = p.open<bx::EditorId::frm_chann>();
    QWidget* grid = p.widget(w.MSF_Chann);
    QLineEdit* edit = p.line_edit(w.Text_Edit);
    const QPoint rx = px_rect(w.MSF_Chann.cell_rect(10, 2)).center();
    const QPoint elsewhere = px_rect(w.MSF_Chann.cell_rect(12, 0)).center();
    const bx::MemImage before = p.app->Mem_image;
    click(grid, rx);
    type(edit, "146.5");
    key(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Text_Edit.Text(), "155.02500");
    click(grid, elsewhere);
    EXPECT_TRUE(p.app->Mem_image == before);
    // Typed, undone, redone, left: stored.
    click(grid, rx);
    type(edit, "146.5");
    key(edit, Qt::Key_Z, Qt::ControlModifier);
    key(edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.Text_Edit.Text(), "146.5");
    click(grid, elsewhere);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(10, 2), "146.50000");
    // Enter moves the box on to the transmit cell: a new edit there, with
    // nothing of the receive cell's to undo.
    click(grid, rx);
    type(edit, "147");
    key(edit, Qt::Key_Return);
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(w.MSF_Chann.Col(), 3);
    EXPECT_EQ(w.Text_Edit.Text(), "147.00000");
    EXPECT_FALSE(edit->isUndoAvailable());
    key(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Text_Edit.Text(), "147.00000");
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// Typed characters over a list whose typed keys are discarded change
// nothing, whether the list has a text part or not.
TEST(QtKeys, TypedCharactersOverAPickOnlyListChangeNothing) {
    Program p;
    bx::frm_option& o = *p.app->Editor<bx::EditorId::frm_option>();
    bx::frm_dtmf& d = p.open<bx::EditorId::frm_dtmf>();
    bx::frm_5tone& f5 = p.open<bx::EditorId::frm_5tone>();
    bx::frm_2tone& t2 = p.open<bx::EditorId::frm_2tone>();
    struct Case {
        ui::ComboBox& list;
        int tab;  // the page it lies on (0: none)
    };
    const Case cases[] = {{t2.Combo_Enc_ys1, 1},    {t2.Combo_Enc_ys2, 1},      {t2.Combo_enc_ys3, 1},
                          {t2.Combo_Dec_Res_Time, 2}, {d.Combo_Enc_ys1, 0},       {d.Combo_Dec_Res_Time, 0},
                          {f5.Combo_Decode_Std, 2},   {*o.List("Combo_tot"), 0}};
    for (const Case& c : cases) {
        ui::ComboBox* list = &c.list;
        SCOPED_TRACE(list->name());
        list->owner().Activate();
        settle();
        if (c.tab == 0) {
            // a window without pages
        } else if (&list->owner() == &t2) {
            t2.TabStrip1.click(c.tab);
        } else {
            f5.TabStrip1.click(c.tab);
        }
        settle();
        auto* box = qobject_cast<QComboBox*>(p.widget(*list));
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isVisible());
        const bx::MemImage before = p.app->Mem_image;
        const int index = list->ListIndex();
        const std::string text = list->Text();
        // Keys reach the list, which is its text part's focus proxy.
        box->setFocus();
        settle();
        type(box, "1260aZ");
        EXPECT_EQ(list->ListIndex(), index);
        EXPECT_EQ(list->Text(), text);
        EXPECT_EQ(box->currentIndex(), index);
        EXPECT_TRUE(p.app->Mem_image == before);
    }
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// A click on a list column of a channel opens its list; Up and Down then
// leave the cell unstored and move to the row above or below; F4 opens
// the list instead.
TEST(QtKeys, UpAndDownOverAClosedListOnAChannelCellMoveOn) {
    Program p;
    put_channel_9(*p.app);
    bx::frm_chann& w = p.open<bx::EditorId::frm_chann>();
    QWidget* grid = p.widget(w.MSF_Chann);
    auto* box = qobject_cast<QComboBox*>(p.widget(w.Combo_edit));
    ASSERT_NE(box, nullptr);
    const bx::MemImage before = p.app->Mem_image;
    std::vector<std::string> cells;
    for (int c = 0; c < 16; ++c) cells.push_back(w.MSF_Chann.TextMatrix(10, c));
    for (int col : {1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}) {
        for (Qt::Key k : {Qt::Key_Down, Qt::Key_Up}) {
            SCOPED_TRACE(std::to_string(col) + (k == Qt::Key_Down ? " Down" : " Up"));
            click(grid, px_rect(w.MSF_Chann.cell_rect(10, col)).center());
            ASSERT_TRUE(box->isVisible());
            key(box, k);  // the list is its text part's focus proxy
            EXPECT_FALSE(box->isVisible());
            EXPECT_EQ(w.MSF_Chann.Row(), k == Qt::Key_Down ? 11 : 9);
            EXPECT_EQ(w.MSF_Chann.Col(), col);
            EXPECT_TRUE(w.MSF_Chann.focused());
            EXPECT_TRUE(p.app->Mem_image == before);
            for (int c = 0; c < 16; ++c) EXPECT_EQ(w.MSF_Chann.TextMatrix(10, c), cells[static_cast<size_t>(c)]) << c;
        }
    }
    // The grid then moves on with the arrows as before.
    key(grid, Qt::Key_Down);
    EXPECT_EQ(w.MSF_Chann.Row(), 10);
    // F4 opens the list over the cell.
    click(grid, px_rect(w.MSF_Chann.cell_rect(10, 6)).center());
    key(box, Qt::Key_F4);
    EXPECT_TRUE(box->view()->isVisible());
    box->hidePopup();
    settle();
    EXPECT_TRUE(p.app->Mem_image == before);
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// Every other key over a closed list laid on a grid cell is the grid's:
// PageUp and PageDown leave the cell with nothing picked and page the grid;
// an arrow with a modifier, and Home and End, pick nothing and leave the
// list where it is. A list that is no cell editor keeps the usual keys.
TEST(QtKeys, TheGridsKeysOverAClosedCellListPickNothing) {
    struct CellList {
        const char* name;
        int row, col;
        std::function<ui::Grid&(Program&)> open;  // the window up, the grid returned
        std::function<ui::ComboBox&(Program&)> list;
    };
    const CellList lists[] = {
        {"channel power", 10, 6,
         [](Program& p) -> ui::Grid& {
             put_channel_9(*p.app);
             return p.open<bx::EditorId::frm_chann>().MSF_Chann;
         },
         [](Program& p) -> ui::ComboBox& { return p.app->Editor<bx::EditorId::frm_chann>()->Combo_edit; }},
        {"channel tone, with a text part", 10, 5,
         [](Program& p) -> ui::Grid& {
             put_channel_9(*p.app);
             return p.open<bx::EditorId::frm_chann>().MSF_Chann;
         },
         [](Program& p) -> ui::ComboBox& { return p.app->Editor<bx::EditorId::frm_chann>()->Combo_edit; }},
        {"2-tone decode", 3, 2,
         [](Program& p) -> ui::Grid& {
             auto& w = p.open<bx::EditorId::frm_2tone>();
             w.TabStrip1.click(2);
             settle();
             return w.MSF_Decode;
         },
         [](Program& p) -> ui::ComboBox& { return p.app->Editor<bx::EditorId::frm_2tone>()->Combo_Decode; }},
        {"5-tone period", 5, 1, [](Program& p) -> ui::Grid& { return p.open<bx::EditorId::frm_5tone>().MSF_Chann; },
         [](Program& p) -> ui::ComboBox& { return p.app->Editor<bx::EditorId::frm_5tone>()->Combo_edit; }},
        {"5-tone code standard", 3, 4,
         [](Program& p) -> ui::Grid& {
             // Code 3 with a first frame, so its standard cell opens.
             for (int b = 0; b < 5; ++b) p.app->Mem_image(594, b) = static_cast<uint8_t>(b + 1);
             p.app->Mem_image(594, 15) = 0;
             auto& w = p.open<bx::EditorId::frm_5tone>();
             w.TabStrip1.click(2);
             settle();
             return w.MSF_Encode;
         },
         [](Program& p) -> ui::ComboBox& { return p.app->Editor<bx::EditorId::frm_5tone>()->Combo_Encode; }},
    };
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        bool pages;
    };
    const Key keys[] = {
        {Qt::Key_PageDown, Qt::NoModifier, true},   {Qt::Key_PageUp, Qt::NoModifier, true},
        {Qt::Key_PageDown, Qt::ShiftModifier, true}, {Qt::Key_Up, Qt::ShiftModifier, false},
        {Qt::Key_Down, Qt::ShiftModifier, false},    {Qt::Key_Down, Qt::MetaModifier, false},
        {Qt::Key_Down, Qt::ControlModifier, false},  {Qt::Key_Up, Qt::AltModifier, false},
        {Qt::Key_Home, Qt::NoModifier, false},       {Qt::Key_End, Qt::NoModifier, false},
    };
    for (const CellList& l : lists) {
        SCOPED_TRACE(l.name);
        Program p;
        ui::Grid& g = l.open(p);
        ui::ComboBox& list = l.list(p);
        auto* box = qobject_cast<QComboBox*>(p.widget(list));
        ASSERT_NE(box, nullptr);
        const bx::MemImage before = p.app->Mem_image;
        const std::string cell = g.TextMatrix(l.row, l.col);
        for (const Key& k : keys) {
            SCOPED_TRACE(QKeySequence(static_cast<int>(k.mods) | k.key).toString().toStdString());
            g.click(l.row, l.col);
            settle();
            ASSERT_TRUE(box->isVisible());
            const int index = list.ListIndex();
            key(box, k.key, k.mods);
            EXPECT_FALSE(box->view()->isVisible());
            EXPECT_TRUE(p.app->Mem_image == before);
            EXPECT_EQ(g.TextMatrix(l.row, l.col), cell);
            if (k.pages) {
                EXPECT_FALSE(box->isVisible());
                EXPECT_NE(g.Row(), l.row);
                EXPECT_TRUE(g.focused());
            } else {
                EXPECT_TRUE(box->isVisible());
                EXPECT_EQ(list.ListIndex(), index);
                EXPECT_EQ(g.Row(), l.row);
                EXPECT_EQ(g.Col(), l.col);
            }
            g.click(l.row, 0);
            settle();
        }
        // Alt+Down opens the list over the cell.
        g.click(l.row, l.col);
        settle();
        key(box, Qt::Key_Down, Qt::AltModifier);
        EXPECT_TRUE(box->view()->isVisible());
        box->hidePopup();
        settle();
        EXPECT_TRUE(p.app->Mem_image == before);
        EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
    }
    // A list of its own picks the next item with PageDown, as usual.
    Program p;
    auto& w = p.open<bx::EditorId::frm_option>();
    ui::ComboBox& setting = w.Setting_list(0);
    setting.SetFocus();
    const int index = setting.ListIndex();
    const bool down = index + 1 < setting.ListCount();
    key(p.widget(setting), down ? Qt::Key_PageDown : Qt::Key_PageUp);
    EXPECT_EQ(setting.ListIndex(), down ? index + 1 : index - 1);
}

// PageDown over a typed cell leaves it as Up and Down do (the name is
// stored) and pages the grid.
TEST(QtKeys, PageDownOverATypedCellStoresItAndPagesTheGrid) {
    Program p;
    put_channel_9(*p.app);
    bx::frm_chann& w = p.open<bx::EditorId::frm_chann>();
    QWidget* grid = p.widget(w.MSF_Chann);
    click(grid, px_rect(w.MSF_Chann.cell_rect(10, bx::kColName)).center());
    QLineEdit* box = p.line_edit(w.Text_Edit);
    ASSERT_TRUE(box->isVisible());
    type(box, "AB");
    key(box, Qt::Key_PageDown);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(w.MSF_Chann.TextMatrix(10, bx::kColName), "AB");
    EXPECT_GT(w.MSF_Chann.Row(), 11);
    EXPECT_TRUE(w.MSF_Chann.focused());
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}
