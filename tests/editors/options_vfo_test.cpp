// The VFO frames and the text boxes of the options editor, driven as a user
// would: typed frequencies, band picks, offsets, tones, the power-on lines,
// the codes and the ANI checks.
#include "options_support.h"

#include "model/option_offsets.h"

using namespace optionstest;

namespace {

const char* const kRangeMsg = "当前工作频率超出范围 ！";

// Types a frequency into VFO v's box and leaves it.
void commit(Options& p, int v, const std::string& text) {
    ui::TextBox& box = v == 0 ? p.w().Text_Freq_a : p.w().Text_Freq_b;
    box.enter(text);
    box.blur();
}

}  // namespace

TEST(OptionsVfo, TypedFrequenciesAreCheckedAndPutOnTheGrid) {
    struct Case {
        const char* typed;
        const char* shown;
        std::vector<int> bytes;
        bool message;
    };
    // VFO A on VHF, limits 136-174 after the identification.
    const Case cases[] = {
        {"145.005", "145.00500", {1, 4, 5, 0, 0, 5, 0, 0}, false},
        {"145.035", "145.03500", {1, 4, 5, 0, 3, 5, 0, 0}, false},
        {"136.0187", "136.01850", {1, 3, 6, 0, 1, 8, 5, 0}, false},
        {"136.9999", "136.99975", {1, 3, 6, 9, 9, 9, 7, 5}, false},
        {"136..5", "136.00000", {1, 3, 6, 0, 0, 0, 0, 0}, false},
        {"174", "174.00000", {1, 7, 4, 0, 0, 0, 0, 0}, false},
        {"174.5", "173.62500", {1, 7, 3, 6, 2, 5, 0, 0}, true},
        {"100", "136.02500", {1, 3, 6, 0, 2, 5, 0, 0}, true},
        {"", "136.02500", {1, 3, 6, 0, 2, 5, 0, 0}, true},
    };
    Options p;
    p.begin();
    for (const Case& c : cases) {
        p.rt.recorder.clear();
        commit(p, 0, c.typed);
        EXPECT_EQ(p.w().Text_Freq_a.Text(), c.shown) << c.typed;
        EXPECT_EQ(p.bytes(240, 0, 7), c.bytes) << c.typed;
        if (c.message) {
            ASSERT_EQ(p.texts(), std::vector<std::string>{kRangeMsg}) << c.typed;
            EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
            EXPECT_TRUE(p.w().Text_Freq_a.focused()) << c.typed;  // focus back in the box
        } else {
            EXPECT_TRUE(p.texts().empty()) << c.typed;
        }
        EXPECT_EQ(p.list("Combo_Band_A").ListIndex(), 0) << c.typed;
    }
    // Keys other than digits, "." and Backspace are dropped.
    p.w().Text_Freq_a.enter("1a4-5 .");
    EXPECT_EQ(p.w().Text_Freq_a.Text(), "145.");
}

TEST(OptionsVfo, ChecksUseTheLimitsOfTheBandPickedForThatVfo) {
    Options p;
    p.begin();  // identified: VHF 136-174, UHF 400-480
    bx::frm_option& w = p.w();
    // The range boxes follow the radio's limits as soon as it answers.
    EXPECT_EQ(w.Text_Range_A.Text(), "136 - 174.9950");
    EXPECT_EQ(w.Text_Range_B.Text(), "400 - 480.9950");
    // VFO B on UHF checks against the radio's UHF limits.
    commit(p, 1, "490");
    EXPECT_EQ(w.Text_Freq_b.Text(), "479.62500");
    EXPECT_EQ(p.texts(), std::vector<std::string>{kRangeMsg});
    // VFO A put on UHF: the band change takes the UHF limits and the text.
    p.rt.recorder.clear();
    p.list("Combo_Band_A").pick(1);
    EXPECT_EQ(w.Text_Freq_a.Text(), "400.02500");
    EXPECT_EQ(p.bytes(240, 0, 7), (std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0}));
    EXPECT_EQ(w.Text_Range_A.Text(), "400 - 480.9950");
    EXPECT_EQ(p.app.Band_A_low, 400);
    EXPECT_EQ(p.app.Band_A_high, 480);
    EXPECT_TRUE(p.texts().empty());
    // A new identification leaves VFO A on UHF, checked against UHF.
    p.radio.radio.bands = {140, 170, 410, 470};
    p.main().Restart_identify();
    p.rt.sim.run_for(2000);
    ASSERT_EQ(p.app.Limit_B_high, 470);
    EXPECT_EQ(w.Text_Range_A.Text(), "410 - 470.9950");  // VFO A is on UHF
    EXPECT_EQ(w.Text_Range_B.Text(), "410 - 470.9950");
    commit(p, 0, "465");
    EXPECT_EQ(w.Text_Freq_a.Text(), "465.00000");
    EXPECT_TRUE(p.texts().empty());
    commit(p, 0, "471");
    EXPECT_EQ(w.Text_Freq_a.Text(), "469.62500");
    // Back to VHF: a frequency outside VHF takes its lower limit.
    p.list("Combo_Band_A").pick(0);
    EXPECT_EQ(w.Text_Freq_a.Text(), "140.02500");
    EXPECT_EQ(w.Text_Range_A.Text(), "140 - 170.9950");
    EXPECT_EQ(p.bytes(240, 0, 7), (std::vector<int>{1, 4, 0, 0, 2, 5, 0, 0}));
}

