// Byte positions of the optional features within the 256-byte block at radio
// 0x0E00 (image records 224..239). Position p is image record 224 + p / 16,
// byte p % 16, and entry p of Option_settings. The positions are fixed, so
// they are compile-time constants.
#pragma once

#include <array>
#include <cstdint>

namespace bx {

// The options editor's working copy of the block: entries 0..255 mirror the
// block's bytes, entries 256..512 are never used.
using OptionSettings = std::array<int16_t, 513>;

// The settings of the block, one byte each; named after the list that edits
// them, or after their position when no control edits them.
inline constexpr int16_t Option_ofs_Tdr = 0;
inline constexpr int16_t Option_ofs_1 = 1;
inline constexpr int16_t Option_ofs_Sql_le = 2;
inline constexpr int16_t Option_ofs_3 = 3;
inline constexpr int16_t Option_ofs_4 = 4;
inline constexpr int16_t Option_ofs_tot = 5;
inline constexpr int16_t Option_ofs_Toa = 6;
inline constexpr int16_t Option_ofs_7 = 7;
inline constexpr int16_t Option_ofs_Abr = 8;
inline constexpr int16_t Option_ofs_Beep = 9;
inline constexpr int16_t Option_ofs_10 = 10;
inline constexpr int16_t Option_ofs_11 = 11;
inline constexpr int16_t Option_ofs_12 = 12;
inline constexpr int16_t Option_ofs_13 = 13;
inline constexpr int16_t Option_ofs_Dtmfst = 14;
inline constexpr int16_t Option_ofs_Bcl = 15;
inline constexpr int16_t Option_ofs_Sc_Add = 16;
inline constexpr int16_t Option_ofs_Pri_Sc = 17;
inline constexpr int16_t Option_ofs_Pri_Ch = 18;
inline constexpr int16_t Option_ofs_Sc_rev = 19;
inline constexpr int16_t Option_ofs_20 = 20;
inline constexpr int16_t Option_ofs_21 = 21;
inline constexpr int16_t Option_ofs_Ptt_id = 22;
inline constexpr int16_t Option_ofs_Ptt_lt = 23;
inline constexpr int16_t Option_ofs_24 = 24;
inline constexpr int16_t Option_ofs_Emc_Tp = 25;
inline constexpr int16_t Option_ofs_Emc_Ch = 26;
inline constexpr int16_t Option_ofs_ring = 27;
inline constexpr int16_t Option_ofs_28 = 28;
inline constexpr int16_t Option_ofs_MDF_A = 29;
inline constexpr int16_t Option_ofs_MDF_B = 30;
inline constexpr int16_t Option_ofs_Autolk = 31;
inline constexpr int16_t Option_ofs_PonMsg = 32;
inline constexpr int16_t Option_ofs_wt_led = 33;
inline constexpr int16_t Option_ofs_rx_led = 34;
inline constexpr int16_t Option_ofs_tx_led = 35;
inline constexpr int16_t Option_ofs_36 = 36;
inline constexpr int16_t Option_ofs_37 = 37;
inline constexpr int16_t Option_ofs_38 = 38;
inline constexpr int16_t Option_ofs_39 = 39;
inline constexpr int16_t Option_ofs_40 = 40;
inline constexpr int16_t Option_ofs_ANI_L = 41;
inline constexpr int16_t Option_ofs_REP_S = 42;
inline constexpr int16_t Option_ofs_REP_M = 43;
inline constexpr int16_t Option_ofs_TDR_AB = 44;
inline constexpr int16_t Option_ofs_STE = 45;
inline constexpr int16_t Option_ofs_RP_STE = 46;
inline constexpr int16_t Option_ofs_RPT_DL = 47;
inline constexpr int16_t Option_ofs_48 = 48;
inline constexpr int16_t Option_ofs_132 = 132;
inline constexpr int16_t Option_ofs_133 = 133;

// Text fields of the block: each is a run of positions starting at its constant.
inline constexpr int16_t Option_ofs_PassWord = 102;      // 102..107, six-digit password field
inline constexpr int16_t Option_ofs_PON_MSG = 192;       // 192..197 power-on message line 1, 198..203 line 2
inline constexpr int16_t Option_ofs_ANI = 208;           // 208..223 ANI code
inline constexpr int16_t Option_ofs_PttId_Begin = 224;   // 224..239 PTT-ID sent at the start of a transmission
inline constexpr int16_t Option_ofs_PttId_End = 240;     // 240..255 PTT-ID sent at its end

// Further positions that carry a name of their own (103..131 and 193..197);
// nothing uses them.
inline constexpr int16_t Option_ofs_103 = 103;
inline constexpr int16_t Option_ofs_104 = 104;
inline constexpr int16_t Option_ofs_105 = 105;
inline constexpr int16_t Option_ofs_106 = 106;
inline constexpr int16_t Option_ofs_107 = 107;
inline constexpr int16_t Option_ofs_108 = 108;
inline constexpr int16_t Option_ofs_109 = 109;
inline constexpr int16_t Option_ofs_110 = 110;
inline constexpr int16_t Option_ofs_111 = 111;
inline constexpr int16_t Option_ofs_112 = 112;
inline constexpr int16_t Option_ofs_113 = 113;
inline constexpr int16_t Option_ofs_114 = 114;
inline constexpr int16_t Option_ofs_115 = 115;
inline constexpr int16_t Option_ofs_116 = 116;
inline constexpr int16_t Option_ofs_117 = 117;
inline constexpr int16_t Option_ofs_118 = 118;
inline constexpr int16_t Option_ofs_119 = 119;
inline constexpr int16_t Option_ofs_120 = 120;
inline constexpr int16_t Option_ofs_121 = 121;
inline constexpr int16_t Option_ofs_122 = 122;
inline constexpr int16_t Option_ofs_123 = 123;
inline constexpr int16_t Option_ofs_124 = 124;
inline constexpr int16_t Option_ofs_125 = 125;
inline constexpr int16_t Option_ofs_126 = 126;
inline constexpr int16_t Option_ofs_127 = 127;
inline constexpr int16_t Option_ofs_128 = 128;
inline constexpr int16_t Option_ofs_129 = 129;
inline constexpr int16_t Option_ofs_130 = 130;
inline constexpr int16_t Option_ofs_131 = 131;
inline constexpr int16_t Option_ofs_193 = 193;
inline constexpr int16_t Option_ofs_194 = 194;
inline constexpr int16_t Option_ofs_195 = 195;
inline constexpr int16_t Option_ofs_196 = 196;
inline constexpr int16_t Option_ofs_197 = 197;

// One setting of the block: its constant, position, editing list (nullptr
// when no control edits it), the number of entries of that list, and the
// factory position Load_option_defaults stores (-1: it leaves the entry alone).
struct OptionSetting {
    const char* constant;
    int16_t pos;
    const char* control;
    int16_t items;
    int16_t factory;
};

// Every one-byte setting of the block, in position order.
inline constexpr OptionSetting Option_offsets[] = {
    {"Option_ofs_Tdr", Option_ofs_Tdr, "Combo_Tdr", 2, 1},
    {"Option_ofs_1", Option_ofs_1, nullptr, 0, 2},
    {"Option_ofs_Sql_le", Option_ofs_Sql_le, "Combo_Sql_le", 10, 5},
    {"Option_ofs_3", Option_ofs_3, nullptr, 0, 0},
    {"Option_ofs_4", Option_ofs_4, nullptr, 0, -1},
    {"Option_ofs_tot", Option_ofs_tot, "Combo_tot", 40, 5},
    {"Option_ofs_Toa", Option_ofs_Toa, "Combo_Toa", 11, 10},
    {"Option_ofs_7", Option_ofs_7, nullptr, 0, 0},
    {"Option_ofs_Abr", Option_ofs_Abr, "Combo_Abr", 51, 0},
    {"Option_ofs_Beep", Option_ofs_Beep, "Combo_Beep", 2, 1},
    {"Option_ofs_10", Option_ofs_10, nullptr, 0, 0},
    {"Option_ofs_11", Option_ofs_11, nullptr, 0, 0},
    {"Option_ofs_12", Option_ofs_12, nullptr, 0, 0},
    {"Option_ofs_13", Option_ofs_13, nullptr, 0, 0},
    {"Option_ofs_Dtmfst", Option_ofs_Dtmfst, "Combo_Dtmfst", 4, 3},
    {"Option_ofs_Bcl", Option_ofs_Bcl, "Combo_Bcl", 2, 0},
    {"Option_ofs_Sc_Add", Option_ofs_Sc_Add, "Combo_Sc_Add", 2, -1},
    {"Option_ofs_Pri_Sc", Option_ofs_Pri_Sc, "Combo_Pri_Sc", 2, -1},
    {"Option_ofs_Pri_Ch", Option_ofs_Pri_Ch, "Combo_Pri_Ch", 200, -1},
    {"Option_ofs_Sc_rev", Option_ofs_Sc_rev, "Combo_Sc_rev", 3, 0},
    {"Option_ofs_20", Option_ofs_20, nullptr, 0, 0},
    {"Option_ofs_21", Option_ofs_21, nullptr, 0, 0},
    {"Option_ofs_Ptt_id", Option_ofs_Ptt_id, "Combo_Ptt_id", 4, 0},
    {"Option_ofs_Ptt_lt", Option_ofs_Ptt_lt, "Combo_Ptt_lt", 31, 10},
    {"Option_ofs_24", Option_ofs_24, nullptr, 0, 0},
    {"Option_ofs_Emc_Tp", Option_ofs_Emc_Tp, "Combo_Emc_Tp", 3, 1},
    {"Option_ofs_Emc_Ch", Option_ofs_Emc_Ch, "Combo_Emc_Ch", 200, 199},
    {"Option_ofs_ring", Option_ofs_ring, "Combo_ring", 11, 5},
    {"Option_ofs_28", Option_ofs_28, nullptr, 0, -1},
    {"Option_ofs_MDF_A", Option_ofs_MDF_A, "Combo_MDF_A", 3, 0},
    {"Option_ofs_MDF_B", Option_ofs_MDF_B, "Combo_MDF_B", 3, 1},
    {"Option_ofs_Autolk", Option_ofs_Autolk, "Combo_Autolk", 2, 0},
    {"Option_ofs_PonMsg", Option_ofs_PonMsg, "Combo_PonMsg", 3, 2},
    {"Option_ofs_wt_led", Option_ofs_wt_led, "Combo_wt_led", 4, 3},
    {"Option_ofs_rx_led", Option_ofs_rx_led, "Combo_rx_led", 4, 1},
    {"Option_ofs_tx_led", Option_ofs_tx_led, "Combo_tx_led", 4, 2},
    {"Option_ofs_36", Option_ofs_36, nullptr, 0, 0},
    {"Option_ofs_37", Option_ofs_37, nullptr, 0, 0},
    {"Option_ofs_38", Option_ofs_38, nullptr, 0, 0},
    {"Option_ofs_39", Option_ofs_39, nullptr, 0, 0},
    {"Option_ofs_40", Option_ofs_40, nullptr, 0, 0},
    {"Option_ofs_ANI_L", Option_ofs_ANI_L, "Combo_ANI_L", 3, -1},
    {"Option_ofs_REP_S", Option_ofs_REP_S, "Combo_REP_S", 4, 0},
    {"Option_ofs_REP_M", Option_ofs_REP_M, "Combo_REP_M", 5, 0},
    {"Option_ofs_TDR_AB", Option_ofs_TDR_AB, "Combo_TDR_AB", 51, 10},
    {"Option_ofs_STE", Option_ofs_STE, "Combo_STE", 2, 1},
    {"Option_ofs_RP_STE", Option_ofs_RP_STE, "Combo_RP_STE", 11, 5},
    {"Option_ofs_RPT_DL", Option_ofs_RPT_DL, "Combo_RPT_DL", 11, 0},
    {"Option_ofs_48", Option_ofs_48, nullptr, 0, 0},
    {"Option_ofs_132", Option_ofs_132, nullptr, 0, 31},
    {"Option_ofs_133", Option_ofs_133, nullptr, 0, 1},
};

}  // namespace bx
