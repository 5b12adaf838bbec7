// The options editor in the real front end on a 1280 x 800 screen: its
// frames, labels and lists as a user sees them, and its catching up with a
// data file loaded through its own Open button. With BX_SHOTS_DIR set, the
// window is saved there as a picture in English and Chinese.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>

#include "appstate/app.h"
#include "editors/options/frm_option.h"
#include "model/datafile.h"
#include "model/option_offsets.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/dialogs.h"
#include "shell/mdimain.h"
#include "support/tempdir.h"

namespace {

using bxtest::settle;

// The program on the 1280 x 800 screen the options editor is laid out for.
struct Program : bxtest::QtProgram {
    Program() : QtProgram(/*screen_1280x800=*/true) {}
};

// Every child widget lies inside its parent, and no label's text is cut.
void expect_readable(QWidget* win) {
    for (QWidget* c : win->findChildren<QWidget*>()) {
        if (!c->isVisible() || !c->parentWidget()) continue;
        const QRect in = c->parentWidget()->rect();
        EXPECT_TRUE(in.contains(c->geometry())) << c->metaObject()->className() << " in "
                                                << c->parentWidget()->metaObject()->className();
        if (auto* l = qobject_cast<QLabel*>(c)) {
            const QRect need = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 1000), Qt::TextWordWrap, l->text());
            EXPECT_LE(need.width(), l->width()) << l->text().toStdString();
            EXPECT_LE(need.height(), l->height()) << l->text().toStdString();
        }
        // A list's text it has no room for is shown whole as its tooltip.
        if (auto* b = qobject_cast<QComboBox*>(c); b && b->lineEdit()) {
            QLineEdit* le = b->lineEdit();
            const bool fits = le->fontMetrics().horizontalAdvance(le->text()) <= le->contentsRect().width() - 4;
            EXPECT_EQ(b->toolTip(), fits ? QString() : le->text()) << le->text().toStdString();
        }
    }
}

// Whether every entry of a list fits its box.
bool shows_every_entry(const bx::FormView& v, const ui::Control& list) {
    auto* b = qobject_cast<QComboBox*>(v.find(&list)->widget());
    for (int i = 0; b && b->lineEdit() && i < b->count(); ++i)
        if (b->fontMetrics().horizontalAdvance(b->itemText(i)) > b->lineEdit()->contentsRect().width() - 4) return false;
    return b && b->lineEdit();
}

}  // namespace

TEST(QtOptionsWindow, FramesLabelsAndListsFitInBothLanguages) {
    Program p;
    bx::frm_option& w = *p.app->Editor<bx::EditorId::frm_option>();
    for (int16_t lang : {0, -1}) {
        p.app->Lang_chinese = lang;
        bx::App::Reopen(w);
        settle();
        QWidget* win = p.top(w);
        ASSERT_NE(win, nullptr);
        EXPECT_TRUE(win->isVisible());
        EXPECT_EQ(win->windowTitle().toStdString(), lang ? "可选参数编辑" : "Optional Features");
        std::vector<std::string> titles;
        for (QGroupBox* g : win->findChildren<QGroupBox*>())
            if (!g->title().isEmpty()) titles.push_back(g->title().toStdString());
        EXPECT_EQ(titles.size(), 2u);
        EXPECT_EQ(win->findChildren<QComboBox*>().size(), 55);
        expect_readable(win);
        // The first column's lists show their entries whole (in English the
        // widest side-tone entry excepted), the frequency range its text.
        const bx::FormView& v = *p.rt.forms().view(w);
        for (const char* name : {"Combo_MDF_A", "Combo_MDF_B", "Combo_Emc_Tp", "Combo_Pri_Ch"})
            EXPECT_TRUE(shows_every_entry(v, *w.control(name))) << name;
        if (lang) {
            EXPECT_TRUE(shows_every_entry(v, *w.control("Combo_Dtmfst")));
        }
        auto* range = qobject_cast<QLineEdit*>(v.find(&w.Text_Range_A)->widget());
        ASSERT_NE(range, nullptr);
        EXPECT_LE(range->fontMetrics().horizontalAdvance(range->text()), range->contentsRect().width() - 4);
        bxtest::save_shot(win, std::string("options_") + (lang ? "chn" : "eng"));
        bxtest::save_shot(p.rt.forms().main_window(), std::string("options_main_") + (lang ? "chn" : "eng"));
    }
    EXPECT_TRUE(p.boxes.empty());
}

TEST(QtOptionsWindow, ShowsAFileLoadedThroughOpenBeforeThePick) {
    Program p;
    bxtest::TempDir dir;
    bx::MemImage loaded = p.app->Mem_image;
    loaded(224, bx::Option_ofs_Beep) = 0;
    loaded(225, bx::Option_ofs_Emc_Ch - 16) = 42;
    loaded(227, 3) = 0x5A;  // a byte no control edits
    ASSERT_FALSE(bx::Save_data_file(dir / "radio.dat", loaded));

    bx::frm_option& w = *p.app->Editor<bx::EditorId::frm_option>();
    w.Command_open.click();
    settle();
    bx::FileDialog& open = *p.app->Form_open_chann;
    ASSERT_TRUE(open.Loaded());
    ASSERT_TRUE(open.Dir1.setPath(dir.path()));
    open.Text1.enter("radio.dat");
    open.Command_enter.click();
    settle();
    ASSERT_FALSE(open.Loaded());
    // The closed dialog hands the activation back to the options window.
    EXPECT_EQ(w.List("Combo_Beep")->Text(), "OFF");
    EXPECT_EQ(w.List("Combo_Emc_Ch")->Text(), "CH-042");
    w.List("Combo_Tdr")->pick(0);
    EXPECT_EQ(p.app->Mem_image(227, 3), 0x5A);
    EXPECT_EQ(p.app->Mem_image(225, bx::Option_ofs_Emc_Ch - 16), 42);
    EXPECT_EQ(p.app->Mem_image(224, bx::Option_ofs_Tdr), 0);
}
