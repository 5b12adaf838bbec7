// The alignment exchange of the real program, offscreen, against
// `radio-sim --pty` started with an alignment file of its own (--adj): a
// read brings that table in, a write sends the marker and the table back.
// A stand-in window holds what the exchange uses, as the editor does.
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

#include "bench/link_run.h"
#include "editors/alignment/adj_exchange.h"
#include "link/link_window.h"
#include "model/adj_file.h"
#include "qt_test_app.h"
#include "radio-sim/radio_sim.h"
#include "support/tempdir.h"

namespace {

class AdjStandIn : public bx::LinkWindow {
public:
    explicit AdjStandIn(bx::App& app) : LinkWindow(app, "frm_Adj_Txp", bx::link_rows::frm_Adj_Txp, {.password = false}) {
        Link.On_read_complete = [this] { bx::Unpack_adj_reply(this->app); };
        bx::Use_adj_exchange(Link);
    }
};

}  // namespace

TEST(AdjEndToEnd, ReadAndWriteTheAlignmentAreaOverAPseudoTerminal) {
    bxtest::qt_app();
    bxtest::TempDir dir;
    bx::AdjTable file_table;
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) file_table(c, r) = static_cast<int16_t>((c * 16 + r) * 5 % 251);
    ASSERT_FALSE(bx::Save_adj_file(dir / "radio.adj", file_table));

    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--adj", dir / "radio.adj", "--dump", dir / "dump.bin"})) << run.error;
    auto& app = *run.app;
    AdjStandIn w(app);
    w.Load();
    auto ended = [&] { return !w.Link.Running(); };

    run.messages.clear();
    ASSERT_TRUE(w.Link.Read_button());
    ASSERT_TRUE(bx::process_events_until(ended, linkrun::kLimitS));
    EXPECT_EQ(run.messages, std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_EQ(app.Adj_table, file_table);

    app.Adj_table = app.Adj_defaults;
    run.messages.clear();
    ASSERT_TRUE(w.Link.Write_button());
    ASSERT_TRUE(bx::process_events_until(ended, linkrun::kLimitS));
    EXPECT_EQ(run.messages, std::vector<std::string>{"Complete Written optional parameters to the transceiver."});
    EXPECT_EQ(w.Label_tr_count.Caption(), "Complete Written optional parameters ");
    w.Unload();

    EXPECT_EQ(run.sim.Stop(), 0);
    const std::vector<uint8_t> mem = radiosim::Read_dump(dir / "dump.bin");
    ASSERT_EQ(mem.size(), static_cast<size_t>(radiosim::kMemBytes));
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) ASSERT_EQ(mem[0x3C00 + 16 * c + r], app.Adj_defaults(c, r)) << c << "," << r;
    const auto marker = bx::Adj_marker();
    EXPECT_TRUE(std::equal(marker.begin() + 5, marker.end(), mem.begin() + 0x3B90));
}

TEST(AdjEndToEnd, SimulatorRefusesABadAlignmentFile) {
    bxtest::TempDir dir;
    dir.write("short.adj", " 1  2  3 \r\n");
    radiosim::SimProcess sim;
    EXPECT_FALSE(sim.Start({"--adj", dir / "short.adj"}));
}
