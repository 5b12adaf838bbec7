#include "editors/channels/chann_columns.h"

namespace bx {

namespace {

constexpr const char* kBand[] = {kBandItem};
constexpr const char* kPower[] = {"HIGH", "LOW"};
constexpr const char* kWn[] = {"W", "N"};
constexpr const char* kPtt_id[] = {"OFF", "BOT", "EOT", "BOTH"};
constexpr const char* kOff_on[] = {"OFF", "ON"};
constexpr const char* kSig_code[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"};
constexpr const char* kOpt_sig[] = {"OFF", "DTMF", "2TONE", "5TONE"};
constexpr const char* kSq_mode[] = {"QT", "AND", "OR"};

using E = CellEditor;
using R = ColumnRule;
namespace f = chann_field;

}  // namespace

const std::array<ChannColumn, kChannCols> Chann_columns = {{
    {kColNumber, "^信道号", "^Channel", E::None, R::Number, nullptr, nullptr, {}, "", false, false},
    {kColBand, "^ 工作频段 ", "^  Band  ", E::PickList, R::Band, nullptr, nullptr, kBand, "", false, false},
    {kColRxFreq, "^接收频率(MHZ)", "^RX Frequency", E::TextBox, R::RxFreq, &f::Rx_freq, &f::Rx_freq, {}, "",
     false, false},
    {kColTxFreq, "^发射频率(MHZ)", "^TX Frequency", E::TextBox, R::TxFreq, &f::Tx_freq, &f::Tx_freq, {}, "",
     false, false},
    {kColRxTone, "^QT/DQT 解码", "^CTCSS/DCS Dec", E::PickList, R::Tone, &f::Rx_tone, &f::Rx_tone, {}, "", true,
     false},
    {kColTxTone, "^QT/DQT 编码", "^CTCSS/DCS Enc", E::PickList, R::Tone, &f::Tx_tone, &f::Tx_tone, {}, "", true,
     true},
    {kColPower, "^发射功率", "^TX Power", E::PickList, R::Setting, &f::Power, &f::Power_shown, kPower, "HIGH", true,
     false},
    {kColWn, "^信道带宽", "^ W/N ", E::PickList, R::Setting, &f::Narrow, &f::Narrow, kWn, "", true, false},
    {kColPttId, "^PTT-ID", "^PTT-ID", E::PickList, R::Setting, &f::Ptt_id, &f::Ptt_id, kPtt_id, "", true, false},
    {kColBusyLock, "^繁忙锁定", "^BusyLock", E::PickList, R::Setting, &f::Busy_lock, &f::Busy_lock, kOff_on, "",
     true, false},
    {kColScanAdd, "^扫描添加", "^Scan_Add", E::PickList, R::Setting, &f::Scan_add, &f::Scan_add, kOff_on, "", true,
     false},
    {kColSigCode, "^信令码", "^SigCode", E::PickList, R::Setting, &f::Sig_code, &f::Sig_code, kSig_code, "", true,
     false},
    {kColOptSig, "^可选信令", "^Opisug", E::PickList, R::Setting, &f::Opt_sig, &f::Opt_sig, kOpt_sig, "", true,
     false},
    {kColSqMode, "^静音方式", "^Spmute", E::PickList, R::Setting, &f::Sq_mode, &f::Sq_mode, kSq_mode, "", true,
     false},
    {kColScrambler, "^扰频", "^SCR", E::PickList, R::Setting, &f::Scrambler, &f::Scrambler, kOff_on, "", true,
     false},
    {kColName, "信 道 名 称", "^CH-Name", E::TextBox, R::Name, &f::Name, &f::Name, {}, "", false, false},
}};

std::string Chann_format_string(int16_t lang_chinese) {
    std::string s;
    for (const ChannColumn& c : Chann_columns) {
        if (!s.empty()) s += '|';
        s += lang_chinese != 0 ? c.head_chn : c.head_eng;
    }
    return s;
}

}  // namespace bx
