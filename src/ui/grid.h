// The grid: a table of text cells with fixed (header) rows and columns at
// its top and left, a current cell, and scrolling. The grid is only a
// display; editors lay a text box or a list over the current cell
// (ui/cell_overlay.h) and store what it holds when the grid leaves the cell.
//
// Units: lengths in twips; rows and columns numbered from 0, fixed ones
// first. All sizes, the row height and the first visible row and column live
// here; the Qt view draws from them and asks here which cell a point hits.
//
// Events, in the order they are raised:
// - LeaveCell: before the current cell changes, while Row and Col still name
//   the cell being left, whatever moves it: a click, a key, or code setting
//   Row or Col (each setter on its own: setting Col and then Row raises it
//   twice when both change). It cannot stop the move. Setting the value the
//   grid has raises nothing. A move made inside the handler runs, with its
//   own LeaveCell, before the outer move completes (the outer move then sets
//   its own row and/or column).
// - Click (user's click): on a non-fixed cell: LeaveCell if it moves, the
//   move, Click; on the current cell: Click only; on a fixed-column cell of a
//   data row: that row becomes current (the column is kept), then Click; on a
//   fixed row: Click only. MouseRow/MouseCol name the clicked cell. The grid
//   takes the focus before all of this, so a control losing the focus to the
//   grid gets LostFocus first.
// - DblClick: a double-click is a Click (above), then DblClick.
// - Scroll: on every change of TopRow or LeftCol, by the user or by code.
//   The grid's cell overlays (ui/cell_overlay.h) are dropped first.
// - leave_current(): LeaveCell for the current cell without a move, for a
//   command that ends the edit of the cell (a window's Write or Save, its
//   deactivation or unload) as leaving the cell would.
//
// Code may make any cell current, fixed ones too, and never scrolls by doing
// so; the user reaches only non-fixed cells, and the keys scroll the current
// cell into view. Shrinking Rows or Cols (or a format string with fewer
// columns) clamps the current cell silently. Values out of range (a row
// beyond Rows, a negative width) are ignored.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/focus.h"

namespace ui {

class Grid : public Focusable {
public:
    using Focusable::Focusable;
    const char* kind() const override { return "Grid"; }

    // ---- shape ----
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // New rows and columns are empty; dropped ones lose their texts.
    void setRows(int n);
    void setCols(int n);
    int FixedRows() const { return fixed_rows_; }
    int FixedCols() const { return fixed_cols_; }
    // Also makes the first non-fixed cell current (silently) and scrolls back
    // to the start, as a grid being laid out.
    void setFixedRows(int n);
    void setFixedCols(int n);

    // Columns and headers in one text: "|" separates the columns, a "^" at
    // the start of a column's part centres that column. Sets Cols, the texts
    // of row 0 (blanks kept) and each column's width to its header's measured
    // width plus a margin.
    const std::string& FormatString() const { return format_; }
    void setFormatString(const std::string& f);
    // 0 left, 2 centred (from the format string).
    int ColAlignment(int c) const;

    // ---- cells ----
    // The text of cell (r, c); empty outside the grid.
    const std::string& TextMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, const std::string& v);
    // The current cell's text.
    const std::string& Text() const { return TextMatrix(row_, col_); }
    void setText(const std::string& v) { setTextMatrix(row_, col_, v); }

    // ---- current cell ----
    int Row() const { return row_; }
    int Col() const { return col_; }
    void setRow(int r);
    void setCol(int c);
    // The cell of the last click or double-click.
    int MouseRow() const { return mouse_row_; }
    int MouseCol() const { return mouse_col_; }

    // ---- measures and scrolling ----
    int ColWidth(int c) const;
    void setColWidth(int c, int w);
    // One height for every row.
    int RowHeight() const { return row_height_; }
    void setRowHeight(int h);
    // First visible non-fixed row and column.
    int TopRow() const;
    int LeftCol() const;
    void setTopRow(int r);
    void setLeftCol(int c);

    // The current cell's rectangle from the grid's outer top-left corner, as
    // it stands scrolled (a cell scrolled out of sight lies outside the
    // grid's view). Grid Left + CellLeft is the cell's left in the grid's
    // container.
    int CellLeft() const { return cell_rect(row_, col_).x; }
    int CellTop() const { return cell_rect(row_, col_).y; }
    int CellWidth() const { return cell_rect(row_, col_).w; }
    int CellHeight() const { return cell_rect(row_, col_).h; }

    // Also GotFocus and LostFocus (Focusable).
    Event LeaveCell, Click, DblClick, Scroll;

