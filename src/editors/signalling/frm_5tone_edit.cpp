// The 5-tone editor's in-place editing: the standards grid with its list and
// the standard selector, and the encode list with its frame box and
// standard list.
#include <string>

#include "appstate/app.h"
#include "editors/cell_commit.h"
#include "editors/signalling/five_tone_rules.h"
#include "editors/signalling/frm_5tone.h"
#include "model/layouts.h"
#include "model/lang.h"
#include "model/numtext.h"

namespace bx {

namespace {

namespace Std = layout::Sig_5tone_std_record;
namespace Code = layout::Sig_5tone_code_record;
using five_tone::ListKind;

constexpr int kCodes = Code::Records.count;
constexpr int kStdCol = 4;  // the encode list's standard column

inline constexpr link_text::Pair kFiveDigits{"编码位数为 5 位 ！", "Encode Digit is 5 Bits."};
inline constexpr const char* kFiveDigitsTitleEng = "Operate Prompt\"";

// The field behind standards-grid column c (1..3).
const Field& Std_field(int c) { return c == 1 ? Std::Period : c == 2 ? Std::Group_digit : Std::Repeat_digit; }

bool Code_row(int r) { return r >= 1 && r <= kCodes; }
bool Frame_col(int c) { return c >= 1 && c <= 3; }

}  // namespace

void frm_5tone::Wire_editing() {
    MSF_Chann.Click = [this] { MSF_Chann_Click(); };
    MSF_Chann.LeaveCell = [this] { MSF_Chann_LeaveCell(); };
    MSF_Encode.Click = [this] { MSF_Encode_Click(); };
    MSF_Encode.LeaveCell = [this] { MSF_Encode_LeaveCell(); };
    MSF_Encode.DblClick = [this] { MSF_Encode_DblClick(); };
    // A scroll has dropped the cell editors (ui/cell_overlay.h).
    MSF_Chann.Scroll = [this] { Show_5tone_cells(); };
    MSF_Encode.Scroll = [this] { Show_5tone_cells(); };
    Text_Encode.KeyPress = [this](int& KeyAscii) { Text_Encode_KeyPress(KeyAscii); };
    Text_Encode.Change = [this] { Text_Encode_Change(); };
    Text_Encode.LostFocus = [this] {
        if (Loaded() && !Unloading()) Show_5tone_data();
    };
}

// ---- standards grid and selector ----

void frm_5tone::MSF_Chann_Click() {
    const int mr = MSF_Chann.MouseRow(), mc = MSF_Chann.MouseCol();
    if (mr > 0) Combo_stxh.setListIndex(MSF_Chann.Row() - 1);
    if (mc == 0) {
        Close_std_list();
        return;
    }
    if (mr == 0) return;
    Open_5tone_std_cell();
}

// The list opens over the clicked cell showing the cell's text; nothing is
// stored until an item is picked. Opened again over its own cell (a click
// on the current cell leaves nothing), it first hands its pick to the cell.
void frm_5tone::Open_5tone_std_cell() {
    Close_std_list();
    const std::string cell = MSF_Chann.Text();
    Std_overlay.place();
    Combo_edit.setText(cell);
    Combo_edit.Clear();
    for (const std::string& item : five_tone::List_items(MSF_Chann.Col() == 1 ? ListKind::Periods : ListKind::Digits))
        Combo_edit.AddItem(item);
    Combo_edit.setText(cell);
}

void frm_5tone::Combo_edit_Click() {
    if (!Overlay_live(Std_overlay) || Combo_edit.ListIndex() < 0) return;
    const int r = Std_overlay.row(), c = Std_overlay.col();
    if (r < 1 || r > Std::Records.count || c < 1 || c > 3) return;
    Std_field(c).set(app.Mem_image, r - 1, Combo_edit.ListIndex());
}

// Closing the list without leaving its cell (a click on the row's name or
// on a code's number, or on the cell itself) gives the cell the list's text
// as leaving it does, so the cell never shows a value other than the one
// picked and stored.
void frm_5tone::Close_std_list() {
    if (Combo_edit.Visible() && Std_overlay.placed())
        MSF_Chann.setTextMatrix(Std_overlay.row(), Std_overlay.col(), Combo_edit.Text());
    Combo_edit.setVisible(false);
    Std_overlay.release();
}

void frm_5tone::MSF_Chann_LeaveCell() {
    const int r = MSF_Chann.Row(), c = MSF_Chann.Col();
    Commit_cell(Std_overlay, r, c, [&] {
        if (Combo_edit.Visible()) MSF_Chann.setTextMatrix(r, c, Combo_edit.Text());
    });
    Combo_edit.setVisible(false);
}

// ---- encode list ----

bool frm_5tone::Frame_box_held() const {
    return Text_Encode.Visible() && Frame_overlay.placed() && !Frame_overlay.on(MSF_Encode.Row(), MSF_Encode.Col());
}

void frm_5tone::MSF_Encode_Click() {
    // The box refused to leave its cell and the grid moved on. When this
    // click's own leave has just refused again, the box has the focus back
    // and the click opens nothing. A click on the cell the grid stands on
    // raises no leave: the box is judged here as a leave would judge it,
    // and once it goes the clicked cell opens.
    if (Frame_box_held() && !Text_Encode.focused()) MSF_Encode_LeaveCell();
    if (!Frame_box_held()) Open_5tone_code_cell();
    if (MSF_Encode.MouseCol() == 0) Close_std_list();
}

// Opens the box or the list over the clicked data cell. A row whose frame-1
// cell has been emptied (a row clear, a double-click) opens only frame 1.
void frm_5tone::Open_5tone_code_cell() {
    const int mr = MSF_Encode.MouseRow(), mc = MSF_Encode.MouseCol();
    if (!Code_row(mr) || mc < 1 || mc > kStdCol) return;
    const int r = MSF_Encode.Row(), c = MSF_Encode.Col();
    if (!Code_row(r) || c < 1 || c > kStdCol) return;
    if (c >= 2 && MSF_Encode.TextMatrix(r, 1).empty()) return;
    if (c == kStdCol) {
        Code_std_overlay.place();
        Combo_Encode.setListIndex(five_tone::Shown_pos(Code::Std.get(app.Mem_image, r - 1), Combo_Encode.ListCount()));
    } else {
        // The box takes the cell's text before it is laid over the cell, so
        // the text it opens with stores nothing. Opened again over its own
        // cell it shows the cell again, and the frame is as it was then.
        const bool again = Frame_overlay.on(r, c);
        if (!again) frame_opened_ = Code::Frame[c - 1].bytes(app.Mem_image, r - 1);
        Frame_overlay.release();
        Text_Encode.setText(MSF_Encode.Text());
        Frame_overlay.place();
        if (again) Code::Frame[c - 1].put(app.Mem_image, r - 1, frame_opened_);
    }
}

void frm_5tone::Text_Encode_KeyPress(int& KeyAscii) {
    if (!five_tone::Frame_key_passes(Text_Encode.Counts_if_typed(KeyAscii), KeyAscii)) KeyAscii = 0;
}

// Every change of the box's text stores the frame of the cell the box was
// opened on, and only while the box is on it. While the text is the one the
// box opened with (blanks at either end aside), the frame holds the bytes
// it had then: a look, or typing undone, changes nothing.
void frm_5tone::Text_Encode_Change() {
    if (!Frame_overlay.placed()) return;
    const int r = Frame_overlay.row(), c = Frame_overlay.col();
    if (!Code_row(r) || !Frame_col(c)) return;
    if (Frame_overlay.edited())
        Code::Frame[c - 1].put(app.Mem_image, r - 1, five_tone::Frame_bytes(Text_Encode.Text()));
    else
        Code::Frame[c - 1].put(app.Mem_image, r - 1, frame_opened_);
}

// Leaving a cell: the standard list copies its name into its own cell; the
// frame box, wherever the grid goes, is judged on the cell it was opened
// on: five digits are copied there, an empty box just closes, any other
// length keeps the box open with the five-digit message. Also run by a
// click while the box holds its cell (MSF_Encode_Click).
void frm_5tone::MSF_Encode_LeaveCell() {
    const int r0 = MSF_Encode.Row(), c0 = MSF_Encode.Col();
    if (c0 == kStdCol && Combo_Encode.Visible() && Code_std_overlay.on(r0, c0))
        MSF_Encode.setTextMatrix(r0, c0, Combo_Encode.Text());
    int r = r0;
    bool box_left = false;
    if (Text_Encode.Visible() && Frame_overlay.placed()) {
        r = Frame_overlay.row();
        switch (five_tone::Frame_leave(Text_Encode.Text())) {
            case five_tone::FrameLeave::Copy:
                // Without the blanks around it: the digits typed after the
                // blanks of an empty frame show centred like the others.
                MSF_Encode.setTextMatrix(r, Frame_overlay.col(), Trim(Text_Encode.Text()));
                break;
            case five_tone::FrameLeave::Keep: break;
            case five_tone::FrameLeave::Refuse: {
                const int16_t chn = app.Lang_chinese;
                Commit_judged(
                    [&] {
                        MsgBox(L(chn, kFiveDigits.chn, kFiveDigits.eng), ui::vbExclamation,
                               L(chn, link_text::kTitleChn, kFiveDigitsTitleEng));
                    },
                    [&] { Text_Encode.SetFocus(); });
                return;
            }
        }
        Text_Encode.setVisible(false);
        box_left = true;
    }
    if (Code_row(r) && Trim(MSF_Encode.TextMatrix(r, 1)).empty()) Clear_5tone_code_row(r, box_left);
    Combo_Encode.setVisible(false);
    Text_Encode.setVisible(false);
    Code_std_overlay.release();
    Frame_overlay.release();
}

// Empties row r's cells. Leaving the box's own cell also empties that frame
// in the image when the code has no frame 1 there (a row emptied on the
// screen only keeps its frames); no other byte changes.
void frm_5tone::Clear_5tone_code_row(int r, bool leaving_box) {
    for (int c = 1; c <= kStdCol; ++c) MSF_Encode.setTextMatrix(r, c, "");
    const bool no_frame_1 = Trim(five_tone::Frame_text(Code::Frame[0].bytes(app.Mem_image, r - 1))).empty();
    // A box left as it opened stores nothing, here neither.
    if (!leaving_box || !no_frame_1 || !Frame_overlay.edited()) Frame_overlay.release();
    Text_Encode.setText("");
    // The standard list is emptied by dropping its selection (its value
    // then empty too), so it opens blank over a code without a standard.
    Combo_Encode.setListIndex(-1);
}

// The page switch closes the encode list's editors without a leave: each
// cell shows what its editor stored (the frame's digits so far, the picked
// standard).
void frm_5tone::Close_code_editors() {
    if (Text_Encode.Visible() && Frame_overlay.placed()) {
        const int r = Frame_overlay.row(), c = Frame_overlay.col();
        if (Code_row(r) && Frame_col(c))
            MSF_Encode.setTextMatrix(r, c, five_tone::Frame_text(Code::Frame[c - 1].bytes(app.Mem_image, r - 1)));
    }
    if (Combo_Encode.Visible() && Code_std_overlay.placed())
        MSF_Encode.setTextMatrix(Code_std_overlay.row(), Code_std_overlay.col(), Combo_Encode.Text());
    Combo_Encode.setVisible(false);
    Text_Encode.setVisible(false);
    Code_std_overlay.release();
    Frame_overlay.release();
}

// A double-click on a code's number empties its row on the screen only.
void frm_5tone::MSF_Encode_DblClick() {
    const int r = MSF_Encode.MouseRow();
    if (MSF_Encode.MouseCol() != 0 || !Code_row(r)) return;
    for (int c = 1; c <= kStdCol; ++c) MSF_Encode.setTextMatrix(r, c, "");
}

void frm_5tone::Combo_Encode_Click() {
    if (!Overlay_live(Code_std_overlay) || Combo_Encode.ListIndex() < 0) return;
    const int r = Code_std_overlay.row();
    if (!Code_row(r)) return;
    Code::Std.set(app.Mem_image, r - 1, Combo_Encode.ListIndex());
}

}  // namespace bx

namespace bx {

// The lists store their picks at once. The frame box stores as it is
// typed; a changed one still over the grid's current cell gets the cell's
// leave: the five-digit check and the cell's text. A text that check has
// refused once is not judged again until the user changes it (a Save
// followed by its dialog coming to the front asks twice).
void frm_5tone::Commit_pending_edit() {
    if (!Loaded()) return;
    if (!Text_Encode.Visible() || !Frame_overlay.on(MSF_Encode.Row(), MSF_Encode.Col())) return;
    if (!Frame_overlay.edited() || !Text_Encode.Changed_since_judged()) return;
    Text_Encode.Take_as_judged();
    MSF_Encode.leave_current();
}

}  // namespace bx
