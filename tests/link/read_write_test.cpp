// The read and write windows against the simulated radio.
#include "link_support.h"
#include "model/five_tone.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {
const std::vector<uint8_t> kProgram(bx::Cmd_program.begin(), bx::Cmd_program.end());

std::vector<uint8_t> cat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Starts the read window's exchange with a typed password.
void click_read(RadioProgram& p, const std::string& password = "") {
    p.main().Prog_read.click();
    if (!password.empty()) p.rd().Text_PassWord.enter(password);
    p.rd().Command_read.click();
}
void click_write(RadioProgram& p, const std::string& password = "") {
    p.main().Prog_write.click();
    if (!password.empty()) p.wr().Text_PassWord.enter(password);
    p.wr().Command_Write.click();
}
}  // namespace

TEST(ReadWindow, FullReadReplacesRecords0To787) {
    RadioProgram p;
    p.start_identified();
    p.close_options_window();
    bx::MemImage before = p.app.Mem_image;
    p.radio.radio.Set_passwords("135790", "");
    p.radio.pc_bytes.clear();
    // A listener added and removed again hears nothing; one that stays
    // hears of the finished read once, after the unpack.
    int replaced = 0;
    p.app.Remove_image_listener(p.app.Add_image_listener([&] { replaced += 100; }));
    p.app.Add_image_listener([&] {
        ++replaced;
        EXPECT_EQ(p.image_record(787), p.radio_record(787));
    });
    click_read(p, "135790");
    EXPECT_EQ(p.rd().Label_tr_count.Caption(), "Connecting with transceiver. ");
    EXPECT_TRUE(p.rd().ProgressBar1.Visible());
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));

    for (int r = 0; r <= 787; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << r;
    EXPECT_EQ(replaced, 1);
    for (int r = 788; r < bx::kImageRecords; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(p.app.Mem_image(r, b), before(r, b)) << r;

    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(p.rd().Label_tr_count.Caption(), "Read Data is Ok ！");
    EXPECT_EQ(p.rd().ProgressBar1.Value(), 99);
    EXPECT_FALSE(p.rd().MSC.PortOpen());

    // The wire: request, Ack of the identification, password read, the
    // first block request behind the Ack of the password reply, then the
    // block of 0x0000 once more and every next block, each reply acked.
    std::vector<uint8_t> want = cat({kProgram, {0x06}, {0x53, 0x3D, 0xF0, 0x10}, {0x06, 0x53, 0x00, 0x00, 0x40}});
    for (int c = 1; c <= 200; ++c) {
        int a = (c - 1) * 64;
        want = cat({want, {0x06}, {0x53, static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a & 0xFF), 0x40}});
    }
    want.push_back(0x06);
    EXPECT_EQ(p.radio.pc_bytes, want);
    // Every reply is the Ack and the data frame: 50 + 21 + 201 * 69 bytes.
    EXPECT_EQ(p.radio.radio_bytes.size(), 50u + 21u + 201u * 69u + 50u);
}

TEST(ReadWindow, ProgressCountsBlocksBeforeTheIncrease) {
    RadioProgram p;
    p.start_identified();
    click_read(p);
    auto& rd = p.rd();
    ASSERT_TRUE(p.rt.sim.run_until([&] { return rd.Label_tr_count.Caption() == "Reading 1 Data Block"; }, 5000));
    EXPECT_EQ(rd.ProgressBar1.Value(), 0);
    ASSERT_TRUE(p.rt.sim.run_until([&] { return rd.Label_tr_count.Caption() == "Reading 100 Data Block"; }, 30000));
    EXPECT_EQ(rd.ProgressBar1.Value(), 49);
    ASSERT_TRUE(p.rt.sim.run_until([&] { return rd.Label_tr_count.Caption() == "Reading 200 Data Block"; }, 30000));
    EXPECT_EQ(rd.ProgressBar1.Value(), 99);
}

TEST(ReadWindow, SilentRadioFourAttemptsThenFailure) {
    RadioProgram p;
    p.start_identified();
    bx::MemImage before = p.app.Mem_image;
    p.radio.radio.faults.silent = true;
    click_read(p);
    p.rt.sim.run_for(30000);
    EXPECT_EQ(p.frames(Frame::Program).size(), 1u + 4u);  // the identification's, then four
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(p.rd().Label_tr_count.Caption(), "Communication fault.");
    EXPECT_EQ(p.rd().ProgressBar1.Value(), 0);
    EXPECT_TRUE(p.app.Mem_image == before);
    EXPECT_FALSE(p.rd().Link.st.Busy());
    EXPECT_FALSE(p.rd().MSC.PortOpen());
}

