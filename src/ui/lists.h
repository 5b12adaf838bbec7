// Text boxes, combo boxes and list boxes.
#pragma once

#include <string>
#include <vector>

#include "ui/event.h"
#include "ui/focus.h"
#include "ui/typing.h"

namespace ui {

class TextBox : public Focusable, public TextEntry {
public:
    using Focusable::Focusable;
    const char* kind() const override { return "TextBox"; }
    struct P {
        std::string Text;
        int MaxLength = 0;  // 0: no limit; counted in characters
        bool Locked = false;
        std::string PasswordChar;
        int Alignment = 0;
        bool operator==(const P&) const = default;
    };
    const std::string& Text() const { return p.Text; }
    // Raises Change when the text really changes, also when code sets it.
    // The undo history starts anew (outside a user's edit) and a
    // composition is dropped, whether or not the text changed.
    void setText(const std::string& v);
    UI_PROP(int, MaxLength)
    UI_PROP(bool, Locked)
    UI_PROP(std::string, PasswordChar)
    UI_PROP(int, Alignment)

    Event Change, Click;

protected:
    void reset_props() override {
        p = P{};
        entry_reset();
    }
    Focusable& entry_control() override { return *this; }
    const std::string& entry_text() const override { return p.Text; }
    void entry_set_text(const std::string& v) override { setText(v); }
    bool entry_editable() const override { return !p.Locked; }
    int entry_max_length() const override { return p.MaxLength; }
    void entry_changed(const char* prop) override { changed(prop); }
    void focus_leaving() override { drop_composition(); }
    P p;
};

// A list of texts with a selection; base of ComboBox and ListBox.
class ListControl : public Focusable {
public:
    using Focusable::Focusable;
    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The item at i; an empty text outside the list.
    std::string List(int i) const;
    void setList(int i, const std::string& v);
    const std::vector<std::string>& items() const { return items_; }
    int ListIndex() const { return index_; }
    // Selects position i (-1: none); raises Click when the position changes,
    // also from code. A position outside the list is ignored.
    void setListIndex(int i);
    Event Click;
    // A user picking an item: the list takes the focus, then the position.
    void pick(int i);
    // Position of the item with exactly this text, or -1.
    int find(const std::string& text) const;

protected:
    // The selected position or its item's text changed (no event of its own).
    virtual void selection_changed() {}
    void reset_list() {
        items_.clear();
        index_ = -1;
    }
    std::vector<std::string> items_;
    int index_ = -1;
};

// A combo box: a list and a text part. A change of position (picked, or
// ListIndex set) raises Click only, and shows the item's text without
// Change; Change is the text part's (typed, or Text set). Setting Text to an
// item's text selects that item without Click.
//
// What the user does without typing keeps the text part showing what the
// list holds: a paste that names an item exactly is a pick of that item
// (Click), any other paste is typed key by key; Delete and Cut take away
// only characters that KeyPress would let the user type (a pick-only list
// loses none), and a text part they empty keeps, or shows again, the
// selected item's text. So a list never shows blank, or part of an item,
// over a setting it still holds.
class ComboBox : public ListControl, public TextEntry {
public:
    using ListControl::ListControl;
    const char* kind() const override { return "ComboBox"; }
    struct P {
        std::string Text;
        int Style = 0;  // 0 editable drop-down, 2 drop-down list
        bool Locked = false;
        bool operator==(const P&) const = default;
    };
    const std::string& Text() const { return p.Text; }
    // An editable combo may hold a text that is no item; a drop-down list
    // takes only an item's text. As a text box's, the history restarts
    // whether or not the text changed.
    void setText(const std::string& v);
    UI_PROP(int, Style)
    UI_PROP(bool, Locked)
    Event Change;

    int paste_at(const std::string& chars, int start, int len) override;
    // The list's own value: the text code last gave it, its last pick (by
    // code or the user; Undo's too), or the one the window showed
    // (Take_as_shown): never what was typed into it. A list that typing may
    // not change puts it back when its text part is typed into.
    const std::string& Put_back_text() const { return put_back_; }
    void Put_back() { setText(std::string(put_back_)); }

    // A user typing character `key` over a drop-down list (Style 2, no text
    // part): KeyPress judges it first, and a key it discards changes
    // nothing; a key it lets through picks the next item that begins with
    // it (the list's search by first letter). Returns whether an item was
    // picked.
    bool search_key(int key);

    // Keys over the list. A closed list laid over grid cells takes only the
    // keys a pick needs: Alt+Down and F4 open it (the widget's; inside the
    // opened list the usual keys pick) and typed characters are judged as
    // over any list; Up, Down, PageUp and PageDown are the grid's
    // (offer_key). An arrow with a modifier, and Left, Right, Home and End
    // over a list without a text part, pick nothing and do nothing (Idle).
    // The text part types as a text box does (TextEntry). A drop-down list
    // (Style 2) searches by the characters a key types (search_key), unless
    // Ctrl, Alt or Meta is held or one is Space or a control character:
    // those are the widget's (Space opens the list).
    KeyUse key_use(const Keystroke& k) override;
    void press(const Keystroke& k, int start, int len) override;

protected:
    void selection_changed() override;
    std::string entry_text_when_emptied() const override { return List(index_); }
    bool entry_may_remove(const std::vector<std::string>& removed) override;
    void reset_props() override {
        p = P{};
        reset_list();
        entry_reset();
    }
    Focusable& entry_control() override { return *this; }
    const std::string& entry_text() const override { return p.Text; }
    void entry_set_text(const std::string& v) override { setText(v); }
    bool entry_editable() const override { return !p.Locked && p.Style == 0; }
    void entry_changed(const char* prop) override { changed(prop); }
    // Undo or Redo: an item's text comes back as a pick of it, as a paste
    // of it would.
    void entry_restore(const std::string& text) override;
    void focus_leaving() override { drop_composition(); }
    void program_text_shown() override { put_back_ = Program_text(); }
    P p;
    std::string put_back_;
};

class ListBox : public ListControl {
public:
    using ListControl::ListControl;
    const char* kind() const override { return "ListBox"; }
    struct P {
        bool operator==(const P&) const = default;
    };
    std::string Text() const { return List(index_); }

protected:
    void reset_props() override { reset_list(); }
};

}  // namespace ui
