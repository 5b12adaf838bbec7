#include "ui/cell_overlay.h"

namespace ui {

CellOverlay::CellOverlay(Form& owner, std::string name, Grid& grid, Control& editor)
    : Control(owner, std::move(name)), grid_(grid), editor_(editor) {}

Grid::Rect CellOverlay::target(int row, int col) const {
    Grid::Rect r = grid_.cell_rect(row, col);
    r.x += grid_.Left();
    r.y += grid_.Top();
    if (!dynamic_cast<const TextBox*>(&editor_)) r.h = editor_.Height();
    return r;
}

void CellOverlay::place() {
    if (!owner().Loaded()) return;
    const int r = grid_.Row(), c = grid_.Col();
    placed_ = true;
    row_ = r;
    col_ = c;
    if (!grid_.cell_visible(r, c)) grid_.scroll_into_view(r, c);
    const Grid::Rect t = target(r, c);
    editor_.Move(t.x, t.y, t.w, t.h);
    editor_.setVisible(true);
    if (auto* f = dynamic_cast<Focusable*>(&editor_)) f->SetFocus();
}

}  // namespace ui
