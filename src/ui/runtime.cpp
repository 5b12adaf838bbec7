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

}  // namespace ui
