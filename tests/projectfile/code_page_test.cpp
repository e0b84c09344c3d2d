// Windows-1251 at the file boundary: Cyrillic texts must reach the file as the code page's bytes,
// every byte of a file must survive a load and a save, and a text the code page cannot hold must
// not be written as something else.
#include "projectfile/project_file.h"

#include <gtest/gtest.h>

#include <set>

namespace zeltar::projectfile {
namespace {

// Fault: a wrong table entry garbles Cyrillic names in every saved project.
TEST(CodePage1251, ReferenceVectorEncodesToTheCodePageBytes)
{
    const std::string utf8 = "Проекты ЗЕЛТАР №1";
    const std::string bytes = "\xcf\xf0\xee\xe5\xea\xf2\xfb\x20\xc7\xc5\xcb\xd2\xc0\xd0\x20\xb9\x31";
    EXPECT_EQ(EncodeCp1251(utf8), bytes);
    EXPECT_EQ(DecodeCp1251(bytes), utf8);
}

// Fault: a byte that decodes to nothing, or two bytes to the same character, loses or changes the
// file's content on a load and save (0x98 has no character in the code page at all).
TEST(CodePage1251, EveryByteSurvivesDecodeAndEncode)
{
    std::set<std::string> decoded;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string text = DecodeCp1251(byte);
        SCOPED_TRACE(b);
        EXPECT_EQ(EncodeCp1251(text), byte);
        decoded.insert(text);
    }
    EXPECT_EQ(decoded.size(), 256u);
    EXPECT_EQ(DecodeCp1251("\x98"), "\xC2\x98");
    EXPECT_EQ(DecodeCp1251("\xA8\xB8"), "Ёё");
}

// Fault: a character outside the code page or a broken UTF-8 sequence silently written as some
// other byte.
TEST(CodePage1251, TextsTheCodePageCannotHoldFailToEncode)
{
    EXPECT_FALSE(EncodeCp1251("Müller")); // ü is not in Windows-1251
    EXPECT_FALSE(EncodeCp1251("冷库"));
    EXPECT_FALSE(EncodeCp1251("\xC2\x81"));     // U+0081: the code page uses 0x81 for Ѓ
    EXPECT_FALSE(EncodeCp1251("abc\xD0"));      // cut-off sequence
    EXPECT_FALSE(EncodeCp1251("\x80"));         // lone continuation byte
    EXPECT_FALSE(EncodeCp1251("\xC0\xAF"));     // overlong "/"
    EXPECT_FALSE(EncodeCp1251("\xED\xA0\x80")); // surrogate
    EXPECT_EQ(EncodeCp1251(""), "");
}

// The project name line: every character a line cannot hold becomes one "?", the rest stays.
TEST(CodePage1251, UnstorableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(StorableInCp1251("/home/анна/café 项目.zlt"), "/home/анна/caf? ??.zlt");
    EXPECT_EQ(StorableInCp1251("a\r\nб\xff№"), "a??б?№"); // line breaks, a malformed byte
    EXPECT_EQ(StorableInCp1251(""), "");
}

} // namespace
} // namespace zeltar::projectfile
