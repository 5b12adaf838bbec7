// Ending the program in the middle of an exchange: every window goes, with
// its timers stopped and its port closed, and nothing fires afterwards.
#include "link/link_support.h"

namespace {

TEST(EndProgram, MidReadStopsEveryTimerAndClosesEveryPort) {
    linktest::RadioProgram p;
    p.start_identified();
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    p.rt.sim.run_for(1500);  // some blocks in
    ASSERT_TRUE(p.rd().Link.st.Busy());
    ASSERT_TRUE(p.rd().MSC.PortOpen());

    p.main().Toolbar1.click("exit");
    EXPECT_TRUE(p.app.Ended());
    for (ui::Form* f : p.app.forms()) EXPECT_FALSE(f->Loaded()) << f->name();
    EXPECT_FALSE(p.rd().MSC.PortOpen());
    EXPECT_EQ(p.rt.sim.active_timers(), 0);
    const auto shown = p.rt.recorder.shown.size();
    p.rt.sim.run_for(10000);
    EXPECT_EQ(p.rt.recorder.shown.size(), shown);  // no late time-out message
}

}  // namespace
