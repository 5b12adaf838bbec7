#include "ui/grid.h"

#include <algorithm>

#include "ui/grid_choices.h"

namespace ui {

namespace {

const std::string kNoText;
// Past this many written cells the view simply repaints everything.
constexpr size_t kMaxDirtyCells = 256;

}  // namespace

// ---- shape ----

void Grid::reset_props() {
    rows_ = 2, cols_ = 2, fixed_rows_ = 1, fixed_cols_ = 1;
    row_ = 1, col_ = 1;
    mouse_row_ = 0, mouse_col_ = 0;
    top_off_ = 0, left_off_ = 0;
    row_height_ = std::max(kMinRowHeight, owner().rt().text_height() + kCellPadY);
    widths_.assign(2, kDefaultColWidth);
    align_.assign(2, 0);
    cells_.assign(4, std::string());
    format_.clear();
    dirty_ = Dirty{true, {}};
    dirty_told_ = false;
}

void Grid::reshaped(int old_top_off, int old_left_off) {
    const Layout l = layout();
    top_off_ = std::min(top_off_, l.max_top - fixed_rows_);
    left_off_ = std::min(left_off_, l.max_left - fixed_cols_);
    dirty_ = Dirty{true, {}};
    changed("Layout");
    if (top_off_ != old_top_off || left_off_ != old_left_off) {
        changed("Scroll");
        raise_scroll();
    }
}

void Grid::raise_scroll() {
    for (const auto& w : scroll_watchers_) w();
    fire(Scroll);
}

void Grid::setRows(int n) {
    if (n < 0 || n == rows_) return;
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    rows_ = n;
    cells_.resize(static_cast<size_t>(rows_) * static_cast<size_t>(cols_));
    fixed_rows_ = std::min(fixed_rows_, rows_);
    row_ = std::clamp(row_, 0, std::max(0, rows_ - 1));
    top_off_ = ot;
    reshaped(ot, ol);
}

void Grid::setCols(int n) {
    if (n < 0 || n == cols_) return;
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    std::vector<std::string> cells(static_cast<size_t>(rows_) * static_cast<size_t>(n));
    const int keep = std::min(cols_, n);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < keep; ++c)
            cells[static_cast<size_t>(r * n + c)] = std::move(cells_[static_cast<size_t>(r * cols_ + c)]);
    cells_ = std::move(cells);
    cols_ = n;
    widths_.resize(static_cast<size_t>(n), kDefaultColWidth);
    align_.resize(static_cast<size_t>(n), 0);
    fixed_cols_ = std::min(fixed_cols_, cols_);
    col_ = std::clamp(col_, 0, std::max(0, cols_ - 1));
    left_off_ = ol;
    reshaped(ot, ol);
}

void Grid::setFixedRows(int n) {
    if (n < 0 || n > rows_ || n == fixed_rows_) return;
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    fixed_rows_ = n;
    row_ = std::min(n, std::max(0, rows_ - 1));
    top_off_ = 0;
    changed("Row");
    reshaped(ot, ol);
}

void Grid::setFixedCols(int n) {
    if (n < 0 || n > cols_ || n == fixed_cols_) return;
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    fixed_cols_ = n;
    col_ = std::min(n, std::max(0, cols_ - 1));
    left_off_ = 0;
    changed("Row");
    reshaped(ot, ol);
}

void Grid::setFormatString(const std::string& f) {
    format_ = f;
    if (f.empty()) return;
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t bar = f.find('|', start);
        parts.push_back(f.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    setCols(static_cast<int>(parts.size()));
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string text = parts[i];
        int align = 0;
        if (!text.empty() && text[0] == '^') {
            align = 2;
            text.erase(0, 1);
        }
        align_[i] = align;
        widths_[i] = owner().rt().text_width(text) + kCellPadX;
        if (rows_ > 0) cells_[i] = text;
    }
    reshaped(ot, ol);
}

int Grid::ColAlignment(int c) const {
    return c >= 0 && c < cols_ ? align_[static_cast<size_t>(c)] : 0;
}

// ---- cells ----

const std::string& Grid::TextMatrix(int r, int c) const {
    if (!in_grid(r, c)) return kNoText;
    return cells_[static_cast<size_t>(r * cols_ + c)];
}

void Grid::setTextMatrix(int r, int c, const std::string& v) {
    if (!in_grid(r, c)) return;
    std::string& cell = cells_[static_cast<size_t>(r * cols_ + c)];
    if (cell == v) return;
    cell = v;
    mark_dirty(r, c);
}

void Grid::mark_dirty(int r, int c) {
    if (!dirty_.all) {
        if (dirty_.cells.size() >= kMaxDirtyCells) dirty_ = Dirty{true, {}};
        else dirty_.cells.emplace_back(r, c);
    }
    // One notice until the view takes the list: a full redraw of the grid
    // costs one repaint, not one per cell.
    if (!dirty_told_) {
        dirty_told_ = true;
        changed("Cells");
    }
}

