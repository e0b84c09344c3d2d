// Which member of the project record each control edits or shows, typed: the one table the form
// model's commits (app/form_parameters.h) and the project file's lines (line_table.cpp) both read.
// A control named with a member of another type, or a file line whose control stands for no member,
// does not build.
#pragma once

#include "fields/control.h"
#include "model/project_state.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

namespace zeltar {

// A member of one enclosure row.
template <class T>
struct RowMember {
    int row;
    T EnclosureRow::*member;
};

// Where a value is held: nowhere (display texts, captions, display states), a member of the record,
// or a member of one enclosure row.
using RecordSlot = std::variant<std::monostate, double ProjectState::*, int ProjectState::*,
                                std::string ProjectState::*, RowMember<double>, RowMember<int>>;

// The controls of the six enclosure rows that stand for a member of the row, in the row order
// A, B, C, D, ceiling, floor (nullopt where a row has none).
using RowControls = std::array<std::optional<Control>, kRowCount>;

inline constexpr RowControls kStructureThicknessFields{
    Control::StructureThicknessA, Control::StructureThicknessB,       Control::StructureThicknessC,
    Control::StructureThicknessD, Control::StructureThicknessCeiling, Control::StructureThicknessFloor};
inline constexpr RowControls kInsulationThicknessFields{
    Control::InsulationThicknessA, Control::InsulationThicknessB,       Control::InsulationThicknessC,
    Control::InsulationThicknessD, Control::InsulationThicknessCeiling, Control::InsulationThicknessFloor};
inline constexpr RowControls kOutsideTemperatureFields{
    Control::OutsideTemperatureA, Control::OutsideTemperatureB,       Control::OutsideTemperatureC,
    Control::OutsideTemperatureD, Control::OutsideTemperatureCeiling, Control::OutsideTemperatureFloor};
inline constexpr RowControls kStructureMaterialLists{
    Control::StructureMaterialA, Control::StructureMaterialB,       Control::StructureMaterialC,
    Control::StructureMaterialD, Control::StructureMaterialCeiling, Control::StructureMaterialFloor};
inline constexpr RowControls kInsulationMaterialLists{
    Control::InsulationMaterialA, Control::InsulationMaterialB,       Control::InsulationMaterialC,
    Control::InsulationMaterialD, Control::InsulationMaterialCeiling, Control::InsulationMaterialFloor};
inline constexpr RowControls kSurfaceFinishLists{Control::SurfaceFinishA,       Control::SurfaceFinishB,
                                                 Control::SurfaceFinishC,       Control::SurfaceFinishD,
                                                 Control::SurfaceFinishCeiling, std::nullopt};
// The texts the surface tiles write and the flags they show: sunlit or not (solar tab), outside or
// inside (enclosure tab).
inline constexpr RowControls kSunlitTexts{Control::SunlitTextA, Control::SunlitTextB,       Control::SunlitTextC,
                                          Control::SunlitTextD, Control::SunlitTextCeiling, std::nullopt};
inline constexpr RowControls kOutsideFacingTexts{Control::OutsideFacingTextA,       Control::OutsideFacingTextB,
                                                 Control::OutsideFacingTextC,       Control::OutsideFacingTextD,
                                                 Control::OutsideFacingTextCeiling, std::nullopt};
// The «Дополнительно» page: per row its U-value and three extra layers (material list, thickness).
inline constexpr RowControls kUValueFields{Control::UValueA, Control::UValueB,       Control::UValueC,
                                           Control::UValueD, Control::UValueCeiling, Control::UValueFloor};
inline constexpr RowControls kLayer1Lists{Control::ExtraLayerMaterial1A,       Control::ExtraLayerMaterial1B,
                                          Control::ExtraLayerMaterial1C,       Control::ExtraLayerMaterial1D,
                                          Control::ExtraLayerMaterial1Ceiling, Control::ExtraLayerMaterial1Floor};
inline constexpr RowControls kLayer1Fields{Control::ExtraLayerThickness1A,       Control::ExtraLayerThickness1B,
                                           Control::ExtraLayerThickness1C,       Control::ExtraLayerThickness1D,
                                           Control::ExtraLayerThickness1Ceiling, Control::ExtraLayerThickness1Floor};
inline constexpr RowControls kLayer2Lists{Control::ExtraLayerMaterial2A,       Control::ExtraLayerMaterial2B,
                                          Control::ExtraLayerMaterial2C,       Control::ExtraLayerMaterial2D,
                                          Control::ExtraLayerMaterial2Ceiling, Control::ExtraLayerMaterial2Floor};
inline constexpr RowControls kLayer2Fields{Control::ExtraLayerThickness2A,       Control::ExtraLayerThickness2B,
                                           Control::ExtraLayerThickness2C,       Control::ExtraLayerThickness2D,
                                           Control::ExtraLayerThickness2Ceiling, Control::ExtraLayerThickness2Floor};
inline constexpr RowControls kLayer3Lists{Control::ExtraLayerMaterial3A,       Control::ExtraLayerMaterial3B,
                                          Control::ExtraLayerMaterial3C,       Control::ExtraLayerMaterial3D,
                                          Control::ExtraLayerMaterial3Ceiling, Control::ExtraLayerMaterial3Floor};
inline constexpr RowControls kLayer3Fields{Control::ExtraLayerThickness3A,       Control::ExtraLayerThickness3B,
                                           Control::ExtraLayerThickness3C,       Control::ExtraLayerThickness3D,
                                           Control::ExtraLayerThickness3Ceiling, Control::ExtraLayerThickness3Floor};

namespace record_fields {

using S = ProjectState;
using R = EnclosureRow;
using enum Control;

struct Field {
    Control control;
    RecordSlot slot;
};

// A member of every row, edited by the row's control of `controls`.
template <class T>
struct RowColumn {
    const RowControls* controls;
    T R::*member;
};

inline constexpr Field kFields[]{
    {Latitude, &S::latitude},
    {OutsideDesignTemperature, &S::outsideDesignTemperature},
    {OutsideRelativeHumidity, &S::outsideRelativeHumidity},
    {RoomLength, &S::roomLength},
    {RoomWidth, &S::roomWidth},
    {RoomHeight, &S::roomHeight},
    {RoomTemperature, &S::roomTemperature},
    {RoomRelativeHumidity, &S::roomRelativeHumidity},
    {EquipmentRunningHours, &S::equipmentRunningHours},
    {CapacityReserve, &S::capacityReserve},
    {AirExchangeRate, &S::airExchangeRate},
    {StackHeight, &S::stackHeight},
    {StackDensity, &S::stackDensity},
    {NetCapacity, &S::netCapacity},
    {DailyTurnoverPercent, &S::dailyTurnoverPercent},
    {DailyTurnover, &S::dailyTurnover},
    {CryoscopicTemperature, &S::cryoscopicTemperature},
    {ProductInletTemperature, &S::productInletTemperature},
    {ProductFinalTemperature, &S::productFinalTemperature},
    {DoorHeight, &S::doorHeight},
    {DoorWidth, &S::doorWidth},
    {LoadUnitMass, &S::loadUnitMass},
    {DoorOpenTime, &S::doorOpenTime},
    {LightingPowerDensity, &S::lightingPowerDensity},
    {LightingHours, &S::lightingHours},
    {VehiclePower, &S::vehiclePower},
    {VehicleHours, &S::vehicleHours},
    {FanPower, &S::fanPower},
    {Consumer1Power, &S::consumer1Power},
    {Consumer1Hours, &S::consumer1Hours},
    {Consumer2Power, &S::consumer2Power},
    {Consumer2Hours, &S::consumer2Hours},
    {City, &S::city},
    {FloorType, &S::floorType},
    {RoomType, &S::roomType},
    {PackagingShare, &S::packagingShare},
    {Product, &S::product},
    {ProductGroup, &S::productGroup},
    {PackagingMaterial, &S::packagingMaterial},
    {HighTurnover, &S::highTurnover},
    {DoorProtection, &S::doorProtection},
    {DoorType, &S::doorType},
    {DoorTimeMode, &S::doorTimeMode},
    {StaffCount, &S::staffCount},
    {FanSharePercent, &S::fanSharePercent},
    {FanDetailedCalculation, &S::fanDetailedCalculation},
    {FanCount, &S::fanCount},
    {Consumer1Name, &S::consumer1Name},
    {Consumer2Name, &S::consumer2Name},
    {ClientName, &S::clientName},
    {ContractorName, &S::contractorName},
    {SiteName, &S::siteName},
    {ProjectDate, &S::projectDate},
    {ProjectName, &S::projectName},
    {DefrostHeaterPower, &S::defrostHeaterPower},
    {DefrostCoolerCount, &S::defrostCoolerCount},
    {DefrostsPerDay, &S::defrostsPerDay},
    {DefrostDuration, &S::defrostDuration},
    {DefrostRoomShare, &S::defrostRoomShare},
    {StaffOwnHours, &S::staffOwnHours},
    {StaffHours, &S::staffHours},
    {DoorOpenAllDay, &S::doorOpenAllDay},
    {LightingTwoDecimals, &S::lightingTwoDecimals},
};

inline constexpr RowColumn<double> kRowReals[]{
    {&kStructureThicknessFields, &R::structureThickness}, {&kInsulationThicknessFields, &R::insulationThickness},
    {&kOutsideTemperatureFields, &R::outsideTemperature}, {&kUValueFields, &R::uValue},
    {&kLayer1Fields, &R::extraLayerThickness1},           {&kLayer2Fields, &R::extraLayerThickness2},
    {&kLayer3Fields, &R::extraLayerThickness3},
};

inline constexpr RowColumn<int> kRowWholes[]{
    {&kStructureMaterialLists, &R::structureMaterial}, {&kInsulationMaterialLists, &R::insulationMaterial},
    {&kSurfaceFinishLists, &R::surfaceFinish},         {&kSunlitTexts, &R::sunlit},
    {&kOutsideFacingTexts, &R::outsideFacing},         {&kLayer1Lists, &R::extraLayerMaterial1},
    {&kLayer2Lists, &R::extraLayerMaterial2},          {&kLayer3Lists, &R::extraLayerMaterial3},
};

template <class T, std::size_t N>
constexpr RecordSlot InColumns(const RowColumn<T> (&columns)[N], Control control)
{
    for (const RowColumn<T>& column : columns)
        for (int row = 0; row < kRowCount; ++row)
            if ((*column.controls)[static_cast<std::size_t>(row)] == control)
                return RowMember<T>{row, column.member};
    return {};
}

// Each control stands for one member at most: it is named once in the table.
constexpr int TimesNamed(Control control)
{
    int times = 0;
    for (const Field& field : kFields)
        times += field.control == control ? 1 : 0;
    const auto countIn = [&](const auto& columns) {
        for (const auto& column : columns)
            for (const std::optional<Control>& rowControl : *column.controls)
                times += rowControl == control ? 1 : 0;
    };
    countIn(kRowReals);
    countIn(kRowWholes);
    return times;
}
constexpr bool EachControlNamedOnce()
{
    for (const Field& field : kFields)
        if (TimesNamed(field.control) != 1)
            return false;
    for (const RowColumn<double>& column : kRowReals)
        for (const std::optional<Control>& control : *column.controls)
            if (control && TimesNamed(*control) != 1)
                return false;
    for (const RowColumn<int>& column : kRowWholes)
        for (const std::optional<Control>& control : *column.controls)
            if (control && TimesNamed(*control) != 1)
                return false;
    return true;
}
static_assert(EachControlNamedOnce(), "a control stands for one member of the project record at most");

} // namespace record_fields

// The member `control` edits or shows (monostate for a control that stands for none).
constexpr RecordSlot RecordSlotOf(Control control)
{
    for (const record_fields::Field& field : record_fields::kFields)
        if (field.control == control)
            return field.slot;
    if (const RecordSlot slot = record_fields::InColumns(record_fields::kRowReals, control); slot.index() != 0)
        return slot;
    return record_fields::InColumns(record_fields::kRowWholes, control);
}

// The member of a control that must stand for one: used where the answer is needed at compile time,
// a control without a member stops the build.
constexpr RecordSlot StoredSlotOf(Control control)
{
    const RecordSlot slot = RecordSlotOf(control);
    if (slot.index() == 0)
        throw std::logic_error("the control stands for no member of the project record");
    return slot;
}

// The value a slot points at in one record: exactly one pointer is set for a slot that is not empty.
struct RecordValue {
    double* real = nullptr;
    int* whole = nullptr;
    std::string* text = nullptr;
};

inline RecordValue ValueAt(ProjectState& state, const RecordSlot& slot)
{
    RecordValue value;
    if (const auto* real = std::get_if<double ProjectState::*>(&slot))
        value.real = &(state.**real);
    else if (const auto* whole = std::get_if<int ProjectState::*>(&slot))
        value.whole = &(state.**whole);
    else if (const auto* text = std::get_if<std::string ProjectState::*>(&slot))
        value.text = &(state.**text);
    else if (const auto* rowReal = std::get_if<RowMember<double>>(&slot))
        value.real = &(state.rows[static_cast<std::size_t>(rowReal->row)].*rowReal->member);
    else if (const auto* rowWhole = std::get_if<RowMember<int>>(&slot))
        value.whole = &(state.rows[static_cast<std::size_t>(rowWhole->row)].*rowWhole->member);
    return value;
}

} // namespace zeltar
