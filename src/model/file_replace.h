// How Write_file_replacing (text_file.h) puts a whole file in place:
//
// 1. A symbolic link at the target is followed, link after link, to the
//    file it names, which is then written (created when it does not exist);
//    a loop of links is refused with the system's reason.
// 2. The bytes go into an unnamed file in the target's folder (O_TMPFILE),
//    are flushed to the disk, and only then get a name: the target's own
//    when there is no file there yet, else a fresh hidden name that is at
//    once renamed over the target. A save killed before that leaves
//    nothing behind (only a kill between those two calls leaves the hidden
//    name); the old file stays whole until the rename.
// 3. Where the file system has no unnamed files (or /proc is missing, which
//    the naming needs), the bytes go into a hidden named temporary file
//    instead, renamed over the target when complete; a save killed there
//    leaves that hidden file, as such a file system allows nothing better.
//
// Hidden names are "." + the target's name + ".tmp" + six digits, the
// target's name cut (at a character boundary) so that the whole stays
// within the longest name the folder allows.
#pragma once

#include <functional>
#include <string>

#include "model/text_file.h"

namespace bx {

// The points of a save where a test may stop it.
enum class ReplaceStep {
    Written,  // every byte is on the disk in the temporary file, not yet named
    Linked,   // the temporary file has its hidden name, not yet renamed
};

struct ReplaceHooks {
    bool named_temp_only = false;                // as on a file system without unnamed files
    std::function<void(ReplaceStep)> at_step;  // called at each step reached
};

FileError Write_file_replacing(const std::string& path, const std::string& bytes, const ReplaceHooks& hooks);

}  // namespace bx
