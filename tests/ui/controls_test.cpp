#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/sim.h"
#include "ui/text.h"

namespace {

struct TestForm : ui::Form {
    explicit TestForm(ui::Runtime& rt) : ui::Form(rt, "TestForm") {}
    ui::Timer Timer1{*this, "Timer1"};
    ui::SerialPort MSC{*this, "MSC"};
    ui::TextBox Text1{*this, "Text1"};
    ui::ComboBox Combo1{*this, "Combo1"};
    ui::CommandButton Command1{*this, "Command1"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::OptionButton OptA{*this, "OptA"}, OptB{*this, "OptB"}, OptC{*this, "OptC"};
    int loads = 0, unloads = 0, cancel = 0, activates = 0;
    int kept = 0;  // a value the window keeps across loads
    bool show_in_load = false;
    void Build() override { OptC.setContainer(&Frame1); }
    void Form_Load() override {
        ++loads;
        if (show_in_load) Show();
    }
    void Form_Activate() override { ++activates; }
    void Form_Unload(int& Cancel) override {
        ++unloads;
        Cancel = cancel;
    }
};

struct UiTest : ::testing::Test {
    ui::SimRuntime rt;
    TestForm f{rt};
};

// The restart rule: a new interval restarts the count, the same interval or
// enabling a running timer leaves it running.
TEST_F(UiTest, TimerRestartRule) {
    f.Load();
    std::vector<double> ticks;
    f.Timer1.OnTimer = [&] { ticks.push_back(rt.sim.now_ms()); };
    f.Timer1.setInterval(100);  // enabled by default: counts from 0
    rt.sim.run_for(60);
    f.Timer1.setInterval(100);  // same interval: still due at 100
    f.Timer1.setEnabled(true);  // already running: still due at 100
    rt.sim.run_for(60);         // t = 120
    ASSERT_EQ(ticks, std::vector<double>{100});
    f.Timer1.setInterval(50);  // new interval at 120: next at 170
    rt.sim.run_for(60);        // t = 180
    EXPECT_EQ(ticks, (std::vector<double>{100, 170}));
    f.Timer1.setEnabled(false);
    rt.sim.run_for(200);  // t = 380
    f.Timer1.setEnabled(true);  // a new count from 380
    rt.sim.run_for(60);
    EXPECT_EQ(ticks, (std::vector<double>{100, 170, 430}));
    f.Timer1.setInterval(0);  // interval 0 never ticks
    rt.sim.run_for(500);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST_F(UiTest, LoadUnloadAndReload) {
    f.Load();
    f.Load();  // loaded already: nothing happens
    EXPECT_EQ(f.loads, 1);
    f.Text1.setText("typed");
    f.Combo1.AddItem("a");
    f.kept = 7;
    f.Timer1.setInterval(10);
    int ticks = 0;
    f.Timer1.OnTimer = [&] { ++ticks; };
    rt.ports.add_quiet_port(3);
    f.MSC.setCommPort(3);
    ASSERT_TRUE(f.MSC.setPortOpen(true));

    f.cancel = 1;
    EXPECT_FALSE(f.Unload());  // refused
    EXPECT_TRUE(f.Loaded());
    EXPECT_TRUE(f.Unload(true));  // forced: the program is ending
    EXPECT_FALSE(f.Loaded());
    EXPECT_FALSE(f.MSC.PortOpen());
    rt.sim.run_for(100);
    EXPECT_EQ(ticks, 0);  // no tick reaches an unloaded window
    EXPECT_EQ(rt.sim.active_timers(), 0);

    f.cancel = 0;
    f.Load();  // controls anew, the window's own values kept
    EXPECT_EQ(f.Text1.Text(), "");
    EXPECT_EQ(f.Combo1.ListCount(), 0);
    EXPECT_EQ(f.Timer1.Interval(), 0);
    EXPECT_EQ(f.kept, 7);
    EXPECT_EQ(f.loads, 2);
    EXPECT_EQ(rt.forms.events,
              (std::vector<std::string>{"shown TestForm", "unloaded TestForm", "shown TestForm"}));
}

TEST_F(UiTest, SerialPortDeliversByteByByteAndMayCloseInHandler) {
    f.Load();
    ui::QuietDevice* dev = nullptr;
    rt.ports.add_port(2, [&] {
        auto d = std::make_unique<ui::QuietDevice>();
        dev = d.get();
        return d;
    });
    f.MSC.setCommPort(5);
    EXPECT_FALSE(f.MSC.setPortOpen(true));  // nothing on COM5
    f.MSC.setCommPort(2);
    f.MSC.setInputLen(1);
    ASSERT_TRUE(f.MSC.setPortOpen(true));
    std::vector<int> seen, looked;
    f.MSC.OnComm = [&] {
        seen.push_back(f.MSC.InBufferCount());
        // A look at the waiting bytes takes none of them; past the last one
        // it finds 0.
        looked.push_back(f.MSC.InBufferByte(f.MSC.InBufferCount() - 1));
        looked.push_back(f.MSC.InBufferByte(f.MSC.InBufferCount()));
        if (seen.size() == 2) f.MSC.setPortOpen(false);
    };
    f.MSC.Output({1, 2, 3});
    EXPECT_EQ(dev->written, (std::vector<uint8_t>{1, 2, 3}));
    auto on_byte = dev->on_byte;
    on_byte(0x10);
    on_byte(0x11);
    EXPECT_TRUE(dev->closed);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(looked, (std::vector<int>{0x10, 0, 0x11, 0}));
    rt.sim.run_pending();  // the closed device is destroyed after the handler
}

TEST_F(UiTest, TextAndListControls) {
    f.Load();
    int changes = 0;
    f.Text1.Change = [&] { ++changes; };
    f.Text1.KeyPress = [](int& k) {
        if (k == 'x') k = 0;                      // refused
        if (k >= 'a' && k <= 'z') k = k - 32;  // upper-cased
    };
    f.Text1.setMaxLength(4);
    f.Text1.type("axbcde");
    EXPECT_EQ(f.Text1.Text(), "ABCD");
    EXPECT_EQ(changes, 4);
    f.Text1.setText("ABCD");  // no change, no event
    EXPECT_EQ(changes, 4);
    f.Text1.type("\b");
    EXPECT_EQ(f.Text1.Text(), "ABC");
}

TEST_F(UiTest, OptionButtonsInTheirContainer) {
    f.Load();
    f.OptA.setValue(true);
    f.OptC.setValue(true);  // another container: A stays
    f.OptB.click();
    EXPECT_FALSE(f.OptA.Value());
    EXPECT_TRUE(f.OptB.Value());
    EXPECT_TRUE(f.OptC.Value());
    f.Frame1.setEnabled(false);
    f.OptC.click();  // unreachable inside a disabled frame
    EXPECT_TRUE(f.OptC.Value());
}

// A combo's position change raises Click only; Change is the text part's.
TEST_F(UiTest, ComboClickIsThePositionChangeIsTheText) {
    f.Load();
    std::string events;
    f.Combo1.Click = [&] { events += "C" + std::to_string(f.Combo1.ListIndex()) + " "; };
    f.Combo1.Change = [&] { events += "T" + f.Combo1.Text() + " "; };
    f.Combo1.AddItem("one");
    f.Combo1.AddItem("two");
    struct Step {
        std::function<void()> act;
        std::string events, text;
        int index;
    };
    const Step steps[] = {
        {[&] { f.Combo1.setListIndex(1); }, "C1 ", "two", 1},  // code moves it: Click, text follows
        {[&] { f.Combo1.setListIndex(1); }, "", "two", 1},      // same position: nothing
        {[&] { f.Combo1.setListIndex(5); }, "", "two", 1},      // outside the list: ignored
        {[&] { f.Combo1.pick(0); }, "C0 ", "one", 0},           // a pick: Click only
        {[&] { f.Combo1.setText("two"); }, "Ttwo ", "two", 1},  // an item's text selects, no Click
        {[&] { f.Combo1.setText("free"); }, "Tfree ", "free", -1},
        {[&] { f.Combo1.type("\b"); }, "Tfre ", "fre", -1},
        {[&] { f.Combo1.type("\r\x01"); }, "", "fre", -1},   // control characters add nothing
        {[&] { f.Combo1.enter("one"); }, "T To Ton Tone ", "one", 0},
    };
    for (const Step& s : steps) {
        events.clear();
        s.act();
        EXPECT_EQ(events, s.events);
        EXPECT_EQ(f.Combo1.Text(), s.text);
        EXPECT_EQ(f.Combo1.ListIndex(), s.index);
    }
    f.Combo1.setStyle(2);  // a drop-down list takes only its items
    f.Combo1.setText("other");
    EXPECT_EQ(f.Combo1.Text(), "one");
}

// Every typed key reaches KeyPress first; Backspace deletes, Enter and other
// control characters add nothing; Delete edits without KeyPress; Enter and
// Escape go to the Default and Cancel buttons when the form has them.
TEST_F(UiTest, TypingRules) {
    f.Load();
    std::vector<int> keys;
    f.Text1.KeyPress = [&](int& k) {
        keys.push_back(k);
        if (k == '!') k = 0;
    };
    f.Text1.type("ab!\r\b\x1b");
    EXPECT_EQ(keys, (std::vector<int>{'a', 'b', '!', 13, 8, 27}));
    EXPECT_EQ(f.Text1.Text(), "a");
    f.Text1.setText("héllo");
    keys.clear();
    EXPECT_EQ(f.Text1.type_at('X', 1, 2), 2);  // over a selection, counted in characters
    EXPECT_EQ(f.Text1.Text(), "hXlo");
    EXPECT_EQ(f.Text1.type_at(8, 0, 0), -1);   // Backspace at the start: nothing
    EXPECT_EQ(f.Text1.delete_at(0, 0), 0);     // Delete: no KeyPress
    EXPECT_EQ(f.Text1.delete_at(3, 0), -1);    // after the last character: nothing
    EXPECT_EQ(f.Text1.Text(), "Xlo");
    EXPECT_EQ(keys, (std::vector<int>{'X', 8}));
    f.Text1.KeyPress = [&](int& k) { k = 0; };  // a handler cancelling Backspace keeps the text
    f.Text1.type("\b");
    EXPECT_EQ(f.Text1.Text(), "Xlo");

    int clicks = 0;
    f.Command1.Click = [&] { ++clicks; };
    f.Command1.setDefault(true);
    keys.clear();
    f.Text1.KeyPress = [&](int& k) { keys.push_back(k); };
    f.Text1.type("\r\x1b");  // Enter clicks the Default button; no Cancel button
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(keys, std::vector<int>{27});
    EXPECT_TRUE(f.Text1.focused());  // the focus stays in the box
}

// A filter judges the text a key makes (the selection replaced), so typing
// over a selection works in a box whose old text the filter would refuse to
// grow; a refused key leaves the text and the selection as they were. The
// selection that code makes is where type() types.
TEST_F(UiTest, KeysAreJudgedOnTheTextTheyMakeOverTheSelection) {
    f.Load();
    std::vector<std::string> judged;
    f.Text1.KeyPress = [&](int& k) {
        const std::string after = f.Text1.Text_if_typed(k);
        judged.push_back(after);
        if (ui::utf8_length(after) > 6) k = 0;  // a six-character box
    };
    f.Text1.setText("580317");
    EXPECT_EQ(f.Text1.SelStart(), 6);  // code's text: the cursor at its end
    f.Text1.type("9");
    EXPECT_EQ(f.Text1.Text(), "580317");
    EXPECT_EQ(f.Text1.SelStart(), 6);
    f.Text1.Select(1, 3);
    f.Text1.type("x");
    EXPECT_EQ(f.Text1.Text(), "5x17");
    ASSERT_FALSE(judged.empty());
    EXPECT_EQ(judged.back(), "5x17");
    EXPECT_EQ(f.Text1.SelStart(), 2);
    EXPECT_EQ(f.Text1.SelLength(), 0);
    f.Text1.setText("580317");
    f.Text1.SelectAll();
    f.Text1.type("402793");
    EXPECT_EQ(f.Text1.Text(), "402793");
    // Refused: the selection stays for the next key.
    f.Text1.KeyPress = [&](int& k) {
        if (k == '!') k = 0;
    };
    f.Text1.SelectAll();
    f.Text1.type("!");
    EXPECT_EQ(f.Text1.Text(), "402793");
    EXPECT_EQ(f.Text1.SelStart(), 0);
    EXPECT_EQ(f.Text1.SelLength(), 6);
    f.Text1.type("7");
    EXPECT_EQ(f.Text1.Text(), "7");
}

// A list without a text part takes a typed character only when its
// KeyPress lets it through, as a search for the next item beginning with it.
TEST_F(UiTest, TypedKeysOverADropDownListSearchOnlyWhenItsFilterTakesThem) {
    f.Load();
    ui::ComboBox& c = f.Combo1;
    c.setStyle(2);
    for (const char* item : {"100", "200", "250", "6000"}) c.AddItem(item);
    c.setListIndex(3);
    int clicks = 0;
    c.Click = [&] { ++clicks; };
    EXPECT_TRUE(c.search_key('2'));
    EXPECT_EQ(c.ListIndex(), 1);
    EXPECT_TRUE(c.search_key('2'));
    EXPECT_EQ(c.ListIndex(), 2);  // the next one beginning with it
    EXPECT_FALSE(c.search_key('9'));
    EXPECT_EQ(clicks, 2);
    c.KeyPress = [](int& k) { k = 0; };  // a pick-only list
    EXPECT_FALSE(c.search_key('1'));
    EXPECT_EQ(c.ListIndex(), 2);
    EXPECT_EQ(clicks, 2);
}

// A paste is typed key by key through KeyPress and the limits (line ends
// add nothing), so a filtered box shows only what its filter takes; a list
// takes a paste naming an item as a pick of it. Delete and Cut take from a
// list only characters its filter would let be typed, and never leave it
// blank over a selected item.
TEST_F(UiTest, PastesAndCutsAreJudgedAsKeysWouldBe) {
    f.Load();
    std::vector<int> keys;
    f.Text1.KeyPress = [&](int& k) {
        keys.push_back(k);
        if (k < '0' || k > '9') k = 0;
    };
    f.Text1.setMaxLength(4);
    struct TextCase {
        int start, len;
        const char* pasted;
        const char* text;
        int cursor;
    };
    const TextCase texts[] = {
        {0, 0, "1a2\n3", "123", 3},      // filtered; the line end types nothing
        {3, 0, "4567", "1234", 4},       // the limit stops it
        {0, 4, "xy", "1234", -1},        // nothing taken: the selection stays
        {1, 2, "9", "194", 2},           // over a selection
    };
    for (const TextCase& c : texts) {
        EXPECT_EQ(f.Text1.paste_at(c.pasted, c.start, c.len), c.cursor) << c.pasted;
        EXPECT_EQ(f.Text1.Text(), c.text) << c.pasted;
    }
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.front(), '1');
    EXPECT_EQ(f.Text1.cut_at(0, 2), 0);  // a text box: Cut is Delete, no KeyPress
    EXPECT_EQ(f.Text1.Text(), "4");

    // A pick-only list (its filter lets nothing through).
    std::string events;
    f.Combo1.AddItem("one");
    f.Combo1.AddItem("two");
    f.Combo1.KeyPress = [](int& k) { k = 0; };
    f.Combo1.Click = [&] { events += "C" + std::to_string(f.Combo1.ListIndex()) + " "; };
    f.Combo1.Change = [&] { events += "T" + f.Combo1.Text() + " "; };
    f.Combo1.setListIndex(0);
    struct ListCase {
        std::function<int()> act;
        const char* events;
        const char* text;
        int index;
    };
    const ListCase lists[] = {
        {[&] { return f.Combo1.paste_at("two", 0, 3); }, "C1 ", "two", 1},  // names an item: a pick
        {[&] { return f.Combo1.paste_at("tw", 0, 3); }, "", "two", 1},      // typed: refused
        {[&] { return f.Combo1.delete_at(0, 3); }, "", "two", 1},           // emptied: the item stays
        {[&] { return f.Combo1.cut_at(0, 3); }, "", "two", 1},
        {[&] { return f.Combo1.delete_at(1, 0); }, "", "two", 1},           // part of the item: stays
    };
    for (const ListCase& c : lists) {
        events.clear();
        c.act();
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(f.Combo1.Text(), c.text);
        EXPECT_EQ(f.Combo1.ListIndex(), c.index);
    }
    // A list that takes typed digits: Delete edits what was typed; emptied,
    // it shows the selected item again; with none selected it empties.
    f.Combo1.AddItem("12");
    f.Combo1.KeyPress = [](int& k) {
        if (k < '0' || k > '9') k = 0;
    };
    f.Combo1.setText("12");
    f.Combo1.type("3");
    EXPECT_EQ(f.Combo1.Text(), "123");
    EXPECT_EQ(f.Combo1.delete_at(2, 1), 2);
    EXPECT_EQ(f.Combo1.Text(), "12");
    EXPECT_EQ(f.Combo1.ListIndex(), 2);
    EXPECT_EQ(f.Combo1.delete_at(0, 2), -1);
    EXPECT_EQ(f.Combo1.Text(), "12");
    f.Combo1.setText("7");
    EXPECT_EQ(f.Combo1.delete_at(0, 1), 0);
    EXPECT_EQ(f.Combo1.Text(), "");
    f.Combo1.setLocked(true);  // a locked list takes no pick by paste
    EXPECT_EQ(f.Combo1.paste_at("one", 0, 0), -1);
    EXPECT_EQ(f.Combo1.ListIndex(), -1);
}

// One focused control per form: moving it raises LostFocus on the old one
// before GotFocus on the new; a click on a button moves it before Click; a
// message box leaves it alone.
TEST_F(UiTest, FocusMovesBetweenControls) {
    f.Load();
    std::string log;
    f.Text1.GotFocus = [&] { log += "+T "; };
    f.Text1.LostFocus = [&] { log += "-T "; };
    f.Combo1.GotFocus = [&] { log += "+C "; };
    f.Combo1.LostFocus = [&] { log += "-C "; };
    f.Command1.GotFocus = [&] { log += "+B "; };
    f.Command1.Click = [&] { log += "click "; };
    f.Text1.type("x");
    f.Text1.SetFocus();  // has it already
    f.Combo1.SetFocus();
    f.MsgBox("note");
    f.Command1.click();
    EXPECT_EQ(log, "+T -T +C -C +B click ");
    EXPECT_EQ(f.ActiveControl(), &f.Command1);
    EXPECT_FALSE(f.Text1.focused());

    // A LostFocus handler that takes the focus back keeps it.
    log.clear();
    f.Text1.SetFocus();
    f.Text1.LostFocus = [&] {
        log += "-T ";
        f.Text1.SetFocus();
    };
    f.Combo1.SetFocus();
    EXPECT_EQ(log, "+T -T +T ");
    EXPECT_EQ(f.ActiveControl(), &f.Text1);
    f.Text1.setVisible(false);  // an unreachable control cannot take it
    f.Combo1.LostFocus = nullptr;
    f.Command1.SetFocus();
    f.Text1.LostFocus = nullptr;
    f.Text1.SetFocus();
    EXPECT_EQ(f.ActiveControl(), &f.Command1);
    f.Unload();
    f.Load();  // a new load: no control has it
    EXPECT_EQ(f.ActiveControl(), nullptr);
}

// Activate: once after the load handler returns, when a user activates a
// window not in front, when the window in front unloads; never when a
// message box closes or for a window in front already.
TEST_F(UiTest, ActivateOncePerComingToTheFront) {
    TestForm g{rt};
    f.show_in_load = true;  // a Show inside Form_Load raises none of its own
    f.Load();
    EXPECT_EQ(f.activates, 1);
    g.Load();
    EXPECT_EQ(g.activates, 1);
    EXPECT_EQ(f.Front(), &g);
    f.MsgBox("note");
    g.Activate();  // in front already
    g.Show();
    EXPECT_EQ(g.activates, 1);
    f.Activate();  // the user activates f
    EXPECT_EQ(f.activates, 2);
    f.Unload();  // g comes to the front
    EXPECT_EQ(g.activates, 2);
    f.Load();
    EXPECT_EQ(f.activates, 3);
    g.Unload(true, ui::vbFormMDIForm);  // at program end nothing is activated
    f.Unload(true, ui::vbFormMDIForm);
    EXPECT_EQ(f.activates, 3);
    EXPECT_EQ(f.Front(), nullptr);
}

// A modal box held open in virtual time lets timer ticks run meanwhile.
TEST_F(UiTest, ModalBoxKeepsEventsFlowing) {
    f.Load();
    int ticks = 0;
    f.Timer1.OnTimer = [&] { ++ticks; };
    f.Timer1.setInterval(100);
    rt.recorder.hold_ms = 1000;
    f.MsgBox("hello", ui::vbExclamation, "Operate Prompt");
    EXPECT_EQ(ticks, 10);
    ASSERT_EQ(rt.recorder.shown.size(), 1u);
    EXPECT_EQ(rt.recorder.shown[0].title, "Operate Prompt");
}

}  // namespace
