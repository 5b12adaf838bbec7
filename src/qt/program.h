// Running the program on Qt: the one entry point main() calls, and what the
// in-process drivers (the end-to-end tests and the link benchmark) need to
// run the real program without touching Qt themselves.
#pragma once

#include <functional>
#include <string>

namespace bx {

class QtRuntime;

// Builds the Qt application, the real platform and the application object,
// starts the program and runs its event loop until it ends.
int run_program(int argc, char** argv);

class App;

// Starts the program (App::Start) in-process and handles Qt events until
// its start-up port scan has ended, limit_s seconds at most; returns
// whether it ended.
bool start_program(App& app, double limit_s = 10);

// Makes sure a Qt application exists (offscreen when no display platform
// is chosen), for drivers that run the program in-process.
void ensure_qt_application();

// Handles Qt events until pred() holds or limit_s seconds have passed;
// returns whether pred() held.
bool process_events_until(const std::function<bool()>& pred, double limit_s);

// Every message box the runtime shows is passed to `seen` with its text and
// then accepted at once.
void accept_message_boxes(QtRuntime& rt, std::function<void(const std::string& text)> seen);

}  // namespace bx
