// The about dialog: the program's title, maker, designer and legal lines in
// the current language, a picture, OK and a button that starts the
// platform's system-information program.
#pragma once

#include "ui/all.h"

namespace bx {

class App;

class frmAbout : public ui::Form {
public:
    explicit frmAbout(App& app);

    App& app;

    // Client size of the dialog as drawn, in twips; it grows downwards when
    // its texts need more room in the windows' font.
    static constexpr int kClient_w = 7200, kClient_h = 3900;
    static constexpr int kDisclaimerTop = 1920;

    ui::PictureBox picIcon{*this, "picIcon"};
    ui::Label lblTitle{*this, "lblTitle"};
    ui::Label lblVersion{*this, "lblVersion"};
    ui::Label lblDescription{*this, "lblDescription"};
    ui::Label lblDisclaimer{*this, "lblDisclaimer"};
    ui::CommandButton cmdOk{*this, "cmdOk"};
    ui::CommandButton cmdSysInfo{*this, "cmdSysInfo"};

    void cmdOk_Click();
    void cmdSysInfo_Click();
    // Starts the system-information program, or says that there is none.
    void StartSysInfo();

protected:
    void Build() override;
    void Form_Load() override;

private:
    void Fit_texts();
};

// The picture the about dialog shows.
inline constexpr const char* kAboutPicture = "about";

}  // namespace bx
