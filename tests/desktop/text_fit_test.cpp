// Every window of the program on a real X server, as a user sees it: the
// program is started as main() starts it (its application and font set-up
// included), every window of the application's list is opened in English and
// in Chinese and every page of every tab strip is clicked, and every visible
// text is measured with the font its widget really draws with. Listed as
// faults:
// - a label, button, check box, option button, frame title or tab whose text
//   does not fit its rectangle (width and height; a label wraps at its
//   width), and a text box or list too low for its line (a closed list too
//   narrow for its item shows an ellipsis and a tooltip, so only its height
//   counts);
// - a grid cell whose text is wider than its column or higher than its row;
// - a grid with a horizontal scroll bar while its window has the spare width
//   to show every column, or a vertical one while it has the spare height to
//   show every row;
// - a grid row that shows cut: every row a grid draws must show whole inside
//   the grid's view and inside the part of the grid its window really shows
//   (on the screen, inside every widget around it).
//
// The screen is the display's own. BX_SCREEN=WxH makes the program see a
// screen of that size instead (the display must be at least that big), so
// one desktop can play both screens the program is made for; scripts/test
// runs this test through scripts/desktop-test, under Xvfb with a window
// manager (openbox) at 1280 x 800 and at 1920 x 1080, so the main window
// gets the screen less a title bar as on a user's desktop; with
// BX_DESKTOP_WM=1 (set by that script) the test fails unless a window
// manager frames the main window. With BX_SHOTS_DIR set, each window and
// page is saved there as a picture.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"
#include "ui/grid.h"
#include "ui/grid_choices.h"
#include "ui/tabstrip.h"

namespace {

using bxtest::start_as_main;

using bxtest::settle;

std::string q(const QString& s) { return "\"" + s.toStdString() + "\""; }

std::string px_text(int n) { return std::to_string(n) + " px"; }

// The screen the program is to see: BX_SCREEN, else the display's own.
QSize wanted_screen() {
    const QSize own = QGuiApplication::primaryScreen()->geometry().size();
    const char* s = std::getenv("BX_SCREEN");
    int w = 0, h = 0;
    if (s && std::sscanf(s, "%dx%d", &w, &h) == 2 && w > 0 && h > 0) return QSize(w, h);
    return own;
}

class Checker {
public:
    explicit Checker(std::set<std::string>& faults) : faults_(faults) {}

    void check_form(bx::FormView& v) {
        for (ui::Control* c : v.form.controls()) {
            bx::ControlView* cv = v.find(c);
            QWidget* w = cv ? cv->widget() : nullptr;
            if (!w || !w->isVisible()) continue;
            const std::string name = v.form.name() + "." + c->name();
            if (auto* g = dynamic_cast<ui::Grid*>(c)) check_grid(name, *g, w, v);
            else check_widget(name, w);
        }
    }

private:
    void fault(const std::string& line) { faults_.insert(line); }

    void check_widget(const std::string& name, QWidget* w) {
        if (auto* l = qobject_cast<QLabel*>(w)) return check_label(name, l);
        if (auto* b = qobject_cast<QPushButton*>(w)) return check_button(name, b, QStyle::SE_PushButtonContents);
        if (auto* b = qobject_cast<QCheckBox*>(w)) return check_button(name, b, QStyle::SE_CheckBoxContents);
        if (auto* b = qobject_cast<QRadioButton*>(w)) return check_button(name, b, QStyle::SE_RadioButtonContents);
        if (auto* g = qobject_cast<QGroupBox*>(w)) return check_frame(name, g);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return check_line(name, e);
        if (auto* cb = qobject_cast<QComboBox*>(w)) return check_list(name, cb);
        if (auto* bar = w->findChild<QTabBar*>()) return check_tabs(name, bar);
    }

    void check_label(const std::string& name, QLabel* l) {
        const QString text = l->text();
        if (text.isEmpty()) return;
        const QRect room = l->contentsRect();
        int flags = static_cast<int>(l->alignment());
        if (l->wordWrap()) flags |= Qt::TextWordWrap;
        const QFontMetrics fm(l->font());
        const QRect need = fm.boundingRect(room, flags, text);
        const int lines = std::max(1, (need.height() + fm.height() / 2) / std::max(1, fm.lineSpacing()));
        if (need.width() > room.width())
            fault(name + " " + q(text) + ": a word needs " + px_text(need.width()) + " of width, has " +
                  px_text(room.width()));
        if (need.height() > room.height())
            fault(name + " " + q(text) + ": " + std::to_string(lines) + " line(s) need " + px_text(need.height()) +
                  " of height, has " + px_text(room.height()));
    }

