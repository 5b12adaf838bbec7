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
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {

const char* const kRange = "Frequency range 300Hz to 3000Hz";

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
    // Up or Down over the open box leaves the cell as a click elsewhere does.
    w.MSF_Encode.click(3, 2);
    w.Text_Encode.type("2000");  // typed over the selected "3000.0"
    EXPECT_TRUE(w.Text_Encode.arrow(+1));
    EXPECT_EQ(p.at(722, 8) + 256 * p.at(722, 9), 2000);
    EXPECT_EQ(w.MSF_Encode.TextMatrix(3, 2), "2000.0");
    EXPECT_EQ(w.MSF_Encode.Row(), 4);
    EXPECT_TRUE(w.MSF_Encode.focused());
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

// The decode list opens on the cell's stored value, storing nothing; a pick
// is stored at once.
TEST_F(TwoTone, DecodeListOpensOnTheStoredValueAndStoresPicks) {
    w.TabStrip1.click(2);
    w.MSF_Decode.click(1, 6);  // alert of decoder 2: 2
    EXPECT_EQ(w.Combo_Decode.Text(), "2");
    EXPECT_EQ(p.at(736, 5), 2);
    w.Combo_Decode.pick(15);
    EXPECT_EQ(p.at(736, 5), 16);
    w.MSF_Decode.click(2, 7);  // pair of decoder 3: "C-D"
    EXPECT_EQ(w.MSF_Decode.TextMatrix(1, 6), "16");
    EXPECT_EQ(w.Combo_Decode.Text(), "C-D");
    EXPECT_EQ(p.at(737, 6), 8);
    w.Combo_Decode.pick(7);
    EXPECT_EQ(p.at(737, 6), 7);
    w.MSF_Decode.click(2, 8);  // its response: 3 as stored, then "1.Alert"
    EXPECT_EQ(p.at(737, 7), 3);
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
    // A response left with its decoder's pair blank shows its byte, as the
    // redraw does; the byte stays.
    bx::layout::Sig_2tone_dec_record::Pair[1].set(p.app.Mem_image, 3, 0xFF);
    bx::layout::Sig_2tone_dec_record::Resp[1].set(p.app.Mem_image, 3, 1);
    p.app.Image_replaced();  // shown as it stands
    w.MSF_Decode.click(4, 5);
    w.MSF_Decode.click(4, 1);
    EXPECT_EQ(w.MSF_Decode.TextMatrix(4, 5), "1.Alert");
    EXPECT_EQ(p.at(739, 4), 1);
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

// Tone boxes store on every exit: the tone and its period count, or FF FF
// FF FF after the range message with the focus back in the box.
TEST_F(TwoTone, ToneBoxes) {
    w.TabStrip1.click(2);
    struct Case {
        int row;  // decode row clicked first (entry row - 1)
        int k;
        const char* typed;
        int hz, period;  // stored words; -1: FF FF
        bool message;
    } cases[] = {
        {1, 0, "1000", 1000, 2304, false},
        {15, 3, "3000", 3000, 768, false},
        {2, 1, "299.6", 300, -1, false},
        {2, 1, "3000.4", 3000, -1, false},
        {2, 2, "1000.5", 1000, -1, false},
        {2, 2, "1001.5", 1002, -1, false},
        {3, 0, "3000.6", 0xFFFF, 0xFFFF, true},
        {3, 1, "", 0xFFFF, 0xFFFF, false},
    };
    namespace T = bx::layout::Sig_2tone_dec_tones;
    for (const Case& c : cases) {
        p.rt.recorder.clear();
        w.MSF_Decode.click(c.row, 0);
        ui::TextBox& box = w.Tone_box(c.k);
        box.enter(c.typed);
        w.Tone_box((c.k + 1) % 4).focus();
        const int e = c.row - 1;
        EXPECT_EQ(T::Freq[c.k].get(p.app.Mem_image, e), c.hz) << c.typed;
        if (c.period != -1) {
            EXPECT_EQ(T::Period[c.k].get(p.app.Mem_image, e), c.period) << c.typed;
        }
        EXPECT_EQ(p.shown(kRange), c.message ? 1 : 0) << c.typed;
        EXPECT_EQ(box.Text(), c.hz == 0xFFFF ? "" : std::to_string(c.hz) + ".0") << c.typed;
        if (c.message) {
            EXPECT_TRUE(box.focused());
        }
    }
    EXPECT_EQ(p.at(752, 8), 0x00);  // 2304 low byte first
    EXPECT_EQ(p.at(752, 9), 0x09);
}

TEST_F(TwoTone, ToneBoxEdgeCases) {
    w.TabStrip1.click(2);
    // A tone typed, then a click on another row: stored into the entry shown.
    w.MSF_Decode.click(2, 0);
    w.Text_C.enter("1500");
    w.MSF_Decode.click(6, 3);
    EXPECT_EQ(bx::layout::Sig_2tone_dec_tones::Freq[2].get(p.app.Mem_image, 1), 1500);
    EXPECT_EQ(w.Selected_dec_entry, 5);
    EXPECT_EQ(w.Frame_Dec_xx.Caption(), "6 Decode 2 Tone Frequency");
    // A header click changes neither entry nor caption.
    w.MSF_Decode.click(0, 4);
    EXPECT_EQ(w.Selected_dec_entry, 5);
    EXPECT_EQ(w.Frame_Dec_xx.Caption(), "6 Decode 2 Tone Frequency");
    // Seven characters: no further character (Backspace is never taken).
    w.Text_D.enter("1234567");
    for (const char* key : {"8", "\r", "\b"}) {
        w.Text_D.type(key);
        EXPECT_EQ(w.Text_D.Text(), "1234567");
    }
    // A stored value outside the range is refused on exit even untouched.
    bx::layout::Sig_2tone_dec_tones::Freq[0].set(p.app.Mem_image, 5, 0x00FF);
    p.app.Image_replaced();
    EXPECT_EQ(w.Text_A.Text(), "255.0");
    p.rt.recorder.clear();
    w.Text_A.focus();
    w.Text_B.focus();
    EXPECT_EQ(p.shown(kRange), 1);
    EXPECT_EQ(bx::layout::Sig_2tone_dec_tones::Period[0].get(p.app.Mem_image, 5), 0xFFFF);
    // The page switch selects entry 1 again.
    w.TabStrip1.click(1);
    w.TabStrip1.click(2);
    EXPECT_EQ(w.Selected_dec_entry, 0);
    EXPECT_EQ(w.Frame_Dec_xx.Caption(), " 1 Decode 2 Tone Frequency");
}

// A full read or a data-file load replaces the image while the window is
// open: the window shows it at once and no loaded byte is lost to an open
// cell editor or a tone box.
TEST_F(TwoTone, ImageReplacedElsewhereShowsAtOnce) {
    w.MSF_Encode.click(4, 1);
    w.Text_Encode.enter("2222");
    // The radio holds other 2-tone values.
    auto& mem = p.radio.radio.mem;
    mem[0x2D30] = 0xE8, mem[0x2D31] = 0x03;          // encode 4 tone 1: 1000
    mem[0x2F00] = 0xD0, mem[0x2F01] = 0x07;          // decode 1 tone A: 2000
    mem[0x2F08] = 0x80, mem[0x2F09] = 0x04;          // its period
    mem[0x2E00] = 5;                                 // decode 1 pair 1: "B-D"
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));
    EXPECT_EQ(w.MSF_Encode.TextMatrix(4, 1), "1000.0");
    EXPECT_FALSE(w.Text_Encode.Visible());
    w.MSF_Encode.click(9, 1);  // the dropped editor writes nothing
    EXPECT_EQ(p.at(723, 0), 0xE8);
    EXPECT_EQ(p.at(723, 1), 0x03);
    w.TabStrip1.click(2);
    EXPECT_EQ(w.Text_A.Text(), "2000.0");
    EXPECT_EQ(w.MSF_Decode.TextMatrix(1, 1), "B-D");
    // A decode list left open over a cell is dropped too.
    w.MSF_Decode.click(1, 1);
    p.app.Image_replaced();
    EXPECT_FALSE(w.Combo_Decode.Visible());
    w.Text_A.focus();
    w.MSF_Decode.click(2, 0);
    EXPECT_EQ(p.at(752, 0), 0xD0);
    EXPECT_EQ(p.at(752, 1), 0x07);
}

