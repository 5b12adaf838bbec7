// The generic controls the windows use, with the properties and events they
// rely on. Events are plain std::function members that the owning form wires
// to its handlers; the user-level actions (click, type, pick) check that the
// control is usable first, as a real window would. Each kind lives in the
// header of its group; this header brings them all.
#pragma once

#include "ui/bars.h"
#include "ui/buttons.h"
#include "ui/event.h"
#include "ui/focus.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/port_timer.h"
#include "ui/typing.h"
