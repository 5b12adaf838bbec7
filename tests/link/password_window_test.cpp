// The password change window: old password checked against the radio's
// password record, the record written back with the new password 1.
#include "link/form_write_password.h"
#include "link_support.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {

const std::vector<uint8_t> kProgram(bx::Cmd_program.begin(), bx::Cmd_program.end());
constexpr int kRecord = 0x3DF0;
constexpr double kByteMs = 1000.0 / 960.0;

struct PwProgram : RadioProgram {
    bx::Form_Write_PassWord& pw() { return *app.Editor<bx::EditorId::Form_Write_PassWord>(); }
    // The program identified, the window opened from the menu, the line's
    // record so far cleared.
    void open() {
        start_identified();
        radio.pc_bytes.clear();
        radio.radio.frames.clear();
        main().PC_PassWord.click();
    }
    void fill(const std::string& old_pw, const std::string& new1, const std::string& new2) {
        pw().Text_Old_PassWord.enter(old_pw);
        pw().Text_New_Password_1.enter(new1);
        pw().Text_New_PassWord_2.enter(new2);
    }
    void modify(const std::string& old_pw, const std::string& new_pw) {
        fill(old_pw, new_pw, new_pw);
        pw().Command_Write.click();
    }
    std::vector<uint8_t> record() const { return {radio.radio.mem.begin() + kRecord, radio.radio.mem.begin() + kRecord + 16}; }
    void set_record(std::vector<uint8_t> r) { std::copy(r.begin(), r.end(), radio.radio.mem.begin() + kRecord); }
    bool idle() {
        for (ui::Timer* t : {&pw().Timer1, &pw().Timer2, &pw().Timer3})
            if (t->running()) return false;
        return !pw().Busy() && !pw().MSC.PortOpen();
    }
};

std::vector<uint8_t> rec(const std::string& p1, const std::string& p2, std::vector<uint8_t> tail) {
    std::vector<uint8_t> r;
    for (int i = 0; i < 6; ++i) r.push_back(i < static_cast<int>(p1.size()) ? static_cast<uint8_t>(p1[static_cast<size_t>(i)]) : 0x20);
    for (int i = 0; i < 6; ++i) r.push_back(i < static_cast<int>(p2.size()) ? static_cast<uint8_t>(p2[static_cast<size_t>(i)]) : 0x20);
    r.insert(r.end(), tail.begin(), tail.end());
    return r;
}

std::vector<uint8_t> cat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(PassWordWindow, OpensWithItsCaptionsAndPlace) {
    PwProgram p;
    p.start_identified();
    p.app.Lang_chinese = -1;
    p.main().PC_PassWord.click();
    auto& w = p.pw();
    EXPECT_TRUE(w.Loaded());
    EXPECT_EQ(w.Caption(), "修改密码");
    EXPECT_EQ(w.Label_New_PassWord_2.Caption(), "确认新密码");
    EXPECT_EQ(w.Command_Write.Caption(), "修改");
    const ui::Form& m = p.main();
    EXPECT_EQ(w.Width(), m.ScaleWidth() / 4);
    EXPECT_EQ(w.Height(), m.ScaleHeight() / 3);
    EXPECT_EQ(w.Left(), (m.ScaleWidth() - w.Width()) / 2);
    EXPECT_EQ(w.Top(), (m.ScaleHeight() - w.Height()) / 2 - 500);
    for (ui::TextBox* t : {&w.Text_Old_PassWord, &w.Text_New_Password_1, &w.Text_New_PassWord_2}) {
        EXPECT_EQ(t->Text(), "");
        EXPECT_EQ(t->PasswordChar(), "*");
        // The shared password filter: six printable ASCII characters.
        t->type("1234567");
        EXPECT_EQ(t->Text(), "123456");
        t->setText("ab\xe4\xb8\xad" "cdefgh");
        EXPECT_EQ(t->Text(), "abcdef");
    }
    p.app.Lang_chinese = 0;
    p.main().PC_PassWord.click();
    EXPECT_EQ(w.Caption(), "Modify PassWord");
    EXPECT_EQ(w.Label_old_PassWord.Caption(), "Old PassWord");
    EXPECT_EQ(w.Label_New_Password_1.Caption(), "New PassWord");
    EXPECT_EQ(w.Label_New_PassWord_2.Caption(), "Confirm PassWord");
    EXPECT_EQ(w.Command_Cancel.Caption(), "Close");
    EXPECT_EQ(w.Text_New_Password_1.Text(), "");  // opened anew: empty boxes
}

