// The write window: sends image records 0..783 (radio 0x0000-0x30FF) to the
// radio, after refusing a channel outside the radio's bands and rebuilding
// the 5-tone tone tables.
#pragma once

#include "link/transfer_window.h"

namespace bx {

class Form_Comm_Write : public TransferWindow {
public:
    explicit Form_Comm_Write(App& app);

    ui::CommandButton Command_Write{*this, "Command_Write"};

    // Refuses a channel outside the bands, then writes (this window never
    // retries).
    void Command_Write_Click();

private:
    void Write_complete();
    void Write_failed();
};

}  // namespace bx
