// A stray byte that arrives after a request has left: a byte trailing the
// reply before it, late enough to come in behind the next request, or one
// that lands among the first bytes of the answer. In front of a reply it is
// dropped and costs nothing; among the bytes of a reply's header it makes
// that reply count as none (no byte is ever stored shifted), and the retry
// reads the radio as it is.
#include "editors/chann_support.h"
#include "link_support.h"
#include "model/memory_map.h"
#include "support/test_texts.h"

using namespace bxtest::texts;
using namespace linktest;
using editortest::EditorProgram;

namespace {

// Frames the radio has answered so far (what its stray_frame counts).
int answered(const RadioProgram& p) {
    const auto& r = p.radio.radio;
    return r.Count(Frame::Program) + r.Count(Frame::Read) + r.Count(Frame::Write);
}

enum class Xchg { Read, Write };

// Starts the read or write window's exchange with the radio's passwords
// set and the right one typed, and runs it to its end.
void run_exchange(RadioProgram& p, Xchg x) {
    p.radio.radio.Set_passwords("135790", "246801");
    if (x == Xchg::Read) {
        p.close_options_window();
        p.main().Prog_read.click();
        p.rd().Text_PassWord.enter("135790");
        p.rd().Command_read.click();
        ASSERT_TRUE(p.run_until_idle(p.rd().Link, 300000));
    } else {
        p.main().Prog_write.click();
        p.wr().Text_PassWord.enter("246801");
        p.wr().Command_Write.click();
        ASSERT_TRUE(p.run_until_idle(p.wr().Link, 300000));
    }
}

// The exchange completed and the radio and the image agree on every record
// it carried.
void expect_complete_and_equal(RadioProgram& p, Xchg x, const std::string& what) {
    EXPECT_EQ(p.texts(), std::vector<std::string>{x == Xchg::Read ? kReadDone : kWriteDone}) << what;
    const int last = x == Xchg::Read ? 787 : 783;
    for (int r = 0; r <= last; ++r) ASSERT_EQ(p.image_record(r), p.radio_record(r)) << what << " record " << r;
}

std::string name(Xchg x, int frame, int ms, int byte) {
    return std::string(x == Xchg::Read ? "read" : "write") + ", frame " + std::to_string(frame) + ", " +
           std::to_string(ms) + " ms, byte " + std::to_string(byte);
}

}  // namespace

// The cable of the report: every reply in pieces of three bytes, 20 ms
// apart, with one byte behind it that comes a piece gap after the reply,
// when the next request has left. Every exchange completes at its first
// attempt.
TEST(StrayByte, TrailingEveryReplyAPieceGapLate) {
    for (Xchg x : {Xchg::Read, Xchg::Write}) {
        RadioProgram p;
        p.start_identified();
        p.radio.radio.faults = {.pieces = 3, .piece_gap_ms = 20, .extra_bytes = 1};
        const int programs = p.radio.radio.Count(Frame::Program);
        run_exchange(p, x);
        expect_complete_and_equal(p, x, x == Xchg::Read ? "read" : "write");
        EXPECT_EQ(p.radio.radio.Count(Frame::Program), programs + 1) << "retried";
    }
}

// One stray byte in front of one reply, arriving as the request has all
// arrived, a byte time before the reply's first byte: the
// identification (frame 1 of the exchange), the password record (2) and
// the data (3 and 9: read replies, or Acks of the write). The exchange
// completes at its first attempt. A stray Ack in front of a write's Ack
// cannot be told from it and is left out.
TEST(StrayByte, InFrontOfAReplyCostsNoRetry) {
    for (Xchg x : {Xchg::Read, Xchg::Write})
        for (int frame : {1, 2, 3, 9})
            for (int byte : {0x00, 0x06, 0x58}) {
                if (x == Xchg::Write && frame >= 3 && byte == bx::frame::Ack) continue;
                RadioProgram p;
                p.start_identified();
                const int programs = p.radio.radio.Count(Frame::Program);
                p.radio.radio.faults.stray_frame = answered(p) + frame;
                p.radio.radio.faults.stray_byte = static_cast<uint8_t>(byte);
                run_exchange(p, x);
                const std::string what = name(x, frame, 0, byte);
                expect_complete_and_equal(p, x, what);
                EXPECT_EQ(p.radio.radio.Count(Frame::Program), programs + 1) << what << ": retried";
            }
}

// The stray byte lands among the header bytes of the reply (behind its
// first byte, or its third; a byte takes 1.04 ms on the line). Whatever is
// dropped, nothing is stored shifted: the read completes (its retry meets
// no stray) and the image equals the radio's memory; the write window,
// which does not retry, completes likewise or reports the failure with
// nothing written.
TEST(StrayByte, InsideAReplysHeaderNothingIsStoredShifted) {
    for (Xchg x : {Xchg::Read, Xchg::Write})
        for (int frame : {1, 2, 3, 9})
            for (int ms : {2, 4})
                for (int byte : {0x00, 0x06, 0x58}) {
                    if (x == Xchg::Write && frame >= 3) continue;  // a one-byte reply has no header
                    RadioProgram p;
                    p.start_identified();
                    p.radio.radio.faults.stray_frame = answered(p) + frame;
                    p.radio.radio.faults.stray_ms = ms;
                    p.radio.radio.faults.stray_byte = static_cast<uint8_t>(byte);
                    p.radio.radio.Set_passwords("135790", "246801");
                    const bx::MemImage radio_before = p.radio.radio.Image();
                    run_exchange(p, x);
                    const std::string what = name(x, frame, ms, byte);
                    // A stray Ack right behind the identification's Ack
                    // leaves the reply as it was sent.
                    if (x == Xchg::Read || p.texts() != std::vector<std::string>{kFailConnect}) {
                        expect_complete_and_equal(p, x, what);
                    } else {
                        EXPECT_EQ(p.texts(), std::vector<std::string>{kFailConnect}) << what;
                        EXPECT_EQ(p.radio.radio.Count(Frame::Write), 0) << what;
                        EXPECT_TRUE(p.radio.radio.Image() == radio_before) << what;
                    }
                }
}

// The channel editor takes its replies (channel and name blocks in turn)
// the same way: a stray in front of either costs nothing, one inside a
// header stores nothing shifted.
TEST(StrayByte, ChannelEditorReadTakesItsRepliesWhereTheyAre) {
    struct Case {
        int frame, ms;
        bool first_attempt;
    } cases[] = {{3, 0, true}, {4, 0, true}, {5, 1, true}, {3, 3, false}, {4, 4, false}, {6, 5, false}};
    for (const Case& c : cases) {
        EditorProgram p;
        p.open_chann(true);
        const int programs = p.radio.radio.Count(Frame::Program);
        p.radio.radio.faults.stray_frame = answered(p) + c.frame;
        p.radio.radio.faults.stray_ms = c.ms;
        p.radio.radio.faults.stray_byte = 0x58;
        p.ch().Command_read.click();
        ASSERT_TRUE(p.run_until_idle(p.ch().Link));
        const std::string what = "frame " + std::to_string(c.frame) + ", " + std::to_string(c.ms) + " ms";
        EXPECT_EQ(p.texts(), std::vector<std::string>{kReadDone}) << what;
        if (c.first_attempt) {
            EXPECT_EQ(p.radio.radio.Count(Frame::Program), programs + 1) << what;
        }
        for (int r = 0; r < 200; ++r) {
            ASSERT_EQ(p.image_record(r), p.radio_record(r)) << what << " record " << r;
            ASSERT_EQ(p.image_record(256 + r), p.radio_record(256 + r)) << what << " name record " << r;
        }
    }
}