    // ---- user actions (ignored when the grid cannot be reached) ----
    void click(int r, int c);
    void dblclick(int r, int c);
    // The second press of a double-click whose first click has been
    // handled: DblClick only (a front end sees the first click on its own).
    void second_click(int r, int c);
    // The same at a point (twips from the grid's top-left); a point on no
    // cell does nothing. Returns whether a cell was hit.
    bool click_at(int x, int y);
    bool second_click_at(int x, int y);
    enum class Key { Left, Right, Up, Down, PageUp, PageDown, Home, End };
    void key(Key k);
    // The user moving the scroll bars or the wheel: the new first visible
    // non-fixed row and column, clamped.
    void scroll_to(int top_row, int left_col);
    void wheel(int rows) { scroll_to(TopRow() + rows, LeftCol()); }
    // LeaveCell for the current cell, which stays current.
    void leave_current();

    // Runs before every Scroll event, in the order added; for the cell
    // overlays laid over this grid, wired once when they are made.
    void on_scroll(std::function<void()> f) { scroll_watchers_.push_back(std::move(f)); }

    // ---- fitting the grid to its texts (the windows' layouts) ----
    // Widens each column to its widest text, its header's and its cells',
    // and to the widest of the texts `more` gives for it (the items of a
    // list laid over its cells, the widest value a cell can take), plus the
    // cell margin; no column is made narrower.
    using ColumnTexts = std::vector<std::pair<int, std::vector<std::string>>>;
    void FitColumns(const ColumnTexts& more = {});
    // The outer width that shows every column, and the outer height that
    // shows every row, without a scroll bar (a vertical bar counted in the
    // width while the rows do not fit the height, and the other way round).
    int FullWidth() const;
    int FullHeight() const;
    // Makes every row show: the grid grows, up to `max_height`, and when
    // that is not enough its rows get lower, down to a line of text with a
    // little room. Never makes the grid lower or its rows higher.
    void FitRows(int max_height);
    // The greatest height up to `height` at which the grid shows whole rows
    // only: when its rows need a scroll bar, the view ends below the last
    // row that shows whole instead of showing part of the next one.
    int WholeRowsHeight(int height) const;
    // Gives the width the view has beyond its columns to the non-fixed
    // columns, in proportion to their widths, so no empty strip is left at
    // the right; nothing when the columns do not fit.
    void SpreadColumns();

    // ---- geometry, for the views and the overlays ----
    struct Rect {
        int x = 0, y = 0, w = 0, h = 0;
        bool operator==(const Rect&) const = default;
    };
    struct Layout {
        Rect view;                 // where cells show, inside the frame line
        bool vbar = false, hbar = false;
        Rect vbar_rect, hbar_rect;  // the scroll bars, when shown
        int fixed_w = 0, fixed_h = 0;  // the frozen columns and rows
        int max_top = 0, max_left = 0;  // the largest scroll, as first visible row / column
        int page_rows = 1;              // non-fixed rows that fit in the view
    };
    Layout layout() const;
    Rect cell_rect(int r, int c) const;
    // Whether the whole cell shows in the view.
    bool cell_visible(int r, int c) const;
    // Scrolls the least that shows the whole cell (as far as it fits);
    // raises Scroll when the view moved.
    void scroll_into_view(int r, int c);
    // The cell at a point, or {-1, -1}.
    std::pair<int, int> cell_at(int x, int y) const;

    // Cells written since the view last asked: all of them, or a list.
    struct Dirty {
        bool all = false;
        std::vector<std::pair<int, int>> cells;
    };
    Dirty take_dirty();

protected:
    void reset_props() override;

private:
    void move_to(int r, int c);
    // Scroll offsets (non-fixed rows and columns out of sight) as they stand
    // in layout l: the stored ones, clamped.
    int top_off(const Layout& l) const;
    int left_off(const Layout& l) const;
    // After a change of shape or measures: clamps the scroll, repaints,
    // raises Scroll when the offsets differ from the old ones.
    void reshaped(int old_top_off, int old_left_off);
    void mark_dirty(int r, int c);
    void raise_scroll();
    bool in_grid(int r, int c) const { return r >= 0 && r < rows_ && c >= 0 && c < cols_; }

    int rows_ = 2, cols_ = 2, fixed_rows_ = 1, fixed_cols_ = 1;
    int row_ = 1, col_ = 1;
    int mouse_row_ = 0, mouse_col_ = 0;
    // Non-fixed rows and columns scrolled out at the top and left.
    int top_off_ = 0, left_off_ = 0;
    int row_height_ = 0;
    std::vector<int> widths_;
    std::vector<int> align_;
    std::vector<std::string> cells_;  // row-major, rows_ x cols_
    std::string format_;
    Dirty dirty_;
    bool dirty_told_ = false;
    std::vector<std::function<void()>> scroll_watchers_;
};

}  // namespace ui
