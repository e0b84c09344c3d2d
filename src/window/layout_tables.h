// Helpers of the layout tables: a run of places built from a rule (a grid, a column of rows) and
// the runs joined into one constant table, in creation order, at compile time.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace zeltar::gui {

// The tables `parts`, one after another, as one table.
template <class Place, std::size_t... Sizes>
constexpr std::array<Place, (Sizes + ...)> Joined(const std::array<Place, Sizes>&... parts)
{
    std::array<Place, (Sizes + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

} // namespace zeltar::gui
