// Heat gain through the enclosure, Q1: each wall, the ceiling and the floor by its layers (surface
// resistances plus the construction and insulation layers and any extra layers) or by the U-value
// typed for it, and the floor on ground by zones.
#pragma once

#include "calc/calc_trace.h"
#include "model/project_state.h"
#include "refdata/materials.h"

#include <span>
#include <string>
#include <vector>

namespace zeltar::calc {

// The lists of a row's materials: the built-in entries first, then (insulations only) the added
// insulations, then the project's own materials `own`. An index past them all is refused
// (std::out_of_range naming the list), as for every built-in list. A material of the project's own
// list is returned with its name viewing into `own`.

// Construction material of a wall or the ceiling (the lists with a bare-surface solar factor); an
// own material brings its own solar factor.
refdata::StructureMaterial SurfaceStructureMaterial(Row row, int index, std::span<const OwnMaterial> own = {});
// Construction material of any row (the floor's list has no solar factor).
refdata::LayerMaterial ConstructionMaterial(Row row, int index, std::span<const OwnMaterial> own = {});
// Insulation material of a row: its built-in list, the added insulations (PIR, XPS, mineral-wool
// core), then the own materials.
refdata::LayerMaterial InsulationMaterial(Row row, int index, std::span<const OwnMaterial> own = {});
// Material of an extra layer: the extra-layer list, then the own materials.
refdata::LayerMaterial ExtraLayerMaterial(int index, std::span<const OwnMaterial> own = {});

// Conductivities in W/(m K) of a row's selected construction and insulation materials (walls from
// the wall lists, the ceiling and the floor from their own).
struct LayerConductivities {
    double structure = 0;
    double insulation = 0;
};
LayerConductivities RowConductivities(Row row, const EnclosureRow& data, std::span<const OwnMaterial> own = {});

// Thermal resistance in m2 K/W of a layer `thicknessMm` thick; a zero thickness adds nothing:
// R = delta / (1000 lambda), delta in mm, lambda in W/(m K).
double LayerResistance(double thicknessMm, double conductivity);

// Resistance of the construction plus the insulation layer of a row, m2 K/W: R_structure + R_insulation.
double RowLayerResistance(const EnclosureRow& data, LayerConductivities conductivities);

// An extra layer of a row (1 to 3, those thicker than 0 mm): its material, thickness in mm and
// resistance R = delta / (1000 lambda) in m2 K/W.
struct ExtraLayer {
    int number = 0; // 1, 2 or 3
    refdata::LayerMaterial material;
    double thicknessMm = 0;
    double resistance = 0;
};
std::vector<ExtraLayer> RowExtraLayers(const EnclosureRow& data, std::span<const OwnMaterial> own = {});
// Sum of the extra layers' resistances, m2 K/W (0 without extra layers).
double ExtraLayersResistance(const std::vector<ExtraLayer>& layers);
// The extra layers' terms of a protocol formula: " + R_д1 + R_д3" ("" without extra layers).
std::string ExtraLayerTerms(const std::vector<ExtraLayer>& layers);

// The resistances in series of a layered row, m2 K/W, from the outside in.
struct RowResistances {
    double outerSurface = 0; // 1 / alpha_outer
    double structure = 0;    // R_structure
    double insulation = 0;   // R_insulation
    double extraLayers = 0;  // sum of R of the extra layers
    double innerSurface = 0; // 1 / alpha_inner
};
RowResistances LayeredRowResistances(const EnclosureRow& data, LayerConductivities conductivities,
                                     double extraLayersResistance = 0);

// Overall heat transfer coefficient k of a row in W/(m2 K):
// 1 / (1/alpha_outer + R_structure + R_insulation + R_extra + 1/alpha_inner).
double HeatTransferCoefficient(const RowResistances& resistances);
double HeatTransferCoefficient(const EnclosureRow& data, LayerConductivities conductivities);

// k of a layered row as the gains use it, W/(m2 K): the row's typed U-value when it has one (> 0,
// a maker's panel), else k from its layers. A floor on ground has no k and ignores a typed U-value.
double RowCoefficient(const EnclosureRow& data, const RowResistances& resistances);

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
// R_floor holds the floor's extra layers, if any (`extraLayers`, named in the protocol's formula).
// The zone areas, the reduction f and the gain go to `trace` when one is given.
double GroundFloorGain(const ProjectState& state, double floorLayerResistance, CalcTrace* trace = nullptr,
                       const std::vector<ExtraLayer>& extraLayers = {});

} // namespace zeltar::calc
