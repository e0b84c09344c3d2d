// Leaving a numeric field: normalise, clamp, show, store, the extra effects of notes 1 to 6, and
// the conversion error that changes nothing.
#include "form_test_support.h"

#include "fields/number_text.h"
#include "refdata/cities.h"

namespace zeltar::test {
namespace {

void ChooseCustomCity(FormModel& form)
{
    form.choose(Control::City, refdata::kCustomCity);
}

// Guards the wiring of the one commit routine: display form, bounds, and the three storages.
TEST(FormCommit, TextsAreNormalisedClampedAndStored)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomWidth, "12,50");
    EXPECT_EQ(Text(form, Control::RoomWidth), "  12,5");
    EXPECT_DOUBLE_EQ(form.state().roomWidth, 12.5);
    Enter(form, Control::RoomTemperature, "-,5");
    EXPECT_EQ(Text(form, Control::RoomTemperature), "  -0,5");
    Enter(form, Control::StructureThicknessA, "1500");
    EXPECT_EQ(Text(form, Control::StructureThicknessA), "  1000");
    EXPECT_DOUBLE_EQ(form.state().rows[WallA].structureThickness, 1000);
    Enter(form, Control::RoomRelativeHumidity, "96");
    EXPECT_DOUBLE_EQ(form.state().roomRelativeHumidity, 0.96);
    Enter(form, Control::StaffCount, "07");
    EXPECT_EQ(Text(form, Control::StaffCount), "  7");
    EXPECT_EQ(form.state().staffCount, 7);
}

TEST(FormCommit, AnEmptyFieldTakesItsLowerBound)
{
    FormModel form{std::string(kToday)};
    ChooseCustomCity(form);
    Enter(form, Control::Latitude, "");
    EXPECT_EQ(Text(form, Control::Latitude), "  30");
    EXPECT_DOUBLE_EQ(form.state().latitude, 30);
}

// Guards a failed conversion that changes the field, the parameter or the results, or lets the
// focus go on.
TEST(FormCommit, ATextThatIsNoNumberChangesNothing)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomWidth, "4");
    const std::string q1 = Text(form, Control::HeatGainQ1);
    ASSERT_TRUE(form.setFocus(Control::RoomLength));
    form.textEdited("1,,2"); // a second comma from the numeric keypad escapes the cleanup
    form.keyRelease(110);
    EXPECT_FALSE(form.setFocus(Control::RoomHeight));
    EXPECT_EQ(form.takeErrors(), std::vector<std::string>{"'1,,2' is not a valid floating point value."});
    EXPECT_EQ(form.focusedControl(), Control::RoomLength);
    EXPECT_EQ(Text(form, Control::RoomLength), "1,,2");
    EXPECT_DOUBLE_EQ(form.state().roomLength, 0);
    EXPECT_EQ(Text(form, Control::HeatGainQ1), q1);
    form.pressEnter(); // the same failure: the focus stays
    EXPECT_EQ(form.focusedControl(), Control::RoomLength);
    EXPECT_EQ(form.takeErrors().size(), 1u);

    form.textEdited("3");
    EXPECT_TRUE(form.setFocus(Control::RoomHeight));
    EXPECT_DOUBLE_EQ(form.state().roomLength, 3);
}

TEST(FormCommit, AWholeNumberFieldRefusesAFraction)
{
    FormModel form{std::string(kToday)};
    form.click(Control::FanDetailedCalculation); // enables the fan count, a whole number of up to four characters
    ASSERT_TRUE(form.setFocus(Control::FanCount));
    form.textEdited("1,5"); // pasted
    EXPECT_FALSE(form.setFocus(Control::RoomLength));
    EXPECT_EQ(form.takeErrors(), std::vector<std::string>{"'  1,5' is not a valid integer value."});
    EXPECT_EQ(Text(form, Control::FanCount), "1,5");
    EXPECT_EQ(form.state().fanCount, 0);
}

