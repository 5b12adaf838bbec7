// The real platform under the windows: a Qt event loop with precise timers,
// real message boxes, the primary screen, serial ports and the form
// renderer. Needs a QApplication that outlives it.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "qt/serial.h"
#include "ui/runtime.h"

class QMessageBox;
class QTimer;

namespace bx {

class QtFormHost;

// The width (px) a window manager's title bar takes beside a message box's
// title: the icon and three buttons, with their margins. A message box is
// at least as wide as its title in bold and this.
inline constexpr int kMessageTitleBarButtons = 120;

class QtLoop : public QObject, public ui::Loop {
public:
    QtLoop();
    double now_ms() const override;
    int add_timer(int interval_ms, ui::Callback cb) override;
    void cancel_timer(int id) override;
    // Sleeps about 2 ms without handling any event.
    void busy_wait() override;
    void post(ui::Callback cb) override;
    int active_timers() const { return static_cast<int>(timers_.size()); }

private:
    struct Rec {
        QTimer* timer;
        ui::Callback cb;
    };
    QElapsedTimer clock_;
    int next_id_ = 1;
    std::map<int, Rec> timers_;
};

class QtMsgService : public ui::MsgService {
public:
    int show(const std::string& text, int style, const std::string& title) override;
    // The window a box is centred on.
    std::function<QWidget*()> parent;
    // Called inside the box's own loop once it is open (tests answer it).
    std::function<void(QMessageBox&)> on_open;
};

// The program's Qt application. Every event Qt delivers passes its notify(),
// which is the boundary for the handlers Qt calls directly (a click, a key,
// a byte arriving): an exception escaping one is reported through
// on_failure (the runtime's error box) and the event loop runs on. Handlers
// the loop runs itself (timer ticks, posted calls) are guarded closer, by
// ui::Loop::run_handler.
//
// It also keeps an input method's open composition from being stored as the
// focus moves. As the focus leaves a widget (a click elsewhere, Tab, a
// window coming forward or another program's), Qt asks the input method to
// commit its open text, and the commit reaches the box before the focus
// leaves it, just as the user's own commit would. A box with a composition
// open names itself here; notify() then ends the composition (the box and
// the input method forget it) before any event that may move the focus.
class QtApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
    std::function<void(const std::string& what)> on_failure;

    // A composition opened in widget `box`; `drop` ends it. A second call
    // replaces the first.
    void composition_opened(QWidget* box, std::function<void()> drop);
    // The composition in `box` ended (committed or dropped by the box).
    void composition_closed(const QWidget* box);

private:
    // Whether `event` to `receiver` may move the focus away from the box.
    bool may_move_focus(QObject* receiver, QEvent* event) const;
    QPointer<QWidget> composing_box_;
    std::function<void()> drop_composition_;
};

class QtRuntime : public ui::Runtime {
public:
    QtRuntime();
    ~QtRuntime() override;

    ui::Loop& loop() override { return loop_; }
    ui::MsgService& msg() override { return msg_; }
    ui::SerialProvider& serial() override { return serial_; }
    ui::FormHost& host() override;
    // The primary screen's size in twips (pixels × 15), or the size set by
    // set_screen_size.
    int screen_width() const override;
    int screen_height() const override;
    // Makes the program see a screen of w × h pixels, for drivers that run
    // it at a chosen screen size (the offscreen platform has one of its own).
    void set_screen_size(int w, int h) { screen_w_ = w, screen_h_ = h; }
    // Starts the first system-information program found in PATH, detached.
    bool start_system_info() override;
    // Measured in the application's font, laid out as the widgets lay it
    // out, with the style's frames around text boxes and lists.
    int text_width(const std::string& text) const override;
    int text_height() const override;
    int text_height(const std::string& text, int width) const override;
    int field_height() const override;

    QtLoop& qt_loop() { return loop_; }
    QtFormHost& forms() { return *host_; }

    // Points COM<port> at a device of one's choice (a pseudo-terminal of the
    // radio simulator, say); an empty path restores the rule's device.
    void set_port_device(int port, const std::string& path);
    std::string port_device(int port) const { return serial_.device_path(port); }

    // What closing the main window with its close box does: the program
    // passes App::End. Without one the forms are unloaded and the loop quits.
    void set_close_handler(std::function<void()> h);
    // Called once every message box is open, inside its loop.
    void set_message_hook(std::function<void(QMessageBox&)> h) { msg_.on_open = std::move(h); }

    // Whether quit() has been asked for (possibly before the loop ran).
    bool quit_requested() const;

private:
    int screen_w_ = 0, screen_h_ = 0;  // pixels; 0: the primary screen
    QtLoop loop_;
    QtMsgService msg_;
    QtSerialProvider serial_;
    std::unique_ptr<QtFormHost> host_;
};

// Programs, in order of preference, that show the system's information.
extern const char* const kSystemInfoPrograms[];

// Application-wide set-up for the program, made right after its
// QtApplication: the name, a font with CJK glyphs as fallback, quitting only
// through App::End.
void setup_application();

}  // namespace bx