Grid::Dirty Grid::take_dirty() {
    Dirty d = std::move(dirty_);
    dirty_ = Dirty{};
    dirty_told_ = false;
    return d;
}

// ---- current cell ----

void Grid::move_to(int r, int c) {
    if (!in_grid(r, c) || (r == row_ && c == col_)) return;
    fire(LeaveCell);
    // The handler may have made the grid smaller.
    if (rows_ == 0 || cols_ == 0) return;
    row_ = std::min(r, rows_ - 1);
    col_ = std::min(c, cols_ - 1);
    changed("Row");
}

void Grid::setRow(int r) {
    if (r < 0 || r >= rows_ || r == row_) return;
    fire(LeaveCell);
    if (r >= rows_) return;
    row_ = r;
    changed("Row");
}

void Grid::setCol(int c) {
    if (c < 0 || c >= cols_ || c == col_) return;
    fire(LeaveCell);
    if (c >= cols_) return;
    col_ = c;
    changed("Row");
}

void Grid::leave_current() {
    if (in_grid(row_, col_)) fire(LeaveCell);
}

// ---- measures and scrolling ----

int Grid::ColWidth(int c) const {
    return c >= 0 && c < cols_ ? widths_[static_cast<size_t>(c)] : 0;
}

void Grid::setColWidth(int c, int w) {
    if (c < 0 || c >= cols_ || w < 0 || widths_[static_cast<size_t>(c)] == w) return;
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    widths_[static_cast<size_t>(c)] = w;
    reshaped(ot, ol);
}

void Grid::setRowHeight(int h) {
    if (h <= 0 || h == row_height_) return;
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    row_height_ = h;
    reshaped(ot, ol);
}

void Grid::FitColumns(const ColumnTexts& more) {
    std::vector<int> w = widths_;
    const Runtime& rt = owner().rt();
    for (int c = 0; c < cols_; ++c) {
        int& cw = w[static_cast<size_t>(c)];
        for (int r = 0; r < rows_; ++r) {
            const std::string& t = TextMatrix(r, c);
            if (!t.empty()) cw = std::max(cw, rt.text_width(t) + kCellPadX);
        }
    }
    for (const auto& [c, texts] : more)
        if (c >= 0 && c < cols_)
            for (const std::string& t : texts)
                w[static_cast<size_t>(c)] = std::max(w[static_cast<size_t>(c)], rt.text_width(t) + kCellPadX);
    if (w == widths_) return;
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    widths_ = std::move(w);
    reshaped(ot, ol);
}

int Grid::FullWidth() const {
    int total = 2 * kGridBorder;
    for (int w : widths_) total += w;
    const long rows_h = static_cast<long>(rows_) * std::max(1, row_height_);
    if (rows_h > Height() - 2 * kGridBorder) total += kScrollBarSize;
    return total;
}

int Grid::FullHeight() const {
    int cols_w = 0;
    for (int w : widths_) cols_w += w;
    int total = 2 * kGridBorder + rows_ * std::max(1, row_height_);
    if (cols_w > Width() - 2 * kGridBorder) total += kScrollBarSize;
    return total;
}

void Grid::FitRows(int max_height) {
    if (rows_ <= 0) return;
    const int full = FullHeight();
    if (full <= Height()) return;
    const int h = std::max(Height(), std::min(max_height, full));
    setHeight(h);
    if (FullHeight() <= h) return;
    const int least = owner().rt().text_height() + kCellPadY / 2;
    const int bar = FullHeight() - 2 * kGridBorder - rows_ * row_height_;  // a horizontal bar's share
    // Whole pixels (15 twips each): a screen draws every row alike.
    const int fit = (h - 2 * kGridBorder - bar) / rows_ / 15 * 15;
    if (fit < row_height_) setRowHeight(std::max(least, fit));
    // No strip below the last row, and no row cut at the bottom.
    setHeight(WholeRowsHeight(std::min(h, FullHeight())));
}

int Grid::WholeRowsHeight(int height) const {
    const int b = kGridBorder, sb = kScrollBarSize;
    const int rh = std::max(1, row_height_);
    // The scroll bars as layout() places them at that height.
    const long total_h = static_cast<long>(rows_) * rh;
    int total_w = 0;
    for (int w : widths_) total_w += w;
    const int inner_w = Width() - 2 * b, inner_h = height - 2 * b;
    bool vbar = total_h > inner_h;
    const bool hbar = total_w > inner_w - (vbar ? sb : 0);
    if (hbar && !vbar) vbar = total_h > inner_h - sb;
    if (!vbar) return height;  // every row shows
    const int view_h = inner_h - (hbar ? sb : 0);
    if (view_h <= rh) return height;
    return height - view_h % rh;
}

