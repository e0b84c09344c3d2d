// Saving never replaces the wrong file, and the window says what it did: the save dialog proposes
// the project's own file, replacing a file asks, names get their extension, the print dialog's
// PDF is named after the project; the message line, warning tooltips and tab marks.
#include "window_fixture.h"

#include "fields/control.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using zeltar::Control;
using zeltar::gui::test::WindowUnderTest;

namespace {

const QString kReferenceProject = QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects/p0003.zlt");

QString Copied(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile::copy(kReferenceProject, path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QLabel* MessageLine(WindowUnderTest& w)
{
    return w.window.findChild<QLabel*>(QStringLiteral("MessageLine"));
}

} // namespace

class MessagesTest : public QObject {
    Q_OBJECT
private slots:
    // Fault: after loading B, the save dialog proposes A (saved earlier), and Enter replaces A.
    void saveProposesTheProjectLoadedNotTheFileSavedLast()
    {
        WindowUnderTest w;
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("A.zlt"));
        const QString b = Copied(dir, QStringLiteral("B.zlt"));
        w.scripted.saveAnswer = {true, a.toStdString()};
        QVERIFY(w.window.saveProject());
        w.scripted.openAnswer = {true, b.toStdString()};
        w.window.loadProject();
        QCOMPARE(w.window.projectPath(), b);
        w.scripted.saveAnswer = {};
        QTest::mouseClick(w.button(Control::SaveButton), Qt::LeftButton);
        QCOMPARE(w.scripted.saveStartNames.last(), b);
    }

    // Fault: an existing file replaced without a question.
    void replacingAFileAsksAndNoKeepsIt()
    {
        WindowUnderTest w;
        QTemporaryDir dir;
        const QString other = Copied(dir, QStringLiteral("камера-7.zlt"));
        const QByteArray before = Bytes(other);
        w.scripted.saveAnswer = {true, other.toStdString()};
        w.scripted.replaceAnswer = false;
        QVERIFY(!w.window.saveProject());
        QCOMPARE(w.scripted.replaceQuestions, QStringList{other});
        QCOMPARE(Bytes(other), before);
        QCOMPARE(w.window.messageLine(), QString());
        QVERIFY(w.window.projectPath().isEmpty());

        w.scripted.replaceAnswer = true;
        QVERIFY(w.window.saveProject());
        QVERIFY(Bytes(other) != before);
        QCOMPARE(MessageLine(w)->text(), QStringLiteral("Сохранено: камера-7.zlt"));
    }

    // Fault: a project with an own material saved as *.zlt, losing it without a word.
    void aLossySaveAsZltAsksAndNoWritesNothing()
    {
        WindowUnderTest w;
        QTemporaryDir dir;
        const QString own = dir.filePath(QStringLiteral("свой.zlp"));
        QVERIFY(w.model.saveProject({true, own.toStdString()}));
        QFile file(own);
        QVERIFY(file.open(QIODevice::Append));
        file.write("OwnMaterial.1 = панель заказчика; 0,021; 1\n");
        file.close();
        w.scripted.openAnswer = {true, own.toStdString()};
        w.window.loadProject();
        QCOMPARE(w.model.state().ownMaterials.size(), std::size_t{1});

        const QString zlt = dir.filePath(QStringLiteral("старый.zlt"));
        w.scripted.saveAnswer = {true, zlt.toStdString()};
        QVERIFY(!w.window.saveProject());
        QCOMPARE(w.scripted.lossySaveQuestions.size(), 1);
        QVERIFY(w.scripted.lossySaveQuestions.front().contains(QStringLiteral("свои материалы")));
        QVERIFY(!QFile::exists(zlt));
        QVERIFY(w.scripted.errors.isEmpty());
        QCOMPARE(w.window.projectPath(), own);

        w.scripted.lossySaveAnswer = true;
        QVERIFY(w.window.saveProject());
        QVERIFY(QFile::exists(zlt));
    }

    // Fault: «milk-store» written without ".zlt": the load filter and the file type never see it.
    void aNameWithoutExtensionGetsZltAndThePdfFollows()
    {
        WindowUnderTest w;
        QTemporaryDir dir;
        w.scripted.saveAnswer = {true, dir.filePath(QStringLiteral("milk-store")).toStdString()};
        QVERIFY(w.window.saveProject());
        const QString saved = dir.filePath(QStringLiteral("milk-store.zlt"));
        QVERIFY(QFile::exists(saved));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("milk-store"))));
        QVERIFY(w.scripted.replaceQuestions.isEmpty());
        QCOMPARE(w.text(Control::ProjectName), saved);
        QCOMPARE(w.window.messageLine(), QStringLiteral("Сохранено: milk-store.zlt"));

        // The print dialog's PDF is the project's file with ".pdf"; a PDF written is said.
        w.scripted.printedPdf = dir.filePath(QStringLiteral("milk-store.pdf"));
        QTest::mouseClick(w.button(Control::PrintButton), Qt::LeftButton);
        QCOMPARE(w.scripted.printPdfNames, QStringList{dir.filePath(QStringLiteral("milk-store.pdf"))});
        QCOMPARE(w.window.messageLine(), QStringLiteral("PDF записан: milk-store.pdf"));
    }

    // A clamp at commit shows on the message line until the next user action.
    void theMessageLineShowsAClampUntilTheNextAction()
    {
        WindowUnderTest w;
        QVERIFY(w.focus(Control::RoomLength));
        w.type("300");
        w.pressKey(Qt::Key_Return);
        QCOMPARE(MessageLine(w)->text(), QStringLiteral("Длина камеры ограничена: не больше 250 м"));
        QCOMPARE(MessageLine(w)->toolTip(), QStringLiteral("Длина камеры ограничена: не больше 250 м"));
        QVERIFY(w.focus(Control::RoomTemperature));
        QCOMPARE(MessageLine(w)->text(), QString());
    }

    // Fault: on a low screen the lower bar, and the message line in it, scrolls out of sight.
    void onALowScreenTheMessageStandsUnderTheClient()
    {
        WindowUnderTest w;
        auto* strip = w.window.findChild<QLabel*>(QStringLiteral("MessageStrip"));
        QVERIFY(strip != nullptr);
        QVERIFY(!strip->isVisible());
        w.window.fitToScreen({0, 0, 1024, 600});
        QCoreApplication::processEvents();
        QVERIFY(strip->isVisible());
        QVERIFY(w.window.rect().contains(strip->geometry()));
        QVERIFY(w.focus(Control::RoomLength));
        w.type("300");
        w.pressKey(Qt::Key_Return);
        QCOMPARE(strip->text(), QStringLiteral("Длина камеры ограничена: не больше 250 м"));
        w.window.fitToScreen({0, 0, 1920, 1040});
        QCoreApplication::processEvents();
        QVERIFY(!strip->isVisible());
        QCOMPARE(w.window.size(), QSize(1024, 750));
    }

    // A red field says why; its tab is marked while another page is shown.
    void aWarningHasATooltipAndMarksItsTab()
    {
        WindowUnderTest w;
        auto* mark = w.window.findChild<QLabel*>(QStringLiteral("TabWarningMark4"));
        QVERIFY(mark != nullptr);
        QVERIFY(mark->isHidden());
        QVERIFY(w.focus(Control::ProductInletTemperature));
        w.retype(QStringLiteral("-25"));
        w.pressKey(Qt::Key_Return);
        const QString warning =
            QStringLiteral("Температура поступающего груза ниже конечной: Q2 отрицательный и уменьшает Q сум.");
        // The warning first, then what the field is.
        QVERIFY(w.widget(Control::ProductInletTemperature)
                    ->toolTip()
                    .startsWith(warning + QStringLiteral("\n\nТемпература")));
        QCOMPARE(MessageLine(w)->toolTip(), warning);
        // Another page shown: the goods tab keeps its mark.
        QPushButton* enclosureTab = nullptr;
        for (QPushButton* button : w.window.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Через ограждение Q1"))
                enclosureTab = button;
        QVERIFY(enclosureTab != nullptr);
        QTest::mouseClick(enclosureTab, Qt::LeftButton);
        QCOMPARE(w.window.shownTab(), 0);
        QVERIFY(mark->isVisibleTo(&w.window));
        for (int tab = 1; tab <= 5; ++tab)
            if (tab != 4)
                QVERIFY(w.window.findChild<QLabel*>(QStringLiteral("TabWarningMark%1").arg(tab))->isHidden());
    }
};

QTEST_MAIN(MessagesTest)
#include "gui_messages_test.moc"
