// Every control of the main window, once: the object name its widget keeps, its kind, the tab page it
// lies on, the project parameter it shows, the project file line that holds its value, whether the
// user may type into it, and the caption it shows from start-up. Code names controls by `Control`;
// the field rules, the project file's lines, the window's layout, the result mapping and the report
// take these facts from here, and only here does a control's name appear as text.
#pragma once

#include "fields/control.h"
#include "refdata/room_types.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zeltar {

struct ControlFacts {
    Control control;
    std::string_view name; // the widget's object name
    ControlType type;
    int tab;                    // fields::kNoTab outside the tabbed area
    std::string_view parameter; // what the control shows, as the project file's lines name it ("" none)
    int fileLine;               // the project file line that holds its value, 1..131 (0 none)
    bool readOnly;              // a result or copy the user cannot type into
    std::string_view caption;   // check box, caption, button: its text from start-up
};

namespace catalogue_detail {

using enum Control;
using enum ControlType;
using namespace fields;

constexpr ControlFacts Input(Control c, std::string_view name, ControlType type, int tab, std::string_view parameter,
                             int fileLine, std::string_view caption = {})
{
    return {c, name, type, tab, parameter, fileLine, false, caption};
}
// A field the pass or another control writes; some are saved (shown texts) and loaded back.
constexpr ControlFacts Shown(Control c, std::string_view name, int tab, std::string_view parameter = {},
                             int fileLine = 0)
{
    return {c, name, Edit, tab, parameter, fileLine, true, {}};
}
// Edit117 and the summary column accept typing but have no input rules.
constexpr ControlFacts Typeable(Control c, std::string_view name, int tab)
{
    return {c, name, Edit, tab, {}, 0, false, {}};
}
constexpr ControlFacts Captioned(Control c, std::string_view name, ControlType type, int tab, std::string_view caption,
                                 std::string_view parameter = {}, int fileLine = 0)
{
    return {c, name, type, tab, parameter, fileLine, false, caption};
}
constexpr ControlFacts Painted(Control c, std::string_view name)
{
    return {c, name, PaintBox, kNoTab, {}, 0, false, {}};
}

constexpr std::string_view kFillCaption = "ВВОД ДАННЫХ ПО ПЕРВОЙ СТРОКЕ";
// The small button beside an enclosure row that opens its U-value and extra layers.
constexpr std::string_view kExtraRowCaption = "…";

inline constexpr std::array kControls{
    Input(StructureThicknessA, "Edit1", Edit, kEnclosureTab, "StructureThicknessA", 1),
    Input(StructureThicknessB, "Edit2", Edit, kEnclosureTab, "StructureThicknessB", 2),
    Input(StructureThicknessC, "Edit3", Edit, kEnclosureTab, "StructureThicknessC", 3),
    Input(StructureThicknessD, "Edit4", Edit, kEnclosureTab, "StructureThicknessD", 4),
    Input(InsulationThicknessA, "Edit5", Edit, kEnclosureTab, "InsulationThicknessA", 5),
    Input(InsulationThicknessB, "Edit6", Edit, kEnclosureTab, "InsulationThicknessB", 6),
    Input(InsulationThicknessC, "Edit7", Edit, kEnclosureTab, "InsulationThicknessC", 7),
    Input(InsulationThicknessD, "Edit8", Edit, kEnclosureTab, "InsulationThicknessD", 8),
    Input(OutsideTemperatureA, "Edit9", Edit, kEnclosureTab, "OutsideTemperatureA", 9),
    Input(OutsideTemperatureB, "Edit10", Edit, kEnclosureTab, "OutsideTemperatureB", 10),
    Input(OutsideTemperatureC, "Edit11", Edit, kEnclosureTab, "OutsideTemperatureC", 11),
    Input(OutsideTemperatureD, "Edit12", Edit, kEnclosureTab, "OutsideTemperatureD", 12),
    Input(StructureThicknessCeiling, "Edit13", Edit, kEnclosureTab, "StructureThicknessCeiling", 13),
    Input(InsulationThicknessCeiling, "Edit14", Edit, kEnclosureTab, "InsulationThicknessCeiling", 14),
    Input(OutsideTemperatureCeiling, "Edit15", Edit, kEnclosureTab, "OutsideTemperatureCeiling", 15),
    Input(StructureThicknessFloor, "Edit16", Edit, kEnclosureTab, "StructureThicknessFloor", 16),
    Input(InsulationThicknessFloor, "Edit17", Edit, kEnclosureTab, "InsulationThicknessFloor", 17),
    Input(OutsideTemperatureFloor, "Edit18", Edit, kEnclosureTab, "OutsideTemperatureFloor", 18),
    Input(Latitude, "Edit19", Edit, kNoTab, "Latitude", 19),
    Input(OutsideDesignTemperature, "Edit20", Edit, kNoTab, "OutsideDesignTemperature", 20),
    Input(OutsideRelativeHumidity, "Edit21", Edit, kNoTab, "OutsideRelativeHumidity", 21),
    Input(RoomLength, "Edit22", Edit, kNoTab, "RoomLength", 22),
    Input(RoomWidth, "Edit23", Edit, kNoTab, "RoomWidth", 23),
    Input(RoomHeight, "Edit24", Edit, kNoTab, "RoomHeight", 24),
    Shown(RoomVolume, "Edit25", kNoTab),
    Shown(WallDirectionA, "Edit26", kSolarTab, "OrientationTextA", 25),
    Shown(WallDirectionB, "Edit27", kSolarTab, "OrientationTextB", 26),
    Shown(WallDirectionC, "Edit28", kSolarTab, "OrientationTextC", 27),
    Shown(WallDirectionD, "Edit29", kSolarTab, "OrientationTextD", 28),
    Input(AirExchangeRate, "Edit30", Edit, kVentilationTab, "AirExchangeRate", 29),
    Shown(StructureMaterialTextA, "Edit31", kSolarTab),
    Shown(StructureMaterialTextB, "Edit32", kSolarTab),
    Shown(StructureMaterialTextC, "Edit33", kSolarTab),
    Shown(StructureMaterialTextD, "Edit34", kSolarTab),
    Shown(StructureMaterialTextCeiling, "Edit35", kSolarTab),
    Shown(EnclosureHeatGainA, "Edit36", kEnclosureTab),
    Shown(EnclosureHeatGainB, "Edit37", kEnclosureTab),
    Shown(EnclosureHeatGainC, "Edit38", kEnclosureTab),
    Shown(EnclosureHeatGainD, "Edit39", kEnclosureTab),
    Shown(EnclosureHeatGainCeiling, "Edit40", kEnclosureTab),
    Shown(EnclosureHeatGainFloor, "Edit41", kEnclosureTab),
    Shown(HeatGainQ1, "Edit42", kEnclosureTab),
    Input(RoomTemperature, "Edit43", Edit, kNoTab, "RoomTemperature", 30),
    Shown(SunlitTextA, "Edit44", kSolarTab, "SunlitA", 31),
    Shown(SunlitTextB, "Edit45", kSolarTab, "SunlitB", 32),
    Shown(SunlitTextC, "Edit46", kSolarTab, "SunlitC", 33),
    Shown(SunlitTextD, "Edit47", kSolarTab, "SunlitD", 34),
    Shown(SunlitTextCeiling, "Edit48", kSolarTab, "SunlitCeiling", 35),
    Shown(OutsideFacingTextA, "Edit49", kEnclosureTab, "OutsideFacingA", 36),
    Shown(OutsideFacingTextB, "Edit50", kEnclosureTab, "OutsideFacingB", 37),
    Shown(OutsideFacingTextC, "Edit51", kEnclosureTab, "OutsideFacingC", 38),
    Shown(OutsideFacingTextD, "Edit52", kEnclosureTab, "OutsideFacingD", 39),
    Shown(OutsideFacingTextCeiling, "Edit53", kEnclosureTab, "OutsideFacingCeiling", 40),
    Input(RoomRelativeHumidity, "Edit54", Edit, kNoTab, "RoomRelativeHumidity", 41),
    Input(EquipmentRunningHours, "Edit55", Edit, kNoTab, "EquipmentRunningHours", 42),
    Input(CapacityReserve, "Edit56", Edit, kNoTab, "CapacityReserve", 43),
    Shown(OutsideFacingCopyA, "Edit57", kSolarTab, "OutsideFacingTextA", 44),
    Shown(OutsideFacingCopyB, "Edit58", kSolarTab, "OutsideFacingTextB", 45),
    Shown(OutsideFacingCopyC, "Edit59", kSolarTab, "OutsideFacingTextC", 46),
    Shown(OutsideFacingCopyD, "Edit60", kSolarTab, "OutsideFacingTextD", 47),
    Shown(OutsideFacingCopyCeiling, "Edit61", kSolarTab, "OutsideFacingTextCeiling", 48),
    Shown(SolarTemperatureDifferenceA, "Edit62", kSolarTab),
    Shown(SolarTemperatureDifferenceB, "Edit63", kSolarTab),
    Shown(SolarTemperatureDifferenceC, "Edit64", kSolarTab),
    Shown(SolarTemperatureDifferenceD, "Edit65", kSolarTab),
    Shown(SolarTemperatureDifferenceCeiling, "Edit66", kSolarTab),
    Shown(SolarHeatGainA, "Edit67", kSolarTab),
    Shown(SolarHeatGainB, "Edit68", kSolarTab),
    Shown(SolarHeatGainC, "Edit69", kSolarTab),
    Shown(SolarHeatGainD, "Edit70", kSolarTab),
    Shown(SolarHeatGainCeiling, "Edit71", kSolarTab),
    Shown(HeatGainQ12, "Edit72", kSolarTab),
    Shown(HeatGainQ3, "Edit73", kVentilationTab),
    Input(StackHeight, "Edit74", Edit, kGoodsTab, "StackHeight", 49),
    Input(StackDensity, "Edit75", Edit, kGoodsTab, "StackDensity", 50),
    Input(PackagingShare, "Edit76", Edit, kGoodsTab, "PackagingShare", 51),
    Shown(GrossCapacity, "Edit77", kGoodsTab),
    Shown(NetCapacity, "Edit78", kGoodsTab),
    Input(DailyTurnoverPercent, "Edit79", Edit, kGoodsTab, "DailyTurnoverPercent", 52),
    Shown(ProductMoisture, "Edit80", kGoodsTab, "ProductMoisture", 53),
    Shown(CryoscopicTemperature, "Edit81", kGoodsTab, "CryoscopicTemperature", 54),
    Input(ProductInletTemperature, "Edit82", Edit, kGoodsTab, "ProductInletTemperature", 55),
    Input(ProductFinalTemperature, "Edit83", Edit, kGoodsTab, "ProductFinalTemperature", 56),
    Shown(ProductEnthalpyDifference, "Edit84", kGoodsTab),
    Shown(PackagingEnthalpyDifference, "Edit85", kGoodsTab),
    Shown(HeatGainQ21, "Edit86", kGoodsTab),
    Shown(HeatGainQ22, "Edit87", kGoodsTab),
    Shown(RespirationHeat, "Edit88", kGoodsTab),
    Shown(HeatGainQ2, "Edit89", kGoodsTab),
    Shown(HeatGainQ5, "Edit90", kGoodsTab),
    Input(DoorHeight, "Edit91", Edit, kOperationalTab, "DoorHeight", 57),
    Input(DoorWidth, "Edit92", Edit, kOperationalTab, "DoorWidth", 58),
    Input(LoadUnitMass, "Edit93", Edit, kOperationalTab, "LoadUnitMass", 59),
    Shown(VehiclePasses, "Edit94", kOperationalTab),
    Input(LightingPowerDensity, "Edit95", Edit, kOperationalTab, "LightingPowerDensity", 60),
    Input(LightingHours, "Edit96", Edit, kOperationalTab, "LightingHours", 61),
    Input(StaffCount, "Edit97", Edit, kOperationalTab, "StaffCount", 62),
    Shown(DoorHeatGain, "Edit98", kOperationalTab),
    Shown(StaffHeatGain, "Edit99", kOperationalTab),
    Shown(LightingHeatGain, "Edit100", kOperationalTab),
    Input(VehiclePower, "Edit101", Edit, kOperationalTab, "VehiclePower", 63),
    Input(VehicleHours, "Edit102", Edit, kOperationalTab, "VehicleHours", 64),
    Input(FanSharePercent, "Edit103", Edit, kOperationalTab, "FanSharePercent", 65),
    Shown(VehicleHeatGain, "Edit104", kOperationalTab),
    Shown(FanHeatGain, "Edit105", kOperationalTab),
    Shown(TotalHeatGain, "Edit106", kNoTab),
    Input(Consumer1Name, "Edit107", Edit, kOperationalTab, "Consumer1Name", 66),
    Input(Consumer1Power, "Edit108", Edit, kOperationalTab, "Consumer1Power", 67),
    Input(Consumer1Hours, "Edit109", Edit, kOperationalTab, "Consumer1Hours", 68),
    Input(Consumer2Name, "Edit110", Edit, kOperationalTab, "Consumer2Name", 69),
    Input(Consumer2Power, "Edit111", Edit, kOperationalTab, "Consumer2Power", 70),
    Input(Consumer2Hours, "Edit112", Edit, kOperationalTab, "Consumer2Hours", 71),
    Shown(ConsumerHeatGain, "Edit113", kOperationalTab),
    Input(FanPower, "Edit114", Edit, kOperationalTab, "FanPower", 72),
    Shown(RoomArea, "Edit115", kNoTab),
    Shown(EquipmentCapacity, "Edit116", kNoTab),
    Typeable(HeatGainQ4, "Edit117", kOperationalTab),
    Typeable(SummaryQ1, "Edit118", kNoTab),
    Typeable(SummaryQ12, "Edit119", kNoTab),
    Typeable(SummaryQ2, "Edit120", kNoTab),
    Typeable(SummaryQ3, "Edit121", kNoTab),
    Typeable(SummaryQ4, "Edit122", kNoTab),
    Typeable(SummaryQ5, "Edit123", kNoTab),
    Input(DailyTurnover, "Edit124", Edit, kGoodsTab, "DailyTurnover", 73),
    Input(ClientName, "Edit125", Edit, kNoTab, "ClientName", 74),
    Input(ContractorName, "Edit126", Edit, kNoTab, "ContractorName", 75),
    Input(SiteName, "Edit127", Edit, kNoTab, "SiteName", 76),
    Input(ProjectDate, "Edit128", Edit, kNoTab, "ProjectDate", 77),
    Input(ProjectName, "Edit129", Edit, kNoTab, "ProjectName", 78),
    Input(FanCount, "Edit130", Edit, kOperationalTab, "FanCount", 79),
    Input(DoorOpenTime, "Edit131", Edit, kOperationalTab, "DoorOpenTime", 80),
    Input(StructureMaterialA, "ComboBox1", ComboBox, kEnclosureTab, "StructureMaterialA", 83),
    Input(StructureMaterialB, "ComboBox2", ComboBox, kEnclosureTab, "StructureMaterialB", 84),
    Input(StructureMaterialC, "ComboBox3", ComboBox, kEnclosureTab, "StructureMaterialC", 85),
    Input(StructureMaterialD, "ComboBox4", ComboBox, kEnclosureTab, "StructureMaterialD", 86),
    Input(InsulationMaterialA, "ComboBox5", ComboBox, kEnclosureTab, "InsulationMaterialA", 87),
    Input(InsulationMaterialB, "ComboBox6", ComboBox, kEnclosureTab, "InsulationMaterialB", 88),
    Input(InsulationMaterialC, "ComboBox7", ComboBox, kEnclosureTab, "InsulationMaterialC", 89),
    Input(InsulationMaterialD, "ComboBox8", ComboBox, kEnclosureTab, "InsulationMaterialD", 90),
    Input(StructureMaterialCeiling, "ComboBox9", ComboBox, kEnclosureTab, "StructureMaterialCeiling", 91),
    Input(InsulationMaterialCeiling, "ComboBox10", ComboBox, kEnclosureTab, "InsulationMaterialCeiling", 92),
    Input(StructureMaterialFloor, "ComboBox11", ComboBox, kEnclosureTab, "StructureMaterialFloor", 93),
    Input(InsulationMaterialFloor, "ComboBox12", ComboBox, kEnclosureTab, "InsulationMaterialFloor", 94),
    Input(City, "ComboBox13", ComboBox, kNoTab, "City", 95),
    Input(SurfaceFinishA, "ComboBox14", ComboBox, kSolarTab, "SurfaceFinishA", 96),
    Input(SurfaceFinishB, "ComboBox15", ComboBox, kSolarTab, "SurfaceFinishB", 97),
    Input(SurfaceFinishC, "ComboBox16", ComboBox, kSolarTab, "SurfaceFinishC", 98),
    Input(SurfaceFinishD, "ComboBox17", ComboBox, kSolarTab, "SurfaceFinishD", 99),
    Input(SurfaceFinishCeiling, "ComboBox18", ComboBox, kSolarTab, "SurfaceFinishCeiling", 100),
    Input(FloorType, "ComboBox19", ComboBox, kNoTab, "FloorType", 101),
    Input(RoomType, "ComboBox20", ComboBox, kNoTab, "RoomType", 102),
    Input(Product, "ComboBox21", ComboBox, kGoodsTab, "Product", 103),
    Input(PackagingMaterial, "ComboBox22", ComboBox, kGoodsTab, "PackagingMaterial", 104),
    Input(DoorProtection, "ComboBox23", ComboBox, kOperationalTab, "DoorProtection", 105),
    Input(DoorType, "ComboBox24", ComboBox, kOperationalTab, "DoorType", 106),
    Input(ProductGroup, "ComboBox25", ComboBox, kGoodsTab, "ProductGroup", 107),
    Input(DoorTimeMode, "CheckBox1", CheckBox, kOperationalTab, "DoorTimeMode", 119, "расчет по времени"),
    Input(HighTurnover, "CheckBox2", CheckBox, kGoodsTab, "HighTurnover", 120, "Повышенная"),
    Input(FanDetailedCalculation, "CheckBox3", CheckBox, kOperationalTab, "FanDetailedCalculation", 121,
          "Уточняющий расчет"),
    Captioned(RunningHoursCaption, "Label46", Label, kNoTab, refdata::kRunningHoursCaption,
              "EquipmentRunningHoursCaption", 81),
    Captioned(DailyTurnoverPercentLabel, "Label63", Label, kGoodsTab, "Суточный грузооборот камеры, %"),
    Captioned(FanShareEstimateLabel, "Label105", Label, kOperationalTab, "Ориентировочно "),
    Captioned(FanShareCaption, "Label106", Label, kOperationalTab, "в % от Q полн", "FanSharePercentCaption", 82),
    Captioned(FanPowerLabel, "Label111", Label, kOperationalTab, "Мощность"),
    Captioned(FanPowerUnitLabel, "Label117", Label, kOperationalTab, "вентилятора, кВт"),
    Captioned(StackHeightLabel, "StackHeightLabel", Label, kGoodsTab, "Высота штабелирования груза, м"),
    Captioned(StackDensityLabel, "StackDensityLabel", Label, kGoodsTab, "Плотность груза в штабеле, кг/куб.м"),
    Captioned(PackagingShareLabel, "PackagingShareLabel", Label, kGoodsTab, "Массовая доля тары, %"),
    Captioned(GrossCapacityLabel, "GrossCapacityLabel", Label, kGoodsTab, "Полная ёмкость камеры (брутто), т"),
    Captioned(DailyTurnoverLabel, "DailyTurnoverLabel", Label, kGoodsTab, "Суточный грузооборот камеры, т/сут"),
    Captioned(CompassButton, "Button1", Button, kNoTab, "КОМПАС"),
    Captioned(PreviewButton, "BitBtn1", BitBtn, kNoTab, "   ПРОСМОТР ПЕЧАТИ"),
    Captioned(PrintButton, "BitBtn2", BitBtn, kNoTab, "    ПЕЧАТЬ ПРОЕКТА"),
    Captioned(ExitButton, "BitBtn3", BitBtn, kNoTab, "     ВЫХОД"),
    Captioned(LoadButton, "BitBtn4", BitBtn, kNoTab, "  ЗАГРУЗИТЬ ПРОЕКТ"),
    Captioned(SaveButton, "BitBtn5", BitBtn, kNoTab, "   СОХРАНИТЬ ПРОЕКТ"),
    Captioned(FillRowsButton, "BitBtn7", BitBtn, kEnclosureTab, kFillCaption),
    Captioned(FillFinishesButton, "BitBtn8", BitBtn, kSolarTab, kFillCaption),
    Painted(Plan, "PaintBox1"),
    Painted(SunTileA, "PaintBox2"),
    Painted(SectionSketch, "PaintBox3"),
    Painted(SunTileB, "PaintBox4"),
    Painted(SunTileC, "PaintBox5"),
    Painted(SunTileD, "PaintBox6"),
    Painted(SunTileCeiling, "PaintBox7"),
    Painted(FacingTileA, "PaintBox8"),
    Painted(FacingTileB, "PaintBox9"),
    Painted(FacingTileC, "PaintBox10"),
    Painted(FacingTileD, "PaintBox11"),
    Painted(FacingTileCeiling, "PaintBox12"),
    Painted(Logo, "PaintBox13"),
    // Extensions of the own project file: no line of the 131-line file holds them.
    Input(UValueA, "EditUValueA", Edit, kExtraTab, "UValueA", 0),
    Input(ExtraLayerMaterial1A, "ComboLayer1A", ComboBox, kExtraTab, "ExtraLayerMaterial1A", 0),
    Input(ExtraLayerThickness1A, "EditLayer1A", Edit, kExtraTab, "ExtraLayerThickness1A", 0),
    Input(ExtraLayerMaterial2A, "ComboLayer2A", ComboBox, kExtraTab, "ExtraLayerMaterial2A", 0),
    Input(ExtraLayerThickness2A, "EditLayer2A", Edit, kExtraTab, "ExtraLayerThickness2A", 0),
    Input(ExtraLayerMaterial3A, "ComboLayer3A", ComboBox, kExtraTab, "ExtraLayerMaterial3A", 0),
    Input(ExtraLayerThickness3A, "EditLayer3A", Edit, kExtraTab, "ExtraLayerThickness3A", 0),
    Input(UValueB, "EditUValueB", Edit, kExtraTab, "UValueB", 0),
    Input(ExtraLayerMaterial1B, "ComboLayer1B", ComboBox, kExtraTab, "ExtraLayerMaterial1B", 0),
    Input(ExtraLayerThickness1B, "EditLayer1B", Edit, kExtraTab, "ExtraLayerThickness1B", 0),
    Input(ExtraLayerMaterial2B, "ComboLayer2B", ComboBox, kExtraTab, "ExtraLayerMaterial2B", 0),
    Input(ExtraLayerThickness2B, "EditLayer2B", Edit, kExtraTab, "ExtraLayerThickness2B", 0),
    Input(ExtraLayerMaterial3B, "ComboLayer3B", ComboBox, kExtraTab, "ExtraLayerMaterial3B", 0),
    Input(ExtraLayerThickness3B, "EditLayer3B", Edit, kExtraTab, "ExtraLayerThickness3B", 0),
    Input(UValueC, "EditUValueC", Edit, kExtraTab, "UValueC", 0),
    Input(ExtraLayerMaterial1C, "ComboLayer1C", ComboBox, kExtraTab, "ExtraLayerMaterial1C", 0),
    Input(ExtraLayerThickness1C, "EditLayer1C", Edit, kExtraTab, "ExtraLayerThickness1C", 0),
    Input(ExtraLayerMaterial2C, "ComboLayer2C", ComboBox, kExtraTab, "ExtraLayerMaterial2C", 0),
    Input(ExtraLayerThickness2C, "EditLayer2C", Edit, kExtraTab, "ExtraLayerThickness2C", 0),
    Input(ExtraLayerMaterial3C, "ComboLayer3C", ComboBox, kExtraTab, "ExtraLayerMaterial3C", 0),
    Input(ExtraLayerThickness3C, "EditLayer3C", Edit, kExtraTab, "ExtraLayerThickness3C", 0),
    Input(UValueD, "EditUValueD", Edit, kExtraTab, "UValueD", 0),
    Input(ExtraLayerMaterial1D, "ComboLayer1D", ComboBox, kExtraTab, "ExtraLayerMaterial1D", 0),
    Input(ExtraLayerThickness1D, "EditLayer1D", Edit, kExtraTab, "ExtraLayerThickness1D", 0),
    Input(ExtraLayerMaterial2D, "ComboLayer2D", ComboBox, kExtraTab, "ExtraLayerMaterial2D", 0),
    Input(ExtraLayerThickness2D, "EditLayer2D", Edit, kExtraTab, "ExtraLayerThickness2D", 0),
    Input(ExtraLayerMaterial3D, "ComboLayer3D", ComboBox, kExtraTab, "ExtraLayerMaterial3D", 0),
    Input(ExtraLayerThickness3D, "EditLayer3D", Edit, kExtraTab, "ExtraLayerThickness3D", 0),
    Input(UValueCeiling, "EditUValueCeiling", Edit, kExtraTab, "UValueCeiling", 0),
    Input(ExtraLayerMaterial1Ceiling, "ComboLayer1Ceiling", ComboBox, kExtraTab, "ExtraLayerMaterial1Ceiling", 0),
    Input(ExtraLayerThickness1Ceiling, "EditLayer1Ceiling", Edit, kExtraTab, "ExtraLayerThickness1Ceiling", 0),
    Input(ExtraLayerMaterial2Ceiling, "ComboLayer2Ceiling", ComboBox, kExtraTab, "ExtraLayerMaterial2Ceiling", 0),
    Input(ExtraLayerThickness2Ceiling, "EditLayer2Ceiling", Edit, kExtraTab, "ExtraLayerThickness2Ceiling", 0),
    Input(ExtraLayerMaterial3Ceiling, "ComboLayer3Ceiling", ComboBox, kExtraTab, "ExtraLayerMaterial3Ceiling", 0),
    Input(ExtraLayerThickness3Ceiling, "EditLayer3Ceiling", Edit, kExtraTab, "ExtraLayerThickness3Ceiling", 0),
    Input(UValueFloor, "EditUValueFloor", Edit, kExtraTab, "UValueFloor", 0),
    Input(ExtraLayerMaterial1Floor, "ComboLayer1Floor", ComboBox, kExtraTab, "ExtraLayerMaterial1Floor", 0),
    Input(ExtraLayerThickness1Floor, "EditLayer1Floor", Edit, kExtraTab, "ExtraLayerThickness1Floor", 0),
    Input(ExtraLayerMaterial2Floor, "ComboLayer2Floor", ComboBox, kExtraTab, "ExtraLayerMaterial2Floor", 0),
    Input(ExtraLayerThickness2Floor, "EditLayer2Floor", Edit, kExtraTab, "ExtraLayerThickness2Floor", 0),
    Input(ExtraLayerMaterial3Floor, "ComboLayer3Floor", ComboBox, kExtraTab, "ExtraLayerMaterial3Floor", 0),
    Input(ExtraLayerThickness3Floor, "EditLayer3Floor", Edit, kExtraTab, "ExtraLayerThickness3Floor", 0),
    Input(DefrostHeaterPower, "EditDefrostPower", Edit, kExtraTab, "DefrostHeaterPower", 0),
    Input(DefrostCoolerCount, "EditDefrostCoolers", Edit, kExtraTab, "DefrostCoolerCount", 0),
    Input(DefrostsPerDay, "EditDefrostsPerDay", Edit, kExtraTab, "DefrostsPerDay", 0),
    Input(DefrostDuration, "EditDefrostDuration", Edit, kExtraTab, "DefrostDuration", 0),
    Input(DefrostRoomShare, "EditDefrostShare", Edit, kExtraTab, "DefrostRoomShare", 0),
    Shown(DefrostHeatGain, "EditDefrostGain", kExtraTab),
    Input(StaffOwnHours, "CheckStaffHours", CheckBox, kExtraTab, "StaffOwnHours", 0, "свои часы работы персонала"),
    Input(StaffHours, "EditStaffHours", Edit, kExtraTab, "StaffHours", 0),
    Input(DoorOpenAllDay, "CheckDoorAllDay", CheckBox, kExtraTab, "DoorOpenAllDay", 0, "дверь открыта до 24 ч/сут"),
    Input(LightingTwoDecimals, "CheckLightingDecimals", CheckBox, kExtraTab, "LightingTwoDecimals", 0,
          "плотность освещения с двумя знаками"),
    Captioned(OwnMaterialsButton, "ButtonOwnMaterials", Button, kExtraTab, "Свои материалы…"),
    Captioned(ExtraRowButtonA, "ButtonExtraA", Button, kEnclosureTab, kExtraRowCaption),
    Captioned(ExtraRowButtonB, "ButtonExtraB", Button, kEnclosureTab, kExtraRowCaption),
    Captioned(ExtraRowButtonC, "ButtonExtraC", Button, kEnclosureTab, kExtraRowCaption),
    Captioned(ExtraRowButtonD, "ButtonExtraD", Button, kEnclosureTab, kExtraRowCaption),
    Captioned(ExtraRowButtonCeiling, "ButtonExtraCeiling", Button, kEnclosureTab, kExtraRowCaption),
    Captioned(ExtraRowButtonFloor, "ButtonExtraFloor", Button, kEnclosureTab, kExtraRowCaption),
};

constexpr bool InControlOrder()
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (static_cast<std::size_t>(kControls[i].control) != i)
            return false;
    return true;
}
static_assert(InControlOrder(), "one row per control, in the order of Control");

constexpr bool EachNameAndFileLineOnce()
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        for (std::size_t j = i + 1; j < kControls.size(); ++j)
            if (kControls[i].name == kControls[j].name ||
                (kControls[i].fileLine != 0 && kControls[i].fileLine == kControls[j].fileLine))
                return false;
    return true;
}
static_assert(EachNameAndFileLineOnce(), "no object name and no file line shared by two controls");

} // namespace catalogue_detail

inline constexpr std::size_t kControlCount = catalogue_detail::kControls.size();

constexpr const std::array<ControlFacts, kControlCount>& AllControls()
{
    return catalogue_detail::kControls;
}
constexpr const ControlFacts& Facts(Control control)
{
    return catalogue_detail::kControls[static_cast<std::size_t>(control)];
}
constexpr std::string_view Name(Control control)
{
    return Facts(control).name;
}
// The control with this object name; nullopt for a name no control has.
constexpr std::optional<Control> FindControl(std::string_view name)
{
    for (const ControlFacts& facts : catalogue_detail::kControls)
        if (facts.name == name)
            return facts.control;
    return std::nullopt;
}

} // namespace zeltar