void Grid::SpreadColumns() {
    const Layout l = layout();
    if (l.hbar) return;
    int data = 0;
    for (int c = fixed_cols_; c < cols_; ++c) data += widths_[static_cast<size_t>(c)];
    const int spare = l.view.w - l.fixed_w - data;
    if (spare <= 0 || data <= 0) return;
    const int ot = top_off(l), ol = left_off(l);
    int given = 0;
    for (int c = fixed_cols_; c < cols_; ++c) {
        int& w = widths_[static_cast<size_t>(c)];
        const int more = c == cols_ - 1 ? spare - given : static_cast<int>(static_cast<long>(spare) * w / data);
        given += more;
        w += more;
    }
    reshaped(ot, ol);
}

int Grid::top_off(const Layout& l) const { return std::clamp(top_off_, 0, l.max_top - fixed_rows_); }
int Grid::left_off(const Layout& l) const { return std::clamp(left_off_, 0, l.max_left - fixed_cols_); }

int Grid::TopRow() const { return fixed_rows_ + top_off(layout()); }
int Grid::LeftCol() const { return fixed_cols_ + left_off(layout()); }

void Grid::setTopRow(int r) { scroll_to(r, LeftCol()); }
void Grid::setLeftCol(int c) { scroll_to(TopRow(), c); }

void Grid::scroll_to(int top_row, int left_col) {
    const Layout l = layout();
    const int ot = top_off(l), ol = left_off(l);
    const int t = std::clamp(top_row - fixed_rows_, 0, l.max_top - fixed_rows_);
    const int lc = std::clamp(left_col - fixed_cols_, 0, l.max_left - fixed_cols_);
    top_off_ = t;
    left_off_ = lc;
    if (t == ot && lc == ol) return;
    changed("Scroll");
    raise_scroll();
}

Grid::Layout Grid::layout() const {
    Layout l;
    const int b = kGridBorder, sb = kScrollBarSize;
    const int rh = std::max(1, row_height_);
    const int inner_w = std::max(0, Width() - 2 * b), inner_h = std::max(0, Height() - 2 * b);
    int total_w = 0;
    for (int w : widths_) total_w += w;
    const long total_h = static_cast<long>(rows_) * rh;
    l.vbar = total_h > inner_h;
    l.hbar = total_w > inner_w - (l.vbar ? sb : 0);
    if (l.hbar && !l.vbar) l.vbar = total_h > inner_h - sb;
    l.view = Rect{b, b, std::max(0, inner_w - (l.vbar ? sb : 0)), std::max(0, inner_h - (l.hbar ? sb : 0))};
    if (l.vbar) l.vbar_rect = Rect{b + l.view.w, b, sb, l.view.h};
    if (l.hbar) l.hbar_rect = Rect{b, b + l.view.h, l.view.w, sb};
    for (int c = 0; c < fixed_cols_; ++c) l.fixed_w += widths_[static_cast<size_t>(c)];
    l.fixed_h = fixed_rows_ * rh;
    l.page_rows = std::max(1, (l.view.h - l.fixed_h) / rh);
    l.max_top = fixed_rows_ + std::max(0, rows_ - fixed_rows_ - l.page_rows);
    // The leftmost column that still lets the last one show whole.
    const int data_w = l.view.w - l.fixed_w;
    int left = cols_ - 1, used = cols_ > 0 ? widths_.back() : 0;
    while (left - 1 >= fixed_cols_ && used + widths_[static_cast<size_t>(left - 1)] <= data_w)
        used += widths_[static_cast<size_t>(--left)];
    l.max_left = std::max(fixed_cols_, left);
    return l;
}

Grid::Rect Grid::cell_rect(int r, int c) const {
    if (!in_grid(r, c)) return {};
    const Layout l = layout();
    const int rh = std::max(1, row_height_);
    Rect rect{l.view.x, l.view.y, widths_[static_cast<size_t>(c)], rh};
    if (c < fixed_cols_) {
        for (int i = 0; i < c; ++i) rect.x += widths_[static_cast<size_t>(i)];
    } else {
        rect.x += l.fixed_w;
        const int first = fixed_cols_ + left_off(l);
        for (int i = first; i < c; ++i) rect.x += widths_[static_cast<size_t>(i)];
        for (int i = c; i < first; ++i) rect.x -= widths_[static_cast<size_t>(i)];
    }
    if (r < fixed_rows_) rect.y += r * rh;
    else rect.y += l.fixed_h + (r - fixed_rows_ - top_off(l)) * rh;
    return rect;
}

