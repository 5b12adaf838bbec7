// What the channel and FM grids store when a cell editor is opened, something
// happens, and the cell is left: only what the user changed, never over data
// that was read, loaded or reset meanwhile, and never dropped while still on
// screen when a command goes on. And a window in front while the whole image
// is replaced shows the new image, so one edit leaves every other byte as it
// came.
#include <functional>

#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/fm/fm_rows.h"
#include "editors/options/frm_option.h"
#include "model/datafile.h"
#include "model/defaults.h"
#include "shell/frmabout.h"
#include "support/tempdir.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace editortest;
using bx::kColName;
using bx::kColRxFreq;
using bx::kColTxFreq;
using bx::kFmColFreq;
using bx::kFmColName;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A channel record and its name record.
struct Chann {
    Bytes rec, name;
};

// Channel 9 (grid row 10) as the image holds it, as the radio holds it, as a
// data file holds it, and after 146.525 was typed into its receive cell.
const Bytes kSettings = {0x9E, 0x02, 0x9E, 0x02, 0x00, 0x00, 0x00, 0x04};
const Chann kPair{cat({0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x50, 0x14}, kSettings),
                  cat({'R', 'P', 'T', '0'}, Bytes(12, 0xFF))};
const Chann kRadio{cat({0x00, 0x00, 0x95, 0x43, 0x00, 0x00, 0x45, 0x43}, {0, 0, 0, 0, 0x21, 0x00, 0x01, 0x0C}),
                   cat({'R', 'P', 'T', '1'}, Bytes(12, 0xFF))};
const Chann kFile{cat({0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x66, 0x14}, {0, 0, 0, 0, 0x02, 0x10, 0x00, 0x44}),
                  cat({'F', 'I', 'L', 'E'}, Bytes(12, 0xFF))};
const Chann kTyped{cat({0x00, 0x25, 0x65, 0x14, 0x00, 0x25, 0x65, 0x14}, kSettings), kPair.name};
const Chann kErased{Bytes(16, 0xFF), Bytes(16, 0xFF)};
constexpr int kRow = 10, kRec = 9, kNameRec = 256 + 9;

void put_chann(bx::MemImage& img, const Chann& c) {
    for (int b = 0; b < 16; ++b) {
        img(kRec, b) = c.rec[static_cast<size_t>(b)];
        img(kNameRec, b) = c.name[static_cast<size_t>(b)];
    }
}

void put_radio(EditorProgram& p, int rec, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), p.radio.radio.mem.begin() + 16 * rec);
}

// Loads a data file through the open dialog that cmd brings up.
void load_file(EditorProgram& p, const bxtest::TempDir& dir, const std::function<void()>& cmd) {
    cmd();
    auto& dlg = static_cast<bx::FileDialog&>(*p.app.Form_named("Form_open_chann"));
    ASSERT_TRUE(dlg.Loaded());
    ASSERT_TRUE(dlg.Dir1.setPath(dir.path()));
    dlg.Text1.enter("image.dat");
    dlg.Command_enter.click();
}

void save_file(const bxtest::TempDir& dir, bx::MemImage img) {
    ASSERT_FALSE(bx::Save_data_file(dir / "image.dat", img));
}


}  // namespace