TEST_F(TwoTone, DefaultRestoresTheArea) {
    const bx::MemImage factory = p.app.Mem_image;
    p.app.Mem_image.Erase(720, 767);
    w.ProgressBar1.setVisible(true);
    w.ProgressBar1.setValue(40);
    w.Label_tr_count.setCaption("x");
    w.Command_def.click();
    EXPECT_TRUE(p.app.Mem_image == factory);
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 0);
    EXPECT_EQ(w.Label_tr_count.Caption(), "");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "600");
}

// While its own read runs the window refuses Default, Open, Save, Close and
// the close box with its busy message; at the end the read shows the area.
TEST_F(TwoTone, OwnReadAndBusyRefusals) {
    auto& mem = p.radio.radio.mem;
    for (int a = 0x2D00; a < 0x3000; ++a) mem[static_cast<size_t>(a)] = static_cast<uint8_t>(a * 7 + 3);
    mem[0x2D00] = 0x2C, mem[0x2D01] = 0x01;  // encode 1 tone 1: 300
    mem[0x2DF0] = 12;                        // first duration 120 ms
    mem[0x2DF1] = 50, mem[0x2DF2] = 7, mem[0x2FF0] = 20;  // the other lists in range
    w.Command_read.click();
    p.rt.sim.run_for(100);
    ASSERT_TRUE(w.Busy());
    const bx::MemImage before = p.app.Mem_image;
    p.rt.recorder.clear();
    w.Command_def.click();
    w.Command_open.click();
    w.Command_save.click();
    w.Command_close.click();
    EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_EQ(p.shown(kBusy), 5);
    EXPECT_EQ(p.rt.recorder.last()->title, "Operate prompt");
    EXPECT_TRUE(w.Loaded());
    EXPECT_FALSE(p.app.Form_named("Form_open_chann")->Loaded());
    EXPECT_TRUE(p.app.Mem_image == before);

    p.rt.recorder.clear();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    for (int r = 720; r <= 767; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << r;
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 1), "300.0");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "120");
    EXPECT_TRUE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 100);
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read Signal parameters in gear. ");
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_EQ(p.rt.recorder.last()->title, "Operate Prompt");
    EXPECT_EQ(p.at(719, 0), before(719, 0));  // nothing outside the area
    EXPECT_EQ(p.at(768, 0), before(768, 0));

    // Idle again: Open brings up the whole-image dialog, Close unloads.
    w.Command_open.click();
    EXPECT_TRUE(p.app.Form_named("Form_open_chann")->Loaded());
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
}

