// What the read and the write window share: the password box, progress bar
// and status label, Cancel and Help, the serial port, the exchange machine's
// three timers and the fourth that unloads the window on request, and their
// layout. Each window adds its action button and what happens at the end.
#pragma once

#include "link/link_machine.h"
#include "ui/all.h"

namespace bx {

class App;

class LinkWindow : public ui::Form {
public:
    App& app;

    ui::Label Label_PassWord{*this, "Label_PassWord"};
    ui::TextBox Text_PassWord{*this, "Text_PassWord"};
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
    LinkMachine Link;
    int16_t Close_request = 0;

    void Command_Cancel_Click();
    void Command_Help_Click() {}
    void Text_PassWord_Change();
    void Timer1_Timer() { Link.Timer1_Timer(); }
    void Timer2_Timer() { Link.Timer2_Timer(); }
    void Timer3_Timer() { Link.Timer3_Timer(); }
    void Timer4_Timer();
    void MSC_OnComm() { Link.MSC_OnComm(); }

protected:
    // Captions of the window and of its action button, Chinese and English.
    struct Texts {
        const char* caption_chn;
        const char* caption_eng;
        const char* action_chn;
        const char* action_eng;
    };
    // action is the window's own button, a member of the derived window: only
    // its reference is kept here.
    LinkWindow(App& app, const char* name, const Link_params& row, Texts texts, ui::CommandButton& action);

    void Build() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    Texts texts_;
    ui::CommandButton& action_;
};

}  // namespace bx
