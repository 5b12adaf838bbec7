// Every route that ends an edit in the real front end stores what leaving
// the cell or box stores: a value typed into each kind of editor field, then
// ended by Enter, another window coming to the front (a click on its title
// or contents, a menu or toolbar command, the Save As dialog opened before
// or after the editor and brought forward, or confirmed without coming
// forward, the write window's Write), the editor's Save, the main window's
// Save As, Write, Close or the close box. Each route's image is compared
// with the one leaving the field gives, and that leave must have changed
// the image, so a commit that stores nothing fails. Coming back to a grid
// window by its title gives its grid the keys at the cell it had.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <QToolBar>

#include <functional>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/channels/chann_columns.h"
#include "editors/channels/frm_chann.h"
#include "editors/fm/frm_fm.h"
#include "editors/options/frm_option.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "link/form_comm_write.h"
#include "model/datafile.h"
#include "model/layouts.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "shell/dialogs.h"
#include "shell/mdimain.h"
#include "support/tempdir.h"

namespace {

using bxtest::click;
using bxtest::key;
using bxtest::px_rect;
using bxtest::settle;
using bxtest::type;

struct Program : bxtest::QtProgram {
    Program() {
        QMainWindow* mw = rt.forms().main_window();
        mw->resize(1280, 800);
        // The main window is the active one, as on a desktop: clicks move
        // the focus and activate the child windows inside it.
        mw->activateWindow();
        settle();
    }
    bx::FormView& view(const ui::Form& f) { return *rt.forms().view(f); }
    QWidget* widget(const ui::Control& c) { return view(c.owner()).find(&c)->widget(); }
    QWidget* grid(const ui::Grid& g) { return widget(g); }
    void click_cell(const ui::Grid& g, int r, int c) { click(grid(g), px_rect(g.cell_rect(r, c)).center()); }
    QAction* toolbar(const char* key) {
        for (QToolBar* bar : rt.forms().main_window()->findChildren<QToolBar*>())
            for (QAction* a : bar->actions())
                if (a->objectName() == key) return a;
        return nullptr;
    }
};

// A click as the window system delivers it: the clicked window's focus
// moves, and a child window clicked into comes to the front.
void sys_click(QWidget* w, QPoint at) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

// A click on a window's title bar, as a user brings it to the front: a
// child window's own, or a dialog's (whose title bar is the window
// manager's, so the window system activates it).
void click_title(QWidget* top) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(top)) {
        const int h = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        sys_click(sub, QPoint(sub->width() / 2, h / 2));
        return;
    }
    top->activateWindow();
    settle();
}

// One kind of field: how its window comes up, how the value is typed, how
// leaving it ends the edit, and the window behind it.
struct FieldKind {
    const char* name;
    std::function<ui::Form&(Program&)> open;   // the editor, in front
    std::function<void(Program&)> edit;        // the value typed, not yet left
    std::function<void(Program&)> leave;       // the user leaves the field
    std::function<QWidget*(Program&)> editor;  // the widget the keys go to
    bool enter_commits;
    std::function<void(Program&)> check;  // what the leave stores, checked once
};

// Another editor, opened first: the window a click brings to the front.
ui::Form& other_for(Program& p, const FieldKind& k) {
    if (std::string(k.name).rfind("options", 0) == 0) return *p.app->Editor<bx::EditorId::frm_2tone>();
    return *p.app->Editor<bx::EditorId::frm_option>();
}

bx::frm_chann& chann(Program& p) { return *p.app->Editor<bx::EditorId::frm_chann>(); }

const uint8_t kPair[16] = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x50, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};

