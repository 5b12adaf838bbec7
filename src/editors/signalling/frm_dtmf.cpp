#include "editors/signalling/frm_dtmf.h"

#include <string>

#include "appstate/app.h"
#include "editors/dtmf_code_key.h"
#include "link/reply_unpack.h"
#include "model/codecs.h"
#include "model/defaults.h"
#include "model/lang.h"
#include "model/layouts.h"
#include "model/numtext.h"
#include "base/text.h"

namespace bx {

namespace {

namespace enc = layout::Dtmf_enc_block;
namespace tim = layout::Dtmf_enc_timing_record;
namespace dec = layout::Dtmf_dec_block;
namespace set = layout::Dtmf_dec_settings_record;

// Close, Default, Open, Save and Read/Write refuse with the busy text; the
// close box and the program's end show the close-window text.
constexpr EditorRow kDtmfRow{.link = &link_rows::frm_dtmf,
                             .width_div = 1.4f,
                             .height_div = 1.55f,
                             .busy = link_text::kBusy,
                             .close = link_text::kBusy,
                             .unload = editor_text::kNoCloseWindow,
                             .eng_title = link_text::kTitleEng,
                             .data = {DataSet::Image, area::kDtmf}};

// The digits the group-call and separator lists offer.
constexpr const char* kDigitItems[] = {"*", "#", "A", "B", "C", "D"};

// The code boxes' key filter: DTMF characters and Enter pass, every other
// key is refused, Backspace included; typing stops once the box holds
// kDtmfFieldLen characters, blanks at either end aside.
constexpr DtmfCodeRule kCodeRule{.control_keys = false, .count = DtmfCodeCount::Trimmed};

}  // namespace

frm_dtmf::frm_dtmf(App& a) : EditorWindow(a, "frm_dtmf", kDtmfRow) {
    for (int i = 0; i < 15; ++i) code_boxes_.push_back({&Text_tx_Encode[static_cast<size_t>(i)], &enc::Send_code, i});
    ui::TextBox* cmds[] = {&Text_XC, &Text_JT, &Text_BJ, &Text_YY, &Text_YB, &Text_KJ};
    for (int i = 0; i < 6; ++i) code_boxes_.push_back({cmds[i], &dec::Cmd_code, i});
    code_boxes_.push_back({&Text_MID, &dec::Master_id, 0});
    code_boxes_.push_back({&Text_SID, &dec::Vice_id, 0});

    lists_ = {{&Combo_Enc_ys1, &tim::On_time, false},        {&Combo_Enc_ys2, &tim::Off_time, false},
              {&Combo_Dec_qh, &set::Group_call, true},        {&Combo_Dec_Space_Code, &set::Separator, true},
              {&Combo_Dec_Proc_Ys, &set::Dec_delay, false},   {&Combo_Dec_Res_Time, &set::Reset_time, false}};
    for (int k = 0; k < 5; ++k) {
        bit_boxes_.push_back({&Check_M[static_cast<size_t>(k)], &set::Master_rights, k});
        bit_boxes_.push_back({&Check_S[static_cast<size_t>(k)], &set::Vice_rights, k});
    }
    bit_boxes_.push_back({&Check_RX, &set::Rx_inhibit, 0});
    bit_boxes_.push_back({&Check_Tx, &set::Tx_inhibit, 0});

    for (const CodeBox& c : code_boxes_) {
        c.box->KeyPress = [&c](int& key) { Dtmf_code_key(*c.box, key, kCodeRule); };
        c.box->Change = [this, &c] { Code_change(c); };
        c.box->LostFocus = [this] { Show_dtmf_data(); };
    }
    for (const ListRow& l : lists_) {
        l.combo->Click = [this, &l] { List_click(l); };
        // The lists are picked from, never typed into.
        l.combo->KeyPress = [](int& key) { key = 0; };
    }
    for (const BitBox& b : bit_boxes_) b.box->Click = [this, &b] { Bit_click(b); };
    Check_Ctrl_En.Click = [this] { Check_Ctrl_En_Click(); };
    Command_close.Click = [this] { Command_close_Click(); };
    Wire_wholesale(Command_def, &Editor_row().busy, [this] { Command_def_Click(); });
    Command_open.Click = [this] { Command_open_Click(); };
    Command_save.Click = [this] { Command_save_Click(); };
}

void frm_dtmf::Form_Load() {
    Area_addr_high = 0x29;
    Dec_addr_high = 0x2A;
    // Size and place, timers off, the seven flags clear.
    EditorWindow::Form_Load();
    Frame_Encode.setVisible(true);
    Set_captions();
    Fill_dtmf_lists();
    Show_dtmf_data();
}

void frm_dtmf::Fill_dtmf_lists() {
    auto fill = [](ui::ComboBox& c, int first, int step, int count) {
        c.Clear();
        for (int v = 0; v < count; ++v) c.AddItem(std::to_string(first + step * v));
    };
    fill(Combo_Enc_ys1, 50, 10, 196);
    fill(Combo_Enc_ys2, 50, 10, 196);
    for (ui::ComboBox* c : {&Combo_Dec_qh, &Combo_Dec_Space_Code}) {
        c->Clear();
        for (const char* d : kDigitItems) c->AddItem(d);
    }
    fill(Combo_Dec_Proc_Ys, 100, 100, 40);
    fill(Combo_Dec_Res_Time, 100, 100, 80);
    for (int i = 0; i < 15; ++i) Label_xh[static_cast<size_t>(i)].setCaption(std::to_string(i + 1));
}

void frm_dtmf::Show_dtmf_data() {
    MemImage& img = app.Mem_image;
    // 1 and 3: the code boxes. A box given a new text stores its record
    // packed through its Change.
    for (const CodeBox& c : code_boxes_) c.box->setText(Dtmf_field_to_text(c.field->bytes(img, c.instance)));
    // 2 and 9: the position lists. The byte holds the position shown, also
    // when the list stood there already.
    for (const ListRow& l : lists_) {
        if (l.digit) continue;
        const int pos = l.field->list_pos(img);
        l.combo->setListIndex(pos);
        l.field->set(img, pos);
    }
    // 4: the switch; a change of its state stores 1 or 0.
    Check_Ctrl_En.setValue(set::Id_ctrl.get(img) != 0 ? 1 : 0);
    // 5 and 6: each rights byte taken first, its boxes cleared, then ticked
    // for its bits; bits 5-7 are never touched.
    for (const Field* f : {&set::Master_rights, &set::Vice_rights}) {
        const int taken = f->get(img);
        for (const BitBox& b : bit_boxes_)
            if (b.field == f) b.box->setValue(0);
        for (const BitBox& b : bit_boxes_)
            if (b.field == f && (taken >> b.bit & 1)) b.box->setValue(1);
    }
    // 7: the inhibit state.
    Check_RX.setValue(set::Rx_inhibit.get(img) != 0 ? 1 : 0);
    Check_Tx.setValue(set::Tx_inhibit.get(img) != 0 ? 1 : 0);
    // 8: the digit lists show the byte's character as their text.
    Combo_Dec_qh.setText(Dtmf_code_to_char(set::Group_call.get(img)));
    Combo_Dec_Space_Code.setText(Dtmf_code_to_char(set::Separator.get(img)));
    // 10: the ID controls follow the switch.
    Set_id_controls_enabled(Check_Ctrl_En.Value() != 0);
}

// ---- code boxes ----

void frm_dtmf::Code_change(const CodeBox& c) {
    // Blanks around the text do not count; a character outside the DTMF set
    // takes its own byte as 0xFF, and only the first 16 characters have one.
    const DtmfCodeField f = Dtmf_text_to_field(Trim(c.box->Text()));
    c.field->put(app.Mem_image, c.instance, f);
}

// ---- settings ----

void frm_dtmf::List_click(const ListRow& l) {
    if (l.combo->ListIndex() < 0) return;
    if (l.digit)
        l.field->set(app.Mem_image, Dtmf_char_to_code(l.combo->List(l.combo->ListIndex())));
    else
        l.field->set(app.Mem_image, l.combo->ListIndex());
}

void frm_dtmf::Bit_click(const BitBox& b) {
    int v = b.field->get(app.Mem_image);
    if (b.box->Value() != 0)
        v |= 1 << b.bit;
    else
        v &= ~(1 << b.bit);
    b.field->set(app.Mem_image, v);
}

void frm_dtmf::Check_Ctrl_En_Click() {
    const bool on = Check_Ctrl_En.Value() != 0;
    Set_id_controls_enabled(on);
    set::Id_ctrl.set(app.Mem_image, on ? 1 : 0);
}

void frm_dtmf::Set_id_controls_enabled(bool on) {
    Text_MID.setEnabled(on);
    Text_SID.setEnabled(on);
    for (size_t k = 0; k < 5; ++k) {
        Check_M[k].setEnabled(on);
        Check_S[k].setEnabled(on);
    }
}

// ---- buttons ----

void frm_dtmf::Command_close_Click() { Close_button(); }

void frm_dtmf::Command_def_Click() {
    Load_dtmf_defaults(app.Mem_image);
    Show_dtmf_data();
}

void frm_dtmf::Command_open_Click() { Open_image_dialog(false); }

void frm_dtmf::Command_save_Click() { Open_image_dialog(true); }

// ---- the window's own exchange ----

void frm_dtmf::Read_complete() {
    Unpack_reply_blocks(app, 2, 9, enc::Records.first);
    Show_dtmf_data();
    Show_read_done({"DTMF 信令参数读出正常 ！", "Read DTMF Signal parameters in gear. "});
}

void frm_dtmf::Write_complete() {
    Show_write_done({"向对讲机写入 DTMF 信令参数完毕 ！", "Complete Written DTMF Signal parameters to the transceiver."},
                    {"DTMF 信令参数写入完毕 ！", "Complete Written DTMF Signal parameters "});
}

}  // namespace bx
