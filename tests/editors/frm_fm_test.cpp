// The FM preset editor window: its grid, the overlay's commits, its
// commands and refusals, and its Read and Write on the simulated radio.
#include "editors/chann_support.h"
#include "editors/fm/fm_rows.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace editortest;
using bx::kFmColFreq;
using bx::kFmColName;

namespace {

std::string fcell(EditorProgram& p, int r, int c) { return p.fm().MSF_Chann.TextMatrix(r, c); }

// Click a cell, type into the overlay, click another cell.
void fm_type(EditorProgram& p, int r, int c, const std::string& text, int then_r = 10, int then_c = 0) {
    p.fm().MSF_Chann.click(r, c);
    p.fm().Text_Edit.enter(text);
    p.fm().MSF_Chann.click(then_r, then_c);
}

}  // namespace

TEST(FmWindow, LoadShowsThePresets) {
    EditorProgram p;
    p.open_fm();
    bx::frm_FM& w = p.fm();
    EXPECT_EQ(w.Caption(), "FM Radio Information");
    EXPECT_EQ(w.Command_def.Caption(), "Default");
    EXPECT_EQ(w.Area_addr_high, 48);
    EXPECT_EQ(w.MSF_Chann.Rows(), 18);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(0, 1), " Receive Frequency (MHZ)");
    EXPECT_EQ(fcell(p, 1, 0), "1");
    EXPECT_EQ(fcell(p, 16, 0), "16");
    EXPECT_EQ(fcell(p, 1, kFmColFreq), "88.90000");
    EXPECT_EQ(fcell(p, 1, kFmColName), "KELVO");
    EXPECT_EQ(fcell(p, 3, kFmColFreq), "");
    EXPECT_EQ(fcell(p, 14, kFmColFreq), "100.70000");
    EXPECT_EQ(fcell(p, 17, kFmColFreq), "");
    EXPECT_EQ(w.MSF_Chann.Row(), 1);
    EXPECT_EQ(w.MSF_Chann.Col(), 0);
    EXPECT_FALSE(w.Text_Edit.Visible());
    EXPECT_FALSE(w.Combo_edit.Visible());

    EditorProgram chn;
    chn.start();
    chn.app.Lang_chinese = -1;
    bx::App::Open(chn.fm());
    EXPECT_EQ(chn.fm().Caption(), "FM 收音机频道编辑");
    EXPECT_EQ(chn.fm().Command_Write.Caption(), "写  入");
    EXPECT_EQ(chn.fm().Command_def.Caption(), "默认");
    EXPECT_EQ(chn.fm().MSF_Chann.TextMatrix(0, 2), "     电    台    名    称    ");
}

