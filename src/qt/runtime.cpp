#include "qt/runtime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QMetaObject>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

#include "qt/host.h"
#include "qt/pictures.h"
#include "qt/view_kit.h"

namespace bx {

// ---- QtLoop ----

QtLoop::QtLoop() { clock_.start(); }

double QtLoop::now_ms() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }

int QtLoop::add_timer(int interval_ms, ui::Callback cb) {
    const int id = next_id_++;
    auto* t = new QTimer(this);
    t->setTimerType(Qt::PreciseTimer);
    t->setInterval(std::max(1, interval_ms));
    timers_[id] = Rec{t, std::move(cb)};
    // Each tick runs from a posted call of its own: the timer is then free to
    // tick again while the handler is inside a modal box, as every other
    // event is. A tick of a timer cancelled meanwhile is dropped.
    connect(t, &QTimer::timeout, this, [this, id] {
        post([this, id] {
            auto it = timers_.find(id);
            if (it == timers_.end()) return;
            ui::Callback cb = it->second.cb;  // the handler may cancel its own timer
            cb();
        });
    });
    t->start();
    return id;
}

void QtLoop::cancel_timer(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second.timer->stop();
    it->second.timer->deleteLater();
    timers_.erase(it);
}

void QtLoop::busy_wait() { std::this_thread::sleep_for(std::chrono::milliseconds(2)); }

void QtLoop::post(ui::Callback cb) {
    QMetaObject::invokeMethod(this, [this, cb = std::move(cb)] { run_handler(cb); }, Qt::QueuedConnection);
}

// ---- QtApplication ----

bool QtApplication::notify(QObject* receiver, QEvent* event) {
    std::string what;
    try {
        if (composing_box_ && may_move_focus(receiver, event)) {
            auto drop = std::move(drop_composition_);
            composing_box_ = nullptr;
            drop_composition_ = nullptr;
            if (drop) drop();
        }
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
        what = "unknown error";
    }
    if (on_failure) on_failure(what);
    return false;
}

void QtApplication::composition_opened(QWidget* box, std::function<void()> drop) {
    composing_box_ = box;
    drop_composition_ = std::move(drop);
}

void QtApplication::composition_closed(const QWidget* box) {
    if (composing_box_ != box) return;
    composing_box_ = nullptr;
    drop_composition_ = nullptr;
}

bool QtApplication::may_move_focus(QObject* receiver, QEvent* event) const {
    switch (event->type()) {
    // A press anywhere but in the box itself (a click inside it moves its
    // cursor, not the focus). Only widgets: an input method's own window
    // (a candidate list) is no place the focus goes to.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TabletPress: return receiver->isWidgetType() && receiver != composing_box_.data();
    case QEvent::KeyPress: {
        const int k = static_cast<QKeyEvent*>(event)->key();
        return k == Qt::Key_Tab || k == Qt::Key_Backtab;
    }
    // A shortcut: an access key moves the focus, a command may open a window.
    case QEvent::Shortcut: return true;
    // A window of the program losing the focus (another one, or another
    // program's, comes forward): Qt commits as it tells the widgets.
    case QEvent::FocusAboutToChange:
    case QEvent::FocusOut: return receiver->isWindowType();
    // A window shown (a message box, a dialog, a menu) or closed.
    case QEvent::Show:
    case QEvent::Close:
        if (receiver->isWidgetType()) {
            const auto* w = static_cast<const QWidget*>(receiver);
            return w->isWindow() && w->windowType() != Qt::ToolTip;
        }
        return false;
    default: return false;
    }
}

// ---- QtMsgService ----

