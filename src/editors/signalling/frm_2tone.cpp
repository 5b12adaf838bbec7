#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/signalling_texts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "appstate/app.h"
#include "editors/signalling/two_tone_rules.h"
#include "link/reply_unpack.h"
#include "model/defaults.h"
#include "model/layouts.h"
#include "model/lang.h"

namespace bx {

namespace {

namespace Enc = layout::Sig_2tone_enc_record;
namespace Timing = layout::Sig_2tone_timing_record;
namespace Dec = layout::Sig_2tone_dec_record;
namespace Reset = layout::Sig_2tone_reset_record;

// Read replies by block counter: 12 blocks, counters 2..13.
constexpr int kFirstBlock = 2;

// ---- layout inside the pages, in twips ----
constexpr int kPageHeight = 6100;
constexpr int kRowHeight = 330;
constexpr int kListHeight = 315;
constexpr int kButtonWidth = 1100, kButtonHeight = 420, kButtonStep = 1250;
constexpr int kWindowMargin = 120;  // kept free at the window's bottom edge

namespace text {
inline constexpr link_text::Pair kTitle{"2 TONE 编解码参数编辑", "2 TONE"};
inline constexpr link_text::Pair kTabEncode{"编码", "Encode"};
inline constexpr link_text::Pair kTabDecode{"解码", "Decode"};
inline constexpr link_text::Pair kFrameEncode{"2 TONE 编码", "2 TONE Encode"};
inline constexpr link_text::Pair kFrameDecode{"2 TONE 解码", "2 TONE Decode"};
inline constexpr link_text::Pair kLabel1st{"发送第 1 个频率时间长度（MS）", "1st Tone Duration(MS)"};
inline constexpr link_text::Pair kLabel2nd{"发送第 2 个频率时间长度（MS）", "2nd Tone Duration(MS)"};
inline constexpr link_text::Pair kLabelGap{"前后两个频率的间隔时长 （MS）", "Gap of Tone (MS)"};
inline constexpr link_text::Pair kToneLabels[4] = {{"A 音（HZ）", "A Tone( HZ )"},
                                                   {"B 音（HZ）", "B Tone( HZ )"},
                                                   {"C 音（HZ）", "C Tone( HZ )"},
                                                   {"D 音（HZ）", "D Tone( HZ )"}};
inline constexpr link_text::Pair kLabelReset{"复位时间（MS）", "Reset_Time (MS)"};
inline constexpr link_text::Pair kEncodeFormat{"^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) ",
                                               "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)"};
inline constexpr link_text::Pair kDecodeFormat{
    "^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 应 方 式  |^提示|^解码4|^"
    "   响 应 方 式  |^提示",
    "^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   Response   |^Alert|^Dec_4|^"
    "   Response   |^Alert"};
}  // namespace text

int Twips(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

frm_2tone::frm_2tone(App& a) : EditorWindow(a, "frm_2tone", kTwoToneRow) {
    TabStrip1.Click = [this] { TabStrip1_Click(); };
    Command_close.Click = [this] { Close_button(); };
    Wire_wholesale(Command_def, &Editor_row().busy, [this] { Command_def_Click(); });
    Command_open.Click = [this] { Command_open_Click(); };
    Command_save.Click = [this] { Command_save_Click(); };
    // The four lists take no typed key and store the picked position.
    auto list = [this](ui::ComboBox& c, const Field& f) {
        c.KeyPress = [](int& KeyAscii) { KeyAscii = 0; };
        c.Click = [this, &c, &f] {
            if (c.ListIndex() >= 0) f.set(app.Mem_image, c.ListIndex());
        };
    };
    list(Combo_Enc_ys1, Timing::First_dur);
    list(Combo_Enc_ys2, Timing::Second_dur);
    list(Combo_enc_ys3, Timing::Gap);
    list(Combo_Dec_Res_Time, Reset::Reset_time);
    Wire_editing();
}

// The designed layout of the pages' contents; the pages themselves and the
// tab strip are sized at load.
void frm_2tone::Build() {
    EditorWindow::Build();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&MSF_Encode, &Text_Encode, &Label_1st, &Label_2nd,
                                                              &Label_gap, &Combo_Enc_ys1, &Combo_Enc_ys2,
                                                              &Combo_enc_ys3})
        c->setContainer(&Frame_Encode);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&MSF_Decode, &Combo_Decode, &Label_Reset,
                                                              &Combo_Dec_Res_Time, &Frame_Dec_xx})
        c->setContainer(&Frame_Decode);
    for (int k = 0; k < 4; ++k) Tone_box(k).setContainer(&Frame_Dec_xx);
    ui::Label* tone_labels[4] = {&Label_A_tone, &Label_B_Tone, &Label_C_Tone, &Label_D_Tone};
    for (ui::Label* l : tone_labels) l->setContainer(&Frame_Dec_xx);

    TabStrip1.Move(120, 120, 12000, kPageHeight + 800);

    // Encode page: the grid on the left, the three duration lists beside it.
    MSF_Encode.setRows(16);
    MSF_Encode.setFixedRows(1);
    MSF_Encode.setFixedCols(1);
    MSF_Encode.setRowHeight(kRowHeight);
    MSF_Encode.Move(240, 400, 4000, 16 * kRowHeight + 60);
    Text_Encode.setVisible(false);
    ui::Label* enc_labels[3] = {&Label_1st, &Label_2nd, &Label_gap};
    ui::ComboBox* enc_lists[3] = {&Combo_Enc_ys1, &Combo_Enc_ys2, &Combo_enc_ys3};
    for (int i = 0; i < 3; ++i) {
        enc_labels[i]->Move(0, 700 + 1300 * i, 4200, 300);
        enc_lists[i]->Move(0, 1020 + 1300 * i, 1500, kListHeight);
        enc_lists[i]->setStyle(2);
    }

    // Decode page: the grid, below it the tone frame and the reset list.
    MSF_Decode.setRows(16);
    MSF_Decode.setFixedRows(1);
    MSF_Decode.setFixedCols(1);
    MSF_Decode.setRowHeight(kRowHeight);
    MSF_Decode.Move(120, 360, 8000, 4000);
    Combo_Decode.setVisible(false);
    Combo_Decode.setHeight(kListHeight);
    Frame_Dec_xx.Move(120, 4560, 9400, 1300);
    for (int k = 0; k < 4; ++k) {
        tone_labels[k]->Move(240 + 2300 * k, 380, 1900, 300);
        Tone_box(k).Move(240 + 2300 * k, 720, 1500, kListHeight);
    }
    Label_Reset.Move(9900, 4800, 2400, 300);
    Combo_Dec_Res_Time.Move(9900, 5120, 1500, kListHeight);
    Combo_Dec_Res_Time.setStyle(2);

    // The buttons and the link's controls below the tab strip.
    const int y = TabStrip1.Top() + TabStrip1.Height() + 180;
    ui::CommandButton* buttons[6] = {&Command_read, &Command_Write, &Command_def,
                                     &Command_open, &Command_save,  &Command_close};
    for (int i = 0; i < 6; ++i) buttons[i]->Move(240 + kButtonStep * i, y, kButtonWidth, kButtonHeight);
    const int x = 240 + kButtonStep * 6 + 300;
    Label_PassWord.Move(x, y + 60, 1100, 300);
    Label_PassWord.setCaption(editor_text::kPassWord.chn);
    Text_PassWord.Move(x + 1150, y, 1200, kListHeight);
    ProgressBar1.Move(240, y + kButtonHeight + 200, 7400, 260);
    Label_tr_count.Move(7900, y + kButtonHeight + 200, 5000, 300);
}

