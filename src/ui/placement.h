// Placing a window's controls from a layout drawn for a client area of a
// given size. In a smaller client area the left edges, widths and tops
// shrink in proportion and the heights stay (a line of text keeps its
// height), so every control stays inside down to the smallest screen the
// program accepts. In a larger one the controls stay as drawn, at the top
// left or, for a layout drawn to sit in the middle, centred as one block.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

namespace ui {

class ScaledLayout {
public:
    enum class Anchor { TopLeft, Centre };
    // The client area of `form` as it is now; the layout is drawn for one of
    // design_w x design_h twips.
    ScaledLayout(const Form& form, int design_w, int design_h, Anchor anchor = Anchor::TopLeft);

    // Moves c to the drawn place, scaled. The place is in c's container, as
    // drawn: a centred block moves only the controls that sit on the form
    // itself, and a frame's controls come with their frame.
    void place(Control& c, int left, int top, int width, int height) const;

private:
    double fx_ = 1, fy_ = 1;
    int dx_ = 0, dy_ = 0;
};

// The height label l needs to show its whole caption wrapped at its width
// in the windows' font, never less than its height as drawn.
int fitted_height(const Label& l);

}  // namespace ui
