// The 5-tone editor on the simulated program: load and display, the
// standards grid and selector, the settings, Default, a redraw when the
// image is replaced elsewhere, its own exchange and the busy rules. The
// encode list has its own file.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "editors/signalling/five_tone_rules.h"
#include "five_tone_support.h"
#include "model/defaults.h"
#include "model/five_tone.h"
#include "model/numtext.h"
#include "model/datafile.h"
#include "shell/dialogs.h"
#include "support/tempdir.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace fivetonetest;

namespace {


std::vector<std::string> Labels(bx::frm_5tone& w) {
    std::vector<std::string> out;
    for (auto& l : w.Label_freq) out.push_back(l.Caption());
    return out;
}

std::vector<std::string> Std_labels(int s) {
    std::vector<std::string> out;
    for (int d = 0; d < 16; ++d) out.push_back(bx::five_tone::Tone_label(s, d));
    return out;
}

}  // namespace

TEST_F(FiveTone, LoadShowsTheFactoryContent) {
    EXPECT_EQ(w.Caption(), "5 Tone Encode/Decode ");
    const bx::MainWindow& m = p.app.main_window;
    EXPECT_EQ(w.Width(), static_cast<int>(std::lround(m.Width() / 1.3f)));
    EXPECT_EQ(w.Height(), static_cast<int>(std::lround(m.Height() / 1.25f)));
    EXPECT_EQ(w.TabStrip1.tab(1).Caption, "Standard");
    EXPECT_EQ(w.TabStrip1.tab(2).Caption, "Encode");
    EXPECT_TRUE(w.Frame_std.Visible());
    EXPECT_FALSE(w.Frame_Encode.Visible());
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.Label_PassWord.Caption(), "PassWord");
    EXPECT_EQ(w.MSF_Chann.TextMatrix(0, 1), "Period(ms)");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(0, 4), " Standard ");
    // Standards: period per standard, group-call A and repeat E everywhere.
    const char* periods[15] = {"100", "70", "70", "70", "70", "70", "70", "70",
                               "70",  "40", "30", "100", "70", "70", "40"};
    for (int s = 0; s < 15; ++s) {
        EXPECT_EQ(w.MSF_Chann.TextMatrix(s + 1, 0), bx::Sig_5tone_std_name(s));
        EXPECT_EQ(w.MSF_Chann.TextMatrix(s + 1, 1), periods[s]) << s;
        EXPECT_EQ(w.MSF_Chann.TextMatrix(s + 1, 2), "A");
        EXPECT_EQ(w.MSF_Chann.TextMatrix(s + 1, 3), "E");
    }
    EXPECT_EQ(w.Combo_stxh.Text(), "CCIR1");
    EXPECT_EQ(Labels(w), Std_labels(0));
    EXPECT_EQ(w.Label_freq[0].Caption(), "1981.0");
    EXPECT_EQ(w.Label_code[15].Caption(), "F");
    // Codes 1 and 15; the others empty.
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 1), "12345");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 3), "56789");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(1, 4), "CCIR1");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 3), "67890");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 4), "MODAT");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(7, 0), "7");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(7, 2), "     ");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(7, 4), "");
    // Settings.
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "200");
    EXPECT_EQ(w.Combo_enc_ys3.Text(), "200");
    EXPECT_EQ(w.Combo_Enc_ys4.Text(), "0");
    EXPECT_EQ(w.Combo_Decode_Std.Text(), "CCIR1");
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "6000");
    EXPECT_EQ(w.Combo_Enc_ys1.ListCount(), 101);
    EXPECT_EQ(w.Combo_Dec_Res_Time.ListCount(), 80);
    const int call[3] = {1, 0, 0}, disp[3] = {0, 1, 1};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(w.Check_Decode_HJ[static_cast<size_t>(k)].Value(), call[k]);
        EXPECT_EQ(w.Check_Decode_Disp[static_cast<size_t>(k)].Value(), disp[k]);
    }
}

