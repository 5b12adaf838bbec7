#include "shell/mdimain.h"

#include <optional>

#include "appstate/app.h"
#include "editors/editor_window.h"
#include "link/form_comm_read.h"
#include "link/form_comm_write.h"
#include "link/form_setup.h"
#include "link/frames.h"
#include "model/code_tables.h"
#include "model/codecs.h"
#include "model/defaults.h"
#include "model/lang.h"
#include "model/memory_map.h"
#include "shell/dialogs.h"
#include "shell/form_type.h"
#include "shell/frmabout.h"

namespace bx {

namespace {
const char* const kTitleEng = "BX-5610 UV DualBand  Series Program Software.";
const char* const kCompanyEng = "Lanshan Harbour Industrial Park, DRELL Electronic Co.,Ltd.";
}  // namespace

MDImain::MDImain(App& a) : ui::Form(a.rt, "MDImain"), app(a) {
    set_mdi_form(true);
    set_mdi_child(false);
    File_Open.Click = [this] { File_Open_Click(); };
    File_save.Click = [this] { File_save_Click(); };
    File_saveas.Click = [this] { File_saveas_Click(); };
    File_exit.Click = [this] { File_exit_Click(); };
    fm_chann_edit.Click = [this] { fm_chann_edit_Click(); };
    chann_edit.Click = [this] { chann_edit_Click(); };
    sys_edit.Click = [this] { sys_edit_Click(); };
    Sig_dtmf.Click = [this] { Sig_dtmf_Click(); };
    Sig_2tone.Click = [this] { Sig_2tone_Click(); };
    Sig_5tone.Click = [this] { Sig_5tone_Click(); };
    frm_adj.Click = [this] { frm_adj_Click(); };
    Prog_read.Click = [this] { Prog_read_Click(); };
    Prog_write.Click = [this] { Prog_write_Click(); };
    PC_PassWord.Click = [this] { PC_PassWord_Click(); };
    proc_setup.Click = [this] { proc_setup_Click(); };
    MSC.OnComm = [this] { MSC_OnComm(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
    Timer2.OnTimer = [this] { Timer2_Timer(); };
    Timer3.OnTimer = [this] { Timer3_Timer(); };
    Link.On_identified = [this] { Identified(); };
    Link.On_failure = [this] { Identify_failed(); };
    Language_chn.Click = [this] { Language_chn_Click(); };
    Language_eng.Click = [this] { Language_eng_Click(); };
    about.Click = [this] { about_Click(); };
    Menu_Exit.Click = [this] { Menu_Exit_Click(); };
    Toolbar1.ButtonClick = [this](const ui::Toolbar::Button& b) { Toolbar1_ButtonClick(b); };
    app.main_window.Bind(*this, StatusBar1,
                         {.open_link_port = [this] { return Open_link_port(); },
                          .restart_identify = [this] { Restart_identify(); },
                          .scanning_ports = [this] { return Scanning_ports(); },
                          .scan_ports = [this] { Scan_ports(); }},
                         [this] { Commit_all_pending_edits(app); });
}

std::vector<ui::MenuItem*> MDImain::menu_bar() const {
    std::vector<ui::MenuItem*> out;
    for (ui::Control* c : controls()) {
        auto* m = dynamic_cast<ui::MenuItem*>(c);
        if (m && !m->parent()) out.push_back(m);
    }
    return out;
}

namespace {
// The menu tree's captions: the one the window is created with, and the ones
// the language commands set (none for items that are never re-captioned).
// Starred items take their English caption at start-up too.
struct MenuCaption {
    ui::MenuItem MDImain::*item;
    const char* stored;
    bool visible, enabled;
    const char* eng;
    const char* chn;
    bool starred;
};
const MenuCaption kMenu[] = {
    {&MDImain::File, "File", true, true, "File", "文件", false},
    {&MDImain::File_New, "New", true, true, "New", "新建", false},
    {&MDImain::File_Open, "Open", true, true, "Open", "打开", false},
    {&MDImain::File_save, "Save", true, false, "Save", "保存", false},
    {&MDImain::File_saveas, "Save As", true, true, "Save As", "另存为", false},
    {&MDImain::File_exit, "Exit", true, true, "Exit", "退出", false},
    {&MDImain::fm_chann_edit, "FM 频道编辑", true, true, "FM-Radio", "FM-频道", true},
    {&MDImain::chann_edit, "信道编辑", true, true, "Channel", "信道编辑", true},
    {&MDImain::sys_edit, "可选参数", true, true, "Option", "可选参数", true},
    {&MDImain::sig_edit, "信令编辑", true, true, "Signal", "信令编辑", true},
    {&MDImain::Sig_dtmf, "DTMF", true, true, nullptr, nullptr, false},
    {&MDImain::Sig_2tone, "2 TONE", true, true, nullptr, nullptr, false},
    {&MDImain::Sig_5tone, "5 TONE", true, true, nullptr, nullptr, false},
    {&MDImain::frm_adj, "调整参数", false, false, "Adjust", "调整参数", true},
    {&MDImain::Program, "Program", true, true, "Program", "编程", false},
    {&MDImain::Prog_read, "Read form radio", true, true, "Read from radio", "从对讲机读取数据", false},
    {&MDImain::Prog_write, "Write to radio", true, true, "Write to radio", "向对讲机写入数据", false},
    {&MDImain::PC_PassWord, "修改密码", true, true, "PassWord", "密码修改", true},
    {&MDImain::proc_setup, "端口设置", true, true, "Communication", "端口设置", true},
    {&MDImain::Language_Setup, "语言", false, false, "Language", "语言", true},
    {&MDImain::Language_chn, "中文", true, true, nullptr, nullptr, false},
    {&MDImain::Language_eng, "English", true, true, nullptr, nullptr, false},
    {&MDImain::about, "关于", false, false, "About", "关于", true},
    {&MDImain::Menu_Exit, "退出", true, true, "Exit", "退出", true},
};

// Each toolbar button and the menu item whose command it runs: the button's
// tooltip is that item's caption, in whatever language it shows.
struct ToolbarButton {
    const char* key;
    ui::MenuItem MDImain::*item;
};
const ToolbarButton kToolbar[] = {
    {"open", &MDImain::File_Open},      {"save", &MDImain::File_save},  {"edit_option", &MDImain::sys_edit},
    {"edit_chann", &MDImain::chann_edit}, {"edit_dtmf", &MDImain::Sig_dtmf}, {"read", &MDImain::Prog_read},
    {"write", &MDImain::Prog_write},    {"exit", &MDImain::Menu_Exit},
};

// The label panels and the company line.
struct PanelLabel {
    int panel;
    const char* eng;
    const char* chn;
};
const PanelLabel kPanelLabels[] = {
    {1, "Model:", "机  型:"}, {3, "S I M:", "序列号:"}, {5, "MCU-Version:", "固体版本:"},
    {7, "Band-A", "频段-A"},  {9, "Band-B", "频段-B"},
};
}  // namespace

// The stored layout: captions and states the window is created with.
void MDImain::Build() {
    for (const MenuCaption& m : kMenu) {
        ui::MenuItem& item = this->*m.item;
        item.setCaption(m.stored);
        item.setVisible(m.visible);
        item.setEnabled(m.enabled);
    }
    for (const ToolbarButton& b : kToolbar) Toolbar1.AddButton(b.key, b.key);
    Set_toolbar_tips();
    StatusBar1.setPanelCount(11);
    MSC.setCommPort(1);
    MSC.setSettings(kLinkSettings);
    for (ui::Timer* t : {&Timer1, &Timer2, &Timer3}) t->setEnabled(false);
}

// The start-up of the program, in one pass (nothing else is handled until
// it returns, except the screen warning's box), but for the port scan and
// the identification after it, which follow on the event loop.
void MDImain::Form_Load() {
    App& a = app;
    // 1-3: titles and language.
    a.Title_eng = kTitleEng;
    a.Company_eng = kCompanyEng;
    a.Lang_chinese = 0;
    // 4: the program-mode request.
    for (size_t i = 0; i < Cmd_program.size(); ++i) a.Program_cmd[i] = Cmd_program[i];
    // 5: shared texts.
    Set_lang_texts(a.Lang_texts, a.Lang_chinese);
    // 6: status panel widths from the screen width, set once.
    const double screen_w = rt().screen_width();
    for (int k = 1; k <= 11; ++k)
        StatusBar1.setPanelWidth(k, static_cast<float>(kStatusPanelShare[k - 1] / 100.0 * screen_w));
    // 7: English captions of the starred items, labels and title.
    Language_chn.setChecked(false);
    Language_eng.setChecked(true);
    for (const MenuCaption& m : kMenu)
        if (m.starred) (this->*m.item).setCaption(m.eng);
    Set_toolbar_tips();
    Set_panel_labels();
    setCaption(a.Title_eng);
    // 8-9: screen size, then visible.
    setHeight(rt().screen_height());
    setWidth(rt().screen_width());
    Show();
    // 10: screen check.
    if (static_cast<float>(rt().screen_height()) < 12000.0f || static_cast<float>(rt().screen_width()) < 19200.0f) {
        if (a.Lang_chinese != 0)
            MsgBox("请将计算机的显示模式设置为 1280 * 800 ", ui::vbExclamation, "操作提示");
        else
            MsgBox("Set the display mode of the computer to 1280 * 800 ", ui::vbExclamation, "Operate Prompt");
    }
    // 11-12 and 16 come last: the port scan runs on the event loop.
    // 13: channel count.
    a.Chann_count = kChannCountDefault;
    // 14: tone names and radio ident, then the model table (the option
    // offsets are constants).
    Load_code_tables(a.Tone_name_table, a.Radio_ident);
    Load_model_table(a.Model_table, a.Model_index, a.Limit_A_low, a.Limit_A_high);
    // 15: model 0's band limits become the validation limits.
    a.Model_index = 0;
    const auto& model0 = a.Model_table.Band_table[0];
    a.Limit_A_low = model0[kBandALowCol];
    a.Limit_A_high = model0[kBandAHighCol];
    a.Limit_B_low = model0[kBandBLowCol];
    a.Limit_B_high = model0[kBandBHighCol];
    a.Tone_tick_ms = kToneTickMs;
    // 17: erase the memory image.
    a.Mem_image.Erase();
    // 18: the factory defaults of every area; the alignment defaults go to
    // their own table, not the image.
    Load_fm_defaults(a.Mem_image);
    Load_option_defaults(a.Option_settings, a.Mem_image);
    Load_dtmf_defaults(a.Mem_image);
    Load_2tone_defaults(a.Mem_image, a.Tone_tick_ms);
    Load_5tone_defaults(a.Mem_image);
    Load_adj_defaults(a.Adj_defaults);
    // 19: the working alignment table starts as the factory one.
    a.Adj_table = a.Adj_defaults;
    // 20: the factory channels; the channel names keep the erased bytes.
    Load_chann_defaults(a.Mem_image);
    // 21: the options editor, once it is in the program.
    if (ui::Form* f = a.Window(EditorId::frm_option)) App::Open(*f);
    // 11-12, then 16: the quiet port scan from COM8 down, one port a turn
    // of the event loop, so the window paints and answers between the
    // ports; its end starts the identification. Nothing of the image or the
    // windows depends on it.
    Scan_ports();
}

void MDImain::Scan_ports() {
    Link.Reset();
    ++scan_run_;
    scan_port_ = 8;
    Link.Hold(true);
    rt().loop().post([this, run = scan_run_] { Scan_step(run); });
}

void MDImain::End_scan() {
    ++scan_run_;
    scan_port_ = 0;
    Link.Hold(false);
}

// One port of the scan, then the next on a later turn of the loop. The scan
// ends at the first port that opens, or at COM1; a step of a scan that has
// ended (or been started again) does nothing.
void MDImain::Scan_step(int run) {
    if (run != scan_run_ || scan_port_ == 0) return;
    if (!Loaded()) {
        End_scan();
        return;
    }
    const int port = scan_port_;
    if (!Comm_open_quiet(port) && port > 1) {
        --scan_port_;
        rt().loop().post([this, run] { Scan_step(run); });
        return;
    }
    // The scan only probes; the identification opens the port again.
    if (MSC.PortOpen()) MSC.setPortOpen(false);
    End_scan();
    app.Comm_port = static_cast<int16_t>(port);
    Restart_identify();
}

bool MDImain::Comm_open_quiet(int port) { return Open_port(app, MSC, port); }

// ---- commands ----

// The data-file load waits until no exchange runs: it would change the
// image that an exchange is sending or filling.
void MDImain::File_Open_Click() {
    if (Refuse_while_exchange_runs(app)) return;
    App::Reopen(*app.Form_open_chann);
}
// The menu and the toolbar take no focus from an editor: what it still
// shows typed is committed before the image is saved.
void MDImain::File_save_Click() {
    Commit_all_pending_edits(app);
    App::Reopen(*app.Form_save_chann);
}
void MDImain::File_saveas_Click() { File_save_Click(); }
void MDImain::File_exit_Click() { app.End(); }
void MDImain::fm_chann_edit_Click() { Editor_command("fm_chann_edit"); }
void MDImain::chann_edit_Click() { Editor_command("chann_edit"); }
void MDImain::sys_edit_Click() { Editor_command("sys_edit"); }
void MDImain::Sig_dtmf_Click() { Editor_command("Sig_dtmf"); }
void MDImain::Sig_2tone_Click() { Editor_command("Sig_2tone"); }
void MDImain::Sig_5tone_Click() { Editor_command("Sig_5tone"); }
void MDImain::frm_adj_Click() { Editor_command("frm_adj"); }
void MDImain::Prog_read_Click() { app.Form_Comm_Read->Bring_up(); }
void MDImain::Prog_write_Click() { app.Form_Comm_Write->Bring_up(); }
void MDImain::PC_PassWord_Click() { Editor_command("PC_PassWord"); }

// ---- editor commands ----

namespace {

enum class Way { Open, Reopen };

// The menu items and toolbar keys that bring up an editor window: the
// window the command unloads first (asking it: a busy editor refuses and
// stays, and the command goes on), the window it opens and how.
struct EditorCommand {
    const char* source;  // menu item name or toolbar key
    std::optional<EditorId> unload_first;
    EditorId window;
    Way way = Way::Open;
};

constexpr EditorCommand kEditorCommands[] = {
    {"chann_edit", std::nullopt, EditorId::frm_chann},
    {"fm_chann_edit", EditorId::frm_chann, EditorId::frm_FM},
    {"sys_edit", std::nullopt, EditorId::frm_option},
    {"Sig_dtmf", std::nullopt, EditorId::frm_dtmf},
    {"Sig_2tone", std::nullopt, EditorId::frm_2tone},
    {"Sig_5tone", std::nullopt, EditorId::frm_5tone},
    {"frm_adj", std::nullopt, EditorId::frm_Adj_Txp},
    // Reopened, or brought to the front while its exchange runs.
    {"PC_PassWord", std::nullopt, EditorId::Form_Write_PassWord, Way::Reopen},
    {"edit_option", EditorId::frm_chann, EditorId::frm_option},
    {"edit_chann", EditorId::frm_chann, EditorId::frm_chann},
    {"edit_dtmf", EditorId::frm_chann, EditorId::frm_dtmf},
};

}  // namespace

bool MDImain::Editor_command(const std::string& source) {
    for (const EditorCommand& c : kEditorCommands) {
        if (source != c.source) continue;
        if (c.unload_first)
            if (ui::Form* f = app.Window(*c.unload_first)) App::Try_unload(*f);
        // A window not in the program yet: the command does nothing more.
        if (ui::Form* f = app.Window(c.window)) {
            if (c.way == Way::Open)
                App::Open(*f);
            else if (auto* w = dynamic_cast<LinkWindow*>(f))
                w->Bring_up();
            else
                App::Reopen(*f);
        }
        return true;
    }
    return false;
}

// ---- identification of the radio ----

// The identification under way on the port of before (in its pause, say)
// ends here, so nothing of it acts on the port chosen now.
bool MDImain::Open_link_port() {
    End_scan();
    Link.Reset();
    return Link.Open_link_port();
}

// The identification under way (on the port of before) ends here; the new
// one is an exchange like any other, refused quietly while another holds
// the radio.
void MDImain::Restart_identify() {
    End_scan();
    Link.Reset();
    Link.Start(false, LinkMachine::Begin::Program);
}

// The radio answered: the status bar and the limits are set by now.
void MDImain::Identified() {
    sig_edit.setEnabled(true);
    sys_edit.setEnabled(true);
    chann_edit.setEnabled(true);
    fm_chann_edit.setEnabled(true);
}

void MDImain::Identify_failed() {
    const int16_t chn = app.Lang_chinese;
    MsgBox(L(chn, "联机失败，请使用旧版软件尝试 ！", "Fail connect with transceiver."), ui::vbExclamation,
           L(chn, "操作提示", "Operate prompt"));
    StatusBar1.setPanelText(3, L(app.Lang_chinese, "状态:", "Stat:"));
    StatusBar1.setPanelText(4, L(app.Lang_chinese, "联机故障 ！", "Communication fault."));
}
void MDImain::proc_setup_Click() { App::Open(*app.Form_setup); }
void MDImain::about_Click() {
    App::Open(*app.frmAbout);
    app.frmAbout->Show();
}
void MDImain::Menu_Exit_Click() { app.End(); }

void MDImain::Toolbar1_ButtonClick(const ui::Toolbar::Button& button) {
    const std::string& key = button.Key;
    if (key == "open") {
        File_Open_Click();
    } else if (key == "save") {
        File_save_Click();
    } else if (key == "read") {
        Prog_read_Click();
    } else if (key == "write") {
        Prog_write_Click();
    } else if (key == "exit") {
        // These four first, in this order, then every other window; a busy
        // editor warns once and goes.
        for (ui::Form* f : {static_cast<ui::Form*>(app.Form_type.get()), app.Window(EditorId::frm_chann),
                            app.Window(EditorId::frm_option), static_cast<ui::Form*>(app.frmAbout.get())})
            if (f) App::Unload_for_end(*f);
        app.End();
    } else {
        Editor_command(key);
    }
}

// ---- language commands ----

void MDImain::Language_chn_Click() {
    App& a = app;
    if (a.Lang_chinese == 0) {
        a.Lang_chinese = -1;
        Set_lang_texts(a.Lang_texts, a.Lang_chinese);
    }
    Language_eng.setChecked(false);
    Language_chn.setChecked(true);
    Set_lang_captions();
}

void MDImain::Language_eng_Click() {
    App& a = app;
    if (a.Lang_chinese == -1) {
        a.Lang_chinese = 0;
        Set_lang_texts(a.Lang_texts, a.Lang_chinese);
    }
    Language_eng.setChecked(true);
    Language_chn.setChecked(false);
    Set_lang_captions();
}

// The captions, labels and title of the language the flag holds.
void MDImain::Set_lang_captions() {
    const bool chn = app.Lang_chinese != 0;
    for (const MenuCaption& m : kMenu)
        if (m.eng) (this->*m.item).setCaption(chn ? m.chn : m.eng);
    Set_toolbar_tips();
    Set_panel_labels();
    setCaption(chn ? app.Title_chn : app.Title_eng);
}

void MDImain::Set_toolbar_tips() {
    for (const ToolbarButton& b : kToolbar) Toolbar1.setButtonTip(b.key, (this->*b.item).Caption());
}

void MDImain::Set_panel_labels() {
    const bool chn = app.Lang_chinese != 0;
    for (const PanelLabel& p : kPanelLabels) StatusBar1.setPanelText(p.panel, chn ? p.chn : p.eng);
    StatusBar1.setPanelText(11, chn ? app.Company_chn : app.Company_eng);
}

}  // namespace bx
