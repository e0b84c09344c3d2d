// The window under a Russian locale (decimal comma), which QApplication makes the C library's
// locale: typed numbers, committed texts, every result of the reference projects and the saved
// project files must be as in the C locale. Run by CTest with LOCPATH and LC_ALL=ru_RU.UTF-8.
#include "window_fixture.h"

#include "app/result_controls.h"
#include "calc/recalculate.h"
#include "calc/result_listing.h"
#include "fields/control_catalogue.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <string>
#include <utility>

using zeltar::Control;
using zeltar::gui::test::WindowUnderTest;

namespace {

zeltar::calc::Warning WarningOf(const zeltar::FormModel& model, zeltar::Control control)
{
    return model.control(control).color == zeltar::ControlColor::Red ? zeltar::calc::Warning::Red
                                                                     : zeltar::calc::Warning::White;
}

// The result listing as the window's own fields show it, in the expected files' form.
QString WindowListing(const WindowUnderTest& w)
{
    const auto shown = [&](zeltar::calc::ResultField field) {
        return w.text(zeltar::ResultControl(field)).toStdString();
    };
    QString listing;
    for (const zeltar::calc::ListingLine& line : zeltar::calc::ResultListing(
             shown, WarningOf(w.model, Control::RoomTemperature), WarningOf(w.model, Control::ProductInletTemperature),
             WarningOf(w.model, Control::ProductFinalTemperature)))
        listing += QString::fromStdString(line.name + "\t" + line.text + "\n");
    return listing;
}

// The project file the window's model writes to `path` while the C library's locale is `locale`.
QByteArray SavedBytes(WindowUnderTest& w, const QString& path, const char* locale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, locale);
    const bool saved = w.model.saveProject({true, path.toStdString()});
    std::setlocale(LC_ALL, before.c_str());
    QFile file(path);
    return saved && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class LocaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // QApplication has set the environment's locale; without a comma locale this test proves nothing.
        QCOMPARE(std::string(std::localeconv()->decimal_point), std::string(","));
    }

    // Fault: a comma locale turned the committed 12,5 into «1,,25» and 350 into «3,5».
    void committedNumbersReadAsTyped()
    {
        WindowUnderTest w;
        for (const auto& [field, typed] :
             {std::pair{Control::RoomLength, "12,5"}, std::pair{Control::StructureThicknessA, "350"}}) {
            QVERIFY(w.focus(field));
            w.retype(QString::fromLatin1(typed));
            w.pressKey(Qt::Key_Return);
            QCOMPARE(w.text(field), QStringLiteral("  ") + QString::fromLatin1(typed));
        }
    }

    // Fault: results (Q1 and the totals) written with the locale's separator, as «2,,».
    void referenceProjectsShowTheirExpectedResults()
    {
        const QDir projects(QStringLiteral(ZELTAR_TEST_DATA_DIR "/reference-projects"));
        const QStringList names = projects.entryList({QStringLiteral("*.zlt")}, QDir::Files, QDir::Name);
        QVERIFY(names.size() > 10);
        const QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("saved.zlt"));
        for (const QString& name : names) {
            WindowUnderTest w;
            w.window.openProjectFile(projects.filePath(name));
            QFile expected(
                projects.filePath(QString(name).replace(QStringLiteral(".zlt"), QStringLiteral(".expected"))));
            QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(name));
            QCOMPARE(WindowListing(w), QString::fromUtf8(expected.readAll()));
            SavedBytes(w, saved, "C"); // from now on the project name field holds the saved file's path
            QCOMPARE(SavedBytes(w, saved, "ru_RU.UTF-8"), SavedBytes(w, saved, "C"));
        }
    }
};

QTEST_MAIN(LocaleTest)
#include "gui_locale_test.moc"
