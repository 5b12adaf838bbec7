// The editor windows of the program.
//
// Registering an editor window is ONE line: the #include of its header in
// the list below. (The header names the window's class with
// BX_EDITOR_WINDOW, see appstate/editor_ids.h; the main window's commands then
// find it through App::Window.)
#include "appstate/app.h"

// ---- one line per editor window ----
#include "editors/alignment/frm_adj_txp.h"
#include "editors/channels/frm_chann.h"
#include "editors/fm/frm_fm.h"
#include "editors/options/frm_option.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "link/form_write_password.h"
// ---- end of the list ----

#include <utility>

namespace bx {

namespace {

// Creates the window of id when its header is in the list above.
template <EditorId id>
void Make(App& app) {
    if constexpr (requires { typename EditorClass<id>::type; })
        app.Add_window(id, std::make_unique<typename EditorClass<id>::type>(app));
}

}  // namespace

void App::Make_editor_windows() {
    [this]<int... i>(std::integer_sequence<int, i...>) {
        (Make<static_cast<EditorId>(i)>(*this), ...);
    }(std::make_integer_sequence<int, kEditorCount>{});
}

}  // namespace bx
