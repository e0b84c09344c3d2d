// zeltar-cli play: scripts of user events against a fresh window, with exact output.
#include "commands.h"

#include "form_test_support.h"

#include <fstream>

namespace zeltar::test {
namespace {

struct PlayRun {
    int exitCode = 0;
    std::string output;
};

PlayRun Play(const TempDir& dir, const std::string& script)
{
    const std::string path = dir.file("script.play");
    std::ofstream(path, std::ios::binary) << script;
    ::testing::internal::CaptureStdout();
    PlayRun run;
    run.exitCode = cli::RunPlay({path});
    run.output = ::testing::internal::GetCapturedStdout();
    return run;
}

TEST(Play, StartUpTypingEnterAndPrints)
{
    TempDir dir;
    const PlayRun run = Play(dir,
                             "# start-up state\n"
                             "print focus\n"
                             "print ComboBox13\n"
                             "print Edit20\n"
                             "print Edit20.enabled   # the climate fields wait for \"свой вариант\"\n"
                             "focus Edit22\n"
                             "type 1,999\n"
                             "key Enter\n"
                             "type 1\n"
                             "key Enter\n"
                             "print Edit22\n"
                             "print Edit115\n"
                             "print focus\n"
                             "print Edit1.color\n"
                             "print Edit43.color\n"
                             "print Edit125\n"
                             "print CheckBox2\n"
                             "print PaintBox8\n"
                             "print tab\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "focus\tComboBox13\n"
                          "ComboBox13\t64\n"
                          "Edit20\t  31,6\n"
                          "Edit20.enabled\t0\n"
                          "Edit22\t  1,999\n"
                          "Edit115\t  1,99\n"
                          "focus\tEdit24\n"
                          "Edit1.color\tyellow\n"
                          "Edit43.color\twhite\n"
                          "Edit125\t\n"
                          "CheckBox2\t0\n"
                          "PaintBox8\t1\n"
                          "tab\t0\n");
}

TEST(Play, ErrorBoxesPrintAndTheScriptGoesOn)
{
    TempDir dir;
    const PlayRun run = Play(dir,
                             "focus Edit131\n"
                             "choose ComboBox20 4\n"
                             "print Edit79.visible\n"
                             "focus Edit79\n"
                             "print focus\n"
                             "load " + dir.file("missing.zlt") + "\n"
                             "focus Edit9\n"
                             "key Backspace\nkey Backspace\nkey Backspace\nkey Backspace\n"
                             "type -5\n"
                             "key Space\n"
                             "print focus\n"
                             "print Edit12\n"
                             "print Edit18\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "ERROR\tЭлемент Edit131 недоступен: перейти в него нельзя.\n"
                          "Edit79.visible\t0\n"
                          "ERROR\tЭлемент Edit79 скрыт: перейти в него нельзя.\n"
                          "focus\tComboBox20\n"
                          "ERROR\tФайл «" + dir.file("missing.zlt") + "» не найден.\n"
                          "focus\tComboBox2\n"
                          "Edit12\t  -5\n"
                          "Edit18\t  31,6\n");
}

TEST(Play, SaveAndLoadThroughTheCommands)
{
    TempDir dir;
    const std::string file = dir.file("проект.zlt");
    const PlayRun run = Play(dir,
                             "focus Edit125\n"
                             "type Хладокомбинат\n"
                             "click PaintBox9\n"
                             "click Button1\n"
                             "save " + file + "\n"
                             "print Edit129\n"
                             "load cancel\n"
                             "print Edit129\n"
                             "load " + file + "\n"
                             "print Edit129\n"
                             "print Edit125\n"
                             "print Edit50\n"
                             "print Edit26\n"
                             "print focus\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "Edit129\t" + file + "\n" + "Edit129\t" + file + "\n" + "Edit129\t" + file + "\n" +
                              "Edit125\tХладокомбинат\n" + "Edit50\t  вн\n" + "Edit26\t   ЮВ\n" + "focus\tBitBtn4\n");
}

TEST(Play, UnknownCommandsAndNamesStopTheScript)
{
    TempDir dir;
    PlayRun run = Play(dir, "print Edit22\njump Edit22\nprint Edit23\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "Edit22\t  0\n");
    for (const char* line : {"focus Edit200", "click Edit22", "choose Edit22 1", "choose ComboBox20 x", "key Tab",
                             "print Edit22.colour", "save"}) {
        run = Play(dir, std::string(line) + "\nprint Edit22\n");
        EXPECT_EQ(run.exitCode, 1) << line;
        EXPECT_EQ(run.output, "") << line;
    }
}

} // namespace
} // namespace zeltar::test
