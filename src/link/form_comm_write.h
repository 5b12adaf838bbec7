// The write window: sends image records 0..783 (radio 0x0000-0x30FF) to the
// radio, after refusing a channel outside the radio's bands and rebuilding
// the 5-tone tone tables.
#pragma once

#include "link/link_machine.h"
#include "ui/all.h"

namespace bx {

class App;

class Form_Comm_Write : public ui::Form {
public:
    explicit Form_Comm_Write(App& app);

    App& app;

    ui::Label Label_PassWord{*this, "Label_PassWord"};
    ui::TextBox Text_PassWord{*this, "Text_PassWord"};
    ui::CommandButton Command_Write{*this, "Command_Write"};
    ui::CommandButton Command_Cancel{*this, "Command_Cancel"};
    ui::CommandButton Command_Help{*this, "Command_Help"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Label Label_tr_count{*this, "Label_tr_count"};
    ui::SerialPort MSC{*this, "MSC"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    ui::Timer Timer3{*this, "Timer3"};
    ui::Timer Timer4{*this, "Timer4"};

    LinkMachine Link{app, link_rows::Form_Comm_Write, {MSC, Timer1, Timer2, Timer3, &ProgressBar1, &Label_tr_count}};
    int16_t Close_request = 0;

    void Command_Write_Click();
    void Command_Cancel_Click();
    void Command_Help_Click() {}
    void Text_PassWord_Change();
    void Timer1_Timer() { Link.Timer1_Timer(); }
    void Timer2_Timer() { Link.Timer2_Timer(); }
    // The failure report: this window never retries.
    void Timer3_Timer() { Link.Timer3_Timer(); }
    void Timer4_Timer();
    void MSC_OnComm() { Link.MSC_OnComm(); }

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    void Write_complete();
    void Write_failed();
};

}  // namespace bx
