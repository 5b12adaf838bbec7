// How the data files treat what their format leaves open, in one place.
#pragma once

#include <cstddef>

namespace bx::file_choice {

// Loading refuses the whole file, image unchanged, when it cannot be read,
// is far larger than the format (kMaxLoadBytes, checked before reading, and no byte
// more than one past it ever read, however the file grows meanwhile),
// ends before its last record, holds a field that is not a whole number
// (digits with an optional sign; a run of digits of any length, zero-padded
// or not, is a number), a byte outside 0..255, or a line whose three leading
// numbers are not its record's place (r div 16, r mod 16, r): a line lost or
// doubled would otherwise shift every later record (a record one number
// longer or shorter than 19 is named as such). In a file that has line ends,
// a last number running into the end of the file is a cut file; after the
// last record only blanks and line ends may follow. The alignment file
// shares the first rules and the cut last number, and may hold anything
// after its 512th number. Lines are counted with CR LF, LF and CR alike.

// The longest file either loader reads: ten times the longest data file the
// program writes, so a file with wider spacing or padded numbers loads,
// and a file of junk is refused at once instead of read to its end.
constexpr unsigned long long kMaxLoadBytes = 1024ULL * 1024ULL;

// A field quoted in a message keeps this many bytes (a character cut there
// kept whole), then "..."; a byte that is no text, a control character and
// a byte-order mark show as \xHH, every other character as it is.
constexpr size_t kShownToken = 40;
// A value read from more digits than any byte needs stays at this bound.
constexpr long long kSaturated = 1000000000000LL;

// Saving follows at most this many symbolic links (as the system does) and
// then refuses with the system's "too many levels" reason.
constexpr int kMaxLinkHops = 40;
// Hidden temporary names tried before giving up, each with six random digits.
constexpr int kTempAttempts = 16;
// A replaced file keeps its owner, group, mode, the extended attributes the
// saver can see (ACLs among them) and its other names (file_replace.h); the
// data and then the folder are flushed to the disk before the save reports
// success.
// The inode flags (chattr) a file replaced by a new one keeps: no dump (d),
// synchronous (S), no access time (A), compressed (c), not compressed (m),
// secure deletion (s) and undeletable (u). A file holding any of them the
// new file cannot be given, or any of kInPlaceInodeFlags, which a new file
// cannot be given reliably (no copy on write C, data journalling j, no tail
// merging t, direct access x, project inheritance P), is written in place,
// which keeps every flag; the flags that make a file unwritable (i, a)
// refuse the save.
constexpr unsigned kKeptInodeFlags = 0x00000001u /* s */ | 0x00000002u /* u */ | 0x00000004u /* c */ |
                                     0x00000008u /* S */ | 0x00000040u /* d */ | 0x00000080u /* A */ |
                                     0x00000400u /* m */;
constexpr unsigned kInPlaceInodeFlags = 0x00800000u /* C */ | 0x00004000u /* j */ | 0x00008000u /* t */ |
                                        0x02000000u /* x */ | 0x20000000u /* P */;

}  // namespace bx::file_choice
