// The base of every editor window (channels, FM, options, DTMF, 2-tone,
// 5-tone, alignment): the link window's port, timers, bar, label and
// machine (link/link_window.h), plus what all editors do alike:
//
// - `Command_read` and `Command_Write`: their clicks run the window's own
//   checks (Read_checks / Write_checks), then start the exchange; a finished
//   read or write calls Read_complete / Write_complete;
// - `Label_PassWord` and `Text_PassWord` (not in the alignment editor): the
//   box holds the stored password "580317" at every load, which is no typed
//   password (PassWord_typed stays as it is); typing goes through the shared
//   password filter;
// - the common load steps (Form_Load): the three timers stop, the port
//   closes, the seven link flags clear, and the window is sized and placed
//   from the main window by the divisors of its EditorRow; ProgressBar1
//   stays visible (an editor that hides it does so itself);
// - Busy(), and the busy refusal with the row's text and title; Read and
//   Write are also refused while any other exchange runs (the rule of the
//   exchange start, LinkMachine::May_start), Default and Clear while any
//   write runs (Wire_wholesale);
// - closing: while the window's own exchange runs, its Close button shows
//   the row's close text, and the close box and the main window's
//   unload-first commands show its unload text; the window and its exchange
//   stay. When the program ends the unload text shows once and the window
//   unloads. Otherwise the port closes, the timers stop, the flags clear.
//
// Writing an editor:
//
//   inline constexpr EditorRow kDtmfRow{
//       .link = &link_rows::frm_dtmf, .width_div = 1.4f, .height_div = 1.55f};
//
//   class frm_dtmf : public EditorWindow {
//   public:
//       explicit frm_dtmf(App& app) : EditorWindow(app, "frm_dtmf", kDtmfRow) {
//           Command_close.Click = [this] { Close_button(); };
//           Wire_wholesale(Command_def, &Editor_row().busy, [this] { /* defaults */ });
//       }
//       ui::CommandButton Command_close{*this, "Command_close"};
//       ...
//   protected:
//       void Build() override { EditorWindow::Build(); /* layout */ }
//       void Form_Load() override { EditorWindow::Form_Load(); /* captions, lists, display */ }
//       void Read_complete() override { /* unpack, display */ }
//       void Image_replaced() override { /* display */ }
//   };
//
//   }  // namespace bx
//   BX_EDITOR_WINDOW(frm_dtmf);
//
// Editing rules every editor gets from this base (the cell overlays of
// ui/cell_overlay.h are found among the window's controls, so an editor
// adds nothing for them):
//
// - a cell editor stores only what the user changed: the window's LeaveCell
//   handler stores through Commit_cell / Commit_edit (editors/cell_commit.h),
//   which store nothing for a cell left with the text it opened with;
// - whenever the rows are rebuilt from the image, the open cell editors are
//   dropped unstored first: before Read_complete, before Image_replaced,
//   and in Form_Activate, after the pending edit is committed (an editor
//   overriding it calls this one first); Default and Clear (Wire_wholesale)
//   drop them first; a grid that scrolls drops its overlays itself;
// - every loaded editor follows the image-replaced notice (a full read, a
//   data-file load from any window): Image_replaced, after the drop, is
//   where the editor shows the new image;
// - a commit that shows a message (a value out of range, a name too long)
//   goes through Commit_judged: the value judged, the message shown, then
//   the store, which runs only while the data under the window (the row's
//   DataArea) is the data it was judged on;
// - an edit still on screen is committed as leaving it would before the
//   window's Write and Save (Prepare_save), before the main window's Save
//   and Save As (Commit_all_pending_edits), and when the window is
//   deactivated or unloaded: Commit_pending_edit, which by default ends the
//   edit of every grid whose current cell has an overlay on it (its
//   LeaveCell runs with the cell unchanged). An editor with boxes that
//   commit on their own (LostFocus, Validate) overrides it, calls this one,
//   and commits its focused box when its text changed.
//
// And the one registration line, `#include "editors/signalling/frm_dtmf.h"`,
// in src/app/editor_windows.cpp.
#pragma once

