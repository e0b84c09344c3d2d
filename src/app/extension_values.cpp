#include "app/extension_values.h"

#include "app/form_parameters.h"
#include "fields/control_catalogue.h"
#include "fields/field_table.h"
#include "fields/number_text.h"

namespace zeltar {

void StoreExtensionValue(ProjectState& state, const projectfile::ExtensionValue& value)
{
    const ControlFacts& facts = Facts(value.control);
    const ParameterSlot slot = FindParameter(state, facts.control);
    const fields::NumericField* field = fields::FindNumericField(value.control);
    if (field == nullptr || facts.type != ControlType::Edit) {
        if (slot.whole)
            *slot.whole = fields::ParseInteger(value.text).value_or(0);
        else if (slot.text)
            *slot.text = value.text;
        return;
    }
    if (field->storage == fields::Storage::Whole) {
        if (slot.whole)
            *slot.whole = fields::ParseInteger(fields::TrimTrailingBlanks(value.text)).value_or(0);
        return;
    }
    const double number = fields::ParseDecimal(value.text).value_or(0);
    if (slot.real)
        *slot.real = field->storage == fields::Storage::Percent ? number / 100 : number;
}

ProjectState StateOfProject(const projectfile::LoadedOwnProject& project)
{
    ProjectState state;
    projectfile::ApplyToState(project.file, state);
    state.ownMaterials = project.ownMaterials;
    for (const projectfile::ExtensionValue& value : project.extensions)
        StoreExtensionValue(state, value);
    return state;
}

} // namespace zeltar
