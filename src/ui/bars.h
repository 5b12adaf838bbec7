// Progress bars, menus, toolbars and status bars.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/event.h"
#include "ui/form.h"

namespace ui {

class ProgressBar : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "ProgressBar"; }
    struct P {
        double Min = 0, Max = 100, Value = 0;
        bool operator==(const P&) const = default;
    };
    UI_PROP(double, Min)
    UI_PROP(double, Max)
    UI_PROP(double, Value)

protected:
    void reset_props() override { p = P{}; }
    P p;
};

class MenuItem : public Control {
public:
    MenuItem(Form& owner, std::string name, MenuItem* parent = nullptr);
    const char* kind() const override { return "MenuItem"; }
    struct P {
        std::string Caption;
        bool Checked = false;
        bool operator==(const P&) const = default;
    };
    UI_PROP(std::string, Caption)
    UI_PROP(bool, Checked)
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }
    Event Click;
    // A user choosing the item: only when it and its menus are visible and
    // enabled.
    void click();

protected:
    void reset_props() override { p = P{}; }
    P p;

private:
    MenuItem* parent_;
    std::vector<MenuItem*> children_;
};

class Toolbar : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "Toolbar"; }
    struct Button {
        std::string Key;
        std::string Image;  // picture name
        std::string ToolTipText;
    };
    // A button without a tip shows none.
    void AddButton(const std::string& key, const std::string& image, const std::string& tip = {});
    void setButtonTip(const std::string& key, const std::string& tip);
    const std::vector<Button>& Buttons() const { return buttons_; }
    std::function<void(const Button&)> ButtonClick;
    // A user clicking the button with this key.
    void click(const std::string& key);

protected:
    void reset_props() override { buttons_.clear(); }

private:
    std::vector<Button> buttons_;
};

class StatusBar : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "StatusBar"; }
    struct Panel {
        std::string Text;
        float Width = 0;  // twips
        bool operator==(const Panel&) const = default;
    };
    // Panels are numbered from 1.
    void setPanelCount(int n);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    const Panel& Panels(int i) const { return panels_.at(i - 1); }
    void setPanelText(int i, const std::string& text);
    void setPanelWidth(int i, float width);

protected:
    void reset_props() override { panels_.clear(); }

private:
    std::vector<Panel> panels_;
};

}  // namespace ui
