// The channel and FM editors in the real front end: a click on a cell, keys
// typed into the box laid over it and a click on another cell store the
// channel. With BX_SHOTS_DIR set, both editors are saved there as pictures
// in English and Chinese for a look by eye.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>
#include <memory>

#include "appstate/app.h"
#include "editors/channels/frm_chann.h"
#include "editors/fm/frm_fm.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

using bxtest::click;
using bxtest::px_rect;
using bxtest::settle;
using bxtest::type;

void shoot(bx::QtRuntime& rt, const std::string& name) { bxtest::save_shot(rt.forms().main_window(), name); }

struct Program : bxtest::QtProgram {
    explicit Program(int16_t lang_chinese = 0) {
        app->Lang_chinese = lang_chinese;
        settle();
    }
    bx::FormView& view(const ui::Form& f) { return *rt.forms().view(f); }
};

TEST(QtChannEditor, ClickTypeClickElsewhereStoresTheChannel) {
    Program p;
    bx::frm_chann& w = *p.app->Editor<bx::EditorId::frm_chann>();
    bx::App::Open(w);
    settle();
    bx::FormView& fv = p.view(w);
    auto* grid = fv.client->findChild<QWidget*>("MSF_Chann");
    ASSERT_NE(grid, nullptr);
    auto* edit = qobject_cast<QLineEdit*>(fv.find(&w.Text_Edit)->widget());
    ASSERT_NE(edit, nullptr);

    // Row 10 (channel 9) is empty: click its receive frequency.
    const QRect rx = px_rect(w.MSF_Chann.cell_rect(10, 2));
    ASSERT_TRUE(grid->rect().contains(rx.center()));
    click(grid, rx.center());
    settle();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->geometry(), rx.translated(grid->pos()));
    type(edit, "145.5");
    EXPECT_EQ(w.Text_Edit.Text(), "145.5");
    // Nothing is stored until the cell is left.
    EXPECT_EQ(p.app->Mem_image(9, 0), 0xFF);
    click(grid, px_rect(w.MSF_Chann.cell_rect(12, 0)).center());
    settle();
    EXPECT_FALSE(edit->isVisible());
    const uint8_t want[16] = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};
    for (int b = 0; b < 16; ++b) EXPECT_EQ(p.app->Mem_image(9, b), want[b]) << b;
    EXPECT_EQ(w.MSF_Chann.TextMatrix(10, 1), "VHF/UHF ");
    EXPECT_EQ(w.MSF_Chann.TextMatrix(10, 3), "145.50000");
    EXPECT_TRUE(p.boxes.empty());

    // A pick list over a settings cell of that channel.
    click(grid, px_rect(w.MSF_Chann.cell_rect(10, 6)).center());
    settle();
    EXPECT_TRUE(w.Combo_edit.Visible());
    EXPECT_EQ(w.Combo_edit.ListCount(), 2);
    shoot(p.rt, "chann_en");
}

// A repeater pair looked at with the mouse: its receive cell clicked, then
// another cell, or Enter, or the wheel turned over the grid while the box
// shows: nothing is stored, no cell changes. A value typed and then
// scrolled away is dropped.
TEST(QtChannEditor, LookingAtACellChangesNothing) {
    Program p;
    bx::frm_chann& w = *p.app->Editor<bx::EditorId::frm_chann>();
    // Channel 9: receive 145.5, transmit 145.0.
    const uint8_t pair[16] = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x50, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};
    for (int b = 0; b < 16; ++b) p.app->Mem_image(9, b) = pair[b];
    bx::App::Open(w);
    settle();
    bx::FormView& fv = p.view(w);
    auto* grid = fv.client->findChild<QWidget*>("MSF_Chann");
    ASSERT_NE(grid, nullptr);
    auto* edit = qobject_cast<QLineEdit*>(fv.find(&w.Text_Edit)->widget());
    ASSERT_NE(edit, nullptr);
    const bx::MemImage before = p.app->Mem_image;
    std::vector<std::string> cells;
    for (int c = 0; c < 16; ++c) cells.push_back(w.MSF_Chann.TextMatrix(10, c));
    auto unchanged = [&](const char* what) {
        EXPECT_TRUE(p.app->Mem_image == before) << what;
        for (int c = 0; c < 16; ++c) EXPECT_EQ(w.MSF_Chann.TextMatrix(10, c), cells[static_cast<size_t>(c)]) << what;
        EXPECT_TRUE(p.boxes.empty()) << what;
    };
    auto open_rx = [&] {
        click(grid, px_rect(w.MSF_Chann.cell_rect(10, 2)).center());
        settle();
        ASSERT_TRUE(edit->isVisible());
        EXPECT_EQ(edit->text().toStdString(), "145.50000");
    };

    open_rx();
    click(grid, px_rect(w.MSF_Chann.cell_rect(12, 0)).center());
    settle();
    EXPECT_FALSE(edit->isVisible());
    unchanged("click elsewhere");

    open_rx();
    type(edit, "\r");
    settle();
    click(grid, px_rect(w.MSF_Chann.cell_rect(12, 0)).center());
    settle();
    unchanged("Enter");

    open_rx();
    type(edit, "1");  // 145.500001 on screen
    const QPointF at = QPointF(grid->rect().center());
    QWheelEvent wheel(at, grid->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid, &wheel);
    settle();
    EXPECT_GT(w.MSF_Chann.TopRow(), 1);
    EXPECT_FALSE(edit->isVisible());
    w.MSF_Chann.scroll_to(1, 0);
    settle();
    click(grid, px_rect(w.MSF_Chann.cell_rect(12, 0)).center());
    settle();
    unchanged("typed, then the wheel");
}

TEST(QtChannEditor, Pictures) {
    if (!std::getenv("BX_SHOTS_DIR")) GTEST_SKIP() << "pictures only with BX_SHOTS_DIR";
    for (int16_t lang : {0, -1}) {
        Program p(lang);
        const std::string suffix = lang ? "zh" : "en";
        bx::App::Open(*p.app->Editor<bx::EditorId::frm_chann>());
        settle();
        p.app->Editor<bx::EditorId::frm_chann>()->MSF_Chann.click(2, 4);
        shoot(p.rt, "chann_list_" + suffix);
        p.app->MDImain->fm_chann_edit.click();
        settle();
        p.app->Editor<bx::EditorId::frm_FM>()->MSF_Chann.click(1, 2);
        shoot(p.rt, "fm_" + suffix);
    }
}

}  // namespace
