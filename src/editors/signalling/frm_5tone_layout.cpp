// The 5-tone editor's layout: the designed places of its controls, the
// sizes it takes from the main window when it loads, and its captions.
#include <cmath>
#include <initializer_list>
#include <string>

#include "appstate/app.h"
#include "editors/signalling/five_tone_choices.h"
#include "editors/signalling/five_tone_rules.h"
#include "editors/signalling/frm_5tone.h"
#include "model/lang.h"
#include "ui/grid_choices.h"

namespace bx {

namespace {

namespace C = five_tone_choice;

namespace text {
inline constexpr link_text::Pair kTitle{"5音信令编解码参数编辑", "5 Tone Encode/Decode "};
inline constexpr link_text::Pair kTabStd{"标准", "Standard"};
inline constexpr link_text::Pair kTabEncode{"编解码", "Encode"};
inline constexpr link_text::Pair kFrameStd{"5 TONE 标准频率", "5 TONE Standard Frequency"};
inline constexpr link_text::Pair kStdName{"标准名称", "Standard Name"};
inline constexpr link_text::Pair kFrameEncode{"5 TONE 编码", "5 Tone Encode"};
inline constexpr link_text::Pair kDelays[4] = {
    {"发送第1组码前的延迟时间（MS）", "Delay 1 (MS) "},
    {"发送第2组码前的延迟时间（MS）", "Delay 2 (MS) "},
    {"发送第3组码前的延迟时间（MS）", "Delay 3 (MS) "},
    {"各组码第1个音的拓展时长（MS）", "First Digit Extend Length (MS)"},
};
inline constexpr link_text::Pair kResetTime{"解码复位时间（MS）", "Decode Reset Time(ms)"};
inline constexpr link_text::Pair kDecodeHJ{"5 TONE 解码呼叫帧", "5 TONE Decode Call"};
inline constexpr link_text::Pair kDecodeDisp{"5 TONE 解码显示帧", "5 TONE Decode Disp"};
inline constexpr link_text::Pair kDecodeStd{"5 TONE 解码使用标准", "5 TONE Decode Standard "};
inline constexpr link_text::Pair kFrames[3] = {
    {"第 1 帧", "1 frame"}, {"第 2 帧", "2 frame"}, {"第 3 帧", "3 frame"}};
inline constexpr link_text::Pair kStdFormat{"^ 5 TONE 标准|^发送时长(ms)|^ 群 呼 码 |^重 复 码 ",
                                            "^Standard|^Period(ms)|^ Group Tone|^ Repeat Tone "};
inline constexpr link_text::Pair kEncodeFormat{"^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^使用标准",
                                               "^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Standard "};
}  // namespace text

int Twips(double v) { return static_cast<int>(std::lround(v)); }

// Gives the room a grid's header texts leave to its data columns, evenly.
void Spread_columns(ui::Grid& g) {
    int used = 0;
    for (int c = 0; c < g.Cols(); ++c) used += g.ColWidth(c);
    const int spare = g.Width() - 2 * ui::kGridBorder - used - 15;
    const int data_cols = g.Cols() - g.FixedCols();
    if (spare <= 0 || data_cols <= 0) return;
    for (int c = g.FixedCols(); c < g.Cols(); ++c) g.setColWidth(c, g.ColWidth(c) + spare / data_cols);
}

}  // namespace

void frm_5tone::Build() {
    EditorWindow::Build();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&MSF_Chann, &Combo_edit, &Label_std_name, &Combo_stxh})
        c->setContainer(&Frame_std);
    for (int d = 0; d < 16; ++d) {
        Label_code[static_cast<size_t>(d)].setContainer(&Frame_std);
        Label_freq[static_cast<size_t>(d)].setContainer(&Frame_std);
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &MSF_Encode, &Text_Encode, &Combo_Encode, &Label_enc_ys1, &Combo_Enc_ys1, &Label_enc_ys2,
             &Combo_Enc_ys2, &Label_enc_ys3, &Combo_enc_ys3, &Label_enc_ys4, &Combo_Enc_ys4, &Frame_Dec_set,
             &Frame_Dec_disp, &Frame_Dec_hj})
        c->setContainer(&Frame_Encode);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Label_Decode_Std, &Combo_Decode_Std, &Label_Reset_Time, &Combo_Dec_Res_Time})
        c->setContainer(&Frame_Dec_set);
    Label_Decode_Disp.setContainer(&Frame_Dec_disp);
    Label_Decode_HJ.setContainer(&Frame_Dec_hj);
    for (int k = 0; k < 3; ++k) {
        Check_Decode_Disp[static_cast<size_t>(k)].setContainer(&Frame_Dec_disp);
        Check_Decode_HJ[static_cast<size_t>(k)].setContainer(&Frame_Dec_hj);
    }

    TabStrip1.Move(120, 120, 14000, ui::kTabRowHeight + C::kPageTopGap + C::kPageHeight + 200);

    // Standard page: the grid on the left; the selector and the sixteen
    // tone frequencies beside it (placed at load, after the grid's width).
    for (ui::Grid* g : {&MSF_Chann, &MSF_Encode}) {
        g->setRows(16);
        g->setFixedRows(1);
        g->setFixedCols(1);
        g->setRowHeight(C::kRowHeight);
        g->Move(120, C::kGridTop, 6000, 16 * C::kRowHeight + 60);
    }
    Combo_edit.setVisible(false);
    Combo_edit.setHeight(C::kListHeight);
    for (int d = 0; d < 16; ++d) Label_code[static_cast<size_t>(d)].setCaption(five_tone::Digit_text(d));

    // Encode page: the grid, the call and display frames below it, the
    // delays and the decode settings beside it.
    Text_Encode.setVisible(false);
    Combo_Encode.setVisible(false);
    Combo_Encode.setHeight(C::kListHeight);
    for (ui::ComboBox* c : {&Combo_stxh, &Combo_Encode, &Combo_Enc_ys1, &Combo_Enc_ys2, &Combo_enc_ys3,
                            &Combo_Enc_ys4, &Combo_Decode_Std, &Combo_Dec_Res_Time})
        c->setHeight(C::kListHeight);
    Label_Decode_Std.Move(120, 200, 3400, C::kLabelHeight);
    Combo_Decode_Std.Move(120, 500, 1800, C::kListHeight);
    Label_Reset_Time.Move(120, 950, 3400, C::kLabelHeight);
    Combo_Dec_Res_Time.Move(120, 1250, 1800, C::kListHeight);
    for (ui::Label* l : {&Label_Decode_HJ, &Label_Decode_Disp}) l->Move(120, 150, 3000, C::kLabelHeight);
    for (int k = 0; k < 3; ++k) {
        Check_Decode_HJ[static_cast<size_t>(k)].Move(120 + 1080 * k, 440, 1050, C::kLabelHeight);
        Check_Decode_Disp[static_cast<size_t>(k)].Move(120 + 1080 * k, 440, 1050, C::kLabelHeight);
    }

    // The buttons and the link's controls below the tab strip.
    const int y = TabStrip1.Top() + TabStrip1.Height() + 180;
    ui::CommandButton* buttons[6] = {&Command_read, &Command_Write, &Command_def,
                                     &Command_open, &Command_save,  &Command_close};
    for (int i = 0; i < 6; ++i)
        buttons[i]->Move(C::kMargin + C::kButtonStep * i, y, C::kButtonWidth, C::kButtonHeight);
    const int x = C::kMargin + C::kButtonStep * 6 + 300;
    Label_PassWord.Move(x, y + 60, 1100, C::kLabelHeight);
    Label_PassWord.setCaption(editor_text::kPassWord.chn);
    Text_PassWord.Move(x + 1150, y, 1200, C::kListHeight);
    ProgressBar1.Move(C::kMargin, y + C::kButtonHeight + 200, 7400, 260);
    Label_tr_count.Move(7900, y + C::kButtonHeight + 200, 5000, C::kLabelHeight);
}

