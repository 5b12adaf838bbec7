// The grid's renderer offscreen: a click on a scrolled grid lands on the
// cell under the mouse, an overlay covers exactly its cell, and the tab
// strip's clicks reach the control. With BX_SHOTS_DIR set it saves a
// screenshot of the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTabBar>

#include <cstdlib>

#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "ui/all.h"

namespace {

const char* const kEnglishFormat =
    "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N |^PTT-ID|"
    "^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name";

class ShotMain : public ui::Form {
public:
    explicit ShotMain(ui::Runtime& rt) : ui::Form(rt, "ShotMain") {
        set_mdi_form(true);
        set_mdi_child(false);
    }

protected:
    void Build() override {
        setCaption("Main");
        Move(0, 0, 1280 * 15, 800 * 15);
    }
};

class GridChild : public ui::Form {
public:
    explicit GridChild(ui::Runtime& rt) : ui::Form(rt, "GridChild") {
        MSF.Click = [this] {
            log.push_back("Click");
            Over.place();
            Text_Edit.setText(MSF.Text());
        };
        MSF.LeaveCell = [this] { log.push_back("Leave"); };
        MSF.Scroll = [this] {
            log.push_back("Scroll");
            Text_Edit.setVisible(false);
        };
        Tabs.Click = [this] { log.push_back("Tab " + std::to_string(Tabs.SelectedIndex())); };
    }
    ui::TabStrip Tabs{*this, "Tabs"};
    ui::Frame Page{*this, "Page"};
    ui::Grid MSF{*this, "MSF"};
    ui::TextBox Text_Edit{*this, "Text_Edit"};
    ui::CellOverlay Over{*this, "Over", MSF, Text_Edit};
    std::vector<std::string> log;

protected:
    void Build() override {
        setCaption("Channel Information");
        Move(300, 300, 1200 * 15, 640 * 15);
        Tabs.Move(120, 60, 17400, 8400);
        Tabs.Add("Encode", "enc");
        Tabs.Add("Decode", "dec");
        Page.Move(Tabs.ClientLeft(), Tabs.ClientTop() + 200, Tabs.ClientWidth(), 7600);
        Page.setCaption("Channels");
        MSF.setContainer(&Page);
        Text_Edit.setContainer(&Page);
        MSF.Move(120, 300, Tabs.ClientWidth() - 240, 7000);
        MSF.setRows(202);
        MSF.setFixedCols(0);
        MSF.setFormatString(kEnglishFormat);
        for (int r = 1; r < 202; ++r) {
            MSF.setTextMatrix(r, 0, std::to_string(r - 1));
            if (r % 3 == 1) {
                MSF.setTextMatrix(r, 1, "VHF/UHF ");
                MSF.setTextMatrix(r, 2, "145.50000");
                MSF.setTextMatrix(r, 3, "145.50000");
                MSF.setTextMatrix(r, 4, "  D023N  ");
                MSF.setTextMatrix(r, 6, "HIGH");
            }
        }
        Text_Edit.setVisible(false);
    }
};

void mouse(QWidget* w, QEvent::Type type, QPoint at) {
    QMouseEvent ev(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                   type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

void click(QWidget* w, QPoint at) {
    mouse(w, QEvent::MouseButtonPress, at);
    mouse(w, QEvent::MouseButtonRelease, at);
}

QRect px_rect(const ui::Grid::Rect& r) { return QRect(bx::px(r.x), bx::px(r.y), bx::px(r.w), bx::px(r.h)); }

TEST(QtGridView, ClickWhenScrolledHitsItsCellAndTheOverlayCoversIt) {
    bxtest::qt_app();
    bx::QtRuntime rt;
    ShotMain main(rt);
    GridChild child(rt);
    main.Load();
    child.Load();
    bx::FormView* fv = rt.forms().view(child);
    ASSERT_NE(fv, nullptr);
    auto* grid = fv->client->findChild<QWidget*>("MSF");
    ASSERT_NE(grid, nullptr);
    auto* edit = qobject_cast<QLineEdit*>(fv->find(&child.Text_Edit)->widget());
    ASSERT_NE(edit, nullptr);
    ui::Grid& g = child.MSF;

    // The user drags the scroll bar down 40 rows.
    auto* vbar = grid->findChild<QScrollBar*>();
    ASSERT_NE(vbar, nullptr);
    ASSERT_TRUE(vbar->isVisible());
    vbar->setValue(40);
    EXPECT_EQ(g.TopRow(), 41);
    EXPECT_EQ(child.log, std::vector<std::string>{"Scroll"});

    // A click in the middle of the cell drawn at row 46, column 2.
    child.log.clear();
    const QRect cell = px_rect(g.cell_rect(46, 2));
    ASSERT_TRUE(grid->rect().contains(cell));
    click(grid, cell.center());
    EXPECT_EQ(g.Row(), 46);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.MouseRow(), 46);
    EXPECT_EQ((std::vector<std::string>{"Leave", "Click"}), child.log);

    // The overlay lies exactly over that cell, in front of the grid.
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->geometry(), cell.translated(grid->pos()));
    EXPECT_EQ(edit->text(), "145.50000");
    EXPECT_EQ(edit->parentWidget()->childAt(edit->geometry().center()), edit);

    // Code moves to a row out of sight: placing scrolls it in first.
    g.setRow(3);
    child.log.clear();
    child.Over.place();
    EXPECT_EQ(child.log, std::vector<std::string>{"Scroll"});
    EXPECT_EQ(g.TopRow(), 3);
    EXPECT_EQ(edit->geometry(), px_rect(g.cell_rect(3, 2)).translated(grid->pos()));
    EXPECT_TRUE(edit->isVisible());

    // A click on a header cell: Click only.
    child.log.clear();
    click(grid, px_rect(g.cell_rect(0, 5)).center());
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.MouseRow(), 0);

    // The tab strip: a click on the second tab.
    auto* bar = fv->client->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->count(), 2);
    child.log.clear();
    click(bar, bar->tabRect(1).center());
    EXPECT_EQ(child.Tabs.SelectedIndex(), 2);
    EXPECT_EQ(child.log, std::vector<std::string>{"Tab 2"});

    if (const char* dir = std::getenv("BX_SHOTS_DIR")) {
        QApplication::processEvents();
        rt.forms().main_window()->grab().save(QString::fromLocal8Bit(dir) + "/grid.png");
    }
    child.Unload(true);
    main.Unload(true);
}

}  // namespace
