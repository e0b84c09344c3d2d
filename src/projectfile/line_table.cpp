// The 131 lines of a project file, in file order: kind, window control (its name, parameter and
// line number from the control catalogue), flag condition, meaning, the rule a sound value meets;
// the member of the project record a stored value goes to is the one its control stands for.
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
using enum Control;

constexpr int Size(const auto& list)
{
    return static_cast<int>(list.size());
}

// A line holding a control's value or text: the control and the parameter as the catalogue names them.
constexpr LineSpec ControlLine(LineKind kind, Control control, std::string_view meaning,
                               FlagCondition condition = FlagCondition::None)
{
    return {kind, control, Facts(control).parameter, condition, meaning};
}

// Lines whose value goes to the member of the record the control stands for (record_fields.h).
constexpr LineEntry Decimal(Control control, std::string_view meaning, ValueRule rule = ValueRule::None)
{
    return {ControlLine(LineKind::Decimal, control, meaning), StoredSlotOf(control), rule};
}
constexpr LineEntry Percent(Control control, std::string_view meaning)
{
    return {ControlLine(LineKind::Percent, control, meaning), StoredSlotOf(control), ValueRule::Humidity};
}
constexpr LineEntry Integer(Control control, std::string_view meaning)
{
    return {ControlLine(LineKind::Integer, control, meaning), StoredSlotOf(control)};
}
constexpr LineEntry StoredText(Control control, std::string_view meaning)
{
    return {ControlLine(LineKind::Text, control, meaning), StoredSlotOf(control)};
}
constexpr LineEntry List(Control control, std::string_view meaning, int listSize)
{
    return {ControlLine(LineKind::ListIndex, control, meaning), StoredSlotOf(control), ValueRule::ListIndex, listSize};
}
// A check box's state.
constexpr LineEntry Checked(Control control, std::string_view meaning)
{
    return {ControlLine(LineKind::Flag, control, meaning, FlagCondition::Checked), StoredSlotOf(control)};
}
// A value of the record as held, named after the parameter of the control that shows it.
constexpr LineEntry State(Control shownBy, std::string_view meaning, ValueRule rule)
{
    return {{LineKind::StateValue, std::nullopt, Facts(shownBy).parameter, FlagCondition::None, meaning},
            StoredSlotOf(shownBy),
            rule};
}
constexpr LineEntry State(std::string_view parameter, std::string_view meaning, StateSlot slot, ValueRule rule)
{
    return {{LineKind::StateValue, std::nullopt, parameter, FlagCondition::None, meaning}, slot, rule};
}

