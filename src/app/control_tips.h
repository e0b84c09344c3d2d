// What each control's tooltip says: what the control is, for a number its unit and the values it
// accepts (from the field table's bounds), for a result how it is obtained, in one line each. The
// window only sets these texts; a red control shows its warnings before them.
#pragma once

#include "fields/control.h"

#include <string>
#include <string_view>

namespace zeltar {

// One row per control, in the control catalogue's order. A numeric input's name and unit come from
// the field names; `what` then adds to them.
struct ControlTipRow {
    Control control;
    std::string_view what = {};
    std::string_view how = {}; // a result: how it is obtained
};

// The tooltip of a control; "" for the captions and the logo, which explain nothing further.
std::string ControlTooltip(Control control);

} // namespace zeltar
