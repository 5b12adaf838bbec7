// The password change window: checks the typed old password against the
// radio's password record (radio 0x3DF0) and writes the record back with the
// new password 1, password 2 unchanged. It stands on LinkWindow without
// progress display or password box: the port, Timer1-Timer3, the machine's
// start and end, send pump, time-out and pause (row Form_Write_PassWord) and
// the unload rule are the base's; its three stages are this window's own
// receive handler.
#pragma once

#include <array>
#include <cstdint>

#include "appstate/editor_ids.h"
#include "link/link_window.h"

namespace bx {

class Form_Write_PassWord : public LinkWindow {
public:
    explicit Form_Write_PassWord(App& app);

    ui::Label Label_old_PassWord{*this, "Label_old_PassWord"};
    ui::Label Label_New_Password_1{*this, "Label_New_Password_1"};
    ui::Label Label_New_PassWord_2{*this, "Label_New_PassWord_2"};
    ui::TextBox Text_Old_PassWord{*this, "Text_Old_PassWord"};
    ui::TextBox Text_New_Password_1{*this, "Text_New_Password_1"};
    ui::TextBox Text_New_PassWord_2{*this, "Text_New_PassWord_2"};
    ui::CommandButton Command_Write{*this, "Command_Write"};
    ui::CommandButton Command_Cancel{*this, "Command_Cancel"};
    // Timer1 sends, Timer2 is the reply time-out, Timer3 the pause before
    // the failure report (the base's); Timer4 closes the window after the
    // record write.
    ui::Timer Timer4{*this, "Timer4"};

    // Character codes of the old and the new password, slots 0..5 used,
    // blank-padded.
    std::array<int32_t, 17> PassWord_old{};
    std::array<int32_t, 17> PassWord_new{};
    // Set when the radio has accepted the record write: Timer4 closes the
    // window.
    int16_t Close_request = 0;

    // A request of the exchange is out (LinkMachine::Awaiting_reply): from
    // the start until the time-out or the end.
    bool Busy() const { return Link.Awaiting_reply(); }

    void Command_Write_Click();
    void Command_Cancel_Click();
    void Text_Old_PassWord_Change();
    void Timer4_Timer();
    void MSC_OnComm();

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

private:
    // Places the controls to fit the window's size (set by Form_Load).
    void Place_controls();
    void Send_frame();
    // The stages, by the machine's Link.st.Stage (set 0 by the start): 0
    // waits for the identification, 1 for the read of the record area, 2
    // for the answer to the record write.
    void Ident_stage();
    void Request_record_area();
    void Record_stage();
    void Answer_stage(uint8_t answer);
    void Msg(const link_text::Pair& t, const char* eng_title);

    // Counts the loads, so that what follows a message box acts only on the
    // window that showed it, never on one closed or opened anew meanwhile.
    uint64_t loads_ = 0;
};

}  // namespace bx

BX_EDITOR_WINDOW(Form_Write_PassWord);
