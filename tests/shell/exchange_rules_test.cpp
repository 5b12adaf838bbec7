// What a write sends, what is refused while an exchange runs, and how every
// exchange ends: with its own report, whatever is pressed meanwhile.
#include <functional>
#include <string>
#include <vector>

#include "editors/chann_support.h"
#include "editors/options/frm_option.h"
#include "link/form_write_password.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {


// A program with the simulated radio on COM3, identified, the options window
// closed (its display rule would store out-of-list settings back).
struct RulesProgram : editortest::EditorProgram {
    RulesProgram() {
        start_identified();
        close_options_window();
        rt.recorder.clear();
    }
    bx::frm_option& opt() { return *app.Editor<bx::EditorId::frm_option>(); }
    void run_to(const bx::LinkMachine& m, int n) {
        ASSERT_TRUE(rt.sim.run_until([&] { return m.st.Identified && m.st.Block_no >= n; }, 60000));
    }
    bool until_reported(const bx::LinkMachine& m) { return rt.sim.run_until([&] { return !m.Running(); }, 120000); }
    // Every record of [first, last] on the radio as the image `want` has it.
    bool radio_holds(const bx::MemImage& want, int first, int last) const {
        for (int r = first; r <= last; ++r)
            for (int b = 0; b < 16; ++b)
                if (radio.radio.mem[static_cast<size_t>(16 * r + b)] != want(r, b)) return false;
        return true;
    }
};

// Marks byte 15 of records [first, last]: no default or clear leaves it so.
void mark(bx::MemImage& img, int first, int last) {
    for (int r = first; r <= last; ++r) img(r, 15) = 0x5A;
}

}  // namespace

// Default and Clear while a write runs (the channel editor's own, the FM
// editor's own, Program > Write; the command's area before, inside or after
// the record being sent) are refused with the busy text and change nothing;
// the radio gets exactly the image the write began with. After the write,
// and during a read, they act.
TEST(ExchangeRules, WholesaleCommandsWaitForAWriteAndTheWriteSendsItsImage) {
    enum class Writer { Chann, Fm, Program, ProgramRead };
    enum class Cmd { ChannDefault, ChannClear, FmDefault, FmClear, OptionDefault };
    struct Case {
        const char* what;
        Writer writer;
        Cmd cmd;
        int at;  // record (block) counter reached when the command is pressed
        bool refused;
    } cases[] = {
        {"channel write, its Default mid-area", Writer::Chann, Cmd::ChannDefault, 98, true},
        {"channel write, its Clear", Writer::Chann, Cmd::ChannClear, 98, true},
        {"FM write, its Default", Writer::Fm, Cmd::FmDefault, 8, true},
        {"FM write, its Clear", Writer::Fm, Cmd::FmClear, 8, true},
        {"Program > Write, channel Clear inside the channels", Writer::Program, Cmd::ChannClear, 100, true},
        {"Program > Write, options Default inside the option block", Writer::Program, Cmd::OptionDefault, 226, true},
        {"Program > Write, options Default before the option block", Writer::Program, Cmd::OptionDefault, 50, true},
        {"Program > Write, FM Default after the FM area", Writer::Program, Cmd::FmDefault, 783, true},
        {"Program > Read, channel Default", Writer::ProgramRead, Cmd::ChannDefault, 20, false},
        {"Program > Read, FM Clear", Writer::ProgramRead, Cmd::FmClear, 20, false},
    };
    for (const Case& c : cases) {
        RulesProgram p;
        bx::App::Open(p.ch());
        bx::App::Open(p.fm());
        if (c.cmd == Cmd::OptionDefault) bx::App::Open(p.opt());
        mark(p.app.Mem_image, 0, 199);
        mark(p.app.Mem_image, 224, 239);
        mark(p.app.Mem_image, 768, 783);
        const bx::MemImage began = p.app.Mem_image;
        const bx::LinkMachine* m = nullptr;
        switch (c.writer) {
            case Writer::Chann: p.ch().Command_Write.click(); m = &p.ch().Link; break;
            case Writer::Fm: p.fm().Command_Write.click(); m = &p.fm().Link; break;
            case Writer::Program: p.main().Prog_write.click(); p.wr().Command_Write.click(); m = &p.wr().Link; break;
            case Writer::ProgramRead: p.main().Prog_read.click(); p.rd().Command_read.click(); m = &p.rd().Link; break;
        }
        p.run_to(*m, c.at);
        p.rt.recorder.clear();
        switch (c.cmd) {
            case Cmd::ChannDefault: p.ch().Command_def.click(); break;
            case Cmd::ChannClear: p.ch().Command_Clear.click(); break;
            case Cmd::FmDefault: p.fm().Command_def.click(); break;
            case Cmd::FmClear: p.fm().Command_Clear.click(); break;
            case Cmd::OptionDefault: p.opt().Command_def.click(); break;
        }
        if (c.refused) {
            ASSERT_EQ(p.texts(), std::vector<std::string>{kBusy}) << c.what;
            EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt") << c.what;
            EXPECT_EQ(p.app.Mem_image, began) << c.what;
        } else {
            EXPECT_TRUE(p.texts().empty()) << c.what;
            EXPECT_NE(p.app.Mem_image, began) << c.what;
        }
        ASSERT_TRUE(p.until_reported(*m)) << c.what;
        const int first = c.writer == Writer::Fm ? 768 : 0;
        const int last = c.writer == Writer::Chann ? 199 : 783;
        if (c.writer != Writer::ProgramRead) {
            EXPECT_TRUE(p.radio_holds(began, first, last)) << c.what;
        }
        // The exchange's own report ends it.
        const char* report = c.writer == Writer::Fm            ? "Complete Written FM parameters to the transceiver."
                             : c.writer == Writer::ProgramRead ? kReadDone
                                                               : kWriteDone;
        EXPECT_EQ(p.texts().back(), report) << c.what;
    }
}

