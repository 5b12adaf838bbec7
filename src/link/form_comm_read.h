// The read window: reads radio 0x0000-0x31FF and, once every block has
// arrived, replaces image records 0..787 (radio 0x0000-0x313F).
#pragma once

#include "link/link_machine.h"
#include "ui/all.h"

namespace bx {

class App;

class Form_Comm_Read : public ui::Form {
public:
    explicit Form_Comm_Read(App& app);

    App& app;

    ui::Label Label_PassWord{*this, "Label_PassWord"};
    ui::TextBox Text_PassWord{*this, "Text_PassWord"};
    ui::CommandButton Command_read{*this, "Command_read"};
    ui::CommandButton Command_Cancel{*this, "Command_Cancel"};
    ui::CommandButton Command_Help{*this, "Command_Help"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Label Label_tr_count{*this, "Label_tr_count"};
    ui::SerialPort MSC{*this, "MSC"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    ui::Timer Timer3{*this, "Timer3"};
    ui::Timer Timer4{*this, "Timer4"};

    // The window's exchange machine and its state.
    LinkMachine Link{app, link_rows::Form_Comm_Read, {MSC, Timer1, Timer2, Timer3, &ProgressBar1, &Label_tr_count}};
    int16_t Close_request = 0;

    void Command_read_Click();
    void Command_Cancel_Click();
    void Command_Help_Click() {}
    void Text_PassWord_Change();
    void Timer1_Timer() { Link.Timer1_Timer(); }
    void Timer2_Timer() { Link.Timer2_Timer(); }
    void Timer3_Timer() { Link.Timer3_Timer(); }
    void Timer4_Timer();
    void MSC_OnComm() { Link.MSC_OnComm(); }
    // Copies the stored replies of 0x0000-0x313F into image records 0..787.
    void Unpack_image_blocks();

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    void Read_complete();
};

}  // namespace bx
