// The preview's choice between the one-page report and the detailed protocol.
#include "known_project.h"
#include "report/qt/preview_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

namespace zeltar::report::testing {
namespace {

// A protocol of 160 rows: three pages or more.
ProtocolDocument LongProtocol()
{
    ProtocolDocument document{"Камера", "08.12.2026", {}, {}};
    for (int i = 0; i < 160; ++i)
        document.lines.push_back(
            {"Часть " + std::to_string(i / 30), "величина " + std::to_string(i), "x", 1.25, "кВт", "x = a·b", ""});
    return document;
}

class PreviewChoiceTest : public ::testing::Test {
protected:
    QWidget mainWindow;
    FakeSource source = KnownProject();
    int printed = 0;
    int printedDetailed = 0;
    PreviewWindow preview{&mainWindow, source, [this] { ++printed; }};

    QComboBox* choice() { return preview.findChild<QComboBox*>(QStringLiteral("ReportChoice")); }
    QLabel* image() { return preview.findChild<QLabel*>(QStringLiteral("Image1")); }
};

// Guards the default: without the offer there is no choice and the one page stays as it was.
TEST_F(PreviewChoiceTest, NoChoiceUntilOffered)
{
    ASSERT_NE(choice(), nullptr);
    EXPECT_FALSE(choice()->isVisibleTo(&preview));
    EXPECT_FALSE(preview.detailedChosen());
    preview.chooseReport(1);
    EXPECT_FALSE(preview.detailedChosen());
}

// Guards the choice: offered, the one-page report is the default; the detailed one shows its pages
// one under the other (the window scrolls to the lower panel) and the print buttons print it; back
// to the one page, everything is as before.
TEST_F(PreviewChoiceTest, DetailedPagesShownAndPrintedOneToOneBack)
{
    preview.offerDetailedReport(LongProtocol, [this] { ++printedDetailed; });
    ASSERT_TRUE(choice()->isVisibleTo(&preview));
    EXPECT_EQ(choice()->currentIndex(), 0);
    EXPECT_EQ(choice()->itemText(0), "Отчёт на одной странице");
    EXPECT_EQ(choice()->itemText(1), "Подробный протокол расчёта");
    preview.refresh();
    EXPECT_EQ(image()->size(), QSize(950, 1330));

    preview.chooseReport(1);
    EXPECT_TRUE(preview.detailedChosen());
    EXPECT_EQ(image()->width(), 950);
    EXPECT_GE(image()->height(), 3 * 1330);
    EXPECT_EQ(preview.image().size(), image()->size());
    const QPushButton* lowerPrint = preview.findChild<QPushButton*>(QStringLiteral("BitBtn4"));
    EXPECT_EQ(lowerPrint->parentWidget()->y(), 50 + image()->height() + 2);
    EXPECT_EQ(preview.findChild<QScrollArea*>()->widget()->height(), lowerPrint->parentWidget()->y() + 49);
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    EXPECT_EQ(printedDetailed, 1);
    EXPECT_EQ(printed, 0);

    preview.chooseReport(0);
    EXPECT_EQ(image()->size(), QSize(950, 1330));
    EXPECT_EQ(preview.findChild<QScrollArea*>()->widget()->height(), 1431);
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    EXPECT_EQ(printed, 1);
}

calc::LoadBreakdown SmallLoad()
{
    calc::RecalcValues v;
    v.q1 = 3;
    v.q2 = -1;
    v.totalHeatGain = 2;
    return calc::BreakDownLoad(v);
}

// Guards the chart page: hidden until offered and off by default; ticked, the chart shows under the
// page and the print buttons print both pages; with the detailed report chosen it is neither
// offered nor printed.
TEST_F(PreviewChoiceTest, ChartPageShownAndPrintedOnlyWhenTicked)
{
    auto* chart = preview.findChild<QCheckBox*>(QStringLiteral("ChartChoice"));
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->isVisibleTo(&preview));
    int printedWithChart = 0;
    preview.offerDetailedReport(LongProtocol, [this] { ++printedDetailed; });
    preview.offerLoadChart(SmallLoad, [&printedWithChart] { ++printedWithChart; });
    ASSERT_TRUE(chart->isVisibleTo(&preview));
    EXPECT_FALSE(preview.chartChosen());
    preview.refresh();
    EXPECT_EQ(image()->size(), QSize(950, 1330));

    preview.chooseChart(true);
    EXPECT_TRUE(preview.chartChosen());
    EXPECT_EQ(image()->size(), QSize(950, 2 * 1330 + 20));
    // The chart's page is drawn: not white all over.
    const QImage second = preview.image().copy(0, 1350, 950, 1330);
    int coloured = 0;
    for (int y = 0; y < second.height(); y += 4)
        for (int x = 0; x < second.width(); x += 4)
            coloured += second.pixelColor(x, y).saturation() > 80 ? 1 : 0;
    EXPECT_GT(coloured, 100);
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("BitBtn4")), Qt::LeftButton);
    EXPECT_EQ(printedWithChart, 1);
    EXPECT_EQ(printed, 0);

    preview.chooseReport(1);
    EXPECT_FALSE(preview.chartChosen());
    EXPECT_FALSE(chart->isEnabled());
    QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    EXPECT_EQ(printedDetailed, 1);
    EXPECT_EQ(printedWithChart, 1);
}

} // namespace
} // namespace zeltar::report::testing
