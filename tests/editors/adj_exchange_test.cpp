// The alignment editor's exchange against the simulated radio, through a
// stand-in window that holds only what the machine uses and unpacks a
// finished read into Adj_table, as the editor does.
#include "editors/alignment/adj_exchange.h"
#include "link/link_support.h"
#include "model/defaults.h"

using namespace linktest;

namespace {

const std::vector<uint8_t> kProgram(bx::Cmd_program.begin(), bx::Cmd_program.end());
constexpr int kAdj = 0x3C00;

std::vector<uint8_t> cat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

class AdjWindow : public bx::LinkWindow {
public:
    int unpacks = 0;
    explicit AdjWindow(bx::App& app)
        : LinkWindow(app, "frm_Adj_Txp", bx::link_rows::frm_Adj_Txp, {.password = false}) {
        Link.On_read_complete = [this] {
            bx::Unpack_adj_reply(this->app);
            ++unpacks;
        };
        bx::Use_adj_exchange(Link);
    }
};

struct AdjProgram : RadioProgram {
    AdjWindow w{app};
    // Every (bar, label) the window showed while the exchange ran, in order.
    std::vector<std::pair<int, std::string>> shown;

    AdjProgram() {
        start_identified();
        w.Load();
        radio.pc_bytes.clear();
        radio.radio.frames.clear();
        rt.recorder.clear();
    }
    bool run_recording() {
        return rt.sim.run_until(
            [&] {
                std::pair<int, std::string> now{static_cast<int>(w.ProgressBar1.Value()), w.Label_tr_count.Caption()};
                if (shown.empty() || shown.back() != now) shown.push_back(now);
                return !w.Link.st.Busy() && !w.Timer3.Enabled();
            },
            120000);
    }
    const std::string& panel(int i) { return main().StatusBar1.Panels(i).Text; }
    std::vector<Frame> writes_to(int addr) const {
        std::vector<Frame> out;
        for (const Frame& f : frames(Frame::Write))
            if (f.bytes[1] * 256 + f.bytes[2] == addr) out.push_back(f);
        return out;
    }
};

// A table unlike both the factory table and the simulator's area.
bx::AdjTable patterned_table() {
    bx::AdjTable t;
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) t(c, r) = static_cast<int16_t>((c * 7 + r * 3 + 1) % 16);
    return t;
}

}  // namespace

TEST(AdjExchange, ReadRequestsTheEightBlocksAndFillsTheTable) {
    AdjProgram p;
    auto& radio = p.radio.radio;
    radio.bands = {140, 170, 410, 470};
    radio.model = "ADJSIM";
    const int64_t waits = p.rt.sim.busy_waits();

    ASSERT_TRUE(p.w.Link.Read_button());
    ASSERT_TRUE(p.run_recording());

    // No password record, no lone Ack: the first request carries the Ack,
    // every reply is acknowledged, the last one included.
    std::vector<uint8_t> want = cat({kProgram, {0x06, 0x53, 0x3C, 0x00, 0x40}});
    for (int a = kAdj + 64; a < kAdj + 512; a += 64)
        want = cat({want, {0x06, 0x53, static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a & 0xFF), 0x40}});
    want.push_back(0x06);
    EXPECT_EQ(p.radio.pc_bytes, want);
    EXPECT_EQ(p.rt.sim.busy_waits(), waits);

    EXPECT_EQ(p.app.Adj_table, radio.Adj_area());
    EXPECT_NE(p.app.Adj_table, p.app.Adj_defaults);
    EXPECT_EQ(p.w.unpacks, 1);

    // The identification updates limits and panels as every one does.
    EXPECT_EQ(p.app.Limit_A_low, 140);
    EXPECT_EQ(p.app.Limit_B_high, 470);
    const bx::IdentInfo in = bx::Ident_decode(radio.Ident_reply().data());
    EXPECT_EQ(p.panel(2), "ADJSIM");
    EXPECT_EQ(p.panel(8), in.band_a);
    EXPECT_EQ(p.panel(10), in.band_b);

    const std::vector<std::pair<int, std::string>> progress = {
        {0, "Connecting with transceiver. "},  {33, "Reading 3 Data Block"}, {44, "Reading 4 Data Block"},
        {55, "Reading 5 Data Block"},          {66, "Reading 6 Data Block"}, {77, "Reading 7 Data Block"},
        {88, "Reading 8 Data Block"},          {100, "Reading 9 Data Block"},
        {100, "Read optional parameters in gear. "}};
    EXPECT_EQ(p.shown, progress);
    ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
    EXPECT_EQ(p.rt.recorder.shown[0].text, "Complete reading the data from transceiver.");
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbExclamation);
    EXPECT_FALSE(p.w.MSC.PortOpen());
}

