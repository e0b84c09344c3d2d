// The window's controls as a type: `Control` names each control of the main window (its facts, the
// object name among them, are in control_catalogue.h), `ControlType` the kind of widget it is, and
// the tab pages the controls lie on.
#pragma once

#include <cstdint>

namespace zeltar {

namespace fields {
// Tab pages of the main window; controls outside the tabbed area lie on kNoTab.
inline constexpr int kNoTab = -1;
inline constexpr int kEnclosureTab = 0;   // "Через ограждение Q1"
inline constexpr int kSolarTab = 1;       // "Поправка на солнечную радиацию Q12"
inline constexpr int kVentilationTab = 2; // "От вентиляции Q3"
inline constexpr int kGoodsTab = 3;       // "От холодильной обработки Q2 и "дыхания" продукта Q5"
inline constexpr int kOperationalTab = 4; // "Эксплуатационные (...) Q4 "
} // namespace fields

enum class ControlType { Edit, ComboBox, CheckBox, Label, PaintBox, Button, BitBtn };

// In the catalogue's order: the fields Edit1..Edit131 by number, the lists ComboBox1..ComboBox25,
// the check boxes, the captions, the buttons and the paint areas.
enum class Control : std::uint8_t {
    StructureThicknessA, // Edit1
    StructureThicknessB, // Edit2
    StructureThicknessC, // Edit3
    StructureThicknessD, // Edit4
    InsulationThicknessA, // Edit5
    InsulationThicknessB, // Edit6
    InsulationThicknessC, // Edit7
    InsulationThicknessD, // Edit8
    OutsideTemperatureA, // Edit9
    OutsideTemperatureB, // Edit10
    OutsideTemperatureC, // Edit11
    OutsideTemperatureD, // Edit12
    StructureThicknessCeiling, // Edit13
    InsulationThicknessCeiling, // Edit14
    OutsideTemperatureCeiling, // Edit15
    StructureThicknessFloor, // Edit16
    InsulationThicknessFloor, // Edit17
    OutsideTemperatureFloor, // Edit18
    Latitude, // Edit19
    OutsideDesignTemperature, // Edit20
    OutsideRelativeHumidity, // Edit21
    RoomLength, // Edit22
    RoomWidth, // Edit23
    RoomHeight, // Edit24
    RoomVolume, // Edit25
    WallDirectionA, // Edit26
    WallDirectionB, // Edit27
    WallDirectionC, // Edit28
    WallDirectionD, // Edit29
    AirExchangeRate, // Edit30
    StructureMaterialTextA, // Edit31
    StructureMaterialTextB, // Edit32
    StructureMaterialTextC, // Edit33
    StructureMaterialTextD, // Edit34
    StructureMaterialTextCeiling, // Edit35
    EnclosureHeatGainA, // Edit36
    EnclosureHeatGainB, // Edit37
    EnclosureHeatGainC, // Edit38
    EnclosureHeatGainD, // Edit39
    EnclosureHeatGainCeiling, // Edit40
    EnclosureHeatGainFloor, // Edit41
    HeatGainQ1, // Edit42
    RoomTemperature, // Edit43
    SunlitTextA, // Edit44
    SunlitTextB, // Edit45
    SunlitTextC, // Edit46
    SunlitTextD, // Edit47
    SunlitTextCeiling, // Edit48
    OutsideFacingTextA, // Edit49
    OutsideFacingTextB, // Edit50
    OutsideFacingTextC, // Edit51
    OutsideFacingTextD, // Edit52
    OutsideFacingTextCeiling, // Edit53
    RoomRelativeHumidity, // Edit54
    EquipmentRunningHours, // Edit55
    CapacityReserve, // Edit56
    OutsideFacingCopyA, // Edit57
    OutsideFacingCopyB, // Edit58
    OutsideFacingCopyC, // Edit59
    OutsideFacingCopyD, // Edit60
    OutsideFacingCopyCeiling, // Edit61
    SolarTemperatureDifferenceA, // Edit62
    SolarTemperatureDifferenceB, // Edit63
    SolarTemperatureDifferenceC, // Edit64
    SolarTemperatureDifferenceD, // Edit65
    SolarTemperatureDifferenceCeiling, // Edit66
    SolarHeatGainA, // Edit67
    SolarHeatGainB, // Edit68
    SolarHeatGainC, // Edit69
    SolarHeatGainD, // Edit70
    SolarHeatGainCeiling, // Edit71
    HeatGainQ12, // Edit72
    HeatGainQ3, // Edit73
    StackHeight, // Edit74
    StackDensity, // Edit75
    PackagingShare, // Edit76
    GrossCapacity, // Edit77
    NetCapacity, // Edit78
    DailyTurnoverPercent, // Edit79
    ProductMoisture, // Edit80
    CryoscopicTemperature, // Edit81
    ProductInletTemperature, // Edit82
    ProductFinalTemperature, // Edit83
    ProductEnthalpyDifference, // Edit84
    PackagingEnthalpyDifference, // Edit85
    HeatGainQ21, // Edit86
    HeatGainQ22, // Edit87
    RespirationHeat, // Edit88
    HeatGainQ2, // Edit89
    HeatGainQ5, // Edit90
    DoorHeight, // Edit91
    DoorWidth, // Edit92
    LoadUnitMass, // Edit93
    VehiclePasses, // Edit94
    LightingPowerDensity, // Edit95
    LightingHours, // Edit96
    StaffCount, // Edit97
    DoorHeatGain, // Edit98
    StaffHeatGain, // Edit99
    LightingHeatGain, // Edit100
    VehiclePower, // Edit101
    VehicleHours, // Edit102
    FanSharePercent, // Edit103
    VehicleHeatGain, // Edit104
    FanHeatGain, // Edit105
    TotalHeatGain, // Edit106
    Consumer1Name, // Edit107
    Consumer1Power, // Edit108
    Consumer1Hours, // Edit109
    Consumer2Name, // Edit110
    Consumer2Power, // Edit111
    Consumer2Hours, // Edit112
    ConsumerHeatGain, // Edit113
    FanPower, // Edit114
    RoomArea, // Edit115
    EquipmentCapacity, // Edit116
    HeatGainQ4, // Edit117
    SummaryQ1, // Edit118
    SummaryQ12, // Edit119
    SummaryQ2, // Edit120
    SummaryQ3, // Edit121
    SummaryQ4, // Edit122
    SummaryQ5, // Edit123
    DailyTurnover, // Edit124
    ClientName, // Edit125
    ContractorName, // Edit126
    SiteName, // Edit127
    ProjectDate, // Edit128
    ProjectName, // Edit129
    FanCount, // Edit130
    DoorOpenTime, // Edit131
    StructureMaterialA, // ComboBox1
    StructureMaterialB, // ComboBox2
    StructureMaterialC, // ComboBox3
    StructureMaterialD, // ComboBox4
    InsulationMaterialA, // ComboBox5
    InsulationMaterialB, // ComboBox6
    InsulationMaterialC, // ComboBox7
    InsulationMaterialD, // ComboBox8
    StructureMaterialCeiling, // ComboBox9
    InsulationMaterialCeiling, // ComboBox10
    StructureMaterialFloor, // ComboBox11
    InsulationMaterialFloor, // ComboBox12
    City, // ComboBox13
    SurfaceFinishA, // ComboBox14
    SurfaceFinishB, // ComboBox15
    SurfaceFinishC, // ComboBox16
    SurfaceFinishD, // ComboBox17
    SurfaceFinishCeiling, // ComboBox18
    FloorType, // ComboBox19
    RoomType, // ComboBox20
    Product, // ComboBox21
    PackagingMaterial, // ComboBox22
    DoorProtection, // ComboBox23
    DoorType, // ComboBox24
    ProductGroup, // ComboBox25
    DoorTimeMode, // CheckBox1
    HighTurnover, // CheckBox2
    FanDetailedCalculation, // CheckBox3
    RunningHoursCaption, // Label46
    DailyTurnoverPercentLabel, // Label63
    FanShareEstimateLabel, // Label105
    FanShareCaption, // Label106
    FanPowerLabel, // Label111
    FanPowerUnitLabel, // Label117
    StackHeightLabel, // StackHeightLabel
    StackDensityLabel, // StackDensityLabel
    PackagingShareLabel, // PackagingShareLabel
    GrossCapacityLabel, // GrossCapacityLabel
    DailyTurnoverLabel, // DailyTurnoverLabel
    CompassButton, // Button1
    PreviewButton, // BitBtn1
    PrintButton, // BitBtn2
    ExitButton, // BitBtn3
    LoadButton, // BitBtn4
    SaveButton, // BitBtn5
    FillRowsButton, // BitBtn7
    FillFinishesButton, // BitBtn8
    Plan, // PaintBox1
    SunTileA, // PaintBox2
    SectionSketch, // PaintBox3
    SunTileB, // PaintBox4
    SunTileC, // PaintBox5
    SunTileD, // PaintBox6
    SunTileCeiling, // PaintBox7
    FacingTileA, // PaintBox8
    FacingTileB, // PaintBox9
    FacingTileC, // PaintBox10
    FacingTileD, // PaintBox11
    FacingTileCeiling, // PaintBox12
    Logo, // PaintBox13
};

} // namespace zeltar
