// Events of the controls: plain std::function members that the owning form
// wires to its handlers.
#pragma once

#include <functional>

namespace ui {

using Event = std::function<void()>;
using KeyEvent = std::function<void(int& KeyAscii)>;

inline void fire(const Event& e) {
    if (e) e();
}

}  // namespace ui
