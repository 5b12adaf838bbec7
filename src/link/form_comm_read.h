// The read window: reads radio 0x0000-0x31FF and, once every block has
// arrived, replaces image records 0..787 (radio 0x0000-0x313F).
#pragma once

#include "link/transfer_window.h"

namespace bx {

class Form_Comm_Read : public TransferWindow {
public:
    explicit Form_Comm_Read(App& app);

    ui::CommandButton Command_read{*this, "Command_read"};

    void Command_read_Click();
    // Copies the stored replies of 0x0000-0x313F into image records 0..787.
    void Unpack_image_blocks();

private:
    void Read_complete();
};

}  // namespace bx
