// Captions of the main panel that the window shows beside its fields and that texts outside the
// window (the overview of zeltar-cli) repeat word for word: the room group and the summary column.
#pragma once

#include <array>
#include <string_view>

namespace zeltar {

// A caption and the control it names.
struct CaptionedControl {
    std::string_view caption;
    std::string_view control;
};

// Group "Город" with the city list, group "Тип камеры" with the room-type list.
inline constexpr CaptionedControl kCityCaption{"Город", "ComboBox13"};
inline constexpr CaptionedControl kRoomTypeCaption{"Тип камеры", "ComboBox20"};

// The room's fields in the group "Параметры камеры" and its sub-group of the room climate.
inline constexpr CaptionedControl kRoomLengthCaption{"длина,м", "Edit22"};
inline constexpr CaptionedControl kRoomWidthCaption{"ширина,м", "Edit23"};
inline constexpr CaptionedControl kRoomHeightCaption{"высота,м", "Edit24"};
inline constexpr CaptionedControl kRoomAreaCaption{"площадь,кв.м", "Edit115"};
inline constexpr CaptionedControl kRoomVolumeCaption{"объем,куб.м", "Edit25"};
inline constexpr CaptionedControl kRoomTemperatureCaption{"Температура в камере, гр.С", "Edit43"};

// The header field "ОБЪЕКТ" (the site).
inline constexpr CaptionedControl kSiteCaption{"ОБЪЕКТ", "Edit127"};

// The summary column "ТЕПЛОПРИТОКИ": the six gains in the window's order, then the sum and the
// capacity the equipment needs, each in kilowatts.
inline constexpr std::string_view kSummaryGroupCaption = "ТЕПЛОПРИТОКИ";
inline constexpr std::array<CaptionedControl, 6> kSummaryGainCaptions{{
    {"Q1", "Edit118"},
    {"Q12", "Edit119"},
    {"Q2", "Edit120"},
    {"Q3", "Edit121"},
    {"Q4", "Edit122"},
    {"Q5", "Edit123"},
}};
inline constexpr CaptionedControl kTotalHeatGainCaption{"Q сум.", "Edit106"};
inline constexpr CaptionedControl kEquipmentCapacityCaption{"Q об.", "Edit116"};
inline constexpr std::string_view kKiloWattsCaption = "кВт";

} // namespace zeltar