std::vector<FieldKind> kinds() {
    return {
        {"channel receive frequency of a new channel",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->chann_edit.click();
             return chann(p);
         },
         [](Program& p) {
             p.click_cell(chann(p).MSF_Chann, 9, bx::kColRxFreq);
             type(p.widget(chann(p).Text_Edit), "147");
             settle();
         },
         [](Program& p) { p.click_cell(chann(p).MSF_Chann, 12, 0); },
         [](Program& p) { return p.widget(chann(p).Text_Edit); }, true,
         [](Program& p) {
             const uint8_t want[16] = {0x00, 0x00, 0x70, 0x14, 0x00, 0x00, 0x70, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};
             for (int b = 0; b < 16; ++b) EXPECT_EQ(p.app->Mem_image(8, b), want[b]) << b;
         }},
        {"channel name",
         [](Program& p) -> ui::Form& {
             for (int b = 0; b < 16; ++b) p.app->Mem_image(8, b) = kPair[b];
             p.app->MDImain->chann_edit.click();
             return chann(p);
         },
         [](Program& p) {
             p.click_cell(chann(p).MSF_Chann, 9, bx::kColName);
             type(p.widget(chann(p).Text_Edit), "HOME");
             settle();
         },
         [](Program& p) { p.click_cell(chann(p).MSF_Chann, 12, 0); },
         [](Program& p) { return p.widget(chann(p).Text_Edit); }, true,
         [](Program& p) { EXPECT_EQ(chann(p).MSF_Chann.TextMatrix(9, bx::kColName), "HOME"); }},
        {"channel tone typed into its list",
         [](Program& p) -> ui::Form& {
             for (int b = 0; b < 16; ++b) p.app->Mem_image(8, b) = kPair[b];
             p.app->MDImain->chann_edit.click();
             return chann(p);
         },
         [](Program& p) {
             p.click_cell(chann(p).MSF_Chann, 9, bx::kColTxTone);
             type(qobject_cast<QComboBox*>(p.widget(chann(p).Combo_edit))->lineEdit(), "88.5");
             settle();
         },
         [](Program& p) { p.click_cell(chann(p).MSF_Chann, 12, 0); },
         [](Program& p) -> QWidget* { return qobject_cast<QComboBox*>(p.widget(chann(p).Combo_edit))->lineEdit(); },
         false, [](Program& p) { EXPECT_EQ(chann(p).MSF_Chann.TextMatrix(9, bx::kColTxTone), "88.5"); }},
        {"FM preset frequency",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->fm_chann_edit.click();
             return *p.app->Editor<bx::EditorId::frm_FM>();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_FM>();
             p.click_cell(w.MSF_Chann, 3, 1);
             QWidget* e = p.widget(w.Text_Edit);
             for (int i = 0; i < 12; ++i) key(e, Qt::Key_Backspace);
             type(e, "99.5");
             settle();
         },
         [](Program& p) { p.click_cell(p.app->Editor<bx::EditorId::frm_FM>()->MSF_Chann, 6, 0); },
         [](Program& p) { return p.widget(p.app->Editor<bx::EditorId::frm_FM>()->Text_Edit); }, false, nullptr},
        {"FM station name",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->fm_chann_edit.click();
             return *p.app->Editor<bx::EditorId::frm_FM>();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_FM>();
             p.click_cell(w.MSF_Chann, 1, 2);
             type(p.widget(w.Text_Edit), "rock");
             settle();
         },
         [](Program& p) { p.click_cell(p.app->Editor<bx::EditorId::frm_FM>()->MSF_Chann, 6, 0); },
         [](Program& p) { return p.widget(p.app->Editor<bx::EditorId::frm_FM>()->Text_Edit); }, false,
         [](Program& p) { EXPECT_EQ(p.app->Editor<bx::EditorId::frm_FM>()->MSF_Chann.TextMatrix(1, 2), "ROCK"); }},
        {"2-tone encode tone",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->Sig_2tone.click();
             auto& w = *p.app->Editor<bx::EditorId::frm_2tone>();
             w.TabStrip1.click(1);
             return w;
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_2tone>();
             p.click_cell(w.MSF_Encode, 10, 1);
             type(p.widget(w.Text_Encode), "1500");
             settle();
         },
         [](Program& p) { p.click_cell(p.app->Editor<bx::EditorId::frm_2tone>()->MSF_Encode, 12, 2); },
         [](Program& p) { return p.widget(p.app->Editor<bx::EditorId::frm_2tone>()->Text_Encode); }, false,
         [](Program& p) { EXPECT_EQ(bx::layout::Sig_2tone_enc_record::Tone_1.get(p.app->Mem_image, 9), 1500); }},
        {"5-tone code frame",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->Sig_5tone.click();
             return *p.app->Editor<bx::EditorId::frm_5tone>();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_5tone>();
             w.TabStrip1.click(2);
             settle();
             p.click_cell(w.MSF_Encode, 3, 1);
             type(p.widget(w.Text_Encode), "12345");
             settle();
         },
         [](Program& p) { p.click_cell(p.app->Editor<bx::EditorId::frm_5tone>()->MSF_Encode, 3, 0); },
         [](Program& p) { return p.widget(p.app->Editor<bx::EditorId::frm_5tone>()->Text_Encode); }, false,
         nullptr},
        {"options power-on message line",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->sys_edit.click();
             return *p.app->Editor<bx::EditorId::frm_option>();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_option>();
             QWidget* e = p.widget(w.Text_PON_MSG_U);
             click(e, QPoint(3, e->height() / 2));
             key(e, Qt::Key_A, Qt::ControlModifier);
             type(e, "HI");
             settle();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_option>();
             QWidget* e = p.widget(w.Text_PON_MSG_D);
             click(e, QPoint(3, e->height() / 2));
         },
         [](Program& p) { return p.widget(p.app->Editor<bx::EditorId::frm_option>()->Text_PON_MSG_U); }, false,
         nullptr},
        {"DTMF send code",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->Sig_dtmf.click();
             return *p.app->Editor<bx::EditorId::frm_dtmf>();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_dtmf>();
             QWidget* e = p.widget(w.Text_tx_Encode[2]);
             click(e, QPoint(3, e->height() / 2));
             key(e, Qt::Key_A, Qt::ControlModifier);
             type(e, "7A#");
             settle();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_dtmf>();
             QWidget* e = p.widget(w.Text_tx_Encode[3]);
             click(e, QPoint(3, e->height() / 2));
         },
         [](Program& p) { return p.widget(p.app->Editor<bx::EditorId::frm_dtmf>()->Text_tx_Encode[2]); }, false,
         [](Program& p) { EXPECT_EQ(p.app->Editor<bx::EditorId::frm_dtmf>()->Text_tx_Encode[2].Text(), "7A#"); }},
        {"options VFO A frequency",
         [](Program& p) -> ui::Form& {
             p.app->MDImain->sys_edit.click();
             return *p.app->Editor<bx::EditorId::frm_option>();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_option>();
             QWidget* e = p.widget(w.Text_Freq_a);
             click(e, QPoint(e->width() - 3, e->height() / 2));
             key(e, Qt::Key_End);
             for (int i = 0; i < 3; ++i) key(e, Qt::Key_Backspace);
             type(e, "75");  // 136.02500 becomes 136.0275
             settle();
         },
         [](Program& p) {
             auto& w = *p.app->Editor<bx::EditorId::frm_option>();
             QWidget* e = p.widget(w.Text_PON_MSG_U);
             sys_click(e, e->rect().center());
         },
         [](Program& p) { return p.widget(p.app->Editor<bx::EditorId::frm_option>()->Text_Freq_a); }, false,
         nullptr},
    };
}

