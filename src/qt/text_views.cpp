// Renderers of text boxes, combo boxes and list boxes. The widgets never
// edit by themselves: typed keys go through the control's typing rules
// (ui::TextEntry) at the cursor, and the cursor goes where the control says.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyleOptionFrame>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "qt/runtime.h"
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
// The control (ui::TextEntry) owns the text, the selection and the undo
// history; the line edit only shows them. Typed keys go to the control's
// typing rules where the cursor or selection is; whatever the line edit
// would change by itself (a paste by keys, context menu, middle button or
// drop, a cut, an input method) becomes a proposed edit the control judges
// as typing; Undo and Redo (keys and context menu) step through the
// control's history. After each of them the line edit is set back to the
// control's text and selection, so it never keeps a history or a text of
// its own. The user moving the cursor or the selection is the control's
// selection moving. Which key does what, and what a double-click selects,
// the control decides.

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

// What a text box and an editable combo's text part share: the typing, the
// widget's own edits judged by the typing rules, undo and redo, input
// methods, the text and selection shown, and Up and Down offered to the
// control.
class EntryView : public ControlView {
public:
    EntryView(ui::Control& c, FormView& f) : ControlView(c, f) {}

protected:
    virtual ui::TextEntry& entry() const = 0;
    virtual ui::Focusable& focusable() const = 0;

    // Watches line edit le: keys, input method, mouse; its own edits and
    // the user's cursor.
    void watch(QLineEdit* le) {
        watched_.push_back(le);
        // As long a text as the control may hold, no longer.
        le->setMaxLength(ui::kTextLengthLimit);
        le->installEventFilter(this);
        connect(le, &QLineEdit::textEdited, this, [this, le](const QString& t) {
            if (!showing_ && live()) judge_widget_edit(le, t);
        });
        // Not while an action runs on the control: the widget follows it then.
        auto moved = [this, le] {
            if (!showing_ && !user_action_ && live()) {
                const EditSpot at = spot_of(le);
                entry().user_selects(at.start, at.len);
            }
        };
        connect(le, &QLineEdit::cursorPositionChanged, this, moved);
        connect(le, &QLineEdit::selectionChanged, this, moved);
    }

    // Shows a text the program gave the control (the cursor at its end, as
    // the control puts it). During a user's action the control's text and
    // selection are shown when it ends.
    void show_text(QLineEdit* le, const QString& want) {
        if (user_action_ || le->text() == want) return;
        showing_ = true;
        le->setText(want);
        showing_ = false;
    }

    // Shows the selection code gave the control (a cell editor opening).
    void show_selection(QLineEdit* le) { show_entry(le); }

    // The line edit scrolled to the beginning of its text; the control's
    // cursor stays where it is.
    void show_beginning(QLineEdit* le) {
        showing_ = true;
        le->setCursorPosition(0);
        showing_ = false;
    }

    // The composition, if one is open, is dropped (the focus left).
    void drop_composition() {
        if (!entry().composing()) return;
        entry().drop_composition();
        QGuiApplication::inputMethod()->reset();
    }

    // The control ended its composition without a commit (the program set
    // the text or the selection, or moved the focus): the input method
    // forgets its open text too, before the focus moves and Qt would have
    // it committed.
    void composition_ended(QLineEdit* le) {
        if (!ime_open_) return;
        ime_open_ = false;
        if (auto* app = dynamic_cast<QtApplication*>(QCoreApplication::instance())) app->composition_closed(le);
        QGuiApplication::inputMethod()->reset();
    }

    ~EntryView() override {
        if (auto* app = dynamic_cast<QtApplication*>(QCoreApplication::instance()))
            for (QLineEdit* le : watched_) app->composition_closed(le);
    }

    // An event reaching le (or the list holding it). Returns whether it was
    // taken.
    bool entry_event(QLineEdit* le, QEvent* e) {
        spot_ = spot_of(le);
        switch (e->type()) {
        case QEvent::KeyPress: {
            const ui::Keystroke k = keystroke(static_cast<QKeyEvent*>(e));
            return offer_key(k) || hand_key(le, k);
        }
        case QEvent::InputMethod: input_method(le, static_cast<QInputMethodEvent*>(e)); return true;
        case QEvent::ContextMenu: context_menu(le, static_cast<QContextMenuEvent*>(e)); return true;
        case QEvent::MouseButtonPress: entry().mouse_press(); return false;
        case QEvent::MouseButtonDblClick:
            // The control keeps the whole text selected, or the widget
            // selects a word.
            if (!entry().double_click()) return false;
            le->selectAll();
            return true;
        default: return false;
        }
    }

