#include "editors/fm/frm_fm.h"

#include <algorithm>

#include "appstate/app.h"
#include "editors/cell_commit.h"
#include "editors/fm/fm_choices.h"
#include "editors/fm/fm_rows.h"
#include "model/defaults.h"
#include "model/lang.h"
#include "link/reply_unpack.h"
#include "model/numtext.h"

namespace bx {

namespace {


// The FM editor's Close button warns with a blank before its last comma;
// the close box and the main window's commands without.
constexpr EditorRow kFmRow{.link = &link_rows::frm_FM,
                           .width_div = 1.8f,
                           .height_div = 1.5f,
                           .top_div = 1.5f,
                           .close = link_text::kNoClose,
                           .data = {DataSet::Image, area::kFm}};

namespace T {
constexpr link_text::Pair kNoClear{"正在进行读写操作,请勿进行清除操作 ！,", "Read-write operating，don't clear operate .,"};
constexpr link_text::Pair kRange{"接收频率超出范围 ！", "Over the range of receive frequency ."};
constexpr link_text::Pair kNameLong{"信道名称的字符个数最大为 6 位 ！", "The letter of channel name max 6 bit . "};
constexpr link_text::Pair kReadOk{" FM 收音机参数读出正常 ！", "Read FM Radio parameters in gear. "};
constexpr link_text::Pair kWriteDone{"向对讲机写入参数完毕 ！", "Complete Written FM parameters to the transceiver."};
constexpr link_text::Pair kWriteOk{"收音机参数写入完毕 ！", "Complete Written FM parameters "};
}  // namespace T


}  // namespace

frm_FM::frm_FM(App& a) : EditorWindow(a, "frm_FM", kFmRow) {
    MSF_Chann.Click = [this] { MSF_Chann_Click(); };
    MSF_Chann.LeaveCell = [this] { MSF_Chann_LeaveCell(); };
    MSF_Chann.Scroll = [this] { MSF_Chann_Scroll(); };
    Text_Edit.KeyPress = [this](int& k) { Text_Edit_KeyPress(k); };
    // Default acts during the window's own read too; Clear waits for it.
    Wire_wholesale(Command_def, nullptr, [this] { Command_def_Click(); });
    Wire_wholesale(Command_Clear, &T::kNoClear, [this] { Command_Clear_Click(); });
    Command_open.Click = [this] { Command_open_Click(); };
    Command_save.Click = [this] { Command_save_Click(); };
    Command_close.Click = [this] { Command_close_Click(); };
}

// ---- load and unload ----

void frm_FM::Build() {
    EditorWindow::Build();
    MSF_Chann.setFixedRows(1);
    MSF_Chann.setFixedCols(0);
    Combo_edit.setVisible(false);
    Text_Edit.setVisible(false);
}

void frm_FM::Form_Load() {
    EditorWindow::Form_Load();  // timers off, flags clear, size and place from the main window
    Area_addr_high = 48;
    const int16_t chn = app.Lang_chinese;
    setCaption(L(chn, "FM 收音机频道编辑", "FM Radio Information"));
    Command_read.setCaption(L(chn, "读 取", "Read"));
    Command_Write.setCaption(L(chn, "写  入", "Write"));
    Command_Clear.setCaption(L(chn, "清  除", "Clear"));
    Command_save.setCaption(L(chn, "保  存", "Save"));
    Command_open.setCaption(L(chn, "打  开", "Open"));
    Command_close.setCaption(L(chn, "关  闭", "Close"));
    Command_def.setCaption(L(chn, "默认", "Default"));
    Label_PassWord.setCaption(L(chn, "读写密码", "PassWord"));
    MSF_Chann.setFormatString(Fm_format_string(chn));

    Show();

    MSF_Chann.setWidth(static_cast<int>(ScaleWidth() / 2.25));
    MSF_Chann.setHeight(static_cast<int>(Height() / 1.7));
    Place_controls();
    Text_Edit.setVisible(false);
    MSF_Chann.setRows(kFmRows);
    MSF_Chann.setCol(0);
    for (int n = 1; n <= kFmPresets; ++n) MSF_Chann.setTextMatrix(n, kFmColNumber, std::to_string(n));
    Clear_progress();
    for (int n = 1; n <= kFmPresets; ++n) MSF_Chann.setTextMatrix(n, kFmColFreq, "");
    Fm_low_limit = kFmLowLimit;
    Fm_high_limit = kFmHighLimit;
    Show_fm_presets();
    Fit_grid();
}

// The grid as given may be too small for its texts: its columns are made as
// wide as their texts (the widest frequency and station name a preset can
// have included), and the grid grows into the room the window has beside
// it (up to the buttons' column) and below it (down to the password row
// and the progress below it), its rows getting lower if need be, until every
// column and row shows, its columns then sharing any width left over.
void frm_FM::Fit_grid() {
    using namespace fm_choice;
    MSF_Chann.FitColumns({{kFmColFreq, {kWidestFreq}}, {kFmColName, {kWidestName}}});
    const int below = 2 * kGap + kBoxHeight + kGap + kBarHeight + kGap + kLabelHeight;
    const int room_w = ScaleWidth() - MSF_Chann.Left() - 2 * kGap - kButtonWidth - kMargin;
    const int room_h = ScaleHeight() - MSF_Chann.Top() - below - kMargin;
    MSF_Chann.FitRows(room_h);
    // Rows at their least height that still need a scroll bar: the window
    // grows by what they lack, as far as the main window has room.
    if (const int lacks = MSF_Chann.FullHeight() - MSF_Chann.Height(); lacks > 0)
        MSF_Chann.FitRows(MSF_Chann.Height() + Grow_within_main(lacks));
    MSF_Chann.setWidth(std::max(MSF_Chann.Width(), std::min(room_w, MSF_Chann.FullWidth())));
    MSF_Chann.SpreadColumns();
    Place_controls();
}

void frm_FM::Place_controls() {
    using namespace fm_choice;
    MSF_Chann.Move(kMargin, kMargin, MSF_Chann.Width(), MSF_Chann.Height());
    const int x = MSF_Chann.Left() + MSF_Chann.Width() + 2 * kGap;
    int y = MSF_Chann.Top();
    for (ui::CommandButton* b :
         {&Command_read, &Command_Write, &Command_open, &Command_save, &Command_def, &Command_Clear, &Command_close}) {
        b->Move(x, y, kButtonWidth, kButtonHeight);
        y += kButtonHeight + kGap;
    }
    const int y_pw = MSF_Chann.Top() + MSF_Chann.Height() + 2 * kGap;
    Label_PassWord.Move(kMargin, y_pw + (kBoxHeight - kLabelHeight) / 2, kLabelWidth, kLabelHeight);
    Text_PassWord.Move(kMargin + kLabelWidth, y_pw, kButtonWidth, kBoxHeight);
    const int y_bar = y_pw + kBoxHeight + kGap;
    const int bar_w = std::max(kButtonWidth, ScaleWidth() - 2 * kMargin);
    ProgressBar1.Move(kMargin, y_bar, bar_w, kBarHeight);
    Label_tr_count.Move(kMargin, y_bar + kBarHeight + kGap, bar_w, kLabelHeight);
}

// ---- display ----

std::string frm_FM::Cov_Freq(int m_freq0, int m_freq1, int m_freq2, int m_freq3, int m_freq4, int m_freq5,
                             int m_freq6, int m_freq7) const {
    return bx::Cov_Freq(m_freq0, m_freq1, m_freq2, m_freq3, m_freq4, m_freq5, m_freq6, m_freq7);
}

int frm_FM::Preset_of_row(int n) const {
    const int r = Area_addr_high * 16 + n - 1;
    const RecordSet& set = layout::Fm_record::Records;
    return r >= set.first && r <= set.last() ? r - set.first + 1 : -1;
}

void frm_FM::Show_fm_row(int n) {
    const int preset = Preset_of_row(n);
    if (preset < 0) return;
    const FmCells cells = Fm_row_cells(app.Mem_image, preset);
    MSF_Chann.setTextMatrix(n, kFmColFreq, cells.freq);
    MSF_Chann.setTextMatrix(n, kFmColName, cells.name);
}

void frm_FM::Show_fm_presets() {
    // The rows come anew from the image: an open overlay's text belongs to
    // the old ones.
    Drop_cell_editors();
    for (int n = 1; n <= kFmPresets; ++n) Show_fm_row(n);
}

// ---- editing ----

void frm_FM::Place_cell_editor() {
    const int r = MSF_Chann.Row(), c = MSF_Chann.Col();
    if (c < 0 || c >= kFmCols || !Fm_columns[static_cast<size_t>(c)].editable) return;
    // The spare row belongs to no preset.
    if (Preset_of_row(r) < 0) return;
    Text_Edit.setText(MSF_Chann.TextMatrix(r, c));
    Text_overlay.place();
}

void frm_FM::MSF_Chann_LeaveCell() {
    const int r = MSF_Chann.Row(), c = MSF_Chann.Col();
    Edit_row = static_cast<int16_t>(r);
    Text_Edit.setVisible(false);
    Combo_edit.setVisible(false);
    Combo_edit.setText("");
    const std::string t = Text_Edit.Text();
    // Only the cell the overlay was opened on, and only what the user
    // changed there, is stored (editors/cell_commit.h): moving around the
    // grid or looking at a cell never rewrites a preset. A frequency shown
    // out of range still gets its message and replacement.
    auto freq_fails = [&] {
        const double x = Val(t);
        return c == kFmColFreq && !Trim(t).empty() && !(x >= Fm_low_limit && x <= Fm_high_limit);
    };
    Commit_cell(Text_overlay, r, c, [&] { Commit_fm_cell(c, t); }, freq_fails);
    Text_Edit.setText("");
}

void frm_FM::Commit_fm_cell(int c, const std::string& t) {
    if (c == kFmColFreq) {
        const double x = Val(t);
        if (x >= Fm_low_limit && x <= Fm_high_limit) {
            MSF_Chann.setTextMatrix(Edit_row, kFmColFreq, Fm_freq_cell(t));
        } else if (!Trim(t).empty()) {
            Commit_judged([&] { Link.Msg(T::kRange); },
                          [&] {
                              MSF_Chann.setTextMatrix(Edit_row, kFmColFreq,
                                                      Fm_freq_cell(std::to_string(Fm_low_limit)));
                              Store_fm_row(Edit_row, true);
                          });
            return;
        } else {
            MSF_Chann.setTextMatrix(Edit_row, kFmColFreq, "");
            MSF_Chann.setTextMatrix(Edit_row, kFmColName, "");
        }
    } else if (c == kFmColName) {
        auto store_name = [&] {
            // A preset without a frequency keeps no name.
            const std::string m = MSF_Chann.TextMatrix(Edit_row, kFmColFreq).empty() ? std::string() : t;
            MSF_Chann.setTextMatrix(Edit_row, kFmColName, Fm_name_cell(m));
            Store_fm_row(Edit_row, false);
        };
        if (Fm_name_length(t) > 6)
            Commit_judged([&] { Link.Msg(T::kNameLong, link_text::kTitleEngP); }, store_name);
        else
            store_name();
        return;
    }
    Store_fm_row(Edit_row, c == kFmColFreq);
}

void frm_FM::Store_fm_row(int n, bool name_untouched) {
    const int preset = Preset_of_row(n);
    if (preset < 0) return;
    Store_fm_cells(app.Mem_image, preset, MSF_Chann.TextMatrix(n, kFmColFreq), MSF_Chann.TextMatrix(n, kFmColName),
                   name_untouched);
}

// ---- commands ----

void frm_FM::Command_def_Click() {
    Load_fm_defaults(app.Mem_image);
    Show_fm_presets();
}

void frm_FM::Command_Clear_Click() {
    Clear_progress();
    for (int i = 0; i < layout::Fm_record::Records.count; ++i) {
        layout::Fm_record::Freq.fill(app.Mem_image, i, 0);
        layout::Fm_record::Name.fill(app.Mem_image, i, 0);
    }
    Text_Edit.setText("");
    for (int n = 1; n <= kFmPresets; ++n) {
        MSF_Chann.setTextMatrix(n, kFmColFreq, "");
        MSF_Chann.setTextMatrix(n, kFmColName, "");
    }
}

void frm_FM::Command_open_Click() {
    if (Refuse_if_busy()) return;
    if (ui::Form* f = Image_dialog(false)) App::Reopen(*f);
}

void frm_FM::Command_save_Click() {
    if (!Prepare_save()) return;
    if (ui::Form* f = Image_dialog(true)) App::Reopen(*f);
}

void frm_FM::Command_close_Click() { Close_with_image_dialogs(); }

// ---- the exchange ----

void frm_FM::Unpack_fm_blocks() {
    // Blocks 0x3000-0x30C0 in rows 2-5, into the presets in address order.
    namespace fr = layout::Fm_record;
    For_each_reply_record(app.Read_blocks, 2, 5, [this](int k, const uint8_t* rec) {
        const int preset = Preset_of_row(k + 1);
        if (preset < 0) return;
        fr::Freq.put(app.Mem_image, preset - 1, std::span<const uint8_t>(rec + fr::Freq.byte, fr::Freq.len));
        fr::Name.put(app.Mem_image, preset - 1, std::span<const uint8_t>(rec + fr::Name.byte, fr::Name.len));
    });
    Show_fm_presets();
}

void frm_FM::Read_complete() {
    Unpack_fm_blocks();
    Show_read_done(T::kReadOk);
}

void frm_FM::Write_complete() {
    Show_write_done(T::kWriteDone, T::kWriteOk);
}

}  // namespace bx
