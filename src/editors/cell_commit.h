// The grid editors' one rule for what an overlay (ui::CellOverlay: a text
// box or list laid over a grid cell) holds:
// - it is stored only into the cell the overlay was placed on: a key or a
//   program move from a cell with no overlay on it stores nothing, never an
//   empty or stale overlay;
// - it is stored only when the user changed its text (blanks at either end
//   not counted): a cell opened and left as it was, by a click elsewhere,
//   Enter, or a command that ends the edit, stores nothing and touches no
//   other cell. The one exception: a shown value that fails the cell's
//   check (out of range, as a radio or a file may hold it) still gets its
//   message and replacement, so the window passes that check along;
// - once that cell has been left the overlay stores nothing more (a list
//   left visible and picked later, a box typed into after the move).
//
// The window's LeaveCell handler calls Commit_cell with the cell being left
// (the grid's Row and Col); the editor's own Click or Change handler that
// stores a pick at once asks Overlay_live first. Any overlay type with
// on(r, c), edited(), placed() and release() will do.
#pragma once

namespace bx {

// Runs store() when the overlay was placed on cell (row, col) and either
// its text was edited or shown_fails() (the text it opened with fails the
// cell's check), and releases the overlay either way: the cell it was on is
// left. Returns whether it stored.
template <class Overlay, class Store, class Fails>
bool Commit_cell(Overlay& overlay, int row, int col, Store&& store, Fails&& shown_fails) {
    const bool mine = overlay.on(row, col) && (overlay.edited() || shown_fails());
    overlay.release();
    if (mine) store();
    return mine;
}

// The same for a cell whose shown value never fails its check (a list of
// fixed entries, a name).
template <class Overlay, class Store>
bool Commit_cell(Overlay& overlay, int row, int col, Store&& store) {
    return Commit_cell(overlay, row, col, static_cast<Store&&>(store), [] { return false; });
}

// Whether an edit in the overlay's editor may still store: the overlay is
// placed and its cell not yet left.
template <class Overlay>
bool Overlay_live(const Overlay& overlay) {
    return overlay.placed();
}

}  // namespace bx
