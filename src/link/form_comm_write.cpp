#include "link/form_comm_write.h"

#include "app/app.h"
#include "model/five_tone.h"
#include "model/freq_codec.h"
#include "shell/mdimain.h"

namespace bx {

namespace {
constexpr const char* kDefault_password = "402793";
}  // namespace

Form_Comm_Write::Form_Comm_Write(App& a) : ui::Form(a.rt, "Form_Comm_Write"), app(a) {
    Command_Write.Click = [this] { Command_Write_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
    Command_Help.Click = [this] { Command_Help_Click(); };
    Text_PassWord.Change = [this] { Text_PassWord_Change(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { Timer2_Timer(); };
    Timer3.OnTimer = [this] { Timer3_Timer(); };
    Timer4.OnTimer = [this] { Timer4_Timer(); };
    MSC.OnComm = [this] { MSC_OnComm(); };
    Link.On_write_complete = [this] { Write_complete(); };
    Link.On_failure = [this] { Write_failed(); };
}

void Form_Comm_Write::Build() {
    Label_PassWord.Move(600, 450, 1500, 300);
    Text_PassWord.Move(2200, 400, 1800, 360);
    ProgressBar1.Move(600, 1300, 8000, 360);
    ProgressBar1.setVisible(false);
    Label_tr_count.Move(600, 1850, 8000, 300);
    Command_Write.Move(1200, 2900, 1800, 500);
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

void Form_Comm_Write::Form_Load() {
    Close_request = 0;
    Link.Reset();
    const ui::Form& m = *app.MDImain;
    setWidth(m.Width() / 3);
    setHeight(m.Height() / 3);
    setLeft((m.Width() - Width()) / 2);
    setTop((m.Height() - Height()) / 3);
    const int16_t chn = app.Lang_chinese;
    setCaption(L(chn, "写数据到对讲机", "Write Data to Radio"));
    Command_Write.setCaption(L(chn, "写入", "Write"));
    Command_Cancel.setCaption(L(chn, "取消", "Cancel"));
    Command_Help.setCaption(L(chn, "帮助", "Help"));
    Label_PassWord.setCaption(L(chn, "读写密码", "PassWord"));
}

void Form_Comm_Write::Form_Unload(int& /*Cancel*/) {
    // Closing is never refused; the exchange ends with the window.
    Link.Reset();
}

void Form_Comm_Write::Command_Write_Click() {
    if (Link.Refuse_if_busy()) return;
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

void Form_Comm_Write::Command_Cancel_Click() {
    if (Link.st.Busy()) {
        Link.Msg(link_text::No_close);
        return;
    }
    if (MSC.PortOpen()) MSC.setPortOpen(false);
    App::Unload(*this);
}

void Form_Comm_Write::Text_PassWord_Change() { Store_typed_password(app, Text_PassWord.Text()); }

void Form_Comm_Write::Timer4_Timer() {
    if (Close_request != 0) App::Unload(*this);
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
    Link.Msg(link_text::Fail_connect);
    Label_tr_count.setCaption(Link.T(link_text::Comm_fault));
}

}  // namespace bx
