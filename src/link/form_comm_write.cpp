#include "link/form_comm_write.h"

#include "appstate/app.h"
#include "model/five_tone.h"
#include "model/freq_codec.h"

namespace bx {

Form_Comm_Write::Form_Comm_Write(App& a)
    : TransferWindow(a, "Form_Comm_Write", link_rows::Form_Comm_Write,
                  {"写数据到对讲机", "Write Data to Radio", "写入", "Write"}, Command_Write) {
    Command_Write.Click = [this] { Command_Write_Click(); };
    Link.On_write_complete = [this] { Write_complete(); };
    Link.On_failure = [this] { Write_failed(); };
}

void Form_Comm_Write::Command_Write_Click() {
    if (Link.Refuse_if_busy()) return;
    // The write sends what the editors show, a value still typed included.
    app.main_window.Commit_pending_edits();
    const int n = Chann_freq_check(app.Mem_image, app.limits());
    if (n < 255) {
        const std::string num = std::to_string(n);
        const std::string chn = "信道 " + num + " 中的接收或发射频率超出频率限制范围";
        const std::string eng =
            "Channel " + num + "that Receiving or transmitting frequency  out of frequency limitation range ";
        Link.Msg({chn.c_str(), eng.c_str()});
        return;
    }
    Load_5tone_tables(app.Mem_image);
    Link.Write_button();
}

void Form_Comm_Write::Write_complete() {
    Link.Msg({"向对讲机写入数据完毕 ！", "Complete Written the data to transceiver."});
    Label_tr_count.setCaption(L(app.Lang_chinese, "参数写入完毕 ！", "Data Writed ！"));
}

void Form_Comm_Write::Write_failed() {
    ProgressBar1.setValue(0);
    ProgressBar1.setVisible(false);
    Label_tr_count.setCaption("");
    Link.st.Write_busy = 0;
    Link.st.Read_busy = 0;
    Link.Msg(link_text::kFailConnect);
    Label_tr_count.setCaption(Link.T(link_text::kCommFault));
}

}  // namespace bx
