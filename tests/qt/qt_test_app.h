// The one QApplication of the front-end tests (offscreen under CTest).
#pragma once

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

#include "qt/runtime.h"

namespace bxtest {

inline QApplication& qt_app() {
    static int argc = 1;
    static char name[] = "bx_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new bx::QtApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("BX-5610 CPS"));
        return a;
    }();
    return *app;
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

}  // namespace bxtest
