// The options editor window: its 31 settings in both languages, the display
// from the block, Default, the start-up and the refusals while its own
// exchange runs.
#include "options_support.h"

#include <cmath>

#include "model/option_offsets.h"
#include "shell/dialogs.h"
#include "shell/mdimain.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

using namespace optionstest;

namespace {

struct SettingCase {
    const char* list;
    const char* label;
    const char* label_chn;
    const char* label_eng;
    const char* first_chn;
    const char* first_eng;
    const char* last_chn;
    const char* last_eng;
};

const SettingCase kSettings[] = {
    {"Combo_Tdr", "Label_Tdr", "双频守侯", "TDR", "关闭", "OFF", "开启", "ON"},
    {"Combo_Sql_le", "Label_Sql", "静噪电平", "Squelch Level", "0", "0", "9", "9"},
    {"Combo_tot", "Label_Tot", "发射超时定时器（秒）", "Time Out Timer(TOT)[S]", "15", "15", "600", "600"},
    {"Combo_Toa", "Label_Toa", "发射结束预警（秒）", "TOT Pre-Alart[S]", "关闭", "OFF", "10", "10"},
    {"Combo_Abr", "Label_Abr", "自动背光", "ABR", "关", "OFF", "50", "50"},
    {"Combo_Beep", "Label_Beep", "操作提示音", "Beep", "关闭", "OFF", "开启", "ON"},
    {"Combo_Dtmfst", "Label_Stdtmf", "DTMF侧音", "DTMF-ST", "关闭", "OFF All ", "按键侧音+发身份码侧音",
     "KB DTMFST + Send ANI DTMFST"},
    {"Combo_Bcl", "Label_Bcl", "遇忙禁发", "BCL", "关闭", "OFF", "开启", "ON"},
    {"Combo_Sc_Add", "Label_Sc_Add", "扫描添加", "Scan Add", "关闭", "OFF", "开启", "ON"},
    {"Combo_Pri_Sc", "Label_Pri_Sc", "优先扫描", "Moni Priority Channel", "关闭", "OFF", "开启", "ON"},
    {"Combo_Pri_Ch", "Label_Pri_CH", "优先信道", "Priority Channel", "CH-000", "CH-000", "CH-199", "CH-199"},
    {"Combo_Sc_rev", "Label_Scan_rev", "扫描方式", "Scan_Rev", "时间", "TO", "搜索", "SE"},
    {"Combo_Ptt_id", "Label_ptt_id", "PTT_ID", "PTT_ID", "关", "OFF", "两者均发", "BOTH"},
    {"Combo_Ptt_lt", "Label_Ptt_Lt", "发ID延迟", "PTT_Delay", "0", "0", "30", "30"},
    {"Combo_Emc_Tp", "Label_Emc_tp", "报警模式", "Alarm Type", "现场", "Alarm", "现场+远程", "Both"},
    {"Combo_Emc_Ch", "Label_Emc_ch", "报警信道", "Alarm Channel", "CH-000", "CH-000", "CH-199", "CH-199"},
    {"Combo_ring", "Label_Ring", "振铃时间", "Ring_Time", "关", "OFF", "10", "10"},
    {"Combo_MDF_A", "Label_MDF_A", "A 段信道显示方式", "A Channel Disp Way", "频率+信道号", "Channel+Frequency",
     "信道名称+信道号", "Channel+Name"},
    {"Combo_MDF_B", "Label_MDF_B", "B 段信道显示方式", "B Channel Disp Way", "频率+信道号", "Channel+Frequency",
     "信道名称+信道号", "Channel+Name"},
    {"Combo_Autolk", "Label_Autolk", "自动锁", "Auto Lock", "关闭", "OFF", "开启", "ON"},
    {"Combo_PonMsg", "Label_Ponmsg", "开机显示", "Power-On Message", "满屏", "Full", "电池电压", "BATT"},
    {"Combo_wt_led", "Label_WT_LED", "守侯背光", "Wait Back Light", "关", "OFF", "紫色", "Purple"},
    {"Combo_rx_led", "Label_RX_LED", "接收背光", "RX Back Light", "关", "OFF", "紫色", "Purple"},
    {"Combo_tx_led", "Label_TX_LED", "发射背光", "TX Back Light", "关", "OFF", "紫色", "Purple"},
    {"Combo_ANI_L", "Label_ANI_L", "身份码长", "Lang", "3", "3", "5", "5"},
    {"Combo_REP_S", "Label_REP_S", "中继激活信令", "Relay Signal ", "1000Hz", "1000Hz", "2100Hz", "2100Hz"},
    {"Combo_REP_M", "Label_REP_M", "中继转发条件", "Relay Condition ", "关", "OFF", "DTMF", "DTMF"},
    {"Combo_TDR_AB", "Label_Tdr_AB", "双守返回主频", "TDR Return AB ", "关", "OFF", "50", "50"},
    {"Combo_STE", "Label_STE", "尾音消除", "Tail noise Clear ", "关闭", "OFF", "开启", "ON"},
    {"Combo_RP_STE", "Label_RP_STE", "过中继消尾音", "RPT noise Clear", "关闭", "OFF", "10", "10"},
    {"Combo_RPT_DL", "Label_RPT_DL", "过中继证实音", "RPT noise", "关闭", "OFF", "10", "10"},
};

const bx::OptionSetting& setting_of(const char* list) {
    for (const bx::OptionSetting& s : bx::Option_offsets)
        if (s.control && std::string(s.control) == list) return s;
    throw std::logic_error(list);
}

}  // namespace

