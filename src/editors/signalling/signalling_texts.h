// Completion texts the 2-tone and 5-tone editors share.
#pragma once

#include "link/link_machine.h"

namespace bx::signalling_text {
inline constexpr link_text::Pair kReadDone{"信令参数读出正常 ！", "Read Signal parameters in gear. "};
inline constexpr link_text::Pair kWriteBox{"向对讲机写入信令参数完毕 ！",
                                           "Complete Written Signal parameters to the transceiver."};
inline constexpr link_text::Pair kWriteDone{"信令参数写入完毕 ！", "Complete Written Signal parameters "};
}  // namespace bx::signalling_text
