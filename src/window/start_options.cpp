#include "window/start_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace zeltar::gui {

namespace {

constexpr int kUsageErrorExitCode = 2;

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The program's own options, its description and its one argument, added to the parser.
struct ProgramOptions {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption screenshot;
};

ProgramOptions AddProgramOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "ZELTAR: heat gains of a refrigerated room and the refrigerating capacity its equipment needs."));
    // Not Qt's own help option, which would also offer the Qt options this parser does not take.
    ProgramOptions options{
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end.")),
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           QStringLiteral("Show the version and end.")),
        QCommandLineOption(QStringLiteral("screenshot"),
                           QStringLiteral("Draw the window (with the project, if given) into the PNG file <file> "
                                          "without a display, and end."),
                           QStringLiteral("file")),
    };
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.screenshot);
    parser.addPositionalArgument(
        QStringLiteral("project"),
        QStringLiteral("A project file (*.zlt or *.zlp) to open; an object file (*.zlo) opens in the summary window."),
        QStringLiteral("[PROJECT.zlt]"));
    return options;
}

// Qt's own options (-platform offscreen, -style Fusion, ...) are taken here and left to the
// application.
void AcceptQtOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtFlag(QString::fromLatin1(name));
        qtFlag.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtFlag);
    }
}

} // namespace

QString ProgramVersion()
{
    return QStringLiteral(ZELTAR_VERSION);
}

StartOptions ReadStartOptions(int argc, char* argv[])
{
    // A core application only while the command line is read: no display is needed for it.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zeltar"));
    QCoreApplication::setApplicationVersion(ProgramVersion());

    QCommandLineParser parser;
    const ProgramOptions program = AddProgramOptions(parser);
    const QCommandLineOption& help = program.help;
    const QCommandLineOption& version = program.version;
    const QCommandLineOption& screenshot = program.screenshot;
    AcceptQtOptions(parser);

    StartOptions options;
    if (!parser.parse(QCoreApplication::arguments())) {
        Print(stderr, QStringLiteral("zeltar: %1\nzeltar --help tells more.\n").arg(parser.errorText()));
        options.exitCode = kUsageErrorExitCode;
        return options;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        options.exitCode = 0;
        return options;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("zeltar %1\n").arg(ProgramVersion()));
        options.exitCode = 0;
        return options;
    }
    const QStringList projects = parser.positionalArguments();
    if (projects.size() > 1) {
        Print(stderr, QStringLiteral("zeltar: one project file at most, not %1\nzeltar --help tells more.\n")
                          .arg(projects.size()));
        options.exitCode = kUsageErrorExitCode;
        return options;
    }
    if (!projects.isEmpty())
        options.projectPath = projects.front();
    options.screenshotPath = parser.value(screenshot);
    if (parser.isSet(screenshot) && options.screenshotPath.isEmpty()) {
        Print(stderr, QStringLiteral("zeltar: --screenshot needs the name of a PNG file\n"));
        options.exitCode = kUsageErrorExitCode;
    }
    return options;
}

} // namespace zeltar::gui