// The sizes taken from the window's own size at load, and what stands
// beside the grids.
void frm_5tone::Size_pages() {
    Frame_std.setVisible(true);
    Frame_Encode.setVisible(false);
    TabStrip1.setWidth(Twips(ScaleWidth() / 1.03));
    for (ui::Frame* f : {&Frame_std, &Frame_Encode})
        f->Move(TabStrip1.ClientLeft(), TabStrip1.ClientTop() + C::kPageTopGap, TabStrip1.ClientWidth(),
                C::kPageHeight);
    Frame_Encode.setWidth(Frame_Encode.Width() - C::kEncodeNarrower);
    MSF_Chann.setWidth(Twips(Frame_std.Width() / 1.8));
    MSF_Encode.setWidth(Twips(Frame_Encode.Width() / 1.76));

    // Standard page: selector, then two columns of eight tone frequencies.
    const int xs = MSF_Chann.Left() + MSF_Chann.Width() + 600;
    Label_std_name.Move(xs, C::kGridTop + 45, 1600, C::kLabelHeight);
    Combo_stxh.Move(xs + 1700, C::kGridTop, 1500, C::kListHeight);
    for (int d = 0; d < 16; ++d) {
        const int col = d / 8, row = d % 8;
        const int top = C::kGridTop + 800 + C::kFreqRowStep * row;
        Label_code[static_cast<size_t>(d)].Move(xs + C::kFreqColumnStep * col, top, C::kCodeLabelWidth,
                                                C::kLabelHeight);
        Label_freq[static_cast<size_t>(d)].Move(xs + C::kFreqColumnStep * col + C::kCodeLabelWidth + 60, top,
                                                C::kFreqLabelWidth, C::kLabelHeight);
    }

    // Encode page: delays and the decode settings beside the grid, the call
    // and display frames in two halves below it.
    const int xe = MSF_Encode.Left() + MSF_Encode.Width() + 400;
    const int right_w = Frame_Encode.Width() - xe - 120;
    ui::Label* labels[4] = {&Label_enc_ys1, &Label_enc_ys2, &Label_enc_ys3, &Label_enc_ys4};
    ui::ComboBox* lists[4] = {&Combo_Enc_ys1, &Combo_Enc_ys2, &Combo_enc_ys3, &Combo_Enc_ys4};
    for (int i = 0; i < 4; ++i) {
        labels[i]->Move(xe, C::kGridTop + 720 * i, right_w, C::kLabelHeight);
        lists[i]->Move(xe, C::kGridTop + 720 * i + 300, 1500, C::kListHeight);
    }
    Frame_Dec_set.Move(xe, C::kGridTop + 720 * 4 + 150, right_w, 1700);
    const int below = MSF_Encode.Top() + MSF_Encode.Height() + 90;
    const int half = MSF_Encode.Width() / 2;
    Frame_Dec_hj.Move(MSF_Encode.Left(), below, half - 60, 760);
    Frame_Dec_disp.Move(MSF_Encode.Left() + half + 60, below, half - 60, 760);
}

