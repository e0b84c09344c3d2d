// Leaving a numeric field: normalise, clamp, show, store, the extra effects of notes 1 to 6, and
// the conversion error that changes nothing.
#include "form_test_support.h"

#include "fields/number_text.h"
#include "refdata/cities.h"

namespace zeltar::test {
namespace {

void ChooseCustomCity(FormModel& form)
{
    form.choose("ComboBox13", refdata::kCustomCity);
}

// Guards the wiring of the one commit routine: display form, bounds, and the three storages.
TEST(FormCommit, TextsAreNormalisedClampedAndStored)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit23", "12,50");
    EXPECT_EQ(Text(form, "Edit23"), "  12,5");
    EXPECT_DOUBLE_EQ(form.state().roomWidth, 12.5);
    Enter(form, "Edit43", "-,5");
    EXPECT_EQ(Text(form, "Edit43"), "  -0,5");
    Enter(form, "Edit1", "1500");
    EXPECT_EQ(Text(form, "Edit1"), "  1000");
    EXPECT_DOUBLE_EQ(form.state().rows[WallA].structureThickness, 1000);
    Enter(form, "Edit54", "96");
    EXPECT_DOUBLE_EQ(form.state().roomRelativeHumidity, 0.96);
    Enter(form, "Edit97", "07");
    EXPECT_EQ(Text(form, "Edit97"), "  7");
    EXPECT_EQ(form.state().staffCount, 7);
}

TEST(FormCommit, AnEmptyFieldTakesItsLowerBound)
{
    FormModel form{std::string(kToday)};
    ChooseCustomCity(form);
    Enter(form, "Edit19", "");
    EXPECT_EQ(Text(form, "Edit19"), "  30");
    EXPECT_DOUBLE_EQ(form.state().latitude, 30);
}

// Guards a failed conversion that changes the field, the parameter or the results, or lets the
// focus go on.
TEST(FormCommit, ATextThatIsNoNumberChangesNothing)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit23", "4");
    const std::string q1 = Text(form, "Edit42");
    ASSERT_TRUE(form.setFocus("Edit22"));
    form.textEdited("1,,2"); // a second comma from the numeric keypad escapes the cleanup
    form.keyRelease(110);
    EXPECT_FALSE(form.setFocus("Edit24"));
    EXPECT_EQ(form.takeErrors(), std::vector<std::string>{"'1,,2' is not a valid floating point value."});
    EXPECT_EQ(form.focus(), "Edit22");
    EXPECT_EQ(Text(form, "Edit22"), "1,,2");
    EXPECT_DOUBLE_EQ(form.state().roomLength, 0);
    EXPECT_EQ(Text(form, "Edit42"), q1);
    form.pressEnter(); // the same failure: the focus stays
    EXPECT_EQ(form.focus(), "Edit22");
    EXPECT_EQ(form.takeErrors().size(), 1u);

    form.textEdited("3");
    EXPECT_TRUE(form.setFocus("Edit24"));
    EXPECT_DOUBLE_EQ(form.state().roomLength, 3);
}

TEST(FormCommit, AWholeNumberFieldRefusesAFraction)
{
    FormModel form{std::string(kToday)};
    form.click("CheckBox3"); // enables the fan count, a whole number of up to four characters
    ASSERT_TRUE(form.setFocus("Edit130"));
    form.textEdited("1,5"); // pasted
    EXPECT_FALSE(form.setFocus("Edit22"));
    EXPECT_EQ(form.takeErrors(), std::vector<std::string>{"'  1,5' is not a valid integer value."});
    EXPECT_EQ(Text(form, "Edit130"), "1,5");
    EXPECT_EQ(form.state().fanCount, 0);
}

// Guards a stacking height the pass uses but the field does not show: leaving the room height
// presets it one metre lower, within 0..20 m, the parameter as the field.
TEST(FormCommit, RoomHeightOf25PresetsStackHeight20)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit24", "25");
    EXPECT_DOUBLE_EQ(form.state().stackHeight, 20);
    EXPECT_EQ(Text(form, "Edit74"), "  20");
    ASSERT_TRUE(form.setFocus("Edit74"));
    ASSERT_TRUE(form.setFocus("Edit75"));
    EXPECT_DOUBLE_EQ(form.state().stackHeight, 20);
    Enter(form, "Edit74", "30"); // bounds 0..24 now
    EXPECT_EQ(Text(form, "Edit74"), "  24");
}

TEST(FormCommit, RoomHeightZeroLeavesNoStackingHeight)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit24", "0");
    Enter(form, "Edit74", "5");
    EXPECT_EQ(Text(form, "Edit74"), "  0");
    EXPECT_DOUBLE_EQ(form.state().stackHeight, 0);
}

TEST(FormCommit, DoorSizeIsBoundByTheRoundedRoom)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit24", "2,5"); // round half to even: 2
    Enter(form, "Edit23", "3,5"); // 4
    Enter(form, "Edit91", "3");
    EXPECT_EQ(Text(form, "Edit91"), "  2");
    Enter(form, "Edit92", "9");
    EXPECT_EQ(Text(form, "Edit92"), "  4");
}