// Lines the load does not store: a shown text or caption, a display state of a control.
constexpr LineEntry Text(Control control, std::string_view meaning)
{
    return {ControlLine(LineKind::Text, control, meaning), {}};
}
// A flag of the control's display state (enabled, visible, red).
constexpr LineEntry Flag(Control control, FlagCondition condition, std::string_view meaning)
{
    return {ControlLine(LineKind::Flag, control, meaning, condition), {}};
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
    Decimal(StructureThicknessA, "толщина конструкции стены А, мм", kThickness),
    Decimal(StructureThicknessB, "толщина конструкции стены Б, мм", kThickness),
    Decimal(StructureThicknessC, "толщина конструкции стены В, мм", kThickness),
    Decimal(StructureThicknessD, "толщина конструкции стены Г, мм", kThickness),
    Decimal(InsulationThicknessA, "толщина изоляции стены А, мм", kThickness),
    Decimal(InsulationThicknessB, "толщина изоляции стены Б, мм", kThickness),
    Decimal(InsulationThicknessC, "толщина изоляции стены В, мм", kThickness),
    Decimal(InsulationThicknessD, "толщина изоляции стены Г, мм", kThickness),
    // 9-12: air beyond walls A-D, °C
    Decimal(OutsideTemperatureA, "температура снаружи стены А, °C", kTemperature),
    Decimal(OutsideTemperatureB, "температура снаружи стены Б, °C", kTemperature),
    Decimal(OutsideTemperatureC, "температура снаружи стены В, °C", kTemperature),
    Decimal(OutsideTemperatureD, "температура снаружи стены Г, °C", kTemperature),
    // 13-18: ceiling and floor
    Decimal(StructureThicknessCeiling, "толщина конструкции потолка, мм", kThickness),
    Decimal(InsulationThicknessCeiling, "толщина изоляции потолка, мм", kThickness),
    Decimal(OutsideTemperatureCeiling, "температура над потолком, °C", kTemperature),
    Decimal(StructureThicknessFloor, "толщина конструкции пола, мм", kThickness),
    Decimal(InsulationThicknessFloor, "толщина изоляции пола, мм", kThickness),
    Decimal(OutsideTemperatureFloor, "температура под полом, °C", kTemperature),
    // 19-24: site and room
    Decimal(Latitude, "географическая широта, °"),
    Decimal(OutsideDesignTemperature, "расчетная температура наружного воздуха, °C", kTemperature),
    Percent(OutsideRelativeHumidity, "относительная влажность наружного воздуха, %"),
    Decimal(RoomLength, "длина камеры, м"),
    Decimal(RoomWidth, "ширина камеры, м"),
    Decimal(RoomHeight, "высота камеры, м"),
    // 25-28: wall directions; the load takes them from the plan orientation (line 118)
    Text(WallDirectionA, "ориентация стены А"),
    Text(WallDirectionB, "ориентация стены Б"),
    Text(WallDirectionC, "ориентация стены В"),
    Text(WallDirectionD, "ориентация стены Г"),
    Decimal(AirExchangeRate, "кратность воздухообмена, 1/сут"),
    Decimal(RoomTemperature, "температура в камере, °C", kTemperature),
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
    Percent(RoomRelativeHumidity, "относительная влажность в камере, %"),
    Decimal(EquipmentRunningHours, "время работы оборудования, ч/сут", kFieldMinimum),
    Decimal(CapacityReserve, "резерв холодопроизводительности, %"),
    // 44-48: copies of the outside/inside texts on the solar tab
    Text(OutsideFacingCopyA, "наружная или внутренняя стена А (вкладка Q12)"),
    Text(OutsideFacingCopyB, "наружная или внутренняя стена Б (вкладка Q12)"),
    Text(OutsideFacingCopyC, "наружная или внутренняя стена В (вкладка Q12)"),
    Text(OutsideFacingCopyD, "наружная или внутренняя стена Г (вкладка Q12)"),
    Text(OutsideFacingCopyCeiling, "наружный или внутренний потолок (вкладка Q12)"),
    // 49-56: goods
    Decimal(StackHeight, "высота штабелирования груза, м"),
    Decimal(StackDensity, "плотность груза в штабеле, кг/м³"),
    Integer(PackagingShare, "массовая доля тары, %"),
    Decimal(DailyTurnoverPercent, "суточный грузооборот камеры, %"),
    Text(ProductMoisture, "влагосодержание продукта, %"),
    // Shown only: the load takes the value from the product table (line 103).
    Text(CryoscopicTemperature, "криоскопическая температура продукта, °C"),
    Decimal(ProductInletTemperature, "температура поступающего груза, °C", kTemperature),
    Decimal(ProductFinalTemperature, "конечная температура груза, °C", kTemperature),
    // 57-80: operational loads, consumers and the header of the report
    Decimal(DoorHeight, "высота двери, м"),
    Decimal(DoorWidth, "ширина двери, м"),
    Decimal(LoadUnitMass, "масса грузового места, кг", kFieldMinimum),
    Decimal(LightingPowerDensity, "удельная мощность освещения, Вт/м²"),
    Decimal(LightingHours, "время работы освещения, ч/сут"),
    Integer(StaffCount, "количество людей, работающих в камере"),
    Decimal(VehiclePower, "мощность ПТС, кВт"),
    Decimal(VehicleHours, "время работы ПТС, ч/сут"),
    Integer(FanSharePercent, "доля вентиляторов, % от Q полн"),
    StoredText(Consumer1Name, "название электропотребителя № 1"),
    Decimal(Consumer1Power, "мощность электропотребителя № 1, кВт"),
    Decimal(Consumer1Hours, "время работы электропотребителя № 1, ч/сут"),
    StoredText(Consumer2Name, "название электропотребителя № 2"),
    Decimal(Consumer2Power, "мощность электропотребителя № 2, кВт"),
    Decimal(Consumer2Hours, "время работы электропотребителя № 2, ч/сут"),
    Decimal(FanPower, "мощность вентилятора, кВт"),
    Decimal(DailyTurnover, "суточный грузооборот камеры, т/сут"),
    StoredText(ClientName, "клиент"),
    StoredText(ContractorName, "исполнитель"),
    StoredText(SiteName, "объект"),
    StoredText(ProjectDate, "дата"),
    StoredText(ProjectName, "проект"),
    Integer(FanCount, "количество вентиляторов"),
    Decimal(DoorOpenTime, "время открытия двери, ч/сут"),
    // 81-82: label captions
    Text(RunningHoursCaption, "подпись поля времени работы оборудования"),
    Text(FanShareCaption, "подпись поля доли вентиляторов"),
    // 83-107: selected list entries
    List(StructureMaterialA, "материал конструкции стены А", Size(refdata::kWallStructureMaterials)),
    List(StructureMaterialB, "материал конструкции стены Б", Size(refdata::kWallStructureMaterials)),
    List(StructureMaterialC, "материал конструкции стены В", Size(refdata::kWallStructureMaterials)),
    List(StructureMaterialD, "материал конструкции стены Г", Size(refdata::kWallStructureMaterials)),
    List(InsulationMaterialA, "материал изоляции стены А", Size(refdata::kWallInsulationMaterials)),
    List(InsulationMaterialB, "материал изоляции стены Б", Size(refdata::kWallInsulationMaterials)),
    List(InsulationMaterialC, "материал изоляции стены В", Size(refdata::kWallInsulationMaterials)),
    List(InsulationMaterialD, "материал изоляции стены Г", Size(refdata::kWallInsulationMaterials)),
    List(StructureMaterialCeiling, "материал конструкции потолка", Size(refdata::kCeilingStructureMaterials)),
    List(InsulationMaterialCeiling, "материал изоляции потолка", Size(refdata::kCeilingInsulationMaterials)),
    List(StructureMaterialFloor, "материал конструкции пола", Size(refdata::kFloorStructureMaterials)),
    List(InsulationMaterialFloor, "материал изоляции пола", Size(refdata::kFloorInsulationMaterials)),
    List(City, "город", Size(refdata::kCities)),
    List(SurfaceFinishA, "покрытие стены А", Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishB, "покрытие стены Б", Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishC, "покрытие стены В", Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishD, "покрытие стены Г", Size(refdata::kSurfaceFinishes)),
    List(SurfaceFinishCeiling, "покрытие потолка", Size(refdata::kSurfaceFinishes)),
    List(FloorType, "тип пола", Size(refdata::kFloorTypes)),
    List(RoomType, "тип камеры", Size(refdata::kRoomTypes)),
    List(Product, "продукт", Size(refdata::kProducts)),
    List(PackagingMaterial, "материал тары", Size(refdata::kPackagingMaterials)),
    List(DoorProtection, "защитное устройство двери", Size(refdata::kDoorProtections)),
    List(DoorType, "тип двери", Size(refdata::kDoorTypes)),
    List(ProductGroup, "группа продуктов", Size(refdata::kProductGroups)),
    // 108-118: surface flags and the plan orientation, as held
    State(SunlitTextA, "признак освещенности стены А", ValueRule::SurfaceFlag),
    State(SunlitTextB, "признак освещенности стены Б", ValueRule::SurfaceFlag),
    State(SunlitTextC, "признак освещенности стены В", ValueRule::SurfaceFlag),
    State(SunlitTextD, "признак освещенности стены Г", ValueRule::SurfaceFlag),
    State(SunlitTextCeiling, "признак освещенности потолка", ValueRule::SurfaceFlag),
    State(OutsideFacingTextA, "признак наружной стены А", ValueRule::SurfaceFlag),
    State(OutsideFacingTextB, "признак наружной стены Б", ValueRule::SurfaceFlag),
    State(OutsideFacingTextC, "признак наружной стены В", ValueRule::SurfaceFlag),
    State(OutsideFacingTextD, "признак наружной стены Г", ValueRule::SurfaceFlag),
    State(OutsideFacingTextCeiling, "признак наружного потолка", ValueRule::SurfaceFlag),
    State("PlanOrientation", "ориентация плана камеры, °", &S::planOrientation, ValueRule::Orientation),
    // 119-131: check boxes, then display states the room-type and product choices set
    Checked(DoorTimeMode, "флажок «расчет по времени»"),
    Checked(HighTurnover, "флажок «Повышенная»"),
    Checked(FanDetailedCalculation, "флажок «Уточняющий расчет»"),
    Flag(HighTurnover, FlagCondition::Enabled, "доступность флажка «Повышенная»"),
    FlagAbout(DailyTurnoverPercentLabel, DailyTurnoverPercent, FlagCondition::Visible,
              "видимость подписи «Суточный грузооборот камеры, %»"),
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
        if (facts.fileLine != 0 &&
            kLineEntries[static_cast<std::size_t>(facts.fileLine - 1)].lineSpec.control != facts.control)
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
