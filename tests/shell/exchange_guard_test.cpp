// A running exchange with the radio is never cut short, re-aimed or mixed
// with another image: what the main window's commands, the link windows'
// close boxes, the data-file load and the port dialog do while one runs.
#include <string>
#include <vector>

#include "editors/chann_support.h"
#include "editors/signalling/frm_dtmf.h"
#include "model/datafile.h"
#include "support/tempdir.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {


int addr_of(const Frame& f) { return f.bytes[1] * 256 + f.bytes[2]; }

// A program with the simulated radio on COM3 (its memory patterned, so a
// read brings what no default image holds) and a second radio on COM10.
struct GuardProgram : editortest::EditorProgram {
    radiosim::SimRadio radio10{rt.sim};
    GuardProgram() {
        rt.ports.add_port(10, radio10.Port());
        start_identified();
        // Its display rule stores a setting beyond its list as the last
        // item when it shows a replaced image; these cases compare raw bytes.
        close_options_window();
        rt.recorder.clear();
    }
    // The read or write window's exchange started from the main window.
    bx::TransferWindow& begin(bool write) {
        if (write) {
            main().Prog_write.click();
            wr().Command_Write.click();
            return wr();
        }
        main().Prog_read.click();
        rd().Command_read.click();
        return rd();
    }
    // Runs until the data phase has reached record (or block) n.
    void run_to(const bx::LinkMachine& m, int n) {
        ASSERT_TRUE(rt.sim.run_until([&] { return m.st.Identified && m.st.Block_no >= n; }, 60000));
    }
    bool radio_holds_image(int first, int last) {
        for (int r = first; r <= last; ++r)
            if (radio_record(r) != image_record(r)) return false;
        return true;
    }
};

// Image records 0..787 as the radio's memory holds them.
bx::MemImage read_result(const GuardProgram& p, const bx::MemImage& before) {
    bx::MemImage want = before;
    for (int r = 0; r <= 787; ++r)
        for (int b = 0; b < 16; ++b) want(r, b) = p.radio.radio.mem[static_cast<size_t>(16 * r + b)];
    return want;
}

}  // namespace

// ---- the read and write windows reopened or closed mid-exchange ----

TEST(ExchangeGuard, TransferWindowKeepsItsExchange) {
    enum class Act { MenuItem, ToolbarKey, CloseBox };
    struct Case {
        const char* what;
        bool write;
        Act act;
    } cases[] = {
        {"write, Program > Write again", true, Act::MenuItem},
        {"write, toolbar write", true, Act::ToolbarKey},
        {"write, close box", true, Act::CloseBox},
        {"read, Program > Read again", false, Act::MenuItem},
        {"read, toolbar read", false, Act::ToolbarKey},
        {"read, close box", false, Act::CloseBox},
    };
    for (const Case& c : cases) {
        GuardProgram p;
        bx::TransferWindow& w = p.begin(c.write);
        p.run_to(w.Link, c.write ? 205 : 100);
        const bx::MemImage before = p.app.Mem_image;
        // Another window in front, as when the user worked elsewhere.
        bx::App::Open(p.fm());
        ASSERT_EQ(p.main().Front(), &p.fm()) << c.what;
        switch (c.act) {
        case Act::MenuItem:
            (c.write ? p.main().Prog_write : p.main().Prog_read).click();
            break;
        case Act::ToolbarKey:
            p.main().Toolbar1.click(c.write ? "write" : "read");
            break;
        case Act::CloseBox:
            EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu)) << c.what;
            break;
        }
        // The same window, mid-exchange, port open; in front when asked for.
        EXPECT_TRUE(w.Loaded()) << c.what;
        EXPECT_TRUE(w.Link.st.Busy()) << c.what;
        EXPECT_TRUE(w.MSC.PortOpen()) << c.what;
        EXPECT_GE(w.Link.st.Block_no, c.write ? 205 : 100) << c.what;
        EXPECT_EQ(p.main().Front(), c.act == Act::CloseBox ? static_cast<ui::Form*>(&p.fm()) : &w) << c.what;
        ASSERT_TRUE(p.run_until_idle(w.Link)) << c.what;

        std::vector<std::string> want;
        if (c.act == Act::CloseBox) want.push_back(kNoClose);
        want.push_back(c.write ? kWriteDone : kReadDone);
        EXPECT_EQ(p.texts(), want) << c.what;
        EXPECT_EQ(p.frames(Frame::Program).size(), 2u) << c.what;  // the identification's and this one
        if (c.write) {
            EXPECT_EQ(p.frames(Frame::Write).size(), 784u) << c.what;
            EXPECT_TRUE(p.radio_holds_image(0, 783)) << c.what;
            EXPECT_EQ(w.Label_tr_count.Caption(), "Data Writed ！") << c.what;
        } else {
            EXPECT_EQ(p.app.Mem_image, read_result(p, before)) << c.what;
            EXPECT_EQ(w.Label_tr_count.Caption(), "Read Data is Ok ！") << c.what;
        }
        // Once the exchange has ended the command loads the window anew,
        // and the close box closes it without a word.
        p.rt.recorder.clear();
        (c.write ? p.main().Prog_write : p.main().Prog_read).click();
        EXPECT_EQ(w.Label_tr_count.Caption(), "") << c.what;
        EXPECT_TRUE(w.Unload(false, ui::vbFormControlMenu)) << c.what;
        EXPECT_TRUE(p.texts().empty()) << c.what;
    }
}

