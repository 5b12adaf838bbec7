// The 2-tone editor's grids and tone boxes: the encode cell editor, the
// decode cell list, and the four tone boxes of the selected decode entry.
#include <string>

#include "appstate/app.h"
#include "editors/cell_commit.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/two_tone_rules.h"
#include "model/codecs.h"
#include "model/layouts.h"
#include "model/lang.h"
#include "model/numtext.h"
#include "ui/text.h"

namespace bx {

namespace {

namespace Enc = layout::Sig_2tone_enc_record;
namespace Tones = layout::Sig_2tone_dec_tones;

constexpr int kEnter = 13;
// The most characters a tone box takes, blanks at either end aside.
constexpr int kToneBoxChars = 7;

inline constexpr link_text::Pair kRangeText{"频率范围在 300.0 HZ - 3000.0 HZ 之间  ！",
                                            "Frequency range 300Hz to 3000Hz"};
inline constexpr const char* kRangeTitleEng = "Operate Prompt\"";
inline constexpr link_text::Pair kEntryCaption{" 解码信息两音频率", " Decode 2 Tone Frequency"};

// Digits, the point and Enter pass; every other key, Backspace included,
// is refused.
bool Tone_key(int key) { return (key >= '0' && key <= '9') || key == '.' || key == kEnter; }

}  // namespace

void frm_2tone::Wire_editing() {
    MSF_Encode.Click = [this] { Open_2tone_encode_cell(); };
    MSF_Encode.LeaveCell = [this] { MSF_Encode_LeaveCell(); };
    Text_Encode.KeyPress = [](int& KeyAscii) {
        if (!Tone_key(KeyAscii)) KeyAscii = 0;
    };
    MSF_Decode.Click = [this] { Open_2tone_decode_cell(); };
    MSF_Decode.LeaveCell = [this] { MSF_Decode_LeaveCell(); };
    MSF_Decode.DblClick = [this] { MSF_Decode_DblClick(); };
    // A scroll has dropped the cell editors (ui/cell_overlay.h).
    MSF_Encode.Scroll = [this] { Show_2tone_cells(); };
    MSF_Decode.Scroll = [this] { Show_2tone_cells(); };
    Combo_Decode.Click = [this] { Combo_Decode_Click(); };
    // Typed text is undone at once: only a pick changes the value (the
    // list puts back the cell's entry, or its last pick).
    Combo_Decode.Change = [this] { Combo_Decode.Put_back(); };
    for (int k = 0; k < 4; ++k) {
        Tone_box(k).KeyPress = [this, k](int& KeyAscii) { Tone_KeyPress(k, KeyAscii); };
        Tone_box(k).LostFocus = [this, k] { Tone_LostFocus(k); };
    }
}

std::string frm_2tone::Entry_caption(int r) const {
    return std::to_string(r) + L(app.Lang_chinese, kEntryCaption.chn, kEntryCaption.eng);
}

void frm_2tone::Range_message() {
    const int16_t chn = app.Lang_chinese;
    MsgBox(L(chn, kRangeText.chn, kRangeText.eng), ui::vbExclamation,
           L(chn, link_text::kTitleChn, kRangeTitleEng));
}

// ---- encode grid ----

void frm_2tone::Open_2tone_encode_cell() {
    const int r = MSF_Encode.MouseRow(), c = MSF_Encode.MouseCol();
    MSF_Encode.setRow(r);
    MSF_Encode.setCol(c);
    if (r == 0 || c == 0) return;
    Enc_overlay.place();
    Text_Encode.setText(MSF_Encode.TextMatrix(r, c));
    Enc_overlay.mark_opened();
}

// Only the cell the editor was opened on is written, only while the editor
// shows, and only when its text was changed: an encode cell shows a tone in
// range or nothing, so a cell left as it opened (an empty FF FF one too)
// keeps its bytes.
void frm_2tone::MSF_Encode_LeaveCell() {
    const int n = MSF_Encode.Row(), c = MSF_Encode.Col();
    const bool open = Enc_overlay.on(n, c) && Text_Encode.Visible();
    Commit_cell(Enc_overlay, n, c, [&] {
        if (c != 0 && Text_Encode.Visible()) Encode_commit(n, c);
    });
    if (open && Text_Encode.Visible()) {
        Text_Encode.setVisible(false);
        Text_Encode.setText("");
    }
}

void frm_2tone::Encode_commit(int n, int c) {
    const auto hz = two_tone::Enc_tone_value(Val(Text_Encode.Text()));
    auto store = [&] {
        Text_Encode.setVisible(false);
        const Field& f = c == 1 ? Enc::Tone_1 : Enc::Tone_2;
        f.set(app.Mem_image, n - 1, Text_Encode.Text().empty() || !hz ? 0 : *hz);
        Show_2tone_data();
        Text_Encode.setVisible(false);
        Text_Encode.setText("");
    };
    if (hz) MSF_Encode.setTextMatrix(n, c, std::to_string(*hz) + ".0");
    if (hz || Trim(Text_Encode.Text()).empty()) {
        store();
        return;
    }
    Commit_judged([&] { Range_message(); },
                  [&] {
                      Text_Encode.setText("");
                      store();
                  });
}

// ---- decode grid ----

void frm_2tone::Open_2tone_decode_cell() {
    const int r = MSF_Decode.MouseRow(), c = MSF_Decode.MouseCol();
    MSF_Decode.setRow(r);
    MSF_Decode.setCol(c);
    if (r == 0) return;
    Frame_Dec_xx.setCaption(Entry_caption(r));
    Selected_dec_entry = static_cast<int16_t>(r - 1);
    Edata_Load(Selected_dec_entry);
    if (c == 0) return;
    // The list is filled and set on the cell's stored value before it is
    // laid over the cell, so setting it stores nothing; a byte with no item
    // in the list leaves it without a selection.
    Dec_overlay.release();
    Combo_Decode.Clear();
    const two_tone::DecColumn& col = two_tone::Dec_column(c);
    for (const std::string& item : two_tone::Dec_items(col.kind, app.Lang_texts.Sig_2tone_resp_names))
        Combo_Decode.AddItem(item);
    const int pos = col.fields[two_tone::Dec_decoder(c)].get(app.Mem_image, r - 1) - col.store_offset;
    const bool listed = pos >= 0 && pos < Combo_Decode.ListCount();
    Combo_Decode.setListIndex(listed ? pos : -1);
    Combo_Decode.setText(listed ? Combo_Decode.List(pos) : std::string());
    Dec_overlay.place();
    Dec_overlay.mark_opened();
}

// Only a pick the user makes while the list stands over its cell is stored.
void frm_2tone::Combo_Decode_Click() {
    if (!Overlay_live(Dec_overlay)) return;
    const int r = Dec_overlay.row(), c = Dec_overlay.col();
    if (r < 1 || c < 1 || Combo_Decode.ListIndex() < 0) return;
    const two_tone::DecColumn& col = two_tone::Dec_column(c);
    col.fields[two_tone::Dec_decoder(c)].set(app.Mem_image, r - 1, Combo_Decode.ListIndex() + col.store_offset);
}

// Nothing is stored here: the image holds the user's pick already. The cell
// the list stood over shows what the image holds, by the redraw's rule.
void frm_2tone::MSF_Decode_LeaveCell() {
    const int r = MSF_Decode.Row(), c = MSF_Decode.Col();
    Commit_cell(Dec_overlay, r, c, [&] {
        if (r >= 1 && r <= 15 && c > 0) Show_decode_cell(r, c);
    });
    Combo_Decode.setVisible(false);
}

// A double-click on an entry's number blanks its row on the screen only.
void frm_2tone::MSF_Decode_DblClick() {
    const int r = MSF_Decode.MouseRow();
    if (MSF_Decode.MouseCol() != 0 || r < 1 || r > 15) return;
    for (int c = 1; c <= 12; ++c) MSF_Decode.setTextMatrix(r, c, "");
    Edata_Load(static_cast<int16_t>(r - 1));
}

// ---- tone boxes ----

void frm_2tone::Tone_KeyPress(int k, int& KeyAscii) {
    if (!Tone_key(KeyAscii) || Tone_box(k).Counts_if_typed(KeyAscii).trimmed() > kToneBoxChars) KeyAscii = 0;
}

// An exit with a changed text stores the box's tone into the entry shown.
// A box left with the text the display gave it stores nothing, unless that
// text is a tone outside the range (from a radio or a file): it is refused
// as a typed one would be. Every exit redraws.
void frm_2tone::Tone_LostFocus(int k) {
    ui::TextBox& box = Tone_box(k);
    const int e = Selected_dec_entry;
    const auto hz = two_tone::Dec_tone_value(Val(box.Text()));
    if (!box.Edited() && (hz || Trim(box.Text()).empty())) {
        // A look: nothing stored.
    } else if (hz) {
        Store_2tone_freq(app.Mem_image, e, k, *hz, app.Tone_tick_ms);
    } else {
        auto clear = [&] {
            Tones::Freq[k].set(app.Mem_image, e, 0xFFFF);
            Tones::Period[k].set(app.Mem_image, e, 0xFFFF);
        };
        if (!Trim(box.Text()).empty()) {
            if (!Commit_judged([&] { Range_message(); },
                               [&] {
                                   box.setText("");
                                   box.SetFocus();
                                   clear();
                               }))
                return;
        } else {
            clear();
        }
    }
    Show_2tone_data();
}

}  // namespace bx

namespace bx {

// The encode cell's editor is left through the grid's leave (the base);
// a tone box keeps the focus through Write, Save and the main window's
// commands, so a changed one is stored here as its exit would store it.
void frm_2tone::Commit_pending_edit() {
    EditorWindow::Commit_pending_edit();
    if (!Loaded()) return;
    for (int k = 0; k < 4; ++k)
        if (Tone_box(k).focused() && Tone_box(k).Edited()) Tone_LostFocus(k);
}

}  // namespace bx
