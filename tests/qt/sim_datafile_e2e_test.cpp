// `radio-sim --load` and `--dump` take the program's data file: a file the
// program saved, loaded into the simulator and dumped again, is the same
// file, and after the program's write the simulator holds what it sent.
#include <gtest/gtest.h>

#include "bench/link_run.h"
#include "model/datafile.h"
#include "qt/host.h"
#include "qt_test_app.h"
#include "radio-sim/radio_sim.h"
#include "radio-sim/sim_process.h"
#include "support/tempdir.h"

TEST(SimulatorDataFile, LoadAndDumpKeepTheProgramsSave) {
    bxtest::qt_app();
    bxtest::TempDir dir;
    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--dump", dir / "after_write.dat"})) << run.error;
    bx::App& app = *run.app;
    ASSERT_GE(run.Read(""), 0) << run.error;
    // An edit of the program's own, then the write and the program's save.
    const std::string name = "EDITED";
    for (int k = 0; k < 6; ++k) app.Mem_image(768 + 3, 8 + k) = static_cast<uint8_t>(name[static_cast<size_t>(k)]);
    ASSERT_GE(run.Write(""), 0) << run.error;
    ASSERT_FALSE(bx::Save_data_file(dir / "saved.dat", app.Mem_image));
    EXPECT_EQ(run.sim.Stop(), 0);

    // The simulator's dump after the write holds every record the write sent.
    bx::MemImage dumped;
    ASSERT_FALSE(bx::Load_data_file(dir / "after_write.dat", dumped));
    for (int r = 0; r <= 783; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(dumped(r, b), app.Mem_image(r, b)) << r;

    // The save loaded and dumped again, as a data file and as raw bytes.
    radiosim::SimProcess sim;
    ASSERT_TRUE(sim.Start({"--load", dir / "saved.dat", "--dump", dir / "again.DAT"}));
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(dir.read("again.DAT"), dir.read("saved.dat"));
    ASSERT_TRUE(sim.Start({"--load", dir / "again.DAT", "--dump", dir / "again.bin"}));
    EXPECT_EQ(sim.Stop(), 0);
    const std::vector<uint8_t> raw = radiosim::Read_dump(dir / "again.bin");
    ASSERT_EQ(raw.size(), static_cast<size_t>(radiosim::kMemBytes));
    for (int a = 0; a < radiosim::kMemBytes; ++a) ASSERT_EQ(raw[static_cast<size_t>(a)], app.Mem_image.at_addr(a)) << a;
    // The raw file loads as before.
    ASSERT_TRUE(sim.Start({"--load", dir / "again.bin", "--dump", dir / "third.dat"}));
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_EQ(dir.read("third.dat"), dir.read("saved.dat"));

    // A file that is neither is refused, and the simulator does not start.
    dir.write("broken.dat", "0 0 0 1 2 3\r\n");
    EXPECT_FALSE(sim.Start({"--load", dir / "broken.dat"}));
    dir.write("short.bin", std::string(100, '\0'));
    EXPECT_FALSE(sim.Start({"--load", dir / "short.bin"}));
}
