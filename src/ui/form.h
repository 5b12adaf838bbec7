// Forms and the base of every control. A form object lives for the whole
// run and keeps its own values; loading it builds its controls anew (every
// control back to its defaults, then Build() and Form_Load), unloading
// discards them: timers stop and serial ports close, so no callback ever
// reaches a closed window.
#pragma once

#include <string>
#include <vector>

#include "ui/runtime.h"

namespace ui {

class Form;
class Focusable;

// Declares a property kept in the control's props struct `p`, with a getter
// and a setter that notifies the host only when the value really changes.
#define UI_PROP(T, N)                                   \
    const T& N() const { return p.N; }                  \
    void set##N(const T& v) {                           \
        if (!(p.N == v)) {                              \
            p.N = v;                                    \
            changed(#N);                                \
        }                                               \
    }

class Control {
public:
    Control(Form& owner, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& owner() const { return owner_; }
    const std::string& name() const { return name_; }
    virtual const char* kind() const = 0;

    // Geometry in twips, visibility and enabled state.
    struct Base {
        int Left = 0, Top = 0, Width = 0, Height = 0;
        bool Visible = true, Enabled = true;
        std::string ToolTipText;
        bool operator==(const Base&) const = default;
    };
    int Left() const { return b_.Left; }
    int Top() const { return b_.Top; }
    int Width() const { return b_.Width; }
    int Height() const { return b_.Height; }
    bool Visible() const { return b_.Visible; }
    bool Enabled() const { return b_.Enabled; }
    const std::string& ToolTipText() const { return b_.ToolTipText; }
    void setLeft(int v) { set_base(b_.Left, v, "Left"); }
    void setTop(int v) { set_base(b_.Top, v, "Top"); }
    void setWidth(int v) { set_base(b_.Width, v, "Width"); }
    void setHeight(int v) { set_base(b_.Height, v, "Height"); }
    void setVisible(bool v) { set_base(b_.Visible, v, "Visible"); }
    void setEnabled(bool v) { set_base(b_.Enabled, v, "Enabled"); }
    void setToolTipText(const std::string& v) { set_base(b_.ToolTipText, v, "ToolTipText"); }
    void Move(int left, int top, int width, int height);
    void Move(int left, int top) { setLeft(left), setTop(top); }

    // The frame (or other container) the control sits in; nullptr for the form.
    Control* Container() const { return container_; }
    void setContainer(Control* c) { container_ = c; }

    // Whether a user can reach it: the form is loaded and the control and
    // every container above it are visible and enabled.
    bool usable() const;

    // Back to the state of a newly created control (the form's load does this).
    void reset() {
        b_ = Base{};
        reset_props();
        changed("*");
    }
    // Called by the form's unload: stop timers, close ports.
    virtual void discard() {}
    // Whether the control can have the focus (see Focusable).
    virtual bool focusable() const { return false; }

protected:
    virtual void reset_props() = 0;
    void changed(const char* prop);
    template <class T>
    void set_base(T& field, const T& v, const char* prop) {
        if (!(field == v)) {
            field = v;
            changed(prop);
        }
    }

private:
    Form& owner_;
    std::string name_;
    Base b_;
    Control* container_ = nullptr;
};

// Why a form is being unloaded, as its Form_Unload can ask with UnloadMode().
enum UnloadMode : int {
    vbFormControlMenu = 0,  // the user closed the window (its close box)
    vbFormCode = 1,         // code unloaded it (a command, a reopen)
    vbFormMDIForm = 4,      // the main window is closing: the program ends
};

class Form {
public:
    Form(Runtime& rt, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Runtime& rt() const { return rt_; }
    const std::string& name() const { return name_; }
    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(const std::string& name) const;

    // Loads the form if it is not loaded: controls anew, Build(), Form_Load,
    // then shown and activated (Form_Activate once, after Form_Load has
    // returned). Does nothing when it is loaded already.
    void Load();
    // Shows the form (loading it first when it is not) and brings it to the
    // front, raising Form_Activate when it was not in front. Inside
    // Form_Load it only shows: the load activates it once at its end.
    void Show();
    // Runs Form_Unload; unless it cancels (or force is set) the form's
    // timers stop, its ports close and its controls are discarded. Returns
    // whether the form is now unloaded. Unloading an unloaded form does
    // nothing. mode tells Form_Unload why (UnloadMode()).
    bool Unload(bool force = false, int mode = vbFormCode);
    // The reason of the unload in progress.
    int UnloadMode() const { return unload_mode_; }
    // A user activating the form's window: it comes to the front and gets
    // Form_Activate, unless it is in front already. Shown forms only.
    // Whenever a form comes to the front this way, by Show or by a load, the
    // form that was in front before gets Form_Deactivate first.
    void Activate();
    // The form in front: the shown form activated last, a child or dialog
    // before the main (MDI) window; nullptr when none is shown.
    Form* Front() const;

    // The control that has the focus, or nullptr.
    Focusable* ActiveControl() const { return focus_; }
    // The control the focus last left the form from (for another window),
    // until a control of the form gets it again; nullptr when none.
    Focusable* FocusLeftFrom() const { return focus_left_; }

    // While a hold stands, code giving one of the form's controls the focus
    // changes nothing: a window that commits its edit as another window
    // comes to the front leaves the focus where the user put it (taking it
    // would bring this window back in the middle of the change).
    class FocusHold {
    public:
        explicit FocusHold(Form& f) : f_(f) { ++f_.focus_hold_; }
        ~FocusHold() { --f_.focus_hold_; }
        FocusHold(const FocusHold&) = delete;
        FocusHold& operator=(const FocusHold&) = delete;

    private:
        Form& f_;
    };
    bool Focus_held() const { return focus_hold_ > 0; }

    bool Loaded() const { return loaded_; }
    // Inside Build() or Form_Load of a load.
    bool Loading() const { return loading_; }
    bool Shown() const { return shown_; }
    bool Unloading() const { return unloading_; }

    // An MDI child lives inside the main window; the main window is the MDI
    // frame. Anything else is a top-level dialog.
    bool MDIChild() const { return mdi_child_; }
    bool IsMDIForm() const { return mdi_form_; }
    // A fixed-size window: the user can neither resize, minimise nor
    // maximise it (its layout does not follow its size).
    bool FixedSize() const { return fixed_size_; }

    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& v);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void Move(int left, int top, int width, int height);
    // Inner (client) size in twips. The host reports the real one; without a
    // host it is the outer size less a fixed border, caption and bars.
    int ScaleWidth() const;
    int ScaleHeight() const;
    void set_client_size(int w, int h);

