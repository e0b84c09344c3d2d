// The keys of the own project file: one for each line of the 131-line file, and the extension
// controls, whose parameter names are their keys.
#include "projectfile/own_project_file.h"

#include "fields/control_catalogue.h"

#include <array>
#include <cstddef>

namespace zeltar::projectfile {

namespace {

std::string_view ConditionName(FlagCondition condition)
{
    switch (condition) {
    case FlagCondition::Enabled: return "Enabled";
    case FlagCondition::Visible: return "Visible";
    case FlagCondition::Red: return "Red";
    case FlagCondition::Checked:
    case FlagCondition::None: break;
    }
    return {};
}

// A text the window shows but the user does not type: a tile's text, a copy, a caption.
bool IsShownText(const LineSpec& line)
{
    if (line.kind != LineKind::Text || !line.control)
        return false;
    const ControlFacts& facts = Facts(*line.control);
    return facts.readOnly || facts.type == ControlType::Label;
}

std::string KeyOf(const LineSpec& line)
{
    if (line.kind == LineKind::Flag && line.condition != FlagCondition::Checked)
        return std::string(Facts(*line.control).name) + "." + std::string(ConditionName(line.condition));
    if (IsShownText(line))
        return "Shown." + std::string(line.parameter);
    return std::string(line.parameter);
}

std::array<std::string, kLineCount> MakeKeys()
{
    std::array<std::string, kLineCount> keys;
    for (int line = 1; line <= kLineCount; ++line)
        keys[static_cast<std::size_t>(line - 1)] = KeyOf(LineAt(line));
    return keys;
}

} // namespace

const std::string& LineKey(int line)
{
    static const std::array<std::string, kLineCount> keys = MakeKeys();
    return keys[static_cast<std::size_t>(line - 1)];
}

bool IsExtensionControl(Control control)
{
    const ControlFacts& facts = Facts(control);
    return facts.tab == fields::kExtraTab && facts.fileLine == 0 && !facts.parameter.empty() && !facts.readOnly &&
           (facts.type == ControlType::Edit || facts.type == ControlType::ComboBox ||
            facts.type == ControlType::CheckBox);
}

OwnProject OwnProjectOf(const LoadedProject& file)
{
    return {file.lines, {}, {}};
}

} // namespace zeltar::projectfile
