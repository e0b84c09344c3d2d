#include "projectfile/built_in_stand_in.h"

#include "fields/number_text.h"
#include "refdata/added_materials.h"
#include "refdata/materials.h"

#include <cmath>
#include <span>

namespace zeltar::projectfile {

namespace {

// Conductivities of a material list's built-in entries, in list order; empty for other lists.
std::vector<double> BuiltInConductivities(Control list)
{
    const auto of = [](const auto& table) {
        std::vector<double> out;
        for (const auto& entry : table)
            out.push_back(entry.conductivity);
        return out;
    };
    switch (list) {
    case Control::StructureMaterialA:
    case Control::StructureMaterialB:
    case Control::StructureMaterialC:
    case Control::StructureMaterialD: return of(refdata::kWallStructureMaterials);
    case Control::InsulationMaterialA:
    case Control::InsulationMaterialB:
    case Control::InsulationMaterialC:
    case Control::InsulationMaterialD: return of(refdata::kWallInsulationMaterials);
    case Control::StructureMaterialCeiling: return of(refdata::kCeilingStructureMaterials);
    case Control::InsulationMaterialCeiling: return of(refdata::kCeilingInsulationMaterials);
    case Control::StructureMaterialFloor: return of(refdata::kFloorStructureMaterials);
    case Control::InsulationMaterialFloor: return of(refdata::kFloorInsulationMaterials);
    default: return {};
    }
}

bool IsInsulationList(Control list)
{
    switch (list) {
    case Control::InsulationMaterialA:
    case Control::InsulationMaterialB:
    case Control::InsulationMaterialC:
    case Control::InsulationMaterialD:
    case Control::InsulationMaterialCeiling:
    case Control::InsulationMaterialFloor: return true;
    default: return false;
    }
}

// The conductivity of an entry beyond the built-in ones: an added insulation, then an own material.
double AdditionConductivity(Control list, std::size_t beyond, const std::vector<OwnMaterial>& own)
{
    if (IsInsulationList(list)) {
        if (beyond < refdata::kAddedInsulationMaterials.size())
            return refdata::kAddedInsulationMaterials[beyond].conductivity;
        beyond -= refdata::kAddedInsulationMaterials.size();
    }
    return beyond < own.size() ? own[beyond].conductivity : 0;
}

std::size_t Nearest(std::span<const double> conductivities, double conductivity)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < conductivities.size(); ++i)
        if (std::fabs(conductivities[i] - conductivity) < std::fabs(conductivities[best] - conductivity))
            best = i;
    return best;
}

} // namespace

ProjectLines WithBuiltInStandIns(ProjectLines lines, const std::vector<OwnMaterial>& ownMaterials)
{
    for (int line = 1; line <= kLineCount; ++line) {
        const LineSpec& lineSpec = LineAt(line);
        if (lineSpec.kind != LineKind::ListIndex)
            continue;
        const std::vector<double> builtIn = BuiltInConductivities(*lineSpec.control);
        std::string& text = lines[static_cast<std::size_t>(line - 1)];
        const std::optional<std::int32_t> index = fields::ParseInteger(text);
        if (builtIn.empty() || !index || *index < static_cast<std::int32_t>(builtIn.size()))
            continue;
        const double conductivity =
            AdditionConductivity(*lineSpec.control, static_cast<std::size_t>(*index) - builtIn.size(), ownMaterials);
        text = std::to_string(Nearest(builtIn, conductivity));
    }
    return lines;
}

} // namespace zeltar::projectfile
