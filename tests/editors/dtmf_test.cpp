// The DTMF editor: display, code entry, settings, buttons and its own
// exchange against the simulated radio.
#include "editors/signalling/frm_dtmf.h"
#include "link/link_support.h"
#include "model/defaults.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {

constexpr int kFirst = 656, kLast = 687;

std::vector<uint8_t> rec_of(const bx::MemImage& img, int r) {
    std::vector<uint8_t> v;
    for (int b = 0; b < 16; ++b) v.push_back(img(r, b));
    return v;
}

std::vector<uint8_t> rec(bx::App& app, int r) {
    std::vector<uint8_t> v;
    for (int b = 0; b < 16; ++b) v.push_back(app.Mem_image(r, b));
    return v;
}
// Codes, then 0xFF up to 16 bytes.
std::vector<uint8_t> code(std::initializer_list<uint8_t> bytes) {
    std::vector<uint8_t> v(bytes);
    v.resize(16, 0xFF);
    return v;
}
void put(bx::App& app, int r, const std::vector<uint8_t>& bytes) {
    for (int b = 0; b < 16; ++b) app.Mem_image(r, b) = b < static_cast<int>(bytes.size()) ? bytes[b] : 0xFF;
}

struct DtmfProgram : RadioProgram {
    bx::frm_dtmf& open() {
        main().Sig_dtmf.click();
        auto* w = app.Editor<bx::EditorId::frm_dtmf>();
        EXPECT_TRUE(w && w->Loaded());
        return *w;
    }
};

}  // namespace

TEST(DtmfEditor, ErasedAreaShowsAndStoresBackItsListPositions) {
    DtmfProgram p;
    p.start();
    for (int r = kFirst; r <= kLast; ++r) put(p.app, r, {});
    p.app.Mem_image(687, 0) = 0;  // switch off before the display
    bx::frm_dtmf& w = p.open();

    for (const auto& c : w.Code_boxes()) EXPECT_EQ(c.box->Text(), "");
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "2000");
    EXPECT_EQ(w.Combo_Enc_ys2.Text(), "2000");
    EXPECT_EQ(w.Combo_Dec_Proc_Ys.Text(), "4000");
    EXPECT_EQ(w.Combo_Dec_Res_Time.Text(), "8000");
    EXPECT_EQ(w.Combo_Dec_qh.Text(), "");
    EXPECT_EQ(w.Combo_Dec_Space_Code.Text(), "");
    EXPECT_EQ(w.Check_Ctrl_En.Value(), 0);
    EXPECT_FALSE(w.Text_MID.Enabled());
    for (size_t k = 0; k < 5; ++k) EXPECT_EQ(w.Check_M[k].Value(), 1);
    EXPECT_EQ(w.Check_RX.Value(), 1);
    EXPECT_EQ(w.Check_Tx.Value(), 1);
    // What the display stored back: the last positions; nothing else.
    EXPECT_EQ(rec(p.app, 671), code({195, 195}));
    EXPECT_EQ(rec(p.app, 687), code({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 39, 79}));
    for (int r = kFirst; r <= 670; ++r) EXPECT_EQ(rec(p.app, r), code({})) << r;

    // Odd bytes: gaps and non-characters in a code, rights bits 5-7, inhibit
    // bits, a digit byte that is no list item.
    put(p.app, 656, {0x01, 0xFF, 0x02, 0x0B, 0x20});
    put(p.app, 687, {7, 0xE5, 0x40, 0xFC, 5, 10, 0, 0});
    w.Show_dtmf_data();
    EXPECT_EQ(w.Text_tx_Encode[0].Text(), "12*");
    EXPECT_EQ(rec(p.app, 656), code({1, 2, 11}));  // the changed text repacks
    EXPECT_EQ(w.Check_Ctrl_En.Value(), 1);
    EXPECT_EQ(p.app.Mem_image(687, 0), 1);  // switched on: stored as 1
    EXPECT_EQ(p.app.Mem_image(687, 1), 0xE5);
    EXPECT_EQ(p.app.Mem_image(687, 2), 0x40);
    EXPECT_EQ(w.Check_M[0].Value(), 1);
    EXPECT_EQ(w.Check_M[1].Value(), 0);
    EXPECT_EQ(w.Check_M[2].Value(), 1);
    EXPECT_EQ(w.Check_RX.Value(), 0);
    EXPECT_EQ(w.Check_Tx.Value(), 0);
    EXPECT_EQ(p.app.Mem_image(687, 3), 0xFC);
    EXPECT_EQ(w.Combo_Dec_qh.Text(), "5");
    EXPECT_EQ(w.Combo_Dec_Space_Code.Text(), "0");
    EXPECT_EQ(p.app.Mem_image(687, 4), 5);
    EXPECT_EQ(p.app.Mem_image(687, 5), 10);
    EXPECT_EQ(w.Combo_Dec_Proc_Ys.Text(), "100");
}