// Open the receive cell of a repeater pair, maybe type, do X, then leave the
// cell (a click elsewhere, when the window is still there).
TEST(EditRules, ChannelCellThenCommandThenLeave) {
    struct Case {
        const char* what;
        const char* typed;  // nullptr: nothing typed
        std::function<void(EditorProgram&, const bxtest::TempDir&)> act;
        // The channel as it ends, from the image before the act (Default).
        std::function<Chann(const bx::MemImage&)> want;
        std::vector<std::string> messages;
    };
    auto is = [](const Chann& c) { return [c](const bx::MemImage&) { return c; }; };
    auto none = [](EditorProgram&, const bxtest::TempDir&) {};
    const Case cases[] = {
        {"nothing", nullptr, none, is(kPair), {}},
        {"Enter", nullptr, [](EditorProgram& p, const bxtest::TempDir&) { p.ch().Text_Edit.type("\r"); }, is(kPair),
         {}},
        {"type and leave", "146.525", none, is(kTyped), {}},
        {"Read", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) {
             p.ch().Command_read.click();
             ASSERT_TRUE(p.run_until_idle(p.ch().Link));
         },
         is(kRadio), {kReadDone}},
        {"Open", "146.525",
         [](EditorProgram& p, const bxtest::TempDir& d) { load_file(p, d, [&] { p.ch().Command_open.click(); }); },
         is(kFile), {kLoaded}},
        {"Default", "146.525", [](EditorProgram& p, const bxtest::TempDir&) { p.ch().Command_def.click(); },
         [](const bx::MemImage& img) {
             bx::MemImage d = img;
             bx::Load_chann_defaults(d);
             Chann c;
             for (int b = 0; b < 16; ++b) c.rec.push_back(d(kRec, b)), c.name.push_back(d(kNameRec, b));
             // A channel not in use is shown erased, its name too.
             if (c.rec[0] == 0xFF) c = kErased;
             return c;
         },
         {}},
        {"Clear", "146.525", [](EditorProgram& p, const bxtest::TempDir&) { p.ch().Command_Clear.click(); },
         is(kErased), {}},
        // Another window in front commits the edit; the image changed behind
        // the window shows when it comes back.
        {"deactivation, activation", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) {
             bx::App::Open(*p.app.frmAbout);
             EXPECT_EQ(p.image_record(kRec), kTyped.rec);
             put_chann(p.app.Mem_image, kFile);
             p.app.frmAbout->Unload();
         },
         is(kFile), {}},
        {"scroll", "146.525", [](EditorProgram& p, const bxtest::TempDir&) { p.ch().MSF_Chann.wheel(30); },
         is(kPair), {}},
        {"Write", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) {
             p.ch().Command_Write.click();
             ASSERT_TRUE(p.run_until_idle(p.ch().Link));
             EXPECT_EQ(p.radio_record(kRec), kTyped.rec);
         },
         is(kTyped), {kWriteDone}},
        {"Save", "146.525", [](EditorProgram& p, const bxtest::TempDir&) { p.ch().Command_save.click(); },
         is(kTyped), {}},
        {"main window's Save", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) { p.main().File_save.click(); }, is(kTyped), {}},
        {"main window's Save As", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) { p.main().File_saveas.click(); }, is(kTyped), {}},
        {"toolbar Save", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) { p.main().Toolbar1.click("save"); }, is(kTyped), {}},
        {"Close", "146.525", [](EditorProgram& p, const bxtest::TempDir&) { p.ch().Command_close.click(); },
         is(kTyped), {}},
        {"close box", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) { EXPECT_TRUE(p.ch().Unload(false, ui::vbFormControlMenu)); },
         is(kTyped), {}},
        {"FM-Radio unloads the window", "146.525",
         [](EditorProgram& p, const bxtest::TempDir&) { p.main().fm_chann_edit.click(); }, is(kTyped), {}},
        {"out of range, left as shown", nullptr,
         [](EditorProgram&, const bxtest::TempDir&) {},
         is(Chann{cat({0x00, 0x00, 0x00, 0x13, 0x00, 0x00, 0x50, 0x14}, kSettings), kPair.name}),
         {"Over the range of receive frequency ."}},
    };
    for (const Case& c : cases) {
        EditorProgram p;
        bxtest::TempDir dir;
        p.open_chann();
        bx::frm_chann& w = p.ch();
        put_chann(p.app.Mem_image, kPair);
        if (std::string(c.what).starts_with("out of range"))
            p.app.Mem_image(kRec, 3) = 0x60;  // 600.5 MHz, as a file may hold it
        {
            bx::MemImage file = p.app.Mem_image;
            put_chann(file, kFile);
            save_file(dir, file);
        }
        put_radio(p, kRec, kRadio.rec);
        put_radio(p, kNameRec, kRadio.name);
        w.Form_GotFocus();
        const bx::MemImage before = p.app.Mem_image;
        const Chann want = c.want(before);

        w.MSF_Chann.click(kRow, kColRxFreq);
        ASSERT_TRUE(w.Text_Edit.Visible()) << c.what;
        if (c.typed) w.Text_Edit.enter(c.typed);
        c.act(p, dir);
        if (w.Loaded()) w.MSF_Chann.click(30, 0);

        EXPECT_EQ(p.image_record(kRec), want.rec) << c.what;
        EXPECT_EQ(p.image_record(kNameRec), want.name) << c.what;
        EXPECT_EQ(p.texts(), c.messages) << c.what;
        // Every other channel is as it was (or as read, loaded, reset).
        if (w.Loaded()) {
            EXPECT_FALSE(w.Text_Edit.Visible()) << c.what;
            // The row shows what the image holds.
            const bx::MemImage now = p.app.Mem_image;
            w.Form_GotFocus();
            EXPECT_EQ(p.app.Mem_image, now) << c.what;
            for (int col : {kColRxFreq, kColTxFreq, kColName}) {
                const std::string shown = p.cell(kRow, col);
                w.Form_GotFocus();
                EXPECT_EQ(p.cell(kRow, col), shown) << c.what << " col " << col;
            }
        }
    }
}

