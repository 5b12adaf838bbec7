#include "qt/host.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QtDebug>

#include <algorithm>
#include <cstring>
#include <set>

#include "qt/view_kit.h"
#include "ui/controls.h"

namespace bx {

namespace {

// Room a top-level dialog's frame takes, in pixels: the form's Width and
// Height are its outer size.
constexpr int kDialogFrameW = 8;
constexpr int kDialogFrameH = 30;
// Size of a window whose form never set one.
constexpr int kDefaultW = 480, kDefaultH = 360;

}  // namespace

// ---- ControlView ----

void ControlView::update(const char* prop) {
    if (QWidget* w = widget()) {
        const ui::Control& c = control_;
        const bool all = is(prop, "*");
        if (all || is(prop, "Left") || is(prop, "Top") || is(prop, "Width") || is(prop, "Height")) {
            QRect g(px(c.Left()), px(c.Top()), std::max(0, px(c.Width())), std::max(0, px(c.Height())));
            // A label, text box or list laid out lower than a line of its
            // text in this font (a layout drawn for another font) is drawn
            // a line high, centred on its place, so its text is not cut.
            if (const int least = least_line_height(c, w); g.height() > 0 && g.height() < least)
                g.adjust(0, -(least - g.height()) / 2, 0, least - g.height() - (least - g.height()) / 2);
            w->setGeometry(g);
        }
        if (all || is(prop, "Visible")) w->setVisible(c.Visible());
        if (all || is(prop, "Enabled")) w->setEnabled(c.Enabled());
        if (all || is(prop, "ToolTipText")) w->setToolTip(QString::fromStdString(c.ToolTipText()));
        // The control given the focus by code takes the widget focus.
        if ((all || is(prop, "Focus")) && c.focusable() && c.owner().ActiveControl() == &c) {
            QWidget* now = QApplication::focusWidget();
            if (!(now && (now == w || w->isAncestorOf(now)))) w->setFocus(Qt::OtherFocusReason);
        }
    }
    sync(prop);
}

bool ControlView::live() const { return !form_.dead; }

void ControlView::forward(const std::function<void()>& action) {
    if (!live()) return;
    {
        QtFormHost::Action scope(form_.host);
        action();
    }
    if (live()) update("*");
}

// ---- FormView ----

FormView::FormView(QtFormHost& h, ui::Form& f) : host(h), form(f) {
    QMainWindow* mw = h.main_window();
    FormView* main_view = mw ? h.view_of_widget(mw) : nullptr;
    if (f.IsMDIForm()) {
        main_window = new QMainWindow;
        main_window->setContextMenuPolicy(Qt::PreventContextMenu);
        mdi = new QMdiArea(main_window);
        mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        main_window->setCentralWidget(mdi);
        top = main_window;
        client = mdi->viewport();
        mdi->viewport()->installEventFilter(this);
    } else if (f.MDIChild() && main_view && main_view->mdi) {
        auto* sub = new QMdiSubWindow;
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        if (f.FixedSize())
            sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        client = new QWidget;
        sub->setWidget(client);
        main_view->mdi->addSubWindow(sub);
        top = sub;
        client->installEventFilter(this);
    } else {
        client = new QWidget(mw, f.FixedSize() ? Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint : Qt::Dialog);
        top = client;
    }
    top->setObjectName(QString::fromStdString(f.name()));
    top->installEventFilter(this);
}

FormView::~FormView() {
    for (auto& [c, v] : views_) delete v;
    views_.clear();
    if (top) delete top.data();
}

ControlView* FormView::find(const ui::Control* c) const {
    auto it = views_.find(c);
    return it == views_.end() ? nullptr : it->second;
}

ControlView* FormView::ensure(ui::Control* c) {
    if (!c) return nullptr;
    auto it = views_.find(c);
    if (it != views_.end()) return it->second;
    views_[c] = nullptr;  // a container cycle ends here
    QWidget* parent = client;
    if (ui::Control* cont = c->Container()) {
        ControlView* cv = ensure(cont);
        if (cv && cv->container()) parent = cv->container();
    }
    const Renderer* r = host.renderers().find(c->kind());
    if (!r) {
        static std::set<std::string> warned;
        if (warned.insert(c->kind()).second) qWarning("bx5610cps: no renderer for controls of kind %s", c->kind());
        return nullptr;
    }
    std::unique_ptr<ControlView> made = (*r)(*c, *this, parent);
    if (!made) return nullptr;
    ControlView* v = made.release();
    v->setParent(this);
    views_[c] = v;
    v->update("*");
    return v;
}

void FormView::apply_geometry() {
    if (reporting_ || !top) return;
    applying_ = true;
    const int l = px(form.Left()), t = px(form.Top());
    int w = px(form.Width()), h = px(form.Height());
    if (main_window) {
        QScreen* s = main_window->screen() ? main_window->screen() : QGuiApplication::primaryScreen();
        QRect avail = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
        if (w <= 0 || h <= 0) w = avail.width(), h = avail.height();
        if (w >= avail.width() && h >= avail.height()) {
            // The form asks for the whole screen: that is a maximised window.
            main_window->setGeometry(avail);
            if (main_window->isVisible()) main_window->showMaximized();
        } else {
            if (main_window->isMaximized()) main_window->showNormal();
            main_window->setGeometry(l, t, w, h);
        }
    } else if (qobject_cast<QMdiSubWindow*>(top.data())) {
        if (w <= 0 || h <= 0) w = kDefaultW, h = kDefaultH;
        if (form.FixedSize()) top->setFixedSize(w, h);
        top->setGeometry(l, t, w, h);
    } else {
        if (w <= 0 || h <= 0) w = kDefaultW, h = kDefaultH;
        top->move(l, t);
        const QSize inner(std::max(1, w - kDialogFrameW), std::max(1, h - kDialogFrameH));
        if (form.FixedSize()) top->setFixedSize(inner);
        else top->resize(inner);
    }
    applying_ = false;
}

void FormView::report_geometry() {
    if (applying_ || reporting_ || dead || !top || !form.Loaded()) return;
    reporting_ = true;
    QRect g = top->geometry();
    int w = g.width(), h = g.height();
    if (!main_window && !qobject_cast<QMdiSubWindow*>(top.data())) w += kDialogFrameW, h += kDialogFrameH;
    form.setLeft(twips(g.x()));
    form.setTop(twips(g.y()));
    form.setWidth(twips(w));
    form.setHeight(twips(h));
    reporting_ = false;
}

void FormView::report_client_size() {
    if (dead || !client) return;
    form.set_client_size(twips(client->width()), twips(client->height()));
}

void FormView::show() {
    if (!top) return;
    top->setWindowTitle(QString::fromStdString(form.Caption()));
    apply_geometry();
    applying_ = true;
    if (main_window && main_window->geometry() == (main_window->screen() ? main_window->screen()->availableGeometry() : QRect()))
        main_window->showMaximized();
    else
        top->show();
    applying_ = false;
    report_client_size();
}

QMenuBar* FormView::menu_bar() const { return main_window ? main_window->menuBar() : nullptr; }

bool FormView::eventFilter(QObject* o, QEvent* e) {
    if (dead) return false;
    if (o == top) {
        switch (e->type()) {
        case QEvent::Close: {
            if (host.closing()) return false;
            // The form decides; Qt hears what it decided, so a close the form
            // did not cancel counts as done (the application's quit, which
            // closes every window, goes on only when each one closed).
            bool closed = true;
            if (main_window) {
                host.main_close_requested();  // the program's end, never refused
            } else {
                QtFormHost::Action scope(host);
                closed = form.Unload(false, ui::vbFormControlMenu);  // Cancel keeps it open
            }
            e->setAccepted(closed);
            return true;
        }
        case QEvent::Move:
        case QEvent::Resize:
            report_geometry();
            if (client == top) report_client_size();
            break;
        case QEvent::WindowActivate:
            if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != top) break;
            if (main_window) {
                QMdiSubWindow* sub = mdi->activeSubWindow();
                FormView* fv = sub ? host.view_of_widget(sub) : nullptr;
                if (fv) host.user_activated(&fv->form);
            } else if (client == top) {
                host.user_activated(&form);
            }
            break;
        default: break;
        }
    }
    if (o == client) {
        if (e->type() == QEvent::Resize) report_client_size();
        if (e->type() == QEvent::KeyPress && !main_window) {
            auto* ke = static_cast<QKeyEvent*>(e);
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter || ke->key() == Qt::Key_Escape) {
                QtFormHost::Action scope(host);
                bool taken = ke->key() == Qt::Key_Escape ? ui::press_escape(form) : ui::press_enter(form);
                return taken;
            }
        }
    }
    return false;
}

