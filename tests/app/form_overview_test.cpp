// The project at a glance (zeltar-cli overview): the window's captions and texts in one aligned
// table.
#include "form_test_support.h"

#include "app/form_overview.h"

namespace zeltar::test {
namespace {

TEST(FormOverview, ShippedSampleReadsAsTheWindowShowsIt)
{
    FormModel form{std::string(kToday)};
    ASSERT_TRUE(form.loadProject({true, ZELTAR_SAMPLES_DIR "/frozen-goods-store.zlt"}));
    EXPECT_EQ(OverviewTable(form),
              "ОБЪЕКТ                      Распределительный холодильник, Москва, Складской пр., 7, камера № 3\n"
              "Город                       Москва\n"
              "Тип камеры                  хранение мороженых грузов\n"
              "длина,м                       24\n"
              "ширина,м                      21\n"
              "высота,м                       6\n"
              "площадь,кв.м                 504\n"
              "объем,куб.м                 3024\n"
              "Температура в камере, гр.С   -20\n"
              "\n"
              "ТЕПЛОПРИТОКИ\n"
              "Q1                            13,05 кВт\n"
              "Q12                            0,83 кВт\n"
              "Q2                            19,81 кВт\n"
              "Q3                             0    кВт\n"
              "Q4                            20,92 кВт\n"
              "Q5                             0    кВт\n"
              "Q сум.                        54,62 кВт\n"
              "Q об.                         72,1  кВт\n");
}

// Right after start-up: no site line, every result "0", the numbers still in one column.
TEST(FormOverview, StartUpWithoutSiteOrComma)
{
    const FormModel form{std::string(kToday)};
    const std::string table = OverviewTable(form);
    EXPECT_EQ(table.substr(0, table.find("\n\n")),
              "Город                       Москва\n"
              "Тип камеры                  хранение мороженых грузов\n"
              "длина,м                       0\n"
              "ширина,м                      0\n"
              "высота,м                      0\n"
              "площадь,кв.м                  0\n"
              "объем,куб.м                   0\n"
              "Температура в камере, гр.С  -20");
    EXPECT_NE(table.find("\nQ об.                         0 кВт\n"), std::string::npos) << table;
}

} // namespace
} // namespace zeltar::test
