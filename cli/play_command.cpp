// zeltar-cli play SCRIPT: a fresh window model, as the program is right after start-up, driven by
// a script of user events, one a line; `print` shows what the window shows.
#include "cli_support.h"
#include "commands.h"

#include "app/form_model.h"
#include "fields/control_catalogue.h"
#include "fields/utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace zeltar::cli {

namespace {

constexpr const char* kPlayUsage =
    "Usage: zeltar-cli play SCRIPT\n"
    "\n"
    "Starts the window model as the program starts (today's date in the date field) and plays\n"
    "SCRIPT, one command a line. A line whose first non-blank character is '#', and everything\n"
    "from a blank followed by '#', is a comment; blanks at the end of a line are dropped.\n"
    "NAME is a control name (Edit22, ComboBox13, CheckBox2, PaintBox8, Button1, BitBtn7).\n"
    "\n"
    "  focus NAME              NAME gains the focus as on a click (its tab page is shown, the\n"
    "                          control that had the focus loses it and commits; a field's caret\n"
    "                          stands at the end of its text)\n"
    "  select START LENGTH     selects characters of the focused field as the mouse does (0-based;\n"
    "                          LENGTH 0 places the caret)\n"
    "  type TEXT               types TEXT (everything after 'type ') into the focused field, each\n"
    "                          character through the key filter, the maximum length and the cleanup,\n"
    "                          at the caret over the selection\n"
    "  key Enter|Space|Backspace\n"
    "                          a key in the focused control; Enter into a field selects its text\n"
    "  choose NAME INDEX       picks entry INDEX (0-based) of list NAME\n"
    "  click NAME              a tile (PaintBox2..12), check box (CheckBox1..3) or button\n"
    "                          (Button1, BitBtn7, BitBtn8)\n"
    "  undo, redo              takes back the last change of the project (the field being edited\n"
    "                          commits first), or makes again the last one taken back\n"
    "  save FILE | save cancel, load FILE | load cancel\n"
    "                          the commands, with the file dialog answered (FILE.zlp: the own\n"
    "                          project file; a FILE.zlt that would lose inputs of the own file is\n"
    "                          answered «Нет» and not written)\n"
    "  print NAME              NAME<TAB>TEXT, blanks included (a list: its index; a check box or\n"
    "                          tile: 1 or 0)\n"
    "  print NAME.enabled | NAME.visible   NAME.enabled<TAB>1 or 0\n"
    "  print NAME.color        red, white, yellow or default\n"
    "  print NAME.selection    NAME.selection<TAB>START LENGTH<TAB>the selected text\n"
    "  print NAME.warning      NAME.warning<TAB>why it shows its warning colour (texts joined by\n"
    "                          ' | '; empty without a warning)\n"
    "  print focus | print tab the focused control; the shown tab page (0-5)\n"
    "  print marks             marks<TAB>the tab pages marked for a warning (0-5, blank-separated)\n"
    "  print message           message<TAB>the window's message line\n"
    "\n"
    "An error box of the program prints ERROR<TAB>message and the script goes on; the system bell\n"
    "prints BELL; each message the window's message line shows prints MESSAGE<TAB>text. An unknown\n"
    "command or name stops the script with exit code 1.\n";

// Stops the script: the message names the script's line.
struct ScriptError {
    std::string message;
};

// The line without its comment and its trailing blanks.
std::string_view WithoutComment(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
        return {};
    for (std::size_t i = first + 1; i < line.size(); ++i)
        if (line[i] == '#' && (line[i - 1] == ' ' || line[i - 1] == '\t')) {
            line = line.substr(0, i);
            break;
        }
    const std::size_t last = line.find_last_not_of(" \t\r");
    return line.substr(0, last + 1);
}

// The first word and the rest after one separating blank.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    text = text.substr(start);
    const std::size_t end = text.find_first_of(" \t");
    if (end == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, end), text.substr(end + 1)};
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

const char* ColorName(ControlColor color)
{
    switch (color) {
    case ControlColor::Red: return "red";
    case ControlColor::White: return "white";
    case ControlColor::Yellow: return "yellow";
    case ControlColor::Default: return "default";
    }
    return "default";
}

