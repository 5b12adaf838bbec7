// The 2-tone editor: the 2-tone area of the image (records 720..767) on an
// Encode page (15 entries of two tones, the tone durations and gap) and a
// Decode page (15 entries of four decoders, the selected entry's tones A-D,
// the reset time), edited in place in the image, with its own Read and
// Write of radio 0x2D00-0x2FFF.
//
// Editing: a click on a data cell lays a text box (encode) or a list
// (decode) over it. An encode tone reaches the image when its cell is left
// with a changed text; the decode list opens on the stored value and stores
// only an item the user picks. A tone box stores when it is left with a
// changed text (or a shown tone outside the range, which is refused). A
// cell or box left as it opened stores nothing. Write, Save, the main
// window's Save, another window coming to the front and closing commit an
// edit still on screen first. The window redraws from the image after its
// own commands, and at once when the whole image is replaced (a data-file
// load, a full read), dropping any open cell editor unstored.
#pragma once

#include <array>
#include <cstdint>

#include "editors/editor_window.h"
#include "ui/cell_overlay.h"
#include "ui/grid.h"
#include "ui/tabstrip.h"

namespace bx {

inline constexpr EditorRow kTwoToneRow{.link = &link_rows::frm_2tone,
                                       .width_div = 1.2f,
                                       .height_div = 1.25f,
                                       .busy = link_text::kBusy,
                                       .close = link_text::kBusy,
                                       .unload = link_text::kBusy,
                                       .data = {DataSet::Image, area::kSig2tone}};

class frm_2tone : public EditorWindow {
public:
    explicit frm_2tone(App& app);

    ui::TabStrip TabStrip1{*this, "TabStrip1"};

    // ---- Encode page ----
    ui::Frame Frame_Encode{*this, "Frame_Encode"};
    ui::Grid MSF_Encode{*this, "MSF_Encode"};
    ui::TextBox Text_Encode{*this, "Text_Encode"};
    ui::Label Label_1st{*this, "Label_1st"};
    ui::Label Label_2nd{*this, "Label_2nd"};
    ui::Label Label_gap{*this, "Label_gap"};
    ui::ComboBox Combo_Enc_ys1{*this, "Combo_Enc_ys1"};
    ui::ComboBox Combo_Enc_ys2{*this, "Combo_Enc_ys2"};
    ui::ComboBox Combo_enc_ys3{*this, "Combo_enc_ys3"};

    // ---- Decode page ----
    ui::Frame Frame_Decode{*this, "Frame_Decode"};
    ui::Grid MSF_Decode{*this, "MSF_Decode"};
    ui::ComboBox Combo_Decode{*this, "Combo_Decode"};
    ui::Label Label_Reset{*this, "Label_Reset"};
    ui::ComboBox Combo_Dec_Res_Time{*this, "Combo_Dec_Res_Time"};
    ui::Frame Frame_Dec_xx{*this, "Frame_Dec_xx"};
    ui::Label Label_A_tone{*this, "Label_A_tone"};
    ui::Label Label_B_Tone{*this, "Label_B_Tone"};
    ui::Label Label_C_Tone{*this, "Label_C_Tone"};
    ui::Label Label_D_Tone{*this, "Label_D_Tone"};
    ui::TextBox Text_A{*this, "Text_A"};
    ui::TextBox Text_B{*this, "Text_B"};
    ui::TextBox Text_C{*this, "Text_C"};
    ui::TextBox Text_D{*this, "Text_D"};

    // ---- buttons (Read and Write: EditorWindow) ----
    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_close{*this, "Command_close"};

    // Where the cell editors stand.
    ui::CellOverlay Enc_overlay{*this, "Enc_overlay", MSF_Encode, Text_Encode};
    ui::CellOverlay Dec_overlay{*this, "Dec_overlay", MSF_Decode, Combo_Decode};

    // The decode entry (0..14) whose tones the tone boxes show and edit.
    int16_t Selected_dec_entry = 0;

    // Shows the whole 2-tone area from the image.
    void Show_2tone_data();
    // Shows the cells of both grids from the image: a list's pick is stored
    // before its cell shows it, so a list dropped unleft (a scroll, the
    // window coming to the front) leaves its cell to this redraw.
    void Show_2tone_cells();
    // Shows the tones of decode entry index + 1 in the four tone boxes.
    void Edata_Load(int16_t index);
    // Shows decode cell (n, c) from the image: the display rule of the
    // redraw and of a cell's leave alike.
    void Show_decode_cell(int n, int c);

    // The encode cell being edited, or the tone box whose text was changed,
    // is stored as leaving it would store it.
    void Commit_pending_edit() override;

    // Tone box k (0..3: A..D).
    ui::TextBox& Tone_box(int k) { return *tone_boxes_[static_cast<size_t>(k)]; }

protected:
    void Build() override;
    void Form_Load() override;
    void Read_complete() override;
    void Write_complete() override;
    void Form_Activate() override;

private:
    // ---- frm_2tone.cpp: window, pages, lists, buttons, display ----
    void Set_captions();
    void Fill_lists();
    void Fit_decode_grid();
    void TabStrip1_Click();
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    // Selects position pos of a list and stores it, even when the list
    // stands there already (its Click then does not run).
    void Show_list_pos(ui::ComboBox& list, int pos, const Field& f);
    void Image_replaced() override;

    // ---- frm_2tone_edit.cpp: grids and tone boxes ----
    void Wire_editing();
    void Open_2tone_encode_cell();
    void MSF_Encode_LeaveCell();
    void Encode_commit(int n, int c);
    void Open_2tone_decode_cell();
    void Combo_Decode_Click();
    void MSF_Decode_LeaveCell();
    void MSF_Decode_DblClick();
    void Tone_KeyPress(int k, int& KeyAscii);
    void Tone_LostFocus(int k);
    // Shows the range message of a refused tone.
    void Range_message();
    // The tone frame's caption for decode row r (1..15).
    std::string Entry_caption(int r) const;

    std::array<ui::TextBox*, 4> tone_boxes_{&Text_A, &Text_B, &Text_C, &Text_D};
};

}  // namespace bx

BX_EDITOR_WINDOW(frm_2tone);
