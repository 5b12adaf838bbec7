// Every window of the program opened in the real front end on a 1280 x 800
// screen, in English and in Chinese: every visible control lies inside the
// client area of its window or of the frame it sits in, every tab page
// inside its tab strip, every child window inside the main window's area and
// every dialog on the screen. The windows are taken from the application's
// own list, so a window added to the program is checked without a word
// here. With BX_SHOTS_DIR set, each window is saved there as a picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"
#include "ui/tabstrip.h"

namespace {

using bxtest::settle;

std::string text(const QRect& r) {
    std::ostringstream s;
    s << "(" << r.x() << "," << r.y() << " " << r.width() << "x" << r.height() << ")";
    return s.str();
}

// Adds a line to faults when `inner` is not inside `outer`.
void expect_inside(std::set<std::string>& faults, const std::string& what, const QRect& inner,
                   const std::string& where, const QRect& outer) {
    if (!outer.contains(inner)) faults.insert(what + " " + text(inner) + " outside " + where + " " + text(outer));
}

// The controls of a shown form that lie outside the client area of their
// window or frame, and the pages outside their tab strip.
void check_controls(bx::FormView& v, std::set<std::string>& faults) {
    const std::string win = v.form.name();
    std::vector<const ui::TabStrip*> strips;
    for (ui::Control* c : v.form.controls()) {
        bx::ControlView* cv = v.find(c);
        QWidget* w = cv ? cv->widget() : nullptr;
        if (!w || !w->isVisible() || !w->parentWidget()) continue;
        const ui::Control* cont = c->Container();
        expect_inside(faults, win + "." + c->name(), w->geometry(), cont ? cont->name() : "the client area",
                      w->parentWidget()->rect());
        if (auto* t = dynamic_cast<const ui::TabStrip*>(c)) strips.push_back(t);
    }
    // A page is a frame laid over the strip's client area: it must end
    // inside the strip.
    for (const ui::TabStrip* t : strips) {
        QWidget* sw = v.find(t)->widget();
        const QRect page_area(bx::px(t->ClientLeft()), bx::px(t->ClientTop()), bx::px(t->ClientWidth()),
                              bx::px(t->ClientHeight()));
        for (ui::Control* c : v.form.controls()) {
            bx::ControlView* cv = v.find(c);
            QWidget* w = cv ? cv->widget() : nullptr;
            if (c == t || c->Container() != t->Container() || std::string(c->kind()) != "Frame" || !w ||
                !w->isVisible() || !page_area.contains(w->geometry().topLeft()))
                continue;
            expect_inside(faults, win + "." + c->name(), w->geometry(), t->name(), sw->geometry());
        }
    }
}

// The window itself: a child window inside the main window's area, a dialog
// on the screen.
void check_window(bx::FormView& v, QMdiArea* area, std::set<std::string>& faults) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(v.top.data()))
        expect_inside(faults, v.form.name(), sub->geometry(), "the main window's area", area->viewport()->rect());
    else if (!v.main_window)
        expect_inside(faults, v.form.name(), v.top->frameGeometry(), "the screen",
                      v.top->screen()->availableGeometry());
}

void shoot(bx::QtRuntime& rt, bx::FormView& v, const std::string& name) {
    QWidget* w = v.main_window || !qobject_cast<QMdiSubWindow*>(v.top.data()) ? v.top.data()
                                                                              : rt.forms().main_window();
    bxtest::save_shot(w, "layout-" + name);
}

std::string joined(const std::set<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += "\n  " + l;
    return s;
}

}  // namespace

TEST(QtLayout, EveryWindowsControlsLieInsideItAt1280x800InBothLanguages) {
    bxtest::use_screen_1280x800();
    bxtest::qt_app();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (screen.size() != QSize(1280, 800))
        GTEST_SKIP() << "the screen of this process is " << text(screen)
                     << ": run this test in a process of its own (as CTest does)";

    bxtest::QtProgram program;
    bx::QtRuntime& rt = program.rt;
    bx::App& app = *program.app;
    settle();

    // The main window takes the whole screen the program is made for.
    QMainWindow* mw = rt.forms().main_window();
    ASSERT_NE(mw, nullptr);
    EXPECT_EQ(mw->frameGeometry(), mw->screen()->availableGeometry());
    QMdiArea* area = mw->findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);

    int checked = 0;
    for (int16_t chn : {int16_t{0}, int16_t{-1}}) {
        if (chn)
            app.MDImain->Language_chn_Click();
        else
            app.MDImain->Language_eng_Click();
        const std::string lang = chn ? "chn" : "eng";
        std::set<std::string> faults;
        const std::vector<ui::Form*> forms = app.forms();
        for (ui::Form* f : forms) {
            if (!f->IsMDIForm()) bx::App::Reopen(*f);
            settle();
            bx::FormView* v = rt.forms().view(*f);
            if (!f->Loaded() || !v) {
                ADD_FAILURE() << f->name() << " does not open (" << lang << ")";
                continue;
            }
            check_window(*v, area, faults);
            check_controls(*v, faults);
            shoot(rt, *v, f->name() + "-" + lang);
            // Every page of every tab strip.
            for (ui::Control* c : f->controls())
                if (auto* t = dynamic_cast<ui::TabStrip*>(c); t && t->Visible())
                    for (int i = 1; i <= t->TabCount(); ++i) {
                        t->click(i);
                        settle();
                        check_controls(*v, faults);
                        shoot(rt, *v, f->name() + "-" + t->name() + std::to_string(i) + "-" + lang);
                    }
            ++checked;
            if (!f->IsMDIForm()) bx::App::Unload(*f);
            settle();
        }
        EXPECT_TRUE(faults.empty()) << "in " << lang << ":" << joined(faults);
    }
    // The main window, the link, file, about and model windows and the editors.
    EXPECT_GE(checked, 2 * 20);
    app.End();
    settle();
}