TEST(OptionsWindow, EverySettingInBothLanguagesStoresExactlyItsPick) {
    ASSERT_EQ(std::size(kSettings), 31u);
    for (bool chinese : {false, true}) {
        Options p;
        p.begin();
        if (chinese) {
            p.app.Lang_chinese = -1;
            bx::App::Reopen(p.w());
        }
        for (const SettingCase& c : kSettings) {
            const bx::OptionSetting& s = setting_of(c.list);
            ui::ComboBox& list = p.list(c.list);
            auto* label = dynamic_cast<ui::Label*>(p.w().control(c.label));
            ASSERT_TRUE(label) << c.label;
            EXPECT_EQ(label->Caption(), chinese ? c.label_chn : c.label_eng) << c.list;
            ASSERT_EQ(list.ListCount(), s.items) << c.list;
            EXPECT_EQ(list.List(0), chinese ? c.first_chn : c.first_eng) << c.list;
            EXPECT_EQ(list.List(s.items - 1), chinese ? c.last_chn : c.last_eng) << c.list;

            for (int pos : {0, s.items / 2, s.items - 1}) {
                std::vector<uint8_t> want = p.area();
                want[static_cast<size_t>(s.pos)] = static_cast<uint8_t>(pos);
                list.pick(pos);
                EXPECT_EQ(p.area(), want) << c.list << " " << pos;
                EXPECT_EQ(p.app.Option_settings[static_cast<size_t>(s.pos)], pos) << c.list;
            }
            // Typed keys change neither the list nor the image.
            const std::vector<uint8_t> before = p.area();
            const std::string text = list.Text();
            list.type("7x\b");
            EXPECT_EQ(list.Text(), text) << c.list;
            EXPECT_EQ(p.area(), before) << c.list;
        }
        EXPECT_TRUE(p.mirror_matches_image());
        EXPECT_TRUE(p.texts().empty());
    }
}

