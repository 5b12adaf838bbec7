// The application's quit, as a session manager sends it at logout, on a
// real X server: it ends the program whatever dialog is open, every time.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <string>

#include "appstate/app.h"
#include "editors/channels/frm_chann.h"
#include "link/form_comm_read.h"
#include "qt/host.h"
#include "qt/program.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

using bxtest::start_as_main;

enum class Dialog { SaveAs, EditorOpen, PortDialog, MessageBox };

const char* name(Dialog d) {
    switch (d) {
    case Dialog::SaveAs: return "File > Save As";
    case Dialog::EditorOpen: return "the channel editor's Open";
    case Dialog::PortDialog: return "Communication";
    case Dialog::MessageBox: return "a message box";
    }
    return "";
}

// One run of the program: the dialog opened, then the application's quit
// inside the program's event loop. Returns whether that quit ended the
// program and its loop (a quit that did not is ended by hand, so the test
// never hangs).
bool quit_ends_program(Dialog d) {
    bx::QtRuntime rt;
    for (int port = 1; port <= 12; ++port) rt.set_port_device(port, "/nonexistent/bx-test-com" + std::to_string(port));
    bx::App app(rt);
    rt.set_close_handler([&app] { app.End(); });
    bool box_seen = false;
    rt.set_message_hook([&](QMessageBox& b) {
        // The read's port message is the box the quit comes over; every
        // other box (the start-up's port message, the screen warning) is
        // answered.
        if (d == Dialog::MessageBox && app.Form_Comm_Read->Loaded() && !box_seen) {
            box_seen = true;
            QCoreApplication::quit();
            return;
        }
        b.button(QMessageBox::Ok)->click();
    });
    bx::start_program(app);
    bxtest::settle();

    bool ended = false;
    QTimer::singleShot(0, [&] {
        switch (d) {
        case Dialog::SaveAs: app.MDImain->File_saveas.click(); break;
        case Dialog::EditorOpen: {
            auto& chann = *app.Editor<bx::EditorId::frm_chann>();
            bx::App::Open(chann);
            chann.Command_open.click();
            break;
        }
        case Dialog::PortDialog: app.MDImain->proc_setup.click(); break;
        case Dialog::MessageBox:
            app.MDImain->Prog_read.click();
            app.Form_Comm_Read->Command_read.click();  // no port: its message
            break;
        }
        if (d != Dialog::MessageBox) QCoreApplication::quit();
        ended = app.Ended();
        if (!ended) {
            app.End();
            QCoreApplication::exit(1);
        }
    });
    QApplication::exec();
    bxtest::settle();
    EXPECT_TRUE(d != Dialog::MessageBox || box_seen) << name(d);
    return ended;
}

}  // namespace

TEST(DesktopQuit, EndsTheProgramWhateverDialogIsOpen) {
    start_as_main();
    for (Dialog d : {Dialog::SaveAs, Dialog::EditorOpen, Dialog::PortDialog, Dialog::MessageBox})
        for (int run = 1; run <= 10; ++run) ASSERT_TRUE(quit_ends_program(d)) << name(d) << ", run " << run;
}
