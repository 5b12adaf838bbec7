// What the windows need of the platform: the event loop, modal message boxes,
// the screen size, serial ports, a host that renders forms, and starting the
// system-information program. The Qt front end supplies the real ones;
// SimRuntime (sim.h) supplies headless ones for tests.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/loop.h"

namespace ui {

class Form;
class Control;

// Message box styles and answers, as the windows pass and read them.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class MsgService {
public:
    virtual ~MsgService() = default;
    // Shows a modal box and returns the answer once it is dismissed. Timer
    // ticks and serial events keep being delivered while it is open.
    virtual int show(const std::string& text, int style, const std::string& title) = 0;
};

// An opened serial device. Received bytes are handed to on_byte one at a
// time on the loop's thread; on_lost is called when the device goes away.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    virtual void write(const std::vector<uint8_t>& bytes) = 0;
    // Bytes handed to write() that have not left yet.
    virtual int pending_out() const { return 0; }
    // Drops every byte received and not yet handed to on_byte: those the
    // device has read and those still waiting in the system's input queue.
    virtual void discard_input() {}
    // Closes the device at once; no byte is delivered after it. The object
    // itself may be destroyed later (it can be in the middle of a delivery).
    virtual void close() = 0;
    std::function<void(uint8_t)> on_byte;
    std::function<void()> on_lost;
};

class SerialProvider {
public:
    virtual ~SerialProvider() = default;
    // Opens COM<port> with a settings text such as "9600,N,8,1"; nullptr
    // when the port cannot be opened.
    virtual std::unique_ptr<SerialDevice> open(int port, const std::string& settings) = 0;
    // The device COM<port> stands for on this system (empty: none), and
    // whether that device is there now (it may still be in use elsewhere).
    virtual std::string device_name(int /*port*/) const { return {}; }
    virtual bool device_present(int /*port*/) const { return false; }
};

// Renders forms. Every call happens on the loop's thread.
class FormHost {
public:
    virtual ~FormHost() = default;
    virtual void form_shown(Form&) {}
    virtual void form_unloaded(Form&) {}
    // A form already shown is brought to the front (Form::Show again).
    virtual void form_raised(Form&) {}
    virtual void property_changed(Control&, const char* /*prop*/) {}
    virtual void form_changed(Form&, const char* /*prop*/) {}
    virtual void quit() {}
};

class Runtime {
public:
    virtual ~Runtime() = default;
    virtual Loop& loop() = 0;
    virtual MsgService& msg() = 0;
    virtual SerialProvider& serial() = 0;
    virtual FormHost& host() = 0;
    // Screen size in twips (15 twips to a pixel).
    virtual int screen_width() const = 0;
    virtual int screen_height() const = 0;
    // Starts the platform's system-information program; false when there is
    // none or it cannot be started.
    virtual bool start_system_info() { return false; }
    // Width of a line of text in the windows' font, and the height of one
    // line as the windows lay it out (any script in it), in twips. Without
    // a real font: the fixed rule of grid_choices.h.
    virtual int text_width(const std::string& text) const;
    virtual int text_height() const;
    // The height of `text` wrapped at blanks into lines of at most `width`
    // twips, as a label shows it; a word wider than `width` keeps a line of
    // its own.
    virtual int text_height(const std::string& text, int width) const;
    // The least height of a text box or a closed list that shows a line of
    // text whole: a line and the box's frame and margins.
    virtual int field_height() const;

    int MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = {}) {
        return msg().show(text, style, title);
    }

    // The one error box for a handler that failed (Loop::run_handler): what
    // failed, in the language `chinese` tells (English while it is unset).
    // A box that cannot be shown is given up silently.
    void report_failure(const std::string& what);
    std::function<bool()> chinese;

    // The shown forms in the order they were last activated, the latest
    // last (kept by Form). A message box changes nothing here.
    std::vector<Form*>& shown_forms() { return shown_forms_; }

private:
    std::vector<Form*> shown_forms_;
};

}  // namespace ui
