// The port dialog: chooses COM1..COM12 for every exchange and identifies
// the radio again on the new port.
#pragma once

#include <array>

#include "ui/all.h"

namespace bx {

class App;

class Form_setup : public ui::Form {
public:
    explicit Form_setup(App& app);

    App& app;

    ui::Frame Frame1{*this, "Frame1"};
    ui::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"}, Option3{*this, "Option3"},
        Option4{*this, "Option4"}, Option5{*this, "Option5"}, Option6{*this, "Option6"},
        Option7{*this, "Option7"}, Option8{*this, "Option8"}, Option9{*this, "Option9"},
        Option10{*this, "Option10"}, Option11{*this, "Option11"}, Option12{*this, "Option12"};
    ui::CommandButton Command_ok{*this, "Command_ok"};
    ui::CommandButton Command1{*this, "Command1"};

    // Option k stands for port k (index k - 1).
    std::array<ui::OptionButton*, 12> options() {
        return {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6,
                &Option7, &Option8, &Option9, &Option10, &Option11, &Option12};
    }

    void Command_ok_Click();
    void Command1_Click();

protected:
    void Build() override;
    void Form_Load() override;
    // Closing the dialog any way but a Confirm that worked (Cancel, the
    // close box) after a failed Confirm puts back what was in force before
    // that Confirm: the port in use, identified as a Confirm of it would,
    // or, when the start-up scan was still looking for a port, that scan
    // started again (no port had been chosen). Refused with the busy text
    // while a read or write of the radio's memory runs (it would re-aim it);
    // at the program's end nothing is put back.
    void Form_Unload(int& Cancel) override;

private:
    // Places the controls to fit the window's size (set by Form_Load).
    void Place_controls();
    // The port buttons' tooltips: the device of each port and whether it is
    // there now, in the window's language.
    void Show_port_tips();
    // Sets Comm_port, opens it and identifies the radio on it, as Confirm
    // does; returns whether the port opened.
    bool Use_port(int port);

    // What was in force before the dialog's first failed Confirm (the port
    // in use, or the start-up scan), and whether a Confirm has left another
    // (or no working) port in its place.
    int16_t port_before_ = 0;
    bool scan_before_ = false;
    bool port_changed_ = false;
};

}  // namespace bx