    // A button's text inside the part of it the style leaves for its text.
    void check_button(const std::string& name, QAbstractButton* b, QStyle::SubElement part) {
        const QString text = b->text();
        if (text.isEmpty()) return;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = text;
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        QRect room = b->style()->subElementRect(part, &opt, b);
        if (part == QStyle::SE_PushButtonContents) {
            // The style's own margin around a button's text.
            const int m = b->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, b) / 2;
            room.adjust(m, 0, -m, 0);
        }
        room = room.intersected(b->rect());
        const QFontMetrics fm(b->font());
        const QRect need = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::TextShowMnemonic, text);
        if (need.width() > room.width() || need.height() > room.height())
            fault(name + " " + q(text) + ": needs " + std::to_string(need.width()) + "x" +
                  std::to_string(need.height()) + " px, has " + std::to_string(room.width()) + "x" +
                  std::to_string(room.height()));
    }

    // A frame's title: whole inside the frame, and not covered by a control
    // inside it.
    void check_frame(const std::string& name, QGroupBox* g) {
        const QString title = g->title();
        if (title.isEmpty()) return;
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = title;
        opt.lineWidth = 1;
        opt.textAlignment = g->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        const QFontMetrics fm(g->font());
        const int need_w = fm.horizontalAdvance(title);
        if (!g->rect().contains(label) || label.width() < need_w || label.height() < fm.height())
            fault(name + " title " + q(title) + ": needs " + px_text(need_w) + " at " + std::to_string(label.x()) +
                  ", frame is " + px_text(g->width()) + " wide");
        for (QWidget* child : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && child->geometry().intersects(label))
                fault(name + " title " + q(title) + " is covered by " + child->objectName().toStdString() + " (" +
                      child->metaObject()->className() + ")");
    }

    void check_line(const std::string& name, QLineEdit* e) {
        const QFontMetrics fm(e->font());
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        const QRect room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
        if (fm.height() > room.height())
            fault(name + " (text box): a line needs " + px_text(fm.height()) + ", has " + px_text(room.height()));
        const QString text = e->displayText();
        // A text box scrolls what is typed into it; a locked one only shows.
        if (e->isReadOnly() && fm.horizontalAdvance(text) > room.width() - 4)
            fault(name + " (locked box) " + q(text) + ": needs " + px_text(fm.horizontalAdvance(text)) + ", has " +
                  px_text(room.width() - 4));
    }

    void check_list(const std::string& name, QComboBox* cb) {
        QStyleOptionComboBox opt;
        opt.initFrom(cb);
        opt.editable = cb->isEditable();
        opt.subControls = QStyle::SC_All;
        const QRect field = cb->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, cb);
        const QFontMetrics fm(cb->font());
        if (fm.height() > field.height())
            fault(name + " (list): a line needs " + px_text(fm.height()) + ", has " + px_text(field.height()));
    }

    // A tab is as wide as its text needs; the strip shows the top of the
    // row of tabs, so the text must lie inside that.
    void check_tabs(const std::string& name, QTabBar* bar) {
        const QFontMetrics fm(bar->font());
        for (int i = 0; i < bar->count(); ++i) {
            const QRect r = bar->tabRect(i);
            const QString text = bar->tabText(i);
            const int text_top = r.top() + (r.height() - fm.height()) / 2;
            if (r.right() > bar->width() - 1 || fm.horizontalAdvance(text) > r.width() ||
                text_top < 0 || text_top + fm.height() > bar->height())
                fault(name + " tab " + q(text) + ": does not show whole in " + std::to_string(r.width()) + "x" +
                      std::to_string(bar->height()));
        }
    }

    // ---- grids ----

    void check_grid(const std::string& name, const ui::Grid& g, QWidget* w, bx::FormView& v) {
        const QFontMetrics fm(w->font());
        const int pad = bx::px(ui::kCellPadX / 2);
        const int rh = bx::px(g.RowHeight());
        // The widest text of each column that does not fit, and the highest
        // text of the grid.
        std::map<int, std::pair<int, std::string>> too_wide;
        int text_h = 0;
        std::string highest;
        std::set<std::string> measured;
        for (int c = 0; c < g.Cols(); ++c) {
            const int room = bx::px(g.ColWidth(c)) - 2 * pad;
            for (int r = 0; r < g.Rows(); ++r) {
                const std::string& s = g.TextMatrix(r, c);
                if (s.empty()) continue;
                const QString t = QString::fromStdString(s);
                const int tw = fm.horizontalAdvance(t);
                if (tw > room && (!too_wide.count(c) || too_wide[c].first < tw)) too_wide[c] = {tw, s};
                if (measured.insert(s).second) {
                    const int th = fm.boundingRect(QRect(0, 0, 100000, 1000), 0, t).height();
                    if (th > text_h) text_h = th, highest = s;
                }
            }
        }
        for (const auto& [c, wt] : too_wide)
            fault(name + " column " + std::to_string(c) + " " + q(QString::fromStdString(wt.second)) + ": needs " +
                  px_text(wt.first) + ", column leaves " + px_text(bx::px(g.ColWidth(c)) - 2 * pad));
        if (text_h > rh)
            fault(name + " row height " + px_text(rh) + " below the text " + q(QString::fromStdString(highest)) +
                  " (" + px_text(text_h) + ")");

        const ui::Grid::Layout l = g.layout();
        check_rows_whole(name, g, w, l);
        // Without a scroll bar every row must show whole as drawn, in
        // whole pixels.
        const int drawn = g.Rows() * rh + 2 * bx::px(ui::kGridBorder) + (l.hbar ? bx::px(ui::kScrollBarSize) : 0);
        if (!l.vbar && drawn > w->height())
            fault(name + " cuts its last row without a scroll bar: its rows take " + px_text(drawn) + ", it is " +
                  px_text(w->height()) + " high");
        if (l.hbar) {
            int total = 0;
            for (int c = 0; c < g.Cols(); ++c) total += g.ColWidth(c);
            const int need = bx::px(total + 2 * ui::kGridBorder + (l.vbar ? ui::kScrollBarSize : 0)) - w->width();
            const int spare = spare_room(w, v, Qt::Horizontal);
            if (need <= spare)
                fault(name + " has a horizontal scroll bar: its columns need " + px_text(need) +
                      " more, its window has " + px_text(spare) + " to spare");
        }
        if (l.vbar) {
            const int need = bx::px(g.Rows() * g.RowHeight() + 2 * ui::kGridBorder + (l.hbar ? ui::kScrollBarSize : 0)) -
                             w->height();
            const int spare = spare_room(w, v, Qt::Vertical);
            const int shown = l.page_rows;
            if (need <= spare)
                fault(name + " shows " + std::to_string(shown) + " of its " + std::to_string(g.Rows() - g.FixedRows()) +
                      " rows: the rest need " + px_text(need) + " more, its window has " + px_text(spare) +
                      " to spare");
        }
    }

    // The rows a grid draws (the fixed ones, then from its top row while
    // the view is not full, the last one possibly in part), each whole
    // inside the view and inside what the window shows of the grid.
    void check_rows_whole(const std::string& name, const ui::Grid& g, QWidget* w, const ui::Grid::Layout& l) {
        const QRect view(bx::px(l.view.x), bx::px(l.view.y), bx::px(l.view.w), bx::px(l.view.h));
        const int rh = bx::px(g.RowHeight());
        const int shown_bottom = std::min(view.bottom(), shown_part(w).bottom());
        int y = view.top();
        auto check = [&](int r) {
            if (y + rh - 1 > shown_bottom)
                fault(name + " shows row " + std::to_string(r) + " cut: " + px_text(shown_bottom + 1 - y) + " of its " +
                      px_text(rh) + " show (the grid is " + px_text(w->height()) + " high, " +
                      px_text(shown_bottom + 1) + " of it shown)");
        };
        for (int r = 0; r < g.FixedRows() && y <= view.bottom(); ++r, y += rh) check(r);
        for (int r = g.TopRow(); r < g.Rows() && y <= view.bottom(); ++r, y += rh) check(r);
    }

    // The part of a widget its window shows: inside every widget around it
    // and on the screen, in the widget's own coordinates.
    static QRect shown_part(QWidget* w) {
        QRect part = w->rect();
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            part &= QRect(w->mapFrom(p, QPoint(0, 0)), p->size());
        if (QScreen* s = w->screen()) part &= QRect(w->mapFromGlobal(s->geometry().topLeft()), s->geometry().size());
        return part;
    }

    // Whether a widget takes room: a visible one, and a progress bar or a
    // label hidden or empty now that an exchange shows and fills.
    static bool shows(QWidget* w) {
        return w->isVisible() || qobject_cast<QLabel*>(w) || qobject_cast<QProgressBar*>(w);
    }

    // The room a widget could grow by, to the right or downwards, if the
    // controls beside it moved on: at each level from the widget up to its
    // window's client area, the free strip between the furthest control
    // level with the widget (or its container) and the container's edge,
    // less a margin as wide as the widget's own distance from the near edge.
    static int spare_room(QWidget* w, bx::FormView& v, Qt::Orientation o) {
        const bool horiz = o == Qt::Horizontal;
        int total = 0;
        QWidget* at = w;
        while (at && at != v.client && at->parentWidget()) {
            QWidget* parent = at->parentWidget();
            const QRect me = at->geometry();
            int far = horiz ? me.right() : me.bottom();
            for (QWidget* s : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (s == at || !shows(s)) continue;
                const QRect r = s->geometry();
                const bool level = horiz ? (r.top() <= me.bottom() && r.bottom() >= me.top())
                                         : (r.left() <= me.right() && r.right() >= me.left());
                // Only what lies beyond the widget's start can be moved on.
                if (!level || (horiz ? r.left() < me.left() : r.top() < me.top())) continue;
                far = std::max(far, horiz ? r.right() : r.bottom());
            }
            const int edge = horiz ? parent->width() : parent->height();
            const int margin = std::max(0, horiz ? me.left() : std::min(me.left(), me.top()));
            total += std::max(0, edge - 1 - far - margin);
            if (parent == v.client) break;
            at = parent;
        }
        return total;
    }

    std::set<std::string>& faults_;
};