// The routes that end an edit. Each gets the program with the value typed
// and not yet left; `dir` is a folder for a saved file.
struct Route {
    const char* name;
    std::function<void(Program&, const FieldKind&, ui::Form& mine, ui::Form& other, const std::string& dir)> run;
    // A window stands open before the value is typed: the Save As dialog
    // opened before the editor or after it, or the write window.
    enum Dialog { None, Before_editor, After_editor, Write_window } dialog = None;
};

void save_as_confirm(Program& p, const std::string& dir) {
    auto& d = *p.app->Form_save_chann;
    ASSERT_TRUE(d.Loaded());
    d.Dir1.setPath(dir);
    d.Text1.setText("routes.dat");
    click(p.widget(d.Command_enter), QPoint(5, 5));
    settle();
}

std::vector<Route> routes() {
    return {
        // Where Enter commits (it does nothing in the others' boxes).
        {"Enter",
         [](Program& p, const FieldKind& k, ui::Form&, ui::Form&, const std::string&) {
             if (k.enter_commits) key(k.editor(p), Qt::Key_Return);
             else k.leave(p);
         }},
        {"a click on another window's title",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form& other, const std::string&) { click_title(p.top(other)); }},
        {"a click into another window",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form& other, const std::string&) {
             sys_click(p.view(other).client, QPoint(3, 3));
         }},
        {"a menu command",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form&, const std::string&) {
             p.app->MDImain->Prog_read.click();
         }},
        {"a toolbar command",
         [](Program& p, const FieldKind&, ui::Form& mine, ui::Form&, const std::string&) {
             (void)mine;
             QAction* a = p.toolbar("edit_dtmf");
             ASSERT_NE(a, nullptr);
             a->trigger();
             settle();
         }},
        {"the main window's Save As",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form&, const std::string& dir) {
             p.app->MDImain->File_saveas.click();
             settle();
             save_as_confirm(p, dir);
         }},
        {"the Save As dialog opened before the editor, brought forward",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form&, const std::string& dir) {
             click_title(p.top(*p.app->Form_save_chann));
             save_as_confirm(p, dir);
         },
         Route::Before_editor},
        {"the Save As dialog opened after the editor, brought forward",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form&, const std::string& dir) {
             click_title(p.top(*p.app->Form_save_chann));
             save_as_confirm(p, dir);
         },
         Route::After_editor},
        {"the Save As dialog opened after the editor, confirmed without coming forward",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form&, const std::string& dir) {
             save_as_confirm(p, dir);
         },
         Route::After_editor},
        {"the write window's Write, the window not brought forward",
         [](Program& p, const FieldKind&, ui::Form&, ui::Form&, const std::string&) {
             click(p.widget(p.app->Form_Comm_Write->Command_Write), QPoint(5, 5));
         },
         Route::Write_window},
        {"the window's Save",
         [](Program& p, const FieldKind&, ui::Form& mine, ui::Form&, const std::string& dir) {
             ui::Control* save = mine.control("Command_save");
             ASSERT_NE(save, nullptr);
             click(p.widget(*save), QPoint(5, 5));
             if (p.app->Form_save_chann->Loaded()) save_as_confirm(p, dir);
         }},
        {"Write",
         [](Program& p, const FieldKind&, ui::Form& mine, ui::Form&, const std::string&) {
             auto& e = dynamic_cast<bx::EditorWindow&>(mine);
             click(p.widget(e.Command_Write), QPoint(5, 5));
         }},
        {"Close",
         [](Program& p, const FieldKind&, ui::Form& mine, ui::Form&, const std::string&) {
             ui::Control* close = mine.control("Command_close");
             ASSERT_NE(close, nullptr);
             click(p.widget(*close), QPoint(5, 5));
         }},
        {"the close box",
         [](Program& p, const FieldKind&, ui::Form& mine, ui::Form&, const std::string&) {
             p.top(mine)->close();
             settle();
         }},
    };
}

