#include "qt/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>

#include <cstdlib>

#include "appstate/app.h"
#include "qt/runtime.h"
#include "shell/mdimain.h"

namespace bx {

int run_program(int argc, char** argv) {
    QtApplication qapp(argc, argv);
    setup_application();

    QtRuntime rt;
    App app(rt);
    rt.set_close_handler([&app] { app.End(); });
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
