// The one QApplication of the front-end tests (offscreen under CTest).
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSize>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "appstate/app.h"
#include "qt/host.h"
#include "qt/program.h"
#include "qt/runtime.h"

namespace bxtest {

inline void use_screen_1280x800();

inline QApplication& qt_app() {
    static int argc = 1;
    static char name[] = "bx_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = []() -> QApplication* {
        // A test that made the application itself (as the program does) keeps it.
        if (auto* made = qobject_cast<QApplication*>(QCoreApplication::instance())) return made;
        // Every front end of the process on the one screen, whichever test
        // starts first (tests run several to a process).
        use_screen_1280x800();
        auto* a = new bx::QtApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("BX-5610 CPS"));
        return a;
    }();
    return *app;
}

// The application exactly as main() makes it (its fonts included), for the
// desktop tests, before any of them runs; the tests after it see the
// program's own.
inline void start_as_main() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "bx5610cps";
    static char* argv[] = {name, nullptr};
    new bx::QtApplication(argc, argv);  // lives as long as the process
    bx::setup_application();
}

// Makes the offscreen screen of this test process 1280 x 800, the smallest
// the program is made for, when this test is the first to start the front
// end (CTest runs every test in a process of its own). A display platform
// chosen by the caller (xvfb, say) keeps its own screen.
inline void use_screen_1280x800() {
    if (QApplication::instance()) return;
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen && std::string(chosen) != "offscreen") return;
    // Written under a name of its own, then renamed: test processes running
    // side by side never read a half-written file.
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::filesystem::path path = dir / "bx_screen_1280.json";
    const std::filesystem::path part = dir / ("bx_screen_1280." + std::to_string(getpid()) + ".part");
    std::ofstream(part) << R"({"screens": [{"name": "Screen1280", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                           R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    std::error_code ec;
    std::filesystem::rename(part, path, ec);
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path.string()).c_str(), 1);
}

// An empty file for the simulated radio's memory dump (radio-sim --dump),
// removed when the test ends.
struct DumpFile {
    std::string path;
    DumpFile() {
        char name[] = "/tmp/bx-radio-dumpXXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0) {
            close(fd);
            path = name;
        }
    }
    ~DumpFile() {
        if (!path.empty()) std::remove(path.c_str());
    }
    DumpFile(const DumpFile&) = delete;
    DumpFile& operator=(const DumpFile&) = delete;
};

// Lets the front end finish its pending work (layout, paints).
inline void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Lets the front end settle, then, with BX_SHOTS_DIR set, saves what the
// widget shows as DIR/name.png.
inline void save_shot(QWidget* w, const std::string& name) {
    settle();
    const char* dir = std::getenv("BX_SHOTS_DIR");
    if (!w || !dir || !*dir) return;
    w->grab().save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}

// The real program started in the front end: no serial port behind any
// port number, every message box answered with OK (its text kept in boxes),
// the main window's close ending the program. With screen_1280x800 the
// process's offscreen screen is 1280 x 800 (when this is the first front end
// the process starts); a valid `screen` makes the program see a screen of
// that size whatever the display's.
struct QtProgram {
    explicit QtProgram(bool screen_1280x800 = false, QSize screen = {}) {
        if (screen_1280x800) use_screen_1280x800();
        qt_app();
        if (screen.isValid()) rt.set_screen_size(screen.width(), screen.height());
        for (int port = 1; port <= 12; ++port)
            rt.set_port_device(port, "/nonexistent/bx-test-com" + std::to_string(port));
        rt.set_message_hook([this](QMessageBox& b) {
            boxes.push_back(b.text().toStdString());
            b.button(QMessageBox::Ok)->click();
        });
        app = std::make_unique<bx::App>(rt);
        rt.set_close_handler([this] { app->End(); });
        bx::start_program(*app);
        settle();
        boxes.clear();
    }
    ~QtProgram() {
        if (!app->Ended()) app->End();
        settle();
    }
    QtProgram(const QtProgram&) = delete;
    QtProgram& operator=(const QtProgram&) = delete;

    // The front end's top widget of a form, or nullptr.
    QWidget* top(const ui::Form& f) {
        bx::FormView* v = rt.forms().view(f);
        return v ? v->top.data() : nullptr;
    }
    // The front end's widget of a control, and the line edit a text or
    // list box types into.
    QWidget* widget(const ui::Control& c) { return rt.forms().view(c.owner())->find(&c)->widget(); }
    QLineEdit* line_edit(const ui::Control& c) {
        QWidget* w = widget(c);
        if (auto* box = qobject_cast<QComboBox*>(w)) return box->lineEdit();
        return qobject_cast<QLineEdit*>(w);
    }
    // An editor opened and made the active window, as its menu command does.
    template <bx::EditorId id>
    auto& open() {
        auto& w = *app->Editor<id>();
        bx::App::Open(w);
        w.Activate();
        settle();
        return w;
    }

    bx::QtRuntime rt;
    std::vector<std::string> boxes;
    std::unique_ptr<bx::App> app;
};

}  // namespace bxtest
