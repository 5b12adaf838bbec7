// The 5-tone editor's cell editors store exactly what the user did: a cell
// opened and left stores nothing, an open editor goes unstored when the
// rows are rebuilt from the image or the grid scrolls, and a changed frame
// still on screen is left as its cell's leave would before Write, Save, the
// main window's Save, deactivation and Close.
#include <functional>
#include <string>
#include <vector>

#include "editors/signalling/five_tone_rules.h"
#include "five_tone_support.h"
#include "model/datafile.h"
#include "model/layouts.h"
#include "shell/dialogs.h"
#include "support/tempdir.h"

using namespace fivetonetest;

namespace {

namespace Code = bx::layout::Sig_5tone_code_record;
const char* const kFiveDigits = "Encode Digit is 5 Bits.";

class FiveToneEdit : public FiveTone {
protected:
    void SetUp() override {
        FiveTone::SetUp();
        factory = p.app.Mem_image;
        w.TabStrip1.click(2);
    }
    std::vector<uint8_t> frame(int code, int f) { return Code::Frame[f - 1].bytes(p.app.Mem_image, code - 1); }
    void set_frame(int code, int f, std::vector<uint8_t> b) { Code::Frame[f - 1].put(p.app.Mem_image, code - 1, b); }
    void load(const bx::MemImage& file) {
        ASSERT_FALSE(bx::Save_data_file(dir / "load.dat", file));
        auto& d = *p.app.Form_open_chann;
        if (!d.Loaded()) bx::App::Open(d);
        ASSERT_TRUE(d.Dir1.setPath(dir.path()));
        d.Text1.enter("load.dat");
        d.Command_enter.click();
    }
    void away_and_back() {
        p.main().Prog_read.click();
        w.Activate();
    }
    void close_dialogs() {
        for (ui::Form* f : {static_cast<ui::Form*>(p.app.Form_save_chann.get()),
                            static_cast<ui::Form*>(p.app.Form_open_chann.get()),
                            static_cast<ui::Form*>(p.app.Form_Comm_Read.get())})
            if (f->Loaded()) bx::App::Unload(*f);
        if (!w.Loaded()) {
            p.open();
            w.TabStrip1.click(2);
        }
        w.Activate();
    }
    bx::MemImage factory;
    bxtest::TempDir dir;
};

}  // namespace

// A frame cell opened and left (by a click elsewhere, or after typing that
// is undone) keeps its bytes, also bytes its text does not give back, and
// a frame 2 of a code without frame 1; a shown frame that is not five
// digits still brings the message.
TEST_F(FiveToneEdit, FrameCellLookStoresNothing) {
    struct Case {
        const char* name;
        std::vector<uint8_t> frame_1, bytes;  // frames 1 and 2 of code 4
        const char* keys;  // typed, then undone
        const char* cell;
        int messages;
    } cases[] = {
        {"five digits", {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, "", "12345", 0},
        {"a byte beyond F", {1, 2, 3, 4, 5}, {1, 2, 0x20, 4, 5}, "", "12 45", 0},
        {"typed and undone", {1, 2, 3, 4, 5}, {1, 2, 0x20, 4, 5}, "\b5\b5", "12 45", 0},
        {"no digits", {1, 2, 3, 4, 5}, {0x10, 0xFF, 0xFF, 0x30, 0xFF}, "", "     ", 0},
        {"three digits", {1, 2, 3, 4, 5}, {10, 11, 12, 0xFF, 0xFF}, "", "ABC  ", 1},
        {"no frame 1", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {6, 7, 8, 9, 0}, "", "67890", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.app.Mem_image = factory;
        set_frame(4, 1, c.frame_1);
        set_frame(4, 2, c.bytes);
        p.app.Image_replaced();
        const bx::MemImage before = p.app.Mem_image;
        p.rt.recorder.clear();
        EXPECT_EQ(w.MSF_Encode.TextMatrix(4, 2), c.cell);
        w.MSF_Encode.click(4, 2);
        ASSERT_TRUE(w.Text_Encode.Visible());
        w.Text_Encode.Select(5, 0);  // a click at the end of the selected frame
        w.Text_Encode.type(c.keys);
        w.MSF_Encode.click(9, 0);
        EXPECT_TRUE(p.app.Mem_image == before);
        EXPECT_EQ(p.shown(kFiveDigits), c.messages);
        w.TabStrip1.click(1);  // a held box goes with the page
        w.TabStrip1.click(2);
        EXPECT_TRUE(p.app.Mem_image == before);
    }
    // The same for the standard lists: opened, left, nothing stored.
    const bx::MemImage before = p.app.Mem_image;
    w.MSF_Encode.click(15, 4);
    w.MSF_Encode.click(14, 0);
    w.TabStrip1.click(1);
    w.MSF_Chann.click(3, 1);
    w.MSF_Chann.click(5, 3);
    w.MSF_Chann.click(7, 0);
    EXPECT_TRUE(p.app.Mem_image == before);
}

// Five digits typed into a frame box, then X: the cell shows them and the
// image holds them (a frame of three digits brings the message first, once).
TEST_F(FiveToneEdit, ChangedFrameLeftBeforeCommands) {
    using Act = std::function<void(FiveToneProgram&, bx::frm_5tone&)>;
    struct Case {
        const char* name;
        Act act;
    } cases[] = {
        {"Write",
         [](FiveToneProgram& q, bx::frm_5tone& x) {
             x.Command_Write.click();
             ASSERT_TRUE(q.run_until_idle(x.Link));
         }},
        {"Save", [](FiveToneProgram&, bx::frm_5tone& x) { x.Command_save.click(); }},
        {"main Save", [](FiveToneProgram& q, bx::frm_5tone&) { q.main().Toolbar1.click("save"); }},
        {"main Save As", [](FiveToneProgram& q, bx::frm_5tone&) { q.main().File_saveas.click(); }},
        {"deactivation", [](FiveToneProgram& q, bx::frm_5tone&) { q.main().Prog_read.click(); }},
        {"Close", [](FiveToneProgram&, bx::frm_5tone& x) { x.Command_close.click(); }},
    };
    for (const Case& c : cases) {
        for (const char* typed : {"ABCDE", "ABC"}) {
            SCOPED_TRACE(std::string(c.name) + " " + typed);
            close_dialogs();
            p.app.Mem_image = factory;
            p.app.Image_replaced();
            p.rt.recorder.clear();
            w.MSF_Encode.click(1, 3);
            w.Text_Encode.enter(typed);
            c.act(p, w);
            const bool five = std::string(typed).size() == 5;
            EXPECT_EQ(p.shown(kFiveDigits), five ? 0 : 1);
            EXPECT_EQ(frame(1, 3), five ? std::vector<uint8_t>({10, 11, 12, 13, 14})
                                        : std::vector<uint8_t>({10, 11, 12, 0xFF, 0xFF}));
            if (w.Loaded() && five) {
                EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 3), "ABCDE");
                EXPECT_FALSE(w.Text_Encode.Visible());
            }
        }
    }
    close_dialogs();
    // Write sent what the box held.
    w.MSF_Encode.click(15, 1);
    w.Text_Encode.enter("FEDCB");
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.radio.radio.mem[0x2500 + 16 * 14], 15);
    EXPECT_EQ(p.radio.radio.mem[0x2500 + 16 * 14 + 4], 11);
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 1), "FEDCB");
}

