// The 2-tone editor on the simulated program: load and display, the encode
// and decode grids' editing, the tone boxes, Default, the busy rules, its
// own exchange, and a redraw when the image is replaced elsewhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/two_tone_rules.h"
#include "model/layouts.h"
#include "link/link_support.h"
#include "shell/mdimain.h"

using namespace linktest;

namespace {

const char* const kRange = "Frequency range 300Hz to 3000Hz";
const char* const kBusy = "Read-write operating with transceiver .";

struct TwoToneProgram : RadioProgram {
    bx::frm_2tone& w() { return *app.Editor<bx::EditorId::frm_2tone>(); }
    uint8_t at(int r, int b) { return app.Mem_image(r, b); }
    void open() {
        main().Sig_2tone.click();
        rt.sim.run_pending();
    }
    int shown(const std::string& text) const { return rt.recorder.count(text); }
};

class TwoTone : public ::testing::Test {
protected:
    void SetUp() override {
        p.start_identified();
        p.open();
        ASSERT_TRUE(w.Loaded());
    }
    TwoToneProgram p;
    bx::frm_2tone& w = p.w();
};

}  // namespace

TEST_F(TwoTone, LoadShowsTheDefaults) {
    EXPECT_EQ(w.Caption(), "2 TONE");
    EXPECT_TRUE(w.Frame_Encode.Visible());
    EXPECT_FALSE(w.Frame_Decode.Visible());
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "600");
    EXPECT_EQ(w.Combo_Enc_ys2.Text(), "600");
    EXPECT_EQ(w.Combo_enc_ys3.Text(), "300");
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "6000");
    EXPECT_EQ(w.Frame_Dec_xx.Caption(), " 1 Decode 2 Tone Frequency");
    EXPECT_EQ(w.Label_PassWord.Caption(), "PassWord");
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 0), "15");
    EXPECT_EQ(w.MSF_Decode.Cols(), 13);
    EXPECT_EQ(w.MSF_Decode.TextMatrix(0, 2), "    Response   ");
}

// An erased area: everything empty, the lists on their last items, and the
// bytes beyond the lists brought back to the last position.
TEST_F(TwoTone, ErasedAreaShowsEmptyAndClampsListBytes) {
    p.app.Mem_image.Erase(720, 767);
    p.app.Mem_image(735, 0) = 100;  // already the last position
    w.Command_close.click();
    p.open();
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 12; ++c) ASSERT_EQ(w.MSF_Decode.TextMatrix(r, c), "") << r << "," << c;
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 1), "");
    for (int k = 0; k < 4; ++k) EXPECT_EQ(w.Tone_box(k).Text(), "");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "1000");
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "8000");
    EXPECT_EQ(p.at(735, 0), 100);
    EXPECT_EQ(p.at(735, 1), 100);
    EXPECT_EQ(p.at(735, 2), 100);
    EXPECT_EQ(p.at(767, 0), 79);
    EXPECT_EQ(p.at(735, 3), 0xFF);  // not written
}

TEST_F(TwoTone, ListsStoreThePickedPositionAndTakeNoKeys) {
    w.Combo_Enc_ys2.pick(25);
    EXPECT_EQ(p.at(735, 1), 25);
    w.TabStrip1.click(2);
    w.Combo_Dec_Res_Time.pick(0);
    EXPECT_EQ(p.at(767, 0), 0);
    w.Combo_Enc_ys1.type("5");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "600");
    EXPECT_EQ(p.at(735, 0), 60);
}

// The encode cell editor: a cell is written only when it is left with its
// editor open; values judged as the table of the rules test says.
TEST_F(TwoTone, EncodeCommit) {
    struct Case {
        const char* typed;
        int col;
        int word;  // stored word
        const char* shown;
        bool message;
    } cases[] = {
        {"1000", 1, 0x03E8, "1000.0", false},
        {"1000", 2, 0x03E8, "1000.0", false},
        {"299.6", 1, 0, "", true},
        {"3000.4", 1, 3000, "3000.0", false},
        {"3000.5", 2, 0, "", true},
        {"1234.5", 1, 1235, "1235.0", false},
        {"", 1, 0, "", false},
    };
    for (const Case& c : cases) {
        p.rt.recorder.clear();
        w.MSF_Encode.click(3, c.col);
        ASSERT_TRUE(w.Text_Encode.Visible());
        w.Text_Encode.enter(c.typed);
        w.MSF_Encode.click(5, 1);  // leaving the cell commits it
        const int byte = 8 * (c.col - 1);
        EXPECT_EQ(p.at(722, byte) + 256 * p.at(722, byte + 1), c.word) << c.typed;
        EXPECT_EQ(w.MSF_Encode.TextMatrix(3, c.col), c.shown) << c.typed;
        EXPECT_EQ(p.shown(kRange), c.message ? 1 : 0) << c.typed;
        if (c.message) {
            EXPECT_EQ(p.rt.recorder.last()->title, "Operate Prompt\"");
        }
        w.MSF_Encode.key(ui::Grid::Key::Down);  // leaves (5, 1): its untouched text goes back
    }
}