TEST(DtmfEditor, CodeBoxesStoreTheirOwnRecordOnly) {
    struct Case {
        const char* what;
        std::function<void(ui::TextBox&)> act;
        const char* text;                // the box afterwards
        std::vector<uint8_t> record;     // its record afterwards
        const char* text_after_leave;    // after the box lost the focus
        std::vector<uint8_t> after_leave;
    } cases[] = {
        {"typed", [](ui::TextBox& b) { b.type("12a"); }, "12a", code({1, 2, 13}), "12A", code({1, 2, 13})},
        {"refused keys", [](ui::TextBox& b) { b.type("1 x-2"); b.type("\b"); }, "12", code({1, 2}), "12",
         code({1, 2})},
        {"16 characters stop typing", [](ui::TextBox& b) { b.type("1234567890123456789"); b.type("\r"); },
         "1234567890123456", code({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6}), "1234567890123456",
         code({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6})},
        {"paste with blanks around", [](ui::TextBox& b) { b.setText("  0D* "); }, "  0D* ", code({10, 0, 11}), "0D*",
         code({10, 0, 11})},
        {"paste with a blank inside", [](ui::TextBox& b) { b.setText("1 2"); }, "1 2", code({1, 0xFF, 2}), "12",
         code({1, 2})},
        {"over-long paste", [](ui::TextBox& b) { b.setText("12345678901234567890"); }, "12345678901234567890",
         code({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6}), "1234567890123456",
         code({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6})},
        {"emptied", [](ui::TextBox& b) { b.setText("   "); }, "   ", code({}), "", code({})},
    };
    for (const Case& c : cases) {
        DtmfProgram p;
        p.start();
        bx::frm_dtmf& w = p.open();
        // One box of each kind: a send code, a command code, an ID.
        for (size_t k : {size_t{3}, size_t{17}, size_t{21}}) {
            const auto& box = w.Code_boxes()[k];
            const int r = box.field->record_of(box.instance);
            bx::MemImage before = p.app.Mem_image;
            box.box->setText("");
            box.box->SetFocus();
            c.act(*box.box);
            EXPECT_EQ(box.box->Text(), c.text) << c.what;
            EXPECT_EQ(rec(p.app, r), c.record) << c.what << " record " << r;
            w.Combo_Enc_ys1.SetFocus();  // leaves the box
            EXPECT_EQ(box.box->Text(), c.text_after_leave) << c.what;
            EXPECT_EQ(rec(p.app, r), c.after_leave) << c.what;
            for (int o = kFirst; o <= kLast; ++o) {
                if (o != r) {
                    EXPECT_EQ(rec(p.app, o), rec_of(before, o)) << c.what << " touched record " << o;
                }
            }
        }
    }
}

TEST(DtmfEditor, SettingsStoreTheirByteOrBit) {
    DtmfProgram p;
    p.start();
    bx::frm_dtmf& w = p.open();
    w.Combo_Dec_qh.pick(5);  // "D"
    EXPECT_EQ(p.app.Mem_image(687, 4), 0);
    w.Combo_Dec_Space_Code.pick(1);  // "#"
    EXPECT_EQ(p.app.Mem_image(687, 5), 12);
    w.Combo_Enc_ys1.pick(195);
    EXPECT_EQ(p.app.Mem_image(671, 0), 195);
    w.Combo_Dec_Res_Time.pick(0);
    EXPECT_EQ(p.app.Mem_image(687, 7), 0);
    // Keys typed into a list change nothing.
    bx::MemImage before = p.app.Mem_image;
    w.Combo_Dec_Proc_Ys.type("9");
    EXPECT_EQ(w.Combo_Dec_Proc_Ys.Text(), "500");
    EXPECT_TRUE(p.app.Mem_image == before);

    p.app.Mem_image(687, 1) = 0xE0;
    w.Show_dtmf_data();
    w.Check_M[3].click();
    EXPECT_EQ(p.app.Mem_image(687, 1), 0xE8);
    w.Check_M[3].click();
    EXPECT_EQ(p.app.Mem_image(687, 1), 0xE0);
    p.app.Mem_image(687, 3) = 0x01;
    w.Show_dtmf_data();
    w.Check_Tx.click();
    EXPECT_EQ(p.app.Mem_image(687, 3), 0x03);
    w.Check_RX.click();
    EXPECT_EQ(p.app.Mem_image(687, 3), 0x02);
    w.Check_Ctrl_En.click();
    EXPECT_EQ(p.app.Mem_image(687, 0), 0);
    EXPECT_FALSE(w.Check_S[0].Enabled());
    EXPECT_FALSE(w.Text_SID.Enabled());
    w.Check_Ctrl_En.click();
    EXPECT_EQ(p.app.Mem_image(687, 0), 1);
    EXPECT_TRUE(w.Text_SID.Enabled());
}

