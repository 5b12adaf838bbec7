// A user's mouse and keys on the real widgets: events sent as Qt delivers
// them, so the front end's focus, wheel and key handling are what is tested.
#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRect>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <string>

#include "qt/host.h"
#include "qt_test_app.h"
#include "ui/grid.h"

namespace bxtest {

// A left click at `at` in w, then the front end settles.
inline void click(QWidget* w, QPoint at) {
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent ev(t, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                       t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &ev);
    }
    settle();
}

// Each character typed as a key press and release.
inline void type(QWidget* w, const std::string& text) {
    for (char ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(ch)));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(QChar(ch)));
        QApplication::sendEvent(w, &release);
    }
}

// A key (with modifiers: Ctrl+A, Ctrl+Z, Up, F4 ...) pressed and released
// in w, then the front end settles.
inline void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods);
    QApplication::sendEvent(w, &release);
    settle();
}

// The mouse wheel turned by `notches` (positive: away from the user) at `at`.
inline void wheel(QWidget* w, QPoint at, int notches) {
    QWheelEvent ev(QPointF(at), w->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
    settle();
}

// An input method's event in w: a composition shown as `preedit` (empty:
// none), committing `commit` (empty: nothing), then the front end settles.
inline void input_method(QWidget* w, const QString& preedit, const QString& commit = QString()) {
    QInputMethodEvent ev(preedit, {});
    if (!commit.isEmpty()) ev.setCommitString(commit);
    QApplication::sendEvent(w, &ev);
    settle();
}

// The item named `name` ("edit-undo", "edit-redo", "edit-paste" ...) of
// w's context menu chosen, as a user opening the menu by keyboard and
// clicking it would; then the front end settles.
inline void context_menu_item(QWidget* w, const QString& name) {
    QTimer::singleShot(0, [name] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* menu = qobject_cast<QMenu*>(top);
            if (!menu || !menu->isVisible()) continue;
            QAction* chosen = nullptr;
            for (QAction* a : menu->actions())
                if (a->objectName() == name && a->isEnabled()) chosen = a;
            menu->close();
            if (chosen) chosen->trigger();
        }
    });
    QContextMenuEvent ev(QContextMenuEvent::Keyboard, w->rect().center(), w->mapToGlobal(w->rect().center()));
    QApplication::sendEvent(w, &ev);
    settle();
}

// A grid cell's rectangle in pixels.
inline QRect px_rect(const ui::Grid::Rect& r) { return QRect(bx::px(r.x), bx::px(r.y), bx::px(r.w), bx::px(r.h)); }

}  // namespace bxtest
