// Running the program on Qt: the one entry point main() calls, and what the
// in-process drivers (the end-to-end tests and the link benchmark) need to
// run the real program without touching Qt themselves.
#pragma once

#include <csignal>
#include <functional>
#include <memory>
#include <string>

namespace bx {

class QtRuntime;
class App;

// Builds the Qt application, the real platform and the application object,
// starts the program and runs its event loop until it ends.
int run_program(int argc, char** argv);

// The program's one end path, whatever asks for it: the main window's close
// (its close box, or the application's quit, which closes it) and, while
// this object lives, a termination signal (SIGTERM, SIGHUP: a shutdown, a
// logout, `kill`) all call App::End, which warns once for a running
// exchange and releases every port. The signal handler only writes the
// signal's number to a pipe; the event loop reads it and closes the main
// window as its close box does. A later termination signal, while the end
// still waits on its warning, ends the process at once (the default action
// is back); a signal the program was started ignoring (SIGHUP under nohup)
// stays ignored. One at a time per process.
class ProgramEnd {
public:
    ProgramEnd(QtRuntime& rt, App& app);
    ~ProgramEnd();
    ProgramEnd(const ProgramEnd&) = delete;
    ProgramEnd& operator=(const ProgramEnd&) = delete;

    // The signals taken as the end of the program.
    static constexpr int kSignals[] = {SIGTERM, SIGHUP};

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

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
