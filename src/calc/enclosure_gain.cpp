#include "calc/enclosure_gain.h"

#include "calc/list_entry.h"
#include "calc/units.h"
#include "calc/whole_watts.h"
#include "refdata/added_materials.h"
#include "refdata/materials.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace zeltar::calc {

namespace {

// Floor on ground: zones I, II and III are strips 2 m deep along the walls; a room narrower than
// 4, 8 or 12 m across a side leaves the inner zones shallower or out.
constexpr double kZoneDepth = 2;      // m, full depth of one zone strip
constexpr double kZoneOneSpan = 4;    // m, plan dimension up to which zone I takes half of it
constexpr double kZoneTwoSpan = 8;    // m, plan dimension up to which zone II is partial
constexpr double kZoneThreeSpan = 12; // m, plan dimension up to which zone III is partial
// Heat transfer coefficients of the zones of an uninsulated floor on ground, W/(m2 K).
constexpr double kZoneOneCoefficient = 0.4;
constexpr double kZoneTwoCoefficient = 0.2;
constexpr double kZoneThreeCoefficient = 0.1;
constexpr double kCentreZoneCoefficient = 0.05;
// Reduction of the zone coefficients by the floor's own layers R: 1 / (1 + 1.25 R), m2 K/W -> 1.
constexpr double kFloorLayerReductionFactor = 1.25;

} // namespace

namespace {

// The own material at `ownIndex` for the entry `index` of a list that has its built-in entries
// first; past the own materials the index is refused as ListEntry refuses it.
const OwnMaterial& OwnEntry(std::span<const OwnMaterial> own, int ownIndex, int index, std::string_view listName)
{
    if (ownIndex < 0 || static_cast<std::size_t>(ownIndex) >= own.size())
        throw std::out_of_range("в списке «" + std::string(listName) + "» нет строки с номером " +
                                std::to_string(index));
    return own[static_cast<std::size_t>(ownIndex)];
}

// Entry `index` of a built-in list followed by the own materials (as layer materials).
template <std::size_t N>
refdata::LayerMaterial ListThenOwn(const std::array<refdata::LayerMaterial, N>& list, int index,
                                   std::span<const OwnMaterial> own, std::string_view listName)
{
    const int builtIn = static_cast<int>(N);
    if (index < builtIn)
        return ListEntry(list, index, listName);
    const OwnMaterial& material = OwnEntry(own, index - builtIn, index, listName);
    return {material.name, material.conductivity};
}

// A row's insulation list without the own materials: the built-in list, then the added insulations.
template <std::size_t N>
refdata::LayerMaterial InsulationEntry(const std::array<refdata::LayerMaterial, N>& builtIn, int index,
                                       std::span<const OwnMaterial> own, std::string_view listName)
{
    const int builtInCount = static_cast<int>(N);
    const int addedCount = static_cast<int>(refdata::kAddedInsulationMaterials.size());
    if (index < builtInCount)
        return ListEntry(builtIn, index, listName);
    if (index < builtInCount + addedCount)
        return refdata::kAddedInsulationMaterials[static_cast<std::size_t>(index - builtInCount)];
    const OwnMaterial& material = OwnEntry(own, index - builtInCount - addedCount, index, listName);
    return {material.name, material.conductivity};
}

} // namespace

refdata::StructureMaterial SurfaceStructureMaterial(Row row, int index, std::span<const OwnMaterial> own)
{
    const bool ceiling = row == Ceiling;
    const std::string_view listName = ceiling ? "материал конструкции потолка" : "материал конструкции стены";
    const int builtIn = static_cast<int>(ceiling ? refdata::kCeilingStructureMaterials.size()
                                                 : refdata::kWallStructureMaterials.size());
    if (index < builtIn)
        return ceiling ? ListEntry(refdata::kCeilingStructureMaterials, index, listName)
                       : ListEntry(refdata::kWallStructureMaterials, index, listName);
    const OwnMaterial& material = OwnEntry(own, index - builtIn, index, listName);
    return {material.name, material.conductivity, material.solarFactor};
}

refdata::LayerMaterial ConstructionMaterial(Row row, int index, std::span<const OwnMaterial> own)
{
    if (row == Floor)
        return ListThenOwn(refdata::kFloorStructureMaterials, index, own, "материал конструкции пола");
    const refdata::StructureMaterial material = SurfaceStructureMaterial(row, index, own);
    return {material.name, material.conductivity};
}

refdata::LayerMaterial InsulationMaterial(Row row, int index, std::span<const OwnMaterial> own)
{
    switch (row) {
    case Ceiling: return InsulationEntry(refdata::kCeilingInsulationMaterials, index, own, "материал изоляции потолка");
    case Floor: return InsulationEntry(refdata::kFloorInsulationMaterials, index, own, "материал изоляции пола");
    default: return InsulationEntry(refdata::kWallInsulationMaterials, index, own, "материал изоляции стены");
    }
}

