// The control owns the text: undo and redo step through its own history of
// the user's edits, an input method's composition changes nothing until it
// commits, and a paste is one edit. Each rule over a table of box kinds: a
// code box (a key filter), a password box, a list's text part.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/password_box.h"
#include "ui/sim.h"
#include "ui/text.h"

namespace {

struct BoxesForm : ui::Form {
    explicit BoxesForm(ui::Runtime& rt) : ui::Form(rt, "BoxesForm") {}
    ui::TextBox Text_Code{*this, "Text_Code"};
    ui::TextBox Text_PassWord{*this, "Text_PassWord"};
    ui::ComboBox Combo_Tone{*this, "Combo_Tone"};
    ui::TextBox Text_Other{*this, "Text_Other"};
};

// One box kind: its control, what it starts with, what a user types there
// and a character its rules refuse.
struct Kind {
    const char* name;
    ui::TextEntry& entry;
    ui::Focusable& control;
    std::function<std::string()> text;
    const char* start;
    const char* typed;
    const char* refused;
};

struct TextOwner : ::testing::Test {
    ui::SimRuntime rt;
    BoxesForm f{rt};
    std::vector<std::string> changes;  // the texts Change reported, per box name
    int clicks = 0;
    void SetUp() override {
        f.Load();
        // A DTMF-like code box: 0-9, A-D, at most eight characters.
        f.Text_Code.KeyPress = [this](int& k) {
            const bool ok = (k >= '0' && k <= '9') || (k >= 'A' && k <= 'D') || k == 8;
            if (!ok || ui::utf8_length(f.Text_Code.Text_if_typed(k)) > 8) k = 0;
        };
        f.Text_Code.Change = [this] { changes.push_back("code:" + f.Text_Code.Text()); };
        f.Text_PassWord.Change = [this] { changes.push_back("pw:" + f.Text_PassWord.Text()); };
        ui::Use_password_filter(f.Text_PassWord);
        // A tone list: typed CTCSS digits or a picked item.
        for (const char* item : {"67.0", "71.9", "D023N"}) f.Combo_Tone.AddItem(item);
        f.Combo_Tone.KeyPress = [](int& k) {
            if (!((k >= '0' && k <= '9') || k == '.' || k == 8)) k = 0;
        };
        f.Combo_Tone.Change = [this] { changes.push_back("tone:" + f.Combo_Tone.Text()); };
        f.Combo_Tone.Click = [this] { ++clicks; };
    }
    std::vector<Kind> kinds() {
        return {
            {"code box", f.Text_Code, f.Text_Code, [this] { return f.Text_Code.Text(); }, "1234", "AB", "?"},
            {"password box", f.Text_PassWord, f.Text_PassWord, [this] { return f.Text_PassWord.Text(); }, "580317",
             "AB", "\xe4\xb8\xad"},
            {"list text", f.Combo_Tone, f.Combo_Tone, [this] { return f.Combo_Tone.Text(); }, "88.5", "67", "x"},
        };
    }
    void set(const Kind& k) { set_text(k, k.start); }
    // The program giving the box text t.
    void set_text(const Kind& k, const std::string& t) {
        if (&k.entry == &f.Combo_Tone) f.Combo_Tone.setText(t);
        else static_cast<ui::TextBox&>(k.control).setText(t);
    }
};

// Undo and Redo are the user's edits of the box's own history: a run of
// typed keys is one step (a cursor moved or a Backspace begins another);
// the box and its Change agree at every step; Redo brings the undone edit
// back; a new edit ends the redo; the history starts anew when the program
// sets the text or the selection.
TEST_F(TextOwner, UndoAndRedoStepThroughTheUsersEdits) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        set(k);
        k.entry.SelectAll();
        EXPECT_FALSE(k.entry.can_undo());
        k.entry.type(k.typed);
        ASSERT_EQ(k.text(), k.typed);
        k.entry.type("\b");
        k.entry.user_selects(0, 0);
        k.entry.type("1");
        const std::string typed(k.typed);
        const std::string one_gone = typed.substr(0, typed.size() - 1);
        ASSERT_EQ(k.text(), "1" + one_gone);
        changes.clear();
        EXPECT_GE(k.entry.undo(), 0);
        EXPECT_EQ(k.text(), one_gone);
        EXPECT_GE(k.entry.undo(), 0);
        EXPECT_EQ(k.text(), typed);
        EXPECT_GE(k.entry.undo(), 0);
        EXPECT_EQ(k.text(), k.start);
        EXPECT_EQ(k.entry.SelLength(), ui::utf8_length(k.start));  // selected, as it was
        EXPECT_EQ(k.entry.undo(), -1);                             // nothing before
        ASSERT_EQ(changes.size(), 3u);                             // each step an edit
        k.entry.type("9");
        EXPECT_EQ(k.text(), "9");  // typed over the selection it brought back
        EXPECT_FALSE(k.entry.can_redo());
        EXPECT_GE(k.entry.undo(), 0);
        EXPECT_EQ(k.text(), k.start);
        EXPECT_GE(k.entry.redo(), 0);
        EXPECT_EQ(k.text(), "9");
        EXPECT_EQ(changes.back().substr(changes.back().find(':') + 1), "9");
        // The program's text starts a new history.
        set(k);
        EXPECT_FALSE(k.entry.can_undo());
        k.entry.type("2");
        k.entry.Select(0, 0);
        EXPECT_FALSE(k.entry.can_undo());
    }
}

