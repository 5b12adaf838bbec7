// The generic controls the windows use, with the properties and events they
// rely on. Events are plain std::function members that the owning form wires
// to its handlers; the user-level actions (click, type, pick) check that the
// control is usable first, as a real window would.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {

using Event = std::function<void()>;
using KeyEvent = std::function<void(int& KeyAscii)>;

inline void fire(const Event& e) {
    if (e) e();
}

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

class CommandButton : public Control {
public:
    using Control::Control;
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
    void click() {
        if (usable()) fire(Click);
    }

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

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class TextBox : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "TextBox"; }
    struct P {
        std::string Text;
        int MaxLength = 0;  // 0: no limit; counted in characters
        bool Locked = false;
        std::string PasswordChar;
        int Alignment = 0;
        bool operator==(const P&) const = default;
    };
    const std::string& Text() const { return p.Text; }
    // Raises Change when the text really changes, also when code sets it.
    void setText(const std::string& v);
    UI_PROP(int, MaxLength)
    UI_PROP(bool, Locked)
    UI_PROP(std::string, PasswordChar)
    UI_PROP(int, Alignment)

    Event Change, GotFocus, LostFocus, Click;
    KeyEvent KeyPress;

    // A user typing: each character goes through KeyPress (which may change
    // or cancel it), a backspace (8) removes the last character, and
    // MaxLength and Locked hold. Focus is taken first.
    void type(const std::string& chars);
    // A user replacing the whole text (select all, type).
    void enter(const std::string& text) {
        focus();
        if (!p.Locked && usable()) setText("");
        type(text);
    }
    void focus();
    void blur();
    bool focused() const { return focused_; }

protected:
    void reset_props() override {
        p = P{};
        focused_ = false;
    }
    P p;
    bool focused_ = false;
};

class CheckBox : public Control {
public:
    using Control::Control;
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
    void click() {
        if (usable()) setValue(p.Value == 1 ? 0 : 1);
    }

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class OptionButton : public Control {
public:
    using Control::Control;
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
    void click() {
        if (usable()) setValue(true);
    }

protected:
    void reset_props() override { p = P{}; }
    P p;
};

// A list of texts with a selection; base of ComboBox and ListBox.
class ListControl : public Control {
public:
    using Control::Control;
    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The item at i; an empty text outside the list.
    std::string List(int i) const;
    void setList(int i, const std::string& v);
    const std::vector<std::string>& items() const { return items_; }
    int ListIndex() const { return index_; }
    // Selects position i (-1: none); raises Click when the position changes,
    // also from code. A position outside the list is ignored.
    void setListIndex(int i);
    Event Click;
    // A user picking an item.
    void pick(int i) {
        if (usable()) setListIndex(i);
    }
    // Position of the item with exactly this text, or -1.
    int find(const std::string& text) const;

protected:
    virtual void selection_changed() {}
    void reset_list() {
        items_.clear();
        index_ = -1;
    }
    std::vector<std::string> items_;
    int index_ = -1;
};

class ComboBox : public ListControl {
public:
    using ListControl::ListControl;
    const char* kind() const override { return "ComboBox"; }
    struct P {
        std::string Text;
        int Style = 0;  // 0 editable drop-down, 2 drop-down list
        bool Locked = false;
        bool operator==(const P&) const = default;
    };
    const std::string& Text() const { return p.Text; }
    // An editable combo may hold a text that is no item; setting the text of
    // an item selects it. Raises Change when the text changes.
    void setText(const std::string& v);
    UI_PROP(int, Style)
    UI_PROP(bool, Locked)
    Event Change, GotFocus, LostFocus;
    KeyEvent KeyPress;
    void type(const std::string& chars);
    void enter(const std::string& text) {
        focus();
        if (usable() && p.Style == 0 && !p.Locked) setText("");
        type(text);
    }
    void focus();
    void blur();

protected:
    void selection_changed() override;
    void reset_props() override {
        p = P{};
        reset_list();
        focused_ = false;
    }
    P p;
    bool focused_ = false;
};

class ListBox : public ListControl {
public:
    using ListControl::ListControl;
    const char* kind() const override { return "ListBox"; }
    struct P {
        bool operator==(const P&) const = default;
    };
    std::string Text() const { return List(index_); }

protected:
    void reset_props() override { reset_list(); }
};

class ProgressBar : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "ProgressBar"; }
    struct P {
        double Min = 0, Max = 100, Value = 0;
        bool operator==(const P&) const = default;
    };
    UI_PROP(double, Min)
    UI_PROP(double, Max)
    UI_PROP(double, Value)

protected:
    void reset_props() override { p = P{}; }
    P p;
};

