// The DTMF editor: fifteen send codes with their tone timing, six
// remote-command codes, the master and vice control IDs with their rights,
// the radio's receive and transmit inhibit, the group-call and separator
// digits and the decoder's delay and reset time, all stored straight into
// the DTMF area of the image (records 656-687). Its own Read and Write move
// just that area. Every box and list stores as it changes, so nothing typed
// waits for a leave; the window shows the image again when it comes to the
// front and at once when the whole image is replaced elsewhere.
#pragma once

#include <cstdint>
#include <vector>

#include "editors/editor_window.h"
#include "editors/signalling/control_array.h"
#include "model/field.h"

namespace bx {

class frm_dtmf : public EditorWindow {
public:
    explicit frm_dtmf(App& app);

    // High address bytes of the encode and decode blocks (0x29, 0x2A).
    int16_t Area_addr_high = 0, Dec_addr_high = 0;

    ui::Frame Frame_Encode{*this, "Frame_Encode"};
    ui::Label Label_encode_xh{*this, "Label_encode_xh"};
    ui::Label Label_tx_encode{*this, "Label_tx_encode"};
    ControlArray<ui::Label, 15> Label_xh{*this, "Label_xh"};
    ControlArray<ui::TextBox, 15> Text_tx_Encode{*this, "Text_tx_Encode"};
    ui::Label Label_dtmf_ontime{*this, "Label_dtmf_ontime"};
    ui::ComboBox Combo_Enc_ys1{*this, "Combo_Enc_ys1"};
    ui::Label Label_dtmf_offtime{*this, "Label_dtmf_offtime"};
    ui::ComboBox Combo_Enc_ys2{*this, "Combo_Enc_ys2"};
    ui::Frame Frame_State{*this, "Frame_State"};
    ui::CheckBox Check_RX{*this, "Check_RX"};
    ui::CheckBox Check_Tx{*this, "Check_Tx"};

    ui::Frame Frame_Decode{*this, "Frame_Decode"};
    ui::Frame Frame_Ctrl{*this, "Frame_Ctrl"};
    ui::CheckBox Check_Ctrl_En{*this, "Check_Ctrl_En"};
    ui::Label Label_xcjtyyybkj_2{*this, "Label_xcjtyyybkj_2"};
    ui::Label Label_xcjtyyybkj_1{*this, "Label_xcjtyyybkj_1"};
    ui::Label Label_PID{*this, "Label_PID"};
    ui::TextBox Text_MID{*this, "Text_MID"};
    ControlArray<ui::CheckBox, 5> Check_M{*this, "Check_M"};
    ui::Label Label_SID{*this, "Label_SID"};
    ui::TextBox Text_SID{*this, "Text_SID"};
    ControlArray<ui::CheckBox, 5> Check_S{*this, "Check_S"};

    ui::Frame Frame_jm{*this, "Frame_jm"};
    ui::Label Label_xc{*this, "Label_xc"}, Label_jt{*this, "Label_jt"}, Label_bj{*this, "Label_bj"},
        Label_yy{*this, "Label_yy"}, Label_yb{*this, "Label_yb"}, Label_kj{*this, "Label_kj"};
    ui::TextBox Text_XC{*this, "Text_XC"}, Text_JT{*this, "Text_JT"}, Text_BJ{*this, "Text_BJ"},
        Text_YY{*this, "Text_YY"}, Text_YB{*this, "Text_YB"}, Text_KJ{*this, "Text_KJ"};

    ui::Label Label_Group_code{*this, "Label_Group_code"};
    ui::ComboBox Combo_Dec_qh{*this, "Combo_Dec_qh"};
    ui::Label Label_Reset_Time{*this, "Label_Reset_Time"};
    ui::ComboBox Combo_Dec_Res_Time{*this, "Combo_Dec_Res_Time"};
    ui::Label Label_Dec_Space_Code{*this, "Label_Dec_Space_Code"};
    ui::ComboBox Combo_Dec_Space_Code{*this, "Combo_Dec_Space_Code"};
    ui::Label Label_Rece_End_ProcDelay{*this, "Label_Rece_End_ProcDelay"};
    ui::ComboBox Combo_Dec_Proc_Ys{*this, "Combo_Dec_Proc_Ys"};

    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_close{*this, "Command_close"};

    // Shows the whole DTMF area in the controls; what a control shows that
    // differs from what it held is stored back by its own handler.
    void Show_dtmf_data();
    void Fill_dtmf_lists();

    void Command_close_Click();
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Check_Ctrl_En_Click();

    // One code box: its control, the record it owns (a layout field and its
    // instance).
    struct CodeBox {
        ui::TextBox* box;
        const Field* field;
        int instance;
    };
    const std::vector<CodeBox>& Code_boxes() const { return code_boxes_; }

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Activate() override {
        EditorWindow::Form_Activate();
        Show_dtmf_data();
    }
    // The whole image was replaced elsewhere: the area shows as loaded.
    void Image_replaced() override {
        if (Loaded()) Show_dtmf_data();
    }
    void Read_complete() override;
    void Write_complete() override;

private:
    // One list: its control, its field and how a pick is stored.
    struct ListRow {
        ui::ComboBox* combo;
        const Field* field;
        bool digit;  // stores the item's DTMF code, not its position
    };
    // A check box that edits one bit of a byte.
    struct BitBox {
        ui::CheckBox* box;
        const Field* field;
        int bit;
    };
    void Code_change(const CodeBox& c);
    void List_click(const ListRow& l);
    void Bit_click(const BitBox& b);
    void Set_id_controls_enabled(bool on);
    void Layout_encode();
    void Layout_decode();
    void Set_captions();
    void Place_rights_columns();

    std::vector<CodeBox> code_boxes_;
    std::vector<ListRow> lists_;
    std::vector<BitBox> bit_boxes_;
};

}  // namespace bx

BX_EDITOR_WINDOW(frm_dtmf);
