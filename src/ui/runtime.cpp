#include "ui/runtime.h"

#include <algorithm>

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

int Runtime::text_height(const std::string& text, int width) const {
    // Greedy wrapping at blanks, as a label wraps.
    int lines = 0, line_w = 0;
    std::string word;
    const int blank = text_width(" ");
    auto put_word = [&] {
        if (word.empty()) return;
        const int w = text_width(word);
        if (lines == 0 || (line_w > 0 && line_w + blank + w > width)) {
            ++lines;
            line_w = w;
        } else {
            line_w += (line_w > 0 ? blank : 0) + w;
        }
        word.clear();
    };
    for (char ch : text) {
        if (ch == ' ') put_word();
        else if (ch == '\n') put_word(), line_w = width + 1;  // the next word starts a line
        else word += ch;
    }
    put_word();
    return std::max(1, lines) * text_height();
}

int Runtime::field_height() const { return text_height() + kHeadlessFieldChrome; }

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
