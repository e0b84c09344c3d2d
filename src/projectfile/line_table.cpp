// The 131 lines of a project file, in file order: kind, window control, parameter, flag condition,
// meaning, the member of the project record the value goes to, and the rule a sound value meets.
#include "projectfile/line_table.h"

#include "refdata/cities.h"
#include "refdata/materials.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

namespace zeltar::project {

namespace detail {

namespace {

using S = ProjectState;
using R = EnclosureRow;

constexpr int Size(const auto& list) { return static_cast<int>(list.size()); }

constexpr StateSlot InRow(int row, double R::*member) { return RowMember<double>{row, member}; }
constexpr StateSlot InRow(int row, int R::*member) { return RowMember<int>{row, member}; }

constexpr LineEntry Decimal(std::string_view control, std::string_view parameter,
                            std::string_view meaning, StateSlot slot, ValueRule rule = ValueRule::None)
{
    return {{LineKind::Decimal, control, parameter, FlagCondition::None, meaning}, slot, rule};
}
constexpr LineEntry Percent(std::string_view control, std::string_view parameter,
                            std::string_view meaning, StateSlot slot)
{
    return {{LineKind::Percent, control, parameter, FlagCondition::None, meaning}, slot,
            ValueRule::Humidity};
}
constexpr LineEntry Integer(std::string_view control, std::string_view parameter,
                            std::string_view meaning, StateSlot slot)
{
    return {{LineKind::Integer, control, parameter, FlagCondition::None, meaning}, slot};
}
constexpr LineEntry Text(std::string_view control, std::string_view parameter,
                         std::string_view meaning, StateSlot slot = {})
{
    return {{LineKind::Text, control, parameter, FlagCondition::None, meaning}, slot};
}
constexpr LineEntry List(std::string_view control, std::string_view parameter,
                         std::string_view meaning, StateSlot slot, int listSize)
{
    return {{LineKind::ListIndex, control, parameter, FlagCondition::None, meaning}, slot,
            ValueRule::ListIndex, listSize};
}
constexpr LineEntry State(std::string_view parameter, std::string_view meaning, StateSlot slot,
                          ValueRule rule)
{
    return {{LineKind::StateValue, "", parameter, FlagCondition::None, meaning}, slot, rule};
}
constexpr LineEntry Flag(std::string_view control, std::string_view parameter,
                         FlagCondition condition, std::string_view meaning, StateSlot slot = {})
{
    return {{LineKind::Flag, control, parameter, condition, meaning}, slot};
}

constexpr auto kThickness = ValueRule::LayerThickness;
constexpr auto kTemperature = ValueRule::Temperature;
constexpr auto kFieldMinimum = ValueRule::FieldMinimum;

} // namespace

constexpr std::array<LineEntry, kLineCount> kLineEntries{{
    // 1-8: layers of walls A-D, mm
    Decimal("Edit1", "StructureThicknessA", "толщина конструкции стены А, мм", InRow(WallA, &R::structureThickness), kThickness),
    Decimal("Edit2", "StructureThicknessB", "толщина конструкции стены Б, мм", InRow(WallB, &R::structureThickness), kThickness),
    Decimal("Edit3", "StructureThicknessC", "толщина конструкции стены В, мм", InRow(WallC, &R::structureThickness), kThickness),
    Decimal("Edit4", "StructureThicknessD", "толщина конструкции стены Г, мм", InRow(WallD, &R::structureThickness), kThickness),
    Decimal("Edit5", "InsulationThicknessA", "толщина изоляции стены А, мм", InRow(WallA, &R::insulationThickness), kThickness),
    Decimal("Edit6", "InsulationThicknessB", "толщина изоляции стены Б, мм", InRow(WallB, &R::insulationThickness), kThickness),
    Decimal("Edit7", "InsulationThicknessC", "толщина изоляции стены В, мм", InRow(WallC, &R::insulationThickness), kThickness),
    Decimal("Edit8", "InsulationThicknessD", "толщина изоляции стены Г, мм", InRow(WallD, &R::insulationThickness), kThickness),
    // 9-12: air beyond walls A-D, °C
    Decimal("Edit9", "OutsideTemperatureA", "температура снаружи стены А, °C", InRow(WallA, &R::outsideTemperature), kTemperature),
    Decimal("Edit10", "OutsideTemperatureB", "температура снаружи стены Б, °C", InRow(WallB, &R::outsideTemperature), kTemperature),
    Decimal("Edit11", "OutsideTemperatureC", "температура снаружи стены В, °C", InRow(WallC, &R::outsideTemperature), kTemperature),
    Decimal("Edit12", "OutsideTemperatureD", "температура снаружи стены Г, °C", InRow(WallD, &R::outsideTemperature), kTemperature),
    // 13-18: ceiling and floor
    Decimal("Edit13", "StructureThicknessCeiling", "толщина конструкции потолка, мм", InRow(Ceiling, &R::structureThickness), kThickness),
    Decimal("Edit14", "InsulationThicknessCeiling", "толщина изоляции потолка, мм", InRow(Ceiling, &R::insulationThickness), kThickness),
    Decimal("Edit15", "OutsideTemperatureCeiling", "температура над потолком, °C", InRow(Ceiling, &R::outsideTemperature), kTemperature),
    Decimal("Edit16", "StructureThicknessFloor", "толщина конструкции пола, мм", InRow(Floor, &R::structureThickness), kThickness),
    Decimal("Edit17", "InsulationThicknessFloor", "толщина изоляции пола, мм", InRow(Floor, &R::insulationThickness), kThickness),
    Decimal("Edit18", "OutsideTemperatureFloor", "температура под полом, °C", InRow(Floor, &R::outsideTemperature), kTemperature),
    // 19-24: site and room
    Decimal("Edit19", "Latitude", "географическая широта, град.", &S::latitude),
    Decimal("Edit20", "OutsideDesignTemperature", "расчетная температура наружного воздуха, °C", &S::outsideDesignTemperature, kTemperature),
    Percent("Edit21", "OutsideRelativeHumidity", "относительная влажность наружного воздуха, %", &S::outsideRelativeHumidity),
    Decimal("Edit22", "RoomLength", "длина камеры, м", &S::roomLength),
    Decimal("Edit23", "RoomWidth", "ширина камеры, м", &S::roomWidth),
    Decimal("Edit24", "RoomHeight", "высота камеры, м", &S::roomHeight),
    // 25-28: wall directions; the load takes them from the plan orientation (line 118)
    Text("Edit26", "OrientationTextA", "ориентация стены А"),
    Text("Edit27", "OrientationTextB", "ориентация стены Б"),
    Text("Edit28", "OrientationTextC", "ориентация стены В"),
    Text("Edit29", "OrientationTextD", "ориентация стены Г"),
    Decimal("Edit30", "AirExchangeRate", "кратность воздухообмена, 1/сут", &S::airExchangeRate),
    Decimal("Edit43", "RoomTemperature", "температура в камере, °C", &S::roomTemperature, kTemperature),
    // 31-40: tile texts; the tiles redraw them from the flags of lines 108-117
    Text("Edit44", "SunlitA", "освещенность стены А"),
    Text("Edit45", "SunlitB", "освещенность стены Б"),
    Text("Edit46", "SunlitC", "освещенность стены В"),
    Text("Edit47", "SunlitD", "освещенность стены Г"),
    Text("Edit48", "SunlitCeiling", "освещенность потолка"),
    Text("Edit49", "OutsideFacingA", "наружная или внутренняя стена А"),
    Text("Edit50", "OutsideFacingB", "наружная или внутренняя стена Б"),
    Text("Edit51", "OutsideFacingC", "наружная или внутренняя стена В"),
    Text("Edit52", "OutsideFacingD", "наружная или внутренняя стена Г"),
    Text("Edit53", "OutsideFacingCeiling", "наружный или внутренний потолок"),
    // 41-43: room air and equipment
    Percent("Edit54", "RoomRelativeHumidity", "относительная влажность в камере, %", &S::roomRelativeHumidity),
    Decimal("Edit55", "EquipmentRunningHours", "время работы оборудования, ч/сут", &S::equipmentRunningHours, kFieldMinimum),
    Decimal("Edit56", "CapacityReserve", "резерв холодопроизводительности, %", &S::capacityReserve),
    // 44-48: copies of the outside/inside texts on the solar tab
    Text("Edit57", "OutsideFacingTextA", "наружная или внутренняя стена А (вкладка Q12)"),
    Text("Edit58", "OutsideFacingTextB", "наружная или внутренняя стена Б (вкладка Q12)"),
    Text("Edit59", "OutsideFacingTextC", "наружная или внутренняя стена В (вкладка Q12)"),
    Text("Edit60", "OutsideFacingTextD", "наружная или внутренняя стена Г (вкладка Q12)"),
    Text("Edit61", "OutsideFacingTextCeiling", "наружный или внутренний потолок (вкладка Q12)"),
    // 49-56: goods
    Decimal("Edit74", "StackHeight", "высота штабелирования груза, м", &S::stackHeight),
    Decimal("Edit75", "StackDensity", "плотность груза в штабеле, кг/куб.м", &S::stackDensity),
    Integer("Edit76", "PackagingShare", "массовая доля тары, %", &S::packagingShare),
    Decimal("Edit79", "DailyTurnoverPercent", "суточный грузооборот камеры, %", &S::dailyTurnoverPercent),
    Text("Edit80", "ProductMoisture", "влагосодержание продукта, %"),
    // Shown only: the load takes the value from the product table (line 103).
    Text("Edit81", "CryoscopicTemperature", "криоскопическая температура продукта, °C"),
    Decimal("Edit82", "ProductInletTemperature", "температура поступающего груза, °C", &S::productInletTemperature, kTemperature),
    Decimal("Edit83", "ProductFinalTemperature", "конечная температура груза, °C", &S::productFinalTemperature, kTemperature),
    // 57-80: operational loads, consumers and the header of the report
    Decimal("Edit91", "DoorHeight", "высота двери, м", &S::doorHeight),
    Decimal("Edit92", "DoorWidth", "ширина двери, м", &S::doorWidth),
    Decimal("Edit93", "LoadUnitMass", "масса грузового места, кг", &S::loadUnitMass, kFieldMinimum),
    Decimal("Edit95", "LightingPowerDensity", "удельная мощность освещения, Вт/кв.м", &S::lightingPowerDensity),
    Decimal("Edit96", "LightingHours", "время работы освещения, ч/сут", &S::lightingHours),
    Integer("Edit97", "StaffCount", "количество людей, работающих в камере", &S::staffCount),
    Decimal("Edit101", "VehiclePower", "мощность ПТС, кВт", &S::vehiclePower),
    Decimal("Edit102", "VehicleHours", "время работы ПТС, ч/сут", &S::vehicleHours),
    Integer("Edit103", "FanSharePercent", "доля вентиляторов, % от Q полн", &S::fanSharePercent),
    Text("Edit107", "Consumer1Name", "название электропотребителя № 1", &S::consumer1Name),
    Decimal("Edit108", "Consumer1Power", "мощность электропотребителя № 1, кВт", &S::consumer1Power),
    Decimal("Edit109", "Consumer1Hours", "время работы электропотребителя № 1, ч/сут", &S::consumer1Hours),
    Text("Edit110", "Consumer2Name", "название электропотребителя № 2", &S::consumer2Name),
    Decimal("Edit111", "Consumer2Power", "мощность электропотребителя № 2, кВт", &S::consumer2Power),
    Decimal("Edit112", "Consumer2Hours", "время работы электропотребителя № 2, ч/сут", &S::consumer2Hours),
    Decimal("Edit114", "FanPower", "мощность вентилятора, кВт", &S::fanPower),
    Decimal("Edit124", "DailyTurnover", "суточный грузооборот камеры, т/сут", &S::dailyTurnover),
    Text("Edit125", "ClientName", "клиент", &S::clientName),
    Text("Edit126", "ContractorName", "исполнитель", &S::contractorName),
    Text("Edit127", "SiteName", "объект", &S::siteName),
    Text("Edit128", "ProjectDate", "дата", &S::projectDate),
    Text("Edit129", "ProjectName", "проект", &S::projectName),
    Integer("Edit130", "FanCount", "количество вентиляторов", &S::fanCount),
    Decimal("Edit131", "DoorOpenTime", "время открытия двери, ч/сут", &S::doorOpenTime),
    // 81-82: label captions
    Text("Label46", "EquipmentRunningHoursCaption", "подпись поля времени работы оборудования"),
    Text("Label106", "FanSharePercentCaption", "подпись поля доли вентиляторов"),
    // 83-107: selected list entries
    List("ComboBox1", "StructureMaterialA", "материал конструкции стены А", InRow(WallA, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List("ComboBox2", "StructureMaterialB", "материал конструкции стены Б", InRow(WallB, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List("ComboBox3", "StructureMaterialC", "материал конструкции стены В", InRow(WallC, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List("ComboBox4", "StructureMaterialD", "материал конструкции стены Г", InRow(WallD, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List("ComboBox5", "InsulationMaterialA", "материал изоляции стены А", InRow(WallA, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List("ComboBox6", "InsulationMaterialB", "материал изоляции стены Б", InRow(WallB, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List("ComboBox7", "InsulationMaterialC", "материал изоляции стены В", InRow(WallC, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List("ComboBox8", "InsulationMaterialD", "материал изоляции стены Г", InRow(WallD, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List("ComboBox9", "StructureMaterialCeiling", "материал конструкции потолка", InRow(Ceiling, &R::structureMaterial), Size(refdata::kCeilingStructureMaterials)),
    List("ComboBox10", "InsulationMaterialCeiling", "материал изоляции потолка", InRow(Ceiling, &R::insulationMaterial), Size(refdata::kCeilingInsulationMaterials)),
    List("ComboBox11", "StructureMaterialFloor", "материал конструкции пола", InRow(Floor, &R::structureMaterial), Size(refdata::kFloorStructureMaterials)),
    List("ComboBox12", "InsulationMaterialFloor", "материал изоляции пола", InRow(Floor, &R::insulationMaterial), Size(refdata::kFloorInsulationMaterials)),
    List("ComboBox13", "City", "город", &S::city, Size(refdata::kCities)),
    List("ComboBox14", "SurfaceFinishA", "покрытие стены А", InRow(WallA, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List("ComboBox15", "SurfaceFinishB", "покрытие стены Б", InRow(WallB, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List("ComboBox16", "SurfaceFinishC", "покрытие стены В", InRow(WallC, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List("ComboBox17", "SurfaceFinishD", "покрытие стены Г", InRow(WallD, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List("ComboBox18", "SurfaceFinishCeiling", "покрытие потолка", InRow(Ceiling, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List("ComboBox19", "FloorType", "тип пола", &S::floorType, Size(refdata::kFloorTypes)),
    List("ComboBox20", "RoomType", "тип камеры", &S::roomType, Size(refdata::kRoomTypes)),
    List("ComboBox21", "Product", "продукт", &S::product, Size(refdata::kProducts)),
    List("ComboBox22", "PackagingMaterial", "материал тары", &S::packagingMaterial, Size(refdata::kPackagingMaterials)),
    List("ComboBox23", "DoorProtection", "защитное устройство двери", &S::doorProtection, Size(refdata::kDoorProtections)),
    List("ComboBox24", "DoorType", "тип двери", &S::doorType, Size(refdata::kDoorTypes)),
    List("ComboBox25", "ProductGroup", "группа продуктов", &S::productGroup, Size(refdata::kProductGroups)),
    // 108-118: surface flags and the plan orientation, as held
    State("SunlitA", "признак освещенности стены А", InRow(WallA, &R::sunlit), ValueRule::SurfaceFlag),
    State("SunlitB", "признак освещенности стены Б", InRow(WallB, &R::sunlit), ValueRule::SurfaceFlag),
    State("SunlitC", "признак освещенности стены В", InRow(WallC, &R::sunlit), ValueRule::SurfaceFlag),
    State("SunlitD", "признак освещенности стены Г", InRow(WallD, &R::sunlit), ValueRule::SurfaceFlag),
    State("SunlitCeiling", "признак освещенности потолка", InRow(Ceiling, &R::sunlit), ValueRule::SurfaceFlag),
    State("OutsideFacingA", "признак наружной стены А", InRow(WallA, &R::outsideFacing), ValueRule::SurfaceFlag),
    State("OutsideFacingB", "признак наружной стены Б", InRow(WallB, &R::outsideFacing), ValueRule::SurfaceFlag),
    State("OutsideFacingC", "признак наружной стены В", InRow(WallC, &R::outsideFacing), ValueRule::SurfaceFlag),
    State("OutsideFacingD", "признак наружной стены Г", InRow(WallD, &R::outsideFacing), ValueRule::SurfaceFlag),
    State("OutsideFacingCeiling", "признак наружного потолка", InRow(Ceiling, &R::outsideFacing), ValueRule::SurfaceFlag),
    State("PlanOrientation", "ориентация плана камеры, град.", &S::planOrientation, ValueRule::Orientation),
    // 119-131: check boxes, then display states the room-type and product choices set
    Flag("CheckBox1", "DoorTimeMode", FlagCondition::Checked, "флажок «расчет по времени»", &S::doorTimeMode),
    Flag("CheckBox2", "HighTurnover", FlagCondition::Checked, "флажок «Повышенная»", &S::highTurnover),
    Flag("CheckBox3", "FanDetailedCalculation", FlagCondition::Checked, "флажок «Уточняющий расчет»", &S::fanDetailedCalculation),
    Flag("CheckBox2", "HighTurnover", FlagCondition::Enabled, "доступность флажка «Повышенная»"),
    Flag("Label63", "DailyTurnoverPercent", FlagCondition::Visible, "видимость подписи «Суточный грузооборот камеры, %»"),
    Flag("Label105", "FanSharePercent", FlagCondition::Visible, "видимость подписи «Ориентировочно»"),
    Flag("Label111", "FanPower", FlagCondition::Visible, "видимость подписи «Мощность»"),
    Flag("Label117", "FanPower", FlagCondition::Visible, "видимость подписи «вентилятора, кВт»"),
    Flag("Edit79", "DailyTurnoverPercent", FlagCondition::Visible, "видимость поля суточного грузооборота, %"),
    Flag("Edit114", "FanPower", FlagCondition::Visible, "видимость поля мощности вентилятора"),
    Flag("Edit124", "DailyTurnover", FlagCondition::Visible, "видимость поля суточного грузооборота, т/сут"),
    Flag("ComboBox21", "Product", FlagCondition::Red, "красный цвет списка продуктов"),
    Flag("ComboBox22", "PackagingMaterial", FlagCondition::Red, "красный цвет списка материалов тары"),
}};

} // namespace detail

namespace {

constexpr std::array<LineSpec, kLineCount> SpecsOf(const std::array<detail::LineEntry, kLineCount>& entries)
{
    std::array<LineSpec, kLineCount> lineSpecs{};
    for (std::size_t i = 0; i < entries.size(); ++i)
        lineSpecs[i] = entries[i].lineSpec;
    return lineSpecs;
}

} // namespace

constinit const std::array<LineSpec, kLineCount> kLines = SpecsOf(detail::kLineEntries);

} // namespace zeltar::project
