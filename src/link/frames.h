// Fixed frames of the serial link to the radio.
#pragma once

#include <array>
#include <cstdint>

namespace bx {

// The program-mode request: eight constant bytes that put the radio into
// programming mode. The radio simulator accepts exactly these.
inline constexpr std::array<uint8_t, 8> Cmd_program = {0x50, 0x52, 0x4F, 0x47, 0x42, 0x58, 0x35, 0x36};

// Line settings of every exchange.
inline constexpr const char* Link_settings = "9600,N,8,1";

}  // namespace bx
