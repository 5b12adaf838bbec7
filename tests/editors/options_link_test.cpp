// The options editor's own exchange with the simulated radio, and its
// catching up with what other windows put into the image.
#include "options_support.h"

#include "model/datafile.h"
#include "model/option_offsets.h"
#include "shell/dialogs.h"
#include "support/tempdir.h"

using namespace optionstest;

namespace {

// Radio memory at 0x0E00-0x0FFF: the editor's current area with a few
// settings changed, then a pattern in 0x0F40-0x0FFF.
void load_radio(Options& p) {
    std::vector<uint8_t> a = p.area();
    a[bx::Option_ofs_Tdr] = 0;
    a[bx::Option_ofs_Emc_Ch] = 42;
    a[0x31] = 0x77;  // a byte no control edits
    for (int k = 0; k < 5; ++k) a[static_cast<size_t>(bx::Option_ofs_ANI + k)] = static_cast<uint8_t>(k + 1);
    a[256 + 0] = 1;  // VFO A 145.525 MHz
    a[256 + 1] = 4;
    a[256 + 2] = 5;
    a[256 + 3] = 5;
    for (size_t i = 0; i < a.size(); ++i) p.radio.radio.mem[0x0E00 + i] = a[i];
    for (int i = 0x0F40; i < 0x1000; ++i) p.radio.radio.mem[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
}

}  // namespace

TEST(OptionsLink, ReadStoresTheBlockAndVfosAndShowsThem) {
    Options p;
    p.begin();
    load_radio(p);
    bx::frm_option& w = p.w();
    w.Command_read.click();
    EXPECT_EQ(w.Label_tr_count.Caption(), "Connecting with transceiver. ");
    ASSERT_TRUE(p.run_until_idle(w.Link));
    for (int r = kFirstRecord; r <= kLastRecord; ++r) EXPECT_EQ(p.image_record(r), p.radio_record(r)) << r;
    for (int r = 244; r <= 255; ++r) EXPECT_EQ(p.image_record(r), std::vector<uint8_t>(16, 0xFF)) << r;
    EXPECT_TRUE(p.mirror_matches_image());
    EXPECT_EQ(p.list("Combo_Tdr").Text(), "OFF");
    EXPECT_EQ(p.list("Combo_Emc_Ch").Text(), "CH-042");
    EXPECT_EQ(w.Text_ANI.Text(), "12345");
    EXPECT_EQ(w.Text_Freq_a.Text(), "145.52500");
    EXPECT_TRUE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 100);
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read optional parameters in gear. ");
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    // Eight blocks from 0x0E00 were asked for.
    std::vector<radiosim::Frame> reads = p.frames(radiosim::Frame::Read);
    ASSERT_EQ(reads.size(), 9u);
    EXPECT_EQ(reads[1].bytes, (std::vector<uint8_t>{'S', 0x0E, 0x00, 0x40}));
    EXPECT_EQ(reads[8].bytes, (std::vector<uint8_t>{'S', 0x0F, 0xC0, 0x40}));
}

TEST(OptionsLink, WriteSendsTheWholeAreaFromTheImage) {
    Options p;
    p.begin();
    p.app.Lang_chinese = -1;
    for (int r = 244; r <= 255; ++r)
        for (int b = 0; b < 16; ++b) p.app.Mem_image(r, b) = static_cast<uint8_t>(r + b);
    bx::frm_option& w = p.w();
    w.Command_Write.click();
    EXPECT_EQ(w.Label_tr_count.Caption(), "正在与对讲机联络 ！");
    ASSERT_TRUE(p.run_until_idle(w.Link));
    ASSERT_EQ(p.frames(radiosim::Frame::Write).size(), 32u);
    for (int r = kFirstRecord; r <= 255; ++r) EXPECT_EQ(p.radio_record(r), p.image_record(r)) << r;
    ASSERT_EQ(p.texts(), std::vector<std::string>{"向对讲机写入可选参数完毕 ！"});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
    EXPECT_EQ(w.Label_tr_count.Caption(), "可选参数写入完毕 ！");
    EXPECT_EQ(w.ProgressBar1.Value(), 96);
}

TEST(OptionsLink, FailureAfterTheRetriesChangesNothing) {
    Options p;
    p.begin();
    p.radio.radio.faults.silent = true;
    const std::vector<uint8_t> before = p.area();
    p.w().Command_read.click();
    ASSERT_TRUE(p.run_until_idle(p.w().Link));
    EXPECT_EQ(p.frames(radiosim::Frame::Program).size(), 1u + 4u);  // the identification, then four tries
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(p.w().ProgressBar1.Value(), 0);
    EXPECT_EQ(p.w().Label_tr_count.Caption(), "Communication fault.");
    EXPECT_EQ(p.area(), before);
}

TEST(OptionsLink, APickAfterAFileLoadKeepsEveryLoadedByte) {
    Options p;
    p.begin();
    bxtest::TempDir dir;
    bx::MemImage loaded = p.app.Mem_image;
    // Every setting and spare byte up to the text fields, each within every
    // list, so showing them writes nothing back.
    for (int r = kFirstRecord; r <= 235; ++r)
        for (int b = 0; b < 16; ++b) loaded(r, b) = static_cast<uint8_t>((r + b) % 2);
    ASSERT_FALSE(bx::Save_data_file(dir / "radio.dat", loaded));

    bx::frm_option& w = p.w();
    w.Command_open.click();
    bx::FileDialog& open = *p.app.Form_open_chann;
    ASSERT_TRUE(open.Loaded());
    ASSERT_TRUE(open.Dir1.setPath(dir.path()));
    open.Text1.enter("radio.dat");
    open.Command_enter.click();
    ASSERT_FALSE(open.Loaded());
    // The closed dialog hands the activation back to the options window,
    // which shows the loaded block before a pick.
    EXPECT_EQ(p.list("Combo_Tdr").ListIndex(), loaded(224, 0));
    p.list("Combo_Beep").pick(1 - loaded(224, 9));
    for (int k = 0; k < 256; ++k) {
        if (k == bx::Option_ofs_Beep) continue;
        ASSERT_EQ(p.block(k), loaded(224 + k / 16, k % 16)) << k;
    }
}