TEST(ReadWindow, FaultyRepliesDuringTheRead) {
    struct Case {
        const char* what;
        radiosim::Faults f;
        bool completes;
    } cases[] = {
        {"pieces", {.pieces = 10, .piece_gap_ms = 5}, true},
        {"extra bytes", {.extra_bytes = 5}, true},
        // The data of a reply with the 'X' at index 2 would run past the 69
        // bytes taken: it counts as no reply.
        {"shifted X", {.x_shift = 1}, false},
        {"wrong ident", {.wrong_ident = true}, false},
        {"no end mark", {.no_end_mark = true}, false},
        // Silent from the third block request on: time-out and retries, each
        // from the program-mode request.
        {"stops answering", {.silent_after = 4}, false},
    };
    for (const Case& c : cases) {
        RadioProgram p;
        p.start_identified();
        p.close_options_window();
        bx::MemImage before = p.app.Mem_image;
        p.radio.radio.faults = c.f;
        click_read(p);
        ASSERT_TRUE(p.run_until_idle(p.rd().Link, 200000)) << c.what;
        if (c.completes) {
            EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."}) << c.what;
            for (int r = 0; r <= 787; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << c.what << " " << r;
        } else {
            EXPECT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."}) << c.what;
            EXPECT_TRUE(p.app.Mem_image == before) << c.what;
        }
    }
}

TEST(ReadWindow, PassWordMismatchStopsWithoutRetry) {
    RadioProgram p;
    p.start_identified();
    bx::MemImage before = p.app.Mem_image;
    p.radio.radio.Set_passwords("111111", "222222");
    click_read(p, "333333");
    p.rt.sim.run_for(20000);
    ASSERT_EQ(p.texts(), std::vector<std::string>{"PassWord Error, Reading Stop"});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(p.frames(Frame::Program).size(), 2u);
    EXPECT_EQ(p.frames(Frame::Read).size(), 1u);  // the password record only
    EXPECT_TRUE(p.app.Mem_image == before);
    EXPECT_FALSE(p.rd().Link.st.Busy());
    EXPECT_FALSE(p.rd().MSC.PortOpen());
    EXPECT_EQ(p.rd().Label_tr_count.Caption(), "Connecting with transceiver. ");
}

TEST(ReadWindow, BusyRefusalsAndCancel) {
    RadioProgram p;
    p.start_identified();
    click_read(p);
    p.rt.sim.run_for(500);
    ASSERT_TRUE(p.rd().Link.st.Read_busy);
    p.rd().Command_read.click();
    p.rd().Command_Cancel.click();
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kBusy,
                                                   "Read-write operating，don't close the window. ,"}));
    EXPECT_TRUE(p.rd().Loaded());
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));
    p.rd().Command_read.click();  // after the read: a new one starts
    EXPECT_TRUE(p.rd().Link.st.Read_busy);
    p.rd().Link.Reset();
    p.rd().Command_Cancel.click();
    EXPECT_FALSE(p.rd().Loaded());
}

// A Read pressed during the read leaves its refusal box open while the read
// goes on and completes beneath it. Once both boxes are closed the window is
// idle, and its close box closes it without a word.
TEST(ReadWindow, RefusalBoxOpenAcrossTheCompletion) {
    RadioProgram p;
    p.start_identified();
    click_read(p);
    p.rt.sim.run_for(300);
    ASSERT_TRUE(p.rd().Link.st.Read_busy);
    p.rt.recorder.hold_ms = 60000;
    p.rd().Command_read.click();  // returns once the refusal box is closed
    p.rt.recorder.hold_ms = 0;
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kBusy,
                                                   "Complete reading data from the transceiver."}));
    auto& rd = p.rd();
    EXPECT_FALSE(rd.Link.st.Busy());
    EXPECT_EQ(rd.Label_tr_count.Caption(), "Read Data is Ok ！");
    EXPECT_FALSE(rd.MSC.PortOpen());
    for (ui::Timer* t : {&rd.Timer1, &rd.Timer2, &rd.Timer3}) EXPECT_FALSE(t->running());
    p.rt.sim.run_for(10000);
    EXPECT_EQ(p.texts().size(), 2u);
    EXPECT_TRUE(rd.Unload(false, ui::vbFormControlMenu));
    EXPECT_EQ(p.texts().size(), 2u);
}

