#include "editors/options/frm_option.h"

#include <algorithm>

#include "appstate/app.h"
#include "editors/options/options_choices.h"
#include "model/defaults.h"
#include "model/numtext.h"

namespace bx {

using options::Setting_rows;
using options::Vfo_rows;

namespace {

// The window's size from the main window; its refusals while its own
// exchange runs are the editors' usual ones.
constexpr EditorRow kOptionRow{.link = &link_rows::frm_option,
                               .width_div = 1.48f,
                               .height_div = 1.16f,
                               .data = {DataSet::Image, area::kOptionArea}};

constexpr int kListH = 330;   // a list or text box, twips
constexpr int kLabelH = 285;  // a one-line label
constexpr int kRowPad = 75;       // a frame's rows from its sides
constexpr int kLabelSpace = 45;   // between a label and its list
constexpr int kUnitW = 480;       // a unit label after a box
constexpr int kBoxChrome = 330;   // a text box's frame and margins beside its text

}  // namespace

frm_option::frm_option(App& a)
    : EditorWindow(a, "frm_option", kOptionRow) {
    auto swallow = [](int& k) { k = 0; };
    for (size_t i = 0; i < Setting_rows.size(); ++i) {
        const options::SettingRow& r = Setting_rows[i];
        setting_labels_.push_back(std::make_unique<ui::Label>(*this, r.label));
        setting_lists_.push_back(std::make_unique<ui::ComboBox>(*this, r.list));
        setting_lists_.back()->Click = [this, i] { Setting_Click(i); };
        setting_lists_.back()->KeyPress = swallow;
    }
    vfo_[0].Text_Freq = &Text_Freq_a;
    vfo_[0].Text_Range = &Text_Range_A;
    vfo_[1].Text_Freq = &Text_Freq_b;
    vfo_[1].Text_Range = &Text_Range_B;
    for (int v = 0; v < 2; ++v) {
        Vfo& f = vfo_[static_cast<size_t>(v)];
        for (size_t i = 0; i < Vfo_rows.size(); ++i) {
            f.labels.push_back(std::make_unique<ui::Label>(*this, Vfo_rows[i].label[v]));
            f.lists.push_back(std::make_unique<ui::ComboBox>(*this, Vfo_rows[i].list[v]));
            f.lists.back()->Click = [this, v, i] { Vfo_list_Click(v, i); };
            f.lists.back()->KeyPress = swallow;
        }
        f.Text_Freq->KeyPress = [this, v](int& k) { Text_Freq_KeyPress(v, k); };
        f.Text_Freq->Change = [this, v] { Text_Freq_Change(v); };
        f.Text_Freq->LostFocus = [this, v] { Text_Freq_LostFocus(v); };
    }
    ui::TextBox* lines[2] = {&Text_PON_MSG_U, &Text_PON_MSG_D};
    for (int n = 0; n < 2; ++n) {
        lines[n]->Change = [this, n] { Text_PON_MSG_Change(n); };
        lines[n]->KeyPress = [this, n](int& k) { Text_PON_MSG_KeyPress(n, k); };
        lines[n]->LostFocus = [this] { Text_PON_MSG_LostFocus(); };
    }
    codes_ = {{{&Text_ANI, &layout::Option_block::Ani},
               {&Text_PttId_Begin, &layout::Option_block::PttId_Begin},
               {&Text_PttId_End, &layout::Option_block::kPttIdEnd}}};
    for (size_t n = 0; n < codes_.size(); ++n) {
        codes_[n].box->Change = [this, n] { Text_code_Change(n); };
        codes_[n].box->KeyPress = [this, n](int& k) { Text_code_KeyPress(n, k); };
    }
    Text_ANI.LostFocus = [this] { Text_ANI_LostFocus(); };

    // The boxes whose leave does more than their Change stores, with that
    // leave: an edit still in one is committed by it before the window's
    // Write and Save, the main window's Save, deactivation and unload.
    edit_boxes_ = {{{&Text_Freq_a, [this] { Text_Freq_LostFocus(0); }},
                    {&Text_Freq_b, [this] { Text_Freq_LostFocus(1); }},
                    {&Text_PON_MSG_U, [this] { Text_PON_MSG_LostFocus(); }},
                    {&Text_PON_MSG_D, [this] { Text_PON_MSG_LostFocus(); }},
                    {&Text_ANI, [this] { Text_ANI_LostFocus(); }}}};
    // A box's text when it takes the focus counts as shown: a leave that
    // judged it and let it stand (the ANI box) is not asked again.
    for (EditBox& e : edit_boxes_) e.box->GotFocus = [&e] { e.box->Take_as_shown(); };

    Wire_wholesale(Command_def, &Editor_row().busy, [this] { Command_def_Click(); });
    Command_close.Click = [this] { Close_button(); };
    Command_open.Click = [this] { Command_open_Click(); };
    Command_save.Click = [this] { Command_save_Click(); };

    // Which frame holds what.
    ui::Frame* setting_frame[] = {&Frame5, &Frame4, &Frame6, &Frame3};
    for (size_t i = 0; i < Setting_rows.size(); ++i) {
        ui::Frame* fr = setting_frame[static_cast<size_t>(Setting_rows[i].frame)];
        setting_lists_[i]->setContainer(fr);
        setting_labels_[i]->setContainer(fr);
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label_Freq_a, &Text_Freq_a, &Label_Mhz_Freq_a,
                                                              &Label_Range_A, &Text_Range_A, &Label_Mhz_Range_A})
        c->setContainer(&Frame_A);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label_Freq_b, &Text_Freq_b, &Label_Mhz_Freq_b,
                                                              &Label_Range_B, &Text_Range_B, &Label_Mhz_Range_B})
        c->setContainer(&Frame_B);
    for (int v = 0; v < 2; ++v)
        for (size_t i = 0; i < Vfo_rows.size(); ++i) {
            ui::Frame* fr = v == 0 ? &Frame_A : &Frame_B;
            Vfo_list(v, i).setContainer(fr);
            Vfo_label(v, i).setContainer(fr);
        }
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label_Ponmsg_Txt, &Text_PON_MSG_U, &Text_PON_MSG_D})
        c->setContainer(&Frame1);
    Label_ANI.setContainer(&Frame4);
    Text_ANI.setContainer(&Frame4);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Label_Send_Begin, &Text_PttId_Begin, &Label_Send_End, &Text_PttId_End})
        c->setContainer(&Frame6);
}

