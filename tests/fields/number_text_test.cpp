// Number texts of the window: display form, cutting of results, conversions and the typing rules
// of the numeric fields.
#include "fields/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace zeltar::fields;

namespace {

// Runs one typed character through the filter, an insertion at the end and the release cleanup,
// as a field does for a key of the main keyboard.
std::string Type(FieldKind kind, std::string text, char32_t character)
{
    int comma = 0;
    if (!FilterKey(kind, character, text, comma))
        return text;
    text.push_back(static_cast<char>(character));
    const int code = character == U',' ? kCommaKeyCode : character == U'-' ? kMinusKeyCode : 0;
    return CleanAfterKey(text, code, comma);
}

std::string TypeAll(FieldKind kind, std::string_view keys)
{
    std::string text;
    for (char c : keys)
        text = Type(kind, text, static_cast<char32_t>(c));
    return text;
}

} // namespace

TEST(GeneralFormat, ShowsShortestDecimalCommaTextWithoutExponent)
{
    EXPECT_EQ(FormatGeneral(12.5), "12,5");
    EXPECT_EQ(FormatGeneral(1000), "1000");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(-0.0), "0"); // a negative value cut to zero must read as zero
    EXPECT_EQ(FormatGeneral(-0.5), "-0,5");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0,3"); // 15 significant digits hide binary noise
    EXPECT_EQ(FormatGeneral(31.64), "31,64");
    EXPECT_EQ(FormatGeneral(0.00001), "0,00001");
    EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(DisplayText(350), "  350");
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}

TEST(ResultCut, CutsTowardZeroOnTheDecimalFormNotTheBinaryOne)
{
    EXPECT_EQ(ResultText(1.239), "  1,23");
    EXPECT_EQ(ResultText(-0.018), "  -0,01");
    EXPECT_EQ(ResultText(-0.001), "  0"); // no "-0"
    EXPECT_EQ(ResultText(1.999 * 1), "  1,99");
    // 290 W is 0.29 kW: trunc(0.29 x 100) of the binary value would give 0,28.
    EXPECT_EQ(ResultText(290 / 1000.0), "  0,29");
    for (int watts = -5000; watts <= 5000; watts += 10)
        EXPECT_EQ(CutToDecimals(watts / 1000.0, 2), std::round(watts / 10.0) / 100) << watts << " W";
    EXPECT_EQ(ResultText(12.3456, 1), "  12,3");
    EXPECT_EQ(ResultText(8.12, 1), "  8,1");
    EXPECT_EQ(ResultText(0.0149), "  0,01");
    EXPECT_EQ(ResultText(1e-9), "  0");
}

