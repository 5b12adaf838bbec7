// A radio of one band reports its band B as 000-000: every range check uses
// band A alone, and the options editor's range boxes show the limits its
// checks use as soon as a radio has answered.
#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/options/frm_option.h"
#include "model/freq_codec.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace editortest;
using bx::kColRxFreq;
using bx::kColTxFreq;

namespace {

const char* const kRefused = "Channel 0that Receiving or transmitting frequency  out of frequency limitation range ";
const char* const kRxRange = "Over the range of receive frequency .";
const char* const kVfoRange = "当前工作频率超出范围 ！";

// A program whose radio has band A 400-470 MHz and no band B, identified.
struct SingleBand : EditorProgram {
    explicit SingleBand(std::array<int, 4> bands = {400, 470, 0, 0}) {
        radio.radio.bands = bands;
        open_chann(true);
    }
    bx::frm_option& opt() { return *app.Editor<bx::EditorId::frm_option>(); }
    // Every channel empty but channel 0, receiving and sending on mhz.
    void only_channel_0(const std::string& mhz) {
        for (int r = 0; r < 200; ++r)
            for (int b = 0; b < 8; ++b) app.Mem_image(r, b) = 0xFF;
        const bx::FreqBcd f = bx::Freq_text_to_bcd(mhz);
        for (int b = 0; b < 4; ++b) app.Mem_image(0, b) = app.Mem_image(0, 4 + b) = f[static_cast<size_t>(b)];
    }
};

}  // namespace

TEST(SingleBand, EveryRangeCheckUsesBandAAlone) {
    enum class Check { WriteWindow, ChannelWrite, CellLeave, CellEnter, VfoB };
    struct Case {
        const char* what;
        Check check;
        const char* mhz;
        bool passes;
        const char* shown;  // the cell or box afterwards ("" where none)
    } cases[] = {
        {"write window, 450", Check::WriteWindow, "450", true, ""},
        {"write window, 470.99 (whole MHz)", Check::WriteWindow, "470.99", true, ""},
        {"write window, 471", Check::WriteWindow, "471", false, ""},
        {"write window, 145", Check::WriteWindow, "145", false, ""},
        {"channel editor Write, 450", Check::ChannelWrite, "450", true, ""},
        {"channel editor Write, 475", Check::ChannelWrite, "475", false, ""},
        {"cell left, 455", Check::CellLeave, "455", true, "455.00000"},
        {"cell left, 470.5 (band A plus a MHz)", Check::CellLeave, "470.5", true, "470.50000"},
        {"cell left, 471", Check::CellLeave, "471", false, "400.00000"},
        {"cell left, 145", Check::CellLeave, "145", false, "400.00000"},
        {"cell Enter, 455", Check::CellEnter, "455", true, "455.00000"},
        {"cell Enter, 470.5", Check::CellEnter, "470.5", false, "400.00000"},
        {"VFO B on UHF, 455", Check::VfoB, "455", true, "455.00000"},
        {"VFO B on UHF, 480", Check::VfoB, "480", false, "469.62500"},
    };
    for (const Case& c : cases) {
        SingleBand p;
        // What the radio reported stays on the status bar.
        EXPECT_EQ(p.main().StatusBar1.Panels(8).Text, " 400-- 470 MHZ") << c.what;
        EXPECT_EQ(p.main().StatusBar1.Panels(10).Text, " 0-- 0 MHZ") << c.what;
        std::vector<std::string> want;
        switch (c.check) {
        case Check::WriteWindow:
        case Check::ChannelWrite: {
            p.only_channel_0(c.mhz);
            const std::vector<uint8_t> radio_before = p.radio_record(0);
            const bx::LinkMachine* m = nullptr;
            if (c.check == Check::WriteWindow) {
                p.main().Prog_write.click();
                p.wr().Command_Write.click();
                m = &p.wr().Link;
            } else {
                p.ch().Command_Write.click();
                m = &p.ch().Link;
            }
            ASSERT_TRUE(p.run_until_idle(*m)) << c.what;
            EXPECT_EQ(p.radio_record(0), c.passes ? p.image_record(0) : radio_before) << c.what;
            EXPECT_EQ(p.frames(linktest::Frame::Write).empty(), !c.passes) << c.what;
            want.push_back(c.passes ? kWriteDone : kRefused);
            break;
        }
        case Check::CellLeave:
        case Check::CellEnter:
            p.ch().MSF_Chann.click(10, kColRxFreq);
            p.ch().Text_Edit.enter(c.mhz);
            if (c.check == Check::CellEnter)
                p.ch().Text_Edit.type("\r");
            else
                p.ch().MSF_Chann.click(20, 0);
            EXPECT_EQ(p.cell(10, kColRxFreq), c.shown) << c.what;
            EXPECT_EQ(p.cell(10, kColTxFreq), c.shown) << c.what;
            if (c.check == Check::CellLeave) {
                EXPECT_EQ(bx::Freq_bcd_to_text(p.app.Mem_image(9, 0), p.app.Mem_image(9, 1), p.app.Mem_image(9, 2),
                                               p.app.Mem_image(9, 3)),
                          c.shown)
                    << c.what;
            }
            if (!c.passes) want.push_back(kRxRange);
            break;
        case Check::VfoB: {
            bx::frm_option& w = p.opt();
            ASSERT_EQ(w.List("Combo_Band_B")->ListIndex(), 1) << c.what;  // UHF
            w.Text_Freq_b.enter(c.mhz);
            w.Text_Freq_b.blur();
            EXPECT_EQ(w.Text_Freq_b.Text(), c.shown) << c.what;
            EXPECT_EQ(w.Text_Range_B.Text(), "400 - 470.9950") << c.what;
            if (!c.passes) want.push_back(kVfoRange);
            break;
        }
        }
        EXPECT_EQ(p.texts(), want) << c.what;
    }
}