TEST(OptionsWindow, BytesBeyondAListShowItsLastItem) {
    Options p;
    p.begin();
    // An erased radio's block, shown by a window that loads.
    for (const SettingCase& c : kSettings) p.block(setting_of(c.list).pos) = 0xFF;
    bx::App::Reopen(p.w());
    for (const SettingCase& c : kSettings) {
        const bx::OptionSetting& s = setting_of(c.list);
        EXPECT_EQ(p.list(c.list).ListIndex(), s.items - 1) << c.list;
        EXPECT_EQ(p.list(c.list).Text(), c.last_eng) << c.list;
        // Written back, since every list showed nothing before.
        EXPECT_EQ(p.block(s.pos), s.items - 1) << c.list;
    }
    EXPECT_TRUE(p.mirror_matches_image());
    // Shown already: a byte beyond the list again stays as it came.
    p.block(bx::Option_ofs_tot) = 0xFF;
    p.block(bx::Option_ofs_Tdr) = 0;
    p.w().Show_option_data();
    EXPECT_EQ(p.block(bx::Option_ofs_tot), 0xFF);
    EXPECT_EQ(p.list("Combo_tot").Text(), "600");
    EXPECT_EQ(p.list("Combo_Tdr").Text(), "OFF");
    // A second display changes nothing.
    const std::vector<uint8_t> once = p.area();
    p.w().Show_option_data();
    EXPECT_EQ(p.area(), once);
}

TEST(OptionsWindow, DefaultRestoresTheFactorySettingsAndKeepsTheRest) {
    Options p;
    p.begin();
    bx::frm_option& w = p.w();
    // Values a read could have brought.
    p.block(bx::Option_ofs_Tdr) = 0;
    p.block(bx::Option_ofs_Sc_Add) = 1;
    p.block(bx::Option_ofs_Pri_Ch) = 7;
    p.block(bx::Option_ofs_ANI_L) = 2;
    p.block(0x04) = 9;
    p.block(0x31) = 9;
    p.block(0x86) = 5;
    p.block(0x03) = 9;  // a byte without a control that Default sets
    p.set_bytes(236, 0, {'A', 'B', 'C', 'D', 'E', 'F'});
    w.Show_option_data();
    w.ProgressBar1.setVisible(true);
    w.ProgressBar1.setValue(50);
    w.Label_tr_count.setCaption("Reading 5 Data Block");
    p.app.Chann_count = 5;

    w.Command_def.click();
    EXPECT_EQ(p.block(bx::Option_ofs_Tdr), 1);
    EXPECT_EQ(p.list("Combo_Tdr").Text(), "ON");
    EXPECT_EQ(p.block(0x03), 0);
    EXPECT_EQ(p.bytes(236, 0, 5), (std::vector<int>{'W', 'E', 'L', 'C', 'O', 'M'}));
    EXPECT_EQ(w.Text_PON_MSG_U.Text(), "WELCOM");
    EXPECT_EQ(w.Text_ANI.Text(), "8D8D8");
    for (auto [offset, value] : {std::pair{bx::Option_ofs_Sc_Add, 1}, {bx::Option_ofs_Pri_Ch, 7},
                                 {bx::Option_ofs_ANI_L, 2}, {int16_t{0x04}, 9}, {int16_t{0x31}, 9},
                                 {int16_t{0x86}, 5}})
        EXPECT_EQ(p.block(offset), value) << offset;
    EXPECT_EQ(p.list("Combo_Pri_Ch").Text(), "CH-007");
    // The offset list already showed 10.650 MHz: the default digits stay.
    EXPECT_EQ(p.bytes(240, 8, 13), (std::vector<int>{0, 1, 0, 6, 5, 5}));
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.ProgressBar1.Value(), 0);
    EXPECT_EQ(w.Label_tr_count.Caption(), "");
    EXPECT_EQ(p.app.Chann_count, 200);
    EXPECT_TRUE(p.mirror_matches_image());
    EXPECT_TRUE(p.texts().empty());
}