    // A key offered to the control before its other uses (a cell editor
    // leaves its cell; a page key pages its grid). Returns whether it was
    // taken.
    bool offer_key(const ui::Keystroke& k) {
        if (!ui::Focusable::offered(k)) return false;
        bool taken = false;
        forward([&] { taken = focusable().offer_key(k); });
        return taken;
    }

    // A key as the control judges it: the control's goes to it as a user's
    // action, at the line edit's selection (le, which then shows the
    // control's text), and an idle one is taken. Returns whether it was
    // taken; one not taken is the widget's.
    bool hand_key(QLineEdit* le, const ui::Keystroke& k) {
        switch (entry().key_use(k)) {
        case ui::KeyUse::Widget: return false;
        case ui::KeyUse::Idle: return true;
        case ui::KeyUse::Control: break;
        }
        if (!le) {
            forward([&] { entry().press(k, 0, 0); });
            return true;
        }
        const EditSpot at = spot_of(le);
        ui::TextEntry& en = entry();
        user_action(le, [&] { en.press(k, at.start, at.len); });
        return true;
    }

    EditSpot spot_;

private:
    // A user's action on the control, then the line edit shows the
    // control's text and selection.
    void user_action(QLineEdit* le, const std::function<void()>& action) {
        const QPointer<QLineEdit> guard(le);
        const bool outer = user_action_;
        user_action_ = true;
        forward(action);
        user_action_ = outer;
        if (!outer && guard && live()) show_entry(le);
    }

    // The line edit set to the control's text and selection. Setting the
    // text also empties the line edit's own undo history.
    void show_entry(QLineEdit* le) {
        const QString want = qs(entry_text());
        showing_ = true;
        le->setText(want);
        const int a = utf16_pos(want, entry().SelStart());
        const int b = utf16_pos(want, entry().SelStart() + entry().SelLength());
        if (b > a) le->setSelection(a, b - a);
        else le->setCursorPosition(a);
        showing_ = false;
    }

    // Undo (dir -1) or Redo (+1), from the context menu.
    void step_history(QLineEdit* le, int dir) {
        if (le->isReadOnly()) return;
        ui::TextEntry& en = entry();
        user_action(le, [&] { dir < 0 ? en.undo() : en.redo(); });
    }

    // An input method's event. The line edit never sees it: a composition
    // changes nothing on screen or stored until it commits, and its commit
    // is typed over the selection that stood when it began (control layer).
    void input_method(QLineEdit* le, QInputMethodEvent* ie) {
        const QString commit = ie->commitString();
        ui::TextEntry& en = entry();
        // An input method deleting characters around the cursor while its
        // composition stays open commits nothing: the box stays as it is.
        if (commit.isEmpty() && ie->replacementLength() > 0 && en.composing()) return;
        if (!commit.isEmpty() || ie->replacementLength() > 0) {
            // Where the input method replaces characters around the cursor,
            // in characters.
            const QString t = le->text();
            const int cur = le->cursorPosition();
            const int from = char_pos(t, cur + ie->replacementStart()) - char_pos(t, cur);
            const int len = char_pos(t, cur + ie->replacementStart() + ie->replacementLength()) -
                            char_pos(t, cur + ie->replacementStart());
            user_action(le, [&] { en.commit_composition(ss(commit), from, len); });
        }
        if (!live()) return;
        if (ie->preeditString().isEmpty()) {
            ime_open_ = false;  // the input method holds nothing open
            en.drop_composition();
        } else if (!en.composing()) {
            const EditSpot at = spot_of(le);
            en.compose(at.start, at.len);
        }
        // While it is open, a focus move ends it first (QtApplication).
        auto* app = dynamic_cast<QtApplication*>(QCoreApplication::instance());
        if (en.composing() && !ime_open_) {
            ime_open_ = true;
            if (app) app->composition_opened(le, [this, guard = QPointer<QLineEdit>(le)] {
                    if (guard && live()) {
                        ime_open_ = false;
                        entry().drop_composition();
                    }
                    QGuiApplication::inputMethod()->reset();
                });
        } else if (!en.composing()) {
            ime_open_ = false;
            if (app) app->composition_closed(le);
        }
    }

