#include "editors/editor_window.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "appstate/app.h"
#include "model/lang.h"
#include "ui/cell_overlay.h"

namespace bx {

EditorWindow::EditorWindow(App& a, const char* name, const EditorRow& row)
    : LinkWindow(a, name, *row.link,
                 Parts{.progress = true,
                       .password = row.password,
                       .stored_password = kStoredPassword,
                       .busy_unload = &row.unload,
                       .busy_unload_title = row.eng_title}),
      erow_(row) {
    Command_read.Click = [this] { Command_read_Click(); };
    Command_Write.Click = [this] { Command_Write_Click(); };
    Link.On_read_complete = [this] {
        app.Data_replaced(erow_.data);
        Drop_cell_editors();
        Read_complete();
    };
    Link.On_write_complete = [this] { Write_complete(); };
}

void EditorWindow::Build() {
    LinkWindow::Build();
    // The editors' bar is visible as designed; the link windows hide theirs.
    ProgressBar1.setVisible(true);
}

void EditorWindow::Form_Load() {
    LinkWindow::Form_Load();  // timers off, port closed, the seven flags clear
    Place_from_main();
    Follow_image_replaced();
}

// Coming back never loses what the user typed: an edit still open (the
// window behind was never told it went behind, say) is committed as leaving
// it would, then the overlays go and the window redraws from the image.
void EditorWindow::Form_Activate() {
    Commit_pending_edit();
    Drop_cell_editors();
    // The keys go on where the user left them: a cell editor the focus left
    // the window from is gone, so its grid takes them, at its current cell.
    if (ActiveControl() && ActiveControl()->usable()) return;
    for (ui::Control* c : controls())
        if (auto* o = dynamic_cast<ui::CellOverlay*>(c);
            o && (&o->editor() == ActiveControl() || &o->editor() == FocusLeftFrom())) {
            o->grid().SetFocus();
            return;
        }
}

// The window now in front keeps the focus: the commit runs as leaving the
// cell would, but what it does to the focus (a new channel's grid, a box
// given back after its message) stays inside this window.
void EditorWindow::Form_Deactivate() {
    ui::Form::FocusHold hold(*this);
    Commit_pending_edit();
}

void EditorWindow::Drop_cell_editors() {
    for (ui::Control* c : controls())
        if (auto* o = dynamic_cast<ui::CellOverlay*>(c)) o->drop();
}

void EditorWindow::Commit_pending_edit() {
    if (!Loaded()) return;
    // One leave per grid, whichever of its overlays is open.
    std::vector<ui::Grid*> grids;
    for (ui::Control* c : controls()) {
        auto* o = dynamic_cast<ui::CellOverlay*>(c);
        if (!o || !o->on(o->grid().Row(), o->grid().Col())) continue;
        if (std::find(grids.begin(), grids.end(), &o->grid()) == grids.end()) grids.push_back(&o->grid());
    }
    for (ui::Grid* g : grids) g->leave_current();
}

void Commit_all_pending_edits(App& app) {
    for (int i = 0; i < kEditorCount; ++i)
        if (auto* e = dynamic_cast<EditorWindow*>(app.Window(static_cast<EditorId>(i))); e && e->Loaded())
            e->Commit_pending_edit();
}

void EditorWindow::Place_from_main() {
    const MainWindow& m = app.main_window;
    if (!m.Bound()) return;
    auto twips = [](float v) { return static_cast<int>(std::lround(v)); };
    setWidth(twips(static_cast<float>(m.Width()) / erow_.width_div));
    setHeight(twips(static_cast<float>(m.Height()) / erow_.height_div));
    // The size the window really took places it.
    setTop(twips(static_cast<float>(m.ScaleHeight() - Height()) / erow_.top_div));
    setLeft(twips(static_cast<float>(m.ScaleWidth() - Width()) / 2));
}

int EditorWindow::Grow_within_main(int more) {
    const MainWindow& m = app.main_window;
    if (!m.Bound() || more <= 0) return 0;
    const int grow = std::clamp(m.ScaleHeight() - Height(), 0, more);
    if (grow == 0) return 0;
    setHeight(Height() + grow);
    setTop(static_cast<int>(std::lround(static_cast<float>(m.ScaleHeight() - Height()) / erow_.top_div)));
    return grow;
}

void EditorWindow::Warn(const link_text::Pair& text) {
    const int16_t chn = app.Lang_chinese;
    MsgBox(L(chn, text.chn, text.eng), ui::vbExclamation, L(chn, link_text::kTitleChn, erow_.eng_title));
}

bool EditorWindow::Commit_judged(const std::function<void()>& message, const std::function<void()>& apply) {
    const uint64_t mark = app.Data_mark(erow_.data);
    message();
    if (!Loaded() || app.Data_mark(erow_.data) != mark) return false;
    apply();
    return true;
}

bool EditorWindow::Refuse_if_busy() {
    if (!Busy()) return false;
    Warn(erow_.busy);
    return true;
}

void EditorWindow::Wire_wholesale(ui::CommandButton& button, const link_text::Pair* own_busy,
                                  std::function<void()> act) {
    button.Click = [this, own_busy, act = std::move(act)] {
        if (Refuse_while_write_runs(app)) return;
        if (own_busy && Busy()) {
            Warn(*own_busy);
            return;
        }
        Drop_cell_editors();
        act();
    };
}

void EditorWindow::Close_button() {
    if (Busy()) {
        Warn(erow_.close);
        return;
    }
    App::Try_unload(*this);
}

void EditorWindow::Close_with_image_dialogs() {
    if (Busy()) {
        Warn(erow_.close);
        return;
    }
    if (MSC.PortOpen()) MSC.setPortOpen(false);
    if (!App::Try_unload(*this)) return;
    for (bool save : {false, true})
        if (ui::Form* f = Image_dialog(save); f && f->Loaded()) App::Unload(*f);
}

// One exchange at a time (the rule of the exchange start), asked before the
// window's own checks.
void EditorWindow::Command_read_Click() {
    if (Link.Refuse_if_busy() || !Read_checks()) return;
    Link.Read_button();
}

void EditorWindow::Command_Write_Click() {
    if (Link.Refuse_if_busy()) return;
    Commit_pending_edit();
    if (!Write_checks()) return;
    Link.Write_button();
}

// Closing while the window's own exchange runs is refused by the link
// window's unload rule (with the row's unload text), except at the
// program's end.
void EditorWindow::Form_Unload(int& Cancel) {
    // A closing window keeps what the user typed; not while its exchange
    // runs (the close is refused below) nor at the program's end, when
    // nothing could be saved any more.
    if (UnloadMode() != ui::vbFormMDIForm && !Busy()) Commit_pending_edit();
    LinkWindow::Form_Unload(Cancel);
    if (Cancel && UnloadMode() != ui::vbFormMDIForm) return;
    if (image_listener_ != 0) app.Remove_image_listener(image_listener_);
    image_listener_ = 0;
    if (limits_listener_ != 0) app.Remove_limits_listener(limits_listener_);
    limits_listener_ = 0;
}

void EditorWindow::Follow_image_replaced() {
    if (image_listener_ != 0) return;
    image_listener_ = app.Add_image_listener([this] {
        Drop_cell_editors();
        Image_replaced();
    });
}

void EditorWindow::Follow_limits_changed() {
    if (limits_listener_ != 0) return;
    limits_listener_ = app.Add_limits_listener([this] { Limits_changed(); });
}

ui::Form* EditorWindow::Image_dialog(bool save) const {
    return app.Form_named(save ? "Form_save_chann" : "Form_open_chann");
}

bool EditorWindow::Prepare_save() {
    if (Refuse_if_busy()) return false;
    Commit_pending_edit();
    return true;
}

void EditorWindow::Open_image_dialog(bool save) {
    if (save ? !Prepare_save() : Refuse_if_busy()) return;
    if (ui::Form* f = Image_dialog(save)) App::Open(*f);
}

void EditorWindow::Show_read_done(const link_text::Pair& label, const link_text::Pair& box) {
    ProgressBar1.setVisible(true);
    ProgressBar1.setValue(100);
    Label_tr_count.setCaption(Link.T(label));
    Link.Msg(box, link_text::kTitleEngP);
}

void EditorWindow::Show_write_done(const link_text::Pair& box, const link_text::Pair& label) {
    Link.Msg(box, link_text::kTitleEngP);
    Label_tr_count.setCaption(Link.T(label));
}

void EditorWindow::Clear_progress() {
    ProgressBar1.setVisible(false);
    ProgressBar1.setValue(0);
    Label_tr_count.setCaption("");
}

}  // namespace bx