TEST(AdjExchange, SilentRadioTriesFourTimesThenReportsOnlyInPanel2) {
    for (bool write : {false, true}) {
        SCOPED_TRACE(write ? "write" : "read");
        AdjProgram p;
        p.radio.radio.faults.silent = true;
        p.main().StatusBar1.setPanelText(2, "before");
        const bx::AdjTable before = p.app.Adj_table;

        ASSERT_TRUE(write ? p.w.Link.Write_button() : p.w.Link.Read_button());
        const double t0 = p.rt.sim.now_ms();
        ASSERT_TRUE(p.run_recording());

        // Each attempt: the 15 ms pump, a 1000 ms time-out, the 2000 ms pause.
        const std::vector<Frame> programs = p.frames(Frame::Program);
        ASSERT_EQ(programs.size(), 4u);
        for (size_t k = 1; k < programs.size(); ++k)
            EXPECT_NEAR(programs[k].t_us - programs[k - 1].t_us, 3015000, 2) << k;
        EXPECT_NEAR(p.rt.sim.now_ms() - t0, 4 * 3015.0, 1);
        EXPECT_EQ(p.radio.pc_bytes.size(), 4 * kProgram.size());

        EXPECT_EQ(p.panel(2), "Communication fault.");
        EXPECT_TRUE(p.rt.recorder.shown.empty());
        EXPECT_EQ(p.w.Label_tr_count.Caption(), "Connecting with transceiver. ");
        EXPECT_EQ(p.w.ProgressBar1.Value(), 0);
        EXPECT_EQ(p.app.Adj_table, before);
        EXPECT_FALSE(p.w.MSC.PortOpen());

        // In Chinese the same failure text is the Chinese one.
        p.app.Lang_chinese = -1;
        ASSERT_TRUE(p.w.Link.Read_button());
        ASSERT_TRUE(p.run_recording());
        EXPECT_EQ(p.panel(2), "联机故障 ！");
    }
}

