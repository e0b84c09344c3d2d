// The recalculation pass: the steps of Run() in a fixed order, each to completion; later steps use the
// full values of earlier ones, the fields show them cut.
#include "calc/recalculate.h"

#include "calc/enclosure_gain.h"
#include "calc/goods_enthalpy.h"
#include "calc/goods_load.h"
#include "calc/list_entry.h"
#include "calc/operational_gain.h"
#include "calc/pass_protocol.h"
#include "calc/solar_gain.h"
#include "calc/totals.h"
#include "calc/units.h"
#include "calc/ventilation_gain.h"
#include "fields/number_text.h"
#include "model/project_extensions.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

#include <utility>
#include <vector>

namespace zeltar::calc {

namespace {

using fields::CutToDecimals;
using refdata::RoomGroup;

// One run of the pass over a project.
class Pass {
public:
    Pass(const ProjectState& state, CalcTrace* trace)
        : s_(state)
        , t_(trace)
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
    void Write(ResultField field, ResultValue value) { r_.results[static_cast<int>(field)] = value; }
    void Trace(std::string_view quantity, std::string_view symbol, double value, std::string_view unit,
               std::string_view formula = {}, std::string_view partOf = {})
    {
        TraceValue(t_, quantity, symbol, value, unit, formula, partOf);
    }

    void CopyMaterialNames()
    {
        for (int row = 0; row < kRowCount; ++row)
            if (const std::optional<ResultField> field = kStructureMaterialTextResults[row]) {
                const int material = s_.rows[row].structureMaterial;
                Write(*field,
                      std::string(SurfaceStructureMaterial(static_cast<Row>(row), material, s_.ownMaterials).name));
            }
    }

    void SetWarningColours()
    {
        const TemperatureWarnings w =
            GoodsTemperatureWarnings(s_.roomTemperature, s_.productInletTemperature, s_.productFinalTemperature);
        r_.roomTemperatureColor = w.roomTemperature;
        r_.productInletTemperatureColor = w.productInletTemperature;
        r_.productFinalTemperatureColor = w.productFinalTemperature;
    }

    void GoodsEnthalpy()
    {
        const GoodsProperties goods{product_.waterContent, product_.cryoscopicPoint, packaging_.heatCapacity};
        TraceSection(t_, "Груз: энтальпии");
        Trace("температура поступающего груза", "t_вх", s_.productInletTemperature, "°C");
        Trace("конечная температура груза", "t_кон", s_.productFinalTemperature, "°C");
        Trace("влагосодержание продукта", "W", goods.waterContentPercent, "%");
        Trace("криоскопическая температура продукта", "t_кр", goods.cryoscopicPoint, "°C");
        Trace("теплоёмкость тары", "c_т", goods.packagingHeatCapacity, "Дж/(кг·К)");
        const EnthalpyDifferences d =
            GoodsEnthalpyDifferences(s_.productInletTemperature, s_.productFinalTemperature, goods, t_);
        Trace("разность энтальпий продукта", "Δh_п", d.product, "кДж/кг", "Δh_п = H_вх − H_кон, до 0,1 вниз");
        Trace("разность энтальпий тары", "Δh_т", d.packaging, "кДж/кг", "Δh_т = P_вх − P_кон, до 0,1 вниз");
        v_.productEnthalpyDifference = d.product;
        v_.packagingEnthalpyDifference = d.packaging;
        Write(ResultField::ProductEnthalpyDifference, d.product);
        Write(ResultField::PackagingEnthalpyDifference, d.packaging);
    }

    void Respiration()
    {
        v_.respirationHeat = RespirationHeat(s_.roomTemperature, s_.cryoscopicTemperature, product_.respiration);
        Trace("тепловыделение при дыхании", "q_дых", v_.respirationHeat, "Вт/т",
              "по таблице продукта при t_к; 0 при t_к ≤ t_кр");
        Write(ResultField::RespirationHeat, v_.respirationHeat);
    }

    void AreaAndVolume()
    {
        v_.roomArea = s_.roomLength * s_.roomWidth;
        v_.roomVolume = s_.roomLength * s_.roomWidth * s_.roomHeight;
        TraceSection(t_, "Камера и груз");
        Trace("длина камеры", "L", s_.roomLength, "м");
        Trace("ширина камеры", "B", s_.roomWidth, "м");
        Trace("высота камеры", "H", s_.roomHeight, "м");
        Trace("площадь камеры", "F", v_.roomArea, "м²", "F = L·B");
        Trace("объём камеры", "V", v_.roomVolume, "м³", "V = L·B·H");
        Write(ResultField::RoomArea, v_.roomArea);
        Write(ResultField::RoomVolume, v_.roomVolume);
    }

