#include "ui/cell_overlay.h"

#include "ui/lists.h"

namespace ui {

CellOverlay::CellOverlay(Form& owner, std::string name, Grid& grid, Control& editor)
    : Control(owner, std::move(name)), grid_(grid), editor_(editor) {
    grid_.on_scroll([this] { drop(); });
}

bool CellOverlay::leave_by(Grid::Key k) {
    if (!placed_ || !editor_.Visible() || !grid_.usable()) return false;
    grid_.focus();
    if (grid_.usable()) grid_.key(k);
    // An editor its window left showing over the cell it no longer holds
    // goes (a box kept open on its cell stays).
    if (!placed_ && editor_.Visible()) editor_.setVisible(false);
    return true;
}

void CellOverlay::select_text() {
    if (TextEntry* e = entry()) e->SelectAll();
}

void CellOverlay::mark_opened() {
    if (TextEntry* e = entry()) e->Take_as_shown();
    select_text();
}

Grid::Rect CellOverlay::target(int row, int col) const {
    Grid::Rect r = grid_.cell_rect(row, col);
    r.x += grid_.Left();
    r.y += grid_.Top();
    if (!dynamic_cast<const TextBox*>(&editor_)) r.h = editor_.Height();
    return r;
}

std::string CellOverlay::editor_text() const {
    if (auto* t = dynamic_cast<const TextBox*>(&editor_)) return t->Text();
    if (auto* c = dynamic_cast<const ComboBox*>(&editor_)) return c->Text();
    return {};
}

std::string CellOverlay::opened_text() const {
    const TextEntry* e = entry();
    return e ? e->Program_text() : std::string();
}

bool CellOverlay::edited() const {
    const TextEntry* e = entry();
    return placed_ && e && e->Edited();
}

void CellOverlay::drop() {
    if (editor_.Visible()) editor_.setVisible(false);
    placed_ = false;
    // A hidden editor keeps no focus: the keys go on from the grid, at the
    // cell it has.
    if (&editor_ == owner().ActiveControl()) grid_.SetFocus();
}

void CellOverlay::place() {
    if (!owner().Loaded()) return;
    const int r = grid_.Row(), c = grid_.Col();
    // Scrolling drops every overlay of the grid, so it comes first.
    if (!grid_.cell_visible(r, c)) grid_.scroll_into_view(r, c);
    placed_ = true;
    row_ = r;
    col_ = c;
    // What the cell shows is what the editor opens with; a window that
    // gives its editor another text calls mark_opened.
    if (TextEntry* e = entry()) e->Take_as_shown(grid_.TextMatrix(r, c));
    const Grid::Rect t = target(r, c);
    editor_.Move(t.x, t.y, t.w, t.h);
    editor_.setVisible(true);
    // The editor's Up and Down are this overlay's while it lies here (an
    // editor may serve more than one grid).
    if (auto* f = dynamic_cast<Focusable*>(&editor_)) {
        f->on_arrow = [this](int dir) { return leave_by(dir < 0 ? Grid::Key::Up : Grid::Key::Down); };
        f->on_page = [this](int dir) { return leave_by(dir < 0 ? Grid::Key::PageUp : Grid::Key::PageDown); };
        f->SetFocus();
    }
    select_text();
}

}  // namespace ui
