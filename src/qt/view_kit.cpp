#include "qt/view_kit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>

#include <cstring>

namespace bx {

bool is(const char* prop, const char* name) { return std::strcmp(prop, name) == 0; }
bool any(const char* prop, std::initializer_list<const char*> names) {
    if (is(prop, "*")) return true;
    for (const char* n : names)
        if (is(prop, n)) return true;
    return false;
}


QString plain_caption(const std::string& caption) {
    QString in = qs(caption), out;
    for (int i = 0; i < in.size(); ++i) {
        if (in[i] == QLatin1Char('&')) {
            if (i + 1 < in.size() && in[i + 1] == QLatin1Char('&')) out += QLatin1Char('&'), ++i;
            continue;
        }
        out += in[i];
    }
    return out;
}

Qt::Alignment horizontal(int alignment) {
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

bool window_switch(QFocusEvent* fe) {
    return fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason;
}

void forward_focus(ControlView& v, ui::Focusable& c, QWidget* w, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        v.forward([&c] { c.focus(); });
    } else if (e->type() == QEvent::FocusOut) {
        if (window_switch(static_cast<QFocusEvent*>(e))) return;
        QWidget* now = QApplication::focusWidget();
        if (now && (now == w || w->isAncestorOf(now))) return;  // within the control
        v.forward([&c] { c.blur(); });
    }
}

bool pass_wheel_on(QEvent* e) {
    if (e->type() != QEvent::Wheel) return false;
    e->ignore();
    return true;
}

bool left_click_inside(QWidget* w, QEvent* e) {
    if (e->type() != QEvent::MouseButtonRelease) return false;
    auto* me = static_cast<QMouseEvent*>(e);
    return me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint());
}

}  // namespace bx
