// The UTF-8 helpers (base/text.h), for the controls and the front end.
#pragma once

#include "base/text.h"

namespace ui {

using bx::join;
using bx::utf8_chars;
using bx::utf8_code;
using bx::utf8_encode;
using bx::utf8_length;

}  // namespace ui
