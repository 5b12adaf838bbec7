// Pastes into the signalling editors' boxes and lists, through the shared
// typing rules: what a box or list shows after a paste is what the image
// holds.
#include <vector>

#include "five_tone_support.h"
#include "editors/signalling/frm_dtmf.h"
#include "model/layouts.h"

using namespace fivetonetest;

namespace {
constexpr int kNo = 0xFF;
}  // namespace

TEST_F(FiveTone, APastedFrameKeepsOnlyWhatTheFrameStores) {
    w.TabStrip1.click(2);
    w.Command_def.click();
    w.MSF_Encode.click(15, 1);
    ASSERT_TRUE(w.Text_Encode.Visible());
    // Over the whole full frame the paste replaces it, judged key by key.
    EXPECT_EQ(w.Text_Encode.paste_at("12O45", 0, 5), 4);
    EXPECT_EQ(w.Text_Encode.Text(), "1245");
    w.Text_Encode.enter("");
    w.Text_Encode.paste_at("12O45", 0, 0);
    EXPECT_EQ(w.Text_Encode.Text(), "1245");
    std::vector<int> frame;
    for (int b = 0; b < 5; ++b) frame.push_back(p.at(591 + 15, b));
    EXPECT_EQ(frame, (std::vector<int>{1, 2, 4, 5, kNo}));
}

TEST(DtmfPastes, ShownIsStored) {
    FiveToneProgram p;
    p.start_identified();
    p.main().Sig_dtmf.click();
    bx::frm_dtmf& w = *p.app.Editor<bx::EditorId::frm_dtmf>();
    ASSERT_TRUE(w.Loaded());
    namespace set = bx::layout::Dtmf_dec_settings_record;
    namespace enc = bx::layout::Dtmf_enc_block;
    // The reset-time list: "100" names an item and is picked; other text
    // is refused; Cut leaves the item.
    ASSERT_EQ(w.Combo_Dec_Res_Time.Text(), "8000");
    w.Combo_Dec_Res_Time.paste_at("250", 0, 4);
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "8000");
    w.Combo_Dec_Res_Time.paste_at("100", 0, 4);
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "100");
    EXPECT_EQ(set::Reset_time.get(p.app.Mem_image), 0);
    w.Combo_Dec_Res_Time.cut_at(0, 3);
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "100");
    // A send-code box keeps only DTMF characters of a paste.
    w.Text_tx_Encode[0].enter("");
    w.Text_tx_Encode[0].paste_at("1 2-a", 0, 0);
    EXPECT_EQ(w.Text_tx_Encode[0].Text(), "12a");
    const std::vector<uint8_t> code = enc::Send_code.bytes(p.app.Mem_image, 0);
    EXPECT_EQ(std::vector<uint8_t>(code.begin(), code.begin() + 4), (std::vector<uint8_t>{1, 2, 13, 0xFF}));
}
