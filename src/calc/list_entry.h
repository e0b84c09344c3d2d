// Checked access to an entry of a built-in list by the index a project holds. A project always has
// a selection in every list; an index outside the list (a damaged project) stops the pass with an
// exception instead of reading past the table.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zeltar::calc {

template <class Entry, std::size_t N>
const Entry& ListEntry(const std::array<Entry, N>& list, int index, std::string_view listName)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        throw std::out_of_range("в списке «" + std::string(listName) + "» нет строки с номером " +
                                std::to_string(index));
    return list[static_cast<std::size_t>(index)];
}

} // namespace zeltar::calc
