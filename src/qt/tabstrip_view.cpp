// The tab strip's renderer: a row of tabs over a framed client area. The
// page frames are the window's own controls, placed over the client area;
// the strip lies under them. A click on a tab goes to the control, which
// selects it and raises Click.
#include <QEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>

#include <cstring>

#include "qt/host.h"
#include "qt/view_kit.h"
#include "ui/grid_choices.h"
#include "ui/tabstrip.h"

namespace bx {

namespace {

class StripWidget : public QWidget {
public:
    explicit StripWidget(QWidget* parent) : QWidget(parent), bar(new QTabBar(this)) {
        bar->setFocusPolicy(Qt::NoFocus);  // tabs change only by a click
        bar->setDrawBase(false);
        bar->setExpanding(false);
    }
    QTabBar* bar;

protected:
    void resizeEvent(QResizeEvent*) override { bar->setGeometry(0, 0, width(), px(ui::kTabRowHeight)); }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionTabWidgetFrame opt;
        opt.initFrom(this);
        opt.rect = QRect(0, px(ui::kTabRowHeight) - 1, width(), height() - px(ui::kTabRowHeight) + 1);
        opt.shape = QTabBar::RoundedNorth;
        opt.tabBarSize = bar->sizeHint();
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &p, this);
    }
};

class TabStripView : public ControlView {
public:
    TabStripView(ui::TabStrip& t, FormView& f, QWidget* parent) : ControlView(t, f), w_(new StripWidget(parent)) {
        w_->setObjectName(QString::fromStdString(t.name()));
        w_->lower();  // under the page frames
        w_->bar->installEventFilter(this);
        connect(w_->bar, &QTabBar::tabBarClicked, this, [this](int i) {
            if (i >= 0) forward([this, i] { strip().click(i + 1); });
        });
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        const bool all = std::strcmp(prop, "*") == 0;
        if (!all && std::strcmp(prop, "Tabs") != 0 && std::strcmp(prop, "Selected") != 0) return;
        const ui::TabStrip& t = strip();
        QSignalBlocker block(w_->bar);
        while (w_->bar->count() > t.TabCount()) w_->bar->removeTab(w_->bar->count() - 1);
        while (w_->bar->count() < t.TabCount()) w_->bar->addTab(QString());
        for (int i = 1; i <= t.TabCount(); ++i) {
            const QString cap = QString::fromStdString(t.tab(i).Caption);
            if (w_->bar->tabText(i - 1) != cap) w_->bar->setTabText(i - 1, cap);
        }
        if (t.SelectedIndex() > 0) w_->bar->setCurrentIndex(t.SelectedIndex() - 1);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        // The wheel would switch tabs behind the control's back.
        return pass_wheel_on(e);
    }

private:
    ui::TabStrip& strip() const { return static_cast<ui::TabStrip&>(control()); }
    StripWidget* w_;
};

}  // namespace

void register_tabstrip_renderer(RendererRegistry& r) {
    r.add("TabStrip", [](ui::Control& c, FormView& f, QWidget* parent) -> std::unique_ptr<ControlView> {
        return std::make_unique<TabStripView>(static_cast<ui::TabStrip&>(c), f, parent);
    });
}

}  // namespace bx