// Guards a stacking height the pass uses but the field does not show: leaving the room height
// presets it one metre lower, within 0..20 m, the parameter as the field.
TEST(FormCommit, RoomHeightOf25PresetsStackHeight20)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomHeight, "25");
    EXPECT_DOUBLE_EQ(form.state().stackHeight, 20);
    EXPECT_EQ(Text(form, Control::StackHeight), "  20");
    ASSERT_TRUE(form.setFocus(Control::StackHeight));
    ASSERT_TRUE(form.setFocus(Control::StackDensity));
    EXPECT_DOUBLE_EQ(form.state().stackHeight, 20);
    Enter(form, Control::StackHeight, "30"); // bounds 0..24 now
    EXPECT_EQ(Text(form, Control::StackHeight), "  24");
}

TEST(FormCommit, RoomHeightZeroLeavesNoStackingHeight)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomHeight, "0");
    Enter(form, Control::StackHeight, "5");
    EXPECT_EQ(Text(form, Control::StackHeight), "  0");
    EXPECT_DOUBLE_EQ(form.state().stackHeight, 0);
}

TEST(FormCommit, DoorSizeIsBoundByTheRoundedRoom)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomHeight, "2,5"); // round half to even: 2
    Enter(form, Control::RoomWidth, "3,5");  // 4
    Enter(form, Control::DoorHeight, "3");
    EXPECT_EQ(Text(form, Control::DoorHeight), "  2");
    Enter(form, Control::DoorWidth, "9");
    EXPECT_EQ(Text(form, Control::DoorWidth), "  4");
}

// An empty room: the net capacity 0 is taken as 0,01 t.
TEST(FormCommit, DailyTurnoverWithNetCapacityZero)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::DailyTurnover, "1");
    EXPECT_DOUBLE_EQ(form.state().dailyTurnoverPercent, 150);
    EXPECT_DOUBLE_EQ(form.state().dailyTurnover, 0);
    EXPECT_EQ(Text(form, Control::DailyTurnoverPercent), "  150");
    EXPECT_EQ(Text(form, Control::DailyTurnover), "  0");
}

// Percent and tonnes per day follow each other with the same net capacity.
TEST(FormCommit, DailyTurnoverPercentAndTonnesFollowEachOther)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomLength, "10");
    Enter(form, Control::RoomWidth, "10");
    Enter(form, Control::RoomHeight, "5"); // stack 4 m: net capacity 100 x 0,7 x 4 x 350 / 1000 = 98 t
    ASSERT_DOUBLE_EQ(form.state().netCapacity, 98);
    Enter(form, Control::DailyTurnoverPercent, "20");
    EXPECT_EQ(Text(form, Control::DailyTurnover), "  19,6");
    Enter(form, Control::DailyTurnover, "10");
    EXPECT_EQ(Text(form, Control::DailyTurnoverPercent), "  10,2");
    EXPECT_NEAR(form.state().dailyTurnoverPercent, 1000.0 / 98, 1e-12); // full precision kept
    EXPECT_EQ(Text(form, Control::DailyTurnover), "  10");
    Enter(form, Control::DailyTurnover, "200"); // bound round(99 x 1,5) = 148
    EXPECT_EQ(Text(form, Control::DailyTurnoverPercent), "  150");
    EXPECT_EQ(Text(form, Control::DailyTurnover), "  147");
}

// A chamber: the final temperature only rises to the room's, the inlet stays above it.
TEST(FormCommit, CoolingChamberRaisesFinalAndInletTemperatures)
{
    FormModel form{std::string(kToday)};
    form.choose(Control::RoomType, 2); // "камера охлаждения"
    Enter(form, Control::ProductFinalTemperature, "0");
    Enter(form, Control::ProductInletTemperature, "1");
    Enter(form, Control::RoomTemperature, "2");
    EXPECT_EQ(Text(form, Control::ProductFinalTemperature), "  2");
    EXPECT_EQ(Text(form, Control::ProductInletTemperature), "  3");
    EXPECT_DOUBLE_EQ(form.state().productInletTemperature, 3);

    form.choose(Control::RoomType, 3); // freezing chamber: final -18
    Enter(form, Control::ProductInletTemperature, "-12");
    Enter(form, Control::RoomTemperature, "-30");
    EXPECT_EQ(Text(form, Control::ProductFinalTemperature), "  -18");
    Enter(form, Control::RoomTemperature, "-10");
    EXPECT_EQ(Text(form, Control::ProductFinalTemperature), "  -10");
    EXPECT_EQ(Text(form, Control::ProductInletTemperature), "  -9");
}

