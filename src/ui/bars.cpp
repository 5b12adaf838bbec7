#include "ui/bars.h"

namespace ui {

// ---- MenuItem ----

MenuItem::MenuItem(Form& owner, std::string name, MenuItem* parent)
    : Control(owner, std::move(name)), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

void MenuItem::click() {
    if (!usable()) return;
    for (MenuItem* m = parent_; m; m = m->parent_)
        if (!m->usable()) return;
    fire(Click);
}

// ---- Toolbar ----

void Toolbar::AddButton(const std::string& key, const std::string& image, const std::string& tip) {
    buttons_.push_back(Button{key, image, tip});
    changed("Buttons");
}

void Toolbar::setButtonTip(const std::string& key, const std::string& tip) {
    for (Button& b : buttons_)
        if (b.Key == key && b.ToolTipText != tip) {
            b.ToolTipText = tip;
            changed("Buttons");
        }
}

void Toolbar::click(const std::string& key) {
    if (!usable()) return;
    for (const Button& b : buttons_)
        if (b.Key == key) {
            if (ButtonClick) ButtonClick(b);
            return;
        }
}

// ---- StatusBar ----

void StatusBar::setPanelCount(int n) {
    panels_.resize(static_cast<size_t>(n));
    changed("Panels");
}

void StatusBar::setPanelText(int i, const std::string& text) {
    Panel& pn = panels_.at(static_cast<size_t>(i - 1));
    if (pn.Text == text) return;
    pn.Text = text;
    changed("Panels");
}

void StatusBar::setPanelWidth(int i, float width) {
    Panel& pn = panels_.at(static_cast<size_t>(i - 1));
    if (pn.Width == width) return;
    pn.Width = width;
    changed("Panels");
}

}  // namespace ui