ui::ComboBox* frm_option::List(const std::string& name) const { return dynamic_cast<ui::ComboBox*>(control(name)); }

const char* frm_option::T(const char* chn, const char* eng) const { return L(app.Lang_chinese, chn, eng); }

// ---- load, activation, unload ----

void frm_option::Build() {
    EditorWindow::Build();  // timers off, the stored password
    Text_Range_A.setLocked(true);
    Text_Range_B.setLocked(true);
    for (ui::Label* l : {&Label_Mhz_Freq_a, &Label_Mhz_Range_A, &Label_Mhz_Freq_b, &Label_Mhz_Range_B})
        l->setCaption("MHZ");
}

void frm_option::Form_Load() {
    // Timers off, port closed, the seven flags clear; sized and centred on
    // the main window.
    EditorWindow::Form_Load();
    Set_captions();
    Fill_option_lists();
    Place_controls();  // after the lists: the first column fits their entries
    Show_option_data();
    ProgressBar1.setVisible(false);
    Follow_limits_changed();
}

void frm_option::Form_Activate() {
    EditorWindow::Form_Activate();
    Show_option_data();
}

// A full read or a data-file load replaced the image while the window was
// open, maybe in front: it shows the new image at once, and the mirror that
// every pick copies back is the new block before any pick can store it.
void frm_option::Image_replaced() { Show_option_data(); }

void frm_option::Set_captions() {
    const bool chn = app.Lang_chinese != 0;
    for (const options::Caption& c : options::Window_captions) {
        const char* t = chn ? c.chn : c.eng;
        if (name() == c.control) {
            setCaption(t);
        } else if (auto* b = dynamic_cast<ui::CommandButton*>(control(c.control))) {
            b->setCaption(t);
        } else if (auto* l = dynamic_cast<ui::Label*>(control(c.control))) {
            l->setCaption(t);
        } else if (auto* f = dynamic_cast<ui::Frame*>(control(c.control))) {
            f->setCaption(t);
        }
    }
    for (size_t i = 0; i < Setting_rows.size(); ++i)
        Setting_label(i).setCaption(chn ? Setting_rows[i].label_chn : Setting_rows[i].label_eng);
    for (int v = 0; v < 2; ++v) {
        for (size_t i = 0; i < Vfo_rows.size(); ++i)
            Vfo_label(v, i).setCaption(chn ? Vfo_rows[i].label_chn : Vfo_rows[i].label_eng);
        for (const options::Caption& c : options::Vfo_text_labels[v])
            static_cast<ui::Label*>(control(c.control))->setCaption(chn ? c.chn : c.eng);
    }
    for (const options::Caption& c : options::Text_labels)
        static_cast<ui::Label*>(control(c.control))->setCaption(chn ? c.chn : c.eng);
}