// Bytes the controls cannot show as such: shown by the display's rules, and
// neither the load, a redraw nor a pick-less list changes any byte.
TEST_F(FiveTone, OddBytesShowAndStayAsTheyAre) {
    namespace Set = bx::layout::Sig_5tone_settings;
    p.at(576, 0) = 0xFF;  // period
    p.at(577, 0) = 18;
    p.at(578, 1) = 16;  // digits above 15
    p.at(578, 2) = 0xFF;
    for (int b = 0; b < 16; ++b) p.at(591, b) = static_cast<uint8_t>(0x30 + b);
    p.at(576, 9) = 0x5A;  // bytes 3-15 of a standard
    p.at(593, 0) = 1, p.at(593, 1) = 2;  // code 2: "12" then three FF
    p.at(593, 15) = 15;                  // no such standard
    p.at(607, 1) = 101;                  // delay beyond the list
    p.at(607, 8) = 15;
    p.at(607, 9) = 0xFF;  // every call frame, and bits 3-7
    p.at(607, 10) = 0xF8;  // no display frame, bits 3-7 set
    p.at(607, 11) = 80;
    for (int b : {4, 5, 6, 7, 12, 13, 14, 15}) p.at(607, b) = static_cast<uint8_t>(b * 11);
    const bx::MemImage before = p.app.Mem_image;
    reopen();
    p.app.Image_replaced();
    EXPECT_TRUE(p.app.Mem_image == before);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(1, 1), "2570");
    EXPECT_EQ(w.MSF_Chann.TextMatrix(2, 1), "200");
    EXPECT_EQ(w.MSF_Chann.TextMatrix(3, 2), " ");
    EXPECT_EQ(w.MSF_Chann.TextMatrix(3, 3), " ");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(2, 1), "12   ");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(2, 4), "");
    EXPECT_EQ(w.Combo_Enc_ys2.ListIndex(), -1);
    EXPECT_EQ(w.Combo_Enc_ys2.Text(), "");
    EXPECT_EQ(w.Combo_Decode_Std.ListIndex(), -1);
    EXPECT_EQ(w.Combo_Dec_Res_Time.ListIndex(), -1);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(w.Check_Decode_HJ[static_cast<size_t>(k)].Value(), 1);
        EXPECT_EQ(w.Check_Decode_Disp[static_cast<size_t>(k)].Value(), 0);
    }
    // Opening the lists over such bytes stores nothing either.
    w.MSF_Chann.click(1, 1);
    EXPECT_EQ(w.Combo_edit.Text(), "2570");
    EXPECT_EQ(w.Combo_edit.ListIndex(), -1);
    w.TabStrip1.click(2);
    w.MSF_Encode.click(2, 4);
    EXPECT_TRUE(w.Combo_Encode.Visible());
    EXPECT_EQ(w.Combo_Encode.ListIndex(), -1);
    w.MSF_Encode.click(5, 4);  // an erased code: 0xFF
    EXPECT_TRUE(w.Combo_Encode.Visible());
    EXPECT_EQ(w.Combo_Encode.ListIndex(), -1);
    w.TabStrip1.click(1);
    w.MSF_Chann.click(4, 2);
    EXPECT_TRUE(p.app.Mem_image == before);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(1, 1), "2570");
    // A pick then stores; the bits beyond the three boxes stay.
    w.TabStrip1.click(2);
    w.Combo_Enc_ys2.pick(3);
    w.Check_Decode_HJ[1].click();
    EXPECT_EQ(p.at(607, 1), 3);
    EXPECT_EQ(p.at(607, 9), 0xFD);
}

