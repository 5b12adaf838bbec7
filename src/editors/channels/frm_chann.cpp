#include "editors/channels/frm_chann.h"

#include <algorithm>

#include "appstate/app.h"
#include "editors/channels/chann_choices.h"
#include "editors/channels/chann_rows.h"
#include "model/defaults.h"
#include "model/lang.h"
#include "ui/grid_choices.h"

namespace bx {

namespace {


// The channel editor's Close button warns with a blank before its last
// comma; the close box and the main window's commands without.
constexpr EditorRow kChannRow{.link = &link_rows::frm_chann,
                              .width_div = 1.06f,
                              .height_div = 1.26f,
                              .close = link_text::kNoClose,
                              // The channels and their names, each with the
                              // editor's record 200 after them.
                              .data = {DataSet::Image,
                                       {area::kChann.first, area::kChann.last + 1},
                                       {area::kChannName.first, area::kChannName.last + 1}}};

namespace T {
constexpr link_text::Pair kNoClear{"正在进行读写操作,请勿进行清除操作 ！,", "Read-write operating，don't clear operate .,"};
constexpr link_text::Pair kReadDone{"从对讲机中读取数据完毕 ！", "Complete reading data from the transceiver."};
constexpr link_text::Pair kReadOk{"信道数据读出正常 ！", "Read Channel Data is Ok ！"};
constexpr link_text::Pair kWriteDone{"向对讲机写入数据完毕 ！", "Complete Written the data to transceiver."};
constexpr link_text::Pair kWriteOk{"信道数据写入完毕 ！", "Channel Data Writed ！"};
constexpr link_text::Pair kFaultPanel{"联机故障 ！", "Communication fault."};
}  // namespace T

}  // namespace

frm_chann::frm_chann(App& a)
    : EditorWindow(a, "frm_chann", kChannRow) {
    Command_open.Click = [this] { Command_open_Click(); };
    Command_save.Click = [this] { Command_save_Click(); };
    // Default acts during the window's own read too; Clear waits for it.
    Wire_wholesale(Command_def, nullptr, [this] { Command_def_Click(); });
    Wire_wholesale(Command_Clear, &T::kNoClear, [this] { Command_Clear_Click(); });
    Command_close.Click = [this] { Command_close_Click(); };
    MSF_Chann.Click = [this] { MSF_Chann_Click(); };
    MSF_Chann.LeaveCell = [this] { MSF_Chann_LeaveCell(); };
    MSF_Chann.Scroll = [this] { MSF_Chann_Scroll(); };
    Combo_edit.Change = [this] { Combo_edit_Change(); };
    Combo_edit.KeyPress = [this](int& k) { Combo_edit_KeyPress(k); };
    Combo_edit.Click = [this] { Combo_edit_Click(); };
    Text_Edit.KeyPress = [this](int& k) { Text_Edit_KeyPress(k); };
    Use_chann_data_phase(Link);
    Link.On_failure = [this] { Link_failure(); };
}

// ---- load, activation, unload ----

void frm_chann::Build() {
    EditorWindow::Build();
    MSF_Chann.setFixedRows(1);
    MSF_Chann.setFixedCols(0);
    Combo_edit.setVisible(false);
    Text_Edit.setVisible(false);
}

void frm_chann::Form_Load() {
    EditorWindow::Form_Load();  // timers off, flags clear, size and place from the main window
    const int16_t chn = app.Lang_chinese;
    setCaption(L(chn, "信道参数编辑", "Channel Information"));
    Command_open.setCaption(L(chn, "打 开", "Open"));
    Command_save.setCaption(L(chn, "保 存", "Save"));
    Command_def.setCaption(L(chn, "出厂值", "Default"));
    Command_Clear.setCaption(L(chn, "清 除", "Clear"));
    Command_close.setCaption(L(chn, "关 闭", "Close"));
    Command_read.setCaption(L(chn, "读 取", "Read"));
    Command_Write.setCaption(L(chn, "写 入", "Write"));
    Label_PassWord.setCaption(L(chn, "读写密码", "PassWord"));
    MSF_Chann.setFormatString(Chann_format_string(chn));
    Fit_columns();

    Show();

    MSF_Chann.setWidth(static_cast<int>(ScaleWidth() / 1.02));
    Place_controls();
    Text_Edit.setVisible(false);

    const int count = app.Chann_count;
    MSF_Chann.setRows(count + 2);
    Place_controls();  // the grid's height for whole rows of its own count
    MSF_Chann.setCol(0);
    for (int r = 1; r <= count; ++r) {
        MSF_Chann.setRow(r);
        MSF_Chann.setText(std::to_string(r - 1));
    }
    Clear_progress();
    for (int r = 1; r <= count + 1; ++r) Show_chann_row(r);
}

// A column narrower than the entries of its pick list (the band's
// "VHF/UHF " under "Band") is widened to show them whole.
void frm_chann::Fit_columns() {
    for (const ChannColumn& c : Chann_columns) {
        int w = MSF_Chann.ColWidth(c.col);
        for (const char* item : c.items) w = std::max(w, rt().text_width(item) + ui::kCellPadX);
        if (c.rule == ColumnRule::Band) w = std::max(w, rt().text_width(kBandCell) + ui::kCellPadX);
        MSF_Chann.setColWidth(c.col, w);
    }
}

void frm_chann::Place_controls() {
    using namespace chann_choice;
    const int w = ScaleWidth(), h = ScaleHeight();
    MSF_Chann.setLeft((w - MSF_Chann.Width()) / 2);
    MSF_Chann.setTop(kMargin);
    MSF_Chann.setHeight(MSF_Chann.WholeRowsHeight(std::max(kMinGridHeight, h - kMargin - kBottomRoom)));
    const int y_bar = MSF_Chann.Top() + MSF_Chann.Height() + kGap;
    const int x0 = MSF_Chann.Left();
    ProgressBar1.Move(x0, y_bar, kBarWidth, kBarHeight);
    Label_tr_count.Move(x0 + kBarWidth + kGap, y_bar + (kBarHeight - kLabelHeight) / 2, kStatusWidth, kLabelHeight);
    const int y_btn = y_bar + kBarHeight + kGap;
    Label_PassWord.Move(x0, y_btn + (kButtonHeight - kLabelHeight) / 2, kLabelWidth, kLabelHeight);
    Text_PassWord.Move(x0 + kLabelWidth, y_btn + (kButtonHeight - kBoxHeight) / 2, kBoxWidth, kBoxHeight);
    int x = x0 + kLabelWidth + kBoxWidth + 2 * kGap;
    for (ui::CommandButton* b : {&Command_read, &Command_Write, &Command_open, &Command_save, &Command_def,
                                 &Command_Clear, &Command_close}) {
        b->Move(x, y_btn, kButtonWidth, kButtonHeight);
        x += kButtonWidth + kGap;
    }
    Combo_edit.setHeight(kBoxHeight);
}

void frm_chann::Show_all_rows() {
    // The rows come anew from the image: an open editor's text belongs to
    // the old ones (and the moves below would commit it).
    Drop_cell_editors();
    const int count = app.Chann_count;
    const int row = MSF_Chann.Row(), col = MSF_Chann.Col();
    MSF_Chann.setRows(count + 1);
    for (int r = 1; r <= count; ++r) {
        MSF_Chann.setCol(0);
        MSF_Chann.setRow(r);
        MSF_Chann.setText(std::to_string(r - 1));
        Show_chann_row(r);
    }
    // The keys go on from the cell the user had.
    MSF_Chann.setRow(std::clamp(row, 1, std::max(1, count)));
    MSF_Chann.setCol(col);
}

// ---- rows ----

void frm_chann::Show_chann_row(int row) {
    const int k = row - 1;
    if (!Chann_used(app.Mem_image, k)) {
        Set_cell(row, kColRxFreq, "");
        Set_cell(row, kColTxFreq, "");
        Erase_chann(row);
    } else {
        const ChannCells cells = Chann_row_cells(app.Mem_image, k, app.Tone_name_table);
        for (int c = kColBand; c < kColName; ++c) Set_cell(row, c, cells[static_cast<size_t>(c)]);
    }
    Set_cell(row, kColName, Chann_name_text(app.Mem_image, k));
}

void frm_chann::Set_chann_defaults(int row) {
    const int k = row - 1;
    Set_chann_default_records(app.Mem_image, k);
    for (int c = kColRxTone; c < kColName; ++c)
        Set_cell(row, c, Chann_cell_text(c, app.Mem_image, k, app.Tone_name_table));
    Set_cell(row, kColName, "");
}

void frm_chann::Erase_chann(int row) {
    Set_cell(row, kColBand, "");
    for (int c = kColRxTone; c <= kColName; ++c) Set_cell(row, c, "");
    Erase_chann_records(app.Mem_image, row - 1);
}

void frm_chann::Erase_chann_keep_band(int row) {
    for (int c = kColRxFreq; c <= kColName; ++c) Set_cell(row, c, "");
    Erase_chann_records(app.Mem_image, row - 1);
}

// ---- commands ----

void frm_chann::Command_def_Click() {
    Load_chann_defaults(app.Mem_image);
    Show_all_rows();
}

void frm_chann::Command_Clear_Click() {
    Clear_progress();
    for (int r = 1; r <= app.Chann_count; ++r) {
        for (int c : {kColRxFreq, kColTxFreq, kColOptSig}) Set_cell(r, c, "");
        Erase_chann(r);
    }
}

void frm_chann::Command_open_Click() { Open_image_dialog(false); }

void frm_chann::Command_save_Click() { Open_image_dialog(true); }

void frm_chann::Command_close_Click() { Close_with_image_dialogs(); }

// ---- the exchange ----

bool frm_chann::Write_checks() {
    const int bad = Chann_freq_check(app.Mem_image, app.limits());
    if (bad < 255) {
        const std::string n = std::to_string(bad);
        app.rt.MsgBox(L(app.Lang_chinese, ("信道 " + n + " 中的接收或发射频率超出频率限制范围").c_str(),
                        ("Channel " + n + "that Receiving or transmitting frequency  out of frequency limitation "
                                          "range ")
                            .c_str()),
                      ui::vbExclamation, L(app.Lang_chinese, link_text::kTitleChn, link_text::kTitleEng));
        return false;
    }
    return true;
}

void frm_chann::Unpack_chann_blocks() {
    Unpack_chann_replies(app, app.Mem_image, app.Chann_count);
    for (int r = 1; r <= app.Chann_count; ++r) Show_chann_row(r);
}

void frm_chann::Show_reply_names() {
    const int last = Link.row.blocks_total + 1;
    for (int i = 2; i <= last; ++i) {
        const int c = Reply_first_row(app.Read_blocks_twin[static_cast<size_t>(i)]);
        if (c < 0) return;
        const int records = i == last ? 1 : 4;
        for (int j = 0; j < records; ++j)
            if (c + j <= app.Chann_count) Show_reply_name(i, c + j, kRecordBytes * j);
    }
}

void frm_chann::Show_reply_name(int twin_row, int grid_row, int offset) {
    const auto& reply = app.Read_blocks_twin[static_cast<size_t>(twin_row)];
    const int at = Reply_data_start(reply.data()) + offset;
    Set_cell(grid_row, kColName, Reply_name_text(reply.data() + at));
}

void frm_chann::Read_complete() {
    Unpack_chann_blocks();
    Show_reply_names();
    Link.Msg(T::kReadDone);
    Label_tr_count.setCaption(Link.T(T::kReadOk));
}

void frm_chann::Write_complete() {
    Link.Msg(T::kWriteDone);
    Label_tr_count.setCaption(Link.T(T::kWriteOk));
}

void frm_chann::Link_failure() {
    Link.Msg(link_text::kFailConnect);
    app.main_window.setPanelText(2, Link.T(T::kFaultPanel));
}

}  // namespace bx
