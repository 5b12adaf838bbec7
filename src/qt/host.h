// The form renderer: mirrors every shown form and its controls as Qt
// widgets. It holds no behaviour of the windows: user actions go to the
// controls' user-level actions (click, type, pick, focus) and events, and
// every property change of a control is mirrored back onto its widget.
//
// Each control kind is drawn by a renderer registered by kind() in a
// RendererRegistry; a new kind of control needs one renderer and one line in
// register_standard_renderers (renderers.cpp).
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"

class QMainWindow;
class QMenuBar;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace bx {

class FormView;
class QtFormHost;

// Twips to pixels and back (15 twips to a pixel).
inline int px(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / 15; }
inline int twips(int pixels) { return pixels * 15; }

// The widget side of one control; owned by its FormView.
class ControlView : public QObject {
public:
    ControlView(ui::Control& c, FormView& form) : control_(c), form_(form) {}
    ui::Control& control() const { return control_; }
    FormView& form() const { return form_; }

    // The widget placed at the control's twips geometry inside its
    // container, whose Visible, Enabled and ToolTipText it shows; nullptr
    // for controls drawn otherwise (menus, the main window's toolbar and
    // status bar) or not at all (timers, serial ports).
    virtual QWidget* widget() const { return nullptr; }
    // Where controls that have this one as Container() are placed.
    virtual QWidget* container() const { return nullptr; }
    // Mirrors property `prop` of the control ("*": every property) onto
    // the widget; the common geometry and states are done already.
    virtual void sync(const char* prop) = 0;

    // Mirrors the common properties, then the control's own.
    void update(const char* prop);

    // Runs a user action on the control, then mirrors the control's whole
    // state onto the widget again: the control may have refused or changed
    // what the widget already did.
    void forward(const std::function<void()>& action);
    // Whether user input should still reach the control.
    bool live() const;

private:
    ui::Control& control_;
    FormView& form_;
};

// Creates the view of a control; parent is the widget of its container (or
// the form's client widget).
using Renderer = std::function<std::unique_ptr<ControlView>(ui::Control&, FormView&, QWidget* parent)>;

class RendererRegistry {
public:
    void add(const std::string& kind, Renderer r) { renderers_[kind] = std::move(r); }
    const Renderer* find(const std::string& kind) const {
        auto it = renderers_.find(kind);
        return it == renderers_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, Renderer> renderers_;
};

// Registers the renderers of every control kind the program has.
void register_standard_renderers(RendererRegistry& r);
// The drive, folder and file lists of the file dialogs (filelists_widgets.cpp).
void register_filelist_renderers(RendererRegistry& r);
// The grid, its cell overlays and the tab strip (grid_view.cpp, tabstrip_view.cpp).
void register_grid_renderers(RendererRegistry& r);

// The widgets of one shown form.
class FormView : public QObject {
public:
    FormView(QtFormHost& host, ui::Form& f);
    ~FormView() override;

    QtFormHost& host;
    ui::Form& form;
    QPointer<QWidget> top;            // QMainWindow, QMdiSubWindow or a dialog window
    QWidget* client = nullptr;        // controls are placed in it from its top-left
    QMainWindow* main_window = nullptr;  // the main (MDI) form only
    QMdiArea* mdi = nullptr;             // the main form's area of child windows
    bool dead = false;                   // unloaded; deleted once no user action runs

    // The view of a control, created (with its container first) if need be.
    ControlView* ensure(ui::Control* c);
    ControlView* find(const ui::Control* c) const;

    // Sets the window's title and geometry from the form and shows it.
    void show();
    // The main window's menu bar; nullptr for other forms (their menu items
    // are not drawn).
    QMenuBar* menu_bar() const;

    // Mirrors the form's geometry onto the window, and back.
    void apply_geometry();
    void report_geometry();
    void report_client_size();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    std::map<const ui::Control*, ControlView*> views_;
    bool reporting_ = false;  // the form takes the window's geometry: no echo
    bool applying_ = false;   // the window takes the form's geometry: no echo
};

class QtFormHost : public QObject, public ui::FormHost {
public:
    QtFormHost();
    ~QtFormHost() override;

    void form_shown(ui::Form& f) override;
    void form_unloaded(ui::Form& f) override;
    void form_raised(ui::Form& f) override;
    void property_changed(ui::Control& c, const char* prop) override;
    void form_changed(ui::Form& f, const char* prop) override;
    void quit() override;

    RendererRegistry& renderers() { return renderers_; }
    FormView* view(const ui::Form& f) const;
    FormView* view_of_widget(const QWidget* top) const;
    QMainWindow* main_window() const;
    // The window a message box belongs to.
    QWidget* dialog_parent() const;
    bool quit_requested() const { return quit_requested_; }
    // The host itself is going: windows close without asking their forms.
    bool closing() const { return closing_; }

    // What the main window's close box does (the program: App::End).
    std::function<void()> on_main_close;

    // Held while a user action runs on a control: views unloaded meanwhile
    // are deleted only once the outermost action has returned.
    class Action {
    public:
        explicit Action(QtFormHost& h) : h_(h) { ++h_.depth_; }
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        QtFormHost& h_;
    };

    // A user activating the window of form f (switching windows).
    void user_activated(ui::Form* f);
    void main_close_requested();

private:
    void bury_later();
    FormView* build_view(ui::Form& f);
    // Puts the view's window in front: the active child of the main window,
    // or a raised and activated dialog.
    void bring_forward(FormView& v);

    RendererRegistry renderers_;
    std::map<const ui::Form*, FormView*> views_;
    std::vector<FormView*> graveyard_;
    QPointer<QMainWindow> main_;
    int depth_ = 0;
    bool burial_posted_ = false;
    bool quit_requested_ = false;
    bool closing_ = false;
    bool quiet_activation_ = false;  // Qt activates another window: no user's doing
};

}  // namespace bx
