// Lists and boxes in the real front end: the wheel over a closed list
// changes nothing, and the clipboard's paste and cut go through the same
// rules as typed keys, so a widget shows what the image holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "appstate/app.h"
#include "editors/options/frm_option.h"
#include "editors/signalling/frm_dtmf.h"
#include "model/layouts.h"
#include "model/option_offsets.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

using bxtest::settle;

struct Program : bxtest::QtProgram {
    Program() : QtProgram(/*screen_1280x800=*/true) {}
    QWidget* widget(const ui::Form& f, const ui::Control& c) { return rt.forms().view(f)->find(&c)->widget(); }
    bx::frm_option& options() { return *app->Editor<bx::EditorId::frm_option>(); }
    bx::frm_dtmf& dtmf() { return *app->Editor<bx::EditorId::frm_dtmf>(); }
};

void wheel(QWidget* w, int notches) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
    settle();
}

// A clipboard key (Ctrl+V, Ctrl+X) pressed in a line edit.
void clipboard_key(QLineEdit* le, Qt::Key key) {
    le->setFocus();
    bxtest::key(le, key, Qt::ControlModifier);
}

}  // namespace

TEST(QtListsAndPastes, TheWheelOverAClosedListChangesNothing) {
    Program p;
    p.app->MDImain->Sig_dtmf.click();
    settle();
    bx::frm_option& o = p.options();
    bx::frm_dtmf& d = p.dtmf();
    namespace tim = bx::layout::Dtmf_enc_timing_record;
    struct Case {
        const ui::Form& form;
        ui::ComboBox& list;
        std::function<int()> stored;
    };
    const Case cases[] = {
        {o, *o.List("Combo_Beep"), [&] { return p.app->Mem_image(224, bx::Option_ofs_Beep); }},
        {o, *o.List("Combo_tot"), [&] { return p.app->Mem_image(224, bx::Option_ofs_tot); }},
        {d, d.Combo_Enc_ys1, [&] { return tim::On_time.get(p.app->Mem_image); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.name());
        auto* box = qobject_cast<QComboBox*>(p.widget(c.form, c.list));
        ASSERT_NE(box, nullptr);
        const int index = c.list.ListIndex(), byte = c.stored();
        ASSERT_GE(index, 1);
        for (int notches : {1, -1, 3}) {
            wheel(box, notches);
            if (box->lineEdit()) wheel(box->lineEdit(), notches);
        }
        EXPECT_EQ(c.list.ListIndex(), index);
        EXPECT_EQ(box->currentIndex(), index);
        EXPECT_EQ(c.stored(), byte);
    }
    EXPECT_TRUE(p.boxes.empty());
}

TEST(QtListsAndPastes, CtrlVAndCtrlXShowWhatIsStored) {
    Program p;
    p.app->MDImain->Sig_dtmf.click();
    settle();
    bx::frm_option& o = p.options();
    bx::frm_dtmf& d = p.dtmf();
    QClipboard* clip = QGuiApplication::clipboard();

    // The ANI box takes only code characters: "88.5" pastes as 885.
    auto* ani = qobject_cast<QLineEdit*>(p.widget(o, o.Text_ANI));
    ASSERT_NE(ani, nullptr);
    o.Activate();
    settle();
    ani->selectAll();
    clip->setText("88.5");
    clipboard_key(ani, Qt::Key_V);
    EXPECT_EQ(ani->text().toStdString(), "885");
    EXPECT_EQ(o.Text_ANI.Text(), "885");
    for (int b = 0; b < 4; ++b) EXPECT_EQ(p.app->Mem_image(237, b), (std::array<int, 4>{8, 8, 5, 0xFF})[b]) << b;

    // A pick-only list: a pasted item's text is a pick of that item; other
    // text is refused; a cut leaves the item shown.
    d.Activate();
    settle();
    namespace set = bx::layout::Dtmf_dec_settings_record;
    auto* reset = qobject_cast<QComboBox*>(p.widget(d, d.Combo_Dec_Res_Time));
    ASSERT_NE(reset, nullptr);
    ASSERT_NE(reset->lineEdit(), nullptr);
    ASSERT_EQ(d.Combo_Dec_Res_Time.Text(), "8000");
    struct Step {
        const char* clip;  // nullptr: Ctrl+X over the whole text
        const char* shown;
        int stored;
    };
    const Step steps[] = {{"12O45", "8000", 79}, {"100", "100", 0}, {nullptr, "100", 0}, {"2000", "2000", 19}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.clip ? s.clip : "cut");
        reset->lineEdit()->selectAll();
        if (s.clip) clip->setText(s.clip);
        clipboard_key(reset->lineEdit(), s.clip ? Qt::Key_V : Qt::Key_X);
        EXPECT_EQ(reset->lineEdit()->text().toStdString(), s.shown);
        EXPECT_EQ(d.Combo_Dec_Res_Time.Text(), s.shown);
        EXPECT_EQ(set::Reset_time.get(p.app->Mem_image), s.stored);
    }
    EXPECT_TRUE(p.boxes.empty());
}
