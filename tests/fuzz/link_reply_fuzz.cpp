// The parsers of the radio's replies against any bytes. Each reply is
// copied into a buffer of exactly the bytes received, so AddressSanitizer
// stops a read outside them: the identification reply (50 bytes), the
// password reply (20 to 29 bytes taken, the record after the 'X' header)
// and a 64-byte read reply (69 bytes). The unpacking of
// stored read replies takes every record from the 69 bytes stored.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "link/frames.h"
#include "link/reply_unpack.h"

namespace fr = bx::frame;

namespace {

// The first n bytes of the input, zero-filled past its end, in a heap block
// of exactly n bytes.
std::vector<uint8_t> reply(const uint8_t* data, size_t size, int n) {
    std::vector<uint8_t> r(static_cast<size_t>(n), 0);
    std::copy_n(data, std::min(size, r.size()), r.begin());
    r.shrink_to_fit();
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Identification.
    const std::vector<uint8_t> ident = reply(data, size, fr::kIdentLen);
    const std::array<uint8_t, 4> maker = {ident[13], ident[14], ident[15], ident[16]};
    const bool accepted = bx::Ident_accepted(ident.data(), maker);
    FUZZ_CHECK(accepted == (ident[fr::kIdentEndAt] == fr::kEndMark));
    const bx::IdentInfo info = bx::Ident_decode(ident.data());
    FUZZ_CHECK(info.band_a_low >= 0 && info.band_a_low <= 100 * 255 + 10 * 255 + 255);
    FUZZ_CHECK(!info.model.empty() && !info.serial.empty() && !info.version.empty());

    // Password reply: judged from its first 20 bytes, taken whole (the
    // bytes in front of an 'X' below index 10 and the 20-byte data frame
    // from it on); its record then lies inside the bytes taken.
    const std::vector<uint8_t> head = reply(data, size, fr::kPassWordTaken);
    const int len = bx::PassWord_reply_len(head.data());
    FUZZ_CHECK(len >= fr::kPassWordTaken && len < fr::kPassWordMarkLimit + fr::kPassWordFrameLen);
    const std::vector<uint8_t> pw = reply(data, size, len);
    const int k = bx::PassWord_reply_mark(head.data());
    FUZZ_CHECK(k >= -1 && k < len);
    std::array<int32_t, 6> typed{};
    for (size_t i = 0; i < typed.size(); ++i) typed[i] = size > 20 + i ? data[20 + i] : 0x20;
    if (k >= 0 && k < fr::kPassWordMarkLimit) {
        FUZZ_CHECK(len == k + fr::kPassWordFrameLen);
        const int received = std::min(16, len - (k + 4));
        FUZZ_CHECK(received == 16);
        std::vector<uint8_t> record(pw.begin() + k + 4, pw.begin() + k + 4 + received);
        record.shrink_to_fit();
        bx::PassWord_passes(record.data(), received, typed.data());
    }
    // Any shorter record, down to nothing received.
    const int received = size > 0 ? data[0] % 17 : 0;
    std::vector<uint8_t> part(pw.begin(), pw.begin() + received);
    part.shrink_to_fit();
    bx::PassWord_passes(part.empty() ? nullptr : part.data(), received, typed.data());

    // Bytes dropped in front of a reply: never more than were received, and
    // what is left begins with the Ack in front of the reply's mark or
    // maker ident.
    const int n = static_cast<int>(std::min<size_t>(size, 200));
    const std::vector<uint8_t> in = reply(data, size, n);
    const bx::FrameHead want = {n > 2 ? in[static_cast<size_t>(n / 2)] : uint8_t{0}, 0x00, 0x40};
    const int rs = bx::Read_reply_strays(in.data(), n, want);
    FUZZ_CHECK(rs >= 0 && (rs == 0 || (rs + 5 <= n && in[static_cast<size_t>(rs)] == fr::Ack &&
                                       in[static_cast<size_t>(rs + 1)] == fr::kDataMark)));
    const int is = bx::Ident_reply_strays(in.data(), n, maker);
    FUZZ_CHECK(is >= 0 && (is == 0 || (is + fr::kIdentMakerAt + 4 <= n && in[static_cast<size_t>(is)] == fr::Ack)));

    // Read reply: its 64 data bytes always lie inside the 69 received.
    const std::vector<uint8_t> rd = reply(data, size, fr::kReadReplyLen);
    const int start = bx::Reply_data_start(rd.data());
    FUZZ_CHECK(start >= 0 && start + fr::kBlockBytes <= fr::kReadReplyLen);
    if (bx::Read_reply_usable(rd.data())) FUZZ_CHECK(start == 4 || start == 5);
    unsigned sum = 0;
    for (int i = 0; i < fr::kBlockBytes; ++i) sum += rd[static_cast<size_t>(start + i)];
    FUZZ_CHECK(sum <= 64u * 255u);

    // Stored replies: the input cut into 69-byte replies, rows 0 on.
    static bx::App::ReadBlocks blocks;
    const int rows = static_cast<int>(std::min<size_t>(size / fr::kReadReplyLen + 1, blocks.size()));
    for (int c = 0; c < rows; ++c) {
        auto& row = blocks[static_cast<size_t>(c)];
        row.fill(0);
        const size_t at = static_cast<size_t>(c) * fr::kReadReplyLen;
        std::copy_n(data + at, std::min<size_t>(size - at, fr::kReadReplyLen), row.begin());
    }
    int records = 0;
    bx::For_each_reply_record(blocks, 0, rows - 1, [&](int k, const uint8_t* rec) {
        const auto& row = blocks[static_cast<size_t>(k / 4)];
        FUZZ_CHECK(k == records++);
        FUZZ_CHECK(rec >= row.data() && rec + bx::kRecordBytes <= row.data() + fr::kReadReplyLen);
    });
    FUZZ_CHECK(records == 4 * rows);
    return 0;
}
