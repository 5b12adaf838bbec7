// A range message that stands while the identification's retry sets the
// radio's limits (before it the start-up limits, 130-179 MHz for band A;
// the radio's 136-174): what the commit then stores is worked out from the
// limits in force when it is stored, inside the range the window shows.
#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/options/frm_option.h"
#include "model/freq_codec.h"

using namespace editortest;

namespace {

// The program started against a radio that does not answer the first
// identification; returns once the identification pauses before its retry,
// the radio answering from then on. The limits are still the start-up ones.
void start_in_the_identifications_pause(EditorProgram& p) {
    p.radio.radio.faults.silent = true;
    p.start();
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.main().Timer3.running(); }, 10000));
    p.radio.radio.faults.silent = false;
    ASSERT_EQ(p.app.Limit_A_low, 130);
}

// While the first message shows, the identification's retry runs to its end.
void retry_under_the_first_message(EditorProgram& p, bool& retried) {
    p.rt.recorder.clear();
    p.rt.recorder.on_show = [&p, &retried](const ui::MsgRecord&) {
        if (retried) return;
        retried = true;
        EXPECT_TRUE(p.run_until_idle(p.main().Link));
        EXPECT_EQ(p.app.Limit_A_low, 136);
    };
}

}  // namespace

TEST(LimitsUnderAMessage, ChannelFrequencyTakesTheLowEdgeInForceWhenStored) {
    for (const bool enter : {false, true}) {
        SCOPED_TRACE(enter ? "Enter" : "leave");
        EditorProgram p;
        start_in_the_identifications_pause(p);
        bx::App::Open(p.ch());
        bool retried = false;
        retry_under_the_first_message(p, retried);
        if (enter) {
            p.ch().MSF_Chann.click(10, bx::kColRxFreq);
            p.ch().Text_Edit.enter("600");
            p.ch().Text_Edit.type("\r");
            p.ch().MSF_Chann.click(12, 0);
        } else {
            p.type_at(10, bx::kColRxFreq, "600", 12, 0);
        }
        p.rt.recorder.on_show = nullptr;
        ASSERT_TRUE(retried);
        EXPECT_EQ(p.texts().front(), "Over the range of receive frequency .");
        EXPECT_EQ(p.cell(10, bx::kColRxFreq), "136.00000");
        EXPECT_EQ(p.app.Mem_image(9, 2), 0x60);
        EXPECT_EQ(p.app.Mem_image(9, 3), 0x13);
        // The write's own check finds nothing outside the limits.
        EXPECT_EQ(bx::Chann_freq_check(p.app.Mem_image, p.app.limits()), 255);
    }
}

TEST(LimitsUnderAMessage, OptionsVfoTakesTheLimitsInForceWhenStored) {
    EditorProgram p;
    start_in_the_identifications_pause(p);
    auto& w = *p.app.Editor<bx::EditorId::frm_option>();
    bx::App::Open(w);
    bool retried = false;
    retry_under_the_first_message(p, retried);
    w.Text_Freq_a.focus();
    w.Text_Freq_a.enter("100");
    w.Text_Freq_b.focus();
    p.rt.recorder.on_show = nullptr;
    ASSERT_TRUE(retried);
    EXPECT_EQ(w.Text_Range_A.Text(), "136 - 174.9950");
    EXPECT_EQ(w.Text_Freq_a.Text(), "136.02500");
    const std::vector<uint8_t> want = {1, 3, 6, 0, 2, 5, 0, 0};
    for (int b = 0; b < 8; ++b) EXPECT_EQ(p.app.Mem_image(240, b), want[static_cast<size_t>(b)]) << b;
}
