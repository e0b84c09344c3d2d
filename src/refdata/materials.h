// Built-in lists of construction, insulation and finish materials. The order of every list is
// binding: project files store the 0-based position of the selected entry.
#pragma once

#include <array>
#include <string_view>

namespace zeltar::refdata {

// Construction layer: conductivity in W/(m K); bare-surface solar factor (walls and ceiling only,
// used by the solar correction when the surface has no coating).
struct StructureMaterial {
    std::string_view name;
    double conductivity;
    double bareSolarFactor;
};

// Insulation layer or floor construction layer: conductivity in W/(m K).
struct LayerMaterial {
    std::string_view name;
    double conductivity;
};

struct SurfaceFinish {
    std::string_view name;
    double solarFactor;
};

inline constexpr std::array<StructureMaterial, 19> kWallStructureMaterials{{
    {"алюминий", 230, 0.71},
    {"асбестоцемент", 1.76, 1},
    {"базальт", 3.5, 1.6},
    {"бетон сплошной", 1.75, 1.6},
    {"бетон пористый", 1.4, 1.6},
    {"гранит", 3.5, 1.6},
    {"древесина", 0.15, 1.2},
    {"дюралюминий", 160, 0.71},
    {"железобетон", 1.7, 1.6},
    {"известняк", 1.7, 1},
    {"керамзитобетон", 0.79, 1.6},
    {"кирпич красный сплошной", 0.81, 1.85},
    {"кирпич красный пустотный", 0.58, 1.85},
    {"кирпич силикатный сплошной", 0.87, 1},
    {"кирпич силикатный пустотный", 0.81, 1},
    {"мрамор", 2.91, 1.2},
    {"пемзобетон", 0.68, 1.6},
    {"сталь", 52, 0.71},
    {"туф", 1.05, 1.6},
}};

inline constexpr std::array<StructureMaterial, 6> kCeilingStructureMaterials{{
    {"алюминий", 230, 0.71},
    {"асбестоцемент", 1.76, 1},
    {"древесина", 0.15, 1.2},
    {"дюралюминий", 160, 0.71},
    {"железобетон", 1.7, 1.6},
    {"сталь", 52, 0.71},
}};

inline constexpr std::array<LayerMaterial, 22> kFloorStructureMaterials{{
    {"алюминий", 230},
    {"асфальт", 0.8},
    {"базальт", 3.5},
    {"бетон сплошной", 1.75},
    {"бетон пористый", 1.4},
    {"глинозем", 2.33},
    {"гранит", 3.5},
    {"грунт влажный", 2.1},
    {"грунт сухой", 0.4},
    {"древесина", 0.15},
    {"дюралюминий", 160},
    {"железобетон", 1.7},
    {"известняк", 1.7},
    {"кирпич красный сплошной", 0.81},
    {"кирпич красный пустотный", 0.58},
    {"кирпич силикатный сплошной", 0.87},
    {"кирпич силикатный пустотный", 0.81},
    {"мрамор", 2.91},
    {"песок влажный", 1.33},
    {"песок сухой", 0.33},
    {"сталь", 52},
    {"туф", 1.05},
}};

inline constexpr std::array<LayerMaterial, 15> kWallInsulationMaterials{{
    {"асбест", 0.35},
    {"камышитовая плита", 0.07},
    {"минеральная вата", 0.05},
    {"пемзобетон", 0.29},
    {"пенополивинилхлорид ПВ-1", 0.052},
    {"пенополистирол ПСБ-С", 0.05},
    {"пенополиуретан", 0.035},
    {"пенополиуретан-25", 0.025},
    {"пеностекло", 0.14},
    {"перлитовая плита", 0.23},
    {"пробковая плита", 0.043},
    {"стекловата", 0.061},
    {"торфоплита", 0.064},
    {"РИПОР", 0.03},
    {"ячеистый бетон", 0.08},
}};

inline constexpr std::array<LayerMaterial, 15> kCeilingInsulationMaterials{{
    {"гравий керамзитовый", 0.2},
    {"камышитовая плита", 0.07},
    {"минеральная вата", 0.05},
    {"пенополивинилхлорид ПВ-1", 0.052},
    {"пенополистирол ПСБ-С", 0.05},
    {"пенополиуретан", 0.035},
    {"пенополиуретан-25", 0.025},
    {"пеностекло", 0.14},
    {"перлитовая плита", 0.23},
    {"пробковая плита", 0.043},
    {"стекловата", 0.061},
    {"торфоплита", 0.064},
    {"РИПОР", 0.03},
    {"шлак котельный", 0.16},
    {"ячеистый бетон", 0.08},
}};

// The floor insulation list holds the same entries as the ceiling insulation list.
inline constexpr auto kFloorInsulationMaterials = kCeilingInsulationMaterials;

inline constexpr std::array<SurfaceFinish, 7> kSurfaceFinishes{{
    {"без покрытия (окраски)", 1},
    {"окраска/штукатурка светлая", 1},
    {"окраска/штукатурка темная", 1.45},
    {"гидроизол светлый", 1.5},
    {"гидроизол темный", 1.79},
    {"белая кафельная плитка", 0.64},
    {"металл", 0.71},
}};

} // namespace zeltar::refdata
