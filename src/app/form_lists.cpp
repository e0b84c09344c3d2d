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

// "ComboBox13" -> 13, 0 for another name.
int ListNumber(std::string_view name)
{
    constexpr std::string_view prefix = "ComboBox";
    if (!name.starts_with(prefix) || name.size() == prefix.size() || name.size() > prefix.size() + 2)
        return 0;
    int number = 0;
    for (const char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    return name[prefix.size()] == '0' ? 0 : number;
}

} // namespace

std::vector<std::string> ListEntries(std::string_view comboBox)
{
    const int n = ListNumber(comboBox);
    if (n >= 1 && n <= 4)
        return Padded(refdata::kWallStructureMaterials);
    if (n >= 5 && n <= 8)
        return Padded(refdata::kWallInsulationMaterials);
    if (n >= 14 && n <= 18)
        return Padded(refdata::kSurfaceFinishes);
    switch (n) {
    case 9: return Padded(refdata::kCeilingStructureMaterials);
    case 10: return Padded(refdata::kCeilingInsulationMaterials);
    case 11: return Padded(refdata::kFloorStructureMaterials);
    case 12: return Padded(refdata::kFloorInsulationMaterials);
    case 13: return Padded(refdata::kCities);
    case 19: return Padded(refdata::kFloorTypes);
    case 20: return Padded(refdata::kRoomTypes);
    case 21: return Padded(refdata::kProducts);
    case 22: return Padded(refdata::kPackagingMaterials);
    case 23: return Padded(refdata::kDoorProtections);
    case 24: return Padded(refdata::kDoorTypes);
    case 25: return Padded(refdata::kProductGroups);
    default: return {};
    }
}

std::string ListEntryText(std::string_view comboBox, int index)
{
    std::vector<std::string> entries = ListEntries(comboBox);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    return std::move(entries[static_cast<std::size_t>(index)]);
}

} // namespace zeltar
