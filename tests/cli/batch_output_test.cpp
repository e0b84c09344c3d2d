// Quoting of texts in the batch outputs: CSV by RFC 4180 with ';', JSON always valid UTF-8.
#include "batch_output.h"

#include <gtest/gtest.h>

namespace zeltar::cli {
namespace {

TEST(CsvQuoting, QuotesOnlyFieldsThatNeedIt)
{
    EXPECT_EQ(CsvField("кирпич, силикатный"), "кирпич, силикатный");
    EXPECT_EQ(CsvField("a;b"), "\"a;b\"");
    EXPECT_EQ(CsvField("дюйм \"2\""), "\"дюйм \"\"2\"\"\"");
    EXPECT_EQ(CsvField("две\nстроки"), "\"две\nстроки\"");
    EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(CsvLine({"file", "", "1,5", "x;y"}), "file;;1,5;\"x;y\"\r\n");
}

struct JsonCase {
    std::string text;
    std::string literal;
};

class JsonQuoting : public ::testing::TestWithParam<JsonCase> {};

TEST_P(JsonQuoting, EscapesAndRepairs)
{
    EXPECT_EQ(JsonString(GetParam().text), GetParam().literal);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonQuoting,
    ::testing::Values(JsonCase{"", "\"\""}, JsonCase{"Q сум. «1»", "\"Q сум. «1»\""},
                      JsonCase{"a\"b\\c/", "\"a\\\"b\\\\c/\""}, JsonCase{"\n\r\t\b\f", "\"\\n\\r\\t\\b\\f\""},
                      JsonCase{std::string("\0\x01\x1f\x7f", 4), "\"\\u0000\\u0001\\u001f\\u007f\""},
                      // Windows-1251 bytes, a cut-off sequence, an overlong form and a surrogate.
                      JsonCase{"\xCF\xF0", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""}, JsonCase{"я\xD1", "\"я\xEF\xBF\xBD\""},
                      JsonCase{"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
                      JsonCase{"\xED\xA0\x80x", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDx\""}, JsonCase{"€𝄞", "\"€𝄞\""},
                      // C1 controls: U+009B is a terminal's one-character escape sequence.
                      JsonCase{"a\xC2\x9B"
                               "2J\xC2\xA0",
                               "\"a\\u009b2J\xC2\xA0\""}));

TEST(PrintableText, ShowsControlCharactersAsPicturesAndReplacesC1AndBrokenBytes)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(PrintableText("Камера «1» = a.zlt; \"x\""), "Камера «1» = a.zlt; \"x\"");
    EXPECT_EQ(PrintableText("a\x1B]0;title\x07"
                            "b"),
              "a␛]0;title␇b");
    EXPECT_EQ(PrintableText(std::string("\t\r\n\0\x7F", 5)), "␉␍␊␀␡");
    EXPECT_EQ(PrintableText("\xC2\x9B"
                            "2J\xC2\xA0"),
              replacement + "2J\xC2\xA0");
    EXPECT_EQ(PrintableText("я\xFF"), "я" + replacement);
}

TEST(OutputFormat, KnowsTheThreeNames)
{
    EXPECT_EQ(ParseOutputFormat("text"), OutputFormat::Text);
    EXPECT_EQ(ParseOutputFormat("csv"), OutputFormat::Csv);
    EXPECT_EQ(ParseOutputFormat("json"), OutputFormat::Json);
    EXPECT_FALSE(ParseOutputFormat("JSON").has_value());
}

} // namespace
} // namespace zeltar::cli
