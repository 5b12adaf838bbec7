// The alignment editor of the real program, offscreen, against
// `radio-sim --pty`: opened by the main window's alignment command, its Read
// button brings the radio's alignment area onto its pages, and its Write
// button sends back what was typed and picked there.
#include <gtest/gtest.h>

#include <QMainWindow>

#include "bench/link_run.h"
#include "editors/alignment/frm_adj_txp.h"
#include "qt/host.h"
#include "qt_test_app.h"
#include "radio-sim/radio_sim.h"
#include "shell/mdimain.h"
#include "support/tempdir.h"

TEST(AdjWindowEndToEnd, ReadShowsTheRadiosAreaAndWriteSendsTheEdits) {
    bxtest::use_screen_1280x800();
    bxtest::qt_app();
    bxtest::TempDir dir;
    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--dump", dir / "dump.bin"})) << run.error;
    bx::App& app = *run.app;
    app.MDImain->frm_adj_Click();
    bx::frm_Adj_Txp& w = *app.Editor<bx::EditorId::frm_Adj_Txp>();
    ASSERT_TRUE(w.Loaded());
    auto ended = [&] { return !w.Link.Running(); };

    // The simulator's own area: every cell within its control's range.
    const radiosim::Radio model;
    const bx::AdjTable area = model.Adj_area();
    run.messages.clear();
    w.Command_read.click();
    ASSERT_TRUE(bx::process_events_until(ended, linkrun::kLimitS));
    EXPECT_EQ(run.messages, std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_EQ(app.Adj_table, area);
    EXPECT_EQ(w.Text1[0].Text(), std::to_string(area(0, 0)));
    bxtest::save_shot(run.rt->forms().main_window(), "adj_after_read");

    w.Text2[5].enter("3");
    w.TabStrip1.click(4);
    w.Combo_Wide_F.pick(1);
    w.TabStrip1.click(5);
    w.Text_user_PassWord.enter("Ab1");
    run.messages.clear();
    w.Command_Write.click();
    ASSERT_TRUE(bx::process_events_until(ended, linkrun::kLimitS));
    EXPECT_EQ(run.messages, std::vector<std::string>{"Complete Written optional parameters to the transceiver."});
    bxtest::save_shot(run.rt->forms().main_window(), "adj_after_write");
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());

    EXPECT_EQ(run.sim.Stop(), 0);
    const std::vector<uint8_t> mem = radiosim::Read_dump(dir / "dump.bin");
    ASSERT_EQ(mem.size(), static_cast<size_t>(radiosim::kMemBytes));
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) ASSERT_EQ(mem[0x3C00 + 16 * c + r], app.Adj_table(c, r)) << c << "," << r;
    EXPECT_EQ(mem[0x3C15], 3);
    EXPECT_EQ(mem[0x3C84], 1);
    EXPECT_EQ(mem[0x3DF0], 'A');
    EXPECT_EQ(mem[0x3DF5], ' ');
}
