// The FM preset editor: the 16 presets of the image in a grid, a text box
// laid over a clicked frequency or name cell and the preset stored when the
// cell is left; Default, Clear, Open, Save, Close, and its own Read and
// Write of 0x3000-0x30FF.
#pragma once

#include <cstdint>
#include <string>

#include "link/link_machine.h"
#include "ui/all.h"

namespace bx {

class App;

class frm_FM : public ui::Form {
public:
    explicit frm_FM(App& app);

    App& app;

    ui::Grid MSF_Chann{*this, "MSF_Chann"};
    ui::TextBox Text_Edit{*this, "Text_Edit"};
    // Hidden in the stored layout; nothing shows it.
    ui::ComboBox Combo_edit{*this, "Combo_edit"};
    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_Clear{*this, "Command_Clear"};
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_close{*this, "Command_close"};

    // ---- the window's exchange with the radio ----
    ui::SerialPort MSC{*this, "MSC"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Timer Timer2{*this, "Timer2"};
    ui::Timer Timer3{*this, "Timer3"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Label Label_tr_count{*this, "Label_tr_count"};
    ui::CommandButton Command_read{*this, "Command_read"};
    ui::CommandButton Command_Write{*this, "Command_Write"};
    ui::Label Label_PassWord{*this, "Label_PassWord"};
    ui::TextBox Text_PassWord{*this, "Text_PassWord"};
    LinkMachine Link;

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
    void Text_PassWord_Change();

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