// ---- QtFormHost ----

QtFormHost::QtFormHost() {
    register_standard_renderers(renderers_);
    register_grid_renderers(renderers_);
}

QtFormHost::~QtFormHost() {
    closing_ = true;
    // Child windows first: they live inside the main window.
    std::vector<FormView*> all = graveyard_;
    for (auto& [f, v] : views_)
        if (!v->main_window) all.push_back(v);
    for (auto& [f, v] : views_)
        if (v->main_window) all.push_back(v);
    views_.clear();
    graveyard_.clear();
    for (FormView* v : all) delete v;
}

QtFormHost::Action::~Action() {
    if (--h_.depth_ == 0 && !h_.graveyard_.empty()) h_.bury_later();
}

FormView* QtFormHost::view(const ui::Form& f) const {
    auto it = views_.find(&f);
    return it == views_.end() ? nullptr : it->second;
}

FormView* QtFormHost::view_of_widget(const QWidget* top) const {
    if (!top) return nullptr;
    for (auto& [f, v] : views_)
        if (v->top == top) return v;
    return nullptr;
}

QMainWindow* QtFormHost::main_window() const { return main_.data(); }

QWidget* QtFormHost::dialog_parent() const {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    if (main_ && main_->isVisible()) return main_.data();
    return nullptr;
}

