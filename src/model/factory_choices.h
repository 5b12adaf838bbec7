// Factory values of our own choosing: the defaults the radio's settings need
// but that no fixed table supplies. Everything here is plain digits; the
// builders encode them into the image.
#pragma once

namespace bx::factory {

// PTT-ID sent at the end of a transmission (options block 0x0EF0): five DTMF digits.
inline constexpr const char* kPttIdEnd = "54321";

// DTMF remote-command codes, three DTMF digits each.
inline constexpr const char* kDtmfCmdInspection = "101";
inline constexpr const char* kDtmfCmdMonitor = "102";
inline constexpr const char* kDtmfCmdAlarm = "103";
inline constexpr const char* kDtmfCmdStun = "104";
inline constexpr const char* kDtmfCmdKill = "105";
inline constexpr const char* kDtmfCmdRevive = "106";

// DTMF control IDs, five DTMF digits each.
inline constexpr const char* kDtmfMasterId = "10001";
inline constexpr const char* kDtmfViceId = "10002";

// The alignment area's two passwords, six digits each.
inline constexpr const char* kAdjUserPassword = "123456";
inline constexpr const char* kAdjSuperPassword = "888888";

}  // namespace bx::factory
