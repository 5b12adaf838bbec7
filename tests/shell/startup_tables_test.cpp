#include "model/numtext.h"
#include "support/fixture.h"

using namespace bxtest;

TEST_F(ProgramTest, StartupBuildsCodeTablesAndLimits) {
    prog.start();
    EXPECT_EQ(app.Model_index, 0);
    EXPECT_EQ(app.Limit_A_low, 130.0);
    EXPECT_EQ(app.Limit_A_high, 179.0);
    EXPECT_EQ(app.Limit_B_low, 400.0);
    EXPECT_EQ(app.Limit_B_high, 520.0);
    EXPECT_EQ(app.Tone_tick_ms, 0.000434028);
    EXPECT_EQ(app.Tone_name_table[0], "   OFF      ");
    EXPECT_EQ(bx::Trim(app.Tone_name_table[260]), "D754I");
    EXPECT_EQ(app.Radio_ident, (bx::RadioIdent{'R', 'A', 'V', 'O'}));
    EXPECT_EQ(app.Model_table.Model_names[1], "VHF1/UHF1");
}
