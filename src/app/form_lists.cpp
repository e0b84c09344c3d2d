#include "app/form_lists.h"

#include "fields/control_catalogue.h"
#include "fields/utf8.h"

#include "refdata/added_materials.h"

#include "refdata/cities.h"
#include "refdata/materials.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

#include <array>
#include <type_traits>

namespace zeltar {

namespace {

template <class Entry, std::size_t N>
std::vector<std::string> Padded(const std::array<Entry, N>& table)
{
    std::vector<std::string> entries;
    entries.reserve(N);
    for (std::size_t i = 0; i < N; ++i) {
        std::string text;
        if constexpr (std::is_same_v<Entry, std::string_view>)
            text = std::string(table[i]);
        else
            text = std::string(table[i].name);
        const std::size_t characters = fields::CharacterCount(text);
        if (i + 1 < N && characters < static_cast<std::size_t>(kListTextWidth))
            text.append(static_cast<std::size_t>(kListTextWidth) - characters, ' ');
        entries.push_back(std::move(text));
    }
    return entries;
}

} // namespace

namespace {

std::vector<std::string> BuiltInEntries(Control comboBox)
{
    switch (comboBox) {
    case Control::StructureMaterialA:
    case Control::StructureMaterialB:
    case Control::StructureMaterialC:
    case Control::StructureMaterialD: return Padded(refdata::kWallStructureMaterials);
    case Control::InsulationMaterialA:
    case Control::InsulationMaterialB:
    case Control::InsulationMaterialC:
    case Control::InsulationMaterialD: return Padded(refdata::kWallInsulationMaterials);
    case Control::SurfaceFinishA:
    case Control::SurfaceFinishB:
    case Control::SurfaceFinishC:
    case Control::SurfaceFinishD:
    case Control::SurfaceFinishCeiling: return Padded(refdata::kSurfaceFinishes);
    case Control::StructureMaterialCeiling: return Padded(refdata::kCeilingStructureMaterials);
    case Control::InsulationMaterialCeiling: return Padded(refdata::kCeilingInsulationMaterials);
    case Control::StructureMaterialFloor: return Padded(refdata::kFloorStructureMaterials);
    case Control::InsulationMaterialFloor: return Padded(refdata::kFloorInsulationMaterials);
    case Control::City: return Padded(refdata::kCities);
    case Control::FloorType: return Padded(refdata::kFloorTypes);
    case Control::RoomType: return Padded(refdata::kRoomTypes);
    case Control::Product: return Padded(refdata::kProducts);
    case Control::PackagingMaterial: return Padded(refdata::kPackagingMaterials);
    case Control::DoorProtection: return Padded(refdata::kDoorProtections);
    case Control::DoorType: return Padded(refdata::kDoorTypes);
    case Control::ProductGroup: return Padded(refdata::kProductGroups);
    default: return {};
    }
}

// What a material list offers after its built-in entries.
enum class ListTail { None, OwnMaterials, AddedInsulationsAndOwn };

ListTail TailOf(Control comboBox)
{
    switch (comboBox) {
    case Control::StructureMaterialA:
    case Control::StructureMaterialB:
    case Control::StructureMaterialC:
    case Control::StructureMaterialD:
    case Control::StructureMaterialCeiling:
    case Control::StructureMaterialFloor: return ListTail::OwnMaterials;
    case Control::InsulationMaterialA:
    case Control::InsulationMaterialB:
    case Control::InsulationMaterialC:
    case Control::InsulationMaterialD:
    case Control::InsulationMaterialCeiling:
    case Control::InsulationMaterialFloor: return ListTail::AddedInsulationsAndOwn;
    default: return ListTail::None;
    }
}

// The extra-layer lists: every one offers the same materials, then the own ones.
bool IsExtraLayerList(Control comboBox)
{
    const auto first = static_cast<int>(Control::ExtraLayerMaterial1A);
    const auto last = static_cast<int>(Control::ExtraLayerMaterial3Floor);
    const auto c = static_cast<int>(comboBox);
    return c >= first && c <= last && Facts(comboBox).type == ControlType::ComboBox;
}

void AppendOwnMaterials(std::vector<std::string>& entries, const ProjectState& state)
{
    for (const OwnMaterial& material : state.ownMaterials)
        entries.push_back(OwnMaterialEntry(material));
}

} // namespace

std::string OwnMaterialEntry(const OwnMaterial& material)
{
    return std::string(kOwnMaterialMark) + material.name;
}

std::vector<std::string> ListEntries(Control comboBox, const ProjectState& state)
{
    if (IsExtraLayerList(comboBox)) {
        std::vector<std::string> entries;
        for (const refdata::LayerMaterial& material : refdata::kExtraLayerMaterials)
            entries.emplace_back(material.name);
        AppendOwnMaterials(entries, state);
        return entries;
    }
    std::vector<std::string> entries = BuiltInEntries(comboBox);
    switch (TailOf(comboBox)) {
    case ListTail::None: break;
    case ListTail::AddedInsulationsAndOwn:
        for (const refdata::LayerMaterial& material : refdata::kAddedInsulationMaterials)
            entries.emplace_back(material.name);
        AppendOwnMaterials(entries, state);
        break;
    case ListTail::OwnMaterials: AppendOwnMaterials(entries, state); break;
    }
    return entries;
}

bool ListsOwnMaterials(Control comboBox)
{
    return IsExtraLayerList(comboBox) || TailOf(comboBox) != ListTail::None;
}

int BuiltInListLength(Control comboBox)
{
    if (IsExtraLayerList(comboBox))
        return static_cast<int>(refdata::kExtraLayerMaterials.size());
    return static_cast<int>(BuiltInEntries(comboBox).size());
}

std::string ListEntryText(Control comboBox, int index, const ProjectState& state)
{
    std::vector<std::string> entries = ListEntries(comboBox, state);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    return std::move(entries[static_cast<std::size_t>(index)]);
}

} // namespace zeltar
