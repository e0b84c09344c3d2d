// The window's conveniences beside the form: keyboard shortcuts, the focus ring, results that look
// read-only and that Tab passes over, the recent projects kept across starts, and the guide on F1.
#include "window_fixture.h"

#include "window/focus_ring.h"
#include "fields/control_catalogue.h"
#include "window/window_style.h"
#include "report/qt/preview_window.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using zeltar::Control;
using zeltar::FormModel;
using zeltar::gui::SaveChangesAnswer;
using zeltar::gui::test::WindowUnderTest;

namespace {

const QString kReferenceProject = QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects/p0003.zlt");

// The keys as the user presses them, in whatever control has the focus.
void Press(WindowUnderTest& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &w.window;
    QTest::keyClick(target, key, modifiers);
    w.settle();
}

bool FocusOn(WindowUnderTest& w, Control control)
{
    w.window.binding().setFocus(control);
    return w.window.control(control)->hasFocus();
}

// Whether the widget's edge, as the window draws it, shows the ring's colour on all four sides.
bool RingAround(const QWidget* widget)
{
    const QImage image = widget->parentWidget()->grab(widget->geometry()).toImage();
    const int w = image.width();
    const int h = image.height();
    const QPoint edges[]{{1, h / 2}, {w - 2, h / 2}, {w / 2, 1}, {w / 2, h - 2}};
    for (const QPoint& p : edges)
        if (image.pixelColor(p) != zeltar::gui::kFocusRingColor)
            return false;
    return true;
}

// A private configuration folder for the recent projects, set before the window starts.
std::unique_ptr<QTemporaryDir> PrivateConfigFolder()
{
    auto folder = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder->path()));
    return folder;
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void commandKeysRunTheCommands()
    {
        WindowUnderTest w;
        Press(w, Qt::Key_O);
        QCOMPARE(w.scripted.openStartNames.size(), 1);
        Press(w, Qt::Key_P);
        QCOMPARE(w.scripted.printPdfNames.size(), 1);
        Press(w, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        Press(w, Qt::Key_F9, Qt::NoModifier);
        QCOMPARE(w.scripted.previewsShown.size(), 2);
        for (const auto& [command, button] : std::map<QString, Control>{{"Ctrl+O", Control::LoadButton},
                                                                        {"Ctrl+Shift+S", Control::SaveButton},
                                                                        {"F9", Control::PreviewButton},
                                                                        {"Ctrl+P", Control::PrintButton},
                                                                        {"Ctrl+Q", Control::ExitButton}})
            QVERIFY2(w.window.control(button)->toolTip().contains(command), qPrintable(command));
        Press(w, Qt::Key_Q);
        QVERIFY(!w.window.isVisible());
    }

    // Fault: Ctrl+S asking every time, or writing a project that has no file of its own yet.
    void ctrlSSavesToTheProjectsOwnFileWithoutADialog()
    {
        QTemporaryDir dir;
        const auto config = PrivateConfigFolder();
        WindowUnderTest w;
        const QString path = dir.filePath("камера.zlt");
        w.scripted.saveAnswer = {true, path.toStdString()};
        Press(w, Qt::Key_S); // no file yet: the save dialog
        QCOMPARE(w.scripted.saveStartNames.size(), 1);
        QVERIFY(QFile::exists(path));
        QVERIFY(FocusOn(w, Control::RoomLength));
        w.retype("9");
        Press(w, Qt::Key_S); // the field commits, the file is written again, no dialog
        QCOMPARE(w.scripted.saveStartNames.size(), 1);
        QVERIFY(!w.model.modified());
        FormModel reread{"08.12.2025"};
        QVERIFY(reread.loadProject({true, path.toStdString()}));
        QCOMPARE(reread.control(Control::RoomLength).text, w.model.control(Control::RoomLength).text);
        Press(w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); // save as: the dialog again
        QCOMPARE(w.scripted.saveStartNames.size(), 2);
    }

    void tabKeysTurnThePagesRound()
    {
        WindowUnderTest w;
        QVERIFY(FocusOn(w, Control::RoomLength));
        QCOMPARE(w.window.shownTab(), 0);
        Press(w, Qt::Key_PageDown);
        QCOMPARE(w.window.shownTab(), 1);
        Press(w, Qt::Key_Tab);
        QCOMPARE(w.window.shownTab(), 2);
        Press(w, Qt::Key_PageUp);
        Press(w, Qt::Key_PageUp);
        Press(w, Qt::Key_PageUp);
        QCOMPARE(w.window.shownTab(), 5); // round to the last page, «Дополнительно»
        QCOMPARE(w.model.currentTab(), 5);
    }

    // Fault: Ctrl+N losing unsaved input without the question, or leaving inputs of the old project.
    void ctrlNAsksThenStartsANewProject()
    {
        WindowUnderTest w;
        const QString startLength = w.window.control(Control::RoomLength)->property("text").toString();
        QVERIFY(FocusOn(w, Control::RoomLength));
        w.retype("12");
        w.scripted.saveChangesAnswer = SaveChangesAnswer::Cancel;
        Press(w, Qt::Key_N);
        QCOMPARE(w.scripted.saveChangesQuestions, 1);
        QVERIFY(w.model.modified());
        w.scripted.saveChangesAnswer = SaveChangesAnswer::Discard;
        Press(w, Qt::Key_N);
        QCOMPARE(w.scripted.saveChangesQuestions, 2);
        QVERIFY(!w.model.modified());
        QCOMPARE(qobject_cast<QLineEdit*>(w.window.control(Control::RoomLength))->text(), startLength);
        QCOMPARE(w.window.messageLine(), QStringLiteral("Новый проект"));
    }

    // The ring is drawn on a white field, a yellow field, a list and a button, and leaves with the focus.
    void theFocusRingStandsOnEveryKindOfControl()
    {
        WindowUnderTest w;
        for (const Control control : {Control::RoomLength, Control::StructureThicknessA, Control::City,
                                      Control::DoorTimeMode, Control::SaveButton}) {
            QWidget* widget = w.window.control(control);
            QVERIFY2(FocusOn(w, control), zeltar::Name(control).data());
            QCOMPARE(w.window.focusRing()->target(), widget);
            QVERIFY2(RingAround(widget), zeltar::Name(control).data());
        }
        QVERIFY(FocusOn(w, Control::RoomWidth));
        QVERIFY(!RingAround(w.window.control(Control::SaveButton)));
        QVERIFY(zeltar::gui::kFocusRingWidth >= 2);
    }

    // Fault: Tab stopping in a field the user cannot type into, or a result looking like an input.
    void tabPassesOverResultsThatLookReadOnly()
    {
        WindowUnderTest w;
        QVERIFY(FocusOn(w, Control::City));
        for (int press = 0; press < 400; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const std::optional<Control> focused = w.model.focusedControl();
            QVERIFY(focused.has_value());
            QVERIFY2(!zeltar::Facts(*focused).readOnly, zeltar::Name(*focused).data());
        }
        auto* volume = qobject_cast<QLineEdit*>(w.window.control(Control::RoomVolume));
        QCOMPARE(volume->palette().color(QPalette::Base), zeltar::gui::kResultBackground);
        QVERIFY(volume->palette().color(QPalette::Base) !=
                qobject_cast<QLineEdit*>(w.window.control(Control::RoomLength))->palette().color(QPalette::Base));
    }

    // Saved and loaded projects are offered at the next start; a file gone since is greyed, and
    // removed from the list when the list is used.
    void recentProjectsSurviveARestart()
    {
        QTemporaryDir dir;
        const auto config = PrivateConfigFolder();
        const QString first = dir.filePath("первая.zlt");
        const QString second = dir.filePath("вторая.zlt");
        {
            WindowUnderTest w;
            QVERIFY(w.window.recentProjects().paths().empty());
            w.scripted.saveAnswer = {true, first.toStdString()};
            QVERIFY(w.window.saveProject());
            w.scripted.saveAnswer = {true, second.toStdString()};
            QVERIFY(w.window.saveProject());
            QVERIFY(w.window.openProjectFile(kReferenceProject));
        }
        WindowUnderTest w;
        const std::vector<std::string> expected{kReferenceProject.toStdString(), second.toStdString(),
                                                first.toStdString()};
        QCOMPARE(w.window.recentProjects().paths(), expected);
        QVERIFY(QFile::remove(second));
        QMenu* menu = w.window.recentProjectsMenu();
        int greyed = 0;
        for (QAction* action : menu->actions())
            if (action->data().toString() == second)
                greyed += action->isEnabled() ? 0 : 1;
        QCOMPARE(greyed, 1);
        QVERIFY(w.window.openRecentProject(first));
        QCOMPARE(w.window.projectPath(), first);
        const std::vector<std::string> left{first.toStdString(), kReferenceProject.toStdString()};
        QCOMPARE(w.window.recentProjects().paths(), left);
        WindowUnderTest restarted;
        QCOMPARE(restarted.window.recentProjects().paths(), left);
    }

    // The preview zooms by steps and to fit; at 100 % the page is the report's own 950 px.
    void thePreviewZooms()
    {
        WindowUnderTest w;
        w.scripted.onPreview = [](zeltar::report::PreviewWindow& preview) {
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            const auto* page = preview.findChild<QLabel*>(QStringLiteral("Image1"));
            QCOMPARE(page->width(), 950);
            QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(preview.zoom(), 1.25);
            QCOMPARE(page->width(), qRound(950 * 1.25));
            QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
            QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(preview.zoom(), 0.8);
            QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("FitPageButton")), Qt::LeftButton);
            QVERIFY(preview.zoom() < 0.6);
            QVERIFY(page->height() <= preview.height());
            QTest::mouseClick(preview.findChild<QPushButton*>(QStringLiteral("FitWidthButton")), Qt::LeftButton);
            QVERIFY(page->width() <= preview.width() && page->width() > preview.width() - 80);
            preview.setZoom(100);
            QCOMPARE(preview.zoom(), 4.0);
            preview.hide();
        };
        w.window.previewReport();
        QCOMPARE(w.scripted.previewsShown.size(), 1);
    }

    // Fault: the PDF written over the project it was made from, or an existing file replaced unasked.
    void thePreviewsPdfButtonWritesTheReportButNeverOverTheProject()
    {
        QTemporaryDir dir;
        const auto config = PrivateConfigFolder();
        WindowUnderTest w;
        const QString project = dir.filePath("камера.zlt");
        w.scripted.saveAnswer = {true, project.toStdString()};
        QVERIFY(w.window.saveProject());
        const QByteArray projectBytes = [&] {
            QFile f(project);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QPushButton* pdfButton = nullptr;
        w.scripted.onPreview = [&pdfButton](zeltar::report::PreviewWindow& preview) {
            pdfButton = preview.findChild<QPushButton*>(QStringLiteral("PdfButton"));
        };
        w.window.previewReport();
        QVERIFY(pdfButton != nullptr && !pdfButton->isHidden());

        w.scripted.pdfAnswer = {true, dir.filePath("отчёт").toStdString()};
        pdfButton->click();
        QCOMPARE(w.scripted.pdfStartNames.value(0), dir.filePath("камера.pdf"));
        QFile pdf(dir.filePath("отчёт.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(4), QByteArray("%PDF"));
        QCOMPARE(w.window.messageLine(), QStringLiteral("PDF записан: отчёт.pdf"));

        w.scripted.pdfAnswer = {true, project.toStdString()};
        w.scripted.replaceAnswer = true;
        pdfButton->click();
        w.settle();
        QCOMPARE(w.scripted.replaceQuestions.size(), 1);
        QCOMPARE(w.scripted.errors.size(), 1);
        QFile kept(project);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), projectBytes);
    }

    void f1OpensTheGuide()
    {
        WindowUnderTest w;
        Press(w, Qt::Key_F1, Qt::NoModifier);
        QTextBrowser* guide = w.window.guideWindow();
        QVERIFY(guide != nullptr && guide->isVisible());
        QVERIFY(guide->toPlainText().contains(QStringLiteral("Клавиатура")));
        QVERIFY(guide->toPlainText().contains(QStringLiteral("Ctrl+Shift+S")));
    }
};

QTEST_MAIN(KeysTest)
#include "gui_keys_test.moc"