// The program giving a box a text starts its history anew and drops a
// composition also when the text is the one the box shows (a load of the
// value it holds), without a Change; a window's new load starts every box
// with no history and the cursor at the start.
TEST_F(TextOwner, TheProgramsTextRestartsTheHistoryEvenWhenUnchanged) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        auto two_steps_one_undone = [&] {
            set(k);
            k.entry.SelectAll();
            k.entry.type(k.typed);
            k.entry.user_selects(0, 0);
            k.entry.type("1");
            ASSERT_GE(k.entry.undo(), 0);
            ASSERT_TRUE(k.entry.can_undo());
            ASSERT_TRUE(k.entry.can_redo());
        };
        two_steps_one_undone();
        k.entry.compose(0, 0);
        changes.clear();
        set_text(k, k.text());
        EXPECT_EQ(k.text(), k.typed);
        EXPECT_TRUE(changes.empty());
        EXPECT_FALSE(k.entry.can_undo());
        EXPECT_FALSE(k.entry.can_redo());
        EXPECT_FALSE(k.entry.composing());
        EXPECT_EQ(k.entry.undo(), -1);
        EXPECT_EQ(k.text(), k.typed);

        two_steps_one_undone();
        f.Unload();
        f.Load();
        EXPECT_FALSE(k.entry.can_undo());
        EXPECT_FALSE(k.entry.can_redo());
        EXPECT_EQ(k.entry.SelStart(), 0);
        EXPECT_EQ(k.entry.SelLength(), 0);
    }
}

// Where a composition's commit lands: over the selection that stood when
// it began, wherever the cursor went meanwhile.
TEST_F(TextOwner, ACommitLandsWhereTheCompositionBegan) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        set(k);
        k.control.SetFocus();
        k.entry.Select(1, 1);
        k.entry.compose(1, 1);
        k.entry.user_selects(0, 0);
        const std::string one(1, k.typed[0]), start(k.start);
        k.entry.commit_composition(one);
        EXPECT_EQ(k.text(), start.substr(0, 1) + one + start.substr(2));
    }
}

// The undo history keeps exactly the last 100 steps.
TEST_F(TextOwner, TheHistoryKeepsTheLastHundredSteps) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        set(k);
        k.control.SetFocus();
        const int edits = 105;
        for (int i = 1; i <= edits; ++i) {
            k.entry.user_selects(0, -1);
            k.entry.type(std::to_string(i % 10));  // each text another than the one before
        }
        int undone = 0;
        while (k.entry.undo() >= 0) ++undone;
        EXPECT_EQ(undone, 100);
        EXPECT_EQ(k.text(), std::to_string((edits - 100) % 10));
        int redone = 0;
        while (k.entry.redo() >= 0) ++redone;
        EXPECT_EQ(redone, 100);
        EXPECT_EQ(k.text(), std::to_string(edits % 10));
    }
}

// No box holds more than ui::kTextLengthLimit characters, all a line edit
// shows: a paste, a typed key and a text code gives stop there.
TEST_F(TextOwner, NoBoxHoldsMoreThanTheLengthLimit) {
    const std::string longest(ui::kTextLengthLimit, '7');
    f.Text_Other.SetFocus();
    EXPECT_EQ(f.Text_Other.paste_at(longest + "89", 0, 0), ui::kTextLengthLimit);
    EXPECT_EQ(f.Text_Other.Text(), longest);
    EXPECT_EQ(f.Text_Other.type_at('8', ui::kTextLengthLimit, 0), -1);
    EXPECT_EQ(f.Text_Other.Text(), longest);
    f.Text_Other.setText(std::string(ui::kTextLengthLimit - 1, '7') + "\xe4\xb8\xad\xe4\xb8\xad");
    EXPECT_EQ(ui::utf8_length(f.Text_Other.Text()), ui::kTextLengthLimit);
    EXPECT_EQ(f.Text_Other.Text(), std::string(ui::kTextLengthLimit - 1, '7') + "\xe4\xb8\xad");
    f.Combo_Tone.SetFocus();
    f.Combo_Tone.paste_at(longest + "7", 0, 0);
    EXPECT_EQ(f.Combo_Tone.Text(), longest);
    f.Combo_Tone.setText(longest + "7");
    EXPECT_EQ(f.Combo_Tone.Text(), longest);
}

