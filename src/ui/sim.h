// Headless platform for tests: a virtual clock, a message box recorder,
// simulated serial ports and a fixed screen.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/runtime.h"

namespace ui {

struct MsgRecord {
    std::string text;
    int style;
    std::string title;
    double at_ms;
};

// Keeps every box shown and dismisses it at once with OK, unless told to
// keep the next boxes open for a stretch of virtual time (the loop runs
// meanwhile) or to answer differently.
class MsgRecorder : public MsgService {
public:
    explicit MsgRecorder(SimLoop& loop) : loop_(loop) {}
    int show(const std::string& text, int style, const std::string& title) override;

    std::vector<MsgRecord> shown;
    // Virtual milliseconds each box stays open before it is dismissed.
    double hold_ms = 0;
    // Answers for the next boxes, used in order; OK when empty.
    std::vector<int> answers;
    // Called while a box is open, before it is dismissed.
    std::function<void(const MsgRecord&)> on_show;
    int open_now = 0;

    void clear() { shown.clear(); }
    const MsgRecord* last() const { return shown.empty() ? nullptr : &shown.back(); }
    int count(const std::string& text) const;

private:
    SimLoop& loop_;
};

// A port that opens and swallows what is written to it; nothing answers.
class QuietDevice : public SerialDevice {
public:
    void write(const std::vector<uint8_t>& bytes) override {
        written.insert(written.end(), bytes.begin(), bytes.end());
    }
    void close() override { closed = true; }
    std::vector<uint8_t> written;
    bool closed = false;
};

// Simulated ports. A port already open refuses a second open until it is
// closed (or its device goes away), as a real serial port does.
class SimSerialProvider : public SerialProvider {
public:
    using Factory = std::function<std::unique_ptr<SerialDevice>()>;
    std::unique_ptr<SerialDevice> open(int port, const std::string& settings) override;
    // Whether COM<port> is open now.
    bool is_open(int port) const { return open_->count(port) > 0; }
    // COM<port> opens and gives what the factory makes.
    void add_port(int port, Factory f) { ports_[port] = std::move(f); }
    // COM<port> opens and nothing ever answers.
    void add_quiet_port(int port);
    void remove_port(int port) { ports_.erase(port); }
    // Every open attempt, in order, with the settings it asked for.
    std::vector<std::pair<int, std::string>> attempts;
    // Runs inside every open attempt, before it succeeds or fails (a test
    // makes an open take virtual time here, as a slow device would).
    std::function<void(int port)> during_open;
    // A simulated port is named "sim:COM<port>" and is present while it
    // would open.
    std::string device_name(int port) const override { return "sim:COM" + std::to_string(port); }
    bool device_present(int port) const override { return ports_.count(port) > 0; }

private:
    std::map<int, Factory> ports_;
    // The ports open now; shared with the devices handed out, which take
    // their port out when they close (also after the provider has gone).
    std::shared_ptr<std::set<int>> open_ = std::make_shared<std::set<int>>();
};

class RecordingHost : public FormHost {
public:
    void form_shown(Form& f) override;
    void form_unloaded(Form& f) override;
    void quit() override { quit_called = true; }
    std::vector<std::string> events;
    bool quit_called = false;
};

class SimRuntime : public Runtime {
public:
    SimRuntime() : recorder(sim) {
        sim.on_failure = [this](const std::string& what) { report_failure(what); };
    }
    Loop& loop() override { return sim; }
    MsgService& msg() override { return recorder; }
    SerialProvider& serial() override { return ports; }
    FormHost& host() override { return forms; }
    int screen_width() const override { return screen_w; }
    int screen_height() const override { return screen_h; }
    bool start_system_info() override {
        ++sysinfo_starts;
        return sysinfo_available;
    }

    SimLoop sim;
    MsgRecorder recorder;
    SimSerialProvider ports;
    RecordingHost forms;
    int screen_w = 1920 * 15, screen_h = 1080 * 15;
    bool sysinfo_available = false;
    int sysinfo_starts = 0;
};

}  // namespace ui
