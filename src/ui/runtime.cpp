#include "ui/runtime.h"

#include "ui/grid_choices.h"
#include "ui/text.h"

namespace ui {

int Runtime::text_width(const std::string& text) const {
    int w = 0;
    for (const std::string& ch : utf8_chars(text)) {
        const int code = utf8_code(ch);
        w += (code >= 0x20 && code < 0x7F) ? kHeadlessNarrowChar : kHeadlessWideChar;
    }
    return w;
}

int Runtime::text_height() const { return kHeadlessLineHeight; }

void Runtime::report_failure(const std::string& what) {
    const bool chn = chinese && chinese();
    try {
        if (chn)
            MsgBox("此操作出错，已停止：" + what + "\n程序继续运行。", vbCritical, "错误");
        else
            MsgBox("This action failed and was stopped: " + what + "\nThe program goes on running.", vbCritical,
                   "Error");
    } catch (...) {
    }
}

}  // namespace ui
