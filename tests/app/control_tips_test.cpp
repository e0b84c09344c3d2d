// Tooltips: every control the user works with or reads says what it is; numbers say their unit and
// the values they accept as the field table bounds them; results say how they are obtained.
#include "app/control_tips.h"
#include "app/field_names.h"
#include "fields/control_catalogue.h"
#include "fields/field_table.h"

#include <gtest/gtest.h>

namespace zeltar::test {
namespace {

bool Explains(const ControlFacts& facts)
{
    return facts.type != ControlType::Label && facts.control != Control::Logo;
}

TEST(ControlTips, EveryControlTheUserWorksWithOrReadsHasOne)
{
    for (const ControlFacts& facts : AllControls())
        EXPECT_EQ(ControlTooltip(facts.control).empty(), !Explains(facts)) << facts.name;
}

TEST(ControlTips, ResultsSayHowTheyAreObtained)
{
    for (const ControlFacts& facts : AllControls()) {
        if (facts.readOnly) {
            EXPECT_NE(ControlTooltip(facts.control).find("\nРезультат: "), std::string::npos) << facts.name;
        }
    }
}

// The range is the field table's, in the field's unit; a bound taken from other inputs is said in words.
TEST(ControlTips, NumbersSayTheirUnitAndRangeFromTheFieldTable)
{
    for (const fields::NumericField& field : fields::NumericFields()) {
        const std::string tip = ControlTooltip(field.control);
        const std::string range = "Допустимо: от " + MessageNumber(field.lower);
        EXPECT_NE(tip.find(range), std::string::npos) << Name(field.control) << ": " << tip;
        if (field.computedUpper == fields::ComputedBound::None) {
            EXPECT_NE(tip.find(" до " + MessageNumber(field.upper)), std::string::npos) << tip;
        }
    }
    EXPECT_EQ(ControlTooltip(Control::StructureThicknessA),
              "Толщина конструкции стены А, мм\nДопустимо: от 0 до 1000 мм");
    EXPECT_EQ(ControlTooltip(Control::DoorHeight).substr(ControlTooltip(Control::DoorHeight).find('\n') + 1),
              "Допустимо: от " + MessageNumber(fields::FindNumericField(Control::DoorHeight)->lower) +
                  " м, не выше высоты камеры");
    EXPECT_NE(ControlTooltip(Control::OutsideDesignTemperature).find("Допустимо: от 0 до 60 °C"), std::string::npos);
}

TEST(ControlTips, ButtonsNameTheirKeys)
{
    EXPECT_NE(ControlTooltip(Control::LoadButton).find("Ctrl+O"), std::string::npos);
    EXPECT_NE(ControlTooltip(Control::SaveButton).find("Ctrl+S"), std::string::npos);
    EXPECT_NE(ControlTooltip(Control::PrintButton).find("Ctrl+P"), std::string::npos);
    EXPECT_NE(ControlTooltip(Control::PreviewButton).find("F9"), std::string::npos);
    EXPECT_NE(ControlTooltip(Control::ExitButton).find("Ctrl+Q"), std::string::npos);
}

} // namespace
} // namespace zeltar::test
