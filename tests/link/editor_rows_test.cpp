// The editors' rows of link parameters, run on the one exchange machine
// against the simulated radio: what each row makes the machine request,
// send, count and show. The editor windows come later; a bare window with
// the machine's controls stands in for each.
#include "link_support.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {

int addr_of(const Frame& f) { return f.bytes[1] * 256 + f.bytes[2]; }

struct RowCase {
    const bx::Link_params& row;
    int read_base, blocks;     // read: base address, N
    int write_base, records;   // write: base address, M
    int write_label_less;      // the write label shows the counter less this
    int read_retries, write_retries, pause_ms;
    const char* port_text;
    const char* port_title;
};


const RowCase kRows[] = {
    {bx::link_rows::frm_FM, 0x3000, 4, 0x3000, 16, 0, 3, 3, 3000, kPortErrorA, "Operate prompt"},
    {bx::link_rows::frm_option, 0x0E00, 8, 0x0E00, 32, 0, 3, 3, 3000, kPortErrorB, "Operate Prompt"},
    {bx::link_rows::frm_2tone, 0x2D00, 12, 0x2D00, 48, 1, 3, 3, 3000, kPortErrorB, "Operate Prompt"},
    {bx::link_rows::frm_5tone, 0x2400, 8, 0x2000, 96, 1, 3, 3, 3000, kPortErrorB, "Operate Prompt"},
    {bx::link_rows::frm_dtmf, 0x2900, 8, 0x2900, 32, 0, 3, 3, 3000, kPortErrorB, "Operate Prompt"},
};

}  // namespace

TEST(EditorRows, ReadRequestsAndProgress) {
    for (const RowCase& c : kRows) {
        RadioProgram p;
        p.start_identified();
        BareLinkWindow w(p.app, c.row);
        w.Load();
        ASSERT_TRUE(w.Link.Read_button()) << c.row.window;
        // The first reply stored: counter 3 shown, bar Int(3 / (N + 1) * 100).
        ASSERT_TRUE(p.rt.sim.run_until([&] { return w.Label_tr_count.Caption() != "Connecting with transceiver. "; },
                                       5000))
            << c.row.window;
        EXPECT_EQ(w.Label_tr_count.Caption(), "Reading 3 Data Block") << c.row.window;
        EXPECT_EQ(w.ProgressBar1.Value(), 300 / (c.blocks + 1)) << c.row.window;
        ASSERT_TRUE(p.run_until_idle(w.Link)) << c.row.window;
        EXPECT_EQ(w.Label_tr_count.Caption(), "Reading " + std::to_string(c.blocks + 1) + " Data Block")
            << c.row.window;
        EXPECT_EQ(w.ProgressBar1.Value(), 100) << c.row.window;

        std::vector<Frame> reads = p.frames(Frame::Read);
        ASSERT_EQ(reads.size(), 1u + static_cast<size_t>(c.blocks)) << c.row.window;
        EXPECT_EQ(addr_of(reads[0]), 0x3DF0);
        for (int k = 0; k < c.blocks; ++k)
            EXPECT_EQ(addr_of(reads[static_cast<size_t>(k + 1)]), c.read_base + 64 * k) << c.row.window << " " << k;
        // Block k is stored with counter k + 2.
        for (int k = 0; k < c.blocks; ++k)
            for (int b = 0; b < 64; ++b)
                ASSERT_EQ(p.app.Read_blocks[static_cast<size_t>(k + 2)][static_cast<size_t>(5 + b)],
                          p.radio.radio.mem[static_cast<size_t>(c.read_base + 64 * k + b)])
                    << c.row.window << " " << k;
        EXPECT_TRUE(p.texts().empty()) << c.row.window;
    }
}

TEST(EditorRows, WriteFramesAndProgress) {
    for (const RowCase& c : kRows) {
        RadioProgram p;
        p.start_identified();
        BareLinkWindow w(p.app, c.row);
        w.Load();
        ASSERT_TRUE(w.Link.Write_button()) << c.row.window;
        ASSERT_TRUE(p.rt.sim.run_until([&] { return w.Label_tr_count.Caption() != "Connecting with transceiver. "; },
                                       5000))
            << c.row.window;
        EXPECT_EQ(w.Label_tr_count.Caption(), "Writing  " + std::to_string(1 - c.write_label_less) + "  Data Block")
            << c.row.window;
        ASSERT_TRUE(p.run_until_idle(w.Link)) << c.row.window;
        // The last progress comes with the Ack of record M - 2.
        EXPECT_EQ(w.Label_tr_count.Caption(),
                  "Writing  " + std::to_string(c.records - 1 - c.write_label_less) + "  Data Block")
            << c.row.window;
        EXPECT_EQ(w.ProgressBar1.Value(), (c.records - 1) * 100 / c.records) << c.row.window;

        std::vector<Frame> writes = p.frames(Frame::Write);
        ASSERT_EQ(writes.size(), static_cast<size_t>(c.records)) << c.row.window;
        for (int r = 0; r < c.records; ++r) {
            EXPECT_EQ(addr_of(writes[static_cast<size_t>(r)]), c.write_base + 16 * r) << c.row.window << " " << r;
            ASSERT_EQ(p.radio_record(c.write_base / 16 + r), p.image_record(c.write_base / 16 + r))
                << c.row.window << " " << r;
        }
        EXPECT_TRUE(p.texts().empty()) << c.row.window;
    }
}

TEST(EditorRows, RetriesPauseAndPortText) {
    struct RetryCase {
        const bx::Link_params& row;
        int read_retries, write_retries, pause_ms;
        const char* port_text;
        const char* port_title;
    };
    std::vector<RetryCase> cases{{bx::link_rows::frm_chann, 3, 1, 1500, kPortErrorA, "Operate prompt"}};
    for (const RowCase& c : kRows)
        cases.push_back({c.row, c.read_retries, c.write_retries, c.pause_ms, c.port_text, c.port_title});
    for (const RetryCase& c : cases) {
        for (bool write : {false, true}) {
            RadioProgram p;
            p.start_identified();
            p.radio.radio.faults.silent = true;
            BareLinkWindow w(p.app, c.row);
            w.Load();
            const double t0 = p.rt.sim.now_ms();
            ASSERT_TRUE(write ? w.Link.Write_button() : w.Link.Read_button()) << c.row.window;
            ASSERT_TRUE(p.run_until_idle(w.Link)) << c.row.window;
            const int attempts = 1 + (write ? c.write_retries : c.read_retries);
            EXPECT_EQ(p.frames(Frame::Program).size(), 1u + static_cast<size_t>(attempts)) << c.row.window << write;
            ASSERT_EQ(p.texts(), std::vector<std::string>{"Fail connect with transceiver."}) << c.row.window;
            // Each attempt: the pump's 15 ms, the 1000 ms time-out, the pause.
            EXPECT_DOUBLE_EQ(p.rt.recorder.shown[0].at_ms, t0 + attempts * (15 + 1000 + c.pause_ms))
                << c.row.window << write;
        }
        bxtest::Program none;  // no port at all
        none.start();
        none.rt.recorder.clear();
        BareLinkWindow w(none.app, c.row);
        w.Load();
        EXPECT_FALSE(w.Link.Read_button()) << c.row.window;
        ASSERT_EQ(none.rt.recorder.shown.size(), 1u) << c.row.window;
        EXPECT_EQ(none.rt.recorder.shown[0].text, c.port_text) << c.row.window;
        EXPECT_EQ(none.rt.recorder.shown[0].title, c.port_title) << c.row.window;
        EXPECT_FALSE(w.ProgressBar1.Visible()) << c.row.window;
    }
}