refdata::LayerMaterial ExtraLayerMaterial(int index, std::span<const OwnMaterial> own)
{
    return ListThenOwn(refdata::kExtraLayerMaterials, index, own, "материал дополнительного слоя");
}

LayerConductivities RowConductivities(Row row, const EnclosureRow& data, std::span<const OwnMaterial> own)
{
    return {ConstructionMaterial(row, data.structureMaterial, own).conductivity,
            InsulationMaterial(row, data.insulationMaterial, own).conductivity};
}

double LayerResistance(double thicknessMm, double conductivity)
{
    return thicknessMm / (kMillimetresPerMetre * conductivity);
}

double RowLayerResistance(const EnclosureRow& data, LayerConductivities conductivities)
{
    return LayerResistance(data.structureThickness, conductivities.structure) +
           LayerResistance(data.insulationThickness, conductivities.insulation);
}

std::vector<ExtraLayer> RowExtraLayers(const EnclosureRow& data, std::span<const OwnMaterial> own)
{
    const std::array<std::pair<int, double>, 3> inputs{{{data.extraLayerMaterial1, data.extraLayerThickness1},
                                                        {data.extraLayerMaterial2, data.extraLayerThickness2},
                                                        {data.extraLayerMaterial3, data.extraLayerThickness3}}};
    std::vector<ExtraLayer> layers;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
        const auto [index, thickness] = inputs[k];
        if (thickness <= 0)
            continue;
        const refdata::LayerMaterial material = ExtraLayerMaterial(index, own);
        layers.push_back(
            {static_cast<int>(k) + 1, material, thickness, LayerResistance(thickness, material.conductivity)});
    }
    return layers;
}

double ExtraLayersResistance(const std::vector<ExtraLayer>& layers)
{
    double sum = 0;
    for (const ExtraLayer& layer : layers)
        sum += layer.resistance;
    return sum;
}

std::string ExtraLayerTerms(const std::vector<ExtraLayer>& layers)
{
    std::string terms;
    for (const ExtraLayer& layer : layers)
        terms += " + R_д" + std::to_string(layer.number);
    return terms;
}

RowResistances LayeredRowResistances(const EnclosureRow& data, LayerConductivities conductivities,
                                     double extraLayersResistance)
{
    return {1 / data.outerSurfaceCoefficient, LayerResistance(data.structureThickness, conductivities.structure),
            LayerResistance(data.insulationThickness, conductivities.insulation), extraLayersResistance,
            1 / data.innerSurfaceCoefficient};
}

double HeatTransferCoefficient(const RowResistances& r)
{
    // Without extra layers the sum is the four terms as always (adding 0 changes no bit).
    return 1 / (r.outerSurface + r.structure + r.insulation + r.extraLayers + r.innerSurface);
}

double HeatTransferCoefficient(const EnclosureRow& data, LayerConductivities conductivities)
{
    return HeatTransferCoefficient(LayeredRowResistances(data, conductivities));
}

double RowCoefficient(const EnclosureRow& data, const RowResistances& resistances)
{
    return data.uValue > 0 ? data.uValue : HeatTransferCoefficient(resistances);
}

double RowArea(Row row, double lengthM, double widthM, double heightM)
{
    switch (row) {
    case WallA:
    case WallC: return widthM * heightM;
    case WallB:
    case WallD: return lengthM * heightM;
    default: return lengthM * widthM;
    }
}

double LayeredRowGain(double coefficient, double areaM2, double outsideTemperature, double roomTemperature)
{
    return WholeWattsInKilowatts(coefficient * areaM2 * (outsideTemperature - roomTemperature));
}

