// Lays a window's text box or list over its grid's current cell, the way
// every grid editor edits a cell: placed at the grid's Left/Top plus the
// cell's CellLeft/CellTop, as wide as the cell (a text box also as high;
// a list keeps its own height), shown above the grid, with the focus. A cell
// not wholly in view is scrolled into view first.
//
// The overlay remembers the cell it was placed on until the window releases
// it or places it again. A window's LeaveCell handler asks on(Row, Col)
// before it stores what the editor holds, so an editor's text only ever
// reaches the cell it was placed on.
//
// The editor opens with its whole text selected, so typing replaces the
// value (a list's text part too); mark_opened selects again. Up and Down
// over the open editor leave the cell as a click elsewhere would: the grid
// takes the focus and moves to the row above or below, the window's
// LeaveCell judges what the editor holds (a list not picked from stores
// nothing), and an editor the window left showing off its cell is hidden.
// PageUp and PageDown leave it the same way and page the grid (whose
// scroll then drops the overlay).
//
// The editor itself knows the text it opened with (ui/typing.h: the text
// the program showed in it): the cell's text when it was placed, or the
// editor's own when the window calls mark_opened after giving it another
// (a list that opens with nothing typed). edited() asks the editor whether
// its text differs from it, blanks at either end aside. Leaving a cell with
// the text it opened with is no edit (editors/cell_commit.h). A list's
// value, which it puts back when typing may not change it, starts there
// too (ComboBox::Put_back_text).
//
// Whenever the grid scrolls (the user, a key, or code reshaping it), every
// overlay of that grid is dropped: its editor hidden and its cell forgotten,
// without storing anything. The window does the same through drop() when it
// rebuilds its rows from the image.
//
// It is a control of the window (it draws nothing), so each load of the
// window starts it with no cell. The editor must sit in the grid's
// container.
#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/grid.h"

namespace ui {

class CellOverlay : public Control {
public:
    // editor is a TextBox or a ComboBox of the same window.
    CellOverlay(Form& owner, std::string name, Grid& grid, Control& editor);
    const char* kind() const override { return "CellOverlay"; }

    // Over the grid's current cell: scroll, place, show, focus, remember the
    // cell and its text.
    void place();
    // The editor's text as it stands now counts as the one it opened with
    // (for a list filled and given its text after place()).
    void mark_opened();
    // Hides the editor; the cell is kept.
    void hide() { editor_.setVisible(false); }
    // Forgets the cell (the editor stays as it is).
    void release() { placed_ = false; }
    // Hides the editor and forgets the cell: nothing it holds is stored. An
    // editor that has the focus (also one hidden already) gives it to the
    // grid.
    void drop();

    bool placed() const { return placed_; }
    int row() const { return row_; }
    int col() const { return col_; }
    // Whether the overlay was placed on cell (r, c) and not released since.
    bool on(int r, int c) const { return placed_ && row_ == r && col_ == c; }
    // The editor's text now, and the one it opened with.
    std::string editor_text() const;
    std::string opened_text() const;
    // Placed, and its text differs from the one it opened with, blanks at
    // either end not counted.
    bool edited() const;
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
    void select_text();
    // The editor's text part (null for another kind of control).
    TextEntry* entry() const { return dynamic_cast<TextEntry*>(&editor_); }
    // Up, Down, PageUp or PageDown over the open editor: the grid takes the
    // focus and the key.
    bool leave_by(Grid::Key k);
    Grid& grid_;
    Control& editor_;
    bool placed_ = false;
    int row_ = -1, col_ = -1;
};

}  // namespace ui
