// The channel editor window: its rows after load and activation, its
// commands, the refusals while its own exchange runs, and its Read and Write
// against the simulated radio.
#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/channels/chann_link.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace editortest;
using bx::kColBand;
using bx::kColName;
using bx::kColRxFreq;

namespace {

const std::vector<uint8_t> kFF(16, 0xFF);

// Starts a read and runs until it is well into its data phase.
void read_partly(EditorProgram& p) {
    p.ch().Command_read.click();
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.ch().Label_tr_count.Caption() == "Reading 5 Data Block"; }, 10000));
    p.rt.recorder.clear();
}

}  // namespace

TEST(ChannWindow, RowsAfterLoadAndActivation) {
    EditorProgram p;
    p.put(200, {0xFF, 0x12, 0x34});  // the pair past the last channel
    p.put(456, {0x41, 0x42});
    p.open_chann();
    bx::frm_chann& w = p.ch();
    EXPECT_EQ(w.Caption(), "Channel Information");
    EXPECT_EQ(w.Command_def.Caption(), "Default");
    EXPECT_EQ(w.Text_PassWord.Text(), "580317");
    EXPECT_EQ(w.MSF_Chann.TextMatrix(0, 2), "RX Frequency");
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_FALSE(w.Combo_edit.Visible());
    EXPECT_FALSE(w.Text_Edit.Visible());
    // The load showed row 201, which erased records 200 and 456; the
    // activation after it keeps the channel rows only.
    EXPECT_EQ(w.MSF_Chann.Rows(), 201);
    EXPECT_EQ(p.rec(200), kFF);
    EXPECT_EQ(p.rec(456), kFF);
    EXPECT_EQ(p.cell(200, 0), "199");
    EXPECT_EQ(p.cell(201, 0), "");
    // The factory channels, and empty rows for the others.
    const char* row1[] = {"0",   "VHF/UHF ", "155.02500", "155.02500", "67.0", "67.0", "HIGH", "W",
                          "OFF", "OFF",      "ON",        "1",         "OFF",  "QT",   "OFF",  ""};
    for (int c = 0; c < 16; ++c) EXPECT_EQ(p.cell(1, c), row1[c]) << c;
    EXPECT_EQ(p.cell(7, 4), p.app.Tone_name_table[260]);
    EXPECT_EQ(p.cell(7, 5), "D754I");
    EXPECT_EQ(p.cell(9, kColBand), "");
    EXPECT_EQ(w.MSF_Chann.Row(), 200);
    EXPECT_EQ(w.MSF_Chann.Col(), 0);

    // A data file loaded meanwhile shows at the next activation.
    p.put(20, {0x00, 0x50, 0x62, 0x14, 0xFF});
    p.put(256 + 20, {'N', 'E', 'W', 0xFF});
    w.Form_GotFocus();
    EXPECT_EQ(w.MSF_Chann.Rows(), 201);
    EXPECT_EQ(p.cell(21, kColRxFreq), "146.25000");
    EXPECT_EQ(p.cell(21, 3), "");
    EXPECT_EQ(p.cell(21, kColName), "NEW");
}

TEST(ChannWindow, ChineseCaptions) {
    EditorProgram p;
    p.open_chann(false, -1);
    EXPECT_EQ(p.ch().Caption(), "信道参数编辑");
    EXPECT_EQ(p.ch().Command_def.Caption(), "出厂值");
    EXPECT_EQ(p.ch().Command_close.Caption(), "关 闭");
    EXPECT_EQ(p.ch().Label_PassWord.Caption(), "读写密码");
    EXPECT_EQ(p.ch().MSF_Chann.TextMatrix(0, 15), "信 道 名 称");
    EXPECT_EQ(p.ch().MSF_Chann.TextMatrix(0, 1), " 工作频段 ");
}

TEST(ChannWindow, DefaultAndClear) {
    EditorProgram p;
    p.open_chann();
    p.type_at(12, kColRxFreq, "146", 20, 0);
    p.put(256 + 0, {'A', 'B', 0xFF});
    p.put(256 + 11, {'C', 'D', 0xFF});
    p.put(3, {0xFF});
    p.ch().Command_def.click();
    // Factory channels keep their names; the others lose them.
    EXPECT_EQ(p.cell(1, kColName), "AB");
    EXPECT_EQ(p.cell(12, kColRxFreq), "");
    EXPECT_EQ(p.rec(256 + 11), kFF);
    EXPECT_EQ(p.cell(4, kColRxFreq), "400.02500");

    p.ch().ProgressBar1.setVisible(true);
    p.ch().Command_Clear.click();
    EXPECT_FALSE(p.ch().ProgressBar1.Visible());
    for (int k = 0; k < 200; ++k) {
        ASSERT_EQ(p.rec(k), kFF) << k;
        ASSERT_EQ(p.rec(256 + k), kFF) << k;
        for (int c = 1; c < 16; ++c) ASSERT_EQ(p.cell(k + 1, c), "") << k << " " << c;
    }
    EXPECT_TRUE(p.texts().empty());
}

