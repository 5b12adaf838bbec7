// Replies that arrive in pieces with a pause between them, as a slow USB or
// Bluetooth serial adapter hands them over. Every reply is waited for whole
// (the password reply's last byte too, however it is cut), so an exchange
// whose longest reply still arrives well inside the reply time-out
// completes, and one whose reply comes after it fails cleanly.
#include <cmath>

#include "link/form_write_password.h"
#include "link_support.h"
#include "model/memory_map.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace linktest;

namespace {


constexpr double kByteMs = 1000.0 / 960.0;

struct PieceCase {
    int size;    // bytes a piece
    int gap_ms;  // pause before every piece but the first
};

// Samplings of sizes 1-30 and gaps 5-60 ms. Every one holds the cuts that
// leave the password reply's last byte alone in its last piece (sizes 2, 4,
// 5, 10 and 20) at 20 and 30 ms, and cuts on both sides of the limits below
// for a 69-byte and a 50-byte reply.
std::vector<PieceCase> Core_cases() {
    std::vector<PieceCase> out;
    for (int size : {2, 4, 5, 10, 20})
        for (int gap : {20, 30}) out.push_back({size, gap});
    for (PieceCase c : {PieceCase{1, 12}, {1, 14}, {1, 17}, {1, 20}, {2, 24}, {2, 28}, {2, 35}, {2, 40}, {3, 37},
                        {3, 43}, {3, 60}})
        out.push_back(c);
    return out;
}

// For the read and write windows, whose whole transfers are long: the core
// and every third size with gaps spread over the range.
std::vector<PieceCase> Window_cases() {
    std::vector<PieceCase> out = Core_cases();
    for (int size = 3; size <= 30; size += 3) out.push_back({size, 5 + (size * 17) % 56});
    return out;
}

// For the short exchanges: the core and every size at 5, 20, 30 and 60 ms.
std::vector<PieceCase> Grid_cases() {
    std::vector<PieceCase> out = Core_cases();
    for (int size = 1; size <= 30; ++size)
        for (int gap : {5, 20, 30, 60}) out.push_back({size, gap});
    return out;
}

// When the last byte of a reply of n bytes arrives, counted from its first
// byte's start: n bytes at the line's pace and a gap before every piece
// after the first.
double Arrival_ms(const PieceCase& c, int n) {
    const int pieces = (n + c.size - 1) / c.size;
    return n * kByteMs + (pieces - 1) * c.gap_ms;
}

// What the exchange must do when its longest reply has n bytes: complete
// when that reply is in by 900 ms, fail once it comes after the 1000 ms
// reply time-out; between the two it may go either way.
enum class Outcome { Completes, Fails, Either };
Outcome Expected(const PieceCase& c, int longest) {
    const double t = Arrival_ms(c, longest);
    if (t <= 900) return Outcome::Completes;
    if (t > 1000) return Outcome::Fails;
    return Outcome::Either;
}

std::string Name(const PieceCase& c) { return std::to_string(c.size) + " bytes a piece, " + std::to_string(c.gap_ms) + " ms"; }

void Cut_replies(RadioProgram& p, const PieceCase& c) {
    p.start_identified();
    p.close_options_window();  // the reads' raw bytes are compared
    p.radio.radio.faults.pieces = c.size;
    p.radio.radio.faults.piece_gap_ms = c.gap_ms;
}

// Idle: not busy, port closed, no time-out or pause pending.
bool Idle(const bx::LinkWindow& w) {
    return !w.Link.st.Busy() && !w.MSC.PortOpen() && !w.Timer1.running() && !w.Timer2.running() && !w.Timer3.running();
}

constexpr int kReadReply = bx::frame::kReadReplyLen;  // the longest reply of a read
constexpr int kIdentReply = bx::frame::kIdentLen;     // of a write

}  // namespace

