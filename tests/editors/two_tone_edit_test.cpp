// The 2-tone editor's cells and tone boxes store exactly what the user did:
// a cell opened and left stores nothing, an open cell editor is dropped when
// the rows are rebuilt from the image or the grid scrolls, and an edit still
// on screen is stored before Write, Save, the main window's Save, another
// window coming to the front and Close.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/two_tone_rules.h"
#include "link/link_support.h"
#include "model/datafile.h"
#include "model/layouts.h"
#include "shell/dialogs.h"
#include "shell/mdimain.h"
#include "support/tempdir.h"

using namespace linktest;

namespace {

namespace Enc = bx::layout::Sig_2tone_enc_record;
namespace Dec = bx::layout::Sig_2tone_dec_record;
namespace Tones = bx::layout::Sig_2tone_dec_tones;

const char* const kRange = "Frequency range 300Hz to 3000Hz";

struct Program : RadioProgram {
    bx::frm_2tone& w() { return *app.Editor<bx::EditorId::frm_2tone>(); }
    void open() {
        main().Sig_2tone.click();
        rt.sim.run_pending();
    }
    int shown(const std::string& text) const { return rt.recorder.count(text); }
    // Loads image `file` through the whole-image open dialog.
    void load(const bx::MemImage& file) {
        ASSERT_FALSE(bx::Save_data_file(dir / "load.dat", file));
        auto& d = *app.Form_open_chann;
        if (!d.Loaded()) bx::App::Open(d);
        ASSERT_TRUE(d.Dir1.setPath(dir.path()));
        d.Text1.enter("load.dat");
        d.Command_enter.click();
    }
    // The radio holds `img` in the 2-tone area; the window's own read.
    void own_read(const bx::MemImage& img) {
        for (int r = 720; r <= 767; ++r)
            for (int b = 0; b < 16; ++b) radio.radio.mem[static_cast<size_t>(16 * r + b)] = img(r, b);
        w().Command_read.click();
        ASSERT_TRUE(run_until_idle(w().Link));
    }
    // Another window comes to the front, then this one again.
    void away_and_back() {
        main().Prog_read.click();
        ASSERT_EQ(app.Form_Comm_Read->Front(), app.Form_Comm_Read.get());
        w().Activate();
    }
    bxtest::TempDir dir;
};

class TwoToneEdit : public ::testing::Test {
protected:
    void SetUp() override {
        p.start_identified();
        p.open();
        ASSERT_TRUE(w.Loaded());
        factory = p.app.Mem_image;
        p.rt.recorder.clear();
    }
    int enc_word(int entry, int tone) {
        return (tone == 0 ? Enc::Tone_1 : Enc::Tone_2).get(p.app.Mem_image, entry - 1);
    }
    // The field behind decode cell column c.
    static const bx::Field& dec_field(int c) {
        return bx::two_tone::Dec_column(c).fields[bx::two_tone::Dec_decoder(c)];
    }
    void close_dialogs() {
        for (ui::Form* f : {static_cast<ui::Form*>(p.app.Form_save_chann.get()),
                            static_cast<ui::Form*>(p.app.Form_open_chann.get()),
                            static_cast<ui::Form*>(p.app.Form_Comm_Read.get())})
            if (f->Loaded()) bx::App::Unload(*f);
        w.Activate();
    }
    Program p;
    bx::frm_2tone& w = p.w();
    bx::MemImage factory;
};

}  // namespace

