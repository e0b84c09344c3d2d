// File names the programs propose and complete: cleaning free text, default extensions, the
// question before a file is replaced.
#include "files/file_names.h"

#include <gtest/gtest.h>

#include <string>

namespace zeltar::files {
namespace {

struct CleanRow {
    std::string text;
    std::string expected;
};

class CleanFileNameTest : public ::testing::TestWithParam<CleanRow> {};

TEST_P(CleanFileNameTest, MakesTextFitForAFileName)
{
    EXPECT_EQ(CleanFileName(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CleanFileNameTest,
                         ::testing::Values(CleanRow{"Камера заморозки № 7", "Камера заморозки № 7"},
                                           CleanRow{"Склад: камера 1/2",
                                                    "Склад камера 1 2"}, // separators become one blank
                                           CleanRow{"a*b?c\"d<e>f|g\\h", "a b c d e f g h"},
                                           CleanRow{"  ..скрытый. ", "скрытый"}, // leading dots hide a file
                                           CleanRow{"стр\tока\n", "стр ока"},    // control characters
                                           CleanRow{"/:*?", ""},                 // nothing left
                                           CleanRow{"con", "con_"},              // device names of Windows
                                           CleanRow{"Nul.txt", "Nul.txt_"}, CleanRow{"console", "console"}));

TEST(CleanFileName, CutsLongTextBetweenCharacters)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "ж"; // two bytes each: 200 bytes
    const std::string name = CleanFileName(text);
    EXPECT_LE(name.size(), kLongestMadeFileName);
    EXPECT_EQ(name.size() % 2, 0u) << "a character was cut in half";
}

struct ExtensionRow {
    std::string typed;
    std::string withDefault; // WithDefaultExtension(typed, ".zlt")
    std::string replaced;    // WithExtension(typed, ".pdf")
};

class ExtensionTest : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(ExtensionTest, AddsOrReplacesTheExtension)
{
    EXPECT_EQ(WithDefaultExtension(GetParam().typed, kProjectExtension), GetParam().withDefault);
    EXPECT_EQ(WithExtension(GetParam().typed, kPdfExtension), GetParam().replaced);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExtensionTest,
    ::testing::Values(ExtensionRow{"/дом/milk-store", "/дом/milk-store.zlt", "/дом/milk-store.pdf"},
                      ExtensionRow{"/дом/камера-7.zlt", "/дом/камера-7.zlt", "/дом/камера-7.pdf"},
                      ExtensionRow{"/дом/старый.txt", "/дом/старый.txt", "/дом/старый.pdf"}, // typed ones stay
                      ExtensionRow{"/папка.v2/склад", "/папка.v2/склад.zlt", "/папка.v2/склад.pdf"},
                      ExtensionRow{"/дом/.profile", "/дом/.profile.zlt", "/дом/.profile.pdf"},
                      ExtensionRow{"/дом/молоко.", "/дом/молоко.zlt", "/дом/молоко.pdf"},
                      ExtensionRow{"C:\\Проекты\\склад", "C:\\Проекты\\склад.zlt", "C:\\Проекты\\склад.pdf"}));

TEST(FilePaths, SplitAndJoin)
{
    EXPECT_EQ(FileNameOf("/a/b/камера.zlt"), "камера.zlt");
    EXPECT_EQ(FolderOf("/a/b/камера.zlt"), "/a/b");
    EXPECT_EQ(FolderOf("/камера.zlt"), "/");
    EXPECT_EQ(FolderOf("камера.zlt"), "");
    EXPECT_EQ(JoinPath("/a/b", "c.zlt"), "/a/b/c.zlt");
    EXPECT_EQ(JoinPath("/", "c.zlt"), "/c.zlt");
    EXPECT_EQ(JoinPath("", "c.zlt"), "c.zlt");
}

TEST(ReplaceQuestion, NamesTheFile)
{
    EXPECT_EQ(ReplaceQuestion("/дом/камера-7.zlt"), "Файл «камера-7.zlt» уже существует. Заменить?");
}

} // namespace
} // namespace zeltar::files
