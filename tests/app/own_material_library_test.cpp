// The user's own materials library: its path, what a material may hold, the file read back as
// written, and faulty files refused with the line named (so that nothing is saved over them).
#include "form_test_support.h"

#include "app/own_material_library.h"

#include <gmock/gmock.h>

namespace zeltar::test {
namespace {

using library::LibraryContents;
using ::testing::HasSubstr;

TEST(OwnMaterialLibrary, LivesInTheUsersDataFolder)
{
    EXPECT_EQ(library::LibraryPath("/data", "/home/u"), "/data/zeltar/materials.txt");
    EXPECT_EQ(library::LibraryPath(nullptr, "/home/u"), "/home/u/.local/share/zeltar/materials.txt");
    EXPECT_EQ(library::LibraryPath("relative", "/home/u"), "/home/u/.local/share/zeltar/materials.txt");
    EXPECT_EQ(library::LibraryPath(nullptr, nullptr), "");
}

struct MaterialRow {
    OwnMaterial material;
    std::string_view problem; // part of the reason; "" when it is kept
};

class MaterialCheck : public ::testing::TestWithParam<MaterialRow> {};

TEST_P(MaterialCheck, KeepsOnlyWhatALineCanHold)
{
    const library::CheckedMaterial checked = library::CheckMaterial(GetParam().material);
    if (GetParam().problem.empty()) {
        ASSERT_TRUE(checked.material) << checked.problem;
        EXPECT_EQ(checked.material->name, "пеностекло плитное"); // surrounding blanks removed
    } else {
        EXPECT_FALSE(checked.material);
        EXPECT_THAT(checked.problem, HasSubstr(std::string(GetParam().problem)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaterialCheck,
    ::testing::Values(MaterialRow{{"пеностекло плитное", 0.06, 1}, ""},
                      MaterialRow{{"  пеностекло плитное ", 500, 3}, ""}, MaterialRow{{"   ", 0.06, 1}, "пустое"},
                      MaterialRow{{"пено;стекло", 0.06, 1}, "«;»"}, MaterialRow{{"пено\nстекло", 0.06, 1}, "переноса"},
                      MaterialRow{{std::string(61, 'x'), 0.06, 1}, "длиннее 60"},
                      MaterialRow{{"пеностекло плитное", 0, 1}, "больше 0"},
                      MaterialRow{{"пеностекло плитное", 501, 1}, "не больше 500"},
                      MaterialRow{{"пеностекло плитное", 0.06, 0}, "больше 0"},
                      MaterialRow{{"пеностекло плитное", 0.06, 3.5}, "не больше 3"},
                      MaterialRow{{"пенополиуретан", 0.03, 1}, "встроенных"}, MaterialRow{{"\xff", 0.06, 1}, "UTF-8"}));

TEST(OwnMaterialLibrary, ReadsBackWhatItWrote)
{
    TempDir dir;
    const std::string path = dir.file("data/zeltar/materials.txt");
    const std::vector<OwnMaterial> materials{
        {"кирпич клинкерный", 0.9, 0.7}, {"пеностекло плитное", 0.06, 1}, {"PIR-панель завода", 0.0215, 0.65}};
    EXPECT_EQ(library::ReadLibrary(path).problem, ""); // none yet: an empty library
    ASSERT_EQ(library::WriteLibrary(path, materials), std::nullopt);
    EXPECT_EQ(FileBytes(path),
              "ZELTAR-MATERIALS 1\n"
              "material = кирпич клинкерный; 0,9; 0,7\n"
              "material = пеностекло плитное; 0,06; 1\n"
              "material = PIR-панель завода; 0,0215; 0,65\n");
    const LibraryContents read = library::ReadLibrary(path);
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.materials, materials);
}

struct FaultyRow {
    std::string_view text;
    std::string_view problem;
};

class FaultyLibrary : public ::testing::TestWithParam<FaultyRow> {};

TEST_P(FaultyLibrary, IsRefusedWithTheLineNamed)
{
    const LibraryContents read = library::ParseLibrary(GetParam().text, "/m.txt");
    EXPECT_TRUE(read.materials.empty());
    EXPECT_THAT(read.problem, HasSubstr("«/m.txt»"));
    EXPECT_THAT(read.problem, HasSubstr(std::string(GetParam().problem)));
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultyLibrary,
                         ::testing::Values(FaultyRow{"", "пуста"}, FaultyRow{"materials\n", "первая строка"},
                                           FaultyRow{"ZELTAR-MATERIALS 1\nmaterial = a; 1\n",
                                                     "строка 2: ожидаются три части"},
                                           FaultyRow{"ZELTAR-MATERIALS 1\n\nname = a; 1; 1\n", "строка 3: ожидается"},
                                           FaultyRow{"ZELTAR-MATERIALS 1\nmaterial = a; x; 1\n", "«x» — не число"},
                                           FaultyRow{"ZELTAR-MATERIALS 1\nmaterial = a; 1; 4\n", "не больше 3"},
                                           FaultyRow{"ZELTAR-MATERIALS 1\nmaterial = a; 1; 1\nmaterial = a; 2; 1\n",
                                                     "строка 3: материал «a» уже есть"}));

TEST(OwnMaterialLibrary, TakesCarriageReturnsAndBlankLines)
{
    const LibraryContents read =
        library::ParseLibrary("ZELTAR-MATERIALS 1\r\n\r\nmaterial =  пеностекло плитное ;0,06;1\r\n", "/m.txt");
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.materials, (std::vector<OwnMaterial>{{"пеностекло плитное", 0.06, 1}}));
}

} // namespace
} // namespace zeltar::test
