// The 5-tone standards list in the real front end puts back its own value
// when a key would change its text, whichever list had the focus before it,
// and goes when its page is left.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabBar>
#include <QTest>

#include "appstate/app.h"
#include "editors/signalling/frm_5tone.h"
#include "model/layouts.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

using bxtest::px_rect;
using bxtest::settle;

// A click as the window system delivers it (the focus follows it).
void sys_click(QWidget* w, QPoint at) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

void key(QWidget* w, Qt::Key k) {
    QTest::keyClick(w, k);
    settle();
}

}  // namespace

TEST(QtFiveTonePutBack, TheStandardsListPutsBackItsOwnValue) {
    bxtest::QtProgram program;
    bx::QtRuntime& rt = program.rt;
    bx::App& app = *program.app;
    rt.forms().main_window()->resize(1280, 800);
    rt.forms().main_window()->activateWindow();
    settle();
    app.MDImain->Sig_5tone.click();
    settle();
    auto& w = *app.Editor<bx::EditorId::frm_5tone>();
    bx::FormView& fv = *rt.forms().view(w);
    QWidget* grid = fv.find(&w.MSF_Chann)->widget();
    auto* list = qobject_cast<QComboBox*>(fv.find(&w.Combo_edit)->widget());
    auto* selector = qobject_cast<QComboBox*>(fv.find(&w.Combo_stxh)->widget());
    auto* delay = qobject_cast<QComboBox*>(fv.find(&w.Combo_Enc_ys1)->widget());
    auto* tabs = fv.top->findChild<QTabBar*>();
    ASSERT_TRUE(grid && list && list->lineEdit() && selector && delay && tabs);
    auto cell = [&](int r, int c) { return px_rect(w.MSF_Chann.cell_rect(r, c)).center(); };
    namespace Std = bx::layout::Sig_5tone_std_record;
    const bx::MemImage before = app.Mem_image;

    // ZVEI1's group tone list, the selector clicked in between, then End
    // and Backspace in the list and a click on a standard's name.
    sys_click(grid, cell(4, 2));
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentText().toStdString(), "A");
    sys_click(selector, QPoint(5, selector->height() / 2));
    sys_click(list->lineEdit(), QPoint(3, list->height() / 2));
    key(list->lineEdit(), Qt::Key_End);
    key(list->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(list->currentText().toStdString(), "A");
    sys_click(grid, cell(7, 0));
    EXPECT_EQ(w.MSF_Chann.TextMatrix(4, 2), "A");
    EXPECT_TRUE(app.Mem_image == before);

    // CCIR2's period list open, the Encode page's delay list clicked, and
    // back: the list went with its page and the cell shows the stored value.
    sys_click(grid, cell(2, 1));
    ASSERT_TRUE(list->isVisible());
    sys_click(tabs, tabs->tabRect(1).center());
    sys_click(delay, QPoint(5, delay->height() / 2));
    if (delay->view()->isVisible()) key(delay, Qt::Key_Escape);
    sys_click(tabs, tabs->tabRect(0).center());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(w.MSF_Chann.TextMatrix(2, 1), "70");
    EXPECT_EQ(Std::Period.get(app.Mem_image, 1), Std::Period.get(before, 1));
    app.End();
}
