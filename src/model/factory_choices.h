// Factory values of our own choosing: the defaults the radio's settings need
// but that no fixed table supplies. Everything here is plain digits; the
// builders encode them into the image.
#pragma once

namespace bx::factory {

// PTT-ID sent at the end of a transmission (options block 0x0EF0): five DTMF digits.
inline constexpr const char* PttId_End = "54321";

// DTMF remote-command codes, three DTMF digits each.
inline constexpr const char* Dtmf_cmd_inspection = "101";
inline constexpr const char* Dtmf_cmd_monitor = "102";
inline constexpr const char* Dtmf_cmd_alarm = "103";
inline constexpr const char* Dtmf_cmd_stun = "104";
inline constexpr const char* Dtmf_cmd_kill = "105";
inline constexpr const char* Dtmf_cmd_revive = "106";

// DTMF control IDs, five DTMF digits each.
inline constexpr const char* Dtmf_master_id = "10001";
inline constexpr const char* Dtmf_vice_id = "10002";

// The alignment area's two passwords, six digits each.
inline constexpr const char* Adj_user_password = "123456";
inline constexpr const char* Adj_super_password = "888888";

}  // namespace bx::factory
