// Protocol lines of the recalculation pass for the values it holds itself: the layered rows, the
// operational gains and the totals (the gain routines record their own intermediate values).
#pragma once

#include "calc/calc_trace.h"
#include "calc/enclosure_gain.h"
#include "calc/recalculate.h"
#include "model/project_state.h"

#include <string_view>
#include <vector>

namespace zeltar::calc {

// The protocol's name of an enclosure row ("стена А" .. "пол").
std::string_view RowTitle(int row);

// A row by layers as the pass computed it.
struct LayeredRowValues {
    int row = 0;
    const EnclosureRow& data;
    LayerConductivities conductivities;
    RowResistances resistances;
    double area = 0;        // m2
    double coefficient = 0; // k, W/(m2 K)
    double gain = 0;        // kW
    const std::vector<ExtraLayer>& extraLayers;
};
// With a typed U-value the row's k is that value and its layers are not listed.
void TraceLayeredRow(CalcTrace& trace, const LayeredRowValues& row, double roomTemperature);
// Each extra layer of a row: thickness, conductivity (with the material's name) and resistance.
void TraceExtraLayers(CalcTrace& trace, const std::vector<ExtraLayer>& layers);
// The defrost of the air coolers, when the project gives it (a summand of Q4).
void TraceDefrost(CalcTrace& trace, const ProjectState& state, const RecalcValues& values);

// Lighting, staff, vehicles and the two consumers with their inputs (each a summand of Q4).
void TraceOtherOperationalGains(CalcTrace& trace, const ProjectState& state, const RecalcValues& values);
// The fans: by count and power, or as a share of the other gains.
void TraceFans(CalcTrace& trace, const ProjectState& state, const RecalcValues& values, double otherGains);
// Q1 .. Q5 as summands of the total, the total and the equipment capacity.
void TraceTotals(CalcTrace& trace, const ProjectState& state, const RecalcValues& values, bool store);

} // namespace zeltar::calc