std::string SelectedText(const ControlState& c)
{
    const std::u32string characters = fields::Characters(c.text);
    return fields::ToUtf8(
        std::u32string_view(characters)
            .substr(static_cast<std::size_t>(c.selectionStart), static_cast<std::size_t>(c.selectionLength)));
}

std::string JoinedWarnings(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : " | ") + text;
    return joined;
}

class Player {
public:
    explicit Player(FormModel& model) : model_(model)
    {
        model_.setBell([] { std::printf("BELL\n"); });
    }

    void run(std::string_view command, std::string_view argument)
    {
        if (command == "focus")
            model_.setFocus(KnownControl(Trimmed(argument)));
        else if (command == "select")
            select(argument);
        else if (command == "type")
            for (const char32_t c : fields::Characters(argument))
                model_.typeCharacter(c);
        else if (command == "key")
            key(Trimmed(argument));
        else if (command == "choose")
            choose(argument);
        else if (command == "click")
            click(Trimmed(argument));
        else if (command == "undo" || command == "redo")
            history(command == "undo", Trimmed(argument));
        else if (command == "save" || command == "load")
            file(command == "save", Trimmed(argument));
        else if (command == "print")
            print(Trimmed(argument));
        else
            throw ScriptError{"unknown command '" + std::string(command) + "'"};
        for (const std::string& error : model_.takeErrors())
            std::printf("ERROR\t%s\n", error.c_str());
        for (const std::string& message : model_.takeMessages())
            std::printf("MESSAGE\t%s\n", message.c_str());
    }

private:
    // The control a script names.
    static Control KnownControl(std::string_view name)
    {
        if (name.empty())
            throw ScriptError{"a control name is missing"};
        const std::optional<Control> control = FindControl(name);
        if (!control)
            throw ScriptError{"unknown control '" + std::string(name) + "'"};
        return *control;
    }

    static std::string NameOf(Control control) { return std::string(Name(control)); }

    void history(bool undo, std::string_view argument)
    {
        if (!argument.empty())
            throw ScriptError{std::string(undo ? "undo" : "redo") + " takes no argument"};
        if (undo)
            model_.undo();
        else
            model_.redo();
    }

    // The buttons the model itself handles; the command bar's buttons are the window's.
    static bool IsModelButton(Control control)
    {
        return control == Control::CompassButton || control == Control::FillRowsButton ||
               control == Control::FillFinishesButton;
    }

    // A whole number of a command's argument, or a script error naming what it is for.
    static int NumberArgument(std::string_view text, std::string_view meaning)
    {
        text = Trimmed(text);
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
            throw ScriptError{std::string(meaning) + ", not '" + std::string(text) + "'"};
        return value;
    }

    void select(std::string_view argument)
    {
        const auto [start, length] = SplitWord(argument);
        model_.selectText(NumberArgument(start, "select needs a start"),
                          NumberArgument(length, "select needs a length"));
    }

    void key(std::string_view name)
    {
        if (name == "Enter") {
            model_.pressEnter();
        } else if (name == "Backspace") {
            model_.pressBackspace();
        } else if (name == "Space") {
            if (model_.pressSpace())
                return;
            // Elsewhere the space bar is the toolkit's own key: it presses a focused check box or
            // button and types a blank into a field.
            const std::optional<Control> focused = model_.focusedControl();
            const ControlType type = focused ? model_.control(*focused).type : ControlType::Label;
            if (type == ControlType::CheckBox || type == ControlType::Button || type == ControlType::BitBtn)
                clickFocused(*focused);
            else
                model_.typeCharacter(U' ');
        } else {
            throw ScriptError{"unknown key '" + std::string(name) + "' (Enter, Space or Backspace)"};
        }
    }

    void clickFocused(Control control)
    {
        if (IsModelButton(control) || Facts(control).type == ControlType::CheckBox)
            model_.click(control);
    }

    void choose(std::string_view argument)
    {
        const auto [name, rest] = SplitWord(argument);
        const Control list = KnownControl(name);
        if (model_.control(list).type != ControlType::ComboBox)
            throw ScriptError{"'" + NameOf(list) + "' is not a list"};
        model_.choose(list, NumberArgument(rest, "choose needs a list entry number"));
    }

