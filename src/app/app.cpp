#include "app/app.h"

#include <algorithm>

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
}

App::~App() {
    // Close ports and stop timers before the windows go.
    for (ui::Form* f : forms_) f->Unload(true);
}

void App::Start() { MDImain->Load(); }

void App::End() {
    if (ended_) return;
    for (ui::Form* f : forms_)
        if (f != MDImain.get()) f->Unload(true, ui::vbFormMDIForm);
    MDImain->Unload(true, ui::vbFormMDIForm);
    ended_ = true;
    rt.host().quit();
}

void App::Open(ui::Form& f) { f.Load(); }

void App::Unload(ui::Form& f) { f.Unload(true); }

void App::Reopen(ui::Form& f) {
    f.Unload(true);
    f.Load();
}

int App::Add_image_listener(std::function<void()> on_replaced) {
    const int id = next_listener_id_++;
    image_listeners_.emplace_back(id, std::move(on_replaced));
    return id;
}

void App::Remove_image_listener(int id) {
    std::erase_if(image_listeners_, [id](const auto& l) { return l.first == id; });
}

void App::Image_replaced() {
    // Ids first: a listener may add or remove listeners while it runs.
    std::vector<int> ids;
    for (const auto& l : image_listeners_) ids.push_back(l.first);
    for (int id : ids) {
        auto it = std::find_if(image_listeners_.begin(), image_listeners_.end(),
                               [id](const auto& l) { return l.first == id; });
        if (it == image_listeners_.end()) continue;
        std::function<void()> f = it->second;  // a copy: the listener may remove itself
        f();
    }
}

}  // namespace bx
