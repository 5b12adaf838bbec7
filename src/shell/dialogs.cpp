#include "shell/dialogs.h"

#include "appstate/app.h"
#include "editors/alignment/adj_files.h"
#include "link/link_machine.h"
#include "model/numtext.h"
#include "shell/mdimain.h"

namespace bx {

namespace {

using A = FileDialogAction;

// Texts of the whole-image pair, also used by the .sig and .menu pairs.
#define OPEN_TEXTS                                                              \
    "打开文件", "Open File", "打开文件名：", "Open File:", "打开文件名无效 ", \
        "Open the file name is nullity ", "无效的文件后缀名！", "Nullity file suffix name."
#define SAVE_TEXTS                                                                     \
    "保存文件", "Save File", "保存文件名：", "Save File:", "保存文件所需要的文件名无效 ", \
        "Store the file name is nullity. ", "建议不要修改系统默认的文件后缀名！",         \
        "Advice don't modify file suffix name of system default ！"

}  // namespace

const FileDialogParams File_dialog_family[kFileDialogs] = {
    {"Form_open_chann", false, ".dat", ".DAT", OPEN_TEXTS, true, A::Transfer_image},
    {"Form_save_chann", true, ".dat", ".DAT", SAVE_TEXTS, true, A::Transfer_image},
    // The alignment editor needs the folder too: it opens the file by this name.
    {"Form_open_adj", false, ".adj", ".ADJ", "打开调整参数文件", "Open Adjust File", "打开文件名：",
     "Open File:", "打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity ",
     "无效的调整参数文件后缀名！", "Nullity file suffix name of adjust parameter.", true, A::Raise_request},
    {"Form_save_adj", true, ".adj", ".ADJ", "保存调整参数文件", "Save Adjust File", "保存文件名：",
     "Save File:", "保存调整参数所需要的文件名无效 ",
     "Store the file name of adjust parameter need is nullity. ", "建议不要修改系统默认的文件后缀名！",
     "Advice don't modify file suffix name of system default ！", true, A::Raise_request},
    {"Form_open_sig", false, ".sig", ".SIG", OPEN_TEXTS, false, A::Raise_dialog_ok},
    {"Form_save_sig", true, ".sig", ".SIG", SAVE_TEXTS, false, A::Raise_dialog_ok},
    {"Form_open_menu", false, ".menu", ".MENU", OPEN_TEXTS, false, A::Raise_dialog_ok},
    {"Form_save_menu", true, ".menu", ".MENU", SAVE_TEXTS, false, A::Raise_dialog_ok},
};

#undef OPEN_TEXTS
#undef SAVE_TEXTS

const FileDialogParams* File_dialog_row(const std::string& form) {
    for (const FileDialogParams& p : File_dialog_family)
        if (form == p.form) return &p;
    return nullptr;
}

NameCheck Check_file_name(const std::string& name, const std::string& suffix_lower,
                           const std::string& suffix_upper) {
    if (name.find_first_of("*$\\/#") != std::string::npos) return NameCheck::Forbidden_char;
    auto ends_with = [&](const std::string& s) {
        return name.size() >= s.size() && name.compare(name.size() - s.size(), s.size(), s) == 0;
    };
    if (!ends_with(suffix_lower) && !ends_with(suffix_upper)) return NameCheck::Bad_suffix;
    return NameCheck::Ok;
}

std::string Join_folder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

// ---- the dialog ----

FileDialog::FileDialog(App& a, const FileDialogParams& p) : ui::Form(a.rt, p.form), app(a), params(p) {
    set_mdi_child(false);
    set_fixed_size(true);  // the designed layout does not follow the size
    chrome_w_ = 120;
    chrome_h_ = 450;
    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Change = [this] { Dir1_Change(); };
    File1.Click = [this] { File1_Click(); };
    File1.DblClick = [this] { File1_DblClick(); };
    Command_enter.Click = [this] { Command_enter_Click(); };
    Command_close.Click = [this] { Command_close_Click(); };
    // The list shows only names that OK takes as they are listed: a file
    // named x.Dat or a#b.dat is not offered only to be refused.
    File1.setNameFilter([this](const std::string& name) {
        return Check_file_name(name, params.suffix_lower, params.suffix_upper) == NameCheck::Ok;
    });
}

// The designed layout; every load starts in the program's own folder with
// the name box at "*" and the suffix.
void FileDialog::Build() {
    Label_drive.Move(240, 240, 975, 255);
    Drive1.Move(1320, 240, 1695, 300);
    Dir1.Move(240, 720, 5775, 1770);
    File1.Move(240, 2520, 5775, 1650);
    Label_name.Move(240, 4560, 1095, 255);
    Text1.Move(1440, 4560, 1695, 270);
    Command_enter.Move(3480, 4440, 975, 495);
    Command_close.Move(4920, 4440, 975, 495);
    Command_enter.setDefault(true);
    Command_close.setCancel(true);
    const std::string pattern = std::string("*") + params.suffix_lower;
    File1.setPattern(pattern);
    Text1.setText(pattern);
    File1.setPath(Dir1.Path());
    picked_.clear();
    setWidth(kClient_w + chrome_w_);
    setHeight(kClient_h + chrome_h_);
}

void FileDialog::Form_Load() {
    const bool chn = app.Lang_chinese != 0;
    setCaption(chn ? params.title_chn : params.title_eng);
    Label_drive.setCaption(chn ? "驱动器：" : "Drive:");
    Label_name.setCaption(chn ? params.label_name_chn : params.label_name_eng);
    Command_enter.setCaption(chn ? "确  定" : "Confirm");
    Command_close.setCaption(chn ? "取  消" : "Cancel");
    // Centred over the main window.
    const ui::Form& m = *app.MDImain;
    setLeft(m.Left() + (m.Width() - Width()) / 2);
    setTop(m.Top() + (m.Height() - Height()) / 2);
}

int FileDialog::msg(const char* chn, const char* eng) {
    return MsgBox(L(app.Lang_chinese, chn, eng), ui::vbExclamation, File_msg_title(app.Lang_chinese));
}

void FileDialog::Drive1_Change() {
    Dir1.setPath(Drive1.Drive());
    File1.setPath(Dir1.Path());
}

void FileDialog::Dir1_Change() { File1.setPath(Dir1.Path()); }

// The name as the list shows it, blanks and all: it names that very file.
void FileDialog::File1_Click() {
    picked_ = File1.FileName();
    Text1.setText(picked_);
}

// A double click picks the file and confirms it.
void FileDialog::File1_DblClick() { Command_enter_Click(); }

void FileDialog::Command_close_Click() { App::Unload(*this); }

void FileDialog::Command_enter_Click() {
    // A name picked from the file list is used as listed; a typed one
    // loses the blanks around it.
    const std::string& text = Text1.Text();
    const std::string name = !picked_.empty() && text == picked_ ? text : Trim(text);
    switch (Check_file_name(name, params.suffix_lower, params.suffix_upper)) {
    case NameCheck::Forbidden_char:
        msg(params.bad_name_chn, params.bad_name_eng);
        return;
    case NameCheck::Bad_suffix:
        msg(params.bad_suffix_chn, params.bad_suffix_eng);
        return;
    case NameCheck::Ok:
        break;
    }
    // A load would change the image an exchange is sending or filling (an
    // editor's Open button, or a dialog opened before the exchange began):
    // refused, and the dialog stays for a later try.
    if (params.action == FileDialogAction::Transfer_image && !params.save && Refuse_while_exchange_runs(app))
        return;
    // What an editor still shows typed belongs in the file: committed as
    // leaving it would, whether or not this dialog came forward over it.
    if (params.save) app.main_window.Commit_pending_edits();
    const std::string path = Join_folder(Dir1.Path(), name);
    if (params.action == FileDialogAction::Raise_request) {
        // The alignment file's request carries its own file (and, for a
        // save, the table as it stands now); the data file's name stays.
        if (!Request_adj_file(app, {params.save, path, params.save ? app.Adj_table : AdjTable{}})) {
            if (params.save) File1.Refresh();
            return;
        }
        App::Unload(*this);
        return;
    }
    app.Data_file_name = params.store_folder ? path : name;
    switch (params.action) {
    case FileDialogAction::Transfer_image: {
        const FileError err = params.save ? Save_data_file(path, app.Mem_image) : Load_data_file(path, app.Mem_image);
        if (err) {
            // The image (or the file on disk) is as it was; the dialog stays
            // open for another choice.
            MsgBox(File_error_text(err, path, app.Lang_chinese), ui::vbExclamation,
                   File_msg_title(app.Lang_chinese));
            if (params.save) File1.Refresh();
            return;
        }
        if (params.save) {
            msg("参数保存完毕 ！", "Complete storing  parameter.");
        } else {
            app.Image_replaced();
            msg("参数从文件调入成功 ！", "Succeed fold the parameter from file.");
        }
        break;
    }
    case FileDialogAction::Raise_request:
        break;
    case FileDialogAction::Raise_dialog_ok:
        (params.save ? app.Save_dialog_ok : app.Open_dialog_ok) = -1;
        break;
    }
    App::Unload(*this);
}

Form_open_chann::Form_open_chann(App& a) : FileDialog(a, File_dialog_family[0]) {}
Form_save_chann::Form_save_chann(App& a) : FileDialog(a, File_dialog_family[1]) {}
Form_open_adj::Form_open_adj(App& a) : FileDialog(a, File_dialog_family[2]) {}
Form_save_adj::Form_save_adj(App& a) : FileDialog(a, File_dialog_family[3]) {}
Form_open_sig::Form_open_sig(App& a) : FileDialog(a, File_dialog_family[4]) {}
Form_save_sig::Form_save_sig(App& a) : FileDialog(a, File_dialog_family[5]) {}
Form_open_menu::Form_open_menu(App& a) : FileDialog(a, File_dialog_family[6]) {}
Form_save_menu::Form_save_menu(App& a) : FileDialog(a, File_dialog_family[7]) {}

}  // namespace bx
