// A commit whose message box is still open when the data under it is
// replaced (a full read ends, a data file is loaded, the window's own read
// ends) stores nothing once the box is closed: the field shows the new data
// and its record keeps the new bytes.
// A commit is judged on its own data set: the alignment table is not the
// image, and the image is not the alignment table.
#include <algorithm>
#include <functional>

#include "editors/alignment/adj_support.h"
#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/fm/frm_fm.h"
#include "editors/options/frm_option.h"
#include "editors/signalling/frm_2tone.h"
#include "model/adj_file.h"
#include "model/datafile.h"
#include "model/layouts.h"
#include "support/tempdir.h"

using namespace editortest;

namespace {

// A field whose leave shows a message for the text typed.
struct Kind {
    const char* name;
    std::function<void(EditorProgram&)> open;    // the window up, the radio identified
    std::function<void(EditorProgram&)> commit;  // typed and left: the message shows
    std::function<void(bx::MemImage&)> change;   // what the new image holds
    int rec;                                     // the record the commit would store into
    std::function<std::string(EditorProgram&)> shown;
    const char* want_shown;
    std::function<bx::EditorWindow&(EditorProgram&)> window;  // the field's window
};

namespace Enc = bx::layout::Sig_2tone_enc_record;

bx::frm_option& options(EditorProgram& p) { return *p.app.Editor<bx::EditorId::frm_option>(); }
bx::frm_2tone& two_tone(EditorProgram& p) { return *p.app.Editor<bx::EditorId::frm_2tone>(); }

const Kind kKinds[] = {
    {"channel receive frequency out of range", [](EditorProgram& p) { bx::App::Open(p.ch()); },
     [](EditorProgram& p) { p.type_at(10, bx::kColRxFreq, "600", 12, 0); },
     [](bx::MemImage& img) {
         const uint8_t rec[16] = {0x00, 0x00, 0x95, 0x43, 0x00, 0x00, 0x45, 0x43, 0, 0, 0, 0, 0x21, 0x00, 0x01, 0x0C};
         for (int b = 0; b < 16; ++b) img(9, b) = rec[b];
     },
     9, [](EditorProgram& p) { return p.cell(10, bx::kColRxFreq); }, "439.50000",
     [](EditorProgram& p) -> bx::EditorWindow& { return p.ch(); }},
    {"channel name too long",
     [](EditorProgram& p) {
         const uint8_t rec[16] = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x50, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};
         for (int b = 0; b < 16; ++b) p.app.Mem_image(9, b) = rec[b];
         bx::App::Open(p.ch());
     },
     [](EditorProgram& p) { p.type_at(10, bx::kColName, "ABCDEFGH", 12, 0); },
     [](bx::MemImage& img) {
         const char name[] = "FILE";
         for (int b = 0; b < 4; ++b) img(256 + 9, b) = static_cast<uint8_t>(name[b]);
     },
     256 + 9, nullptr, nullptr, [](EditorProgram& p) -> bx::EditorWindow& { return p.ch(); }},
    {"options VFO A out of range", [](EditorProgram& p) { bx::App::Open(options(p)); },
     [](EditorProgram& p) {
         options(p).Text_Freq_a.focus();
         options(p).Text_Freq_a.enter("100");
         options(p).Text_Freq_b.focus();
     },
     [](bx::MemImage& img) {
         const uint8_t digits[8] = {1, 4, 4, 0, 0, 0, 0, 0};
         for (int b = 0; b < 8; ++b) img(240, b) = digits[b];
     },
     240, [](EditorProgram& p) { return options(p).Text_Freq_a.Text(); }, "144.00000",
     [](EditorProgram& p) -> bx::EditorWindow& { return options(p); }},
    {"2-tone encode tone out of range",
     [](EditorProgram& p) {
         bx::App::Open(two_tone(p));
         two_tone(p).TabStrip1.click(1);
     },
     [](EditorProgram& p) {
         two_tone(p).MSF_Encode.click(10, 1);
         two_tone(p).Text_Encode.enter("9999");
         two_tone(p).MSF_Encode.click(12, 2);
     },
     [](bx::MemImage& img) { Enc::Tone_1.set(img, 9, 1234); }, Enc::Records.first + 9,
     [](EditorProgram& p) { return two_tone(p).MSF_Encode.TextMatrix(10, 1); }, "1234.0",
     [](EditorProgram& p) -> bx::EditorWindow& { return two_tone(p); }},
};

enum class Replace { FullRead, FileLoad, OwnRead };

const char* name(Replace how) {
    switch (how) {
    case Replace::FullRead: return ", full read";
    case Replace::FileLoad: return ", file load";
    case Replace::OwnRead: return ", the window's own read";
    }
    return "";
}

}  // namespace

