// Typing into a one-line text: a text box, a combo's text part, and through
// them the editors laid over grid cells. One set of rules for all of them:
// - every typed character, Backspace (8) and Enter (13) included, reaches
//   KeyPress first, which may change it or cancel it (KeyAscii = 0);
// - Enter clicks the form's usable Default button and Escape its Cancel
//   button instead, when it has one (no KeyPress then);
// - uncancelled, Backspace deletes; Enter and the other control characters
//   add nothing to the text; MaxLength and Locked hold;
// - Delete edits without KeyPress.
// Positions and lengths count characters, not bytes.
#pragma once

#include <string>

#include "ui/event.h"
#include "ui/focus.h"

namespace ui {

class TextEntry {
public:
    virtual ~TextEntry() = default;

    KeyEvent KeyPress;

    // A user typing at the end of the text. Focus is taken first.
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

protected:
    // The control that owns the text, and its text part.
    virtual Focusable& entry_control() = 0;
    virtual const std::string& entry_text() const = 0;
    virtual void entry_set_text(const std::string& v) = 0;
    // Whether typing may change the text (not Locked, not a pick-only list).
    virtual bool entry_editable() const = 0;
    // Most characters the text may hold; 0 for no limit.
    virtual int entry_max_length() const { return 0; }
};

}  // namespace ui
