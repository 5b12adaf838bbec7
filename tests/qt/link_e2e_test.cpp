// The real program, offscreen, reads from and writes to `radio-sim --pty`.
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

#include "bench/link_run.h"
#include "qt_test_app.h"
#include "radio-sim/radio_sim.h"

TEST(LinkEndToEnd, ReadThenWriteOverAPseudoTerminal) {
    bxtest::qt_app();
    char dump[] = "/tmp/bx-radio-dumpXXXXXX";
    int fd = mkstemp(dump);
    ASSERT_GE(fd, 0);
    close(fd);

    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--password", "246810", "--dump", dump})) << run.error;
    auto& app = *run.app;
    EXPECT_EQ(app.Comm_port, linkrun::kSimPort);
    EXPECT_EQ(app.MDImain->StatusBar1.Panels(8).Text, " 136-- 174 MHZ");

    // The read brings the radio's 0x0000-0x313F into the image. (The
    // options window, open from start-up, would show it at once and store
    // its out-of-list settings back as its last items: closed first.)
    app.Window(bx::EditorId::frm_option)->Unload();
    radiosim::Radio model;
    model.Set_passwords("246810", "");
    ASSERT_GE(run.Read("246810"), 0) << run.error;
    for (int r = 0; r <= 787; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(app.Mem_image(r, b), model.mem[r * 16 + b]) << r;
    EXPECT_EQ(app.Form_Comm_Read->Label_tr_count.Caption(), "Read Data is Ok ！");

    // The write sends image records 0..783 back.
    run.Clear_channel_frequencies();
    for (int r = 768; r <= 783; ++r) app.Mem_image(r, 5) = static_cast<uint8_t>(r);
    ASSERT_GE(run.Write("246810"), 0) << run.error;
    EXPECT_EQ(app.Form_Comm_Write->Label_tr_count.Caption(), "Data Writed ！");

    EXPECT_EQ(run.sim.Stop(), 0);
    std::vector<uint8_t> mem = radiosim::Read_dump(dump);
    std::remove(dump);
    ASSERT_EQ(mem.size(), static_cast<size_t>(radiosim::kMemBytes));
    for (int r = 0; r <= 783; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(mem[r * 16 + b], app.Mem_image(r, b)) << r;
    for (int a = 0x3100; a < radiosim::kMemBytes; ++a) ASSERT_EQ(mem[a], model.mem[a]) << a;
}
