#include "fields/field_table.h"

#include <array>

// Data rows aligned by hand:
// clang-format off
namespace zeltar::fields {

namespace {

using K = FieldKind;
using B = ComputedBound;
using S = Storage;
using E = CommitEffect;
using R = EnterRule;
using enum Control;

// A field with fixed bounds, stored as a double, without extra effect, Enter to one target.
constexpr NumericField Plain(Control control, K kind, int length, double lower, double upper, Control enter)
{
    const ControlFacts& facts = Facts(control);
    return {control, facts.parameter, kind, length, lower, upper, B::None, S::Real, enter, {}, R::Fixed, E::None, {},
            facts.tab};
}

constexpr NumericField With(NumericField f, S storage)
{
    f.storage = storage;
    return f;
}
constexpr NumericField With(NumericField f, E effect)
{
    f.effect = effect;
    return f;
}
constexpr NumericField With(NumericField f, B bound)
{
    f.computedUpper = bound;
    return f;
}
constexpr NumericField Routed(NumericField f, R rule, Control alternative)
{
    f.enterRule = rule;
    f.enterAlternative = alternative;
    return f;
}
constexpr NumericField SpacePresses(NumericField f, Control button)
{
    f.spacePresses = button;
    return f;
}

// Thicknesses in mm (0..1000) and outside temperatures in °C (-50..300) of the enclosure rows.
constexpr double kThicknessMax = 1000;
constexpr double kOutsideMin = -50;
constexpr double kOutsideMax = 300;

// The extension inputs: a U-value up to 10 W/(m2 K) with up to three decimals ("0,235"), a defrost
// heater up to 100 kW per cooler, up to 50 coolers, up to 24 defrosts a day of up to 240 min each;
// the share of the heater heat entering the room is a fraction 0..1 ("0,3"), as the record holds it.
constexpr int kUValueLength = 5;
constexpr double kUValueMax = 10;
constexpr double kDefrostHeaterPowerMax = 100;
constexpr double kDefrostCoolersMax = 50;
constexpr double kDefrostsPerDayMax = 24;
constexpr double kDefrostDurationMax = 240;
constexpr double kHoursPerDayMax = 24;

constexpr std::array kNumericFields{
    // Room, climate and equipment panel.
    Plain(Latitude, K::Digits, 2, 30, 70, OutsideDesignTemperature),
    With(Plain(OutsideDesignTemperature, K::Decimal, 4, 0, 60, OutsideRelativeHumidity), E::DesignTemperature),
    With(Plain(OutsideRelativeHumidity, K::Digits, 2, 20, 99, FloorType), S::Percent),
    Plain(RoomLength, K::Decimal, 5, 0, 250, RoomWidth),
    Plain(RoomWidth, K::Decimal, 5, 0, 250, RoomHeight),
    With(Plain(RoomHeight, K::Decimal, 5, 0, 30, RoomType), E::RoomHeight),
    With(Plain(RoomTemperature, K::SignedDecimal, 5, -50, 100, RoomRelativeHumidity), E::RoomTemperature),
    With(Plain(RoomRelativeHumidity, K::Digits, 2, 50, 99, EquipmentRunningHours), S::Percent),
    Plain(EquipmentRunningHours, K::Decimal, 5, 1, 24, CapacityReserve),
    Plain(CapacityReserve, K::Digits, 2, 0, 99, StructureMaterialA),

    // Enclosure tab, rows A, B, C, D, ceiling, floor.
    Plain(StructureThicknessA, K::Digits, 4, 0, kThicknessMax, InsulationMaterialA),
    Plain(InsulationThicknessA, K::Digits, 4, 0, kThicknessMax, OutsideTemperatureA),
    SpacePresses(Plain(OutsideTemperatureA, K::SignedDecimal, 5, kOutsideMin, kOutsideMax, StructureMaterialB),
                 FillRowsButton),
    Plain(StructureThicknessB, K::Digits, 4, 0, kThicknessMax, InsulationMaterialB),
    Plain(InsulationThicknessB, K::Digits, 4, 0, kThicknessMax, OutsideTemperatureB),
    Plain(OutsideTemperatureB, K::SignedDecimal, 5, kOutsideMin, kOutsideMax, StructureMaterialC),
    Plain(StructureThicknessC, K::Digits, 4, 0, kThicknessMax, InsulationMaterialC),
    Plain(InsulationThicknessC, K::Digits, 4, 0, kThicknessMax, OutsideTemperatureC),
    Plain(OutsideTemperatureC, K::SignedDecimal, 5, kOutsideMin, kOutsideMax, StructureMaterialD),
    Plain(StructureThicknessD, K::Digits, 4, 0, kThicknessMax, InsulationMaterialD),
    Plain(InsulationThicknessD, K::Digits, 4, 0, kThicknessMax, OutsideTemperatureD),
    Plain(OutsideTemperatureD, K::SignedDecimal, 5, kOutsideMin, kOutsideMax, StructureMaterialCeiling),
    Plain(StructureThicknessCeiling, K::Digits, 4, 0, kThicknessMax, InsulationMaterialCeiling),
    Plain(InsulationThicknessCeiling, K::Digits, 4, 0, kThicknessMax, OutsideTemperatureCeiling),
    Plain(OutsideTemperatureCeiling, K::SignedDecimal, 5, kOutsideMin, kOutsideMax, StructureMaterialFloor),
    Plain(StructureThicknessFloor, K::Digits, 4, 0, kThicknessMax, InsulationMaterialFloor),
    Plain(InsulationThicknessFloor, K::Digits, 4, 0, kThicknessMax, OutsideTemperatureFloor),
    Plain(OutsideTemperatureFloor, K::SignedDigits, 5, kOutsideMin, kOutsideMax, HeatGainQ1),

    // Ventilation tab.
    Plain(AirExchangeRate, K::Decimal, 5, 0, 100, HeatGainQ3),

    // Goods tab.
    Plain(ProductInletTemperature, K::SignedDecimal, 5, -50, 50, ProductFinalTemperature),
    Routed(Plain(ProductFinalTemperature, K::SignedDecimal, 5, -50, 50, StackHeight),
           R::RailRoomSkipsCapacity, HeatGainQ5),
    With(Plain(StackHeight, K::Decimal, 5, 0, 0, StackDensity), B::StackHeight),
    Plain(StackDensity, K::Digits, 4, 0, 1000, PackagingShare),
    Routed(With(Plain(PackagingShare, K::Digits, 2, 0, 80, DailyTurnoverPercent), S::Whole),
           R::ProcessingSkipsTurnover, HeatGainQ5),
    With(Plain(DailyTurnoverPercent, K::Decimal, 5, 0, 150, HeatGainQ5), E::DailyTurnoverPercent),
    With(With(Plain(DailyTurnover, K::Decimal, 5, 0, 0, HeatGainQ5), B::DailyTurnover),
         E::DailyTurnover),

    // Operational tab.
    With(Plain(DoorHeight, K::Decimal, 4, 0, 0, DoorWidth), B::DoorHeight),
    With(Plain(DoorWidth, K::Decimal, 4, 0, 0, DoorProtection), B::DoorWidth),
    With(Plain(DoorOpenTime, K::Decimal, 4, 0, kDoorOpenHoursMax, LightingPowerDensity), B::DoorOpenTime),
    Plain(LoadUnitMass, K::Decimal, 5, 5, 5000, LightingPowerDensity),
    Plain(LightingPowerDensity, K::Decimal, 4, 0, 100, LightingHours),
    Plain(LightingHours, K::Decimal, 5, 0, 24, StaffCount),
    With(Plain(StaffCount, K::Digits, 2, 0, 50, VehiclePower), S::Whole),
    Plain(VehiclePower, K::Decimal, 4, 0, 50, VehicleHours),
    Routed(Plain(VehicleHours, K::Decimal, 5, 0, 24, FanSharePercent), R::FanDetailed, FanCount),
    With(Plain(FanCount, K::Digits, 4, 0, 50, FanPower), S::Whole),
    Plain(FanPower, K::Decimal, 4, 0, 10, Consumer1Power),
    With(Plain(FanSharePercent, K::Digits, 2, 0, 50, Consumer1Power), S::Whole),
    Plain(Consumer1Power, K::Decimal, 5, 0, 500, Consumer1Hours),
    Plain(Consumer1Hours, K::Decimal, 5, 0, 24, Consumer2Power),
    Plain(Consumer2Power, K::Decimal, 5, 0, 500, Consumer2Hours),
    Plain(Consumer2Hours, K::Decimal, 5, 0, 24, HeatGainQ4),

    // «Дополнительно» tab: per row its U-value and three extra layers (material, thickness), then the
    // defrost of the air coolers and the staff's own hours.
    Plain(UValueA, K::Decimal, kUValueLength, 0, kUValueMax, ExtraLayerMaterial1A),
    Plain(ExtraLayerThickness1A, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial2A),
    Plain(ExtraLayerThickness2A, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial3A),
    Plain(ExtraLayerThickness3A, K::Digits, 4, 0, kThicknessMax, UValueB),
    Plain(UValueB, K::Decimal, kUValueLength, 0, kUValueMax, ExtraLayerMaterial1B),
    Plain(ExtraLayerThickness1B, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial2B),
    Plain(ExtraLayerThickness2B, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial3B),
    Plain(ExtraLayerThickness3B, K::Digits, 4, 0, kThicknessMax, UValueC),
    Plain(UValueC, K::Decimal, kUValueLength, 0, kUValueMax, ExtraLayerMaterial1C),
    Plain(ExtraLayerThickness1C, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial2C),
    Plain(ExtraLayerThickness2C, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial3C),
    Plain(ExtraLayerThickness3C, K::Digits, 4, 0, kThicknessMax, UValueD),
    Plain(UValueD, K::Decimal, kUValueLength, 0, kUValueMax, ExtraLayerMaterial1D),
    Plain(ExtraLayerThickness1D, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial2D),
    Plain(ExtraLayerThickness2D, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial3D),
    Plain(ExtraLayerThickness3D, K::Digits, 4, 0, kThicknessMax, UValueCeiling),
    Plain(UValueCeiling, K::Decimal, kUValueLength, 0, kUValueMax, ExtraLayerMaterial1Ceiling),
    Plain(ExtraLayerThickness1Ceiling, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial2Ceiling),
    Plain(ExtraLayerThickness2Ceiling, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial3Ceiling),
    Plain(ExtraLayerThickness3Ceiling, K::Digits, 4, 0, kThicknessMax, UValueFloor),
    Plain(UValueFloor, K::Decimal, kUValueLength, 0, kUValueMax, ExtraLayerMaterial1Floor),
    Plain(ExtraLayerThickness1Floor, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial2Floor),
    Plain(ExtraLayerThickness2Floor, K::Digits, 4, 0, kThicknessMax, ExtraLayerMaterial3Floor),
    Plain(ExtraLayerThickness3Floor, K::Digits, 4, 0, kThicknessMax, DefrostHeaterPower),
    Plain(DefrostHeaterPower, K::Decimal, 5, 0, kDefrostHeaterPowerMax, DefrostCoolerCount),
    With(Plain(DefrostCoolerCount, K::Digits, 2, 0, kDefrostCoolersMax, DefrostsPerDay), S::Whole),
    Plain(DefrostsPerDay, K::Decimal, 4, 0, kDefrostsPerDayMax, DefrostDuration),
    Plain(DefrostDuration, K::Decimal, 5, 0, kDefrostDurationMax, DefrostRoomShare),
    Plain(DefrostRoomShare, K::Decimal, 4, 0, 1, StaffHours),
    Plain(StaffHours, K::Decimal, 5, 0, kHoursPerDayMax, DefrostHeatGain),
};

// A list whose choice only stores its index, Enter to one target.
constexpr ListField List(Control control, Control enter)
{
    const ControlFacts& facts = Facts(control);
    return {control, facts.parameter, ChoiceRule::StoreIndex, enter, {}, R::Fixed, {}, facts.tab};
}
constexpr ListField With(ListField f, ChoiceRule choice)
{
    f.choice = choice;
    return f;
}
constexpr ListField Routed(ListField f, R rule, Control alternative)
{
    f.enterRule = rule;
    f.enterAlternative = alternative;
    return f;
}
constexpr ListField SpacePresses(ListField f, Control button)
{
    f.spacePresses = button;
    return f;
}

constexpr std::array kListFields{
    Routed(With(List(City, FloorType), ChoiceRule::City), R::CustomCity, Latitude),
    With(List(FloorType, RoomLength), ChoiceRule::FloorType),
    With(List(RoomType, RoomTemperature), ChoiceRule::RoomType),
    List(StructureMaterialA, StructureThicknessA),
    List(InsulationMaterialA, InsulationThicknessA),
    List(StructureMaterialB, StructureThicknessB),
    List(InsulationMaterialB, InsulationThicknessB),
    List(StructureMaterialC, StructureThicknessC),
    List(InsulationMaterialC, InsulationThicknessC),
    List(StructureMaterialD, StructureThicknessD),
    List(InsulationMaterialD, InsulationThicknessD),
    List(StructureMaterialCeiling, StructureThicknessCeiling),
    List(InsulationMaterialCeiling, InsulationThicknessCeiling),
    List(StructureMaterialFloor, StructureThicknessFloor),
    List(InsulationMaterialFloor, InsulationThicknessFloor),
    SpacePresses(List(SurfaceFinishA, SurfaceFinishB), FillFinishesButton),
    List(SurfaceFinishB, SurfaceFinishC),
    List(SurfaceFinishC, SurfaceFinishD),
    List(SurfaceFinishD, SurfaceFinishCeiling),
    List(SurfaceFinishCeiling, HeatGainQ12),
    With(List(ProductGroup, Product), ChoiceRule::ProductGroup),
    With(List(Product, PackagingMaterial), ChoiceRule::Product),
    List(PackagingMaterial, ProductInletTemperature),
    List(DoorProtection, DoorType),
    Routed(List(DoorType, LoadUnitMass), R::DoorTimeMode, DoorOpenTime),
    List(ExtraLayerMaterial1A, ExtraLayerThickness1A),
    List(ExtraLayerMaterial2A, ExtraLayerThickness2A),
    List(ExtraLayerMaterial3A, ExtraLayerThickness3A),
    List(ExtraLayerMaterial1B, ExtraLayerThickness1B),
    List(ExtraLayerMaterial2B, ExtraLayerThickness2B),
    List(ExtraLayerMaterial3B, ExtraLayerThickness3B),
    List(ExtraLayerMaterial1C, ExtraLayerThickness1C),
    List(ExtraLayerMaterial2C, ExtraLayerThickness2C),
    List(ExtraLayerMaterial3C, ExtraLayerThickness3C),
    List(ExtraLayerMaterial1D, ExtraLayerThickness1D),
    List(ExtraLayerMaterial2D, ExtraLayerThickness2D),
    List(ExtraLayerMaterial3D, ExtraLayerThickness3D),
    List(ExtraLayerMaterial1Ceiling, ExtraLayerThickness1Ceiling),
    List(ExtraLayerMaterial2Ceiling, ExtraLayerThickness2Ceiling),
    List(ExtraLayerMaterial3Ceiling, ExtraLayerThickness3Ceiling),
    List(ExtraLayerMaterial1Floor, ExtraLayerThickness1Floor),
    List(ExtraLayerMaterial2Floor, ExtraLayerThickness2Floor),
    List(ExtraLayerMaterial3Floor, ExtraLayerThickness3Floor),
};

constexpr std::array kCheckBoxFields{
    CheckBoxField{DoorTimeMode},
    CheckBoxField{HighTurnover},
    CheckBoxField{FanDetailedCalculation},
    CheckBoxField{StaffOwnHours},
    CheckBoxField{DoorOpenAllDay},
    CheckBoxField{LightingTwoDecimals},
};

constexpr std::array kTextFields{
    TextField{Consumer1Name, "название электропотребителя № 1"},
    TextField{Consumer2Name, "название электропотребителя № 2"},
    TextField{ClientName, "КЛИЕНТ"},
    TextField{ContractorName, "ИСПОЛНИТЕЛЬ"},
    TextField{SiteName, "ОБЪЕКТ"},
    TextField{ProjectDate, "ДАТА"},
    TextField{ProjectName, "ПРОЕКТ"},
};

constexpr std::array kPassOnFields{
    PassOnField{HeatGainQ1, SurfaceFinishA}, // ИТОГО Q1 -> solar tab
    PassOnField{HeatGainQ12, AirExchangeRate},     // ИТОГО Q12 -> ventilation tab
    PassOnField{HeatGainQ3, ProductGroup}, // ИТОГО Q3 -> goods tab
    PassOnField{HeatGainQ5, DoorHeight},     // ИТОГО Q5 -> operational tab
};

template <class Field, std::size_t N>
const Field* Find(const std::array<Field, N>& table, Control control)
{
    for (const Field& f : table)
        if (f.control == control)
            return &f;
    return nullptr;
}

} // namespace

std::span<const NumericField> NumericFields() { return kNumericFields; }
std::span<const ListField> ListFields() { return kListFields; }
std::span<const CheckBoxField> CheckBoxFields() { return kCheckBoxFields; }
std::span<const TextField> TextFields() { return kTextFields; }
std::span<const PassOnField> PassOnFields() { return kPassOnFields; }

const NumericField* FindNumericField(Control control) { return Find(kNumericFields, control); }
const ListField* FindListField(Control control) { return Find(kListFields, control); }
const CheckBoxField* FindCheckBoxField(Control control) { return Find(kCheckBoxFields, control); }
const TextField* FindTextField(Control control) { return Find(kTextFields, control); }
const PassOnField* FindPassOnField(Control control) { return Find(kPassOnFields, control); }

} // namespace zeltar::fields
// clang-format on
