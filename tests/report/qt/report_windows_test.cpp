// The preview window TForm2 and the resolution warning TForm3.
#include "known_project.h"
#include "report/print_scale.h"
#include "report/qt/preview_window.h"
#include "report/qt/resolution_warning.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zeltar::report::testing {
namespace {

// The resolutions in dots per inch that a warning line names ("300 dpi, 600 dpi, ...").
std::set<int> NamedResolutions(const QString& line)
{
    std::set<int> named;
    for (const QString& item : line.split(QStringLiteral(", ")))
        named.insert(item.section(QLatin1Char(' '), 0, 0).toInt());
    return named;
}

// Guards the warning's texts and places: the window shows its seven lines at x 16, one label each
// at its line's height, none cut off by the fixed window, and no button.
TEST(ResolutionWarning, SevenLinesAtTheirPlaces)
{
    ResolutionWarning warning;
    EXPECT_EQ(warning.objectName(), "Form3");
    EXPECT_EQ(warning.windowTitle(), "Form3");
    EXPECT_EQ(warning.minimumSize(), QSize(400, 250));
    EXPECT_EQ(warning.maximumSize(), QSize(400, 250));
    EXPECT_EQ(warning.pos(), QPoint(722, 391));
    std::map<int, QString> shown;
    for (const QLabel* label : warning.findChildren<QLabel*>()) {
        EXPECT_EQ(label->x(), 16);
        EXPECT_LE(label->x() + label->sizeHint().width(), 400) << "cut off: " << label->text().toStdString();
        shown[label->y()] = label->text();
    }
    std::map<int, QString> lines;
    for (const WarningLine& line : kWarningLines)
        lines[line.y] = QString::fromUtf8(line.text);
    EXPECT_EQ(shown, lines);
    EXPECT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown.begin()->second, "ВНИМАНИЕ !");
    EXPECT_TRUE(warning.findChildren<QPushButton*>().isEmpty());
}

// Guards a warning that names other resolutions than the printing accepts: both lists of allowed
// values (horizontal and vertical) are exactly the resolutions that have a print factor.
TEST(ResolutionWarning, NamesTheResolutionsThePrintingAccepts)
{
    std::set<int> accepted;
    for (int dotsPerInch = 1; dotsPerInch <= 4800; ++dotsPerInch)
        if (ResolutionFactor(dotsPerInch))
            accepted.insert(dotsPerInch);
    int lists = 0;
    for (const WarningLine& line : kWarningLines) {
        const QString text = QString::fromUtf8(line.text);
        if (!text.contains(QStringLiteral("dpi")))
            continue;
        ++lists;
        EXPECT_EQ(NamedResolutions(text), accepted) << text.toStdString();
    }
    EXPECT_EQ(lists, 2);
}

class PreviewWindowTest : public ::testing::Test {
protected:
    QWidget mainWindow;
    FakeSource source = KnownProject();
    int printed = 0;
    PreviewWindow preview{&mainWindow, source, [this] { ++printed; }};

    QPushButton* button(const char* name) { return preview.findChild<QPushButton*>(QString::fromLatin1(name)); }
};

// Guards the window's fixed size, caption, image and the panels' buttons with their captions.
TEST_F(PreviewWindowTest, WindowImageAndButtons)
{
    EXPECT_EQ(preview.windowTitle(), "ZELTAR 1.0 - Предварительный просмотр печати");
    EXPECT_EQ(preview.minimumSize(), QSize(1024, 750));
    EXPECT_EQ(preview.maximumSize(), QSize(1024, 750));
    const QLabel* image = preview.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(32, 50, 950, 1330));
    const QScrollArea* area = preview.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(area->widget()->height(), 1431);

    for (const char* name : {"BitBtn1", "BitBtn2"}) {
        QPushButton* back = button(name);
        ASSERT_NE(back, nullptr) << name;
        EXPECT_EQ(back->text(), "   ВЕРНУТЬСЯ НА ГЛАВНУЮ");
        EXPECT_EQ(back->geometry(), QRect(752, 8, 241, 33));
        EXPECT_FALSE(back->icon().isNull());
    }
    for (const char* name : {"BitBtn3", "BitBtn4"}) {
        QPushButton* print = button(name);
        ASSERT_NE(print, nullptr) << name;
        EXPECT_EQ(print->text(), "     ПЕЧАТЬ ПРОЕКТА");
        EXPECT_EQ(print->geometry(), QRect(552, 8, 193, 33));
    }
    EXPECT_EQ(button("BitBtn1")->parentWidget()->y(), 0);
    EXPECT_EQ(button("BitBtn2")->parentWidget()->y(), 1382);
}

// Guards a page cut off on a small screen: the fixed window, taller or wider than the screen's free
// area, hid the page's lower part and the right edge past the screen's edge. Fitted, the window
// stays within the area less its frame and every part of the page can be scrolled into view.
TEST_F(PreviewWindowTest, FitsSmallScreensAndKeepsThePageInReach)
{
    const struct {
        QRect available;
        QSize window;
    } cases[]{
        {{0, 0, 1920, 1040}, {1024, 750}}, // room enough: the fixed size
        {{0, 0, 1366, 728}, {1024, 688}},  // a laptop less its panel
        {{0, 0, 1024, 600}, {1008, 560}},  // a netbook
        {{0, 0, 1280, 720}, {1024, 680}},  // 150 % scaling of 1920 x 1080
    };
    for (const auto& c : cases) {
        preview.fitToScreen(c.available);
        EXPECT_EQ(preview.minimumSize(), c.window);
        EXPECT_EQ(preview.maximumSize(), c.window);
        preview.show();
        QApplication::processEvents();
        auto* area = preview.findChild<QScrollArea*>();
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->size(), c.window);
        const int viewportWidth = area->viewport()->width();
        EXPECT_GE(area->verticalScrollBar()->maximum() + area->viewport()->height(), 1431) << c.window.height();
        EXPECT_GE(area->horizontalScrollBar()->maximum() + viewportWidth, 1001) << c.window.width();
        preview.hide();
    }
}

// Guards a stale report: the preview draws the window's current texts at each activation, and
// moves back to the main window's corner.
TEST_F(PreviewWindowTest, RedrawnAndPlacedAtEachActivation)
{
    mainWindow.move(140, 90);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    const QImage first = preview.image();
    EXPECT_EQ(preview.pos(), mainWindow.frameGeometry().topLeft());

    source.texts[Control::HeatGainQ1] = "  123,45"; // the Q1 total changed in the main window
    preview.move(400, 300);                         // the user moved the preview
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&preview, &activate);
    EXPECT_NE(preview.image(), first);
    EXPECT_EQ(preview.pos(), mainWindow.frameGeometry().topLeft());
    preview.hide();
}

// Guards the print buttons: both run the main window's print command and the preview stays open;
// a return button closes it.
TEST_F(PreviewWindowTest, PrintButtonsPrintAndReturnButtonsClose)
{
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    QTest::mouseClick(button("BitBtn3"), Qt::LeftButton);
    QTest::mouseClick(button("BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(printed, 2);
    EXPECT_TRUE(preview.isVisible());
    QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);
    EXPECT_FALSE(preview.isVisible());
}

} // namespace
} // namespace zeltar::report::testing
