// Controls and captions of the five tab pages.
#include "app/form_rows.h"
#include "window/layout_tables.h"
#include "window/window_layout.h"

#include <array>
#include <span>
#include <string_view>

namespace zeltar::gui {

namespace {

using enum Area;
using enum CaptionStyle;

// A column of a grid page: its control in each row from the top (nullopt, or none past the
// column's end, where a row has no control). Column 0 holds the row captions, which are no controls.
using GridColumn = std::span<const std::optional<Control>>;

// A page laid out as a grid: rows 26 px apart, eight columns, headings above the columns.
struct GridPage {
    Area page;
    std::size_t rows;
    std::array<GridColumn, 8> controls;
    std::array<int, 8> columnX;     // px
    std::array<int, 8> columnWidth; // px
    int firstRowY;                  // px, top of the first row's controls
    int headingY;                   // px, top of the headings' first line
};
constexpr int kGridRowPitch = 26; // px

// Enclosure page: six rows (walls А to Г, ceiling, floor): row caption, construction list, its
// thickness, insulation list, its thickness, outside temperature, outside/inside text, heat gain.
constexpr RowControls kEnclosureHeatGainFields = ShownBy(calc::kEnclosureHeatGainResults);
constexpr GridPage kEnclosureGrid{
    EnclosurePage,
    kRowCount,
    {GridColumn{}, kStructureMaterialLists, kStructureThicknessFields, kInsulationMaterialLists,
     kInsulationThicknessFields, kOutsideTemperatureFields, kOutsideFacingTexts, kEnclosureHeatGainFields},
    {6, 64, 268, 328, 532, 592, 654, 698},
    {56, 200, 56, 200, 56, 58, 40, 80},
    38,
    6,
};

// Solar page: five rows (walls А to Г, ceiling): row caption, orientation, construction name,
// sunlit text, finish list, outside/inside text, excess temperature difference, heat gain.
constexpr RowControls kExcessTemperatureFields = ShownBy(calc::kSolarTemperatureDifferenceResults);
constexpr RowControls kSolarHeatGainFields = ShownBy(calc::kSolarHeatGainResults);
constexpr GridPage kSolarGrid{
    SolarPage,
    kSurfaceRowCount,
    {GridColumn{}, kWallDirectionFields, kStructureMaterialTexts, kSunlitTexts, kSurfaceFinishLists,
     kOutsideFacingCopies, kExcessTemperatureFields, kSolarHeatGainFields},
    {6, 64, 118, 322, 402, 606, 650, 726},
    {56, 50, 200, 76, 200, 40, 72, 80},
    46,
    2,
};

// «Дополнительно» page: six rows (walls А to Г, ceiling, floor): row caption, U-value, then three
// extra layers, each a material list and its thickness.
constexpr GridPage kExtraGrid{
    ExtraPage,
    kRowCount,
    {GridColumn{}, kUValueFields, kLayer1Lists, kLayer1Fields, kLayer2Lists, kLayer2Fields, kLayer3Lists,
     kLayer3Fields},
    {6, 62, 116, 264, 310, 458, 504, 652},
    {52, 50, 144, 42, 144, 42, 144, 42},
    32,
    2,
};

// The small buttons right of the enclosure rows, in the free strip beside the heat gains.
constexpr int kExtraRowButtonX = 784;    // px, right of the heat gain column (698 + 80)
constexpr int kExtraRowButtonWidth = 26; // px
template <const GridPage& Grid>
constexpr std::array<ControlPlace, kRowCount> RowButtons()
{
    std::array<ControlPlace, kRowCount> places{};
    for (std::size_t row = 0; row < kRowCount; ++row)
        places[row] = {
            *kExtraRowButtons[row],
            Grid.page,
            {kExtraRowButtonX, Grid.firstRowY + kGridRowPitch * static_cast<int>(row), kExtraRowButtonWidth, 21}};
    return places;
}

constexpr bool HasControl(const GridPage& grid, std::size_t column, std::size_t row)
{
    const GridColumn& names = grid.controls[column];
    return row < names.size() && names[row].has_value();
}

constexpr std::size_t ControlCount(const GridPage& grid)
{
    std::size_t count = 0;
    for (std::size_t row = 0; row < grid.rows; ++row)
        for (std::size_t column = 0; column < grid.controls.size(); ++column)
            count += HasControl(grid, column, row) ? 1 : 0;
    return count;
}

// The controls of a grid page, row by row from the top and left to right within a row (their tab
// order).
template <const GridPage& Grid>
constexpr std::array<ControlPlace, ControlCount(Grid)> GridControls()
{
    std::array<ControlPlace, ControlCount(Grid)> places{};
    std::size_t next = 0;
    for (std::size_t row = 0; row < Grid.rows; ++row)
        for (std::size_t column = 0; column < Grid.controls.size(); ++column) {
            if (!HasControl(Grid, column, row))
                continue;
            const Box cell{Grid.columnX[column], Grid.firstRowY + kGridRowPitch * static_cast<int>(row),
                           Grid.columnWidth[column], 21};
            places[next++] = {*Grid.controls[column][row], Grid.page, cell};
        }
    return places;
}

// The bold names of the rows ("Стена А" ...) in column 0, level with the rows' controls.
constexpr std::array<std::string_view, kRowCount> kRowCaptions{"Стена А", "Стена Б", "Стена В",
                                                               "Стена Г", "Потолок", "Пол"};
template <const GridPage& Grid>
constexpr std::array<CaptionPlace, Grid.rows> RowCaptions()
{
    std::array<CaptionPlace, Grid.rows> captions{};
    for (std::size_t row = 0; row < Grid.rows; ++row) {
        const Box box{Grid.columnX[0], Grid.firstRowY + 3 + kGridRowPitch * static_cast<int>(row), Grid.columnWidth[0],
                      16};
        captions[row] = {std::nullopt, Grid.page, kRowCaptions[row], box, Bold};
    }
    return captions;
}

// A line of a column's heading, centred over the column (lines 13 px apart).
constexpr CaptionPlace Heading(const GridPage& grid, std::string_view text, std::size_t column, int line)
{
    const Box box{grid.columnX[column] - 6, grid.headingY + 13 * line, grid.columnWidth[column] + 12, 14};
    return {std::nullopt, grid.page, text, box, Centered};
}

// Labelled rows inside the groups of the goods and operational pages.
constexpr Box FieldAt(int x, int y, int width = 58)
{
    return {x, y, width, 21};
}
constexpr Box LabelAt(int x, int y, int width)
{
    return {x, y + 3, width, 16};
}
// Two-line captions: the lines start at the field's top - 3 and 13 px below.
constexpr Box UpperLine(int x, int fieldY, int width)
{
    return {x, fieldY - 3, width, 14};
}
constexpr Box LowerLine(int x, int fieldY, int width)
{
    return {x, fieldY + 10, width, 14};
}

constexpr std::array kControls = Joined(
    // --- "Через ограждение Q1" ---------------------------------------------------------------
    GridControls<kEnclosureGrid>(),
    std::array{
        ControlPlace{Control::HeatGainQ1, EnclosurePage, {698, 200, 80, 21}},
        ControlPlace{Control::FillRowsButton, EnclosurePage, {64, 200, 260, 28}},
    },
    // --- "Поправка на солнечную радиацию Q12" ------------------------------------------------
    GridControls<kSolarGrid>(),
    std::array{
        ControlPlace{Control::HeatGainQ12, SolarPage, {726, 184, 80, 21}},
        ControlPlace{Control::FillFinishesButton, SolarPage, {342, 182, 260, 28}},
        // --- "От вентиляции Q3" -----------------------------------------------------------------
        ControlPlace{Control::AirExchangeRate, VentilationPage, {130, 24, 60, 21}},
        ControlPlace{Control::HeatGainQ3, VentilationPage, {304, 24, 80, 21}},
        // --- goods --------------------------------------------------------------------------------
        ControlPlace{Control::ProductGroup, ProductBox, {64, 18, 220, 21}},
        ControlPlace{Control::Product, ProductBox, {64, 44, 220, 21}},
        ControlPlace{Control::ProductMoisture, ProductBox, FieldAt(222, 72, 62)},
        ControlPlace{Control::CryoscopicTemperature, ProductBox, FieldAt(222, 98, 62)},
        ControlPlace{Control::PackagingMaterial, PackagingBox, {64, 18, 220, 21}},
        ControlPlace{Control::PackagingShare, PackagingBox, FieldAt(222, 46, 62)},
        ControlPlace{Control::PackagingEnthalpyDifference, PackagingBox, FieldAt(222, 72, 62)},
        ControlPlace{Control::ProductInletTemperature, ProcessingBox, FieldAt(184, 20)},
        ControlPlace{Control::ProductFinalTemperature, ProcessingBox, FieldAt(184, 46)},
        ControlPlace{Control::ProductEnthalpyDifference, ProcessingBox, FieldAt(184, 72)},
        ControlPlace{Control::RespirationHeat, ProcessingBox, FieldAt(184, 98)},
        ControlPlace{Control::HighTurnover, TurnoverFrame, {10, 20, 150, 20}},
        ControlPlace{Control::StackHeight, CapacityBox, FieldAt(200, 20, 55)},
        ControlPlace{Control::StackDensity, CapacityBox, FieldAt(200, 46, 55)},
        ControlPlace{Control::GrossCapacity, CapacityBox, FieldAt(200, 72, 55)},
        ControlPlace{Control::NetCapacity, CapacityBox, FieldAt(200, 98, 55)},
        ControlPlace{Control::DailyTurnoverPercent, CapacityBox, FieldAt(200, 124, 55)},
        ControlPlace{Control::DailyTurnover, CapacityBox, FieldAt(200, 150, 55)},
        ControlPlace{Control::HeatGainQ21, GoodsPage, FieldAt(396, 188, 80)},
        ControlPlace{Control::HeatGainQ22, GoodsPage, FieldAt(396, 214, 80)},
        ControlPlace{Control::HeatGainQ2, GoodsPage, FieldAt(690, 188, 80)},
        ControlPlace{Control::HeatGainQ5, GoodsPage, FieldAt(690, 214, 80)},
        // --- operational --------------------------------------------------------------------------
        ControlPlace{Control::DoorHeight, DoorBox, FieldAt(164, 18)},
        ControlPlace{Control::DoorWidth, DoorBox, FieldAt(164, 42)},
        ControlPlace{Control::DoorProtection, DoorBox, {8, 82, 214, 21}},
        ControlPlace{Control::DoorType, DoorBox, {70, 107, 152, 21}},
        ControlPlace{Control::DoorTimeMode, DoorBox, {8, 132, 200, 20}},
        ControlPlace{Control::DoorOpenTime, DoorBox, FieldAt(164, 156)},
        ControlPlace{Control::LoadUnitMass, DoorBox, FieldAt(164, 180)},
        ControlPlace{Control::VehiclePasses, DoorBox, FieldAt(164, 204)},
        ControlPlace{Control::DoorHeatGain, DoorBox, FieldAt(164, 230)},
        ControlPlace{Control::HeatGainQ4, OperationalPage, FieldAt(168, 266, 66)},
        ControlPlace{Control::LightingPowerDensity, LightingBox, FieldAt(136, 20)},
        ControlPlace{Control::LightingHours, LightingBox, FieldAt(136, 48)},
        ControlPlace{Control::LightingHeatGain, LightingBox, FieldAt(136, 76)},
        ControlPlace{Control::StaffCount, StaffBox, FieldAt(136, 20)},
        ControlPlace{Control::StaffHeatGain, StaffBox, FieldAt(136, 48)},
        ControlPlace{Control::VehiclePower, VehicleBox, FieldAt(136, 20)},
        ControlPlace{Control::VehicleHours, VehicleBox, FieldAt(136, 48)},
        ControlPlace{Control::VehicleHeatGain, VehicleBox, FieldAt(136, 76)},
        ControlPlace{Control::FanSharePercent, FanBox, FieldAt(106, 20, 50)},
        ControlPlace{Control::FanDetailedCalculation, FanBox, {176, 20, 180, 20}},
        ControlPlace{Control::FanPower, FanBox, FieldAt(106, 48, 50)},
        ControlPlace{Control::FanCount, FanBox, FieldAt(292, 48, 50)},
        ControlPlace{Control::FanHeatGain, FanBox, FieldAt(106, 76, 70)},
        ControlPlace{Control::Consumer1Name, ConsumerBox, FieldAt(8, 32, 146)},
        ControlPlace{Control::Consumer1Power, ConsumerBox, FieldAt(160, 32, 60)},
        ControlPlace{Control::Consumer1Hours, ConsumerBox, FieldAt(246, 32, 60)},
        ControlPlace{Control::Consumer2Name, ConsumerBox, FieldAt(8, 58, 146)},
        ControlPlace{Control::Consumer2Power, ConsumerBox, FieldAt(160, 58, 60)},
        ControlPlace{Control::Consumer2Hours, ConsumerBox, FieldAt(246, 58, 60)},
        ControlPlace{Control::ConsumerHeatGain, ConsumerBox, FieldAt(160, 88, 70)},
    },
    RowButtons<kEnclosureGrid>(),
    // --- "Дополнительно" ------------------------------------------------------------------------
    GridControls<kExtraGrid>(),
    std::array{
        ControlPlace{Control::OwnMaterialsButton, ExtraPage, {700, 30, 116, 24}},
        ControlPlace{Control::DefrostHeaterPower, DefrostBox, FieldAt(170, 18, 54)},
        ControlPlace{Control::DefrostCoolerCount, DefrostBox, FieldAt(170, 44, 54)},
        ControlPlace{Control::DefrostsPerDay, DefrostBox, FieldAt(170, 70, 54)},
        ControlPlace{Control::DefrostDuration, DefrostBox, FieldAt(402, 18, 60)},
        ControlPlace{Control::DefrostRoomShare, DefrostBox, FieldAt(402, 44, 60)},
        ControlPlace{Control::DefrostHeatGain, DefrostBox, FieldAt(402, 70, 60)},
        ControlPlace{Control::StaffOwnHours, ExtraOptionsBox, {8, 18, 214, 20}},
        ControlPlace{Control::StaffHours, ExtraOptionsBox, FieldAt(274, 18, 56)},
        ControlPlace{Control::DoorOpenAllDay, ExtraOptionsBox, {8, 44, 322, 20}},
        ControlPlace{Control::LightingTwoDecimals, ExtraOptionsBox, {8, 70, 322, 20}},
    });

constexpr std::array kCaptions = Joined(
    // --- "Через ограждение Q1" ---------------------------------------------------------------
    std::array{
        Heading(kEnclosureGrid, "Материал строительной конструкции", 1, 1),
        Heading(kEnclosureGrid, "Толщина", 2, 0),
        Heading(kEnclosureGrid, "стены, мм", 2, 1),
        Heading(kEnclosureGrid, "Материал изоляции", 3, 1),
        Heading(kEnclosureGrid, "Толщина", 4, 0),
        Heading(kEnclosureGrid, "изол., мм", 4, 1),
        Heading(kEnclosureGrid, "Температура", 5, 0),
        Heading(kEnclosureGrid, "снаружи", 5, 1),
        Heading(kEnclosureGrid, "Теплоприток", 7, 0),
        Heading(kEnclosureGrid, "кВт", 7, 1),
    },
    RowCaptions<kEnclosureGrid>(),
    std::array{
        CaptionPlace{std::nullopt, EnclosurePage, "ИТОГО Q1", {592, 203, 100, 16}, Right},
        // --- "Поправка на солнечную радиацию Q12" --------------------------------------------
        Heading(kSolarGrid, "Ориентация", 1, 1),
        Heading(kSolarGrid, "стены", 1, 2),
        Heading(kSolarGrid, "Материал строительной конструкции", 2, 2),
        Heading(kSolarGrid, "Освещенность", 3, 2),
        Heading(kSolarGrid, "Покрытие", 4, 2),
        Heading(kSolarGrid, "Избыточная", 6, 0),
        Heading(kSolarGrid, "разность", 6, 1),
        Heading(kSolarGrid, "температур", 6, 2),
        Heading(kSolarGrid, "Теплоприток", 7, 1),
        Heading(kSolarGrid, "кВт", 7, 2),
    },
    RowCaptions<kSolarGrid>(),
    std::array{
        CaptionPlace{std::nullopt, SolarPage, " ИТОГО Q12", {606, 187, 114, 16}, Right},
        // --- "От вентиляции Q3" -----------------------------------------------------------------
        CaptionPlace{std::nullopt, VentilationPage, "Введите кратность", {16, 21, 112, 14}},
        CaptionPlace{std::nullopt, VentilationPage, "воздухообмена", {16, 34, 112, 14}},
        CaptionPlace{std::nullopt, VentilationPage, "ИТОГО Q3", {226, 27, 74, 16}, Right},
        // --- goods --------------------------------------------------------------------------------
        CaptionPlace{std::nullopt, ProductBox, "Группа", LabelAt(8, 18, 54)},
        CaptionPlace{std::nullopt, ProductBox, "Продукт", LabelAt(8, 44, 54)},
        CaptionPlace{std::nullopt, ProductBox, "Влагосодержание, %", LabelAt(8, 72, 210)},
        CaptionPlace{std::nullopt, ProductBox, "Криоскопическая температура", LabelAt(8, 98, 210)},
        CaptionPlace{std::nullopt, PackagingBox, "Материал", LabelAt(8, 18, 54)},
        CaptionPlace{Control::PackagingShareLabel, PackagingBox, "", LabelAt(8, 46, 210)},
        CaptionPlace{std::nullopt, PackagingBox, "Разность энтальпий кДж/кг", LabelAt(8, 72, 210)},
        CaptionPlace{std::nullopt, ProcessingBox, "Температура поступающего груза", LabelAt(8, 20, 174)},
        CaptionPlace{std::nullopt, ProcessingBox, "Конечная температура груза", LabelAt(8, 46, 174)},
        CaptionPlace{std::nullopt, ProcessingBox, "Разность энтальпий, кДж/кг", LabelAt(8, 72, 174)},
        CaptionPlace{std::nullopt, ProcessingBox, "Теплота \"дыхания\", Вт/т", LabelAt(8, 98, 174)},
        CaptionPlace{Control::StackHeightLabel, CapacityBox, "", LabelAt(8, 20, 190)},
        CaptionPlace{Control::StackDensityLabel, CapacityBox, "", LabelAt(8, 46, 190)},
        CaptionPlace{Control::GrossCapacityLabel, CapacityBox, "", LabelAt(8, 72, 190)},
        CaptionPlace{std::nullopt, CapacityBox, "Условная ёмкость камеры (нетто), т", LabelAt(8, 98, 190)},
        CaptionPlace{Control::DailyTurnoverPercentLabel, CapacityBox, "", LabelAt(8, 124, 190)},
        CaptionPlace{Control::DailyTurnoverLabel, CapacityBox, "", LabelAt(8, 150, 190)},
        CaptionPlace{std::nullopt, GoodsPage, "От груза Q21", LabelAt(300, 188, 92), Right},
        CaptionPlace{std::nullopt, GoodsPage, "От тары Q22", LabelAt(300, 214, 92), Right},
        CaptionPlace{std::nullopt, GoodsPage, " ИТОГО Q2", LabelAt(554, 188, 130), Right},
        CaptionPlace{std::nullopt, GoodsPage, "ИТОГО Q5", LabelAt(554, 214, 130), Right},
        // --- operational --------------------------------------------------------------------------
        CaptionPlace{std::nullopt, DoorBox, "Высота двери, м", LabelAt(8, 18, 150)},
        CaptionPlace{std::nullopt, DoorBox, "Ширина двери, м", LabelAt(8, 42, 150)},
        CaptionPlace{std::nullopt, DoorBox, "Защитное устройство", {8, 66, 150, 16}},
        CaptionPlace{std::nullopt, DoorBox, "Тип двери", LabelAt(8, 107, 60)},
        CaptionPlace{std::nullopt, DoorBox, "Время открыт. двери, ч", LabelAt(8, 156, 150)},
        CaptionPlace{std::nullopt, DoorBox, "Масса грузов. места, кг", LabelAt(8, 180, 150)},
        CaptionPlace{std::nullopt, DoorBox, "Кол-во проходов ПТС", LabelAt(8, 204, 150)},
        CaptionPlace{std::nullopt, DoorBox, "Теплоприток от откры-", UpperLine(8, 230, 150)},
        CaptionPlace{std::nullopt, DoorBox, "вания дверей, кВт", LowerLine(8, 230, 150)},
        CaptionPlace{std::nullopt, OperationalPage, "ИТОГО Q4", LabelAt(8, 266, 154), Right},
        CaptionPlace{std::nullopt, LightingBox, "Удельная мощность", UpperLine(8, 20, 126)},
        CaptionPlace{std::nullopt, LightingBox, "освещения, Вт/кв.м", LowerLine(8, 20, 126)},
        CaptionPlace{std::nullopt, LightingBox, "Время работы", UpperLine(8, 48, 126)},
        CaptionPlace{std::nullopt, LightingBox, "освещения, час/сутки", LowerLine(8, 48, 126)},
        CaptionPlace{std::nullopt, LightingBox, "Теплоприток от ", UpperLine(8, 76, 126)},
        CaptionPlace{std::nullopt, LightingBox, "освещения, кВт", LowerLine(8, 76, 126)},
        CaptionPlace{std::nullopt, StaffBox, "Количество людей,", UpperLine(8, 20, 126)},
        CaptionPlace{std::nullopt, StaffBox, "работающих в камере", LowerLine(8, 20, 126)},
        CaptionPlace{std::nullopt, StaffBox, "Теплоприток от", UpperLine(8, 48, 126)},
        CaptionPlace{std::nullopt, StaffBox, "персонала, кВт", LowerLine(8, 48, 126)},
        CaptionPlace{std::nullopt, VehicleBox, "Мощность, кВт", LabelAt(8, 20, 126)},
        CaptionPlace{std::nullopt, VehicleBox, "Время работы", UpperLine(8, 48, 126)},
        CaptionPlace{std::nullopt, VehicleBox, "ПТС, час/сут", LowerLine(8, 48, 126)},
        CaptionPlace{std::nullopt, VehicleBox, "Теплоприток", UpperLine(8, 76, 126)},
        CaptionPlace{std::nullopt, VehicleBox, "от ПТС, кВт", LowerLine(8, 76, 126)},
        CaptionPlace{Control::FanShareEstimateLabel, FanBox, "", UpperLine(8, 20, 96)},
        CaptionPlace{Control::FanShareCaption, FanBox, "", LowerLine(8, 20, 96)},
        CaptionPlace{Control::FanPowerLabel, FanBox, "", UpperLine(8, 48, 96)},
        CaptionPlace{Control::FanPowerUnitLabel, FanBox, "", LowerLine(8, 48, 96)},
        CaptionPlace{std::nullopt, FanBox, "Кол-во вентиляторов", LabelAt(176, 48, 114)},
        CaptionPlace{std::nullopt, FanBox, "Теплоприток от", UpperLine(8, 76, 96)},
        CaptionPlace{std::nullopt, FanBox, "вентиляторов, кВт", LowerLine(8, 76, 96)},
        CaptionPlace{std::nullopt, ConsumerBox, "Мощность, кВт", {160, 16, 84, 14}},
        CaptionPlace{std::nullopt, ConsumerBox, "Время работы, час/сут", {246, 16, 120, 14}},
        CaptionPlace{std::nullopt, ConsumerBox, "Теплоприток от электро-", UpperLine(8, 88, 146)},
        CaptionPlace{std::nullopt, ConsumerBox, "потребителей, кВт", LowerLine(8, 88, 146)},
        // --- "Дополнительно" --------------------------------------------------------------------
        Heading(kExtraGrid, "U,", 1, 0),
        Heading(kExtraGrid, "Вт/(м²·К)", 1, 1),
        Heading(kExtraGrid, "Доп. слой 1: материал", 2, 1),
        Heading(kExtraGrid, "мм", 3, 1),
        Heading(kExtraGrid, "Доп. слой 2: материал", 4, 1),
        Heading(kExtraGrid, "мм", 5, 1),
        Heading(kExtraGrid, "Доп. слой 3: материал", 6, 1),
        Heading(kExtraGrid, "мм", 7, 1),
        CaptionPlace{std::nullopt, ExtraPage, "U > 0 заменяет", {702, 64, 112, 14}},
        CaptionPlace{std::nullopt, ExtraPage, "слои ограждения;", {702, 77, 112, 14}},
        CaptionPlace{std::nullopt, ExtraPage, "доп. слои — к", {702, 90, 112, 14}},
        CaptionPlace{std::nullopt, ExtraPage, "слоям с Q1.", {702, 103, 112, 14}},
        CaptionPlace{std::nullopt, ExtraPage, "Пол на грунте —", {702, 122, 112, 14}},
        CaptionPlace{std::nullopt, ExtraPage, "по зонам, без U.", {702, 135, 112, 14}},
        CaptionPlace{std::nullopt, DefrostBox, "Мощность нагревателей, кВт", LabelAt(8, 18, 160)},
        CaptionPlace{std::nullopt, DefrostBox, "Воздухоохладителей, шт.", LabelAt(8, 44, 160)},
        CaptionPlace{std::nullopt, DefrostBox, "Оттаек в сутки", LabelAt(8, 70, 160)},
        CaptionPlace{std::nullopt, DefrostBox, "Длительность, мин", LabelAt(236, 18, 164)},
        CaptionPlace{std::nullopt, DefrostBox, "Доля тепла в камеру", LabelAt(236, 44, 164)},
        CaptionPlace{std::nullopt, DefrostBox, "Теплоприток, кВт", LabelAt(236, 70, 164)},
        CaptionPlace{std::nullopt, ExtraOptionsBox, "ч/сут", LabelAt(226, 18, 46), Right},
    },
    RowCaptions<kExtraGrid>());

} // namespace

std::span<const ControlPlace> PageControlPlaces()
{
    return kControls;
}

std::span<const CaptionPlace> PageCaptionPlaces()
{
    return kCaptions;
}

} // namespace zeltar::gui
