// The file dialogs, the about dialog and the model dialog as a user sees
// them in the real front end. With BX_SHOTS_DIR set, each window is also
// saved there as a picture (English and Chinese) for a look by eye.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>

#include "appstate/app.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/dialogs.h"
#include "shell/form_type.h"
#include "shell/frmabout.h"
#include "shell/mdimain.h"
#include "support/tempdir.h"

namespace {

using bxtest::settle;

using Program = bxtest::QtProgram;

}  // namespace

TEST(QtFileDialogs, ListsFollowTheFileSystemAndConfirmLoads) {
    Program p;
    bxtest::TempDir dir;
    std::filesystem::create_directories(dir / "backups");
    std::filesystem::create_directories(dir / "radios");
    p.app->Mem_image(3, 3) = 33;
    ASSERT_FALSE(bx::Save_data_file(dir / "base station.dat", p.app->Mem_image));
    ASSERT_FALSE(bx::Save_data_file(dir / "HANDHELD.DAT", p.app->Mem_image));
    dir.write("notes.txt", "x");
    p.app->Mem_image(3, 3) = 0;

    for (int16_t lang : {0, -1}) {
        const std::string tag = lang ? "chn" : "eng";
        if (lang) p.app->MDImain->Language_chn_Click();
        else p.app->MDImain->Language_eng_Click();

        p.app->MDImain->File_saveas.click();
        bx::FileDialog& save = *p.app->Form_save_chann;
        save.Dir1.setPath(dir.path());
        QWidget* w = p.top(save);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowTitle().toStdString(), lang ? "保存文件" : "Save File");
        EXPECT_EQ(w->minimumSize(), w->maximumSize());  // a fixed layout: not resizable
        bxtest::save_shot(w, "save_" + tag);
        bx::App::Unload(save);

        bx::App::Reopen(*p.app->Form_open_adj);
        p.app->Form_open_adj->Dir1.setPath(dir.path());
        bxtest::save_shot(p.top(*p.app->Form_open_adj), "open_adj_" + tag);
        bx::App::Unload(*p.app->Form_open_adj);

        p.app->MDImain->File_Open.click();
        bx::FileDialog& open = *p.app->Form_open_chann;
        open.Dir1.setPath(dir.path());
        settle();
        w = p.top(open);
        ASSERT_NE(w, nullptr);
        bxtest::save_shot(w, "open_" + tag);

        // The widgets show the control's lists.
        auto lists = w->findChildren<QListWidget*>();
        ASSERT_EQ(lists.size(), 2);
        QListWidget* dirs = lists[0]->count() > lists[1]->count() ? lists[0] : lists[1];
        QListWidget* files = dirs == lists[0] ? lists[1] : lists[0];
        ASSERT_EQ(files->count(), 2);
        EXPECT_EQ(files->item(0)->text().toStdString(), "base station.dat");
        EXPECT_EQ(files->item(1)->text().toStdString(), "HANDHELD.DAT");
        EXPECT_FALSE(dirs->findItems(QStringLiteral("radios"), Qt::MatchExactly).isEmpty());
        auto* name = w->findChild<QLineEdit*>();
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text().toStdString(), "*.dat");

        // A click on a file puts its name in the box; a double click loads it.
        emit files->itemClicked(files->item(1));
        settle();
        EXPECT_EQ(name->text().toStdString(), "HANDHELD.DAT");
        emit files->itemDoubleClicked(files->item(1));
        settle();
        EXPECT_FALSE(open.Loaded());
        ASSERT_EQ(p.boxes.size(), 1u);
        EXPECT_EQ(p.boxes[0], lang ? "参数从文件调入成功 ！" : "Succeed fold the parameter from file.");
        EXPECT_EQ(p.app->Mem_image(3, 3), 33);
        p.boxes.clear();
        p.app->Mem_image(3, 3) = 0;

        // A double click on a folder opens it.
        p.app->MDImain->File_Open.click();
        p.app->Form_open_chann->Dir1.setPath(dir.path());
        settle();
        w = p.top(*p.app->Form_open_chann);
        lists = w->findChildren<QListWidget*>();
        dirs = lists[0]->count() > lists[1]->count() ? lists[0] : lists[1];
        auto found = dirs->findItems(QStringLiteral("radios"), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        emit dirs->itemDoubleClicked(found[0]);
        settle();
        EXPECT_EQ(p.app->Form_open_chann->Dir1.Path(), dir / "radios");
        EXPECT_EQ(p.app->Form_open_chann->File1.Path(), dir / "radios");
        bx::App::Unload(*p.app->Form_open_chann);

        p.app->MDImain->about_Click();
        QWidget* about = p.top(*p.app->frmAbout);
        ASSERT_NE(about, nullptr);
        EXPECT_TRUE(about->isVisible());
        // A fixed-size dialog: no minimise or maximise box, no resizing.
        EXPECT_FALSE(about->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_EQ(about->minimumSize(), about->maximumSize());
        EXPECT_EQ(about->size(), about->maximumSize());
        bxtest::save_shot(about, "about_" + tag);
        bx::App::Unload(*p.app->frmAbout);

        bx::App::Open(*p.app->Form_type);
        QWidget* type = p.top(*p.app->Form_type);
        ASSERT_NE(type, nullptr);
        auto* combo = type->findChild<QComboBox*>();
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->count(), 7);
        EXPECT_FALSE(combo->isEditable());
        bxtest::save_shot(type, "model_" + tag);
        bx::App::Unload(*p.app->Form_type);
    }
}
