// The control owns the text in the real front end, the line edit only shows
// it: an input method's composition over a selected value changes nothing
// until it commits; Undo and Redo (keys and context menu) step through the
// control's history in every kind of box; Shift+Delete cuts; a password box
// masks with its own character. Each rule over a table of boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/channels/chann_columns.h"
#include "editors/channels/frm_chann.h"
#include "editors/options/frm_option.h"
#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "link/form_write_password.h"
#include "model/codecs.h"
#include "model/layouts.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

using bxtest::click;
using bxtest::context_menu_item;
using bxtest::input_method;
using bxtest::key;
using bxtest::px_rect;
using bxtest::settle;
using bxtest::type;

struct Program : bxtest::QtProgram {
    Program() : QtProgram(/*screen_1280x800=*/true) {
        QMainWindow* mw = rt.forms().main_window();
        mw->resize(1280, 800);
        // The main window is the active one, as on a desktop: the focus
        // moves between the boxes inside it.
        mw->activateWindow();
        settle();
    }
};

// Channel 9 (row 10) in use: receive 155.025, transmit 155.025, high power.
void put_channel_9(bx::App& app) {
    const uint8_t rec[16] = {0x00, 0x25, 0x50, 0x15, 0x00, 0x25, 0x50, 0x15, 0, 0, 0, 0, 0, 0, 0, 4};
    for (int b = 0; b < 16; ++b) app.Mem_image(9, b) = rec[b];
}

// A box of one kind, opened with its value selected, and how it is left.
struct Box {
    const char* name;
    ui::TextBox& box;
    std::function<QLineEdit*()> open;   // shows the box, its value selected
    std::function<void()> leave;        // the focus leaves it
    std::function<std::string()> shown;  // what shows once it is left
    const char* value;                  // what it opens with
    const char* committed;              // an input method's commit it takes
    const char* kept;                   // what shows once that commit is left
    bool filtered;                      // its typing refuses other characters
};

}  // namespace