// The box's own history brings back texts its filter would not let be
// typed (a blank frame), and a list's item text as a pick of the item.
TEST_F(TextOwner, UndoBringsBackWhatTheBoxHeld) {
    f.Text_Code.setText("     ");
    f.Text_Code.SelectAll();
    f.Text_Code.type("12");
    ASSERT_EQ(f.Text_Code.Text(), "12");
    f.Text_Code.undo();
    EXPECT_EQ(f.Text_Code.Text(), "     ");
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), "code:     ");

    f.Combo_Tone.setListIndex(1);
    clicks = 0;
    f.Combo_Tone.SelectAll();
    f.Combo_Tone.type("6");
    EXPECT_EQ(f.Combo_Tone.ListIndex(), -1);
    f.Combo_Tone.undo();
    EXPECT_EQ(f.Combo_Tone.Text(), "71.9");
    EXPECT_EQ(f.Combo_Tone.ListIndex(), 1);
    EXPECT_EQ(clicks, 1);
    f.Combo_Tone.redo();
    EXPECT_EQ(f.Combo_Tone.Text(), "6");
    // A locked box has nothing to step.
    f.Text_Code.setLocked(true);
    f.Text_Code.type("3");
    EXPECT_EQ(f.Text_Code.undo(), -1);
}

// A composition begun over the selected value changes nothing until it
// commits; cancelled, or committing what the box refuses, the text, the
// selection and the image are as they were; a commit the box takes is
// typed over the selection that stood when it began; the focus leaving
// drops it.
TEST_F(TextOwner, ACompositionChangesNothingUntilItCommits) {
    struct Step {
        const char* name;
        std::function<void(ui::TextEntry&, const Kind&)> act;
        bool typed;  // the text is then what typing `typed` over the selection makes
    };
    const Step steps[] = {
        {"cancelled", [](ui::TextEntry& e, const Kind&) { e.drop_composition(); }, false},
        {"refused commit", [](ui::TextEntry& e, const Kind& k) { e.commit_composition(k.refused); }, false},
        {"full-width mark", [](ui::TextEntry& e, const Kind&) { e.commit_composition("\xef\xbc\x9f"); }, false},
        {"focus left", [this](ui::TextEntry&, const Kind&) { f.Text_Other.SetFocus(); }, false},
        {"commit", [](ui::TextEntry& e, const Kind& k) { e.commit_composition(k.typed); }, true},
    };
    for (const Kind& k : kinds()) {
        for (const Step& s : steps) {
            SCOPED_TRACE(std::string(k.name) + ", " + s.name);
            set(k);
            k.control.SetFocus();
            k.entry.SelectAll();
            changes.clear();
            k.entry.compose(0, ui::utf8_length(k.start));
            EXPECT_TRUE(k.entry.composing());
            EXPECT_EQ(k.text(), k.start);
            EXPECT_TRUE(changes.empty());
            s.act(k.entry, k);
            EXPECT_FALSE(k.entry.composing());
            EXPECT_EQ(k.text(), s.typed ? k.typed : k.start);
            EXPECT_EQ(changes.size(), s.typed ? 1u : 0u);
            if (!s.typed && k.control.focused()) {
                EXPECT_EQ(k.entry.SelStart(), 0);
                EXPECT_EQ(k.entry.SelLength(), ui::utf8_length(k.start));
            }
        }
    }
    // An input method replacing the character before the cursor.
    f.Text_Code.setText("12A");
    f.Text_Code.SetFocus();
    EXPECT_EQ(f.Text_Code.commit_composition("B", -1, 1), 3);
    EXPECT_EQ(f.Text_Code.Text(), "12B");
}

// A paste is one edit: its keys judged one by one on the text they make,
// the text set once (one Change), one undo step; a long paste into a box
// without a limit is taken whole.
TEST_F(TextOwner, APasteIsOneEdit) {
    f.Text_Code.setText("1234");
    f.Text_Code.Select(1, 2);
    changes.clear();
    std::vector<std::string> judged;
    auto filter = std::move(f.Text_Code.KeyPress);
    f.Text_Code.KeyPress = [&](int& k) {
        judged.push_back(f.Text_Code.Text_if_typed(k));
        filter(k);
    };
    EXPECT_EQ(f.Text_Code.paste_at("5x6\n7", 1, 2), 4);
    EXPECT_EQ(f.Text_Code.Text(), "15674");
    EXPECT_EQ(judged, (std::vector<std::string>{"154", "15x4", "1564", "15674"}));
    EXPECT_EQ(changes, std::vector<std::string>{"code:15674"});
    f.Text_Code.undo();
    EXPECT_EQ(f.Text_Code.Text(), "1234");

    const std::string longest(32767, '7');
    f.Text_Other.paste_at(longest, 0, 0);
    EXPECT_EQ(f.Text_Other.Text(), longest);
}

