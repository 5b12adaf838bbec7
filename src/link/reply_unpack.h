// Unpacking a finished read: the stored 69-byte replies of Read_blocks into
// 16-byte records. Every window that reads a range of the radio's memory
// (the read window and the editors) unpacks through here, so the rule for
// where a reply's data begin lives in one place.
#pragma once

#include <cstdint>
#include <functional>

#include "appstate/app.h"

namespace bx {

// Calls store(k, rec) for the four 16-byte records of each stored reply
// first..last (rows of blocks) in order, k counting records from 0. A
// reply's data begin where Reply_data_start finds them.
void For_each_reply_record(const App::ReadBlocks& blocks, int first, int last,
                           const std::function<void(int k, const uint8_t* rec)>& store);

// Unpacks replies first..last of app.Read_blocks into image records from
// first_record on (four records a reply). Records outside the image are
// skipped.
void Unpack_reply_blocks(App& app, int first, int last, int first_record);

}  // namespace bx
