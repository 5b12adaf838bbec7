// What the read and the write window add to the link window: their action
// button (a member of each), Cancel and Help, the fourth timer that unloads
// the window on request, the window's size and place on the main window,
// its layout and captions.
#pragma once

#include "link/link_window.h"

namespace bx {

class TransferWindow : public LinkWindow {
public:
    ui::CommandButton Command_Cancel{*this, "Command_Cancel"};
    ui::CommandButton Command_Help{*this, "Command_Help"};
    ui::Timer Timer4{*this, "Timer4"};

    int16_t Close_request = 0;

    void Command_Cancel_Click();
    void Command_Help_Click() {}
    void Timer4_Timer();

protected:
    // Captions of the window and of its action button, Chinese and English.
    struct Texts {
        const char* caption_chn;
        const char* caption_eng;
        const char* action_chn;
        const char* action_eng;
    };
    // action is the window's own button, a member of the derived window: only
    // its reference is kept here.
    TransferWindow(App& app, const char* name, const Link_params& row, Texts texts, ui::CommandButton& action);

    void Build() override;
    void Form_Load() override;

private:
    // Places the controls to fit the window's size (set by Form_Load).
    void Place_controls();

    Texts texts_;
    ui::CommandButton& action_;
};

}  // namespace bx
