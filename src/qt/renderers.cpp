// The renderers of the standard controls. Each view creates its widget,
// forwards what the user does to the control (click, type, pick, focus) and
// mirrors the control's properties onto the widget.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "qt/host.h"
#include "qt/pictures.h"
#include "ui/controls.h"
#include "ui/text.h"

namespace bx {

namespace {

bool is(const char* prop, const char* name) { return std::strcmp(prop, name) == 0; }
bool any(const char* prop, std::initializer_list<const char*> names) {
    if (is(prop, "*")) return true;
    for (const char* n : names)
        if (is(prop, n)) return true;
    return false;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string ss(const QString& s) { return s.toStdString(); }

// A caption with its "&" access-key marks taken out ("&&" stays one "&"),
// for widgets that show text as it is.
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

// Focus that leaves because another window or a pop-up came up is not a
// move to another control.
bool window_switch(QFocusEvent* fe) {
    return fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason;
}

// Focus moving into a control's widget (or out of it, to no part of it) is
// the control's focus moving.
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

bool left_click_inside(QWidget* w, QEvent* e) {
    if (e->type() != QEvent::MouseButtonRelease) return false;
    auto* me = static_cast<QMouseEvent*>(e);
    return me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint());
}

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

// ---- views ----

class NullView : public ControlView {
public:
    using ControlView::ControlView;
    void sync(const char*) override {}
};

class LabelView : public ControlView {
public:
    LabelView(ui::Label& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QLabel(parent)) {
        w_->setTextFormat(Qt::PlainText);
        w_->setWordWrap(true);
        w_->installEventFilter(this);
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        auto& c = static_cast<ui::Label&>(control());
        if (any(prop, {"Caption"})) w_->setText(plain_caption(c.Caption()));
        if (any(prop, {"Alignment"})) w_->setAlignment(horizontal(c.Alignment()) | Qt::AlignTop);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (left_click_inside(w_, e)) forward([this] { static_cast<ui::Label&>(control()).click(); });
        return false;
    }

private:
    QLabel* w_;
};

class ButtonView : public ControlView {
public:
    ButtonView(ui::CommandButton& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QPushButton(parent)) {
        w_->setAutoDefault(false);
        w_->installEventFilter(this);
        connect(w_, &QPushButton::clicked, this, [this] { forward([this] { button().click(); }); });
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setText(qs(button().Caption()));
        if (any(prop, {"Default"})) w_->setDefault(button().Default());
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (!live()) return false;
        forward_focus(*this, button(), w_, e);
        // Enter on a focused button clicks that button.
        if (e->type() == QEvent::KeyPress) {
            auto* ke = static_cast<QKeyEvent*>(e);
            if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && ke->modifiers() == Qt::NoModifier) {
                forward([this] { button().click(); });
                return true;
            }
        }
        return false;
    }

private:
    ui::CommandButton& button() const { return static_cast<ui::CommandButton&>(control()); }
    QPushButton* w_;
};

class FrameView : public ControlView {
public:
    FrameView(ui::Frame& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QGroupBox(parent)) {
        // The caption sits on the frame's top line, and the frame fills the
        // control's rectangle, so controls inside keep their designed places.
        w_->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
    }
    QWidget* widget() const override { return w_; }
    QWidget* container() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setTitle(qs(static_cast<ui::Frame&>(control()).Caption()));
    }

private:
    QGroupBox* w_;
};

class PictureView : public ControlView {
public:
    PictureView(ui::PictureBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QLabel(parent)) {
        w_->setAlignment(Qt::AlignCenter);
        w_->installEventFilter(this);
    }
    QWidget* widget() const override { return w_; }
    QWidget* container() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Picture", "Width", "Height"})) redraw();
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) redraw();
        if (left_click_inside(w_, e))
            forward([this] {
                auto& c = static_cast<ui::PictureBox&>(control());
                if (c.usable()) ui::fire(c.Click);
            });
        return false;
    }

private:
    void redraw() {
        const std::string& name = static_cast<ui::PictureBox&>(control()).Picture();
        if (name.empty()) w_->clear();
        else w_->setPixmap(draw_picture(name, w_->size()));
    }
    QLabel* w_;
};

