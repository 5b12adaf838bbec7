// The FM preset editor: the 16 presets of the image in a grid, a text box
// laid over a clicked frequency or name cell and the preset stored when the
// cell is left; Default, Clear, Open, Save, Close, and its own Read and
// Write of 0x3000-0x30FF.
#pragma once

#include <cstdint>
#include <string>

#include "link/link_window.h"
#include "ui/all.h"

namespace bx {

class App;

class frm_FM : public LinkWindow {
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

    // The window's own Read and Write (the rest of its exchange is the
    // link window's).
    ui::CommandButton Command_read{*this, "Command_read"};
    ui::CommandButton Command_Write{*this, "Command_Write"};

    // The cell the overlay was opened on; a commit acts only there.
    ui::CellOverlay Text_overlay{*this, "Text_overlay", MSF_Chann, Text_Edit};

    int16_t Area_addr_high = 0;
    int16_t Edit_row = 0;
    int16_t Fm_low_limit = 0;
    int16_t Fm_high_limit = 0;

    bool Busy() const { return Link.st.Busy(); }

    // ---- display and store ----
    std::string Cov_Freq(int m_freq0, int m_freq1, int m_freq2, int m_freq3, int m_freq4, int m_freq5, int m_freq6,
                         int m_freq7) const;
    void Show_fm_row(int n);
    void Show_fm_presets();
    void Place_cell_editor();
    void Store_fm_row(int n);
    void Unpack_fm_blocks();

    // ---- handlers ----
    void Form_GotFocus() { Show_fm_presets(); }
    void MSF_Chann_Click() { Place_cell_editor(); }
    void MSF_Chann_LeaveCell();
    void MSF_Chann_Scroll() { Text_Edit.setVisible(false); }
    void Text_Edit_KeyPress(int& /*KeyAscii*/) {}
    void Command_def_Click();
    void Command_Clear_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();
    void Command_read_Click() { Link.Read_button(); }
    void Command_Write_Click() { Link.Write_button(); }

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Activate() override { Show_fm_presets(); }
    void Form_Unload(int& Cancel) override;

private:
    // The preset record of grid row n, or -1 for a row that belongs to no
    // preset.
    int Preset_of_row(int n) const;
    void Place_controls();
    void Read_complete();
    void Write_complete();
};

}  // namespace bx
