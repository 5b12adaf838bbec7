#include "support/fixture.h"

using namespace bxtest;

TEST_F(ProgramTest, StartupState) {
    prog.start();
    for (int r = 0; r < bx::kImageRecords; r += 97)
        EXPECT_EQ(app.Mem_image(r, 5), 0xFF);
    EXPECT_EQ(main().Prog_read.Caption(), "Read form radio");
    EXPECT_EQ(main().Caption(), "BX-5610 UV DualBand  Series Program Software.");
    EXPECT_EQ(app.Chann_count, 200);
}