namespace {

QMessageBox::Icon box_icon(int style) {
    switch (style & 0x70) {
    case ui::vbCritical: return QMessageBox::Critical;
    case ui::vbQuestion: return QMessageBox::Question;
    case ui::vbExclamation: return QMessageBox::Warning;
    case ui::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton order[3];
};

// Button sets by the style's low three bits, with their left-to-right order
// (the default-button bits count in this order).
ButtonSet box_buttons(int style) {
    using B = QMessageBox;
    switch (style & 7) {
    case 1: return {B::Ok | B::Cancel, {B::Ok, B::Cancel, B::NoButton}};
    case 2: return {B::Abort | B::Retry | B::Ignore, {B::Abort, B::Retry, B::Ignore}};
    case 3: return {B::Yes | B::No | B::Cancel, {B::Yes, B::No, B::Cancel}};
    case 4: return {B::Yes | B::No, {B::Yes, B::No, B::NoButton}};
    case 5: return {B::Retry | B::Cancel, {B::Retry, B::Cancel, B::NoButton}};
    default: return {B::Ok, {B::Ok, B::NoButton, B::NoButton}};
    }
}

int box_answer(QMessageBox::StandardButton b, int style) {
    switch (b) {
    case QMessageBox::Ok: return ui::vbOK;
    case QMessageBox::Cancel: return ui::vbCancel;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return ui::vbYes;
    case QMessageBox::No: return ui::vbNo;
    default: break;
    }
    // Closed without a button: Cancel where the box has one, else OK.
    int set = style & 7;
    return (set == 1 || set == 3 || set == 5) ? ui::vbCancel : ui::vbOK;
}

}  // namespace

// The box lives on the heap and is watched: ending the program while it
// runs its loop may delete it with its parent window, and then it is not
// deleted a second time here (its answer is that of a box closed without a
// button).
int QtMsgService::show(const std::string& text, int style, const std::string& title) {
    QPointer<QMessageBox> owned = new QMessageBox(parent ? parent() : nullptr);
    QMessageBox& box = *owned;
    box.setIcon(box_icon(style));
    box.setWindowTitle(title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    ButtonSet set = box_buttons(style);
    box.setStandardButtons(set.buttons);
    int def = std::clamp((style >> 8) & 3, 0, 2);
    if (set.order[def] == QMessageBox::NoButton) def = 0;
    box.setDefaultButton(set.order[def]);
    box.setWindowModality(Qt::ApplicationModal);
    // A window manager draws the title in the box's frame and cuts what the
    // box's width does not hold: a short text must not make the box
    // narrower than its title (set in bold, as title bars set it) beside the
    // frame's icon and buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont bold = box.font();
        bold.setBold(true);
        const int title_w = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kMessageTitleBarButtons;
        grid->addItem(new QSpacerItem(title_w, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    if (on_open) {
        auto hook = on_open;
        QTimer::singleShot(0, &box, [hook, owned] {
            if (owned) hook(*owned);
        });
    }
    box.exec();
    if (!owned) return box_answer(QMessageBox::NoButton, style);
    QAbstractButton* clicked = owned->clickedButton();
    const int answer = box_answer(clicked ? owned->standardButton(clicked) : QMessageBox::NoButton, style);
    delete owned.data();
    return answer;
}

// ---- QtRuntime ----

const char* const kSystemInfoPrograms[] = {
    "hardinfo2", "hardinfo", "gnome-system-monitor", "ksysguard", "plasma-systemmonitor",
    "mate-system-monitor", "xfce4-taskmanager", "lxtask", nullptr,
};

QtRuntime::QtRuntime() : host_(std::make_unique<QtFormHost>()) {
    msg_.parent = [this]() -> QWidget* { return host_->dialog_parent(); };
    loop_.on_failure = [this](const std::string& what) { report_failure(what); };
    if (auto* a = dynamic_cast<QtApplication*>(QCoreApplication::instance()))
        a->on_failure = [this](const std::string& what) { report_failure(what); };
}

QtRuntime::~QtRuntime() {
    if (auto* a = dynamic_cast<QtApplication*>(QCoreApplication::instance())) a->on_failure = nullptr;
}

ui::FormHost& QtRuntime::host() { return *host_; }

int QtRuntime::screen_width() const {
    if (screen_w_ > 0) return screen_w_ * 15;
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() * 15 : 0;
}

int QtRuntime::screen_height() const {
    if (screen_h_ > 0) return screen_h_ * 15;
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() * 15 : 0;
}

bool QtRuntime::start_system_info() {
    for (const char* const* p = kSystemInfoPrograms; *p; ++p) {
        QString exe = QStandardPaths::findExecutable(QString::fromLatin1(*p));
        if (exe.isEmpty()) continue;
        if (QProcess::startDetached(exe, {})) return true;
    }
    return false;
}

int QtRuntime::text_width(const std::string& text) const {
    return twips(QFontMetrics(QApplication::font()).horizontalAdvance(QString::fromStdString(text)));
}

int QtRuntime::text_height() const { return twips(line_height(QApplication::font())); }

int QtRuntime::text_height(const std::string& text, int width) const {
    const QRect room(0, 0, std::max(1, px(width)), 1 << 20);
    return twips(QFontMetrics(QApplication::font())
                     .boundingRect(room, Qt::TextWordWrap, QString::fromStdString(text))
                     .height());
}

int QtRuntime::field_height() const {
    // A list and a text box of the style, measured as they are drawn.
    QComboBox list;
    QLineEdit box;
    return twips(std::max(field_line_height(&list), field_line_height(&box)));
}

void QtRuntime::set_port_device(int port, const std::string& path) { serial_.set_port_device(port, path); }

void QtRuntime::set_close_handler(std::function<void()> h) { host_->on_main_close = std::move(h); }

bool QtRuntime::quit_requested() const { return host_->quit_requested(); }

void setup_application() {
    QApplication::setApplicationName(QStringLiteral("BX-5610 CPS"));
    QFont f = QApplication::font();
    QStringList families{f.family(), QStringLiteral("Noto Sans CJK SC")};
    f.setFamilies(families);
    QApplication::setFont(f);
    QApplication::setWindowIcon(picture_icon("program"));
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace bx
