// The window's commands: the unsaved-changes question before exit, title-bar close and loading
// another project; save and load through the file dialogs; a command button committing the field
// being edited first; the report windows created with the main window and reused.
#include "window_fixture.h"

#include "plan/qt/plan_widgets.h"
#include "report/qt/preview_window.h"
#include "report/qt/report_commands.h"
#include "report/qt/resolution_warning.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using zeltar::Control;
using zeltar::FormModel;
using zeltar::gui::MainWindow;
using zeltar::gui::SaveChangesAnswer;
using zeltar::gui::test::ScriptedDialogs;
using zeltar::gui::test::WindowUnderTest;
using zeltar::report::PreviewWindow;
using zeltar::report::ResolutionWarning;

namespace {

const QString kReferenceProject = QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects/p0003.zlt");

// An input changed and committed: the project differs from its start.
void ChangeRoomLength(WindowUnderTest& w)
{
    QVERIFY(w.focus(Control::RoomLength));
    w.type("7");
    w.pressKey(Qt::Key_Return);
    QVERIFY(w.model.modified());
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    // Fault: a question without need, or the window kept open.
    void exitWithoutChangesClosesAtOnce()
    {
        WindowUnderTest w;
        QTest::mouseClick(w.button(Control::ExitButton), Qt::LeftButton);
        QCOMPARE(w.scripted.saveChangesQuestions, 0);
        QVERIFY(!w.window.isVisible());
    }

    // Fault: unsaved input lost to a stray click on exit or the title bar's close.
    void exitWithChangesAsksAndCancelKeepsTheWindow()
    {
        WindowUnderTest w;
        ChangeRoomLength(w);
        w.scripted.saveChangesAnswer = SaveChangesAnswer::Cancel;
        QTest::mouseClick(w.button(Control::ExitButton), Qt::LeftButton);
        QCOMPARE(w.scripted.saveChangesQuestions, 1);
        QVERIFY(w.window.isVisible());
        QVERIFY(!w.window.close()); // the title bar's close asks the same
        QCOMPARE(w.scripted.saveChangesQuestions, 2);
        QVERIFY(w.window.isVisible());
    }

    void exitWithChangesDiscardedCloses()
    {
        WindowUnderTest w;
        ChangeRoomLength(w);
        w.scripted.saveChangesAnswer = SaveChangesAnswer::Discard;
        QVERIFY(w.window.close());
        QCOMPARE(w.scripted.saveChangesQuestions, 1);
        QCOMPARE(w.scripted.saveStartNames.size(), 0);
    }

    // Fault: "Да" closing without saving, or closing although the save was cancelled.
    void exitAnsweredYesSavesFirst()
    {
        WindowUnderTest w;
        ChangeRoomLength(w);
        w.scripted.saveChangesAnswer = SaveChangesAnswer::Save;
        w.scripted.saveAnswer = {}; // the save dialog cancelled: the window stays
        QVERIFY(!w.window.close());
        QCOMPARE(w.scripted.saveStartNames, QStringList{QStringLiteral("Новый Проект.zlt")});

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("камера.zlt"));
        w.scripted.saveAnswer = {true, path.toStdString()};
        QVERIFY(w.window.close());
        QVERIFY(QFile::exists(path));
    }

