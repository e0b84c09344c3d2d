// List choices and their presets: city, floor placement, room type, product and product group.
#include "form_test_support.h"

#include "refdata/cities.h"

namespace zeltar::test {
namespace {

TEST(FormPresets, CitySetsTheClimateAndEveryOutsideTemperature)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::OutsideTemperatureC, "5"); // a wall changed by hand is overwritten by the next city
    form.choose(Control::City, 2);                  // "Анадырь"
    EXPECT_EQ(Text(form, Control::OutsideDesignTemperature), "  22,7");
    EXPECT_EQ(Text(form, Control::Latitude), "  64");
    EXPECT_EQ(Text(form, Control::OutsideRelativeHumidity), "  81");
    EXPECT_DOUBLE_EQ(form.state().outsideRelativeHumidity, 0.81);
    for (const Control row :
         {Control::OutsideTemperatureA, Control::OutsideTemperatureB, Control::OutsideTemperatureC,
          Control::OutsideTemperatureD, Control::OutsideTemperatureCeiling, Control::OutsideTemperatureFloor})
        EXPECT_EQ(Text(form, row), "  22,7") << row;
    form.choose(Control::City, 7); // "Ашхабад"
    EXPECT_EQ(Text(form, Control::OutsideDesignTemperature), "  44,1");
}

// "свой вариант" opens the climate fields; any other city closes them and overwrites the values.
TEST(FormPresets, CustomCityEnablesTheClimateFields)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::City, refdata::kCustomCity);
    EXPECT_EQ(Text(form, Control::OutsideDesignTemperature), "  30");
    EXPECT_EQ(Text(form, Control::Latitude), "  45");
    EXPECT_DOUBLE_EQ(form.state().outsideRelativeHumidity, 0.5);
    for (const Control climate :
         {Control::Latitude, Control::OutsideDesignTemperature, Control::OutsideRelativeHumidity})
        EXPECT_TRUE(form.control(climate).enabled) << climate;
    Enter(form, Control::OutsideRelativeHumidity, "70");
    EXPECT_DOUBLE_EQ(form.state().outsideRelativeHumidity, 0.7);
    form.choose(Control::City, 64);
    for (const Control climate :
         {Control::Latitude, Control::OutsideDesignTemperature, Control::OutsideRelativeHumidity})
        EXPECT_FALSE(form.control(climate).enabled) << climate;
    EXPECT_EQ(Text(form, Control::OutsideRelativeHumidity), "  56");
}

TEST(FormPresets, FloorOnHeatedGroundKeepsOneDegree)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::OutsideTemperatureFloor, "15");
    form.choose(Control::FloorType, 3);
    EXPECT_EQ(Text(form, Control::OutsideTemperatureFloor), "  1");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 1);
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outerSurfaceCoefficient, 100000);
    form.choose(Control::City, 51); // "Краснодар"
    EXPECT_EQ(Text(form, Control::OutsideTemperatureFloor), "  1");
    EXPECT_EQ(Text(form, Control::OutsideTemperatureA), "  37,1");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 1);
}

TEST(FormPresets, FloorOnGroundDisablesTheFloorTemperature)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::OutsideTemperatureFloor, "15");
    form.choose(Control::FloorType, 2);
    EXPECT_FALSE(form.control(Control::OutsideTemperatureFloor).enabled);
    EXPECT_EQ(Text(form, Control::OutsideTemperatureFloor), "  31,6");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 31.6);
    form.choose(Control::FloorType, 1);
    EXPECT_TRUE(form.control(Control::OutsideTemperatureFloor).enabled);
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outerSurfaceCoefficient, 10);
}

