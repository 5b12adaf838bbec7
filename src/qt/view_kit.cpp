#include "qt/view_kit.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <cstring>
#include <utility>

#include "ui/controls.h"

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

int line_height(const QFont& f) {
    return QFontMetrics(f).boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, QStringLiteral("Ag\u4e2d")).height();
}

int least_line_height(const ui::Control& c, QWidget* w) {
    return std::strcmp(c.kind(), "Label") == 0 ? line_height(w->font()) : field_line_height(w);
}

int field_line_height(QWidget* w) {
    constexpr int kProbe = 100;  // a height to measure the style's frame on
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox o;
        o.initFrom(list);
        o.editable = list->isEditable();
        o.subControls = QStyle::SC_All;
        o.rect = QRect(0, 0, kProbe, kProbe);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, list);
        return QFontMetrics(list->font()).height() + kProbe - field.height();
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame o;
        o.initFrom(box);
        o.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, box) : 0;
        o.rect = QRect(0, 0, kProbe, kProbe);
        const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &o, box);
        return QFontMetrics(box->font()).height() + kProbe - room.height();
    }
    return 0;
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

ui::Keystroke keystroke(const QKeyEvent* ke) {
    using N = ui::Keystroke::Name;
    using C = ui::Keystroke::Command;
    ui::Keystroke k;
    switch (ke->key()) {
    case Qt::Key_Up: k.name = N::Up; break;
    case Qt::Key_Down: k.name = N::Down; break;
    case Qt::Key_Left: k.name = N::Left; break;
    case Qt::Key_Right: k.name = N::Right; break;
    case Qt::Key_Home: k.name = N::Home; break;
    case Qt::Key_End: k.name = N::End; break;
    case Qt::Key_PageUp: k.name = N::PageUp; break;
    case Qt::Key_PageDown: k.name = N::PageDown; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: k.name = N::Enter; break;
    case Qt::Key_Escape: k.name = N::Escape; break;
    case Qt::Key_Backspace: k.name = N::Backspace; break;
    case Qt::Key_Delete: k.name = N::Delete; break;
    default: break;
    }
    if (ke->key() >= Qt::Key_A && ke->key() <= Qt::Key_Z) k.letter = static_cast<char>('A' + (ke->key() - Qt::Key_A));
    k.text = ss(ke->text());
    const Qt::KeyboardModifiers m = ke->modifiers();
    k.shift = m.testFlag(Qt::ShiftModifier);
    k.ctrl = m.testFlag(Qt::ControlModifier);
    k.alt = m.testFlag(Qt::AltModifier);
    k.meta = m.testFlag(Qt::MetaModifier);
    const std::pair<QKeySequence::StandardKey, C> commands[] = {{QKeySequence::Undo, C::Undo},
                                                                {QKeySequence::Redo, C::Redo},
                                                                {QKeySequence::Cut, C::Cut},
                                                                {QKeySequence::Copy, C::Copy},
                                                                {QKeySequence::Paste, C::Paste}};
    for (const auto& [seq, cmd] : commands)
        if (ke->matches(seq)) {
            k.command = cmd;
            break;
        }
    return k;
}

}  // namespace bx