void frm_2tone::Form_Load() {
    EditorWindow::Form_Load();  // size and place, timers off, flags clear
    Show();
    Frame_Encode.setVisible(true);
    Frame_Decode.setVisible(false);
    TabStrip1.setWidth(Twips(ScaleWidth() / 1.02));

    for (ui::Frame* f : {&Frame_Encode, &Frame_Decode})
        f->Move(TabStrip1.ClientLeft(), TabStrip1.ClientTop() + 200, TabStrip1.ClientWidth(), kPageHeight);
    MSF_Encode.setWidth(Twips(Frame_Encode.Width() / 3.08));
    MSF_Decode.setWidth(Twips(Frame_Decode.Width() / 1.02));
    MSF_Decode.setLeft((Frame_Decode.Width() - MSF_Decode.Width()) / 2);
    MSF_Decode.setHeight(4000);
    const int lists_x = MSF_Encode.Left() + MSF_Encode.Width() + 900;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label_1st, &Label_2nd, &Label_gap, &Combo_Enc_ys1,
                                                              &Combo_Enc_ys2, &Combo_enc_ys3})
        c->setLeft(lists_x);

    Set_captions();
    Fill_lists();
    ProgressBar1.setVisible(false);
    Selected_dec_entry = 0;
    Show_2tone_data();
    Fit_decode_grid();

    Follow_image_replaced();
}