TEST(FmWindow, Commits) {
    struct Case {
        int row, col;
        const char* typed;
        const char* freq_cell;
        const char* name_cell;
        std::vector<uint8_t> rec;
        const char* message;
    };
    // Preset 1 holds 88.9 MHz "KELVO" (from byte 8); preset 3 is empty. A
    // frequency edit keeps the name's bytes; a name commit places the name
    // by its length.
    const std::vector<uint8_t> kelvo = {'K', 'E', 'L', 'V', 'O', 0xFF, 0xFF, 0xFF};
    auto with = [](std::vector<uint8_t> digits, std::vector<uint8_t> name) {
        digits.insert(digits.end(), name.begin(), name.end());
        return digits;
    };
    const std::vector<uint8_t> no_name(8, 0xFF);
    const Case cases[] = {
        {1, kFmColFreq, "88", "88.00000", "KELVO", with({0, 8, 8, 0, 0, 0, 0, 0}, kelvo), ""},
        {1, kFmColFreq, "100", "100.00000", "KELVO", with({1, 0, 0, 0, 0, 0, 0, 0}, kelvo), ""},
        {1, kFmColFreq, "87.5", "87.50000", "KELVO", with({0, 8, 7, 5, 0, 0, 0, 0}, kelvo), ""},
        {1, kFmColFreq, "108", "108.00000", "KELVO", with({1, 0, 8, 0, 0, 0, 0, 0}, kelvo), ""},
        {1, kFmColFreq, "99.99999", "99.99999", "KELVO", with({0, 9, 9, 9, 9, 9, 9, 9}, kelvo), ""},
        {1, kFmColFreq, "088.5", "88.50000", "KELVO", with({0, 8, 8, 5, 0, 0, 0, 0}, kelvo), ""},
        {1, kFmColFreq, "101.123456", "101.12345", "KELVO", with({1, 0, 1, 1, 2, 3, 4, 5}, kelvo), ""},
        {1, kFmColFreq, "108.00001", "87.00000", "KELVO", with({0, 8, 7, 0, 0, 0, 0, 0}, kelvo),
         "Over the range of receive frequency ."},
        {1, kFmColFreq, "abc", "87.00000", "KELVO", with({0, 8, 7, 0, 0, 0, 0, 0}, kelvo),
         "Over the range of receive frequency ."},
        {1, kFmColFreq, " ", "", "", with({0, 0, 0, 0, 0, 0, 0, 0}, no_name), ""},
        {1, kFmColName, "radio1", "88.90000", "RADIO1", with({0, 8, 8, 9, 0, 0, 0, 0}, {'R', 'A', 'D', 'I', 'O', '1', 0xFF, 0xFF}), ""},
        {1, kFmColName, "fm", "88.90000", "FM", with({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 'F', 'M', 0xFF, 0xFF, 0xFF}), ""},
        {1, kFmColName, "abcdefgh", "88.90000", "ABCDEF", with({0, 8, 8, 9, 0, 0, 0, 0}, {'A', 'B', 'C', 'D', 'E', 'F', 0xFF, 0xFF}),
         "The letter of channel name max 6 bit . "},
        {1, kFmColName, "", "88.90000", "", with({0, 8, 8, 9, 0, 0, 0, 0}, no_name), ""},
        // Blanks inside are dropped before the cut to six, as the redraw
        // shows the name.
        {1, kFmColName, "8 0.5", "88.90000", "80.5", with({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 0xFF, '8', '0', '.', '5', 0xFF, 0xFF}), ""},
        {1, kFmColName, "abc def", "88.90000", "ABCDEF", with({0, 8, 8, 9, 0, 0, 0, 0}, {'A', 'B', 'C', 'D', 'E', 'F', 0xFF, 0xFF}), ""},
        {1, kFmColName, "abcde fg", "88.90000", "ABCDEF", with({0, 8, 8, 9, 0, 0, 0, 0}, {'A', 'B', 'C', 'D', 'E', 'F', 0xFF, 0xFF}),
         "The letter of channel name max 6 bit . "},
        {3, kFmColName, "abcdefgh", "", "", with({0, 0, 0, 0, 0, 0, 0, 0}, no_name), "The letter of channel name max 6 bit . "},
        {3, kFmColFreq, "96", "96.00000", "", with({0, 9, 6, 0, 0, 0, 0, 0}, no_name), ""},
    };
    for (const Case& c : cases) {
        EditorProgram p;
        p.open_fm();
        const int rec = 767 + c.row;
        fm_type(p, c.row, c.col, c.typed);
        EXPECT_EQ(fcell(p, c.row, kFmColFreq), c.freq_cell) << c.typed;
        EXPECT_EQ(fcell(p, c.row, kFmColName), c.name_cell) << c.typed;
        EXPECT_EQ(p.image_record(rec), c.rec) << c.typed;
        const std::vector<std::string> want =
            *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(p.texts(), want) << c.typed;
        if (!p.texts().empty() && *c.message == 'T') {
            EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
        }
        EXPECT_FALSE(p.fm().Text_Edit.Visible());
        EXPECT_EQ(p.fm().Text_Edit.Text(), "");
    }
}