#include <cstdint>
#include <functional>

#include "appstate/data_area.h"
#include "appstate/editor_ids.h"
#include "link/link_window.h"

namespace bx {

// The close warning of the editors, without a blank before its last comma
// (the channel and FM editors' Close buttons show link_text::kNoClose).
namespace editor_text {
inline constexpr link_text::Pair kNoCloseWindow{"正在进行读写操作,请勿关窗口 ！,",
                                                 "Read-write operating，don't close the window.,"};
}  // namespace editor_text

// What differs between the editors' shared parts.
struct EditorRow {
    const Link_params* link = nullptr;
    // Size and place from the main window M, in twips:
    // Width = M.Width / width_div, Height = M.Height / height_div,
    // Left = (M.ScaleWidth - Width) / 2, Top = (M.ScaleHeight - Height) / top_div.
    float width_div = 1, height_div = 1, top_div = 2;
    // The password label and box (the alignment editor has none).
    bool password = true;
    // Refusal of Read, Write, Default, Open and Save while busy.
    link_text::Pair busy = link_text::kBusy;
    // The Close button while busy.
    link_text::Pair close = editor_text::kNoCloseWindow;
    // The close box, the unload-first commands and the program's end while
    // busy.
    link_text::Pair unload = editor_text::kNoCloseWindow;
    // The English title of those messages (the Chinese one is "操作提示").
    const char* eng_title = link_text::kTitleEng;
    // The data the window shows and edits, which its own read replaces.
    DataArea data = kWholeImage;
};

// The captions of the editors' common buttons and password label.
namespace editor_text {
inline constexpr link_text::Pair kRead{"读 取", "Read"};
inline constexpr link_text::Pair kWrite{"写  入", "Write"};
inline constexpr link_text::Pair kDefault{"默 认", "Default"};
inline constexpr link_text::Pair kSave{"保  存", "Save"};
inline constexpr link_text::Pair kOpen{"打  开", "Open"};
inline constexpr link_text::Pair kClose{"关  闭", "Close"};
inline constexpr link_text::Pair kPassWord{"读写密码", "PassWord"};
// The box at the end of an editor's own read.
inline constexpr link_text::Pair kReadBox{"从对讲机中读取数据完毕 ！", "Complete reading the data from transceiver."};
}  // namespace editor_text

// The stored password of every editor's password box.
inline constexpr const char* kStoredPassword = "580317";

class EditorWindow : public LinkWindow {
public:
    ui::CommandButton Command_read{*this, "Command_read"};
    ui::CommandButton Command_Write{*this, "Command_Write"};

    const EditorRow& Editor_row() const { return erow_; }

    // The window's own read or write runs, from its start until its report
    // has shown (LinkMachine::Running).
    bool Busy() const { return Link.Running(); }
    // Shows the busy refusal when busy; returns whether it did. Default,
    // Open and Save start with it.
    bool Refuse_if_busy();
    // The Close button: refused with the close text while busy; otherwise
    // the window unloads (its port closes).
    void Close_button();
    // The Close button of the editors that also take the whole-image
    // dialogs down: refused with the close text while busy; otherwise the
    // port closes, the window unloads, then both dialogs unload.
    void Close_with_image_dialogs();

    void Command_read_Click();
    void Command_Write_Click();

    // Commits the edit the user left on screen, exactly as leaving it would
    // (same checks, messages and replacements): an open cell editor whose
    // grid is still on its cell, or, in an editor that overrides this, its
    // focused box whose text was changed. Nothing happens when there is none.
    virtual void Commit_pending_edit();

protected:
    EditorWindow(App& app, const char* name, const EditorRow& row);

