// The options editor's display and edit handling: lists filled and shown
// from the block and the VFO records, picks stored into the mirror and the
// image, the VFO band change and frequency commit, the text fields.
#include <algorithm>

#include "appstate/app.h"
#include "editors/dtmf_code_key.h"
#include "editors/options/frm_option.h"
#include "editors/options/text_fields.h"
#include "editors/options/vfo_codec.h"
#include "ui/text.h"

namespace bx {

using options::Setting_rows;
using options::Vfo_rows;
using options::VfoStore;
namespace Block = layout::Option_block;
namespace Vfo_rec = layout::Vfo_record;

namespace {
constexpr int kBlockLen = 256;
}  // namespace

// ---- lists ----

void frm_option::Fill_option_lists() {
    const bool chn = app.Lang_chinese != 0;
    auto fill = [&](ui::ComboBox& list, const options::ItemSpec& spec) {
        list.Clear();
        for (const std::string& t : options::Make_items(spec, chn, app.Tone_name_table)) list.AddItem(t);
    };
    for (int v = 0; v < 2; ++v)
        for (size_t i = 0; i < Vfo_rows.size(); ++i) fill(Vfo_list(v, i), Vfo_rows[i].items);
    for (size_t i = 0; i < Setting_rows.size(); ++i) fill(Setting_list(i), Setting_rows[i].items);
}

void frm_option::Show_option_data() {
    MemImage& img = app.Mem_image;
    OptionSettings& s = app.Option_settings;
    // 1: the mirror from the image.
    for (int16_t p = 0; p < kBlockLen; ++p) s[static_cast<size_t>(p)] = static_cast<int16_t>(Block::setting(p).get(img));
    // 2: every setting at its position; one beyond its list shows the last.
    for (size_t i = 0; i < Setting_rows.size(); ++i) {
        ui::ComboBox& list = Setting_list(i);
        if (list.ListCount() == 0) continue;
        const int v = std::min(s[static_cast<size_t>(Setting_rows[i].offset)] & 0xFF, list.ListCount() - 1);
        list.setListIndex(v);
    }
    // 3: the power-on message lines, each from its own six bytes.
    const std::vector<uint8_t> line_1 = Block::Pon_msg_1.bytes(img);
    const std::vector<uint8_t> line_2 = Block::Pon_msg_2.bytes(img);
    Text_PON_MSG_U.setText(options::Pon_line_text(line_1));
    Text_PON_MSG_D.setText(options::Pon_line_text(line_2));
    // 4: the codes, from the entries as step 1 loaded them; filling a box
    // re-encodes its field from what it shows.
    std::array<std::string, 3> codes;
    for (size_t n = 0; n < codes_.size(); ++n) {
        std::array<uint8_t, kDtmfFieldLen> f{};
        for (size_t k = 0; k < f.size(); ++k) f[k] = static_cast<uint8_t>(s[static_cast<size_t>(codes_[n].field->byte) + k]);
        codes[n] = options::Code_field_text(f);
    }
    for (size_t n = 0; n < codes_.size(); ++n) {
        codes_[n].box->setText("");
        codes_[n].box->setText(codes[n]);
    }
    // 5, 6: VFO A, then VFO B.
    Show_vfo(layout::Vfo_A);
    Show_vfo(layout::Vfo_B);
    // What the boxes show now is the image's: none is edited.
    for (EditBox& e : edit_boxes_) e.box->Take_as_shown();
}

void frm_option::Setting_Click(size_t row) {
    const int pos = Setting_list(row).ListIndex();
    if (pos < 0) return;
    app.Option_settings[static_cast<size_t>(Setting_rows[row].offset)] = static_cast<int16_t>(pos);
    Copy_mirror_to_image();
}

void frm_option::Copy_mirror_to_image() {
    for (int16_t p = 0; p < kBlockLen; ++p)
        Block::setting(p).set(app.Mem_image, 0, app.Option_settings[static_cast<size_t>(p)] & 0xFF);
}

void frm_option::Store_block_bytes(int first, std::span<const uint8_t> bytes) {
    for (size_t k = 0; k < bytes.size(); ++k) {
        const int p = first + static_cast<int>(k);
        app.Option_settings[static_cast<size_t>(p)] = bytes[k];
        Block::setting(static_cast<int16_t>(p)).set(app.Mem_image, 0, bytes[k]);
    }
}

// ---- VFO records ----

void frm_option::Show_vfo(int v) {
    const MemImage& img = app.Mem_image;
    Vfo& f = vfo_[static_cast<size_t>(v)];
    f.Text_Freq->setText(options::Freq_box_text(Vfo_rec::Freq.bytes(img, v)));
    // The lists in display order; each reads the record as it stands then,
    // since a band change before it may have committed and redrawn.
    std::vector<size_t> order(Vfo_rows.size());
    for (size_t i = 0; i < order.size(); ++i) order[static_cast<size_t>(Vfo_rows[i].display_rank)] = i;
    for (size_t i : order) {
        const options::VfoRow& r = Vfo_rows[i];
        ui::ComboBox& list = Vfo_list(v, i);
        switch (r.store) {
        case VfoStore::Band:
            list.setListIndex(options::Band_of(Vfo_rec::Freq.ref(img, v, 0)));
            break;
        case VfoStore::Offset:
            list.setListIndex(options::Offset_position(r.field->bytes(img, v)));
            break;
        case VfoStore::Tone: {
            const options::ToneShow t = options::Tone_show(r.field->ref(img, v, 0), r.field->ref(img, v, 1));
            if (t.position >= 0)
                list.setListIndex(t.position);
            else
                list.setText(t.text);  // a listed tone's text selects its item, storing nothing
            break;
        }
        case VfoStore::Position:
            list.setListIndex(std::min(r.field->get(img, v), list.ListCount() - 1));
            break;
        }
    }
}

void frm_option::Vfo_list_Click(int v, size_t row) {
    const options::VfoRow& r = Vfo_rows[row];
    ui::ComboBox& list = Vfo_list(v, row);
    const int pos = list.ListIndex();
    if (pos < 0) return;
    MemImage& img = app.Mem_image;
    switch (r.store) {
    case VfoStore::Band:
        Band_change(v);
        break;
    case VfoStore::Offset:
        if (auto d = options::Offset_digits(list.List(pos))) r.field->put(img, v, *d);
        break;
    case VfoStore::Tone: {
        const ToneCode c = Tone_index_to_code(pos, app.Tone_name_table);
        r.field->set(img, v, c.low | (c.high << 8));
        break;
    }
    case VfoStore::Position:
        r.field->set(img, v, pos);
        break;
    }
}

void frm_option::Picked_limits(int v, double& low, double& high) const {
    int band = vfo_[static_cast<size_t>(v)].lists[options::Band_row()]->ListIndex();
    if (band < 0) band = options::Band_of(Vfo_rec::Freq.ref(app.Mem_image, v, 0));
    app.limits().Band(band, low, high);
}

// An identification has set new limits: the range boxes show the limits
// the frequency checks now use; the VFOs' bands and frequencies stay.
void frm_option::Limits_changed() {
    for (int v : {layout::Vfo_A, layout::Vfo_B}) {
        double low = 0, high = 0;
        Picked_limits(v, low, high);
        vfo_[static_cast<size_t>(v)].Text_Range->setText(options::Range_text(low, high));
    }
}

void frm_option::Band_change(int v) {
    Vfo& f = vfo_[static_cast<size_t>(v)];
    // The commit below may switch the band back; that switch only keeps its
    // position, so limits that disagree with the first digit end the chain.
    if (f.band_change_running) return;
    f.band_change_running = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{f.band_change_running};
    double low = 0, high = 0;
    Picked_limits(v, low, high);
    (v == layout::Vfo_A ? app.Band_A_low : app.Band_B_low) = low;
    (v == layout::Vfo_A ? app.Band_A_high : app.Band_B_high) = high;
    if (auto t = options::Band_text(f.Text_Freq->Text(), low, high)) f.Text_Freq->setText(*t);
    f.Text_Range->setText(options::Range_text(low, high));
    Freq_commit(v);
}

void frm_option::Freq_commit(int v) {
    Vfo& f = vfo_[static_cast<size_t>(v)];
    const std::string typed = f.Text_Freq->Text();
    auto judged = [&] {
        double low = 0, high = 0;
        Picked_limits(v, low, high);
        return options::Commit_freq(typed, low, high);
    };
    // What is stored is worked out from the limits in force when it is
    // stored: an identification that ends while the range message shows
    // has set the radio's, and the replacement lies inside them.
    auto store = [&] {
        const options::FreqCommit c = judged();
        f.Text_Freq->setText(c.text);
        if (c.digits) Vfo_rec::Freq.put(app.Mem_image, v, *c.digits);
        f.lists[options::Band_row()]->setListIndex(options::Band_of(Vfo_rec::Freq.ref(app.Mem_image, v, 0)));
        Show_option_data();
    };
    if (!judged().out_of_range) {
        store();
        return;
    }
    Commit_judged([&] { app.rt.MsgBox("当前工作频率超出范围 ！", ui::vbExclamation, "操作提示"); },
                  [&] {
                      Set_focus(*f.Text_Freq);
                      store();
                  });
}

void frm_option::Text_Freq_KeyPress(int v, int& KeyAscii) {
    const ui::TextBox& box = *vfo_[static_cast<size_t>(v)].Text_Freq;
    if (!options::Freq_key_ok(KeyAscii, box.Counts_if_typed(KeyAscii))) KeyAscii = 0;
}

void frm_option::Text_Freq_Change(int v) {
    ui::TextBox& box = *vfo_[static_cast<size_t>(v)].Text_Freq;
    if (ui::utf8_length(box.Text()) <= options::kFreqBoxMax) return;
    Commit_judged(
        [&] {
            app.rt.MsgBox(T("频率超出范围 ！", "Over the range of  frequency ."), ui::vbExclamation,
                          T("操作提示", "Operate prompt"));
        },
        [&] {
            box.setText("");
            Set_focus(box);
        });
}

void frm_option::Text_Freq_LostFocus(int v) { Freq_commit(v); }

// ---- power-on message and codes ----

void frm_option::Text_PON_MSG_Change(int line) {
    const ui::TextBox& box = line == 0 ? Text_PON_MSG_U : Text_PON_MSG_D;
    const Field& field = line == 0 ? Block::Pon_msg_1 : Block::Pon_msg_2;
    Store_block_bytes(field.byte, options::Pon_line_encode(box.Text()));
}

void frm_option::Text_PON_MSG_KeyPress(int line, int& KeyAscii) {
    const ui::TextBox& box = line == 0 ? Text_PON_MSG_U : Text_PON_MSG_D;
    if (options::Pon_key_refused(box.Counts_if_typed(KeyAscii))) KeyAscii = 0;
}

void frm_option::Text_PON_MSG_LostFocus() { Show_option_data(); }

void frm_option::Text_code_Change(size_t n) {
    Store_block_bytes(codes_[n].field->byte, options::Code_field_encode(codes_[n].box->Text()));
}

// A code box takes only what its field stores, so it always shows its
// code (a-d as the capitals they store); the ANI box only what keeps its
// text one the ANI checks can accept.
void frm_option::Text_code_KeyPress(size_t n, int& KeyAscii) {
    const ui::TextBox& box = *codes_[n].box;
    Dtmf_code_key(box, KeyAscii, {.control_keys = true, .count = DtmfCodeCount::All});
    if (KeyAscii == 0) return;
    if (KeyAscii >= 'a' && KeyAscii <= 'd') KeyAscii += 'A' - 'a';  // the letter as the box shows its code
    // The box holds at most kDtmfFieldLen characters here: reading its text is cheap.
    if (&box == &Text_ANI && KeyAscii >= 0x20 && !options::Ani_can_pass(box.Text_if_typed(KeyAscii))) KeyAscii = 0;
}

void frm_option::Text_ANI_LostFocus() {
    const char* text = nullptr;
    switch (options::Ani_check(Text_ANI.Text())) {
    case options::AniCheck::Ok:
        return;
    case options::AniCheck::Length:
        text = T("身份码长度为 3 - 5 位 ！", "ANI ID code length is 3 to 5 digit.");
        break;
    case options::AniCheck::Range:
        text = T(" 身份码的有效数字为 00000 - 99999 ", " Available ANI ID code from 00000 to 99999. ");
        break;
    }
    Commit_judged([&] { app.rt.MsgBox(text, ui::vbExclamation, T("操作提示", "Operate Prompt")); },
                  [&] { Set_focus(Text_ANI); });
}

void frm_option::Set_focus(ui::TextBox& box) { box.focus(); }

}  // namespace bx
