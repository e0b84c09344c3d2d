// The detailed report's document for a project in the form model: the protocol the recalculation
// records over the model's state, under the project's name, site and date as the window shows them.
#pragma once

#include "report/protocol_pages.h"

namespace zeltar {
class FormModel;
}

namespace zeltar::report {

ProtocolDocument ProtocolOf(const FormModel& form);

} // namespace zeltar::report