// A single edit during a write stays in the image (for the next Save or
// Write) and never reaches this write.
TEST(ExchangeRules, AnEditDuringAWriteStaysInTheImageOnly) {
    RulesProgram p;
    const bx::MemImage began = p.app.Mem_image;
    p.main().Prog_write.click();
    p.wr().Command_Write.click();
    p.run_to(p.wr().Link, 300);
    p.app.Mem_image(770, 3) = 0x42;  // the FM area, not sent yet
    ASSERT_TRUE(p.until_reported(p.wr().Link));
    EXPECT_EQ(p.texts().back(), "Complete Written the data to transceiver.");
    EXPECT_TRUE(p.radio_holds(began, 0, 783));
    EXPECT_EQ(p.app.Mem_image(770, 3), 0x42);
}

// Every route that closes a window, pressed in the pause after a reply
// time-out (before a retry or the failure report), is refused with the
// window's close text; the exchange goes on to its failure report.
TEST(ExchangeRules, ClosesInThePauseAreRefusedUntilTheReport) {
    enum class Win { Write, Fm, Chann };
    struct Case {
        const char* what;
        Win win;
        std::function<void(RulesProgram&)> act;
        const char* text;
    } cases[] = {
        {"Program > Write, Cancel", Win::Write, [](RulesProgram& p) { p.wr().Command_Cancel.click(); }, kNoClose},
        {"Program > Write, close box", Win::Write,
         [](RulesProgram& p) { p.wr().Unload(false, ui::vbFormControlMenu); }, kNoClose},
        {"FM, Close", Win::Fm, [](RulesProgram& p) { p.fm().Command_close.click(); }, kNoClose},
        {"FM, close box", Win::Fm, [](RulesProgram& p) { p.fm().Unload(false, ui::vbFormControlMenu); },
         kNoCloseWindow},
        {"channels, Close", Win::Chann, [](RulesProgram& p) { p.ch().Command_close.click(); }, kNoClose},
        {"channels, toolbar options key", Win::Chann,
         [](RulesProgram& p) { p.main().Toolbar1.click("edit_option"); }, kNoCloseWindow},
        {"channels, FM-Radio menu", Win::Chann, [](RulesProgram& p) { p.main().fm_chann_edit.click(); },
         kNoCloseWindow},
    };
    for (const Case& c : cases) {
        RulesProgram p;
        bx::LinkWindow* w = nullptr;
        if (c.win == Win::Write) {
            p.main().Prog_write.click();
            w = &p.wr();
        } else if (c.win == Win::Fm) {
            bx::App::Open(p.fm());
            w = &p.fm();
        } else {
            bx::App::Open(p.ch());
            w = &p.ch();
        }
        p.radio.radio.faults.silent_after = 12;  // falls silent mid-write
        if (c.win == Win::Write) p.wr().Command_Write.click();
        if (c.win == Win::Fm) p.fm().Command_Write.click();
        if (c.win == Win::Chann) p.ch().Command_Write.click();
        ASSERT_TRUE(p.rt.sim.run_until([&] { return w->Timer3.running(); }, 60000)) << c.what;
        p.rt.recorder.clear();
        c.act(p);
        EXPECT_EQ(p.texts(), std::vector<std::string>{c.text}) << c.what;
        EXPECT_TRUE(w->Loaded()) << c.what;
        ASSERT_TRUE(p.until_reported(w->Link)) << c.what;
        EXPECT_EQ(p.texts().back(), kFailConnect) << c.what;
        EXPECT_TRUE(w->Loaded()) << c.what;
        // Reported: now it closes.
        EXPECT_TRUE(bx::App::Try_unload(*w)) << c.what;
    }
}

