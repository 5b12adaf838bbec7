// Ending the program in the middle of an exchange: every window goes, with
// its timers stopped and its port closed, and nothing fires afterwards. A
// commit whose message box is still open when the program ends stores
// nothing once the box returns.
#include <functional>

#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/options/frm_option.h"
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

// The program ends (here its Exit key, as the application's quit would)
// while a commit's message stands: its window is gone when the box
// returns, so the judged value is not stored.
TEST(EndProgram, ACommitWhoseBoxOutlivesItsWindowStoresNothing) {
    struct Case {
        const char* name;
        std::function<void(editortest::EditorProgram&)> commit;  // typed and left: the message shows
        int rec;                                                 // the record it would store into
    };
    const Case cases[] = {
        {"channel receive frequency out of range",
         [](editortest::EditorProgram& p) {
             bx::App::Open(p.ch());
             p.type_at(10, bx::kColRxFreq, "600", 12, 0);
         },
         9},
        {"options VFO A out of range",
         [](editortest::EditorProgram& p) {
             auto& o = *p.app.Editor<bx::EditorId::frm_option>();
             bx::App::Open(o);
             o.Text_Freq_a.focus();
             o.Text_Freq_a.enter("100");
             o.Text_Freq_b.focus();
         },
         240},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        editortest::EditorProgram p;
        p.start_identified();
        const bx::MemImage before = p.app.Mem_image;
        p.rt.recorder.clear();
        bool ended = false;
        p.rt.recorder.on_show = [&](const ui::MsgRecord&) {
            if (ended) return;
            ended = true;
            p.main().Toolbar1.click("exit");
        };
        c.commit(p);
        p.rt.recorder.on_show = nullptr;
        ASSERT_TRUE(ended);
        EXPECT_TRUE(p.app.Ended());
        EXPECT_EQ(p.rt.recorder.shown.size(), 1u);
        for (int b = 0; b < 16; ++b) EXPECT_EQ(p.app.Mem_image(c.rec, b), before(c.rec, b)) << b;
        EXPECT_TRUE(p.app.Mem_image == before);
    }
}

}  // namespace