// A chamber hides the turnover fields, disables and clears "Повышенная"; a store brings them back
// with the box unticked and the turnover at 10 %.
TEST(FormPresets, RoomTypeGroupPresetsAndVisibility)
{
    FormModel form{std::string(kToday)};
    form.click(Control::HighTurnover);
    ASSERT_EQ(form.state().highTurnover, 1);
    Enter(form, Control::DailyTurnoverPercent, "40");
    form.choose(Control::RoomType, 3); // "камера замораживания"
    EXPECT_EQ(Text(form, Control::RoomTemperature), "  -30");
    EXPECT_EQ(Text(form, Control::RoomRelativeHumidity), "  98");
    EXPECT_EQ(Text(form, Control::ProductInletTemperature), "  20");
    EXPECT_EQ(Text(form, Control::ProductFinalTemperature), "  -18");
    EXPECT_EQ(Text(form, Control::StackDensity), "  200");
    EXPECT_EQ(Text(form, Control::RunningHoursCaption), "Время термообработки, ч");
    EXPECT_FALSE(form.control(Control::HighTurnover).enabled);
    EXPECT_EQ(form.control(Control::HighTurnover).index, 0);
    EXPECT_EQ(form.state().highTurnover, 0);
    for (const Control hidden : {Control::DailyTurnoverPercent, Control::DailyTurnover,
                                 Control::DailyTurnoverPercentLabel, Control::DailyTurnoverLabel})
        EXPECT_FALSE(form.control(hidden).visible) << hidden;
    for (const Control shown : {Control::StackHeight, Control::StackDensity, Control::PackagingShare,
                                Control::GrossCapacity, Control::StackHeightLabel, Control::NetCapacity})
        EXPECT_TRUE(form.control(shown).visible) << shown;
    EXPECT_DOUBLE_EQ(form.state().dailyTurnoverPercent, 40); // kept for the door's goods flow

    form.choose(Control::RoomType, 5); // rail
    for (const Control hidden : {Control::StackHeight, Control::StackDensity, Control::PackagingShare,
                                 Control::GrossCapacity, Control::GrossCapacityLabel})
        EXPECT_FALSE(form.control(hidden).visible) << hidden;
    EXPECT_TRUE(form.control(Control::NetCapacity).visible);

    form.choose(Control::RoomType, 1);
    EXPECT_TRUE(form.control(Control::HighTurnover).enabled);
    EXPECT_EQ(form.control(Control::HighTurnover).index, 0);
    EXPECT_EQ(Text(form, Control::DailyTurnoverPercent), "  10");
    EXPECT_EQ(Text(form, Control::StackDensity), "  350");
    EXPECT_EQ(Text(form, Control::RunningHoursCaption), "Время работы оборуд., ч/сут");
    for (const Control shown : {Control::StackHeight, Control::DailyTurnoverPercent, Control::DailyTurnover,
                                Control::DailyTurnoverPercentLabel, Control::DailyTurnoverLabel})
        EXPECT_TRUE(form.control(shown).visible) << shown;
}

TEST(FormPresets, ProductSetsItsPropertiesAndGroup)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::Product, 16); // "рыба жирная": group 1, cardboard, 10 %
    EXPECT_EQ(form.control(Control::ProductGroup).index, 1);
    EXPECT_EQ(form.control(Control::PackagingMaterial).index, 1);
    EXPECT_EQ(Text(form, Control::PackagingShare), "  10");
    EXPECT_EQ(form.state().packagingShare, 10);
    EXPECT_EQ(Text(form, Control::ProductMoisture), "  60");
    EXPECT_EQ(Text(form, Control::CryoscopicTemperature), "  -2,2");
    EXPECT_DOUBLE_EQ(form.state().cryoscopicTemperature, -2.2);
    EXPECT_EQ(form.control(Control::Product).color, ControlColor::Default);

    form.choose(Control::ProductGroup, 2); // the group's first product: "абрикосы"
    EXPECT_EQ(form.control(Control::Product).index, 19);
    EXPECT_EQ(Text(form, Control::PackagingShare), "  20");
    EXPECT_EQ(Text(form, Control::ProductMoisture), "  87");
    EXPECT_DOUBLE_EQ(form.state().cryoscopicTemperature, -1.3);
}

// Packaged goods in a rail room turn both lists red; a later room type leaves the colour.
TEST(FormPresets, PackagedProductInARailRoomIsRed)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::RoomType, 4);
    form.choose(Control::Product, 1); // unpackaged
    EXPECT_EQ(form.control(Control::Product).color, ControlColor::Default);
    form.choose(Control::Product, 4); // "колбаса вареная", cardboard
    EXPECT_EQ(form.control(Control::Product).color, ControlColor::Red);
    EXPECT_EQ(form.control(Control::PackagingMaterial).color, ControlColor::Red);
    form.choose(Control::RoomType, 0);
    EXPECT_EQ(form.control(Control::PackagingMaterial).color, ControlColor::Red);
    form.choose(Control::ProductGroup, 0); // a group choice changes no colour
    EXPECT_EQ(form.control(Control::Product).color, ControlColor::Red);
    form.choose(Control::Product, 4); // in a store: the normal colour again
    EXPECT_EQ(form.control(Control::Product).color, ControlColor::Default);
}

TEST(FormPresets, ChoosingAnEntryOutsideTheListChangesNothing)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::RoomType, 8);
    EXPECT_EQ(form.takeErrors().size(), 1u);
    EXPECT_EQ(form.control(Control::RoomType).index, 0);
    EXPECT_EQ(form.focusedControl(), Control::City);
}

TEST(FormPresets, CheckBoxesRecalculateAndFollowTheirModes)
{
    FormModel form{std::string(kToday)};
    form.click(Control::FanDetailedCalculation);
    EXPECT_EQ(form.focusedControl(), Control::FanDetailedCalculation);
    EXPECT_EQ(form.state().fanDetailedCalculation, 1);
    EXPECT_FALSE(form.control(Control::FanSharePercent).enabled);
    EXPECT_TRUE(form.control(Control::FanPower).enabled);
    EXPECT_TRUE(form.control(Control::FanCount).enabled);
    form.click(Control::DoorTimeMode);
    EXPECT_TRUE(form.control(Control::DoorOpenTime).enabled);
    EXPECT_FALSE(form.control(Control::LoadUnitMass).enabled);
    form.click(Control::DoorTimeMode);
    EXPECT_FALSE(form.control(Control::DoorOpenTime).enabled);
    EXPECT_EQ(form.state().doorTimeMode, 0);
}

} // namespace
} // namespace zeltar::test
