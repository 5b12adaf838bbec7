// How Write_file_replacing (text_file.h) puts a whole file in place:
//
// 1. A symbolic link at the target is followed, link after link, to the
//    file it names, which is then written (created when it does not exist);
//    a loop of links is refused with the system's reason.
//    A save the file or its folder refuses whatever is tried is refused
//    first, with its true reason, and nothing is made: a read-only file
//    system (Read_only_fs), an immutable or append-only file or folder
//    (Immutable, Append_only, `folder` set for the folder), an existing file
//    that may not be written (no write permission bit at all, or none for
//    this user: EACCES, as writing into it directly would be).
// 2. First, what earlier saves of that same file left behind when they
//    were killed (see 3 to 5) is removed: the plain files in its folder
//    whose names have exactly the shape of its hidden names below and that
//    the saver may open, except those a running save holds. Every save
//    holds a lock on its temporary file from its creation until the rename
//    (or until it is removed), and a file so held is left alone, as is
//    anything that is not a plain file (a folder, a symbolic link). A
//    leftover that will not go away never fails the save: it is named as
//    the save's own would be (7). A folder
//    that may be written but not listed is saved in all the same: only this
//    step and the flushing of the folder (3) are skipped.
// 3. The bytes go into an unnamed file in the target's folder (O_TMPFILE),
//    made so that only the saver may read it (a new file is made as any
//    other), and, when a file is replaced, given that file's owner and
//    group, every extended attribute (its ACL among them), the inode flags
//    file_choice::kKeptInodeFlags lists, and then its mode, all before it is
//    flushed to the disk. Only then does it get a name: the target's own
//    when there is no file there yet, else a fresh hidden name that is at
//    once renamed over the target, while the save holds the lock on the
//    file it replaces that a save writing that file in place holds (5): a
//    save finding it held is refused as Busy. A save killed before that
//    leaves nothing behind; only a kill in the short window between giving
//    the hidden name and the rename leaves that name, until the next save
//    of the file removes it. The old file stays whole until the rename.
// 4. Where the file system has no unnamed files (or /proc is missing, which
//    the naming needs), the bytes go the same way into a hidden named
//    temporary file instead, renamed over the target when complete; a save
//    killed there leaves that hidden file until the next save of the file
//    removes it.
// 5. A file with more than one name (hard links), one whose owner, group,
//    attributes or flags the new file cannot get (a user may not give a
//    file to another, as in a folder shared by a group; the flags of
//    file_choice::kInPlaceInodeFlags are never tried), and one that
//    cannot be renamed over (a file mounted at its name: EBUSY, EXDEV) keeps
//    its inode: the bytes first go whole to the disk in a hidden named file
//    beside it (so a full disk stops the save before the file is touched),
//    readable by its maker and, through an ACL entry where the file system
//    has ACLs, by the file's owner; then the file is emptied and written,
//    and its old bytes put back should that fail. The hidden file is
//    removed only once the file holds a whole copy: the new bytes, or the
//    old ones put back and flushed. When the old bytes cannot be put back
//    either, the file is cut and the hidden file stays, named by the error
//    (Left_incomplete, `copy`); a load refusing the cut file names it too
//    (Name_whole_copy). Every name, the owner, group, mode, attributes and
//    flags so stay as they were. The file is locked (flock) while it is
//    written, and a save that finds it locked is refused as Busy. Before
//    reporting success the save checks that the name still names the file
//    it wrote; when a program that takes no lock has renamed another file
//    over it meanwhile, the save fails as Replaced and the hidden file,
//    the only one holding what was saved, stays and is named. A save
//    killed while the file is written leaves it cut short (a load refuses
//    it) and the whole new contents in the hidden file, until the next
//    save removes it.
// 6. Every save needs to make a file in the target's folder: one that may
//    not is refused as Folder_not_writable, the file left as it was.
// 7. A hidden file of the save itself that cannot be removed (once it is
//    of no more use) is named in the error (`leftover`); when the save
//    itself succeeded, the error is Leftover.
//
// Hidden names are "." + the target's name + ".tmp" + six digits (100000 to
// 999999), the target's name cut (at a character boundary) so that the
// whole stays within the longest name the folder allows. Two targets whose
// names are cut alike share that shape, so a save of either removes the
// leftovers of both.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/text_file.h"

namespace bx {

// The points of a save where a test may stop it.
enum class ReplaceStep {
    Created,  // the temporary file exists, nothing is written into it yet
    Written,  // every byte is on the disk in the temporary file (in 5: before the copy)
    Linked,   // the temporary file has its hidden name, not yet renamed
    Rewriting,  // (in 5) the file is locked and its old bytes read; it is about to be emptied
};

struct ReplaceHooks {
    bool named_temp_only = false;                // as on a file system without unnamed files
    std::function<void(ReplaceStep)> at_step;  // called at each step reached
    // Removes a leftover of an earlier save in place of unlinkat(dir, name, 0)
    // (a test makes a removal fail with it); 0 or the reason.
    std::function<int(int dir, const char* name)> remove_leftover;
};

FileError Write_file_replacing(const std::string& path, const std::string& bytes, const ReplaceHooks& hooks);

// The plain files beside `path` (a link followed to the file it names)
// whose names have the shape of its hidden names, newest first: what
// unfinished saves of it left.
std::vector<std::string> Hidden_copies(const std::string& path);

}  // namespace bx
