// The window's side of the recovery copies: why none are kept is told once, and a left copy that
// cannot be restored is reported with the name it was kept under instead of being offered.
#include "window_fixture.h"

#include "window/window_recovery.h"
#include "app/recovery_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using zeltar::Control;
using zeltar::gui::WindowRecovery;
using zeltar::gui::test::WindowUnderTest;
namespace recovery = zeltar::recovery;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void aFolderThatCannotHoldCopiesIsToldOnce()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("recovery");
        WriteFile(folder, "a file where the folder should be");
        WindowUnderTest w;
        QStringList notices;
        WindowRecovery recovery(
            w.window, folder.toStdString(), [](QWidget*, const QString&) { return recovery::Answer::Restore; },
            [&](QWidget* parent, const QString& message) {
                QCOMPARE(parent, &w.window);
                notices << message;
            });
        QVERIFY(w.focus(Control::RoomLength));
        w.type("7");
        w.pressKey(Qt::Key_Return);
        QTest::qWait(3 * recovery::kPollMilliseconds); // several polls find nothing written
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].startsWith(QStringLiteral("Копии несохранённой работы не ведутся")),
                 qPrintable(notices[0]));
        QVERIFY(notices[0].contains(QStringLiteral("на месте папки «%1» находится файл").arg(folder)));
        QVERIFY(!recovery.copy().active());
    }

    // The window's own teller puts the notice into the message line, where the user looks.
    void theNoticeIsShownInTheMessageLine()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("recovery");
        WriteFile(folder, "a file where the folder should be");
        WindowUnderTest w;
        WindowRecovery recovery(w.window, folder.toStdString(),
                                [](QWidget*, const QString&) { return recovery::Answer::Restore; });
        QVERIFY2(w.window.messageLine().startsWith(QStringLiteral("Копии несохранённой работы не ведутся")),
                 qPrintable(w.window.messageLine()));
    }

    void aCopyThatCannotBeReadIsToldWithItsNewNameAndNotOffered()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("recovery");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        // Line 23 (the room width) empty, as copies taken while it was being edited held it.
        QFile defaults(QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects/defaults.zlt"));
        QVERIFY(defaults.open(QIODevice::ReadOnly));
        QByteArray bytes = defaults.readAll();
        QList<QByteArray> lines = bytes.split('\n');
        lines[22] = "\r";
        bytes = lines.join('\n');
        WriteFile(folder + "/window-77-dead.zlt", bytes);
        WriteFile(folder + "/window-77-dead.info",
                  QByteArray::fromStdString(recovery::FormatRecord({"", 1'765'000'000, false, 77})));

        WindowUnderTest w;
        QStringList questions;
        QStringList notices;
        WindowRecovery recovery(
            w.window, folder.toStdString(),
            [&](QWidget*, const QString& question) {
                questions << question;
                return recovery::Answer::Restore;
            },
            [&](QWidget*, const QString& message) { notices << message; });
        QVERIFY(!recovery.restored());
        QVERIFY(questions.isEmpty());
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains(
                     QStringLiteral("Копия не восстановлена, сохранена как «%1/невосстановленный-проект-").arg(folder)),
                 qPrintable(notices[0]));
        QVERIFY(w.scripted.errors.isEmpty());
    }
};

QTEST_MAIN(RecoveryTest)
#include "gui_recovery_test.moc"