TEST(OptionsVfo, BandAndCommitEndUnderLimitsThatBreakTheDigitRule) {
    Options p;
    p.begin();
    // VHF limits that do not begin with 1, UHF limits that do.
    p.app.Limit_A_low = 200;
    p.app.Limit_A_high = 260;
    p.app.Limit_B_low = 130;
    p.app.Limit_B_high = 179;
    p.list("Combo_Band_B").pick(0);  // VFO B to VHF
    EXPECT_EQ(p.w().Text_Freq_b.Text(), "200.02500");
    EXPECT_EQ(p.bytes(242, 0, 7), (std::vector<int>{2, 0, 0, 0, 2, 5, 0, 0}));
    // The stored frequency puts it back on UHF; the chain ends there.
    EXPECT_EQ(p.list("Combo_Band_B").ListIndex(), 1);
    EXPECT_TRUE(p.texts().empty());
    // Committing again ends as well.
    commit(p, 1, "200.02500");
    EXPECT_EQ(p.w().Text_Freq_b.Text(), "200.02500");
    EXPECT_LE(p.texts().size(), 1u);
}

TEST(OptionsVfo, LengthGuardEmptiesTheBox) {
    Options p;
    p.begin();
    bx::frm_option& w = p.w();
    w.Text_Freq_a.type(".");  // a tenth character into a full box
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Over the range of  frequency ."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(w.Text_Freq_a.Text(), "");
    EXPECT_TRUE(w.Text_Freq_a.focused());
    // Leaving the emptied box commits it; then text pasted into B.
    p.rt.recorder.clear();
    w.Text_Freq_b.focus();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kRangeMsg});
    EXPECT_EQ(w.Text_Freq_a.Text(), "136.02500");
    w.Text_Freq_b.focus();
    p.app.Lang_chinese = -1;
    p.rt.recorder.clear();
    w.Text_Freq_b.setText("1234567890");
    EXPECT_EQ(p.texts(), std::vector<std::string>{"频率超出范围 ！"});
    EXPECT_EQ(w.Text_Freq_b.Text(), "");
    EXPECT_TRUE(w.Text_Freq_b.focused());
}