// ---- layout ----

namespace {

// One row of a frame: a label, its control, an optional unit label, and the
// share of the row the label takes when it differs from the frame's.
struct Row {
    ui::Control* label;
    ui::Control* field;
    ui::Control* unit = nullptr;
    double label_share = -1;
};

constexpr int kMinRowGap = 45;  // between two rows that need all the room they can get

// The width a row's control needs to show its text: a list its widest
// entry, a text box what it holds; with the unit label after it.
int field_need(const ui::Runtime& rt, const Row& r) {
    int w = 0;
    if (auto* l = dynamic_cast<const ui::ComboBox*>(r.field)) {
        for (int k = 0; k < l->ListCount(); ++k) w = std::max(w, rt.text_width(l->List(k)));
        w += options_choice::kListChrome;
    } else if (auto* t = dynamic_cast<const ui::TextBox*>(r.field)) {
        // At least a frequency, the widest value these boxes show (the
        // window lays itself out before it shows its values).
        w = std::max(rt.text_width(t->Text()), rt.text_width("000.00000")) + kBoxChrome;
    }
    return w + (r.unit ? kUnitW : 0);
}

// Lays the rows out down the frame, labels on the left. A label as high as
// its caption needs at its width, wrapped onto a second line when long; the
// labels take a wider share of the frame (never more than their controls
// leave) when the rows would not fit its height otherwise. The rows are
// spread evenly when the highest fits every place, else each gets its own
// height and the rest is shared out.
void place_rows(const ui::Runtime& rt, const ui::Frame& frame, const std::vector<Row>& rows, double label_share) {
    constexpr int kPad = kRowPad, kBottom = 75, kSpace = kLabelSpace;
    if (rows.empty()) return;
    const int n = static_cast<int>(rows.size());
    const int top = frame.Caption().empty() ? 120 : 270;
    const int avail = frame.Height() - top - kBottom;
    const int inner = frame.Width() - 2 * kPad;
    const int field_h = std::max(kListH, rt.field_height());
    auto label_w = [&](const Row& r, double share) {
        return r.label ? static_cast<int>(inner * (r.label_share >= 0 ? r.label_share : share)) : 0;
    };
    auto caption_h = [&](const Row& r, double share) {
        auto* l = dynamic_cast<const ui::Label*>(r.label);
        return l ? rt.text_height(l->Caption(), label_w(r, share) - kSpace) : 0;
    };
    auto need = [&](double share, std::vector<int>& h) {
        int total = (n - 1) * kMinRowGap;
        h.assign(rows.size(), 0);
        for (size_t i = 0; i < rows.size(); ++i) total += h[i] = std::max(field_h, caption_h(rows[i], share));
        return total;
    };
    double most = 1.0;
    for (const Row& r : rows)
        if (r.label && r.label_share < 0) most = std::min(most, 1.0 - static_cast<double>(field_need(rt, r)) / inner);
    most = std::max(most, label_share);
    double share = label_share;
    std::vector<int> h;
    while (need(share, h) > avail && share < most) share = std::min(most, share + 0.01);
    const int highest = *std::max_element(h.begin(), h.end());
    int sum = 0;
    for (int v : h) sum += v;
    const bool even = highest * n <= avail;
    const int extra = even ? 0 : std::max(0, avail - sum) / n;
    int y = top;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const int pitch = even ? avail / n : h[i] + extra;
        const int field_y = y + (pitch - kListH) / 2;
        const int lw = label_w(r, share);
        int field_x = kPad + lw;
        int field_w = inner - lw;
        if (r.label) {
            const int lh = std::max(kLabelH, caption_h(r, share));
            r.label->Move(kPad, y + (pitch - lh) / 2, lw - kSpace, lh);
        }
        if (r.unit) {
            field_w -= kUnitW;
            r.unit->Move(field_x + field_w + kSpace, field_y + (kListH - kLabelH) / 2, kUnitW - kSpace, kLabelH);
        }
        r.field->Move(field_x, field_y, field_w, kListH);
        y += pitch;
    }
}

