// Lays a window's text box or list over its grid's current cell, the way
// every grid editor edits a cell: placed at the grid's Left/Top plus the
// cell's CellLeft/CellTop, as wide as the cell (a text box also as high;
// a list keeps its own height), shown above the grid, with the focus. A cell
// not wholly in view is scrolled into view first, so the grid's Scroll
// handler runs before the editor shows.
//
// The overlay remembers the cell it was placed on until the window releases
// it or places it again; hiding it (on Scroll, say) keeps the cell. A
// window's LeaveCell handler asks on(Row, Col) before it stores what the
// editor holds, so an editor's text only ever reaches the cell it was
// placed on.
//
// It is a control of the window (it draws nothing), so each load of the
// window starts it with no cell. The editor must sit in the grid's
// container.
#pragma once

#include "ui/controls.h"
#include "ui/grid.h"

namespace ui {

class CellOverlay : public Control {
public:
    // editor is a TextBox or a ComboBox of the same window.
    CellOverlay(Form& owner, std::string name, Grid& grid, Control& editor);
    const char* kind() const override { return "CellOverlay"; }

    // Over the grid's current cell: scroll, place, show, focus, remember.
    void place();
    // Hides the editor; the cell is kept.
    void hide() { editor_.setVisible(false); }
    // Forgets the cell (the editor stays as it is).
    void release() { placed_ = false; }

    bool placed() const { return placed_; }
    int row() const { return row_; }
    int col() const { return col_; }
    // Whether the overlay was placed on cell (r, c) and not released since.
    bool on(int r, int c) const { return placed_ && row_ == r && col_ == c; }
    // The editor's rectangle over cell (r, c), in the grid's container.
    Grid::Rect target(int r, int c) const;

    Grid& grid() const { return grid_; }
    Control& editor() const { return editor_; }

protected:
    void reset_props() override {
        placed_ = false;
        row_ = col_ = -1;
    }

private:
    Grid& grid_;
    Control& editor_;
    bool placed_ = false;
    int row_ = -1, col_ = -1;
};

}  // namespace ui
