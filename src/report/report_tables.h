// Where everything of the calculation report stands, on the printer page (1/300 inch) and on the
// preview image (pixels), and what it says. Values are read from the window's controls.
#pragma once

#include "app/form_rows.h"
#include "report/canvas.h"
#include "report/report_fonts.h"
#include "report/report_phrase.h"
#include "report/report_surface.h"

#include <array>
#include <cstddef>
#include <string_view>

// Data rows aligned by hand:
// clang-format off
namespace zeltar::report {

struct Box {
    Point topLeft;
    Point bottomRight;
};

// A horizontal rule from x `left` to x `right`.
struct Rule {
    int left = 0;
    int right = 0;
    int y = 0;
};

enum class Align { Left, Right }; // text's left edge at x, or its right edge at x

// Frame and grid lines: 3 dots wide on the printer page (times the vertical factor), 1 pixel on
// the preview.
inline constexpr Both<int> kRulePenWidth{3, 1};

// --- Surface and frame ----------------------------------------------------------------------------
inline constexpr Box kPreviewImage{{0, 0}, {950, 1330}};
inline constexpr Both<Box> kFrame{{{20, 50}, {2320, 3350}}, {{5, 5}, {925, 1325}}};

// --- Title band ---------------------------------------------------------------------------------
inline constexpr std::string_view kTitle = "ЗЕЛТАР 2.0 : ПРОТОКОЛ РАСЧЕТА ТЕПЛОПРИТОКОВ В ХОЛОДИЛЬНУЮ КАМЕРУ";
inline constexpr Both<Rule> kTitleRuleAbove{{20, 2320, 310}, {5, 925, 100}};
inline constexpr Both<Point> kTitleAt{{270, 315}, {130, 102}};
inline constexpr Both<Rule> kTitleRuleBelow{{20, 2320, 370}, {5, 925, 121}};

// --- Site and room block: three columns, labels left, values right -------------------------------
struct ColumnPlace {
    int labelX = 0;
    int valueX = 0;
    int firstRowY = 0;
    int rowStep = 0;
};

struct LabelledValue {
    Phrase label;
    Phrase value;
};

struct SiteColumn {
    Both<ColumnPlace> place;
    std::array<LabelledValue, 5> rows;
    std::size_t rowCount = 0;
};

inline constexpr std::array<SiteColumn, 3> kSiteColumns{{
    {{{70, 730, 380, 50}, {25, 289, 123, 20}},
     {{
         {Join("Город"), Join(List(Control::City))},
         {Join("Географическая широта, град."), Join(Number(Control::Latitude))},
         {Join("Расчетная температура, гр.С"), Join(Number(Control::OutsideDesignTemperature))},
         {Join("Относительная влажность, %"), Join(Number(Control::OutsideRelativeHumidity))},
     }},
     4},
    {{{820, 1370, 380, 40}, {325, 545, 123, 16}},
     {{
         {Join("Длина камеры, м"), Join(Number(Control::RoomLength))},
         {Join("Ширина камеры, м"), Join(Number(Control::RoomWidth))},
         {Join("Высота камеры, м"), Join(Number(Control::RoomHeight))},
         {Join("Площадь камеры, кв.м"), Join(Number(Control::RoomArea))},
         {Join("Объем камеры, куб.м"), Join(Number(Control::RoomVolume))},
     }},
     5},
    {{{1470, 2270, 380, 40}, {585, 905, 123, 16}},
     {{
         {Join("Тип камеры"), Join(List(Control::RoomType))},
         {Join("Температура в камере, гр.С"), Join(Number(Control::RoomTemperature))},
         {Join("Отн.влажность в камере, %"), Join(Number(Control::RoomRelativeHumidity))},
         // The running-hours caption as the window shows it: it reads "Время термообработки, ч"
         // for the processing rooms.
         {Join(AsShown(Control::RunningHoursCaption)), Join(Number(Control::EquipmentRunningHours))},
         {Join("Резерв холодопроизвод.,  %"), Join(Number(Control::CapacityReserve))},
     }},
     5},
}};

// --- The two enclosure tables ----------------------------------------------------------------------
inline constexpr std::size_t kTableRows = kRowCount; // walls А, Б, В, Г, ceiling, floor

template <std::size_t Columns>
struct GridPlace {
    int left = 0;                      // x where the rules across start
    int right = 0;                     // x where they end
    std::array<int, 3> rulesY{};       // top, below the header, bottom
    std::array<int, Columns + 1> linesX{}; // vertical lines from the top rule to the bottom rule
    std::array<int, 2> headerY{};      // the two header lines
    int firstRowY = 0;
    int rowStep = 0;
};

struct TableColumn {
    std::string_view header1;
    std::string_view header2;
    Both<int> headerX; // header lines, left
    Both<int> cellX;
    Align cellAlign = Align::Left;
    std::array<Phrase, kTableRows> cells;
};

// The element of each row with the row's outside/inside text: "Стена А (нар)", "Потолок (вн)", "Пол".
// A column's cells, row by row: the row's control as `piece` reads it, `absent` where the row has none.
constexpr std::array<Phrase, kTableRows> Cells(const RowControls& column, Piece (*piece)(Control),
                                               std::string_view absent = "---")
{
    std::array<Phrase, kTableRows> cells{};
    for (std::size_t row = 0; row < kTableRows; ++row)
        cells[row] = column[row] ? Join(piece(*column[row])) : Join(absent);
    return cells;
}

inline constexpr std::array<Phrase, kTableRows> kElementCells{{
    Join(Fixed("Стена А ("), Number(Control::OutsideFacingTextA), Fixed(")")),
    Join(Fixed("Стена Б ("), Number(Control::OutsideFacingTextB), Fixed(")")),
    Join(Fixed("Стена В ("), Number(Control::OutsideFacingTextC), Fixed(")")),
    Join(Fixed("Стена Г ("), Number(Control::OutsideFacingTextD), Fixed(")")),
    Join(Fixed("Потолок ("), Number(Control::OutsideFacingTextCeiling), Fixed(")")),
    Join("Пол"),
}};

// Enclosure heat gain Q1.
inline constexpr Both<GridPlace<7>> kEnclosureGrid{
    {70, 2270, {600, 700, 960}, {70, 370, 885, 1090, 1620, 1810, 2040, 2270}, {610, 650}, 710, 40},
    {25, 905, {205, 245, 349}, {25, 145, 350, 433, 645, 721, 813, 905}, {209, 225}, 249, 16},
};

inline constexpr std::array<TableColumn, 7> kEnclosureColumns{{
    {"Элемент", "ограждения", {80, 29}, {80, 29}, Align::Left, kElementCells},
    {"Материал строительной", "конструкции элемента", {390, 153}, {390, 153}, Align::Left,
     Cells(kStructureMaterialLists, List)},
    {"Толщина", "     мм", {920, 365}, {1040, 413}, Align::Right, Cells(kStructureThicknessFields, Number)},
    {"Материал теплоизоляционной", "конструкции элемента", {1110, 441}, {1110, 441}, Align::Left,
     Cells(kInsulationMaterialLists, List)},
    {"Толщина", "     мм", {1650, 657}, {1770, 705}, Align::Right, Cells(kInsulationThicknessFields, Number)},
    {"Температура", "  наружн.,С", {1815, 723}, {1955, 779}, Align::Right, Cells(kOutsideTemperatureFields, Number)},
    {"Теплопри-", " ток, кВт", {2060, 821}, {2210, 881}, Align::Right,
     Cells(ShownBy(calc::kEnclosureHeatGainResults), Number)},
}};

// Solar radiation correction Q12; the floor has no sun.
inline constexpr Both<GridPlace<6>> kSolarGrid{
    {70, 2270, {1050, 1150, 1410}, {70, 370, 770, 1170, 1760, 2040, 2270}, {1060, 1100}, 1160, 40},
    {25, 905, {389, 429, 533}, {25, 145, 305, 465, 701, 813, 905}, {393, 409}, 433, 16},
};

inline constexpr std::array<TableColumn, 6> kSolarColumns{{
    {"Элемент", "ограждения", {80, 29}, {80, 29}, Align::Left, kElementCells},
    {" Ориентация по", "сторонам света", {440, 173}, {560, 221}, Align::Left, Cells(kWallDirectionFields, Number)},
    {"Освещенность", "     солнцем", {840, 333}, {960, 381}, Align::Left, Cells(kSunlitTexts, Number)},
    {"Наружное покрытие стены", "            или потолка", {1210, 481}, {1210, 481}, Align::Left,
     Cells(kSurfaceFinishLists, List, "                   ---")},
    {"Избыточн.разн.", "  температур,С", {1770, 705}, {1920, 765}, Align::Right,
     Cells(ShownBy(calc::kSolarTemperatureDifferenceResults), Number)},
    {"Теплопри-", " ток, кВт", {2060, 821}, {2210, 881}, Align::Right,
     Cells(ShownBy(calc::kSolarHeatGainResults), Number)},
}};

// --- Totals under the tables, bold: label left, value right ------------------------------------------
struct TotalLine {
    Phrase label;
    Both<Point> labelAt;
    Phrase value;
    Both<Point> valueRightAt;
};

inline constexpr TotalLine kEnclosureTotal{
    Join("ИТОГО : Теплопритоки через строительную и теплоизоляционную конструкцию стен, потолка и пола :"),
    {{70, 980}, {25, 357}},
    Join(Fixed("Q1 = "), Number(Control::HeatGainQ1), Fixed(" кВт")),
    {{2270, 980}, {905, 357}}};

// Every total's value stands on its label's baseline, on paper as on screen (the solar and
// ventilation values once stood 10 units, 2,4 pt, above their labels on paper only).
inline constexpr TotalLine kSolarTotal{
    Join("ИТОГО : Теплопритоки от солнечной радиации через конструкцию стен и потолка :"),
    {{70, 1430}, {25, 541}},
    Join(Fixed("Q12 = "), Number(Control::HeatGainQ12), Fixed(" кВт")),
    {{2270, 1430}, {905, 541}}};

inline constexpr TotalLine kVentilationTotal{
    Join(Fixed("ИТОГО : Теплоприток от вентиляции (кратность воздухообмена = "), Number(Control::AirExchangeRate),
         Fixed(") :")),
    {{70, 1480}, {25, 561}},
    Join(Fixed("Q3 = "), Number(Control::HeatGainQ3), Fixed(" кВт")),
    {{2270, 1480}, {905, 561}}};

// --- Goods and operational lines: label left, values right in one of three columns ------------------
enum class ValueColumn { Mid, Sub, Total };
inline constexpr std::array<Both<int>, 3> kValueColumnX{{{1750, 700}, {2040, 813}, {2270, 905}}};
inline constexpr Both<int> kLineLabelX{70, 25};

struct LineValue {
    Phrase text;
    ValueColumn column = ValueColumn::Mid;
};

struct ReportLine {
    Both<int> y;
    FontUse font = FontUse::Body;
    Phrase label;
    std::array<LineValue, 2> values{};
    std::size_t valueCount = 0;
};

constexpr Phrase KiloWatts(std::string_view name, Control control)
{
    return Join(Fixed(name), Number(control), Fixed(" кВт"));
}

constexpr Phrase PowerAndHoursLine(std::string_view name, Control powerControl, Control hoursControl)
{
    return Join(Fixed(name), Number(powerControl), Fixed(" кВт / "), Fixed("время работы - "), Number(hoursControl),
                Fixed(" ч/сут.)"));
}

inline constexpr std::array<ReportLine, 26> kReportLines{{
    {{1560, 593}, FontUse::Body, Join("ХАРАКТЕРИСТИКИ ГРУЗА :"), {}, 0},
    {{1610, 613}, FontUse::Body, Join("Температура поступающего груза ( начальная / конечная ), град.С :"),
     {{{Join(Number(Control::ProductInletTemperature), Fixed(" / "), Number(Control::ProductFinalTemperature)),
        ValueColumn::Mid}}}, 1},
    {{1660, 633}, FontUse::Body, Join("Емкость камеры (брутто/нетто), т :"),
     {{{Join(Number(Control::GrossCapacity), Fixed(" / "), Number(Control::NetCapacity)), ValueColumn::Mid}}}, 1},
    {{1710, 653}, FontUse::Body,
     Join(Fixed("Продукт / Тара ("), Number(Control::PackagingShare), Fixed(" % массы груза):")),
     {{{Join(List(Control::Product), Fixed(" / "), List(Control::PackagingMaterial)), ValueColumn::Mid}}}, 1},
    {{1760, 673}, FontUse::Body, Join("Суточный грузооборот камеры :"), {{{Join(Turnover()), ValueColumn::Mid}}}, 1},
    {{1810, 693}, FontUse::Body, Join("Теплоприток от термообработки продукта / тары : "),
     {{{KiloWatts("Q21 = ", Control::HeatGainQ21), ValueColumn::Mid},
        {KiloWatts("Q22 = ", Control::HeatGainQ22), ValueColumn::Sub}}}, 2},
    {{1860, 713}, FontUse::Total, Join("ИТОГО : Теплоприток от термообработки груза :"),
     {{{KiloWatts("Q2 = ", Control::HeatGainQ2), ValueColumn::Total}}}, 1},
    {{1910, 733}, FontUse::Total, Join("ИТОГО : Теплоприток от \"дыхания\" продукта :"),
     {{{KiloWatts("Q5 = ", Control::HeatGainQ5), ValueColumn::Total}}}, 1},
    {{1990, 765}, FontUse::Body, Join("ЭКСПЛУАТАЦИОННЫЕ ТЕПЛОПРИТОКИ :"), {}, 0},
    {{2040, 785}, FontUse::Body,
     Join(Fixed("От открывания дверей (дверь - "), List(Control::DoorType), Fixed(", защитное устройство - "),
          List(Control::DoorProtection), Fixed(")")),
     {}, 0},
    {{2090, 805}, FontUse::Body, Join("Размеры двери (высота/ширина), м :"),
     {{{Join(Number(Control::DoorHeight), Fixed(" / "), Number(Control::DoorWidth)), ValueColumn::Mid}}}, 1},
    {{2140, 825}, FontUse::Body, Join("Теплоприток от открывания дверей :"),
     {{{KiloWatts("q1 = ", Control::DoorHeatGain), ValueColumn::Sub}}}, 1},
    {{2190, 845}, FontUse::Body,
     Join(Fixed("От освещения (удельная мощность - "), Number(Control::LightingPowerDensity), Fixed(" Вт/кв.м / "),
          Fixed("время работы - "), Number(Control::LightingHours), Fixed(" ч/сут.)")),
     {}, 0},
    {{2240, 865}, FontUse::Body, Join("Теплоприток от освещения :"),
     {{{KiloWatts("q2 = ", Control::LightingHeatGain), ValueColumn::Sub}}}, 1},
    {{2290, 885}, FontUse::Body,
     Join(Fixed("От персонала (количество работающих - "), Number(Control::StaffCount), Fixed(")")), {}, 0},
    {{2340, 905}, FontUse::Body, Join("Теплоприток от персонала :"),
     {{{KiloWatts("q3 = ", Control::StaffHeatGain), ValueColumn::Sub}}}, 1},
    {{2390, 925}, FontUse::Body,
     PowerAndHoursLine("От подъемно-транспортных средств (мощность - ", Control::VehiclePower, Control::VehicleHours),
     {}, 0},
    {{2440, 945}, FontUse::Body, Join("Теплоприток от подъемно-транспортных средств :"),
     {{{KiloWatts("q4 = ", Control::VehicleHeatGain), ValueColumn::Sub}}}, 1},
    {{2490, 965}, FontUse::Body, Join("Теплопритоки от вентиляторов :"),
     {{{KiloWatts("q5 = ", Control::FanHeatGain), ValueColumn::Sub}}}, 1},
    {{2540, 985}, FontUse::Body, Join("От дополнительных электропотребителей :"), {}, 0},
    // The consumers' own names are not printed: the lines always say №1 and №2.
    {{2590, 1005}, FontUse::Body,
     PowerAndHoursLine("Дополнительный потребитель №1 (мощность - ", Control::Consumer1Power, Control::Consumer1Hours),
     {}, 0},
    {{2640, 1025}, FontUse::Body,
     PowerAndHoursLine("Дополнительный потребитель №2 (мощность - ", Control::Consumer2Power, Control::Consumer2Hours),
     {}, 0},
    {{2690, 1045}, FontUse::Body, Join("Теплоприток от дополнительных электропотребителей  :"),
     {{{KiloWatts("q6 = ", Control::ConsumerHeatGain), ValueColumn::Sub}}}, 1},
    {{2740, 1065}, FontUse::Total, Join("ИТОГО : эксплуатационные теплопритоки  :"),
     {{{KiloWatts("Q4 = ", Control::HeatGainQ4), ValueColumn::Total}}}, 1},
    {{2815, 1095}, FontUse::Total, Join("СУММАРНАЯ ВЕЛИЧИНА ТЕПЛОПРИТОКОВ :"),
     {{{KiloWatts("Q сум. = ", Control::TotalHeatGain), ValueColumn::Total}}}, 1},
    {{2890, 1125}, FontUse::Total, Join("РАСЧЕТНАЯ ХОЛОДОПРОИЗВОДИТЕЛЬНОСТЬ ОБОРУДОВАНИЯ :"),
     {{{KiloWatts("Q об. = ", Control::EquipmentCapacity), ValueColumn::Total}}}, 1},
}};

// --- Header block: the client's header fields, as typed ------------------------------------------
inline constexpr Both<Rule> kHeaderRule{{20, 2320, 2940}, {5, 925, 1157}};
inline constexpr Both<ColumnPlace> kHeaderPlace{{70, 370, 2970, 80}, {25, 145, 1169, 32}};

struct HeaderLine {
    std::string_view label;
    Control control;
};

inline constexpr std::array<HeaderLine, 5> kHeaderLines{{
    {"КЛИЕНТ :", Control::ClientName},
    {"ОБЪЕКТ :", Control::SiteName},
    {"ИСПОЛНИТЕЛЬ :", Control::ContractorName},
    {"ДАТА :", Control::ProjectDate},
    {"ПРОЕКТ :", Control::ProjectName},
}};

} // namespace zeltar::report
// clang-format on