// The decode grid as given is too small for a desktop's fonts: each column
// is made as wide as the widest item of the list laid over its cells (the
// grid's width then shared out over them), and the grid grows into the
// room the window has below everything, its rows getting lower if need be,
// until its 15 entries show, the pages, the tab strip and all that lies
// below the grid moving down with it.
void frm_2tone::Fit_decode_grid() {
    ui::Grid::ColumnTexts items;
    for (int c = 1; c < MSF_Decode.Cols(); ++c)
        items.push_back({c, two_tone::Dec_items(two_tone::Dec_column(c).kind, app.Lang_texts.Sig_2tone_resp_names)});
    MSF_Decode.FitColumns(items);

    ui::Control* below_strip[] = {&Command_read, &Command_Write, &Command_def, &Command_open, &Command_save,
                                  &Command_close, &Label_PassWord, &Text_PassWord, &ProgressBar1, &Label_tr_count};
    int lowest = 0;
    for (ui::Control* c : below_strip) lowest = std::max(lowest, c->Top() + c->Height());
    const int room = ScaleHeight() - kWindowMargin - lowest;
    const int was = MSF_Decode.Height();
    MSF_Decode.FitRows(was + std::max(0, room));
    // Rows at their least height that still need a scroll bar: the window
    // grows by what they lack, as far as the main window has room.
    if (const int lacks = MSF_Decode.FullHeight() - MSF_Decode.Height(); lacks > 0)
        MSF_Decode.FitRows(MSF_Decode.Height() + Grow_within_main(lacks));
    // The columns share the width once it is known whether a scroll bar
    // takes some of it.
    MSF_Decode.SpreadColumns();
    const int grow = MSF_Decode.Height() - was;
    if (grow == 0) return;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Frame_Encode, &Frame_Decode, &TabStrip1})
        c->setHeight(c->Height() + grow);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Frame_Dec_xx, &Label_Reset, &Combo_Dec_Res_Time})
        c->setTop(c->Top() + grow);
    for (ui::Control* c : below_strip) c->setTop(c->Top() + grow);
}

void frm_2tone::Set_captions() {
    const int16_t chn = app.Lang_chinese;
    auto T = [chn](const link_text::Pair& p) { return std::string(L(chn, p.chn, p.eng)); };
    setCaption(T(text::kTitle));
    TabStrip1.Clear();
    TabStrip1.Add({});
    TabStrip1.Add({});
    TabStrip1.setTabCaption(1, T(text::kTabEncode));
    TabStrip1.setTabCaption(2, T(text::kTabDecode));
    Frame_Encode.setCaption(T(text::kFrameEncode));
    Frame_Decode.setCaption(T(text::kFrameDecode));
    MSF_Encode.setFormatString(T(text::kEncodeFormat));
    MSF_Decode.setFormatString(T(text::kDecodeFormat));
    Label_1st.setCaption(T(text::kLabel1st));
    Label_2nd.setCaption(T(text::kLabel2nd));
    Label_gap.setCaption(T(text::kLabelGap));
    ui::Label* tone_labels[4] = {&Label_A_tone, &Label_B_Tone, &Label_C_Tone, &Label_D_Tone};
    for (int k = 0; k < 4; ++k) tone_labels[k]->setCaption(T(text::kToneLabels[k]));
    Label_Reset.setCaption(T(text::kLabelReset));
    Frame_Dec_xx.setCaption(std::string(" ").append(Entry_caption(1)));
    Command_read.setCaption(T(editor_text::kRead));
    Command_Write.setCaption(T(editor_text::kWrite));
    Command_def.setCaption(T(editor_text::kDefault));
    Command_save.setCaption(T(editor_text::kSave));
    Command_open.setCaption(T(editor_text::kOpen));
    Command_close.setCaption(T(editor_text::kClose));
    // In Chinese the label keeps its designed caption.
    if (chn == 0) Label_PassWord.setCaption(editor_text::kPassWord.eng);
}

void frm_2tone::Fill_lists() {
    for (ui::ComboBox* c : {&Combo_Enc_ys1, &Combo_Enc_ys2, &Combo_enc_ys3}) {
        c->Clear();
        for (int v = 0; v <= 1000; v += 10) c->AddItem(std::to_string(v));
    }
    for (ui::Grid* g : {&MSF_Encode, &MSF_Decode})
        for (int r = 1; r <= 15; ++r) g->setTextMatrix(r, 0, std::to_string(r));
    Combo_Dec_Res_Time.Clear();
    for (int v = 100; v <= 8000; v += 100) Combo_Dec_Res_Time.AddItem(std::to_string(v));
}

