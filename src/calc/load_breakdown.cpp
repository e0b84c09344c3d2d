#include "calc/load_breakdown.h"

#include "calc/pass_protocol.h"

namespace zeltar::calc {

namespace {

constexpr double kPercent = 100;
constexpr int kEnclosureRowCount = 6;

constexpr std::array<std::string_view, kLoadComponentCount> kComponentCaptions{
    "Q1 через ограждения",    "Q12 от солнечной радиации", "Q2 от груза",
    "Q3 с наружным воздухом", "Q4 эксплуатационный",       "Q5 от дыхания плодов"};

} // namespace

const std::array<std::string_view, kLoadComponentCount> kLoadComponentNames{"Q1", "Q12", "Q2", "Q3", "Q4", "Q5"};

ComponentLoads ComponentLoadsOf(const RecalcValues& v)
{
    return {v.q1, v.q12, v.q2, v.q3, v.q4, v.q5};
}

std::optional<double> SharePercent(double gainKw, double totalKw)
{
    if (!(totalKw > 0))
        return std::nullopt;
    return gainKw / totalKw * kPercent;
}

LoadBreakdown BreakDownLoad(const RecalcValues& v)
{
    LoadBreakdown breakdown;
    breakdown.totalKw = v.totalHeatGain;
    auto add = [&](LoadComponent component, bool row, std::string_view label, double gain) {
        breakdown.parts.push_back({component, row, std::string(label), gain, SharePercent(gain, v.totalHeatGain)});
    };
    auto addComponent = [&](LoadComponent component, double gain) {
        add(component, false, kComponentCaptions[static_cast<std::size_t>(component)], gain);
    };

    addComponent(LoadComponent::Q1, v.q1);
    for (int row = 0; row < kEnclosureRowCount; ++row)
        add(LoadComponent::Q1, true, RowTitle(row), v.enclosureHeatGain[static_cast<std::size_t>(row)]);
    addComponent(LoadComponent::Q12, v.q12);
    addComponent(LoadComponent::Q2, v.q2);
    addComponent(LoadComponent::Q3, v.q3);
    addComponent(LoadComponent::Q4, v.q4);
    add(LoadComponent::Q4, true, "двери", v.doorHeatGain);
    add(LoadComponent::Q4, true, "освещение", v.lightingHeatGain);
    add(LoadComponent::Q4, true, "персонал", v.staffHeatGain);
    add(LoadComponent::Q4, true, "транспорт", v.vehicleHeatGain);
    add(LoadComponent::Q4, true, "вентиляторы", v.fanHeatGain);
    add(LoadComponent::Q4, true, "потребители", v.consumerHeatGain);
    if (v.defrostHeatGain != 0) // a row only for a project that gives the defrost
        add(LoadComponent::Q4, true, "оттайка", v.defrostHeatGain);
    addComponent(LoadComponent::Q5, v.q5);
    return breakdown;
}

} // namespace zeltar::calc