    // The line edit's context menu, its Undo and Redo stepping through the
    // control's history; its other items are the line edit's own edits,
    // judged as every other.
    void context_menu(QLineEdit* le, QContextMenuEvent* ce) {
        const QPointer<QLineEdit> guard(le);
        const std::unique_ptr<QMenu> menu(le->createStandardContextMenu());
        // The menu's Undo and Redo are the items that show their keys.
        auto keys = [](QKeySequence::StandardKey k) {
            return QLatin1Char('\t') + QKeySequence(k).toString(QKeySequence::NativeText);
        };
        const QString undo_keys = keys(QKeySequence::Undo), redo_keys = keys(QKeySequence::Redo);
        for (QAction* a : menu->actions()) {
            const int dir = a->text().endsWith(undo_keys) ? -1 : a->text().endsWith(redo_keys) ? 1 : 0;
            if (dir == 0) continue;
            a->setObjectName(dir < 0 ? QStringLiteral("edit-undo") : QStringLiteral("edit-redo"));
            a->disconnect();
            a->setEnabled(!le->isReadOnly() && (dir < 0 ? entry().can_undo() : entry().can_redo()));
            connect(a, &QAction::triggered, this, [this, guard, dir] {
                if (guard && live()) step_history(guard, dir);
            });
        }
        menu->exec(ce->globalPos());
    }

    // An edit the line edit made by itself: a paste (keys, context menu,
    // middle button, a dropped text) or a cut. It replaced one stretch of
    // the control's text by another: the selection the widget had just
    // before (`spot_`, noted as every event reached it) when the new text
    // fits it, otherwise the stretch where old and new text differ. The
    // control judges it as the user's Delete over the removed stretch, or
    // as a paste of the inserted one over it, by its typing rules.
    void judge_widget_edit(QLineEdit* le, const QString& edited) {
        const auto a = qs(entry_text()).toUcs4();
        const auto b = edited.toUcs4();
        const qsizetype na = a.size(), nb = b.size();
        qsizetype start = std::clamp<qsizetype>(spot_.start, 0, na);
        qsizetype removed = std::clamp<qsizetype>(spot_.len, 0, na - start);
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
        ui::TextEntry& en = entry();
        user_action(le, [&] {
            if (inserted.isEmpty()) {
                if (r > 0) en.cut_at(s, r);
            } else {
                en.paste_at(ss(inserted), s, r);
            }
        });
        if (live()) spot_ = spot_of(le);
    }

    virtual std::string entry_text() const = 0;

    std::vector<QLineEdit*> watched_;
    bool ime_open_ = false;     // the input method shows a composition here
    bool user_action_ = false;  // a user's action on the control runs
    bool showing_ = false;      // the widget shows the control's text: no edit of the user's
};

class TextView : public EntryView {
public:
    TextView(ui::TextBox& c, FormView& f, QWidget* parent) : EntryView(c, f), w_(new QLineEdit(parent)) { watch(w_); }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        ui::TextBox& c = box();
        // Each setter only on a real change. The box's MaxLength is the
        // control's typing rule; the line edit shows all the control holds.
        if (any(prop, {"Text"})) show_text(w_, qs(c.Text()));
        if (any(prop, {"Locked"}) && w_->isReadOnly() != c.Locked()) w_->setReadOnly(c.Locked());
        if (any(prop, {"PasswordChar"})) {
            const auto mode = c.PasswordChar().empty() ? QLineEdit::Normal : QLineEdit::Password;
            if (w_->echoMode() != mode) w_->setEchoMode(mode);
            // The mask is the control's own character.
            const auto mask = qs(c.PasswordChar()).toUcs4();
            const QString sheet =
                mask.isEmpty() ? QString()
                               : QStringLiteral("QLineEdit { lineedit-password-character: %1; }").arg(mask.front());
            if (w_->styleSheet() != sheet) w_->setStyleSheet(sheet);
        }
        if (any(prop, {"Alignment"}))
            if (const Qt::Alignment a = horizontal(c.Alignment()) | Qt::AlignVCenter; w_->alignment() != a) w_->setAlignment(a);
        if (is(prop, "Sel")) show_selection(w_);
        if (is(prop, "Composition")) composition_ended(w_);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (!live()) return false;
        switch (e->type()) {
        case QEvent::FocusOut: drop_composition(); [[fallthrough]];
        case QEvent::FocusIn: forward_focus(*this, box(), w_, e); return false;
        default:
            if (left_click_inside(w_, e))
                forward([this] {
                    if (box().usable()) ui::fire(box().Click);
                });
            return entry_event(w_, e);
        }
    }

private:
    ui::TextBox& box() const { return static_cast<ui::TextBox&>(control()); }
    ui::TextEntry& entry() const override { return box(); }
    ui::Focusable& focusable() const override { return box(); }
    std::string entry_text() const override { return box().Text(); }
    QLineEdit* w_;
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