TEST(PassWordWindow, ChangesPasswordOneOfTheRadio) {
    PwProgram p;
    p.open();
    p.set_record(rec("OLD123", "SUPER9", {0xAA, 0xBB, 0xCC, 0xDD}));
    const auto panels = p.main().StatusBar1.Panels(2).Text;
    const double limit_a = p.app.Limit_A_low;
    const auto image = p.image_record(5);
    p.modify("OLD123", "New45");
    const double t0 = p.rt.sim.now_ms();
    p.rt.sim.run_for(1000);

    // The bytes on the wire, in order.
    const std::vector<uint8_t> want = cat({kProgram, {0x06, 0x53, 0x3D, 0xC0, 0x40}, {0x06},
                                           {0x58, 0x3D, 0xF0, 0x10}, rec("New45", "SUPER9", {0, 0, 0, 0})});
    EXPECT_EQ(p.radio.pc_bytes, want);
    EXPECT_EQ(p.record(), rec("New45", "SUPER9", {0, 0, 0, 0}));
    // The pump: the first byte 15 ms after Modify, each next one 10 ms later
    // (a frame's time is the arrival of its last byte, one byte time on).
    const auto& f = p.radio.radio.frames;
    ASSERT_EQ(f.size(), 5u);  // program, Ack, read, Ack, write
    EXPECT_NEAR(f[0].t_us / 1000.0 - t0, 15 + 7 * 10 + kByteMs, 0.01);
    EXPECT_NEAR((f[2].t_us - f[1].t_us) / 1000.0, 4 * 10, 0.01);
    EXPECT_EQ(f[4].kind, Frame::Write);

    ASSERT_EQ(p.texts(), std::vector<std::string>{"PassWord Modify Success ! "});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
    EXPECT_FALSE(p.pw().Loaded());  // closed by Timer4, 500 ms after the answer
    EXPECT_TRUE(p.idle());
    // Nothing else changes.
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, panels);
    EXPECT_EQ(p.app.Limit_A_low, limit_a);
    EXPECT_EQ(p.image_record(5), image);
}

TEST(PassWordWindow, TheWindowClosesHalfASecondAfterTheAnswer) {
    PwProgram p;
    p.open();
    p.modify("", "abc");
    ASSERT_TRUE(p.rt.sim.run_until([&] { return !p.rt.recorder.shown.empty(); }, 5000));
    const double answered = p.rt.recorder.shown[0].at_ms;
    EXPECT_TRUE(p.pw().Loaded());
    EXPECT_EQ(p.pw().Text_New_Password_1.Text(), "");  // emptied after the box
    p.rt.sim.run_for(answered + 499 - p.rt.sim.now_ms());
    EXPECT_TRUE(p.pw().Loaded());
    p.rt.sim.run_for(2);
    EXPECT_FALSE(p.pw().Loaded());
}

