// A key a user pressed, as a screen hands it to a control, and what the
// control makes of it. The screen translates its own key events into a
// Keystroke and asks the control (Focusable::offer_key, then the text and
// list controls' key_use and press); it never decides a key's meaning
// itself. Keys the control leaves to the screen (moving the cursor,
// selecting, the clipboard, opening a list) are the screen widget's own.
#pragma once

#include <string>

namespace ui {

struct Keystroke {
    // The keys the controls tell apart; every other key is Other (and
    // counts by the text it types, if any).
    enum class Name { Other, Up, Down, Left, Right, Home, End, PageUp, PageDown, Enter, Escape, Backspace, Delete };
    // The edit command the key stands for on the user's desktop (which
    // keys those are differs between desktops, so the screen says).
    enum class Command { None, Undo, Redo, Cut, Copy, Paste };

    Name name = Name::Other;
    // 'A'..'Z' for a letter key, whatever it types; 0 otherwise.
    char letter = 0;
    // The characters the key types (UTF-8), control characters included
    // (Ctrl+Y types 0x19); empty for a key that types none.
    std::string text;
    bool shift = false, ctrl = false, alt = false, meta = false;
    Command command = Command::None;

    // A command modifier held (Ctrl, Alt or Meta); Shift is not one.
    bool command_mods() const { return ctrl || alt || meta; }
    bool any_mods() const { return shift || command_mods(); }
};

// What becomes of a key over a control.
enum class KeyUse {
    Widget,   // the screen widget's own use
    Idle,     // taken: nothing happens
    Control,  // the control's: the screen hands it over (press)
};

}  // namespace ui