// The box knows the text the window last showed in it as the data's:
// whether the user edited it since is asked of the box, blanks at either
// end aside. Undoing back to that text is no edit; a text code puts in
// without showing it (a paste passed along, a refused value's
// replacement) is judged as the user's.
TEST_F(TextOwner, KnowsWhatTheProgramLastShowed) {
    for (const Kind& k : kinds()) {
        SCOPED_TRACE(k.name);
        k.entry.Show_text(k.start);
        EXPECT_EQ(k.text(), k.start);
        EXPECT_EQ(k.entry.Program_text(), k.start);
        EXPECT_FALSE(k.entry.Edited());
        k.entry.SelectAll();
        k.entry.type(k.typed);
        EXPECT_TRUE(k.entry.Edited());
        k.entry.undo();
        ASSERT_EQ(k.text(), k.start);
        EXPECT_FALSE(k.entry.Edited());
        k.entry.redo();
        EXPECT_TRUE(k.entry.Edited());
        // Code setting the text does not show it.
        set(k);
        EXPECT_FALSE(k.entry.Edited());
        k.entry.Take_as_shown();
        EXPECT_EQ(k.entry.Program_text(), k.start);
        k.entry.SelectAll();
        k.entry.type(k.typed);
        k.entry.Take_as_shown();
        EXPECT_FALSE(k.entry.Edited());
        set(k);
        EXPECT_TRUE(k.entry.Edited());
        EXPECT_EQ(k.entry.Program_text(), k.typed);
    }
    // Blanks at either end are no edit.
    f.Text_Other.Show_text("145.5");
    f.Text_Other.user_selects(5, 0);
    f.Text_Other.type("  ");
    EXPECT_FALSE(f.Text_Other.Edited());
    f.Text_Other.type("0");
    EXPECT_TRUE(f.Text_Other.Edited());
}

// A list's own value, which it puts back when typing may not change it:
// the text code gave it, its last pick, or the one the window showed;
// never what was typed into it, nor what its Change does meanwhile.
TEST_F(TextOwner, AListKeepsItsOwnValue) {
    f.Combo_Tone.Change = [this] { f.Combo_Tone.Put_back(); };
    f.Combo_Tone.setText("88.5");
    EXPECT_EQ(f.Combo_Tone.Put_back_text(), "88.5");
    f.Combo_Tone.SelectAll();
    f.Combo_Tone.type("6");
    EXPECT_EQ(f.Combo_Tone.Text(), "88.5");
    f.Combo_Tone.pick(1);
    EXPECT_EQ(f.Combo_Tone.Put_back_text(), "71.9");
    f.Combo_Tone.SelectAll();
    f.Combo_Tone.type("9");
    EXPECT_EQ(f.Combo_Tone.Text(), "71.9");
    f.Combo_Tone.setListIndex(2);
    EXPECT_EQ(f.Combo_Tone.Put_back_text(), "D023N");
    f.Combo_Tone.Take_as_shown("67.0");
    EXPECT_EQ(f.Combo_Tone.Put_back_text(), "67.0");
    // Another list's value is its own.
    f.Combo_Tone.Change = nullptr;
    f.Combo_Tone.setText("88.5");
    f.Combo_Tone.SelectAll();
    f.Combo_Tone.type("1");
    EXPECT_EQ(f.Combo_Tone.Put_back_text(), "88.5");
}

// A check that refuses a text need not judge it twice: the box tells
// whether its text changed since the window showed it or judged it,
// blanks at either end aside.
TEST_F(TextOwner, KnowsWhetherTheTextChangedSinceJudged) {
    f.Text_Other.Show_text("12");
    EXPECT_FALSE(f.Text_Other.Changed_since_judged());
    f.Text_Other.SelectAll();
    f.Text_Other.type("123");
    EXPECT_TRUE(f.Text_Other.Changed_since_judged());
    f.Text_Other.Take_as_judged();
    EXPECT_FALSE(f.Text_Other.Changed_since_judged());
    EXPECT_TRUE(f.Text_Other.Edited());  // judged is not shown
    f.Text_Other.type(" ");
    EXPECT_FALSE(f.Text_Other.Changed_since_judged());
    f.Text_Other.type("4");
    EXPECT_TRUE(f.Text_Other.Changed_since_judged());
    f.Text_Other.Take_as_shown();
    EXPECT_FALSE(f.Text_Other.Changed_since_judged());
}

}  // namespace