// In the pause before its failure report the write still runs: the menu
// item brings the window forward and the report comes as it would have.
TEST(ExchangeGuard, WriteInThePauseBeforeItsFailureReport) {
    GuardProgram p;
    p.radio.radio.faults.silent_after = 20;
    bx::TransferWindow& w = p.begin(true);
    ASSERT_TRUE(p.rt.sim.run_until([&] { return !w.Link.st.Busy(); }, 60000));
    ASSERT_TRUE(w.Timer3.running());
    p.main().Prog_write.click();
    EXPECT_TRUE(w.Timer3.running());
    p.rt.sim.run_for(6000);
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(w.Label_tr_count.Caption(), "Communication fault.");
}

// Ending the program still ends everything: the running window warns once
// and goes with its port and timers.
TEST(ExchangeGuard, EndingTheProgramMidWrite) {
    GuardProgram p;
    bx::TransferWindow& w = p.begin(true);
    p.run_to(w.Link, 100);
    p.main().File_exit.click();
    EXPECT_TRUE(p.app.Ended());
    for (ui::Form* f : p.app.forms()) EXPECT_FALSE(f->Loaded()) << f->name();
    EXPECT_FALSE(p.radio.open());
    EXPECT_EQ(p.rt.sim.active_timers(), 0);
    EXPECT_EQ(p.texts(), std::vector<std::string>{kNoClose});
    p.rt.sim.run_for(10000);
    EXPECT_EQ(p.texts().size(), 1u);
}

// ---- the data-file load while an exchange runs ----

