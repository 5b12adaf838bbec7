// The main window: the frame holding every other window, with its menus,
// toolbar and status bar. Its load is the program's start-up.
#pragma once

#include "link/link_machine.h"
#include "ui/all.h"

namespace bx {

class App;

class MDImain : public ui::Form {
public:
    explicit MDImain(App& app);

    App& app;

    // Menu bar, in display order.
    ui::MenuItem File{*this, "File"};
    ui::MenuItem File_New{*this, "File_New", &File};
    ui::MenuItem File_Open{*this, "File_Open", &File};
    ui::MenuItem File_save{*this, "File_save", &File};
    ui::MenuItem File_saveas{*this, "File_saveas", &File};
    ui::MenuItem File_exit{*this, "File_exit", &File};
    ui::MenuItem fm_chann_edit{*this, "fm_chann_edit"};
    ui::MenuItem chann_edit{*this, "chann_edit"};
    ui::MenuItem sys_edit{*this, "sys_edit"};
    ui::MenuItem sig_edit{*this, "sig_edit"};
    ui::MenuItem Sig_dtmf{*this, "Sig_dtmf", &sig_edit};
    ui::MenuItem Sig_2tone{*this, "Sig_2tone", &sig_edit};
    ui::MenuItem Sig_5tone{*this, "Sig_5tone", &sig_edit};
    ui::MenuItem frm_adj{*this, "frm_adj"};
    ui::MenuItem Program{*this, "Program"};
    ui::MenuItem Prog_read{*this, "Prog_read", &Program};
    ui::MenuItem Prog_write{*this, "Prog_write", &Program};
    ui::MenuItem PC_PassWord{*this, "PC_PassWord"};
    ui::MenuItem proc_setup{*this, "proc_setup"};
    ui::MenuItem Language_Setup{*this, "Language_Setup"};
    ui::MenuItem Language_chn{*this, "Language_chn", &Language_Setup};
    ui::MenuItem Language_eng{*this, "Language_eng", &Language_Setup};
    ui::MenuItem about{*this, "about"};
    ui::MenuItem Menu_Exit{*this, "Menu_Exit"};

    ui::Toolbar Toolbar1{*this, "Toolbar1"};
    ui::StatusBar StatusBar1{*this, "StatusBar1"};

    // Serial port and timers of the radio identification.
    ui::SerialPort MSC{*this, "MSC"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    ui::Timer Timer3{*this, "Timer3"};
    // The identification's exchange machine: identification stage only.
    LinkMachine Link{app, link_rows::MDImain, {MSC, Timer1, Timer2, Timer3}};

    // The top-level menus, in display order.
    std::vector<ui::MenuItem*> menu_bar() const;

    // Opens MSC on a port with the link settings, showing nothing; returns
    // whether it opened.
    bool Comm_open_quiet(int port);
    // The start-up's quiet port scan from COM8 down, one port a turn of the
    // event loop, with a cursor of its own: Comm_port takes the port it
    // found only at its end, where the identification starts. Meanwhile the
    // identification counts as running (no other exchange starts); the port
    // dialog choosing a port and the program's end stop it. Starting it
    // again drops a scan under way.
    void Scan_ports();
    // From the scan's start until it has ended.
    bool Scanning_ports() const { return scan_port_ != 0; }
    // The port the scan tries next (0: no scan).
    int Scan_port() const { return scan_port_; }

    // Opens the identification's port on Comm_port (its message when it will
    // not open); returns whether it opened. The open ends a scan under way
    // (a port has been chosen).
    bool Open_link_port();
    // Starts the identification afresh, unless another exchange holds the
    // radio (that one identifies it itself).
    void Restart_identify();
    void MSC_OnComm() { Link.MSC_OnComm(); }
    void Timer1_Timer() { Link.Timer1_Timer(); }
    void Timer2_Timer() { Link.Timer2_Timer(); }
    void Timer3_Timer() { Link.Timer3_Timer(); }
    void Identified();
    void Identify_failed();

    // Handlers.
    void File_Open_Click();
    void File_save_Click();
    void File_saveas_Click();
    void File_exit_Click();
    void fm_chann_edit_Click();
    void chann_edit_Click();
    void sys_edit_Click();
    void Sig_dtmf_Click();
    void Sig_2tone_Click();
    void Sig_5tone_Click();
    void frm_adj_Click();
    void Prog_read_Click();
    void Prog_write_Click();
    void PC_PassWord_Click();
    void proc_setup_Click();
    void Language_chn_Click();
    void Language_eng_Click();
    void about_Click();
    void Menu_Exit_Click();
    void Toolbar1_ButtonClick(const ui::Toolbar::Button& button);

    // Runs the editor command of a menu item name or toolbar key (one
    // table in mdimain.cpp); false when it names none.
    bool Editor_command(const std::string& source);

protected:
    void Build() override;
    void Set_lang_captions();
    void Set_panel_labels();
    // Every toolbar button's tooltip: the caption its menu item shows now.
    void Set_toolbar_tips();
    void Form_Load() override;  // the start-up sequence

private:
    void Scan_step(int run);
    void End_scan();
    // The port the scan tries next (0: no scan) and which scan a step
    // posted on the loop belongs to.
    int scan_port_ = 0;
    int scan_run_ = 0;
};

// Panel shares of the screen width, in percent, panels 1 to 11.
inline constexpr int kStatusPanelShare[11] = {4, 6, 5, 15, 8, 7, 5, 10, 5, 10, 25};

}  // namespace bx