bool Grid::cell_visible(int r, int c) const {
    if (!in_grid(r, c)) return false;
    const Layout l = layout();
    const Rect rc = cell_rect(r, c);
    const int top = l.view.y + (r < fixed_rows_ ? 0 : l.fixed_h);
    const int left = l.view.x + (c < fixed_cols_ ? 0 : l.fixed_w);
    return rc.y >= top && rc.y + rc.h <= l.view.y + l.view.h && rc.x >= left &&
           rc.x + rc.w <= l.view.x + l.view.w;
}

void Grid::scroll_into_view(int r, int c) {
    if (!in_grid(r, c)) return;
    const Layout l = layout();
    int top = fixed_rows_ + top_off(l), left = fixed_cols_ + left_off(l);
    if (r >= fixed_rows_) {
        if (r < top) top = r;
        else if (r >= top + l.page_rows) top = r - l.page_rows + 1;
    }
    if (c >= fixed_cols_) {
        if (c < left) {
            left = c;
        } else {
            // Columns to the right: move on until the cell's right edge shows.
            auto right_edge = [&](int first) {
                int x = l.fixed_w;
                for (int i = first; i <= c; ++i) x += widths_[static_cast<size_t>(i)];
                return x;
            };
            while (left < c && right_edge(left) > l.view.w) ++left;
        }
    }
    scroll_to(top, left);
}

std::pair<int, int> Grid::cell_at(int x, int y) const {
    const Layout l = layout();
    const Rect& v = l.view;
    if (x < v.x || y < v.y || x >= v.x + v.w || y >= v.y + v.h) return {-1, -1};
    const int rh = std::max(1, row_height_);
    const int dy = y - v.y, dx = x - v.x;
    int r = dy < l.fixed_h ? dy / rh : fixed_rows_ + top_off(l) + (dy - l.fixed_h) / rh;
    if (r >= rows_) return {-1, -1};
    int c = -1;
    if (dx < l.fixed_w) {
        int x0 = 0;
        for (int i = 0; i < fixed_cols_; ++i) {
            x0 += widths_[static_cast<size_t>(i)];
            if (dx < x0) {
                c = i;
                break;
            }
        }
    } else {
        int x0 = l.fixed_w;
        for (int i = fixed_cols_ + left_off(l); i < cols_; ++i) {
            x0 += widths_[static_cast<size_t>(i)];
            if (dx < x0) {
                c = i;
                break;
            }
        }
    }
    if (c < 0) return {-1, -1};
    return {r, c};
}

// ---- user actions ----

void Grid::click(int r, int c) {
    if (!usable() || !in_grid(r, c)) return;
    mouse_row_ = r;
    mouse_col_ = c;
    focus();
    if (!usable()) return;
    if (r < fixed_rows_) {
        // A header: no move.
    } else if (c < fixed_cols_) {
        move_to(r, col_);
    } else {
        move_to(r, c);
    }
    if (owner().Loaded()) fire(Click);
}

void Grid::dblclick(int r, int c) {
    click(r, c);
    if (usable() && in_grid(r, c)) second_click(r, c);
}

void Grid::second_click(int r, int c) {
    if (!usable() || !in_grid(r, c)) return;
    mouse_row_ = r;
    mouse_col_ = c;
    fire(DblClick);
}

bool Grid::click_at(int x, int y) {
    const auto [r, c] = cell_at(x, y);
    if (r < 0) return false;
    click(r, c);
    return true;
}

bool Grid::second_click_at(int x, int y) {
    const auto [r, c] = cell_at(x, y);
    if (r < 0) return false;
    second_click(r, c);
    return true;
}

void Grid::key(Key k) {
    if (!usable() || rows_ <= fixed_rows_ || cols_ <= fixed_cols_) return;
    const Layout l = layout();
    // From a fixed cell (code put it there) the first step is onto the
    // nearest data cell.
    const int step_r = row_ >= fixed_rows_ ? 1 : 0, step_c = col_ >= fixed_cols_ ? 1 : 0;
    int r = std::clamp(row_, fixed_rows_, rows_ - 1);
    int c = std::clamp(col_, fixed_cols_, cols_ - 1);
    switch (k) {
    case Key::Left: c = std::max(fixed_cols_, c - step_c); break;
    case Key::Right: c = std::min(cols_ - 1, c + step_c); break;
    case Key::Up: r = std::max(fixed_rows_, r - step_r); break;
    case Key::Down: r = std::min(rows_ - 1, r + step_r); break;
    case Key::PageUp: r = std::max(fixed_rows_, r - l.page_rows); break;
    case Key::PageDown: r = std::min(rows_ - 1, r + l.page_rows); break;
    case Key::Home: c = fixed_cols_; break;
    case Key::End: c = cols_ - 1; break;
    }
    move_to(r, c);
    // The cell that is current now: a LeaveCell handler may have moved on.
    scroll_into_view(row_, col_);
}

}  // namespace ui
