// The chart of the load from the main window: its button in the sums' free strip, the small window
// that follows the results, and the preview's chart page printed on request.
#include "window_fixture.h"

#include "report/qt/load_chart_window.h"
#include "report/qt/preview_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using zeltar::Control;
using zeltar::gui::test::WindowUnderTest;
using zeltar::report::LoadChartWindow;
using zeltar::report::PreviewWindow;

namespace {

int ColouredPixels(const QImage& image)
{
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            coloured += image.pixelColor(x, y).saturation() > 80 ? 1 : 0;
    return coloured;
}

} // namespace

class LoadChartTest : public QObject {
    Q_OBJECT
private slots:
    // Fault: the button placed over a specified control or outside its group (cut off), or taking
    // the keyboard focus from the Enter route.
    void buttonLiesInTheSumsFreeStrip()
    {
        WindowUnderTest w;
        auto* button = w.window.findChild<QPushButton*>(QStringLiteral("LoadChartButton"));
        QVERIFY(button != nullptr);
        QVERIFY(button->isVisible());
        QCOMPARE(button->text(), QStringLiteral("ДИАГРАММА НАГРУЗКИ"));
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QWidget* group = button->parentWidget();
        QCOMPARE(group, w.window.control(Control::TotalHeatGain)->parentWidget());
        QVERIFY(group->rect().contains(button->geometry()));
        for (QWidget* other : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != button && other->isVisible())
                QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));
        }
    }

    // Fault: a modal chart, one that shows the results of its opening only, or one drawn empty.
    void chartWindowFollowsTheResults()
    {
        WindowUnderTest w;
        QTest::mouseClick(w.window.findChild<QPushButton*>(QStringLiteral("LoadChartButton")), Qt::LeftButton);
        const QImage startUp = w.window.findChild<LoadChartWindow*>()->image();
        QVERIFY(w.window.openProjectFile(QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects/p0001.zlt")));
        auto* chart = w.window.findChild<LoadChartWindow*>(QStringLiteral("LoadChartWindow"));
        QVERIFY(chart != nullptr);
        QVERIFY(chart->isVisible());
        QVERIFY(!chart->isModal());
        const QImage before = chart->image();
        QVERIFY(ColouredPixels(before) > 50);
        QVERIFY(before != startUp);

        QVERIFY(w.focus(Control::RoomLength));
        w.type("7");
        w.pressKey(Qt::Key_Return);
        QVERIFY(chart->image() != before);

        chart->close();
        QTest::mouseClick(w.window.findChild<QPushButton*>(QStringLiteral("LoadChartButton")), Qt::LeftButton);
        QVERIFY(chart->isVisible());
        QCOMPARE(w.window.findChildren<LoadChartWindow*>().size(), 1);
    }

    // Fault: the chart page printed without being asked for, or not printed when ticked.
    void previewPrintsTheChartPageWhenTicked()
    {
        WindowUnderTest w;
        auto* preview = w.window.findChild<PreviewWindow*>(QStringLiteral("Form2"));
        QVERIFY(preview->findChild<QCheckBox*>(QStringLiteral("ChartChoice"))->isVisibleTo(preview));
        preview->refresh();
        QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
        preview->chooseChart(true);
        QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
        QCOMPARE(w.scripted.printedWithChart, (QList<bool>{false, true}));
    }
};

QTEST_MAIN(LoadChartTest)
#include "gui_load_chart_test.moc"