TEST_F(TwoTone, EncodeMovesWithoutEditorStoreNothing) {
    const bx::MemImage before = p.app.Mem_image;
    w.MSF_Encode.key(ui::Grid::Key::Down);
    w.MSF_Encode.key(ui::Grid::Key::Right);
    w.MSF_Encode.click(0, 1);
    w.MSF_Encode.click(4, 0);
    EXPECT_TRUE(p.app.Mem_image == before);
    // A header click with the editor open commits the editor's cell.
    w.MSF_Encode.click(2, 2);
    w.Text_Encode.enter("750");
    EXPECT_EQ(w.Text_Encode.Text(), "750");
    w.Text_Encode.type("a\b");  // refused keys
    EXPECT_EQ(w.Text_Encode.Text(), "750");
    w.MSF_Encode.click(0, 1);
    EXPECT_EQ(p.at(721, 8) + 256 * p.at(721, 9), 750);
    EXPECT_FALSE(w.Text_Encode.Visible());
    // The page switch drops an unfinished edit.
    w.MSF_Encode.click(6, 1);
    w.Text_Encode.enter("2000");
    w.TabStrip1.click(2);
    w.TabStrip1.click(1);
    w.MSF_Encode.click(7, 1);
    EXPECT_EQ(p.at(725, 0), before(725, 0));
}

TEST_F(TwoTone, DecodeListStoresPresetAndPicks) {
    w.TabStrip1.click(2);
    w.MSF_Decode.click(1, 6);  // alert of decoder 2
    EXPECT_EQ(p.at(736, 5), 1);
    w.Combo_Decode.pick(15);
    EXPECT_EQ(p.at(736, 5), 16);
    w.MSF_Decode.click(2, 7);  // pair of decoder 3
    EXPECT_EQ(w.MSF_Decode.TextMatrix(1, 6), "16");
    EXPECT_EQ(p.at(737, 6), 0);
    w.Combo_Decode.pick(7);
    EXPECT_EQ(p.at(737, 6), 7);
    w.MSF_Decode.click(2, 8);  // its response: preset 2, then "1.Alert"
    EXPECT_EQ(p.at(737, 7), 2);
    w.Combo_Decode.pick(1);
    EXPECT_EQ(p.at(737, 7), 1);
    // Typed text is undone at once.
    w.Combo_Decode.type("x");
    EXPECT_EQ(w.Combo_Decode.Text(), "1.Alert");
    EXPECT_EQ(p.at(737, 7), 1);
    w.MSF_Decode.click(3, 1);
    EXPECT_EQ(w.MSF_Decode.TextMatrix(2, 7), "C-B");
    EXPECT_EQ(w.MSF_Decode.TextMatrix(2, 8), "1.Alert");
}

TEST_F(TwoTone, DecodeBlankingIsScreenOnly) {
    w.TabStrip1.click(2);
    // A response left with its decoder's pair blank shows blank; the byte stays.
    bx::layout::Sig_2tone_dec_record::Pair[1].set(p.app.Mem_image, 3, 0xFF);
    bx::layout::Sig_2tone_dec_record::Resp[1].set(p.app.Mem_image, 3, 1);
    p.app.Image_replaced();  // shown as it stands
    w.MSF_Decode.click(4, 5);
    w.MSF_Decode.click(4, 1);
    EXPECT_EQ(w.MSF_Decode.TextMatrix(4, 5), "");
    EXPECT_EQ(p.at(739, 4), 2);
    // A double-click on a number blanks the row on the screen only.
    const bx::MemImage before = p.app.Mem_image;
    w.MSF_Decode.dblclick(5, 0);
    for (int c = 1; c <= 12; ++c) EXPECT_EQ(w.MSF_Decode.TextMatrix(5, c), "");
    EXPECT_TRUE(p.app.Mem_image == before);
    w.MSF_Decode.dblclick(0, 0);  // the corner: nothing
    // A tone box's exit redraws the row.
    w.Text_A.focus();
    w.Text_B.focus();
    EXPECT_EQ(w.MSF_Decode.TextMatrix(5, 1), bx::two_tone::Pair_text(p.at(740, 0)));
}
