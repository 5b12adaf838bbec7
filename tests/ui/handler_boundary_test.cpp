// The loop's handler boundary: an exception escaping a handler ends only
// that handler, shows one error box naming what failed, and the loop runs on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/controls.h"
#include "ui/sim.h"

namespace {

struct TwoTimers : ui::Form {
    explicit TwoTimers(ui::Runtime& rt) : ui::Form(rt, "TwoTimers") {}
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    void Build() override {
        Timer1.setInterval(100);
        Timer1.setEnabled(true);
        Timer2.setInterval(30);
        Timer2.setEnabled(true);
    }
};

}  // namespace

TEST(HandlerBoundary, AThrowingHandlerShowsOneBoxAndTheLoopRunsOn) {
    for (bool chinese : {false, true}) {
        ui::SimRuntime rt;
        rt.chinese = [chinese] { return chinese; };
        TwoTimers f(rt);
        int first = 0, second = 0;
        f.Timer1.OnTimer = [&] {
            if (++first == 1) throw std::out_of_range("channel index 300 outside 0..255");
        };
        f.Timer2.OnTimer = [&] { ++second; };
        f.Load();
        rt.sim.run_for(1000);

        ASSERT_EQ(rt.recorder.shown.size(), 1u);
        const ui::MsgRecord& box = rt.recorder.shown[0];
        EXPECT_NE(box.text.find("channel index 300 outside 0..255"), std::string::npos) << box.text;
        EXPECT_EQ(box.style, ui::vbCritical);
        EXPECT_EQ(box.title, chinese ? "错误" : "Error");
        EXPECT_DOUBLE_EQ(box.at_ms, 100);
        // Both timers kept ticking after the failure.
        EXPECT_EQ(first, 10);
        EXPECT_EQ(second, 33);
    }
}
