#include "app/control_tips.h"

#include "app/field_names.h"
#include "fields/control_catalogue.h"
#include "fields/field_table.h"

#include <array>

namespace zeltar {

namespace {

using enum Control;

constexpr ControlTipRow Tip(Control control, std::string_view what = {}, std::string_view how = {})
{
    return {control, what, how};
}

constexpr std::array kTips{
    Tip(StructureThicknessA),
    Tip(StructureThicknessB),
    Tip(StructureThicknessC),
    Tip(StructureThicknessD),
    Tip(InsulationThicknessA),
    Tip(InsulationThicknessB),
    Tip(InsulationThicknessC),
    Tip(InsulationThicknessD),
    Tip(OutsideTemperatureA),
    Tip(OutsideTemperatureB),
    Tip(OutsideTemperatureC),
    Tip(OutsideTemperatureD),
    Tip(StructureThicknessCeiling),
    Tip(InsulationThicknessCeiling),
    Tip(OutsideTemperatureCeiling),
    Tip(StructureThicknessFloor),
    Tip(InsulationThicknessFloor),
    Tip(OutsideTemperatureFloor),
    Tip(Latitude),
    Tip(OutsideDesignTemperature),
    Tip(OutsideRelativeHumidity),
    Tip(RoomLength),
    Tip(RoomWidth),
    Tip(RoomHeight),
    Tip(RoomVolume, "Объём камеры, куб.м", "длина × ширина × высота камеры"),
    Tip(WallDirectionA, "Сторона света стены А", "по плану камеры и положению компаса"),
    Tip(WallDirectionB, "Сторона света стены Б", "по плану камеры и положению компаса"),
    Tip(WallDirectionC, "Сторона света стены В", "по плану камеры и положению компаса"),
    Tip(WallDirectionD, "Сторона света стены Г", "по плану камеры и положению компаса"),
    Tip(AirExchangeRate),
    Tip(StructureMaterialTextA, "Материал конструкции стены А", "материал, выбранный на странице Q1"),
    Tip(StructureMaterialTextB, "Материал конструкции стены Б", "материал, выбранный на странице Q1"),
    Tip(StructureMaterialTextC, "Материал конструкции стены В", "материал, выбранный на странице Q1"),
    Tip(StructureMaterialTextD, "Материал конструкции стены Г", "материал, выбранный на странице Q1"),
    Tip(StructureMaterialTextCeiling, "Материал конструкции потолка", "материал, выбранный на странице Q1"),
    Tip(EnclosureHeatGainA, "Теплоприток через ограждение (стена А), кВт",
        "коэффициент теплопередачи × площадь × разность температур снаружи и в камере"),
    Tip(EnclosureHeatGainB, "Теплоприток через ограждение (стена Б), кВт",
        "коэффициент теплопередачи × площадь × разность температур снаружи и в камере"),
    Tip(EnclosureHeatGainC, "Теплоприток через ограждение (стена В), кВт",
        "коэффициент теплопередачи × площадь × разность температур снаружи и в камере"),
    Tip(EnclosureHeatGainD, "Теплоприток через ограждение (стена Г), кВт",
        "коэффициент теплопередачи × площадь × разность температур снаружи и в камере"),
    Tip(EnclosureHeatGainCeiling, "Теплоприток через ограждение (потолок), кВт",
        "коэффициент теплопередачи × площадь × разность температур снаружи и в камере"),
    Tip(EnclosureHeatGainFloor, "Теплоприток через ограждение (пол), кВт",
        "по слоям или по зонам пола на грунте × разность температур"),
    Tip(HeatGainQ1, "Теплоприток через ограждения Q1, кВт", "сумма теплопритоков через стены, потолок и пол"),
    Tip(RoomTemperature),
    Tip(SunlitTextA, "Освещённость солнцем стены А", "плитка освещённости на странице Q12"),
    Tip(SunlitTextB, "Освещённость солнцем стены Б", "плитка освещённости на странице Q12"),
    Tip(SunlitTextC, "Освещённость солнцем стены В", "плитка освещённости на странице Q12"),
    Tip(SunlitTextD, "Освещённость солнцем стены Г", "плитка освещённости на странице Q12"),
    Tip(SunlitTextCeiling, "Освещённость солнцем потолка", "плитка освещённости на странице Q12"),
    Tip(OutsideFacingTextA, "Наружное ли ограждение (стена А)", "плитка наружного ограждения"),
    Tip(OutsideFacingTextB, "Наружное ли ограждение (стена Б)", "плитка наружного ограждения"),
    Tip(OutsideFacingTextC, "Наружное ли ограждение (стена В)", "плитка наружного ограждения"),
    Tip(OutsideFacingTextD, "Наружное ли ограждение (стена Г)", "плитка наружного ограждения"),
    Tip(OutsideFacingTextCeiling, "Наружное ли ограждение (потолок)", "плитка наружного ограждения"),
    Tip(RoomRelativeHumidity),
    Tip(EquipmentRunningHours),
    Tip(CapacityReserve),
    Tip(OutsideFacingCopyA, "Наружное ли ограждение (стена А)", "копия со страницы Q1"),
    Tip(OutsideFacingCopyB, "Наружное ли ограждение (стена Б)", "копия со страницы Q1"),
    Tip(OutsideFacingCopyC, "Наружное ли ограждение (стена В)", "копия со страницы Q1"),
    Tip(OutsideFacingCopyD, "Наружное ли ограждение (стена Г)", "копия со страницы Q1"),
    Tip(OutsideFacingCopyCeiling, "Наружное ли ограждение (потолок)", "копия со страницы Q1"),
    Tip(SolarTemperatureDifferenceA, "Избыточная разность температур от солнца стены А, °C",
        "по широте, стороне света и отделке поверхности"),
    Tip(SolarTemperatureDifferenceB, "Избыточная разность температур от солнца стены Б, °C",
        "по широте, стороне света и отделке поверхности"),
    Tip(SolarTemperatureDifferenceC, "Избыточная разность температур от солнца стены В, °C",
        "по широте, стороне света и отделке поверхности"),
    Tip(SolarTemperatureDifferenceD, "Избыточная разность температур от солнца стены Г, °C",
        "по широте, стороне света и отделке поверхности"),
    Tip(SolarTemperatureDifferenceCeiling, "Избыточная разность температур от солнца потолка, °C",
        "по широте, стороне света и отделке поверхности"),
    Tip(SolarHeatGainA, "Поправка на солнечную радиацию стены А, кВт",
        "коэффициент теплопередачи × площадь × избыточная разность температур"),
    Tip(SolarHeatGainB, "Поправка на солнечную радиацию стены Б, кВт",
        "коэффициент теплопередачи × площадь × избыточная разность температур"),
    Tip(SolarHeatGainC, "Поправка на солнечную радиацию стены В, кВт",
        "коэффициент теплопередачи × площадь × избыточная разность температур"),
    Tip(SolarHeatGainD, "Поправка на солнечную радиацию стены Г, кВт",
        "коэффициент теплопередачи × площадь × избыточная разность температур"),
    Tip(SolarHeatGainCeiling, "Поправка на солнечную радиацию потолка, кВт",
        "коэффициент теплопередачи × площадь × избыточная разность температур"),
    Tip(HeatGainQ12, "Поправка на солнечную радиацию Q12, кВт",
        "сумма поправок освещённых солнцем наружных ограждений"),
    Tip(HeatGainQ3, "Теплоприток от вентиляции Q3, кВт",
        "объём камеры × кратность воздухообмена × плотность воздуха × разность энтальпий наружного воздуха и воздуха камеры"),
    Tip(StackHeight),
    Tip(StackDensity),
    Tip(PackagingShare),
    Tip(GrossCapacity, "Полная ёмкость камеры (брутто), т", "ёмкость нетто + масса тары"),
    Tip(NetCapacity, "Ёмкость камеры по продукту (нетто), т",
        "площадь камеры × высота штабеля × плотность груза в штабеле (× 0,7 при повышенном грузообороте)"),
    Tip(DailyTurnoverPercent),
    Tip(ProductMoisture, "Содержание воды в продукте, %", "из справочника продуктов для выбранного продукта"),
    Tip(CryoscopicTemperature, "Криоскопическая температура продукта, °C",
        "из справочника продуктов для выбранного продукта"),
    Tip(ProductInletTemperature),
    Tip(ProductFinalTemperature),
    Tip(ProductEnthalpyDifference, "Разность удельных энтальпий продукта, кДж/кг",
        "энтальпии продукта при начальной и конечной температуре"),
    Tip(PackagingEnthalpyDifference, "Разность удельных энтальпий тары, кДж/кг",
        "теплоёмкость тары × разность начальной и конечной температур"),
    Tip(HeatGainQ21, "Теплоприток от обработки продукта Q21, кВт",
        "продукт × разность энтальпий ÷ время: суточный грузооборот за сутки (хранение) или вся ёмкость за время работы оборудования"),
    Tip(HeatGainQ22, "Теплоприток от охлаждения тары Q22, кВт",
        "тара × разность энтальпий тары ÷ время, как для продукта"),
    Tip(RespirationHeat, "Теплота «дыхания» продукта, Вт/т", "из справочника продуктов по температуре в камере"),
    Tip(HeatGainQ2, "Теплоприток от холодильной обработки Q2, кВт", "Q21 + Q22"),
    Tip(HeatGainQ5, "Теплоприток от «дыхания» продукта Q5, кВт", "теплота «дыхания» × ёмкость камеры нетто"),
    Tip(DoorHeight),
    Tip(DoorWidth),
    Tip(LoadUnitMass),
    Tip(VehiclePasses, "Число проходов погрузочно-транспортных средств за сутки",
        "2 × суточный грузооборот ÷ масса грузовой единицы (туда с грузом, обратно пустым)"),
    Tip(LightingPowerDensity),
    Tip(LightingHours),
    Tip(StaffCount),
    Tip(DoorHeatGain, "Теплоприток при открывании дверей, кВт",
        "площадь двери, разность энтальпий и плотностей воздуха, защита двери и время её открывания"),
    Tip(StaffHeatGain, "Теплоприток от людей, кВт",
        "число людей × тепловыделение одного человека при температуре камеры"),
    Tip(LightingHeatGain, "Теплоприток от освещения, кВт",
        "площадь камеры × удельная мощность освещения × доля времени его работы"),
    Tip(VehiclePower),
    Tip(VehicleHours),
    Tip(FanSharePercent),
    Tip(VehicleHeatGain, "Теплоприток от погрузчиков, кВт", "мощность погрузчика × доля времени его работы"),
    Tip(FanHeatGain, "Теплоприток от вентиляторов воздухоохладителей, кВт",
        "в процентах от суммы теплопритоков или мощность × число вентиляторов"),
    Tip(TotalHeatGain, "Сумма теплопритоков Q сум., кВт", "Q1 + Q12 + Q2 + Q3 + Q4 + Q5"),
    Tip(Consumer1Name, "Название первого другого потребителя (свободный текст)"),
    Tip(Consumer1Power),
    Tip(Consumer1Hours),
    Tip(Consumer2Name, "Название второго другого потребителя (свободный текст)"),
    Tip(Consumer2Power),
    Tip(Consumer2Hours),
    Tip(ConsumerHeatGain, "Теплоприток от других потребителей, кВт",
        "мощность × доля времени работы каждого потребителя"),
    Tip(FanPower),
    Tip(RoomArea, "Площадь камеры, кв.м", "длина × ширина камеры"),
    Tip(EquipmentCapacity, "Требуемая холодопроизводительность оборудования, кВт",
        "сумма теплопритоков × 24 ч ÷ время работы оборудования, с резервом"),
    Tip(HeatGainQ4, "Эксплуатационный теплоприток Q4, кВт",
        "сумма теплопритоков от дверей, освещения, людей, погрузчиков, вентиляторов и других потребителей"),
    Tip(SummaryQ1, "Q1 в сводке результатов, кВт", "теплоприток через ограждения со страницы Q1"),
    Tip(SummaryQ12, "Q12 в сводке результатов, кВт", "поправка на солнечную радиацию со страницы Q12"),
    Tip(SummaryQ2, "Q2 в сводке результатов, кВт", "теплоприток от обработки груза со страницы Q2"),
    Tip(SummaryQ3, "Q3 в сводке результатов, кВт", "теплоприток от вентиляции со страницы Q3"),
    Tip(SummaryQ4, "Q4 в сводке результатов, кВт", "эксплуатационный теплоприток со страницы Q4"),
    Tip(SummaryQ5, "Q5 в сводке результатов, кВт", "теплота «дыхания» продукта со страницы Q5"),
    Tip(DailyTurnover),
    Tip(ClientName, "Заказчик (свободный текст)"),
    Tip(ContractorName, "Исполнитель (свободный текст)"),
    Tip(SiteName, "Объект (свободный текст); из него и названия проекта составляется имя файла"),
    Tip(ProjectDate, "Дата проекта (свободный текст)"),
    Tip(ProjectName, "Проект: название или файл проекта"),
    Tip(FanCount),
    Tip(DoorOpenTime),
    Tip(StructureMaterialA, "Материал конструкции стены А: его теплопроводность из справочника"),
    Tip(StructureMaterialB, "Материал конструкции стены Б: его теплопроводность из справочника"),
    Tip(StructureMaterialC, "Материал конструкции стены В: его теплопроводность из справочника"),
    Tip(StructureMaterialD, "Материал конструкции стены Г: его теплопроводность из справочника"),
    Tip(InsulationMaterialA, "Материал изоляции стены А: его теплопроводность из справочника"),
    Tip(InsulationMaterialB, "Материал изоляции стены Б: его теплопроводность из справочника"),
    Tip(InsulationMaterialC, "Материал изоляции стены В: его теплопроводность из справочника"),
    Tip(InsulationMaterialD, "Материал изоляции стены Г: его теплопроводность из справочника"),
    Tip(StructureMaterialCeiling, "Материал конструкции потолка: его теплопроводность из справочника"),
    Tip(InsulationMaterialCeiling, "Материал изоляции потолка: его теплопроводность из справочника"),
    Tip(StructureMaterialFloor, "Материал конструкции пола: его теплопроводность из справочника"),
    Tip(InsulationMaterialFloor, "Материал изоляции пола: его теплопроводность из справочника"),
    Tip(City,
        "Город: климат (широта, температура и влажность наружного воздуха) из справочника; «свой вариант» — ввести вручную"),
    Tip(SurfaceFinishA, "Отделка наружной поверхности стены А: от неё зависит нагрев солнцем"),
    Tip(SurfaceFinishB, "Отделка наружной поверхности стены Б: от неё зависит нагрев солнцем"),
    Tip(SurfaceFinishC, "Отделка наружной поверхности стены В: от неё зависит нагрев солнцем"),
    Tip(SurfaceFinishD, "Отделка наружной поверхности стены Г: от неё зависит нагрев солнцем"),
    Tip(SurfaceFinishCeiling, "Отделка наружной поверхности потолка: от неё зависит нагрев солнцем"),
    Tip(FloorType,
        "Расположение пола: на сваях, над помещением, на грунте (расчёт по зонам), на грунте с электрообогревом"),
    Tip(RoomType, "Тип камеры: задаёт обычные температуры и влажность камеры и груза"),
    Tip(Product, "Продукт: содержание воды, криоскопическая температура, тара и теплота «дыхания» из справочника"),
    Tip(PackagingMaterial, "Материал тары"),
    Tip(DoorProtection,
        "Защита дверного проёма (штора, воздушная завеса): доля теплопритока через дверь, которую она задерживает"),
    Tip(DoorType, "Тип двери (ручная, электроприводная): время открывания на один проезд погрузчика"),
    Tip(ProductGroup, "Группа продуктов: сужает список продуктов"),
    Tip(DoorTimeMode, "Расчёт теплопритока через двери по времени открывания вместо доли"),
    Tip(HighTurnover, "Повышенный грузооборот камеры хранения: в работе 0,7 объёма штабеля, ёмкость меньше"),
    Tip(FanDetailedCalculation, "Уточняющий расчёт вентиляторов по мощности и числу вместо процента"),
    Tip(RunningHoursCaption),
    Tip(DailyTurnoverPercentLabel),
    Tip(FanShareEstimateLabel),
    Tip(FanShareCaption),
    Tip(FanPowerLabel),
    Tip(FanPowerUnitLabel),
    Tip(StackHeightLabel),
    Tip(StackDensityLabel),
    Tip(PackagingShareLabel),
    Tip(GrossCapacityLabel),
    Tip(DailyTurnoverLabel),
    Tip(CompassButton, "Повернуть план камеры на 45°: меняются стороны света стен"),
    Tip(PreviewButton, "Просмотр печати отчёта (Ctrl+Shift+P или F9)"),
    Tip(PrintButton, "Печать отчёта на принтер или в PDF (Ctrl+P)"),
    Tip(ExitButton, "Выход из программы (Ctrl+Q)"),
    Tip(LoadButton, "Загрузить проект или объект из файла (Ctrl+O). Правая кнопка мыши: последние проекты"),
    Tip(SaveButton,
        "Сохранить проект с выбором файла (Ctrl+Shift+S). Ctrl+S: в файл проекта без вопроса, если он уже есть"),
    Tip(FillRowsButton, "Перенести материалы, толщины и температуру стены А на стены Б, В, Г"),
    Tip(FillFinishesButton, "Перенести отделку поверхности стены А на остальные ограждения"),
    Tip(Plan, "План камеры со сторонами света стен"),
    Tip(SunTileA, "Освещено ли солнцем ограждение (стена А); щелчок переключает"),
    Tip(SectionSketch, "Разрез ограждения: конструкция и изоляция"),
    Tip(SunTileB, "Освещено ли солнцем ограждение (стена Б); щелчок переключает"),
    Tip(SunTileC, "Освещено ли солнцем ограждение (стена В); щелчок переключает"),
    Tip(SunTileD, "Освещено ли солнцем ограждение (стена Г); щелчок переключает"),
    Tip(SunTileCeiling, "Освещено ли солнцем ограждение (потолок); щелчок переключает"),
    Tip(FacingTileA, "Наружное ли ограждение (стена А); щелчок переключает"),
    Tip(FacingTileB, "Наружное ли ограждение (стена Б); щелчок переключает"),
    Tip(FacingTileC, "Наружное ли ограждение (стена В); щелчок переключает"),
    Tip(FacingTileD, "Наружное ли ограждение (стена Г); щелчок переключает"),
    Tip(FacingTileCeiling, "Наружное ли ограждение (потолок); щелчок переключает"),
    Tip(Logo),
    Tip(UValueA,
        "Коэффициент теплопередачи (стена А), Вт/(м²·К): заданный заменяет слои ограждения, 0 — расчёт по слоям"),
    Tip(ExtraLayerMaterial1A, "Материал доп. слоя 1 (стена А): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness1A),
    Tip(ExtraLayerMaterial2A, "Материал доп. слоя 2 (стена А): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness2A),
    Tip(ExtraLayerMaterial3A, "Материал доп. слоя 3 (стена А): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness3A),
    Tip(UValueB,
        "Коэффициент теплопередачи (стена Б), Вт/(м²·К): заданный заменяет слои ограждения, 0 — расчёт по слоям"),
    Tip(ExtraLayerMaterial1B, "Материал доп. слоя 1 (стена Б): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness1B),
    Tip(ExtraLayerMaterial2B, "Материал доп. слоя 2 (стена Б): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness2B),
    Tip(ExtraLayerMaterial3B, "Материал доп. слоя 3 (стена Б): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness3B),
    Tip(UValueC,
        "Коэффициент теплопередачи (стена В), Вт/(м²·К): заданный заменяет слои ограждения, 0 — расчёт по слоям"),
    Tip(ExtraLayerMaterial1C, "Материал доп. слоя 1 (стена В): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness1C),
    Tip(ExtraLayerMaterial2C, "Материал доп. слоя 2 (стена В): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness2C),
    Tip(ExtraLayerMaterial3C, "Материал доп. слоя 3 (стена В): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness3C),
    Tip(UValueD,
        "Коэффициент теплопередачи (стена Г), Вт/(м²·К): заданный заменяет слои ограждения, 0 — расчёт по слоям"),
    Tip(ExtraLayerMaterial1D, "Материал доп. слоя 1 (стена Г): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness1D),
    Tip(ExtraLayerMaterial2D, "Материал доп. слоя 2 (стена Г): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness2D),
    Tip(ExtraLayerMaterial3D, "Материал доп. слоя 3 (стена Г): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness3D),
    Tip(UValueCeiling,
        "Коэффициент теплопередачи (потолок), Вт/(м²·К): заданный заменяет слои ограждения, 0 — расчёт по слоям"),
    Tip(ExtraLayerMaterial1Ceiling, "Материал доп. слоя 1 (потолок): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness1Ceiling),
    Tip(ExtraLayerMaterial2Ceiling, "Материал доп. слоя 2 (потолок): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness2Ceiling),
    Tip(ExtraLayerMaterial3Ceiling, "Материал доп. слоя 3 (потолок): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness3Ceiling),
    Tip(UValueFloor,
        "Коэффициент теплопередачи (пол), Вт/(м²·К): заданный заменяет слои ограждения, 0 — расчёт по слоям"),
    Tip(ExtraLayerMaterial1Floor, "Материал доп. слоя 1 (пол): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness1Floor),
    Tip(ExtraLayerMaterial2Floor, "Материал доп. слоя 2 (пол): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness2Floor),
    Tip(ExtraLayerMaterial3Floor, "Материал доп. слоя 3 (пол): встроенные материалы, затем свои (★)"),
    Tip(ExtraLayerThickness3Floor),
    Tip(DefrostHeaterPower, "Мощность нагревателей оттайки одного воздухоохладителя, кВт"),
    Tip(DefrostCoolerCount),
    Tip(DefrostsPerDay, "Число оттаек каждого воздухоохладителя в сутки"),
    Tip(DefrostDuration, "Продолжительность нагрева при одной оттайке, мин"),
    Tip(DefrostRoomShare, "Доля тепла нагревателей, поступающая в камеру (0,3, если неизвестна)"),
    Tip(DefrostHeatGain, "Теплоприток от оттайки воздухоохладителей, кВт (часть Q4)",
        "мощность × число воздухоохладителей × число оттаек × продолжительность ÷ 24 ч × доля в камеру"),
    Tip(StaffOwnHours, "Время работы персонала задаётся своим полем, а не временем работы освещения"),
    Tip(StaffHours),
    Tip(DoorOpenAllDay, "Время открытия двери допускается до 24 ч/сут (без флажка — до 8 ч)"),
    Tip(LightingTwoDecimals, "Удельная мощность освещения вводится с двумя знаками после запятой (10,76)"),
    Tip(OwnMaterialsButton,
        "Библиотека своих материалов: добавить, изменить, удалить; выбранный материал копируется в проект"),
    Tip(ExtraRowButtonA, "Коэффициент теплопередачи и доп. слои (стена А) на странице «Дополнительно»"),
    Tip(ExtraRowButtonB, "Коэффициент теплопередачи и доп. слои (стена Б) на странице «Дополнительно»"),
    Tip(ExtraRowButtonC, "Коэффициент теплопередачи и доп. слои (стена В) на странице «Дополнительно»"),
    Tip(ExtraRowButtonD, "Коэффициент теплопередачи и доп. слои (стена Г) на странице «Дополнительно»"),
    Tip(ExtraRowButtonCeiling, "Коэффициент теплопередачи и доп. слои (потолок) на странице «Дополнительно»"),
    Tip(ExtraRowButtonFloor, "Коэффициент теплопередачи и доп. слои (пол) на странице «Дополнительно»"),
};

constexpr bool OneRowPerControlInOrder()
{
    if (kTips.size() != kControlCount)
        return false;
    for (std::size_t i = 0; i < kTips.size(); ++i)
        if (static_cast<std::size_t>(kTips[i].control) != i)
            return false;
    return true;
}
static_assert(OneRowPerControlInOrder(), "one tooltip row per control, in the order of Control");

std::string Unit(const FieldName& name)
{
    std::string_view unit = name.unit;
    if (!unit.empty() && unit.front() == ' ')
        unit.remove_prefix(1);
    return std::string(unit);
}

// The upper bound a commit takes from other inputs, in words.
std::string_view ComputedBoundWords(fields::ComputedBound bound)
{
    switch (bound) {
    case fields::ComputedBound::StackHeight: return "не выше высоты камеры без 1 м";
    case fields::ComputedBound::DailyTurnover: return "не больше (ёмкость нетто + 1 т) × 1,5";
    case fields::ComputedBound::DoorHeight: return "не выше высоты камеры";
    case fields::ComputedBound::DoorWidth: return "не шире камеры";
    case fields::ComputedBound::DoorOpenTime: return "до 24 ч с флажком «дверь открыта до 24 ч/сут»";
    case fields::ComputedBound::None: break;
    }
    return {};
}

// "Допустимо: от 0 до 1000 мм", with the computed upper bound in words where there is one.
std::string RangeLine(const fields::NumericField& field, const FieldName& name)
{
    const std::string unit = Unit(name);
    const std::string spacedUnit = unit.empty() || unit == "°" ? unit : " " + unit;
    const std::string line = "Допустимо: от " + MessageNumber(field.lower);
    if (field.computedUpper == fields::ComputedBound::None)
        return line + " до " + MessageNumber(field.upper) + spacedUnit;
    if (field.computedUpper == fields::ComputedBound::DoorOpenTime) // a fixed bound a flag raises
        return line + " до " + MessageNumber(field.upper) + spacedUnit + " (" +
               std::string(ComputedBoundWords(field.computedUpper)) + ")";
    return line + spacedUnit + ", " + std::string(ComputedBoundWords(field.computedUpper));
}

} // namespace

std::string ControlTooltip(Control control)
{
    const ControlTipRow& row = kTips[static_cast<std::size_t>(control)];
    std::string tip;
    const auto addLine = [&tip](std::string_view line) {
        if (line.empty())
            return;
        if (!tip.empty())
            tip += '\n';
        tip += line;
    };
    const FieldName* name = FindFieldName(control);
    const fields::NumericField* field = fields::FindNumericField(control);
    if (name != nullptr && row.what.empty()) {
        const std::string unit = Unit(*name);
        addLine(std::string(name->name) + (unit.empty() ? "" : ", " + unit));
    }
    addLine(row.what);
    if (field != nullptr && name != nullptr)
        addLine(RangeLine(*field, *name));
    if (!row.how.empty())
        addLine("Результат: " + std::string(row.how));
    return tip;
}

} // namespace zeltar