// The runs of letters between blanks, where a label may wrap.
std::vector<std::string> split_words(const std::string& text) {
    std::vector<std::string> words;
    std::string w;
    for (char ch : text + ' ') {
        if (ch != ' ') {
            w += ch;
        } else if (!w.empty()) {
            words.push_back(w);
            w.clear();
        }
    }
    return words;
}

}  // namespace

// The first column's labels on one line, with the room before their lists.
int frm_option::First_label_need() const {
    int w = 0;
    for (size_t i = 0; i < Setting_rows.size(); ++i)
        if (Setting_rows[i].frame == options::FrameId::Frame5)
            w = std::max(w, rt().text_width(setting_labels_[i]->Caption()));
    return w + kLabelSpace + 30;  // 30: a pixel or two to spare
}

// The first column wide enough for its labels and its widest list entry.
int frm_option::First_column_need() const {
    int list_w = 0;
    for (size_t i = 0; i < Setting_rows.size(); ++i) {
        if (Setting_rows[i].frame != options::FrameId::Frame5) continue;
        const ui::ComboBox& l = *setting_lists_[i];
        for (int k = 0; k < l.ListCount(); ++k) list_w = std::max(list_w, rt().text_width(l.List(k)));
    }
    return 2 * kRowPad + First_label_need() + list_w + options_choice::kListChrome;
}

