#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/sim.h"

namespace {

struct TestForm : ui::Form {
    explicit TestForm(ui::Runtime& rt) : ui::Form(rt, "TestForm") {}
    ui::Timer Timer1{*this, "Timer1"};
    ui::SerialPort MSC{*this, "MSC"};
    ui::TextBox Text1{*this, "Text1"};
    ui::ComboBox Combo1{*this, "Combo1"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::OptionButton OptA{*this, "OptA"}, OptB{*this, "OptB"}, OptC{*this, "OptC"};
    int loads = 0, unloads = 0, cancel = 0;
    int kept = 0;  // a value the window keeps across loads
    void Build() override { OptC.setContainer(&Frame1); }
    void Form_Load() override { ++loads; }
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
    std::vector<int> seen;
    f.MSC.OnComm = [&] {
        seen.push_back(f.MSC.InBufferCount());
        if (seen.size() == 2) f.MSC.setPortOpen(false);
    };
    f.MSC.Output({1, 2, 3});
    EXPECT_EQ(dev->written, (std::vector<uint8_t>{1, 2, 3}));
    auto on_byte = dev->on_byte;
    on_byte(0x10);
    on_byte(0x11);
    EXPECT_TRUE(dev->closed);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
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

    int clicks = 0;
    f.Combo1.Click = [&] { ++clicks; };
    f.Combo1.AddItem("one");
    f.Combo1.AddItem("two");
    f.Combo1.setListIndex(1);
    f.Combo1.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.Combo1.Text(), "two");
    f.Combo1.setListIndex(5);  // outside the list: ignored
    EXPECT_EQ(f.Combo1.ListIndex(), 1);
    f.Combo1.setText("free text");  // an editable combo keeps any text
    EXPECT_EQ(f.Combo1.ListIndex(), -1);

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