    void StackCapacity()
    {
        const RoomCapacity c = Capacity(
            {group_, v_.roomArea, s_.stackHeight, s_.stackDensity, s_.packagingShare, s_.highTurnover != 0}, t_);
        Trace("вместимость камеры (нетто)", "M", c.net, "т",
              group_ == RoomGroup::Rail ? "M = g·F_гр" : "M = u·F_гр·H_шт·ρ_шт / 1000");
        Trace("масса тары", "M_т", c.packagingMass, "т", "M_т = s·M / 100");
        Trace("вместимость камеры (брутто)", "M_бр", c.gross, "т", "M_бр = M + M_т");
        v_.netCapacity = c.net;
        v_.packagingMass = c.packagingMass;
        v_.grossCapacity = c.gross;
        Write(ResultField::GrossCapacity, c.gross);
        Write(ResultField::NetCapacity, c.net);
        if (group_ == RoomGroup::Rail)
            Write(ResultField::PackagingShare, 0.0); // the stored share stays as it is
    }

    void DailyTurnover()
    {
        const double turnover = DailyTurnoverTonnes(v_.netCapacity, s_.dailyTurnoverPercent);
        Trace("суточный грузооборот", "B", s_.dailyTurnoverPercent, "%/сут");
        Trace("суточный грузооборот", "G_сут", turnover, "т/сут", "G_сут = M·B / 100, до 0,1 т");
        Write(ResultField::DailyTurnover, turnover);
    }

    void EnclosureRows()
    {
        for (int index = 0; index < kRowCount; ++index) {
            const auto row = static_cast<Row>(index);
            const EnclosureRow& data = s_.rows[index];
            const LayerConductivities conductivities = RowConductivities(row, data, s_.ownMaterials);
            const std::vector<ExtraLayer> extraLayers = RowExtraLayers(data, s_.ownMaterials);
            const double extraResistance = ExtraLayersResistance(extraLayers);
            const double area = RowArea(row, s_.roomLength, s_.roomWidth, s_.roomHeight);
            double coefficient = 0;
            double gain = 0;
            const bool onGround = row == Floor && s_.floorType == refdata::kFloorOnGround;
            TraceSection(t_, "Q1: " + std::string(RowTitle(index)) + (onGround ? " на грунте, по зонам" : ""));
            if (onGround) {
                // The extra layers add to the floor's layer resistance; a typed U-value has no say here.
                if (t_)
                    TraceExtraLayers(*t_, extraLayers);
                gain = GroundFloorGain(s_, RowLayerResistance(data, conductivities) + extraResistance, t_, extraLayers);
                Trace("теплоприток через пол", "Q1,пол", gain, "кВт",
                      "Q = f·[Σ (t_стены − t_к)·ΣkF + 0,05·(t_н − t_к)·F_IV] / 1000", "Q1");
            } else {
                const RowResistances resistances = LayeredRowResistances(data, conductivities, extraResistance);
                coefficient = RowCoefficient(data, resistances);
                gain = LayeredRowGain(coefficient, area, data.outsideTemperature, s_.roomTemperature);
                if (t_)
                    TraceLayeredRow(*t_, {row, data, conductivities, resistances, area, coefficient, gain, extraLayers},
                                    s_.roomTemperature);
            }
            v_.heatTransferCoefficient[index] = coefficient;
            v_.enclosureHeatGain[index] = gain;
            Write(*kEnclosureHeatGainResults[index], gain);
            if (index < kSurfaceRowCount)
                SolarRow(row, coefficient, area);
        }
    }

    void SolarRow(Row row, double coefficient, double area)
    {
        const EnclosureRow& data = s_.rows[row];
        std::optional<SolarExposure> exposure;
        if (row == Ceiling)
            exposure = SolarExposure::Horizontal;
        else if (data.facing)
            exposure = WallExposure(*data.facing);
        const double base = exposure ? BaseSolarDifference(*exposure, s_.latitude) : 0;
        const double factor = SurfaceSolarFactor(
            data.surfaceFinish, SurfaceStructureMaterial(row, data.structureMaterial, s_.ownMaterials).bareSolarFactor);
        const double difference = SolarTemperatureDifference(base, factor, data.sunlit);
        const double gain = SolarRowGain(coefficient, area, difference);
        TraceSection(t_, "Q12: " + std::string(RowTitle(row)));
        Trace("избыточная разность температур по таблице", "Δt_с0", base, "К", "по стороне света и широте");
        Trace("коэффициент поверхности", "a_п", factor, "", "по покрытию (без покрытия — по материалу)");
        Trace("освещённость солнцем", "s", data.sunlit, "", "1 — освещена, 0 — нет");
        Trace("избыточная разность температур", "Δt_с", difference, "К", "Δt_с = Δt_с0·a_п·s");
        Trace("теплоприток от солнца", "Q12," + std::string(RowTitle(row)), gain, "кВт", "Q = k·F·Δt_с, до целых ватт",
              "Q12");
        v_.solarTemperatureDifference[row] = difference;
        v_.solarHeatGain[row] = gain;
        Write(*kSolarTemperatureDifferenceResults[row], difference);
        Write(*kSolarHeatGainResults[row], gain);
    }

