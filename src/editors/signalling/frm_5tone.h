// The 5-tone editor: the 5-tone data of the image (records 576..607) on a
// Standard page (the period, group-call and repeat digit of each of the 15
// standards, and the tone frequencies of the standard chosen in the
// selector) and an Encode page (15 codes of three five-digit frames with
// their standard, the frame delays, the first-tone extension and the decode
// settings), edited in place in the image. Its own Read fetches radio
// 0x2400-0x25FF; its own Write sends 0x2000-0x25FF, the tone tables as the
// image holds them.
//
// Editing: a click on a standards cell lays a list over it whose pick is
// stored at once; a click on a frame cell lays a text box over it that
// stores the frame on every keystroke (the frame as it was while the text
// is the one the box opened with) and checks five digits when the cell is
// left; a click on a code's standard lays a list over it. A changed frame
// still open is left that way before Write, Save, the main window's Save,
// another window coming to the front and closing. The window redraws from
// the image after its own commands, when the frame box loses the focus, and
// at once when the whole image is replaced elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editors/editor_window.h"
#include "editors/signalling/control_array.h"
#include "ui/cell_overlay.h"
#include "ui/grid.h"
#include "ui/tabstrip.h"

namespace bx {

struct Field;

inline constexpr EditorRow kFiveToneRow{.link = &link_rows::frm_5tone,
                                        .width_div = 1.3f,
                                        .height_div = 1.25f,
                                        .busy = link_text::kBusy,
                                        .close = link_text::kBusy,
                                        .unload = link_text::kBusy,
                                        .data = {DataSet::Image, area::kSig5tone}};

class frm_5tone : public EditorWindow {
public:
    explicit frm_5tone(App& app);

    ui::TabStrip TabStrip1{*this, "TabStrip1"};

    // ---- Standard page ----
    ui::Frame Frame_std{*this, "Frame_std"};
    ui::Grid MSF_Chann{*this, "MSF_Chann"};
    ui::ComboBox Combo_edit{*this, "Combo_edit"};
    ui::Label Label_std_name{*this, "Label_std_name"};
    ui::ComboBox Combo_stxh{*this, "Combo_stxh"};
    ControlArray<ui::Label, 16> Label_code{*this, "Label_code"};
    ControlArray<ui::Label, 16> Label_freq{*this, "Label_freq"};

    // ---- Encode page ----
    ui::Frame Frame_Encode{*this, "Frame_Encode"};
    ui::Grid MSF_Encode{*this, "MSF_Encode"};
    ui::TextBox Text_Encode{*this, "Text_Encode"};
    ui::ComboBox Combo_Encode{*this, "Combo_Encode"};
    ui::Label Label_enc_ys1{*this, "Label_enc_ys1"};
    ui::ComboBox Combo_Enc_ys1{*this, "Combo_Enc_ys1"};
    ui::Label Label_enc_ys2{*this, "Label_enc_ys2"};
    ui::ComboBox Combo_Enc_ys2{*this, "Combo_Enc_ys2"};
    ui::Label Label_enc_ys3{*this, "Label_enc_ys3"};
    ui::ComboBox Combo_enc_ys3{*this, "Combo_enc_ys3"};
    ui::Label Label_enc_ys4{*this, "Label_enc_ys4"};
    ui::ComboBox Combo_Enc_ys4{*this, "Combo_Enc_ys4"};
    ui::Frame Frame_Dec_set{*this, "Frame_Dec_set"};
    ui::Label Label_Decode_Std{*this, "Label_Decode_Std"};
    ui::ComboBox Combo_Decode_Std{*this, "Combo_Decode_Std"};
    ui::Label Label_Reset_Time{*this, "Label_Reset_Time"};
    ui::ComboBox Combo_Dec_Res_Time{*this, "Combo_Dec_Res_Time"};
    ui::Frame Frame_Dec_disp{*this, "Frame_Dec_disp"};
    ui::Label Label_Decode_Disp{*this, "Label_Decode_Disp"};
    ControlArray<ui::CheckBox, 3> Check_Decode_Disp{*this, "Check_Decode_Disp"};
    ui::Frame Frame_Dec_hj{*this, "Frame_Dec_hj"};
    ui::Label Label_Decode_HJ{*this, "Label_Decode_HJ"};
    ControlArray<ui::CheckBox, 3> Check_Decode_HJ{*this, "Check_Decode_HJ"};

    // ---- buttons (Read and Write: EditorWindow) ----
    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_close{*this, "Command_close"};

    // Where the cell editors stand: the standards list, the frame box and
    // the code's standard list.
    ui::CellOverlay Std_overlay{*this, "Std_overlay", MSF_Chann, Combo_edit};
    ui::CellOverlay Frame_overlay{*this, "Frame_overlay", MSF_Encode, Text_Encode};
    ui::CellOverlay Code_std_overlay{*this, "Code_std_overlay", MSF_Encode, Combo_Encode};

    // Shows records 576..607 in the controls.
    void Show_5tone_data();
    // Shows the cells of both grids from the image: a frame is stored as it
    // is typed and a list's pick at once, before the cell shows them, so an
    // editor dropped unleft (a scroll, the window coming to the front)
    // leaves its cell to this redraw.
    void Show_5tone_cells();
    // Shows the tone frequencies of the standard chosen in Combo_stxh.
    void Show_5tone_tone_labels();

    // A frame box whose text was changed is left as the grid's leave does.
    void Commit_pending_edit() override;

protected:
    void Build() override;
    void Form_Load() override;
    void Read_complete() override;
    void Write_complete() override;
    void Form_Activate() override;

private:
    // ---- frm_5tone.cpp: lists, pages, buttons, display, exchange ----
    void Wire_lists();
    void Fill_5tone_lists();
    void TabStrip1_Click();
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Image_replaced() override;
    // Shows a settings byte as its list's position (none beyond the list).
    void Show_list_byte(ui::ComboBox& list, const Field& f);
    void Check_click(const Field& f, ui::CheckBox& box, int bit);

    // ---- frm_5tone_layout.cpp: designed layout, load-time sizes, captions ----
    void Size_pages();
    void Set_captions();

    // ---- frm_5tone_edit.cpp: standards grid, selector, encode list ----
    void Wire_editing();
    void MSF_Chann_Click();
    void Open_5tone_std_cell();
    void Combo_edit_Click();
    void MSF_Chann_LeaveCell();
    // Hides the standards list; its cell takes the list's text.
    void Close_std_list();
    void MSF_Encode_Click();
    void Open_5tone_code_cell();
    void Text_Encode_KeyPress(int& KeyAscii);
    void Text_Encode_Change();
    void MSF_Encode_LeaveCell();
    void Clear_5tone_code_row(int r, bool leaving_box);
    void MSF_Encode_DblClick();
    void Combo_Encode_Click();
    // Hides the frame box and the code's standard list; their cells show
    // what they stored.
    void Close_code_editors();
    // Whether the frame box is open over a cell it has refused to leave.
    bool Frame_box_held() const;

    // The frame's bytes when the box was opened over its cell.
    std::vector<uint8_t> frame_opened_;

};

}  // namespace bx

BX_EDITOR_WINDOW(frm_5tone);
