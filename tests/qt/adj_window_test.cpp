// The alignment editor in the real front end on a 1280 x 800 screen: each
// of its five pages in English and Chinese, every control inside its parent
// and every label's text whole. With BX_SHOTS_DIR set, each page is saved
// there as a picture of the main window holding it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>

#include "appstate/app.h"
#include "editors/alignment/frm_adj_txp.h"
#include "qt/host.h"
#include "qt/program.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

using bxtest::settle;

void expect_readable(QWidget* win) {
    for (QWidget* c : win->findChildren<QWidget*>()) {
        if (!c->isVisible() || !c->parentWidget()) continue;
        const QRect in = c->parentWidget()->rect();
        EXPECT_TRUE(in.contains(c->geometry()))
            << c->objectName().toStdString() << " in " << c->parentWidget()->objectName().toStdString();
        if (auto* l = qobject_cast<QLabel*>(c)) {
            const QRect need = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 1000), Qt::TextWordWrap, l->text());
            EXPECT_LE(need.width(), l->width()) << l->text().toStdString();
            EXPECT_LE(need.height(), l->height()) << l->text().toStdString();
        }
    }
}

}  // namespace

TEST(QtAdjWindow, FivePagesFitInBothLanguages) {
    bxtest::use_screen_1280x800();
    bxtest::qt_app();
    bx::QtRuntime rt;
    for (int port = 1; port <= 12; ++port) rt.set_port_device(port, "/nonexistent/bx-test-com" + std::to_string(port));
    std::vector<std::string> boxes;
    rt.set_message_hook([&boxes](QMessageBox& b) {
        boxes.push_back(b.text().toStdString());
        b.button(QMessageBox::Ok)->click();
    });
    bx::App app(rt);
    rt.set_close_handler([&app] { app.End(); });
    bx::start_program(app);
    settle();
    boxes.clear();
    bx::frm_Adj_Txp& w = *app.Editor<bx::EditorId::frm_Adj_Txp>();
    for (int16_t lang : {int16_t{0}, int16_t{-1}}) {
        app.Lang_chinese = lang;
        bx::App::Reopen(w);
        settle();
        bx::FormView* v = rt.forms().view(w);
        ASSERT_NE(v, nullptr);
        QWidget* win = v->top.data();
        ASSERT_TRUE(win && win->isVisible());
        for (int tab = 1; tab <= 5; ++tab) {
            SCOPED_TRACE(testing::Message() << "lang " << lang << " tab " << tab);
            w.TabStrip1.click(tab);
            settle();
            EXPECT_EQ(win->windowTitle().toStdString(), w.Caption());
            expect_readable(win);
            if (const char* dir = std::getenv("BX_SHOTS_DIR"); dir && *dir)
                rt.forms().main_window()->grab().save(QString::fromStdString(
                    std::string(dir) + "/adj_page" + std::to_string(tab) + (lang ? "_chn" : "_eng") + ".png"));
        }
        // The level page's lists show their entries.
        EXPECT_EQ(w.Combo_Voice_Dev.Text(), " 60");
    }
    EXPECT_TRUE(boxes.empty());
    app.End();
    settle();
}
