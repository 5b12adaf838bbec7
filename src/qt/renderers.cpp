// The renderers of every control kind the program has, by group (see
// view_kit.h).
#include "qt/view_kit.h"

namespace bx {

void register_standard_renderers(RendererRegistry& r) {
    register_basic_renderers(r);
    register_text_renderers(r);
    register_bar_renderers(r);
    register_filelist_renderers(r);
}

}  // namespace bx
