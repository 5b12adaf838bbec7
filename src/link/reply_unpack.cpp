#include "link/reply_unpack.h"

#include "link/frames.h"

namespace bx {

void For_each_reply_record(const App::ReadBlocks& blocks, int first, int last,
                           const std::function<void(int k, const uint8_t* rec)>& store) {
    if (first < 0) first = 0;
    if (last >= static_cast<int>(blocks.size())) last = static_cast<int>(blocks.size()) - 1;
    int k = 0;
    for (int c = first; c <= last; ++c) {
        const uint8_t* reply = blocks[static_cast<size_t>(c)].data();
        int s = Reply_data_start(reply);
        for (int i = 0; i < frame::kBlockRecords; ++i, ++k, s += kRecordBytes) store(k, reply + s);
    }
}

void Unpack_reply_blocks(App& app, int first, int last, int first_record) {
    For_each_reply_record(app.Read_blocks, first, last, [&](int k, const uint8_t* rec) {
        const int r = first_record + k;
        if (r < 0 || r >= kImageRecords) return;
        for (int b = 0; b < kRecordBytes; ++b) app.Mem_image(r, b) = rec[b];
    });
}

}  // namespace bx