void frm_5tone::Set_captions() {
    const int16_t chn = app.Lang_chinese;
    auto T = [chn](const link_text::Pair& p) { return std::string(L(chn, p.chn, p.eng)); };
    setCaption(T(text::kTitle));
    TabStrip1.Clear();
    TabStrip1.Add(T(text::kTabStd));
    TabStrip1.Add(T(text::kTabEncode));
    Frame_std.setCaption(T(text::kFrameStd));
    Label_std_name.setCaption(T(text::kStdName));
    Frame_Encode.setCaption(T(text::kFrameEncode));
    ui::Label* delays[4] = {&Label_enc_ys1, &Label_enc_ys2, &Label_enc_ys3, &Label_enc_ys4};
    for (int i = 0; i < 4; ++i) delays[i]->setCaption(T(text::kDelays[i]));
    Label_Reset_Time.setCaption(T(text::kResetTime));
    Label_Decode_HJ.setCaption(T(text::kDecodeHJ));
    Label_Decode_Disp.setCaption(T(text::kDecodeDisp));
    Label_Decode_Std.setCaption(T(text::kDecodeStd));
    for (int k = 0; k < 3; ++k) {
        Check_Decode_HJ[static_cast<size_t>(k)].setCaption(T(text::kFrames[k]));
        Check_Decode_Disp[static_cast<size_t>(k)].setCaption(T(text::kFrames[k]));
    }
    Command_read.setCaption(T(editor_text::kRead));
    Command_Write.setCaption(T(editor_text::kWrite));
    Command_def.setCaption(T(editor_text::kDefault));
    Command_save.setCaption(T(editor_text::kSave));
    Command_open.setCaption(T(editor_text::kOpen));
    Command_close.setCaption(T(editor_text::kClose));
    // In Chinese the label keeps its designed caption.
    if (chn == 0) Label_PassWord.setCaption(editor_text::kPassWord.eng);
    MSF_Chann.setFormatString(T(text::kStdFormat));
    MSF_Encode.setFormatString(T(text::kEncodeFormat));
    Spread_columns(MSF_Chann);
    Spread_columns(MSF_Encode);
}

}  // namespace bx
