// The application object's shared state and its operations that need no
// window class: they sit below the window layers, which call them. The
// windows themselves are created in app.cpp, at the top.
#include <algorithm>

#include "appstate/app.h"
#include "ui/form.h"

namespace bx {

void App::Start() { forms_.front()->Load(); }

void App::End() {
    if (ended_) return;
    // The main window is the first form.
    for (ui::Form* f : forms_)
        if (f != forms_.front()) f->Unload(true, ui::vbFormMDIForm);
    forms_.front()->Unload(true, ui::vbFormMDIForm);
    ended_ = true;
    rt.host().quit();
}

void App::Open(ui::Form& f) { f.Load(); }

void App::Unload(ui::Form& f) { f.Unload(true); }

bool App::Try_unload(ui::Form& f) { return f.Unload(false, ui::vbFormCode); }

void App::Unload_for_end(ui::Form& f) { f.Unload(true, ui::vbFormMDIForm); }

void App::Add_window(EditorId id, std::unique_ptr<ui::Form> f) {
    ui::Form*& slot = editors_[static_cast<int>(id)];
    if (!f) return;
    if (ui::Form* old = slot) {
        // A stand-in takes the place of the window the program made.
        old->Unload(true);
        std::erase(forms_, old);
        std::erase_if(owned_, [old](const std::unique_ptr<ui::Form>& w) { return w.get() == old; });
    }
    slot = f.get();
    add_form(*f);
    owned_.push_back(std::move(f));
}


void App::Reopen(ui::Form& f) {
    f.Unload(true);
    f.Load();
}

ui::Form* App::Form_named(std::string_view name) const {
    for (ui::Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
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
