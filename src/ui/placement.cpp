#include "ui/placement.h"

#include <algorithm>

namespace ui {

ScaledLayout::ScaledLayout(const Form& form, int design_w, int design_h, Anchor anchor) {
    const int w = form.ScaleWidth(), h = form.ScaleHeight();
    if (design_w > 0) fx_ = std::min(1.0, static_cast<double>(w) / design_w);
    if (design_h > 0) fy_ = std::min(1.0, static_cast<double>(h) / design_h);
    if (anchor == Anchor::Centre) {
        dx_ = std::max(0, (w - design_w) / 2);
        dy_ = std::max(0, (h - design_h) / 2);
    }
}

void ScaledLayout::place(Control& c, int left, int top, int width, int height) const {
    const bool on_form = c.Container() == nullptr;
    c.Move(static_cast<int>(left * fx_) + (on_form ? dx_ : 0), static_cast<int>(top * fy_) + (on_form ? dy_ : 0),
           static_cast<int>(width * fx_), height);
}

int fitted_height(const Label& l) {
    return std::max(l.Height(), l.owner().rt().text_height(l.Caption(), l.Width()));
}

}  // namespace ui
