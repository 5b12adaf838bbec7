// The alignment editor's exchange with the radio, on the shared machine
// (link/link_machine.h) with the row link_rows::frm_Adj_Txp: no password
// stage, so the data follow the accepted identification at once.
//
// Read: 06 53 3C 00 40, then 53 hi lo 40 for 0x3C40 .. 0x3DC0; each reply is
// acknowledged and kept in Read_blocks rows 2..9, but only when its 'X'
// stands at index 0 or 1 (otherwise no Ack, and the time-out and retry
// follow). Adj_table is changed only by Unpack_adj_reply once all eight
// have arrived, so a failed read leaves it as it was.
//
// Write: the marker frame (Adj_marker, frames.h) to 0x3B90, then for each
// Ack of the radio record n = 0..31 as 06 58 hi lo 10 and the 16 cells of
// Adj_table record n, taken when that frame is built. The label counts -1
// to 30, the bar ends at 96. A wrong acknowledgement is no Ack: the time-out
// and the retry, which starts again from the program-mode request and the
// marker.
//
// Using it in the editor window (an EditorWindow on frm_Adj_Txp):
//
//   frm_Adj_Txp(App& app) : EditorWindow(app, "frm_Adj_Txp", kAdjRow) {
//       ...
//       Use_adj_exchange(Link);   // after EditorWindow has set its hooks
//   }
//   void Read_complete() override {
//       Unpack_adj_reply(app);
//       Show_adj_page();
//   }
//   // Write_complete needs nothing of its own.
//
// The completion texts are the exchange's: after the window's Read_complete
// the bar shows 100, the label "调整参数读出正常 ！" / "Read optional
// parameters in gear. " and the box "从对讲机中读取调整数据完毕 ！" /
// "Complete reading the data from transceiver."; after Write_complete the
// box "调整参数写入完毕 ！" / "Complete Written optional parameters to the
// transceiver." and then the label "调整参数写入完毕 ！" / "Complete Written
// optional parameters " (the bar keeps 96). When the retries are used up
// only panel 2 of the main window's status bar changes, to "联机故障 ！" /
// "Communication fault.": no box, the bar and label keep what they showed.
#pragma once

#include "link/link_machine.h"

namespace bx {

class App;

namespace adj_text {
inline constexpr link_text::Pair kReadDone{"从对讲机中读取调整数据完毕 ！", "Complete reading the data from transceiver."};
inline constexpr link_text::Pair kReadLabel{"调整参数读出正常 ！", "Read optional parameters in gear. "};
inline constexpr link_text::Pair kWriteDone{"调整参数写入完毕 ！",
                                            "Complete Written optional parameters to the transceiver."};
inline constexpr link_text::Pair kWriteLabel{"调整参数写入完毕 ！", "Complete Written optional parameters "};
inline constexpr link_text::Pair kFault{"联机故障 ！", "Communication fault."};
}  // namespace adj_text

// Hands the machine the alignment data phase (marker, then Adj_table's
// records), the failure report and the completion texts. The machine's
// On_read_complete / On_write_complete set before this call (the window's
// Read_complete / Write_complete) run first, then the texts.
void Use_adj_exchange(LinkMachine& m);

// Moves the 64 data bytes of Read_blocks rows 2..9 (each from its reply's
// data start) into Adj_table: row 2 into records 0..3, ..., row 9 into
// records 28..31. All 512 cells are replaced; nothing is redisplayed.
void Unpack_adj_reply(App& app);

}  // namespace bx
