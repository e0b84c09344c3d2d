#include "fields/field_table.h"

#include <array>

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
    Plain(DoorOpenTime, K::Decimal, 4, 0, 8, LightingPowerDensity),
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
};

constexpr std::array kCheckBoxFields{
    CheckBoxField{DoorTimeMode},
    CheckBoxField{HighTurnover},
    CheckBoxField{FanDetailedCalculation},
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
