// The alignment editor's captions (fixed Chinese texts in both languages),
// the placement of the controls inside its page frames, and
// Layout_adj_window (point labels, hidden boxes, level lists).
#include <algorithm>
#include <initializer_list>
#include <string>

#include "appstate/app.h"
#include "editors/alignment/adj_choices.h"
#include "editors/alignment/adj_rules.h"
#include "editors/alignment/frm_adj_txp.h"

namespace bx {

namespace {

using adj_choice::kBoxH;
using adj_choice::kLabelH;

// The captions of the level lists, in the order of their cells (record 8,
// bytes 0-12).
constexpr const char* kLevelCaptions[13] = {
    "话音调制度",       "模拟哑音调制度",   "数字哑音调制度",     "宽带接收音量粗调", "宽带接收音量细调",
    "窄带接收音量粗调", "窄带接收音量细调", "提示音音量粗调",     "提示音音量细调",   " VHF 段驱动功率选择",
    "UHF 段驱动功率选择", "功率管控制温度", "信令调制度",
};

constexpr const char* kSqlHeads[6] = {"级别", "打开值", "频点", "补偿值", "频点", "补偿值"};
constexpr const char* kOtherHeads[4] = {"频段", "最大工作频率范围(MHZ)", "限制工作频率范围(MHZ)", "发射允许 "};

// The fixed texts of the two band rows, filling the first two columns.
const std::string kBandRow[2] = {"VHF0" + std::string(21, ' ') + "130 - 179  ", "UHF0" + std::string(21, ' ') + "400 - 480"};

// Places a control within its container (set by Set_containers).
void Put(ui::Control& c, int left, int top, int width, int height) { c.Move(left, top, width, height); }

int Pitch(int room, int rows) { return std::max(adj_choice::kMinRowPitch, room / rows); }

}  // namespace

void frm_Adj_Txp::Set_captions() {
    setCaption("发射功率调整（高功率）");
    Frame_Frame.setCaption("发射功率调整（高功率）");
    Frame_B0[0].setCaption("130 - 179 MHZ ");
    Frame_B0[1].setCaption("400  -  480 MHZ ");
    Frame_Sql.setCaption("静噪等级");
    Frame1.setCaption(" 130 - 179 MHZ");
    Frame_Sql_UHF.setCaption("400 - 520 MHZ");
    for (size_t k = 0; k < 6; ++k) {
        Label_Sql_Head_VHF[k].setCaption(kSqlHeads[k]);
        Label_Sql_Head_UHF[k].setCaption(kSqlHeads[k]);
    }
    Frame_Dev.setCaption("调制、音量");
    for (size_t k = 0; k < levels_.size(); ++k) levels_[k].label->setCaption(kLevelCaptions[k]);
    Frame_Other.setCaption("频率范围限制");
    for (size_t k = 0; k < 4; ++k) Label_Other_Head[k].setCaption(kOtherHeads[k]);
    Label_F0.setCaption(kBandRow[0]);
    Label_F1.setCaption(kBandRow[1]);
    for (size_t b = 0; b < 2; ++b) {
        Label_From[b].setCaption("从");
        Label_To[b].setCaption("到");
    }
    Frame4.setCaption("读写频密码");
    Label_User_PassWord.setCaption("用户密码");
    Label_Super_PassWord.setCaption("超级密码");
    Command_read.setCaption("读  取");
    Command_Write.setCaption("写  入");
    Command_open.setCaption("打  开");
    Command_save.setCaption("保  存");
    Command_def.setCaption("默认值");
    Command_close.setCaption("关  闭");
}

// Which frame holds which control: set while the window is built, before
// the front end shows it.
void frm_Adj_Txp::Set_containers() {
    auto in = [](ui::Control& frame, std::initializer_list<ui::Control*> cs) {
        for (ui::Control* c : cs) c->setContainer(&frame);
    };
    in(Frame_Frame, {&Frame_B0[0], &Frame_B0[1]});
    for (size_t i = 0; i < 16; ++i) in(Frame_B0[0], {&Label1[i], &Text1[i]});
    for (size_t i = 0; i < 25; ++i) in(Frame_B0[1], {&Label_UHF[i], &Text2[i]});
    in(Frame_Sql, {&Frame1, &Frame_Sql_UHF});
    for (size_t k = 0; k < 6; ++k) {
        in(Frame1, {&Label_Sql_Head_VHF[k]});
        in(Frame_Sql_UHF, {&Label_Sql_Head_UHF[k]});
    }
    for (size_t i = 0; i < 10; ++i) {
        in(Frame1, {&Label_Sql_VHF[i], &Text_SQ_VHF[i]});
        in(Frame_Sql_UHF, {&Label_Sql_UHF[i], &Text_SQ_UHF[i]});
    }
    for (size_t i = 0; i < 16; ++i) {
        in(Frame1, {&Label_Sq_Offset_Vhf[i], &Text_Sq_Offset_VHF[i]});
        in(Frame_Sql_UHF, {&Label_Sq_Offset_UHF[i], &Text_Sq_Offset_UHF[i]});
    }
    in(Frame_Dev, {&Frame2, &Frame_Dev_1});
    for (size_t k = 0; k < levels_.size(); ++k)
        in(k + 1 < levels_.size() ? Frame_Dev_1 : Frame2, {levels_[k].label, levels_[k].list});
    for (size_t k = 0; k < 4; ++k) in(Frame_Other, {&Label_Other_Head[k]});
    in(Frame_Other, {&Label_F0, &Label_F1, &Frame4});
    for (size_t b = 0; b < 2; ++b)
        in(Frame_Other, {&Label_From[b], &Label_To[b], &Text_Freq_L[b], &Text_Freq_H[b], &Check_Tx[b]});
    in(Frame4, {&Label_User_PassWord, &Text_user_PassWord, &Label_Super_PassWord, &Text_Super_PassWord});
}

void frm_Adj_Txp::Place_pages() {
    Place_power_page();
    Place_squelch_page();
    Place_level_page();
    Place_range_page();
    Place_buttons();
}

// Two band frames side by side, each with its 16 points in two columns.
void frm_Adj_Txp::Place_power_page() {
    const int bw = (Frame_Frame.Width() - 450) / 2, bh = Frame_Frame.Height() - 450;
    Put(Frame_B0[0], 150, 300, bw, bh);
    Put(Frame_B0[1], 300 + bw, 300, bw, bh);
    const int rows = adj_choice::kPowerRowsPerColumn;
    const int cw = (bw - 200) / 2, pitch = Pitch(bh - 450, rows);
    const int lw = cw * 11 / 20, boxw = std::min(900, cw - lw - 150);
    for (size_t b = 0; b < 2; ++b)
        for (int i = 0; i < 16; ++i) {
            const int x = 100 + (i / rows) * cw, y = 330 + (i % rows) * pitch;
            const auto n = static_cast<size_t>(i);
            ui::Label& l = b == 0 ? Label1[n] : Label_UHF[n];
            ui::TextBox& t = b == 0 ? Text1[n] : Text2[n];
            Put(l, x, y + 30, lw, kLabelH);
            Put(t, x + lw + 50, y, boxw, kBoxH);
        }
    // The spare UHF points, hidden by the layout routine.
    for (size_t n = 16; n < 25; ++n) {
        Put(Label_UHF[n], 100, 330, lw, kLabelH);
        Put(Text2[n], 100 + lw + 50, 330, boxw, kBoxH);
    }
}

// Two band frames side by side: the ten levels, then the 16 points in two
// columns of eight, each column under its headings.
void frm_Adj_Txp::Place_squelch_page() {
    const int bw = (Frame_Sql.Width() - 450) / 2, bh = Frame_Sql.Height() - 450;
    Put(Frame1, 150, 300, bw, bh);
    Put(Frame_Sql_UHF, 300 + bw, 300, bw, bh);
    const int cw = (bw - 200) / 3, pitch = Pitch(bh - 750, 10);
    const int lw = cw * 2 / 5, boxw = std::min(800, cw - lw - 150);
    for (int b = 0; b < 2; ++b) {
        auto& heads = b == 0 ? Label_Sql_Head_VHF : Label_Sql_Head_UHF;
        auto& lev_labels = b == 0 ? Label_Sql_VHF : Label_Sql_UHF;
        auto& lev_boxes = b == 0 ? Text_SQ_VHF : Text_SQ_UHF;
        auto& pt_labels = b == 0 ? Label_Sq_Offset_Vhf : Label_Sq_Offset_UHF;
        auto& pt_boxes = b == 0 ? Text_Sq_Offset_VHF : Text_Sq_Offset_UHF;
        for (size_t c = 0; c < 3; ++c) {
            const int x = 100 + static_cast<int>(c) * cw;
            Put(heads[2 * c], x, 300, lw + 40, kLabelH);
            Put(heads[2 * c + 1], x + lw + 50, 300, boxw + 100, kLabelH);
        }
        for (size_t i = 0; i < 10; ++i) {
            const int y = 650 + static_cast<int>(i) * pitch;
            Put(lev_labels[i], 100, y + 30, lw, kLabelH);
            Put(lev_boxes[i], 100 + lw + 50, y, boxw, kBoxH);
        }
        for (size_t i = 0; i < 16; ++i) {
            const int x = 100 + static_cast<int>(1 + i / 8) * cw, y = 650 + static_cast<int>(i % 8) * pitch;
            Put(pt_labels[i], x, y + 30, lw, kLabelH);
            Put(pt_boxes[i], x + lw + 50, y, boxw, kBoxH);
        }
    }
}

// The signalling deviation in a frame of its own at the top, the other
// twelve lists below in two columns.
void frm_Adj_Txp::Place_level_page() {
    const int fw = Frame_Dev.Width() - 300;
    constexpr int kListW = 1300;
    Put(Frame2, 150, 300, fw, 700);
    Put(Frame_Dev_1, 150, 1100, fw, Frame_Dev.Height() - 1250);
    const int cw = (fw - 200) / 2, lw = cw - kListW - 250;
    Put(Label_Tone_Dev, 100, 250, lw, kLabelH);
    Put(Combo_Tone_Dev, 100 + lw + 100, 220, kListW, kBoxH);
    const int rows = adj_choice::kLevelRowsPerColumn;
    const int pitch = Pitch(Frame_Dev_1.Height() - 350, rows);
    for (size_t k = 0; k + 1 < levels_.size(); ++k) {
        const int x = 100 + static_cast<int>(k / rows) * cw, y = 250 + static_cast<int>(k % rows) * pitch;
        Put(*levels_[k].label, x, y + 30, lw, kLabelH);
        Put(*levels_[k].list, x + lw + 100, y, kListW, kBoxH);
    }
}

// The headings' columns follow the fixed band rows: the second heading
// stands over the band's range in the row's text.
void frm_Adj_Txp::Place_range_page() {
    const ui::Runtime& rt = app.rt;
    constexpr int kX = 300, kRangeW = 800;
    const int row_w = std::max(rt.text_width(kBandRow[0]), rt.text_width(kBandRow[1])) + 100;
    const int col1 = kX + rt.text_width("VHF0" + std::string(21, ' '));
    const int word_w = rt.text_width("从") + 100;
    const int range_w = std::max(2 * (word_w + kRangeW + 100), rt.text_width(kOtherHeads[2]) + 100);
    // The room left over goes between the columns.
    const int band_end = std::max(kX + row_w, col1 + rt.text_width(kOtherHeads[1]) + 100);
    const int spare = Frame_Other.Width() - 150 - (band_end + range_w + rt.text_width(kOtherHeads[3]) + 100);
    const int gap = std::clamp(spare / 2, 60, 600);
    const int col2 = band_end + gap;
    const int col3 = col2 + range_w + gap;
    const int heads_x[4] = {kX, col1, col2, col3};
    for (size_t k = 0; k < 4; ++k)
        Put(Label_Other_Head[k], heads_x[k], 400, rt.text_width(kOtherHeads[k]) + 100, kLabelH);
    for (size_t b = 0; b < 2; ++b) {
        const int y = 900 + static_cast<int>(b) * 500;
        Put(b == 0 ? Label_F0 : Label_F1, kX, y + 30, row_w, kLabelH);
        int x = col2;
        Put(Label_From[b], x, y + 30, word_w, kLabelH);
        x += word_w;
        Put(Text_Freq_L[b], x, y, kRangeW, kBoxH);
        x += kRangeW + 100;
        Put(Label_To[b], x, y + 30, word_w, kLabelH);
        x += word_w;
        Put(Text_Freq_H[b], x, y, kRangeW, kBoxH);
        Put(Check_Tx[b], col3 + 300, y, 300, kBoxH);
    }
    const int pw_label = std::max(rt.text_width("用户密码"), rt.text_width("超级密码")) + 100;
    Put(Frame4, kX, 2100, pw_label + 2300, 1500);
    Put(Label_User_PassWord, 200, 430, pw_label, kLabelH);
    Put(Text_user_PassWord, 300 + pw_label, 400, 1600, kBoxH);
    Put(Label_Super_PassWord, 200, 930, pw_label, kLabelH);
    Put(Text_Super_PassWord, 300 + pw_label, 900, 1600, kBoxH);
}

// The six buttons in a row below the tab strip, the progress bar and the
// transfer text below them.
void frm_Adj_Txp::Place_buttons() {
    const int y = TabStrip1.Top() + TabStrip1.Height() + 150;
    ui::CommandButton* buttons[6] = {&Command_read, &Command_Write, &Command_open,
                                     &Command_save, &Command_def,   &Command_close};
    for (int i = 0; i < 6; ++i) buttons[i]->Move(300 + 1250 * i, y, 1100, 420);
    ProgressBar1.Move(300, y + 600, 6000, 255);
    Label_tr_count.Move(6500, y + 600, std::max(1000, ScaleWidth() - 6800), kLabelH);
}

void frm_Adj_Txp::Layout_adj_window() {
    for (size_t i = 0; i < 16; ++i) {
        const int mhz = 130 + 4 * static_cast<int>(i);
        Label1[i].setVisible(true);
        if (mhz >= Adj_band_high[0]) Text1[i].setVisible(true);
        Label1[i].setCaption(std::to_string(mhz) + "MHZ");
    }
    for (size_t i = 0; i < 16; ++i) {
        Label_UHF[i].setVisible(true);
        Label_UHF[i].setCaption(std::to_string(Adj_band_low[1] + 6 * static_cast<int>(i)) + "MHZ");
    }
    for (size_t i = 16; i < 25; ++i) {
        Label_UHF[i].setVisible(false);
        Text2[i].setVisible(false);
    }
    for (size_t i = 0; i < 10; ++i) {
        Label_Sql_VHF[i].setCaption(std::to_string(i));
        Label_Sql_UHF[i].setCaption(std::to_string(i));
    }
    for (size_t i = 0; i < 16; ++i) {
        Label_Sq_Offset_Vhf[i].setCaption(std::to_string(130 + 4 * i));
        Label_Sq_Offset_UHF[i].setCaption(std::to_string(400 + 6 * i));
    }
    for (const LevelList& l : levels_) {
        l.list->Clear();
        for (int v = 0; v <= l.last; ++v) l.list->AddItem(adj_rules::Level_item(v));
    }
}

}  // namespace bx