// Starting any exchange while another runs is refused with the busy text
// and starts nothing; the running one goes on to its report.
TEST(ExchangeRules, OneExchangeAtATime) {
    struct Case {
        const char* what;
        std::function<void(RulesProgram&)> start;
    } cases[] = {
        {"Program > Read's Read", [](RulesProgram& p) { p.main().Prog_read.click(); p.rd().Command_read.click(); }},
        {"Program > Write's Write",
         [](RulesProgram& p) { p.main().Prog_write.click(); p.wr().Command_Write.click(); }},
        {"channel Read", [](RulesProgram& p) { bx::App::Open(p.ch()); p.ch().Command_read.click(); }},
        {"channel Write", [](RulesProgram& p) { bx::App::Open(p.ch()); p.ch().Command_Write.click(); }},
        {"options Read", [](RulesProgram& p) { bx::App::Open(p.opt()); p.opt().Command_read.click(); }},
        {"password Modify",
         [](RulesProgram& p) {
             p.main().PC_PassWord.click();
             auto& pw = *p.app.Editor<bx::EditorId::Form_Write_PassWord>();
             pw.Text_New_Password_1.enter("abc");
             pw.Text_New_PassWord_2.enter("abc");
             pw.Command_Write.click();
         }},
        {"Communication's Confirm",
         [](RulesProgram& p) { p.main().proc_setup_Click(); p.app.Form_setup->Command_ok.click(); }},
    };
    for (const Case& c : cases) {
        RulesProgram p;
        bx::App::Open(p.fm());
        p.fm().Command_Write.click();
        p.run_to(p.fm().Link, 5);
        const size_t programs = p.frames(Frame::Program).size();
        p.rt.recorder.clear();
        c.start(p);
        EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy}) << c.what;
        ASSERT_TRUE(p.until_reported(p.fm().Link)) << c.what;
        p.rt.sim.run_for(10000);
        EXPECT_EQ(p.frames(Frame::Program).size(), programs) << c.what;
        EXPECT_EQ(p.texts().back(), "Complete Written FM parameters to the transceiver.") << c.what;
        EXPECT_TRUE(p.radio_holds(p.app.Mem_image, 768, 783)) << c.what;
    }
}

// A port lost during an editor's write: the port message, then the failure
// text and label.
TEST(ExchangeRules, APortLostMidWriteIsAFailedWrite) {
    RulesProgram p;
    bx::App::Open(p.fm());
    p.radio.radio.faults.vanish_after = 12;
    p.fm().Command_Write.click();
    ASSERT_TRUE(p.until_reported(p.fm().Link));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kPortErrorA, kFailConnect}));
    EXPECT_EQ(p.fm().Label_tr_count.Caption(), "Communication fault.");
}

// Cancel after a failed Confirm puts back the port of before, identified
// again; the next read works on it.
TEST(ExchangeRules, PortDialogCancelPutsBackThePort) {
    RulesProgram p;
    const std::string model = p.main().StatusBar1.Panels(2).Text;
    ASSERT_FALSE(model.empty());
    p.main().proc_setup_Click();
    bx::Form_setup& dlg = *p.app.Form_setup;
    dlg.Option7.setValue(true);
    dlg.Command_ok.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Communication Port Open Error ！"});
    EXPECT_TRUE(dlg.Loaded());
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "");
    dlg.Command1.click();
    EXPECT_FALSE(dlg.Loaded());
    EXPECT_EQ(p.app.Comm_port, 3);
    p.rt.sim.run_for(2000);
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, model);
    p.rt.recorder.clear();
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    ASSERT_TRUE(p.until_reported(p.rd().Link));
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
}
