// What a key or a double-click does over a text box or a list, as the
// controls decide it (a screen only hands them over): the keys over a
// closed list laid on a grid cell, the double-click that keeps a cell's
// text selected, Ctrl+Y as Redo, and Space over a list.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "ui/all.h"
#include "ui/sim.h"

namespace {

using K = ui::Keystroke;
using N = K::Name;
using Use = ui::KeyUse;

// A key as a screen hands it over: its name, the characters it types, and
// its modifiers ("S" Shift, "C" Ctrl, "A" Alt, "M" Meta).
K stroke(N name, std::string text = {}, const std::string& mods = "") {
    K k;
    k.name = name;
    k.text = std::move(text);
    k.shift = mods.find('S') != std::string::npos;
    k.ctrl = mods.find('C') != std::string::npos;
    k.alt = mods.find('A') != std::string::npos;
    k.meta = mods.find('M') != std::string::npos;
    return k;
}
K letter(char l, std::string text, const std::string& mods) {
    K k = stroke(N::Other, std::move(text), mods);
    k.letter = l;
    return k;
}
K command(K::Command c) {
    K k;
    k.command = c;
    return k;
}

struct KeysForm : ui::Form {
    explicit KeysForm(ui::Runtime& rt) : ui::Form(rt, "KeysForm") {}
    ui::Grid G{*this, "G"};
    ui::TextBox Text1{*this, "Text1"};
    ui::ComboBox Combo1{*this, "Combo1"};  // with a text part
    ui::ComboBox List1{*this, "List1"};    // without
    ui::ComboBox List2{*this, "List2"};    // without, on no cell
    ui::CellOverlay TextOver{*this, "TextOver", G, Text1};
    ui::CellOverlay ComboOver{*this, "ComboOver", G, Combo1};
    ui::CellOverlay ListOver{*this, "ListOver", G, List1};

protected:
    void Build() override {
        G.Move(300, 450, 2685, 1230);
        G.setRows(10);
        G.setCols(4);
        for (ui::ComboBox* c : {&Combo1, &List1, &List2}) {
            c->Move(0, 0, 900, 315);
            for (const char* item : {"HIGH", "LOW", "MID"}) c->AddItem(item);
        }
        List1.setStyle(2);
        List2.setStyle(2);
        Text1.setVisible(false);
        Combo1.setVisible(false);
        List1.setVisible(false);
    }
};

struct KeysTest : ::testing::Test {
    ui::SimRuntime rt;
    std::unique_ptr<KeysForm> f = std::make_unique<KeysForm>(rt);
    KeysTest() { f->Load(); }
};

// What a key over a list does, as a screen carries it out: offered first
// (the grid's keys over a cell editor), then the list's own use.
std::string outcome(ui::ComboBox& list, const K& k) {
    if (list.offer_key(k)) return "grid";
    switch (list.key_use(k)) {
    case Use::Widget: return "widget";
    case Use::Idle: return "idle";
    case Use::Control: return "control";
    }
    return "?";
}

// Over a closed list laid on a grid cell, Up, Down, PageUp and PageDown
// are the grid's (they leave the cell); an arrow with a modifier (Alt+Down
// aside, which opens the list) does nothing, as do Left, Right, Home and
// End over a list without a text part; in a text part they move the
// cursor. A list on no cell keeps the usual keys.
TEST_F(KeysTest, TheGridsKeysOverAClosedCellListPickNothing) {
    struct Case {
        K key;
        const char* text_part;  // over a cell, with a text part
        const char* list;       // over a cell, without
        const char* elsewhere;  // on no cell, without
    };
    const Case cases[] = {
        {stroke(N::Up), "grid", "grid", "widget"},
        {stroke(N::Down), "grid", "grid", "widget"},
        {stroke(N::PageDown), "grid", "grid", "widget"},
        {stroke(N::PageUp, "", "S"), "grid", "grid", "widget"},
        {stroke(N::Up, "", "S"), "idle", "idle", "widget"},
        {stroke(N::Down, "", "C"), "idle", "idle", "widget"},
        {stroke(N::Down, "", "M"), "idle", "idle", "widget"},
        {stroke(N::Up, "", "A"), "idle", "idle", "widget"},
        {stroke(N::Down, "", "AS"), "idle", "idle", "widget"},
        {stroke(N::Down, "", "A"), "widget", "widget", "widget"},
        {stroke(N::Other), "widget", "widget", "widget"},  // F4: opens the list
        {stroke(N::Left), "widget", "idle", "widget"},
        {stroke(N::Right), "widget", "idle", "widget"},
        {stroke(N::Home), "widget", "idle", "widget"},
        {stroke(N::End), "widget", "idle", "widget"},
        {stroke(N::Home, "", "S"), "widget", "idle", "widget"},
        {stroke(N::Other, "l"), "control", "control", "control"},
    };
    ui::Grid& g = f->G;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        for (auto [over, list, want] : {std::tuple{&f->ComboOver, &f->Combo1, c.text_part},
                                        std::tuple{&f->ListOver, &f->List1, c.list},
                                        std::tuple{static_cast<ui::CellOverlay*>(nullptr), &f->List2, c.elsewhere}}) {
            SCOPED_TRACE(list->name());
            g.setRow(3);
            g.setCol(2);
            list->setListIndex(0);
            if (over) over->place();
            EXPECT_EQ(outcome(*list, c.key), want);
            if (std::string(want) == "grid") {
                EXPECT_NE(g.Row(), 3);
            }
            if (std::string(want) != "control") {
                EXPECT_EQ(list->ListIndex(), 0);
            }
        }
    }
}

