#include "link/frames.h"

#include <algorithm>

#include "base/text.h"
#include "model/memory_map.h"
#include "model/numtext.h"

namespace bx {

std::vector<uint8_t> Cmd_read(int addr, int len) {
    return {frame::kReadCmd, static_cast<uint8_t>((addr >> 8) & 0xFF), static_cast<uint8_t>(addr & 0xFF),
            static_cast<uint8_t>(len & 0xFF)};
}

std::vector<uint8_t> Write_frame(int addr, const uint8_t* data16, bool with_ack) {
    std::vector<uint8_t> f;
    f.reserve(21);
    if (with_ack) f.push_back(frame::Ack);
    f.push_back(frame::kDataMark);
    f.push_back(static_cast<uint8_t>((addr >> 8) & 0xFF));
    f.push_back(static_cast<uint8_t>(addr & 0xFF));
    f.push_back(kRecordBytes);
    f.insert(f.end(), data16, data16 + kRecordBytes);
    return f;
}

std::array<uint8_t, kAdjMarkerLen> Adj_marker() {
    std::array<uint8_t, kAdjMarkerLen> f{};  // data bytes 8-14 stay 0
    f[0] = frame::Ack;
    f[1] = frame::kDataMark;
    f[2] = static_cast<uint8_t>(area::kAdjMarkerAddr >> 8);
    f[3] = static_cast<uint8_t>(area::kAdjMarkerAddr & 0xFF);
    f[4] = kRecordBytes;
    std::copy(kAdjMarkerPattern.begin(), kAdjMarkerPattern.end(), f.begin() + 5);
    f[kAdjMarkerLen - 1] = kAdjMarkerLast;
    return f;
}

int Find_data_mark(const uint8_t* buf, int len, int last) {
    int end = std::min(last, len - 1);
    for (int i = 0; i <= end; ++i)
        if (buf[i] == frame::kDataMark) return i;
    return -1;
}

FrameHead Frame_head(int addr, int len) {
    return {static_cast<uint8_t>((addr >> 8) & 0xFF), static_cast<uint8_t>(addr & 0xFF),
            static_cast<uint8_t>(len & 0xFF)};
}

int Find_frame_mark(const uint8_t* buf, int len, int last, const FrameHead& head) {
    const int end = std::min(last, len - 4);
    for (int i = 0; i <= end; ++i)
        if (buf[i] == frame::kDataMark && std::equal(head.begin(), head.end(), buf + i + 1)) return i;
    return -1;
}

int PassWord_reply_mark(const uint8_t* head) {
    const int last = frame::kPassWordMarkLimit - 1;
    const int k = Find_frame_mark(head, frame::kPassWordTaken, last, Frame_head(area::kPassWordAddr, kRecordBytes));
    return k >= 0 ? k : Find_data_mark(head, frame::kPassWordTaken, last);
}

int PassWord_reply_len(const uint8_t* head) {
    const int k = PassWord_reply_mark(head);
    return k < 0 ? frame::kPassWordTaken : k + frame::kPassWordFrameLen;
}

int Read_reply_strays(const uint8_t* buf, int n, const FrameHead& head) {
    const int m = Find_frame_mark(buf, n, n - 1, head);
    return m >= 2 && buf[m - 1] == frame::Ack ? m - 1 : 0;
}

int Ident_reply_strays(const uint8_t* buf, int n, const std::array<uint8_t, 4>& radio_ident) {
    for (int m = frame::kIdentMakerAt; m + 4 <= n; ++m) {
        if (!std::equal(radio_ident.begin(), radio_ident.end(), buf + m)) continue;
        const int s = m - frame::kIdentMakerAt;
        return s > 0 && buf[s] == frame::Ack ? s : 0;
    }
    return 0;
}

int Reply_data_start(const uint8_t* reply) {
    int p = Find_data_mark(reply, frame::kReadReplyLen, 5);
    // A mark further in would put the data past the reply's end; such
    // replies are never stored, and the start is clipped all the same.
    return std::min(p < 0 ? 4 : p + 4, frame::kReadReplyLen - frame::kBlockBytes);
}

bool Read_reply_usable(const uint8_t* reply) {
    int p = Find_data_mark(reply, frame::kReadReplyLen, 5);
    return p == 0 || p == 1;
}

bool Read_reply_answers(const uint8_t* reply, const FrameHead& head) {
    if (!Read_reply_usable(reply)) return false;
    const int p = Find_data_mark(reply, frame::kReadReplyLen, 5);
    return std::equal(head.begin(), head.end(), reply + p + 1);
}

bool Ident_accepted(const uint8_t* reply, const std::array<uint8_t, 4>& radio_ident) {
    for (int i = 0; i < 4; ++i)
        if (reply[frame::kIdentMakerAt + i] != radio_ident[static_cast<size_t>(i)]) return false;
    return reply[frame::kIdentEndAt] == frame::kEndMark;
}

std::string Byte_char(uint8_t b) {
    if (b >= 0x20 && b < 0x7F) return std::string(1, static_cast<char>(b));
    return utf8_encode(b);
}

namespace {
std::string chars(const uint8_t* r, int from, int to) {
    std::string s;
    for (int i = from; i <= to; ++i) s += Byte_char(r[i]);
    return s;
}
int mhz(const uint8_t* r, int at) { return 100 * r[at] + 10 * r[at + 1] + r[at + 2]; }
}  // namespace

IdentInfo Ident_decode(const uint8_t* r) {
    IdentInfo in;
    in.band_a_low = mhz(r, 1);
    in.band_a_high = mhz(r, 4);
    in.band_b_low = mhz(r, 7);
    in.band_b_high = mhz(r, 10);
    in.band_a = Str(in.band_a_low) + "--" + Str(in.band_a_high) + " MHZ";
    in.band_b = Str(in.band_b_low) + "--" + Str(in.band_b_high) + " MHZ";
    in.model = chars(r, 17, 22);
    in.serial = chars(r, 33, 38) + "--" + chars(r, 39, 44) + "--" + chars(r, 45, 48);
    in.version = chars(r, 23, 24) + "." + chars(r, 25, 26) + "." + chars(r, 27, 27) + "." + chars(r, 28, 28);
    return in;
}

bool PassWord_passes(const uint8_t* record, int received, const int32_t* typed) {
    auto all = [&](uint8_t v) {
        for (int i = 0; i < 6; ++i)
            if (record[i] != v) return false;
        return true;
    };
    auto equals_typed = [&](int first) {
        if (first + 6 > received) return false;  // part of it never arrived
        for (int i = 0; i < 6; ++i)
            if (static_cast<int32_t>(record[first + i]) != typed[i]) return false;
        return true;
    };
    if (received >= 6 && (all(0x20) || all(0xFF))) return true;
    return equals_typed(0) || equals_typed(6);
}

}  // namespace bx
