// The 131 lines of a project file, in file order: kind, window control (its name, parameter and
// line number from the control catalogue), flag condition, meaning, the member of the project record
// the value goes to, and the rule a sound value meets.
#include "projectfile/line_table.h"

#include "fields/control_catalogue.h"
#include "refdata/cities.h"
#include "refdata/materials.h"
#include "refdata/products.h"
#include "refdata/room_types.h"

namespace zeltar::projectfile {

namespace detail {

namespace {

using S = ProjectState;
using R = EnclosureRow;
using enum Control;

constexpr int Size(const auto& list) { return static_cast<int>(list.size()); }

constexpr StateSlot InRow(int row, double R::*member) { return RowMember<double>{row, member}; }
constexpr StateSlot InRow(int row, int R::*member) { return RowMember<int>{row, member}; }

// A line holding a control's value or text: the control and the parameter as the catalogue names them.
constexpr LineSpec ControlLine(LineKind kind, Control control, std::string_view meaning,
                               FlagCondition condition = FlagCondition::None)
{
    return {kind, control, Facts(control).parameter, condition, meaning};
}

constexpr LineEntry Decimal(Control control, std::string_view meaning, StateSlot slot, ValueRule rule = ValueRule::None)
{
    return {ControlLine(LineKind::Decimal, control, meaning), slot, rule};
}
constexpr LineEntry Percent(Control control, std::string_view meaning, StateSlot slot)
{
    return {ControlLine(LineKind::Percent, control, meaning), slot, ValueRule::Humidity};
}
constexpr LineEntry Integer(Control control, std::string_view meaning, StateSlot slot)
{
    return {ControlLine(LineKind::Integer, control, meaning), slot};
}
constexpr LineEntry Text(Control control, std::string_view meaning, StateSlot slot = {})
{
    return {ControlLine(LineKind::Text, control, meaning), slot};
}
constexpr LineEntry List(Control control, std::string_view meaning, StateSlot slot, int listSize)
{
    return {ControlLine(LineKind::ListIndex, control, meaning), slot, ValueRule::ListIndex, listSize};
}
constexpr LineEntry State(std::string_view parameter, std::string_view meaning, StateSlot slot, ValueRule rule)
{
    return {{LineKind::StateValue, std::nullopt, parameter, FlagCondition::None, meaning}, slot, rule};
}
// A flag of the control's own state (checked, enabled, visible, red).
constexpr LineEntry Flag(Control control, FlagCondition condition, std::string_view meaning, StateSlot slot = {})
{
    return {ControlLine(LineKind::Flag, control, meaning, condition), slot};
}
// A caption's visibility, named after the parameter of the field it captions.
constexpr LineEntry FlagAbout(Control caption, Control field, FlagCondition condition, std::string_view meaning)
{
    return {{LineKind::Flag, caption, Facts(field).parameter, condition, meaning}, {}};
}

constexpr auto kThickness = ValueRule::LayerThickness;
constexpr auto kTemperature = ValueRule::Temperature;
constexpr auto kFieldMinimum = ValueRule::FieldMinimum;

} // namespace

constexpr std::array<LineEntry, kLineCount> kLineEntries{{
    // 1-8: layers of walls A-D, mm
    Decimal(StructureThicknessA, "толщина конструкции стены А, мм", InRow(WallA, &R::structureThickness), kThickness),
    Decimal(StructureThicknessB, "толщина конструкции стены Б, мм", InRow(WallB, &R::structureThickness), kThickness),
    Decimal(StructureThicknessC, "толщина конструкции стены В, мм", InRow(WallC, &R::structureThickness), kThickness),
    Decimal(StructureThicknessD, "толщина конструкции стены Г, мм", InRow(WallD, &R::structureThickness), kThickness),
    Decimal(InsulationThicknessA, "толщина изоляции стены А, мм", InRow(WallA, &R::insulationThickness), kThickness),
    Decimal(InsulationThicknessB, "толщина изоляции стены Б, мм", InRow(WallB, &R::insulationThickness), kThickness),
    Decimal(InsulationThicknessC, "толщина изоляции стены В, мм", InRow(WallC, &R::insulationThickness), kThickness),
    Decimal(InsulationThicknessD, "толщина изоляции стены Г, мм", InRow(WallD, &R::insulationThickness), kThickness),
    // 9-12: air beyond walls A-D, °C
    Decimal(OutsideTemperatureA, "температура снаружи стены А, °C", InRow(WallA, &R::outsideTemperature), kTemperature),
    Decimal(OutsideTemperatureB, "температура снаружи стены Б, °C", InRow(WallB, &R::outsideTemperature), kTemperature),
    Decimal(OutsideTemperatureC, "температура снаружи стены В, °C", InRow(WallC, &R::outsideTemperature), kTemperature),
    Decimal(OutsideTemperatureD, "температура снаружи стены Г, °C", InRow(WallD, &R::outsideTemperature), kTemperature),
    // 13-18: ceiling and floor
    Decimal(StructureThicknessCeiling, "толщина конструкции потолка, мм", InRow(Ceiling, &R::structureThickness), kThickness),
    Decimal(InsulationThicknessCeiling, "толщина изоляции потолка, мм", InRow(Ceiling, &R::insulationThickness), kThickness),
    Decimal(OutsideTemperatureCeiling, "температура над потолком, °C", InRow(Ceiling, &R::outsideTemperature), kTemperature),
    Decimal(StructureThicknessFloor, "толщина конструкции пола, мм", InRow(Floor, &R::structureThickness), kThickness),
    Decimal(InsulationThicknessFloor, "толщина изоляции пола, мм", InRow(Floor, &R::insulationThickness), kThickness),
    Decimal(OutsideTemperatureFloor, "температура под полом, °C", InRow(Floor, &R::outsideTemperature), kTemperature),
    // 19-24: site and room
    Decimal(Latitude, "географическая широта, °", &S::latitude),
    Decimal(OutsideDesignTemperature, "расчетная температура наружного воздуха, °C", &S::outsideDesignTemperature, kTemperature),
    Percent(OutsideRelativeHumidity, "относительная влажность наружного воздуха, %", &S::outsideRelativeHumidity),
    Decimal(RoomLength, "длина камеры, м", &S::roomLength),
    Decimal(RoomWidth, "ширина камеры, м", &S::roomWidth),
    Decimal(RoomHeight, "высота камеры, м", &S::roomHeight),
    // 25-28: wall directions; the load takes them from the plan orientation (line 118)
    Text(WallDirectionA, "ориентация стены А"),
    Text(WallDirectionB, "ориентация стены Б"),
    Text(WallDirectionC, "ориентация стены В"),
    Text(WallDirectionD, "ориентация стены Г"),
    Decimal(AirExchangeRate, "кратность воздухообмена, 1/сут", &S::airExchangeRate),
    Decimal(RoomTemperature, "температура в камере, °C", &S::roomTemperature, kTemperature),
    // 31-40: tile texts; the tiles redraw them from the flags of lines 108-117
    Text(SunlitTextA, "освещенность стены А"),
    Text(SunlitTextB, "освещенность стены Б"),
    Text(SunlitTextC, "освещенность стены В"),
    Text(SunlitTextD, "освещенность стены Г"),
    Text(SunlitTextCeiling, "освещенность потолка"),
    Text(OutsideFacingTextA, "наружная или внутренняя стена А"),
    Text(OutsideFacingTextB, "наружная или внутренняя стена Б"),
    Text(OutsideFacingTextC, "наружная или внутренняя стена В"),
    Text(OutsideFacingTextD, "наружная или внутренняя стена Г"),
    Text(OutsideFacingTextCeiling, "наружный или внутренний потолок"),
    // 41-43: room air and equipment
    Percent(RoomRelativeHumidity, "относительная влажность в камере, %", &S::roomRelativeHumidity),
    Decimal(EquipmentRunningHours, "время работы оборудования, ч/сут", &S::equipmentRunningHours, kFieldMinimum),
    Decimal(CapacityReserve, "резерв холодопроизводительности, %", &S::capacityReserve),
    // 44-48: copies of the outside/inside texts on the solar tab
    Text(OutsideFacingCopyA, "наружная или внутренняя стена А (вкладка Q12)"),
    Text(OutsideFacingCopyB, "наружная или внутренняя стена Б (вкладка Q12)"),
    Text(OutsideFacingCopyC, "наружная или внутренняя стена В (вкладка Q12)"),
    Text(OutsideFacingCopyD, "наружная или внутренняя стена Г (вкладка Q12)"),
    Text(OutsideFacingCopyCeiling, "наружный или внутренний потолок (вкладка Q12)"),
    // 49-56: goods
    Decimal(StackHeight, "высота штабелирования груза, м", &S::stackHeight),
    Decimal(StackDensity, "плотность груза в штабеле, кг/м³", &S::stackDensity),
    Integer(PackagingShare, "массовая доля тары, %", &S::packagingShare),
    Decimal(DailyTurnoverPercent, "суточный грузооборот камеры, %", &S::dailyTurnoverPercent),
    Text(ProductMoisture, "влагосодержание продукта, %"),
    // Shown only: the load takes the value from the product table (line 103).
    Text(CryoscopicTemperature, "криоскопическая температура продукта, °C"),
    Decimal(ProductInletTemperature, "температура поступающего груза, °C", &S::productInletTemperature, kTemperature),
    Decimal(ProductFinalTemperature, "конечная температура груза, °C", &S::productFinalTemperature, kTemperature),
    // 57-80: operational loads, consumers and the header of the report
    Decimal(DoorHeight, "высота двери, м", &S::doorHeight),
    Decimal(DoorWidth, "ширина двери, м", &S::doorWidth),
    Decimal(LoadUnitMass, "масса грузового места, кг", &S::loadUnitMass, kFieldMinimum),
    Decimal(LightingPowerDensity, "удельная мощность освещения, Вт/м²", &S::lightingPowerDensity),
    Decimal(LightingHours, "время работы освещения, ч/сут", &S::lightingHours),
    Integer(StaffCount, "количество людей, работающих в камере", &S::staffCount),
    Decimal(VehiclePower, "мощность ПТС, кВт", &S::vehiclePower),
    Decimal(VehicleHours, "время работы ПТС, ч/сут", &S::vehicleHours),
    Integer(FanSharePercent, "доля вентиляторов, % от Q полн", &S::fanSharePercent),
    Text(Consumer1Name, "название электропотребителя № 1", &S::consumer1Name),
    Decimal(Consumer1Power, "мощность электропотребителя № 1, кВт", &S::consumer1Power),
    Decimal(Consumer1Hours, "время работы электропотребителя № 1, ч/сут", &S::consumer1Hours),
    Text(Consumer2Name, "название электропотребителя № 2", &S::consumer2Name),
    Decimal(Consumer2Power, "мощность электропотребителя № 2, кВт", &S::consumer2Power),
    Decimal(Consumer2Hours, "время работы электропотребителя № 2, ч/сут", &S::consumer2Hours),
    Decimal(FanPower, "мощность вентилятора, кВт", &S::fanPower),
    Decimal(DailyTurnover, "суточный грузооборот камеры, т/сут", &S::dailyTurnover),
    Text(ClientName, "клиент", &S::clientName),
    Text(ContractorName, "исполнитель", &S::contractorName),
    Text(SiteName, "объект", &S::siteName),
    Text(ProjectDate, "дата", &S::projectDate),
    Text(ProjectName, "проект", &S::projectName),
    Integer(FanCount, "количество вентиляторов", &S::fanCount),
    Decimal(DoorOpenTime, "время открытия двери, ч/сут", &S::doorOpenTime),
    // 81-82: label captions
    Text(RunningHoursCaption, "подпись поля времени работы оборудования"),
    Text(FanShareCaption, "подпись поля доли вентиляторов"),
    // 83-107: selected list entries
    List(StructureMaterialA, "материал конструкции стены А", InRow(WallA, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List(StructureMaterialB, "материал конструкции стены Б", InRow(WallB, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List(StructureMaterialC, "материал конструкции стены В", InRow(WallC, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List(StructureMaterialD, "материал конструкции стены Г", InRow(WallD, &R::structureMaterial), Size(refdata::kWallStructureMaterials)),
    List(InsulationMaterialA, "материал изоляции стены А", InRow(WallA, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List(InsulationMaterialB, "материал изоляции стены Б", InRow(WallB, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List(InsulationMaterialC, "материал изоляции стены В", InRow(WallC, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List(InsulationMaterialD, "материал изоляции стены Г", InRow(WallD, &R::insulationMaterial), Size(refdata::kWallInsulationMaterials)),
    List(StructureMaterialCeiling, "материал конструкции потолка", InRow(Ceiling, &R::structureMaterial), Size(refdata::kCeilingStructureMaterials)),
    List(InsulationMaterialCeiling, "материал изоляции потолка", InRow(Ceiling, &R::insulationMaterial), Size(refdata::kCeilingInsulationMaterials)),
    List(StructureMaterialFloor, "материал конструкции пола", InRow(Floor, &R::structureMaterial), Size(refdata::kFloorStructureMaterials)),
    List(InsulationMaterialFloor, "материал изоляции пола", InRow(Floor, &R::insulationMaterial), Size(refdata::kFloorInsulationMaterials)),
    List(City, "город", &S::city, Size(refdata::kCities)),
    List(SurfaceFinishA, "покрытие стены А", InRow(WallA, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishB, "покрытие стены Б", InRow(WallB, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishC, "покрытие стены В", InRow(WallC, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishD, "покрытие стены Г", InRow(WallD, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishCeiling, "покрытие потолка", InRow(Ceiling, &R::surfaceFinish), Size(refdata::kSurfaceFinishes)),
    List(FloorType, "тип пола", &S::floorType, Size(refdata::kFloorTypes)),
    List(RoomType, "тип камеры", &S::roomType, Size(refdata::kRoomTypes)),
    List(Product, "продукт", &S::product, Size(refdata::kProducts)),
    List(PackagingMaterial, "материал тары", &S::packagingMaterial, Size(refdata::kPackagingMaterials)),
    List(DoorProtection, "защитное устройство двери", &S::doorProtection, Size(refdata::kDoorProtections)),
    List(DoorType, "тип двери", &S::doorType, Size(refdata::kDoorTypes)),
    List(ProductGroup, "группа продуктов", &S::productGroup, Size(refdata::kProductGroups)),
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
    State("PlanOrientation", "ориентация плана камеры, °", &S::planOrientation, ValueRule::Orientation),
    // 119-131: check boxes, then display states the room-type and product choices set
    Flag(DoorTimeMode, FlagCondition::Checked, "флажок «расчет по времени»", &S::doorTimeMode),
    Flag(HighTurnover, FlagCondition::Checked, "флажок «Повышенная»", &S::highTurnover),
    Flag(FanDetailedCalculation, FlagCondition::Checked, "флажок «Уточняющий расчет»", &S::fanDetailedCalculation),
    Flag(HighTurnover, FlagCondition::Enabled, "доступность флажка «Повышенная»"),
    FlagAbout(DailyTurnoverPercentLabel, DailyTurnoverPercent, FlagCondition::Visible, "видимость подписи «Суточный грузооборот камеры, %»"),
    FlagAbout(FanShareEstimateLabel, FanSharePercent, FlagCondition::Visible, "видимость подписи «Ориентировочно»"),
    FlagAbout(FanPowerLabel, FanPower, FlagCondition::Visible, "видимость подписи «Мощность»"),
    FlagAbout(FanPowerUnitLabel, FanPower, FlagCondition::Visible, "видимость подписи «вентилятора, кВт»"),
    Flag(DailyTurnoverPercent, FlagCondition::Visible, "видимость поля суточного грузооборота, %"),
    Flag(FanPower, FlagCondition::Visible, "видимость поля мощности вентилятора"),
    Flag(DailyTurnover, FlagCondition::Visible, "видимость поля суточного грузооборота, т/сут"),
    Flag(Product, FlagCondition::Red, "красный цвет списка продуктов"),
    Flag(PackagingMaterial, FlagCondition::Red, "красный цвет списка материалов тары"),
}};

namespace {

// Each line that holds a control's value (not a flag of its state) sits where the catalogue says.
constexpr bool AtCatalogueLines()
{
    for (std::size_t i = 0; i < kLineEntries.size(); ++i) {
        const LineSpec& line = kLineEntries[i].lineSpec;
        const bool holdsValue = line.kind != LineKind::StateValue &&
                                (line.kind != LineKind::Flag || line.condition == FlagCondition::Checked);
        if (holdsValue && Facts(*line.control).fileLine != static_cast<int>(i) + 1)
            return false;
    }
    for (const ControlFacts& facts : AllControls())
        if (facts.fileLine != 0 && kLineEntries[static_cast<std::size_t>(facts.fileLine - 1)].lineSpec.control != facts.control)
            return false;
    return true;
}
static_assert(AtCatalogueLines(), "the file lines of the controls as the control catalogue numbers them");

} // namespace

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

} // namespace zeltar::projectfile
