// Where every region, control and caption of the main window lies: positions and sizes in pixels
// of the fixed 1024 x 750 window, each relative to the region that holds it. Controls carry the
// names the form model knows them by; the widget kind follows from the name's prefix (Edit,
// ComboBox, CheckBox, Label, PaintBox, Button, BitBtn).
#pragma once

#include "fields/control.h"

#include <optional>
#include <span>
#include <string_view>

namespace zeltar::gui {

inline constexpr int kWindowWidth = 1024; // px
inline constexpr int kWindowHeight = 750; // px

enum class Area {
    Window,
    CommandBar,
    HeaderBar,
    CityGroup,
    RoomGroup,
    RoomTypeGroup,
    RoomClimateGroup,
    EquipmentGroup,
    SummaryGroup,
    TabArea,
    // The six tab pages, in the order of their tabs.
    EnclosurePage,
    SolarPage,
    VentilationPage,
    GoodsPage,
    OperationalPage,
    ExtraPage,
    // Groups on the goods page.
    ProductBox,
    ProcessingBox,
    PackagingBox,
    CapacityBox,
    TurnoverFrame,
    // Groups on the operational page.
    DoorBox,
    LightingBox,
    StaffBox,
    VehicleBox,
    FanBox,
    ConsumerBox,
    // Groups on the «Дополнительно» page.
    DefrostBox,
    ExtraOptionsBox,
};

enum class AreaKind {
    Bar,   // dark blue panel
    Group, // framed group with a caption
    Tabs,  // the tabbed area
    Page,  // a page of the tabbed area (fills it; its box is ignored)
};

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct AreaPlace {
    Area area;
    Area parent;
    AreaKind kind;
    std::string_view caption; // group caption or tab caption
    Box box;
};

struct ControlPlace {
    Control control;
    Area area;
    Box box;
};

enum class CaptionStyle {
    Plain, // left aligned
    Right, // right aligned in its box
    Centered,
    Bold,
    BoldCentered,
    OnBar,      // white bold on a dark blue bar
    WallLetter, // 20 px bold letter of a wall in the plan
    WallLetterRegular,
};

// A label. `name` is the control name when the form model knows the label: its caption and
// visibility then come from the model and `text` is empty; "" for a fixed caption.
struct CaptionPlace {
    std::optional<Control> control; // a caption the form model holds, or none (a fixed text)
    Area area;
    std::string_view text;
    Box box;
    CaptionStyle style = CaptionStyle::Plain;
};

// The five buttons of the command bar, left to right; their captions come from the form model.
enum class Command { Load, Save, Preview, Print, Exit };
struct CommandPlace {
    Control control;
    Command command;
    Box box;
};

// Regions in creation order: a parent always comes before its children.
std::span<const AreaPlace> AreaPlaces();
// Controls outside the tabbed area, then on the pages.
std::span<const ControlPlace> PanelControlPlaces();
std::span<const ControlPlace> PageControlPlaces();
std::span<const CaptionPlace> PanelCaptionPlaces();
std::span<const CaptionPlace> PageCaptionPlaces();
std::span<const CommandPlace> CommandPlaces();

} // namespace zeltar::gui
