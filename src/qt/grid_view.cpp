// The grid's renderer: a widget that paints the control's cells where the
// control's layout puts them (fixed rows and columns frozen, the current
// cell marked), two scroll bars placed by the same layout, and the user's
// clicks, keys and wheel handed to the control as user actions. Written
// cells are collected by the control and repainted together once per loop
// turn.
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStaticText>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "qt/grid_view.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "ui/cell_overlay.h"
#include "ui/grid.h"
#include "ui/grid_choices.h"

namespace bx {

namespace {

// Texts laid out and kept for painting; past this many the cache starts anew.
constexpr size_t kMaxLaidOutTexts = 4096;

QRect qrect(const ui::Grid::Rect& r) { return QRect(px(r.x), px(r.y), px(r.w), px(r.h)); }

class GridView;

class GridWidget : public QWidget {
public:
    GridWidget(GridView& v, QWidget* parent);
    QScrollBar* vbar;
    QScrollBar* hbar;
    long paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    const QStaticText& laid_out(const std::string& s);
    GridView& view_;
    std::unordered_map<std::string, QStaticText> texts_;
};

class GridView : public ControlView {
public:
    GridView(ui::Grid& g, FormView& f, QWidget* parent) : ControlView(g, f), w_(new GridWidget(*this, parent)) {
        w_->setObjectName(QString::fromStdString(g.name()));
        // Nothing lies under a grid but the editors laid over its cells.
        w_->lower();
        auto user_scroll = [this] {
            if (syncing_) return;
            const int top = w_->vbar->value() + grid().FixedRows();
            const int left = w_->hbar->value() + grid().FixedCols();
            forward([this, top, left] { grid().scroll_to(top, left); });
        };
        connect(w_->vbar, &QScrollBar::valueChanged, this, user_scroll);
        connect(w_->hbar, &QScrollBar::valueChanged, this, user_scroll);
    }
    QWidget* widget() const override { return w_; }
    long paints() const { return w_->paints; }
    ui::Grid& grid() const { return static_cast<ui::Grid&>(control()); }

    void sync(const char* prop) override {
        if (std::strcmp(prop, "Cells") == 0) {
            // The control tells once until the list is taken: take it after
            // the handler that writes the cells has returned.
            if (drain_posted_) return;
            drain_posted_ = true;
            QPointer<GridWidget> w = w_;
            QMetaObject::invokeMethod(
                w_, [this, w] {
                    if (w) drain();
                },
                Qt::QueuedConnection);
            return;
        }
        // Anything else may move every cell.
        grid().take_dirty();
        drain_posted_ = false;
        place_bars();
        w_->update();
    }

    void drain() {
        drain_posted_ = false;
        if (!live()) return;
        const ui::Grid::Dirty d = grid().take_dirty();
        if (d.all) {
            w_->update();
            return;
        }
        const ui::Grid::Layout l = grid().layout();
        const QRect view = qrect(l.view);
        for (const auto& [r, c] : d.cells) {
            const QRect rc = qrect(grid().cell_rect(r, c)).intersected(view);
            if (!rc.isEmpty()) w_->update(rc);
        }
    }

private:
    void place_bars() {
        const ui::Grid& g = grid();
        const ui::Grid::Layout l = g.layout();
        syncing_ = true;
        w_->vbar->setVisible(l.vbar);
        if (l.vbar) {
            w_->vbar->setGeometry(qrect(l.vbar_rect));
            w_->vbar->setRange(0, l.max_top - g.FixedRows());
            w_->vbar->setPageStep(l.page_rows);
            w_->vbar->setValue(g.TopRow() - g.FixedRows());
        }
        w_->hbar->setVisible(l.hbar);
        if (l.hbar) {
            w_->hbar->setGeometry(qrect(l.hbar_rect));
            w_->hbar->setRange(0, l.max_left - g.FixedCols());
            w_->hbar->setPageStep(1);
            w_->hbar->setValue(g.LeftCol() - g.FixedCols());
        }
        syncing_ = false;
    }

