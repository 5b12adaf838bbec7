// An input method as a desktop's (ibus) is to the front end, installed as
// the platform's input context of every front-end test: it shows its open
// text to the focused widget as a composition, and when Qt asks it to commit
// (Qt does so as the focus leaves a widget, before the focus moves) it
// commits that text there, as a user's commit would come. Asked to reset,
// it forgets the text. Inert until a test composes.
#pragma once

#include <QString>

namespace bxtest {

class IbusLikeInput {
public:
    // The input context of this test process; nullptr when the platform
    // took another (QT_IM_MODULE set to one of its own before the start).
    static IbusLikeInput* instance();
    // The user typing `text` into the input method: shown to the focused
    // widget as the open composition.
    virtual void compose(const QString& text) = 0;
    // The user choosing to commit: the open text is committed and closed.
    virtual void user_commit() = 0;
    // The input method deleting `n` characters from `offset` around the
    // cursor (an engine's delete-surrounding-text), its text still open.
    virtual void delete_around(int offset, int n) = 0;
    // The text still open in the input method (empty: none).
    virtual QString open_text() const = 0;

protected:
    ~IbusLikeInput() = default;
};

}  // namespace bxtest
