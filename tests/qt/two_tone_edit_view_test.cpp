// The 2-tone editor's cells in the real front end: mouse clicks on decode
// cells only to look store nothing, the wheel over the grid takes an open
// list away, and a tone typed into an encode cell is stored by the main
// toolbar's Save, which takes no focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QToolBar>
#include <QWheelEvent>

#include "appstate/app.h"
#include "editors/signalling/frm_2tone.h"
#include "model/layouts.h"
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
using bxtest::wheel;


}  // namespace

TEST(QtTwoToneEdit, LookWheelAndToolbarSave) {
    bxtest::QtProgram program;
    bx::QtRuntime& rt = program.rt;
    bx::App& app = *program.app;
    rt.forms().main_window()->resize(1280, 800);
    app.MDImain->Sig_2tone.click();
    settle();
    auto& w = *app.Editor<bx::EditorId::frm_2tone>();
    ASSERT_TRUE(w.Loaded());
    bx::FormView& fv = *rt.forms().view(w);
    const bx::MemImage before = app.Mem_image;

    // Decode page: a click on a response cell and on an alert cell, then on
    // a number cell. The lists show the stored values and nothing is stored.
    w.TabStrip1.click(2);
    settle();
    auto* dec = fv.client->findChild<QWidget*>("MSF_Decode");
    ASSERT_NE(dec, nullptr);
    auto* list = qobject_cast<QComboBox*>(fv.find(&w.Combo_Decode)->widget());
    ASSERT_NE(list, nullptr);
    click(dec, px_rect(w.MSF_Decode.cell_rect(2, 2)).center());
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentText().toStdString(), "1.Alert");
    click(dec, px_rect(w.MSF_Decode.cell_rect(3, 3)).center());
    EXPECT_EQ(w.Combo_Decode.ListIndex(), -1);  // entry 3 has no alert
    click(dec, px_rect(w.MSF_Decode.cell_rect(4, 0)).center());
    EXPECT_TRUE(app.Mem_image == before);
    EXPECT_EQ(w.MSF_Decode.TextMatrix(3, 3), "");

    // The wheel over the grid with a list open: the list goes, unstored.
    // The grid shows every entry at the window's size; a shorter grid (a
    // smaller screen) scrolls.
    w.MSF_Decode.setHeight(w.MSF_Decode.Height() / 2);
    settle();
    click(dec, px_rect(w.MSF_Decode.cell_rect(2, 1)).center());
    ASSERT_TRUE(list->isVisible());
    const int top = w.MSF_Decode.TopRow();
    wheel(dec, px_rect(w.MSF_Decode.cell_rect(5, 5)).center(), -1);
    EXPECT_NE(w.MSF_Decode.TopRow(), top);
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(w.Combo_Decode.Visible());
    EXPECT_TRUE(app.Mem_image == before);

    // Encode page: a tone typed into entry 10's empty 1st tone, then the
    // main toolbar's Save.
    w.TabStrip1.click(1);
    settle();
    auto* enc = fv.client->findChild<QWidget*>("MSF_Encode");
    ASSERT_NE(enc, nullptr);
    auto* edit = qobject_cast<QLineEdit*>(fv.find(&w.Text_Encode)->widget());
    ASSERT_NE(edit, nullptr);
    click(enc, px_rect(w.MSF_Encode.cell_rect(10, 1)).center());
    ASSERT_TRUE(edit->isVisible());
    click(enc, px_rect(w.MSF_Encode.cell_rect(11, 1)).center());  // a look
    EXPECT_TRUE(app.Mem_image == before);
    click(enc, px_rect(w.MSF_Encode.cell_rect(10, 1)).center());
    type(edit, "1500");
    settle();
    QAction* save = nullptr;
    for (QToolBar* bar : rt.forms().main_window()->findChildren<QToolBar*>())
        for (QAction* a : bar->actions())
            if (a->objectName() == "save") save = a;
    ASSERT_NE(save, nullptr);
    save->trigger();
    settle();
    EXPECT_EQ(bx::layout::Sig_2tone_enc_record::Tone_1.get(app.Mem_image, 9), 1500);
    EXPECT_EQ(w.MSF_Encode.TextMatrix(10, 1), "1500.0");
    app.End();
}