// The window in front while another window replaces the whole image (the
// read window's full read, the main window's data-file load): it shows the
// new block at once, and one pick then keeps every other byte as the read
// or the load brought it.
TEST(OptionsLink, InFrontDuringAReadOrALoadThenOnePick) {
    enum class How { Read, Load };
    for (How how : {How::Read, How::Load}) {
        SCOPED_TRACE(how == How::Read ? "read" : "load");
        Options p;
        p.begin();
        bxtest::TempDir dir;
        // The new block: every setting and spare byte up to the text fields
        // 0 or 1, within every list, opposite to what the window shows now.
        bx::MemImage incoming = p.app.Mem_image;
        for (int r = kFirstRecord; r <= 235; ++r)
            for (int b = 0; b < 16; ++b) incoming(r, b) = static_cast<uint8_t>((r + b) % 2);
        for (int r = 0; r < bx::kImageRecords; ++r)
            for (int b = 0; b < 16; ++b) p.radio.radio.mem[static_cast<size_t>(16 * r + b)] = incoming(r, b);
        ASSERT_FALSE(bx::Save_data_file(dir / "radio.dat", incoming));
        bx::frm_option& w = p.w();
        if (how == How::Read) {
            p.main().Prog_read.click();
            p.rd().Command_read.click();
            ASSERT_TRUE(p.rt.sim.run_until([&] { return p.rd().Label_tr_count.Caption() == "Reading 50 Data Block"; },
                                           30000));
            w.Activate();  // the user clicks the options window meanwhile
            ASSERT_TRUE(p.run_until_idle(p.rd().Link));
            ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
        } else {
            p.main().File_Open.click();
            bx::FileDialog& open = *p.app.Form_open_chann;
            ASSERT_TRUE(open.Dir1.setPath(dir.path()));
            open.Text1.enter("radio.dat");
            w.Activate();
            open.Command_enter.click();
            ASSERT_FALSE(open.Loaded());
        }
        const bx::MemImage after = p.app.Mem_image;
        for (int r = kFirstRecord; r <= 235; ++r)
            for (int b = 0; b < 16; ++b) ASSERT_EQ(after(r, b), incoming(r, b)) << r << " " << b;
        EXPECT_EQ(p.list("Combo_Tdr").ListIndex(), incoming(224, 0));
        EXPECT_TRUE(p.mirror_matches_image());
        p.list("Combo_Beep").pick(1 - incoming(224, 9));
        for (int k = 0; k < 256; ++k) {
            if (k == bx::Option_ofs_Beep) continue;
            ASSERT_EQ(p.block(k), after(224 + k / 16, k % 16)) << k;
        }
        EXPECT_EQ(p.block(bx::Option_ofs_Beep), 1 - incoming(224, 9));
    }
}

// A frequency typed into VFO A's box and still on screen is committed as
// leaving the box would, before the command; with nothing done it waits.
TEST(OptionsLink, AnEditOnScreenIsCommittedBeforeTheCommand) {
    const std::vector<int> typed = {1, 4, 5, 0, 0, 5, 0, 0};  // 145.005
    struct Case {
        const char* what;
        std::function<void(Options&)> act;
        bool committed;
    };
    const Case cases[] = {
        {"nothing", [](Options&) {}, false},
        {"Write",
         [](Options& p) {
             p.w().Command_Write.click();
             ASSERT_TRUE(p.run_until_idle(p.w().Link));
             EXPECT_EQ(p.radio_record(240), p.image_record(240));
         },
         true},
        {"Save", [](Options& p) { p.w().Command_save.click(); }, true},
        {"toolbar Save", [](Options& p) { p.main().Toolbar1.click("save"); }, true},
        {"main Save As", [](Options& p) { p.main().File_saveas.click(); }, true},
        {"another window in front", [](Options& p) { p.main().Sig_dtmf.click(); }, true},
        {"Close", [](Options& p) { p.w().Command_close.click(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Options p;
        p.begin();
        bx::frm_option& w = p.w();
        const std::vector<int> before = p.bytes(240, 0, 7);
        w.Text_Freq_a.enter("145.005");
        c.act(p);
        EXPECT_EQ(p.bytes(240, 0, 7), c.committed ? typed : before);
        if (w.Loaded()) {
            EXPECT_EQ(w.Text_Freq_a.Text(), c.committed ? "145.00500" : "145.005");
        }
        EXPECT_TRUE(p.mirror_matches_image());
        for (const std::string& t : p.texts()) EXPECT_EQ(t.find("超出范围"), std::string::npos) << t;
    }
    // The ANI's checks run the same way: a short code brings its message.
    Options p;
    p.begin();
    p.w().Text_ANI.enter("12");
    p.main().Sig_dtmf.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{"ANI ID code length is 3 to 5 digit."});
    // A box the user only looked at commits nothing.
    p.w().Activate();
    p.w().Text_ANI.enter("123");
    p.rt.recorder.clear();
    const std::vector<int> vfo_b = p.bytes(242, 0, 7);
    p.w().Text_Freq_b.focus();
    p.main().Sig_dtmf.click();
    EXPECT_EQ(p.bytes(242, 0, 7), vfo_b);
    p.main().Sig_dtmf.click();
    EXPECT_TRUE(p.texts().empty());
}