TEST(OptionsVfo, OffsetsTonesAndListsShowAndStore) {
    Options p;
    p.begin();
    bx::frm_option& w = p.w();
    // Offsets: halves to even, bytes beyond the list to the last item.
    p.set_bytes(242, 8, {0, 0, 1, 6, 2, 5});
    p.set_bytes(240, 8, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    w.Show_option_data();
    EXPECT_EQ(p.list("Combo_offset_b").Text(), "01.600MHZ");
    EXPECT_EQ(p.bytes(242, 8, 13), (std::vector<int>{0, 0, 1, 6, 2, 5}));  // the position did not change
    EXPECT_EQ(p.list("Combo_Offset_A").Text(), "99.950MHZ");
    EXPECT_EQ(p.bytes(240, 8, 13), (std::vector<int>{0, 9, 9, 9, 5, 0}));
    p.list("Combo_offset_b").pick(249);
    EXPECT_EQ(p.bytes(242, 8, 13), (std::vector<int>{0, 1, 2, 4, 5, 0}));

    // Tones: record 241 bytes 0-1 receive, 2-3 transmit (VFO A).
    struct Tone {
        int low, high;
        int position;
        const char* text;
        std::vector<int> after;
    };
    const Tone tones[] = {
        {0x9E, 0x02, 1, "67.0", {0x9E, 0x02}},
        {0x12, 0xFF, 0, "OFF", {0, 0}},          // off, written back as 0 0
        {0xFF, 0x00, 0, "OFF", {0xFF, 0x00}},     // already showing off: kept
        {0x01, 0x00, 51, "D023N", {0x01, 0x00}},
        {0x6A, 0x00, 156, "D023I", {0x6A, 0x00}},
        {0xD3, 0x00, -1, "", {0xD3, 0x00}},       // past the DCS list: kept
        {0x00, 0x01, -1, "25.6", {0x00, 0x01}},   // no listed tone: kept
    };
    for (const Tone& t : tones) {
        p.set_bytes(241, 2, {t.low, t.high});
        w.Show_option_data();
        ui::ComboBox& list = p.list("Combo_t_ctdcs_a");
        EXPECT_EQ(list.ListIndex(), t.position) << t.text;
        EXPECT_EQ(list.Text(), t.text) << t.text;
        EXPECT_EQ(p.bytes(241, 2, 3), t.after) << t.text;
    }
    for (auto [pos, low, high] : {std::tuple{1, 0x9E, 0x02}, {51, 0x01, 0x00}, {50, 0xED, 0x09}, {0, 0, 0}}) {
        p.list("Combo_r_ctdcs_a").pick(pos);
        EXPECT_EQ(p.bytes(241, 0, 1), (std::vector<int>{low, high})) << pos;
    }
    // Position lists: a byte beyond the list shows and stores the last.
    p.set_bytes(241, 4, {0xFF});
    w.Show_option_data();
    EXPECT_EQ(p.list("Combo_S_info_a").Text(), "15");
    EXPECT_EQ(p.bytes(241, 4, 4), std::vector<int>{14});
    p.list("Combo_step_b").pick(3);
    p.list("Combo_sft_d_b").pick(2);
    p.list("Combo_Spmute_b").pick(1);
    EXPECT_EQ(p.bytes(243, 4, 11), (std::vector<int>{14, 1, 0, 0, 0, 0, 2, 3}));
    // Typed keys change no list.
    p.list("Combo_step_b").type("1");
    EXPECT_EQ(p.list("Combo_step_b").Text(), "12.50 KHZ");
    // Nothing writes bytes 14-15 or 28-31.
    EXPECT_EQ(p.bytes(241, 12, 15), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(p.texts().empty());
}

TEST(OptionsVfo, ErasedRecordGoesToUhf) {
    Options p;
    p.begin();
    p.set_bytes(240, 0, std::vector<int>(16, 0xFF));
    p.w().Show_option_data();
    EXPECT_EQ(p.list("Combo_Band_A").ListIndex(), 1);
    EXPECT_EQ(p.w().Text_Freq_a.Text(), "400.02500");
    EXPECT_EQ(p.bytes(240, 0, 7), (std::vector<int>{4, 0, 0, 0, 2, 5, 0, 0}));
    EXPECT_TRUE(p.texts().empty());
}

TEST(OptionsTextBoxes, PowerOnLinesAreCentredAndShownBack) {
    Options p;
    p.begin();
    bx::frm_option& w = p.w();
    struct Case {
        ui::TextBox& box;
        int first;  // byte in record 236
        const char* typed;
        std::vector<int> stored;
        const char* shown;
        std::vector<int> after;
    };
    const Case cases[] = {
        {w.Text_PON_MSG_U, 0, "HI", {32, 32, 72, 73, 32, 32}, "HI ", {32, 32, 72, 73, 32, 32}},
        {w.Text_PON_MSG_D, 6, "hello", {72, 69, 76, 76, 79, 32}, "HELLO ", {72, 69, 76, 76, 79, 32}},
        {w.Text_PON_MSG_U, 0, "A B", {32, 65, 11, 66, 32, 32}, "AB ", {32, 32, 65, 66, 32, 32}},
        {w.Text_PON_MSG_D, 6, "ABCDEFG", {65, 66, 67, 68, 69, 70}, "ABCDEF", {65, 66, 67, 68, 69, 70}},
    };
    for (const Case& c : cases) {
        c.box.enter(c.typed);
        EXPECT_EQ(c.box.Text(), c.typed);
        EXPECT_EQ(p.bytes(236, c.first, c.first + 5), c.stored) << c.typed;
        c.box.blur();
        EXPECT_EQ(c.box.Text(), c.shown) << c.typed;
        EXPECT_EQ(p.bytes(236, c.first, c.first + 5), c.after) << c.typed;
        EXPECT_TRUE(p.mirror_matches_image()) << c.typed;
    }
    // A seventh character can be typed, an eighth not; Backspace shortens.
    w.Text_PON_MSG_U.enter("ABCDEFGH");
    EXPECT_EQ(w.Text_PON_MSG_U.Text(), "ABCDEFG");
    w.Text_PON_MSG_U.type("\b");
    EXPECT_EQ(w.Text_PON_MSG_U.Text(), "ABCDEF");
    EXPECT_EQ(p.bytes(236, 12, 15), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(OptionsTextBoxes, CodesAndAniChecks) {
    Options p;
    p.begin();
    bx::frm_option& w = p.w();
    // A code box takes only characters its code stores, typed or pasted,
    // so it shows its code at once and its field has no hole.
    struct Code {
        ui::TextBox& box;
        bool paste;
        const char* input;
        const char* shown;
        std::vector<int> head;  // bytes 0-3 of the field
    };
    const Code codes[] = {
        {w.Text_PttId_Begin, false, "12#", "12#", {1, 2, 12, 0xFF}},
        {w.Text_PttId_End, false, "1 2", "12", {1, 2, 0xFF, 0xFF}},
        {w.Text_PttId_End, false, "RPT1", "1", {1, 0xFF, 0xFF, 0xFF}},
        {w.Text_PttId_End, true, "RPT1", "1", {1, 0xFF, 0xFF, 0xFF}},
        {w.Text_PttId_Begin, false, "a*d0", "A*D0", {13, 11, 0, 10}},
        {w.Text_PttId_Begin, true, " 9-8 ", "98", {9, 8, 0xFF, 0xFF}},
        {w.Text_ANI, false, "88.5", "885", {8, 8, 5, 0xFF}},
        {w.Text_ANI, true, "88.5", "885", {8, 8, 5, 0xFF}},
    };
    for (const Code& c : codes) {
        c.box.enter("");
        if (c.paste)
            c.box.paste_at(c.input, 0, 0);
        else
            c.box.type(c.input);
        EXPECT_EQ(c.box.Text(), c.shown) << c.input;
        const int row = &c.box == &w.Text_ANI ? 237 : &c.box == &w.Text_PttId_Begin ? 238 : 239;
        EXPECT_EQ(p.bytes(row, 0, 3), c.head) << c.input;
        c.box.blur();
        EXPECT_TRUE(p.texts().empty()) << c.input;
        w.Show_option_data();
        EXPECT_EQ(c.box.Text(), c.shown) << c.input << ": the redraw shows the same";
        EXPECT_EQ(p.bytes(row, 0, 3), c.head) << c.input;
    }
    // A paste longer than the field stores its first 16 characters.
    w.Text_PttId_Begin.enter("");
    w.Text_PttId_Begin.paste_at("12345678901234567890", 0, 0);
    EXPECT_EQ(w.Text_PttId_Begin.Text(), "1234567890123456");
    EXPECT_EQ(p.bytes(238, 14, 15), (std::vector<int>{5, 6}));
    // At most 16 characters: a seventeenth is refused, Backspace shortens,
    // and typing over a selection is judged on what it makes.
    w.Text_PttId_Begin.setText("12345678901234567890");  // pasted
    EXPECT_EQ(p.bytes(238, 14, 15), (std::vector<int>{5, 6}));
    w.Text_PttId_Begin.setText("1234567890123456");
    w.Text_PttId_Begin.type("7");
    EXPECT_EQ(w.Text_PttId_Begin.Text(), "1234567890123456");
    w.Text_PttId_Begin.type("\b");
    EXPECT_EQ(w.Text_PttId_Begin.Text(), "123456789012345");
    w.Text_PttId_Begin.setText("1234567890123456");
    w.Text_PttId_Begin.SelectAll();
    w.Text_PttId_Begin.type("9*");
    EXPECT_EQ(w.Text_PttId_Begin.Text(), "9*");

    struct Ani {
        const char* typed;
        const char* message;  // nullptr: passes
        std::vector<int> head;
    };
    const char* const kLength = "ANI ID code length is 3 to 5 digit.";
    const char* const kRange = " Available ANI ID code from 00000 to 99999. ";
    // The ANI box takes no key that would make a text the checks cannot
    // accept any more (a sixth character, a letter first, "*" after "0");
    // the checks still catch what is too short or ranges below 00000.
    const Ani anis[] = {
        {"12", kLength, {1, 2, 0xFF}},
        {"123456", nullptr, {1, 2, 3, 4, 5, 0xFF}},
        {"E502", nullptr, {5, 10, 2, 0xFF}},
        {"A12", kLength, {1, 2, 0xFF}},
        {"0*1", kLength, {10, 1, 0xFF}},
        {"9A1*", nullptr, {9, 1, 11, 0xFF}},
        {"000", kRange, {10, 10, 10}},
        {"1A234", nullptr, {1, 13, 2, 3, 4}},
        {"00000", nullptr, {10, 10, 10, 10, 10}},
    };
    for (const Ani& a : anis) {
        p.rt.recorder.clear();
        w.Text_ANI.enter(a.typed);
        w.Text_ANI.blur();
        if (a.message) {
            ASSERT_EQ(p.texts(), std::vector<std::string>{a.message}) << a.typed;
            EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
            EXPECT_TRUE(w.Text_ANI.focused()) << a.typed;
        } else {
            EXPECT_TRUE(p.texts().empty()) << a.typed;
        }
        EXPECT_EQ(p.bytes(237, 0, static_cast<int>(a.head.size()) - 1), a.head) << a.typed;
    }
    // A pick afterwards keeps the new ANI.
    p.list("Combo_Beep").pick(0);
    EXPECT_EQ(p.bytes(237, 0, 5), (std::vector<int>{10, 10, 10, 10, 10, 0xFF}));
    EXPECT_EQ(w.Text_ANI.Text(), "00000");
}