TEST(DtmfEditor, DefaultRewritesOnlyTheAreaAndActivationShowsTheImage) {
    DtmfProgram p;
    p.start();
    bx::frm_dtmf& w = p.open();
    bx::MemImage garbage = p.app.Mem_image;
    for (int r = 0; r < bx::kImageRecords; ++r)
        for (int b = 0; b < 16; ++b) garbage(r, b) = static_cast<uint8_t>(r * 7 + b);
    p.app.Mem_image = garbage;
    w.Command_def.click();
    bx::MemImage factory = garbage;
    bx::Load_dtmf_defaults(factory);
    EXPECT_TRUE(p.app.Mem_image == factory);
    EXPECT_EQ(w.Combo_Enc_ys1.Text(), "80");
    EXPECT_EQ(w.Combo_Dec_qh.Text(), "*");
    EXPECT_EQ(w.Combo_Dec_Proc_Ys.Text(), "500");
    EXPECT_EQ(w.Text_tx_Encode[0].Text(), "20202");
    EXPECT_EQ(w.Text_tx_Encode[1].Text(), "");

    // An image replaced while a dialog is in front shows when the window
    // is active again.
    w.Command_open.click();
    ui::Form* dialog = p.app.Form_named("Form_open_chann");
    ASSERT_TRUE(dialog && dialog->Loaded());
    put(p.app, 657, {5, 6});
    EXPECT_EQ(w.Text_tx_Encode[1].Text(), "");
    bx::App::Unload(*dialog);
    EXPECT_EQ(w.Text_tx_Encode[1].Text(), "56");
}

TEST(DtmfEditor, OwnExchangeAndTheBusyRules) {
    DtmfProgram p;
    p.start_identified();
    bx::frm_dtmf& w = p.open();
    bx::MemImage before = p.app.Mem_image;
    w.Command_read.click();
    ASSERT_TRUE(w.Busy());
    // Close, Default, Open and Save refuse with the busy text; the close box
    // with the close-window text; the window and its read go on.
    for (ui::CommandButton* b : {&w.Command_close, &w.Command_def, &w.Command_open, &w.Command_save}) b->click();
    bx::App::Try_unload(w);
    ASSERT_EQ(p.texts().size(), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(p.texts()[i], kBusy);
    EXPECT_EQ(p.texts()[4], "Read-write operating，don't close the window.,");
    EXPECT_TRUE(w.Loaded());
    p.rt.recorder.clear();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    // Exactly records 656-687 came from the radio (and were shown).
    for (int r = 0; r < bx::kImageRecords; ++r) {
        if (r < kFirst || r > kLast) {
            ASSERT_EQ(rec(p.app, r), rec_of(before, r)) << r;
        }
    }
    // Bytes no control writes hold what the radio sent.
    for (int r = 678; r <= 684; ++r) EXPECT_EQ(rec(p.app, r), p.radio_record(r)) << r;
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read DTMF Signal parameters in gear. ");
    EXPECT_EQ(w.ProgressBar1.Value(), 100);

    // A write sends the area as the image holds it.
    p.rt.recorder.clear();
    w.Command_def.click();
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    for (int r = kFirst; r <= kLast; ++r) EXPECT_EQ(p.radio_record(r), rec(p.app, r)) << r;
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete Written DTMF Signal parameters to the transceiver."});
    EXPECT_EQ(w.Label_tr_count.Caption(), "Complete Written DTMF Signal parameters ");
    // Idle again: Close closes and releases the port.
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(w.MSC.PortOpen());
}

// The rights boxes stand in the header's order from left to right, clear of
// each other and of the ID boxes, inside their frame, whatever room the
// header's names take.
TEST(DtmfEditor, RightsBoxesStandUnderTheirHeaderInBothLanguages) {
    DtmfProgram p;
    p.start();
    for (int16_t chn : {int16_t{0}, int16_t{-1}}) {
        p.app.Lang_chinese = chn;
        bx::frm_dtmf& w = p.open();
        for (size_t k = 0; k < 5; ++k) {
            const ui::CheckBox& m = w.Check_M[k];
            EXPECT_EQ(w.Check_S[k].Left(), m.Left());
            EXPECT_GE(m.Left(), w.Text_MID.Left() + w.Text_MID.Width()) << k;
            EXPECT_LE(m.Left() + m.Width(), w.Frame_Ctrl.Width()) << k;
            if (k > 0) {
                EXPECT_GE(m.Left(), w.Check_M[k - 1].Left() + w.Check_M[k - 1].Width()) << k;
            }
        }
        w.Command_close.click();
        EXPECT_FALSE(w.Loaded());
    }
}