// A timer with the windows' restart rule: a new interval starts the count
// anew; enabling a stopped timer starts a count; the same interval, or
// enabling a running timer, leaves the count running. Interval 0 never ticks.
class Timer : public Control {
public:
    using Control::Control;
    ~Timer() override { stop(); }
    const char* kind() const override { return "Timer"; }
    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool on);
    bool running() const { return id_ != 0; }
    Event OnTimer;
    void discard() override { stop(); }

protected:
    void reset_props() override {
        stop();
        interval_ = 0;
        enabled_ = true;
    }

private:
    void start();
    void stop();
    int interval_ = 0;
    bool enabled_ = true;
    int id_ = 0;
};

// The serial port control: one byte per Input, a receive event per byte.
class SerialPort : public Control {
public:
    using Control::Control;
    ~SerialPort() override;
    const char* kind() const override { return "SerialPort"; }
    static constexpr int comEvReceive = 2;

    int CommPort() const { return p.CommPort; }
    void setCommPort(int v) { p.CommPort = v; }
    const std::string& Settings() const { return p.Settings; }
    void setSettings(const std::string& v) { p.Settings = v; }
    int InBufferSize() const { return p.InBufferSize; }
    void setInBufferSize(int v) { p.InBufferSize = v; }
    int InputLen() const { return p.InputLen; }
    void setInputLen(int v) { p.InputLen = v; }
    int RThreshold() const { return p.RThreshold; }
    void setRThreshold(int v) { p.RThreshold = v; }
    int InputMode() const { return p.InputMode; }
    void setInputMode(int v) { p.InputMode = v; }
    int CommEvent() const { return comm_event_; }

    bool PortOpen() const { return dev_ != nullptr; }
    // Opens or closes the port; opening returns false when the port cannot
    // be opened (the port then stays closed).
    bool setPortOpen(bool open);
    int InBufferCount() const { return static_cast<int>(in_.size()); }
    // Setting 0 discards everything received and not yet taken.
    void setInBufferCount(int n);
    int OutBufferCount() const { return dev_ ? dev_->pending_out() : 0; }
    // Takes InputLen bytes (all when 0) from the input buffer.
    std::vector<uint8_t> Input();
    void Output(const std::vector<uint8_t>& bytes);

    // Raised once for every received byte, after it is in the buffer.
    Event OnComm;
    void discard() override { setPortOpen(false); }

protected:
    void reset_props() override;

private:
    struct P {
        int CommPort = 1;
        std::string Settings = "9600,N,8,1";
        int InBufferSize = 1024;
        int InputLen = 0;
        int RThreshold = 0;
        int InputMode = 0;
    } p;
    void received(uint8_t b);
    void release();
    std::unique_ptr<SerialDevice> dev_;
    std::deque<uint8_t> in_;
    int comm_event_ = 0;
};

class MenuItem : public Control {
public:
    MenuItem(Form& owner, std::string name, MenuItem* parent = nullptr);
    const char* kind() const override { return "MenuItem"; }
    struct P {
        std::string Caption;
        bool Checked = false;
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Caption)
    UI_PROP(bool, Checked)
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }
    Event Click;
    // A user choosing the item: only when it and its menus are visible and
    // enabled.
    void click();

protected:
    void reset_props() override { p = P{}; }
    P p;

private:
    MenuItem* parent_;
    std::vector<MenuItem*> children_;
};

class Toolbar : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "Toolbar"; }
    struct Button {
        std::string Key;
        std::string Image;  // picture name
        std::string ToolTipText;
    };
    void AddButton(const std::string& key, const std::string& image, const std::string& tip = {});
    const std::vector<Button>& Buttons() const { return buttons_; }
    std::function<void(const Button&)> ButtonClick;
    // A user clicking the button with this key.
    void click(const std::string& key);

protected:
    void reset_props() override { buttons_.clear(); }

private:
    std::vector<Button> buttons_;
};

class StatusBar : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "StatusBar"; }
    struct Panel {
        std::string Text;
        float Width = 0;  // twips
        bool operator==(const Panel&) const = default;
    };
    // Panels are numbered from 1.
    void setPanelCount(int n);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    const Panel& Panels(int i) const { return panels_.at(i - 1); }
    void setPanelText(int i, const std::string& text);
    void setPanelWidth(int i, float width);

protected:
    void reset_props() override { panels_.clear(); }

private:
    std::vector<Panel> panels_;
};

// A user pressing Enter or Escape in a form: clicks its usable Default
// (Enter) or Cancel (Escape) button; false when it has none.
bool press_enter(Form& f);
bool press_escape(Form& f);

}  // namespace ui