// The standards grid: a click lays the list over the cell with the cell's
// text; a pick is stored at once, the cell takes it when it is left.
TEST_F(FiveTone, StandardsGridPicksStoreTheirByte) {
    w.MSF_Chann.click(5, 1);
    ASSERT_TRUE(w.Combo_edit.Visible());
    EXPECT_EQ(w.Combo_edit.ListCount(), 19);
    EXPECT_EQ(w.Combo_edit.Text(), "70");
    EXPECT_EQ(w.Combo_stxh.Text(), "ZVEI2");
    EXPECT_EQ(Labels(w), Std_labels(4));
    w.Combo_edit.pick(3);  // "50"
    EXPECT_EQ(p.at(580, 0), 3);
    p.main().Sig_5tone.click();  // the command leaves the open window alone
    EXPECT_TRUE(w.Combo_edit.Visible());
    EXPECT_EQ(w.MSF_Chann.TextMatrix(5, 1), "70");
    // Typed text is put back at once: the pick's text.
    w.Combo_edit.type("9");
    EXPECT_EQ(w.Combo_edit.Text(), "50");
    w.MSF_Chann.click(1, 3);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(5, 1), "50");
    EXPECT_EQ(w.Combo_edit.ListCount(), 16);
    EXPECT_EQ(w.Combo_edit.Text(), "E");
    w.Combo_edit.type("x");
    EXPECT_EQ(w.Combo_edit.Text(), "E");
    EXPECT_EQ(p.at(576, 2), 14);
    w.Combo_edit.pick(12);  // "C"
    EXPECT_EQ(p.at(576, 2), 12);
    // A name click chooses the standard for the labels and closes the list.
    const bx::MemImage before = p.app.Mem_image;
    w.MSF_Chann.click(11, 0);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(1, 3), "C");
    EXPECT_FALSE(w.Combo_edit.Visible());
    EXPECT_EQ(w.Combo_stxh.Text(), "EIA");
    EXPECT_EQ(Labels(w), Std_labels(10));
    // A header click does nothing: no list, the current cell stays.
    w.MSF_Chann.click(0, 2);
    EXPECT_FALSE(w.Combo_edit.Visible());
    EXPECT_EQ(w.MSF_Chann.Row(), 11);
    EXPECT_EQ(w.Combo_stxh.Text(), "EIA");
    EXPECT_TRUE(p.app.Mem_image == before);
}