// A frame box open with a changed text, then the rows are rebuilt from the
// image (Default, the window's own read, a data-file load): the box is gone
// unstored, no message follows, and the cells show the image. Coming back
// to the window after another one came to the front (which left the edit:
// the message; the open dialog of a load does the same) drops the box the
// same way.
TEST_F(FiveToneEdit, OpenEditorsDroppedOnRebuild) {
    bx::MemImage other = factory;
    Code::Frame[0].put(other, 0, std::vector<uint8_t>{9, 8, 7, 6, 5});
    struct Case {
        const char* name;
        std::function<void()> act;
        const bx::MemImage* expect;  // nullptr: the image as typed
        int messages;
    } cases[] = {
        {"Default", [&] { w.Command_def.click(); }, &factory, 0},
        {"own Read",
         [&] {
             for (int r = 576; r <= 607; ++r)
                 for (int b = 0; b < 16; ++b) p.radio.radio.mem[static_cast<size_t>(16 * r + b)] = other(r, b);
             w.Command_read.click();
             ASSERT_TRUE(p.run_until_idle(w.Link));
         },
         &other, 0},
        {"Open", [&] { load(other); }, &other, 1},
        {"away and back", [&] { away_and_back(); }, nullptr, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        close_dialogs();
        p.app.Mem_image = factory;
        p.app.Image_replaced();
        w.MSF_Encode.click(1, 1);
        w.Text_Encode.enter("12");
        p.rt.recorder.clear();
        c.act();
        EXPECT_FALSE(w.Text_Encode.Visible());
        const bx::MemImage after = p.app.Mem_image;
        if (c.expect) {
            EXPECT_TRUE(after == *c.expect);
        } else {
            EXPECT_EQ(frame(1, 1), std::vector<uint8_t>({1, 2, 0xFF, 0xFF, 0xFF}));
        }
        EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 1),
                  bx::five_tone::Frame_text(Code::Frame[0].bytes(after, 0)));
        w.MSF_Encode.click(9, 1);
        w.MSF_Encode.click(9, 0);
        EXPECT_EQ(p.shown(kFiveDigits), c.messages);
        EXPECT_TRUE(p.app.Mem_image == after);
    }
}

// A list's pick shows in its cell also when the list goes without a leave
// (the window coming back to the front).
TEST_F(FiveToneEdit, PickShowsWhenTheListIsDropped) {
    w.MSF_Encode.click(1, 4);
    w.Combo_Encode.pick(4);
    EXPECT_EQ(p.at(592, 15), 4);
    away_and_back();
    EXPECT_FALSE(w.Combo_Encode.Visible());
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 4), "ZVEI2");
    w.Combo_Encode.setListIndex(6);  // a late pick reaches nothing
    EXPECT_EQ(p.at(592, 15), 4);
}

// In front during a data-file load, then one edit: every other byte stays
// as loaded.
TEST_F(FiveToneEdit, LoadThenOneEdit) {
    bx::MemImage file = factory;
    Code::Frame[2].put(file, 4, std::vector<uint8_t>{1, 1, 2, 2, 3});
    Code::Std.set(file, 4, 7);
    bx::layout::Sig_5tone_std_record::Period.set(file, 2, 9);
    w.MSF_Encode.click(5, 2);  // an editor open during the load
    load(file);
    ASSERT_TRUE(p.app.Mem_image == file);
    w.Activate();
    EXPECT_EQ(w.MSF_Encode.TextMatrix(5, 3), "11223");
    w.MSF_Encode.click(5, 1);
    w.Text_Encode.enter("00000");
    w.MSF_Encode.click(8, 0);
    bx::MemImage expect = file;
    Code::Frame[0].put(expect, 4, std::vector<uint8_t>{0, 0, 0, 0, 0});
    EXPECT_TRUE(p.app.Mem_image == expect);
}
