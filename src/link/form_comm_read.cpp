#include "link/form_comm_read.h"

#include "app/app.h"
#include "shell/mdimain.h"

namespace bx {

namespace {
// The password box's text when the window loads; it counts only once the
// user edits it.
constexpr const char* kDefault_password = "402793";
}  // namespace

Form_Comm_Read::Form_Comm_Read(App& a) : ui::Form(a.rt, "Form_Comm_Read"), app(a) {
    Command_read.Click = [this] { Command_read_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
    Command_Help.Click = [this] { Command_Help_Click(); };
    Text_PassWord.Change = [this] { Text_PassWord_Change(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { Timer2_Timer(); };
    Timer3.OnTimer = [this] { Timer3_Timer(); };
    Timer4.OnTimer = [this] { Timer4_Timer(); };
    MSC.OnComm = [this] { MSC_OnComm(); };
    Link.On_read_complete = [this] { Read_complete(); };
}

void Form_Comm_Read::Build() {
    Label_PassWord.Move(600, 450, 1500, 300);
    Text_PassWord.Move(2200, 400, 1800, 360);
    ProgressBar1.Move(600, 1300, 8000, 360);
    ProgressBar1.setVisible(false);
    Label_tr_count.Move(600, 1850, 8000, 300);
    Command_read.Move(1200, 2900, 1800, 500);
    Command_Cancel.Move(3900, 2900, 1800, 500);
    Command_Help.Move(6600, 2900, 1800, 500);
    // The stored default text is no typed password.
    auto change = std::move(Text_PassWord.Change);
    Text_PassWord.setText(kDefault_password);
    Text_PassWord.Change = std::move(change);
    for (ui::Timer* t : {&Timer1, &Timer2, &Timer3}) t->setEnabled(false);
    Timer4.setInterval(200);
    Timer4.setEnabled(true);
}

void Form_Comm_Read::Form_Load() {
    Close_request = 0;
    Link.Reset();
    const ui::Form& m = *app.MDImain;
    setWidth(m.Width() / 3);
    setHeight(m.Height() / 3);
    setLeft((m.Width() - Width()) / 2);
    setTop((m.Height() - Height()) / 3);
    const int16_t chn = app.Lang_chinese;
    setCaption(L(chn, "从对讲机读取数据", "Read Data From Radio"));
    Command_read.setCaption(L(chn, "读取", "Read"));
    Command_Cancel.setCaption(L(chn, "取消", "Cancel"));
    Command_Help.setCaption(L(chn, "帮助", "Help"));
    Label_PassWord.setCaption(L(chn, "读写密码", "PassWord"));
}

void Form_Comm_Read::Form_Unload(int& /*Cancel*/) {
    // Closing is never refused; the exchange ends with the window.
    Link.Reset();
}

void Form_Comm_Read::Command_read_Click() { Link.Read_button(); }

void Form_Comm_Read::Command_Cancel_Click() {
    if (Link.st.Busy()) {
        Link.Msg(link_text::No_close);
        return;
    }
    if (MSC.PortOpen()) MSC.setPortOpen(false);
    App::Unload(*this);
}

void Form_Comm_Read::Text_PassWord_Change() { Store_typed_password(app, Text_PassWord.Text()); }

void Form_Comm_Read::Timer4_Timer() {
    if (Close_request != 0) App::Unload(*this);
}

void Form_Comm_Read::Unpack_image_blocks() {
    int target = full_xfer::Read_store_first;
    for (int c = 2; c <= 198; ++c) {
        const uint8_t* reply = app.Read_blocks[static_cast<size_t>(c)].data();
        int s = Reply_data_start(reply);
        for (int k = 0; k < 4; ++k, ++target, s += frame::Record_bytes)
            for (int b = 0; b < frame::Record_bytes; ++b) app.Mem_image(target, b) = reply[s + b];
    }
}

void Form_Comm_Read::Read_complete() {
    Unpack_image_blocks();
    Link.Msg({"从对讲机中读取数据完毕 ！", "Complete reading data from the transceiver."});
    Label_tr_count.setCaption(L(app.Lang_chinese, "数据读出正常 ！", "Read Data is Ok ！"));
}

}  // namespace bx