TEST(ExchangeGuard, DataFileLoadWaitsForTheExchange) {
    enum class Exchange { Write, Read, FmWrite, ReadInItsPause };
    enum class Source { Menu, Toolbar, OpenDialog };
    struct Case {
        const char* what;
        Exchange ex;
        Source src;
    } cases[] = {
        {"write, File > Open", Exchange::Write, Source::Menu},
        {"write, toolbar open", Exchange::Write, Source::Toolbar},
        {"write, dialog opened before", Exchange::Write, Source::OpenDialog},
        {"read, File > Open", Exchange::Read, Source::Menu},
        {"read, dialog opened before", Exchange::Read, Source::OpenDialog},
        {"FM editor write, toolbar open", Exchange::FmWrite, Source::Toolbar},
        {"FM editor write, dialog opened before", Exchange::FmWrite, Source::OpenDialog},
        {"read in its retry pause, File > Open", Exchange::ReadInItsPause, Source::Menu},
    };
    for (const Case& c : cases) {
        GuardProgram p;
        bxtest::TempDir dir;
        bx::MemImage file_image;
        for (int r = 0; r < bx::kImageRecords; ++r)
            for (int b = 0; b < 16; ++b) file_image(r, b) = static_cast<uint8_t>(r * 7 + b);
        // No channel of the file is outside the bands: every channel empty.
        for (int r = 0; r < 200; ++r)
            for (int b = 0; b < 8; ++b) file_image(r, b) = 0xFF;
        ASSERT_FALSE(bx::Save_data_file(dir.path() + "/other.dat", file_image)) << c.what;

        bx::Form_open_chann& dlg = *p.app.Form_open_chann;
        if (c.src == Source::OpenDialog) {
            bx::App::Open(dlg);
            ASSERT_TRUE(dlg.Dir1.setPath(dir.path()));
            dlg.Text1.enter("other.dat");
        }
        const bx::LinkMachine* m = nullptr;
        switch (c.ex) {
        case Exchange::Write:
            m = &p.begin(true).Link;
            p.run_to(*m, 205);
            break;
        case Exchange::Read:
            m = &p.begin(false).Link;
            p.run_to(*m, 100);
            break;
        case Exchange::FmWrite:
            bx::App::Open(p.fm());
            p.fm().Command_Write.click();
            m = &p.fm().Link;
            p.run_to(*m, 3);
            break;
        case Exchange::ReadInItsPause:
            p.radio.radio.faults.silent = true;
            m = &p.begin(false).Link;
            p.rt.sim.run_for(1500);
            ASSERT_FALSE(m->st.Busy()) << c.what;
            ASSERT_TRUE(m->c().Timer3.running()) << c.what;
            p.radio.radio.faults.silent = false;
            break;
        }
        ASSERT_TRUE(p.app.Exchange_runs()) << c.what;
        const bx::MemImage before = p.app.Mem_image;
        switch (c.src) {
        case Source::Menu:
            p.main().File_Open.click();
            break;
        case Source::Toolbar:
            p.main().Toolbar1.click("open");
            break;
        case Source::OpenDialog:
            dlg.Command_enter.click();
            break;
        }
        ASSERT_EQ(p.texts(), std::vector<std::string>{kBusy}) << c.what;
        EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt") << c.what;
        EXPECT_EQ(p.app.Mem_image, before) << c.what;
        // A dialog opened before stays for a later try; none opens now.
        EXPECT_EQ(dlg.Loaded(), c.src == Source::OpenDialog) << c.what;

        ASSERT_TRUE(p.run_until_idle(*m)) << c.what;
        EXPECT_FALSE(p.app.Exchange_runs()) << c.what;
        switch (c.ex) {
        case Exchange::Write:
            EXPECT_TRUE(p.radio_holds_image(0, 783)) << c.what;
            EXPECT_EQ(p.app.Mem_image, before) << c.what;
            break;
        case Exchange::FmWrite:
            EXPECT_TRUE(p.radio_holds_image(768, 783)) << c.what;
            EXPECT_EQ(p.app.Mem_image, before) << c.what;
            break;
        case Exchange::Read:
        case Exchange::ReadInItsPause:
            EXPECT_EQ(p.app.Mem_image, read_result(p, before)) << c.what;
            break;
        }
        // Once it has ended the load goes through.
        p.rt.recorder.clear();
        if (c.src != Source::OpenDialog) {
            p.main().File_Open.click();
            ASSERT_TRUE(dlg.Loaded()) << c.what;
            ASSERT_TRUE(dlg.Dir1.setPath(dir.path()));
            dlg.Text1.enter("other.dat");
        }
        dlg.Command_enter.click();
        EXPECT_EQ(p.texts(), std::vector<std::string>{kLoaded}) << c.what;
        EXPECT_EQ(p.app.Mem_image, file_image) << c.what;
    }
}

// ---- the port dialog and the base address ----

TEST(ExchangeGuard, PortDialogOkWaitsForTheExchange) {
    struct Case {
        const char* what;
        bool write;
    } cases[] = {{"FM write", true}, {"FM read", false}};
    for (const Case& c : cases) {
        GuardProgram p;
        bx::App::Open(p.fm());
        bx::frm_FM& fm = p.fm();
        const bx::MemImage before = p.app.Mem_image;
        (c.write ? fm.Command_Write : fm.Command_read).click();
        p.run_to(fm.Link, 4);
        const std::string model = p.main().StatusBar1.Panels(2).Text;
        p.main().proc_setup.click();
        bx::Form_setup& dlg = *p.app.Form_setup;
        dlg.Option10.click();
        dlg.Command_ok.click();
        EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy}) << c.what;
        EXPECT_TRUE(dlg.Loaded()) << c.what;
        EXPECT_EQ(p.app.Comm_port, 3) << c.what;
        EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, model) << c.what;
        EXPECT_EQ(p.radio10.radio.Count(Frame::Program), 0) << c.what;

        ASSERT_TRUE(p.run_until_idle(fm.Link)) << c.what;
        EXPECT_EQ(p.frames(Frame::Program).size(), 2u) << c.what;
        if (c.write) {
            std::vector<Frame> writes = p.frames(Frame::Write);
            ASSERT_EQ(writes.size(), 16u) << c.what;
            for (size_t k = 0; k < writes.size(); ++k)
                EXPECT_EQ(addr_of(writes[k]), 0x3000 + 16 * static_cast<int>(k)) << c.what << " " << k;
            EXPECT_TRUE(p.radio_holds_image(768, 783)) << c.what;
            EXPECT_EQ(p.texts().back(), "Complete Written FM parameters to the transceiver.") << c.what;
        } else {
            bx::MemImage want = before;
            for (int r = 768; r <= 783; ++r)
                for (int b = 0; b < 16; ++b) want(r, b) = p.radio.radio.mem[static_cast<size_t>(16 * r + b)];
            EXPECT_EQ(p.app.Mem_image, want) << c.what;
        }
        // Once the exchange has ended OK picks the port.
        p.rt.recorder.clear();
        dlg.Command_ok.click();
        EXPECT_FALSE(dlg.Loaded()) << c.what;
        EXPECT_EQ(p.app.Comm_port, 10) << c.what;
        p.rt.sim.run_for(1500);
        EXPECT_EQ(p.radio10.radio.Count(Frame::Program), 1) << c.what;
        EXPECT_TRUE(p.texts().empty()) << c.what;
    }
}

