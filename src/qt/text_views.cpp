// Renderers of text boxes, combo boxes and list boxes. The widgets never
// edit by themselves: typed keys go through the control's typing rules
// (ui::TextEntry) at the cursor, and the cursor goes where the control says.
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionFrame>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>
#include <type_traits>
#include <vector>

#include "qt/view_kit.h"
#include "ui/controls.h"

namespace bx {

namespace {

// Character positions (what the controls count) and the line edit's
// UTF-16 positions.
int char_pos(const QString& text, int utf16) {
    return static_cast<int>(text.left(std::clamp(utf16, 0, static_cast<int>(text.size()))).toUcs4().size());
}
int utf16_pos(const QString& text, int chars) {
    const auto cs = text.toUcs4();
    chars = std::clamp(chars, 0, static_cast<int>(cs.size()));
    return static_cast<int>(QString::fromUcs4(reinterpret_cast<const char32_t*>(cs.constData()), chars).size());
}

// ---- typing into a text box or an editable combo ----
//
// The widget never edits by itself: every character goes through the
// control's typing rules (ui::TextEntry), where the cursor or selection is.
// After the edit the cursor goes where the control says.
void edit_at(ControlView& v, ui::TextEntry& entry, QLineEdit* le, int key, bool del) {
    const QString before = le->text();
    int start = le->cursorPosition(), len = 0;
    if (le->hasSelectedText()) start = le->selectionStart(), len = static_cast<int>(le->selectedText().size());
    const int cstart = char_pos(before, start);
    const int clen = char_pos(before, start + len) - cstart;
    int cursor = -1;
    v.forward([&] { cursor = del ? entry.delete_at(cstart, clen) : entry.type_at(key, cstart, clen); });
    if (cursor >= 0 && v.live()) le->setCursorPosition(utf16_pos(le->text(), cursor));
}

// A key pressed in the line edit of a text entry. Returns whether it was taken.
bool route_key(ControlView& v, ui::TextEntry& entry, QLineEdit* le, QKeyEvent* ke) {
    if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (ke->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: edit_at(v, entry, le, 13, false); return true;
    case Qt::Key_Escape: edit_at(v, entry, le, 27, false); return true;
    case Qt::Key_Backspace: edit_at(v, entry, le, 8, false); return true;
    case Qt::Key_Delete: edit_at(v, entry, le, 0, true); return true;
    default: break;
    }
    const QString text = ke->text();
    if (text.isEmpty()) return false;
    const auto codes = text.toUcs4();
    for (char32_t cp : codes)
        if (cp < 0x20 || cp == 0x7F) return false;  // a control key: the widget's own
    for (char32_t cp : codes) edit_at(v, entry, le, static_cast<int>(cp), false);
    return true;
}

// Characters an input method commits go the same way; its pre-edit text
// stays the widget's.
void route_input_method(ControlView& v, ui::TextEntry& entry, QLineEdit* le, QInputMethodEvent* ie) {
    const QString commit = ie->commitString();
    if (commit.isEmpty()) return;
    ie->setCommitString(QString());
    for (char32_t cp : commit.toUcs4())
        if (cp >= 0x20) edit_at(v, entry, le, static_cast<int>(cp), false);
}

// The selection (or the cursor, len 0) of a line edit, in characters.
struct EditSpot {
    int start = 0, len = 0;
};
EditSpot spot_of(const QLineEdit* le) {
    const QString t = le->text();
    int start = le->cursorPosition(), len = 0;
    if (le->hasSelectedText()) start = le->selectionStart(), len = static_cast<int>(le->selectedText().size());
    const int cstart = char_pos(t, start);
    return {cstart, char_pos(t, start + len) - cstart};
}

// An edit the line edit made by itself: a paste (keys, context menu,
// middle button, a dropped text), a cut, an undo. It replaced one stretch
// of the control's text by another: the selection the widget had just
// before (`spot`, noted as every event reached it) when the new text fits
// it, otherwise the stretch where old and new text differ. The control
// judges it as the user's Delete over the removed stretch, or as a paste of
// the inserted one over it, by its typing rules; afterwards the widget
// shows the control's text again, whatever was refused.
void judge_widget_edit(ControlView& v, ui::TextEntry& entry, const std::string& held, QLineEdit* le,
                       const QString& edited, EditSpot spot) {
    const auto a = qs(held).toUcs4();
    const auto b = edited.toUcs4();
    const qsizetype na = a.size(), nb = b.size();
    qsizetype start = std::clamp<qsizetype>(spot.start, 0, na);
    qsizetype removed = std::clamp<qsizetype>(spot.len, 0, na - start);
    const qsizetype keep = na - start - removed;  // the part after the stretch
    bool fits = nb >= start + keep;
    for (qsizetype i = 0; fits && i < start; ++i) fits = a[i] == b[i];
    for (qsizetype i = 0; fits && i < keep; ++i) fits = a[na - 1 - i] == b[nb - 1 - i];
    qsizetype inserted_len = nb - start - keep;
    if (!fits) {
        qsizetype pre = 0;
        while (pre < na && pre < nb && a[pre] == b[pre]) ++pre;
        qsizetype suf = 0;
        while (suf < na - pre && suf < nb - pre && a[na - 1 - suf] == b[nb - 1 - suf]) ++suf;
        start = pre;
        removed = na - pre - suf;
        inserted_len = nb - pre - suf;
    }
    const QString inserted =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(b.constData()) + start, inserted_len);
    const int s = static_cast<int>(start), r = static_cast<int>(removed);
    int cursor = -1;
    v.forward([&] {
        if (inserted.isEmpty())
            cursor = r > 0 ? entry.cut_at(s, r) : -1;
        else
            cursor = entry.paste_at(ss(inserted), s, r);
    });
    if (!v.live()) return;
    v.update("*");  // also when the control refused and kept its text
    le->setCursorPosition(utf16_pos(le->text(), cursor >= 0 ? cursor : s));
}

class TextView : public ControlView {
public:
    TextView(ui::TextBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QLineEdit(parent)) {
        w_->installEventFilter(this);
        // Edits that are no typed keys (paste, cut, undo, a dropped text)
        // are judged by the typing rules like the keys would be.
        connect(w_, &QLineEdit::textEdited, this,
                [this](const QString& t) { judge_widget_edit(*this, box(), box().Text(), w_, t, spot_); });
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        ui::TextBox& c = box();
        if (any(prop, {"Text"}) && w_->text() != qs(c.Text())) w_->setText(qs(c.Text()));
        if (any(prop, {"MaxLength"})) w_->setMaxLength(c.MaxLength() > 0 ? c.MaxLength() : 32767);
        if (any(prop, {"Locked"})) w_->setReadOnly(c.Locked());
        if (any(prop, {"PasswordChar"})) w_->setEchoMode(c.PasswordChar().empty() ? QLineEdit::Normal : QLineEdit::Password);
        if (any(prop, {"Alignment"})) w_->setAlignment(horizontal(c.Alignment()) | Qt::AlignVCenter);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (!live()) return false;
        spot_ = spot_of(w_);
        switch (e->type()) {
        case QEvent::KeyPress: return route_key(*this, box(), w_, static_cast<QKeyEvent*>(e));
        case QEvent::InputMethod:
            route_input_method(*this, box(), w_, static_cast<QInputMethodEvent*>(e));
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut: forward_focus(*this, box(), w_, e); return false;
        default:
            if (left_click_inside(w_, e))
                forward([this] {
                    if (box().usable()) ui::fire(box().Click);
                });
            return false;
        }
    }

private:
    ui::TextBox& box() const { return static_cast<ui::TextBox&>(control()); }
    QLineEdit* w_;
    EditSpot spot_;
};

// Rebuilds a list widget's items only when they differ from the control's.
template <class W>
void mirror_items(W* w, const std::vector<std::string>& items) {
    bool same = w->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < w->count(); ++i) {
        if constexpr (std::is_same_v<W, QComboBox>) same = w->itemText(i) == qs(items[i]);
        else same = w->item(i)->text() == qs(items[i]);
    }
    if (same) return;
    QSignalBlocker block(w);
    w->clear();
    QStringList list;
    for (const std::string& s : items) list << qs(s);
    w->addItems(list);
}

