// The channel exchange's paired data phase on the simulated radio, driven
// through a bare window that holds only what the machine uses; and the
// helpers its completion uses (unpack, name pass).
#include "link/link_support.h"

#include "editors/channels/chann_link.h"

using namespace linktest;

namespace {

class Pair_window : public ui::Form {
public:
    ui::SerialPort MSC{*this, "MSC"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    ui::Timer Timer3{*this, "Timer3"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Label Label_tr_count{*this, "Label_tr_count"};
    bx::LinkMachine Link;
    int completed = 0;

    explicit Pair_window(bx::App& app)
        : ui::Form(app.rt, "frm_chann"),
          Link{app, bx::link_rows::frm_chann, {MSC, Timer1, Timer2, Timer3, &ProgressBar1, &Label_tr_count}} {
        bx::Use_chann_data_phase(Link);
        Timer1.OnTimer = [this] { Link.Timer1_Timer(); };
        Timer2.OnTimer = [this] { Link.Timer2_Timer(); };
        Timer3.OnTimer = [this] { Link.Timer3_Timer(); };
        MSC.OnComm = [this] { Link.MSC_OnComm(); };
        Link.On_read_complete = [this] { ++completed; };
        Link.On_write_complete = [this] { ++completed; };
    }

protected:
    void Build() override {
        for (ui::Timer* t : {&Timer1, &Timer2, &Timer3}) t->setEnabled(false);
    }
};

int addr_of(const Frame& f) {
    const size_t at = f.bytes[0] == 0x06 ? 1 : 0;  // a write frame may carry the Ack in front
    return f.bytes[at + 1] * 256 + f.bytes[at + 2];
}

}  // namespace

TEST(ChannLink, ReadRequestsPairsInOrder) {
    RadioProgram p;
    p.start_identified();
    Pair_window w(p.app);
    w.Load();
    p.app.Pair_toggle = -1;  // left over from elsewhere: the read starts with channels
    ASSERT_TRUE(w.Link.Read_button());
    ASSERT_TRUE(p.rt.sim.run_until([&] { return w.Label_tr_count.Caption() == "Reading 2 Data Block"; }, 5000));
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(w.completed, 1);
    EXPECT_TRUE(p.texts().empty());

    std::vector<Frame> reads = p.frames(Frame::Read);
    ASSERT_EQ(reads.size(), 1u + 102u);
    for (int k = 0; k <= 50; ++k) {
        EXPECT_EQ(addr_of(reads[static_cast<size_t>(1 + 2 * k)]), 64 * k) << k;
        EXPECT_EQ(addr_of(reads[static_cast<size_t>(2 + 2 * k)]), 0x1000 + 64 * k) << k;
    }
    // Channel block k in row k + 1, name block k in row k + 2 of the twin.
    for (int k = 0; k <= 50; ++k)
        for (int b = 0; b < 64; ++b) {
            ASSERT_EQ(p.app.Read_blocks[static_cast<size_t>(k + 1)][static_cast<size_t>(5 + b)],
                      p.radio.radio.mem[static_cast<size_t>(64 * k + b)])
                << k;
            ASSERT_EQ(p.app.Read_blocks_twin[static_cast<size_t>(k + 2)][static_cast<size_t>(5 + b)],
                      p.radio.radio.mem[static_cast<size_t>(0x1000 + 64 * k + b)])
                << k;
        }
    EXPECT_EQ(w.ProgressBar1.Value(), 52 * 100 / 52);

    // The unpack takes 200 records of each area and nothing more.
    bx::MemImage img;
    bx::Unpack_chann_replies(p.app, img, 200);
    for (int r = 0; r < 200; ++r) {
        ASSERT_EQ(p.image_record(r).size(), 16u);
        for (int b = 0; b < 16; ++b) {
            ASSERT_EQ(img(r, b), p.radio.radio.mem[static_cast<size_t>(16 * r + b)]) << r;
            ASSERT_EQ(img(256 + r, b), p.radio.radio.mem[static_cast<size_t>(0x1000 + 16 * r + b)]) << r;
        }
    }
    for (int r : {200, 255, 456}) EXPECT_EQ(img(r, 0), 0xFF) << r;
}

TEST(ChannLink, WriteSendsPairsThenStops) {
    RadioProgram p;
    p.start_identified();
    for (int r = 0; r <= 200; ++r)
        for (int b = 0; b < 16; ++b) {
            p.app.Mem_image(r, b) = static_cast<uint8_t>(r + b);
            p.app.Mem_image(256 + r, b) = static_cast<uint8_t>(0x80 + r + b);
        }
    Pair_window w(p.app);
    w.Load();
    ASSERT_TRUE(w.Link.Write_button());
    ASSERT_TRUE(p.rt.sim.run_until([&] { return w.Label_tr_count.Caption() == "Writeing  0  Channel"; }, 5000));
    EXPECT_EQ(w.ProgressBar1.Value(), 0);  // Int(1 / 200 * 100)
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(w.completed, 1);
    EXPECT_EQ(w.Label_tr_count.Caption(), "Writeing  199  Channel");
    EXPECT_EQ(w.ProgressBar1.Value(), 100);

    std::vector<Frame> writes = p.frames(Frame::Write);
    ASSERT_EQ(writes.size(), 402u);
    EXPECT_EQ(writes[0].bytes.size(), 20u);
    for (int c = 0; c <= 200; ++c) {
        EXPECT_EQ(addr_of(writes[static_cast<size_t>(2 * c)]), 16 * c) << c;
        EXPECT_EQ(addr_of(writes[static_cast<size_t>(2 * c + 1)]), 0x1000 + 16 * c) << c;
        ASSERT_EQ(p.radio_record(c), p.image_record(c)) << c;
        ASSERT_EQ(p.radio_record(256 + c), p.image_record(256 + c)) << c;
    }
    EXPECT_EQ(p.radio_record(201), std::vector<uint8_t>(p.radio.radio.mem.begin() + 201 * 16,
                                                        p.radio.radio.mem.begin() + 202 * 16));
}

TEST(ChannLink, RetriedWriteStartsAgainWithChannelZero) {
    RadioProgram p;
    p.start_identified();
    // The radio falls silent a few records into the write.
    Pair_window w(p.app);
    w.Load();
    p.radio.radio.faults.silent_after = 9;
    ASSERT_TRUE(w.Link.Write_button());
    ASSERT_TRUE(p.rt.sim.run_until([&] { return w.Link.c().Timer3.Enabled(); }, 10000));
    p.radio.radio.faults.silent_after = -1;
    const size_t before = p.frames(Frame::Write).size();
    ASSERT_GT(before, 1u);
    ASSERT_TRUE(p.run_until_idle(w.Link));
    std::vector<Frame> writes = p.frames(Frame::Write);
    ASSERT_EQ(writes.size(), before + 402u);
    EXPECT_EQ(addr_of(writes[before]), 0x0000);
    EXPECT_EQ(addr_of(writes[before + 1]), 0x1000);
    EXPECT_EQ(w.completed, 1);
}

TEST(ChannLink, ReplyNameText) {
    struct Case {
        std::array<uint8_t, 6> bytes;
        const char* text;
    };
    const Case cases[] = {
        {{0x41, 0x42, 0x01, 0xFB, 0xFF, 0xFF}, "AB1+"},
        {{0x11, 0x12, 0xFF, 0xFF, 0xFF, 0xFF}, "AB"},
        {{0x09, 0x25, 0xFD, 0x0A, 0x26, 0xFC}, "9U-"},
        {{0x30, 0xE9, 0xFA, 0x2F, 0x10, 0xFE}, "0éú"},
        {{0xFF, 0x41, 0x42, 0x43, 0x44, 0x45}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(bx::Reply_name_text(c.bytes.data()), c.text) << c.text;

    std::array<uint8_t, 71> reply{};
    auto first_row = [&](std::initializer_list<uint8_t> head) {
        reply.fill(0);
        std::copy(head.begin(), head.end(), reply.begin());
        return bx::Reply_first_row(reply);
    };
    EXPECT_EQ(first_row({0x06, 0x58, 0x10, 0x00, 0x40}), 1);
    EXPECT_EQ(first_row({0x06, 0x58, 0x10, 0x40, 0x40}), 5);
    EXPECT_EQ(first_row({0x06, 0x58, 0x1C, 0x80, 0x40}), 201);
    EXPECT_EQ(first_row({0x58, 0x11, 0x00, 0x40}), 17);  // no Ack in front: the data start moves, so does the address
    EXPECT_EQ(first_row({0x06, 0x58, 0x10, 0x08, 0x40}), 2);   // 1.5 + 1 rounds to the even 2
    EXPECT_EQ(first_row({0x06, 0x58, 0x10, 0x18, 0x40}), 2);   // 2.5 rounds to the even 2
    EXPECT_EQ(first_row({0x06, 0x58, 0x0F, 0xC0, 0x40}), -1);
    EXPECT_EQ(first_row({0x06, 0x58, 0x30, 0x00, 0x40}), -1);
    EXPECT_EQ(first_row({0x06, 0x58, 0x2F, 0xF0, 0x40}), 512);
}
