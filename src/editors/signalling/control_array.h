// A fixed array of controls of one kind, named as the window's control
// array is: Name(0), Name(1), ... Each element is built in place, so it
// registers with its form like any single control.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "ui/form.h"

namespace bx {

template <class T, size_t N>
class ControlArray {
public:
    ControlArray(ui::Form& f, const char* name) : items_(make(f, name, std::make_index_sequence<N>{})) {}
    T& operator[](size_t i) { return items_[i]; }
    const T& operator[](size_t i) const { return items_[i]; }
    static constexpr size_t size() { return N; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

private:
    template <size_t... I>
    static std::array<T, N> make(ui::Form& f, const char* name, std::index_sequence<I...>) {
        return {T{f, std::string(name) + "(" + std::to_string(I) + ")"}...};
    }
    std::array<T, N> items_;
};

}  // namespace bx
