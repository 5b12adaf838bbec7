#include "ui/focus.h"

namespace ui {

void Focusable::SetFocus() {
    Form& f = owner();
    if (f.focus_ == this || !usable() || f.Focus_held()) return;
    if (Focusable* old = f.focus_) {
        f.focus_ = nullptr;
        old->focus_leaving();
        old->changed("Focus");
        fire(old->LostFocus);
        if (f.focus_ || !usable()) return;  // the handler moved it, or this control went
    }
    f.focus_ = this;
    f.focus_left_ = nullptr;
    changed("Focus");
    fire(GotFocus);
}

void Focusable::blur() {
    Form& f = owner();
    if (f.focus_ != this) return;
    f.focus_ = nullptr;
    f.focus_left_ = this;
    focus_leaving();
    changed("Focus");
    fire(LostFocus);
}

bool Focusable::offered(const Keystroke& k) {
    using N = Keystroke::Name;
    return k.name == N::PageUp || k.name == N::PageDown || (!k.any_mods() && (k.name == N::Up || k.name == N::Down));
}

bool Focusable::offer_key(const Keystroke& k) {
    using N = Keystroke::Name;
    if (!offered(k)) return false;
    const int dir = k.name == N::Up || k.name == N::PageUp ? -1 : 1;
    return k.name == N::PageUp || k.name == N::PageDown ? page(dir) : arrow(dir);
}

}  // namespace ui
