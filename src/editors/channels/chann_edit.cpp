// The channel grid's cell editing: laying the pick list or the text box over
// a clicked cell, picks written at once, and the commit of what an editor
// holds when its cell is left or Enter is pressed.
#include "appstate/app.h"
#include "editors/cell_commit.h"
#include "editors/channels/chann_rows.h"
#include "editors/channels/frm_chann.h"
#include "model/lang.h"
#include "model/codecs.h"
#include "model/numtext.h"

namespace bx {

namespace {

namespace T {
constexpr link_text::Pair kRxRange{"接收频率超出范围 ！", "Over the range of receive frequency ."};
constexpr link_text::Pair kTxRange{"发射频率超出范围 ！", "Over the range of transmit frequency ."};
constexpr link_text::Pair kRxFirst{"请先输入接收频率 ！", "Please input the receive frequency in advance."};
constexpr link_text::Pair kNameLong{"信道名称的字符个数最大为 6 位 ！", "The letter of channel name max 6 bit . "};
}  // namespace T

const ChannColumn& column(int col) { return Chann_columns[static_cast<size_t>(col)]; }
bool valid_col(int col) { return col >= 0 && col < kChannCols; }

// A frequency text into the frequency field of channel k; the text becomes
// the stored, snapped frequency.
void store_freq(std::string& t, MemImage& img, int k, const Field& f) {
    Store_freq_bcd(t, img, f, k);
}

}  // namespace

// ---- placing the editors ----

void frm_chann::Place_cell_editor() {
    const int r = MSF_Chann.Row(), col = MSF_Chann.Col();
    Edit_row = static_cast<int16_t>(r);
    Edit_col = static_cast<int16_t>(col);
    if (!valid_col(col)) return;
    const ChannColumn& c = column(col);
    if (c.editor == CellEditor::TextBox) {
        Combo_edit.setVisible(false);
        Text_Edit.setText(Cell(r, col));
        Text_overlay.place();
        return;
    }
    if (c.editor != CellEditor::PickList) return;
    if (c.needs_band && Trim(Cell(r, kColBand)).empty()) return;
    if (c.needs_rx && Trim(Cell(r, kColRxFreq)).empty()) {
        Hide_editors();
        return;
    }
    Text_Edit.setVisible(false);
    Combo_edit.setText(Cell(r, col));
    Combo_overlay.place();
    Combo_edit.Clear();
    Fill_pick_list(col);
    // A tone list opens with nothing typed; the others show the cell's entry
    // (selected when it is one of the list's). That text is no edit.
    Combo_edit.setText(c.rule == ColumnRule::Tone ? std::string() : Cell(r, col));
    Combo_overlay.mark_opened();
}

void frm_chann::Fill_pick_list(int col) {
    const ChannColumn& c = column(col);
    if (c.rule == ColumnRule::Tone) {
        for (const std::string& name : app.Tone_name_table) Combo_edit.AddItem(Trim(name));
        return;
    }
    for (const char* item : c.items) Combo_edit.AddItem(item);
}

void frm_chann::Hide_editors() {
    Combo_edit.setVisible(false);
    Text_Edit.setVisible(false);
    Combo_edit.setText("");
    Text_Edit.setText("");
    Combo_overlay.release();
    Text_overlay.release();
}

// ---- the pick list ----

void frm_chann::Combo_edit_Change() {
    Edit_row = static_cast<int16_t>(MSF_Chann.Row());
    Edit_col = static_cast<int16_t>(MSF_Chann.Col());
    // Outside the tone columns the list can only be picked from: typing is
    // undone (the list's own value: the cell's entry, or its last pick).
    if (Combo_edit.Visible() && Edit_col != kColRxTone && Edit_col != kColTxTone) {
        Combo_edit.focus();
        Combo_edit.Put_back();
    }
}

void frm_chann::Combo_edit_KeyPress(int& KeyAscii) {
    if (Edit_col == kColRxTone || Edit_col == kColTxTone) {
        // A CTCSS frequency or a DCS code: digits, ".", D, N, I and Enter.
        if (KeyAscii == 'd' || KeyAscii == 'n' || KeyAscii == 'i') KeyAscii -= 'a' - 'A';
        const bool pass = (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == 'D' ||
                          KeyAscii == 'N' || KeyAscii == 'I' || KeyAscii == 13;
        if (!pass) KeyAscii = 0;
    }
    if (KeyAscii != 13) return;
    // Enter moves the editing on to the next column, from a list over the
    // current cell only.
    if (!Combo_overlay.on(MSF_Chann.Row(), MSF_Chann.Col())) return;
    KeyAscii = 0;  // Enter types nothing, also into the next cell's editor
    if (Edit_col >= kColRxTone && Edit_col <= kColScrambler) {
        MSF_Chann.setCol(MSF_Chann.Col() + 1);
        Place_cell_editor();
    }
}

void frm_chann::Combo_edit_Click() {
    Edit_row = static_cast<int16_t>(MSF_Chann.Row());
    Edit_col = static_cast<int16_t>(MSF_Chann.Col());
    // A list left over a cell that has been left writes nothing.
    if (!Combo_overlay.on(Edit_row, Edit_col)) return;
    const int p = Combo_edit.ListIndex();
    if (p >= 0) Write_pick(Edit_row, Edit_col, p);
}

void frm_chann::Write_pick(int r, int col, int p) {
    if (!valid_col(col)) return;
    const ChannColumn& c = column(col);
    switch (c.rule) {
        case ColumnRule::Band:
            Commit_band(r, Combo_edit.List(p));
            break;
        case ColumnRule::Tone:
            Write_chann_pick(app.Mem_image, r - 1, col, p, app.Tone_name_table);
            if (col == kColRxTone) Show_chann_row(r);
            break;
        case ColumnRule::Setting:
            Write_chann_pick(app.Mem_image, r - 1, col, p, app.Tone_name_table);
            break;
        default:
            break;
    }
}

void frm_chann::Commit_band(int r, const std::string& picked) {
    if (Trim(Cell(r, kColBand)) != Trim(picked)) Erase_chann_keep_band(r);
    if (Chann_used(app.Mem_image, r - 1)) {
        Set_cell(r, kColBand, picked);
        return;
    }
    Set_cell(r, kColBand, "");
    Hide_editors();
}

// ---- the commit of a left cell ----

void frm_chann::MSF_Chann_LeaveCell() {
    const int r = MSF_Chann.Row(), col = MSF_Chann.Col();
    Edit_row = static_cast<int16_t>(r);
    Edit_col = static_cast<int16_t>(col);
    Text_Edit.setVisible(false);
    if (!valid_col(col)) return;
    const ChannColumn& c = column(col);
    const std::string t = Text_Edit.Text(), picked = Combo_edit.Text();
    // Only what the user changed is stored (editors/cell_commit.h); a
    // frequency shown out of range still gets its message and replacement.
    const ValidationLimits lim = app.limits();
    auto freq_fails = [&] { return !Trim(t).empty() && Leave_rule_refuses(Val(t), lim); };
    switch (c.rule) {
        case ColumnRule::Band:
            // The list stays where it is until the next placing hides or
            // moves it; it no longer belongs to this cell.
            Commit_cell(Combo_overlay, r, col, [&] { Commit_band(r, picked); });
            Text_overlay.release();
            return;
        case ColumnRule::RxFreq:
            Commit_cell(Text_overlay, r, col, [&] { Commit_rx(r, t); }, freq_fails);
            break;
        case ColumnRule::TxFreq:
            Commit_cell(Text_overlay, r, col, [&] { Commit_tx(r, t); }, freq_fails);
            break;
        case ColumnRule::Tone:
            Commit_cell(Combo_overlay, r, col, [&] { Commit_tone(r, col, picked); });
            break;
        case ColumnRule::Setting:
            Commit_cell(Combo_overlay, r, col, [&] { Set_cell(r, col, picked); });
            break;
        case ColumnRule::Name:
            Commit_cell(Text_overlay, r, col, [&] { Commit_name(r, t); });
            break;
        case ColumnRule::Number:
            break;
    }
    Hide_editors();
}

void frm_chann::Commit_rx(int r, std::string t) {
    const int k = r - 1;
    MemImage& img = app.Mem_image;
    const ValidationLimits lim = app.limits();
    if (!Leave_rule_refuses(Val(t), lim)) {
        // A new channel is one whose record is not in use, whatever the
        // cells show: its settings start from the defaults.
        if (!Chann_used(img, k)) Set_chann_defaults(r);
        Set_cell(r, kColRxFreq, t);
        // The transmit frequency always becomes the receive frequency.
        store_freq(t, img, k, chann_field::Tx_freq);
        if (Trim(Cell(r, kColTxFreq)).empty()) {
            Set_cell(r, kColTxFreq, Cell(r, kColRxFreq));
            MSF_Chann.focus();
        }
        store_freq(t, img, k, chann_field::Rx_freq);
    } else if (Trim(t).empty()) {
        // An emptied receive frequency deletes the channel.
        Set_cell(r, kColRxFreq, "");
        Set_cell(r, kColTxFreq, "");
        Erase_chann(r);
    } else {
        Commit_judged([&] { Link.Msg(T::kRxRange); },
                      [&] {
                          t = A_low_text(app.limits());
                          Set_cell(r, kColRxFreq, t);
                          if (!Chann_used(img, k)) {
                              Set_chann_defaults(r);
                              std::string tx = t;
                              store_freq(tx, img, k, chann_field::Tx_freq);
                          }
                          store_freq(t, img, k, chann_field::Rx_freq);
                          Show_chann_row(r);
                      });
        return;
    }
    Show_chann_row(r);
}

void frm_chann::Commit_tx(int r, std::string t) {
    const int k = r - 1;
    MemImage& img = app.Mem_image;
    const ValidationLimits lim = app.limits();
    if (!Chann_used(img, k) && !Trim(t).empty()) {
        Commit_judged([&] { Link.Msg(T::kRxFirst); }, [&] { Text_Edit.setText(""); });
        return;
    }
    if (!Leave_rule_refuses(Val(t), lim)) {
        Set_cell(r, kColTxFreq, t);
        store_freq(t, img, k, chann_field::Tx_freq);
    } else if (Trim(t).empty()) {
        // No transmit frequency: a receive-only channel.
        Set_cell(r, kColTxFreq, "");
        Set_cell(r, kColTxTone, "");
        chann_field::Tx_freq.fill(img, k, kErased);
        chann_field::Tx_tone.fill(img, k, kErased);
    } else {
        Commit_judged([&] { Link.Msg(T::kTxRange); },
                      [&] {
                          t = A_low_text(app.limits());
                          Set_cell(r, kColTxFreq, t);
                          Set_cell(r, kColTxTone, "OFF");
                          store_freq(t, img, k, chann_field::Tx_freq);
                          chann_field::Tx_tone.fill(img, k, kErased);
                          Show_chann_row(r);
                      });
        return;
    }
    Show_chann_row(r);
}

void frm_chann::Commit_tone(int r, int col, const std::string& c) {
    if (auto custom = Custom_ctcss(c)) {
        Set_cell(r, col, custom->cell);
        const int k = r - 1;
        Store_tone_code(app.Mem_image, *column(col).field, k, custom->code);
        if (col == kColRxTone) Store_tone_code(app.Mem_image, chann_field::Tx_tone, k, custom->code);
        Show_chann_row(r);
        return;
    }
    // A code typed in full is taken as if it had been picked.
    const std::string want = Trim(c);
    for (int pos = 0; pos < Combo_edit.ListCount() && pos < kToneNames; ++pos) {
        if (Trim(app.Tone_name_table[static_cast<size_t>(pos)]) != want) continue;
        if (Combo_edit.ListIndex() == pos)
            Write_pick(r, col, pos);
        else
            Combo_edit.setListIndex(pos);
        Set_cell(r, col, c);
        return;
    }
}

void frm_chann::Commit_name(int r, const std::string& typed) {
    auto store = [&] {
        // A channel not in use keeps no name.
        const std::string t = Trim(Cell(r, kColBand)).empty() ? std::string() : typed;
        const std::string cell = Chann_name_cell(t);
        Set_cell(r, kColName, cell);
        Store_chann_name(app.Mem_image, r - 1, cell);
    };
    if (Chann_name_length(typed) > 6)
        Commit_judged([&] { Link.Msg(T::kNameLong, link_text::kTitleEngP); }, store);
    else
        store();
}

// ---- Enter in the text box ----

void frm_chann::Text_Edit_KeyPress(int& KeyAscii) {
    if (KeyAscii != 13) return;
    KeyAscii = 0;  // Enter types nothing, also into the next cell's editor
    const int r = MSF_Chann.Row(), col = MSF_Chann.Col();
    Edit_row = static_cast<int16_t>(r);
    Edit_col = static_cast<int16_t>(col);
    Text_Edit.setVisible(false);
    if (!Text_overlay.on(r, col)) return;
    const std::string t = Text_Edit.Text();
    // A frequency left as it opened moves the editing on and stores
    // nothing, unless it fails the check a leave makes.
    const bool changed = Text_overlay.edited() || (!Trim(t).empty() && Leave_rule_refuses(Val(t), app.limits()));
    if (col == kColRxFreq) {
        Enter_rx(r, t, changed);
    } else if (col == kColTxFreq) {
        Enter_tx(r, t, changed);
    } else if (col == kColName) {
        // The name is committed as leaving its cell would, so the cell
        // shows it at once.
        Commit_cell(Text_overlay, r, col, [&] { Commit_name(r, t); });
        Hide_editors();
    }
}

void frm_chann::Enter_rx(int r, std::string t, bool changed) {
    if (!changed) {
        MSF_Chann.setCol(kColTxFreq);
        Place_cell_editor();
        return;
    }
    const ValidationLimits lim = app.limits();
    const bool used = Chann_used(app.Mem_image, r - 1);
    auto go_on = [&] {
        Text_Edit.setText(Cell(r, kColRxFreq));
        if (Cell(r, kColTxFreq).empty()) Set_cell(r, kColTxFreq, Cell(r, kColRxFreq));
        // Leaving the cell commits it; the editing goes on with the transmit
        // frequency.
        MSF_Chann.setCol(kColTxFreq);
        Place_cell_editor();
    };
    if (!Enter_rule_refuses(Val(t), lim)) {
        if (!used) Set_chann_defaults(r);
        Set_cell(r, kColRxFreq, Enter_freq_text(t));
    } else if (!Trim(t).empty()) {
        Commit_judged([&] { Link.Msg(T::kRxRange); },
                      [&] {
                          Set_cell(r, kColRxFreq, A_low_text(app.limits()));
                          if (!used) Set_chann_defaults(r);
                          go_on();
                      });
        return;
    } else {
        Set_cell(r, kColRxFreq, "");
        Set_cell(r, kColTxFreq, "");
        Erase_chann(r);
    }
    go_on();
}

void frm_chann::Enter_tx(int r, std::string t, bool changed) {
    const ValidationLimits lim = app.limits();
    auto go_on = [&] {
        if (changed) Text_Edit.setText(Cell(r, kColTxFreq));
        if (Trim(Cell(r, kColRxFreq)).empty() && Trim(Cell(r, kColTxFreq)).empty()) {
            // Nothing on this row: on to the band of the next channel.
            MSF_Chann.setCol(kColBand);
            if (MSF_Chann.Row() < app.Chann_count) MSF_Chann.setRow(MSF_Chann.Row() + 1);
        } else {
            MSF_Chann.setCol(kColRxTone);
        }
        Place_cell_editor();
    };
    if (!changed) {
        // Nothing to check: the editing moves on as below.
    } else if (!Chann_used(app.Mem_image, r - 1) && !Trim(t).empty()) {
        Commit_judged([&] { Link.Msg(T::kRxFirst); },
                      [&] {
                          Text_Edit.setText("");
                          go_on();
                      });
        return;
    } else if (!Enter_rule_refuses(Val(t), lim)) {
        Set_cell(r, kColTxFreq, Enter_freq_text(t));
    } else if (!Trim(t).empty()) {
        Commit_judged([&] { Link.Msg(T::kTxRange); },
                      [&] {
                          Set_cell(r, kColTxFreq, A_low_text(app.limits()));
                          Set_cell(r, kColTxTone, "OFF");
                          chann_field::Tx_tone.fill(app.Mem_image, r - 1, kErased);
                          go_on();
                      });
        return;
    } else {
        Set_cell(r, kColTxFreq, "");
        Set_cell(r, kColTxTone, "");
    }
    go_on();
}

}  // namespace bx
