// The file dialogs. Every file dialog of the program has the same controls,
// the same name checks and the same handlers; a row of File_dialog_family
// gives what differs: the suffix, the texts, what OK stores and what OK
// does. The whole-image pair (Form_open_chann, Form_save_chann) loads or
// saves the memory image itself; the alignment pair hands a request with its
// own file to the alignment editor (editors/alignment/adj_files.h) and
// leaves the data file's name alone; the .sig and .menu pairs only store
// the name and raise their dialog flag.
#pragma once

#include <cstdint>
#include <string>

#include "model/datafile.h"
#include "ui/all.h"
#include "ui/filelists.h"

namespace bx {

class App;

// What OK does once the name has passed the checks.
enum class FileDialogAction {
    Transfer_image,  // load or save the whole image
    Raise_request,   // an alignment file request (Request_adj_file)
    Raise_dialog_ok, // set Open_dialog_ok / Save_dialog_ok
};

struct FileDialogParams {
    const char* form;  // the window's name
    bool save;         // a save dialog (else an open dialog)
    const char* suffix_lower;
    const char* suffix_upper;
    const char* title_chn;
    const char* title_eng;
    const char* label_name_chn;
    const char* label_name_eng;
    const char* bad_name_chn;  // the name holds a forbidden character
    const char* bad_name_eng;
    const char* bad_suffix_chn;
    const char* bad_suffix_eng;
    // Data_file_name := folder "/" name (else the name alone); the
    // alignment pair stores no name there.
    bool store_folder;
    FileDialogAction action;
};

inline constexpr int kFileDialogs = 8;
extern const FileDialogParams File_dialog_family[kFileDialogs];

// The row of the dialog with this window name; nullptr when there is none.
const FileDialogParams* File_dialog_row(const std::string& form);

// The name checks: a name holding "*", "$", "\", "/" or "#" is refused first;
// then its end must be exactly one of the two suffixes (as written).
enum class NameCheck { Ok, Forbidden_char, Bad_suffix };
NameCheck Check_file_name(const std::string& name, const std::string& suffix_lower,
                           const std::string& suffix_upper);

// Folder and name joined by one "/".
std::string Join_folder(const std::string& folder, const std::string& name);

// Title of every message of the file dialogs.
inline const char* File_msg_title(int16_t lang_chinese) {
    return lang_chinese != 0 ? "操作提示" : "Operate prompt";
}

class FileDialog : public ui::Form {
public:
    FileDialog(App& app, const FileDialogParams& params);

    App& app;
    const FileDialogParams& params;

    // Client area of the designed layout, in twips.
    static constexpr int kClient_w = 6195, kClient_h = 5145;

    ui::Label Label_drive{*this, "Label_drive"};
    ui::DriveListBox Drive1{*this, "Drive1"};
    ui::DirListBox Dir1{*this, "Dir1"};
    ui::FileListBox File1{*this, "File1"};
    ui::Label Label_name{*this, "Label_name"};
    ui::TextBox Text1{*this, "Text1"};
    ui::CommandButton Command_enter{*this, "Command_enter"};
    ui::CommandButton Command_close{*this, "Command_close"};

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void Command_enter_Click();
    void Command_close_Click();

protected:
    void Build() override;
    void Form_Load() override;

private:
    int msg(const char* chn, const char* eng);
    std::string picked_;  // the name last picked from File1 ("" when none)
};

// The whole-image data file pair.
class Form_open_chann : public FileDialog {
public:
    explicit Form_open_chann(App& app);
};
class Form_save_chann : public FileDialog {
public:
    explicit Form_save_chann(App& app);
};
// The alignment file pair, used by the alignment editor.
class Form_open_adj : public FileDialog {
public:
    explicit Form_open_adj(App& app);
};
class Form_save_adj : public FileDialog {
public:
    explicit Form_save_adj(App& app);
};
// Two kinds of file that no command reaches yet.
class Form_open_sig : public FileDialog {
public:
    explicit Form_open_sig(App& app);
};
class Form_save_sig : public FileDialog {
public:
    explicit Form_save_sig(App& app);
};
class Form_open_menu : public FileDialog {
public:
    explicit Form_open_menu(App& app);
};
class Form_save_menu : public FileDialog {
public:
    explicit Form_save_menu(App& app);
};

}  // namespace bx
