// The model and band dialog: the user picks a radio model and Confirm
// applies that model's band A limits to the frequency validation.
#pragma once

#include <string>

#include "ui/all.h"

namespace bx {

class App;

// Models the dialog lists: entries 0 to 6 of the model table.
inline constexpr int kTypeModels = 7;

class Form_type : public ui::Form {
public:
    explicit Form_type(App& app);

    App& app;

    ui::Label Label1{*this, "Label1"};
    ui::ComboBox Combo_type{*this, "Combo_type"};
    ui::Label Label2{*this, "Label2"};
    ui::Label Label_band{*this, "Label_band"};
    ui::CommandButton Command_enter{*this, "Command_enter"};
    ui::CommandButton Command_Cancel{*this, "Command_Cancel"};

    // The text of the entry picked last, and its position (several entries
    // share the empty name).
    std::string Last_text;
    int Last_index = -1;

    void Combo_type_Click();
    void Combo_type_Change();
    void Command_enter_Click();
    void Command_Cancel_Click();

protected:
    void Build() override;
    void Form_Load() override;
};

// Band A of a model as the dialog shows it: " " & Str(low) & " -- " &
// Str(high), where Str puts a blank before a number that is not negative.
std::string Band_text(int low, int high);

}  // namespace bx
