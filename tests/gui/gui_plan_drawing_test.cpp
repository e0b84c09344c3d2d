// The plan, section sketch and tiles drawn where the room's geometry puts them: each case guards a
// drawing that would mislead the engineer (a needle pointing the wrong way, a tile showing the
// other state, the door in another wall).
#include "plan/qt/plan_painting.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>

using namespace zeltar::plan;

namespace {

const QColor kBackground(0x94, 0x95, 0x96);
const QColor kLine(0xF0, 0xF0, 0xF0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QImage Draw(int width, int height, const std::function<void(QPainter&)>& paint)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    paint(painter);
    return image;
}

QImage Plan(int orientation)
{
    return Draw(kPlanSize, kPlanSize, [orientation](QPainter& p) { PaintPlan(p, orientation, kLine, kBackground); });
}

} // namespace

class PlanDrawingTest : public QObject {
    Q_OBJECT
private slots:
    // Fault: the needle turned the wrong way, or north and south swapped.
    void needlePointsNorthAsTheOrientationSays()
    {
        const QImage upright = Plan(0);
        QCOMPARE(upright.pixelColor(70, 50), kBlue); // north half above the centre
        QCOMPARE(upright.pixelColor(70, 90), kRed);
        const QImage east = Plan(90);
        QCOMPARE(east.pixelColor(90, 70), kBlue); // a quarter turn clockwise: north to the right
        QCOMPARE(east.pixelColor(50, 70), kRed);
        QCOMPARE(Plan(360).pixelColor(70, 50), kBlue); // 360 from a file draws as 0
    }

    // Fault: the outline or the door drawn elsewhere than walls and wall А.
    void outlineAndDoorInWallA()
    {
        const QImage plan = Plan(0);
        QCOMPARE(plan.pixelColor(10, 60), kLine);  // wall Г
        QCOMPARE(plan.pixelColor(129, 60), kLine); // wall Б, right edge exclusive at 130
        QCOMPARE(plan.pixelColor(130, 60), kBackground);
        QCOMPARE(plan.pixelColor(50, 134), kLine); // door box 50..89 x 129..134
        QCOMPARE(plan.pixelColor(89, 134), kLine);
        QCOMPARE(plan.pixelColor(70, 8), kBackground); // no door in wall В
        QCOMPARE(plan.pixelColor(36, 70), kSilver);    // disc (35, 35)-(105, 105)
    }

    // Fault: the ground not hatched, or the sketch drawn outside its 160 x 110 surface.
    void sectionSketchHasHatchedGroundUnderTheRoom()
    {
        const QImage sketch = Draw(kSectionWidth, kSectionHeight, [](QPainter& p) { PaintSectionSketch(p); });
        QCOMPARE(sketch.pixelColor(80, 0), QColor(Qt::white));  // roof ridge
        QCOMPARE(sketch.pixelColor(20, 40), QColor(Qt::white)); // left wall
        QCOMPARE(sketch.pixelColor(80, 40), kBackground);       // inside the room
        int white = 0;
        int background = 0;
        for (int y = 72; y < 107; ++y)
            for (int x = 3; x < 157; ++x)
                (sketch.pixelColor(x, y) == QColor(Qt::white) ? white : background) += 1;
        QVERIFY(white > 200);       // hatch lines
        QVERIFY(background > 2000); // between them the background shows through
    }

    // Fault: a tile showing the opposite of its flag.
    void tilesShowTheirState()
    {
        const auto tile = [](const std::function<void(QPainter&)>& paint) { return Draw(kTileSize, kTileSize, paint); };
        const QImage sun = tile([](QPainter& p) { PaintSunTile(p, true); });
        QCOMPARE(sun.pixelColor(15, 15), kSunYellow);
        QCOMPARE(sun.pixelColor(3, 26), kSilver);
        const QImage cloud = tile([](QPainter& p) { PaintSunTile(p, false); });
        QCOMPARE(cloud.pixelColor(5, 15), kCloudBlue);
        QCOMPARE(cloud.pixelColor(15, 5), kSilver);

        const QColor text(0x00, 0x66, 0xCC);
        const QImage outside = tile([&](QPainter& p) { PaintFacingTile(p, true, text); });
        const QImage inside = tile([&](QPainter& p) { PaintFacingTile(p, false, text); });
        QVERIFY(outside != inside);
        // " BH" begins with a blank: nothing of the text in its first few pixels, unlike "НАР".
        const auto inked = [&](const QImage& image) {
            int count = 0;
            for (int y = 9; y < 22; ++y)
                for (int x = 2; x < 6; ++x)
                    count += image.pixelColor(x, y) != kSilver ? 1 : 0;
            return count;
        };
        QVERIFY(inked(outside) > 0);
        QCOMPARE(inked(inside), 0);
    }
};

QTEST_MAIN(PlanDrawingTest)
#include "gui_plan_drawing_test.moc"
