// The grid editors' one rule for what an overlay (ui::CellOverlay: a text
// box or list laid over a grid cell) holds:
// - it is stored only into the cell the overlay was placed on: a key or a
//   program move from a cell with no overlay on it stores nothing, never an
//   empty or stale overlay;
// - once that cell has been left the overlay stores nothing more (a list
//   left visible and picked later, a box typed into after the move).
//
// The window's LeaveCell handler calls Commit_cell with the cell being left
// (the grid's Row and Col); the editor's own Click or Change handler that
// stores at once asks Overlay_live first. Any overlay type with on(r, c),
// placed() and release() will do.
#pragma once

namespace bx {

// Runs store() when the overlay was placed on cell (row, col), and releases
// the overlay either way: the cell it was on is left. Returns whether it
// stored.
template <class Overlay, class Store>
bool Commit_cell(Overlay& overlay, int row, int col, Store&& store) {
    const bool mine = overlay.on(row, col);
    overlay.release();
    if (mine) store();
    return mine;
}

// Whether an edit in the overlay's editor may still store: the overlay is
// placed and its cell not yet left.
template <class Overlay>
bool Overlay_live(const Overlay& overlay) {
    return overlay.placed();
}

}  // namespace bx
