#include "link/form_comm_read.h"

#include "appstate/app.h"
#include "link/reply_unpack.h"
#include "model/memory_map.h"

namespace bx {

Form_Comm_Read::Form_Comm_Read(App& a)
    : TransferWindow(a, "Form_Comm_Read", link_rows::Form_Comm_Read,
                  {"从对讲机读取数据", "Read Data From Radio", "读取", "Read"}, Command_read) {
    Command_read.Click = [this] { Command_read_Click(); };
    Link.On_read_complete = [this] { Read_complete(); };
}

void Form_Comm_Read::Command_read_Click() { Link.Read_button(); }

void Form_Comm_Read::Unpack_image_blocks() {
    // Counter 1 holds the first copy of the block at 0x0000, unused; from
    // counter 2 on the blocks follow in address order.
    constexpr int kFirstCounter = 2;
    constexpr int kLastCounter = kFirstCounter + full_xfer::kReadStore.records() / frame::kBlockRecords - 1;
    Unpack_reply_blocks(app, kFirstCounter, kLastCounter, full_xfer::kReadStore.first);
}

void Form_Comm_Read::Read_complete() {
    Unpack_image_blocks();
    app.Image_replaced();
    Link.Msg({"从对讲机中读取数据完毕 ！", "Complete reading data from the transceiver."});
    Label_tr_count.setCaption(L(app.Lang_chinese, "数据读出正常 ！", "Read Data is Ok ！"));
}

}  // namespace bx
