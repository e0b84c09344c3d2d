#include "app/form_parameters.h"

#include "fields/control_catalogue.h"

#include <stdexcept>
#include <string>

namespace zeltar {

ParameterSlot FindParameter(ProjectState& state, Control control)
{
    const RecordSlot slot = RecordSlotOf(control);
    if (slot.index() == 0)
        throw std::out_of_range("no project parameter behind the control " + std::string(Facts(control).name));
    return ValueAt(state, slot);
}

double ParameterValue(const ProjectState& state, Control control)
{
    // Only read through the slot.
    const ParameterSlot slot = FindParameter(const_cast<ProjectState&>(state), control);
    if (slot.real)
        return *slot.real;
    if (slot.whole)
        return *slot.whole;
    throw std::out_of_range("the project parameter " + std::string(Facts(control).parameter) +
                            " is text, not a number");
}

} // namespace zeltar
