// Captions of the main panel that the window shows beside its fields and that texts outside the
// window (the overview of zeltar-cli) repeat word for word: the room group and the summary column.
#pragma once

#include "calc/results.h"
#include "fields/control.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zeltar {

// A caption and the control it names.
struct CaptionedControl {
    std::string_view caption;
    Control control;
};

// Group "Город" with the city list, group "Тип камеры" with the room-type list.
inline constexpr CaptionedControl kCityCaption{"Город", Control::City};
inline constexpr CaptionedControl kRoomTypeCaption{"Тип камеры", Control::RoomType};

// The room's fields in the group "Параметры камеры" and its sub-group of the room climate.
inline constexpr CaptionedControl kRoomLengthCaption{"длина,м", Control::RoomLength};
inline constexpr CaptionedControl kRoomWidthCaption{"ширина,м", Control::RoomWidth};
inline constexpr CaptionedControl kRoomHeightCaption{"высота,м", Control::RoomHeight};
inline constexpr CaptionedControl kRoomAreaCaption{"площадь,кв.м", Control::RoomArea};
inline constexpr CaptionedControl kRoomVolumeCaption{"объем,куб.м", Control::RoomVolume};
inline constexpr CaptionedControl kRoomTemperatureCaption{"Температура в камере, гр.С", Control::RoomTemperature};

// The header field "ОБЪЕКТ" (the site).
inline constexpr CaptionedControl kSiteCaption{"ОБЪЕКТ", Control::SiteName};

// The summary column "ТЕПЛОПРИТОКИ": the six gains the pass copies there, in the window's order, then
// the sum and the capacity the equipment needs, each in kilowatts.
inline constexpr std::string_view kSummaryGroupCaption = "ТЕПЛОПРИТОКИ";
inline constexpr std::array<std::string_view, calc::kSummaryCopies.size()> kSummaryGainNames{"Q1", "Q12", "Q2",
                                                                                             "Q3", "Q4",  "Q5"};
inline constexpr auto kSummaryGainCaptions = [] {
    std::array<CaptionedControl, calc::kSummaryCopies.size()> captions{};
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i] = {kSummaryGainNames[i], calc::RowOf(calc::kSummaryCopies[i].summary).control};
    return captions;
}();
inline constexpr CaptionedControl kTotalHeatGainCaption{"Q сум.", Control::TotalHeatGain};
inline constexpr CaptionedControl kEquipmentCapacityCaption{"Q об.", Control::EquipmentCapacity};
inline constexpr std::string_view kKiloWattsCaption = "кВт";

// The tab pages' captions, by page (fields::kEnclosureTab .. fields::kExtraTab).
inline constexpr std::array<std::string_view, fields::kTabCount> kTabPageCaptions{
    "Через ограждение Q1",
    "Поправка на солнечную радиацию Q12",
    "От вентиляции Q3",
    "От холодильной обработки Q2 и \"дыхания\" продукта Q5",
    "Эксплуатационные (от освещения, открывания дверей, персонала, ПТС, электропотребителей) Q4 ",
    "Дополнительно",
};

} // namespace zeltar
