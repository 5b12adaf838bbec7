#include "shell/form_type.h"

#include "appstate/app.h"
#include "model/code_tables.h"
#include "model/lang.h"
#include "model/numtext.h"
#include "shell/mdimain.h"
#include "ui/placement.h"

namespace bx {

std::string Band_text(int low, int high) {
    std::string s = " ";
    s += Str(low);
    s += " -- ";
    s += Str(high);
    return s;
}

Form_type::Form_type(App& a) : ui::Form(a.rt, "Form_type"), app(a) {
    Combo_type.Click = [this] { Combo_type_Click(); };
    Combo_type.Change = [this] { Combo_type_Change(); };
    Command_enter.Click = [this] { Command_enter_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
}

void Form_type::Build() {
    // The list holds only the models: its text cannot be typed over.
    Combo_type.setStyle(2);
    Command_enter.setDefault(true);
    Command_Cancel.setCancel(true);
}

void Form_type::Form_Load() {
    const bool chn = app.Lang_chinese != 0;
    setCaption(chn ? "机型选择" : "Model Select");
    Label1.setCaption(chn ? "机  型" : "Model");
    Label2.setCaption(chn ? "频  段" : "Band");
    Command_enter.setCaption(chn ? "确 定" : "Confirm");
    Command_Cancel.setCaption(chn ? "取 消" : "Cancel");

    const ui::Form& m = *app.MDImain;
    setWidth(m.ScaleWidth() / 3);
    setHeight(m.ScaleHeight() / 3);
    setLeft((m.ScaleWidth() - Width()) / 2);
    setTop((m.ScaleHeight() - Height()) / 2 - 500);

    // The controls as one block in the middle of the dialog, with a margin
    // around it; a dialog too small for the block shrinks it to fit.
    const ui::ScaledLayout layout(*this, 4980, 2220, ui::ScaledLayout::Anchor::Centre);
    const int x = 240, y = 120;
    layout.place(Label1, x, y + 45, 1080, 300);
    layout.place(Combo_type, x + 1200, y, 3300, 345);
    layout.place(Label2, x, y + 765, 1080, 300);
    layout.place(Label_band, x + 1200, y + 765, 3300, 300);
    layout.place(Command_enter, x + 1200, y + 1500, 1380, 480);
    layout.place(Command_Cancel, x + 3120, y + 1500, 1380, 480);

    Combo_type.Clear();
    for (int i = 0; i < kTypeModels; ++i) Combo_type.AddItem(app.Model_table.Model_names[static_cast<size_t>(i)]);
    Last_text.clear();
    Last_index = -1;
    Label_band.setCaption("");
    // Picking the current model shows its band (Combo_type_Click); the limits
    // change only on Confirm.
    Combo_type.setListIndex(app.Model_index);
}

void Form_type::Combo_type_Click() {
    const int p = Combo_type.ListIndex();
    if (p < 0) return;
    const auto& band = app.Model_table.Band_table[static_cast<size_t>(p)];
    Label_band.setCaption(Band_text(band[kBandALowCol], band[kBandAHighCol]));
    Last_text = Combo_type.Text();
    Last_index = p;
}

// A text that is not the picked entry's is put back to the last pick.
void Form_type::Combo_type_Change() {
    const int p = Combo_type.ListIndex();
    if (p >= 0 && Combo_type.Text() == Combo_type.List(p)) return;
    Combo_type.focus();
    if (Last_index >= 0) Combo_type.setListIndex(Last_index);
}

void Form_type::Command_enter_Click() {
    const int p = Combo_type.ListIndex();
    if (p < 0 || p >= kTypeModels) return;  // nothing picked: nothing to apply
    const auto& band = app.Model_table.Band_table[static_cast<size_t>(p)];
    app.Limit_A_low = band[kBandALowCol];
    app.Limit_A_high = band[kBandAHighCol];
    app.Model_index = static_cast<int16_t>(p);
    App::Unload(*this);
}

void Form_type::Command_Cancel_Click() { App::Unload(*this); }

}  // namespace bx
