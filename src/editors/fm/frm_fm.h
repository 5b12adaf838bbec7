// The FM preset editor: the 16 presets of the image in a grid, a text box
// laid over a clicked frequency or name cell and the preset stored when the
// cell is left; Default, Clear, Open, Save, Close, and its own Read and
// Write of 0x3000-0x30FF.
#pragma once

#include <cstdint>
#include <string>

#include "editors/editor_window.h"
#include "ui/all.h"
#include "ui/cell_overlay.h"

namespace bx {

class App;

class frm_FM : public EditorWindow {
public:
    explicit frm_FM(App& app);

    ui::Grid MSF_Chann{*this, "MSF_Chann"};
    ui::TextBox Text_Edit{*this, "Text_Edit"};
    // Hidden in the stored layout; nothing shows it.
    ui::ComboBox Combo_edit{*this, "Combo_edit"};
    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_Clear{*this, "Command_Clear"};
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_close{*this, "Command_close"};


    // The cell the overlay was opened on; a commit acts only there.
    ui::CellOverlay Text_overlay{*this, "Text_overlay", MSF_Chann, Text_Edit};

    int16_t Area_addr_high = 0;
    int16_t Edit_row = 0;
    int16_t Fm_low_limit = 0;
    int16_t Fm_high_limit = 0;

    // ---- display and store ----
    std::string Cov_Freq(int m_freq0, int m_freq1, int m_freq2, int m_freq3, int m_freq4, int m_freq5, int m_freq6,
                         int m_freq7) const;
    void Show_fm_row(int n);
    void Show_fm_presets();
    void Place_cell_editor();
    // Row n's cells into its preset; name_untouched when the frequency was
    // the cell edited (the preset's name bytes stay as they are).
    void Store_fm_row(int n, bool name_untouched);
    void Unpack_fm_blocks();

    // ---- handlers ----
    void Form_GotFocus() { Show_fm_presets(); }
    void MSF_Chann_Click() { Place_cell_editor(); }
    void MSF_Chann_LeaveCell();
    // Scrolling has dropped the overlay already (ui/cell_overlay.h).
    void MSF_Chann_Scroll() {}
    void Text_Edit_KeyPress(int& /*KeyAscii*/) {}
    void Command_def_Click();
    void Command_Clear_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Activate() override {
        EditorWindow::Form_Activate();
        Show_fm_presets();
    }
    void Image_replaced() override { Show_fm_presets(); }
    void Read_complete() override;
    void Write_complete() override;

private:
    // The preset record of grid row n, or -1 for a row that belongs to no
    // preset.
    int Preset_of_row(int n) const;
    // The commit of what the user typed into cell (Edit_row, c).
    void Commit_fm_cell(int c, const std::string& t);
    void Place_controls();
    void Fit_grid();
};

}  // namespace bx

BX_EDITOR_WINDOW(frm_FM);