void frm_option::Place_controls() {
    constexpr int kMargin = 120, kGap = 90, kButtonH = 420, kBarH = 300;
    const int sw = ScaleWidth(), sh = ScaleHeight();
    const int buttons_top = sh - kMargin - kButtonH;
    const int bar_top = buttons_top - kGap - kBarH;
    const int top = 60;
    const int frames_h = bar_top - kGap - top;
    const int upper_h = static_cast<int>(frames_h * options_choice::kUpperShare);
    const int lower_top = top + upper_h + kGap;
    const int lower_h = frames_h - upper_h - kGap;
    const int avail = sw - 2 * kMargin - 3 * kGap;
    int x[4], w[4];
    for (int c = 0; c < 4; ++c) w[c] = static_cast<int>(avail * options_choice::kColumnShare[c]);
    w[0] = std::clamp(First_column_need(), static_cast<int>(avail * options_choice::kFirstColumnMin),
                      static_cast<int>(avail * options_choice::kFirstColumnMax));
    w[1] = w[2] = (avail - w[0] - w[3]) / 2;
    for (int c = 0, at = kMargin; c < 4; ++c) {
        x[c] = at;
        at += w[c] + kGap;
    }
    Frame5.Move(x[0], top, w[0], frames_h);
    Frame_A.Move(x[1], top, w[1], upper_h);
    Frame4.Move(x[1], lower_top, w[1], lower_h);
    Frame_B.Move(x[2], top, w[2], upper_h);
    Frame6.Move(x[2], lower_top, w[2], lower_h);
    const int f1_h = upper_h * 3 / 10;
    Frame1.Move(x[3], top, w[3], f1_h);
    Frame3.Move(x[3], top + f1_h + kGap, w[3], upper_h - f1_h - kGap);
    Frame2.Move(x[3], lower_top, w[3], lower_h);
    ProgressBar1.Move(x[0], bar_top, x[1] + w[1] - x[0], kBarH);
    Label_tr_count.Move(x[2], bar_top + (kBarH - kLabelH) / 2, w[2], kLabelH);
    ui::CommandButton* buttons[] = {&Command_read, &Command_Write, &Command_def,
                                    &Command_save, &Command_open, &Command_close};
    const int span = x[2] + w[2] - x[0];
    const int bw = (span - 5 * kGap) / 6;
    for (int i = 0; i < 6; ++i) buttons[i]->Move(x[0] + i * (bw + kGap), buttons_top, bw, kButtonH);
    const int pw_label = w[3] * 45 / 100;
    Label_PassWord.Move(x[3], buttons_top + (kButtonH - kLabelH) / 2, pw_label, kLabelH);
    Text_PassWord.Move(x[3] + pw_label, buttons_top + (kButtonH - kListH) / 2, w[3] - pw_label, kListH);

    // The settings, frame by frame, in the order of their positions.
    std::vector<Row> rows5, rows4, rows6, rows3;
    std::vector<Row>* by_frame[] = {&rows5, &rows4, &rows6, &rows3};
    for (size_t i = 0; i < Setting_rows.size(); ++i)
        by_frame[static_cast<size_t>(Setting_rows[i].frame)]->push_back({&Setting_label(i), &Setting_list(i)});
    rows4.push_back({&Label_ANI, &Text_ANI});
    rows6.push_back({&Label_Send_Begin, &Text_PttId_Begin});
    rows6.push_back({&Label_Send_End, &Text_PttId_End});
    place_rows(rt(), Frame5, rows5, static_cast<double>(First_label_need()) / (w[0] - 2 * kRowPad));
    place_rows(rt(), Frame4, rows4, 0.48);
    place_rows(rt(), Frame6, rows6, 0.48);
    place_rows(rt(), Frame3, rows3, 0.6);
    place_rows(rt(), Frame1, {{nullptr, &Label_Ponmsg_Txt}, {nullptr, &Text_PON_MSG_U}, {nullptr, &Text_PON_MSG_D}}, 0);

    // Each VFO: frequency, band, range, then the other lists in display order.
    // A VFO label may wrap, but no word of it is cut.
    int word_w = 0;
    std::vector<const ui::Label*> vfo_labels{&Label_Freq_a, &Label_Range_A};
    for (size_t i = 0; i < Vfo_rows.size(); ++i) vfo_labels.push_back(&Vfo_label(0, i));
    for (const ui::Label* l : vfo_labels)
        for (const std::string& word : split_words(l->Caption())) word_w = std::max(word_w, rt().text_width(word));
    const double vfo_share = std::max(0.36, static_cast<double>(word_w + kLabelSpace + 30) / (w[1] - 2 * kRowPad));
    const int vfo_inner = w[1] - 2 * kRowPad;
    int range_word = 0;
    for (const std::string& word : split_words(Label_Range_A.Caption()))
        range_word = std::max(range_word, rt().text_width(word));
    const int range_box = rt().text_width("000 - 000.0000") + kBoxChrome;
    const double range_share =
        std::max(static_cast<double>(range_word + kLabelSpace + 15),
                 std::min(vfo_share * vfo_inner, static_cast<double>(vfo_inner - kUnitW - range_box))) /
        vfo_inner;
    ui::Label* freq_unit[] = {&Label_Mhz_Freq_a, &Label_Mhz_Freq_b};
    ui::Label* range_unit[] = {&Label_Mhz_Range_A, &Label_Mhz_Range_B};
    for (int v = 0; v < 2; ++v) {
        std::vector<size_t> order(Vfo_rows.size());
        for (size_t i = 0; i < order.size(); ++i) order[static_cast<size_t>(Vfo_rows[i].display_rank)] = i;
        const options::Caption* texts = options::Vfo_text_labels[v];
        std::vector<Row> rows;
        rows.push_back({control(texts[0].control), vfo_[static_cast<size_t>(v)].Text_Freq, freq_unit[v]});
        rows.push_back({&Vfo_label(v, order[0]), &Vfo_list(v, order[0])});
        // The range box is the widest text of the frame: its label gives way
        // to it (down to the longest word of the label).
        rows.push_back({control(texts[1].control), vfo_[static_cast<size_t>(v)].Text_Range, range_unit[v], range_share});
        for (size_t k = 1; k < order.size(); ++k) rows.push_back({&Vfo_label(v, order[k]), &Vfo_list(v, order[k])});
        place_rows(rt(), v == 0 ? Frame_A : Frame_B, rows, vfo_share);
    }
}

// ---- buttons ----

void frm_option::Command_def_Click() {
    Clear_progress();
    app.Chann_count = 200;
    Load_option_defaults(app.Option_settings, app.Mem_image);
    Show_option_data();
}

// The data-file dialogs belong to the shell: the window finds them by name.
// A focused box whose text the user changed since it took the focus (or
// since the window last showed the image) is left as the user would leave
// it: the same checks, messages and redraw.
void frm_option::Commit_pending_edit() {
    EditorWindow::Commit_pending_edit();
    if (!Loaded()) return;
    for (EditBox& e : edit_boxes_) {
        if (!e.box->focused() || !e.box->Edited()) continue;
        e.box->Take_as_shown();
        e.leave();
        e.box->Take_as_shown();
        return;
    }
}

void frm_option::Command_open_Click() {
    if (Refuse_if_busy()) return;
    // A dialog still open comes forward as the user left it.
    if (ui::Form* f = Image_dialog(false)) f->Show();
}

void frm_option::Command_save_Click() {
    if (!Prepare_save()) return;
    if (ui::Form* f = Image_dialog(true)) App::Reopen(*f);
}


}  // namespace bx
