// The composition root: the application object's constructor and destructor
// (the class is declared in appstate/app.h, its other operations are in
// appstate/app.cpp), which create every window of the program and bind them
// to it. The one place that knows every window class; the editors are listed
// in editor_windows.cpp.
#include "appstate/app.h"

#include "link/form_comm_read.h"
#include "link/form_comm_write.h"
#include "link/form_setup.h"
#include "shell/dialogs.h"
#include "shell/form_type.h"
#include "shell/frmabout.h"
#include "shell/mdimain.h"
#include "ui/form.h"

namespace bx {

App::App(ui::Runtime& r) : rt(r) {
    // The error box of a failed handler speaks the language chosen.
    rt.chinese = [this] { return Lang_chinese != 0; };
    MDImain = std::make_unique<bx::MDImain>(*this);
    add_form(*MDImain);
    // Radio link windows.
    Form_Comm_Read = std::make_unique<bx::Form_Comm_Read>(*this);
    Form_Comm_Write = std::make_unique<bx::Form_Comm_Write>(*this);
    Form_setup = std::make_unique<bx::Form_setup>(*this);
    add_form(*Form_Comm_Read);
    add_form(*Form_Comm_Write);
    add_form(*Form_setup);
    // Data file, file dialogs, about and model dialogs.
    Form_open_chann = std::make_unique<bx::Form_open_chann>(*this);
    Form_save_chann = std::make_unique<bx::Form_save_chann>(*this);
    Form_open_adj = std::make_unique<bx::Form_open_adj>(*this);
    Form_save_adj = std::make_unique<bx::Form_save_adj>(*this);
    Form_open_sig = std::make_unique<bx::Form_open_sig>(*this);
    Form_save_sig = std::make_unique<bx::Form_save_sig>(*this);
    Form_open_menu = std::make_unique<bx::Form_open_menu>(*this);
    Form_save_menu = std::make_unique<bx::Form_save_menu>(*this);
    frmAbout = std::make_unique<bx::frmAbout>(*this);
    Form_type = std::make_unique<bx::Form_type>(*this);
    for (ui::Form* f : std::initializer_list<ui::Form*>{
             Form_open_chann.get(), Form_save_chann.get(), Form_open_adj.get(), Form_save_adj.get(),
             Form_open_sig.get(), Form_save_sig.get(), Form_open_menu.get(), Form_save_menu.get(),
             frmAbout.get(), Form_type.get()})
        add_form(*f);
    // The editors and the password window.
    Make_editor_windows();
}

App::~App() {
    // Close ports and stop timers before the windows go.
    for (ui::Form* f : forms_) f->Unload(true);
    rt.chinese = nullptr;
}

}  // namespace bx
