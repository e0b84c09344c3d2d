// The report's lines for the extensions of the own project file a project uses, each listed under
// the gain it changes: the enclosure rows' typed U-values and extra layers under Q1, the staff's own
// hours under the staff line, the defrost gain among the operational gains. A project using none
// has no such line, and its report is drawn exactly as before.
#pragma once

#include "calc/recalculate.h"
#include "model/project_state.h"

#include <string>
#include <vector>

namespace zeltar::report {

// Where a line stands: below the enclosure total Q1, below the staff line ("От персонала ..."), or
// below the consumers' gain, just above the operational total Q4.
enum class ExtensionPlace { UnderEnclosureTotal, UnderStaff, AboveOperationalTotal };

struct ExtensionLine {
    ExtensionPlace place = ExtensionPlace::UnderEnclosureTotal;
    // The label, in the forms to try in turn: the first that fits the line is drawn (an extra-layer
    // line names its materials, or, when too long, gives their conductivities instead).
    std::vector<std::string> labels;
    std::string value; // right in the column of the partial gains; empty for none
};

// The lines of the project's extensions, in the order they are drawn, from the inputs and the
// values of the last recalculation (the defrost gain and the rows' k as the window's totals hold them).
std::vector<ExtensionLine> ExtensionReportLines(const ProjectState& state, const calc::RecalcValues& values);

} // namespace zeltar::report
