// List choices and their presets: city, floor placement, room type, product and product group.
#include "form_test_support.h"

#include "refdata/cities.h"

namespace zeltar::test {
namespace {

TEST(FormPresets, CitySetsTheClimateAndEveryOutsideTemperature)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit11", "5"); // a wall changed by hand is overwritten by the next city
    form.choose("ComboBox13", 2); // "Анадырь"
    EXPECT_EQ(Text(form, "Edit20"), "  22,7");
    EXPECT_EQ(Text(form, "Edit19"), "  64");
    EXPECT_EQ(Text(form, "Edit21"), "  81");
    EXPECT_DOUBLE_EQ(form.state().outsideRelativeHumidity, 0.81);
    for (const char* row : {"Edit9", "Edit10", "Edit11", "Edit12", "Edit15", "Edit18"})
        EXPECT_EQ(Text(form, row), "  22,7") << row;
    form.choose("ComboBox13", 7); // "Ашхабад"
    EXPECT_EQ(Text(form, "Edit20"), "  44,1");
}

// "свой вариант" opens the climate fields; any other city closes them and overwrites the values.
TEST(FormPresets, CustomCityEnablesTheClimateFields)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox13", refdata::kCustomCity);
    EXPECT_EQ(Text(form, "Edit20"), "  30");
    EXPECT_EQ(Text(form, "Edit19"), "  45");
    EXPECT_DOUBLE_EQ(form.state().outsideRelativeHumidity, 0.5);
    for (const char* climate : {"Edit19", "Edit20", "Edit21"})
        EXPECT_TRUE(form.control(climate).enabled) << climate;
    Enter(form, "Edit21", "70");
    EXPECT_DOUBLE_EQ(form.state().outsideRelativeHumidity, 0.7);
    form.choose("ComboBox13", 64);
    for (const char* climate : {"Edit19", "Edit20", "Edit21"})
        EXPECT_FALSE(form.control(climate).enabled) << climate;
    EXPECT_EQ(Text(form, "Edit21"), "  56");
}

TEST(FormPresets, FloorOnHeatedGroundKeepsOneDegree)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit18", "15");
    form.choose("ComboBox19", 3);
    EXPECT_EQ(Text(form, "Edit18"), "  1");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 1);
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outerSurfaceCoefficient, 100000);
    form.choose("ComboBox13", 51); // "Краснодар"
    EXPECT_EQ(Text(form, "Edit18"), "  1");
    EXPECT_EQ(Text(form, "Edit9"), "  37,1");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 1);
}

TEST(FormPresets, FloorOnGroundDisablesTheFloorTemperature)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit18", "15");
    form.choose("ComboBox19", 2);
    EXPECT_FALSE(form.control("Edit18").enabled);
    EXPECT_EQ(Text(form, "Edit18"), "  31,6");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 31.6);
    form.choose("ComboBox19", 1);
    EXPECT_TRUE(form.control("Edit18").enabled);
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outerSurfaceCoefficient, 10);
}

// A chamber hides the turnover fields, disables and clears "Повышенная"; a store brings them back
// with the box unticked and the turnover at 10 %.
TEST(FormPresets, RoomTypeGroupPresetsAndVisibility)
{
    FormModel form{std::string(kToday)};
    form.click("CheckBox2");
    ASSERT_EQ(form.state().highTurnover, 1);
    Enter(form, "Edit79", "40");
    form.choose("ComboBox20", 3); // "камера замораживания"
    EXPECT_EQ(Text(form, "Edit43"), "  -30");
    EXPECT_EQ(Text(form, "Edit54"), "  98");
    EXPECT_EQ(Text(form, "Edit82"), "  20");
    EXPECT_EQ(Text(form, "Edit83"), "  -18");
    EXPECT_EQ(Text(form, "Edit75"), "  200");
    EXPECT_EQ(Text(form, "Label46"), "Время термообработки, ч");
    EXPECT_FALSE(form.control("CheckBox2").enabled);
    EXPECT_EQ(form.control("CheckBox2").index, 0);
    EXPECT_EQ(form.state().highTurnover, 0);
    for (const char* hidden : {"Edit79", "Edit124", "Label63", "DailyTurnoverLabel"})
        EXPECT_FALSE(form.control(hidden).visible) << hidden;
    for (const char* shown : {"Edit74", "Edit75", "Edit76", "Edit77", "StackHeightLabel", "Edit78"})
        EXPECT_TRUE(form.control(shown).visible) << shown;
    EXPECT_DOUBLE_EQ(form.state().dailyTurnoverPercent, 40); // kept for the door's goods flow

    form.choose("ComboBox20", 5); // rail
    for (const char* hidden : {"Edit74", "Edit75", "Edit76", "Edit77", "GrossCapacityLabel"})
        EXPECT_FALSE(form.control(hidden).visible) << hidden;
    EXPECT_TRUE(form.control("Edit78").visible);

    form.choose("ComboBox20", 1);
    EXPECT_TRUE(form.control("CheckBox2").enabled);
    EXPECT_EQ(form.control("CheckBox2").index, 0);
    EXPECT_EQ(Text(form, "Edit79"), "  10");
    EXPECT_EQ(Text(form, "Edit75"), "  350");
    EXPECT_EQ(Text(form, "Label46"), "Время работы оборуд., ч/сут");
    for (const char* shown : {"Edit74", "Edit79", "Edit124", "Label63", "DailyTurnoverLabel"})
        EXPECT_TRUE(form.control(shown).visible) << shown;
}

