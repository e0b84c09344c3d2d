#include "calc/enclosure_gain.h"

#include "calc/list_entry.h"
#include "calc/whole_watts.h"
#include "refdata/materials.h"

namespace zeltar::calc {

const refdata::StructureMaterial& SurfaceStructureMaterial(Row row, int index)
{
    if (row == Ceiling)
        return ListEntry(refdata::kCeilingStructureMaterials, index, "материал конструкции потолка");
    return ListEntry(refdata::kWallStructureMaterials, index, "материал конструкции стены");
}

LayerConductivities RowConductivities(Row row, const EnclosureRow& data)
{
    switch (row) {
    case Ceiling:
        return {SurfaceStructureMaterial(row, data.structureMaterial).conductivity,
                ListEntry(refdata::kCeilingInsulationMaterials, data.insulationMaterial,
                          "материал изоляции потолка").conductivity};
    case Floor:
        return {ListEntry(refdata::kFloorStructureMaterials, data.structureMaterial,
                          "материал конструкции пола").conductivity,
                ListEntry(refdata::kFloorInsulationMaterials, data.insulationMaterial,
                          "материал изоляции пола").conductivity};
    default:
        return {SurfaceStructureMaterial(row, data.structureMaterial).conductivity,
                ListEntry(refdata::kWallInsulationMaterials, data.insulationMaterial,
                          "материал изоляции стены").conductivity};
    }
}

double LayerResistance(double thicknessMm, double conductivity)
{
    return thicknessMm / (1000 * conductivity);
}

double RowLayerResistance(const EnclosureRow& data, LayerConductivities conductivities)
{
    return LayerResistance(data.structureThickness, conductivities.structure)
           + LayerResistance(data.insulationThickness, conductivities.insulation);
}

double HeatTransferCoefficient(const EnclosureRow& data, LayerConductivities conductivities)
{
    return 1 / (1 / data.outerSurfaceCoefficient
                + LayerResistance(data.structureThickness, conductivities.structure)
                + LayerResistance(data.insulationThickness, conductivities.insulation)
                + 1 / data.innerSurfaceCoefficient);
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
double ZoneOneDepth(double x) { return x <= 4 ? x / 2 : 2; }
double ZoneTwoDepth(double x)
{
    if (x <= 4)
        return 0;
    return x <= 8 ? (x - 4) / 2 : 2;
}
double ZoneThreeDepth(double x)
{
    if (x <= 8)
        return 0;
    return x <= 12 ? (x - 8) / 2 : 2;
}
// Length left of a side x after `margin` m: the edges of the trapezoids and the centre.
double Remaining(double x, double margin) { return x > margin ? x - margin : 0; }

// Zone-weighted area of one strip set: zone I counts 0.4, II 0.2, III 0.1.
double WeightedStrips(const double (&strips)[3])
{
    return 0.4 * strips[0] + 0.2 * strips[1] + 0.1 * strips[2];
}

} // namespace

GroundZoneAreas GroundZones(double lengthM, double widthM)
{
    const double l = lengthM;
    const double w = widthM;
    GroundZoneAreas z;
    z.lengthStrips[0] = l * ZoneOneDepth(w);
    z.lengthStrips[1] = (Remaining(l, 4) + Remaining(l, 8)) * ZoneTwoDepth(w) / 2;
    z.lengthStrips[2] = (Remaining(l, 8) + Remaining(l, 12)) * ZoneThreeDepth(w) / 2;
    z.widthStrips[0] = w * ZoneOneDepth(l);
    z.widthStrips[1] = (Remaining(w, 4) + Remaining(w, 8)) * ZoneTwoDepth(l) / 2;
    z.widthStrips[2] = (Remaining(w, 8) + Remaining(w, 12)) * ZoneThreeDepth(l) / 2;
    z.centre = Remaining(l, 12) * Remaining(w, 12);
    return z;
}

double GroundFloorGain(const ProjectState& state, double floorLayerResistance)
{
    // Reduction of the zone coefficients by the floor's own layers.
    const double factor = 1 / (1 + 1.25 * floorLayerResistance);
    const GroundZoneAreas zones = GroundZones(state.roomLength, state.roomWidth);
    const double lengthSide = WeightedStrips(zones.lengthStrips);
    const double widthSide = WeightedStrips(zones.widthStrips);
    const double tr = state.roomTemperature;
    return factor / 1000
           * ((state.rows[WallA].outsideTemperature - tr) * lengthSide
              + (state.rows[WallB].outsideTemperature - tr) * widthSide
              + (state.rows[WallC].outsideTemperature - tr) * lengthSide
              + (state.rows[WallD].outsideTemperature - tr) * widthSide
              + 0.05 * (state.outsideDesignTemperature - tr) * zones.centre);
}

} // namespace zeltar::calc