    GridWidget* w_;
    bool syncing_ = false;
    bool drain_posted_ = false;
};

GridWidget::GridWidget(GridView& v, QWidget* parent)
    : QWidget(parent), vbar(new QScrollBar(Qt::Vertical, this)), hbar(new QScrollBar(Qt::Horizontal, this)), view_(v) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    vbar->setFocusPolicy(Qt::NoFocus);
    hbar->setFocusPolicy(Qt::NoFocus);
    vbar->hide();
    hbar->hide();
}

// A cell's text laid out once: a redraw that only swaps known texts costs
// no text shaping.
const QStaticText& GridWidget::laid_out(const std::string& s) {
    auto it = texts_.find(s);
    if (it != texts_.end()) return it->second;
    if (texts_.size() >= kMaxLaidOutTexts) texts_.clear();
    QStaticText t(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    t.setTextFormat(Qt::PlainText);
    t.prepare(QTransform(), font());
    return texts_.emplace(s, std::move(t)).first->second;
}

void GridWidget::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) texts_.clear();
    QWidget::changeEvent(e);
}

void GridWidget::paintEvent(QPaintEvent* e) {
    ++paints;
    const ui::Grid& g = view_.grid();
    const ui::Grid::Layout l = g.layout();
    QPainter p(this);
    const QPalette& pal = palette();
    const QRect dirty = e->rect();
    p.fillRect(dirty, pal.color(QPalette::Base));
    const QRect view = qrect(l.view);
    const int rh = px(g.RowHeight());
    const int pad = px(ui::kCellPadX / 2);

    // Rows and columns that show: the fixed ones, then from the first
    // visible one until the view is full; their tops and lefts in pixels.
    std::vector<std::pair<int, int>> rows, cols;  // index, pixel position
    int y = view.top();
    for (int r = 0; r < g.FixedRows(); ++r, y += rh) rows.emplace_back(r, y);
    for (int r = g.TopRow(); r < g.Rows() && y < view.bottom() + 1; ++r, y += rh) rows.emplace_back(r, y);
    const int bottom = y;
    int x = view.left();
    for (int c = 0; c < g.FixedCols(); ++c) cols.emplace_back(c, x), x += px(g.ColWidth(c));
    for (int c = g.LeftCol(); c < g.Cols() && x < view.right() + 1; ++c) cols.emplace_back(c, x), x += px(g.ColWidth(c));
    const int right = x;

    p.setClipRect(view.intersected(dirty));
    // The frozen part's background.
    const QColor fixed_bg = pal.color(QPalette::Button);
    const int fixed_bottom = view.top() + g.FixedRows() * rh;
    const int fixed_right = view.left() + px(l.fixed_w);
    if (g.FixedRows() > 0) p.fillRect(QRect(view.left(), view.top(), right - view.left(), fixed_bottom - view.top()), fixed_bg);
    if (g.FixedCols() > 0) p.fillRect(QRect(view.left(), view.top(), fixed_right - view.left(), bottom - view.top()), fixed_bg);

    // Texts.
    p.setPen(pal.color(QPalette::Text));
    for (const auto& [r, ry] : rows) {
        if (ry > dirty.bottom() || ry + rh <= dirty.top()) continue;
        for (const auto& [c, cx] : cols) {
            const int w = px(g.ColWidth(c));
            if (cx > dirty.right() || cx + w <= dirty.left()) continue;
            const std::string& s = g.TextMatrix(r, c);
            if (s.empty()) continue;
            const QStaticText& t = laid_out(s);
            const QSizeF size = t.size();
            const int room = w - 2 * pad;
            const bool fits = size.width() <= room;
            // A centred text too wide for its cell shows its start.
            int tx = cx + pad;
            if (fits && g.ColAlignment(c) == 2) tx += (room - static_cast<int>(size.width())) / 2;
            const int ty = ry + (rh - static_cast<int>(size.height())) / 2;
            if (fits) {
                p.drawStaticText(tx, ty, t);
            } else {
                p.save();
                p.setClipRect(QRect(cx, ry, w - pad, rh).intersected(view), Qt::IntersectClip);
                p.drawStaticText(tx, ty, t);
                p.restore();
            }
        }
    }
    // Cell lines: one line along each row and column.
    p.setPen(pal.color(QPalette::Mid));
    for (const auto& [r, ry] : rows) p.drawLine(view.left(), ry + rh - 1, right - 1, ry + rh - 1);
    for (const auto& [c, cx] : cols) {
        const int lx = cx + px(g.ColWidth(c)) - 1;
        p.drawLine(lx, view.top(), lx, bottom - 1);
    }
    // The current cell: a frame inside its lines.
    if (g.Rows() > 0 && g.Cols() > 0) {
        const QRect cur = qrect(g.cell_rect(g.Row(), g.Col()));
        p.setPen(QPen(pal.color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cur.adjusted(1, 1, -2, -2));
    }
    p.setClipping(false);
    // The frame line, and the corner between the two bars.
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (l.vbar && l.hbar)
        p.fillRect(QRect(qrect(l.vbar_rect).left(), qrect(l.hbar_rect).top(), vbar->width(), hbar->height()),
                   pal.color(QPalette::Window));
}

void GridWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !view_.live()) return;
    const QPoint at = e->position().toPoint();
    view_.forward([this, at] { view_.grid().click_at(twips(at.x()), twips(at.y())); });
}

void GridWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !view_.live()) return;
    const QPoint at = e->position().toPoint();
    view_.forward([this, at] { view_.grid().second_click_at(twips(at.x()), twips(at.y())); });
}

void GridWidget::keyPressEvent(QKeyEvent* e) {
    using K = ui::Grid::Key;
    K k;
    switch (e->key()) {
    case Qt::Key_Left: k = K::Left; break;
    case Qt::Key_Right: k = K::Right; break;
    case Qt::Key_Up: k = K::Up; break;
    case Qt::Key_Down: k = K::Down; break;
    case Qt::Key_PageUp: k = K::PageUp; break;
    case Qt::Key_PageDown: k = K::PageDown; break;
    case Qt::Key_Home: k = K::Home; break;
    case Qt::Key_End: k = K::End; break;
    default: QWidget::keyPressEvent(e); return;
    }
    if (view_.live()) view_.forward([this, k] { view_.grid().key(k); });
}

void GridWidget::wheelEvent(QWheelEvent* e) {
    const int notches = e->angleDelta().y() / 120;
    if (notches == 0 || !view_.live()) return;
    view_.forward([this, notches] { view_.grid().wheel(-notches * ui::kWheelRows); });
}

void GridWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (view_.live()) view_.forward([this] { view_.grid().focus(); });
}

void GridWidget::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    if (view_.live()) view_.forward([this] { view_.grid().blur(); });
}

// An overlay draws nothing: its editor is a control of its own.
class OverlayView : public ControlView {
public:
    using ControlView::ControlView;
    void sync(const char*) override {}
};

}  // namespace

void register_tabstrip_renderer(RendererRegistry& r);

long grid_paint_count(QtRuntime& rt, const ui::Grid& g) {
    FormView* fv = rt.forms().view(g.owner());
    auto* v = fv ? dynamic_cast<GridView*>(fv->find(&g)) : nullptr;
    return v ? v->paints() : 0;
}

void register_grid_renderers(RendererRegistry& r) {
    r.add("Grid", [](ui::Control& c, FormView& f, QWidget* parent) -> std::unique_ptr<ControlView> {
        return std::make_unique<GridView>(static_cast<ui::Grid&>(c), f, parent);
    });
    r.add("CellOverlay", [](ui::Control& c, FormView& f, QWidget*) -> std::unique_ptr<ControlView> {
        return std::make_unique<OverlayView>(c, f);
    });
    register_tabstrip_renderer(r);
}

}  // namespace bx