    // Fault: the field being typed in not committed before the command, so the file misses it.
    void commandButtonCommitsTheEditedFieldFirst()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomWidth));
        w.type("9");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.zlt"));
        w.scripted.saveAnswer = {true, path.toStdString()};
        QTest::mouseClick(w.button(Control::SaveButton), Qt::LeftButton);
        QCOMPARE(w.model.state().roomWidth, 9.0);
        QCOMPARE(w.text(Control::RoomWidth), QStringLiteral("  9"));
        QVERIFY(QFile::exists(path));
        QVERIFY(!w.model.modified());
        QCOMPARE(w.text(Control::ProjectName), path);
    }

    // Fault: a command run although the field being left failed to commit.
    void failedCommitStopsTheCommand()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomTemperature));
        w.replaceByInputMethod(QStringLiteral("--"));
        QTest::mouseClick(w.button(Control::SaveButton), Qt::LeftButton);
        w.settle();
        QCOMPARE(w.scripted.saveStartNames.size(), 0);
        QCOMPARE(w.scripted.errors.size(), 1);
        QCOMPARE(QApplication::focusWidget(), w.widget(Control::RoomTemperature));
    }

    // Fault: the loaded project not mirrored: texts, the plan's orientation, the tiles.
    void loadShowsTheProject()
    {
        WindowUnderTest w;
        w.scripted.openAnswer = {true, kReferenceProject.toStdString()};
        QTest::mouseClick(w.button(Control::LoadButton), Qt::LeftButton);
        QCOMPARE(w.scripted.openStartNames, QStringList{QStringLiteral("Новый Проект")});
        QCOMPARE(w.text(Control::ProjectName), kReferenceProject);
        QCOMPARE(w.text(Control::RoomLength), QStringLiteral("  11,9"));
        QCOMPARE(qobject_cast<zeltar::plan::PlanWidget*>(w.widget(Control::Plan))->orientation(),
                 w.model.state().planOrientation);
        QCOMPARE(qobject_cast<zeltar::plan::SurfaceTileWidget*>(w.widget(Control::FacingTileA))->flag(),
                 w.model.state().rows[zeltar::WallA].outsideFacing);
        QVERIFY(w.text(Control::TotalHeatGain) != QStringLiteral("  0")); // recalculated on load
        QVERIFY(!w.model.modified());
    }

    // Fault: loading over unsaved input without the question, or loading after Отмена.
    void loadAsksBeforeReplacingUnsavedInput()
    {
        WindowUnderTest w;
        ChangeRoomLength(w);
        w.scripted.openAnswer = {true, kReferenceProject.toStdString()};
        w.scripted.saveChangesAnswer = SaveChangesAnswer::Cancel;
        w.window.loadProject();
        QCOMPARE(w.scripted.saveChangesQuestions, 1);
        QCOMPARE(w.scripted.openStartNames.size(), 0);
        QCOMPARE(w.model.state().roomLength, 7.0);

        w.scripted.saveChangesAnswer = SaveChangesAnswer::Discard;
        w.window.loadProject();
        QCOMPARE(w.scripted.openStartNames.size(), 1);
        QCOMPARE(w.text(Control::RoomLength), QStringLiteral("  11,9"));
    }

    // Fault: a file named on the command line not opened as a load, or its error not shown.
    void projectFileAtStartIsLoaded()
    {
        WindowUnderTest w;
        w.window.openProjectFile(kReferenceProject);
        QCOMPARE(w.text(Control::ProjectName), kReferenceProject);

        WindowUnderTest missing;
        missing.window.openProjectFile(QStringLiteral("/nonexistent/проект.zlt"));
        missing.settle();
        QCOMPARE(missing.scripted.errors.size(), 1);
        QVERIFY(missing.scripted.errors.front().contains(QStringLiteral("проект.zlt")));
        QCOMPARE(missing.text(Control::RoomLength), QStringLiteral("  0"));
    }

    // Fault: the preview TForm2 or the resolution warning TForm3 made anew at each use instead of
    // created hidden with the main window and only shown and hidden after; a reused preview showing
    // its first drawing; the preview's print buttons given another warning window.
    void reportWindowsAreCreatedAtStartAndReused()
    {
        {
            ScriptedDialogs scripted;
            FormModel model{"08.12.2025"};
            MainWindow fresh{model, scripted.dialogs()};
            const auto* preview = fresh.findChild<PreviewWindow*>(QStringLiteral("Form2"));
            const auto* warning = fresh.findChild<ResolutionWarning*>(QStringLiteral("Form3"));
            QVERIFY(preview != nullptr);
            QVERIFY(warning != nullptr);
            QCOMPARE(preview->parentWidget(), &fresh);
            QCOMPARE(warning->parentWidget(), &fresh);
            QVERIFY(preview->isHidden());
            QVERIFY(warning->isHidden());
        }

        WindowUnderTest w;
        auto* preview = w.window.findChild<PreviewWindow*>(QStringLiteral("Form2"));
        auto* warning = w.window.findChild<ResolutionWarning*>(QStringLiteral("Form3"));
        QList<QWidget*> modalWhileOpen;
        QList<QImage> imagesShown;
        // The real modal preview; while it is open, print from it, then return to the main window.
        w.scripted.onPreview = [&](PreviewWindow& shown) {
            QTimer::singleShot(0, &shown, [&] {
                modalWhileOpen << QApplication::activeModalWidget();
                imagesShown << shown.image();
                QTest::mouseClick(shown.findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
                QTest::mouseClick(shown.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
                if (shown.isVisible())
                    shown.reject(); // a return button that failed ends the loop all the same
            });
            zeltar::report::ShowPreview(shown);
        };

        QTest::mouseClick(w.button(Control::PreviewButton), Qt::LeftButton);
        QVERIFY(!preview->isVisible());
        // A window manager gives the activation back to the main window; offscreen does not.
        w.window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &w.window);
        ChangeRoomLength(w);
        QTest::mouseClick(w.button(Control::PreviewButton), Qt::LeftButton);

        QCOMPARE(w.scripted.previewsShown, (QList<PreviewWindow*>{preview, preview}));
        QCOMPARE(modalWhileOpen, (QList<QWidget*>{preview, preview}));
        QCOMPARE(w.scripted.printWarnings, (QList<ResolutionWarning*>{warning, warning}));
        QCOMPARE(imagesShown.size(), 2);
        QVERIFY(imagesShown[0] != imagesShown[1]); // the second showing drew the new room length
        QVERIFY(!preview->isVisible());
        QCOMPARE(w.window.findChildren<PreviewWindow*>().size(), 1);
        QCOMPARE(w.window.findChildren<ResolutionWarning*>().size(), 1);
    }
};

QTEST_MAIN(CommandsTest)
#include "gui_commands_test.moc"
