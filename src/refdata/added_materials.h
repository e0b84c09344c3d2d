// Materials a designer of today's cold rooms expects beside the built-in lists, offered only by the
// own project file: the 131-line file keeps its lists and the indices it stores. In the insulation
// lists these follow the built-in entries (then the project's own materials); the extra layers of a
// row choose from kExtraLayerMaterials (then the project's own materials).
#pragma once

#include "refdata/materials.h"

#include <array>
#include <cstddef>

namespace zeltar::refdata {

inline constexpr std::array<LayerMaterial, 3> kAddedInsulationMaterials{{
    {"пенополиизоцианурат (PIR)", 0.022},
    // Upper end of the makers' range 0,030-0,034 W/(m K): the load errs on the safe side.
    {"пенополистирол XPS", 0.034},
    {"минвата сэндвич-панелей", 0.045},
}};

// The materials of an extra layer: the additions, then the wall construction and the wall
// insulation entries (brick, concrete, wood and the classic insulations). Each name stands once, since
// the own project file stores the name: the pumice concrete of the insulation list (0,29 W/(m K),
// the construction entry has 0,68) is told apart.
inline constexpr std::size_t kExtraLayerMaterialCount =
    kAddedInsulationMaterials.size() + kWallStructureMaterials.size() + kWallInsulationMaterials.size();
inline constexpr std::array<LayerMaterial, kExtraLayerMaterialCount> kExtraLayerMaterials = [] {
    std::array<LayerMaterial, kExtraLayerMaterialCount> all{};
    std::size_t n = 0;
    for (const LayerMaterial& m : kAddedInsulationMaterials)
        all[n++] = m;
    for (const StructureMaterial& m : kWallStructureMaterials)
        all[n++] = {m.name, m.conductivity};
    for (const LayerMaterial& m : kWallInsulationMaterials)
        all[n++] = m.name == "пемзобетон" ? LayerMaterial{"пемзобетон (изоляционный)", m.conductivity} : m;
    return all;
}();

constexpr bool EachNameOnce(const std::array<LayerMaterial, kExtraLayerMaterialCount>& materials)
{
    for (std::size_t i = 0; i < materials.size(); ++i)
        for (std::size_t j = i + 1; j < materials.size(); ++j)
            if (materials[i].name == materials[j].name)
                return false;
    return true;
}
static_assert(EachNameOnce(kExtraLayerMaterials), "the own project file stores an extra layer's material by its name");

} // namespace zeltar::refdata