std::string joined(const std::set<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += "\n  " + l;
    return s;
}

void shoot(bx::QtRuntime& rt, bx::FormView& v, const std::string& name) {
    QWidget* w = v.main_window || !qobject_cast<QMdiSubWindow*>(v.top.data()) ? v.top.data()
                                                                              : rt.forms().main_window();
    bxtest::save_shot(w, name);
}

}  // namespace

TEST(Desktop, EveryTextFitsAndEveryGridShowsItsCellsInBothLanguages) {
    start_as_main();
    const std::string platform = QGuiApplication::platformName().toStdString();
    if (platform == "offscreen" || platform == "minimal")
        GTEST_SKIP() << "needs a real display (scripts/test runs this test under xvfb-run), not " << platform;
    const QSize own = QGuiApplication::primaryScreen()->geometry().size();
    const QSize screen = wanted_screen();
    if (screen.width() > own.width() || screen.height() > own.height())
        GTEST_SKIP() << "the display is " << own.width() << "x" << own.height() << ", smaller than "
                     << screen.width() << "x" << screen.height();
    const std::string size = std::to_string(screen.width()) + "x" + std::to_string(screen.height());

    bxtest::QtProgram program(false, screen == own ? QSize() : screen);
    bx::QtRuntime& rt = program.rt;
    bx::App& app = *program.app;
    settle();
    if (std::getenv("BX_DESKTOP_WM")) {
        // Under a window manager the main window has a frame with a title
        // bar, and its client area is what is left of the screen.
        QMainWindow* main = rt.forms().main_window();
        ASSERT_TRUE(main);
        for (int i = 0; i < 200 && main->frameGeometry().height() <= main->geometry().height(); ++i) settle();
        ASSERT_GT(main->frameGeometry().height(), main->geometry().height())
            << "BX_DESKTOP_WM is set, but no window manager framed the main window";
        std::printf("main window: client area %dx%d, frame %dx%d\n", main->width(), main->height(),
                    main->frameGeometry().width(), main->frameGeometry().height());
    }

    int checked = 0;
    for (int16_t chn : {int16_t{0}, int16_t{-1}}) {
        if (chn)
            app.MDImain->Language_chn_Click();
        else
            app.MDImain->Language_eng_Click();
        const std::string lang = chn ? "chn" : "eng";
        std::set<std::string> faults;
        Checker check(faults);
        for (ui::Form* f : app.forms()) {
            if (!f->IsMDIForm()) bx::App::Reopen(*f);
            settle();
            bx::FormView* v = rt.forms().view(*f);
            if (!f->Loaded() || !v) {
                ADD_FAILURE() << f->name() << " does not open (" << lang << ")";
                continue;
            }
            const std::string shot = "desktop-" + size + "-" + f->name() + "-" + lang;
            check.check_form(*v);
            shoot(rt, *v, shot);
            for (ui::Control* c : f->controls())
                if (auto* t = dynamic_cast<ui::TabStrip*>(c); t && t->Visible())
                    for (int i = 1; i <= t->TabCount(); ++i) {
                        t->click(i);
                        settle();
                        check.check_form(*v);
                        shoot(rt, *v, shot + "-" + t->name() + std::to_string(i));
                    }
            ++checked;
            if (!f->IsMDIForm()) bx::App::Unload(*f);
            settle();
        }
        EXPECT_TRUE(faults.empty()) << "at " << size << " in " << lang << ", " << faults.size()
                                    << " texts or grids do not show whole:" << joined(faults);
    }
    EXPECT_GE(checked, 2 * 20);
    app.End();
    settle();
}
