#include "link/transfer_window.h"

#include "appstate/app.h"
#include "ui/placement.h"

namespace bx {

namespace {
// The password box's text when the window loads; it counts only once the
// user edits it.
constexpr const char* kDefaultPassword = "402793";
}  // namespace

TransferWindow::TransferWindow(App& a, const char* name, const Link_params& row, Texts texts,
                               ui::CommandButton& action)
    : LinkWindow(a, name, row, {.stored_password = kDefaultPassword, .busy_unload = &link_text::kNoClose}),
      texts_(texts),
      action_(action) {
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
    Command_Help.Click = [this] { Command_Help_Click(); };
    Timer4.OnTimer = [this] { Timer4_Timer(); };
}

void TransferWindow::Build() {
    LinkWindow::Build();
    Timer4.setInterval(200);
    Timer4.setEnabled(true);
}

// The layout is drawn for the window on a 1920 x 1080 screen (a client area
// of 9480 x 4900 twips); a smaller window shrinks it to fit.
void TransferWindow::Place_controls() {
    const ui::ScaledLayout layout(*this, 9480, 4900);
    layout.place(Label_PassWord, 600, 450, 1500, 300);
    layout.place(Text_PassWord, 2200, 400, 1800, 360);
    layout.place(ProgressBar1, 600, 1300, 8000, 360);
    layout.place(Label_tr_count, 600, 1850, 8000, 300);
    layout.place(action_, 1200, 2900, 1800, 500);
    layout.place(Command_Cancel, 3900, 2900, 1800, 500);
    layout.place(Command_Help, 6600, 2900, 1800, 500);
}

void TransferWindow::Form_Load() {
    Close_request = 0;
    LinkWindow::Form_Load();
    const MainWindow& m = app.main_window;
    setWidth(m.Width() / 3);
    setHeight(m.Height() / 3);
    setLeft((m.Width() - Width()) / 2);
    setTop((m.Height() - Height()) / 3);
    Place_controls();
    const int16_t chn = app.Lang_chinese;
    setCaption(L(chn, texts_.caption_chn, texts_.caption_eng));
    action_.setCaption(L(chn, texts_.action_chn, texts_.action_eng));
    Command_Cancel.setCaption(L(chn, "取消", "Cancel"));
    Command_Help.setCaption(L(chn, "帮助", "Help"));
    Label_PassWord.setCaption(L(chn, "读写密码", "PassWord"));
}

// Cancel and the close box are refused alike while the exchange runs (the
// link window's unload rule, with the same text).
void TransferWindow::Command_Cancel_Click() { App::Try_unload(*this); }

// A close request waits for the exchange's report.
void TransferWindow::Timer4_Timer() {
    if (Close_request != 0 && !Link.Running()) App::Unload(*this);
}

}  // namespace bx