    void EnclosureTotals()
    {
        v_.q1 = 0;
        for (double gain : v_.enclosureHeatGain)
            v_.q1 += gain;
        v_.q12 = 0;
        for (double gain : v_.solarHeatGain)
            v_.q12 += gain;
        Write(ResultField::HeatGainQ1, v_.q1);
        Write(ResultField::HeatGainQ12, v_.q12);
    }

    void OutsideAirExchange()
    {
        TraceSection(t_, "Q3: вентиляция");
        const Ventilation vent = VentilationGain(s_, t_);
        Trace("теплоприток с наружным воздухом", "Q3", vent.gain, "кВт", "Q3 = (h_н − h_к)·G_в, до целых ватт");
        v_.roomAirDensity = vent.roomAirDensity;
        v_.outsideAirMoisture = vent.outsideAir.moisture;
        v_.outsideAirEnthalpy = vent.outsideAir.enthalpy;
        v_.q3 = vent.gain;
        Write(ResultField::HeatGainQ3, v_.q3);
    }

    void ProcessingGains()
    {
        const GoodsGains g = GoodsProcessingGains({group_,
                                                   {v_.netCapacity, v_.packagingMass, v_.grossCapacity},
                                                   s_.dailyTurnoverPercent,
                                                   s_.equipmentRunningHours,
                                                   v_.productEnthalpyDifference,
                                                   v_.packagingEnthalpyDifference,
                                                   v_.respirationHeat});
        TraceSection(t_, "Q2, Q5: груз");
        const bool store = group_ == RoomGroup::Store;
        if (!store)
            Trace("время обработки груза", "τ", s_.equipmentRunningHours, "ч");
        Trace("теплоприток от продукта", "Q21", g.product, "кВт",
              store ? "Q21 = B/100·M·Δh_п·1000 / 86400" : "Q21 = M·Δh_п·1000 / (3600·τ)", "Q2");
        Trace("теплоприток от тары", "Q22", g.packaging, "кВт",
              store ? "Q22 = M_т·B/100·Δh_т·1000 / 86400" : "Q22 = M_т·Δh_т·1000 / (3600·τ)", "Q2");
        Trace("теплоприток от дыхания", "Q5", g.respiration, "кВт", "Q5 = M·q_дых / 1000");
        v_.q21 = g.product;
        v_.q22 = g.packaging;
        v_.q2 = g.processing;
        v_.q5 = g.respiration;
        Write(ResultField::HeatGainQ21, v_.q21);
        Write(ResultField::HeatGainQ22, v_.q22);
        Write(ResultField::HeatGainQ2, v_.q2);
        Write(ResultField::HeatGainQ5, v_.q5);
    }

    void OperationalGains()
    {
        DoorOpenings();
        v_.lightingHeatGain = LightingHeatGain(s_);
        v_.staffHeatGain = StaffHeatGain(s_);
        v_.vehicleHeatGain = VehicleHeatGain(s_);
        v_.consumerHeatGain = ConsumerHeatGain(s_);
        v_.defrostHeatGain = DefrostHeatGain(s_);
        if (t_) {
            TraceOtherOperationalGains(*t_, s_, v_);
            if (DefrostUsed(s_))
                TraceDefrost(*t_, s_, v_);
        }
        // The defrost gain is added last: without it (0) every sum is the same to the bit.
        const double otherGains = v_.q1 + v_.q12 + v_.q2 + v_.q3 + v_.q5 + v_.doorHeatGain + v_.lightingHeatGain +
                                  v_.staffHeatGain + v_.vehicleHeatGain + v_.consumerHeatGain + v_.defrostHeatGain;
        v_.fanHeatGain = FanHeatGain(s_, otherGains);
        if (t_)
            TraceFans(*t_, s_, v_, otherGains);
        v_.q4 = v_.doorHeatGain + v_.lightingHeatGain + v_.staffHeatGain + v_.vehicleHeatGain + v_.fanHeatGain +
                v_.consumerHeatGain + v_.defrostHeatGain;
        Write(ResultField::LightingHeatGain, v_.lightingHeatGain);
        Write(ResultField::StaffHeatGain, v_.staffHeatGain);
        Write(ResultField::VehicleHeatGain, v_.vehicleHeatGain);
        Write(ResultField::ConsumerHeatGain, v_.consumerHeatGain);
        Write(ResultField::FanHeatGain, v_.fanHeatGain);
        Write(ResultField::DefrostHeatGain, v_.defrostHeatGain);
        Write(ResultField::HeatGainQ4, v_.q4);
    }