    void click(std::string_view argument)
    {
        const Control control = KnownControl(argument);
        const ControlType type = model_.control(control).type;
        const bool clickable = type == ControlType::PaintBox || type == ControlType::CheckBox || IsModelButton(control);
        if (!clickable)
            throw ScriptError{"'" + NameOf(control) + "' is not a tile, check box or button that click knows"};
        model_.click(control);
    }

    void file(bool save, std::string_view path)
    {
        if (path.empty())
            throw ScriptError{std::string(save ? "save" : "load") + " needs a file name or 'cancel'"};
        DialogAnswer answer;
        answer.accepted = path != "cancel";
        if (answer.accepted)
            answer.path = std::string(path);
        if (save)
            model_.saveProject(answer);
        else
            model_.loadProject(answer);
    }

    void print(std::string_view what)
    {
        if (what == "focus") {
            const std::optional<Control> focused = model_.focusedControl();
            std::printf("focus\t%s\n", focused ? NameOf(*focused).c_str() : "");
            return;
        }
        if (what == "tab") {
            std::printf("tab\t%d\n", model_.currentTab());
            return;
        }
        if (what == "message") {
            std::printf("message\t%s\n", model_.message().c_str());
            return;
        }
        if (what == "marks") {
            std::string marks;
            for (int tab = fields::kEnclosureTab; tab < fields::kTabCount; ++tab)
                if (model_.tabHasWarning(tab))
                    marks += (marks.empty() ? "" : " ") + std::to_string(tab);
            std::printf("marks\t%s\n", marks.c_str());
            return;
        }
        const std::size_t dot = what.find('.');
        const Control control = KnownControl(what.substr(0, dot));
        const std::string name = NameOf(control);
        const ControlState& c = model_.control(control);
        if (dot == std::string_view::npos) {
            std::string text = c.text;
            if (c.type == ControlType::ComboBox || c.type == ControlType::CheckBox ||
                (c.type == ControlType::PaintBox && c.index >= 0))
                text = std::to_string(c.index);
            std::printf("%s\t%s\n", name.c_str(), text.c_str());
            return;
        }
        const std::string_view property = what.substr(dot + 1);
        if (property == "enabled")
            std::printf("%s.enabled\t%d\n", name.c_str(), c.enabled ? 1 : 0);
        else if (property == "visible")
            std::printf("%s.visible\t%d\n", name.c_str(), c.visible ? 1 : 0);
        else if (property == "color")
            std::printf("%s.color\t%s\n", name.c_str(), ColorName(c.color));
        else if (property == "warning")
            std::printf("%s.warning\t%s\n", name.c_str(), JoinedWarnings(model_.warningTexts(control)).c_str());
        else if (property == "selection")
            std::printf("%s.selection\t%d %d\t%s\n", name.c_str(), c.selectionStart, c.selectionLength,
                        SelectedText(c).c_str());
        else
            throw ScriptError{"unknown property '" + std::string(property) +
                              "' (enabled, visible, color, selection, warning)"};
    }

    FormModel& model_;
};

} // namespace

int RunPlay(const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        std::fputs(kPlayUsage, stdout);
        return 0;
    }
    if (args.size() != 1) {
        std::fputs(kPlayUsage, stderr);
        return 2;
    }
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "zeltar-cli play: cannot read the script '%s'\n", args[0].c_str());
        return 2;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    FormModel model(Today());
    Player player(model);
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = std::min(text.find('\n', start), text.size());
        const std::string_view line = std::string_view(text).substr(start, newline - start);
        start = newline + 1;
        ++number;
        const std::string_view command_line = WithoutComment(line);
        if (command_line.empty())
            continue;
        const auto [command, argument] = SplitWord(command_line);
        try {
            player.run(command, argument);
        } catch (const ScriptError& e) {
            std::fflush(stdout);
            std::fprintf(stderr, "zeltar-cli play: %s:%d: %s\n", args[0].c_str(), number, e.message.c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace zeltar::cli
