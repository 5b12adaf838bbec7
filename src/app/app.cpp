#include "app/app.h"

#include "shell/mdimain.h"
#include "ui/form.h"

namespace bx {

App::App(ui::Runtime& r) : rt(r) {
    MDImain = std::make_unique<bx::MDImain>(*this);
    add_form(*MDImain);
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

}  // namespace bx