TEST_F(TwoTone, OwnWriteSendsTheAreaThenShowsItsTexts) {
    w.Combo_Enc_ys2.pick(25);
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    for (int r = 720; r <= 767; ++r) ASSERT_EQ(p.radio_record(r), p.image_record(r)) << r;
    EXPECT_EQ(p.radio.radio.mem[0x2DF1], 25);
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete Written Signal parameters to the transceiver."});
    EXPECT_EQ(p.rt.recorder.last()->title, "Operate Prompt");
    EXPECT_EQ(w.Label_tr_count.Caption(), "Complete Written Signal parameters ");
    EXPECT_EQ(w.ProgressBar1.Value(), 97);
}

TEST_F(TwoTone, ChineseTexts) {
    w.Command_close.click();
    p.app.Lang_chinese = -1;
    bx::Set_lang_texts(p.app.Lang_texts, -1);
    p.open();
    EXPECT_EQ(w.Caption(), "2 TONE 编解码参数编辑");
    EXPECT_EQ(w.Label_PassWord.Caption(), "读写密码");
    EXPECT_EQ(w.Frame_Dec_xx.Caption(), " 1 解码信息两音频率");
    EXPECT_EQ(w.TabStrip1.tab(2).Caption, "解码");
    w.TabStrip1.click(2);
    w.MSF_Decode.click(1, 2);
    EXPECT_EQ(w.Combo_Decode.Text(), "1.提醒");
    w.MSF_Decode.click(12, 2);
    EXPECT_EQ(w.Frame_Dec_xx.Caption(), "12 解码信息两音频率");
    w.Text_A.enter("5");
    w.Text_B.focus();
    EXPECT_EQ(p.rt.recorder.last()->text, "频率范围在 300.0 HZ - 3000.0 HZ 之间  ！");
    EXPECT_EQ(p.rt.recorder.last()->title, "操作提示");
}

// Leaving the window from a tone box: the tone is stored (or refused) once,
// and the window closes.
TEST_F(TwoTone, ClosingFromAToneBox) {
    w.TabStrip1.click(2);
    w.Text_B.enter("1200");
    w.Command_close.click();
    EXPECT_EQ(bx::layout::Sig_2tone_dec_tones::Freq[1].get(p.app.Mem_image, 0), 1200);
    EXPECT_FALSE(w.Loaded());
    p.open();
    w.TabStrip1.click(2);
    w.Text_B.enter("5");
    p.rt.recorder.clear();
    EXPECT_TRUE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_LE(p.shown(kRange), 1);
    EXPECT_FALSE(w.Loaded());
    p.open();  // a fresh load listens again: one redraw, no stale listener
    p.app.Image_replaced();
    EXPECT_TRUE(w.Loaded());
}