namespace {

// Depth in m of zones I, II and III measured from a side, for a plan dimension x across that side.
// A dimension shorter than twice the zone depth gives each of the two opposite sides half of it.
double ZoneOneDepth(double x)
{
    return x <= kZoneOneSpan ? x / 2 : kZoneDepth;
}
double ZoneTwoDepth(double x)
{
    if (x <= kZoneOneSpan)
        return 0;
    return x <= kZoneTwoSpan ? (x - kZoneOneSpan) / 2 : kZoneDepth;
}
double ZoneThreeDepth(double x)
{
    if (x <= kZoneTwoSpan)
        return 0;
    return x <= kZoneThreeSpan ? (x - kZoneTwoSpan) / 2 : kZoneDepth;
}
// Length left of a side x after `margin` m: the edges of the trapezoids and the centre.
double Remaining(double x, double margin)
{
    return x > margin ? x - margin : 0;
}

// Zone-weighted area of one strip set in W/K per K: k_I F_I + k_II F_II + k_III F_III.
double WeightedStrips(const double (&strips)[3])
{
    return kZoneOneCoefficient * strips[0] + kZoneTwoCoefficient * strips[1] + kZoneThreeCoefficient * strips[2];
}

void TraceGroundZones(CalcTrace& trace, const GroundZoneAreas& z, double layerResistance, double factor,
                      double lengthSide, double widthSide, const std::vector<ExtraLayer>& extraLayers)
{
    static constexpr const char* kZoneNames[3] = {"I", "II", "III"};
    static constexpr double kZoneCoefficients[3] = {kZoneOneCoefficient, kZoneTwoCoefficient, kZoneThreeCoefficient};
    for (int zone = 0; zone < 3; ++zone) {
        const std::string name = kZoneNames[zone];
        trace.Add("коэффициент зоны " + name, "k_" + name, kZoneCoefficients[zone], "Вт/(м²·К)");
        trace.Add("площадь зоны " + name + " вдоль стен А и В (каждой)", "F_" + name + ",L", z.lengthStrips[zone],
                  "м²");
        trace.Add("площадь зоны " + name + " вдоль стен Б и Г (каждой)", "F_" + name + ",B", z.widthStrips[zone], "м²");
    }
    trace.Add("коэффициент зоны IV", "k_IV", kCentreZoneCoefficient, "Вт/(м²·К)");
    trace.Add("площадь зоны IV", "F_IV", z.centre, "м²", "F_IV = (L − 12)(B − 12)");
    trace.Add("сопротивление слоёв пола", "R_пола", layerResistance, "м²·К/Вт",
              "R_пола = R_к + R_и" + ExtraLayerTerms(extraLayers));
    trace.Add("поправка на слои пола", "f", factor, "", "f = 1 / (1 + 1,25·R_пола)");
    trace.Add("взвешенная площадь вдоль стен А и В", "ΣkF_L", lengthSide, "Вт/К",
              "ΣkF_L = k_I·F_I,L + k_II·F_II,L + k_III·F_III,L");
    trace.Add("взвешенная площадь вдоль стен Б и Г", "ΣkF_B", widthSide, "Вт/К",
              "ΣkF_B = k_I·F_I,B + k_II·F_II,B + k_III·F_III,B");
}

} // namespace

GroundZoneAreas GroundZones(double lengthM, double widthM)
{
    const double l = lengthM;
    const double w = widthM;
    GroundZoneAreas z;
    z.lengthStrips[0] = l * ZoneOneDepth(w);
    z.lengthStrips[1] = (Remaining(l, kZoneOneSpan) + Remaining(l, kZoneTwoSpan)) * ZoneTwoDepth(w) / 2;
    z.lengthStrips[2] = (Remaining(l, kZoneTwoSpan) + Remaining(l, kZoneThreeSpan)) * ZoneThreeDepth(w) / 2;
    z.widthStrips[0] = w * ZoneOneDepth(l);
    z.widthStrips[1] = (Remaining(w, kZoneOneSpan) + Remaining(w, kZoneTwoSpan)) * ZoneTwoDepth(l) / 2;
    z.widthStrips[2] = (Remaining(w, kZoneTwoSpan) + Remaining(w, kZoneThreeSpan)) * ZoneThreeDepth(l) / 2;
    z.centre = Remaining(l, kZoneThreeSpan) * Remaining(w, kZoneThreeSpan);
    return z;
}

double GroundFloorGain(const ProjectState& state, double floorLayerResistance, CalcTrace* trace,
                       const std::vector<ExtraLayer>& extraLayers)
{
    // Reduction of the zone coefficients by the floor's own layers.
    const double factor = 1 / (1 + kFloorLayerReductionFactor * floorLayerResistance);
    const GroundZoneAreas zones = GroundZones(state.roomLength, state.roomWidth);
    const double lengthSide = WeightedStrips(zones.lengthStrips);
    const double widthSide = WeightedStrips(zones.widthStrips);
    const double tr = state.roomTemperature;
    if (trace)
        TraceGroundZones(*trace, zones, floorLayerResistance, factor, lengthSide, widthSide, extraLayers);
    return factor / kWattsPerKilowatt *
           ((state.rows[WallA].outsideTemperature - tr) * lengthSide +
            (state.rows[WallB].outsideTemperature - tr) * widthSide +
            (state.rows[WallC].outsideTemperature - tr) * lengthSide +
            (state.rows[WallD].outsideTemperature - tr) * widthSide +
            kCentreZoneCoefficient * (state.outsideDesignTemperature - tr) * zones.centre);
}

} // namespace zeltar::calc