// A drop-down list whose chosen text is wider than its box ends that text
// with an ellipsis, instead of cutting it off in the middle of a letter,
// and shows it whole as its tooltip.
class EllipsisCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* e) override {
        if (isEditable()) return QComboBox::paintEvent(e);
        QStylePainter p(this);
        p.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        p.drawComplexControl(QStyle::CC_ComboBox, opt);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
        const QString whole = opt.currentText;
        opt.currentText = fontMetrics().elidedText(whole, Qt::ElideRight, field.width());
        const QString tip = opt.currentText == whole ? QString() : whole;
        if (toolTip() != tip) setToolTip(tip);
        p.drawControl(QStyle::CE_ComboBoxLabel, opt);
    }
};

// The text part of a list with one: while the user is elsewhere, a text it
// has no room for ends with an ellipsis and is the list's tooltip; with
// the focus it shows the text as typed, cursor and all.
class EllipsisLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* e) override {
        QStyleOptionFrame opt;
        initStyleOption(&opt);
        const QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this).adjusted(2, 0, -2, 0);
        const bool fits = fontMetrics().horizontalAdvance(text()) <= room.width();
        if (QWidget* list = parentWidget(); list && list->toolTip() != (fits ? QString() : text()))
            list->setToolTip(fits ? QString() : text());
        if (fits || hasFocus()) return QLineEdit::paintEvent(e);
        QPainter p(this);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &p, this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        p.drawText(room, Qt::AlignVCenter | Qt::AlignLeft, fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
    }
};

