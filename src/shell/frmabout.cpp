#include "shell/frmabout.h"

#include <algorithm>

#include "appstate/app.h"
#include "model/lang.h"
#include "shell/mdimain.h"
#include "ui/placement.h"

namespace bx {

frmAbout::frmAbout(App& a) : ui::Form(a.rt, "frmAbout"), app(a) {
    set_fixed_size(true);
    chrome_w_ = 120;
    chrome_h_ = 450;
    cmdOk.Click = [this] { cmdOk_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
}

void frmAbout::Build() {
    picIcon.Move(240, 240, 720, 720);
    picIcon.setPicture(kAboutPicture);
    lblTitle.Move(1200, 300, 5640, 300);
    lblVersion.Move(1200, 720, 5640, 300);
    lblDescription.Move(1200, 1140, 5640, 540);
    lblDisclaimer.Move(240, kDisclaimerTop, 4080, 1800);
    cmdOk.Move(4560, 2400, 2400, 450);
    cmdSysInfo.Move(4560, 3000, 2400, 450);
    // OK answers both Enter and Escape.
    cmdOk.setDefault(true);
    cmdOk.setCancel(true);
    setWidth(kClient_w + chrome_w_);
    setHeight(kClient_h + chrome_h_);
}

void frmAbout::Form_Load() {
    Set_lang_texts(app.Lang_texts, app.Lang_chinese);
    const LangTexts& t = app.Lang_texts;
    lblTitle.setCaption(t.About_title);
    lblVersion.setCaption(t.About_version);
    lblDescription.setCaption(t.About_description);
    lblDisclaimer.setCaption(t.About_disclaimer);
    cmdOk.setCaption(t.About_ok_caption);
    cmdSysInfo.setCaption(t.About_sysinfo_caption);
    Fit_texts();
    const ui::Form& m = *app.MDImain;
    setTop((m.ScaleHeight() - Height()) / 2 - 500);
    setLeft((m.ScaleWidth() - Width()) / 2);
}

// Each text as high as it needs in the windows' font, the lines below it
// moving down, and the dialog as high as its lowest text or button.
void frmAbout::Fit_texts() {
    constexpr int kGap = 120, kBottom = 240;
    int y = lblTitle.Top();
    for (ui::Label* l : {&lblTitle, &lblVersion, &lblDescription}) {
        l->setTop(std::max(l->Top(), y));
        l->setHeight(ui::fitted_height(*l));
        y = l->Top() + l->Height() + kGap;
    }
    lblDisclaimer.setTop(std::max(kDisclaimerTop, y));
    lblDisclaimer.setHeight(ui::fitted_height(lblDisclaimer));
    const int bottom = std::max(lblDisclaimer.Top() + lblDisclaimer.Height(), cmdSysInfo.Top() + cmdSysInfo.Height());
    setHeight(std::max(kClient_h, bottom + kBottom) + chrome_h_);
}

void frmAbout::cmdOk_Click() { App::Unload(*this); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() {
    // The platform finds the program and starts it without waiting for it.
    if (rt().start_system_info()) return;
    MsgBox("此时系统信息不可用", ui::vbOKOnly, "");
}

}  // namespace bx