TEST(ReadWindow, NoPortShowsOnlyThePortMessage) {
    bxtest::Program p;
    p.start();
    p.rt.recorder.clear();
    p.main().Prog_read.click();
    auto& rd = *p.app.Form_Comm_Read;
    rd.Command_read.click();
    ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_EQ(p.rt.recorder.shown[0].text,
              "Communication port is error, please setting right communication port . ！");
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_FALSE(rd.ProgressBar1.Visible());
    EXPECT_EQ(rd.Label_tr_count.Caption(), "");
    EXPECT_FALSE(rd.Link.st.Busy());
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.rt.recorder.shown.size(), 1u);
}

// Read chosen again while the read runs, also in the pause before a retry,
// brings the window forward: the exchange goes on and its retry comes.
TEST(ReadWindow, ReadAgainMidReadKeepsTheExchange) {
    RadioProgram p;
    p.start_identified();
    p.close_options_window();  // the raw bytes are compared below
    p.radio.radio.faults.silent = true;
    click_read(p);
    p.rt.sim.run_for(1500);  // past the time-out, inside the 3000 ms pause
    ASSERT_FALSE(p.rd().Link.st.Busy());
    ASSERT_TRUE(p.rd().Timer3.running());
    p.main().Toolbar1.click("read");
    EXPECT_TRUE(p.rd().Timer3.running());
    p.radio.radio.faults.silent = false;
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.rd().Link.st.Identified != 0; }, 10000));
    p.main().Prog_read.click();
    EXPECT_TRUE(p.rd().Link.st.Read_busy);
    EXPECT_TRUE(p.rd().MSC.PortOpen());
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
    EXPECT_EQ(p.frames(Frame::Program).size(), 3u);  // identification, the silent one, the retry
    for (int r = 0; r <= 787; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << r;
}

// The pause before a retry belongs to the exchange: Read is refused there
// and the retry goes on to the report.
TEST(ReadWindow, ReadDuringThePauseIsRefusedAndTheRetryGoesOn) {
    RadioProgram p;
    p.start_identified();
    p.radio.radio.faults.silent = true;
    click_read(p);
    p.rt.sim.run_for(1500);  // past the time-out, inside the 3000 ms pause
    ASSERT_FALSE(p.rd().Link.st.Busy());
    ASSERT_TRUE(p.rd().Timer3.Enabled());
    p.radio.radio.faults.silent = false;
    p.rd().Command_read.click();
    EXPECT_FALSE(p.rd().Link.st.Read_busy);
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));
    EXPECT_EQ(p.texts(), (std::vector<std::string>{kBusy,
                                                   "Complete reading data from the transceiver."}));
    EXPECT_EQ(p.frames(Frame::Program).size(), 3u);  // identification, the silent one, the retry
}

// A port lost mid-exchange is a failed exchange: the port message, then the
// failure report and label.
TEST(ReadWindow, VanishingPortEndsInThePortMessageAndTheFailure) {
    RadioProgram p;
    p.start_identified();
    p.radio.radio.faults.vanish_after = 1 + 5;  // mid-read
    click_read(p);
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.texts(), (std::vector<std::string>{
                             "Communication port is error, please setting right communication port . ！",
                             "Fail connect with transceiver."}));
    EXPECT_EQ(p.rd().Label_tr_count.Caption(), "Communication fault.");
    EXPECT_FALSE(p.rd().Link.st.Busy());
    for (ui::Timer* t : {&p.rd().Timer1, &p.rd().Timer2, &p.rd().Timer3}) EXPECT_FALSE(t->running());
}

