// Heat gain through the enclosure, Q1: each wall, the ceiling and the floor by its layers (surface
// resistances plus the construction and insulation layers), and the floor on ground by zones.
#pragma once

#include "calc/calc_trace.h"
#include "model/project_state.h"
#include "refdata/materials.h"

namespace zeltar::calc {

// Construction material of a wall or the ceiling (the lists with a bare-surface solar factor).
const refdata::StructureMaterial& SurfaceStructureMaterial(Row row, int index);

// Conductivities in W/(m K) of a row's selected construction and insulation materials (walls from
// the wall lists, the ceiling and the floor from their own).
struct LayerConductivities {
    double structure = 0;
    double insulation = 0;
};
LayerConductivities RowConductivities(Row row, const EnclosureRow& data);

// Thermal resistance in m2 K/W of a layer `thicknessMm` thick; a zero thickness adds nothing:
// R = delta / (1000 lambda), delta in mm, lambda in W/(m K).
double LayerResistance(double thicknessMm, double conductivity);

// Resistance of the construction plus the insulation layer of a row, m2 K/W: R_structure + R_insulation.
double RowLayerResistance(const EnclosureRow& data, LayerConductivities conductivities);

// The four resistances in series of a layered row, m2 K/W, from the outside in.
struct RowResistances {
    double outerSurface = 0; // 1 / alpha_outer
    double structure = 0;    // R_structure
    double insulation = 0;   // R_insulation
    double innerSurface = 0; // 1 / alpha_inner
};
RowResistances LayeredRowResistances(const EnclosureRow& data, LayerConductivities conductivities);

// Overall heat transfer coefficient k of a row in W/(m2 K):
// 1 / (1/alpha_outer + R_structure + R_insulation + 1/alpha_inner).
double HeatTransferCoefficient(const RowResistances& resistances);
double HeatTransferCoefficient(const EnclosureRow& data, LayerConductivities conductivities);

// Area of a row in m2: walls A and C span the width, B and D the length, ceiling and floor the plan.
double RowArea(Row row, double lengthM, double widthM, double heightM);

// Gain of a row by layers in kW, rounded to whole watts: k A (to - tr).
double LayeredRowGain(double coefficient, double areaM2, double outsideTemperature, double roomTemperature);

// Floor on ground. Areas of the zones in m2: strips I, II, III along each L-long side (each side
// once), the same along each W-long side, and the centre zone IV. Zone I strips run the full side,
// so their corner squares count twice; zones II and III are trapezoids.
struct GroundZoneAreas {
    double lengthStrips[3]{}; // I_L, II_L, III_L
    double widthStrips[3]{};  // I_W, II_W, III_W
    double centre = 0;        // IV
};
GroundZoneAreas GroundZones(double lengthM, double widthM);

// Gain of a floor on ground in kW (not rounded to whole watts). The L-long strips lie under walls A
// and C, the W-long strips under walls B and D; the centre zone sees the design outside temperature:
// Q = f / 1000 * [sum over walls (t_wall - tr) (0.4 F_I + 0.2 F_II + 0.1 F_III) + 0.05 (t_design - tr) F_IV]
// with f = 1 / (1 + 1.25 R_floor) for the floor's own layers; k in W/(m2 K), F in m2.
// The zone areas, the reduction f and the gain go to `trace` when one is given.
double GroundFloorGain(const ProjectState& state, double floorLayerResistance, CalcTrace* trace = nullptr);

} // namespace zeltar::calc
