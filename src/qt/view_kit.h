// What every control renderer shares: property-name tests, text
// conversions, the focus and click forwarding of a widget, Qt keys as the
// controls' keys, and the one template that makes a renderer of a view
// class. The renderers themselves
// are grouped by kind: basic_views.cpp (labels, buttons, frames, pictures,
// check and option boxes, progress bars), text_views.cpp (text boxes, combo
// and list boxes, with the typing), bar_views.cpp (menus, toolbar, status
// bar), filelists_widgets.cpp (drive, folder and file lists).
#pragma once

#include <QString>

#include <initializer_list>
#include <memory>
#include <string>

#include "qt/host.h"
#include "ui/focus.h"
#include "ui/keys.h"

class QEvent;
class QFont;
class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace bx {

// Whether property `prop` is `name`; any(): one of `names`, or "*".
bool is(const char* prop, const char* name);
bool any(const char* prop, std::initializer_list<const char*> names);

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// A caption with its "&" access-key marks taken out ("&&" stays one "&"),
// for widgets that show text as it is.
QString plain_caption(const std::string& caption);
// A control's Alignment (0 left, 1 right, 2 centre) as Qt's.
Qt::Alignment horizontal(int alignment);

// The height one line of text takes in font f as a label lays it out, in
// pixels: a Latin and a CJK glyph, so a line in either language fits (the
// CJK fallback font is the taller one).
int line_height(const QFont& f);
// The least height a text box or list widget w shows one line of its text
// in, in pixels: a line with its frame and margins in the widget's style;
// 0 for other widgets.
int field_line_height(QWidget* w);
// The same for control c's widget w, and for a label a line.
int least_line_height(const ui::Control& c, QWidget* w);

// Focus that leaves because another window or a pop-up came up is not a
// move to another control.
bool window_switch(QFocusEvent* fe);
// Focus moving into a control's widget w (or out of it, to no part of it)
// is the control's focus moving.
void forward_focus(ControlView& v, ui::Focusable& c, QWidget* w, QEvent* e);
// The wheel over a list that is closed, or over the tab strip, would
// change the choice without a click: the widget never sees it, and the
// event goes on to the widgets around it (a grid scrolls). Returns whether
// e was the wheel, for an event filter to return.
bool pass_wheel_on(QEvent* e);
// A left-button release inside w.
bool left_click_inside(QWidget* w, QEvent* e);
// A Qt key event as the key a control judges (ui/keys.h): which key, the
// characters it types, the modifiers, and the desktop's edit command it is.
ui::Keystroke keystroke(const QKeyEvent* ke);

// The renderer of view class V for controls of class C: V(C&, FormView&,
// QWidget* parent).
template <class C, class V>
Renderer widget_renderer() {
    return [](ui::Control& c, FormView& f, QWidget* parent) -> std::unique_ptr<ControlView> {
        return std::make_unique<V>(static_cast<C&>(c), f, parent);
    };
}

// The groups of renderers, registered by register_standard_renderers.
void register_basic_renderers(RendererRegistry& r);
void register_text_renderers(RendererRegistry& r);
void register_bar_renderers(RendererRegistry& r);

}  // namespace bx
