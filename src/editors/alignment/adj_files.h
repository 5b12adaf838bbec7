// The alignment file requests: what the alignment file dialogs' Confirm
// hands over (App::AdjFileRequest: its own file, and for a save the table
// as it stood at Confirm) and how one is served. No data-file dialog
// serves or changes one.
#pragma once

#include <functional>

#include "appstate/app.h"

namespace bx {

// A confirmed alignment file dialog's request. With the alignment editor
// loaded it waits in App::Adj_file_requests for the editor's poll; with
// none it is served at once. Returns false when it was served at once and
// failed (its message shown): the dialog stays for another choice.
bool Request_adj_file(App& app, App::AdjFileRequest request);

// Serves one request: a save writes the request's table into its file; a
// load reads its file into the table (which then counts as replaced),
// show() shows it, then the loaded message. A file that cannot be read or
// written brings its message and changes nothing. Returns whether it
// succeeded.
bool Serve_adj_file_request(App& app, const App::AdjFileRequest& request, const std::function<void()>& show);

}  // namespace bx
