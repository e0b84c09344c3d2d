#include "app/field_names.h"

#include "app/panel_captions.h"
#include "fields/field_table.h"
#include "fields/number_text.h"

#include <array>

namespace zeltar {

namespace {

using enum Control;
using G = Gender;

constexpr std::array kFieldNames{
    FieldName{Latitude, "Географическая широта", G::Feminine, "°", "широтой"},
    FieldName{OutsideDesignTemperature, "Расчётная наружная температура", G::Feminine, " °C",
              "расчётной наружной температурой"},
    FieldName{OutsideRelativeHumidity, "Наружная относительная влажность", G::Feminine, " %", "наружной влажностью"},
    FieldName{RoomLength, "Длина камеры", G::Feminine, " м", "длиной камеры"},
    FieldName{RoomWidth, "Ширина камеры", G::Feminine, " м", "шириной камеры"},
    FieldName{RoomHeight, "Высота камеры", G::Feminine, " м", "высотой камеры"},
    FieldName{RoomTemperature, "Температура в камере", G::Feminine, " °C", "температурой камеры"},
    FieldName{RoomRelativeHumidity, "Относительная влажность в камере", G::Feminine, " %", "влажностью в камере"},
    FieldName{EquipmentRunningHours, "Время работы оборудования", G::Neuter, " ч", "временем работы оборудования"},
    FieldName{CapacityReserve, "Резерв холодопроизводительности", G::Masculine, " %", "резервом"},
    FieldName{StructureThicknessA, "Толщина конструкции стены А", G::Feminine, " мм", "толщиной конструкции стены А"},
    FieldName{StructureThicknessB, "Толщина конструкции стены Б", G::Feminine, " мм", "толщиной конструкции стены Б"},
    FieldName{StructureThicknessC, "Толщина конструкции стены В", G::Feminine, " мм", "толщиной конструкции стены В"},
    FieldName{StructureThicknessD, "Толщина конструкции стены Г", G::Feminine, " мм", "толщиной конструкции стены Г"},
    FieldName{StructureThicknessCeiling, "Толщина конструкции потолка", G::Feminine, " мм",
              "толщиной конструкции потолка"},
    FieldName{StructureThicknessFloor, "Толщина конструкции пола", G::Feminine, " мм", "толщиной конструкции пола"},
    FieldName{InsulationThicknessA, "Толщина изоляции стены А", G::Feminine, " мм", "толщиной изоляции стены А"},
    FieldName{InsulationThicknessB, "Толщина изоляции стены Б", G::Feminine, " мм", "толщиной изоляции стены Б"},
    FieldName{InsulationThicknessC, "Толщина изоляции стены В", G::Feminine, " мм", "толщиной изоляции стены В"},
    FieldName{InsulationThicknessD, "Толщина изоляции стены Г", G::Feminine, " мм", "толщиной изоляции стены Г"},
    FieldName{InsulationThicknessCeiling, "Толщина изоляции потолка", G::Feminine, " мм", "толщиной изоляции потолка"},
    FieldName{InsulationThicknessFloor, "Толщина изоляции пола", G::Feminine, " мм", "толщиной изоляции пола"},
    FieldName{OutsideTemperatureA, "Температура снаружи стены А", G::Feminine, " °C", "температурой снаружи стены А",
              "Температура снаружи", "стена А"},
    FieldName{OutsideTemperatureB, "Температура снаружи стены Б", G::Feminine, " °C", "температурой снаружи стены Б",
              "Температура снаружи", "стена Б"},
    FieldName{OutsideTemperatureC, "Температура снаружи стены В", G::Feminine, " °C", "температурой снаружи стены В",
              "Температура снаружи", "стена В"},
    FieldName{OutsideTemperatureD, "Температура снаружи стены Г", G::Feminine, " °C", "температурой снаружи стены Г",
              "Температура снаружи", "стена Г"},
    FieldName{OutsideTemperatureCeiling, "Температура над потолком", G::Feminine, " °C", "температурой над потолком",
              "Температура снаружи", "потолок"},
    FieldName{OutsideTemperatureFloor, "Температура под полом", G::Feminine, " °C", "температурой под полом",
              "Температура снаружи", "пол"},
    FieldName{AirExchangeRate, "Кратность воздухообмена", G::Feminine, "", "кратностью воздухообмена"},
    FieldName{ProductInletTemperature, "Температура поступающего груза", G::Feminine, " °C",
              "температурой поступающего груза"},
    FieldName{ProductFinalTemperature, "Конечная температура груза", G::Feminine, " °C", "конечной температурой груза"},
    FieldName{StackHeight, "Высота штабелирования груза", G::Feminine, " м", "высотой штабелирования"},
    FieldName{StackDensity, "Плотность груза в штабеле", G::Feminine, " кг/м³", "плотностью груза"},
    FieldName{PackagingShare, "Массовая доля тары", G::Feminine, " %", "долей тары"},
    FieldName{DailyTurnoverPercent, "Суточный грузооборот", G::Masculine, " %", "суточным грузооборотом"},
    FieldName{DailyTurnover, "Суточный грузооборот", G::Masculine, " т/сут", "суточным грузооборотом"},
    FieldName{DoorHeight, "Высота двери", G::Feminine, " м", "высотой двери"},
    FieldName{DoorWidth, "Ширина двери", G::Feminine, " м", "шириной двери"},
    FieldName{DoorOpenTime, "Время открытия двери", G::Neuter, " ч", "временем открытия двери"},
    FieldName{LoadUnitMass, "Масса грузового места", G::Feminine, " кг", "массой грузового места"},
    FieldName{LightingPowerDensity, "Удельная мощность освещения", G::Feminine, " Вт/м²", "мощностью освещения"},
    FieldName{LightingHours, "Время работы освещения", G::Neuter, " ч/сут", "временем работы освещения"},
    FieldName{StaffCount, "Количество людей в камере", G::Neuter, "", "количеством людей"},
    FieldName{VehiclePower, "Мощность ПТС", G::Feminine, " кВт", "мощностью ПТС"},
    FieldName{VehicleHours, "Время работы ПТС", G::Neuter, " ч/сут", "временем работы ПТС"},
    FieldName{FanCount, "Количество вентиляторов", G::Neuter, "", "количеством вентиляторов"},
    FieldName{FanPower, "Мощность вентилятора", G::Feminine, " кВт", "мощностью вентилятора"},
    FieldName{FanSharePercent, "Доля вентиляторов", G::Feminine, " %", "долей вентиляторов"},
    FieldName{Consumer1Power, "Мощность электропотребителя № 1", G::Feminine, " кВт", "мощностью электропотребителя"},
    FieldName{Consumer1Hours, "Время работы электропотребителя № 1", G::Neuter, " ч/сут",
              "временем работы электропотребителя"},
    FieldName{Consumer2Power, "Мощность электропотребителя № 2", G::Feminine, " кВт", "мощностью электропотребителя"},
    FieldName{Consumer2Hours, "Время работы электропотребителя № 2", G::Neuter, " ч/сут",
              "временем работы электропотребителя"},
    // The extension inputs of the «Дополнительно» tab.
    FieldName{UValueA, "Коэффициент теплопередачи стены А", G::Masculine, " Вт/(м²·К)",
              "коэффициентом теплопередачи стены А"},
    FieldName{ExtraLayerThickness1A, "Толщина доп. слоя 1 стены А", G::Feminine, " мм", "толщиной доп. слоя 1 стены А"},
    FieldName{ExtraLayerThickness2A, "Толщина доп. слоя 2 стены А", G::Feminine, " мм", "толщиной доп. слоя 2 стены А"},
    FieldName{ExtraLayerThickness3A, "Толщина доп. слоя 3 стены А", G::Feminine, " мм", "толщиной доп. слоя 3 стены А"},
    FieldName{UValueB, "Коэффициент теплопередачи стены Б", G::Masculine, " Вт/(м²·К)",
              "коэффициентом теплопередачи стены Б"},
    FieldName{ExtraLayerThickness1B, "Толщина доп. слоя 1 стены Б", G::Feminine, " мм", "толщиной доп. слоя 1 стены Б"},
    FieldName{ExtraLayerThickness2B, "Толщина доп. слоя 2 стены Б", G::Feminine, " мм", "толщиной доп. слоя 2 стены Б"},
    FieldName{ExtraLayerThickness3B, "Толщина доп. слоя 3 стены Б", G::Feminine, " мм", "толщиной доп. слоя 3 стены Б"},
    FieldName{UValueC, "Коэффициент теплопередачи стены В", G::Masculine, " Вт/(м²·К)",
              "коэффициентом теплопередачи стены В"},
    FieldName{ExtraLayerThickness1C, "Толщина доп. слоя 1 стены В", G::Feminine, " мм", "толщиной доп. слоя 1 стены В"},
    FieldName{ExtraLayerThickness2C, "Толщина доп. слоя 2 стены В", G::Feminine, " мм", "толщиной доп. слоя 2 стены В"},
    FieldName{ExtraLayerThickness3C, "Толщина доп. слоя 3 стены В", G::Feminine, " мм", "толщиной доп. слоя 3 стены В"},
    FieldName{UValueD, "Коэффициент теплопередачи стены Г", G::Masculine, " Вт/(м²·К)",
              "коэффициентом теплопередачи стены Г"},
    FieldName{ExtraLayerThickness1D, "Толщина доп. слоя 1 стены Г", G::Feminine, " мм", "толщиной доп. слоя 1 стены Г"},
    FieldName{ExtraLayerThickness2D, "Толщина доп. слоя 2 стены Г", G::Feminine, " мм", "толщиной доп. слоя 2 стены Г"},
    FieldName{ExtraLayerThickness3D, "Толщина доп. слоя 3 стены Г", G::Feminine, " мм", "толщиной доп. слоя 3 стены Г"},
    FieldName{UValueCeiling, "Коэффициент теплопередачи потолка", G::Masculine, " Вт/(м²·К)",
              "коэффициентом теплопередачи потолка"},
    FieldName{ExtraLayerThickness1Ceiling, "Толщина доп. слоя 1 потолка", G::Feminine, " мм",
              "толщиной доп. слоя 1 потолка"},
    FieldName{ExtraLayerThickness2Ceiling, "Толщина доп. слоя 2 потолка", G::Feminine, " мм",
              "толщиной доп. слоя 2 потолка"},
    FieldName{ExtraLayerThickness3Ceiling, "Толщина доп. слоя 3 потолка", G::Feminine, " мм",
              "толщиной доп. слоя 3 потолка"},
    FieldName{UValueFloor, "Коэффициент теплопередачи пола", G::Masculine, " Вт/(м²·К)",
              "коэффициентом теплопередачи пола"},
    FieldName{ExtraLayerThickness1Floor, "Толщина доп. слоя 1 пола", G::Feminine, " мм", "толщиной доп. слоя 1 пола"},
    FieldName{ExtraLayerThickness2Floor, "Толщина доп. слоя 2 пола", G::Feminine, " мм", "толщиной доп. слоя 2 пола"},
    FieldName{ExtraLayerThickness3Floor, "Толщина доп. слоя 3 пола", G::Feminine, " мм", "толщиной доп. слоя 3 пола"},
    FieldName{DefrostHeaterPower, "Мощность нагревателей оттайки", G::Feminine, " кВт",
              "мощностью нагревателей оттайки"},
    FieldName{DefrostCoolerCount, "Количество воздухоохладителей", G::Neuter, "", "количеством воздухоохладителей"},
    FieldName{DefrostsPerDay, "Число оттаек в сутки", G::Neuter, "", "числом оттаек"},
    FieldName{DefrostDuration, "Продолжительность оттайки", G::Feminine, " мин", "продолжительностью оттайки"},
    FieldName{DefrostRoomShare, "Доля тепла оттайки, поступающая в камеру", G::Feminine, "", "долей тепла оттайки"},
    FieldName{StaffHours, "Время работы персонала", G::Neuter, " ч/сут", "временем работы персонала"},
    // Lists whose choice presets other fields.
    FieldName{City, "Город", G::Masculine, "", "городом"},
    FieldName{FloorType, "Расположение пола", G::Neuter, "", "расположением пола"},
    FieldName{RoomType, "Тип камеры", G::Masculine, "", "типом камеры"},
    FieldName{ProductGroup, "Группа продуктов", G::Feminine, "", "группой продуктов"},
    FieldName{Product, "Продукт", G::Masculine, "", "продуктом"},
};

// Lists whose choice presets nothing else, by what the user picks in them.
constexpr std::array<CaptionedControl, 20 + 18> kListCaptions{{
    {"Материал конструкции стены А", StructureMaterialA},
    {"Материал конструкции стены Б", StructureMaterialB},
    {"Материал конструкции стены В", StructureMaterialC},
    {"Материал конструкции стены Г", StructureMaterialD},
    {"Материал изоляции стены А", InsulationMaterialA},
    {"Материал изоляции стены Б", InsulationMaterialB},
    {"Материал изоляции стены В", InsulationMaterialC},
    {"Материал изоляции стены Г", InsulationMaterialD},
    {"Материал конструкции потолка", StructureMaterialCeiling},
    {"Материал изоляции потолка", InsulationMaterialCeiling},
    {"Материал конструкции пола", StructureMaterialFloor},
    {"Материал изоляции пола", InsulationMaterialFloor},
    {"Отделка поверхности стены А", SurfaceFinishA},
    {"Отделка поверхности стены Б", SurfaceFinishB},
    {"Отделка поверхности стены В", SurfaceFinishC},
    {"Отделка поверхности стены Г", SurfaceFinishD},
    {"Отделка поверхности потолка", SurfaceFinishCeiling},
    {"Материал тары", PackagingMaterial},
    {"Защита дверного проёма", DoorProtection},
    {"Тип двери", DoorType},
    {"Материал доп. слоя 1 стены А", ExtraLayerMaterial1A},
    {"Материал доп. слоя 2 стены А", ExtraLayerMaterial2A},
    {"Материал доп. слоя 3 стены А", ExtraLayerMaterial3A},
    {"Материал доп. слоя 1 стены Б", ExtraLayerMaterial1B},
    {"Материал доп. слоя 2 стены Б", ExtraLayerMaterial2B},
    {"Материал доп. слоя 3 стены Б", ExtraLayerMaterial3B},
    {"Материал доп. слоя 1 стены В", ExtraLayerMaterial1C},
    {"Материал доп. слоя 2 стены В", ExtraLayerMaterial2C},
    {"Материал доп. слоя 3 стены В", ExtraLayerMaterial3C},
    {"Материал доп. слоя 1 стены Г", ExtraLayerMaterial1D},
    {"Материал доп. слоя 2 стены Г", ExtraLayerMaterial2D},
    {"Материал доп. слоя 3 стены Г", ExtraLayerMaterial3D},
    {"Материал доп. слоя 1 потолка", ExtraLayerMaterial1Ceiling},
    {"Материал доп. слоя 2 потолка", ExtraLayerMaterial2Ceiling},
    {"Материал доп. слоя 3 потолка", ExtraLayerMaterial3Ceiling},
    {"Материал доп. слоя 1 пола", ExtraLayerMaterial1Floor},
    {"Материал доп. слоя 2 пола", ExtraLayerMaterial2Floor},
    {"Материал доп. слоя 3 пола", ExtraLayerMaterial3Floor},
}};

// The captions the main panel shows beside its fields.
constexpr std::array kPanelCaptions{kRoomLengthCaption, kRoomWidthCaption,     kRoomHeightCaption,
                                    kRoomAreaCaption,   kRoomVolumeCaption,    kRoomTemperatureCaption,
                                    kSiteCaption,       kTotalHeatGainCaption, kEquipmentCapacityCaption};

std::string_view Trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

std::string_view ShownCaption(Control control)
{
    if (const FieldName* name = FindFieldName(control))
        return name->name;
    if (const fields::TextField* text = fields::FindTextField(control))
        return text->caption;
    for (const CaptionedControl& list : kListCaptions)
        if (list.control == control)
            return list.caption;
    for (const CaptionedControl& panel : kPanelCaptions)
        if (panel.control == control)
            return panel.caption;
    for (const CaptionedControl& gain : kSummaryGainCaptions)
        if (gain.control == control)
            return gain.caption;
    return Trimmed(Facts(control).caption);
}

} // namespace

std::string ControlCaption(Control control)
{
    if (const std::string_view caption = ShownCaption(control); !caption.empty())
        return "«" + std::string(caption) + "»";
    const int tab = Facts(control).tab;
    if (tab == fields::kNoTab)
        return "без подписи (главная панель)";
    return "без подписи (страница «" + std::string(Trimmed(kTabPageCaptions[static_cast<std::size_t>(tab)])) + "»)";
}

const FieldName* FindFieldName(Control control)
{
    for (const FieldName& name : kFieldNames)
        if (name.control == control)
            return &name;
    return nullptr;
}

std::string Agreeing(std::string_view masculine, std::string_view stem, Gender gender)
{
    switch (gender) {
    case Gender::Masculine: return std::string(masculine);
    case Gender::Feminine: return std::string(stem) + "а";
    case Gender::Neuter: return std::string(stem) + "о";
    }
    return std::string(masculine);
}

std::string MessageNumber(std::string_view fieldText)
{
    const std::size_t first = fieldText.find_first_not_of(' ');
    std::string text(first == std::string_view::npos ? std::string_view() : fieldText.substr(first));
    if (!text.empty() && text.front() == '-')
        text.replace(0, 1, "−");
    return text;
}

std::string MessageNumber(double value)
{
    return MessageNumber(fields::FormatGeneral(value));
}

} // namespace zeltar
