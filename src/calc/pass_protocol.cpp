#include "calc/pass_protocol.h"

#include "model/project_extensions.h"

#include <array>
#include <string>

namespace zeltar::calc {

std::string_view RowTitle(int row)
{
    static constexpr std::array<std::string_view, kRowCount> kRowTitles{"стена А", "стена Б", "стена В",
                                                                        "стена Г", "потолок", "пол"};
    return kRowTitles[static_cast<std::size_t>(row)];
}

void TraceExtraLayers(CalcTrace& t, const std::vector<ExtraLayer>& layers)
{
    for (const ExtraLayer& layer : layers) {
        const std::string number = std::to_string(layer.number);
        const std::string quantity = "доп. слоя " + number;
        t.Add("толщина " + quantity, "δ_д" + number, layer.thicknessMm, "мм");
        t.Add("теплопроводность " + quantity + " (" + std::string(layer.material.name) + ")", "λ_д" + number,
              layer.material.conductivity, "Вт/(м·К)");
        t.Add("сопротивление " + quantity, "R_д" + number, layer.resistance, "м²·К/Вт",
              "R_д" + number + " = δ_д" + number + " / (1000·λ_д" + number + ")");
    }
}

namespace {

// The layers of a row, from the outer surface to the inner one, and k from them.
void TraceRowLayers(CalcTrace& t, const LayeredRowValues& row)
{
    const EnclosureRow& data = row.data;
    const RowResistances& r = row.resistances;
    t.Add("коэффициент теплоотдачи снаружи", "α_н", data.outerSurfaceCoefficient, "Вт/(м²·К)");
    t.Add("сопротивление теплоотдаче снаружи", "1/α_н", r.outerSurface, "м²·К/Вт", "1/α_н");
    t.Add("толщина конструкции", "δ_к", data.structureThickness, "мм");
    t.Add("теплопроводность конструкции", "λ_к", row.conductivities.structure, "Вт/(м·К)");
    t.Add("сопротивление конструкции", "R_к", r.structure, "м²·К/Вт", "R_к = δ_к / (1000·λ_к)");
    t.Add("толщина изоляции", "δ_и", data.insulationThickness, "мм");
    t.Add("теплопроводность изоляции", "λ_и", row.conductivities.insulation, "Вт/(м·К)");
    t.Add("сопротивление изоляции", "R_и", r.insulation, "м²·К/Вт", "R_и = δ_и / (1000·λ_и)");
    TraceExtraLayers(t, row.extraLayers);
    t.Add("коэффициент теплоотдачи внутри", "α_в", data.innerSurfaceCoefficient, "Вт/(м²·К)");
    t.Add("сопротивление теплоотдаче внутри", "1/α_в", r.innerSurface, "м²·К/Вт", "1/α_в");
    t.Add("коэффициент теплопередачи", "k", row.coefficient, "Вт/(м²·К)",
          "k = 1 / (1/α_н + R_к + R_и" + ExtraLayerTerms(row.extraLayers) + " + 1/α_в)");
}

} // namespace

// Protocol of a row by layers: area, the resistances, k, the temperature difference, gain.
void TraceLayeredRow(CalcTrace& t, const LayeredRowValues& row, double roomTemperature)
{
    const EnclosureRow& data = row.data;
    const int index = row.row;
    const bool wall = index < Ceiling;
    t.Add("площадь", "F", row.area, "м²", wall ? (index % 2 == 0 ? "F = B·H" : "F = L·H") : "F = L·B");
    if (data.uValue > 0)
        t.Add("коэффициент теплопередачи", "k", row.coefficient, "Вт/(м²·К)", "задан для ограждения (панель)");
    else
        TraceRowLayers(t, row);
    t.Add("температура снаружи", "t_н", data.outsideTemperature, "°C");
    t.Add("разность температур", "Δt", data.outsideTemperature - roomTemperature, "К", "Δt = t_н − t_к");
    t.Add("теплоприток", "Q1," + std::string(RowTitle(index)), row.gain, "кВт", "Q = k·F·Δt, до целых ватт", "Q1");
}

void TraceOtherOperationalGains(CalcTrace& t, const ProjectState& s, const RecalcValues& v)
{
    t.BeginSection("Q4: освещение, люди, ПТС, потребители");
    t.Add("удельная мощность освещения", "q_осв", s.lightingPowerDensity, "Вт/м²");
    const bool staffOwnHours = s.staffOwnHours != 0;
    t.Add(staffOwnHours ? "время работы освещения" : "время работы освещения и людей", "τ_осв", s.lightingHours,
          "ч/сут");
    t.Add("теплоприток от освещения", "Q_осв", v.lightingHeatGain, "кВт", "Q_осв = q_осв·F·τ_осв / 24000", "Q4");
    t.Add("число людей", "n_л", s.staffCount, "");
    if (staffOwnHours) {
        t.Add("время работы персонала", "τ_л", s.staffHours, "ч/сут", "задано своё");
        t.Add("теплоприток от людей", "Q_л", v.staffHeatGain, "кВт", "Q_л = (270 − 6·t_к)·n_л·τ_л / 24000", "Q4");
    } else {
        t.Add("теплоприток от людей", "Q_л", v.staffHeatGain, "кВт", "Q_л = (270 − 6·t_к)·n_л·τ_осв / 24000", "Q4");
    }
    t.Add("мощность ПТС", "N_птс", s.vehiclePower, "кВт");
    t.Add("время работы ПТС", "τ_птс", s.vehicleHours, "ч/сут");
    t.Add("теплоприток от ПТС", "Q_птс", v.vehicleHeatGain, "кВт", "Q_птс = N_птс·τ_птс / 24", "Q4");
    t.Add("мощность потребителя № 1", "N1", s.consumer1Power, "кВт");
    t.Add("время работы потребителя № 1", "τ1", s.consumer1Hours, "ч/сут");
    t.Add("мощность потребителя № 2", "N2", s.consumer2Power, "кВт");
    t.Add("время работы потребителя № 2", "τ2", s.consumer2Hours, "ч/сут");
    t.Add("теплоприток от потребителей", "Q_потр", v.consumerHeatGain, "кВт", "Q_потр = N1·τ1 / 24 + N2·τ2 / 24", "Q4");
}

void TraceDefrost(CalcTrace& t, const ProjectState& s, const RecalcValues& v)
{
    t.BeginSection("Q4: оттайка воздухоохладителей");
    t.Add("мощность нагревателей оттайки одного воздухоохладителя", "N_от", s.defrostHeaterPower, "кВт");
    t.Add("число воздухоохладителей", "n_во", s.defrostCoolerCount, "");
    t.Add("число оттаек в сутки", "m_от", s.defrostsPerDay, "1/сут");
    t.Add("продолжительность оттайки", "τ_от", s.defrostDuration, "мин");
    t.Add("доля тепла оттайки, поступающая в камеру", "s_от", s.defrostRoomShare, "");
    t.Add("теплоприток от оттайки", "Q_от", v.defrostHeatGain, "кВт", "Q_от = N_от·n_во·m_от·τ_от/60 / 24·s_от", "Q4");
}

void TraceFans(CalcTrace& t, const ProjectState& s, const RecalcValues& v, double otherGains)
{
    t.BeginSection("Q4: вентиляторы");
    if (s.fanDetailedCalculation != 0) {
        t.Add("число вентиляторов", "n_в", s.fanCount, "");
        t.Add("мощность вентилятора", "N_в", s.fanPower, "кВт");
        t.Add("теплоприток от вентиляторов", "Q_в", v.fanHeatGain, "кВт", "Q_в = n_в·N_в", "Q4");
    } else {
        t.Add("прочие теплопритоки", "Q_пр", otherGains, "кВт", "Q_пр = Q1 + Q12 + Q2 + Q3 + Q5 + Q4 без вентиляторов");
        t.Add("доля вентиляторов", "s_в", s.fanSharePercent, "%");
        t.Add("теплоприток от вентиляторов", "Q_в", v.fanHeatGain, "кВт", "Q_в = |Q_пр·s_в / 100|", "Q4");
    }
}

void TraceTotals(CalcTrace& t, const ProjectState& s, const RecalcValues& v, bool store)
{
    t.BeginSection("Итог");
    t.Add("через ограждения", "Q1", v.q1, "кВт", "Q1 = Σ Q1 по строкам", "Qсум");
    t.Add("от солнечной радиации", "Q12", v.q12, "кВт", "Q12 = Σ Q12 по строкам", "Qсум");
    t.Add("от груза", "Q2", v.q2, "кВт", "Q2 = Q21 + Q22", "Qсум");
    t.Add("с наружным воздухом", "Q3", v.q3, "кВт", "см. вентиляцию", "Qсум");
    t.Add("эксплуатационные", "Q4", v.q4, "кВт",
          DefrostUsed(s) ? "Q4 = Q_дв + Q_осв + Q_л + Q_птс + Q_потр + Q_от + Q_в"
                         : "Q4 = Q_дв + Q_осв + Q_л + Q_птс + Q_потр + Q_в",
          "Qсум");
    t.Add("от дыхания", "Q5", v.q5, "кВт", "см. груз", "Qсум");
    t.Add("суммарный теплоприток", "Qсум", v.totalHeatGain, "кВт", "Qсум = Q1 + Q12 + Q2 + Q3 + Q4 + Q5");
    t.Add("резерв холодопроизводительности", "r", s.capacityReserve, "%");
    if (store) {
        t.Add("время работы оборудования", "τ_об", s.equipmentRunningHours, "ч/сут");
        t.Add("холодопроизводительность оборудования", "Q0", v.equipmentCapacity, "кВт",
              "Q0 = (1 + r/100)·Qсум / (τ_об / 24)");
    } else {
        t.Add("холодопроизводительность оборудования", "Q0", v.equipmentCapacity, "кВт", "Q0 = (1 + r/100)·Qсум");
    }
}

} // namespace zeltar::calc
