// The base of every window that talks to the radio: its serial port `MSC`,
// the machine's timers `Timer1`-`Timer3`, the progress bar `ProgressBar1`
// and status label `Label_tr_count`, the password box `Text_PassWord` with
// its label `Label_PassWord`, the window's `LinkMachine`, their wiring, and
// the unload rule.
//
// Using it:
// - Derive the window from LinkWindow and pass its row of Link_params. Its
//   handlers `Timer1_Timer`, `Timer2_Timer`, `Timer3_Timer`, `MSC_OnComm`
//   and `Text_PassWord_Change` are wired already; the Read and Write
//   buttons call `Link.Read_button()` / `Link.Write_button()` after their
//   own checks.
// - Say what the window lacks with Parts: without `progress` it has no
//   ProgressBar1 and Label_tr_count, without `password` no password box
//   (the alignment editor). A part left out is no control of the form (the
//   member exists but is never built or shown): the machine then shows no
//   progress, and no typed password is stored. A window with neither (the
//   password window, which has its own three boxes and Timer4) still gets
//   the port, the three timers, the machine and the unload rule.
// - The machine's hooks (On_read_complete, On_write_complete, On_failure,
//   the progress hooks and Data_phase for a data phase of the window's
//   own) are set in the derived window's constructor.
// - Build() and Form_Load() of a derived window call LinkWindow's first.
//   Build: the three timers off, the bar hidden, the password box holds its
//   stored text (which is no typed password). Load and unload: the unload
//   rule below.
// - Unload rule: on load and on unload the machine's timers stop, the port
//   closes and the seven flags of Link_state clear, so a reloaded window
//   never starts out busy and no callback reaches a closed window.
// - Closing while the exchange runs: a window that names its refusal text
//   in Parts (busy_unload; every link window) refuses its close box, and
//   any unload but the program's end, with that text while its exchange
//   runs (LinkMachine::Running: from its start until its report has shown,
//   the pause before a retry or the failure report included); the window
//   and its exchange stay. When the program ends the text shows once and
//   the window unloads. Without the text closing is never refused here.
#pragma once

#include "link/link_machine.h"
#include "ui/all.h"

namespace bx {

class App;

class LinkWindow : public ui::Form {
public:
    // The optional parts of a link window.
    struct Parts {
        bool progress = true;  // ProgressBar1 and Label_tr_count
        bool password = true;  // Label_PassWord and Text_PassWord
        // The password box's stored text when the window loads.
        const char* stored_password = "";
        // The refusal of closing while the exchange runs, and the English
        // title of its box; none: closing is never refused.
        const link_text::Pair* busy_unload = nullptr;
        const char* busy_unload_title = link_text::kTitleEng;
    };

    App& app;

    ui::Label Label_PassWord{*this, "Label_PassWord"};
    ui::TextBox Text_PassWord{*this, "Text_PassWord"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Label Label_tr_count{*this, "Label_tr_count"};
    ui::SerialPort MSC{*this, "MSC"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    ui::Timer Timer3{*this, "Timer3"};

    // The window's exchange machine and its state.
    LinkMachine Link;

    void Timer1_Timer() { Link.Timer1_Timer(); }
    void Timer2_Timer() { Link.Timer2_Timer(); }
    void Timer3_Timer() { Link.Timer3_Timer(); }
    void MSC_OnComm() { Link.MSC_OnComm(); }
    void Text_PassWord_Change();

    // The main window's command that brings the window up: while its
    // exchange runs the window comes to the front and nothing else changes;
    // otherwise it is loaded anew.
    void Bring_up();

    bool Has_progress() const { return parts_.progress; }
    bool Has_password_box() const { return parts_.password; }

protected:
    LinkWindow(App& app, const char* name, const Link_params& row, Parts parts);

    void Build() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    Parts parts_;
};

}  // namespace bx
