#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/signalling_texts.h"

#include <functional>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/cell_commit.h"
#include "editors/signalling/five_tone_rules.h"
#include "link/reply_unpack.h"
#include "model/defaults.h"
#include "model/layouts.h"
#include "model/lang.h"

namespace bx {

namespace {

namespace Std = layout::Sig_5tone_std_record;
namespace Code = layout::Sig_5tone_code_record;
namespace Set = layout::Sig_5tone_settings;
using five_tone::ListKind;

// Read replies by block counter: 8 blocks, counters 2..9.
constexpr int kFirstBlock = 2;

namespace text {
}  // namespace text

// What a list does when its text part changes without a pick.
enum class Typed {
    PutBack,           // its own value goes back into it (ComboBox::Put_back)
    FocusPutBack,      // it takes the focus, then its value goes back
    FocusPutBackShown,  // the same, only while it is visible
    NoKeys,            // every key is refused; its picked item goes back
};

}  // namespace

frm_5tone::frm_5tone(App& a) : EditorWindow(a, "frm_5tone", kFiveToneRow) {
    TabStrip1.Click = [this] { TabStrip1_Click(); };
    Command_close.Click = [this] { Close_button(); };
    Wire_wholesale(Command_def, &Editor_row().busy, [this] { Command_def_Click(); });
    Command_open.Click = [this] { Command_open_Click(); };
    Command_save.Click = [this] { Command_save_Click(); };
    Wire_editing();
    Wire_lists();
}

// Every list of the window in one table: how it treats typed text and
// what a pick does. Typing puts back the list's own value (the text the
// window showed in it, or its last pick; over a cell, the cell's entry or
// its pick there), so typing never shows a value other than the one stored.
void frm_5tone::Wire_lists() {
    struct Role {
        ui::ComboBox frm_5tone::*combo;
        Typed typed;
        void (frm_5tone::*on_pick)();  // nullptr: a settings list (below)
    };
    static constexpr Role kRoles[] = {
        {&frm_5tone::Combo_stxh, Typed::FocusPutBack, &frm_5tone::Show_5tone_tone_labels},
        {&frm_5tone::Combo_edit, Typed::FocusPutBackShown, &frm_5tone::Combo_edit_Click},
        {&frm_5tone::Combo_Encode, Typed::PutBack, &frm_5tone::Combo_Encode_Click},
        {&frm_5tone::Combo_Enc_ys1, Typed::FocusPutBack, nullptr},
        {&frm_5tone::Combo_Enc_ys2, Typed::FocusPutBack, nullptr},
        {&frm_5tone::Combo_enc_ys3, Typed::FocusPutBack, nullptr},
        {&frm_5tone::Combo_Enc_ys4, Typed::FocusPutBack, nullptr},
        {&frm_5tone::Combo_Decode_Std, Typed::NoKeys, nullptr},
        {&frm_5tone::Combo_Dec_Res_Time, Typed::PutBack, nullptr},
    };
    // The settings lists: the byte of record 607 each stores its position in.
    struct SettingList {
        ui::ComboBox frm_5tone::*combo;
        const Field* field;
    };
    static constexpr SettingList kSettings[] = {
        {&frm_5tone::Combo_Enc_ys1, &Set::Delay[0]},    {&frm_5tone::Combo_Enc_ys2, &Set::Delay[1]},
        {&frm_5tone::Combo_enc_ys3, &Set::Delay[2]},    {&frm_5tone::Combo_Enc_ys4, &Set::First_ext},
        {&frm_5tone::Combo_Decode_Std, &Set::Dec_std},  {&frm_5tone::Combo_Dec_Res_Time, &Set::Reset_time},
    };

    for (const Role& role : kRoles) {
        ui::ComboBox& c = this->*role.combo;
        const Field* setting = nullptr;
        for (const SettingList& s : kSettings)
            if (s.combo == role.combo) setting = s.field;
        auto put_back = [&c] { c.Put_back(); };
        switch (role.typed) {
            case Typed::PutBack: c.Change = put_back; break;
            case Typed::FocusPutBack:
                c.Change = [&c, put_back] {
                    c.SetFocus();
                    put_back();
                };
                break;
            case Typed::FocusPutBackShown:
                c.Change = [&c, put_back] {
                    if (!c.Visible()) return;
                    c.SetFocus();
                    put_back();
                };
                break;
            case Typed::NoKeys:
                // A text changed without a key (Delete, a paste): the stored
                // choice shows again.
                c.KeyPress = [](int& KeyAscii) { KeyAscii = 0; };
                c.Change = [this, &c, setting] {
                    const int pos = setting ? five_tone::Shown_pos(setting->get(app.Mem_image), c.ListCount()) : -1;
                    c.setListIndex(pos);
                    c.setText(c.List(pos));
                };
                break;
        }
        std::function<void()> pick;
        if (role.on_pick) {
            pick = [this, f = role.on_pick] { (this->*f)(); };
        } else if (setting) {
            pick = [this, &c, setting] {
                if (c.ListIndex() >= 0) setting->set(app.Mem_image, c.ListIndex());
            };
        }
        if (pick) c.Click = pick;
    }

    // The frame check boxes: bit k of their byte for box k.
    struct Checks {
        ControlArray<ui::CheckBox, 3> frm_5tone::*boxes;
        const Field* field;
    };
    static constexpr Checks kChecks[] = {
        {&frm_5tone::Check_Decode_HJ, &Set::Call_frames},
        {&frm_5tone::Check_Decode_Disp, &Set::Disp_frames},
    };
    for (const Checks& ch : kChecks)
        for (int k = 0; k < 3; ++k) {
            ui::CheckBox& box = (this->*ch.boxes)[static_cast<size_t>(k)];
            box.Click = [this, &box, f = ch.field, k] { Check_click(*f, box, k); };
        }
}

void frm_5tone::Check_click(const Field& f, ui::CheckBox& box, int bit) {
    uint8_t& b = f.ref(app.Mem_image, 0);
    const auto m = static_cast<uint8_t>(1 << bit);
    b = box.Value() == 1 ? static_cast<uint8_t>(b | m) : static_cast<uint8_t>(b & ~m);
}

void frm_5tone::Form_Load() {
    EditorWindow::Form_Load();  // size and place, timers off, the seven flags clear
    Show();
    Size_pages();
    Set_captions();
    Fill_5tone_lists();
    Show_5tone_data();

    Follow_image_replaced();
}

void frm_5tone::Fill_5tone_lists() {
    auto fill = [](ui::ComboBox& c, ListKind k) {
        c.Clear();
        for (const std::string& item : five_tone::List_items(k)) c.AddItem(item);
    };
    fill(Combo_stxh, ListKind::StdNames);
    Combo_stxh.setListIndex(0);
    Show_5tone_tone_labels();
    const std::vector<std::string> names = five_tone::List_items(ListKind::StdNames);
    for (int s = 0; s < static_cast<int>(names.size()); ++s)
        MSF_Chann.setTextMatrix(s + 1, 0, names[static_cast<size_t>(s)]);
    fill(Combo_Encode, ListKind::StdNames);
    for (ui::ComboBox* c : {&Combo_Enc_ys1, &Combo_Enc_ys2, &Combo_enc_ys3, &Combo_Enc_ys4})
        fill(*c, ListKind::Delays);
    fill(Combo_Decode_Std, ListKind::StdNames);
    fill(Combo_Dec_Res_Time, ListKind::ResetTimes);
    for (int n = 1; n <= Code::Records.count; ++n) MSF_Encode.setTextMatrix(n, 0, std::to_string(n));
}

void frm_5tone::TabStrip1_Click() {
    if (TabStrip1.SelectedIndex() == 1) {
        Frame_Encode.setVisible(false);
        Frame_std.setVisible(true);
    } else if (TabStrip1.SelectedIndex() == 2) {
        Frame_std.setVisible(false);
        Frame_Encode.setVisible(true);
    }
    // The lists of the page left go: the standards list shows its own
    // value in its cell, and the encode list's editors go (an unfinished
    // frame keeps what its keystrokes stored).
    Close_std_list();
    Close_code_editors();
}

void frm_5tone::Command_def_Click() {
    Clear_progress();
    Load_5tone_defaults(app.Mem_image);
    Show_5tone_data();
}

// Coming to the front: an open cell editor is gone (the base), and the
// cells show the image.
void frm_5tone::Form_Activate() {
    EditorWindow::Form_Activate();
    if (Loaded()) Show_5tone_cells();
}

void frm_5tone::Command_open_Click() { Open_image_dialog(false); }

void frm_5tone::Command_save_Click() { Open_image_dialog(true); }

// The whole image was replaced elsewhere (a data-file load, a full read;
// the open cell editors are gone already, unstored): the area shows as
// loaded.
void frm_5tone::Image_replaced() {
    if (!Loaded()) return;
    Show_5tone_data();
}

void frm_5tone::Show_list_byte(ui::ComboBox& list, const Field& f) {
    list.setListIndex(five_tone::Shown_pos(f.get(app.Mem_image), list.ListCount()));
}

void frm_5tone::Show_5tone_cells() {
    const MemImage& img = app.Mem_image;
    for (int s = 0; s < Std::Records.count; ++s)
        MSF_Chann.setTextMatrix(s + 1, 1, five_tone::Period_text(Std::Period.get(img, s)));
    for (int s = 0; s < Std::Records.count; ++s)
        MSF_Chann.setTextMatrix(s + 1, 2, five_tone::Digit_text(Std::Group_digit.get(img, s)));
    for (int s = 0; s < Std::Records.count; ++s)
        MSF_Chann.setTextMatrix(s + 1, 3, five_tone::Digit_text(Std::Repeat_digit.get(img, s)));
    for (int n = 1; n <= Code::Records.count; ++n) {
        for (int f = 0; f < 3; ++f)
            MSF_Encode.setTextMatrix(n, f + 1, five_tone::Frame_text(Code::Frame[f].bytes(img, n - 1)));
        MSF_Encode.setTextMatrix(n, 4, Sig_5tone_std_name(Code::Std.get(img, n - 1)));
    }
}

void frm_5tone::Show_5tone_data() {
    const MemImage& img = app.Mem_image;
    Show_5tone_cells();
    Show_list_byte(Combo_Enc_ys1, Set::Delay[0]);
    Show_list_byte(Combo_Enc_ys2, Set::Delay[1]);
    Show_list_byte(Combo_enc_ys3, Set::Delay[2]);
    Show_list_byte(Combo_Enc_ys4, Set::First_ext);
    Show_list_byte(Combo_Decode_Std, Set::Dec_std);
    // The two bytes are taken before any box changes: each box's own
    // handler then writes back the bit it shows, leaving the byte as it was.
    const uint8_t call = Set::Call_frames.ref(img, 0), disp = Set::Disp_frames.ref(img, 0);
    for (int k = 0; k < 3; ++k) {
        Check_Decode_HJ[static_cast<size_t>(k)].setValue((call >> k) & 1);
        Check_Decode_Disp[static_cast<size_t>(k)].setValue((disp >> k) & 1);
    }
    Show_list_byte(Combo_Dec_Res_Time, Set::Reset_time);
    ProgressBar1.setVisible(false);
}

void frm_5tone::Show_5tone_tone_labels() {
    for (int d = 0; d < 16; ++d)
        Label_freq[static_cast<size_t>(d)].setCaption(five_tone::Tone_label(Combo_stxh.ListIndex(), d));
}

// The read fetched radio 0x2400-0x25FF only: the tone tables stay as the
// image holds them.
void frm_5tone::Read_complete() {
    Unpack_reply_blocks(app, kFirstBlock, kFirstBlock + link_rows::frm_5tone.blocks_total - 1,
                        Std::Records.first);
    Show_5tone_data();
    Show_read_done(signalling_text::kReadDone);
}

void frm_5tone::Write_complete() {
    Show_write_done(signalling_text::kWriteBox, signalling_text::kWriteDone);
}

}  // namespace bx
