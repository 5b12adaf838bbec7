#include "editors/alignment/adj_files.h"

#include "link/link_machine.h"
#include "model/adj_file.h"
#include "model/lang.h"
#include "model/text_file.h"
#include "ui/form.h"

namespace bx {

namespace {
inline constexpr link_text::Pair kLoaded{"调整参数从文件调入成功 ！", "Succeed fold the optional parameters from file."};
inline constexpr link_text::Pair kSaved{"调整参数保存完毕 ！", "Complete storing optional parameters."};
}  // namespace

bool Serve_adj_file_request(App& app, const App::AdjFileRequest& r, const std::function<void()>& show) {
    const int16_t chn = app.Lang_chinese;
    const std::string title = L(chn, link_text::kTitleChn, link_text::kTitleEngP);
    const FileError e = r.save ? Save_adj_file(r.path, r.table) : Load_adj_file(r.path, app.Adj_table);
    if (e) {
        app.rt.MsgBox(File_error_text(e, r.path, chn), ui::vbExclamation, title);
        return false;
    }
    if (!r.save) {
        app.Data_replaced(kWholeAdjTable);
        if (show) show();
    }
    const link_text::Pair& done = r.save ? kSaved : kLoaded;
    app.rt.MsgBox(L(chn, done.chn, done.eng), ui::vbExclamation, title);
    return true;
}

bool Request_adj_file(App& app, App::AdjFileRequest request) {
    const ui::Form* editor = app.Window(EditorId::frm_Adj_Txp);
    if (editor && editor->Loaded()) {
        app.Adj_file_requests.push_back(std::move(request));
        return true;
    }
    return Serve_adj_file_request(app, request, nullptr);
}

}  // namespace bx