TEST(PassWordWindow, OldPasswordAndRecordCases) {
    const std::vector<uint8_t> ff6(6, 0xFF);
    struct Case {
        const char* what;
        std::vector<uint8_t> record;
        const char* old_pw;
        const char* new_pw;
        bool passes;
        std::vector<uint8_t> written;  // record afterwards
    } cases[] = {
        {"password 1", rec("user01", "super1", {1, 2, 3, 4}), "user01", "x", true, rec("x", "super1", {0, 0, 0, 0})},
        {"password 2", rec("user01", "super1", {1, 2, 3, 4}), "super1", "NEW", true, rec("NEW", "super1", {0, 0, 0, 0})},
        {"case differs", rec("user01", "super1", {1, 2, 3, 4}), "USER01", "x", false, {}},
        {"wrong", rec("user01", "super1", {1, 2, 3, 4}), "user0", "x", false, {}},
        {"empty old", rec("user01", "super1", {1, 2, 3, 4}), "", "x", false, {}},
        {"empty old, blank password 2", rec("user01", "", {1, 2, 3, 4}), "", "ab", true, rec("ab", "", {0, 0, 0, 0})},
        {"blank password 1", rec("", "super1", {1, 2, 3, 4}), "zz", "  ab  ", true, rec("ab", "super1", {0, 0, 0, 0})},
        {"all 0xFF", cat({ff6, ff6, {0xFF, 0xFF, 0xFF, 0xFF}}), "", "", true, cat({std::vector<uint8_t>(6, 0x20), ff6, {0, 0, 0, 0}})},
    };
    for (const Case& c : cases) {
        PwProgram p;
        p.open();
        p.set_record(c.record);
        p.modify(c.old_pw, c.new_pw);
        p.rt.sim.run_for(2000);
        if (c.passes) {
            EXPECT_EQ(p.record(), c.written) << c.what;
            EXPECT_EQ(p.texts(), std::vector<std::string>{"PassWord Modify Success ! "}) << c.what;
            continue;
        }
        EXPECT_EQ(p.record(), c.record) << c.what;
        ASSERT_EQ(p.texts(), std::vector<std::string>{"Old PassWord Error, Writeing Stop"}) << c.what;
        EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
        // Nothing after the Ack of the read reply; the window and its boxes stay.
        ASSERT_FALSE(p.radio.pc_bytes.empty()) << c.what;
        EXPECT_EQ(p.radio.pc_bytes.back(), 0x06) << c.what;
        EXPECT_EQ(p.frames(Frame::Write).size(), 0u) << c.what;
        EXPECT_TRUE(p.pw().Loaded());
        EXPECT_EQ(p.pw().Text_Old_PassWord.Text(), c.old_pw);
        EXPECT_EQ(p.pw().Text_New_PassWord_2.Text(), c.new_pw);
        EXPECT_TRUE(p.idle()) << c.what;
    }
}

TEST(PassWordWindow, NewPasswordsDifferOrThePortWillNotOpen) {
    PwProgram p;
    p.open();
    const int opens = p.radio.opens;
    p.fill("", "abc", "ABC");
    p.pw().Command_Write.click();
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Password is not consistent ."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    p.rt.sim.run_for(3000);
    EXPECT_TRUE(p.radio.pc_bytes.empty());
    EXPECT_EQ(p.radio.opens, opens);
    EXPECT_TRUE(p.idle());

    p.rt.recorder.clear();
    p.app.Comm_port = 7;  // nothing there
    p.modify("", "abc");
    ASSERT_EQ(p.texts(), std::vector<std::string>{
                             "Communication port is error, please setting right communication port . ！"});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(p.app.Comm_port_err, -1);
    p.rt.sim.run_for(10000);
    EXPECT_EQ(p.texts().size(), 1u);
    EXPECT_TRUE(p.idle());
}

TEST(PassWordWindow, SilentRadioFailsOnceAndModifyDuringThePauseIsRefused) {
    PwProgram p;
    p.open();
    p.radio.radio.faults.silent = true;
    p.modify("", "abc");
    const double t0 = p.rt.sim.now_ms();
    const double last_byte = t0 + 15 + 7 * 10;
    p.rt.sim.run_for(last_byte + 999 - p.rt.sim.now_ms());
    EXPECT_TRUE(p.pw().Busy());
    EXPECT_TRUE(p.pw().MSC.PortOpen());
    p.rt.sim.run_for(2);  // the time-out, 1000 ms after the last byte
    EXPECT_FALSE(p.pw().Busy());
    EXPECT_FALSE(p.pw().MSC.PortOpen());
    p.rt.sim.run_for(10000);
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_DOUBLE_EQ(p.rt.recorder.shown[0].at_ms, last_byte + 1000 + 5000);
    EXPECT_EQ(p.frames(Frame::Program).size(), 1u);  // no retry
    EXPECT_TRUE(p.idle());
    EXPECT_TRUE(p.pw().Loaded());

    // Modify during the pause is refused (the exchange runs until its
    // report); once reported, Modify starts clean.
    p.rt.recorder.clear();
    p.modify("", "abc");
    p.rt.sim.run_for(1085 + 4900);
    ASSERT_TRUE(p.pw().Timer3.running());
    p.radio.radio.faults.silent = false;
    p.fill("", "xyz", "xyz");
    p.pw().Command_Write.click();
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kBusy,
                                                   "Fail connect with transceiver."}));
    p.rt.recorder.clear();
    p.pw().Command_Write.click();
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.texts(), std::vector<std::string>{"PassWord Modify Success ! "});
    EXPECT_EQ(p.record(), rec("xyz", "", {0, 0, 0, 0}));
}