TEST(OptionsWindow, OpenAfterStartUpSizedCentredAndOpeningAgainChangesNothing) {
    Options p;
    p.begin();
    bx::frm_option& w = p.w();
    ASSERT_TRUE(w.Loaded());
    const bx::MDImain& m = p.main();
    EXPECT_EQ(w.Caption(), "Optional Features");
    EXPECT_EQ(w.Width(), std::lround(static_cast<float>(m.Width()) / 1.48f));
    EXPECT_EQ(w.Height(), std::lround(static_cast<float>(m.Height()) / 1.16f));
    EXPECT_EQ(w.Left(), std::lround((m.ScaleWidth() - w.Width()) / 2.0f));
    EXPECT_EQ(w.Top(), std::lround((m.ScaleHeight() - w.Height()) / 2.0f));
    EXPECT_FALSE(w.ProgressBar1.Visible());
    EXPECT_EQ(w.Text_PassWord.Text(), "580317");
    for (const char* name : {"Frame_A", "Frame_B"})
        EXPECT_EQ(dynamic_cast<ui::Frame*>(w.control(name))->Caption(),
                  std::string(name) == "Frame_A" ? "A Band Frequency Mode" : "B Band Frequency Mode");
    // The menu and the toolbar only open it: a loaded window keeps what it shows.
    p.block(bx::Option_ofs_Tdr) = 0;
    const std::vector<uint8_t> before = p.area();
    p.main().sys_edit.click();
    p.main().Toolbar1.click("edit_option");
    EXPECT_EQ(p.list("Combo_Tdr").Text(), "ON");
    EXPECT_EQ(p.area(), before);

    // Loaded in English, it keeps its texts when the flag changes.
    p.app.Lang_chinese = -1;
    w.Show_option_data();
    EXPECT_EQ(w.Command_def.Caption(), "Default");
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    p.main().sys_edit.click();
    ASSERT_TRUE(w.Loaded());
    EXPECT_EQ(w.Caption(), "可选参数编辑");
    EXPECT_EQ(dynamic_cast<ui::Frame*>(w.control("Frame_A"))->Caption(), "Ａ段频率模式");
    EXPECT_EQ(dynamic_cast<ui::Frame*>(w.control("Frame_B"))->Caption(), "Ｂ段频率模式");
    EXPECT_EQ(w.Command_read.Caption(), "读 取");
    EXPECT_EQ(w.Command_Write.Caption(), "写  入");
    EXPECT_EQ(w.Command_def.Caption(), "默 认");
    EXPECT_EQ(w.Label_PassWord.Caption(), "读写密码");
}

TEST(OptionsWindow, NothingActsWhileItsExchangeRuns) {
    Options p;
    p.begin();
    bx::frm_option& w = p.w();
    const std::vector<uint8_t> before = p.area();
    w.Command_read.click();
    ASSERT_TRUE(w.Busy());
    p.app.Lang_chinese = -1;  // messages take the language when shown
    w.Command_def.click();
    p.app.Lang_chinese = 0;
    w.Command_def.click();
    w.Command_open.click();
    w.Command_save.click();
    w.Command_read.click();
    w.Command_close.click();
    EXPECT_FALSE(w.Unload(false, ui::vbFormControlMenu));  // the close box
    const std::string busy = kBusy;
    const std::string no_close = "Read-write operating，don't close the window.,";
    ASSERT_EQ(p.texts(), (std::vector<std::string>{"正在与对讲机进行读写操作 ！", busy, busy, busy, busy,
                                                   no_close, no_close}));
    for (const auto& m : p.rt.recorder.shown) EXPECT_EQ(m.style, ui::vbExclamation);
    EXPECT_EQ(p.rt.recorder.shown[1].title, "Operate prompt");
    EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
    EXPECT_FALSE(p.app.Form_open_chann->Loaded());
    EXPECT_FALSE(p.app.Form_save_chann->Loaded());
    ASSERT_TRUE(w.Loaded());
    EXPECT_EQ(p.area(), before);

    // The read goes on to its end; then Close closes port and window.
    ASSERT_TRUE(p.run_until_idle(w.Link));
    EXPECT_EQ(w.Label_tr_count.Caption(), "Read optional parameters in gear. ");
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(w.MSC.PortOpen());
}

TEST(OptionsWindow, EndingTheProgramClosesItMidExchange) {
    Options p;
    p.begin();
    p.w().Command_Write.click();
    ASSERT_TRUE(p.w().Busy());
    p.app.End();
    EXPECT_FALSE(p.w().Loaded());
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Read-write operating，don't close the window.,"});
    EXPECT_FALSE(p.w().Timer1.running() || p.w().Timer2.running() || p.w().Timer3.running());
}