    void DoorOpenings()
    {
        TraceSection(t_, "Q4: дверь");
        const double openDoorFlow = OpenDoorHeatFlow(s_, t_);
        const double goodsFlow = DailyGoodsFlow(group_, s_, v_.netCapacity);
        v_.vehiclePasses = VehiclePassCount(goodsFlow, s_.loadUnitMass);
        Trace("поток груза через дверь", "G_д", goodsFlow, "т/сут",
              group_ == RoomGroup::Store ? "G_д = B/100·M" : "G_д = B/100·M·τ / 24");
        Trace("масса грузового места", "m", s_.loadUnitMass, "кг");
        Trace("число проездов", "n_пр", v_.vehiclePasses, "1/сут", "n_пр = 2·G_д / (m / 1000)");
        Write(ResultField::VehiclePasses, fields::RoundHalfEven(v_.vehiclePasses));
        const bool timeMode = s_.doorTimeMode != 0;
        if (timeMode) {
            v_.doorOpenShare = s_.doorOpenTime / kHoursPerDay;
        } else {
            v_.doorOpenShare = DoorOpenShareFromPasses(v_.vehiclePasses, goodsFlow, s_.doorType, group_);
            Trace("время открытия на один проезд", "t_пр",
                  ListEntry(refdata::kDoorTypes, s_.doorType, "тип двери").secondsPerPass, "с");
            const double openHours = v_.doorOpenShare * kHoursPerDay;
            r_.doorOpenTime = CutToDecimals(openHours, 2);
            Write(ResultField::DoorOpenTime, openHours);
        }
        Trace("время открытия двери", "τ_д", v_.doorOpenShare * kHoursPerDay, "ч/сут",
              timeMode ? "задано" : "τ_д = 24·z");
        Trace("доля суток с открытой дверью", "z", v_.doorOpenShare, "",
              timeMode ? "z = τ_д / 24"
                       : (group_ == RoomGroup::Rail ? "z = (n_пр·t_пр + 60·G_д) / 86400"
                                                    : "z = (n_пр·t_пр + 48·G_д) / 86400"));
        v_.doorHeatGain = DoorHeatGain(openDoorFlow, v_.doorOpenShare, s_.doorProtection);
        Trace("доля, задерживаемая защитой двери", "η",
              ListEntry(refdata::kDoorProtections, s_.doorProtection, "защитное устройство").efficiency, "");
        Trace("теплоприток через дверь", "Q_дв", v_.doorHeatGain, "кВт", "Q_дв = Q_откр·z·1,1·(1 − η)", "Q4");
        Write(ResultField::DoorHeatGain, v_.doorHeatGain);
    }

    void Totals()
    {
        v_.totalHeatGain = v_.q1 + v_.q12 + v_.q2 + v_.q3 + v_.q4 + v_.q5;
        v_.equipmentCapacity =
            EquipmentCapacity(v_.totalHeatGain, group_, s_.equipmentRunningHours, s_.capacityReserve);
        if (t_)
            TraceTotals(*t_, s_, v_, group_ == RoomGroup::Store);
        Write(ResultField::TotalHeatGain, v_.totalHeatGain);
        Write(ResultField::EquipmentCapacity, v_.equipmentCapacity);
    }

    void SummaryColumn()
    {
        for (const auto& [summary, source] : kSummaryCopies)
            r_.results[static_cast<int>(summary)] = r_.result(source);
    }

    const ProjectState& s_;
    CalcTrace* const t_;
    const RoomGroup group_;
    const refdata::Product& product_;
    const refdata::PackagingMaterial& packaging_;
    RecalcResult r_;
    RecalcValues& v_ = r_.values;
};

} // namespace

RecalcResult Recalculate(const ProjectState& state, CalcTrace* trace)
{
    return Pass(state, trace).Run();
}

} // namespace zeltar::calc
