// Every editor window of the program as the front end shows it, in English
// and Chinese. With BX_SHOTS_DIR set, each is saved there as a picture of
// the main window holding it, for a look by eye.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>

#include "app/app.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

TEST(QtEditors, EveryRegisteredEditorOpensInBothLanguages) {
    bxtest::qt_app();
    for (int16_t chn : {int16_t{0}, int16_t{-1}}) {
        bx::QtRuntime rt;
        for (int port = 1; port <= 12; ++port) rt.set_port_device(port, "/nonexistent/bx-test-com" + std::to_string(port));
        rt.set_message_hook([](QMessageBox& b) { b.button(QMessageBox::Ok)->click(); });
        bx::App app(rt);
        rt.set_close_handler([&app] { app.End(); });
        app.Start();
        app.Lang_chinese = chn;
        for (int id = 0; id < bx::kEditorCount; ++id) {
            ui::Form* f = app.Window(static_cast<bx::EditorId>(id));
            if (!f) continue;
            bx::App::Reopen(*f);
            settle();
            EXPECT_TRUE(f->Loaded()) << f->name();
            if (const char* dir = std::getenv("BX_SHOTS_DIR"); dir && *dir) {
                QWidget* top = nullptr;
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (qobject_cast<QMainWindow*>(w) && w->isVisible()) top = w;
                if (top)
                    top->grab().save(QString::fromStdString(std::string(dir) + "/editor-" + f->name() +
                                                            (chn ? "-chn" : "-eng") + ".png"));
            }
        }
        app.End();
        settle();
    }
}