TEST(PassWordWindow, IdentificationAndReadReplyVariants) {
    struct Case {
        const char* what;
        radiosim::Faults f;
        bool passes;
    } cases[] = {
        {"0x01, mark at 48", {.ident_01_mark_at = 48}, true},
        {"0x01, mark only at 49", {.ident_01_mark_at = 49}, false},
        {"no end mark", {.no_end_mark = true}, false},
        {"other maker ident", {.wrong_ident = true}, true},
        {"'X' at index 5", {.x_shift = 4}, true},
        {"'X' at index 6", {.x_shift = 5}, false},
        {"reply in pieces with bytes behind", {.pieces = 7, .extra_bytes = 3}, true},
        {"last byte of every reply late", {.late_last_ms = 30}, true},
    };
    for (const Case& c : cases) {
        PwProgram p;
        p.open();
        p.radio.radio.Set_passwords("secret", "other");
        p.radio.radio.faults = c.f;
        p.modify("secret", "N3w");
        p.rt.sim.run_for(8000);
        if (c.passes) {
            EXPECT_EQ(p.texts(), std::vector<std::string>{"PassWord Modify Success ! "}) << c.what;
            EXPECT_EQ(p.record(), rec("N3w", "other", {0, 0, 0, 0})) << c.what;
        } else {
            EXPECT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."}) << c.what;
            EXPECT_EQ(p.frames(Frame::Write).size(), 0u) << c.what;
            EXPECT_TRUE(p.pw().Loaded()) << c.what;
        }
        EXPECT_TRUE(p.idle()) << c.what;
    }
    // A read reply whose 'X' is too late is dropped only after its Ack.
    PwProgram p;
    p.open();
    p.radio.radio.faults.x_shift = 5;
    p.modify("", "x");
    p.rt.sim.run_for(8000);
    EXPECT_EQ(p.radio.pc_bytes, cat({kProgram, {0x06, 0x53, 0x3D, 0xC0, 0x40}, {0x06}}));
}

// A stray byte that comes in after a request has left, in front of the
// identification or of the record area's reply, is dropped: the record is
// written as with no stray.
TEST(PassWordWindow, AStrayByteInFrontOfAReplyIsDropped) {
    for (int frame : {1, 2})
        for (int byte : {0x00, 0x06, 0x58}) {
            PwProgram p;
            p.open();
            p.radio.radio.Set_passwords("secret", "other");
            auto& radio = p.radio.radio;
            radio.faults.stray_frame = radio.Count(Frame::Program) + radio.Count(Frame::Read) + radio.Count(Frame::Write) + frame;
            radio.faults.stray_byte = static_cast<uint8_t>(byte);
            p.modify("secret", "N3w");
            p.rt.sim.run_for(8000);
            const std::string what = std::to_string(frame) + ", " + std::to_string(byte);
            EXPECT_EQ(p.texts(), std::vector<std::string>{"PassWord Modify Success ! "}) << what;
            EXPECT_EQ(p.record(), rec("N3w", "other", {0, 0, 0, 0})) << what;
        }
}

TEST(PassWordWindow, RefusedRecordWriteKeepsTheWindowForAnotherTry) {
    PwProgram p;
    p.open();
    p.radio.radio.faults.wrong_ack = true;
    p.modify("", "abc");
    ASSERT_TRUE(p.rt.sim.run_until([&] { return !p.rt.recorder.shown.empty(); }, 5000));
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    p.rt.sim.run_for(10000);
    EXPECT_EQ(p.texts().size(), 1u);
    EXPECT_TRUE(p.pw().Loaded());
    EXPECT_EQ(p.pw().Close_request, 0);
    EXPECT_FALSE(p.pw().Timer4.running());
    EXPECT_EQ(p.pw().Text_New_Password_1.Text(), "abc");
    EXPECT_TRUE(p.idle());
}

