// The alignment editor: the radio's factory alignment area 0x3C00-0x3DFF,
// kept in App::Adj_table (not in the memory image), on five tab pages:
// transmit power at high and at low power (16 VHF and 16 UHF points each),
// squelch levels and compensations, deviations and volumes (thirteen level
// lists), and the limited working range with the radio's two passwords.
//
// Every box and list stores into the table as it changes (the range boxes
// when they are left with a changed text, or with a shown text that fails
// their checks; a changed range box still focused is left that way before
// Write, Save, another window coming to the front and closing), and a
// display of a page runs the same handlers: a
// cell outside its box's range brings the box's range message and takes its
// factory value. Its own Read and Write move the alignment area; Open and
// Save show the alignment file dialogs, whose requests (adj_files.h) the
// window serves from its 500 ms poll (Timer4). Captions are fixed Chinese texts in both
// languages; the busy refusals follow the language. The main window's
// alignment command opens it; no menu item shows that command.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editors/editor_window.h"
#include "editors/signalling/control_array.h"
#include "model/adj_table.h"
#include "ui/tabstrip.h"

namespace bx {

class frm_Adj_Txp : public EditorWindow {
public:
    explicit frm_Adj_Txp(App& app);

    ui::TabStrip TabStrip1{*this, "TabStrip1"};

    // ---- pages 0 and 1: transmit power ----
    ui::Frame Frame_Frame{*this, "Frame_Frame"};
    ControlArray<ui::Frame, 2> Frame_B0{*this, "Frame_B0"};
    ControlArray<ui::Label, 16> Label1{*this, "Label1"};
    ControlArray<ui::TextBox, 16> Text1{*this, "Text1"};
    ControlArray<ui::Label, 25> Label_UHF{*this, "Label_UHF"};
    ControlArray<ui::TextBox, 25> Text2{*this, "Text2"};