void frm_2tone::TabStrip1_Click() {
    if (TabStrip1.SelectedIndex() == 1) {
        Frame_Decode.setVisible(false);
        Frame_Encode.setVisible(true);
    } else if (TabStrip1.SelectedIndex() == 2) {
        Frame_Encode.setVisible(false);
        Frame_Decode.setVisible(true);
        Selected_dec_entry = 0;
        Frame_Dec_xx.setCaption(std::string(" ").append(Entry_caption(1)));
        Edata_Load(0);
    }
    // An unfinished encode edit is dropped.
    Text_Encode.setVisible(false);
    Enc_overlay.release();
}

void frm_2tone::Command_def_Click() {
    Clear_progress();
    Load_2tone_defaults(app.Mem_image, app.Tone_tick_ms);
    Show_2tone_data();
}

// Coming to the front: an open cell editor is gone (the base), and the
// cells show the image.
void frm_2tone::Form_Activate() {
    EditorWindow::Form_Activate();
    if (Loaded()) Show_2tone_cells();
}

void frm_2tone::Command_open_Click() { Open_image_dialog(false); }

void frm_2tone::Command_save_Click() { Open_image_dialog(true); }

// The whole image was replaced elsewhere (the open cell editors are gone
// already, unstored): the area shows as loaded.
void frm_2tone::Image_replaced() {
    if (!Loaded()) return;
    Show_2tone_data();
}

void frm_2tone::Show_list_pos(ui::ComboBox& list, int pos, const Field& f) {
    if (list.ListIndex() == pos)
        f.set(app.Mem_image, pos);
    else
        list.setListIndex(pos);
}

void frm_2tone::Show_2tone_cells() {
    const MemImage& img = app.Mem_image;
    for (int n = 1; n <= 15; ++n) {
        MSF_Encode.setTextMatrix(n, 1, two_tone::Enc_tone_text(Enc::Tone_1.get(img, n - 1)));
        MSF_Encode.setTextMatrix(n, 2, two_tone::Enc_tone_text(Enc::Tone_2.get(img, n - 1)));
    }
    for (int n = 1; n <= 15; ++n)
        for (int c = 1; c <= 12; ++c) Show_decode_cell(n, c);
}

void frm_2tone::Show_2tone_data() {
    MemImage& img = app.Mem_image;
    Show_2tone_cells();
    Show_list_pos(Combo_Enc_ys1, Timing::First_dur.list_pos(img), Timing::First_dur);
    Show_list_pos(Combo_Enc_ys2, Timing::Second_dur.list_pos(img), Timing::Second_dur);
    Show_list_pos(Combo_enc_ys3, Timing::Gap.list_pos(img), Timing::Gap);
    Edata_Load(Selected_dec_entry);
    Show_list_pos(Combo_Dec_Res_Time, Reset::Reset_time.list_pos(img), Reset::Reset_time);
}

// A response or alert shows its stored value also when its decoder has no
// pair: the cell never hides what the image holds.
void frm_2tone::Show_decode_cell(int n, int c) {
    const MemImage& img = app.Mem_image;
    const int d = two_tone::Dec_decoder(c);
    std::string text;
    switch (two_tone::Dec_column(c).kind) {
        case two_tone::DecKind::Pair: text = two_tone::Pair_text(Dec::Pair[d].get(img, n - 1)); break;
        case two_tone::DecKind::Resp:
            text = two_tone::Resp_text(Dec::Resp[d].get(img, n - 1), app.Lang_texts.Sig_2tone_resp_names);
            break;
        case two_tone::DecKind::Alert: text = two_tone::Alert_text(Dec::Alert[d].get(img, n - 1)); break;
    }
    MSF_Decode.setTextMatrix(n, c, text);
}

void frm_2tone::Edata_Load(int16_t index) {
    if (index < 0 || index >= 15) return;
    for (int k = 0; k < 4; ++k)
        Tone_box(k).Show_text(two_tone::Dec_tone_text(layout::Sig_2tone_dec_tones::Freq[k].get(app.Mem_image, index)));
}

void frm_2tone::Read_complete() {
    Unpack_reply_blocks(app, kFirstBlock, kFirstBlock + link_rows::frm_2tone.blocks_total - 1,
                        Enc::Records.first);
    Show_2tone_data();
    Show_read_done(signalling_text::kReadDone);
}

void frm_2tone::Write_complete() {
    Show_write_done(signalling_text::kWriteBox, signalling_text::kWriteDone);
}

}  // namespace bx
