// The recalculation pass: sixteen steps in a fixed order, each to completion; later steps use the
// full values of earlier ones, the fields show them cut.
#include "calc/recalculate.h"

#include "calc/enclosure_gain.h"
#include "calc/goods_enthalpy.h"
#include "calc/goods_load.h"
#include "calc/list_entry.h"
#include "calc/operational_gain.h"
#include "calc/solar_gain.h"
#include "calc/totals.h"
#include "calc/ventilation_gain.h"
#include "fields/number_text.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

#include <utility>

namespace zeltar::calc {

namespace {

using fields::CutToDecimals;
using fields::DisplayText;
using fields::ResultText;
using refdata::RoomGroup;

constexpr std::array<ResultField, kSurfaceRowCount> kMaterialTextFields{
    ResultField::StructureMaterialTextA, ResultField::StructureMaterialTextB,
    ResultField::StructureMaterialTextC, ResultField::StructureMaterialTextD,
    ResultField::StructureMaterialTextCeiling};
constexpr std::array<ResultField, kRowCount> kEnclosureGainFields{
    ResultField::EnclosureHeatGainA, ResultField::EnclosureHeatGainB, ResultField::EnclosureHeatGainC,
    ResultField::EnclosureHeatGainD, ResultField::EnclosureHeatGainCeiling, ResultField::EnclosureHeatGainFloor};
constexpr std::array<ResultField, kSurfaceRowCount> kSolarDifferenceFields{
    ResultField::SolarTemperatureDifferenceA, ResultField::SolarTemperatureDifferenceB,
    ResultField::SolarTemperatureDifferenceC, ResultField::SolarTemperatureDifferenceD,
    ResultField::SolarTemperatureDifferenceCeiling};
constexpr std::array<ResultField, kSurfaceRowCount> kSolarGainFields{
    ResultField::SolarHeatGainA, ResultField::SolarHeatGainB, ResultField::SolarHeatGainC,
    ResultField::SolarHeatGainD, ResultField::SolarHeatGainCeiling};

// The summary column repeats the texts of the six partial sums.
constexpr std::array<std::pair<ResultField, ResultField>, 6> kSummaryCopies{{
    {ResultField::SummaryQ1, ResultField::HeatGainQ1},
    {ResultField::SummaryQ12, ResultField::HeatGainQ12},
    {ResultField::SummaryQ2, ResultField::HeatGainQ2},
    {ResultField::SummaryQ3, ResultField::HeatGainQ3},
    {ResultField::SummaryQ4, ResultField::HeatGainQ4},
    {ResultField::SummaryQ5, ResultField::HeatGainQ5},
}};

// One run of the pass over a project.
class Pass {
public:
    explicit Pass(const ProjectState& state)
        : s_(state)
        , group_(RoomGroupOf(state.roomType))
        , product_(ListEntry(refdata::kProducts, state.product, "продукт"))
        , packaging_(ListEntry(refdata::kPackagingMaterials, state.packagingMaterial, "материал тары"))
    {
        ListEntry(refdata::kFloorTypes, state.floorType, "тип пола"); // refuse a floor type not in the list
    }

    RecalcResult Run()
    {
        CopyMaterialNames();
        SetWarningColours();
        GoodsEnthalpy();
        Respiration();
        AreaAndVolume();
        StackCapacity();
        DailyTurnover();
        EnclosureRows();
        EnclosureTotals();
        OutsideAirExchange();
        ProcessingGains();
        OperationalGains();
        Totals();
        SummaryColumn();
        r_.netCapacity = v_.netCapacity;
        return std::move(r_);
    }

private:
    void Write(ResultField field, std::string text) { r_.texts[static_cast<int>(field)] = std::move(text); }
    const std::optional<std::string>& Written(ResultField field) const { return r_.text(field); }

    void CopyMaterialNames()
    {
        for (int row = WallA; row <= Ceiling; ++row) {
            const auto r = static_cast<Row>(row);
            Write(kMaterialTextFields[row], std::string(SurfaceStructureMaterial(r, s_.rows[row].structureMaterial).name));
        }
    }

    void SetWarningColours()
    {
        const TemperatureWarnings w = GoodsTemperatureWarnings(s_.roomTemperature, s_.productInletTemperature,
                                                               s_.productFinalTemperature);
        r_.roomTemperatureColor = w.roomTemperature;
        r_.productInletTemperatureColor = w.productInletTemperature;
        r_.productFinalTemperatureColor = w.productFinalTemperature;
    }