    // ---- page 2: squelch ----
    ui::Frame Frame_Sql{*this, "Frame_Sql"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::Frame Frame_Sql_UHF{*this, "Frame_Sql_UHF"};
    // The column headings of each band's frame: level, opening value, then
    // point and compensation over each of the two point columns.
    ControlArray<ui::Label, 6> Label_Sql_Head_VHF{*this, "Label_Sql_Head_VHF"};
    ControlArray<ui::Label, 6> Label_Sql_Head_UHF{*this, "Label_Sql_Head_UHF"};
    ControlArray<ui::Label, 10> Label_Sql_VHF{*this, "Label_Sql_VHF"};
    ControlArray<ui::TextBox, 10> Text_SQ_VHF{*this, "Text_SQ_VHF"};
    ControlArray<ui::Label, 16> Label_Sq_Offset_Vhf{*this, "Label_Sq_Offset_Vhf"};
    ControlArray<ui::TextBox, 16> Text_Sq_Offset_VHF{*this, "Text_Sq_Offset_VHF"};
    ControlArray<ui::Label, 10> Label_Sql_UHF{*this, "Label_Sql_UHF"};
    ControlArray<ui::TextBox, 10> Text_SQ_UHF{*this, "Text_SQ_UHF"};
    ControlArray<ui::Label, 16> Label_Sq_Offset_UHF{*this, "Label_Sq_Offset_UHF"};
    ControlArray<ui::TextBox, 16> Text_Sq_Offset_UHF{*this, "Text_Sq_Offset_UHF"};

    // ---- page 3: deviations, volumes, drive, temperature ----
    ui::Frame Frame_Dev{*this, "Frame_Dev"};
    ui::Frame Frame2{*this, "Frame2"};
    ui::Frame Frame_Dev_1{*this, "Frame_Dev_1"};
    ui::ComboBox Combo_Voice_Dev{*this, "Combo_Voice_Dev"}, Combo_CT_Dev{*this, "Combo_CT_Dev"},
        Combo_DCS_Dev{*this, "Combo_DCS_Dev"}, Combo_Wide_C{*this, "Combo_Wide_C"},
        Combo_Wide_F{*this, "Combo_Wide_F"}, Combo_Narror_C{*this, "Combo_Narror_C"},
        Combo_Narror_F{*this, "Combo_Narror_F"}, Combo_Beep_C{*this, "Combo_Beep_C"},
        Combo_Beep_F{*this, "Combo_Beep_F"}, Combo_VHF_Drive{*this, "Combo_VHF_Drive"},
        Combo_UHF_Drive{*this, "Combo_UHF_Drive"}, Combo_TXP_Temp{*this, "Combo_TXP_Temp"},
        Combo_Tone_Dev{*this, "Combo_Tone_Dev"};
    ui::Label Label_Voice_Dev{*this, "Label_Voice_Dev"}, Label_CT_Dev{*this, "Label_CT_Dev"},
        Label_DCS_Dev{*this, "Label_DCS_Dev"}, Label_Wide_C{*this, "Label_Wide_C"},
        Label_Wide_F{*this, "Label_Wide_F"}, Label_Narror_C{*this, "Label_Narror_C"},
        Label_Narror_F{*this, "Label_Narror_F"}, Label_Beep_C{*this, "Label_Beep_C"},
        Label_Beep_F{*this, "Label_Beep_F"}, Label_VHF_Drive{*this, "Label_VHF_Drive"},
        Label_UHF_Drive{*this, "Label_UHF_Drive"}, Label_TXP_Temp{*this, "Label_TXP_Temp"},
        Label_Tone_Dev{*this, "Label_Tone_Dev"};

    // ---- page 4: limited working range and passwords ----
    ui::Frame Frame_Other{*this, "Frame_Other"};
    ControlArray<ui::Label, 4> Label_Other_Head{*this, "Label_Other_Head"};
    ui::Label Label_F0{*this, "Label_F0"}, Label_F1{*this, "Label_F1"};
    ControlArray<ui::Label, 2> Label_From{*this, "Label_From"};
    ControlArray<ui::Label, 2> Label_To{*this, "Label_To"};
    ControlArray<ui::TextBox, 2> Text_Freq_L{*this, "Text_Freq_L"};
    ControlArray<ui::TextBox, 2> Text_Freq_H{*this, "Text_Freq_H"};
    ControlArray<ui::CheckBox, 2> Check_Tx{*this, "Check_Tx"};
    ui::Frame Frame4{*this, "Frame4"};
    ui::Label Label_User_PassWord{*this, "Label_User_PassWord"};
    ui::TextBox Text_user_PassWord{*this, "Text_user_PassWord"};
    ui::Label Label_Super_PassWord{*this, "Label_Super_PassWord"};
    ui::TextBox Text_Super_PassWord{*this, "Text_Super_PassWord"};

    // ---- buttons (Read and Write: EditorWindow) and the file poll ----
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_close{*this, "Command_close"};
    ui::Timer Timer4{*this, "Timer4"};

    // The current page: 0 high power, 1 low power, 2 squelch, 3 levels,
    // 4 range and passwords.
    int16_t Adj_page = 0;
    // The fixed working bands in MHz: 0 VHF, 1 UHF.
    std::array<int16_t, 2> Adj_band_low{}, Adj_band_high{};

    // A level list, its label, its cell in record 8 and its entries 0..last.
    struct LevelList {
        ui::ComboBox* list;
        ui::Label* label;
        int row;
        int last;
    };
    const std::array<LevelList, 13>& Level_lists() const { return levels_; }

    // Shows the cells of the current page in its boxes and lists, through
    // their handlers.
    void Show_adj_page();
    void Layout_adj_window();

    // ---- handlers ----
    void TabStrip1_Click();
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click() { Close_button(); }
    void Timer4_Timer();
    // The window itself taking the focus redisplays nothing; it always has
    // a control that takes the focus instead.
    void Form_GotFocus() {}

    void Text1_Change(int i);
    void Text2_Change(int i);
    void Text_SQ_VHF_Change(int i);
    void Text_Sq_Offset_VHF_Change(int i);
    void Text_SQ_UHF_Change(int i);
    void Text_Sq_Offset_UHF_Change(int i);
    void Text_Freq_L_KeyPress(int i, int& KeyAscii);
    void Text_Freq_H_KeyPress(int i, int& KeyAscii);
    void Text_Freq_L_LostFocus(int i);
    void Text_Freq_H_LostFocus(int i);
    void Text_user_PassWord_Change();
    void Text_Super_PassWord_Change();
    void Level_Click(size_t k);

    // A range box whose text was changed is left as losing the focus does.
    void Commit_pending_edit() override;

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Read_complete() override;

private:
    // frm_adj_txp_layout.cpp
    void Set_captions();
    void Set_containers();
    void Place_pages();
    void Place_power_page();
    void Place_squelch_page();
    void Place_level_page();
    void Place_range_page();
    void Place_buttons();
    // frm_adj_txp_entry.cpp
    void Numeric_change(ui::TextBox& box, int col, int row, int max);
    void Show_number(ui::TextBox& box, int value, void (frm_Adj_Txp::*handler)(int), int i);
    void Show_password(ui::TextBox& box, int first, void (frm_Adj_Txp::*handler)());
    void Store_password(const ui::TextBox& box, int first);
    void Range_leave(int i, bool low_box);
    ui::TextBox& Range_box(int i, bool low_box) {
        return low_box ? Text_Freq_L[static_cast<size_t>(i)] : Text_Freq_H[static_cast<size_t>(i)];
    }
    // frm_adj_txp.cpp
    void Select_page(int page);
    // Serves the waiting alignment file requests; closing: without the
    // page display and without waiting.
    void Serve_file_requests(bool closing);

    std::array<LevelList, 13> levels_;
};

}  // namespace bx

BX_EDITOR_WINDOW(frm_Adj_Txp);