void QtFormHost::form_shown(ui::Form& f) {
    if (FormView* old = view(f)) {
        // Shown twice without an unload in between: draw it anew.
        old->dead = true;
        old->top->hide();
        views_.erase(&f);
        graveyard_.push_back(old);
        bury_later();
    }
    auto* fv = new FormView(*this, f);
    views_[&f] = fv;
    if (fv->main_window) {
        main_ = fv->main_window;
        connect(fv->mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
            FormView* v = view_of_widget(sub);
            if (v && !quiet_activation_) user_activated(&v->form);
        });
    }
    for (ui::Control* c : f.controls()) fv->ensure(c);
    // Form::Show raises Form_Activate itself; Qt's own activation of the new
    // window is not a user's.
    quiet_activation_ = true;
    fv->show();
    quiet_activation_ = false;
}

void QtFormHost::form_unloaded(ui::Form& f) {
    FormView* fv = view(f);
    if (!fv) return;
    views_.erase(&f);
    fv->dead = true;
    // The form has activated the window now in front itself; Qt's own
    // choice of the next window is not a user's, and follows the form's.
    quiet_activation_ = true;
    if (fv->top) fv->top->hide();
    if (ui::Form* front = f.Front())
        if (FormView* v = view(*front)) bring_forward(*v);
    quiet_activation_ = false;
    graveyard_.push_back(fv);
    if (depth_ == 0) bury_later();
}

// The form activates itself (Form::Show); Qt's activation that follows is
// not a user's.
void QtFormHost::form_raised(ui::Form& f) {
    FormView* fv = view(f);
    if (!fv) return;
    quiet_activation_ = true;
    bring_forward(*fv);
    quiet_activation_ = false;
}

void QtFormHost::bring_forward(FormView& v) {
    if (!v.top) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(v.top.data())) {
        if (QMdiArea* area = sub->mdiArea(); area && area->activeSubWindow() != sub) area->setActiveSubWindow(sub);
    } else if (!v.main_window) {
        v.top->raise();
        v.top->activateWindow();
    }
}

void QtFormHost::property_changed(ui::Control& c, const char* prop) {
    FormView* fv = view(c.owner());
    if (!fv) return;
    if (ControlView* v = fv->find(&c)) v->update(prop);
}

void QtFormHost::form_changed(ui::Form& f, const char* prop) {
    FormView* fv = view(f);
    if (!fv || !fv->top) return;
    if (is(prop, "Caption")) fv->top->setWindowTitle(QString::fromStdString(f.Caption()));
    else fv->apply_geometry();
}

void QtFormHost::quit() {
    quit_requested_ = true;
    // Only a running loop is told to stop: exit() outside any loop would make
    // every later modal box return at once (main() checks quit_requested()
    // before it starts the loop).
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

// The form decides whether this is news: a window already in front (a
// message box closed over it, a click inside it) raises nothing.
void QtFormHost::user_activated(ui::Form* f) {
    if (!f || quiet_activation_ || !f->Loaded()) return;
    Action scope(*this);
    f->Activate();
}

void QtFormHost::main_close_requested() {
    Action scope(*this);
    if (on_main_close) {
        on_main_close();
        return;
    }
    std::vector<ui::Form*> forms;
    for (auto& [f, v] : views_) forms.push_back(const_cast<ui::Form*>(f));
    for (ui::Form* f : forms)
        if (!f->IsMDIForm()) f->Unload(true, ui::vbFormMDIForm);
    for (ui::Form* f : forms)
        if (f->IsMDIForm()) f->Unload(true, ui::vbFormCode);
    quit();
}

void QtFormHost::bury_later() {
    if (burial_posted_) return;
    burial_posted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            burial_posted_ = false;
            if (depth_ > 0) return;  // the outermost action's end buries them
            std::vector<FormView*> dead;
            dead.swap(graveyard_);
            // Child windows before the main window that holds them.
            std::stable_partition(dead.begin(), dead.end(), [](FormView* v) { return !v->main_window; });
            for (FormView* v : dead) delete v;
        },
        Qt::QueuedConnection);
}

}  // namespace bx
