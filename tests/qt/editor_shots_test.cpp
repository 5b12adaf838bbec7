// Every editor window of the program as the front end shows it, in English
// and Chinese. With BX_SHOTS_DIR set, each is saved there as a picture of
// the main window holding it, for a look by eye.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>

#include "appstate/app.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"

namespace {

using bxtest::settle;

}  // namespace

TEST(QtEditors, EveryRegisteredEditorOpensInBothLanguages) {
    bxtest::use_screen_1280x800();
    bxtest::qt_app();
    for (int16_t chn : {int16_t{0}, int16_t{-1}}) {
        bxtest::QtProgram program;
        bx::App& app = *program.app;
        app.Lang_chinese = chn;
        for (int id = 0; id < bx::kEditorCount; ++id) {
            ui::Form* f = app.Window(static_cast<bx::EditorId>(id));
            if (!f) continue;
            bx::App::Reopen(*f);
            settle();
            EXPECT_TRUE(f->Loaded()) << f->name();
            bxtest::save_shot(program.rt.forms().main_window(),
                              "editor-" + f->name() + (chn ? "-chn" : "-eng"));
        }
        app.End();
        settle();
    }
}