TEST(ChannWindow, RefusalsWhileItsExchangeRuns) {
    EditorProgram p;
    p.open_chann(true);
    bx::frm_chann& w = p.ch();
    read_partly(p);
    const bx::MemImage before = p.app.Mem_image;
    w.Command_Clear.click();
    w.Command_open.click();
    w.Command_save.click();
    w.Command_read.click();
    w.Command_Write.click();
    w.Command_close.click();
    EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{
                             "Read-write operating，don't clear operate .,",
                             kBusy,
                             kBusy,
                             kBusy,
                             kBusy,
                             "Read-write operating，don't close the window. ,",
                             "Read-write operating，don't close the window.,",
                         }));
    EXPECT_TRUE(w.Loaded());
    EXPECT_FALSE(p.app.Form_open_chann->Loaded());
    EXPECT_EQ(p.app.Mem_image, before);
    // Default runs all the same.
    p.put(5, kFF);
    w.Command_def.click();
    EXPECT_EQ(p.cell(6, kColRxFreq), "436.50000");
    // The FM command goes on beside it.
    p.rt.recorder.clear();
    p.main().fm_chann_edit.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Read-write operating，don't close the window.,"});
    EXPECT_TRUE(w.Loaded());
    EXPECT_TRUE(p.fm().Loaded());
    // The end of the program closes it, with one word.
    p.rt.recorder.clear();
    p.app.End();
    EXPECT_FALSE(w.Loaded());
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Read-write operating，don't close the window.,"});
    EXPECT_FALSE(w.MSC.PortOpen());
}

TEST(ChannWindow, CloseWhenIdle) {
    EditorProgram p;
    p.open_chann();
    bx::frm_chann& w = p.ch();
    w.Command_save.click();
    EXPECT_TRUE(p.app.Form_save_chann->Loaded());
    w.Command_open.click();
    EXPECT_TRUE(p.app.Form_open_chann->Loaded());
    bx::Set_link_port(w.MSC, p.app.Comm_port);
    ASSERT_TRUE(w.MSC.setPortOpen(true));
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(p.radio.open());
    EXPECT_FALSE(p.app.Form_open_chann->Loaded());
    EXPECT_FALSE(p.app.Form_save_chann->Loaded());
    EXPECT_TRUE(p.texts().empty());
}

TEST(ChannWindow, ReadFromTheRadio) {
    EditorProgram p;
    p.open_chann(true);
    bx::frm_chann& w = p.ch();
    // A channel block with a name the name pass spells its own way.
    auto& mem = p.radio.radio.mem;
    const uint8_t name3[6] = {0x11, 0x12, 0x01, 0xFB, 0x41, 0xFF};
    std::copy(std::begin(name3), std::end(name3), mem.begin() + 0x1000 + 16 * 3);
    mem[16 * 4] = 0xFF;  // channel 4 empty on the radio
    bx::MemImage want = p.app.Mem_image;
    for (int r = 0; r < 200; ++r)
        for (int b = 0; b < 16; ++b) {
            want(r, b) = mem[static_cast<size_t>(16 * r + b)];
            want(256 + r, b) = mem[static_cast<size_t>(0x1000 + 16 * r + b)];
        }
    for (int b = 0; b < 16; ++b) want(4, b) = want(256 + 4, b) = 0xFF;  // erased by the row display

    w.Command_read.click();
    EXPECT_TRUE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.Label_tr_count.Caption(), "Connecting with transceiver. ");
    ASSERT_TRUE(p.run_until_idle(w.Link));
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read Channel Data is Ok ！");
    EXPECT_EQ(p.app.Mem_image, want);
    EXPECT_EQ(p.cell(4, kColName), "AB1+A");  // the name pass, not the row display
    EXPECT_EQ(p.cell(5, kColName), bx::Reply_name_text(&mem[0x1040]));
    w.Form_GotFocus();
    EXPECT_EQ(p.cell(4, kColName), "+A");  // the row display's rule: 0xFB is "+" there too
    EXPECT_EQ(p.cell(5, kColName), "");
}

TEST(ChannWindow, ReadFailures) {
    // A silent radio: four attempts, then the message and panel 2.
    EditorProgram p;
    p.open_chann(true);
    bx::frm_chann& w = p.ch();
    const bx::MemImage before = p.app.Mem_image;
    p.radio.radio.faults.silent = true;
    const size_t programs = p.frames(linktest::Frame::Program).size();
    w.Command_read.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.frames(linktest::Frame::Program).size(), programs + 4);
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "Communication fault.");
    EXPECT_EQ(w.Label_tr_count.Caption(), "Connecting with transceiver. ");
    EXPECT_EQ(p.app.Mem_image, before);

    // Replies whose mark stands at slot 2 are no replies: retried, then the
    // failure, the image unchanged.
    EditorProgram q;
    q.open_chann(true);
    q.radio.radio.faults.x_shift = 1;
    const bx::MemImage before_q = q.app.Mem_image;
    q.ch().Command_read.click();
    ASSERT_TRUE(q.run_until_idle(q.ch().Link));
    EXPECT_EQ(q.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(q.app.Mem_image, before_q);
}

TEST(ChannWindow, WriteToTheRadio) {
    EditorProgram p;
    p.open_chann(true);
    bx::frm_chann& w = p.ch();
    // A channel outside both bands of the radio (a file can hold one):
    // refused, nothing sent.
    p.put(5, {0x00, 0x00, 0x00, 0x30});
    const size_t programs = p.frames(linktest::Frame::Program).size();
    w.Command_Write.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{
                             "Channel 5that Receiving or transmitting frequency  out of frequency limitation range "});
    EXPECT_EQ(p.frames(linktest::Frame::Program).size(), programs);
    EXPECT_FALSE(w.ProgressBar1.Visible());

    p.rt.recorder.clear();
    p.type_at(6, kColRxFreq, "150", 20, 0);
    ASSERT_TRUE(p.texts().empty());
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete Written the data to transceiver."});
    EXPECT_EQ(w.Label_tr_count.Caption(), "Channel Data Writed ！");
    EXPECT_EQ(p.frames(linktest::Frame::Write).size(), 402u);
    for (int r : {0, 5, 199, 200, 256, 261, 456}) EXPECT_EQ(p.radio_record(r), p.image_record(r)) << r;
}
