// What the user sees beyond the fixed layout: which list holds the focus, the mouse wheel over
// lists, the window on a screen smaller than itself, and the file dialogs' size.
#include "window_fixture.h"

#include "fields/control_catalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>

#include <algorithm>

using zeltar::Control;
using zeltar::gui::test::WindowUnderTest;

namespace {

// One notch of the mouse wheel over the middle of a widget, downwards.
void WheelDown(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

int PixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    // Fault: a focused and an unfocused list pixel-identical, so a user walking the form with Enter
    // cannot see that the next Down key changes the city or the floor type.
    void focusedListLooksDifferent()
    {
        for (const Control control : {Control::City, Control::FloorType, Control::StructureMaterialA}) {
            WindowUnderTest w;
            QComboBox* list = w.comboBox(control);
            QVERIFY(w.focus(control));
            QCOMPARE(QApplication::focusWidget(), list);
            const QImage focused = list->grab().toImage();
            QVERIFY(w.focus(Control::RoomLength));
            const QImage unfocused = list->grab().toImage();
            const QColor highlight = list->palette().color(QPalette::Highlight);
            QVERIFY2(PixelsOf(focused, highlight) > list->width() * list->height() / 3, zeltar::Name(control).data());
            QCOMPARE(PixelsOf(unfocused, highlight), 0);
        }
    }

    // Fault: one wheel notch over an unfocused wall material list changed the material.
    void wheelChangesOnlyTheFocusedList()
    {
        WindowUnderTest w;
        QComboBox* material = w.comboBox(Control::StructureMaterialA);
        const int before = material->currentIndex();
        WheelDown(material);
        QCOMPARE(material->currentIndex(), before);
        QCOMPARE(w.model.control(Control::StructureMaterialA).index, before);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::City)); // the wheel took no focus

        QVERIFY(w.focus(Control::StructureMaterialA));
        WheelDown(material);
        QCOMPARE(material->currentIndex(), before + 1);
        QCOMPARE(w.model.control(Control::StructureMaterialA).index, before + 1);
    }

    // Fault: on a laptop screen the window's lower part (results, project name, command bar) was
    // cut off, and the Enter walk led the focus out of sight; on a large screen the window must
    // stay as it was, whole and without scroll bars.
    void clientScrollsOnScreensSmallerThanTheWindow()
    {
        WindowUnderTest w;
        auto* area = w.window.findChild<QScrollArea*>();
        for (const QRect& screen : {QRect(0, 0, 1366, 728), QRect(0, 0, 1024, 600), QRect(0, 0, 1920, 1040)}) {
            w.window.fitToScreen(screen);
            QCoreApplication::processEvents();
            QVERIFY(w.window.width() <= screen.width() && w.window.height() <= screen.height());
            QCOMPARE(area->horizontalScrollBar()->maximum() > 0, screen.width() < 1100);
            // Every part of the client can be scrolled into view.
            QCOMPARE(area->viewport()->width() + area->horizontalScrollBar()->maximum(), 1024);
            QCOMPARE(area->viewport()->height() + area->verticalScrollBar()->maximum(), 750);
        }
        QCOMPARE(w.window.size(), QSize(1024, 750));

        w.window.fitToScreen({0, 0, 1024, 600});
        QCoreApplication::processEvents();
        QVERIFY(w.focus(Control::ProjectName)); // the project name, at the window's foot
        QCOMPARE(w.widget(Control::ProjectName)->visibleRegion().boundingRect().size(),
                 w.widget(Control::ProjectName)->size());
    }

    // The save dialog offers the own project file; a name typed without an extension gets the one
    // of the chosen filter, and a project from *.zlp starts on that filter.
    void saveDialogOffersBothProjectFiles()
    {
        WindowUnderTest w;
        const auto dialog =
            zeltar::gui::CreateProjectFileDialog(&w.window, QStringLiteral("/tmp/склад.zlt"), QFileDialog::AcceptSave);
        const QString own = QStringLiteral("Проект ЗЕЛТАР (*.zlp)");
        QVERIFY(dialog->nameFilters().contains(own));
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("zlt"));
        emit dialog->filterSelected(own);
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("zlp"));
        const auto fromOwn =
            zeltar::gui::CreateProjectFileDialog(&w.window, QStringLiteral("/tmp/склад.zlp"), QFileDialog::AcceptSave);
        QCOMPARE(fromOwn->selectedNameFilter(), own);
        QCOMPARE(fromOwn->defaultSuffix(), QStringLiteral("zlp"));
        const auto load =
            zeltar::gui::CreateProjectFileDialog(&w.window, QStringLiteral("/tmp/склад.zlp"), QFileDialog::AcceptOpen);
        QVERIFY(load->selectedNameFilter().contains(QStringLiteral("*.zlt *.zlp")));
    }

    // Fault: file dialogs too narrow to show the name, size, type and date of the files.
    void fileDialogsShowNameSizeTypeAndDate()
    {
        WindowUnderTest w;
        for (const QFileDialog::AcceptMode mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            const auto dialog = zeltar::gui::CreateProjectFileDialog(
                &w.window, QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects/p0001.zlt"), mode);
            dialog->setOption(QFileDialog::DontUseNativeDialog);
            dialog->show();
            QVERIFY(dialog->width() >= 800 && dialog->height() >= 500);
            auto* view = dialog->findChild<QTreeView*>();
            QVERIFY(view != nullptr && view->isVisible());
            QTRY_VERIFY(view->model()->rowCount(view->rootIndex()) > 10);
            const QHeaderView* header = view->header();
            const auto* texts = static_cast<const QAbstractItemView*>(view);
            for (int column = 0; column < 4; ++column) { // name, size, type, date: whole captions and texts
                QVERIFY(header->sectionViewportPosition(column) + header->sectionSize(column) <=
                        view->viewport()->width());
                QVERIFY(header->sectionSize(column) >=
                        std::max(header->sectionSizeHint(column), texts->sizeHintForColumn(column)));
            }
        }
    }
};

QTEST_MAIN(LookTest)
#include "gui_look_test.moc"
