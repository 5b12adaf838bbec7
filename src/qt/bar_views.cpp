// Renderers of the menus, the toolbar and the status bar. On the main
// window they sit in its menu bar, tool area and status area; on another
// form the toolbar and status bar are placed like any control.
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "qt/pictures.h"
#include "qt/view_kit.h"
#include "ui/controls.h"

namespace bx {

namespace {

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
            a->setToolTip(qs(b.ToolTipText));
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

protected:
    // The last panel, when the screen leaves it too little room, ends its
    // text with an ellipsis instead of cutting a letter in half, and shows
    // the whole text as its tooltip.
    void paintEvent(QPaintEvent* e) override {
        const bool cut = !keep_text_ && text_width() > width();
        if (const QString tip = cut ? text() : QString(); toolTip() != tip) setToolTip(tip);
        if (!cut) {
            QLabel::paintEvent(e);
            return;
        }
        QFrame::paintEvent(e);
        QPainter p(this);
        const QRect r = contentsRect().adjusted(kPadding, 0, -kPadding, 0);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
    }

private:
    static constexpr int kPadding = 3;  // as the style sheet's padding
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

}  // namespace

void register_bar_renderers(RendererRegistry& r) {
    r.add("Toolbar", widget_renderer<ui::Toolbar, ToolbarView>());
    r.add("StatusBar", widget_renderer<ui::StatusBar, StatusView>());
    r.add("MenuItem", [](ui::Control& c, FormView& f, QWidget*) -> std::unique_ptr<ControlView> {
        return std::make_unique<MenuView>(static_cast<ui::MenuItem&>(c), f);
    });
}

}  // namespace bx