// The standards list closed without leaving its cell (a click on the cell
// itself, on the row's name, or on a code's number on the Encode page)
// hands its pick to the cell as leaving does, so the cell shows the value
// stored.
TEST_F(FiveTone, StandardsListHandsItsPickToItsCell) {
    struct Case {
        const char* name;
        std::function<void()> close;
    } cases[] = {
        {"the cell again", [&] { w.MSF_Chann.click(5, 1); }},
        {"the row's name", [&] { w.MSF_Chann.click(5, 0); }},
        {"a code's number",
         [&] {
             w.TabStrip1.click(2);
             w.MSF_Encode.click(3, 0);
             w.TabStrip1.click(1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.Command_def.click();
        w.MSF_Chann.click(5, 1);
        w.Combo_edit.pick(3);  // "50"
        c.close();
        EXPECT_EQ(w.MSF_Chann.TextMatrix(5, 1), "50");
        if (w.Combo_edit.Visible()) {
            EXPECT_EQ(w.Combo_edit.Text(), "50");
        }
        EXPECT_EQ(p.at(580, 0), 3);
    }
}

// The selector: each pick shows its standard's frequencies; typing puts the
// text back; the display leaves selector and labels alone.
TEST_F(FiveTone, SelectorLabelsFollowThePickOnly) {
    w.Combo_stxh.pick(3);
    EXPECT_EQ(Labels(w), Std_labels(3));
    for (const std::string& l : Labels(w)) EXPECT_EQ(l, bx::Trim(l));
    w.Combo_stxh.type("Q");
    EXPECT_EQ(w.Combo_stxh.Text(), "ZVEI1");
    EXPECT_EQ(Labels(w), Std_labels(3));
    w.Command_def.click();
    EXPECT_EQ(w.Combo_stxh.Text(), "ZVEI1");
    EXPECT_EQ(Labels(w), Std_labels(3));
    const bx::MemImage before = p.app.Mem_image;
    w.Combo_stxh.pick(14);
    EXPECT_EQ(Labels(w), Std_labels(14));
    EXPECT_TRUE(p.app.Mem_image == before);
}

TEST_F(FiveTone, SettingsStoreTheirBytesAndBits) {
    w.TabStrip1.click(2);
    struct Case {
        ui::ComboBox& list;
        int pos, byte;
    } cases[] = {
        {w.Combo_Enc_ys2, 25, 1},      {w.Combo_Enc_ys4, 100, 3},     {w.Combo_Enc_ys1, 0, 0},
        {w.Combo_enc_ys3, 7, 2},       {w.Combo_Decode_Std, 5, 8},    {w.Combo_Dec_Res_Time, 0, 11},
        {w.Combo_Dec_Res_Time, 59, 11}, {w.Combo_Dec_Res_Time, 79, 11},
    };
    for (int b : {4, 5, 6, 7, 12, 13, 14, 15}) p.at(607, b) = static_cast<uint8_t>(b);
    for (const Case& c : cases) {
        c.list.pick(c.pos);
        EXPECT_EQ(p.at(607, c.byte), c.pos) << c.list.name();
    }
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "8000");
    // The frame bits: only the clicked bit changes.
    w.Check_Decode_HJ[2].click();
    EXPECT_EQ(p.at(607, 9), 0x05);
    w.Check_Decode_HJ[0].click();
    EXPECT_EQ(p.at(607, 9), 0x04);
    p.at(607, 10) = 0xFF;
    p.app.Image_replaced();
    w.Check_Decode_Disp[1].click();
    EXPECT_EQ(p.at(607, 10), 0xFD);
    for (int b : {4, 5, 6, 7, 12, 13, 14, 15}) EXPECT_EQ(p.at(607, b), b);

    // Typing is undone: the text the list had when it got the focus, or its
    // last pick; the decode standard takes no key at all.
    const bx::MemImage before = p.app.Mem_image;
    w.Combo_Enc_ys1.type("5");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "0");
    w.Combo_Enc_ys2.pick(30);
    w.Combo_Enc_ys2.type("7");
    EXPECT_EQ(w.Combo_Enc_ys2.Text(), "300");
    EXPECT_EQ(p.at(607, 1), 30);
    w.Combo_Dec_Res_Time.type("1");
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "8000");
    w.Combo_Decode_Std.type("Z");
    EXPECT_EQ(w.Combo_Decode_Std.Text(), "ZVEI3");
    w.Combo_Decode_Std.delete_at(0, 5);  // no key: the choice shows again
    EXPECT_EQ(w.Combo_Decode_Std.Text(), "ZVEI3");
    EXPECT_EQ(p.at(607, 1), 30);
    p.at(607, 1) = before(607, 1);
    EXPECT_TRUE(p.app.Mem_image == before);
}

// Default rebuilds the tables and the factory content; record 591 and
// bytes 3-15 of the standards keep theirs, the settings' unused bytes
// become 0xFF as the builder writes them.
TEST_F(FiveTone, DefaultRebuildsTheArea) {
    for (int r = 512; r <= 607; ++r)
        for (int b = 0; b < 16; ++b) p.at(r, b) = static_cast<uint8_t>(r * 3 + b);
    bx::MemImage want = p.app.Mem_image;
    bx::Load_5tone_defaults(want);
    w.ProgressBar1.setVisible(true);
    w.ProgressBar1.setValue(40);
    w.Label_tr_count.setCaption("x");
    w.Command_def.click();
    EXPECT_TRUE(p.app.Mem_image == want);
    EXPECT_EQ(p.at(591, 4), static_cast<uint8_t>(591 * 3 + 4));
    EXPECT_EQ(p.at(580, 3), static_cast<uint8_t>(580 * 3 + 3));
    EXPECT_EQ(p.at(607, 5), 0xFF);
    EXPECT_EQ(p.at(527, 0), static_cast<uint8_t>(527 * 3));  // the tables' spare slot
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 0);
    EXPECT_EQ(w.Label_tr_count.Caption(), "");
    EXPECT_EQ(w.MSF_Chann.TextMatrix(11, 1), "30");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(15, 4), "MODAT");
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "6000");
}

