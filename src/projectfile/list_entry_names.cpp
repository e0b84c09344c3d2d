#include "projectfile/list_entry_names.h"

#include "fields/control_catalogue.h"
#include "refdata/added_materials.h"
#include "refdata/cities.h"
#include "refdata/materials.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

#include <algorithm>

namespace zeltar::projectfile {

namespace {

// The extra-layer material lists of the «Дополнительно» page are told by their parameter.
constexpr std::string_view kExtraLayerMaterialParameter = "ExtraLayerMaterial";

enum class Additions { None, OwnMaterials, AddedInsulationsAndOwnMaterials };

template <class Table>
void AppendNames(std::vector<std::string>& names, const Table& table)
{
    for (const auto& entry : table) {
        if constexpr (std::is_convertible_v<decltype(entry), std::string_view>)
            names.emplace_back(entry);
        else
            names.emplace_back(entry.name);
    }
}

template <class Table>
std::vector<std::string> Names(const Table& table)
{
    std::vector<std::string> names;
    AppendNames(names, table);
    return names;
}

Additions AdditionsOf(Control list, std::string_view parameter)
{
    if (parameter.starts_with(kExtraLayerMaterialParameter))
        return Additions::OwnMaterials;
    switch (list) {
    case Control::StructureMaterialA:
    case Control::StructureMaterialB:
    case Control::StructureMaterialC:
    case Control::StructureMaterialD:
    case Control::StructureMaterialCeiling:
    case Control::StructureMaterialFloor: return Additions::OwnMaterials;
    case Control::InsulationMaterialA:
    case Control::InsulationMaterialB:
    case Control::InsulationMaterialC:
    case Control::InsulationMaterialD:
    case Control::InsulationMaterialCeiling:
    case Control::InsulationMaterialFloor: return Additions::AddedInsulationsAndOwnMaterials;
    default: return Additions::None;
    }
}

std::vector<std::string> BuiltInNames(Control list, std::string_view parameter)
{
    if (parameter.starts_with(kExtraLayerMaterialParameter))
        return Names(refdata::kExtraLayerMaterials);
    switch (list) {
    case Control::StructureMaterialA:
    case Control::StructureMaterialB:
    case Control::StructureMaterialC:
    case Control::StructureMaterialD: return Names(refdata::kWallStructureMaterials);
    case Control::InsulationMaterialA:
    case Control::InsulationMaterialB:
    case Control::InsulationMaterialC:
    case Control::InsulationMaterialD: return Names(refdata::kWallInsulationMaterials);
    case Control::SurfaceFinishA:
    case Control::SurfaceFinishB:
    case Control::SurfaceFinishC:
    case Control::SurfaceFinishD:
    case Control::SurfaceFinishCeiling: return Names(refdata::kSurfaceFinishes);
    case Control::StructureMaterialCeiling: return Names(refdata::kCeilingStructureMaterials);
    case Control::InsulationMaterialCeiling: return Names(refdata::kCeilingInsulationMaterials);
    case Control::StructureMaterialFloor: return Names(refdata::kFloorStructureMaterials);
    case Control::InsulationMaterialFloor: return Names(refdata::kFloorInsulationMaterials);
    case Control::City: return Names(refdata::kCities);
    case Control::FloorType: return Names(refdata::kFloorTypes);
    case Control::RoomType: return Names(refdata::kRoomTypes);
    case Control::Product: return Names(refdata::kProducts);
    case Control::PackagingMaterial: return Names(refdata::kPackagingMaterials);
    case Control::DoorProtection: return Names(refdata::kDoorProtections);
    case Control::DoorType: return Names(refdata::kDoorTypes);
    case Control::ProductGroup: return Names(refdata::kProductGroups);
    default: return {};
    }
}

} // namespace

int BuiltInEntryCount(Control list, std::string_view parameter)
{
    return static_cast<int>(BuiltInNames(list, parameter).size());
}

bool ListTakesOwnMaterials(Control list, std::string_view parameter)
{
    return AdditionsOf(list, parameter) != Additions::None;
}

std::vector<std::string> ListEntryNames(Control list, std::string_view parameter,
                                        const std::vector<OwnMaterial>& ownMaterials)
{
    std::vector<std::string> names = BuiltInNames(list, parameter);
    const Additions additions = AdditionsOf(list, parameter);
    if (additions == Additions::AddedInsulationsAndOwnMaterials)
        AppendNames(names, refdata::kAddedInsulationMaterials);
    if (additions != Additions::None)
        for (const OwnMaterial& material : ownMaterials)
            names.push_back(material.name);
    return names;
}

std::optional<int> FindListEntry(const std::vector<std::string>& names, std::string_view name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<int>(found - names.begin());
}

bool IsBuiltInMaterialName(std::string_view name)
{
    for (const ControlFacts& facts : AllControls()) {
        if (facts.type != ControlType::ComboBox || !ListTakesOwnMaterials(facts.control, facts.parameter))
            continue;
        const std::vector<std::string> names = ListEntryNames(facts.control, facts.parameter, {});
        if (std::find(names.begin(), names.end(), name) != names.end())
            return true;
    }
    return false;
}

} // namespace zeltar::projectfile
