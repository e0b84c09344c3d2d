#include "report/extension_lines.h"

#include "calc/enclosure_gain.h"
#include "fields/number_text.h"
#include "model/project_extensions.h"
#include "refdata/room_types.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>
#include <string_view>

namespace zeltar::report {

namespace {

constexpr std::array<std::string_view, kRowCount> kRowNames{"Стена А", "Стена Б", "Стена В",
                                                            "Стена Г", "Потолок", "Пол"};

// A number as the report shows an input: general form, decimal comma ("0,22", "6", "9,3").
std::string Number(double value)
{
    return fields::FormatGeneral(value);
}

// A computed value rounded to `decimals` decimals, all of them shown ("0,190", "2,27").
std::string Rounded(double value, int decimals)
{
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    std::string text(buffer.data(), error == std::errc() ? end : buffer.data());
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// The extra layers, one by one, either by material name or by conductivity.
std::string LayerList(const std::vector<calc::ExtraLayer>& layers, bool byName)
{
    std::string list;
    for (const calc::ExtraLayer& layer : layers) {
        if (!list.empty())
            list += "; ";
        list += byName ? std::string(layer.material.name) + " " + Number(layer.thicknessMm) + " мм"
                       : Number(layer.thicknessMm) + " мм (λ = " + Number(layer.material.conductivity) + ")";
    }
    return list;
}

void AddRowLines(std::vector<ExtensionLine>& lines, const ProjectState& s, const calc::RecalcValues& v)
{
    for (int row = 0; row < kRowCount; ++row) {
        const EnclosureRow& data = s.rows[static_cast<std::size_t>(row)];
        const std::string name(kRowNames[static_cast<std::size_t>(row)]);
        const bool onGround = row == Floor && s.floorType == refdata::kFloorOnGround;
        if (data.uValue > 0 && !onGround) {
            lines.push_back({ExtensionPlace::UnderEnclosureTotal,
                             {name + ": k = " + Number(data.uValue) + " Вт/(м²·К) задан (панель)"},
                             {}});
            continue;
        }
        const std::vector<calc::ExtraLayer> layers = calc::RowExtraLayers(data, s.ownMaterials);
        if (layers.empty())
            continue;
        const std::string resistance = "R = " + Rounded(calc::ExtraLayersResistance(layers), 2) + " м²·К/Вт";
        const std::string tail =
            onGround
                ? " (" + resistance + ", к слоям пола)"
                : " (" + resistance + "), k = " + Rounded(v.heatTransferCoefficient[static_cast<std::size_t>(row)], 3) +
                      " Вт/(м²·К)";
        const std::string head = name + ": доп. слои: ";
        lines.push_back({ExtensionPlace::UnderEnclosureTotal,
                         {head + LayerList(layers, true) + tail, head + LayerList(layers, false) + tail},
                         {}});
    }
}

} // namespace

std::vector<ExtensionLine> ExtensionReportLines(const ProjectState& s, const calc::RecalcValues& v)
{
    std::vector<ExtensionLine> lines;
    AddRowLines(lines, s, v);
    if (s.staffOwnHours != 0)
        lines.push_back({ExtensionPlace::UnderStaff,
                         {"Время работы персонала - " + Number(s.staffHours) + " ч/сут. (своё, не время освещения)"},
                         {}});
    if (DefrostUsed(s))
        lines.push_back({ExtensionPlace::AboveOperationalTotal,
                         {"От оттайки воздухоохладителей (" + std::to_string(s.defrostCoolerCount) + " шт. по " +
                          Number(s.defrostHeaterPower) + " кВт, " + Number(s.defrostsPerDay) + " раз/сут. по " +
                          Number(s.defrostDuration) + " мин, в камеру - " + Number(s.defrostRoomShare) + ") :"},
                         "q7 = " + fields::StripBlanks(fields::ResultText(v.defrostHeatGain, 2)) + " кВт"});
    return lines;
}

} // namespace zeltar::report
