// The window right after start-up: defaults once, no recalculation, focus on the city list.
#include "form_test_support.h"

#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "fields/control_catalogue.h"
#include "model/project_date.h"

namespace zeltar::test {
namespace {

// Fault: the date field in the C locale showing «8 Dec 2026» (the system's short form) instead of
// the day, month and year with their leading zeros.
TEST(ProjectDate, IsDayMonthYearWithLeadingZerosInEveryLocale)
{
    EXPECT_EQ(DateText(2026, 12, 8), "08.12.2026");
    EXPECT_EQ(DateText(987, 1, 31), "31.01.0987");
}

// Guards every start-up text, list choice, surface flag, caption, visibility and colour flag at
// once: the reference file is the project saved right after start-up.
TEST(FormStartup, SavedRightAfterStartIsTheDefaultProject)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.saveProject({true, dir.file("start.zlt")}));
    EXPECT_EQ(FileBytes(dir.file("start.zlt")),
              FileBytes(std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/defaults.zlt"));
}

// Models are started from a copy of the last start-up: an edited or loaded model must not leak
// into the next one, and another date must show in its date field.
TEST(FormStartup, ANewModelStartsFreshAfterAnotherWasChanged)
{
    TempDir dir;
    {
        FormModel edited{std::string(kToday)};
        ASSERT_TRUE(edited.loadProject({true, std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/p0003.zlt"}));
        edited.choose(Control::City, 3);
    }
    FormModel fresh{std::string(kToday)};
    ASSERT_TRUE(fresh.saveProject({true, dir.file("start.zlt")}));
    EXPECT_EQ(FileBytes(dir.file("start.zlt")),
              FileBytes(std::string(ZELTAR_TEST_DATA_DIR) + "/reference-projects/defaults.zlt"));
    EXPECT_EQ(Text(FormModel{"31.12.2030"}, Control::ProjectDate), "31.12.2030");
}

TEST(FormStartup, CityListHasTheFocusAndTheClimateFieldsAreDisabled)
{
    FormModel form{std::string(kToday)};
    EXPECT_EQ(form.focusedControl(), Control::City);
    EXPECT_EQ(form.currentTab(), 0);
    EXPECT_EQ(form.control(Control::City).index, 64);
    EXPECT_EQ(Text(form, Control::City).find("Москва"), 0u);
    EXPECT_EQ(Text(form, Control::Latitude), "  56");
    EXPECT_EQ(Text(form, Control::OutsideDesignTemperature), "  31,6");
    EXPECT_EQ(Text(form, Control::OutsideRelativeHumidity), "  56");
    for (const Control climate :
         {Control::Latitude, Control::OutsideDesignTemperature, Control::OutsideRelativeHumidity})
        EXPECT_FALSE(form.control(climate).enabled) << climate;
    EXPECT_EQ(Text(form, Control::ProjectDate), kToday);
    EXPECT_FALSE(form.modified());
    EXPECT_TRUE(form.takeErrors().empty());
}

// Guards a recalculation at start-up: the goods' enthalpy difference would already show 32,8.
TEST(FormStartup, EveryResultShowsZeroUntilTheFirstChange)
{
    FormModel form{std::string(kToday)};
    for (int i = 0; i < calc::kResultFieldCount; ++i) {
        if (!calc::ResultFieldName(static_cast<calc::ResultField>(i)).starts_with("StructureMaterialText")) {
            EXPECT_EQ(Text(form, kResultControls[i]), "  0") << Name(kResultControls[i]);
        }
    }
    EXPECT_EQ(form.control(Control::RoomTemperature).color, ControlColor::Default);

    // Leaving the city list is the first change: every result is filled at once.
    ASSERT_TRUE(form.setFocus(Control::RoomLength));
    EXPECT_EQ(Text(form, Control::ProductEnthalpyDifference), "  32,8");
    EXPECT_EQ(Text(form, Control::SolarTemperatureDifferenceA), "  8,9");
    EXPECT_EQ(form.control(Control::RoomTemperature).color, ControlColor::White);
}

TEST(FormStartup, ColoursAndEnabledStatesOfTheWindow)
{
    FormModel form{std::string(kToday)};
    for (const Control yellow :
         {Control::StructureMaterialA, Control::InsulationMaterialD, Control::SurfaceFinishA, Control::SurfaceFinishD,
          Control::StructureThicknessA, Control::InsulationThicknessFloor, Control::OutsideTemperatureA,
          Control::OutsideTemperatureCeiling})
        EXPECT_EQ(form.control(yellow).color, ControlColor::Yellow) << yellow;
    for (const Control plain : {Control::StructureMaterialCeiling, Control::StructureMaterialFloor,
                                Control::SurfaceFinishCeiling, Control::OutsideTemperatureFloor})
        EXPECT_EQ(form.control(plain).color, ControlColor::Default) << plain;
    EXPECT_TRUE(form.control(Control::FanSharePercent).enabled);
    for (const Control off : {Control::FanPower, Control::FanCount, Control::DoorOpenTime})
        EXPECT_FALSE(form.control(off).enabled) << off;
    EXPECT_EQ(Text(form, Control::StructureMaterialTextA), "железобетон");
    EXPECT_EQ(Text(form, Control::WallDirectionA), "     Ю");
    EXPECT_EQ(Text(form, Control::CompassButton), "КОМПАС");
    EXPECT_EQ(Text(form, Control::FillRowsButton), "ВВОД ДАННЫХ ПО ПЕРВОЙ СТРОКЕ");
}

// List entries are padded to 30 characters, the last entry of a list is not.
TEST(FormStartup, ListEntriesArePaddedButTheLast)
{
    FormModel form{std::string(kToday)};
    const std::vector<std::string> cities = form.listItems(Control::City);
    ASSERT_EQ(cities.size(), 127u);
    EXPECT_EQ(cities[0], "Абакан" + std::string(24, ' '));
    EXPECT_EQ(cities[126], "свой вариант");
}

} // namespace
} // namespace zeltar::test
