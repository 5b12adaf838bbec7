// A row of tabs above a client area; the window places a frame per page at
// the client area and shows the one of the selected tab in its Click
// handler. Tabs are numbered from 1.
#pragma once

#include <string>
#include <vector>

#include "ui/controls.h"

namespace ui {

class TabStrip : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "TabStrip"; }

    struct Tab {
        std::string Caption, Key;
        bool operator==(const Tab&) const = default;
    };
    // Removes every tab; none is selected then.
    void Clear();
    // Adds a tab at the end and returns its index. The first tab of an empty
    // strip becomes the selected one, without Click.
    int Add(const std::string& caption, const std::string& key = {});
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    // Tab i (1 to TabCount); an empty tab outside.
    const Tab& tab(int i) const;
    void setTabCaption(int i, const std::string& caption);
    void setTabKey(int i, const std::string& key);
    const std::vector<Tab>& tabs() const { return tabs_; }

    // The selected tab's index (0: none) and key.
    int SelectedIndex() const { return selected_; }
    const std::string& SelectedKey() const { return tab(selected_).Key; }
    // Code selecting a tab: Click when the selection changes.
    void setSelectedIndex(int i);

    // The client area below the tabs, in the strip's container.
    int ClientLeft() const;
    int ClientTop() const;
    int ClientWidth() const;
    int ClientHeight() const;

    // Raised when the user clicks a tab (the selected one too), and when
    // code changes the selection.
    Event Click;
    // A user clicking tab i.
    void click(int i);

protected:
    void reset_props() override {
        tabs_.clear();
        selected_ = 0;
    }

private:
    std::vector<Tab> tabs_;
    int selected_ = 0;
};

}  // namespace ui
