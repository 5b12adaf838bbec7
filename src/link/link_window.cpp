#include "link/link_window.h"

#include "appstate/app.h"

namespace bx {

LinkWindow::LinkWindow(App& a, const char* name, const Link_params& row, Parts parts)
    : ui::Form(a.rt, name),
      app(a),
      Link{a,
           row,
           {MSC, Timer1, Timer2, Timer3, parts.progress ? &ProgressBar1 : nullptr,
            parts.progress ? &Label_tr_count : nullptr}},
      parts_(parts) {
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { Timer2_Timer(); };
    Timer3.OnTimer = [this] { Timer3_Timer(); };
    MSC.OnComm = [this] { MSC_OnComm(); };
    if (parts.password) {
        Text_PassWord.Change = [this] { Text_PassWord_Change(); };
        ui::Use_password_filter(Text_PassWord);
    } else {
        leave_out(Label_PassWord);
        leave_out(Text_PassWord);
    }
    if (!parts.progress) {
        leave_out(ProgressBar1);
        leave_out(Label_tr_count);
    }
}

void LinkWindow::Build() {
    for (ui::Timer* t : {&Timer1, &Timer2, &Timer3}) t->setEnabled(false);
    if (parts_.progress) ProgressBar1.setVisible(false);
    if (parts_.password) {
        // The stored text is no typed password.
        auto change = std::move(Text_PassWord.Change);
        Text_PassWord.setText(parts_.stored_password);
        Text_PassWord.Change = std::move(change);
    }
}

void LinkWindow::Form_Load() { Link.Reset(); }

void LinkWindow::Form_Unload(int& Cancel) {
    if (parts_.busy_unload && Link.Running()) {
        Link.Msg(*parts_.busy_unload, parts_.busy_unload_title);
        if (UnloadMode() != ui::vbFormMDIForm) {
            Cancel = 1;
            return;
        }
    }
    Link.Reset();
}

void LinkWindow::Bring_up() {
    if (Loaded() && Link.Running())
        Show();
    else
        App::Reopen(*this);
}

void LinkWindow::Text_PassWord_Change() { Store_typed_password(app, Text_PassWord.Text()); }

}  // namespace bx
