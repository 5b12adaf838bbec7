// The program: the Qt application, the real platform and the application
// object, whose start is the main window's load.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/app.h"
#include "qt/runtime.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BX-5610 CPS"));
    bx::setup_application();

    bx::QtRuntime rt;
    // End-to-end runs point ports at other devices (the radio simulator's
    // pseudo-terminal): BX_SERIAL_DEVICES="COM8=/dev/pts/3;COM1=/dev/ttyS5".
    if (const char* spec = std::getenv("BX_SERIAL_DEVICES"); spec && *spec) {
        if (!rt.set_port_devices(spec))
            std::fprintf(stderr, "bx5610cps: BX_SERIAL_DEVICES ignored: expected COMn=path;COMn=path\n");
    }

    bx::App app(rt);
    rt.set_close_handler([&app] { app.End(); });
    app.Start();
    if (app.Ended() || rt.quit_requested()) return 0;
    return qapp.exec();
}
