// The DTMF editor's layout and captions.
#include <algorithm>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/signalling/frm_dtmf.h"
#include "model/lang.h"

namespace bx {

namespace {

// The five rights columns: the first box's left edge and the step between
// boxes, and the box's tick mark centre from its left edge.
constexpr int kRightsLeft = 3000;
constexpr int kRightsPitch = 820;
constexpr int kTickCentre = 100;
// The two header lines over the rights columns.
constexpr int kHeaderLeft = 2700;
constexpr int kHeaderWidth = 4150;
// Header words closer than this cannot each have a box under them.
constexpr int kMinRightsPitch = 450;

struct CaptionRow {
    ui::Control* control;  // nullptr: the window's title
    const char* chn;
    const char* eng;
};

}  // namespace

void frm_dtmf::Build() {
    EditorWindow::Build();
    Layout_encode();
    Layout_decode();
    // The exchange's controls and the buttons, below both frames.
    ProgressBar1.Move(120, 5900, 7800, 250);
    Label_tr_count.Move(8100, 5900, 5200, 260);
    ui::CommandButton* buttons[] = {&Command_read, &Command_Write, &Command_def,
                                    &Command_save, &Command_open,  &Command_close};
    int x = 120;
    for (ui::CommandButton* b : buttons) {
        b->Move(x, 6300, 1100, 400);
        x += 1200;
    }
    Label_PassWord.Move(7500, 6380, 1100, 260);
    Text_PassWord.Move(8650, 6330, 1300, 330);
    for (ui::ComboBox* c : {&Combo_Enc_ys1, &Combo_Enc_ys2, &Combo_Dec_qh, &Combo_Dec_Space_Code, &Combo_Dec_Proc_Ys,
                            &Combo_Dec_Res_Time})
        c->setStyle(0);
}

void frm_dtmf::Layout_encode() {
    Frame_Encode.Move(120, 60, 5900, 5750);
    auto in = [this](ui::Control& c, int l, int t, int w, int h) {
        c.setContainer(&Frame_Encode);
        c.Move(l, t, w, h);
    };
    in(Label_encode_xh, 200, 290, 1000, 240);
    in(Label_tx_encode, 1150, 290, 2400, 240);
    for (size_t i = 0; i < 15; ++i) {
        const int top = 540 + static_cast<int>(i) * 340;
        in(Label_xh[i], 250, top + 30, 600, 240);
        in(Text_tx_Encode[i], 1000, top, 2500, 300);
    }
    in(Label_dtmf_ontime, 3700, 540, 2100, 240);
    in(Combo_Enc_ys1, 3700, 800, 1900, 300);
    in(Label_dtmf_offtime, 3700, 1250, 2100, 240);
    in(Combo_Enc_ys2, 3700, 1510, 1900, 300);
    in(Frame_State, 3700, 4250, 2050, 1300);
    Check_RX.setContainer(&Frame_State);
    Check_RX.Move(150, 330, 1800, 300);
    Check_Tx.setContainer(&Frame_State);
    Check_Tx.Move(150, 750, 1800, 300);
}

void frm_dtmf::Layout_decode() {
    Frame_Decode.Move(6150, 60, 7150, 5750);
    auto in = [](ui::Control& frame, ui::Control& c, int l, int t, int w, int h) {
        c.setContainer(&frame);
        c.Move(l, t, w, h);
    };
    in(Frame_Decode, Frame_Ctrl, 120, 250, 6900, 2150);
    in(Frame_Ctrl, Check_Ctrl_En, 150, 280, 6500, 300);
    in(Frame_Ctrl, Label_xcjtyyybkj_2, kHeaderLeft, 640, kHeaderWidth, 240);
    in(Frame_Ctrl, Label_xcjtyyybkj_1, kHeaderLeft, 900, kHeaderWidth, 240);
    in(Frame_Ctrl, Label_PID, 60, 1240, 1800, 240);
    in(Frame_Ctrl, Text_MID, 1900, 1200, 950, 300);
    in(Frame_Ctrl, Label_SID, 60, 1690, 1800, 240);
    in(Frame_Ctrl, Text_SID, 1900, 1650, 950, 300);
    for (size_t k = 0; k < 5; ++k) {
        const int left = kRightsLeft + static_cast<int>(k) * kRightsPitch;
        in(Frame_Ctrl, Check_M[k], left, 1210, 300, 280);
        in(Frame_Ctrl, Check_S[k], left, 1660, 300, 280);
    }
    in(Frame_Decode, Frame_jm, 120, 2500, 6900, 1600);
    ui::Label* labels[] = {&Label_xc, &Label_jt, &Label_bj, &Label_yy, &Label_yb, &Label_kj};
    ui::TextBox* boxes[] = {&Text_XC, &Text_JT, &Text_BJ, &Text_YY, &Text_YB, &Text_KJ};
    for (int i = 0; i < 6; ++i) {
        const int top = 320 + (i / 2) * 420, left = (i % 2) * 3450;
        in(Frame_jm, *labels[i], left + 150, top + 30, 1150, 240);
        in(Frame_jm, *boxes[i], left + 1350, top, 1950, 300);
    }
    in(Frame_Decode, Label_Group_code, 150, 4280, 1500, 240);
    in(Frame_Decode, Combo_Dec_qh, 1700, 4250, 1200, 300);
    in(Frame_Decode, Label_Reset_Time, 3000, 4280, 2650, 240);
    in(Frame_Decode, Combo_Dec_Res_Time, 5700, 4250, 1300, 300);
    in(Frame_Decode, Label_Dec_Space_Code, 150, 4780, 1500, 240);
    in(Frame_Decode, Combo_Dec_Space_Code, 1700, 4750, 1200, 300);
    in(Frame_Decode, Label_Rece_End_ProcDelay, 3000, 4780, 2650, 240);
    in(Frame_Decode, Combo_Dec_Proc_Ys, 5700, 4750, 1300, 300);
}

void frm_dtmf::Set_captions() {
    const CaptionRow captions[] = {
        {nullptr, "DTMF 编解码参数编辑", "DTMF Encode/Decode "},
        {&Frame_Encode, "DTMF 编码", "DTMF Encode"},
        {&Label_encode_xh, "编码码组", "Number"},
        {&Label_tx_encode, "发送编码", " Code "},
        {&Label_dtmf_ontime, "发码持续时间（MS）", "DTMF Speed (On Time)"},
        {&Label_dtmf_offtime, "发码间断时间（MS）", "DTMF Speed (Off Time)"},
        {&Label_Group_code, "群呼码", "Group Code"},
        {&Command_read, "读 取", "Read"},
        {&Command_Write, "写  入", "Write"},
        {&Command_def, "默 认", "Default"},
        {&Command_save, "保  存", "Save"},
        {&Command_open, "打  开", "Open"},
        {&Command_close, "关  闭", "Close"},
        {&Label_PassWord, "读写密码", "PassWord"},
        {&Frame_State, "本机状态", "State"},
        {&Check_RX, "接收禁止", "RX Disable"},
        {&Check_Tx, "发射禁止", "TX Disable"},
        {&Frame_Decode, "DTMF 解码", "DTMF Decode"},
        {&Label_xc, "巡 查 码", "Inspection"},
        {&Label_jt, "监 听 码", "Monitor"},
        {&Label_bj, "报 警 码", "Alarm"},
        {&Label_yy, "遥 晕 码", "Stun"},
        {&Label_yb, "遥 毙 码", "Kill"},
        {&Label_kj, "开 机 码", "Revive"},
        {&Frame_Ctrl, "控制ID码及控制权限", "Control ID code and control right"},
        {&Label_xcjtyyybkj_2, "", "      Inspection             Stun                 Revive "},
        {&Label_xcjtyyybkj_1, "巡查      监听     遥晕     遥毙      开机 ", "              Monitor                Kill"},
        {&Check_Ctrl_En, "接受主副ID控制", "Function Control by master and vice ID code"},
        {&Label_PID, "主控ID码", "Master Control ID"},
        {&Label_SID, "副控ID码", "Vice Control ID"},
        {&Label_Dec_Space_Code, "码组间隔码", "Space Code"},
        {&Label_Reset_Time, "复位时间(ms)", "Reset Time(ms)"},
        {&Label_Rece_End_ProcDelay, "收码结束延迟处理时间(ms)", "Delay processing time (ms)"},
    };
    const int16_t chn = app.Lang_chinese;
    for (const CaptionRow& c : captions) {
        const std::string text = L(chn, c.chn, c.eng);
        if (!c.control)
            setCaption(text);
        else if (auto* l = dynamic_cast<ui::Label*>(c.control))
            l->setCaption(text);
        else if (auto* f = dynamic_cast<ui::Frame*>(c.control))
            f->setCaption(text);
        else if (auto* b = dynamic_cast<ui::CommandButton*>(c.control))
            b->setCaption(text);
        else if (auto* k = dynamic_cast<ui::CheckBox*>(c.control))
            k->setCaption(text);
    }
    Label_PID.setAlignment(2);
    Label_SID.setAlignment(2);
    Place_rights_columns();
}

// The rights boxes stand under the names of the two header lines, as the
// header's font sets them, when the names leave room for a box each and
// end inside the frame; otherwise in even columns.
void frm_dtmf::Place_rights_columns() {
    std::vector<int> centres;
    for (const ui::Label* l : {&Label_xcjtyyybkj_2, &Label_xcjtyyybkj_1}) {
        const std::string& text = l->Caption();
        size_t at = 0;
        while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
            const size_t end = std::min(text.find(' ', at), text.size());
            const int start = kHeaderLeft + rt().text_width(text.substr(0, at));
            centres.push_back(start + rt().text_width(text.substr(at, end - at)) / 2);
            at = end;
        }
    }
    std::sort(centres.begin(), centres.end());
    bool room = centres.size() == 5;
    for (size_t k = 1; room && k < centres.size(); ++k) room = centres[k] - centres[k - 1] >= kMinRightsPitch;
    // The first box keeps clear of the ID boxes: the headers move right with
    // the boxes, within the frame.
    int shift = room ? std::max(0, kRightsLeft - (centres[0] - kTickCentre)) : 0;
    if (room && centres.back() + shift - kTickCentre + Check_M[4].Width() > Frame_Ctrl.Width() - 60)
        room = false, shift = 0;
    for (ui::Label* l : {&Label_xcjtyyybkj_2, &Label_xcjtyyybkj_1})
        l->Move(kHeaderLeft + shift, l->Top(), kHeaderWidth - shift, l->Height());
    for (size_t k = 0; k < 5; ++k) {
        const int left =
            room ? centres[k] + shift - kTickCentre : kRightsLeft + static_cast<int>(k) * kRightsPitch;
        Check_M[k].Move(left, Check_M[k].Top(), Check_M[k].Width(), Check_M[k].Height());
        Check_S[k].Move(left, Check_S[k].Top(), Check_S[k].Width(), Check_S[k].Height());
    }
}

}  // namespace bx
