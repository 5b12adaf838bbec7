// Typing into a one-line text: a text box, a combo's text part, and through
// them the editors laid over grid cells. The entry owns the text, the
// selection and the undo history; a screen only shows them, and whatever
// the screen's widget would change by itself comes here as a proposed edit.
// One set of rules for all of them:
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
//   would not store. The text changes once, at the end (one Change), and
//   the paste takes time in proportion to its length. A list takes a paste
//   that names one of its items exactly as a pick of that item, and a list
//   whose text part is emptied without a key shows its selected item's text
//   again (lists.h).
// - an input method's composition changes nothing until it commits; its
//   commit is typed as keys over the selection that stood when the
//   composition began (a refused commit leaves text and selection as they
//   were); a composition still open when the focus leaves is dropped.
// - Undo and Redo step through the user's edits since the program last set
//   the text or the selection (a run of typed keys, or of Backspaces and
//   Deletes, where the cursor stays on, is one step, as in line edits):
//   each brings back a text the box held, as the
//   user's edit (the box's Change follows, a list takes an item's text as a
//   pick of it). The key filter is not asked again: the text was the box's
//   own (a blank frame a filter would not let be typed comes back).
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
#include "ui/keys.h"

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
    int cut_at(int start, int len);
    // A user pasting `chars` over the selection [start, start + len).
    // Returns the cursor after the paste, or -1 when nothing was taken.
    virtual int paste_at(const std::string& chars, int start, int len);

    // A user's Undo and Redo. Return the cursor after the step, or -1 when
    // there was nothing to step to or the box took nothing.
    int undo() { return step_history(-1); }
    int redo() { return step_history(1); }
    bool can_undo() const;
    bool can_redo() const;

    // An input method: a composition begins over [start, start + len)
    // (nothing changes; a second begin while one is open is the same
    // composition); its commit types `chars` there as keys, or, begun at a
    // bare cursor, over the characters the input method replaces
    // ([cursor + from, cursor + from + len)). Returns the cursor after the
    // commit, or -1 when nothing was taken.
    void compose(int start, int len);
    int commit_composition(const std::string& chars, int from = 0, int len = 0);
    // The composition is abandoned (cancelled, or the focus left).
    void drop_composition() { composing_ = false; }
    bool composing() const { return composing_; }

    // A user moving the cursor or the selection on the screen: no edit.
    void user_selects(int start, int len) { clamp_selection(start, len); }

    // A user's key over the text, once Focusable::offer_key has left it:
    // what becomes of it. The desktop's Undo and Redo, and Ctrl+Y (Redo on
    // every desktop), step the history (Idle while the text cannot be
    // edited); Enter, Escape and Backspace are typed and Delete deletes;
    // the characters a key types are typed one by one. Every other key is
    // the widget's: moving the cursor and selecting, the clipboard keys
    // (the widget's edit then comes here as a paste or cut), keys held
    // with Ctrl, Alt or Meta, and a text with a control character in it.
    virtual KeyUse key_use(const Keystroke& k);
    // Does what key_use gave the control, where the screen shows the
    // selection [start, start + len); a later character of the key goes
    // where the one before left the cursor.
    virtual void press(const Keystroke& k, int start, int len);

    // The mouse over the text. The double-click whose first click opened
    // the text selected by code (the click that laid an editor over its
    // cell; its own press may reach the text or not) keeps the whole text
    // selected: double_click selects it and returns true. Any other
    // double-click, or one after a key, returns false: the widget's own
    // (it selects a word).
    void mouse_press() {
        if (presses_since_select_ >= 0) ++presses_since_select_;
    }
    bool double_click();

    // During KeyPress: the text that typing `key` where the user types it
    // makes, before MaxLength; the current text at any other time.
    std::string Text_if_typed(int key) const;

    // The selection [SelStart, SelStart + SelLength); length 0 is the cursor.
    int SelStart() const { return sel_start_; }
    int SelLength() const { return sel_len_; }
    // Code selecting: the screen shows it. The undo history starts anew.
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
    // Code gave the text: the cursor goes to its end. Outside a user's edit
    // the undo history starts anew.
    void text_set_by_code();
    // Undo or Redo bringing back `text` as the user's edit (a list: an
    // item's text is a pick of it).
    virtual void entry_restore(const std::string& text) { entry_set_text(text); }

private:
    // The text around the place a key goes while KeyPress judges it.
    struct Pending {
        std::string head, sel, tail;
    };
    // A user's edit: the outermost one, when it ends, adds the text it made
    // to the undo history.
    class UserEdit {
    public:
        explicit UserEdit(TextEntry& e);
        ~UserEdit();
        UserEdit(const UserEdit&) = delete;
        UserEdit& operator=(const UserEdit&) = delete;
        // An Undo or Redo: the place in the history it steps to.
        size_t restoring = static_cast<size_t>(-1);

    private:
        TextEntry& e_;
        unsigned serial_;
    };
    struct State {
        std::string text;
        int sel_start = 0, sel_len = 0;
    };

    // Keys typed over [start, start + len), judged one by one against the
    // text they make; the text is set once, at the end. Paste and a
    // composition's commit skip control characters; a single typed key may
    // be one (Backspace).
    int judge_keys(const std::vector<int>& keys, int start, int len);
    int step_history(int dir);
    // What a user's edit was, for the undo history: a run of typed keys,
    // or of Backspaces and Deletes, each where the one before left the
    // cursor, is one step (as line edits group them).
    enum class EditKind { Other, Typed, Erased };
    void note_edit(EditKind kind, int start, int len);
    State state() const { return {entry_text(), sel_start_, sel_len_}; }
    void clamp_selection(int start, int len);
    int sel_start_ = 0, sel_len_ = 0;
    // The text around the key that KeyPress is judging; null outside KeyPress.
    const Pending* pending_ = nullptr;
    // The user's edits: history_[at_] is the text shown. Empty: nothing to
    // undo; the next edit begins it with the text before it.
    std::vector<State> history_;
    size_t at_ = 0;
    int edit_depth_ = 0;
    EditKind edit_kind_ = EditKind::Other;  // the running edit's
    int edit_start_ = 0, edit_len_ = 0;     // where it began
    EditKind last_kind_ = EditKind::Other;  // the edit that made history_[at_]
    unsigned text_serial_ = 0;     // counts texts set (a key filter that set one ends a paste)
    unsigned history_serial_ = 0;  // counts fresh starts of the history
    bool composing_ = false;
    int compose_start_ = 0, compose_len_ = 0;
    // Mouse presses since code selected; -1 once a key or more presses came.
    int presses_since_select_ = -1;
};

}  // namespace ui
