// The optional-features editor: the 31 menu settings of the block at radio
// 0x0E00, the VFO A and B frequency-mode records, the power-on message and
// the ANI and PTT-ID codes, with its own read and write of 0x0E00-0x0FFF.
//
// The lists and their labels are made, captioned, filled, placed and bound
// from the row tables (option_rows.h); every pick goes straight into the
// settings mirror App::Option_settings and the memory image.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <memory>
#include <vector>

#include "editors/options/option_rows.h"
#include "editors/editor_window.h"
#include "ui/all.h"

namespace bx {

class App;

class frm_option : public EditorWindow {
public:
    explicit frm_option(App& app);

    // ---- frames ----
    ui::Frame Frame1{*this, "Frame1"};
    ui::Frame Frame2{*this, "Frame2"};
    ui::Frame Frame3{*this, "Frame3"};
    ui::Frame Frame4{*this, "Frame4"};
    ui::Frame Frame5{*this, "Frame5"};
    ui::Frame Frame6{*this, "Frame6"};
    ui::Frame Frame_A{*this, "Frame_A"};
    ui::Frame Frame_B{*this, "Frame_B"};

    // ---- buttons ----
    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_close{*this, "Command_close"};

    // ---- power-on message and codes ----
    ui::Label Label_Ponmsg_Txt{*this, "Label_Ponmsg_Txt"};
    ui::TextBox Text_PON_MSG_U{*this, "Text_PON_MSG_U"};
    ui::TextBox Text_PON_MSG_D{*this, "Text_PON_MSG_D"};
    ui::Label Label_ANI{*this, "Label_ANI"};
    ui::TextBox Text_ANI{*this, "Text_ANI"};
    ui::Label Label_Send_Begin{*this, "Label_Send_Begin"};
    ui::TextBox Text_PttId_Begin{*this, "Text_PttId_Begin"};
    ui::Label Label_Send_End{*this, "Label_Send_End"};
    ui::TextBox Text_PttId_End{*this, "Text_PttId_End"};

    // ---- VFO frequency and range boxes ----
    ui::Label Label_Freq_a{*this, "Label_Freq_a"};
    ui::TextBox Text_Freq_a{*this, "Text_Freq_a"};
    ui::Label Label_Mhz_Freq_a{*this, "Label_Mhz_Freq_a"};
    ui::Label Label_Range_A{*this, "Label_Range_A"};
    ui::TextBox Text_Range_A{*this, "Text_Range_A"};
    ui::Label Label_Mhz_Range_A{*this, "Label_Mhz_Range_A"};
    ui::Label Label_Freq_b{*this, "Label_Freq_b"};
    ui::TextBox Text_Freq_b{*this, "Text_Freq_b"};
    ui::Label Label_Mhz_Freq_b{*this, "Label_Mhz_Freq_b"};
    ui::Label Label_Range_B{*this, "Label_Range_B"};
    ui::TextBox Text_Range_B{*this, "Text_Range_B"};
    ui::Label Label_Mhz_Range_B{*this, "Label_Mhz_Range_B"};

    // ---- the lists made from the rows ----
    // The list and label of setting row i (options::Setting_rows).
    ui::ComboBox& Setting_list(size_t i) { return *setting_lists_.at(i); }
    ui::Label& Setting_label(size_t i) { return *setting_labels_.at(i); }
    // The list and label of VFO row i (options::Vfo_rows) of VFO v (0 A, 1 B).
    ui::ComboBox& Vfo_list(int v, size_t i) { return *vfo_[static_cast<size_t>(v)].lists.at(i); }
    ui::Label& Vfo_label(int v, size_t i) { return *vfo_[static_cast<size_t>(v)].labels.at(i); }
    // Any list of the window by its name; nullptr when there is none.
    ui::ComboBox* List(const std::string& name) const;

    // ---- operations ----
    void Fill_option_lists();
    void Show_option_data();
    void Unpack_option_blocks();

    // ---- handlers ----
    void Command_def_Click();
    void Command_open_Click();
    void Command_save_Click();
    // The 31 settings' pick and key handling, by row.
    void Setting_Click(size_t row);
    // The VFO lists' picks, by VFO and row.
    void Vfo_list_Click(int v, size_t row);
    void Text_Freq_KeyPress(int v, int& KeyAscii);
    void Text_Freq_Change(int v);
    void Text_Freq_LostFocus(int v);
    void Text_PON_MSG_Change(int line);
    void Text_PON_MSG_KeyPress(int line, int& KeyAscii);
    void Text_PON_MSG_LostFocus();
    void Text_code_Change(size_t field);
    void Text_code_KeyPress(size_t field, int& KeyAscii);
    void Text_ANI_LostFocus();

    // An edit still in a focused box is committed as leaving it would.
    void Commit_pending_edit() override;

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Image_replaced() override;
    // Ends of the window's own read and write.
    void Read_complete() override;
    void Write_complete() override;
    void Limits_changed() override;

private:
    struct Vfo {
        ui::TextBox* Text_Freq;
        ui::TextBox* Text_Range;
        std::vector<std::unique_ptr<ui::ComboBox>> lists;
        std::vector<std::unique_ptr<ui::Label>> labels;
        bool band_change_running = false;
    };
    // A box whose leave commits (VFO frequency) or checks and redraws
    // (power-on message, ANI); the box knows whether it was edited since it
    // took the focus or the window last showed the image.
    struct EditBox {
        ui::TextBox* box;
        std::function<void()> leave;
    };
    // The three code boxes with the field each edits.
    struct CodeBox {
        ui::TextBox* box;
        const Field* field;
    };

    void Set_captions();
    void Place_controls();
    int First_label_need() const;
    int First_column_need() const;
    // VFO record handling.
    void Show_vfo(int v);
    void Band_change(int v);
    void Freq_commit(int v);
    void Set_band_from_record(int v);
    // Working limits of the band picked for VFO v.
    void Picked_limits(int v, double& low, double& high) const;
    // Mirror entries 0..255 into image records 224..239.
    void Copy_mirror_to_image();
    void Store_block_bytes(int first, std::span<const uint8_t> bytes);
    void Set_focus(ui::TextBox& box);
    const char* T(const char* chn, const char* eng) const;

    std::vector<std::unique_ptr<ui::ComboBox>> setting_lists_;
    std::vector<std::unique_ptr<ui::Label>> setting_labels_;
    std::array<Vfo, 2> vfo_;
    std::array<CodeBox, 3> codes_;
    std::array<EditBox, 5> edit_boxes_;
};

}  // namespace bx

BX_EDITOR_WINDOW(frm_option);