// The receive cell looked at keeps a separate transmit frequency and a
// receive-only channel's missing one; Enter moves on without a store.
TEST(EditRules, ChannelLookingChangesNothing) {
    const Chann rx_only{cat({0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF}, {0, 0, 0xFF, 0xFF, 0, 0, 0, 4}),
                        Bytes(16, 0xFF)};
    for (const Chann* ch : {&kPair, &rx_only}) {
        for (bool enter : {false, true}) {
            for (int col : {kColRxFreq, kColTxFreq, kColName}) {
                EditorProgram p;
                p.open_chann();
                bx::frm_chann& w = p.ch();
                put_chann(p.app.Mem_image, *ch);
                w.Form_GotFocus();
                const bx::MemImage before = p.app.Mem_image;
                std::vector<std::string> cells;
                for (int c = 0; c < bx::kChannCols; ++c) cells.push_back(p.cell(kRow, c));
                w.MSF_Chann.click(kRow, col);
                if (enter) w.Text_Edit.type("\r");
                w.MSF_Chann.click(30, 0);
                EXPECT_TRUE(p.app.Mem_image == before) << col << enter;
                for (int c = 0; c < bx::kChannCols; ++c) EXPECT_EQ(p.cell(kRow, c), cells[static_cast<size_t>(c)]) << col << enter << c;
                EXPECT_TRUE(p.texts().empty());
            }
        }
    }
}

// A receive frequency typed on a channel decides "new channel" from its
// record: a row whose cells were blanked on screen only keeps its settings,
// and an erased record gets the new-channel settings whole.
TEST(EditRules, ChannelNewChannelFromTheRecord) {
    EditorProgram p;
    p.open_chann();
    bx::frm_chann& w = p.ch();
    put_chann(p.app.Mem_image, kPair);
    w.Form_GotFocus();
    w.MSF_Chann.setTextMatrix(kRow, kColRxFreq, "");  // the screen alone
    p.type_at(kRow, kColRxFreq, "146.525", 30, 0);
    EXPECT_EQ(p.image_record(kRec), kTyped.rec);
    // Erased record, cells still showing something: defaults, never a half
    // record.
    put_chann(p.app.Mem_image, kErased);
    p.type_at(kRow, kColRxFreq, "146.525", 30, 0);
    EXPECT_EQ(p.image_record(kRec),
              cat({0x00, 0x25, 0x65, 0x14, 0x00, 0x25, 0x65, 0x14}, {0, 0, 0, 0, 0, 0, 0, 4}));
}

