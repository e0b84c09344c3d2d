// A project at a glance, for a terminal: the site, the city and the room type, the room's size and
// temperature, and the summary column of heat gains, each under the window's own caption with the
// text the window shows, as an aligned table.
#pragma once

#include <string>

namespace zeltar {

class FormModel;

// One line per item, "caption  value [unit]": the values start in one column, numbers are
// aligned at their decimal comma; the heat gains follow under the heading "ТЕПЛОПРИТОКИ". The
// site line is left out while the site is empty. Every line ends with '\n'.
std::string OverviewTable(const FormModel& form);

} // namespace zeltar
