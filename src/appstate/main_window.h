// What a window below the shell (a link window, an editor, a dialog of the
// link layer) needs of the main window, without including src/shell: the
// main window's sizes, centring a window on it, writing a status panel, the
// port dialog's two requests, and committing the edits every editor still
// shows before the image is written or saved. The main window binds it when
// it is created; the application object holds it (App::main_window).
//
// The language the main window's commands choose is the shared value
// App::Lang_chinese; a window reads it when it loads, as every window does.
#pragma once

#include <functional>
#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace bx {

class MainWindow {
public:
    // What the port dialog asks of the main window: open MSC on Comm_port
    // with the port-open message (which ends the start-up scan: the user has
    // chosen) and say whether it opened, identify the radio again on it,
    // whether the start-up scan is still looking for a port, and that scan
    // started again.
    struct PortRequests {
        std::function<bool()> open_link_port;
        std::function<void()> restart_identify;
        std::function<bool()> scanning_ports;
        std::function<void()> scan_ports;
    };
    // Called once by the main window: its form, its status bar, its
    // answers to the port dialog, and the editors' commit.
    void Bind(ui::Form& form, ui::StatusBar& bar, PortRequests requests,
              std::function<void()> commit_pending_edits) {
        form_ = &form;
        bar_ = &bar;
        requests_ = std::move(requests);
        commit_pending_edits_ = std::move(commit_pending_edits);
    }
    bool Bound() const { return form_ != nullptr; }

    // The main window's outer size and its client area, in twips.
    int Width() const { return form_->Width(); }
    int Height() const { return form_->Height(); }
    int ScaleWidth() const { return form_->ScaleWidth(); }
    int ScaleHeight() const { return form_->ScaleHeight(); }

    // Places f centred in the main window's client area, raised by `raise`
    // twips (the port dialog sits 500 twips above the centre).
    void Centre(ui::Form& f, int raise = 0) const {
        f.setLeft((ScaleWidth() - f.Width()) / 2);
        f.setTop((ScaleHeight() - f.Height()) / 2 - raise);
    }

    // Writes status bar panel i (1..11).
    void setPanelText(int i, const std::string& text) { bar_->setPanelText(i, text); }

    // The port dialog's requests.
    bool Open_link_port() const { return requests_.open_link_port(); }
    void Restart_identify() const { requests_.restart_identify(); }
    bool Scanning_ports() const { return requests_.scanning_ports(); }
    void Scan_ports() const { requests_.scan_ports(); }

    // Every loaded editor commits the edit it still shows, as leaving it
    // would: the start of everything that saves or writes the image from a
    // window other than the editor (the data-file dialogs' Confirm, the
    // write window's Write).
    void Commit_pending_edits() const {
        if (commit_pending_edits_) commit_pending_edits_();
    }

private:
    ui::Form* form_ = nullptr;
    ui::StatusBar* bar_ = nullptr;
    PortRequests requests_;
    std::function<void()> commit_pending_edits_;
};

}  // namespace bx