// The FM grid: open preset 1's cell, maybe type, do X, leave.
TEST(EditRules, FmCellThenCommandThenLeave) {
    // Preset 1: the factory's name stored from byte 8 (a five-letter name
    // would be stored from byte 9 by a commit of the name; a frequency
    // commit leaves the name's bytes).
    const Bytes factory = cat({0, 8, 8, 9, 0, 0, 0, 0}, {'C', 'C', 'T', 'V', '1', 0xFF, 0xFF, 0xFF});
    const Bytes radio = cat({0, 9, 4, 5, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 'R', 'A', 'D', 0xFF, 0xFF});
    const Bytes file = cat({1, 0, 1, 1, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 'F', 'I', 'L', 'E', 0xFF});
    const Bytes typed_name = cat({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 'Z', 'Z', 0xFF, 0xFF, 0xFF});
    const Bytes typed_freq = cat({0, 9, 6, 0, 0, 0, 0, 0}, {'C', 'C', 'T', 'V', '1', 0xFF, 0xFF, 0xFF});
    constexpr int kPreset = 768;
    using Act = std::function<void(EditorProgram&, const bxtest::TempDir&)>;
    struct Case {
        const char* what;
        int col;
        const char* typed;
        Act act;
        Bytes want;  // empty: the factory preset of Default
        std::vector<std::string> messages;
    };
    const Act none = [](EditorProgram&, const bxtest::TempDir&) {};
    const Case cases[] = {
        {"name: nothing", kFmColName, nullptr, none, factory, {}},
        {"freq: nothing", kFmColFreq, nullptr, none, factory, {}},
        {"name: Enter", kFmColName, nullptr,
         [](EditorProgram& p, const bxtest::TempDir&) { p.fm().Text_Edit.type("\r"); }, factory, {}},
        {"name: type and leave", kFmColName, "zz", none, typed_name, {}},
        {"scroll", kFmColName, "zz",
         [](EditorProgram& p, const bxtest::TempDir&) {
             ui::Grid& g = p.fm().MSF_Chann;
             g.setHeight(g.RowHeight() * 6);  // short enough to scroll
             g.scroll_to(1, 0);
             g.wheel(3);
             EXPECT_GT(g.TopRow(), 1);
         },
         factory, {}},
        {"freq: type and leave", kFmColFreq, "96", none, typed_freq, {}},
        {"Read", kFmColName, "zz",
         [](EditorProgram& p, const bxtest::TempDir&) {
             p.fm().Command_read.click();
             ASSERT_TRUE(p.run_until_idle(p.fm().Link));
         },
         radio, {"Complete reading the data from transceiver."}},
        {"Open", kFmColName, "zz",
         [](EditorProgram& p, const bxtest::TempDir& d) { load_file(p, d, [&] { p.fm().Command_open.click(); }); },
         file, {kLoaded}},
        {"Default", kFmColFreq, "96", [](EditorProgram& p, const bxtest::TempDir&) { p.fm().Command_def.click(); },
         {}, {}},
        {"Clear", kFmColName, "zz", [](EditorProgram& p, const bxtest::TempDir&) { p.fm().Command_Clear.click(); },
         Bytes(16, 0), {}},
        {"deactivation, activation", kFmColName, "zz",
         [&](EditorProgram& p, const bxtest::TempDir&) {
             bx::App::Open(*p.app.frmAbout);
             EXPECT_EQ(p.image_record(kPreset), typed_name);
             p.put(kPreset, file);
             p.app.frmAbout->Unload();
         },
         file, {}},
        {"Write", kFmColName, "zz",
         [&](EditorProgram& p, const bxtest::TempDir&) {
             p.fm().Command_Write.click();
             ASSERT_TRUE(p.run_until_idle(p.fm().Link));
             EXPECT_EQ(p.radio_record(kPreset), typed_name);
         },
         typed_name, {"Complete Written FM parameters to the transceiver."}},
        {"Save", kFmColName, "zz", [](EditorProgram& p, const bxtest::TempDir&) { p.fm().Command_save.click(); },
         typed_name, {}},
        {"main window's Save", kFmColName, "zz",
         [](EditorProgram& p, const bxtest::TempDir&) { p.main().File_save.click(); }, typed_name, {}},
        {"Close", kFmColName, "zz", [](EditorProgram& p, const bxtest::TempDir&) { p.fm().Command_close.click(); },
         typed_name, {}},
    };
    for (const Case& c : cases) {
        EditorProgram p;
        bxtest::TempDir dir;
        p.open_fm();
        bx::frm_FM& w = p.fm();
        p.put(kPreset, factory);
        {
            bx::MemImage f = p.app.Mem_image;
            for (int b = 0; b < 16; ++b) f(kPreset, b) = file[static_cast<size_t>(b)];
            save_file(dir, f);
        }
        put_radio(p, kPreset, radio);
        w.Form_GotFocus();
        Bytes want = c.want;
        if (want.empty()) {
            bx::MemImage d = p.app.Mem_image;
            bx::Load_fm_defaults(d);
            for (int b = 0; b < 16; ++b) want.push_back(d(kPreset, b));
        }
        p.rt.recorder.clear();
        w.MSF_Chann.click(1, c.col);
        ASSERT_TRUE(w.Text_Edit.Visible()) << c.what;
        if (c.typed) w.Text_Edit.enter(c.typed);
        c.act(p, dir);
        if (w.Loaded()) w.MSF_Chann.click(10, 0);
        EXPECT_EQ(p.image_record(kPreset), want) << c.what;
        EXPECT_EQ(p.texts(), c.messages) << c.what;
        if (w.Loaded()) {
            EXPECT_FALSE(w.Text_Edit.Visible()) << c.what;
            const bx::FmCells shown = bx::Fm_row_cells(p.app.Mem_image, 1);
            EXPECT_EQ(w.MSF_Chann.TextMatrix(1, kFmColFreq), shown.freq) << c.what;
            EXPECT_EQ(w.MSF_Chann.TextMatrix(1, kFmColName), shown.name) << c.what;
        }
    }
}