TEST(AdjExchange, PortThatDoesNotOpenShowsTheShortPortMessage) {
    bxtest::Program none;  // no port at all
    none.start();
    none.rt.recorder.clear();
    AdjWindow w(none.app);
    w.Load();
    EXPECT_FALSE(w.Link.Write_button());
    ASSERT_EQ(none.rt.recorder.shown.size(), 1u);
    EXPECT_EQ(none.rt.recorder.shown[0].text, "Communication Port Open Error ！");
    EXPECT_EQ(none.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(none.app.Comm_port_err, -1);
    EXPECT_FALSE(w.ProgressBar1.Visible());
}

TEST(AdjExchange, ShiftedRepliesAreNeverStoredNorAcknowledged) {
    AdjProgram p;
    p.radio.radio.faults.x_shift = 2;  // the 'X' at index 3
    const bx::AdjTable before = p.app.Adj_table;
    ASSERT_TRUE(p.w.Link.Read_button());
    ASSERT_TRUE(p.run_recording());
    // Four attempts, each ending at the first reply without an Ack for it.
    const std::vector<uint8_t> attempt = cat({kProgram, {0x06, 0x53, 0x3C, 0x00, 0x40}});
    EXPECT_EQ(p.radio.pc_bytes, cat({attempt, attempt, attempt, attempt}));
    EXPECT_EQ(p.app.Adj_table, before);
    EXPECT_EQ(p.w.unpacks, 0);
    EXPECT_EQ(p.panel(2), "Communication fault.");
}

TEST(AdjExchange, WriteSendsTheMarkerThenThe32RecordsOfTheTable) {
    AdjProgram p;
    auto& radio = p.radio.radio;
    p.app.Adj_table = patterned_table();
    // The password record's bytes are what an earlier write leaves in the
    // frame buffer; no marker may carry them.
    for (int r = 0; r < 12; ++r) p.app.Adj_table(31, r) = 0x41 + r;

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        p.shown.clear();
        p.radio.radio.frames.clear();
        p.rt.recorder.clear();
        ASSERT_TRUE(p.w.Link.Write_button());
        ASSERT_TRUE(p.run_recording());

        const std::vector<Frame> writes = p.frames(Frame::Write);
        ASSERT_EQ(writes.size(), 33u);
        const auto marker = bx::Adj_marker();
        // The Ack in front arrives as a frame of its own.
        ASSERT_EQ(writes[0].bytes, std::vector<uint8_t>(marker.begin() + 1, marker.end()));
        for (int i = 8; i <= 14; ++i) EXPECT_EQ(writes[0].bytes[4 + i], 0) << i;
        for (int c = 0; c < 32; ++c) EXPECT_EQ(writes[1 + c].bytes[1] * 256 + writes[1 + c].bytes[2], kAdj + 16 * c);
        EXPECT_EQ(p.frames(Frame::Ack).size(), 33u);  // one in front of every frame
        EXPECT_EQ(radio.Adj_area(), p.app.Adj_table);
        EXPECT_TRUE(std::equal(marker.begin() + 5, marker.end(), radio.mem.begin() + 0x3B90));

        ASSERT_EQ(p.shown.size(), 34u);
        EXPECT_EQ(p.shown[1], (std::pair<int, std::string>{0, "Writing  -1  Data Block"}));
        EXPECT_EQ(p.shown[32], (std::pair<int, std::string>{96, "Writing  30  Data Block"}));
        EXPECT_EQ(p.shown[33], (std::pair<int, std::string>{96, "Complete Written optional parameters "}));
        ASSERT_EQ(p.rt.recorder.shown.size(), 1u);
        EXPECT_EQ(p.rt.recorder.shown[0].text, "Complete Written optional parameters to the transceiver.");
        EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
        EXPECT_FALSE(p.w.MSC.PortOpen());
    }
}

// The write sends the table as it stood when the write began; an edit made
// meanwhile stays in the table for the next write.
TEST(AdjExchange, RecordsAreTheTableAsTheWriteBegan) {
    AdjProgram p;
    const bx::AdjTable began = p.app.Adj_table;
    ASSERT_TRUE(p.w.Link.Write_button());
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.w.Label_tr_count.Caption() == "Writing  5  Data Block"; }, 10000));
    p.app.Adj_table(20, 3) = 77;  // an edit while the write runs
    p.app.Adj_table(2, 3) = 78;   // in a record already sent
    ASSERT_TRUE(p.run_until_idle(p.w.Link));
    EXPECT_EQ(p.radio.radio.Adj_area(), began);
    EXPECT_EQ(p.app.Adj_table(20, 3), 77);
}

TEST(AdjExchange, WrongAcknowledgementRetriesFromTheMarker) {
    AdjProgram p;
    auto& radio = p.radio.radio;
    p.app.Adj_table = patterned_table();
    ASSERT_TRUE(p.w.Link.Write_button());
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.w.Label_tr_count.Caption() == "Writing  3  Data Block"; }, 10000));
    radio.faults.wrong_ack = true;
    ASSERT_TRUE(p.rt.sim.run_until([&] { return p.w.Timer3.Enabled(); }, 10000));
    radio.faults.wrong_ack = false;
    ASSERT_TRUE(p.run_until_idle(p.w.Link));

    // The first attempt got as far as record 4; the retry starts with the
    // identification and the marker and sends all 32 records.
    EXPECT_EQ(p.frames(Frame::Program).size(), 2u);
    const std::vector<Frame> writes = p.frames(Frame::Write);
    ASSERT_EQ(writes.size(), 6u + 33u);
    EXPECT_EQ(writes[0].bytes[1] * 256 + writes[0].bytes[2], 0x3B90);
    EXPECT_EQ(writes[5].bytes[1] * 256 + writes[5].bytes[2], kAdj + 16 * 4);
    EXPECT_EQ(writes[6].bytes[1] * 256 + writes[6].bytes[2], 0x3B90);
    EXPECT_EQ(writes[7].bytes[1] * 256 + writes[7].bytes[2], kAdj);
    EXPECT_EQ(radio.Adj_area(), p.app.Adj_table);
    EXPECT_EQ(p.rt.recorder.count("Complete Written optional parameters to the transceiver."), 1);
}

