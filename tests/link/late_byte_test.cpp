// Bytes that arrive late: the last byte of a reply coming after the program
// has already taken what it needs, or junk behind every reply. Such a byte
// belongs to the reply before and must neither shift the next reply nor
// pass for an Ack.
#include <memory>

#include "link_support.h"
#include "model/memory_map.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {


// The password reply is the Ack and a 20-byte frame, of which the program
// takes 20: its last byte is the one left over. Delays around the send
// pump's 15 ms, and that byte as an Ack and as any other value.
struct LateCase {
    int late_ms;
    uint8_t last_byte;
};
const LateCase kLate[] = {{5, 0x06}, {14, 0x06}, {16, 0x06}, {19, 0x06}, {14, 0x3C}, {16, 0x3C}, {19, 0x3C}};

void prepare(RadioProgram& p, const LateCase& c) {
    p.start_identified();
    p.radio.radio.mem[bx::area::kPassWordAddr + 15] = c.last_byte;
    p.radio.radio.faults.late_last_ms = c.late_ms;
}

std::string name(const LateCase& c) {
    return std::to_string(c.late_ms) + " ms, last byte " + std::to_string(c.last_byte);
}

}  // namespace

TEST(LateByte, ReadWindowCompletesWithTheRadiosMemory) {
    for (const LateCase& c : kLate) {
        RadioProgram p;
        prepare(p, c);
        p.close_options_window();
        p.main().Prog_read.click();
        p.rd().Command_read.click();
        ASSERT_TRUE(p.run_until_idle(p.rd().Link, 200000)) << name(c);
        EXPECT_EQ(p.texts(), std::vector<std::string>{kReadDone}) << name(c);
        for (int r = 0; r <= 787; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << name(c) << " record " << r;
    }
}

TEST(LateByte, WriteWindowNeverRunsAnAckAhead) {
    for (const LateCase& c : kLate) {
        RadioProgram p;
        prepare(p, c);
        p.main().Prog_write.click();
        p.wr().Command_Write.click();
        ASSERT_TRUE(p.run_until_idle(p.wr().Link, 200000)) << name(c);
        ASSERT_EQ(p.texts().size(), 1u) << name(c);
        if (p.texts()[0] == kWriteDone) {
            // Completion means every record went out, each after the Ack of
            // the one before, and the radio holds the image.
            EXPECT_EQ(p.radio.radio.Count(Frame::Write), 784) << name(c);
            for (int r = 0; r < 784; ++r) ASSERT_EQ(p.radio_record(r), p.image_record(r)) << name(c) << " record " << r;
        } else {
            EXPECT_EQ(p.texts()[0], kFailConnect) << name(c);
        }
        // With the stale byte dropped, these delays all complete.
        EXPECT_EQ(p.texts()[0], kWriteDone) << name(c);
    }
}

TEST(LateByte, EditorRowReadsItsArea) {
    for (const LateCase& c : kLate) {
        RadioProgram p;
        prepare(p, c);
        BareLinkWindow w(p.app, bx::link_rows::frm_dtmf);
        w.Load();
        ASSERT_TRUE(w.Link.Read_button()) << name(c);
        ASSERT_TRUE(p.run_until_idle(w.Link, 60000)) << name(c);
        EXPECT_EQ(w.Label_tr_count.Caption(), "Reading 9 Data Block") << name(c);
        EXPECT_EQ(w.ProgressBar1.Value(), 100) << name(c);
        // Every stored reply has its mark where the unpack looks for it.
        for (int k = 2; k <= 9; ++k) EXPECT_TRUE(bx::Read_reply_usable(p.app.Read_blocks[k].data())) << name(c);
    }
}

// Junk behind every reply that has all arrived before the next frame has
// left the port is dropped: the read completes, and a correct second
// password is never refused for it.
TEST(LateByte, JunkBehindRepliesIsDropped) {
    for (int extra : {4, 12, 18}) {
        RadioProgram p;
        p.start_identified();
        p.radio.radio.Set_passwords("246810", "135791");
        p.radio.radio.faults.extra_bytes = extra;
        p.close_options_window();
        p.main().Prog_read.click();
        p.rd().Text_PassWord.enter("135791");
        p.rd().Command_read.click();
        ASSERT_TRUE(p.run_until_idle(p.rd().Link, 300000)) << extra;
        EXPECT_EQ(p.texts(), std::vector<std::string>{kReadDone}) << extra;
        for (int r = 0; r <= 787; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << extra << " record " << r;
    }
}

TEST(LateByte, IdentificationEndsIdleWithThePortClosed) {
    RadioProgram p;
    p.start_identified();
    EXPECT_FALSE(p.main().Link.st.Busy());
    EXPECT_FALSE(p.main().MSC.PortOpen());
    EXPECT_EQ(p.main().StatusBar1.Panels(2).Text, "BX5610");
}

namespace {

// A cable whose adapter hands bytes over late: bytes that came in on the
// line before the port was opened (line noise, the tail of an earlier
// exchange) wait in the system's input queue and are handed over
// kHandedAfterMs after the open, once the first frame has left, unless the
// port layer has discarded them first. Everything else passes as the radio
// sends it.
class QueuedInputCable : public ui::SerialDevice {
public:
    static constexpr int kHandedAfterMs = 40;  // the first frame leaves at about 24 ms
    struct Counts {
        int handed = 0;   // queued bytes that reached the program
        int dropped = 0;  // queued bytes discarded by the port layer
    };
    QueuedInputCable(std::unique_ptr<ui::SerialDevice> inner, ui::SimLoop& loop, std::vector<uint8_t> queued,
                     Counts& counts)
        : inner_(std::move(inner)), queued_(std::move(queued)), counts_(counts) {
        inner_->on_byte = [this](uint8_t b) {
            if (on_byte) on_byte(b);
        };
        inner_->on_lost = [this] {
            if (on_lost) on_lost();
        };
        loop.at_us(loop.now_us() + kHandedAfterMs * 1000, [this, alive = alive_] {
            if (!*alive || closed_) return;
            std::vector<uint8_t> q;
            q.swap(queued_);
            counts_.handed += static_cast<int>(q.size());
            for (uint8_t b : q)
                if (on_byte) on_byte(b);
        });
    }
    ~QueuedInputCable() override { *alive_ = false; }
    void write(const std::vector<uint8_t>& bytes) override { inner_->write(bytes); }
    int pending_out() const override { return inner_->pending_out(); }
    void discard_input() override {
        counts_.dropped += static_cast<int>(queued_.size());
        queued_.clear();
        inner_->discard_input();
    }
    void close() override {
        closed_ = true;
        inner_->close();
    }

private:
    std::unique_ptr<ui::SerialDevice> inner_;
    std::vector<uint8_t> queued_;
    Counts& counts_;
    bool closed_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace

// The port layer is emptied before each frame goes out, the system's input
// queue included: bytes waiting there from before the request never reach
// the reply parser, whatever they hold (an Ack, the identification's first
// byte, a read reply's mark), and the exchange reads or writes the radio's
// memory.
TEST(LateByte, BytesQueuedBeforeAFrameAreDiscardedByThePortLayer) {
    const std::vector<uint8_t> kQueued[] = {{0x06}, {0x06, 0x06, 0x06}, {'X', 0x0E, 0x00, 0x40}, {0x50, 0x42}};
    for (const bool write : {false, true}) {
        for (const std::vector<uint8_t>& queued : kQueued) {
            SCOPED_TRACE(std::string(write ? "write" : "read") + ", " + std::to_string(queued.size()) + " bytes");
            RadioProgram p;
            p.start_identified();
            p.close_options_window();
            QueuedInputCable::Counts counts;
            p.rt.ports.add_port(3, [&, port = p.radio.Port()]() -> std::unique_ptr<ui::SerialDevice> {
                auto inner = port();
                if (!inner) return nullptr;
                return std::make_unique<QueuedInputCable>(std::move(inner), p.rt.sim, queued, counts);
            });
            bx::LinkMachine& m = write ? p.wr().Link : p.rd().Link;
            if (write) {
                p.main().Prog_write.click();
                p.wr().Command_Write.click();
            } else {
                p.main().Prog_read.click();
                p.rd().Command_read.click();
            }
            ASSERT_TRUE(p.run_until_idle(m, 300000));
            EXPECT_EQ(counts.handed, 0);
            EXPECT_GE(counts.dropped, static_cast<int>(queued.size()));
            EXPECT_EQ(p.texts(), std::vector<std::string>{write ? kWriteDone : kReadDone});
            const int last = write ? 783 : 787;
            for (int r = 0; r <= last; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << " record " << r;
        }
    }
}