// The port dialog's Cancel after a failed Confirm puts back the port of
// before, and with it the identification: not while an exchange runs on
// the port the Confirm left (it would re-aim it), but once it has ended.
TEST(ExchangeGuard, PortDialogCancelWaitsForTheExchange) {
    GuardProgram p;
    p.main().proc_setup.click();
    bx::Form_setup& dlg = *p.app.Form_setup;
    dlg.Option11.click();
    dlg.Command_ok.click();  // nothing on COM11
    EXPECT_EQ(p.texts(), std::vector<std::string>{kPortErrorB});
    ASSERT_TRUE(dlg.Loaded());
    // The radio of COM10 turns up on COM11; the FM editor reads from it.
    p.rt.ports.add_port(11, p.radio10.Port());
    bx::App::Open(p.fm());
    bx::frm_FM& fm = p.fm();
    fm.Command_read.click();
    p.run_to(fm.Link, 3);
    const int identifications = p.radio.radio.Count(Frame::Program);
    p.rt.recorder.clear();
    dlg.Command1.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy});
    EXPECT_TRUE(dlg.Loaded());
    EXPECT_EQ(p.app.Comm_port, 11);
    ASSERT_TRUE(p.run_until_idle(fm.Link));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kBusy, "Complete reading the data from transceiver."}));
    EXPECT_EQ(p.radio.radio.Count(Frame::Program), identifications);

    // Once it has ended the port of before comes back, identified.
    p.rt.recorder.clear();
    dlg.Command1.click();
    EXPECT_FALSE(dlg.Loaded());
    EXPECT_EQ(p.app.Comm_port, 3);
    p.rt.sim.run_for(1500);
    EXPECT_EQ(p.radio.radio.Count(Frame::Program), identifications + 1);
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "BX5610");
    EXPECT_TRUE(p.texts().empty());
}

// A second exchange is refused while one runs, also on another port (here
// another window's read of DTMF from the radio on COM10, while the FM write
// runs on COM3); the running one builds every frame from the base address
// it started with.
TEST(ExchangeGuard, ASecondExchangeIsRefusedAndTheFirstKeepsItsBaseAddress) {
    GuardProgram p;
    bx::App::Open(p.fm());
    bx::frm_FM& fm = p.fm();
    fm.Command_Write.click();
    p.run_to(fm.Link, 3);
    p.app.Comm_port = 10;
    BareLinkWindow other(p.app, bx::link_rows::frm_dtmf);
    other.Load();
    p.rt.recorder.clear();
    ASSERT_FALSE(other.Link.Read_button());
    EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy});
    ASSERT_TRUE(p.run_until_idle(fm.Link));
    std::vector<Frame> writes = p.frames(Frame::Write);
    ASSERT_EQ(writes.size(), 16u);
    for (size_t k = 0; k < writes.size(); ++k) EXPECT_EQ(addr_of(writes[k]), 0x3000 + 16 * static_cast<int>(k)) << k;
    EXPECT_TRUE(p.radio_holds_image(768, 783));
    std::vector<uint8_t> before_fm(p.radio.radio.mem.begin(), p.radio.radio.mem.begin() + 0x3000);
    const radiosim::Radio pattern(radiosim::Memory::Pattern);
    EXPECT_TRUE(std::equal(before_fm.begin(), before_fm.end(), pattern.mem.begin()));  // nothing below 0x3000 written
    int dtmf_reads = 0;
    for (const Frame& f : p.radio10.radio.frames)
        if (f.kind == Frame::Read && addr_of(f) != 0x3DF0) {
            EXPECT_EQ(addr_of(f), 0x2900 + 64 * dtmf_reads);
            ++dtmf_reads;
        }
    EXPECT_EQ(dtmf_reads, 0);
}
