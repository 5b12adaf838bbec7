// A window's own data phase on the shared machine: its hooks replace the
// plain block read and record write, and may hand back to them.
#include "link/link_window.h"
#include "link_support.h"

using namespace linktest;

namespace {

int addr_of(const Frame& f) { return f.bytes[1] * 256 + f.bytes[2]; }

// Reads one block of its own choosing instead of the row's, and writes a
// marker record before the row's records.
class OwnPhaseWindow : public bx::LinkWindow {
public:
    static constexpr int kOwnBlock = 0x1000;
    static constexpr int kMarkerAddr = 0x1F00;
    std::vector<uint8_t> got;  // the block the window's own unpack took
    int completions = 0;

    explicit OwnPhaseWindow(bx::App& app)
        : LinkWindow(app, "OwnPhaseWindow", bx::link_rows::frm_dtmf, {.stored_password = "580317"}) {
        Link.Data_phase.Begin_read = [this] {
            Link.Set_frame(bx::Cmd_read(kOwnBlock, bx::frame::kBlockBytes));
            Link.Arm_send_pump();
        };
        Link.Data_phase.Read_reply = [this] {
            if (MSC.InBufferCount() < bx::frame::kReadReplyLen) return;
            std::array<uint8_t, bx::frame::kReadReplyLen> r{};
            Link.Take_bytes(r.data(), bx::frame::kReadReplyLen);
            Link.Send_ack();
            const int s = bx::Reply_data_start(r.data());
            got.assign(r.begin() + s, r.begin() + s + bx::frame::kBlockBytes);
            Link.Finish();
        };
        Link.Data_phase.Begin_write = [this] {
            const uint8_t marker[16] = {0xA5};
            Link.Set_frame(bx::Write_frame(kMarkerAddr, marker, false));
            Link.Arm_send_pump();
            // The marker's Ack hands over to the plain record write.
            Link.Data_phase.Write_reply = [this] {
                std::vector<uint8_t> in = MSC.Input();
                if (in.empty() || in[0] != bx::frame::Ack) return;
                Link.Data_phase.Write_reply = nullptr;
                Link.Begin_write_data();
            };
        };
        Link.On_read_complete = [this] { ++completions; };
    }
};

}  // namespace

TEST(LinkWindowDataPhase, WindowHooksReplaceAndHandBackToThePlainPhase) {
    RadioProgram p;
    p.start_identified();
    OwnPhaseWindow w(p.app);
    w.Load();
    EXPECT_EQ(w.Text_PassWord.Text(), "580317");

    ASSERT_TRUE(w.Link.Read_button());
    ASSERT_TRUE(p.run_until_idle(w.Link));
    std::vector<Frame> reads = p.frames(Frame::Read);
    ASSERT_EQ(reads.size(), 2u);  // the password record, then the window's block
    EXPECT_EQ(addr_of(reads[1]), OwnPhaseWindow::kOwnBlock);
    const auto& mem = p.radio.radio.mem;
    EXPECT_EQ(w.got, std::vector<uint8_t>(mem.begin() + OwnPhaseWindow::kOwnBlock,
                                          mem.begin() + OwnPhaseWindow::kOwnBlock + 64));
    EXPECT_EQ(w.completions, 0);  // the plain phase's completion never ran
    EXPECT_FALSE(w.MSC.PortOpen());

    ASSERT_TRUE(w.Link.Write_button());
    ASSERT_TRUE(p.run_until_idle(w.Link));
    std::vector<Frame> writes = p.frames(Frame::Write);
    ASSERT_EQ(writes.size(), 1u + static_cast<size_t>(bx::link_rows::frm_dtmf.records_total));
    EXPECT_EQ(addr_of(writes[0]), OwnPhaseWindow::kMarkerAddr);
    EXPECT_EQ(addr_of(writes[1]), bx::link_rows::frm_dtmf.write_base);
    EXPECT_EQ(p.radio.radio.mem[OwnPhaseWindow::kMarkerAddr], 0xA5);
    EXPECT_TRUE(p.texts().empty());

    // The unload rule: timers stopped, port closed, flags clear.
    w.Link.st.Read_busy = -1;
    w.Timer2.setEnabled(true);
    w.Unload();
    EXPECT_FALSE(w.Link.st.Busy());
    EXPECT_FALSE(w.Timer2.Enabled());
}
