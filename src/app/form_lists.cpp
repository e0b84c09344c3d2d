#include "app/form_lists.h"

#include "fields/utf8.h"

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

std::vector<std::string> ListEntries(Control comboBox)
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

std::string ListEntryText(Control comboBox, int index)
{
    std::vector<std::string> entries = ListEntries(comboBox);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    return std::move(entries[static_cast<std::size_t>(index)]);
}

} // namespace zeltar
