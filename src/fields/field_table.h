// The behaviour of every input control of the main window as data: what each numeric field accepts
// and commits, where the Enter key sends the focus, what else a commit or a choice changes; the
// lists, check boxes, free-text fields and the result fields that pass the Enter key on.
#pragma once

#include "fields/control_catalogue.h"
#include "fields/number_text.h"

#include <optional>
#include <span>
#include <string_view>

namespace zeltar::fields {

// How a committed number is stored in its parameter.
enum class Storage {
    Real,    // double
    Whole,   // 32-bit integer, converted with the integer conversion
    Percent, // double holding the field's percent / 100 (the two relative humidities)
};

// Upper bounds taken from other parameters at the moment of the commit.
enum class ComputedBound {
    None,
    StackHeight,   // round(RoomHeight) - 1, m
    DailyTurnover, // round((NetCapacity + 1) x 1.5), t/day
    DoorHeight,    // round(RoomHeight), m
    DoorWidth,     // round(RoomWidth), m
    DoorOpenTime,  // 24 h/day with "дверь открыта до 24 ч/сут" ticked, else 8
};

// The door-open time's upper bounds (h/day): the specified form's, and the whole day.
inline constexpr double kDoorOpenHoursMax = 8;
inline constexpr double kDoorOpenAllDayHoursMax = 24;

// What a commit changes besides its own parameter, before the recalculation.
enum class CommitEffect {
    None,
    DesignTemperature,    // the six outside temperatures follow (floor on heated ground keeps 1)
    RoomHeight,           // presets the stacking height to RoomHeight - 1 (field shown within 0..20)
    RoomTemperature,      // raises the final and inlet temperatures of the goods as the room type says
    DailyTurnoverPercent, // the tonnes per day follow the percentage
    DailyTurnover,        // the percentage follows the tonnes per day
};

// Where the Enter key sends the focus: to `enterTarget`, or to `enterAlternative` when the rule's
// condition holds.
enum class EnterRule {
    Fixed,
    RailRoomSkipsCapacity,   // rail rooms (types 4, 5) go to the alternative; no room type: stay
    ProcessingSkipsTurnover, // chambers and rails (types 2 to 5) go to the alternative; none: stay
    FanDetailed,             // "Уточняющий расчет" ticked: the alternative
    CustomCity,              // "свой вариант" chosen: the alternative
    DoorTimeMode,            // "расчет по времени" ticked: the alternative
    None,                    // the key has no rule here
};

// Each rule names its control; the parameter and tab page come from the control catalogue.
struct NumericField {
    Control control;
    std::string_view parameter;
    FieldKind kind;
    int maxLength; // characters while typing
    double lower;
    double upper; // unless `computedUpper` says otherwise
    ComputedBound computedUpper;
    Storage storage;
    Control enterTarget;
    std::optional<Control> enterAlternative;
    EnterRule enterRule;
    CommitEffect effect;
    std::optional<Control> spacePresses; // the space bar moves as Enter does, then presses this button
    int tab;
};

// What picking an entry does before the recalculation.
enum class ChoiceRule {
    StoreIndex,   // the parameter takes the index
    City,         // climate of the city, the six outside temperatures, the climate fields' state
    FloorType,    // floor coefficient and outside temperature, the floor field's state
    RoomType,     // room and goods temperatures, group presets, captions and visibility
    Product,      // group, moisture, cryoscopic point, packaging, warning colour
    ProductGroup, // the group's first product and its properties
};

struct ListField {
    Control control;
    std::string_view parameter;
    ChoiceRule choice;
    Control enterTarget;
    std::optional<Control> enterAlternative;
    EnterRule enterRule;
    std::optional<Control> spacePresses;
    int tab;
};

// Check boxes: clicking flips the parameter and recalculates; leaving recalculates.
struct CheckBoxField {
    Control control;
    std::string_view parameter() const { return Facts(control).parameter; }
    std::string_view caption() const { return Facts(control).caption; }
};

// Free text without filter, bound or recalculation.
struct TextField {
    Control control;
    std::string_view caption; // the field's label, for messages
    std::string_view parameter() const { return Facts(control).parameter; }
};

// Read-only result fields, the last of a tab, whose Enter key shows the next tab and focuses there.
struct PassOnField {
    Control control;
    Control enterTarget; // its tab page is shown with it
};

std::span<const NumericField> NumericFields();
std::span<const ListField> ListFields();
std::span<const CheckBoxField> CheckBoxFields();
std::span<const TextField> TextFields();
std::span<const PassOnField> PassOnFields();

const NumericField* FindNumericField(Control control);
const ListField* FindListField(Control control);
const CheckBoxField* FindCheckBoxField(Control control);
const TextField* FindTextField(Control control);
const PassOnField* FindPassOnField(Control control);

// Whether the cleanup after a released key runs for the kind (those admitting "," or "-").
constexpr bool CleansAfterKey(FieldKind kind)
{
    return kind != FieldKind::Digits;
}
// Whether the kind's key filter records the comma position (those admitting ",").
constexpr bool AdmitsComma(FieldKind kind)
{
    return kind == FieldKind::Decimal || kind == FieldKind::SignedDecimal;
}

} // namespace zeltar::fields
