#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "link/frames.h"
#include "radio-sim/radio_sim.h"

using namespace bx;

namespace {
std::array<uint8_t, 16> record(const std::string& p1, const std::string& p2, uint8_t pad = 0x20) {
    std::array<uint8_t, 16> r{};
    r.fill(0x33);
    for (int i = 0; i < 6; ++i) {
        r[i] = i < static_cast<int>(p1.size()) ? static_cast<uint8_t>(p1[i]) : pad;
        r[6 + i] = i < static_cast<int>(p2.size()) ? static_cast<uint8_t>(p2[i]) : pad;
    }
    return r;
}
std::array<int32_t, 17> typed(const std::string& t) {
    std::array<int32_t, 17> s{};
    for (int i = 0; i < 6; ++i) s[i] = i < static_cast<int>(t.size()) ? t[i] : 0x20;
    return s;
}
}  // namespace

TEST(LinkFrames, PassWordCheck) {
    const std::array<int32_t, 17> untouched{};  // no box edited yet: six zero codes
    struct Case {
        const char* what;
        std::array<uint8_t, 16> rec;
        int received;
        std::array<int32_t, 17> typed;
        bool passes;
    } cases[] = {
        {"blank record passes anything", record("", ""), 16, typed("999999"), true},
        {"blank record passes nothing typed", record("", ""), 16, untouched, true},
        {"0xFF record passes", record("\xFF\xFF\xFF\xFF\xFF\xFF", "123456"), 16, typed("1"), true},
        {"password 1", record("123456", "654321"), 16, typed("123456"), true},
        {"password 2", record("123456", "654321"), 16, typed("654321"), true},
        {"short password is blank padded", record("12", "654321"), 16, typed("12"), true},
        {"mismatch", record("123456", "654321"), 16, typed("123457"), false},
        {"untouched box against a real password", record("123456", "654321"), 16, untouched, false},
        {"untouched box against zero password", record(std::string(6, '\0'), "654321"), 16, untouched, true},
        {"password 2 partly beyond the bytes taken", record("123456", "654321"), 11, typed("654321"), false},
        {"password 2 just inside", record("123456", "654321"), 12, typed("654321"), true},
        {"password 1 with k = 9", record("123456", "654321"), 7, typed("123456"), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PassWord_passes(c.rec.data(), c.received, c.typed.data()), c.passes) << c.what;
}

// The password reply is waited for until the data frame from its 'X' on
// is in whole; a reply without an 'X' among its first ten bytes is dropped
// with the 20 bytes looked at.
TEST(LinkFrames, PassWordReplyLength) {
    struct Case {
        std::vector<int> marks;  // indexes holding an 'X'
        int len;
    } cases[] = {
        {{0}, 20},          // a bare data frame
        {{1}, 21},          // behind the Ack
        {{4}, 24},          // four bytes in front
        {{9}, 29},          // the last place the 'X' may stand
        {{10}, 20},         // too late: dropped
        {{19}, 20},
        {{}, 20},
        {{3, 7}, 23},       // the first 'X' counts
        {{12, 1}, 21},
    };
    for (const Case& c : cases) {
        std::array<uint8_t, 20> head{};
        head.fill(0x06);
        for (int m : c.marks) head[static_cast<size_t>(m)] = 0x58;
        EXPECT_EQ(PassWord_reply_len(head.data()), c.len) << (c.marks.empty() ? -1 : c.marks[0]);
    }
}

TEST(LinkFrames, IdentReply) {
    radiosim::Radio radio;
    radio.bands = {136, 174, 400, 480};
    std::vector<uint8_t> r = radio.Ident_reply();
    ASSERT_EQ(r.size(), 50u);
    EXPECT_EQ(r[1], 1);
    EXPECT_EQ(r[2], 3);
    EXPECT_EQ(r[3], 6);
    const std::array<uint8_t, 4> ident{'R', 'A', 'V', 'O'};
    EXPECT_TRUE(Ident_accepted(r.data(), ident));
    IdentInfo in = Ident_decode(r.data());
    EXPECT_EQ(in.band_a_low, 136);
    EXPECT_EQ(in.band_a, " 136-- 174 MHZ");
    EXPECT_EQ(in.band_b, " 400-- 480 MHZ");
    EXPECT_EQ(in.model, "BX5610");
    EXPECT_EQ(in.version, "01.02.0.3");
    EXPECT_EQ(in.serial, "RADSIM--000001--0001");

    auto bad = r;
    bad[16] = 'P';
    EXPECT_FALSE(Ident_accepted(bad.data(), ident));
    bad = r;
    bad[49] = 0x54;
    EXPECT_FALSE(Ident_accepted(bad.data(), ident));
    // A byte outside printable ASCII shows as a character, never as raw bytes.
    bad = r;
    bad[17] = 0xC4;
    EXPECT_EQ(Ident_decode(bad.data()).model, "\xC3\x84X5610");
}

TEST(LinkFrames, ReadReplyMark) {
    std::array<uint8_t, 69> reply{};
    reply.fill(0);
    struct Case {
        int mark;  // -1: none among bytes 0..5
        bool usable;
        int start;
    } cases[] = {{0, true, 4}, {1, true, 5}, {2, false, 5}, {5, false, 5}, {-1, false, 4}};
    for (const Case& c : cases) {
        reply.fill(0);
        if (c.mark >= 0) reply[c.mark] = 0x58;
        EXPECT_EQ(Read_reply_usable(reply.data()), c.usable) << c.mark;
        EXPECT_EQ(Reply_data_start(reply.data()), c.start) << c.mark;
    }
}

TEST(LinkFrames, FramesHighByteFirst) {
    EXPECT_EQ(Cmd_read(0x0E40, 0x40), (std::vector<uint8_t>{0x53, 0x0E, 0x40, 0x40}));
    uint8_t data[16];
    for (int i = 0; i < 16; ++i) data[i] = static_cast<uint8_t>(i);
    auto f = Write_frame(0x30F0, data, true);
    ASSERT_EQ(f.size(), 21u);
    EXPECT_EQ(f[0], 0x06);
    EXPECT_EQ(f[1], 0x58);
    EXPECT_EQ(f[2], 0x30);
    EXPECT_EQ(f[3], 0xF0);
    EXPECT_EQ(f[4], 0x10);
    EXPECT_EQ(f[20], 15);
    EXPECT_EQ(Write_frame(0, data, false).size(), 20u);
}

// Bytes in front of a read reply are dropped only in front of the Ack that
// directly precedes the mark and the header asked for; a reply whose mark
// stands apart from its Ack, or whose header differs, is judged as received.
TEST(LinkFrames, StraysInFrontOfAReadReply) {
    const FrameHead head = Frame_head(0x0E40, 0x40);
    struct Case {
        std::vector<uint8_t> in;
        int strays;
    } cases[] = {
        {{0x06, 0x58, 0x0E, 0x40, 0x40}, 0},
        {{0x58, 0x0E, 0x40, 0x40}, 0},                    // a bare data frame
        {{0x00, 0x06, 0x58, 0x0E, 0x40, 0x40}, 1},
        {{0x58, 0x00, 0x06, 0x58, 0x0E, 0x40, 0x40}, 2},  // a stray mark among them
        {{0x06, 0x06, 0x58, 0x0E, 0x40, 0x40}, 1},
        {{0x06, 0x00, 0x58, 0x0E, 0x40, 0x40}, 0},        // the mark apart from its Ack
        {{0x00, 0x06, 0x58, 0x0E, 0x00, 0x40, 0x40}, 0},  // a stray inside the header
        {{0x00, 0x06, 0x58, 0x0E, 0x80, 0x40}, 0},        // another address
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read_reply_strays(c.in.data(), static_cast<int>(c.in.size()), head), c.strays)
            << testing::PrintToString(c.in);

    std::array<uint8_t, frame::kReadReplyLen> reply{};
    reply[0] = 0x06;
    reply[1] = 0x58;
    reply[2] = 0x0E;
    reply[3] = 0x40;
    reply[4] = 0x40;
    EXPECT_TRUE(Read_reply_answers(reply.data(), head));
    EXPECT_FALSE(Read_reply_answers(reply.data(), Frame_head(0x0E80, 0x40)));
    reply[3] = 0x00;  // a stray byte where the address low byte stands
    EXPECT_FALSE(Read_reply_answers(reply.data(), head));
}
