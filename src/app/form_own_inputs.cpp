// The inputs only the own project file holds (the extension controls of the «Дополнительно» page
// and the project's own materials): gathered for a save, put back by a load, and the question asked
// before a save as a 131-line file would lose them.
#include "app/form_impl.h"

#include "app/extension_values.h"
#include "app/form_parameters.h"
#include "fields/control_catalogue.h"
#include "fields/number_text.h"
#include "files/file_names.h"
#include "model/project_extensions.h"
#include "model/startup_state.h"
#include "projectfile/list_entry_names.h"

namespace zeltar {

namespace {

// The value a control's parameter holds in the record (a whole number widened).
double HeldValue(const ProjectState& state, Control control)
{
    return ParameterValue(state, control);
}

} // namespace

std::vector<projectfile::ExtensionValue> FormModel::Impl::collectExtensions() const
{
    const ProjectState startup = StartupState(startupDate);
    std::vector<projectfile::ExtensionValue> values;
    for (const ControlFacts& facts : AllControls()) {
        if (!projectfile::IsExtensionControl(facts.control) ||
            HeldValue(state, facts.control) == HeldValue(startup, facts.control))
            continue;
        const ControlState& c = at(facts.control);
        values.push_back({facts.control, facts.type == ControlType::Edit ? c.text : std::to_string(c.index)});
    }
    return values;
}

projectfile::OwnProject FormModel::Impl::collectOwnProject() const
{
    return {collectLines(), collectExtensions(), state.ownMaterials};
}

void FormModel::Impl::applyExtensions(const std::vector<projectfile::ExtensionValue>& values,
                                      const std::vector<OwnMaterial>& ownMaterials)
{
    // Every extension starts from its start-up value: a 131-line file holds none of them.
    Impl startup = Startup(startupDate);
    state.ownMaterials = ownMaterials;
    for (const ControlFacts& facts : AllControls()) {
        if (!projectfile::IsExtensionControl(facts.control))
            continue;
        const ControlState& fresh = startup.at(facts.control);
        if (facts.type == ControlType::Edit)
            setText(facts.control, fresh.text);
        else
            setIndex(facts.control, fresh.index);
        setEnabled(facts.control, fresh.enabled);
        const ParameterSlot slot = FindParameter(state, facts.control);
        const ParameterSlot was = FindParameter(startup.state, facts.control);
        if (slot.real)
            *slot.real = *was.real;
        else if (slot.whole)
            *slot.whole = *was.whole;
    }
    for (const projectfile::ExtensionValue& value : values) {
        if (Facts(value.control).type == ControlType::Edit)
            setText(value.control, value.text); // as stored; the reader checked its number
        else
            setIndex(value.control, fields::ParseInteger(value.text).value_or(0));
        StoreExtensionValue(state, value);
    }
}

std::string FormModel::Impl::lossySaveQuestion(const std::string& path) const
{
    const std::vector<Extension> used = UsedExtensions(state);
    if (used.empty())
        return {};
    std::string lost;
    for (const Extension extension : used)
        lost += (lost.empty() ? "" : "; ") + std::string(ExtensionText(extension));
    return "Файл «" + std::string(files::FileNameOf(path)) +
           "» — файл проекта из 131 строки, он не может сохранить: " + lost +
           ".\n\nВместо изоляции или материала, которых нет во встроенных списках, будет записан встроенный "
           "материал с ближайшей теплопроводностью.\n\nСохранить без этих данных? Без потерь проект сохраняется в "
           "файл *.zlp.";
}

} // namespace zeltar