// The range boxes show the limits the frequency checks use once a radio has
// answered (before, the start-up limits); the VFOs' bands and frequencies
// stay as they were.
TEST(SingleBand, RangeBoxesFollowTheIdentification) {
    struct Case {
        std::array<int, 4> bands;
        const char* range_a;
        const char* range_b;
    } cases[] = {
        {{136, 174, 400, 480}, "136 - 174.9950", "400 - 480.9950"},
        {{144, 146, 430, 440}, "144 - 146.9950", "430 - 440.9950"},
        // No band B: VFO B (on UHF) is checked against band A.
        {{400, 470, 0, 0}, "400 - 470.9950", "400 - 470.9950"},
    };
    for (const Case& c : cases) {
        EditorProgram p;
        p.radio.radio.bands = c.bands;
        p.start();  // the options editor is open; the radio has not answered yet
        bx::frm_option& w = *p.app.Editor<bx::EditorId::frm_option>();
        EXPECT_EQ(w.Text_Range_A.Text(), "130 - 179.9950");
        EXPECT_EQ(w.Text_Range_B.Text(), "400 - 520.9950");
        const std::string freq_a = w.Text_Freq_a.Text(), freq_b = w.Text_Freq_b.Text();
        const int band_a = w.List("Combo_Band_A")->ListIndex(), band_b = w.List("Combo_Band_B")->ListIndex();
        const bx::MemImage before = p.app.Mem_image;
        p.rt.sim.run_for(2000);
        ASSERT_EQ(p.app.Limit_A_low, c.bands[0]);
        EXPECT_EQ(w.Text_Range_A.Text(), c.range_a) << c.range_a;
        EXPECT_EQ(w.Text_Range_B.Text(), c.range_b) << c.range_b;
        EXPECT_EQ(w.Text_Freq_a.Text(), freq_a);
        EXPECT_EQ(w.Text_Freq_b.Text(), freq_b);
        EXPECT_EQ(w.List("Combo_Band_A")->ListIndex(), band_a);
        EXPECT_EQ(w.List("Combo_Band_B")->ListIndex(), band_b);
        EXPECT_EQ(p.app.Mem_image, before);
        EXPECT_TRUE(p.texts().empty());
    }
    // A window closed stops listening: a later identification reaches
    // nothing of it, and it shows the limits again when it loads.
    EditorProgram p;
    p.start();
    p.rt.sim.run_for(2000);
    bx::frm_option& w = *p.app.Editor<bx::EditorId::frm_option>();
    ASSERT_TRUE(bx::App::Try_unload(w));
    p.radio.radio.bands = {144, 146, 430, 440};
    p.main().Restart_identify();
    p.rt.sim.run_for(2000);
    ASSERT_EQ(p.app.Limit_B_high, 440);
    bx::App::Open(w);
    EXPECT_EQ(w.Text_Range_A.Text(), "144 - 146.9950");
    EXPECT_EQ(w.Text_Range_B.Text(), "430 - 440.9950");
}