// An empty room: the net capacity 0 is taken as 0,01 t.
TEST(FormCommit, DailyTurnoverWithNetCapacityZero)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit124", "1");
    EXPECT_DOUBLE_EQ(form.state().dailyTurnoverPercent, 150);
    EXPECT_DOUBLE_EQ(form.state().dailyTurnover, 0);
    EXPECT_EQ(Text(form, "Edit79"), "  150");
    EXPECT_EQ(Text(form, "Edit124"), "  0");
}

// Percent and tonnes per day follow each other with the same net capacity.
TEST(FormCommit, DailyTurnoverPercentAndTonnesFollowEachOther)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit22", "10");
    Enter(form, "Edit23", "10");
    Enter(form, "Edit24", "5"); // stack 4 m: net capacity 100 x 0,7 x 4 x 350 / 1000 = 98 t
    ASSERT_DOUBLE_EQ(form.state().netCapacity, 98);
    Enter(form, "Edit79", "20");
    EXPECT_EQ(Text(form, "Edit124"), "  19,6");
    Enter(form, "Edit124", "10");
    EXPECT_EQ(Text(form, "Edit79"), "  10,2");
    EXPECT_NEAR(form.state().dailyTurnoverPercent, 1000.0 / 98, 1e-12); // full precision kept
    EXPECT_EQ(Text(form, "Edit124"), "  10");
    Enter(form, "Edit124", "200"); // bound round(99 x 1,5) = 148
    EXPECT_EQ(Text(form, "Edit79"), "  150");
    EXPECT_EQ(Text(form, "Edit124"), "  147");
}

// A chamber: the final temperature only rises to the room's, the inlet stays above it.
TEST(FormCommit, CoolingChamberRaisesFinalAndInletTemperatures)
{
    FormModel form{std::string(kToday)};
    form.choose("ComboBox20", 2); // "камера охлаждения"
    Enter(form, "Edit83", "0");
    Enter(form, "Edit82", "1");
    Enter(form, "Edit43", "2");
    EXPECT_EQ(Text(form, "Edit83"), "  2");
    EXPECT_EQ(Text(form, "Edit82"), "  3");
    EXPECT_DOUBLE_EQ(form.state().productInletTemperature, 3);

    form.choose("ComboBox20", 3); // freezing chamber: final -18
    Enter(form, "Edit82", "-12");
    Enter(form, "Edit43", "-30");
    EXPECT_EQ(Text(form, "Edit83"), "  -18");
    Enter(form, "Edit43", "-10");
    EXPECT_EQ(Text(form, "Edit83"), "  -10");
    EXPECT_EQ(Text(form, "Edit82"), "  -9");
}

TEST(FormCommit, StoreKeepsGoodsAtTheRoomTemperature)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit82", "-20");
    Enter(form, "Edit43", "-15");
    EXPECT_EQ(Text(form, "Edit83"), "  -15");
    EXPECT_EQ(Text(form, "Edit82"), "  -14");
}

// The design temperature overwrites all six rows, the heated floor keeping 1.
TEST(FormCommit, DesignTemperatureReachesEveryRowButAHeatedFloor)
{
    FormModel form{std::string(kToday)};
    ChooseCustomCity(form);
    Enter(form, "Edit10", "12");
    Enter(form, "Edit20", "28");
    for (const char* row : {"Edit9", "Edit10", "Edit11", "Edit12", "Edit15", "Edit18"})
        EXPECT_EQ(Text(form, row), "  28") << row;
    for (const EnclosureRow& row : form.state().rows)
        EXPECT_DOUBLE_EQ(row.outsideTemperature, 28);

    form.choose("ComboBox19", 3); // "на грунте с  Э/П"
    Enter(form, "Edit20", "33");
    EXPECT_EQ(Text(form, "Edit9"), "  33");
    EXPECT_EQ(Text(form, "Edit18"), "  1");
    EXPECT_DOUBLE_EQ(form.state().rows[Floor].outsideTemperature, 1);
}

// Guards a packaging share the pass uses but the window does not show: a rail room shows it as 0,
// and a store chosen afterwards must not weigh a share the field (and so the file) lacks.
TEST(FormCommit, PackagingShareShownAsZeroInARailRoomIsHeldAsZero)
{
    FormModel form{std::string(kToday)};
    Enter(form, "Edit22", "10");
    Enter(form, "Edit23", "10");
    Enter(form, "Edit24", "5");
    form.choose("ComboBox20", 4); // meat chilling on rails
    form.choose("ComboBox25", 2); // fruit: a product with a packaging share
    EXPECT_EQ(Text(form, "Edit76"), "  0");
    EXPECT_EQ(form.state().packagingShare, 0);
    form.choose("ComboBox20", 1);
    EXPECT_EQ(Text(form, "Edit76"), "  0");
    EXPECT_EQ(Text(form, "Edit77"), Text(form, "Edit78")); // gross = net: no packaging
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