// The channel or FM window in front while the whole image is replaced (the
// read window's full read, a data-file load from the main window): it shows
// the new image, and one edit changes only what was edited.
TEST(EditRules, WindowInFrontWhileTheImageIsReplaced) {
    enum class Way { FullRead, MainOpen };
    for (Way way : {Way::FullRead, Way::MainOpen}) {
        for (bool fm : {false, true}) {
            const std::string what = std::string(fm ? "FM" : "channel") + (way == Way::FullRead ? " read" : " load");
            EditorProgram p;
            bxtest::TempDir dir;
            if (fm) p.open_fm();
            else p.open_chann();
            // The new image: channel 9 and preset 1 differ from the old one.
            bx::MemImage fresh = p.app.Mem_image;
            put_chann(fresh, kRadio);
            const Bytes preset = cat({0, 9, 4, 5, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 'R', 'A', 'D', 0xFF, 0xFF});
            for (int b = 0; b < 16; ++b) fresh(768, b) = preset[static_cast<size_t>(b)];
            bx::MemImage replaced;
            if (way == Way::FullRead) {
                put_radio(p, kRec, kRadio.rec);
                put_radio(p, kNameRec, kRadio.name);
                put_radio(p, 768, preset);
                p.main().Prog_read.click();
                p.rd().Command_read.click();
                ASSERT_TRUE(p.run_until_idle(p.rd().Link)) << what;
            } else {
                save_file(dir, fresh);
                load_file(p, dir, [&] { p.main().File_Open.click(); });
            }
            replaced = p.app.Mem_image;
            if (way == Way::MainOpen) {
                EXPECT_TRUE(replaced == fresh) << what;
            }
            EXPECT_EQ(p.image_record(kRec), kRadio.rec) << what;
            EXPECT_EQ(p.image_record(768), preset) << what;
            // One edit in the window, which shows the new image at once.
            if (fm) {
                EXPECT_EQ(p.fm().MSF_Chann.TextMatrix(1, kFmColFreq), "94.50000") << what;
                p.fm().MSF_Chann.click(1, kFmColName);
                p.fm().Text_Edit.enter("xy");
                p.fm().MSF_Chann.click(10, 0);
                for (int b = 0; b < 8; ++b) replaced(768, b) = preset[static_cast<size_t>(b)];
                for (int b = 8; b < 16; ++b) replaced(768, b) = b == 11 ? 'X' : b == 12 ? 'Y' : 0xFF;
            } else {
                EXPECT_EQ(p.cell(kRow, kColRxFreq), "439.50000") << what;
                p.type_at(kRow, kColRxFreq, "438.5", 30, 0);
                // The receive frequency and, with it, the transmit one.
                for (int b : {0, 4}) {
                    replaced(kRec, b) = 0x00, replaced(kRec, b + 1) = 0x00;
                    replaced(kRec, b + 2) = 0x85, replaced(kRec, b + 3) = 0x43;
                }
            }
            EXPECT_TRUE(p.app.Mem_image == replaced) << what;
        }
    }
}

// Another window coming to the front commits a new channel as leaving its
// cell does (defaults and transmit frequency included), and nothing the
// commit does takes the focus or the current cell: the window in front
// stays in front.
TEST(EditRules, DeactivationCommitsAsTheLeaveAndKeepsTheFocus) {
    const std::vector<uint8_t> want = {0x00, 0x00, 0x70, 0x14, 0x00, 0x00, 0x70, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};
    EditorProgram p;
    p.open_chann();
    ui::Form& options = *p.app.Editor<bx::EditorId::frm_option>();
    bx::App::Open(options);
    p.ch().Activate();
    p.ch().MSF_Chann.click(9, kColRxFreq);
    p.ch().Text_Edit.enter("147");
    const ui::Focusable* focused = p.ch().ActiveControl();
    ASSERT_EQ(focused, &p.ch().Text_Edit);
    options.Activate();
    EXPECT_EQ(p.rec(8), want);
    EXPECT_EQ(p.cell(9, kColTxFreq), "147.00000");
    EXPECT_EQ(p.ch().ActiveControl(), focused);
    EXPECT_EQ(p.ch().MSF_Chann.Row(), 9);
    EXPECT_EQ(p.ch().MSF_Chann.Col(), kColRxFreq);
    EXPECT_EQ(options.Front(), &options);
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}
