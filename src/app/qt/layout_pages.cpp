// Controls and captions of the five tab pages.
#include "app/qt/window_layout.h"

#include <array>

namespace zeltar::gui {

namespace {

using enum Area;
using enum CaptionStyle;

// Enclosure page: a grid of six rows (walls А to Г, ceiling, floor) and eight columns: row
// caption, construction list, its thickness, insulation list, its thickness, outside temperature,
// outside/inside text, heat gain.
constexpr std::array kEnclosureColumnX{6, 64, 268, 328, 532, 592, 654, 698};
constexpr std::array kEnclosureColumnWidth{56, 200, 56, 200, 56, 58, 40, 80};
constexpr Box EnclosureCell(int column, int row)
{
    return {kEnclosureColumnX[column], 38 + 26 * row, kEnclosureColumnWidth[column], 21};
}
constexpr Box EnclosureRowCaption(int row)
{
    return {kEnclosureColumnX[0], 41 + 26 * row, kEnclosureColumnWidth[0], 16};
}

// Solar page: five rows (walls А to Г, ceiling): row caption, orientation, construction name,
// sunlit text, finish list, outside/inside text, excess temperature difference, heat gain.
constexpr std::array kSolarColumnX{6, 64, 118, 322, 402, 606, 650, 726};
constexpr std::array kSolarColumnWidth{56, 50, 200, 76, 200, 40, 72, 80};
constexpr Box SolarCell(int column, int row)
{
    return {kSolarColumnX[column], 46 + 26 * row, kSolarColumnWidth[column], 21};
}
constexpr Box SolarRowCaption(int row)
{
    return {kSolarColumnX[0], 49 + 26 * row, kSolarColumnWidth[0], 16};
}

// A caption line above a grid column, centred on it (lines 13 px apart).
constexpr Box ColumnHeading(int x, int width, int line, int firstLineY)
{
    return {x - 6, firstLineY + 13 * line, width + 12, 14};
}
constexpr Box EnclosureHeading(int column, int line, int firstLineY = 6)
{
    return ColumnHeading(kEnclosureColumnX[column], kEnclosureColumnWidth[column], line, firstLineY);
}
constexpr Box SolarHeading(int column, int line, int firstLineY = 2)
{
    return ColumnHeading(kSolarColumnX[column], kSolarColumnWidth[column], line, firstLineY);
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

constexpr std::array kControls{
    // --- "Через ограждение Q1" ---------------------------------------------------------------
    ControlPlace{"ComboBox1", EnclosurePage, EnclosureCell(1, 0)},
    ControlPlace{"Edit1", EnclosurePage, EnclosureCell(2, 0)},
    ControlPlace{"ComboBox5", EnclosurePage, EnclosureCell(3, 0)},
    ControlPlace{"Edit5", EnclosurePage, EnclosureCell(4, 0)},
    ControlPlace{"Edit9", EnclosurePage, EnclosureCell(5, 0)},
    ControlPlace{"Edit49", EnclosurePage, EnclosureCell(6, 0)},
    ControlPlace{"Edit36", EnclosurePage, EnclosureCell(7, 0)},
    ControlPlace{"ComboBox2", EnclosurePage, EnclosureCell(1, 1)},
    ControlPlace{"Edit2", EnclosurePage, EnclosureCell(2, 1)},
    ControlPlace{"ComboBox6", EnclosurePage, EnclosureCell(3, 1)},
    ControlPlace{"Edit6", EnclosurePage, EnclosureCell(4, 1)},
    ControlPlace{"Edit10", EnclosurePage, EnclosureCell(5, 1)},
    ControlPlace{"Edit50", EnclosurePage, EnclosureCell(6, 1)},
    ControlPlace{"Edit37", EnclosurePage, EnclosureCell(7, 1)},
    ControlPlace{"ComboBox3", EnclosurePage, EnclosureCell(1, 2)},
    ControlPlace{"Edit3", EnclosurePage, EnclosureCell(2, 2)},
    ControlPlace{"ComboBox7", EnclosurePage, EnclosureCell(3, 2)},
    ControlPlace{"Edit7", EnclosurePage, EnclosureCell(4, 2)},
    ControlPlace{"Edit11", EnclosurePage, EnclosureCell(5, 2)},
    ControlPlace{"Edit51", EnclosurePage, EnclosureCell(6, 2)},
    ControlPlace{"Edit38", EnclosurePage, EnclosureCell(7, 2)},
    ControlPlace{"ComboBox4", EnclosurePage, EnclosureCell(1, 3)},
    ControlPlace{"Edit4", EnclosurePage, EnclosureCell(2, 3)},
    ControlPlace{"ComboBox8", EnclosurePage, EnclosureCell(3, 3)},
    ControlPlace{"Edit8", EnclosurePage, EnclosureCell(4, 3)},
    ControlPlace{"Edit12", EnclosurePage, EnclosureCell(5, 3)},
    ControlPlace{"Edit52", EnclosurePage, EnclosureCell(6, 3)},
    ControlPlace{"Edit39", EnclosurePage, EnclosureCell(7, 3)},
    ControlPlace{"ComboBox9", EnclosurePage, EnclosureCell(1, 4)},
    ControlPlace{"Edit13", EnclosurePage, EnclosureCell(2, 4)},
    ControlPlace{"ComboBox10", EnclosurePage, EnclosureCell(3, 4)},
    ControlPlace{"Edit14", EnclosurePage, EnclosureCell(4, 4)},
    ControlPlace{"Edit15", EnclosurePage, EnclosureCell(5, 4)},
    ControlPlace{"Edit53", EnclosurePage, EnclosureCell(6, 4)},
    ControlPlace{"Edit40", EnclosurePage, EnclosureCell(7, 4)},
    ControlPlace{"ComboBox11", EnclosurePage, EnclosureCell(1, 5)},
    ControlPlace{"Edit16", EnclosurePage, EnclosureCell(2, 5)},
    ControlPlace{"ComboBox12", EnclosurePage, EnclosureCell(3, 5)},
    ControlPlace{"Edit17", EnclosurePage, EnclosureCell(4, 5)},
    ControlPlace{"Edit18", EnclosurePage, EnclosureCell(5, 5)},
    ControlPlace{"Edit41", EnclosurePage, EnclosureCell(7, 5)},
    ControlPlace{"Edit42", EnclosurePage, {698, 200, 80, 21}},
    ControlPlace{"BitBtn7", EnclosurePage, {64, 200, 260, 28}},
    // --- "Поправка на солнечную радиацию Q12" ------------------------------------------------
    ControlPlace{"Edit26", SolarPage, SolarCell(1, 0)},
    ControlPlace{"Edit31", SolarPage, SolarCell(2, 0)},
    ControlPlace{"Edit44", SolarPage, SolarCell(3, 0)},
    ControlPlace{"ComboBox14", SolarPage, SolarCell(4, 0)},
    ControlPlace{"Edit57", SolarPage, SolarCell(5, 0)},
    ControlPlace{"Edit62", SolarPage, SolarCell(6, 0)},
    ControlPlace{"Edit67", SolarPage, SolarCell(7, 0)},
    ControlPlace{"Edit27", SolarPage, SolarCell(1, 1)},
    ControlPlace{"Edit32", SolarPage, SolarCell(2, 1)},
    ControlPlace{"Edit45", SolarPage, SolarCell(3, 1)},
    ControlPlace{"ComboBox15", SolarPage, SolarCell(4, 1)},
    ControlPlace{"Edit58", SolarPage, SolarCell(5, 1)},
    ControlPlace{"Edit63", SolarPage, SolarCell(6, 1)},
    ControlPlace{"Edit68", SolarPage, SolarCell(7, 1)},
    ControlPlace{"Edit28", SolarPage, SolarCell(1, 2)},
    ControlPlace{"Edit33", SolarPage, SolarCell(2, 2)},
    ControlPlace{"Edit46", SolarPage, SolarCell(3, 2)},
    ControlPlace{"ComboBox16", SolarPage, SolarCell(4, 2)},
    ControlPlace{"Edit59", SolarPage, SolarCell(5, 2)},
    ControlPlace{"Edit64", SolarPage, SolarCell(6, 2)},
    ControlPlace{"Edit69", SolarPage, SolarCell(7, 2)},
    ControlPlace{"Edit29", SolarPage, SolarCell(1, 3)},
    ControlPlace{"Edit34", SolarPage, SolarCell(2, 3)},
    ControlPlace{"Edit47", SolarPage, SolarCell(3, 3)},
    ControlPlace{"ComboBox17", SolarPage, SolarCell(4, 3)},
    ControlPlace{"Edit60", SolarPage, SolarCell(5, 3)},
    ControlPlace{"Edit65", SolarPage, SolarCell(6, 3)},
    ControlPlace{"Edit70", SolarPage, SolarCell(7, 3)},
    ControlPlace{"Edit35", SolarPage, SolarCell(2, 4)},
    ControlPlace{"Edit48", SolarPage, SolarCell(3, 4)},
    ControlPlace{"ComboBox18", SolarPage, SolarCell(4, 4)},
    ControlPlace{"Edit61", SolarPage, SolarCell(5, 4)},
    ControlPlace{"Edit66", SolarPage, SolarCell(6, 4)},
    ControlPlace{"Edit71", SolarPage, SolarCell(7, 4)},
    ControlPlace{"Edit72", SolarPage, {726, 184, 80, 21}},
    ControlPlace{"BitBtn8", SolarPage, {342, 182, 260, 28}},
    // --- "От вентиляции Q3" ---------------------------------------------------------------------
    ControlPlace{"Edit30", VentilationPage, {130, 24, 60, 21}},
    ControlPlace{"Edit73", VentilationPage, {304, 24, 80, 21}},
    // --- goods ------------------------------------------------------------------------------------
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
    // --- operational ------------------------------------------------------------------------------
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
};

constexpr std::array kCaptions{
    // --- "Через ограждение Q1" ---------------------------------------------------------------
    CaptionPlace{"", EnclosurePage, "Материал строительной конструкции", EnclosureHeading(1, 1), Centered},
    CaptionPlace{"", EnclosurePage, "Толщина", EnclosureHeading(2, 0), Centered},
    CaptionPlace{"", EnclosurePage, "стены, мм", EnclosureHeading(2, 1), Centered},
    CaptionPlace{"", EnclosurePage, "Материал изоляции", EnclosureHeading(3, 1), Centered},
    CaptionPlace{"", EnclosurePage, "Толщина", EnclosureHeading(4, 0), Centered},
    CaptionPlace{"", EnclosurePage, "изол., мм", EnclosureHeading(4, 1), Centered},
    CaptionPlace{"", EnclosurePage, "Температура", EnclosureHeading(5, 0), Centered},
    CaptionPlace{"", EnclosurePage, "снаружи", EnclosureHeading(5, 1), Centered},
    CaptionPlace{"", EnclosurePage, "Теплоприток", EnclosureHeading(7, 0), Centered},
    CaptionPlace{"", EnclosurePage, "кВт", EnclosureHeading(7, 1), Centered},
    CaptionPlace{"", EnclosurePage, "Стена А", EnclosureRowCaption(0), Bold},
    CaptionPlace{"", EnclosurePage, "Стена Б", EnclosureRowCaption(1), Bold},
    CaptionPlace{"", EnclosurePage, "Стена В", EnclosureRowCaption(2), Bold},
    CaptionPlace{"", EnclosurePage, "Стена Г", EnclosureRowCaption(3), Bold},
    CaptionPlace{"", EnclosurePage, "Потолок", EnclosureRowCaption(4), Bold},
    CaptionPlace{"", EnclosurePage, "Пол", EnclosureRowCaption(5), Bold},
    CaptionPlace{"", EnclosurePage, "ИТОГО Q1", {592, 203, 100, 16}, Right},
    // --- "Поправка на солнечную радиацию Q12" ------------------------------------------------
    CaptionPlace{"", SolarPage, "Ориентация", SolarHeading(1, 1), Centered},
    CaptionPlace{"", SolarPage, "стены", SolarHeading(1, 2), Centered},
    CaptionPlace{"", SolarPage, "Материал строительной конструкции", SolarHeading(2, 2), Centered},
    CaptionPlace{"", SolarPage, "Освещенность", SolarHeading(3, 2), Centered},
    CaptionPlace{"", SolarPage, "Покрытие", SolarHeading(4, 2), Centered},
    CaptionPlace{"", SolarPage, "Избыточная", SolarHeading(6, 0), Centered},
    CaptionPlace{"", SolarPage, "разность", SolarHeading(6, 1), Centered},
    CaptionPlace{"", SolarPage, "температур", SolarHeading(6, 2), Centered},
    CaptionPlace{"", SolarPage, "Теплоприток", SolarHeading(7, 1), Centered},
    CaptionPlace{"", SolarPage, "кВт", SolarHeading(7, 2), Centered},
    CaptionPlace{"", SolarPage, "Стена А", SolarRowCaption(0), Bold},
    CaptionPlace{"", SolarPage, "Стена Б", SolarRowCaption(1), Bold},
    CaptionPlace{"", SolarPage, "Стена В", SolarRowCaption(2), Bold},
    CaptionPlace{"", SolarPage, "Стена Г", SolarRowCaption(3), Bold},
    CaptionPlace{"", SolarPage, "Потолок", SolarRowCaption(4), Bold},
    CaptionPlace{"", SolarPage, " ИТОГО Q12", {606, 187, 114, 16}, Right},
    // --- "От вентиляции Q3" ---------------------------------------------------------------------
    CaptionPlace{"", VentilationPage, "Введите кратность", {16, 21, 112, 14}},
    CaptionPlace{"", VentilationPage, "воздухообмена", {16, 34, 112, 14}},
    CaptionPlace{"", VentilationPage, "ИТОГО Q3", {226, 27, 74, 16}, Right},
    // --- goods ------------------------------------------------------------------------------------
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
    // --- operational ------------------------------------------------------------------------------
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
};

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
