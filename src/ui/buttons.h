// Labels, buttons, frames, pictures, check boxes and option buttons. A
// user's click on a control that takes the focus moves the focus to it
// first (the control that had it gets LostFocus before the Click).
#pragma once

#include <string>

#include "ui/event.h"
#include "ui/focus.h"

namespace ui {

class Label : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "Label"; }
    struct P {
        std::string Caption;
        int Alignment = 0;  // 0 left, 1 right, 2 centre
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Caption)
    UI_PROP(int, Alignment)
    Event Click;
    void click() {
        if (usable()) fire(Click);
    }

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class CommandButton : public Focusable {
public:
    using Focusable::Focusable;
    const char* kind() const override { return "CommandButton"; }
    struct P {
        std::string Caption;
        bool Default = false;  // clicked by Enter in its form
        bool Cancel = false;   // clicked by Escape in its form
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Caption)
    UI_PROP(bool, Default)
    UI_PROP(bool, Cancel)
    Event Click;
    // A user's click: ignored when the button cannot be reached.
    void click();

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class Frame : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "Frame"; }
    struct P {
        std::string Caption;
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Caption)

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class PictureBox : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "PictureBox"; }
    struct P {
        std::string Picture;  // name of a picture the front end knows
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Picture)
    Event Click;
    void click() {
        if (usable()) fire(Click);
    }

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class CheckBox : public Focusable {
public:
    using Focusable::Focusable;
    const char* kind() const override { return "CheckBox"; }
    struct P {
        std::string Caption;
        int Value = 0;  // 0 unchecked, 1 checked, 2 grey
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Caption)
    int Value() const { return p.Value; }
    // Raises Click when the value changes, also from code.
    void setValue(int v) {
        if (p.Value == v) return;
        p.Value = v;
        changed("Value");
        fire(Click);
    }
    Event Click;
    void click();

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class OptionButton : public Focusable {
public:
    using Focusable::Focusable;
    const char* kind() const override { return "OptionButton"; }
    struct P {
        std::string Caption;
        bool Value = false;
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Caption)
    bool Value() const { return p.Value; }
    // Selecting one clears the others of its container and raises Click.
    void setValue(bool v);
    Event Click;
    void click();

protected:
    void reset_props() override { p = P{}; }
    P p;
};

// A user pressing Enter or Escape in a form: clicks its usable Default
// (Enter) or Cancel (Escape) button; false when it has none.
bool press_enter(Form& f);
bool press_escape(Form& f);

}  // namespace ui