TEST(DecimalConversion, AcceptsCommaNumbersAndRefusesEverythingElse)
{
    EXPECT_EQ(ParseDecimal("  350"), 350);
    EXPECT_EQ(ParseDecimal(",5"), 0.5);
    EXPECT_EQ(ParseDecimal("-,5"), -0.5);
    EXPECT_EQ(ParseDecimal("12,50"), 12.5);
    EXPECT_EQ(ParseDecimal("5,"), 5);
    EXPECT_EQ(ParseDecimal("1E3"), 1000);
    for (const char* bad : {"", " ", "-", ",", "1.5", "1-2", "1,,2", "--5", "nan", "NAN", "inf", "INF", "-inf", "1e400",
                            "abc", "1 2", "0x10", "1e", "12a"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST(IntegerConversion, AcceptsWholeNumbersInThe32BitRange)
{
    EXPECT_EQ(ParseInteger("  80"), 80);
    EXPECT_EQ(ParseInteger("-1"), -1);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", "2147483648", "1,5", "1 ", "x", "-", "99999999999999999999"})
        EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
}

TEST(KeyFilter, AdmitsOnlyTheCharactersOfTheFieldKind)
{
    int comma = -1;
    EXPECT_TRUE(FilterKey(FieldKind::Digits, U'7', "", comma));
    EXPECT_TRUE(FilterKey(FieldKind::Digits, kBackspace, "12", comma));
    EXPECT_FALSE(FilterKey(FieldKind::Digits, U',', "", comma));
    EXPECT_FALSE(FilterKey(FieldKind::Digits, U'-', "", comma));
    EXPECT_TRUE(FilterKey(FieldKind::SignedDigits, U'-', "", comma));
    EXPECT_FALSE(FilterKey(FieldKind::SignedDigits, U',', "", comma));
    EXPECT_TRUE(FilterKey(FieldKind::Decimal, U',', "", comma));
    EXPECT_FALSE(FilterKey(FieldKind::Decimal, U'-', "", comma));
    EXPECT_TRUE(FilterKey(FieldKind::SignedDecimal, U'-', "", comma));
    // A full stop is the decimal comma where a comma is admitted, and refused where it is not.
    EXPECT_TRUE(FilterKey(FieldKind::Decimal, U'.', "1", comma));
    EXPECT_TRUE(FilterKey(FieldKind::SignedDecimal, U'.', "1", comma));
    EXPECT_FALSE(FilterKey(FieldKind::Digits, U'.', "1", comma));
    EXPECT_FALSE(FilterKey(FieldKind::SignedDigits, U'.', "1", comma));
    for (char32_t rejected : {U' ', U'a', U'\r', char32_t{22} /* Ctrl+V */, U'ж'})
        EXPECT_FALSE(FilterKey(FieldKind::SignedDecimal, rejected, "1", comma));
}

TEST(KeyFilter, RecordsTheCommaPositionBeforeTheKeyForCommaKindsOnly)
{
    int comma = -1;
    FilterKey(FieldKind::Decimal, U'5', "12,3", comma);
    EXPECT_EQ(comma, 3);
    FilterKey(FieldKind::SignedDecimal, U'x', "-,3", comma); // recorded whatever the character
    EXPECT_EQ(comma, 2);
    FilterKey(FieldKind::Digits, U'5', "12", comma);
    EXPECT_EQ(comma, 0);
}

TEST(TypingCleanup, KeepsOneLeadingMinusAndOneComma)
{
    EXPECT_EQ(TypeAll(FieldKind::SignedDecimal, "5-"), "5");   // minus after a digit goes
    EXPECT_EQ(TypeAll(FieldKind::SignedDecimal, "--5"), "-5"); // second minus at the start goes
    EXPECT_EQ(TypeAll(FieldKind::SignedDecimal, "-12,5"), "-12,5");
    EXPECT_EQ(TypeAll(FieldKind::Decimal, "1,2,"), "1,2"); // second comma at the end goes
    EXPECT_EQ(TypeAll(FieldKind::Decimal, ",,"), ",");
    EXPECT_EQ(TypeAll(FieldKind::SignedDigits, "-1-0"), "-10");
    // A second comma typed in front of the first one disappears too.
    int comma = 0;
    ASSERT_TRUE(FilterKey(FieldKind::Decimal, U',', "12,5", comma));
    EXPECT_EQ(CleanAfterKey("1,2,5", kCommaKeyCode, comma), "12,5");
    ASSERT_TRUE(FilterKey(FieldKind::Decimal, U',', "1,2", comma));
    EXPECT_EQ(CleanAfterKey(",1,2", kCommaKeyCode, comma), "1,2");
}

TEST(TypingCleanup, KeysOtherThanTheMainKeyboardsLeaveTextsThatFailAtCommit)
{
    // A keypad comma is not the comma key: the doubled comma stays and the commit refuses it.
    EXPECT_EQ(CleanAfterKey("1,,2", 110, 2), "1,,2");
    EXPECT_FALSE(NormalizeAndClamp("1,,2", 0, 100).has_value());
}

TEST(FocusGained, RemovesBlanksAndEmptiesAZero)
{
    EXPECT_EQ(PrepareForEditing("  0"), "");
    EXPECT_EQ(PrepareForEditing("  0,5"), "0,5");
    EXPECT_EQ(PrepareForEditing("  12,5"), "12,5");
    EXPECT_EQ(PrepareForEditing(""), "");
}

TEST(Commit, SubstitutesEmptyTextsAndClampsUpperBoundFirst)
{
    EXPECT_EQ(NormalizeAndClamp("", 30, 70), "30"); // an empty latitude becomes the lower bound
    EXPECT_EQ(NormalizeAndClamp("-", -50, 100), "0");
    EXPECT_EQ(NormalizeAndClamp(",", 0, 100), "0");
    EXPECT_EQ(NormalizeAndClamp("-,", -50, 100), "0");
    EXPECT_EQ(NormalizeAndClamp(",5", 0, 100), "0,5");
    EXPECT_EQ(NormalizeAndClamp("-,5", -50, 100), "-0,5");
    EXPECT_EQ(NormalizeAndClamp("007", 0, 1000), "7");
    EXPECT_EQ(NormalizeAndClamp("12,50", 0, 100), "12,5");
    EXPECT_EQ(NormalizeAndClamp("1500", 0, 1000), "1000");
    // A computed upper bound below the lower one: the lower bound wins.
    EXPECT_EQ(NormalizeAndClamp("5", 0, -1), "0");
    EXPECT_FALSE(NormalizeAndClamp("1-2", 0, 100).has_value());
}

TEST(ReportTextRules, SubstituteEmptyTextsThenRemoveBlanks)
{
    EXPECT_EQ(StripBlanks(""), "0");
    EXPECT_EQ(StripBlanks("  0"), "0");
    EXPECT_EQ(StripBlanks(" нар"), "нар");
    EXPECT_EQ(StripBlanks("     Ю"), "Ю");
    EXPECT_EQ(TrimTrailingBlanks(""), " 0");
    EXPECT_EQ(TrimTrailingBlanks("  7  "), "  7");
    EXPECT_EQ(TrimTrailingBlanks("Абакан                        "), "Абакан");
}

TEST(ConversionMessages, QuoteTheTextAndEndWithAFullStop)
{
    EXPECT_EQ(NotAFloatMessage("1-2"), "'1-2' is not a valid floating point value.");
    EXPECT_EQ(NotAnIntegerMessage("x"), "'x' is not a valid integer value.");
}

// Fault: number texts following the C library's locale. QApplication sets the user's locale, and a
// comma locale then turned 12,5 into «1,,25» and 350 into «3,5». Runs under the Russian locale in
// its own CTest (fields_number_text_russian_locale); elsewhere it uses any comma locale present.
TEST(LocaleIndependence, TextsAndConversionsAreTheSameUnderACommaLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    bool commaLocale = false;
    for (const char* name : {"", "ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_ALL, name) != nullptr && std::string(std::localeconv()->decimal_point) == ",") {
            commaLocale = true;
            break;
        }
    if (!commaLocale) {
        std::setlocale(LC_ALL, before.c_str());
        GTEST_SKIP() << "no locale with a decimal comma";
    }
    EXPECT_EQ(DisplayText(12.5), "  12,5");
    EXPECT_EQ(DisplayText(350), "  350");
    EXPECT_EQ(FormatGeneral(-0.0000012), "-1,2E-6");
    EXPECT_EQ(FormatGeneral(1e20), "1E20");
    EXPECT_EQ(ResultText(26.987), "  26,98");
    EXPECT_EQ(ResultText(290 / 1000.0), "  0,29");
    EXPECT_EQ(ParseDecimal("12,5"), 12.5);
    EXPECT_EQ(NormalizeAndClamp("1,25E1", 0, 100), "12,5");
    std::setlocale(LC_ALL, before.c_str());
}
