#include "qt/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <fcntl.h>
#include <unistd.h>

#include "appstate/app.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "shell/mdimain.h"

namespace bx {

namespace {

// The write end of the live ProgramEnd's pipe (-1: none). The signal
// handler can reach nothing else; an int atomic that is always lock-free
// may be read there.
std::atomic<int> signal_pipe{-1};
static_assert(std::atomic<int>::is_always_lock_free);

// Async-signal-safe: one write of one byte to a non-blocking pipe (a full
// pipe already holds a signal the loop will see), errno kept.
extern "C" void note_signal(int signo) {
    const int saved = errno;
    const int fd = signal_pipe.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const unsigned char b = static_cast<unsigned char>(signo);
        [[maybe_unused]] const ssize_t n = ::write(fd, &b, 1);
    }
    errno = saved;
}

}  // namespace

struct ProgramEnd::Watch {
    int pipe_fd[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction before[std::size(kSignals)] = {};
    bool installed = false;
    bool fired = false;  // the end has been asked for
};

ProgramEnd::ProgramEnd(QtRuntime& rt, App& app) : watch_(std::make_unique<Watch>()) {
    rt.set_close_handler([&app] { app.End(); });
    Watch& w = *watch_;
    if (signal_pipe.load() >= 0 || ::pipe2(w.pipe_fd, O_NONBLOCK | O_CLOEXEC) != 0) return;
    w.notifier = std::make_unique<QSocketNotifier>(w.pipe_fd[0], QSocketNotifier::Read);
    QtFormHost& host = rt.forms();
    QObject::connect(w.notifier.get(), &QSocketNotifier::activated, [&w, &host] {
        unsigned char buf[64];
        while (::read(w.pipe_fd[0], buf, sizeof buf) > 0) {
        }
        if (w.fired) return;
        w.fired = true;
        // Any later termination signal (the end may wait on its warning)
        // takes the default action and ends the process at once; the end
        // is never begun twice.
        for (size_t i = 0; i < std::size(kSignals); ++i)
            if (w.before[i].sa_handler != SIG_IGN) ::signal(kSignals[i], SIG_DFL);
        // What closing the main window does: the close handler, App::End.
        host.main_close_requested();
    });
    signal_pipe.store(w.pipe_fd[1]);
    struct sigaction sa = {};
    sa.sa_handler = note_signal;
    sigemptyset(&sa.sa_mask);
    // The same signal again before the loop has seen the first: the
    // default action.
    sa.sa_flags = SA_RESTART | SA_RESETHAND;
    // A signal the program was started ignoring (SIGHUP under nohup) stays
    // ignored.
    for (size_t i = 0; i < std::size(kSignals); ++i)
        if (::sigaction(kSignals[i], nullptr, &w.before[i]) == 0 && w.before[i].sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &sa, nullptr);
    w.installed = true;
}

ProgramEnd::~ProgramEnd() {
    Watch& w = *watch_;
    if (w.installed) {
        for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &w.before[i], nullptr);
        signal_pipe.store(-1);
    }
    w.notifier.reset();
    for (int fd : w.pipe_fd)
        if (fd >= 0) ::close(fd);
}

int run_program(int argc, char** argv) {
    QtApplication qapp(argc, argv);
    setup_application();

    QtRuntime rt;
    App app(rt);
    const ProgramEnd end(rt, app);
    app.Start();
    if (app.Ended() || rt.quit_requested()) return 0;
    return qapp.exec();
}

bool start_program(App& app, double limit_s) {
    app.Start();
    return process_events_until([&] { return !app.MDImain || !app.MDImain->Scanning_ports(); }, limit_s);
}

void ensure_qt_application() {
    if (QApplication::instance()) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "bx5610cps";
    static char* argv[] = {name, nullptr};
    new QtApplication(argc, argv);  // lives as long as the process
    setup_application();
}

bool process_events_until(const std::function<bool()>& pred, double limit_s) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (static_cast<double>(t.elapsed()) > limit_s * 1000.0) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

void accept_message_boxes(QtRuntime& rt, std::function<void(const std::string& text)> seen) {
    rt.set_message_hook([seen = std::move(seen)](QMessageBox& box) {
        if (seen) seen(box.text().toStdString());
        box.accept();
    });
}

}  // namespace bx
