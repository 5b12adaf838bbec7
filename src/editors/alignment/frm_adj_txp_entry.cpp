// The alignment editor's value entry and page display: the numeric boxes
// with their range messages, the range boxes' key filter and leave checks,
// the passwords, the level lists, and Show_adj_page, which fills a page
// through the same handlers.
#include <string>

#include "appstate/app.h"
#include "model/numtext.h"
#include "editors/alignment/adj_rules.h"
#include "editors/alignment/frm_adj_txp.h"
#include "model/lang.h"
#include "ui/password_box.h"

namespace bx {

namespace {

// The numeric boxes' range message: Chinese in both languages.
std::string Range_message(int max) { return " 输入数字范围为 0 - " + std::to_string(max) + " ！"; }

// The range boxes' messages 1 to 4.
constexpr link_text::Pair kRangeMessages[4] = {
    {"下限频率不可小于该频段最低工作频率",
     "Receive frequency of lower limit can't less than the lowest of work frequency. "},
    {"下限频率不可大于该频段上限频率",
     "Receive frequency of lower limit can't more than receive frequency of upper limit."},
    {"上限频率不可大于该频段最大工作频率",
     "Receive frequency of upper limit can't more than the highest of work frequency. "},
    {"上限频率不可小于该频段下限频率",
     "Receive frequency of upper limit can't less than receive frequency of lower limit."},
};

}  // namespace

// ---- numeric boxes ----

// A text that is not digits only, or a number above max, brings the range
// message; the box (and through its own Change, the cell) then takes the
// cell's factory value. A box on a hidden page cannot take the focus, so
// the focus stays where it is.
void frm_Adj_Txp::Numeric_change(ui::TextBox& box, int col, int row, int max) {
    int v = 0;
    const adj_rules::Number verdict = adj_rules::Check_number(box.Text(), max, v);
    if (verdict == adj_rules::Number::Ok) {
        app.Adj_table(col, row) = static_cast<int16_t>(v);
        return;
    }
    Commit_judged([&] { MsgBox(Range_message(max), ui::vbInformation, link_text::kTitleChn); },
                  [&] {
                      box.SetFocus();
                      box.setText(std::to_string(app.Adj_defaults(col, row)));
                      if (verdict == adj_rules::Number::Not_digits) return;
                      // Store what the box holds now.
                      if (adj_rules::Check_number(box.Text(), max, v) == adj_rules::Number::Ok)
                          app.Adj_table(col, row) = static_cast<int16_t>(v);
                  });
}

// The power boxes store into the columns of the page shown (high power 0
// and 1, low power 2 and 3); on no other page do they hold a cell.
void frm_Adj_Txp::Text1_Change(int i) {
    if (Adj_page == 0 || Adj_page == 1)
        Numeric_change(Text1[static_cast<size_t>(i)], 2 * Adj_page, i, adj::Txp_high_vhf.max);
}

void frm_Adj_Txp::Text2_Change(int i) {
    if (Adj_page == 0 || Adj_page == 1)
        Numeric_change(Text2[static_cast<size_t>(i)], 2 * Adj_page + 1, i, adj::Txp_high_uhf.max);
}

void frm_Adj_Txp::Text_SQ_VHF_Change(int i) {
    Numeric_change(Text_SQ_VHF[static_cast<size_t>(i)], adj::Sq_vhf.record, i, adj::Sq_vhf.max);
}

void frm_Adj_Txp::Text_Sq_Offset_VHF_Change(int i) {
    Numeric_change(Text_Sq_Offset_VHF[static_cast<size_t>(i)], adj::Sq_offset_vhf.record, i, adj::Sq_offset_vhf.max);
}

void frm_Adj_Txp::Text_SQ_UHF_Change(int i) {
    Numeric_change(Text_SQ_UHF[static_cast<size_t>(i)], adj::Sq_uhf.record, i, adj::Sq_uhf.max);
}

void frm_Adj_Txp::Text_Sq_Offset_UHF_Change(int i) {
    Numeric_change(Text_Sq_Offset_UHF[static_cast<size_t>(i)], adj::Sq_offset_uhf.record, i, adj::Sq_offset_uhf.max);
}

// ---- range boxes ----

void frm_Adj_Txp::Text_Freq_L_KeyPress(int i, int& KeyAscii) {
    if (adj_rules::Range_key_refused(Text_Freq_L[static_cast<size_t>(i)].Counts_if_typed(KeyAscii))) KeyAscii = 0;
}

void frm_Adj_Txp::Text_Freq_H_KeyPress(int i, int& KeyAscii) {
    if (adj_rules::Range_key_refused(Text_Freq_H[static_cast<size_t>(i)].Counts_if_typed(KeyAscii))) KeyAscii = 0;
}

void frm_Adj_Txp::Text_Freq_L_LostFocus(int i) { Range_leave(i, true); }
void frm_Adj_Txp::Text_Freq_H_LostFocus(int i) { Range_leave(i, false); }

// A refused leave shows its message, puts the band limit of the box's side
// into the box and gives it the focus back; the cells stay. A leave that
// passes writes the band's own six cells, and only a pair inside the band,
// when the box's text was changed: a box left as the page showed it stores
// nothing.
void frm_Adj_Txp::Range_leave(int i, bool low_box) {
    const auto b = static_cast<size_t>(i);
    const bool edited = Range_box(i, low_box).Edited();
    const double l = adj_rules::Range_number(Text_Freq_L[b].Text());
    const double h = adj_rules::Range_number(Text_Freq_H[b].Text());
    const adj_rules::RangeLeave r = low_box ? adj_rules::Leave_low(l, h, Adj_band_low[b], Adj_band_high[b])
                                            : adj_rules::Leave_high(l, h, Adj_band_low[b], Adj_band_high[b]);
    ui::TextBox& box = low_box ? Text_Freq_L[b] : Text_Freq_H[b];
    if (r.message != 0) {
        const link_text::Pair& m = kRangeMessages[r.message - 1];
        Commit_judged(
            [&] {
                MsgBox(L(app.Lang_chinese, m.chn, m.eng), ui::vbExclamation,
                       L(app.Lang_chinese, link_text::kTitleChn, link_text::kTitleEngP));
            },
            [&] {
                // The limit stands in for the refused text as an edit:
                // leaving the box again stores it.
                box.setText(std::to_string(r.reset_to));
                box.SetFocus();
            });
        return;
    }
    if (!r.store || !edited) return;
    Text_Freq_L[b].Take_as_shown();
    Text_Freq_H[b].Take_as_shown();
    const AdjCells& low = i == 0 ? adj::Freq_l_vhf : adj::Freq_l_uhf;
    const AdjCells& high = i == 0 ? adj::Freq_h_vhf : adj::Freq_h_uhf;
    const auto dl = adj_rules::Mhz_digits(r.low), dh = adj_rules::Mhz_digits(r.high);
    for (int k = 0; k < 3; ++k) {
        app.Adj_table(low.record, low.first + k) = dl[static_cast<size_t>(k)];
        app.Adj_table(high.record, high.first + k) = dh[static_cast<size_t>(k)];
    }
}

// ---- passwords ----

// The password's character codes, left-aligned and blank-padded to six,
// case kept (the box's filter lets only printable ASCII through).
void frm_Adj_Txp::Store_password(const ui::TextBox& box, int first) {
    const auto slots = ui::Password_slots(box.Text());
    for (int k = 0; k < ui::kPasswordLength; ++k)
        app.Adj_table(adj::PassWord_record, first + k) = slots[static_cast<size_t>(k)];
}

void frm_Adj_Txp::Text_user_PassWord_Change() { Store_password(Text_user_PassWord, adj::User_password.first); }
void frm_Adj_Txp::Text_Super_PassWord_Change() { Store_password(Text_Super_PassWord, adj::Super_password.first); }

// ---- level lists ----

void frm_Adj_Txp::Level_Click(size_t k) {
    const LevelList& l = levels_.at(k);
    if (l.list->ListIndex() >= 0) app.Adj_table(8, l.row) = static_cast<int16_t>(l.list->ListIndex());
}

// ---- the page display ----

// Shows a number in a box through the box's handler, also when the box
// shows that text already.
void frm_Adj_Txp::Show_number(ui::TextBox& box, int value, void (frm_Adj_Txp::*handler)(int), int i) {
    const std::string t = std::to_string(value);
    if (box.Text() == t)
        (this->*handler)(i);
    else
        box.setText(t);
}

void frm_Adj_Txp::Show_password(ui::TextBox& box, int first, void (frm_Adj_Txp::*handler)()) {
    const AdjTable& t = app.Adj_table;
    std::array<int16_t, ui::kPasswordLength> cells{};
    for (int k = 0; k < ui::kPasswordLength; ++k) cells[static_cast<size_t>(k)] = t(adj::PassWord_record, first + k);
    const std::string s = adj_rules::Password_text(cells);
    if (box.Text() == s)
        (this->*handler)();
    else
        box.setText(s);
}

void frm_Adj_Txp::Show_adj_page() {
    const int p = Adj_page;
    // The handlers may replace cells while the page fills; each box reads
    // its cell when its turn comes.
    const AdjTable& t = app.Adj_table;
    if (p == 0 || p == 1) {
        for (int i = 0; i < kAdjCells; ++i)
            Show_number(Text1[static_cast<size_t>(i)], t(2 * p, i), &frm_Adj_Txp::Text1_Change, i);
        for (int i = 0; i < kAdjCells; ++i)
            Show_number(Text2[static_cast<size_t>(i)], t(2 * p + 1, i), &frm_Adj_Txp::Text2_Change, i);
        return;
    }
    if (p < 2 || p > 4) return;
    for (int i = 0; i < adj::Sq_vhf.count; ++i)
        Show_number(Text_SQ_VHF[static_cast<size_t>(i)], t(adj::Sq_vhf.record, i), &frm_Adj_Txp::Text_SQ_VHF_Change,
                    i);
    for (int i = 0; i < adj::Sq_offset_vhf.count; ++i)
        Show_number(Text_Sq_Offset_VHF[static_cast<size_t>(i)], t(adj::Sq_offset_vhf.record, i),
                    &frm_Adj_Txp::Text_Sq_Offset_VHF_Change, i);
    for (int i = 0; i < adj::Sq_uhf.count; ++i)
        Show_number(Text_SQ_UHF[static_cast<size_t>(i)], t(adj::Sq_uhf.record, i), &frm_Adj_Txp::Text_SQ_UHF_Change,
                    i);
    for (int i = 0; i < adj::Sq_offset_uhf.count; ++i)
        Show_number(Text_Sq_Offset_UHF[static_cast<size_t>(i)], t(adj::Sq_offset_uhf.record, i),
                    &frm_Adj_Txp::Text_Sq_Offset_UHF_Change, i);
    if (p == 3) {
        // A cell beyond its list shows no entry and keeps its byte.
        for (const LevelList& l : levels_) {
            const int v = t(8, l.row);
            const int pos = v >= 0 && v <= l.last ? v : -1;
            if (l.list->ListIndex() != pos) l.list->setListIndex(pos);
        }
        return;
    }
    if (p == 4) {
        const AdjCells* lows[2] = {&adj::Freq_l_vhf, &adj::Freq_l_uhf};
        const AdjCells* highs[2] = {&adj::Freq_h_vhf, &adj::Freq_h_uhf};
        for (size_t b = 0; b < 2; ++b) {
            const AdjCells& lo = *lows[b];
            const AdjCells& hi = *highs[b];
            Text_Freq_L[b].Show_text(
                adj_rules::Range_text(t(lo.record, lo.first), t(lo.record, lo.first + 1), t(lo.record, lo.first + 2)));
            Text_Freq_H[b].Show_text(
                adj_rules::Range_text(t(hi.record, hi.first), t(hi.record, hi.first + 1), t(hi.record, hi.first + 2)));
        }
    }
    Show_password(Text_user_PassWord, adj::User_password.first, &frm_Adj_Txp::Text_user_PassWord_Change);
    Show_password(Text_Super_PassWord, adj::Super_password.first, &frm_Adj_Txp::Text_Super_PassWord_Change);
}

}  // namespace bx

namespace bx {

// The numeric boxes, passwords and lists store as they change; a range box
// stores when it is left, so a changed one still focused is left here. A
// text judged here once (refused, and replaced by the band's limit) is not
// judged again until the user changes it: a Save followed by its dialog
// coming to the front asks twice.
void frm_Adj_Txp::Commit_pending_edit() {
    if (!Loaded()) return;
    for (int i = 0; i < 2; ++i)
        for (bool low : {true, false}) {
            ui::TextBox& box = Range_box(i, low);
            if (!box.focused() || !box.Edited() || !box.Changed_since_judged()) continue;
            Range_leave(i, low);
            box.Take_as_judged();
        }
}

}  // namespace bx