// Lists inside a frame are drawn through the frame's style sheet. That
// style keeps what it works out for each widget it draws and forgets it
// when the widget is destroyed; but for the parts a list is made of (its
// text part, its drop-down) it watches for that only when the part has a
// sheet of its own. Without one, every such part made stayed in its memory
// for good: kilobytes per window opened. An empty sheet draws nothing
// differently.
void keep_tracked(QWidget* part) {
    if (part->styleSheet().isEmpty()) part->setStyleSheet(QStringLiteral("/* a sheet of its own */"));
}

// A drop-down list whose chosen text is wider than its box ends that text
// with an ellipsis, instead of cutting it off in the middle of a letter,
// and shows it whole as its tooltip.
class EllipsisCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

    // The drop-down is made on first use, and has its own sheet before it
    // is shown (see keep_tracked).
    void showPopup() override {
        keep_tracked(view()->parentWidget());
        QComboBox::showPopup();
    }

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

class ComboView : public EntryView {
public:
    ComboView(ui::ComboBox& c, FormView& f, QWidget* parent) : EntryView(c, f), w_(new EllipsisCombo(parent)) {
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
            QLineEdit* le = w_->lineEdit();
            // The text first, so a position naming it leaves the text part
            // (and its undo) alone; a position of none empties it, so the
            // text is shown again after.
            if (le) show_text(le, qs(c.Text()));
            if (w_->currentIndex() != c.ListIndex()) w_->setCurrentIndex(c.ListIndex());
            if (le) show_text(le, qs(c.Text()));
            // A text wider than the box shows its beginning while the user is elsewhere.
            if (le && !le->hasFocus()) show_beginning(le);
        }
        if (any(prop, {"Locked"}))
            if (QLineEdit* le = w_->lineEdit(); le && le->isReadOnly() != c.Locked()) le->setReadOnly(c.Locked());
        if (is(prop, "Sel"))
            if (QLineEdit* le = w_->lineEdit()) show_selection(le);
        if (is(prop, "Composition"))
            if (QLineEdit* le = w_->lineEdit()) composition_ended(le);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!live()) return false;
        QLineEdit* le = w_->lineEdit();
        switch (e->type()) {
        case QEvent::FocusOut: drop_composition(); [[fallthrough]];
        case QEvent::FocusIn: forward_focus(*this, combo(), w_, e); return false;
        case QEvent::Wheel: return pass_wheel_on(e);
        default: break;
        }
        if (le) {
            // The list is its text part's focus proxy: keys reach the list
            // (or, sent there, the text part); both go to the text part's
            // typing. A key the text part leaves comes on to the list.
            if (o == le || e->type() == QEvent::KeyPress || e->type() == QEvent::InputMethod)
                return entry_event(le, e);
            return false;
        }
        // A list without a text part: keys go to the control's rules
        // (typed characters search the list); Up and Down are offered to
        // the control first.
        if (e->type() == QEvent::KeyPress) {
            const ui::Keystroke k = keystroke(static_cast<QKeyEvent*>(e));
            return offer_key(k) || hand_key(nullptr, k);
        }
        if (e->type() == QEvent::InputMethod) {
            auto* ie = static_cast<QInputMethodEvent*>(e);
            if (!ie->commitString().isEmpty()) search_keys(ie->commitString());
            ie->setCommitString(QString());
            return false;
        }
        return false;
    }

private:
    // Characters typed over a list without a text part, judged as a key
    // typing them. Returns whether they were taken.
    bool search_keys(const QString& text) {
        ui::Keystroke k;
        k.text = ss(text);
        return hand_key(nullptr, k);
    }
    void set_editable(bool editable) {
        if (w_->isEditable() == editable) return;
        QSignalBlocker block(w_);
        if (editable) {
            // Made without a parent, so it has its own sheet before it
            // first meets the frame's style (see keep_tracked).
            auto* le = new EllipsisLineEdit();
            keep_tracked(le);
            w_->setLineEdit(le);
        } else {
            w_->setEditable(false);
        }
        if (QLineEdit* le = w_->lineEdit()) {
            w_->setCompleter(nullptr);  // no completion behind the control's back
            watch(le);
        }
    }
    ui::ComboBox& combo() const { return static_cast<ui::ComboBox&>(control()); }
    ui::TextEntry& entry() const override { return combo(); }
    ui::Focusable& focusable() const override { return combo(); }
    std::string entry_text() const override { return combo().Text(); }
    QComboBox* w_;
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
