// The options editor's own read and write of the options area 0x0E00-0x0FFF
// on the exchange machine: a read stores 0x0E00-0x0F3F (the block and the
// two VFO records) and shows them; a write sends the whole area from the
// image.
#include "appstate/app.h"
#include "editors/options/frm_option.h"
#include "link/reply_unpack.h"

namespace bx {

namespace {
// Read replies 2..6 hold radio 0x0E00-0x0F3F; 7..9 are received and dropped.
constexpr int kFirstReply = 2, kLastReply = 6;
}  // namespace

void frm_option::Unpack_option_blocks() {
    Unpack_reply_blocks(app, kFirstReply, kLastReply, layout::Option_block::Records.first);
    Show_option_data();
}

void frm_option::Read_complete() {
    Unpack_option_blocks();
    Show_read_done({"可选参数读出正常 ！", "Read optional parameters in gear. "});
}

void frm_option::Write_complete() {
    Show_write_done({"向对讲机写入可选参数完毕 ！", "Complete Written optional parameters to the transceiver."},
                    {"可选参数写入完毕 ！", "Complete Written optional parameters "});
}

}  // namespace bx
