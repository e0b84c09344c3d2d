#include "app/form_lists.h"

#include "fields/control_catalogue.h"
#include "fields/utf8.h"
#include "projectfile/list_entry_names.h"

namespace zeltar {

namespace {

// An extra layer's list shows its materials as they are; the lists of the specified form pad
// their entries.
bool PadsEntries(Control comboBox)
{
    return !Facts(comboBox).parameter.starts_with("ExtraLayerMaterial");
}

// The entry padded with blanks to kListTextWidth characters.
void Pad(std::string& text)
{
    const std::size_t characters = fields::CharacterCount(text);
    if (characters < static_cast<std::size_t>(kListTextWidth))
        text.append(static_cast<std::size_t>(kListTextWidth) - characters, ' ');
}

} // namespace

std::string OwnMaterialEntry(const OwnMaterial& material)
{
    return std::string(kOwnMaterialMark) + material.name;
}

// The names are those the own project file stores (one place for every list's entries and their
// order); the list pads the built-in ones but the last and marks the own materials.
std::vector<std::string> ListEntries(Control comboBox, const ProjectState& state)
{
    const std::string_view parameter = Facts(comboBox).parameter;
    std::vector<std::string> entries = projectfile::ListEntryNames(comboBox, parameter, state.ownMaterials);
    if (PadsEntries(comboBox)) {
        const int builtIn = projectfile::BuiltInEntryCount(comboBox, parameter);
        for (int i = 0; i + 1 < builtIn; ++i)
            Pad(entries[static_cast<std::size_t>(i)]);
    }
    if (ListsOwnMaterials(comboBox))
        for (std::size_t i = entries.size() - state.ownMaterials.size(); i < entries.size(); ++i)
            entries[i] = std::string(kOwnMaterialMark) + entries[i];
    return entries;
}

bool ListsOwnMaterials(Control comboBox)
{
    return projectfile::ListTakesOwnMaterials(comboBox, Facts(comboBox).parameter);
}

int BuiltInListLength(Control comboBox)
{
    return projectfile::BuiltInEntryCount(comboBox, Facts(comboBox).parameter);
}

std::string ListEntryText(Control comboBox, int index, const ProjectState& state)
{
    std::vector<std::string> entries = ListEntries(comboBox, state);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    return std::move(entries[static_cast<std::size_t>(index)]);
}

} // namespace zeltar
