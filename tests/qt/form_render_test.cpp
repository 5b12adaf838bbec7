// The renderer on a small pair of forms: typing goes through the control,
// code's changes show, and a window's close box asks its form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>

#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "ui/controls.h"

namespace {

class TestMain : public ui::Form {
public:
    explicit TestMain(ui::Runtime& rt) : ui::Form(rt, "TestMain") {
        set_mdi_form(true);
        set_mdi_child(false);
    }

protected:
    void Build() override {
        setCaption("Main");
        Move(0, 0, 640 * 15, 480 * 15);
    }
};

class TestChild : public ui::Form {
public:
    explicit TestChild(ui::Runtime& rt) : ui::Form(rt, "TestChild") {
        // Upper case only; "#" is refused.
        Text1.KeyPress = [](int& k) {
            if (k == '#') k = 0;
            else if (k >= 'a' && k <= 'z') k -= 32;
        };
        Command1.Click = [this] { ++clicks; };
        Combo1.KeyPress = Text1.KeyPress;
    }
    ui::TextBox Text1{*this, "Text1"};
    ui::CommandButton Command1{*this, "Command1"};
    ui::ComboBox Combo1{*this, "Combo1"};
    ui::ListBox List1{*this, "List1"};
    int clicks = 0, activates = 0;
    bool refuse_close = false;

protected:
    void Form_Activate() override { ++activates; }
    void Build() override {
        setCaption("Child");
        Move(300, 450, 6000, 4500);
        Text1.Move(120, 120, 2400, 315);
        Text1.setMaxLength(5);
        Command1.Move(120, 600, 1200, 375);
        Command1.setCaption("&Go");
        Combo1.Move(120, 1200, 1800, 315);
        for (const char* s : {"low", "mid", "high"}) Combo1.AddItem(s), List1.AddItem(s);
        List1.Move(2400, 1200, 1800, 1200);
    }
    void Form_Unload(int& cancel) override {
        if (refuse_close) cancel = 1;
    }
};

void press(QWidget* w, int key, const QString& text) {
    QKeyEvent ev(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &ev);
}

TEST(QtFormRender, TypingGoesThroughTheControlAndCloseAsksTheForm) {
    bxtest::qt_app();
    bx::QtRuntime rt;
    TestMain main(rt);
    TestChild child(rt);
    main.Load();
    child.Load();

    bx::FormView* fv = rt.forms().view(child);
    ASSERT_NE(fv, nullptr);
    auto* sub = qobject_cast<QMdiSubWindow*>(fv->top.data());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->windowTitle(), "Child");
    EXPECT_EQ(sub->geometry(), QRect(20, 30, 400, 300));
    EXPECT_EQ(child.ScaleWidth(), fv->client->width() * 15);
    auto* edit = fv->client->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(), QRect(8, 8, 160, 21));

    // Typed at the end: the control's type(), with its KeyPress.
    for (QString ch : {"a", "#", "b"}) press(edit, ch[0].unicode(), ch);
    EXPECT_EQ(child.Text1.Text(), "AB");
    EXPECT_EQ(edit->text(), "AB");
    // Typed in the middle: KeyPress still decides, the character lands at
    // the cursor.
    edit->setCursorPosition(1);
    press(edit, 'c', "c");
    EXPECT_EQ(child.Text1.Text(), "ACB");
    EXPECT_EQ(edit->cursorPosition(), 2);
    press(edit, Qt::Key_Backspace, "\b");
    EXPECT_EQ(child.Text1.Text(), "AB");
    // MaxLength holds wherever the cursor is.
    for (QString ch : {"d", "e", "f", "g"}) press(edit, ch[0].unicode(), ch);
    EXPECT_EQ(child.Text1.Text(), "ADEFB");
    // Text set by code shows.
    child.Text1.setText("xy");
    EXPECT_EQ(edit->text(), "xy");
    child.Text1.setLocked(true);
    EXPECT_TRUE(edit->isReadOnly());
    press(edit, 'z', "z");
    EXPECT_EQ(child.Text1.Text(), "xy");

    auto* button = fv->client->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "&Go");
    button->click();
    EXPECT_EQ(child.clicks, 1);
    child.Command1.setEnabled(false);
    EXPECT_FALSE(button->isEnabled());

    // An editable combo: typed text through KeyPress, a pick selects.
    auto* combo = fv->client->findChild<QComboBox*>();
    // Code's SetFocus moves the widget focus along.
    child.Combo1.SetFocus();
    ASSERT_NE(fv->client->focusWidget(), nullptr);
    EXPECT_TRUE(fv->client->focusWidget() == combo || combo->isAncestorOf(fv->client->focusWidget()));
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->count(), 3);
    press(combo, 'q', "q");
    EXPECT_EQ(child.Combo1.Text(), "Q");
    EXPECT_EQ(combo->currentText(), "Q");
    emit combo->activated(2);
    EXPECT_EQ(child.Combo1.ListIndex(), 2);
    EXPECT_EQ(child.Combo1.Text(), "high");
    EXPECT_EQ(combo->currentText(), "high");
    // A list box: the user's selection is a pick, code's shows.
    auto* list = fv->client->findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    list->item(1)->setSelected(true);
    EXPECT_EQ(child.List1.ListIndex(), 1);
    child.List1.setListIndex(0);
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_FALSE(list->item(1)->isSelected());

    // The close box goes through the form's unload, which may refuse.
    child.refuse_close = true;
    sub->close();
    EXPECT_TRUE(child.Loaded());
    EXPECT_TRUE(sub->isVisible());
    child.refuse_close = false;
    sub->close();
    EXPECT_FALSE(child.Loaded());
    EXPECT_EQ(rt.forms().view(child), nullptr);
    EXPECT_FALSE(sub->isVisible());
    // Its widgets go once the loop runs; a new load draws it anew.
    QPointer<QMdiSubWindow> gone(sub);
    QCoreApplication::processEvents();
    EXPECT_TRUE(gone.isNull());
    child.Load();
    ASSERT_NE(rt.forms().view(child), nullptr);
    EXPECT_EQ(rt.forms().view(child)->client->findChild<QLineEdit*>()->text(), "");

    // The main window's close box asks the program (App::End in main()).
    int close_asks = 0;
    rt.set_close_handler([&] { ++close_asks; });
    rt.forms().main_window()->close();
    EXPECT_EQ(close_asks, 1);
    EXPECT_TRUE(main.Loaded());
}

