#include "ui/buttons.h"

namespace ui {

void CommandButton::click() {
    if (!usable()) return;
    SetFocus();
    if (usable()) fire(Click);
}

void CheckBox::click() {
    if (!usable()) return;
    SetFocus();
    if (usable()) setValue(p.Value == 1 ? 0 : 1);
}

void OptionButton::click() {
    if (!usable()) return;
    SetFocus();
    if (usable()) setValue(true);
}

void OptionButton::setValue(bool v) {
    if (v) {
        for (Control* c : owner().controls()) {
            auto* o = dynamic_cast<OptionButton*>(c);
            if (o && o != this && o->Container() == Container() && o->p.Value) {
                o->p.Value = false;
                o->changed("Value");
            }
        }
    }
    bool was = p.Value;
    if (was != v) {
        p.Value = v;
        changed("Value");
    }
    if (v && !was) fire(Click);
}

// Enter and Escape click the button where the focus is: it stays there.
static bool press(Form& f, bool enter) {
    for (Control* c : f.controls()) {
        auto* b = dynamic_cast<CommandButton*>(c);
        if (b && (enter ? b->Default() : b->Cancel()) && b->usable()) {
            fire(b->Click);
            return true;
        }
    }
    return false;
}

bool press_enter(Form& f) { return press(f, true); }
bool press_escape(Form& f) { return press(f, false); }

}  // namespace ui