TEST(FormCommit, StoreKeepsGoodsAtTheRoomTemperature)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::ProductInletTemperature, "-20");
    Enter(form, Control::RoomTemperature, "-15");
    EXPECT_EQ(Text(form, Control::ProductFinalTemperature), "  -15");
    EXPECT_EQ(Text(form, Control::ProductInletTemperature), "  -14");
}

// The design temperature overwrites all six rows, the heated floor keeping 1.
TEST(FormCommit, DesignTemperatureReachesEveryRowButAHeatedFloor)
{
    FormModel form{std::string(kToday)};
    ChooseCustomCity(form);
    Enter(form, Control::OutsideTemperatureB, "12");
    Enter(form, Control::OutsideDesignTemperature, "28");
    for (const Control row :
         {Control::OutsideTemperatureA, Control::OutsideTemperatureB, Control::OutsideTemperatureC,
          Control::OutsideTemperatureD, Control::OutsideTemperatureCeiling, Control::OutsideTemperatureFloor})
        EXPECT_EQ(Text(form, row), "  28") << row;
    for (const EnclosureRow& row : form.state().rows)
        EXPECT_DOUBLE_EQ(row.outsideTemperature, 28);

    form.choose(Control::FloorType, 3); // "на грунте с  Э/П"
    Enter(form, Control::OutsideDesignTemperature, "33");
    EXPECT_EQ(Text(form, Control::OutsideTemperatureA), "  33");
    EXPECT_EQ(Text(form, Control::OutsideTemperatureFloor), "  1");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 1);
}

// Guards a packaging share the pass uses but the window does not show: a rail room shows it as 0,
// and a store chosen afterwards must not weigh a share the field (and so the file) lacks.
TEST(FormCommit, PackagingShareShownAsZeroInARailRoomIsHeldAsZero)
{
    FormModel form{std::string(kToday)};
    Enter(form, Control::RoomLength, "10");
    Enter(form, Control::RoomWidth, "10");
    Enter(form, Control::RoomHeight, "5");
    form.choose(Control::RoomType, 4);     // meat chilling on rails
    form.choose(Control::ProductGroup, 2); // fruit: a product with a packaging share
    EXPECT_EQ(Text(form, Control::PackagingShare), "  0");
    EXPECT_EQ(form.state().packagingShare, 0);
    form.choose(Control::RoomType, 1);
    EXPECT_EQ(Text(form, Control::PackagingShare), "  0");
    EXPECT_EQ(Text(form, Control::GrossCapacity), Text(form, Control::NetCapacity)); // gross = net: no packaging
}

// Guards the fields the door and fan modes enable: each mode box swaps which of its fields take
// input, and ticking it back restores them.
TEST(FormCommit, ModeBoxesEnableTheirFields)
{
    FormModel form{std::string(kToday)};
    const auto enabled = [&form](Control control) { return form.control(control).enabled; };
    const Control timeFields[]{Control::DoorOpenTime};
    const Control passFields[]{Control::LoadUnitMass, Control::VehiclePasses};
    const Control shareFields[]{Control::FanSharePercent};
    const Control detailFields[]{Control::FanPower, Control::FanCount};
    for (int ticked = 0; ticked < 3; ++ticked) {
        const bool on = ticked % 2 == 1;
        for (Control c : timeFields)
            EXPECT_EQ(enabled(c), on) << ticked;
        for (Control c : passFields)
            EXPECT_EQ(enabled(c), !on) << ticked;
        for (Control c : shareFields)
            EXPECT_EQ(enabled(c), !on) << ticked;
        for (Control c : detailFields)
            EXPECT_EQ(enabled(c), on) << ticked;
        form.click(Control::DoorTimeMode);
        form.click(Control::FanDetailedCalculation);
    }
}

} // namespace
} // namespace zeltar::test
