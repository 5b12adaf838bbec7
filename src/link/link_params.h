// One row of parameters per window that runs the exchange machine. The
// machine (link_machine.h) is written once; what differs between the
// windows is here.
#pragma once

#include <cstdint>

#include "link/frames.h"
#include "model/adj_table.h"
#include "model/memory_map.h"

namespace bx {

// Which port-open message a window shows.
enum class PortText : uint8_t {
    A,  // "Communication port is error, please setting right communication port . ！"
    B,  // "Communication Port Open Error ！"
};

// Timing of every machine.
namespace link_timing {
constexpr int kPumpMs = 15;          // the send pump's delay before a frame
constexpr int kReplyTimeoutMs = 1000;  // after the last byte of a frame
constexpr int kByteTimeoutMs = 2000;   // while a frame is being sent
}  // namespace link_timing

struct Link_params {
    const char* window;
    // Stages the exchange runs: the identification of the main window stops
    // at the accepted identification reply.
    bool ident_only = false;
    // The password stage: the password record read and checked between the
    // identification and the data. Without it (the alignment editor) an
    // accepted identification goes straight to the data phase.
    bool password_stage = true;
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
    // The one-byte pump: the delay of every byte after the first, and the
    // time-out armed at every byte until the last has gone out.
    int pump_next_ms = link_timing::kPumpMs;
    int pump_byte_timeout_ms = link_timing::kReplyTimeoutMs;
    int pause_ms = 3000;  // P: the pause after a reply time-out
    int16_t read_retries = 3, write_retries = 3;
    PortText port_text = PortText::A;
    // The read progress shows the block counter before its increase (the
    // read window) or after it (the editors).
    bool read_progress_before_increase = false;
    // The write progress shows the record counter less this.
    int16_t write_label_less = 0;
};

namespace link_rows {

// The 64-byte blocks and the records of a range of image records.
constexpr int16_t blocks_of(const RecordRange& r) { return static_cast<int16_t>(r.records() / frame::kBlockRecords); }
constexpr int16_t records_of(const RecordRange& r) { return static_cast<int16_t>(r.records()); }

inline constexpr Link_params Form_Comm_Read{
    .window = "Form_Comm_Read",
    .read_base = full_xfer::kRead.first_addr(),
    .blocks_total = blocks_of(full_xfer::kRead),
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
    .write_base = full_xfer::kWrite.first_addr(),
    .records_total = records_of(full_xfer::kWrite),
    .pause_ms = 5000,
    .read_retries = 0,
    .write_retries = 0,  // no retry: the pause ends in the failure report
    .port_text = PortText::A,
};

inline constexpr Link_params MDImain{
    .window = "MDImain",
    .ident_only = true,
    .read_base = full_xfer::kRead.first_addr(),
    .blocks_total = 1,
    .ack_after_ident = false,
    .ack_after_password = false,
    .one_byte_pump = true,
    .pause_ms = 1500,
    .read_retries = 2,
    .write_retries = 0,
    .port_text = PortText::B,
};

// The password change window runs its own three stages between the machine's
// start and end (a read: Write_mode clear); the machine gives it the one-byte pump (the first byte 15 ms after the start, each next one 10 ms
// after the one before, the time-out armed with 2000 ms at every byte and
// 1000 ms after the last), the time-out and the pause, and no retry.
inline constexpr Link_params Form_Write_PassWord{
    .window = "Form_Write_PassWord",
    .one_byte_pump = true,
    .pump_next_ms = 10,
    .pump_byte_timeout_ms = link_timing::kByteTimeoutMs,
    .pause_ms = 5000,
    .read_retries = 0,
    .write_retries = 0,
    .port_text = PortText::A,
};

// The editors' rows. The channel editor pairs every channel block or record
// with its name block or record (0x1000 on), which its own data phase does.
inline constexpr Link_params frm_chann{
    .window = "frm_chann",
    .read_base = area::kChann.first_addr(),
    .write_base = area::kChann.first_addr(),
    .blocks_total = static_cast<int16_t>(blocks_of(area::kChann) + 1),  // one block pair past the channels
    .records_total = records_of(area::kChann),
    .first_block_no = 1,
    .pause_ms = 1500,
    .read_retries = 3,
    .write_retries = 1,
    .port_text = PortText::A,
};

inline constexpr Link_params frm_FM{
    .window = "frm_FM",
    .read_base = area::kFm.first_addr(),
    .write_base = area::kFm.first_addr(),
    .blocks_total = blocks_of(area::kFm),
    .records_total = records_of(area::kFm),
    .port_text = PortText::A,
};

inline constexpr Link_params frm_option{
    .window = "frm_option",
    .read_base = area::kOptionArea.first_addr(),
    .write_base = area::kOptionArea.first_addr(),
    .blocks_total = blocks_of(area::kOptionArea),
    .records_total = records_of(area::kOptionArea),
    .port_text = PortText::B,
};

inline constexpr Link_params frm_2tone{
    .window = "frm_2tone",
    .read_base = area::kSig2tone.first_addr(),
    .write_base = area::kSig2tone.first_addr(),
    .blocks_total = blocks_of(area::kSig2tone),
    .records_total = records_of(area::kSig2tone),
    .port_text = PortText::B,
    .write_label_less = 1,
};

inline constexpr Link_params frm_5tone{
    .window = "frm_5tone",
    .read_base = area::kSig5toneData.first_addr(),
    .write_base = area::kSig5tone.first_addr(),
    .blocks_total = blocks_of(area::kSig5toneData),
    .records_total = records_of(area::kSig5tone),
    .port_text = PortText::B,
    .write_label_less = 1,
};

inline constexpr Link_params frm_dtmf{
    .window = "frm_dtmf",
    .read_base = area::kDtmf.first_addr(),
    .write_base = area::kDtmf.first_addr(),
    .blocks_total = blocks_of(area::kDtmf),
    .records_total = records_of(area::kDtmf),
    .port_text = PortText::B,
};

// The alignment editor: the alignment area 0x3C00-0x3DFF, kept in
// App::Adj_table rather than the image. No password stage and no Ack of its
// own after the identification: the first read request carries the Ack
// (06 53 3C 00 40, replies stored from Read_blocks row 2), and the write's
// first frame is the marker (frames.h, Adj_marker) that editors/alignment's
// data phase sends before the 32 records.
inline constexpr Link_params frm_Adj_Txp{
    .window = "frm_Adj_Txp",
    .password_stage = false,
    .read_base = area::kAdjAddr,
    .write_base = area::kAdjAddr,
    .blocks_total = static_cast<int16_t>(kAdjRecords / frame::kBlockRecords),
    .records_total = static_cast<int16_t>(kAdjRecords),
    .first_read_ack = true,
    .first_block_no = 2,
    .ack_after_ident = false,
    .ack_after_password = false,
    .pause_ms = 2000,
    .read_retries = 3,
    .write_retries = 3,
    .port_text = PortText::B,
    .write_label_less = 1,  // the first record frame shows -1
};

}  // namespace link_rows

}  // namespace bx
