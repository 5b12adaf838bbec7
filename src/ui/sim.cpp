#include "ui/sim.h"

#include "ui/form.h"

namespace ui {

int MsgRecorder::show(const std::string& text, int style, const std::string& title) {
    shown.push_back(MsgRecord{text, style, title, loop_.now_ms()});
    MsgRecord rec = shown.back();
    ++open_now;
    if (on_show) on_show(rec);
    if (hold_ms > 0) loop_.run_for(hold_ms);
    --open_now;
    if (!answers.empty()) {
        int a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    return vbOK;
}

int MsgRecorder::count(const std::string& text) const {
    int n = 0;
    for (const auto& m : shown)
        if (m.text == text) ++n;
    return n;
}

namespace {

// The device a simulated port hands out: the factory's device, with the
// port marked open until it closes or goes away.
class OpenPort : public SerialDevice {
public:
    OpenPort(std::unique_ptr<SerialDevice> dev, std::shared_ptr<std::set<int>> open, int port)
        : dev_(std::move(dev)), open_(std::move(open)), port_(port) {
        open_->insert(port_);
        dev_->on_byte = [this](uint8_t b) {
            if (on_byte) on_byte(b);
        };
        dev_->on_lost = [this] {
            free_port();
            if (on_lost) on_lost();
        };
    }
    ~OpenPort() override { free_port(); }
    void write(const std::vector<uint8_t>& bytes) override { dev_->write(bytes); }
    int pending_out() const override { return dev_->pending_out(); }
    void discard_input() override { dev_->discard_input(); }
    void close() override {
        free_port();
        dev_->close();
    }

private:
    void free_port() {
        if (held_) open_->erase(port_);
        held_ = false;
    }
    std::unique_ptr<SerialDevice> dev_;
    std::shared_ptr<std::set<int>> open_;
    int port_;
    bool held_ = true;
};

}  // namespace

std::unique_ptr<SerialDevice> SimSerialProvider::open(int port, const std::string& settings) {
    attempts.emplace_back(port, settings);
    if (during_open) during_open(port);
    auto it = ports_.find(port);
    if (it == ports_.end() || is_open(port)) return nullptr;
    auto dev = it->second();
    if (!dev) return nullptr;
    return std::make_unique<OpenPort>(std::move(dev), open_, port);
}

void SimSerialProvider::add_quiet_port(int port) {
    add_port(port, [] { return std::make_unique<QuietDevice>(); });
}

void RecordingHost::form_shown(Form& f) { events.push_back("shown " + f.name()); }
void RecordingHost::form_unloaded(Form& f) { events.push_back("unloaded " + f.name()); }

}  // namespace ui