    void GoodsEnthalpy()
    {
        const GoodsProperties goods{product_.waterContent, product_.cryoscopicPoint, packaging_.heatCapacity};
        const EnthalpyDifferences d =
            GoodsEnthalpyDifferences(s_.productInletTemperature, s_.productFinalTemperature, goods);
        v_.productEnthalpyDifference = d.product;
        v_.packagingEnthalpyDifference = d.packaging;
        Write(ResultField::ProductEnthalpyDifference, DisplayText(d.product));
        Write(ResultField::PackagingEnthalpyDifference, DisplayText(d.packaging));
    }

    void Respiration()
    {
        v_.respirationHeat = RespirationHeat(s_.roomTemperature, s_.cryoscopicTemperature, product_.respiration);
        Write(ResultField::RespirationHeat, DisplayText(v_.respirationHeat));
    }

    void AreaAndVolume()
    {
        v_.roomArea = s_.roomLength * s_.roomWidth;
        v_.roomVolume = s_.roomLength * s_.roomWidth * s_.roomHeight;
        Write(ResultField::RoomArea, ResultText(v_.roomArea));
        Write(ResultField::RoomVolume, ResultText(v_.roomVolume));
    }

    void StackCapacity()
    {
        const RoomCapacity c = Capacity({group_, v_.roomArea, s_.stackHeight, s_.stackDensity,
                                               s_.packagingShare, s_.highTurnover != 0});
        v_.netCapacity = c.net;
        v_.packagingMass = c.packagingMass;
        v_.grossCapacity = c.gross;
        Write(ResultField::GrossCapacity, ResultText(c.gross, 1));
        Write(ResultField::NetCapacity, ResultText(c.net, 1));
        if (group_ == RoomGroup::Rail)
            Write(ResultField::PackagingShare, DisplayText(0)); // the stored share stays as it is
    }

    void DailyTurnover()
    {
        Write(ResultField::DailyTurnover, DisplayText(DailyTurnoverTonnes(v_.netCapacity, s_.dailyTurnoverPercent)));
    }

    void EnclosureRows()
    {
        for (int index = 0; index < kRowCount; ++index) {
            const auto row = static_cast<Row>(index);
            const EnclosureRow& data = s_.rows[index];
            const LayerConductivities conductivities = RowConductivities(row, data);
            const double area = RowArea(row, s_.roomLength, s_.roomWidth, s_.roomHeight);
            double coefficient = 0;
            double gain = 0;
            if (row == Floor && s_.floorType == refdata::kFloorOnGround) {
                gain = GroundFloorGain(s_, RowLayerResistance(data, conductivities));
            } else {
                coefficient = HeatTransferCoefficient(data, conductivities);
                gain = LayeredRowGain(coefficient, area, data.outsideTemperature, s_.roomTemperature);
            }
            v_.heatTransferCoefficient[index] = coefficient;
            v_.enclosureHeatGain[index] = gain;
            Write(kEnclosureGainFields[index], ResultText(gain));
            if (index < kSurfaceRowCount)
                SolarRow(row, coefficient, area);
        }
    }

    void SolarRow(Row row, double coefficient, double area)
    {
        const EnclosureRow& data = s_.rows[row];
        const std::optional<SolarExposure> exposure =
            row == Ceiling ? std::optional(SolarExposure::Horizontal) : WallExposure(data.orientationText);
        const double base = exposure ? BaseSolarDifference(*exposure, s_.latitude) : 0;
        const double factor = SurfaceSolarFactor(
            data.surfaceFinish, SurfaceStructureMaterial(row, data.structureMaterial).bareSolarFactor);
        const double difference = SolarTemperatureDifference(base, factor, data.sunlit);
        const double gain = SolarRowGain(coefficient, area, difference);
        v_.solarTemperatureDifference[row] = difference;
        v_.solarHeatGain[row] = gain;
        Write(kSolarDifferenceFields[row], ResultText(difference, 1));
        Write(kSolarGainFields[row], ResultText(gain));
    }

    void EnclosureTotals()
    {
        v_.q1 = 0;
        for (double gain : v_.enclosureHeatGain)
            v_.q1 += gain;
        v_.q12 = 0;
        for (double gain : v_.solarHeatGain)
            v_.q12 += gain;
        Write(ResultField::HeatGainQ1, ResultText(v_.q1));
        Write(ResultField::HeatGainQ12, ResultText(v_.q12));
    }

    void OutsideAirExchange()
    {
        const Ventilation vent = VentilationGain(s_);
        v_.roomAirDensity = vent.roomAirDensity;
        v_.outsideAirMoisture = vent.outsideAir.moisture;
        v_.outsideAirEnthalpy = vent.outsideAir.enthalpy;
        v_.q3 = vent.gain;
        Write(ResultField::HeatGainQ3, ResultText(v_.q3));
    }