TEST(AdjExchange, UnpackTakesEachReplyFromItsDataStart) {
    bxtest::Program prog;
    bx::App& app = prog.app;
    // Replies with the Ack in front ('X' at 1) and without it ('X' at 0).
    for (int b = 0; b < 8; ++b) {
        auto& row = app.Read_blocks[static_cast<size_t>(2 + b)];
        row.fill(0xEE);
        const int x = b % 2 == 0 ? 1 : 0;
        row[static_cast<size_t>(x)] = 0x58;
        for (int i = 0; i < 64; ++i) row[static_cast<size_t>(x + 4 + i)] = static_cast<uint8_t>(b * 64 + i);
    }
    bx::Unpack_adj_reply(app);
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) ASSERT_EQ(app.Adj_table(c, r), (c * 16 + r) & 0xFF) << c << "," << r;
}

// The simulator's own alignment area: what each control shows lies in its
// range (the working range as a valid pair within its band), and no such
// cell holds its factory value, so a read is seen to change the table.
TEST(AdjExchange, SimulatorAreaIsValidAndUnlikeTheFactoryTable) {
    bx::AdjTable factory;
    bx::Load_adj_defaults(factory);
    radiosim::Radio radio;
    const bx::AdjTable area = radio.Adj_area();
    auto mhz = [](const bx::AdjTable& t, const bx::AdjCells& f) {
        return 100 * t(f.record, f.first) + 10 * t(f.record, f.first + 1) + t(f.record, f.first + 2);
    };
    for (const bx::AdjCells& f : bx::adj::all) {
        SCOPED_TRACE(f.name);
        if (f.codec == bx::Codec::Password_chars) continue;  // the passwords: Set_passwords'
        if (f.codec == bx::Codec::Mhz_digits) {
            EXPECT_GE(mhz(area, f), f.min);
            EXPECT_LE(mhz(area, f), f.max);
            EXPECT_NE(mhz(area, f), mhz(factory, f));
            continue;
        }
        for (int k = 0; k < f.count; ++k) {
            const int v = area(f.record, f.first + k);
            EXPECT_GE(v, f.min) << k;
            EXPECT_LE(v, f.max) << k;
            EXPECT_NE(v, factory(f.record, f.first + k)) << k;
        }
    }
    EXPECT_LE(mhz(area, bx::adj::Freq_l_vhf), mhz(area, bx::adj::Freq_h_vhf));
    EXPECT_LE(mhz(area, bx::adj::Freq_l_uhf), mhz(area, bx::adj::Freq_h_uhf));
    for (int r = 0; r < 12; ++r) EXPECT_EQ(area(31, r), 0x20) << r;  // both passwords blank
    radio.Set_passwords("USER1", "super2");
    EXPECT_EQ(radio.Adj_area()(31, 0), 'U');
    EXPECT_EQ(radio.Adj_area()(31, 6), 's');

    // The setter puts a whole table in place, byte by byte.
    bx::AdjTable t;
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) t(c, r) = static_cast<int16_t>(255 - c * 8 - r % 8);
    radio.Set_adj_area(t);
    EXPECT_EQ(radio.Adj_area(), t);
    EXPECT_EQ(radio.mem[0x3C00 + 16 * 31 + 15], 255 - 31 * 8 - 7);
    const radiosim::Radio fresh;
    EXPECT_EQ(radio.mem[0x3BFF], fresh.mem[0x3BFF]);  // nothing outside the area
    EXPECT_EQ(radio.mem[0x3E00], fresh.mem[0x3E00]);
}
