// Everything a window needs of the control layer.
#pragma once

#include "ui/cell_overlay.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/loop.h"
#include "ui/password_box.h"
#include "ui/runtime.h"
#include "ui/tabstrip.h"
#include "ui/text.h"
