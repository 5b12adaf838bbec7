#include "editors/options/option_rows.h"

#include <cstdio>

#include "model/numtext.h"

namespace bx::options {

namespace {

using Texts = const char* const[];

// ---- listed items ----
constexpr Texts kOnOff_chn = {"关闭", "开启"};
constexpr Texts kOnOff_eng = {"OFF", "ON"};
constexpr Texts kOff_chn = {"关闭"};        // off item of a number list
constexpr Texts kOff_short_chn = {"关"};    // its shorter form in some lists
constexpr Texts kOff_eng = {"OFF"};
constexpr Texts kDtmfst_chn = {"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"};
constexpr Texts kDtmfst_eng = {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"};
constexpr Texts kSc_rev_chn = {"时间", "载波", "搜索"};
constexpr Texts kSc_rev_eng = {"TO", "CO", "SE"};
constexpr Texts kPtt_id_chn = {"关", "按下发码", "松开发码", "两者均发"};
constexpr Texts kPtt_id_eng = {"OFF", "BOT", "EOT", "BOTH"};
constexpr Texts kEmc_tp_chn = {"现场", "远程", "现场+远程"};
constexpr Texts kEmc_tp_eng = {"Alarm", "Transpond", "Both"};
constexpr Texts kMdf_chn = {"频率+信道号", "信道号", "信道名称+信道号"};
constexpr Texts kMdf_eng = {"Channel+Frequency", "Channel", "Channel+Name"};
constexpr Texts kPonmsg_chn = {"满屏", "显示字符", "电池电压"};
constexpr Texts kPonmsg_eng = {"Full", "MSG", "BATT"};
constexpr Texts kLed_chn = {"关", "蓝色", "橙色", "紫色"};
constexpr Texts kLed_eng = {"OFF", "Blue", "Orange", "Purple"};
constexpr Texts kRep_s = {"1000Hz", "1450Hz", "1750Hz", "2100Hz"};
constexpr Texts kRep_m_chn = {"关", "CARRI", "CTDCS", "TONE", "DTMF"};
constexpr Texts kRep_m_eng = {"OFF", "CARRI", "CTDCS", "TONE", "DTMF"};

constexpr Texts kBand = {"VHF", "UHF"};
constexpr Texts kTxp_chn = {"高功率", "低功率"};
constexpr Texts kTxp_eng = {"HIGH", "LOW"};
constexpr Texts kWn_chn = {"宽带", "窄带"};
constexpr Texts kWn_eng = {"WIDE", "NARROW"};
constexpr Texts kSft_chn = {"关", "加频", "减频"};
constexpr Texts kSft_eng = {"OFF", "+", "-"};
constexpr Texts kStep = {"5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"};
constexpr Texts kOptsig_chn = {"关", "DTMF", "2TONE", "5TONE"};
constexpr Texts kOptsig_eng = {"OFF", "DTMF", "2TONE", "5TONE"};
constexpr Texts kSpmute_chn = {"哑音", "哑音与可选信令", "哑音或可选信令"};
constexpr Texts kSpmute_eng = {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"};

constexpr ItemSpec kOnOff{kOnOff_chn, kOnOff_eng};
// An off item, then the numbers 1..n.
constexpr ItemSpec off_then(std::span<const char* const> off_chn, int n) { return {off_chn, kOff_eng, 1, n}; }
constexpr ItemSpec numbers(int from, int to, int mult = 1) { return {{}, {}, from, to, mult}; }
constexpr ItemSpec kChannels{{}, {}, 0, -1, 1, Special::Channels};
constexpr ItemSpec kOffsets{{}, {}, 0, -1, 1, Special::Offsets};
constexpr ItemSpec kTones{kOff_short_chn, kOff_eng, 0, -1, 1, Special::Tones};

using enum FrameId;

constexpr SettingRow kSettings[] = {
    {"Combo_Tdr", "Label_Tdr", "双频守侯", "TDR", Option_ofs_Tdr, Frame5, kOnOff},
    {"Combo_Sql_le", "Label_Sql", "静噪电平", "Squelch Level", Option_ofs_Sql_le, Frame5, numbers(0, 9)},
    {"Combo_tot", "Label_Tot", "发射超时定时器（秒）", "Time Out Timer(TOT)[S]", Option_ofs_tot, Frame5,
     numbers(1, 40, 15)},
    {"Combo_Toa", "Label_Toa", "发射结束预警（秒）", "TOT Pre-Alart[S]", Option_ofs_Toa, Frame5, off_then(kOff_chn, 10)},
    {"Combo_Abr", "Label_Abr", "自动背光", "ABR", Option_ofs_Abr, Frame5, off_then(kOff_short_chn, 50)},
    {"Combo_Beep", "Label_Beep", "操作提示音", "Beep", Option_ofs_Beep, Frame5, kOnOff},
    {"Combo_Dtmfst", "Label_Stdtmf", "DTMF侧音", "DTMF-ST", Option_ofs_Dtmfst, Frame5, {kDtmfst_chn, kDtmfst_eng}},
    {"Combo_Bcl", "Label_Bcl", "遇忙禁发", "BCL", Option_ofs_Bcl, Frame5, kOnOff},
    {"Combo_Sc_Add", "Label_Sc_Add", "扫描添加", "Scan Add", Option_ofs_Sc_Add, Frame5, kOnOff},
    {"Combo_Pri_Sc", "Label_Pri_Sc", "优先扫描", "Moni Priority Channel", Option_ofs_Pri_Sc, Frame5, kOnOff},
    {"Combo_Pri_Ch", "Label_Pri_CH", "优先信道", "Priority Channel", Option_ofs_Pri_Ch, Frame5, kChannels},
    {"Combo_Sc_rev", "Label_Scan_rev", "扫描方式", "Scan_Rev", Option_ofs_Sc_rev, Frame5, {kSc_rev_chn, kSc_rev_eng}},
    {"Combo_Ptt_id", "Label_ptt_id", "PTT_ID", "PTT_ID", Option_ofs_Ptt_id, Frame6, {kPtt_id_chn, kPtt_id_eng}},
    {"Combo_Ptt_lt", "Label_Ptt_Lt", "发ID延迟", "PTT_Delay", Option_ofs_Ptt_lt, Frame5, numbers(0, 30)},
    {"Combo_Emc_Tp", "Label_Emc_tp", "报警模式", "Alarm Type", Option_ofs_Emc_Tp, Frame5, {kEmc_tp_chn, kEmc_tp_eng}},
    {"Combo_Emc_Ch", "Label_Emc_ch", "报警信道", "Alarm Channel", Option_ofs_Emc_Ch, Frame5, kChannels},
    {"Combo_ring", "Label_Ring", "振铃时间", "Ring_Time", Option_ofs_ring, Frame5, off_then(kOff_short_chn, 10)},
    {"Combo_MDF_A", "Label_MDF_A", "A 段信道显示方式", "A Channel Disp Way", Option_ofs_MDF_A, Frame5,
     {kMdf_chn, kMdf_eng}},
    {"Combo_MDF_B", "Label_MDF_B", "B 段信道显示方式", "B Channel Disp Way", Option_ofs_MDF_B, Frame5,
     {kMdf_chn, kMdf_eng}},
    {"Combo_Autolk", "Label_Autolk", "自动锁", "Auto Lock", Option_ofs_Autolk, Frame5, kOnOff},
    {"Combo_PonMsg", "Label_Ponmsg", "开机显示", "Power-On Message", Option_ofs_PonMsg, Frame5,
     {kPonmsg_chn, kPonmsg_eng}},
    {"Combo_wt_led", "Label_WT_LED", "守侯背光", "Wait Back Light", Option_ofs_wt_led, Frame4, {kLed_chn, kLed_eng}},
    {"Combo_rx_led", "Label_RX_LED", "接收背光", "RX Back Light", Option_ofs_rx_led, Frame4, {kLed_chn, kLed_eng}},
    {"Combo_tx_led", "Label_TX_LED", "发射背光", "TX Back Light", Option_ofs_tx_led, Frame4, {kLed_chn, kLed_eng}},
    {"Combo_ANI_L", "Label_ANI_L", "身份码长", "Lang", Option_ofs_ANI_L, Frame4, numbers(3, 5)},
    {"Combo_REP_S", "Label_REP_S", "中继激活信令", "Relay Signal ", Option_ofs_REP_S, Frame6, {kRep_s, {}}},
    {"Combo_REP_M", "Label_REP_M", "中继转发条件", "Relay Condition ", Option_ofs_REP_M, Frame6,
     {kRep_m_chn, kRep_m_eng}},
    {"Combo_TDR_AB", "Label_Tdr_AB", "双守返回主频", "TDR Return AB ", Option_ofs_TDR_AB, Frame3,
     off_then(kOff_short_chn, 50)},
    {"Combo_STE", "Label_STE", "尾音消除", "Tail noise Clear ", Option_ofs_STE, Frame3, kOnOff},
    {"Combo_RP_STE", "Label_RP_STE", "过中继消尾音", "RPT noise Clear", Option_ofs_RP_STE, Frame3,
     off_then(kOff_chn, 10)},
    {"Combo_RPT_DL", "Label_RPT_DL", "过中继证实音", "RPT noise", Option_ofs_RPT_DL, Frame3, off_then(kOff_chn, 10)},
};

namespace V = layout::Vfo_record;

constexpr VfoRow kVfo[] = {
    {{"Combo_txp_a", "Combo_txp_b"}, {"Label_Txp_a", "Label_txp_b"}, "发射功率", "TX Power",
     {kTxp_chn, kTxp_eng}, VfoStore::Position, &V::Txp, 9},
    {{"Combo_Band_A", "Combo_Band_B"}, {"Label_Band_A", "Label_Band_B"}, "频段", "Band",
     {kBand, {}}, VfoStore::Band, nullptr, 0},
    {{"Combo_r_ctdcs_a", "Combo_r_ctdcs_b"}, {"Label_r_ctdcs_a", "Label_r_ctdcs_b"}, "接收哑音", "RX QT/DQT",
     kTones, VfoStore::Tone, &V::Rx_tone, 2},
    {{"Combo_t_ctdcs_a", "Combo_t_ctdcs_b"}, {"Label_t_ctdcs_a", "Label_t_ctdcs_b"}, "发射哑音", "TX QT/DQT",
     kTones, VfoStore::Tone, &V::Tx_tone, 3},
    {{"Combo_wn_a", "Combo_wn_b"}, {"Label_wn_a", "Label_wn_b"}, "信道带宽", "W/N",
     {kWn_chn, kWn_eng}, VfoStore::Position, &V::Wn, 8},
    {{"Combo_sft_d_a", "Combo_sft_d_b"}, {"Label_sft_d_a", "Label_sft_d_b"}, "频差方向", "SFT_D",
     {kSft_chn, kSft_eng}, VfoStore::Position, &V::Shift, 10},
    {{"Combo_Offset_A", "Combo_offset_b"}, {"Label_Offset_A", "Label_Offset_B"}, "频差频率", "Offset",
     kOffsets, VfoStore::Offset, &V::Offset, 1},
    {{"Combo_step_a", "Combo_step_b"}, {"Label_step_a", "Label_step_b"}, "步进频率", "Step Frequency",
     {kStep, {}}, VfoStore::Position, &V::Step, 11},
    {{"Combo_Optsig_a", "Combo_OptSig_b"}, {"Label_Optsig_a", "Label_OptSig_b"}, "可选信令", "Optional Signal",
     {kOptsig_chn, kOptsig_eng}, VfoStore::Position, &V::Opt_sig, 6},
    {{"Combo_Spmute_a", "Combo_Spmute_b"}, {"Label_Spmute_a", "Label_Spmute_b"}, "信令关系", "Speak Mute",
     {kSpmute_chn, kSpmute_eng}, VfoStore::Position, &V::Spmute, 5},
    {{"Combo_S_info_a", "Combo_S_info_b"}, {"Label_S_info_a", "Label_S_info_b"}, "信令编码", "Signal Code",
     numbers(1, 15), VfoStore::Position, &V::Sig_code, 4},
    {{"Combo_Scr_a", "Combo_Scr_b"}, {"Label_scr_a", "Label_Scr_b"}, "扰频", "SCR",
     {kOnOff_chn, kOnOff_eng}, VfoStore::Position, &V::Scr, 7},
};

constexpr Caption kWindow[] = {
    {"frm_option", "可选参数编辑", "Optional Features"},
    {"Command_read", "读 取", "Read"},
    {"Command_Write", "写  入", "Write"},
    {"Command_def", "默 认", "Default"},
    {"Command_save", "保  存", "Save"},
    {"Command_open", "打  开", "Open"},
    {"Command_close", "关  闭", "Close"},
    {"Label_PassWord", "读写密码", "PassWord"},
    {"Frame_A", "Ａ段频率模式", "A Band Frequency Mode"},
    {"Frame_B", "Ｂ段频率模式", "B Band Frequency Mode"},
};

constexpr Caption kText_labels[] = {
    {"Label_Ponmsg_Txt", "开机显示字符", "Power-On Message"},
    {"Label_ANI", "身份码", "ANI"},
    {"Label_Send_Begin", "按下发码", "Press PTT to Send"},
    {"Label_Send_End", "松开发码", "Release PTT to Send"},
};

}  // namespace

const std::span<const SettingRow> Setting_rows{kSettings};
const std::span<const VfoRow> Vfo_rows{kVfo};
const std::span<const Caption> Window_captions{kWindow};
const std::span<const Caption> Text_labels{kText_labels};
const Caption Vfo_text_labels[2][2] = {
    {{"Label_Freq_a", "当前频率", "Frequency"}, {"Label_Range_A", "频率范围", "Freq Range"}},
    {{"Label_Freq_b", "当前频率", "Frequency"}, {"Label_Range_B", "频率范围", "Freq Range"}},
};

size_t Band_row() {
    for (size_t i = 0; i < Vfo_rows.size(); ++i)
        if (Vfo_rows[i].store == VfoStore::Band) return i;
    return 0;
}

std::string Offset_item(int p) {
    const int v = p * 50;  // kHz
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d.%03dMHZ", v / 1000, v % 1000);
    return buf;
}

std::vector<std::string> Make_items(const ItemSpec& spec, bool chinese, const ToneNameTable& tone_names) {
    std::vector<std::string> out;
    const auto& listed = chinese || spec.eng.empty() ? spec.chn : spec.eng;
    for (const char* t : listed) out.emplace_back(t);
    for (int n = spec.from; n <= spec.to; ++n) out.push_back(std::to_string(n * spec.mult));
    switch (spec.special) {
    case Special::None:
        break;
    case Special::Channels:
        for (int p = 0; p < 200; ++p) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "CH-%03d", p);
            out.emplace_back(buf);
        }
        break;
    case Special::Offsets:
        for (int p = 0; p < 2000; ++p) out.push_back(Offset_item(p));
        break;
    case Special::Tones:
        for (int i = 1; i < kToneNames; ++i) out.push_back(Trim(tone_names[static_cast<size_t>(i)]));
        break;
    }
    return out;
}

}  // namespace bx::options