    // Derived windows call these first.
    void Build() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    // The pending edit is committed, then the open cell editors are dropped
    // (the redraw of an editor that overrides this follows). Another window
    // in front: the pending edit is committed.
    void Form_Activate() override;
    void Form_Deactivate() override;

    // Hides every cell overlay's editor and forgets its cell, storing
    // nothing: the data under it is about to be redrawn or replaced.
    void Drop_cell_editors();

    // Wires a button that rewrites the window's area wholesale (Default,
    // Clear). Its click is refused with the busy text while any write runs
    // (the write sends the image it started with; a change meanwhile would
    // show what the radio never got); then, while the window's own exchange
    // runs, with `own_busy` (none: the command acts during the window's own
    // read); otherwise the open cell editors are dropped unstored and `act`
    // runs.
    void Wire_wholesale(ui::CommandButton& button, const link_text::Pair* own_busy, std::function<void()> act);

    // Sizes and places the window from the main window by the row's divisors.
    void Place_from_main();
    // Makes the window up to `more` twips higher, as far as the main
    // window's client area has room for it, and places it again as
    // Place_from_main does; returns how much higher it became. A window
    // whose grid cannot show its rows in the room its size gives (a title
    // bar of a window manager takes some of the screen) takes what it lacks.
    int Grow_within_main(int more);

    // The window's own checks before its exchange starts; false stops it.
    virtual bool Read_checks() { return true; }
    virtual bool Write_checks() { return true; }
    // A read or write through the window's own buttons has finished (the
    // machine has stopped its timers, cleared the flags and closed the port).
    virtual void Read_complete() {}
    virtual void Write_complete() {}

    // The whole-image data-file dialog (open, or save), found through the
    // application object so no editor includes the shell; nullptr when the
    // program has none.
    ui::Form* Image_dialog(bool save) const;
    // Open and Save of the editors that open that dialog as it stands: the
    // busy refusal, else the dialog opens (or comes forward).
    void Open_image_dialog(bool save);
    // The start of a Save: the busy refusal (false), else the pending edit
    // committed (true: the save goes on).
    bool Prepare_save();

    // The bar hidden at 0 and the label empty, as Default leaves them.
    void Clear_progress();

    // The end of the window's own read: the bar shown full, the label's
    // text, then the box. The end of its own write: the box, then the
    // label's text. The boxes have the title "Operate Prompt" in English.
    void Show_read_done(const link_text::Pair& label, const link_text::Pair& box = editor_text::kReadBox);
    void Show_write_done(const link_text::Pair& box, const link_text::Pair& label);

    // A message with the exclamation icon and the row's title.
    void Warn(const link_text::Pair& text);

    // A commit whose value was judged and that has a message to show (a
    // value out of range, a name too long): message() shows it, then
    // apply() stores what was judged. apply() runs only when the window is
    // still loaded and no data under it (the row's DataArea) was replaced
    // while the message stood (a full read's end, a data-file load, the
    // window's own read, an alignment file load): it was judged on data
    // that is gone, and the window shows the new data already. Returns
    // whether apply() ran.
    bool Commit_judged(const std::function<void()>& message, const std::function<void()>& apply);

    // From now until the window unloads, Image_replaced runs (after the cell
    // editors are dropped) whenever the whole image was replaced (a
    // data-file load, a full read). The base's Form_Load calls it; a second
    // call changes nothing.
    void Follow_image_replaced();
    // Shows the new image: the editor's rows and boxes from the image.
    virtual void Image_replaced() {}
    // The same for the limits: from now until the window unloads,
    // Limits_changed runs whenever an identification has set new limits.
    void Follow_limits_changed();
    virtual void Limits_changed() {}

private:
    const EditorRow& erow_;
    int image_listener_ = 0;
    int limits_listener_ = 0;
};

// Every loaded editor commits its pending edit (the main window's Save and
// Save As, which take no focus from it).
void Commit_all_pending_edits(App& app);

}  // namespace bx
