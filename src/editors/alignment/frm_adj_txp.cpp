// The alignment editor's window: load, page switch, Default, Open, Save,
// Close, the poll of the alignment file requests and the ends of its own
// read and write.
#include "editors/alignment/frm_adj_txp.h"

#include "appstate/app.h"
#include "editors/alignment/adj_exchange.h"
#include "editors/alignment/adj_files.h"
#include "model/defaults.h"
#include "model/lang.h"

namespace bx {

namespace {

inline constexpr EditorRow kAdjRow{
    .link = &link_rows::frm_Adj_Txp,
    .width_div = 1.48f,
    .height_div = 1.2f,
    .password = false,
    .data = kWholeAdjTable};

constexpr int kPollMs = 500;

// The tabs in order: caption, key, and the window caption of the page.
struct PageRow {
    const char* tab;
    const char* key;
    const char* title;
};
constexpr PageRow kPages[5] = {
    {"发射功率（高）", "Adj_Txp_High", "发射功率调整（高功率）"},
    {"发射功率（低）", "Adj_Txp_Low", "发射功率调整（低功率）"},
    {"静噪等级", "Adj_Sql_Leve", "静噪等级调整"},
    {"调制、音量", "Adj_Dev_Leve", "调制度、输出音量调整"},
    {"频率范围", "Adj_Other", "频率范围"},
};

}  // namespace

frm_Adj_Txp::frm_Adj_Txp(App& a) : EditorWindow(a, "frm_Adj_Txp", kAdjRow) {
    levels_ = {{
        {&Combo_Voice_Dev, &Label_Voice_Dev, adj::Voice_dev.first, adj::Voice_dev.max},
        {&Combo_CT_Dev, &Label_CT_Dev, adj::CT_dev.first, adj::CT_dev.max},
        {&Combo_DCS_Dev, &Label_DCS_Dev, adj::DCS_dev.first, adj::DCS_dev.max},
        {&Combo_Wide_C, &Label_Wide_C, adj::Wide_c.first, adj::Wide_c.max},
        {&Combo_Wide_F, &Label_Wide_F, adj::Wide_f.first, adj::Wide_f.max},
        {&Combo_Narror_C, &Label_Narror_C, adj::Narror_c.first, adj::Narror_c.max},
        {&Combo_Narror_F, &Label_Narror_F, adj::Narror_f.first, adj::Narror_f.max},
        {&Combo_Beep_C, &Label_Beep_C, adj::Beep_c.first, adj::Beep_c.max},
        {&Combo_Beep_F, &Label_Beep_F, adj::Beep_f.first, adj::Beep_f.max},
        {&Combo_VHF_Drive, &Label_VHF_Drive, adj::VHF_drive.first, adj::VHF_drive.max},
        {&Combo_UHF_Drive, &Label_UHF_Drive, adj::UHF_drive.first, adj::UHF_drive.max},
        {&Combo_TXP_Temp, &Label_TXP_Temp, adj::TXP_temp.first, adj::TXP_temp.max},
        {&Combo_Tone_Dev, &Label_Tone_Dev, adj::Tone_dev.first, adj::Tone_dev.max},
    }};
    for (size_t k = 0; k < levels_.size(); ++k) {
        levels_[k].list->Click = [this, k] { Level_Click(k); };
        // Picked, never typed into: with no key passing, Delete, Cut and a
        // paste leave the text part showing the cell's entry (ui/lists.h).
        levels_[k].list->KeyPress = [](int& KeyAscii) { KeyAscii = 0; };
    }
    for (int i = 0; i < kAdjCells; ++i) {
        const auto n = static_cast<size_t>(i);
        Text1[n].Change = [this, i] { Text1_Change(i); };
        Text2[n].Change = [this, i] { Text2_Change(i); };
        Text_Sq_Offset_VHF[n].Change = [this, i] { Text_Sq_Offset_VHF_Change(i); };
        Text_Sq_Offset_UHF[n].Change = [this, i] { Text_Sq_Offset_UHF_Change(i); };
    }
    for (int i = 0; i < adj::Sq_vhf.count; ++i) {
        Text_SQ_VHF[static_cast<size_t>(i)].Change = [this, i] { Text_SQ_VHF_Change(i); };
        Text_SQ_UHF[static_cast<size_t>(i)].Change = [this, i] { Text_SQ_UHF_Change(i); };
    }
    for (int i = 0; i < 2; ++i) {
        const auto n = static_cast<size_t>(i);
        Text_Freq_L[n].KeyPress = [this, i](int& k) { Text_Freq_L_KeyPress(i, k); };
        Text_Freq_H[n].KeyPress = [this, i](int& k) { Text_Freq_H_KeyPress(i, k); };
        Text_Freq_L[n].LostFocus = [this, i] { Text_Freq_L_LostFocus(i); };
        Text_Freq_H[n].LostFocus = [this, i] { Text_Freq_H_LostFocus(i); };
    }
    Text_user_PassWord.Change = [this] { Text_user_PassWord_Change(); };
    Text_Super_PassWord.Change = [this] { Text_Super_PassWord_Change(); };
    ui::Use_password_filter(Text_user_PassWord);
    ui::Use_password_filter(Text_Super_PassWord);

    TabStrip1.Click = [this] { TabStrip1_Click(); };
    Wire_wholesale(Command_def, &Editor_row().busy, [this] { Command_def_Click(); });
    Command_open.Click = [this] { Command_open_Click(); };
    Command_save.Click = [this] { Command_save_Click(); };
    Command_close.Click = [this] { Command_close_Click(); };
    Timer4.OnTimer = [this] { Timer4_Timer(); };
    Use_adj_exchange(Link);
}

void frm_Adj_Txp::Build() {
    EditorWindow::Build();
    TabStrip1.Clear();
    for (const PageRow& p : kPages) TabStrip1.Add(p.tab, p.key);
    Set_containers();
    Set_captions();
    Timer4.setEnabled(false);
}

void frm_Adj_Txp::Form_Load() {
    Adj_page = 0;
    Adj_band_low = {130, 400};
    Adj_band_high = {179, 520};
    EditorWindow::Form_Load();  // size and place, link timers off, flags clear
    Show();
    const double w = Width(), h = Height();
    auto twips = [](double v) { return static_cast<int>(v); };
    TabStrip1.Move(100, 100, twips(w / 1.1), twips(h / 1.5));
    Frame_Frame.Move(300, 600, twips(w / 1.2), twips(h / 1.8));
    Frame_Sql.Move(300, 600, twips(w / 1.2), twips(h / 1.7));
    Frame_Dev.Move(300, 600, twips(w / 1.6), twips(h / 1.65));
    Frame_Other.Move(300, 600, twips(w / 1.4), twips(h / 1.8));
    Place_pages();
    ProgressBar1.setVisible(false);
    Layout_adj_window();
    Adj_page = 0;
    Frame_Frame.setVisible(true);
    Frame_Sql.setVisible(false);
    Frame_Dev.setVisible(false);
    Frame_Other.setVisible(false);
    Show_adj_page();
    Timer4.setInterval(kPollMs);
    Timer4.setEnabled(true);
}

void frm_Adj_Txp::TabStrip1_Click() {
    const std::string& key = TabStrip1.SelectedKey();
    for (int p = 0; p < 5; ++p)
        if (key == kPages[p].key) {
            Select_page(p);
            if (p == 0) Show_adj_page();  // the high-power tab shows its page twice
            break;
        }
    Show_adj_page();
}

void frm_Adj_Txp::Select_page(int page) {
    Adj_page = static_cast<int16_t>(page);
    setCaption(kPages[page].title);
    if (page <= 1) Frame_Frame.setCaption(kPages[page].title);
    ui::Frame* frames[5] = {&Frame_Frame, &Frame_Frame, &Frame_Sql, &Frame_Dev, &Frame_Other};
    for (ui::Frame* f : {&Frame_Frame, &Frame_Sql, &Frame_Dev, &Frame_Other})
        if (f != frames[page]) f->setVisible(false);
    frames[page]->setVisible(true);
}

void frm_Adj_Txp::Command_def_Click() {
    Clear_progress();
    Load_adj_defaults(app.Adj_defaults);
    app.Adj_table = app.Adj_defaults;
    Show_adj_page();
}

namespace {

// Loads a dialog, or brings an open one to the front.
void Bring_up_dialog(ui::Form* f) {
    if (!f) return;
    if (f->Loaded())
        f->Show();
    else
        App::Open(*f);
}

}  // namespace

void frm_Adj_Txp::Command_open_Click() {
    if (Refuse_if_busy()) return;
    Bring_up_dialog(app.Form_named("Form_open_adj"));
}

void frm_Adj_Txp::Command_save_Click() {
    if (!Prepare_save()) return;
    Bring_up_dialog(app.Form_named("Form_save_adj"));
}

// The alignment file requests (adj_files.h), strictly in the order they
// were confirmed, each taken from the list before it is served. A load
// waits while the window's own read or write runs (the radio would get
// parts of two tables), and every request after it waits with it: a save
// confirmed after a load must not overtake it, or the load would read the
// table just saved instead of the file it chose. A save holds its own
// table, so waiting costs it nothing; one with no load before it is served
// at once.
void frm_Adj_Txp::Timer4_Timer() { Serve_file_requests(false); }

void frm_Adj_Txp::Serve_file_requests(bool closing) {
    auto& q = app.Adj_file_requests;
    // A message box lets the poll run again, which may take requests too:
    // always the first one still waiting.
    while (!q.empty()) {
        if (!closing && !q.front().save && Busy()) return;
        const App::AdjFileRequest r = std::move(q.front());
        q.pop_front();
        if (closing) {
            Serve_adj_file_request(app, r, nullptr);
        } else if (Serve_adj_file_request(app, r, [this] { Show_adj_page(); }) && !r.save) {
            Clear_progress();
        }
    }
}

// A request still waiting when the window closes is served now (no page to
// show), so none outlives the window; at the program's end it is dropped,
// as every edit not saved is.
void frm_Adj_Txp::Form_Unload(int& Cancel) {
    EditorWindow::Form_Unload(Cancel);
    if (Cancel && UnloadMode() != ui::vbFormMDIForm) return;
    if (UnloadMode() == ui::vbFormMDIForm) {
        app.Adj_file_requests.clear();
        return;
    }
    Timer4.setEnabled(false);
    Serve_file_requests(true);
}

// The exchange shows the completion texts after this (adj_exchange.h).
void frm_Adj_Txp::Read_complete() {
    Unpack_adj_reply(app);
    Show_adj_page();
}

}  // namespace bx
