// The editor windows the main window's commands bring up, by id. Each
// editor's header names its class with BX_EDITOR_WINDOW, and the editor is
// in the program once its header is included in src/app/editor_windows.cpp:
// that one line is the whole registration. Until then the commands that
// open it do nothing.
#pragma once

namespace bx {

enum class EditorId : int {
    frm_chann,
    frm_FM,
    frm_option,
    frm_dtmf,
    frm_2tone,
    frm_5tone,
    frm_Adj_Txp,
    Form_Write_PassWord,
};
inline constexpr int kEditorCount = 8;

// The class of the window of an id: declared here, defined by the window's
// own header through BX_EDITOR_WINDOW.
template <EditorId id>
struct EditorClass;

}  // namespace bx

// In the window's header, after its class, at namespace scope outside any
// namespace: BX_EDITOR_WINDOW(frm_dtmf) names bx::frm_dtmf the window of
// EditorId::frm_dtmf.
#define BX_EDITOR_WINDOW(Name)                     \
    template <>                                    \
    struct bx::EditorClass<bx::EditorId::Name> {   \
        using type = bx::Name;                     \
    }