// A full read replaces the image while the window is open: the window shows
// it at once and its open editors are dropped without storing.
TEST_F(FiveTone, FullReadShowsAtOnceAndDropsOpenEditors) {
    w.MSF_Chann.click(2, 1);  // the standards list left open
    w.TabStrip1.click(2);
    w.MSF_Encode.click(1, 2);
    w.Text_Encode.enter("ab");
    auto& mem = p.radio.radio.mem;
    mem[0x2400] = 0;           // CCIR1 period 20 ms
    mem[0x2410] = 4;           // CCIR2 period 60 ms
    mem[0x2505] = 0xA;         // code 1 frame 2 starts with A
    mem[0x25F0] = 50;          // delay 1: 500 ms
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));
    EXPECT_FALSE(w.Text_Encode.Visible());
    EXPECT_FALSE(w.Combo_edit.Visible());
    EXPECT_EQ(w.MSF_Chann.TextMatrix(1, 1), "20");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "500");
    const std::vector<uint8_t> code1 = p.image_record(592);
    EXPECT_EQ(code1, p.radio_record(592));
    w.MSF_Encode.click(3, 1);  // the dropped box writes nothing
    w.TabStrip1.click(1);
    w.Combo_edit.pick(0);  // nor the dropped list
    EXPECT_EQ(p.image_record(592), code1);
    EXPECT_EQ(p.at(577, 0), 4);
}

// Its own read: radio 0x2400-0x25FF into records 576-607, the tone tables
// untouched; while it runs the window refuses Default, Open, Save, Close
// and the close box.
TEST_F(FiveTone, OwnReadAndBusyRefusals) {
    auto& mem = p.radio.radio.mem;
    for (int a = 0x2000; a < 0x2600; ++a) mem[static_cast<size_t>(a)] = static_cast<uint8_t>(a * 7 + 3);
    mem[0x2400] = 3;   // CCIR1 period 50 ms
    mem[0x25F0] = 10;  // delay 1: 100 ms
    w.Command_read.click();
    EXPECT_EQ(w.Label_tr_count.Caption(), "Connecting with transceiver. ");
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
    for (int r = 576; r <= 607; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << r;
    for (int r = 512; r <= 575; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(p.at(r, b), before(r, b)) << r;
    EXPECT_EQ(w.MSF_Chann.TextMatrix(1, 1), "50");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "100");
    EXPECT_TRUE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 100);
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read Signal parameters in gear. ");
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_EQ(p.rt.recorder.last()->title, "Operate Prompt");
    // Idle again: Open brings up the whole-image dialog, Close unloads.
    w.Command_open.click();
    EXPECT_TRUE(p.app.Form_named("Form_open_chann")->Loaded());
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
}

// A data file loaded through the window's Open shows at once; the window's
// Write then sends the file's tone tables as they are, with the data area.
TEST_F(FiveTone, WriteAfterDataFileLoadSendsTheFilesTables) {
    bxtest::TempDir dir;
    bx::MemImage file = p.app.Mem_image;
    for (int r = 512; r <= 575; ++r)
        for (int b = 0; b < 16; ++b) file(r, b) = static_cast<uint8_t>(r + 5 * b);
    file(576, 0) = 1;  // CCIR1 period 30 ms
    ASSERT_FALSE(bx::Save_data_file(dir / "five.dat", file));
    w.Command_open.click();
    auto& d = *p.app.Form_named("Form_open_chann");
    ASSERT_TRUE(d.Loaded());
    auto& dlg = static_cast<bx::FileDialog&>(d);
    ASSERT_TRUE(dlg.Dir1.setPath(dir.path()));
    dlg.Text1.enter("five.dat");
    dlg.Command_enter.click();
    ASSERT_TRUE(p.app.Mem_image == file);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(1, 1), "30");

    p.rt.recorder.clear();
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    for (int r = 512; r <= 607; ++r) ASSERT_EQ(p.radio_record(r), p.image_record(r)) << r;
    EXPECT_TRUE(p.app.Mem_image == file);
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete Written Signal parameters to the transceiver."});
    EXPECT_EQ(p.rt.recorder.last()->title, "Operate Prompt");
    EXPECT_EQ(w.Label_tr_count.Caption(), "Complete Written Signal parameters ");
}

