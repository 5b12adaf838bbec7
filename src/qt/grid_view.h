// What drivers outside the front end (the grid benchmark) may ask of a
// grid's view, without touching Qt.
#pragma once

namespace ui {
class Grid;
}

namespace bx {

class QtRuntime;

// How many times the view of grid g has painted; 0 while it has none.
long grid_paint_count(QtRuntime& rt, const ui::Grid& g);

}  // namespace bx