// A composition begun over the selected value changes nothing on screen or
// stored; cancelled, committing what the box refuses (a full-width "？", a
// Chinese character), or left open as the focus goes, the value stays
// (box, control and image); a commit the box takes is typed over the
// selection that stood when the composition began.
TEST(QtTextOwner, ACompositionOverASelectedValueChangesNothingUntilItCommits) {
    Program p;
    put_channel_9(*p.app);
    bx::frm_dtmf& d = p.open<bx::EditorId::frm_dtmf>();
    bx::frm_option& o = p.open<bx::EditorId::frm_option>();
    bx::frm_chann& ch = p.open<bx::EditorId::frm_chann>();
    bx::frm_5tone& f5 = p.open<bx::EditorId::frm_5tone>();
    f5.TabStrip1.click(2);
    const std::vector<uint8_t> frame{1, 2, 3, 4, 5};
    bx::layout::Sig_5tone_code_record::Frame[1].put(p.app->Mem_image, 0, frame);
    p.app->Image_replaced();
    auto select_all = [&](ui::Form& f, ui::TextBox& b) {
        return [&p, &f, &b] {
            f.Activate();
            settle();
            QLineEdit* le = p.line_edit(b);
            le->setFocus();
            settle();
            key(le, Qt::Key_A, Qt::ControlModifier);
            return le;
        };
    };
    const Box boxes[] = {
        {"code box", d.Text_MID, select_all(d, d.Text_MID), [&] { p.line_edit(d.Text_SID)->setFocus(); },
         [&] { return d.Text_MID.Text(); }, "1234567890ABCD*#", "b", "B", true},
        {"cell editor", ch.Text_Edit,
         [&] {
             ch.Activate();
             settle();
             click(p.widget(ch.MSF_Chann), px_rect(ch.MSF_Chann.cell_rect(10, bx::kColRxFreq)).center());
             return p.line_edit(ch.Text_Edit);
         },
         [&] { click(p.widget(ch.MSF_Chann), px_rect(ch.MSF_Chann.cell_rect(12, 0)).center()); },
         [&] { return ch.MSF_Chann.TextMatrix(10, bx::kColRxFreq); }, "155.02500", "146.5", "146.50000", false},
        {"frame cell editor", f5.Text_Encode,
         [&] {
             f5.Activate();
             settle();
             click(p.widget(f5.MSF_Encode), px_rect(f5.MSF_Encode.cell_rect(1, 2)).center());
             return p.line_edit(f5.Text_Encode);
         },
         [&] { click(p.widget(f5.MSF_Encode), px_rect(f5.MSF_Encode.cell_rect(5, 0)).center()); },
         [&] { return f5.MSF_Encode.TextMatrix(1, 2); }, "12345", "ABCDE", "ABCDE", true},
        {"password box", o.Text_PassWord, select_all(o, o.Text_PassWord),
         [&] { p.line_edit(o.Text_ANI)->setFocus(); }, [&] { return o.Text_PassWord.Text(); }, "580317", "B", "B", true},
    };
    struct Ending {
        const char* name;
        const char* commit;  // nullptr: the focus leaves with the composition open
        bool taken;
        bool refused;  // a commit the box's typing refuses
    };
    const Ending endings[] = {
        {"cancelled", "", false, false},
        {"full-width question mark", "\xef\xbc\x9f", false, true},
        {"Chinese character", "\xe4\xb8\xad", false, true},
        {"focus left", nullptr, false, false},
        {"taken", "*", true, false},
    };
    for (const Box& b : boxes) {
        for (const Ending& e : endings) {
            if (e.refused && !b.filtered) continue;
            SCOPED_TRACE(std::string(b.name) + ", " + e.name);
            if (&b.box == &d.Text_MID || &b.box == &o.Text_PassWord) b.box.setText(b.value);
            QLineEdit* le = b.open();
            ASSERT_NE(le, nullptr);
            ASSERT_TRUE(le->hasFocus());
            ASSERT_EQ(le->selectedText().toStdString(), b.value);
            const bx::MemImage before = p.app->Mem_image;
            input_method(le, "a");
            EXPECT_EQ(le->text().toStdString(), b.value);
            EXPECT_EQ(le->selectedText().toStdString(), b.value);
            EXPECT_EQ(b.box.Text(), b.value);
            EXPECT_TRUE(p.app->Mem_image == before);
            if (e.commit) {
                const std::string commit = e.taken ? b.committed : e.commit;
                input_method(le, "", QString::fromStdString(commit));
                EXPECT_EQ(b.box.Text(), e.taken ? commit : b.value);
                EXPECT_EQ(le->text().toStdString(), e.taken ? commit : b.value);
                if (!e.taken) {
                    EXPECT_EQ(le->selectedText().toStdString(), b.value);
                }
            }
            b.leave();
            EXPECT_EQ(b.shown(), e.taken ? b.kept : b.value);
            if (!e.taken) {
                EXPECT_TRUE(p.app->Mem_image == before);
            }
        }
    }
    // An input method replacing the character before the cursor.
    QLineEdit* mid = select_all(d, d.Text_MID)();
    key(mid, Qt::Key_End);
    QInputMethodEvent replace(QString(), {});
    replace.setCommitString(QStringLiteral("C"), -1, 1);
    QApplication::sendEvent(mid, &replace);
    settle();
    EXPECT_EQ(d.Text_MID.Text(), "C");
    EXPECT_EQ(mid->text().toStdString(), "C");
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// Undo and Redo, by keys and by the context menu, step through the
// control's history in every kind of box: the box, the control and the
// image agree after each step; a blank frame comes back; a list's typed
// tone is redone; a password box shows what it holds.
TEST(QtTextOwner, UndoAndRedoStepThroughTheControlsHistoryInEveryBox) {
    Program p;
    put_channel_9(*p.app);
    bx::frm_dtmf& d = p.open<bx::EditorId::frm_dtmf>();
    bx::frm_5tone& f5 = p.open<bx::EditorId::frm_5tone>();
    bx::frm_chann& ch = p.open<bx::EditorId::frm_chann>();
    bx::Form_Write_PassWord& pw = *p.app->Editor<bx::EditorId::Form_Write_PassWord>();
    struct Case {
        const char* name;
        ui::Control& control;
        std::function<std::string()> text;
        std::function<QLineEdit*()> open;  // the box with its value selected
        const char* value;
        const char* typed;
    };
    auto cell = [&](ui::Form& f, const ui::Grid& g, int r, int c, const ui::Control& box) {
        return [&p, &f, &g, r, c, &box] {
            f.Activate();
            settle();
            click(p.widget(g), px_rect(g.cell_rect(r, c)).center());
            return p.line_edit(box);
        };
    };
    const Case cases[] = {
        {"code box", d.Text_tx_Encode[0], [&] { return d.Text_tx_Encode[0].Text(); },
         [&] {
             d.Activate();
             d.Text_tx_Encode[0].setText("123");
             QLineEdit* le = p.line_edit(d.Text_tx_Encode[0]);
             le->setFocus();
             settle();
             key(le, Qt::Key_A, Qt::ControlModifier);
             return le;
         },
         "123", "4B"},
        {"blank 5-tone frame", f5.Text_Encode, [&] { return f5.Text_Encode.Text(); },
         [&] {
             // Code 1's third frame blank.
             const std::vector<uint8_t> blank(5, bx::kNoHex);
             bx::layout::Sig_5tone_code_record::Frame[2].put(p.app->Mem_image, 0, blank);
             p.app->Image_replaced();
             f5.Activate();
             f5.TabStrip1.click(2);
             settle();
             return cell(f5, f5.MSF_Encode, 1, 3, f5.Text_Encode)();
         },
         "     ", "12345"},
        {"channel tone list", ch.Combo_edit, [&] { return ch.Combo_edit.Text(); },
         cell(ch, ch.MSF_Chann, 10, bx::kColRxTone, ch.Combo_edit), "", "67"},
        {"password box", pw.Text_New_Password_1, [&] { return pw.Text_New_Password_1.Text(); },
         [&] {
             p.app->MDImain->PC_PassWord.click();
             settle();
             QLineEdit* le = p.line_edit(pw.Text_New_Password_1);
             le->setFocus();
             settle();
             return le;
         },
         "", "AB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QLineEdit* le = c.open();
        ASSERT_NE(le, nullptr);
        ASSERT_TRUE(le->isVisible());
        ASSERT_EQ(c.text(), c.value);
        ASSERT_EQ(le->selectedText().toStdString(), c.value);
        const bx::MemImage at_start = p.app->Mem_image;
        type(le, c.typed);
        settle();
        const bx::MemImage typed_stored = p.app->Mem_image;
        ASSERT_EQ(c.text(), c.typed);
        auto agree = [&](const char* want) {
            EXPECT_EQ(c.text(), want);
            EXPECT_EQ(le->text().toStdString(), want);
        };
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round == 0 ? "keys" : "context menu");
            auto undo = [&] {
                if (round == 0) key(le, Qt::Key_Z, Qt::ControlModifier);
                else context_menu_item(le, QStringLiteral("edit-undo"));
            };
            auto redo = [&] {
                if (round == 0) key(le, Qt::Key_Y, Qt::ControlModifier);
                else context_menu_item(le, QStringLiteral("edit-redo"));
            };
            undo();  // the typed run is one step
            agree(c.value);
            EXPECT_TRUE(p.app->Mem_image == at_start);
            redo();
            agree(c.typed);
            EXPECT_TRUE(p.app->Mem_image == typed_stored);
        }
        // Typing after an undo types over what the box shows, selected as
        // it was.
        key(le, Qt::Key_Z, Qt::ControlModifier);
        type(le, c.typed);
        agree(c.typed);
        EXPECT_FALSE(le->isUndoAvailable());  // the line edit keeps no history of its own
    }
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// Shift+Delete cuts: the selection goes to the clipboard, then goes as
// Delete takes it; a password box masks with the window's "*".
TEST(QtTextOwner, ShiftDeleteCutsAndPasswordBoxesMaskWithTheirCharacter) {
    Program p;
    put_channel_9(*p.app);
    bx::frm_dtmf& d = p.open<bx::EditorId::frm_dtmf>();
    bx::frm_chann& ch = p.open<bx::EditorId::frm_chann>();
    struct Case {
        ui::Form& form;
        const ui::TextBox& box;
        std::function<QLineEdit*()> open;
        const char* left;
    };
    const Case cases[] = {
        {d, d.Text_XC,
         [&] {
             d.Text_XC.setText("1234");
             QLineEdit* le = p.line_edit(d.Text_XC);
             le->setFocus();
             settle();
             le->setSelection(1, 2);
             return le;
         },
         "14"},
        {ch, ch.Text_Edit,
         [&] {
             click(p.widget(ch.MSF_Chann), px_rect(ch.MSF_Chann.cell_rect(10, bx::kColRxFreq)).center());
             QLineEdit* le = p.line_edit(ch.Text_Edit);
             le->setSelection(4, 1);
             return le;
         },
         "155.2500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.name());
        p.boxes.clear();
        c.form.Activate();
        settle();
        QGuiApplication::clipboard()->clear();
        QLineEdit* le = c.open();
        const QString cut = le->selectedText();
        ASSERT_FALSE(cut.isEmpty());
        key(le, Qt::Key_Delete, Qt::ShiftModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), cut);
        EXPECT_EQ(c.box.Text(), c.left);
        EXPECT_EQ(le->text().toStdString(), c.left);
        EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
    }

    bx::Form_Write_PassWord& pw = *p.app->Editor<bx::EditorId::Form_Write_PassWord>();
    p.app->MDImain->PC_PassWord.click();
    settle();
    for (const ui::TextBox* b : {&pw.Text_Old_PassWord, &pw.Text_New_Password_1, &pw.Text_New_PassWord_2}) {
        SCOPED_TRACE(b->name());
        QLineEdit* le = p.line_edit(*b);
        le->setFocus();
        settle();
        type(le, "ab1");
        EXPECT_EQ(le->displayText().toStdString(), "***");
    }
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}

// The program giving a box a text starts its history anew, also when the
// text is the one the box shows: after a load of the value a box shows, and
// in a window closed and opened again, Ctrl+Z and Ctrl+Y bring nothing back
// and store nothing.
TEST(QtTextOwner, AHistoryNeverReachesBackAcrossATextTheProgramSet) {
    Program p;
    bx::frm_dtmf& d = p.open<bx::EditorId::frm_dtmf>();
    bx::Form_Write_PassWord& pw = *p.app->Editor<bx::EditorId::Form_Write_PassWord>();
    auto focus = [&](ui::Form& f, const ui::TextBox& b) {
        f.Activate();
        settle();
        QLineEdit* le = p.line_edit(b);
        le->setFocus();
        settle();
        return le;
    };
    auto over_all = [](QLineEdit* le, const std::string& text) {
        key(le, Qt::Key_A, Qt::ControlModifier);
        if (text.empty()) key(le, Qt::Key_Delete);
        else type(le, text);
        settle();
    };
    // Nothing to step to: the box and the image stay.
    auto no_step = [&](QLineEdit* le, const ui::TextBox& b) {
        const std::string shown = b.Text();
        const bx::MemImage before = p.app->Mem_image;
        for (Qt::Key k : {Qt::Key_Z, Qt::Key_Y}) {
            key(le, k, Qt::ControlModifier);
            EXPECT_EQ(b.Text(), shown) << (k == Qt::Key_Z ? "Ctrl+Z" : "Ctrl+Y");
            EXPECT_EQ(le->text().toStdString(), shown);
            EXPECT_TRUE(p.app->Mem_image == before);
        }
    };

    // A load whose value for the code box is the one it shows.
    ui::TextBox& code = d.Text_tx_Encode[0];
    QLineEdit* le = focus(d, code);
    over_all(le, "123");
    ASSERT_EQ(code.Text(), "123");
    p.app->Image_replaced();
    d.Activate();
    settle();
    ASSERT_EQ(code.Text(), "123");
    no_step(focus(d, code), code);

    // A window closed with a history on both sides of an empty box, and
    // opened again with the box empty.
    struct Reopened {
        const char* name;
        ui::Form& form;
        ui::TextBox& box;
        std::function<void()> open;
        const char *first, *second;
    };
    const Reopened reopened[] = {
        {"code box", d, code, [&] { p.open<bx::EditorId::frm_dtmf>(); }, "12", "34"},
        {"password box", pw, pw.Text_New_Password_1,
         [&] {
             p.app->MDImain->PC_PassWord.click();
             settle();
         },
         "AB", "CD"},
    };
    for (const Reopened& r : reopened) {
        SCOPED_TRACE(r.name);
        r.open();
        le = focus(r.form, r.box);
        over_all(le, r.first);
        over_all(le, "");
        over_all(le, r.second);
        key(le, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(r.box.Text(), "");
        ASSERT_TRUE(r.box.can_undo());
        ASSERT_TRUE(r.box.can_redo());
        p.top(r.form)->close();
        settle();
        ASSERT_FALSE(r.form.Loaded());
        r.open();
        ASSERT_EQ(r.box.Text(), "");
        no_step(focus(r.form, r.box), r.box);
    }
    EXPECT_TRUE(p.boxes.empty()) << p.boxes.front();
}