TEST(PassWordBox, KeepsTheFirstSixCharacters) {
    RadioProgram p;
    p.start_identified();
    p.main().Prog_read.click();
    EXPECT_EQ(p.app.PassWord_typed[0], 0);  // the default text does not count
    // Typing stops at six characters; blanks around them don't count.
    p.rd().Text_PassWord.enter("  12 4567890123456789  ");
    EXPECT_EQ(p.rd().Text_PassWord.Text(), "  12 456");
    const std::array<int32_t, 17> want{'1', '2', ' ', '4', '5', '6'};
    EXPECT_EQ(p.app.PassWord_typed, want);
    p.rd().Text_PassWord.enter("9");
    const std::array<int32_t, 17> want9{'9', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(p.app.PassWord_typed, want9);
    // Pasted: only printable ASCII, the first six of them.
    p.rd().Text_PassWord.setText("a\xe4\xb8\xad" "Bcdefgh");
    EXPECT_EQ(p.rd().Text_PassWord.Text(), "aBcdef");
    const std::array<int32_t, 17> pasted{'a', 'B', 'c', 'd', 'e', 'f'};
    EXPECT_EQ(p.app.PassWord_typed, pasted);
}

// ---- write window ----

TEST(WriteWindow, FullWriteSendsRecords0To783) {
    RadioProgram p;
    p.start_identified();
    std::vector<uint8_t> mem_before(p.radio.radio.mem.begin(), p.radio.radio.mem.end());
    p.radio.pc_bytes.clear();
    click_write(p);
    EXPECT_EQ(p.wr().Label_tr_count.Caption(), "Connecting with transceiver. ");
    ASSERT_TRUE(p.run_until_idle(p.wr().Link));

    for (int r = 0; r <= 783; ++r) ASSERT_EQ(p.radio_record(r), p.image_record(r)) << r;
    for (int a = 0x3100; a < radiosim::kMemBytes; ++a) ASSERT_EQ(p.radio.radio.mem[a], mem_before[a]) << a;
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete Written the data to transceiver."});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(p.wr().Label_tr_count.Caption(), "Data Writed ！");
    EXPECT_EQ(p.wr().ProgressBar1.Value(), 99);
    EXPECT_TRUE(p.wr().ProgressBar1.Visible());

    auto writes = p.frames(Frame::Write);
    ASSERT_EQ(writes.size(), 784u);
    // The first write frame has no Ack in front; every later one does.
    std::vector<uint8_t> want = cat({kProgram, {0x06}, {0x53, 0x3D, 0xF0, 0x10}, {0x06}});
    for (int c = 0; c < 784; ++c) {
        if (c > 0) want.push_back(0x06);
        want = cat({want, {0x58, static_cast<uint8_t>((c * 16) >> 8), static_cast<uint8_t>((c * 16) & 0xFF), 0x10},
                    p.image_record(c)});
    }
    EXPECT_EQ(p.radio.pc_bytes, want);
}

TEST(WriteWindow, RebuildsTheFiveToneTables) {
    RadioProgram p;
    p.start_identified();
    for (int r = 512; r <= 575; ++r) p.app.Mem_image(r, 3) = 0x00;
    bx::MemImage want = p.app.Mem_image;
    bx::Load_5tone_tables(want);
    ASSERT_FALSE(want == p.app.Mem_image);
    click_write(p);
    ASSERT_TRUE(p.run_until_idle(p.wr().Link));
    for (int r = 512; r <= 575; ++r) {
        std::vector<uint8_t> row(want.record(r).begin(), want.record(r).begin() + 16);
        ASSERT_EQ(p.image_record(r), row) << r;
        ASSERT_EQ(p.radio_record(r), row) << r;
    }
}

TEST(WriteWindow, ChannelOutsideTheBandsIsRefused) {
    RadioProgram p;
    p.start_identified();
    // Channel 0 receives on 200 MHz.
    const uint8_t f200[4] = {0x00, 0x00, 0x00, 0x20};
    for (int i = 0; i < 4; ++i) p.app.Mem_image(0, i) = f200[i];
    size_t attempts = p.rt.ports.attempts.size();
    click_write(p);
    ASSERT_EQ(p.texts(), std::vector<std::string>{
                             "Channel 0that Receiving or transmitting frequency  out of frequency limitation range "});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate prompt");
    EXPECT_EQ(p.rt.ports.attempts.size(), attempts);
    EXPECT_FALSE(p.wr().Link.st.Busy());
    p.rt.recorder.clear();
    p.main().Language_chn_Click();
    p.wr().Command_Write.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{"信道 0 中的接收或发射频率超出频率限制范围"});
}

TEST(WriteWindow, NoRetryAndTheFailureReport) {
    struct Case {
        const char* what;
        radiosim::Faults f;
    } cases[] = {
        {"silent", {.silent = true}},
        // Acknowledgements other than 0x06 are ignored: the write stops.
        {"wrong ack", {.wrong_ack = true}},
        {"stops answering mid-write", {.silent_after = 10}},
    };
    for (const Case& c : cases) {
        RadioProgram p;
        p.start_identified();
        p.radio.radio.faults = c.f;
        click_write(p);
        ASSERT_TRUE(p.rt.sim.run_until([&] { return !p.wr().Link.st.Busy(); }, 60000)) << c.what;
        const double timeout_at = p.rt.sim.now_ms();
        EXPECT_TRUE(p.texts().empty());
        p.rt.sim.run_for(20000);
        EXPECT_EQ(p.frames(Frame::Program).size(), 2u) << c.what;  // no retry
        ASSERT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."}) << c.what;
        EXPECT_DOUBLE_EQ(p.rt.recorder.shown[0].at_ms, timeout_at + 5000) << c.what;
        EXPECT_FALSE(p.wr().ProgressBar1.Visible());
        EXPECT_EQ(p.wr().ProgressBar1.Value(), 0);
        EXPECT_EQ(p.wr().Label_tr_count.Caption(), "Communication fault.");
    }
}