// What a name cell shows after its commit is what the window shows when
// reopened, and an edit of the preset's frequency leaves the name's bytes.
TEST(FmWindow, ANameKeepsItsFormAcrossAReopenAndAFrequencyEdit) {
    const std::vector<uint8_t> name = {0xFF, 0xFF, '8', '0', '.', '5', 0xFF, 0xFF};
    auto name_bytes = [](EditorProgram& p) {
        const std::vector<uint8_t> r = p.image_record(768);
        return std::vector<uint8_t>(r.begin() + 8, r.end());
    };
    EditorProgram p;
    p.open_fm();
    fm_type(p, 1, kFmColName, "8 0.5");
    EXPECT_EQ(fcell(p, 1, kFmColName), "80.5");
    EXPECT_EQ(name_bytes(p), name);
    p.fm().Command_close.click();
    p.open_fm();
    EXPECT_EQ(fcell(p, 1, kFmColName), "80.5");
    fm_type(p, 1, kFmColFreq, "99.5");
    EXPECT_EQ(fcell(p, 1, kFmColFreq), "99.50000");
    EXPECT_EQ(fcell(p, 1, kFmColName), "80.5");
    EXPECT_EQ(name_bytes(p), name);
    EXPECT_TRUE(p.texts().empty());
}

// A value typed while another window stood in front (a window system that
// never told the editor it went behind) is committed, not dropped, when the
// editor comes back.
TEST(FmWindow, ComingBackCommitsWhatIsStillTyped) {
    EditorProgram p;
    p.open_fm();
    bx::App::Open(*p.app.Form_save_chann);
    ASSERT_EQ(p.fm().Front(), p.app.Form_save_chann.get());
    p.fm().MSF_Chann.click(1, kFmColName);
    p.fm().Text_Edit.enter("zz");
    p.app.Form_save_chann->Command_close.click();
    EXPECT_EQ(p.fm().Front(), &p.fm());
    EXPECT_EQ(fcell(p, 1, kFmColName), "ZZ");
    EXPECT_EQ(p.image_record(768)[11], 'Z');
    EXPECT_FALSE(p.fm().Text_Edit.Visible());
}

TEST(FmWindow, MovesWithoutTheOverlayChangeNothing) {
    EditorProgram p;
    p.open_fm();
    bx::frm_FM& w = p.fm();
    const bx::MemImage before = p.app.Mem_image;
    auto before_row = [&](int r) {
        std::vector<uint8_t> v;
        for (int b = 0; b < 16; ++b) v.push_back(before(r, b));
        return v;
    };
    // Column 0, the arrow keys, and the spare row: no overlay, no store.
    w.MSF_Chann.click(1, 0);
    w.MSF_Chann.click(3, 0);
    w.MSF_Chann.click(17, kFmColFreq);
    EXPECT_FALSE(w.Text_Edit.Visible());
    w.MSF_Chann.click(17, kFmColName);
    for (auto k : {ui::Grid::Key::Up, ui::Grid::Key::Right, ui::Grid::Key::Up, ui::Grid::Key::Left})
        w.MSF_Chann.key(k);
    EXPECT_EQ(p.app.Mem_image, before);
    EXPECT_EQ(p.image_record(784), std::vector<uint8_t>(16, 0xFF));
    // A click elsewhere while the overlay sits over a cell stores that cell.
    w.MSF_Chann.click(4, kFmColName);
    w.Text_Edit.enter("zz");
    w.MSF_Chann.click(6, kFmColName);
    EXPECT_EQ(fcell(p, 4, kFmColName), "ZZ");
    EXPECT_EQ(p.image_record(771)[11], 'Z');
    // Scrolling drops the overlay with its text: the next leave stores
    // nothing. (A grid short enough to scroll.)
    w.MSF_Chann.setHeight(w.MSF_Chann.RowHeight() * 6);
    w.MSF_Chann.click(6, kFmColName);
    w.Text_Edit.enter("yy");
    const int top = w.MSF_Chann.TopRow();
    w.MSF_Chann.wheel(1);
    ASSERT_NE(w.MSF_Chann.TopRow(), top);
    EXPECT_FALSE(w.Text_Edit.Visible());
    w.MSF_Chann.click(8, kFmColName);
    EXPECT_EQ(fcell(p, 6, kFmColName), "DURMA");
    EXPECT_EQ(p.image_record(773), before_row(773));
    EXPECT_TRUE(p.texts().empty());
}