class TextView : public ControlView {
public:
    TextView(ui::TextBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QLineEdit(parent)) {
        w_->installEventFilter(this);
        // Edits that are no typed characters (paste, cut, delete, undo) reach
        // the control as the new whole text, as they raise no KeyPress.
        connect(w_, &QLineEdit::textEdited, this, [this](const QString& t) {
            forward([&] {
                if (box().usable() && !box().Locked()) box().setText(ss(t));
            });
        });
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
};

class CheckView : public ControlView {
public:
    CheckView(ui::CheckBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QCheckBox(parent)) {
        w_->setTristate(true);
        w_->installEventFilter(this);
        connect(w_, &QCheckBox::clicked, this, [this] { forward([this] { check().click(); }); });
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (live()) forward_focus(*this, check(), w_, e);
        return false;
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setText(qs(check().Caption()));
        if (any(prop, {"Value"})) {
            const int v = check().Value();
            w_->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        }
    }

private:
    ui::CheckBox& check() const { return static_cast<ui::CheckBox&>(control()); }
    QCheckBox* w_;
};

// Option buttons are grouped by their control's container; the widgets do
// not group themselves, the control's Value decides.
class OptionView : public ControlView {
public:
    OptionView(ui::OptionButton& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QRadioButton(parent)) {
        w_->setAutoExclusive(false);
        w_->installEventFilter(this);
        connect(w_, &QRadioButton::clicked, this, [this] { forward([this] { option().click(); }); });
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (live()) forward_focus(*this, option(), w_, e);
        return false;
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setText(qs(option().Caption()));
        if (any(prop, {"Value"})) w_->setChecked(option().Value());
    }

private:
    ui::OptionButton& option() const { return static_cast<ui::OptionButton&>(control()); }
    QRadioButton* w_;
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

class ComboView : public ControlView {
public:
    ComboView(ui::ComboBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QComboBox(parent)) {
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
        }
        if (any(prop, {"Locked"}))
            if (QLineEdit* le = w_->lineEdit()) le->setReadOnly(c.Locked());
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!live()) return false;
        QLineEdit* le = w_->lineEdit();
        switch (e->type()) {
        case QEvent::KeyPress:
            if (!le) return false;
            return route_key(*this, combo(), le, static_cast<QKeyEvent*>(e));
        case QEvent::InputMethod:
            if (le) route_input_method(*this, combo(), le, static_cast<QInputMethodEvent*>(e));
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut: forward_focus(*this, combo(), w_, e); return false;
        default: break;
        }
        (void)o;
        return false;
    }

private:
    void set_editable(bool editable) {
        if (w_->isEditable() == editable) return;
        QSignalBlocker block(w_);
        w_->setEditable(editable);
        if (QLineEdit* le = w_->lineEdit()) {
            w_->setCompleter(nullptr);  // no completion behind the control's back
            le->installEventFilter(this);
            connect(le, &QLineEdit::textEdited, this, [this](const QString& t) {
                forward([&] {
                    if (combo().usable() && !combo().Locked()) combo().setText(ss(t));
                });
            });
        }
    }
    ui::ComboBox& combo() const { return static_cast<ui::ComboBox&>(control()); }
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

class ProgressView : public ControlView {
public:
    ProgressView(ui::ProgressBar& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QProgressBar(parent)) {
        w_->setTextVisible(false);
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (!any(prop, {"Min", "Max", "Value"})) return;
        auto& c = static_cast<ui::ProgressBar&>(control());
        const int lo = static_cast<int>(std::lround(c.Min()));
        const int hi = std::max(lo, static_cast<int>(std::lround(c.Max())));
        w_->setRange(lo, hi);
        w_->setValue(std::clamp(static_cast<int>(std::lround(c.Value())), lo, hi));
    }

private:
    QProgressBar* w_;
};

// A menu item: a menu of the main window's menu bar (or a submenu) when it
// has items below it, else a command. Other forms' menus are not drawn.
class MenuView : public ControlView {
public:
    MenuView(ui::MenuItem& m, FormView& f) : ControlView(m, f) {
        QMenu* parent_menu = nullptr;
        QMenuBar* bar = nullptr;
        if (m.parent()) {
            if (auto* pv = dynamic_cast<MenuView*>(f.ensure(m.parent()))) parent_menu = pv->menu_;
            if (!parent_menu) return;
        } else {
            bar = f.menu_bar();
            if (!bar) return;
        }
        QWidget* holder = parent_menu ? static_cast<QWidget*>(parent_menu) : bar;
        if (!m.children().empty()) {
            menu_ = new QMenu(holder);
            act_ = menu_->menuAction();
            // Opening a menu is its Click, as the windows expect.
            connect(menu_, &QMenu::aboutToShow, this, [this] { forward([this] { item().click(); }); });
        } else {
            act_ = new QAction(holder);
            connect(act_, &QAction::triggered, this, [this] { forward([this] { item().click(); }); });
        }
        holder->addAction(act_);
    }
    void sync(const char*) override {
        if (!act_) return;
        const ui::MenuItem& m = item();
        if (m.Caption() == "-") act_->setSeparator(true);
        else act_->setText(qs(m.Caption()));
        act_->setVisible(m.Visible());
        act_->setEnabled(m.Enabled());
        act_->setCheckable(m.Checked());
        act_->setChecked(m.Checked());
    }

private:
    ui::MenuItem& item() const { return static_cast<ui::MenuItem&>(control()); }
    QAction* act_ = nullptr;
    QMenu* menu_ = nullptr;
};

// The toolbar: along the top of the main window, or placed on another form.
class ToolbarView : public ControlView {
public:
    ToolbarView(ui::Toolbar& c, FormView& f, QWidget* parent) : ControlView(c, f), bar_(new QToolBar) {
        bar_->setMovable(false);
        bar_->setFloatable(false);
        bar_->setIconSize(QSize(24, 24));
        bar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar_->toggleViewAction()->setVisible(false);
        if (f.main_window) {
            f.main_window->addToolBar(Qt::TopToolBarArea, bar_);
        } else {
            bar_->setParent(parent);
            placed_ = true;
        }
    }
    QWidget* widget() const override { return placed_ ? bar_ : nullptr; }
    void sync(const char* prop) override {
        ui::Toolbar& tb = static_cast<ui::Toolbar&>(control());
        if (!placed_ && any(prop, {"Visible"})) bar_->setVisible(tb.Visible());
        if (!placed_ && any(prop, {"Enabled"})) bar_->setEnabled(tb.Enabled());
        if (!any(prop, {"Buttons"}) || same_buttons(tb.Buttons())) return;
        bar_->clear();
        shown_.clear();
        for (const ui::Toolbar::Button& b : tb.Buttons()) {
            QAction* a = bar_->addAction(picture_icon(b.Image), QString());
            a->setToolTip(qs(b.ToolTipText.empty() ? b.Key : b.ToolTipText));
            a->setObjectName(qs(b.Key));
            const std::string key = b.Key;
            connect(a, &QAction::triggered, this, [this, key] {
                forward([this, key] { static_cast<ui::Toolbar&>(control()).click(key); });
            });
            shown_.push_back({b.Key, b.Image, b.ToolTipText});
        }
    }

private:
    bool same_buttons(const std::vector<ui::Toolbar::Button>& bs) const {
        if (bs.size() != shown_.size()) return false;
        for (size_t i = 0; i < bs.size(); ++i)
            if (bs[i].Key != shown_[i][0] || bs[i].Image != shown_[i][1] || bs[i].ToolTipText != shown_[i][2])
                return false;
        return true;
    }
    QToolBar* bar_;
    bool placed_ = false;
    std::vector<std::array<std::string, 3>> shown_;
};

// A status panel: as wide as the panel asks and never narrower than its
// text, except the last panel, which takes the room that is left.
class PanelLabel : public QLabel {
public:
    explicit PanelLabel(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        // A plain inset box, as status panels are drawn.
        setStyleSheet(QStringLiteral("QLabel { border: 1px solid palette(mid); padding: 0 3px; }"));
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    void set_width(int w, bool keep_text) {
        if (w == width_ && keep_text == keep_text_) return;
        width_ = w;
        keep_text_ = keep_text;
        updateGeometry();
    }
    QSize sizeHint() const override {
        return QSize(std::max(width_, text_width()), QLabel::sizeHint().height());
    }
    QSize minimumSizeHint() const override {
        return QSize(keep_text_ ? text_width() : 0, QLabel::minimumSizeHint().height());
    }

private:
    int text_width() const { return text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + 10; }
    int width_ = 0;
    bool keep_text_ = true;
};

class StatusView : public ControlView {
public:
    StatusView(ui::StatusBar& c, FormView& f, QWidget* parent) : ControlView(c, f), bar_(new QStatusBar) {
        if (f.main_window) {
            f.main_window->setStatusBar(bar_);
        } else {
            bar_->setParent(parent);
            bar_->setSizeGripEnabled(false);
            placed_ = true;
        }
    }
    QWidget* widget() const override { return placed_ ? bar_ : nullptr; }
    void sync(const char* prop) override {
        ui::StatusBar& sb = static_cast<ui::StatusBar&>(control());
        if (!placed_ && any(prop, {"Visible"})) bar_->setVisible(sb.Visible());
        if (!any(prop, {"Panels"})) return;
        while (static_cast<int>(panels_.size()) > sb.PanelCount()) {
            delete panels_.back();
            panels_.pop_back();
        }
        while (static_cast<int>(panels_.size()) < sb.PanelCount()) {
            auto* l = new PanelLabel(bar_);
            l->setObjectName(QStringLiteral("panel%1").arg(panels_.size() + 1));
            bar_->addWidget(l);
            panels_.push_back(l);
        }
        for (int i = 1; i <= sb.PanelCount(); ++i) {
            const ui::StatusBar::Panel& p = sb.Panels(i);
            PanelLabel* l = panels_[static_cast<size_t>(i - 1)];
            if (l->text() != qs(p.Text)) {
                l->setText(qs(p.Text));
                l->updateGeometry();
            }
            l->set_width(px(static_cast<int>(std::lround(p.Width))), i < sb.PanelCount());
        }
    }

private:
    QStatusBar* bar_;
    bool placed_ = false;
    std::vector<PanelLabel*> panels_;
};

template <class C, class V>
Renderer widget_renderer() {
    return [](ui::Control& c, FormView& f, QWidget* parent) -> std::unique_ptr<ControlView> {
        return std::make_unique<V>(static_cast<C&>(c), f, parent);
    };
}

}  // namespace

void register_standard_renderers(RendererRegistry& r) {
    r.add("Label", widget_renderer<ui::Label, LabelView>());
    r.add("CommandButton", widget_renderer<ui::CommandButton, ButtonView>());
    r.add("Frame", widget_renderer<ui::Frame, FrameView>());
    r.add("PictureBox", widget_renderer<ui::PictureBox, PictureView>());
    r.add("TextBox", widget_renderer<ui::TextBox, TextView>());
    r.add("CheckBox", widget_renderer<ui::CheckBox, CheckView>());
    r.add("OptionButton", widget_renderer<ui::OptionButton, OptionView>());
    r.add("ComboBox", widget_renderer<ui::ComboBox, ComboView>());
    r.add("ListBox", widget_renderer<ui::ListBox, ListView>());
    r.add("ProgressBar", widget_renderer<ui::ProgressBar, ProgressView>());
    r.add("Toolbar", widget_renderer<ui::Toolbar, ToolbarView>());
    r.add("StatusBar", widget_renderer<ui::StatusBar, StatusView>());
    register_filelist_renderers(r);
    r.add("MenuItem", [](ui::Control& c, FormView& f, QWidget*) -> std::unique_ptr<ControlView> {
        return std::make_unique<MenuView>(static_cast<ui::MenuItem&>(c), f);
    });
    // Timers and serial ports have nothing to show.
    for (const char* kind : {"Timer", "SerialPort"})
        r.add(kind, [](ui::Control& c, FormView& f, QWidget*) -> std::unique_ptr<ControlView> {
            return std::make_unique<NullView>(c, f);
        });
}

}  // namespace bx
