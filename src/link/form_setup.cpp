#include "link/form_setup.h"

#include <string>

#include "appstate/app.h"
#include "link/link_machine.h"
#include "ui/placement.h"

namespace bx {

Form_setup::Form_setup(App& a) : ui::Form(a.rt, "Form_setup"), app(a) {
    Command_ok.Click = [this] { Command_ok_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void Form_setup::Build() {
    int k = 1;
    for (ui::OptionButton* o : options()) {
        o->setContainer(&Frame1);
        o->setCaption("COM" + std::to_string(k++));
    }
}

// The layout is drawn for a client area of 7200 x 3800 twips; a smaller
// window (the dialog's size follows the main window's) shrinks it to fit.
void Form_setup::Place_controls() {
    const ui::ScaledLayout layout(*this, 7200, 3800);
    layout.place(Frame1, 300, 200, 6600, 2500);
    int k = 0;
    for (ui::OptionButton* o : options()) {
        // Three rows of four.
        layout.place(*o, 300 + (k % 4) * 1550, 400 + (k / 4) * 650, 1300, 400);
        ++k;
    }
    layout.place(Command_ok, 1500, 3000, 1600, 500);
    layout.place(Command1, 4100, 3000, 1600, 500);
}

void Form_setup::Form_Load() {
    const int16_t chn = app.Lang_chinese;
    setCaption(L(chn, "通讯端口设置", "Communication Port Setup"));
    Frame1.setCaption(L(chn, "端口设置", "Port Setup"));
    Command_ok.setCaption(L(chn, "确 定", "Confirm"));
    Command1.setCaption(L(chn, "取 消", "Cancel"));
    const MainWindow& m = app.main_window;
    setWidth(static_cast<int>(m.ScaleWidth() / 1.9));
    setHeight(m.ScaleHeight() / 2);
    m.Centre(*this, 500);
    Place_controls();
    Show_port_tips();
    port_changed_ = false;
    for (ui::OptionButton* o : options()) o->setValue(false);
    if (app.Comm_port >= 1 && app.Comm_port <= 12) options()[static_cast<size_t>(app.Comm_port - 1)]->setValue(true);
}

// A running exchange keeps its port: the new port, and the identification
// on it, wait until no exchange runs.
void Form_setup::Command_ok_Click() {
    if (Refuse_while_exchange_runs(app)) return;
    int port = app.Comm_port;
    int k = 1;
    for (ui::OptionButton* o : options()) {
        if (o->Value()) port = k;
        ++k;
    }
    if (!port_changed_) {
        port_before_ = app.Comm_port;
        scan_before_ = app.main_window.Scanning_ports();
    }
    if (!Use_port(port)) {
        port_changed_ = true;
        Show_port_tips();  // stays open for another choice, which the tips help with
        return;
    }
    port_changed_ = false;
    App::Unload(*this);
}

bool Form_setup::Use_port(int port) {
    app.Comm_port = static_cast<int16_t>(port);
    MainWindow& m = app.main_window;
    for (int p : {2, 4, 6, 8, 10}) m.setPanelText(p, "");
    if (!m.Open_link_port()) return false;
    m.Restart_identify();
    return true;
}

void Form_setup::Command1_Click() { App::Try_unload(*this); }

// Cancel means no change: the port of before comes back (its port message
// shows if it no longer opens), or the scan that was looking for one.
void Form_setup::Form_Unload(int& Cancel) {
    if (!port_changed_ || UnloadMode() == ui::vbFormMDIForm) return;
    if (Refuse_while_exchange_runs(app)) {
        Cancel = 1;
        return;
    }
    port_changed_ = false;
    if (scan_before_)
        app.main_window.Scan_ports();
    else
        Use_port(port_before_);
}

// Each port button names the device its port stands for on this system and
// says whether that device is there now.
void Form_setup::Show_port_tips() {
    const int16_t chn = app.Lang_chinese;
    const ui::SerialProvider& ports = rt().serial();
    int k = 1;
    for (ui::OptionButton* o : options()) {
        const std::string dev = ports.device_name(k);
        if (dev.empty())
            o->setToolTipText(L(chn, "此端口没有对应的设备", "No device stands for this port"));
        else if (ports.device_present(k))
            o->setToolTipText(std::string(L(chn, "设备 ", "Device ")) + dev + L(chn, "：存在", ": present"));
        else
            o->setToolTipText(std::string(L(chn, "设备 ", "Device ")) + dev + L(chn, "：不存在", ": not present"));
        ++k;
    }
}

}  // namespace bx