class ComboView : public ControlView {
public:
    ComboView(ui::ComboBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new EllipsisCombo(parent)) {
        w_->setInsertPolicy(QComboBox::NoInsert);
        w_->setMaxVisibleItems(16);
        w_->installEventFilter(this);
        connect(w_, &QComboBox::activated, this, [this](int i) {
            forward([this, i] {
                if (!combo().Locked()) combo().pick(i);
            });
        });
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        ui::ComboBox& c = combo();
        if (any(prop, {"Style"})) set_editable(c.Style() == 0);
        if (any(prop, {"List"})) mirror_items(w_, c.items());
        if (any(prop, {"List", "ListIndex", "Text"})) {
            QSignalBlocker block(w_);
            if (w_->currentIndex() != c.ListIndex()) w_->setCurrentIndex(c.ListIndex());
            if (QLineEdit* le = w_->lineEdit(); le && le->text() != qs(c.Text())) le->setText(qs(c.Text()));
            // A text wider than the box shows its beginning while the user is elsewhere.
            if (QLineEdit* le = w_->lineEdit(); le && !le->hasFocus()) le->setCursorPosition(0);
        }
        if (any(prop, {"Locked"}))
            if (QLineEdit* le = w_->lineEdit()) le->setReadOnly(c.Locked());
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!live()) return false;
        QLineEdit* le = w_->lineEdit();
        if (le && o == le) spot_ = spot_of(le);
        switch (e->type()) {
        case QEvent::KeyPress:
            if (!le) return false;
            return route_key(*this, combo(), le, static_cast<QKeyEvent*>(e));
        case QEvent::InputMethod:
            if (le) route_input_method(*this, combo(), le, static_cast<QInputMethodEvent*>(e));
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut: forward_focus(*this, combo(), w_, e); return false;
        case QEvent::Wheel: return pass_wheel_on(e);
        default: break;
        }
        return false;
    }

private:
    void set_editable(bool editable) {
        if (w_->isEditable() == editable) return;
        QSignalBlocker block(w_);
        if (editable)
            w_->setLineEdit(new EllipsisLineEdit(w_));
        else
            w_->setEditable(false);
        if (QLineEdit* le = w_->lineEdit()) {
            w_->setCompleter(nullptr);  // no completion behind the control's back
            le->installEventFilter(this);
            connect(le, &QLineEdit::textEdited, this,
                    [this, le](const QString& t) { judge_widget_edit(*this, combo(), combo().Text(), le, t, spot_); });
        }
    }
    ui::ComboBox& combo() const { return static_cast<ui::ComboBox&>(control()); }
    QComboBox* w_;
    EditSpot spot_;
};

class ListView : public ControlView {
public:
    ListView(ui::ListBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QListWidget(parent)) {
        w_->setSelectionMode(QAbstractItemView::SingleSelection);
        w_->installEventFilter(this);
        // The user's selection, not the current row: focusing the list moves
        // the current row without choosing anything.
        connect(w_, &QListWidget::itemSelectionChanged, this, [this] {
            const auto sel = w_->selectedItems();
            if (sel.isEmpty()) {
                update("*");
                return;
            }
            const int row = w_->row(sel.front());
            forward([this, row] { list().pick(row); });
        });
    }
    QWidget* widget() const override { return w_; }
    bool eventFilter(QObject*, QEvent* e) override {
        if (live()) forward_focus(*this, list(), w_, e);
        return false;
    }
    void sync(const char* prop) override {
        if (any(prop, {"List"})) mirror_items(w_, list().items());
        if (any(prop, {"List", "ListIndex"})) {
            const int i = list().ListIndex();
            const auto sel = w_->selectedItems();
            const int shown = sel.isEmpty() ? -1 : w_->row(sel.front());
            if (shown != i) {
                QSignalBlocker block(w_);
                if (i < 0) w_->clearSelection();
                else w_->setCurrentRow(i);
            }
        }
    }

private:
    ui::ListBox& list() const { return static_cast<ui::ListBox&>(control()); }
    QListWidget* w_;
};

}  // namespace

void register_text_renderers(RendererRegistry& r) {
    r.add("TextBox", widget_renderer<ui::TextBox, TextView>());
    r.add("ComboBox", widget_renderer<ui::ComboBox, ComboView>());
    r.add("ListBox", widget_renderer<ui::ListBox, ListView>());
}

}  // namespace bx