// Modify, Close, the close box and the menu during the exchange (its pause
// and its report included): Modify and the closes are refused, the menu
// brings the window to the front; the exchange goes on to its report.
TEST(PassWordWindow, ModifyCloseAndMenuWhileTheExchangeRuns) {
    PwProgram p;
    p.open();
    p.modify("", "first");
    p.rt.sim.run_for(50);  // the request is going out
    // Modify again: refused, and nothing typed is taken.
    p.fill("", "second", "second");
    p.pw().Command_Write.click();
    p.pw().Command_Cancel.click();
    p.pw().Unload(false, ui::vbFormControlMenu);
    p.main().PC_PassWord.click();
    ASSERT_EQ(p.texts(), (std::vector<std::string>{kBusy,
                                                   "Read-write operating，don't close the window. ,",
                                                   "Read-write operating，don't close the window. ,"}));
    EXPECT_EQ(p.rt.recorder.shown[1].title, "Operate prompt");
    EXPECT_TRUE(p.pw().Loaded());
    EXPECT_EQ(p.pw().Text_New_Password_1.Text(), "second");  // the menu emptied nothing
    p.rt.sim.run_for(3000);
    EXPECT_EQ(p.frames(Frame::Program).size(), 1u);
    EXPECT_EQ(p.record(), rec("first", "", {0, 0, 0, 0}));
    EXPECT_EQ(p.rt.recorder.shown.back().text, "PassWord Modify Success ! ");

    // Close when idle closes the window.
    p.main().PC_PassWord.click();
    p.pw().Command_Cancel.click();
    EXPECT_FALSE(p.pw().Loaded());

    // In the pause before the failure report, the same.
    p.main().PC_PassWord.click();
    p.radio.radio.faults.silent = true;
    p.rt.recorder.clear();
    p.modify("", "abc");
    p.rt.sim.run_for(2000);
    ASSERT_TRUE(p.pw().Timer3.running());
    p.pw().Command_Cancel.click();
    p.pw().Unload(false, ui::vbFormControlMenu);
    p.main().PC_PassWord.click();
    p.rt.sim.run_for(10000);
    EXPECT_EQ(p.texts(), (std::vector<std::string>{"Read-write operating，don't close the window. ,",
                                                   "Read-write operating，don't close the window. ,",
                                                   "Fail connect with transceiver."}));
    EXPECT_TRUE(p.pw().Loaded());
    EXPECT_TRUE(p.idle());
}

// The success box open while Timer4 ticks and the menu is chosen: the
// window stays until the box is closed, then empties its boxes and closes.
TEST(PassWordWindow, SuccessBoxOpenAcrossTheCloseTickAndTheMenu) {
    PwProgram p;
    p.open();
    p.rt.recorder.hold_ms = 2000;
    bool seen = false;
    p.rt.recorder.on_show = [&](const ui::MsgRecord&) {
        p.rt.sim.run_for(600);
        EXPECT_TRUE(p.pw().Loaded());
        p.main().PC_PassWord.click();
        EXPECT_EQ(p.pw().Text_New_Password_1.Text(), "abc");
        seen = true;
    };
    p.modify("", "abc");
    p.rt.sim.run_for(5000);
    ASSERT_TRUE(seen);
    EXPECT_FALSE(p.pw().Loaded());
    EXPECT_EQ(p.texts(), std::vector<std::string>{"PassWord Modify Success ! "});
    EXPECT_EQ(p.record(), rec("abc", "", {0, 0, 0, 0}));
}

// The password exchange starts and ends as every exchange does: it holds
// the radio as a read (another window's Read is refused and opens no port,
// the image-replacing commands wait, the ones that wait only for a write
// do not), and it goes through the machine's phases to its report.
TEST(PassWordWindow, ItsExchangeRunsAsEveryOtherDoes) {
    using P = bx::LinkPhase;
    PwProgram p;
    p.open();
    const bx::LinkMachine& m = p.pw().Link;
    std::vector<P> seen{m.Phase()};
    auto note = [&] {
        if (seen.back() != m.Phase()) seen.push_back(m.Phase());
    };
    p.rt.recorder.on_show = [&](const ui::MsgRecord&) { note(); };
    p.modify("", "abc");
    note();
    EXPECT_TRUE(p.app.Radio_busy());
    EXPECT_TRUE(p.app.Exchange_runs());
    EXPECT_FALSE(p.app.Write_runs());
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    EXPECT_FALSE(p.rd().MSC.PortOpen());
    EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy});
    p.rt.sim.run_until([&] { return note(), false; }, 3000);
    EXPECT_EQ(seen, (std::vector<P>{P::Idle, P::Connecting, P::Data, P::Reporting, P::Idle}));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kBusy, "PassWord Modify Success ! "}));
    EXPECT_EQ(p.record(), rec("abc", "", {0, 0, 0, 0}));
    EXPECT_EQ(p.frames(Frame::Program).size(), 1u);  // the read never started
    EXPECT_FALSE(p.app.Radio_busy());
}

}  // namespace