TEST(FormPresets, ProductSetsItsPropertiesAndGroup)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox21", 16); // "рыба жирная": group 1, cardboard, 10 %
    EXPECT_EQ(form.control("ComboBox25").index, 1);
    EXPECT_EQ(form.control("ComboBox22").index, 1);
    EXPECT_EQ(Text(form, "Edit76"), "  10");
    EXPECT_EQ(form.state().packagingShare, 10);
    EXPECT_EQ(Text(form, "Edit80"), "  60");
    EXPECT_EQ(Text(form, "Edit81"), "  -2,2");
    EXPECT_DOUBLE_EQ(form.state().cryoscopicTemperature, -2.2);
    EXPECT_EQ(form.control("ComboBox21").color, ControlColor::Default);

    form.choose("ComboBox25", 2); // the group's first product: "абрикосы"
    EXPECT_EQ(form.control("ComboBox21").index, 19);
    EXPECT_EQ(Text(form, "Edit76"), "  20");
    EXPECT_EQ(Text(form, "Edit80"), "  87");
    EXPECT_DOUBLE_EQ(form.state().cryoscopicTemperature, -1.3);
}

// Packaged goods in a rail room turn both lists red; a later room type leaves the colour.
TEST(FormPresets, PackagedProductInARailRoomIsRed)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox20", 4);
    form.choose("ComboBox21", 1); // unpackaged
    EXPECT_EQ(form.control("ComboBox21").color, ControlColor::Default);
    form.choose("ComboBox21", 4); // "колбаса вареная", cardboard
    EXPECT_EQ(form.control("ComboBox21").color, ControlColor::Red);
    EXPECT_EQ(form.control("ComboBox22").color, ControlColor::Red);
    form.choose("ComboBox20", 0);
    EXPECT_EQ(form.control("ComboBox22").color, ControlColor::Red);
    form.choose("ComboBox25", 0); // a group choice changes no colour
    EXPECT_EQ(form.control("ComboBox21").color, ControlColor::Red);
    form.choose("ComboBox21", 4); // in a store: the normal colour again
    EXPECT_EQ(form.control("ComboBox21").color, ControlColor::Default);
}

TEST(FormPresets, ChoosingAnEntryOutsideTheListChangesNothing)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox20", 8);
    EXPECT_EQ(form.takeErrors().size(), 1u);
    EXPECT_EQ(form.control("ComboBox20").index, 0);
    EXPECT_EQ(form.focus(), "ComboBox13");
}

TEST(FormPresets, CheckBoxesRecalculateAndFollowTheirModes)
{
    FormModel form{std::string(kToday)};
    form.click("CheckBox3");
    EXPECT_EQ(form.focus(), "CheckBox3");
    EXPECT_EQ(form.state().fanDetailedCalculation, 1);
    EXPECT_FALSE(form.control("Edit103").enabled);
    EXPECT_TRUE(form.control("Edit114").enabled);
    EXPECT_TRUE(form.control("Edit130").enabled);
    form.click("CheckBox1");
    EXPECT_TRUE(form.control("Edit131").enabled);
    EXPECT_FALSE(form.control("Edit93").enabled);
    form.click("CheckBox1");
    EXPECT_FALSE(form.control("Edit131").enabled);
    EXPECT_EQ(form.state().doorTimeMode, 0);
}

} // namespace
} // namespace zeltar::test
