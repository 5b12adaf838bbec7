// The program's texts that many tests look for, each written once.
#pragma once

namespace bxtest::texts {

// One exchange at a time: what a second one, or a command that would
// disturb the one running, is refused with.
inline constexpr const char* kBusy = "Read-write operating with transceiver .";
// Closing a window while its exchange runs: the read, write and password
// windows' text (and the channel and FM editors' Close button), and the
// editors' close box (no blank before the last comma).
inline constexpr const char* kNoClose = "Read-write operating，don't close the window. ,";
inline constexpr const char* kNoCloseWindow = "Read-write operating，don't close the window.,";
// The read and write windows' reports.
inline constexpr const char* kReadDone = "Complete reading data from the transceiver.";
inline constexpr const char* kWriteDone = "Complete Written the data to transceiver.";
// The failure report of an exchange whose retries are used up, and the
// status line it leaves.
inline constexpr const char* kFailConnect = "Fail connect with transceiver.";
inline constexpr const char* kCommFault = "Communication fault.";
// The two port-open messages (the editors' and the identification's).
inline constexpr const char* kPortErrorA = "Communication port is error, please setting right communication port . ！";
inline constexpr const char* kPortErrorB = "Communication Port Open Error ！";
// A data file loaded.
inline constexpr const char* kLoaded = "Succeed fold the parameter from file.";

}  // namespace bxtest::texts
