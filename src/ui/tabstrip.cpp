#include "ui/tabstrip.h"

#include <algorithm>

#include "ui/grid_choices.h"

namespace ui {

namespace {
const TabStrip::Tab kNoTab;
}

void TabStrip::Clear() {
    if (tabs_.empty() && selected_ == 0) return;
    tabs_.clear();
    selected_ = 0;
    changed("Tabs");
}

int TabStrip::Add(const std::string& caption, const std::string& key) {
    tabs_.push_back(Tab{caption, key});
    if (selected_ == 0) selected_ = 1;
    changed("Tabs");
    return TabCount();
}

const TabStrip::Tab& TabStrip::tab(int i) const {
    return i >= 1 && i <= TabCount() ? tabs_[static_cast<size_t>(i - 1)] : kNoTab;
}

void TabStrip::setTabCaption(int i, const std::string& caption) {
    if (i < 1 || i > TabCount() || tabs_[static_cast<size_t>(i - 1)].Caption == caption) return;
    tabs_[static_cast<size_t>(i - 1)].Caption = caption;
    changed("Tabs");
}

void TabStrip::setTabKey(int i, const std::string& key) {
    if (i < 1 || i > TabCount()) return;
    tabs_[static_cast<size_t>(i - 1)].Key = key;
}

void TabStrip::setSelectedIndex(int i) {
    if (i < 1 || i > TabCount() || i == selected_) return;
    selected_ = i;
    changed("Selected");
    fire(Click);
}

void TabStrip::click(int i) {
    if (!usable() || i < 1 || i > TabCount()) return;
    if (i != selected_) {
        selected_ = i;
        changed("Selected");
    }
    fire(Click);
}

int TabStrip::ClientLeft() const { return Left() + kTabBorder; }
int TabStrip::ClientTop() const { return Top() + kTabRowHeight; }
int TabStrip::ClientWidth() const { return std::max(0, Width() - 2 * kTabBorder); }
int TabStrip::ClientHeight() const { return std::max(0, Height() - kTabRowHeight - kTabBorder); }

}  // namespace ui
