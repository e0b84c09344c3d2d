// Regions of the window and the controls and captions outside the tabbed area.
#include "app/panel_captions.h"
#include "window/layout_tables.h"
#include "window/window_layout.h"

#include <array>
#include <string_view>

namespace zeltar::gui {

namespace {

using enum Area;
using enum CaptionStyle;

constexpr std::array kAreas{
    AreaPlace{CommandBar, Window, AreaKind::Bar, "", {0, 0, kWindowWidth, 40}},
    AreaPlace{CityGroup, Window, AreaKind::Group, kCityCaption.caption, {8, 176, 281, 121}},
    AreaPlace{RoomGroup, Window, AreaKind::Group, "Параметры камеры", {296, 56, 713, 241}},
    AreaPlace{RoomTypeGroup, RoomGroup, AreaKind::Group, kRoomTypeCaption.caption, {500, 12, 205, 44}},
    AreaPlace{RoomClimateGroup, RoomGroup, AreaKind::Group, "Температурно-влажностный режим ", {500, 58, 205, 90}},
    // Window position (760, 208): it lies in the lower right corner of the room group.
    AreaPlace{EquipmentGroup, RoomGroup, AreaKind::Group, "Режим работы оборудования", {464, 152, 241, 81}},
    AreaPlace{SummaryGroup, Window, AreaKind::Group, kSummaryGroupCaption, {8, 308, 177, 337}},
    AreaPlace{TabArea, Window, AreaKind::Tabs, "", {192, 312, 825, 345}},
    AreaPlace{EnclosurePage, TabArea, AreaKind::Page, kTabPageCaptions[fields::kEnclosureTab], {}},
    AreaPlace{SolarPage, TabArea, AreaKind::Page, kTabPageCaptions[fields::kSolarTab], {}},
    AreaPlace{VentilationPage, TabArea, AreaKind::Page, kTabPageCaptions[fields::kVentilationTab], {}},
    AreaPlace{GoodsPage, TabArea, AreaKind::Page, kTabPageCaptions[fields::kGoodsTab], {}},
    AreaPlace{OperationalPage, TabArea, AreaKind::Page, kTabPageCaptions[fields::kOperationalTab], {}},
    AreaPlace{ExtraPage, TabArea, AreaKind::Page, kTabPageCaptions[fields::kExtraTab], {}},
    AreaPlace{ProductBox, GoodsPage, AreaKind::Group, "Характеристики продукта", {4, 2, 292, 126}},
    AreaPlace{PackagingBox, GoodsPage, AreaKind::Group, "Характеристики тары", {4, 132, 292, 100}},
    AreaPlace{ProcessingBox, GoodsPage, AreaKind::Group, "Режим холодильной обработки груза ", {300, 2, 250, 126}},
    AreaPlace{TurnoverFrame, GoodsPage, AreaKind::Group, "Скорость оборота груза при хранении", {300, 132, 250, 48}},
    AreaPlace{CapacityBox, GoodsPage, AreaKind::Group, "Условная емкость камеры", {554, 2, 263, 178}},
    AreaPlace{DoorBox, OperationalPage, AreaKind::Group, "Открывание дверей", {4, 2, 230, 258}},
    AreaPlace{LightingBox, OperationalPage, AreaKind::Group, "От освещения", {238, 2, 204, 102}},
    AreaPlace{StaffBox, OperationalPage, AreaKind::Group, "От персонала", {238, 106, 204, 74}},
    AreaPlace{VehicleBox, OperationalPage, AreaKind::Group, "От ПТС", {238, 182, 204, 102}},
    AreaPlace{FanBox, OperationalPage, AreaKind::Group, "От вентиляторов", {446, 2, 369, 112}},
    AreaPlace{ConsumerBox, OperationalPage, AreaKind::Group, "Электропотребители клиента", {446, 118, 369, 118}},
    AreaPlace{DefrostBox, ExtraPage, AreaKind::Group, "Оттайка воздухоохладителей (в Q4)", {4, 186, 470, 98}},
    AreaPlace{ExtraOptionsBox, ExtraPage, AreaKind::Group, "Персонал, дверь, освещение", {478, 186, 339, 98}},
    // 53 px of bar in a window whose outer size is 1024 x 750; here the window's inside is that
    // size, so the bar runs on to the bottom edge.
    AreaPlace{HeaderBar, Window, AreaKind::Bar, "", {0, 662, kWindowWidth, kWindowHeight - 662}},
};

// The summary column "ТЕПЛОПРИТОКИ": a line per gain with its name, its field and "кВт" (the
// rows Q1 to Q5, then the sum and the equipment capacity lower down).
constexpr auto& kSummaryRows = kSummaryGainCaptions;
constexpr int SummaryRowY(std::size_t row) // of the field
{
    return 24 + 28 * static_cast<int>(row);
}
constexpr Box SummaryField(int y)
{
    return {46, y, 80, 21};
}
constexpr CaptionPlace SummaryUnit(int fieldY)
{
    return {std::nullopt, SummaryGroup, kKiloWattsCaption, {132, fieldY + 3, 36, 16}};
}

constexpr std::array<ControlPlace, kSummaryRows.size()> SummaryRowFields()
{
    std::array<ControlPlace, kSummaryRows.size()> fields{};
    for (std::size_t row = 0; row < kSummaryRows.size(); ++row)
        fields[row] = {kSummaryRows[row].control, SummaryGroup, SummaryField(SummaryRowY(row))};
    return fields;
}

// The rows' names, then their units.
constexpr std::array<CaptionPlace, 2 * kSummaryRows.size()> SummaryRowCaptions()
{
    std::array<CaptionPlace, 2 * kSummaryRows.size()> captions{};
    for (std::size_t row = 0; row < kSummaryRows.size(); ++row) {
        captions[row] = {
            std::nullopt, SummaryGroup, kSummaryRows[row].caption, {8, SummaryRowY(row) + 3, 36, 16}, Bold};
        captions[kSummaryRows.size() + row] = SummaryUnit(SummaryRowY(row));
    }
    return captions;
}

constexpr std::array kControls = Joined(
    std::array{
        // The logo: a mark at (84, 58) and its lettering below, in the area (22, 58) 260 x 119.
        ControlPlace{Control::Logo, Window, {22, 58, 260, 119}},
        // City and climate.
        ControlPlace{Control::City, CityGroup, {8, 18, 265, 21}},
        ControlPlace{Control::Latitude, CityGroup, {216, 44, 57, 21}},
        ControlPlace{Control::OutsideDesignTemperature, CityGroup, {216, 68, 57, 21}},
        ControlPlace{Control::OutsideRelativeHumidity, CityGroup, {216, 92, 57, 21}},
        // Plan with its compass, wall letters and tiles: sun tile and outside/inside tile of each wall.
        ControlPlace{Control::Plan, RoomGroup, {40, 48, 140, 140}},
        ControlPlace{Control::SunTileC, RoomGroup, {64, 16, 30, 30}}, // wall В (top)
        ControlPlace{Control::FacingTileC, RoomGroup, {126, 16, 30, 30}},
        ControlPlace{Control::SunTileA, RoomGroup, {64, 190, 30, 30}}, // wall А (bottom)
        ControlPlace{Control::FacingTileA, RoomGroup, {126, 190, 30, 30}},
        ControlPlace{Control::SunTileD, RoomGroup, {6, 72, 30, 30}}, // wall Г (left)
        ControlPlace{Control::FacingTileD, RoomGroup, {6, 134, 30, 30}},
        ControlPlace{Control::SunTileB, RoomGroup, {184, 72, 30, 30}}, // wall Б (right)
        ControlPlace{Control::FacingTileB, RoomGroup, {184, 134, 30, 30}},
        ControlPlace{Control::CompassButton, RoomGroup, {2, 17, 60, 24}},
        // Section sketch with the ceiling's tiles above the roof, the volume inside the room and the
        // floor placement on the ground.
        ControlPlace{Control::SectionSketch, RoomGroup, {220, 50, 160, 110}},
        ControlPlace{Control::SunTileCeiling, RoomGroup, {254, 16, 30, 30}},
        ControlPlace{Control::FacingTileCeiling, RoomGroup, {316, 16, 30, 30}},
        ControlPlace{Control::RoomVolume, RoomGroup, {265, 84, 70, 21}},
        ControlPlace{Control::FloorType, RoomGroup, {230, 129, 140, 21}},
        ControlPlace{Control::RoomArea, RoomGroup, {300, 170, 70, 21}},
        // Dimensions, room type, room climate, equipment.
        ControlPlace{Control::RoomLength, RoomGroup, {446, 20, 48, 21}},
        ControlPlace{Control::RoomWidth, RoomGroup, {446, 46, 48, 21}},
        ControlPlace{Control::RoomHeight, RoomGroup, {446, 72, 48, 21}},
        ControlPlace{Control::RoomType, RoomTypeGroup, {6, 17, 193, 21}},
        ControlPlace{Control::RoomTemperature, RoomClimateGroup, {152, 22, 47, 21}},
        ControlPlace{Control::RoomRelativeHumidity, RoomClimateGroup, {152, 52, 47, 21}},
        ControlPlace{Control::EquipmentRunningHours, EquipmentGroup, {180, 24, 50, 21}},
        ControlPlace{Control::CapacityReserve, EquipmentGroup, {180, 52, 50, 21}},
    },
    // Summary column.
    SummaryRowFields(),
    std::array{
        ControlPlace{kTotalHeatGainCaption.control, SummaryGroup, SummaryField(218)},
        ControlPlace{kEquipmentCapacityCaption.control, SummaryGroup, SummaryField(290)},
        // Header bar.
        ControlPlace{Control::ClientName, HeaderBar, {96, 4, 240, 21}},
        ControlPlace{Control::ContractorName, HeaderBar, {96, 27, 240, 21}},
        ControlPlace{Control::SiteName, HeaderBar, {414, 4, 380, 21}},
        ControlPlace{Control::ProjectName, HeaderBar, {414, 27, 380, 21}},
        ControlPlace{Control::ProjectDate, HeaderBar, {852, 4, 100, 21}},
    });

constexpr std::array kCommands{
    CommandPlace{Control::LoadButton, Command::Load, {8, 4, 190, 32}},
    CommandPlace{Control::SaveButton, Command::Save, {204, 4, 190, 32}},
    CommandPlace{Control::PreviewButton, Command::Preview, {400, 4, 190, 32}},
    CommandPlace{Control::PrintButton, Command::Print, {596, 4, 190, 32}},
    CommandPlace{Control::ExitButton, Command::Exit, {870, 4, 140, 32}},
};

constexpr std::array kCaptions = Joined(
    std::array{
        CaptionPlace{std::nullopt, CityGroup, "Географическая широта, град.", {8, 47, 206, 16}},
        CaptionPlace{std::nullopt, CityGroup, "Расчетная температура, гр.С", {8, 71, 206, 16}},
        CaptionPlace{std::nullopt, CityGroup, "Относительная влажность, %", {8, 95, 206, 16}},
        // Letters of the walls around the plan, and the labels lying on it.
        CaptionPlace{std::nullopt, RoomGroup, "В", {98, 17, 24, 28}, WallLetterRegular},
        CaptionPlace{std::nullopt, RoomGroup, "А", {98, 191, 24, 28}, WallLetter},
        CaptionPlace{std::nullopt, RoomGroup, "Г", {9, 104, 24, 28}, WallLetter},
        CaptionPlace{std::nullopt, RoomGroup, "Б", {187, 104, 24, 28}, WallLetter},
        CaptionPlace{std::nullopt, RoomGroup, "ширина", {50, 60, 120, 14}, Centered},
        CaptionPlace{std::nullopt, RoomGroup, "длина", {53, 150, 40, 14}},
        CaptionPlace{std::nullopt, RoomGroup, "дверь", {90, 162, 40, 14}, Centered},
        CaptionPlace{std::nullopt, RoomGroup, kRoomVolumeCaption.caption, {242, 66, 116, 14}, Centered},
        CaptionPlace{std::nullopt, RoomGroup, kRoomAreaCaption.caption, {222, 173, 76, 16}},
        CaptionPlace{std::nullopt, RoomGroup, kRoomLengthCaption.caption, {388, 23, 56, 16}},
        CaptionPlace{std::nullopt, RoomGroup, kRoomWidthCaption.caption, {388, 49, 56, 16}},
        CaptionPlace{std::nullopt, RoomGroup, kRoomHeightCaption.caption, {388, 75, 56, 16}},
        CaptionPlace{std::nullopt, RoomClimateGroup, kRoomTemperatureCaption.caption, {6, 25, 144, 16}},
        CaptionPlace{std::nullopt, RoomClimateGroup, "Отн.влажность в камере, %", {6, 55, 144, 16}},
        CaptionPlace{Control::RunningHoursCaption, EquipmentGroup, "", {8, 27, 168, 16}},
        CaptionPlace{std::nullopt, EquipmentGroup, "Резерв холодопроизвод.,  %", {8, 55, 168, 16}},
    },
    // Summary column.
    SummaryRowCaptions(),
    std::array{
        CaptionPlace{std::nullopt, SummaryGroup, "СУММА ТЕПЛОПРИТОКОВ", {2, 198, 173, 16}, BoldCentered},
        CaptionPlace{std::nullopt, SummaryGroup, kTotalHeatGainCaption.caption, {6, 221, 40, 16}, Bold},
        SummaryUnit(218),
        CaptionPlace{std::nullopt, SummaryGroup, "ХОЛ-ПРОИЗВОДИТЕЛЬНОСТЬ", {2, 254, 173, 16}, BoldCentered},
        CaptionPlace{std::nullopt, SummaryGroup, "ОБОРУДОВАНИЯ", {2, 268, 173, 16}, BoldCentered},
        CaptionPlace{std::nullopt, SummaryGroup, kEquipmentCapacityCaption.caption, {6, 293, 40, 16}, Bold},
        SummaryUnit(290),
        // Header bar.
        CaptionPlace{std::nullopt, HeaderBar, "КЛИЕНТ", {8, 7, 86, 16}, OnBar},
        CaptionPlace{std::nullopt, HeaderBar, "ИСПОЛНИТЕЛЬ", {8, 30, 86, 16}, OnBar},
        CaptionPlace{std::nullopt, HeaderBar, kSiteCaption.caption, {352, 7, 60, 16}, OnBar},
        CaptionPlace{std::nullopt, HeaderBar, "ПРОЕКТ", {352, 30, 60, 16}, OnBar},
        CaptionPlace{std::nullopt, HeaderBar, "ДАТА", {808, 7, 42, 16}, OnBar},
    });

} // namespace

std::span<const AreaPlace> AreaPlaces()
{
    return kAreas;
}

std::span<const ControlPlace> PanelControlPlaces()
{
    return kControls;
}

std::span<const CommandPlace> CommandPlaces()
{
    return kCommands;
}

std::span<const CaptionPlace> PanelCaptionPlaces()
{
    return kCaptions;
}

} // namespace zeltar::gui