TEST(FmWindow, CommandsAndRefusals) {
    EditorProgram p;
    p.open_fm();
    bx::frm_FM& w = p.fm();
    w.Command_Clear.click();
    for (int r = 768; r <= 783; ++r) ASSERT_EQ(p.image_record(r), std::vector<uint8_t>(16, 0)) << r;
    for (int n = 1; n <= 16; ++n) ASSERT_EQ(fcell(p, n, kFmColFreq), "") << n;
    w.Command_def.click();
    EXPECT_EQ(fcell(p, 2, kFmColName), "CCTV1");
    EXPECT_EQ(fcell(p, 3, kFmColFreq), "");
    // Open and Save reopen the data-file dialogs.
    w.Command_open.click();
    w.Command_save.click();
    EXPECT_TRUE(p.app.Form_open_chann->Loaded());
    EXPECT_TRUE(p.app.Form_save_chann->Loaded());
    // Closed another way, the editor leaves them open; its Close closes them.
    EXPECT_TRUE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_TRUE(p.app.Form_open_chann->Loaded());
    bx::App::Open(w);
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(p.app.Form_open_chann->Loaded());
    EXPECT_FALSE(p.app.Form_save_chann->Loaded());
    EXPECT_TRUE(p.texts().empty());

    // While its read runs.
    bx::App::Open(w);
    w.Command_read.click();
    ASSERT_TRUE(p.rt.sim.run_until([&] { return w.Label_tr_count.Caption() == "Reading 3 Data Block"; }, 10000));
    const bx::MemImage before = p.app.Mem_image;
    w.Command_Clear.click();
    w.Command_open.click();
    w.Command_Write.click();
    w.Command_close.click();
    EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{
                             "Read-write operating，don't clear operate .,",
                             kBusy,
                             kBusy,
                             "Read-write operating，don't close the window. ,",
                             "Read-write operating，don't close the window.,",
                         }));
    EXPECT_EQ(p.app.Mem_image, before);
    EXPECT_TRUE(w.Loaded());
}

TEST(FmWindow, ReadAndWrite) {
    EditorProgram p;
    p.open_fm();
    bx::frm_FM& w = p.fm();
    auto& mem = p.radio.radio.mem;
    const uint8_t preset[16] = {0, 9, 4, 5, 0, 0, 0, 0, 'R', 'A', 'D', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(preset), std::end(preset), mem.begin() + 0x3000 + 16 * 5);
    bx::MemImage want = p.app.Mem_image;
    for (int r = 768; r <= 783; ++r)
        for (int b = 0; b < 16; ++b) want(r, b) = mem[static_cast<size_t>(16 * r + b)];
    w.Command_read.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.app.Mem_image, want);
    EXPECT_EQ(fcell(p, 6, kFmColFreq), "94.50000");
    EXPECT_EQ(fcell(p, 6, kFmColName), "RAD");
    std::vector<linktest::Frame> reads = p.frames(linktest::Frame::Read);
    ASSERT_GE(reads.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        const linktest::Frame& f = reads[reads.size() - 4 + static_cast<size_t>(k)];
        EXPECT_EQ(f.bytes[1] * 256 + f.bytes[2], 0x3000 + 64 * k);
    }
    EXPECT_EQ(w.ProgressBar1.Value(), 100);
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read FM Radio parameters in gear. ");
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");

    p.rt.recorder.clear();
    fm_type(p, 2, kFmColFreq, "101.5");
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.frames(linktest::Frame::Write).size(), 16u);
    for (int r = 768; r <= 783; ++r) EXPECT_EQ(p.radio_record(r), p.image_record(r)) << r;
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete Written FM parameters to the transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(w.Label_tr_count.Caption(), "Complete Written FM parameters ");

    // A silent radio: the editors' failure texts.
    p.rt.recorder.clear();
    p.radio.radio.faults.silent = true;
    w.Command_read.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(w.Label_tr_count.Caption(), "Communication fault.");
    EXPECT_EQ(w.ProgressBar1.Value(), 0);
}
