// A composition the user never committed is never stored, with an input
// method that commits its open text when Qt asks it to as the focus leaves
// (as a desktop's does): a click on another cell or box, Tab, or one of the
// program's own message boxes coming forward drops it, and so does the
// input method deleting around the cursor while its text is open. The box,
// the grid and the image keep the value, and the input method holds nothing
// that could still be committed later.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QWindow>

#include <functional>
#include <string>

#include "appstate/app.h"
#include "editors/channels/chann_columns.h"
#include "editors/channels/frm_chann.h"
#include "editors/options/frm_option.h"
#include "editors/options/text_fields.h"
#include "model/layouts.h"
#include "ibus_like_input.h"
#include "qt_input.h"
#include "qt_test_app.h"

namespace {

using bxtest::IbusLikeInput;
using bxtest::px_rect;
using bxtest::settle;

struct Program : bxtest::QtProgram {
    Program() : QtProgram(/*screen_1280x800=*/true) {
        rt.forms().main_window()->resize(1280, 800);
        to_front();
    }
    // The main window the active one again, as after a message box closes
    // on a desktop.
    void to_front() {
        rt.forms().main_window()->activateWindow();
        settle();
    }
};

// A click as the window system delivers it: to the window, at the place
// over widget w.
void sys_click(QWidget* w, QPoint at) {
    QWindow* win = w->window()->windowHandle();
    QTest::mouseClick(win, Qt::LeftButton, Qt::NoModifier, win->mapFromGlobal(w->mapToGlobal(at)));
    settle();
}

// Channel 9 (grid row 10): receive and transmit 155.025, named "RPT1".
void put_channel_9(bx::App& app) {
    const uint8_t rec[16] = {0x00, 0x25, 0x50, 0x15, 0x00, 0x25, 0x50, 0x15, 0, 0, 0, 0, 0, 0, 0, 4};
    for (int b = 0; b < 16; ++b) app.Mem_image(9, b) = rec[b];
    const uint8_t name[8] = {'R', 'P', 'T', '1', 0xFF, 0xFF, 0xFF, 0xFF};
    for (int b = 0; b < 8; ++b) app.Mem_image(256 + 9, b) = name[b];
}

}  // namespace

TEST(QtInputMethod, ACompositionLeftOpenAsTheFocusMovesIsNeverStored) {
    IbusLikeInput* im = IbusLikeInput::instance();
    Program p;
    if (!im) im = IbusLikeInput::instance();
    ASSERT_NE(im, nullptr) << "the test's input method is not the platform's";
    put_channel_9(*p.app);
    const auto hello = bx::options::Pon_line_encode("HELLO1");
    bx::layout::Pon_msg::Line_1.put(p.app->Mem_image, 0, hello);
    p.app->Image_replaced();
    bx::frm_option& o = p.open<bx::EditorId::frm_option>();
    bx::frm_chann& ch = p.open<bx::EditorId::frm_chann>();

    // A box with its value, opened for typing, and what shows it afterwards.
    struct Box {
        const char* name;
        std::function<QLineEdit*()> open;
        std::function<void()> click_elsewhere;  // another cell or box
        std::function<std::string()> shown;
        const char* value;
        const char* composed;  // a text the box would take, were it committed
    };
    auto cell = [&](int col) {
        return [&p, &ch, col] {
            p.to_front();
            ch.Activate();
            settle();
            bxtest::click(p.widget(ch.MSF_Chann), px_rect(ch.MSF_Chann.cell_rect(10, col)).center());
            return p.line_edit(ch.Text_Edit);
        };
    };
    const Box boxes[] = {
        {"channel name cell", cell(bx::kColName),
         [&] { sys_click(p.widget(ch.MSF_Chann), px_rect(ch.MSF_Chann.cell_rect(12, bx::kColRxFreq)).center()); },
         [&] { return ch.MSF_Chann.TextMatrix(10, bx::kColName); }, "RPT1", "nihao"},
        {"receive frequency cell", cell(bx::kColRxFreq),
         [&] { sys_click(p.widget(ch.MSF_Chann), px_rect(ch.MSF_Chann.cell_rect(12, bx::kColName)).center()); },
         [&] { return ch.MSF_Chann.TextMatrix(10, bx::kColRxFreq); }, "155.02500", "146.5"},
        {"power-on line",
         [&] {
             p.to_front();
             o.Activate();
             settle();
             QLineEdit* le = p.line_edit(o.Text_PON_MSG_U);
             le->setFocus();
             settle();
             return le;
         },
         [&] {
             QLineEdit* other = p.line_edit(o.Text_PON_MSG_D);
             sys_click(other, other->rect().center());
         },
         [&] { return o.Text_PON_MSG_U.Text(); }, "HELLO1", "nihao"},
    };
    struct Leave {
        const char* name;
        std::function<void(const Box&, QLineEdit*)> act;
    };
    const Leave leaves[] = {
        {"a click elsewhere", [](const Box& b, QLineEdit*) { b.click_elsewhere(); }},
        {"Tab",
         [](const Box&, QLineEdit* le) {
             QTest::keyClick(le, Qt::Key_Tab);
             settle();
         }},
        {"the input method deleting around the cursor, then a click elsewhere",
         [&](const Box& b, QLineEdit*) {
             im->delete_around(-2, 2);
             settle();
             b.click_elsewhere();
         }},
        {"a message box coming forward",
         [&](const Box&, QLineEdit*) {
             p.rt.msg().show("A message of the program's own", ui::vbOKOnly, {});
             settle();
         }},
    };
    for (const Box& b : boxes) {
        for (const Leave& l : leaves) {
            SCOPED_TRACE(std::string(b.name) + ", " + l.name);
            QLineEdit* le = b.open();
            ASSERT_NE(le, nullptr);
            ASSERT_TRUE(le->hasFocus());
            ASSERT_EQ(b.shown(), b.value);
            const bx::MemImage before = p.app->Mem_image;
            im->compose(QString::fromUtf8(b.composed));
            settle();
            EXPECT_EQ(le->text().toStdString(), b.value);
            l.act(b, le);
            EXPECT_TRUE(im->open_text().isEmpty()) << "the input method still holds " << im->open_text().toStdString();
            im->user_commit();  // nothing left to commit anywhere
            settle();
            // The box left for good: whatever it holds is stored.
            b.click_elsewhere();
            EXPECT_EQ(b.shown(), b.value);
            EXPECT_TRUE(p.app->Mem_image == before);
            p.boxes.clear();
        }
    }
    // A composition the user commits is typed as ever.
    QLineEdit* le = boxes[2].open();
    bxtest::key(le, Qt::Key_A, Qt::ControlModifier);
    im->compose(QStringLiteral("AB"));
    im->user_commit();
    settle();
    EXPECT_EQ(o.Text_PON_MSG_U.Text(), "AB");
}