class CommitRoutes : public ::testing::TestWithParam<int> {};

TEST_P(CommitRoutes, EveryRouteStoresWhatTheLeaveStores) {
    const FieldKind kind = kinds()[static_cast<size_t>(GetParam())];
    SCOPED_TRACE(kind.name);
    bxtest::TempDir dir;
    // The image a leave of the field gives.
    bx::MemImage left;
    {
        Program p;
        kind.open(p);
        settle();
        const bx::MemImage before = p.app->Mem_image;
        kind.edit(p);
        kind.leave(p);
        settle();
        EXPECT_FALSE(p.app->Mem_image == before) << "the leave stored nothing";
        if (kind.check) kind.check(p);
        left = p.app->Mem_image;
    }
    for (const Route& r : routes()) {
        SCOPED_TRACE(r.name);
        Program p;
        ui::Form& other = other_for(p, kind);
        bx::App::Open(other);
        settle();
        // The dialog stands open; the user goes back to the main window.
        auto open_dialog = [&p] {
            p.app->MDImain->File_saveas.click();
            settle();
            p.rt.forms().main_window()->activateWindow();
            settle();
        };
        if (r.dialog == Route::Before_editor) open_dialog();
        if (r.dialog == Route::Write_window) {
            p.app->MDImain->Prog_write.click();
            settle();
            p.rt.forms().main_window()->activateWindow();
            settle();
        }
        ui::Form& mine = kind.open(p);
        settle();
        if (r.dialog == Route::After_editor) open_dialog();
        kind.edit(p);
        r.run(p, kind, mine, other, dir.path());
        settle();
        EXPECT_TRUE(p.app->Mem_image == left);
        if (kind.check) kind.check(p);
        // A save writes the committed value.
        const std::string file = dir.path() + "/routes.dat";
        if (std::string(r.name).find("Save") != std::string::npos) {
            bx::MemImage saved;
            EXPECT_EQ(bx::Load_data_file(file, saved).kind, bx::FileError::None);
            EXPECT_TRUE(saved == left);
        }
        std::remove(file.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, CommitRoutes, ::testing::Range(0, static_cast<int>(kinds().size())));

}  // namespace

namespace {

// Coming back to a grid window by its title: the keys go to its grid, at
// the cell the user had (a cell editor open there or not), so the next Down
// moves one row on from it.
TEST(ComingBack, ByItsTitleTheGridHasTheKeysAtItsCell) {
    struct GridWindow {
        const char* name;
        std::function<ui::Grid&(Program&)> open;  // the window in front, its grid returned
        int row, col;
    };
    const GridWindow windows[] = {
        {"channels",
         [](Program& p) -> ui::Grid& {
             p.app->MDImain->chann_edit.click();
             return chann(p).MSF_Chann;
         },
         10, bx::kColRxFreq},
        {"FM presets",
         [](Program& p) -> ui::Grid& {
             p.app->MDImain->fm_chann_edit.click();
             return p.app->Editor<bx::EditorId::frm_FM>()->MSF_Chann;
         },
         3, 1},
        {"2-tone encode",
         [](Program& p) -> ui::Grid& {
             p.app->MDImain->Sig_2tone.click();
             return p.app->Editor<bx::EditorId::frm_2tone>()->MSF_Encode;
         },
         4, 1},
    };
    for (const GridWindow& gw : windows) {
        for (bool open_editor : {true, false}) {
            SCOPED_TRACE(std::string(gw.name) + (open_editor ? ", a cell editor open" : ", the grid moved by keys"));
            Program p;
            ui::Form& other = *p.app->Editor<bx::EditorId::frm_option>();
            bx::App::Open(other);
            settle();
            ui::Grid& g = gw.open(p);
            settle();
            const bx::MemImage before = p.app->Mem_image;
            QWidget* grid = p.grid(g);
            if (open_editor) {
                p.click_cell(g, gw.row, gw.col);
            } else {
                // Opened on the first row, then left by Down for the grid
                // to move on.
                p.click_cell(g, 1, gw.col);
                for (int r = 1; r < gw.row; ++r) key(QApplication::focusWidget(), Qt::Key_Down);
                ASSERT_EQ(QApplication::focusWidget(), grid);
            }
            ASSERT_EQ(g.Row(), gw.row);
            ASSERT_EQ(g.Col(), gw.col);
            click_title(p.top(other));
            click_title(p.top(g.owner()));
            EXPECT_EQ(QApplication::focusWidget(), grid)
                << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none");
            EXPECT_TRUE(g.focused());
            EXPECT_EQ(g.Row(), gw.row);
            EXPECT_EQ(g.Col(), gw.col);
            key(QApplication::focusWidget(), Qt::Key_Down);
            EXPECT_EQ(g.Row(), gw.row + 1);
            EXPECT_TRUE(p.app->Mem_image == before);
        }
    }
}

}  // namespace
