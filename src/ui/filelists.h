// Drive, folder and file lists over the real file system, for the file
// dialogs. A drive is the root of a file system tree; on this system the
// drive list holds the root "/" alone. Folders and files whose names begin
// with "." are not listed (they can still be typed). Names are sorted
// without regard to case; file patterns match without regard to case, as a
// suffix check that accepts ".dat" and ".DAT" expects.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace ui {

// Lists the drives; Drive is the text of the chosen one. Change is raised
// when the chosen drive changes (a user's pick or code).
class DriveListBox : public ListControl {
public:
    DriveListBox(Form& owner, std::string name) : ListControl(owner, std::move(name)) {}
    const char* kind() const override { return "DriveListBox"; }
    std::string Drive() const { return List(ListIndex()); }
    // Chooses the drive with this text; a text that is no drive is ignored.
    void setDrive(const std::string& drive);
    void Refresh();
    Event Change;

protected:
    void selection_changed() override { fire(Change); }
    void reset_props() override;
};

// The folder tree down to Path, then the folders inside Path: the root and
// every folder above Path are "open" entries, Path itself is the last open
// entry and is selected. A click (pick) selects an entry; opening an entry
// (a double click) makes its folder the Path.
class DirListBox : public ListControl {
public:
    DirListBox(Form& owner, std::string name) : ListControl(owner, std::move(name)) {}
    const char* kind() const override { return "DirListBox"; }

    struct Entry {
        std::string path;   // absolute
        std::string label;  // the folder's own name ("/" for the root)
        int level = 0;      // depth below the root
        bool open = false;  // the root, a folder above Path, or Path itself
        bool operator==(const Entry&) const = default;
    };
    const std::vector<Entry>& entries() const { return entries_; }

    const std::string& Path() const { return path_; }
    // Moves to folder p (made absolute and normal) and lists it; raises
    // Change when the path changes. Returns false, changing nothing, when p
    // is not a folder.
    bool setPath(const std::string& p);
    // Lists Path again.
    void Refresh();
    // Index of the entry of Path itself.
    int path_index() const { return path_index_; }
    // A user opening entry i (double click).
    void open(int i);

    Event Change;

protected:
    void reset_props() override;

private:
    void list();
    std::string path_;
    std::vector<Entry> entries_;
    int path_index_ = -1;
};

// The files of folder Path that match Pattern (patterns with "*" and "?",
// several separated by ";") and pass the name filter, when one is set.
// FileName is the chosen file's name, without folder. A click (pick) chooses a file and raises Click; a double click
// chooses it and raises DblClick after Click.
class FileListBox : public ListControl {
public:
    FileListBox(Form& owner, std::string name) : ListControl(owner, std::move(name)) {}
    const char* kind() const override { return "FileListBox"; }

    const std::string& Path() const { return path_; }
    // Moves to folder p and lists it; false, changing nothing, when p is not
    // a folder.
    bool setPath(const std::string& p);
    const std::string& Pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);
    // A name the list may show must also pass `accept` (a form sets it once;
    // it stays over unloads): a dialog lists only the names its OK takes.
    void setNameFilter(std::function<bool(const std::string&)> accept);
    std::string FileName() const { return List(ListIndex()); }
    void Refresh();

    Event DblClick;
    void dblclick(int i) {
        if (!usable()) return;
        setListIndex(i);
        if (ListIndex() == i) fire(DblClick);
    }

protected:
    void reset_props() override;

private:
    void list();
    std::string path_;
    std::string pattern_ = "*.*";
    std::function<bool(const std::string&)> accept_;
};

// Whether a file name matches a pattern of "*" (any run of characters) and
// "?" (one character), without regard to ASCII case; several patterns may be
// separated by ";".
bool Pattern_match(const std::string& pattern, const std::string& name);

// The folder the program runs in (the root when it cannot be found).
std::string Current_folder();

}  // namespace ui
