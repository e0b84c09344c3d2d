#include "object/summary_row.h"

#include "app/form_model.h"
#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "calc/results.h"
#include "fields/control_catalogue.h"

#include <filesystem>
#include <optional>

namespace zeltar::object {

namespace {

// A column's machine name: the parameter an input field shows, or the name of the result a result
// field shows.
constexpr std::string_view KeyOf(Control control)
{
    if (!Facts(control).parameter.empty())
        return Facts(control).parameter;
    for (const calc::ResultRow& row : calc::kResultRows)
        if (row.control == control)
            return row.name;
    return {};
}

constexpr SummaryColumnInfo Shown(std::string_view caption, std::string_view unit, Control control, bool number = true)
{
    return {caption, unit, KeyOf(control), number, control};
}

} // namespace

const std::array<SummaryColumnInfo, kSummaryColumnCount> kSummaryColumns{{
    {"№", "", "Number", true, std::nullopt},
    {"Камера", "", "Name", false, std::nullopt},
    Shown("Тип камеры", "", Control::RoomType, false),
    Shown("t камеры", "°C", Control::RoomTemperature),
    Shown("Площадь", "м²", Control::RoomArea),
    Shown("Объём", "м³", Control::RoomVolume),
    Shown("Q1", "кВт", Control::SummaryQ1),
    Shown("Q12", "кВт", Control::SummaryQ12),
    Shown("Q2", "кВт", Control::SummaryQ2),
    Shown("Q3", "кВт", Control::SummaryQ3),
    Shown("Q4", "кВт", Control::SummaryQ4),
    Shown("Q5", "кВт", Control::SummaryQ5),
    Shown("Q сум.", "кВт", Control::TotalHeatGain),
    Shown("Время работы", "ч/сут", Control::EquipmentRunningHours),
    Shown("Q об.", "кВт", Control::EquipmentCapacity),
}};

namespace {

// The full values of the model's last pass; the temperature and running hours as entered.
RoomValues ValuesOf(const FormModel& model)
{
    const ProjectState& state = model.state();
    const calc::RecalcValues& v = model.lastValues();
    // clang-format off
    return {state.roomTemperature, v.roomArea, v.roomVolume, v.q1, v.q12, v.q2, v.q3, v.q4, v.q5,
            v.totalHeatGain, state.equipmentRunningHours, v.equipmentCapacity};
    // clang-format on
}

} // namespace

std::string_view LevelName(Level level)
{
    return level == Level::Medium ? kMediumLevelName : kLowLevelName;
}

Level LevelOf(double roomTemperatureCelsius, double levelBoundaryCelsius)
{
    return roomTemperatureCelsius >= levelBoundaryCelsius ? Level::Medium : Level::Low;
}

std::string RoomNameFromPath(std::string_view path)
{
    const std::filesystem::path p(std::u8string(path.begin(), path.end()));
    const std::u8string stem = p.stem().u8string();
    return std::string(stem.begin(), stem.end());
}

const std::vector<std::string>& ResultListingNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const calc::ListingLine& line :
             calc::ResultListing([](calc::ResultField) { return std::string(); }, calc::Warning::White,
                                 calc::Warning::White, calc::Warning::White))
            out.push_back(line.name);
        return out;
    }();
    return names;
}

std::string WithoutDisplayBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

SummaryRow LoadSummaryRow(int number, const std::string& path, const std::string& listedPath,
                          const std::string& displayName, double levelBoundaryCelsius)
{
    SummaryRow row;
    row.number = number;
    row.listedPath = listedPath;
    row.path = path;
    row.roomName = displayName.empty() ? RoomNameFromPath(listedPath.empty() ? path : listedPath) : displayName;
    row.texts[static_cast<int>(SummaryColumn::Number)] = std::to_string(number);
    row.texts[static_cast<int>(SummaryColumn::RoomName)] = row.roomName;

    // The date field plays no part in the results.
    FormModel model("");
    try {
        row.loaded = model.loadProject({true, path});
    } catch (const std::exception& e) {
        row.loaded = false;
        row.error = "Проект не загружен из файла «" + path + "»: " + e.what();
        return row;
    }
    std::vector<std::string> messages = model.takeErrors();
    if (!row.loaded) {
        row.error = messages.empty() ? "Проект не загружен из файла «" + path + "»." : messages.front();
        return row;
    }
    row.loadMessages = std::move(messages);
    for (int c = static_cast<int>(SummaryColumn::RoomType); c < kSummaryColumnCount; ++c)
        row.texts[c] = WithoutDisplayBlanks(model.control(*kSummaryColumns[c].control).text);
    row.values = ValuesOf(model);
    row.level = LevelOf(row.values.roomTemperatureCelsius, levelBoundaryCelsius);
    row.results = ResultListingOf(model);
    return row;
}

} // namespace zeltar::object