    void ProcessingGains()
    {
        const GoodsGains g = GoodsProcessingGains(
            {group_, {v_.netCapacity, v_.packagingMass, v_.grossCapacity}, s_.dailyTurnoverPercent,
             s_.equipmentRunningHours, v_.productEnthalpyDifference, v_.packagingEnthalpyDifference,
             v_.respirationHeat});
        v_.q21 = g.product;
        v_.q22 = g.packaging;
        v_.q2 = g.processing;
        v_.q5 = g.respiration;
        Write(ResultField::HeatGainQ21, ResultText(v_.q21));
        Write(ResultField::HeatGainQ22, ResultText(v_.q22));
        Write(ResultField::HeatGainQ2, ResultText(v_.q2));
        Write(ResultField::HeatGainQ5, ResultText(v_.q5));
    }

    void OperationalGains()
    {
        DoorOpenings();
        v_.lightingHeatGain = LightingHeatGain(s_);
        v_.staffHeatGain = StaffHeatGain(s_);
        v_.vehicleHeatGain = VehicleHeatGain(s_);
        v_.consumerHeatGain = ConsumerHeatGain(s_);
        const double otherGains = v_.q1 + v_.q12 + v_.q2 + v_.q3 + v_.q5 + v_.doorHeatGain + v_.lightingHeatGain
                                  + v_.staffHeatGain + v_.vehicleHeatGain + v_.consumerHeatGain;
        v_.fanHeatGain = FanHeatGain(s_, otherGains);
        r_.fanShareEnabled = s_.fanDetailedCalculation == 0;
        r_.fanDetailEnabled = !r_.fanShareEnabled;
        v_.q4 = v_.doorHeatGain + v_.lightingHeatGain + v_.staffHeatGain + v_.vehicleHeatGain + v_.fanHeatGain
                + v_.consumerHeatGain;
        Write(ResultField::LightingHeatGain, ResultText(v_.lightingHeatGain));
        Write(ResultField::StaffHeatGain, ResultText(v_.staffHeatGain));
        Write(ResultField::VehicleHeatGain, ResultText(v_.vehicleHeatGain));
        Write(ResultField::ConsumerHeatGain, ResultText(v_.consumerHeatGain));
        Write(ResultField::FanHeatGain, ResultText(v_.fanHeatGain));
        Write(ResultField::HeatGainQ4, ResultText(v_.q4));
    }

    void DoorOpenings()
    {
        const double openDoorFlow = OpenDoorHeatFlow(s_);
        const double goodsFlow = DailyGoodsFlow(group_, s_, v_.netCapacity);
        v_.vehiclePasses = VehiclePassCount(goodsFlow, s_.loadUnitMass);
        Write(ResultField::VehiclePasses, DisplayText(fields::RoundHalfEven(v_.vehiclePasses)));
        const bool timeMode = s_.doorTimeMode != 0;
        r_.doorOpenTimeEnabled = timeMode;
        r_.loadUnitMassEnabled = !timeMode;
        if (timeMode) {
            v_.doorOpenShare = s_.doorOpenTime / 24;
        } else {
            v_.doorOpenShare = DoorOpenShareFromPasses(v_.vehiclePasses, goodsFlow, s_.doorType, group_);
            const double openHours = v_.doorOpenShare * 24;
            r_.doorOpenTime = CutToDecimals(openHours, 2);
            Write(ResultField::DoorOpenTime, ResultText(openHours));
        }
        v_.doorHeatGain = DoorHeatGain(openDoorFlow, v_.doorOpenShare, s_.doorProtection);
        Write(ResultField::DoorHeatGain, " " + ResultText(v_.doorHeatGain)); // three blanks in this field
    }

    void Totals()
    {
        v_.totalHeatGain = v_.q1 + v_.q12 + v_.q2 + v_.q3 + v_.q4 + v_.q5;
        v_.equipmentCapacity =
            EquipmentCapacity(v_.totalHeatGain, group_, s_.equipmentRunningHours, s_.capacityReserve);
        Write(ResultField::TotalHeatGain, ResultText(v_.totalHeatGain));
        Write(ResultField::EquipmentCapacity, ResultText(v_.equipmentCapacity));
    }

    void SummaryColumn()
    {
        for (const auto& [summary, source] : kSummaryCopies)
            r_.texts[static_cast<int>(summary)] = Written(source);
    }

    const ProjectState& s_;
    const RoomGroup group_;
    const refdata::Product& product_;
    const refdata::PackagingMaterial& packaging_;
    RecalcResult r_;
    RecalcValues& v_ = r_.values;
};

} // namespace

RecalcResult Recalculate(const ProjectState& state)
{
    return Pass(state).Run();
}

} // namespace zeltar::calc