// A box with no limit of its own, as most of the program's are.
class TestPlain : public ui::Form {
public:
    explicit TestPlain(ui::Runtime& rt) : ui::Form(rt, "TestPlain") {}
    ui::TextBox Text1{*this, "Text1"};

protected:
    void Build() override {
        setCaption("Plain");
        Move(300, 450, 6000, 3000);
        Text1.Move(120, 120, 4800, 315);
    }
};

// The line edit and the control hold the same text at the length limit: a
// long paste stops there in both, a key typed past it is refused by both,
// and a cut of the last character shown takes that one only.
TEST(QtFormRender, TheBoxShowsAllItsControlHoldsAtTheLengthLimit) {
    bxtest::qt_app();
    bx::QtRuntime rt;
    TestMain main(rt);
    TestPlain plain(rt);
    main.Load();
    plain.Load();
    auto* edit = rt.forms().view(plain)->client->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    const int limit = ui::kTextLengthLimit;
    QGuiApplication::clipboard()->setText(QString(limit + 10, QLatin1Char('7')));
    bxtest::key(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text().size(), limit);
    EXPECT_EQ(plain.Text1.Text(), edit->text().toStdString());
    edit->setCursorPosition(0);
    press(edit, '8', "8");
    EXPECT_EQ(edit->text().size(), limit);
    EXPECT_EQ(plain.Text1.Text(), edit->text().toStdString());
    edit->setSelection(limit - 1, 1);
    bxtest::key(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text().size(), limit - 1);
    EXPECT_EQ(plain.Text1.Text(), edit->text().toStdString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
}

// A top-level dialog over the main window, as the file dialogs are.
class TestDialog : public ui::Form {
public:
    explicit TestDialog(ui::Runtime& rt) : ui::Form(rt, "TestDialog") { set_mdi_child(false); }

protected:
    void Build() override {
        setCaption("Dialog");
        Move(600, 600, 4000, 3000);
    }
};

// The child in front is activated when a dialog over it closes, never when a
// message box over it closes or Qt moves its own activation around.
TEST(QtFormRender, ActivateWhenADialogClosesNotAMessageBox) {
    bxtest::qt_app();
    bx::QtRuntime rt;
    TestMain main(rt);
    TestChild child(rt);
    TestDialog dialog(rt);
    main.Load();
    child.Load();
    auto settle = [] {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    };
    settle();
    EXPECT_EQ(child.activates, 1);
    rt.set_message_hook([](QMessageBox& b) { b.button(QMessageBox::Ok)->click(); });
    child.MsgBox("note");
    settle();
    EXPECT_EQ(child.activates, 1);
    dialog.Load();
    settle();
    dialog.Unload(false, ui::vbFormControlMenu);
    settle();
    EXPECT_EQ(child.activates, 2);
    child.MsgBox("note");
    settle();
    EXPECT_EQ(child.activates, 2);
}

}  // namespace
