// The one QApplication of the front-end tests (offscreen under CTest).
#pragma once

#include <QApplication>

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

}  // namespace bxtest
