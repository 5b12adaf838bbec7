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

std::unique_ptr<SerialDevice> SimSerialProvider::open(int port, const std::string& settings) {
    attempts.emplace_back(port, settings);
    if (during_open) during_open(port);
    auto it = ports_.find(port);
    if (it == ports_.end()) return nullptr;
    return it->second();
}

void SimSerialProvider::add_quiet_port(int port) {
    add_port(port, [] { return std::make_unique<QuietDevice>(); });
}

void RecordingHost::form_shown(Form& f) { events.push_back("shown " + f.name()); }
void RecordingHost::form_unloaded(Form& f) { events.push_back("unloaded " + f.name()); }

}  // namespace ui
