#include "link/form_comm_read.h"

#include "app/app.h"
#include "shell/mdimain.h"

namespace bx {

Form_Comm_Read::Form_Comm_Read(App& a)
    : LinkWindow(a, "Form_Comm_Read", link_rows::Form_Comm_Read,
                  {"从对讲机读取数据", "Read Data From Radio", "读取", "Read"}, Command_read) {
    Command_read.Click = [this] { Command_read_Click(); };
    Link.On_read_complete = [this] { Read_complete(); };
}

void Form_Comm_Read::Command_read_Click() { Link.Read_button(); }

void Form_Comm_Read::Unpack_image_blocks() {
    int target = full_xfer::kReadStoreFirst;
    for (int c = 2; c <= 198; ++c) {
        const uint8_t* reply = app.Read_blocks[static_cast<size_t>(c)].data();
        int s = Reply_data_start(reply);
        for (int k = 0; k < 4; ++k, ++target, s += frame::kRecordBytes)
            for (int b = 0; b < frame::kRecordBytes; ++b) app.Mem_image(target, b) = reply[s + b];
    }
}

void Form_Comm_Read::Read_complete() {
    Unpack_image_blocks();
    Link.Msg({"从对讲机中读取数据完毕 ！", "Complete reading data from the transceiver."});
    Label_tr_count.setCaption(L(app.Lang_chinese, "数据读出正常 ！", "Read Data is Ok ！"));
}

}  // namespace bx