// Closing while the window's own write runs is refused and the window
// stays; the program's end warns once and closes it.
TEST_F(FiveTone, CloseRefusedWhileWritingProgramEndCloses) {
    w.Command_Write.click();
    p.rt.sim.run_for(300);
    ASSERT_TRUE(w.Busy());
    w.Command_close.click();
    EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu));
    EXPECT_TRUE(w.Loaded());
    EXPECT_EQ(p.shown(kBusy), 2);
    p.rt.recorder.clear();
    p.main().Toolbar1.click("exit");
    EXPECT_EQ(p.shown(kBusy), 1);
    EXPECT_FALSE(w.Loaded());
    EXPECT_TRUE(p.app.Ended());
}

TEST_F(FiveTone, ChineseTexts) {
    w.Command_close.click();
    p.app.Lang_chinese = -1;
    p.open();
    EXPECT_EQ(w.Caption(), "5音信令编解码参数编辑");
    EXPECT_EQ(w.TabStrip1.tab(2).Caption, "编解码");
    EXPECT_EQ(w.Label_PassWord.Caption(), "读写密码");
    EXPECT_EQ(w.Label_enc_ys4.Caption(), "各组码第1个音的拓展时长（MS）");
    EXPECT_EQ(w.Check_Decode_HJ[2].Caption(), "第 3 帧");
    EXPECT_EQ(w.MSF_Encode.TextMatrix(0, 1), "第 1 帧编码");
    w.TabStrip1.click(2);
    w.MSF_Encode.click(1, 1);
    w.Text_Encode.enter("AB");
    w.MSF_Encode.click(15, 1);
    EXPECT_EQ(p.rt.recorder.last()->text, "编码位数为 5 位 ！");
    EXPECT_EQ(p.rt.recorder.last()->title, "操作提示");
    w.Command_Write.click();
    p.rt.sim.run_for(100);
    w.Command_def.click();
    EXPECT_EQ(p.rt.recorder.last()->text, "正在与对讲机进行读写操作 ！");
    EXPECT_EQ(p.rt.recorder.last()->title, "操作提示");
}

// The standards list undoes a typed change with its own value (the text it
// opened with, or its pick), never a text another list left behind; and
// the page switch closes it, so no other page's list comes in between.
TEST_F(FiveTone, StandardsListPutsBackItsOwnValue) {
    // ZVEI1's group tone "A"; the selector focused in between.
    w.MSF_Chann.click(4, 2);
    ASSERT_TRUE(w.Combo_edit.Visible());
    w.Combo_stxh.focus();
    w.Combo_edit.focus();
    w.Combo_edit.cut_at(0, 1);
    EXPECT_EQ(w.Combo_edit.Text(), "A");
    w.MSF_Chann.click(7, 0);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(4, 2), "A");
    EXPECT_EQ(p.at(579, 1), 10);
    // A pick is the list's value from then on.
    w.MSF_Chann.click(4, 2);
    w.Combo_edit.pick(12);  // "C"
    w.Combo_stxh.focus();
    w.Combo_edit.focus();
    w.Combo_edit.type("x");
    EXPECT_EQ(w.Combo_edit.Text(), "C");
    w.MSF_Chann.click(7, 0);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(4, 2), "C");
    // CCIR2's period list open, the Encode page's delay list focused, back.
    const uint8_t period = p.at(577, 0);
    w.MSF_Chann.click(2, 1);
    ASSERT_EQ(w.Combo_edit.Text(), "70");
    w.TabStrip1.click(2);
    EXPECT_FALSE(w.Combo_edit.Visible());
    w.Combo_Enc_ys1.focus();
    w.TabStrip1.click(1);
    w.Combo_edit.type("9");
    w.MSF_Chann.click(7, 0);
    EXPECT_EQ(w.MSF_Chann.TextMatrix(2, 1), "70");
    EXPECT_EQ(p.at(577, 0), period);
}