    int MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = {}) {
        return rt_.MsgBox(text, style, title);
    }

protected:
    // The form's designed layout: positions, stored captions and states of
    // its controls. Runs on every load, before Form_Load.
    virtual void Build() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Another form came to the front (this one is still loaded and shown).
    virtual void Form_Deactivate() {}
    virtual void Form_Unload(int& /*Cancel*/) {}
    void set_mdi_child(bool v) { mdi_child_ = v; }
    void set_mdi_form(bool v) { mdi_form_ = v; }
    void set_fixed_size(bool v) { fixed_size_ = v; }
    // Takes a control out of the form: it is no longer reset, built, shown or
    // discarded with the form. For a control a base class declares that a
    // derived window does not have (a link window without a password box).
    void leave_out(Control& c);
    // Room the headless client size leaves for borders, caption and bars.
    int chrome_w_ = 120, chrome_h_ = 500;

private:
    friend class Control;
    friend class Focusable;
    void add(Control* c) { controls_.push_back(c); }
    void changed(const char* prop);
    void show_window();
    // Moves the form to the front; true when it was not in front before.
    bool raise();

    Runtime& rt_;
    std::string name_;
    std::vector<Control*> controls_;
    Focusable* focus_ = nullptr;
    Focusable* focus_left_ = nullptr;
    int focus_hold_ = 0;
    bool loaded_ = false, loading_ = false, shown_ = false, unloading_ = false;
    bool mdi_child_ = true, mdi_form_ = false, fixed_size_ = false;
    int unload_mode_ = vbFormCode;
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int client_w_ = -1, client_h_ = -1;
};

}  // namespace ui