// The double-click whose first click opened a cell's editor keeps its
// whole text selected, whether the first click's press reached the editor
// or not; a double-click after another click or a key, or over a text no
// code selected, is the widget's (it selects a word).
TEST(Keys, TheDoubleClickThatOpenedACellKeepsItsTextSelected) {
    struct Case {
        const char* name;
        bool placed;                                  // the editor opened over its cell
        std::function<void(ui::TextBox&)> then;        // before the double-click
        bool keeps;
    };
    const Case cases[] = {
        {"opened, then the double-click", true, [](ui::TextBox&) {}, true},
        {"opened, its press, the double-click", true, [](ui::TextBox& t) { t.mouse_press(); }, true},
        {"opened, a click, a double-click", true,
         [](ui::TextBox& t) {
             t.mouse_press();
             t.mouse_press();
         },
         false},
        {"opened, a key, the double-click", true, [](ui::TextBox& t) { t.key_use(stroke(N::Right)); }, false},
        {"opened, a double-click, another", true, [](ui::TextBox& t) { t.double_click(); }, false},
        {"a text set by code, never selected", false, [](ui::TextBox& t) { t.mouse_press(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::SimRuntime rt;
        KeysForm f(rt);
        f.Load();
        f.Text1.setText("155.02500");
        if (c.placed) f.TextOver.place();
        c.then(f.Text1);
        f.Text1.user_selects(3, 0);  // where the widget put the cursor
        EXPECT_EQ(f.Text1.double_click(), c.keeps);
        EXPECT_EQ(f.Text1.SelStart(), c.keeps ? 0 : 3);
        EXPECT_EQ(f.Text1.SelLength(), c.keeps ? 9 : 0);
    }
}

// Ctrl+Y redoes on every desktop, as the desktop's own Redo key does; held
// with another modifier it is no Redo. In a locked box Undo and Redo are
// taken and do nothing.
TEST_F(KeysTest, CtrlYIsRedo) {
    struct Case {
        const char* name;
        K key;
        bool locked;
        Use use;
        const char* after;  // the text once the control did its part
    };
    const Case cases[] = {
        {"Ctrl+Y", letter('Y', "\x19", "C"), false, Use::Control, "ab"},
        {"the desktop's Redo", command(K::Command::Redo), false, Use::Control, "ab"},
        {"the desktop's Undo", command(K::Command::Undo), false, Use::Control, ""},
        {"Ctrl+Shift+Y", letter('Y', "\x19", "CS"), false, Use::Widget, "a"},
        {"Ctrl+Alt+Y", letter('Y', "\x19", "CA"), false, Use::Widget, "a"},
        {"Y", letter('Y', "y", ""), false, Use::Control, "ay"},
        {"Ctrl+Y, locked", letter('Y', "\x19", "C"), true, Use::Idle, "a"},
        {"the desktop's Redo, locked", command(K::Command::Redo), true, Use::Idle, "a"},
    };
    ui::TextBox& t = f->Text1;
    t.setVisible(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.setLocked(false);
        t.setText("");
        t.type("a");
        t.paste_at("b", 1, 0);   // a step of its own
        ASSERT_GE(t.undo(), 0);  // "a": "ab" to redo, "" to undo
        ASSERT_EQ(t.Text(), "a");
        t.setLocked(c.locked);
        const Use use = t.key_use(c.key);
        EXPECT_EQ(use, c.use);
        if (use == Use::Control) t.press(c.key, t.SelStart(), t.SelLength());
        EXPECT_EQ(t.Text(), c.after);
    }
}

// Over a drop-down list a typed character picks the next item that begins
// with it; Space (which opens the list), a control character, or a key
// held with Ctrl, Alt or Meta is the widget's. In a list's text part Space
// is typed.
TEST_F(KeysTest, SpaceOverAListIsTheListsOwn) {
    struct Case {
        ui::ComboBox KeysForm::*list;
        K key;
        Use use;
        int index;         // the list's position afterwards (from HIGH)
        const char* text;  // and its text
    };
    const Case cases[] = {
        {&KeysForm::List2, stroke(N::Other, " "), Use::Widget, 0, "HIGH"},
        {&KeysForm::List1, stroke(N::Other, " "), Use::Widget, 0, "HIGH"},  // over a cell too
        {&KeysForm::List2, stroke(N::Other, "l"), Use::Control, 1, "LOW"},
        {&KeysForm::List2, stroke(N::Other, "M", "S"), Use::Control, 2, "MID"},
        {&KeysForm::List2, stroke(N::Other, "l "), Use::Widget, 0, "HIGH"},
        {&KeysForm::List2, stroke(N::Other, "\t"), Use::Widget, 0, "HIGH"},
        {&KeysForm::List2, stroke(N::Other, "l", "A"), Use::Widget, 0, "HIGH"},
        {&KeysForm::List2, letter('L', "\x0c", "C"), Use::Widget, 0, "HIGH"},
        {&KeysForm::List2, stroke(N::Other), Use::Widget, 0, "HIGH"},
        {&KeysForm::Combo1, stroke(N::Other, " "), Use::Control, -1, "HIGH "},
    };
    f->G.setRow(3);
    f->G.setCol(2);
    f->ListOver.place();
    for (const Case& c : cases) {
        ui::ComboBox& list = (*f).*c.list;
        SCOPED_TRACE(testing::Message() << list.name() << " case " << (&c - cases));
        list.setVisible(true);
        list.setListIndex(0);
        list.Select(4, 0);
        const Use use = list.key_use(c.key);
        EXPECT_EQ(use, c.use);
        if (use == Use::Control) list.press(c.key, list.SelStart(), list.SelLength());
        EXPECT_EQ(list.ListIndex(), c.index);
        EXPECT_EQ(list.Text(), c.text);
    }
}

}  // namespace