TEST(WriteWindow, PassWordCases) {
    struct Case {
        const char* what;
        std::string p1, p2, typed;
        int x_shift;
        bool passes;
    } cases[] = {
        {"password 1", "135790", "246801", "135790", 0, true},
        {"password 2", "135790", "246801", "246801", 0, true},
        {"blank record", "", "", "777777", 0, true},
        {"mismatch", "135790", "246801", "135791", 0, false},
        {"typed 12 against 12 and blanks", "12", "246801", "12", 0, true},
        // Bytes before the 'X' besides the Ack: the reply is taken whole,
        // so both passwords arrive however late the 'X' stands.
        {"X at index 4, password 2", "135790", "246801", "246801", 3, true},
        {"X at index 5, password 2", "135790", "246801", "246801", 4, true},
        {"X at index 5, password 1", "135790", "246801", "135790", 4, true},
        {"X at index 9, password 2", "135790", "246801", "246801", 8, true},
        {"X at index 9, mismatch", "135790", "246801", "246802", 8, false},
    };
    for (const Case& c : cases) {
        RadioProgram p;
        p.start_identified();
        p.radio.radio.Set_passwords(c.p1, c.p2);
        p.radio.radio.faults.x_shift = c.x_shift;
        click_write(p, c.typed);
        ASSERT_TRUE(p.run_until_idle(p.wr().Link)) << c.what;
        EXPECT_EQ(p.texts(), std::vector<std::string>{c.passes ? "Complete Written the data to transceiver."
                                                               : "PassWord Error, Reading Stop"})
            << c.what;
        EXPECT_EQ(p.frames(Frame::Write).size(), c.passes ? 784u : 0u) << c.what;
    }
}

TEST(WriteWindow, PassWordReplyWithALateMarkIsDropped) {
    RadioProgram p;
    p.start_identified();
    p.radio.radio.faults.x_shift = 9;  // the 'X' at index 10
    click_write(p);
    p.rt.sim.run_for(20000);
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."});
    EXPECT_EQ(p.frames(Frame::Write).size(), 0u);
}

// One exchange at a time: the write is refused with the busy message while
// the read runs (and a second open of the simulated port fails as a real
// one does).
TEST(WriteWindow, RefusedWhileAnotherWindowsExchangeRuns) {
    RadioProgram p;
    p.start_identified();
    click_read(p);
    p.rt.sim.run_for(300);
    p.main().Prog_write.click();
    p.wr().Command_Write.click();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kBusy});
    EXPECT_FALSE(p.wr().MSC.PortOpen());
    EXPECT_TRUE(p.rt.ports.is_open(3));
    EXPECT_EQ(p.rt.ports.open(3, "9600,N,8,1"), nullptr);
    EXPECT_FALSE(p.wr().ProgressBar1.Visible());
    EXPECT_TRUE(p.rd().Link.st.Read_busy);  // the read goes on
}

// Where an exchange stands, which every "does it run" asks: a read that
// times out in its data phase, retries and completes goes through every
// phase of the machine, its report box included, and the application
// counts it as running until that box is closed.
TEST(ReadWindow, ItsPhasesThroughATimeOutAndTheRetry) {
    using P = bx::LinkPhase;
    RadioProgram p;
    p.start_identified();
    const bx::LinkMachine& m = p.rd().Link;
    std::vector<P> seen{m.Phase()};
    auto note = [&] {
        if (seen.back() != m.Phase()) seen.push_back(m.Phase());
        // The application asks the same state.
        EXPECT_EQ(p.app.Exchange_runs(), m.Phase() != P::Idle);
    };
    p.rt.recorder.on_show = [&](const ui::MsgRecord&) { note(); };
    click_read(p);
    ASSERT_TRUE(p.rt.sim.run_until([&] { return note(), m.Phase() == P::Data && m.st.Block_no >= 5; }, 10000));
    p.radio.radio.faults.silent = true;
    ASSERT_TRUE(p.rt.sim.run_until([&] { return note(), m.Phase() == P::Pause; }, 5000));
    p.radio.radio.faults.silent = false;
    p.rt.sim.run_until([&] { return note(), false; }, 60000);
    EXPECT_EQ(seen, (std::vector<P>{P::Idle, P::Connecting, P::Data, P::Pause, P::Connecting, P::Data,
                                    P::Reporting, P::Idle}));
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
}