TEST(ReplyPieces, ReadWindowReadsTheRadiosMemory) {
    int completed = 0, failed = 0;
    for (const PieceCase& c : Window_cases()) {
        const Outcome want = Expected(c, kReadReply);
        if (want == Outcome::Either) continue;
        RadioProgram p;
        Cut_replies(p, c);
        const bx::MemImage before = p.app.Mem_image;
        p.main().Prog_read.click();
        p.rd().Command_read.click();
        ASSERT_TRUE(p.run_until_idle(p.rd().Link, 200000)) << Name(c);
        EXPECT_TRUE(Idle(p.rd())) << Name(c);
        if (want == Outcome::Completes) {
            ++completed;
            EXPECT_EQ(p.texts(), std::vector<std::string>{kReadDone}) << Name(c);
            for (int r = 0; r <= 787; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << Name(c) << " record " << r;
        } else {
            ++failed;
            EXPECT_EQ(p.texts(), std::vector<std::string>{kFailConnect}) << Name(c);
            EXPECT_TRUE(p.app.Mem_image == before) << Name(c);
        }
    }
    // The sampling holds cases of both kinds.
    EXPECT_GT(completed, 0);
    EXPECT_GT(failed, 0);
}

TEST(ReplyPieces, WriteWindowWritesTheImage) {
    int completed = 0, failed = 0;
    for (const PieceCase& c : Window_cases()) {
        const Outcome want = Expected(c, kIdentReply);
        if (want == Outcome::Either) continue;
        RadioProgram p;
        Cut_replies(p, c);
        const auto radio_before = p.radio.radio.mem;
        p.main().Prog_write.click();
        p.wr().Command_Write.click();
        ASSERT_TRUE(p.run_until_idle(p.wr().Link, 200000)) << Name(c);
        EXPECT_TRUE(Idle(p.wr())) << Name(c);
        if (want == Outcome::Completes) {
            ++completed;
            EXPECT_EQ(p.texts(), std::vector<std::string>{kWriteDone}) << Name(c);
            EXPECT_EQ(p.radio.radio.Count(Frame::Write), 784) << Name(c);
            for (int r = 0; r < 784; ++r) ASSERT_EQ(p.radio_record(r), p.image_record(r)) << Name(c) << " record " << r;
        } else {
            ++failed;
            EXPECT_EQ(p.texts(), std::vector<std::string>{kFailConnect}) << Name(c);
            EXPECT_EQ(p.radio.radio.Count(Frame::Write), 0) << Name(c);
            EXPECT_TRUE(p.radio.radio.mem == radio_before) << Name(c);
        }
    }
    // The sampling holds cases of both kinds.
    EXPECT_GT(completed, 0);
    EXPECT_GT(failed, 0);
}

// An editor's exchange runs the same password stage, with its own Ack and
// pause behind the password reply: its read stores every block of its
// area, its write puts its records into the radio.
TEST(ReplyPieces, EditorRowReadsAndWritesItsArea) {
    const bx::Link_params& row = bx::link_rows::frm_dtmf;
    const int first = bx::area::kDtmf.first;
    for (const PieceCase& c : Grid_cases()) {
        const Outcome want = Expected(c, kReadReply);
        if (want == Outcome::Either) continue;
        RadioProgram p;
        Cut_replies(p, c);
        BareLinkWindow w(p.app, row);
        w.Load();
        ASSERT_TRUE(w.Link.Read_button()) << Name(c);
        ASSERT_TRUE(p.run_until_idle(w.Link, 60000)) << Name(c);
        EXPECT_TRUE(Idle(w)) << Name(c);
        if (want == Outcome::Fails) {
            EXPECT_EQ(p.texts(), std::vector<std::string>{kFailConnect}) << Name(c);
            continue;
        }
        EXPECT_EQ(p.texts(), std::vector<std::string>{}) << Name(c);
        EXPECT_EQ(w.ProgressBar1.Value(), 100) << Name(c);
        // Block k (2..N+1) holds radio records first + 4(k-2) .. +3.
        for (int k = 2; k <= row.blocks_total + 1; ++k) {
            const auto& reply = p.app.Read_blocks[static_cast<size_t>(k)];
            ASSERT_TRUE(bx::Read_reply_usable(reply.data())) << Name(c) << " block " << k;
            for (int i = 0; i < 64; ++i)
                ASSERT_EQ(reply[static_cast<size_t>(5 + i)], p.radio.radio.mem[static_cast<size_t>((first + 4 * (k - 2)) * 16 + i)])
                    << Name(c) << " block " << k << " byte " << i;
        }
        // And back: the image's records of the area go to the radio.
        ASSERT_TRUE(w.Link.Write_button()) << Name(c);
        ASSERT_TRUE(p.run_until_idle(w.Link, 60000)) << Name(c);
        EXPECT_TRUE(Idle(w)) << Name(c);
        for (int r = first; r < first + row.records_total; ++r)
            ASSERT_EQ(p.radio_record(r), p.image_record(r)) << Name(c) << " record " << r;
    }
}

// The password window reads the record's area with a 64-byte read, whose
// 69-byte reply is taken whole, and writes the record back.
TEST(ReplyPieces, PassWordWindowChangesThePassword) {
    for (const PieceCase& c : Grid_cases()) {
        const Outcome want = Expected(c, kReadReply);
        if (want == Outcome::Either) continue;
        RadioProgram p;
        Cut_replies(p, c);
        p.radio.radio.Set_passwords("secret", "other");
        p.main().PC_PassWord.click();
        auto& w = *p.app.Editor<bx::EditorId::Form_Write_PassWord>();
        w.Text_Old_PassWord.enter("secret");
        w.Text_New_Password_1.enter("N3w");
        w.Text_New_PassWord_2.enter("N3w");
        w.Command_Write.click();
        p.rt.sim.run_for(10000);
        const auto pw = p.radio_record(bx::area::kPassWordAddr / 16);
        if (want == Outcome::Completes) {
            EXPECT_EQ(p.texts(), std::vector<std::string>{"PassWord Modify Success ! "}) << Name(c);
            EXPECT_EQ(std::string(pw.begin(), pw.begin() + 12), "N3w   other ") << Name(c);
        } else {
            EXPECT_EQ(p.texts(), std::vector<std::string>{kFailConnect}) << Name(c);
            EXPECT_EQ(std::string(pw.begin(), pw.begin() + 12), "secretother ") << Name(c);
            EXPECT_FALSE(w.Busy()) << Name(c);
            EXPECT_FALSE(w.MSC.PortOpen()) << Name(c);
        }
    }
}
