// The command line of the program `zeltar`: [--screenshot FILE.png] [PROJECT.zlt], --help,
// --version.
#pragma once

#include <QString>

#include <optional>

namespace zeltar::gui {

struct StartOptions {
    QString projectPath;    // a project to open at start ("" none)
    QString screenshotPath; // draw the window into this PNG file and end ("" run as usual)
    // Set when the program ends at once: --help or --version was answered (0), or the command
    // line was wrong (2, the message printed).
    std::optional<int> exitCode;
};

// The program's version as the build is made (major.minor.patch); the window's caption shows
// its first two parts.
QString ProgramVersion();

// Reads the command line before the window's application exists, so that --help and --version
// work without a display; prints the help, the version or the mistake itself.
StartOptions ReadStartOptions(int argc, char* argv[]);

} // namespace zeltar::gui
