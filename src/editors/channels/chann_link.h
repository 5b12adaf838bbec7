// The channel editor's exchange: the plain machine with its data phase
// replaced through its hooks, so that every channel block or record travels with the name
// block or record of the same index (0x1000 on). A read requests channel
// block k, then name block k, and keeps the replies in Read_blocks (row
// k + 1) and Read_blocks_twin (row k + 2); a write sends channel record c,
// then name record c, for c = 0 to 200.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/link_machine.h"
#include "model/mem_image.h"

namespace bx {

namespace chann_link {
inline constexpr int kNameOffset = 0x1000;  // the name area lies this far above the channel area
}  // namespace chann_link

// Hands the machine (which runs the frm_chann row) the paired data phase.
void Use_chann_data_phase(LinkMachine& m);

// Copies the received channel replies (Read_blocks rows 1..count / 4) into
// image records 0..count - 1 and the name replies (Read_blocks_twin rows
// 2..count / 4 + 1) into records 256.., each from its reply's data start.
void Unpack_chann_replies(const App& app, MemImage& img, int chann_count);

// The name the last read's raw reply shows for six name bytes: digits for
// 0-9, "A"-"U" for 17-37, the Latin-1 character of 48-250, "+" for 251, "-"
// for 253, nothing for the rest; empty when the first byte is 0xFF.
std::string Reply_name_text(const uint8_t* six);

// For each received name reply in turn, the grid row of its first record,
// from the reply's address: -1 ends the pass (an address outside the name
// area).
int Reply_first_row(const std::array<uint8_t, 71>& reply);

}  // namespace bx