// Encode cell of entry 10, 1st tone (FF FF as the factory leaves it): open
// it, type or not, do X, leave. What the record holds, what the cell shows
// and the range messages.
TEST_F(TwoToneEdit, EncodeCellOpenDoLeave) {
    using Act = std::function<void(Program&, bx::frm_2tone&)>;
    // Another image in which entry 10's 1st tone is 2000 Hz.
    auto other_image = [&] {
        bx::MemImage m = p.app.Mem_image;
        Enc::Tone_1.set(m, 9, 2000);
        return m;
    };
    struct Case {
        const char* name;
        const char* typed;  // nullptr: nothing typed
        Act act;
        int word;           // entry 10's 1st tone after the leave
        const char* cell;
        int messages;
    } cases[] = {
        {"look", nullptr, [](Program&, bx::frm_2tone&) {}, 0xFFFF, "", 0},
        {"Enter", "\r", [](Program&, bx::frm_2tone&) {}, 0xFFFF, "", 0},
        {"typed", "1500", [](Program&, bx::frm_2tone&) {}, 1500, "1500.0", 0},
        {"typed out of range", "5", [](Program&, bx::frm_2tone&) {}, 0, "", 1},
        {"own Read", "1500", [&](Program& q, bx::frm_2tone&) { q.own_read(other_image()); }, 2000, "2000.0", 0},
        {"Open", "1500", [&](Program& q, bx::frm_2tone&) { q.load(other_image()); }, 2000, "2000.0", 0},
        {"Default", "1500", [](Program&, bx::frm_2tone& x) { x.Command_def.click(); }, 0xFFFF, "", 0},
        {"activation", "1500", [](Program& q, bx::frm_2tone&) { q.away_and_back(); }, 1500, "1500.0", 0},
        {"Write", "1500",
         [](Program& q, bx::frm_2tone& x) {
             x.Command_Write.click();
             ASSERT_TRUE(q.run_until_idle(x.Link));
         },
         1500, "1500.0", 0},
        {"Write out of range", "5",
         [](Program& q, bx::frm_2tone& x) {
             x.Command_Write.click();
             ASSERT_TRUE(q.run_until_idle(x.Link));
         },
         0, "", 1},
        {"Save", "1500", [](Program&, bx::frm_2tone& x) { x.Command_save.click(); }, 1500, "1500.0", 0},
        {"main Save", "1500", [](Program& q, bx::frm_2tone&) { q.main().Toolbar1.click("save"); }, 1500, "1500.0", 0},
        {"main Save As", "1500", [](Program& q, bx::frm_2tone&) { q.main().File_saveas.click(); }, 1500, "1500.0",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.app.Mem_image = factory;
        p.app.Image_replaced();
        ASSERT_EQ(enc_word(10, 0), 0xFFFF);
        p.rt.recorder.clear();
        w.MSF_Encode.click(10, 1);
        ASSERT_TRUE(w.Text_Encode.Visible());
        if (c.typed) w.Text_Encode.enter(c.typed);
        c.act(p, w);
        if (w.Text_Encode.Visible()) {
            // Still open (nothing ended the edit): the leave.
            w.MSF_Encode.click(5, 2);
        }
        w.MSF_Encode.click(12, 0);  // any edit opened on the way is left too
        EXPECT_EQ(enc_word(10, 0), c.word);
        EXPECT_EQ(w.MSF_Encode.TextMatrix(10, 1), c.cell);
        EXPECT_EQ(p.shown(kRange), c.messages);
        // Nothing else of the 2-tone area moved but the one tone.
        bx::MemImage expect = p.app.Mem_image;
        Enc::Tone_1.set(expect, 9, 0);
        bx::MemImage base = c.word == 2000 ? other_image() : factory;
        Enc::Tone_1.set(base, 9, 0);
        for (int r = 720; r <= 767; ++r)
            for (int b = 0; b < 16; ++b) ASSERT_EQ(expect(r, b), base(r, b)) << r << "," << b;
        close_dialogs();
    }
}

// Close commits the typed tone, and the radio gets it on the next Write.
TEST_F(TwoToneEdit, CloseCommitsTheEncodeCell) {
    w.MSF_Encode.click(10, 2);
    w.Text_Encode.enter("2500");
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    EXPECT_EQ(enc_word(10, 1), 2500);
    p.open();
    EXPECT_EQ(w.MSF_Encode.TextMatrix(10, 2), "2500.0");
    // The close box does the same.
    w.MSF_Encode.click(11, 2);
    w.Text_Encode.enter("700");
    EXPECT_TRUE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_EQ(enc_word(11, 1), 700);
}

// A decode cell opened just to look stores nothing, whatever it holds; the
// list opens on the stored value (no selection for a byte it lacks), stores
// only the user's pick, and the cell left shows what the redraw shows.
TEST_F(TwoToneEdit, DecodeCellLookStoresNothingAndPickStores) {
    w.TabStrip1.click(2);
    struct Case {
        int row, col;
        int byte;          // stored before the look
        const char* list;  // the list's text when it opens
        int index;
        const char* cell;  // the cell before and after
        int pick, picked;  // a pick afterwards and the byte it stores
    } cases[] = {
        {3, 1, 0xFF, "", -1, "", 5, 5},            // no pair: not "A-B"
        {3, 2, 0xFF, "", -1, "", 3, 3},            // no response: not 2
        {3, 3, 0xFF, "", -1, "", 15, 16},          // no alert: not 1
        {1, 4, 4, "B-C", 4, "B-C", 0, 0},          // the factory's decoder 2
        {1, 5, 2, "2.Transpond", 2, "2.Transpond", 1, 1},
        {1, 6, 2, "2", 1, "2", 0, 1},
        {4, 8, 7, "", -1, "0.None", 2, 2},         // a response code beyond the list
        {4, 9, 0, "", -1, "0", 3, 4},              // alert 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
        dec_field(c.col).set(p.app.Mem_image, c.row - 1, c.byte);
        p.app.Image_replaced();
        const bx::MemImage before = p.app.Mem_image;
        EXPECT_EQ(w.MSF_Decode.TextMatrix(c.row, c.col), c.cell);
        w.MSF_Decode.click(c.row, c.col);
        ASSERT_TRUE(w.Combo_Decode.Visible());
        EXPECT_EQ(w.Combo_Decode.Text(), c.list);
        EXPECT_EQ(w.Combo_Decode.ListIndex(), c.index);
        w.Combo_Decode.type("x");  // typing changes nothing
        EXPECT_EQ(w.Combo_Decode.Text(), c.list);
        w.MSF_Decode.click(15, 0);
        EXPECT_FALSE(w.Combo_Decode.Visible());
        EXPECT_TRUE(p.app.Mem_image == before);
        EXPECT_EQ(w.MSF_Decode.TextMatrix(c.row, c.col), c.cell);
        // Enter in the open list, then a leave: nothing either.
        w.MSF_Decode.click(c.row, c.col);
        w.Combo_Decode.type("\r");
        w.MSF_Decode.click(15, 0);
        EXPECT_TRUE(p.app.Mem_image == before);
        // A pick stores, and the cell shows it once left.
        w.MSF_Decode.click(c.row, c.col);
        w.Combo_Decode.pick(c.pick);
        EXPECT_EQ(dec_field(c.col).get(p.app.Mem_image, c.row - 1), c.picked);
        w.MSF_Decode.click(15, 0);
        EXPECT_EQ(w.MSF_Decode.TextMatrix(c.row, c.col), w.Combo_Decode.List(c.pick));
    }
}

// A response or alert of a decoder without a pair shows its stored value,
// after a leave as after a redraw.
TEST_F(TwoToneEdit, DecodeLeaveAndRedrawShowTheSame) {
    w.TabStrip1.click(2);
    Dec::Pair[1].set(p.app.Mem_image, 3, 0xFF);
    Dec::Resp[1].set(p.app.Mem_image, 3, 1);
    Dec::Alert[1].set(p.app.Mem_image, 3, 3);
    p.app.Image_replaced();
    const bx::MemImage before = p.app.Mem_image;
    for (int c : {5, 6}) {
        const std::string shown = w.MSF_Decode.TextMatrix(4, c);
        EXPECT_EQ(shown, c == 5 ? "1.Alert" : "3");
        w.MSF_Decode.click(4, c);
        w.MSF_Decode.click(4, 1);  // left for the pair cell (opened, not picked)
        EXPECT_EQ(w.MSF_Decode.TextMatrix(4, c), shown);
        w.MSF_Decode.key(ui::Grid::Key::Down);  // the pair cell left unpicked
        EXPECT_EQ(w.MSF_Decode.TextMatrix(4, 4), "");
    }
    EXPECT_TRUE(p.app.Mem_image == before);
}

// The decode list over a cell, then X: the list is gone and forgotten, so a
// pick made afterwards stores nothing and the cell shows the image.
TEST_F(TwoToneEdit, DecodeListDroppedOnRebuildAndScroll) {
    using Act = std::function<void(Program&, bx::frm_2tone&)>;
    bx::MemImage other = factory;
    Dec::Resp[0].set(other, 1, 3);  // entry 2 decoder 1: response 3 (1 in the factory's)
    struct Case {
        const char* name;
        Act act;
        int resp;  // entry 2's response 1 afterwards
    } cases[] = {
        {"own Read", [&](Program& q, bx::frm_2tone&) { q.own_read(other); }, 3},
        {"Open", [&](Program& q, bx::frm_2tone&) { q.load(other); }, 3},
        {"Default", [](Program&, bx::frm_2tone& x) { x.Command_def.click(); }, 1},
        {"activation", [](Program& q, bx::frm_2tone&) { q.away_and_back(); }, 1},
        {"wheel", [](Program&, bx::frm_2tone& x) {
             const int top = x.MSF_Decode.TopRow();
             x.MSF_Decode.wheel(3);
             ASSERT_NE(x.MSF_Decode.TopRow(), top);
         }, 1},
    };
    // The grid shows every entry at the window's size; a shorter grid
    // (a smaller screen) scrolls under the wheel.
    w.MSF_Decode.setHeight(w.MSF_Decode.Height() / 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.app.Mem_image = factory;
        p.app.Image_replaced();
        w.TabStrip1.click(2);
        w.MSF_Decode.setTopRow(1);
        w.MSF_Decode.click(2, 2);
        ASSERT_TRUE(w.Combo_Decode.Visible());
        ASSERT_EQ(w.Combo_Decode.ListIndex(), 1);
        c.act(p, w);
        EXPECT_FALSE(w.Combo_Decode.Visible());
        const bx::MemImage after = p.app.Mem_image;
        EXPECT_EQ(Dec::Resp[0].get(after, 1), c.resp);
        w.Combo_Decode.setListIndex(0);  // a late pick reaches nothing
        w.MSF_Decode.click(9, 0);
        EXPECT_TRUE(p.app.Mem_image == after);
        EXPECT_EQ(w.MSF_Decode.TextMatrix(2, 2), bx::two_tone::Resp_text(c.resp, p.app.Lang_texts.Sig_2tone_resp_names));
        close_dialogs();
    }
}

// A tone typed into a tone box, then a command that takes no focus from it
// (the main window's Save) or one that does: the tone is stored first.
TEST_F(TwoToneEdit, ToneBoxCommittedBeforeCommands) {
    using Act = std::function<void(Program&, bx::frm_2tone&)>;
    struct Case {
        const char* name;
        Act act;
    } cases[] = {
        {"main Save", [](Program& q, bx::frm_2tone&) { q.main().Toolbar1.click("save"); }},
        {"main Save As", [](Program& q, bx::frm_2tone&) { q.main().File_saveas.click(); }},
        {"Save", [](Program&, bx::frm_2tone& x) { x.Command_save.click(); }},
        {"Write", [](Program& q, bx::frm_2tone& x) {
             x.Command_Write.click();
             ASSERT_TRUE(q.run_until_idle(x.Link));
             EXPECT_EQ(q.radio.radio.mem[0x2F12] + 256 * q.radio.radio.mem[0x2F13], 1200);
         }},
        {"activation", [](Program& q, bx::frm_2tone&) { q.away_and_back(); }},
        {"Close", [](Program&, bx::frm_2tone& x) { x.Command_close.click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!w.Loaded()) p.open();
        p.app.Mem_image = factory;
        p.app.Image_replaced();
        w.TabStrip1.click(2);
        w.MSF_Decode.click(2, 0);
        w.Text_B.enter("1200");
        ASSERT_TRUE(w.Text_B.focused());
        c.act(p, w);
        EXPECT_EQ(Tones::Freq[1].get(p.app.Mem_image, 1), 1200);
        if (w.Loaded()) {
            EXPECT_EQ(w.Text_B.Text(), "1200.0");
        }
        close_dialogs();
    }
}

// The write window's Write sends what the editors show, a tone still typed
// included, also when its click takes no focus from the editor (so the
// editor is never told it went behind): the write commits it first.
TEST_F(TwoToneEdit, WriteWindowCommitsAToneStillTypedWithoutTakingTheFocus) {
    p.main().Prog_write.click();
    w.Activate();
    w.TabStrip1.click(2);
    w.MSF_Decode.click(2, 0);
    w.Text_B.enter("1200");
    ASSERT_TRUE(w.Text_B.focused());
    p.wr().Command_Write.Click();  // the handler alone: no focus moves
    ASSERT_TRUE(p.run_until_idle(p.wr().Link));
    EXPECT_EQ(Tones::Freq[1].get(p.app.Mem_image, 1), 1200);
    EXPECT_EQ(p.radio.radio.mem[0x2F12] + 256 * p.radio.radio.mem[0x2F13], 1200);
}

// A tone box entered and left as shown stores nothing (a period count that
// is not the one the tone would give stays); one showing a tone outside the
// range is refused when left, as a typed one. A box still focused over data
// that a load replaces stores nothing of its old text.
TEST_F(TwoToneEdit, ToneBoxLookAndLoad) {
    w.TabStrip1.click(2);
    Tones::Freq[0].set(p.app.Mem_image, 0, 1000);
    Tones::Period[0].set(p.app.Mem_image, 0, 0x1234);
    Tones::Freq[1].set(p.app.Mem_image, 0, 0);
    Tones::Period[1].set(p.app.Mem_image, 0, 0x0102);
    p.app.Image_replaced();
    const bx::MemImage before = p.app.Mem_image;
    w.Text_A.focus();
    w.Text_B.focus();
    w.Text_C.focus();
    EXPECT_TRUE(p.app.Mem_image == before);
    EXPECT_EQ(p.shown(kRange), 0);
    Tones::Freq[2].set(p.app.Mem_image, 0, 200);
    p.app.Image_replaced();
    w.Text_D.focus();
    EXPECT_EQ(p.shown(kRange), 1);
    EXPECT_EQ(Tones::Freq[2].get(p.app.Mem_image, 0), 0xFFFF);

    bx::MemImage file = factory;
    Tones::Freq[3].set(file, 0, 2500);
    w.Text_D.enter("1700");
    p.load(file);
    EXPECT_EQ(w.Text_D.Text(), "2500.0");
    w.Text_A.focus();
    EXPECT_TRUE(p.app.Mem_image == file);
}

// In front during a full read, then one pick: every other byte stays as
// read.
TEST_F(TwoToneEdit, FullReadThenOnePick) {
    bx::MemImage radio_img = factory;
    Enc::Tone_1.set(radio_img, 3, 1234);
    Dec::Pair[2].set(radio_img, 5, 6);
    Dec::Resp[2].set(radio_img, 5, 3);
    for (int r = 0; r < bx::kImageRecords; ++r)
        for (int b = 0; b < 16; ++b) p.radio.radio.mem[static_cast<size_t>(16 * r + b)] = radio_img(r, b);
    w.TabStrip1.click(2);
    w.MSF_Decode.click(6, 7);  // a list open during the read
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));
    bx::App::Unload(*p.app.Form_Comm_Read);
    p.rt.recorder.clear();
    w.Activate();
    EXPECT_EQ(w.MSF_Decode.TextMatrix(6, 7), "C-A");
    EXPECT_EQ(w.MSF_Decode.TextMatrix(6, 8), "3.Alert+Transpond");
    const bx::MemImage read = p.app.Mem_image;
    w.MSF_Decode.click(6, 8);
    w.Combo_Decode.pick(0);
    w.MSF_Decode.click(7, 0);
    bx::MemImage expect = read;
    Dec::Resp[2].set(expect, 5, 0);
    EXPECT_TRUE(p.app.Mem_image == expect);
}
