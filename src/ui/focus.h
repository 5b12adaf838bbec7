// The focus: at most one control of a form has it. Every control a user can
// tab to derives from Focusable and raises GotFocus and LostFocus.
#pragma once

#include <functional>

#include "ui/event.h"
#include "ui/form.h"
#include "ui/keys.h"

namespace ui {

class Focusable : public Control {
public:
    using Control::Control;
    bool focusable() const override { return true; }

    // Code giving the control the focus: the control that had it gets
    // LostFocus first, then this one GotFocus. Nothing happens when it has
    // the focus already, cannot be reached, or its form holds the focus
    // (Form::FocusHold). A LostFocus handler that puts
    // the focus elsewhere wins: this control then gets no GotFocus.
    void SetFocus();
    // A user moving the focus to the control (click, tab): the same.
    void focus() { SetFocus(); }
    // The focus leaving for something that is no control of the form: the
    // control gets LostFocus and the form has no focused control.
    void blur();
    bool focused() const { return owner().ActiveControl() == this; }

    // A user pressing Up (-1) or Down (+1) over the control, before the
    // control's own use of the key. Returns whether the key was taken: a
    // cell editor leaves its cell for the row above or below
    // (ui/cell_overlay.h); every other control keeps the key.
    bool arrow(int dir) { return on_arrow && usable() && on_arrow(dir); }
    // Set by the one who takes the arrow keys (a cell overlay, its editor).
    std::function<bool(int dir)> on_arrow;
    // A user pressing PageUp (-1) or PageDown (+1) over the control. Returns
    // whether it was taken: a cell editor leaves its cell as Up and Down do
    // and its grid pages; every other control keeps the key.
    bool page(int dir) { return on_page && usable() && on_page(dir); }
    std::function<bool(int dir)> on_page;
    // An editor laid over grid cells (a cell overlay set its keys): the
    // grid's keys are the grid's, not the editor's.
    bool over_cells() const { return static_cast<bool>(on_page); }
    // A user's key over the control, offered to it before anything else
    // sees it: Up or Down (no modifier) as arrow(), PageUp or PageDown
    // (with any modifier) as page(). Returns whether it was taken; a key
    // not taken goes on to the control's own use of keys.
    bool offer_key(const Keystroke& k);
    // Whether k is one of those keys (a screen asks before it hands the key
    // over as a user's action).
    static bool offered(const Keystroke& k);

    Event GotFocus, LostFocus;

protected:
    // The focus is leaving the control, before LostFocus.
    virtual void focus_leaving() {}
};

}  // namespace ui
