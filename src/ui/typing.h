// Typing into a one-line text: a text box, a combo's text part, and through
// them the editors laid over grid cells. One set of rules for all of them:
// - every typed character, Backspace (8) and Enter (13) included, reaches
//   KeyPress first, which may change it or cancel it (KeyAscii = 0);
// - Enter clicks the form's usable Default button and Escape its Cancel
//   button instead, when it has one (no KeyPress then);
// - uncancelled, Backspace deletes; Enter and the other control characters
//   add nothing to the text; MaxLength and Locked hold;
// - Delete and Cut edit without KeyPress;
// - a paste is judged as typing its characters would be: each one goes
//   through KeyPress and the limits at the cursor, control characters
//   (line ends, tabs) add nothing, so a filtered box never shows a text it
//   would not store. A list takes a paste that names one of its items
//   exactly as a pick of that item, and a list whose text part is emptied
//   without a key shows its selected item's text again (lists.h).
// A key filter judges the text the key would make (Text_if_typed: the
// selection replaced by the key, or one character gone for Backspace), so
// typing over a selection is judged as what it makes, never as an addition
// to the old text; a refused key leaves the text and the selection as they
// were.
// The entry keeps a selection (a cursor when empty): code selects (a cell
// editor opens with its whole text selected, so typing replaces it), a
// user's edit leaves the cursor after it, and code setting the text puts the
// cursor at its end. type() types over it, as a user would.
// Positions and lengths count characters, not bytes.
#pragma once

#include <string>
#include <vector>

#include "ui/event.h"
#include "ui/focus.h"

namespace ui {

class TextEntry {
public:
    virtual ~TextEntry() = default;

    KeyEvent KeyPress;

    // A user typing over the selection (at the cursor), key after key.
    // Focus is taken first.
    void type(const std::string& chars);
    // A user replacing the whole text (select all, type).
    void enter(const std::string& text);
    // A user typing character `key` over the selection [start, start + len)
    // (len 0: at the cursor `start`). Returns the cursor after the edit, or
    // -1 when the text was left as it was.
    int type_at(int key, int start, int len);
    // A user pressing Delete: the selection, or the character after the
    // cursor, goes. No KeyPress. Returns the cursor, or -1 when nothing went.
    int delete_at(int start, int len);
    // A user cutting the selection [start, start + len): as Delete over it.
    int cut_at(int start, int len) { return len > 0 ? delete_at(start, len) : -1; }
    // A user pasting `chars` over the selection [start, start + len).
    // Returns the cursor after the paste, or -1 when nothing was taken.
    virtual int paste_at(const std::string& chars, int start, int len);

    // During KeyPress: the text that typing `key` where the user types it
    // makes, before MaxLength; the current text at any other time.
    std::string Text_if_typed(int key) const;

    // The selection [SelStart, SelStart + SelLength); length 0 is the cursor.
    int SelStart() const { return sel_start_; }
    int SelLength() const { return sel_len_; }
    // Code selecting: the screen shows it.
    void Select(int start, int len);
    void SelectAll() { Select(0, -1); }

protected:
    // The control that owns the text, and its text part.
    virtual Focusable& entry_control() = 0;
    virtual const std::string& entry_text() const = 0;
    virtual void entry_set_text(const std::string& v) = 0;
    // Whether typing may change the text (not Locked, not a pick-only list).
    virtual bool entry_editable() const = 0;
    // Most characters the text may hold; 0 for no limit.
    virtual int entry_max_length() const { return 0; }
    // What Delete or Cut shows instead of an emptied text (a list: its
    // selected item's text); empty: the text is emptied.
    virtual std::string entry_text_when_emptied() const { return {}; }
    // Whether Delete or Cut may take characters `removed` away (a list: only
    // characters the user could type into it).
    virtual bool entry_may_remove(const std::vector<std::string>& /*removed*/) { return true; }
    // Whether KeyPress lets printable `key` through where the user is; the
    // key is not typed.
    bool key_would_pass(int key, int start, int len);
    // Tells the screen that property `prop` changed ("Sel": the selection).
    virtual void entry_changed(const char* prop) = 0;
    // Code gave the text: the cursor goes to its end.
    void text_set_by_code();

private:
    void clamp_selection(int start, int len);
    int sel_start_ = 0, sel_len_ = 0;
    // Where the key that KeyPress is judging goes; start -1 outside KeyPress.
    int pending_start_ = -1, pending_len_ = 0;
};

}  // namespace ui
