// Where the room's heat load comes from: the six components of the total gain (Q1 through the
// enclosure with its rows, Q12 from the sun, Q2 from the goods, Q3 from the outside air, Q4 from
// operation with its door, lighting, staff, vehicles, fans, consumers and the defrost when given, Q5 from respiration), each
// as kW and as a share of the total. The chart of the load is drawn from these numbers.
#pragma once

#include "calc/recalculate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeltar::calc {

enum class LoadComponent : int { Q1, Q12, Q2, Q3, Q4, Q5, Count };
inline constexpr int kLoadComponentCount = static_cast<int>(LoadComponent::Count);
// "Q1", "Q12", ..., indexed by LoadComponent.
extern const std::array<std::string_view, kLoadComponentCount> kLoadComponentNames;

// kW per component, indexed by LoadComponent; they add up to the total gain.
using ComponentLoads = std::array<double, kLoadComponentCount>;
ComponentLoads ComponentLoadsOf(const RecalcValues& values);

// The share in per cent of a gain in the total, or nullopt when the total is not positive: a share
// of nothing, or of a load the goods' cooling outweighs, tells the engineer nothing.
std::optional<double> SharePercent(double gainKw, double totalKw);

struct LoadPart {
    LoadComponent component = LoadComponent::Q1;
    bool row = false;              // a row of its component (a wall, the door, ...), not the component
    std::string label;             // "Q1 через ограждения", "стена А", "освещение", ...
    double gainKw = 0;             // negative where the goods enter colder than they leave
    std::optional<double> percent; // share of the total, see SharePercent
};

struct LoadBreakdown {
    // Every component in order, each followed by its rows (Q1 and Q4 only).
    std::vector<LoadPart> parts;
    double totalKw = 0;
};

LoadBreakdown BreakDownLoad(const RecalcValues& values);

} // namespace zeltar::calc