TEST(ReplacedData, ACommitWhoseBoxOutlivesTheImageStoresNothing) {
    for (const Kind& k : kKinds) {
        for (Replace how : {Replace::FullRead, Replace::FileLoad, Replace::OwnRead}) {
            SCOPED_TRACE(std::string(k.name) + name(how));
            EditorProgram p;
            p.start_identified();
            bxtest::TempDir dir;
            k.open(p);
            bx::MemImage fresh = p.app.Mem_image;
            k.change(fresh);
            if (how != Replace::FileLoad)
                for (int r = 0; r < bx::kImageRecords; ++r)
                    for (int b = 0; b < 16; ++b) p.radio.radio.mem[static_cast<size_t>(16 * r + b)] = fresh(r, b);
            if (how == Replace::FullRead) {
                bx::App::Open(p.rd());
                p.rd().Command_read.click();
            } else if (how == Replace::OwnRead) {
                k.window(p).Command_read.click();
                ASSERT_TRUE(k.window(p).Busy());
            } else {
                ASSERT_FALSE(bx::Save_data_file(dir / "image.dat", fresh));
            }
            // The window with the field comes to the front again.
            k.open(p);
            p.rt.recorder.clear();
            bool replaced = false;
            p.rt.recorder.on_show = [&](const ui::MsgRecord&) {
                if (replaced) return;
                replaced = true;
                if (how == Replace::FullRead) {
                    EXPECT_TRUE(p.run_until_idle(p.rd().Link));
                } else if (how == Replace::OwnRead) {
                    EXPECT_TRUE(p.run_until_idle(k.window(p).Link));
                } else {
                    p.app.MDImain->File_Open.click();
                    auto& dlg = static_cast<bx::FileDialog&>(*p.app.Form_named("Form_open_chann"));
                    ASSERT_TRUE(dlg.Dir1.setPath(dir.path()));
                    dlg.Text1.enter("image.dat");
                    dlg.Command_enter.click();
                }
            };
            k.commit(p);
            p.rt.recorder.on_show = nullptr;
            EXPECT_TRUE(replaced);
            p.rt.sim.run_for(2000);
            for (int b = 0; b < 16; ++b) EXPECT_EQ(p.app.Mem_image(k.rec, b), fresh(k.rec, b)) << b;
            if (k.shown) {
                EXPECT_EQ(k.shown(p), k.want_shown);
            }
            // The image's replacement was told; the commit's box was the first.
            ASSERT_GE(p.rt.recorder.shown.size(), 2u);
        }
    }
}

// An alignment box's range message while a table is loaded from a file or a
// full read runs: the loaded table wins over the factory value the message
// would store; a full read does not touch the table, so the commit goes on
// and box and cell take the factory value.
TEST(ReplacedData, AnAlignmentCommitIsJudgedOnTheTableAlone) {
    for (const bool table_loaded : {true, false}) {
        SCOPED_TRACE(table_loaded ? "an alignment file load" : "a full read");
        adjtest::Adj p;
        p.begin();
        bx::frm_Adj_Txp& w = p.w();
        bxtest::TempDir dir;
        bx::AdjTable file = p.app.Adj_table;
        file(0, 3) = 7;
        ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", file));
        const int factory = p.app.Adj_defaults(0, 3);
        ASSERT_NE(factory, 7);
        if (!table_loaded) {
            // An erased password record takes any password.
            std::fill_n(p.radio.radio.mem.begin() + bx::area::kPassWordAddr, 16, uint8_t{0xFF});
            bx::App::Open(p.rd());
            p.rd().Command_read.click();
            bx::App::Open(w);
        }
        p.rt.recorder.clear();
        bool replaced = false;
        p.rt.recorder.on_show = [&](const ui::MsgRecord&) {
            if (replaced) return;
            replaced = true;
            if (table_loaded) {
                p.app.Adj_file_requests.push_back({false, dir / "in.adj", {}});
                p.rt.sim.run_for(500);
            } else {
                EXPECT_TRUE(p.run_until_idle(p.rd().Link));
            }
        };
        w.Text1[3].enter("99");
        p.rt.recorder.on_show = nullptr;
        ASSERT_TRUE(replaced);
        EXPECT_EQ(p.texts().front(), " 输入数字范围为 0 - 15 ！");
        const int want = table_loaded ? 7 : factory;
        EXPECT_EQ(p.app.Adj_table(0, 3), want);
        EXPECT_EQ(w.Text1[3].Text(), std::to_string(want));
        if (!table_loaded) {
            EXPECT_EQ(p.rt.recorder.count("Complete reading data from the transceiver."), 1);
        }
    }
}

// Data the window does not show, replaced while its message stands, leaves
// the commit to go on: the channel editor's range message while the FM
// editor's own read ends, or while an alignment file is loaded.
TEST(ReplacedData, ACommitGoesOnWhenOtherDataIsReplaced) {
    for (const bool fm_read : {true, false}) {
        SCOPED_TRACE(fm_read ? "the FM editor's own read" : "an alignment file load");
        EditorProgram p;
        p.start_identified();
        bxtest::TempDir dir;
        ASSERT_FALSE(bx::Save_adj_file(dir / "in.adj", p.app.Adj_defaults));
        auto& fm = *p.app.Editor<bx::EditorId::frm_FM>();
        auto& adj = *p.app.Editor<bx::EditorId::frm_Adj_Txp>();
        if (fm_read) {
            bx::App::Open(fm);
            fm.Command_read.click();
        } else {
            bx::App::Open(adj);
        }
        bx::App::Open(p.ch());
        p.rt.recorder.clear();
        bool replaced = false;
        p.rt.recorder.on_show = [&](const ui::MsgRecord&) {
            if (replaced) return;
            replaced = true;
            if (fm_read) {
                EXPECT_TRUE(p.run_until_idle(fm.Link));
            } else {
                p.app.Adj_file_requests.push_back({false, dir / "in.adj", {}});
                p.rt.sim.run_for(500);
            }
        };
        p.type_at(10, bx::kColRxFreq, "600", 12, 0);
        p.rt.recorder.on_show = nullptr;
        ASSERT_TRUE(replaced);
        ASSERT_GE(p.rt.recorder.shown.size(), 2u);
        // The refused frequency became band A's lowest, a new channel.
        EXPECT_EQ(p.cell(10, bx::kColRxFreq), "136.00000");
        EXPECT_EQ(p.app.Mem_image(9, 2), 0x60);
        EXPECT_EQ(p.app.Mem_image(9, 3), 0x13);
    }
}
