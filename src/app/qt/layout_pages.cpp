// Controls and captions of the five tab pages.
#include "app/form_rows.h"
#include "app/qt/layout_tables.h"
#include "app/qt/window_layout.h"

#include <array>
#include <span>
#include <string_view>

namespace zeltar::gui {

namespace {

using enum Area;
using enum CaptionStyle;

// A column of a grid page: its control in each row from the top ("", or none past the column's
// end, where a row has no control). Column 0 holds the row captions, which are no controls.
using GridColumn = std::span<const std::string_view>;

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
constexpr RowControls kOutsideFacingTexts{"Edit49", "Edit50", "Edit51", "Edit52", "Edit53", ""};
constexpr RowControls kEnclosureHeatGainFields{"Edit36", "Edit37", "Edit38", "Edit39", "Edit40", "Edit41"};
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
using SurfaceRowControls = std::array<std::string_view, kSurfaceRowCount>;
constexpr SurfaceRowControls kMaterialNameCopies{"Edit31", "Edit32", "Edit33", "Edit34", "Edit35"};
constexpr SurfaceRowControls kSunlitTexts{"Edit44", "Edit45", "Edit46", "Edit47", "Edit48"};
constexpr SurfaceRowControls kOutsideFacingCopies{"Edit57", "Edit58", "Edit59", "Edit60", "Edit61"};
constexpr SurfaceRowControls kExcessTemperatureFields{"Edit62", "Edit63", "Edit64", "Edit65", "Edit66"};
constexpr SurfaceRowControls kSolarHeatGainFields{"Edit67", "Edit68", "Edit69", "Edit70", "Edit71"};
constexpr GridPage kSolarGrid{
    SolarPage,
    kSurfaceRowCount,
    {GridColumn{}, kWallDirectionFields, kMaterialNameCopies, kSunlitTexts, kSurfaceFinishLists,
     kOutsideFacingCopies, kExcessTemperatureFields, kSolarHeatGainFields},
    {6, 64, 118, 322, 402, 606, 650, 726},
    {56, 50, 200, 76, 200, 40, 72, 80},
    46,
    2,
};

constexpr bool HasControl(const GridPage& grid, std::size_t column, std::size_t row)
{
    const GridColumn& names = grid.controls[column];
    return row < names.size() && !names[row].empty();
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
            places[next++] = {Grid.controls[column][row], Grid.page, cell};
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
        const Box box{Grid.columnX[0], Grid.firstRowY + 3 + kGridRowPitch * static_cast<int>(row),
                      Grid.columnWidth[0], 16};
        captions[row] = {"", Grid.page, kRowCaptions[row], box, Bold};
    }
    return captions;
}

// A line of a column's heading, centred over the column (lines 13 px apart).
constexpr CaptionPlace Heading(const GridPage& grid, std::string_view text, std::size_t column, int line)
{
    const Box box{grid.columnX[column] - 6, grid.headingY + 13 * line, grid.columnWidth[column] + 12, 14};
    return {"", grid.page, text, box, Centered};
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
        ControlPlace{"Edit42", EnclosurePage, {698, 200, 80, 21}},
        ControlPlace{"BitBtn7", EnclosurePage, {64, 200, 260, 28}},
    },
    // --- "Поправка на солнечную радиацию Q12" ------------------------------------------------
    GridControls<kSolarGrid>(),
    std::array{
        ControlPlace{"Edit72", SolarPage, {726, 184, 80, 21}},
        ControlPlace{"BitBtn8", SolarPage, {342, 182, 260, 28}},
        // --- "От вентиляции Q3" -----------------------------------------------------------------
        ControlPlace{"Edit30", VentilationPage, {130, 24, 60, 21}},
        ControlPlace{"Edit73", VentilationPage, {304, 24, 80, 21}},
        // --- goods --------------------------------------------------------------------------------
        ControlPlace{"ComboBox25", ProductBox, {64, 18, 220, 21}},
        ControlPlace{"ComboBox21", ProductBox, {64, 44, 220, 21}},
        ControlPlace{"Edit80", ProductBox, FieldAt(222, 72, 62)},
        ControlPlace{"Edit81", ProductBox, FieldAt(222, 98, 62)},
        ControlPlace{"ComboBox22", PackagingBox, {64, 18, 220, 21}},
        ControlPlace{"Edit76", PackagingBox, FieldAt(222, 46, 62)},
        ControlPlace{"Edit85", PackagingBox, FieldAt(222, 72, 62)},
        ControlPlace{"Edit82", ProcessingBox, FieldAt(184, 20)},
        ControlPlace{"Edit83", ProcessingBox, FieldAt(184, 46)},
        ControlPlace{"Edit84", ProcessingBox, FieldAt(184, 72)},
        ControlPlace{"Edit88", ProcessingBox, FieldAt(184, 98)},
        ControlPlace{"CheckBox2", TurnoverFrame, {10, 20, 150, 20}},
        ControlPlace{"Edit74", CapacityBox, FieldAt(200, 20, 55)},
        ControlPlace{"Edit75", CapacityBox, FieldAt(200, 46, 55)},
        ControlPlace{"Edit77", CapacityBox, FieldAt(200, 72, 55)},
        ControlPlace{"Edit78", CapacityBox, FieldAt(200, 98, 55)},
        ControlPlace{"Edit79", CapacityBox, FieldAt(200, 124, 55)},
        ControlPlace{"Edit124", CapacityBox, FieldAt(200, 150, 55)},
        ControlPlace{"Edit86", GoodsPage, FieldAt(396, 188, 80)},
        ControlPlace{"Edit87", GoodsPage, FieldAt(396, 214, 80)},
        ControlPlace{"Edit89", GoodsPage, FieldAt(690, 188, 80)},
        ControlPlace{"Edit90", GoodsPage, FieldAt(690, 214, 80)},
        // --- operational --------------------------------------------------------------------------
        ControlPlace{"Edit91", DoorBox, FieldAt(164, 18)},
        ControlPlace{"Edit92", DoorBox, FieldAt(164, 42)},
        ControlPlace{"ComboBox23", DoorBox, {8, 82, 214, 21}},
        ControlPlace{"ComboBox24", DoorBox, {70, 107, 152, 21}},
        ControlPlace{"CheckBox1", DoorBox, {8, 132, 200, 20}},
        ControlPlace{"Edit131", DoorBox, FieldAt(164, 156)},
        ControlPlace{"Edit93", DoorBox, FieldAt(164, 180)},
        ControlPlace{"Edit94", DoorBox, FieldAt(164, 204)},
        ControlPlace{"Edit98", DoorBox, FieldAt(164, 230)},
        ControlPlace{"Edit117", OperationalPage, FieldAt(168, 266, 66)},
        ControlPlace{"Edit95", LightingBox, FieldAt(136, 20)},
        ControlPlace{"Edit96", LightingBox, FieldAt(136, 48)},
        ControlPlace{"Edit100", LightingBox, FieldAt(136, 76)},
        ControlPlace{"Edit97", StaffBox, FieldAt(136, 20)},
        ControlPlace{"Edit99", StaffBox, FieldAt(136, 48)},
        ControlPlace{"Edit101", VehicleBox, FieldAt(136, 20)},
        ControlPlace{"Edit102", VehicleBox, FieldAt(136, 48)},
        ControlPlace{"Edit104", VehicleBox, FieldAt(136, 76)},
        ControlPlace{"Edit103", FanBox, FieldAt(106, 20, 50)},
        ControlPlace{"CheckBox3", FanBox, {176, 20, 180, 20}},
        ControlPlace{"Edit114", FanBox, FieldAt(106, 48, 50)},
        ControlPlace{"Edit130", FanBox, FieldAt(292, 48, 50)},
        ControlPlace{"Edit105", FanBox, FieldAt(106, 76, 70)},
        ControlPlace{"Edit107", ConsumerBox, FieldAt(8, 32, 146)},
        ControlPlace{"Edit108", ConsumerBox, FieldAt(160, 32, 60)},
        ControlPlace{"Edit109", ConsumerBox, FieldAt(246, 32, 60)},
        ControlPlace{"Edit110", ConsumerBox, FieldAt(8, 58, 146)},
        ControlPlace{"Edit111", ConsumerBox, FieldAt(160, 58, 60)},
        ControlPlace{"Edit112", ConsumerBox, FieldAt(246, 58, 60)},
        ControlPlace{"Edit113", ConsumerBox, FieldAt(160, 88, 70)},
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
        CaptionPlace{"", EnclosurePage, "ИТОГО Q1", {592, 203, 100, 16}, Right},
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
        CaptionPlace{"", SolarPage, " ИТОГО Q12", {606, 187, 114, 16}, Right},
        // --- "От вентиляции Q3" -----------------------------------------------------------------
        CaptionPlace{"", VentilationPage, "Введите кратность", {16, 21, 112, 14}},
        CaptionPlace{"", VentilationPage, "воздухообмена", {16, 34, 112, 14}},
        CaptionPlace{"", VentilationPage, "ИТОГО Q3", {226, 27, 74, 16}, Right},
        // --- goods --------------------------------------------------------------------------------
        CaptionPlace{"", ProductBox, "Группа", LabelAt(8, 18, 54)},
        CaptionPlace{"", ProductBox, "Продукт", LabelAt(8, 44, 54)},
        CaptionPlace{"", ProductBox, "Влагосодержание, %", LabelAt(8, 72, 210)},
        CaptionPlace{"", ProductBox, "Криоскопическая температура", LabelAt(8, 98, 210)},
        CaptionPlace{"", PackagingBox, "Материал", LabelAt(8, 18, 54)},
        CaptionPlace{"PackagingShareLabel", PackagingBox, "", LabelAt(8, 46, 210)},
        CaptionPlace{"", PackagingBox, "Разность энтальпий кДж/кг", LabelAt(8, 72, 210)},
        CaptionPlace{"", ProcessingBox, "Температура поступающего груза", LabelAt(8, 20, 174)},
        CaptionPlace{"", ProcessingBox, "Конечная температура груза", LabelAt(8, 46, 174)},
        CaptionPlace{"", ProcessingBox, "Разность энтальпий, кДж/кг", LabelAt(8, 72, 174)},
        CaptionPlace{"", ProcessingBox, "Теплота \"дыхания\", Вт/т", LabelAt(8, 98, 174)},
        CaptionPlace{"StackHeightLabel", CapacityBox, "", LabelAt(8, 20, 190)},
        CaptionPlace{"StackDensityLabel", CapacityBox, "", LabelAt(8, 46, 190)},
        CaptionPlace{"GrossCapacityLabel", CapacityBox, "", LabelAt(8, 72, 190)},
        CaptionPlace{"", CapacityBox, "Условная ёмкость камеры (нетто), т", LabelAt(8, 98, 190)},
        CaptionPlace{"Label63", CapacityBox, "", LabelAt(8, 124, 190)},
        CaptionPlace{"DailyTurnoverLabel", CapacityBox, "", LabelAt(8, 150, 190)},
        CaptionPlace{"", GoodsPage, "От груза Q21", LabelAt(300, 188, 92), Right},
        CaptionPlace{"", GoodsPage, "От тары Q22", LabelAt(300, 214, 92), Right},
        CaptionPlace{"", GoodsPage, " ИТОГО Q2", LabelAt(554, 188, 130), Right},
        CaptionPlace{"", GoodsPage, "ИТОГО Q5", LabelAt(554, 214, 130), Right},
        // --- operational --------------------------------------------------------------------------
        CaptionPlace{"", DoorBox, "Высота двери, м", LabelAt(8, 18, 150)},
        CaptionPlace{"", DoorBox, "Ширина двери, м", LabelAt(8, 42, 150)},
        CaptionPlace{"", DoorBox, "Защитное устройство", {8, 66, 150, 16}},
        CaptionPlace{"", DoorBox, "Тип двери", LabelAt(8, 107, 60)},
        CaptionPlace{"", DoorBox, "Время открыт. двери, ч", LabelAt(8, 156, 150)},
        CaptionPlace{"", DoorBox, "Масса грузов. места, кг", LabelAt(8, 180, 150)},
        CaptionPlace{"", DoorBox, "Кол-во проходов ПТС", LabelAt(8, 204, 150)},
        CaptionPlace{"", DoorBox, "Теплоприток от откры-", UpperLine(8, 230, 150)},
        CaptionPlace{"", DoorBox, "вания дверей, кВт", LowerLine(8, 230, 150)},
        CaptionPlace{"", OperationalPage, "ИТОГО Q4", LabelAt(8, 266, 154), Right},
        CaptionPlace{"", LightingBox, "Удельная мощность", UpperLine(8, 20, 126)},
        CaptionPlace{"", LightingBox, "освещения, Вт/кв.м", LowerLine(8, 20, 126)},
        CaptionPlace{"", LightingBox, "Время работы", UpperLine(8, 48, 126)},
        CaptionPlace{"", LightingBox, "освещения, час/сутки", LowerLine(8, 48, 126)},
        CaptionPlace{"", LightingBox, "Теплоприток от ", UpperLine(8, 76, 126)},
        CaptionPlace{"", LightingBox, "освещения, кВт", LowerLine(8, 76, 126)},
        CaptionPlace{"", StaffBox, "Количество людей,", UpperLine(8, 20, 126)},
        CaptionPlace{"", StaffBox, "работающих в камере", LowerLine(8, 20, 126)},
        CaptionPlace{"", StaffBox, "Теплоприток от", UpperLine(8, 48, 126)},
        CaptionPlace{"", StaffBox, "персонала, кВт", LowerLine(8, 48, 126)},
        CaptionPlace{"", VehicleBox, "Мощность, кВт", LabelAt(8, 20, 126)},
        CaptionPlace{"", VehicleBox, "Время работы", UpperLine(8, 48, 126)},
        CaptionPlace{"", VehicleBox, "ПТС, час/сут", LowerLine(8, 48, 126)},
        CaptionPlace{"", VehicleBox, "Теплоприток", UpperLine(8, 76, 126)},
        CaptionPlace{"", VehicleBox, "от ПТС, кВт", LowerLine(8, 76, 126)},
        CaptionPlace{"Label105", FanBox, "", UpperLine(8, 20, 96)},
        CaptionPlace{"Label106", FanBox, "", LowerLine(8, 20, 96)},
        CaptionPlace{"Label111", FanBox, "", UpperLine(8, 48, 96)},
        CaptionPlace{"Label117", FanBox, "", LowerLine(8, 48, 96)},
        CaptionPlace{"", FanBox, "Кол-во вентиляторов", LabelAt(176, 48, 114)},
        CaptionPlace{"", FanBox, "Теплоприток от", UpperLine(8, 76, 96)},
        CaptionPlace{"", FanBox, "вентиляторов, кВт", LowerLine(8, 76, 96)},
        CaptionPlace{"", ConsumerBox, "Мощность, кВт", {160, 16, 84, 14}},
        CaptionPlace{"", ConsumerBox, "Время работы, час/сут", {246, 16, 120, 14}},
        CaptionPlace{"", ConsumerBox, "Теплоприток от электро-", UpperLine(8, 88, 146)},
        CaptionPlace{"", ConsumerBox, "потребителей, кВт", LowerLine(8, 88, 146)},
    });

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
