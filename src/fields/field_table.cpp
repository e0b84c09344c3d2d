#include "fields/field_table.h"

#include <array>

namespace zeltar::fields {

namespace {

using K = FieldKind;
using B = ComputedBound;
using S = Storage;
using E = CommitEffect;
using R = EnterRule;

// A field with fixed bounds, stored as a double, without extra effect, Enter to one target.
constexpr NumericField Plain(std::string_view control, std::string_view parameter, K kind, int length,
                             double lower, double upper, std::string_view enter, int tab)
{
    return {control, parameter, kind, length, lower, upper, B::None, S::Real, enter, {}, R::Fixed, E::None, {}, tab};
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
constexpr NumericField Routed(NumericField f, R rule, std::string_view alternative)
{
    f.enterRule = rule;
    f.enterAlternative = alternative;
    return f;
}
constexpr NumericField SpacePresses(NumericField f, std::string_view button)
{
    f.spacePresses = button;
    return f;
}

constexpr int kPanel = kNoTab;
constexpr int kQ1 = kEnclosureTab;
constexpr int kQ3 = kVentilationTab;
constexpr int kQ2 = kGoodsTab;
constexpr int kQ4 = kOperationalTab;

// Thicknesses in mm (0..1000) and outside temperatures in °C (-50..300) of the enclosure rows.
constexpr double kThicknessMax = 1000;
constexpr double kOutsideMin = -50;
constexpr double kOutsideMax = 300;

constexpr std::array kNumericFields{
    // Room, climate and equipment panel.
    Plain("Edit19", "Latitude", K::Digits, 2, 30, 70, "Edit20", kPanel),
    With(Plain("Edit20", "OutsideDesignTemperature", K::Decimal, 4, 0, 60, "Edit21", kPanel), E::DesignTemperature),
    With(Plain("Edit21", "OutsideRelativeHumidity", K::Digits, 2, 20, 99, "ComboBox19", kPanel), S::Percent),
    Plain("Edit22", "RoomLength", K::Decimal, 5, 0, 250, "Edit23", kPanel),
    Plain("Edit23", "RoomWidth", K::Decimal, 5, 0, 250, "Edit24", kPanel),
    With(Plain("Edit24", "RoomHeight", K::Decimal, 5, 0, 30, "ComboBox20", kPanel), E::RoomHeight),
    With(Plain("Edit43", "RoomTemperature", K::SignedDecimal, 5, -50, 100, "Edit54", kPanel), E::RoomTemperature),
    With(Plain("Edit54", "RoomRelativeHumidity", K::Digits, 2, 50, 99, "Edit55", kPanel), S::Percent),
    Plain("Edit55", "EquipmentRunningHours", K::Decimal, 5, 1, 24, "Edit56", kPanel),
    Plain("Edit56", "CapacityReserve", K::Digits, 2, 0, 99, "ComboBox1", kPanel),

    // Enclosure tab, rows A, B, C, D, ceiling, floor.
    Plain("Edit1", "StructureThicknessA", K::Digits, 4, 0, kThicknessMax, "ComboBox5", kQ1),
    Plain("Edit5", "InsulationThicknessA", K::Digits, 4, 0, kThicknessMax, "Edit9", kQ1),
    SpacePresses(Plain("Edit9", "OutsideTemperatureA", K::SignedDecimal, 5, kOutsideMin, kOutsideMax, "ComboBox2", kQ1),
                 "BitBtn7"),
    Plain("Edit2", "StructureThicknessB", K::Digits, 4, 0, kThicknessMax, "ComboBox6", kQ1),
    Plain("Edit6", "InsulationThicknessB", K::Digits, 4, 0, kThicknessMax, "Edit10", kQ1),
    Plain("Edit10", "OutsideTemperatureB", K::SignedDecimal, 5, kOutsideMin, kOutsideMax, "ComboBox3", kQ1),
    Plain("Edit3", "StructureThicknessC", K::Digits, 4, 0, kThicknessMax, "ComboBox7", kQ1),
    Plain("Edit7", "InsulationThicknessC", K::Digits, 4, 0, kThicknessMax, "Edit11", kQ1),
    Plain("Edit11", "OutsideTemperatureC", K::SignedDecimal, 5, kOutsideMin, kOutsideMax, "ComboBox4", kQ1),
    Plain("Edit4", "StructureThicknessD", K::Digits, 4, 0, kThicknessMax, "ComboBox8", kQ1),
    Plain("Edit8", "InsulationThicknessD", K::Digits, 4, 0, kThicknessMax, "Edit12", kQ1),
    Plain("Edit12", "OutsideTemperatureD", K::SignedDecimal, 5, kOutsideMin, kOutsideMax, "ComboBox9", kQ1),
    Plain("Edit13", "StructureThicknessCeiling", K::Digits, 4, 0, kThicknessMax, "ComboBox10", kQ1),
    Plain("Edit14", "InsulationThicknessCeiling", K::Digits, 4, 0, kThicknessMax, "Edit15", kQ1),
    Plain("Edit15", "OutsideTemperatureCeiling", K::SignedDecimal, 5, kOutsideMin, kOutsideMax, "ComboBox11", kQ1),
    Plain("Edit16", "StructureThicknessFloor", K::Digits, 4, 0, kThicknessMax, "ComboBox12", kQ1),
    Plain("Edit17", "InsulationThicknessFloor", K::Digits, 4, 0, kThicknessMax, "Edit18", kQ1),
    Plain("Edit18", "OutsideTemperatureFloor", K::SignedDigits, 5, kOutsideMin, kOutsideMax, "Edit42", kQ1),

    // Ventilation tab.
    Plain("Edit30", "AirExchangeRate", K::Decimal, 5, 0, 100, "Edit73", kQ3),

    // Goods tab.
    Plain("Edit82", "ProductInletTemperature", K::SignedDecimal, 5, -50, 50, "Edit83", kQ2),
    Routed(Plain("Edit83", "ProductFinalTemperature", K::SignedDecimal, 5, -50, 50, "Edit74", kQ2),
           R::RailRoomSkipsCapacity, "Edit90"),
    With(Plain("Edit74", "StackHeight", K::Decimal, 5, 0, 0, "Edit75", kQ2), B::StackHeight),
    Plain("Edit75", "StackDensity", K::Digits, 4, 0, 1000, "Edit76", kQ2),
    Routed(With(Plain("Edit76", "PackagingShare", K::Digits, 2, 0, 80, "Edit79", kQ2), S::Whole),
           R::ProcessingSkipsTurnover, "Edit90"),
    With(Plain("Edit79", "DailyTurnoverPercent", K::Decimal, 5, 0, 150, "Edit90", kQ2), E::DailyTurnoverPercent),
    With(With(Plain("Edit124", "DailyTurnover", K::Decimal, 5, 0, 0, "Edit90", kQ2), B::DailyTurnover),
         E::DailyTurnover),

    // Operational tab.
    With(Plain("Edit91", "DoorHeight", K::Decimal, 4, 0, 0, "Edit92", kQ4), B::DoorHeight),
    With(Plain("Edit92", "DoorWidth", K::Decimal, 4, 0, 0, "ComboBox23", kQ4), B::DoorWidth),
    Plain("Edit131", "DoorOpenTime", K::Decimal, 4, 0, 8, "Edit95", kQ4),
    Plain("Edit93", "LoadUnitMass", K::Decimal, 5, 5, 5000, "Edit95", kQ4),
    Plain("Edit95", "LightingPowerDensity", K::Decimal, 4, 0, 100, "Edit96", kQ4),
    Plain("Edit96", "LightingHours", K::Decimal, 5, 0, 24, "Edit97", kQ4),
    With(Plain("Edit97", "StaffCount", K::Digits, 2, 0, 50, "Edit101", kQ4), S::Whole),
    Plain("Edit101", "VehiclePower", K::Decimal, 4, 0, 50, "Edit102", kQ4),
    Routed(Plain("Edit102", "VehicleHours", K::Decimal, 5, 0, 24, "Edit103", kQ4), R::FanDetailed, "Edit130"),
    With(Plain("Edit130", "FanCount", K::Digits, 4, 0, 50, "Edit114", kQ4), S::Whole),
    Plain("Edit114", "FanPower", K::Decimal, 4, 0, 10, "Edit108", kQ4),
    With(Plain("Edit103", "FanSharePercent", K::Digits, 2, 0, 50, "Edit108", kQ4), S::Whole),
    Plain("Edit108", "Consumer1Power", K::Decimal, 5, 0, 500, "Edit109", kQ4),
    Plain("Edit109", "Consumer1Hours", K::Decimal, 5, 0, 24, "Edit111", kQ4),
    Plain("Edit111", "Consumer2Power", K::Decimal, 5, 0, 500, "Edit112", kQ4),
    Plain("Edit112", "Consumer2Hours", K::Decimal, 5, 0, 24, "Edit117", kQ4),
};

// A list whose choice only stores its index, Enter to one target.
constexpr ListField List(std::string_view control, std::string_view parameter, std::string_view enter, int tab)
{
    return {control, parameter, ChoiceRule::StoreIndex, enter, {}, R::Fixed, {}, tab};
}
constexpr ListField With(ListField f, ChoiceRule choice)
{
    f.choice = choice;
    return f;
}
constexpr ListField Routed(ListField f, R rule, std::string_view alternative)
{
    f.enterRule = rule;
    f.enterAlternative = alternative;
    return f;
}
constexpr ListField SpacePresses(ListField f, std::string_view button)
{
    f.spacePresses = button;
    return f;
}

constexpr int kQ12 = kSolarTab;

constexpr std::array kListFields{
    Routed(With(List("ComboBox13", "City", "ComboBox19", kPanel), ChoiceRule::City), R::CustomCity, "Edit19"),
    With(List("ComboBox19", "FloorType", "Edit22", kPanel), ChoiceRule::FloorType),
    With(List("ComboBox20", "RoomType", "Edit43", kPanel), ChoiceRule::RoomType),
    List("ComboBox1", "StructureMaterialA", "Edit1", kQ1),
    List("ComboBox5", "InsulationMaterialA", "Edit5", kQ1),
    List("ComboBox2", "StructureMaterialB", "Edit2", kQ1),
    List("ComboBox6", "InsulationMaterialB", "Edit6", kQ1),
    List("ComboBox3", "StructureMaterialC", "Edit3", kQ1),
    List("ComboBox7", "InsulationMaterialC", "Edit7", kQ1),
    List("ComboBox4", "StructureMaterialD", "Edit4", kQ1),
    List("ComboBox8", "InsulationMaterialD", "Edit8", kQ1),
    List("ComboBox9", "StructureMaterialCeiling", "Edit13", kQ1),
    List("ComboBox10", "InsulationMaterialCeiling", "Edit14", kQ1),
    List("ComboBox11", "StructureMaterialFloor", "Edit16", kQ1),
    List("ComboBox12", "InsulationMaterialFloor", "Edit17", kQ1),
    SpacePresses(List("ComboBox14", "SurfaceFinishA", "ComboBox15", kQ12), "BitBtn8"),
    List("ComboBox15", "SurfaceFinishB", "ComboBox16", kQ12),
    List("ComboBox16", "SurfaceFinishC", "ComboBox17", kQ12),
    List("ComboBox17", "SurfaceFinishD", "ComboBox18", kQ12),
    List("ComboBox18", "SurfaceFinishCeiling", "Edit72", kQ12),
    With(List("ComboBox25", "ProductGroup", "ComboBox21", kQ2), ChoiceRule::ProductGroup),
    With(List("ComboBox21", "Product", "ComboBox22", kQ2), ChoiceRule::Product),
    List("ComboBox22", "PackagingMaterial", "Edit82", kQ2),
    List("ComboBox23", "DoorProtection", "ComboBox24", kQ4),
    Routed(List("ComboBox24", "DoorType", "Edit93", kQ4), R::DoorTimeMode, "Edit131"),
};

constexpr std::array kCheckBoxFields{
    CheckBoxField{"CheckBox1", "DoorTimeMode", "расчет по времени", kQ4},
    CheckBoxField{"CheckBox2", "HighTurnover", "Повышенная", kQ2},
    CheckBoxField{"CheckBox3", "FanDetailedCalculation", "Уточняющий расчет", kQ4},
};

constexpr std::array kTextFields{
    TextField{"Edit107", "Consumer1Name", "название электропотребителя № 1", kQ4},
    TextField{"Edit110", "Consumer2Name", "название электропотребителя № 2", kQ4},
    TextField{"Edit125", "ClientName", "КЛИЕНТ", kPanel},
    TextField{"Edit126", "ContractorName", "ИСПОЛНИТЕЛЬ", kPanel},
    TextField{"Edit127", "SiteName", "ОБЪЕКТ", kPanel},
    TextField{"Edit128", "ProjectDate", "ДАТА", kPanel},
    TextField{"Edit129", "ProjectName", "ПРОЕКТ", kPanel},
};

constexpr std::array kPassOnFields{
    PassOnField{"Edit42", "ComboBox14"}, // ИТОГО Q1 -> solar tab
    PassOnField{"Edit72", "Edit30"},     // ИТОГО Q12 -> ventilation tab
    PassOnField{"Edit73", "ComboBox25"}, // ИТОГО Q3 -> goods tab
    PassOnField{"Edit90", "Edit91"},     // ИТОГО Q5 -> operational tab
};

template <class Field, std::size_t N>
const Field* Find(const std::array<Field, N>& table, std::string_view control)
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

const NumericField* FindNumericField(std::string_view control) { return Find(kNumericFields, control); }
const ListField* FindListField(std::string_view control) { return Find(kListFields, control); }
const CheckBoxField* FindCheckBoxField(std::string_view control) { return Find(kCheckBoxFields, control); }
const TextField* FindTextField(std::string_view control) { return Find(kTextFields, control); }
const PassOnField* FindPassOnField(std::string_view control) { return Find(kPassOnFields, control); }

} // namespace zeltar::fields
