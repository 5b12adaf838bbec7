// One row of parameters per window that runs the exchange machine. The
// machine (link_machine.h) is written once; what differs between the
// windows is here.
#pragma once

#include <cstdint>

namespace bx {

// Which port-open message a window shows.
enum class PortText : uint8_t {
    A,  // "Communication port is error, please setting right communication port . ！"
    B,  // "Communication Port Open Error ！"
};

struct Link_params {
    const char* window;
    // Stages the exchange runs: the identification of the main window stops
    // at the accepted identification reply.
    bool ident_only = false;
    // Base radio addresses of a read and of a write; -1 when the window has
    // no exchange in that direction.
    int read_base = -1, write_base = -1;
    int16_t blocks_total = 0;   // N: 64-byte blocks a read fetches
    int16_t records_total = 0;  // M: 16-byte records a write sends
    // The first read request: with an Ack in front (the read window, which
    // then sends no Ack of its own for the password reply), and the block
    // counter it starts from.
    bool first_read_ack = false;
    int16_t first_block_no = 2;
    // An Ack, then the short busy-wait, after the identification reply and
    // after the password reply.
    bool ack_after_ident = true, ack_after_password = true;
    // The send pump hands the whole frame to the port in one tick; the
    // identification's pump sends one byte per tick.
    bool one_byte_pump = false;
    int pause_ms = 3000;  // P: the pause after a reply time-out
    int16_t read_retries = 3, write_retries = 3;
    PortText port_text = PortText::A;
    // The read progress shows the block counter before its increase (the
    // read window) or after it (the editors).
    bool read_progress_before_increase = false;
    // The write progress shows the record counter less this.
    int16_t write_label_less = 0;
};

// Timing of every machine.
namespace link_timing {
constexpr int kPumpMs = 15;          // the send pump's delay before a frame
constexpr int kReplyTimeoutMs = 1000;  // after the last byte of a frame
constexpr int kByteTimeoutMs = 2000;   // while a frame is being sent
}  // namespace link_timing

namespace link_rows {

inline constexpr Link_params Form_Comm_Read{
    .window = "Form_Comm_Read",
    .read_base = 0x0000,
    .blocks_total = 200,
    .first_read_ack = true,
    .first_block_no = 1,
    .ack_after_ident = true,
    .ack_after_password = false,
    .pause_ms = 3000,
    .read_retries = 3,
    .write_retries = 0,
    .port_text = PortText::A,
    .read_progress_before_increase = true,
};

inline constexpr Link_params Form_Comm_Write{
    .window = "Form_Comm_Write",
    .write_base = 0x0000,
    .records_total = 784,
    .pause_ms = 5000,
    .read_retries = 0,
    .write_retries = 0,  // no retry: the pause ends in the failure report
    .port_text = PortText::A,
};

inline constexpr Link_params MDImain{
    .window = "MDImain",
    .ident_only = true,
    .read_base = 0x0000,
    .blocks_total = 1,
    .ack_after_ident = false,
    .ack_after_password = false,
    .one_byte_pump = true,
    .pause_ms = 1500,
    .read_retries = 2,
    .write_retries = 0,
    .port_text = PortText::B,
};

// The editors' rows. The channel editor pairs every channel block or record
// with its name block or record (0x1000 on), which its own data phase does.
inline constexpr Link_params frm_chann{
    .window = "frm_chann",
    .read_base = 0x0000,
    .write_base = 0x0000,
    .blocks_total = 51,
    .records_total = 200,
    .first_block_no = 1,
    .pause_ms = 1500,
    .read_retries = 3,
    .write_retries = 1,
    .port_text = PortText::A,
};

inline constexpr Link_params frm_FM{
    .window = "frm_FM",
    .read_base = 0x3000,
    .write_base = 0x3000,
    .blocks_total = 4,
    .records_total = 16,
    .port_text = PortText::A,
};

inline constexpr Link_params frm_option{
    .window = "frm_option",
    .read_base = 0x0E00,
    .write_base = 0x0E00,
    .blocks_total = 8,
    .records_total = 32,
    .port_text = PortText::B,
};

inline constexpr Link_params frm_2tone{
    .window = "frm_2tone",
    .read_base = 0x2D00,
    .write_base = 0x2D00,
    .blocks_total = 12,
    .records_total = 48,
    .port_text = PortText::B,
    .write_label_less = 1,
};

inline constexpr Link_params frm_5tone{
    .window = "frm_5tone",
    .read_base = 0x2400,
    .write_base = 0x2000,
    .blocks_total = 8,
    .records_total = 96,
    .port_text = PortText::B,
    .write_label_less = 1,
};

inline constexpr Link_params frm_dtmf{
    .window = "frm_dtmf",
    .read_base = 0x2900,
    .write_base = 0x2900,
    .blocks_total = 8,
    .records_total = 32,
    .port_text = PortText::B,
};

}  // namespace link_rows

}  // namespace bx
