// Focus and keys: which control may take the focus, what leaving a control does, the key filter and
// cleanup of the numeric fields while the user types, and where Enter and the space bar lead.
#include "app/form_impl.h"

#include "app/form_parameters.h"
#include "fields/utf8.h"
#include "fields/number_text.h"
#include "refdata/cities.h"
#include "refdata/room_types.h"

namespace zeltar {

namespace {

using fields::EnterRule;

// Longest walk along Enter rules past controls that cannot take the focus.
constexpr int kMaxEnterSkips = 8;

bool TakesFocus(ControlType type)
{
    return type != ControlType::Label && type != ControlType::PaintBox;
}

// Release code of the key that types the character on the main keyboard.
int KeyCodeOf(char32_t c)
{
    if (c == U',')
        return fields::kCommaKeyCode;
    if (c == U'-')
        return fields::kMinusKeyCode;
    if (c >= U'a' && c <= U'z')
        return static_cast<int>(c - U'a' + U'A');
    if (c < 0x80)
        return static_cast<int>(c); // digits, capitals, blank, backspace: their own codes
    return 0;
}

bool IsRoomType(int roomType)
{
    return roomType >= 0 && roomType < static_cast<int>(refdata::kRoomTypes.size());
}

} // namespace

bool FormModel::Impl::canTakeFocus(std::string_view name, bool report)
{
    const ControlState& c = at(name);
    std::string problem;
    if (!TakesFocus(c.type))
        problem = "Элемент " + std::string(name) + " не принимает фокус ввода.";
    else if (!c.visible)
        problem = "Элемент " + std::string(name) + " скрыт: перейти в него нельзя.";
    else if (!c.enabled)
        problem = "Элемент " + std::string(name) + " недоступен: перейти в него нельзя.";
    if (problem.empty())
        return true;
    if (report)
        fail(std::move(problem));
    return false;
}

bool FormModel::Impl::focusOn(std::string_view name)
{
    if (!controls.contains(name)) {
        fail("Элемента " + std::string(name) + " в окне нет.");
        return false;
    }
    if (name == focus)
        return true;
    if (!canTakeFocus(name, true))
        return false;
    if (!leaveFocused())
        return false;
    const ControlState& target = at(name);
    if (target.tab != fields::kNoTab)
        tab = target.tab;
    focus = std::string(name);
    ++revision;
    if (fields::FindNumericField(name))
        setText(name, fields::PrepareForEditing(target.text));
    return true;
}

bool FormModel::Impl::leaveFocused()
{
    if (focus.empty())
        return true;
    if (const fields::NumericField* field = fields::FindNumericField(focus))
        return commitField(*field);
    if (fields::FindListField(focus) || fields::FindCheckBoxField(focus))
        recalculate();
    return true;
}

std::optional<std::string> FormModel::Impl::enterTarget(std::string_view control) const
{
    std::string_view target;
    std::string_view alternative;
    EnterRule rule = EnterRule::None;
    if (const fields::NumericField* f = fields::FindNumericField(control)) {
        target = f->enterTarget;
        alternative = f->enterAlternative;
        rule = f->enterRule;
    } else if (const fields::ListField* l = fields::FindListField(control)) {
        target = l->enterTarget;
        alternative = l->enterAlternative;
        rule = l->enterRule;
    } else if (const fields::PassOnField* p = fields::FindPassOnField(control)) {
        target = p->enterTarget;
        rule = EnterRule::Fixed;
    }
    switch (rule) {
    case EnterRule::None:
        return std::nullopt;
    case EnterRule::Fixed:
        break;
    case EnterRule::RailRoomSkipsCapacity:
        if (!IsRoomType(state.roomType))
            return std::string(control); // no room type: the focus stays
        if (refdata::GroupOf(state.roomType) == refdata::RoomGroup::Rail)
            target = alternative;
        break;
    case EnterRule::ProcessingSkipsTurnover:
        if (!IsRoomType(state.roomType))
            return std::string(control);
        if (refdata::GroupOf(state.roomType) != refdata::RoomGroup::Store)
            target = alternative;
        break;
    case EnterRule::FanDetailed:
        if (state.fanDetailedCalculation == 1)
            target = alternative;
        break;
    case EnterRule::CustomCity:
        if (state.city == refdata::kCustomCity)
            target = alternative;
        break;
    case EnterRule::DoorTimeMode:
        if (state.doorTimeMode == 1)
            target = alternative;
        break;
    }
    return std::string(target);
}

bool FormModel::Impl::moveByEnter()
{
    std::optional<std::string> target = enterTarget(focus);
    if (!target)
        return false;
    if (*target == focus)
        return true;
    // A target that cannot take the focus (the floor temperature of a floor on ground) passes the
    // key on along its own Enter rule, as pressing Enter there would.
    for (int skips = 0; skips < kMaxEnterSkips && !canTakeFocus(*target, false); ++skips) {
        std::optional<std::string> next = enterTarget(*target);
        if (!next || *next == *target)
            break;
        target = std::move(next);
    }
    focusOn(*target);
    return true;
}

bool FormModel::Impl::pressSpace()
{
    std::string_view button;
    if (const fields::NumericField* f = fields::FindNumericField(focus))
        button = f->spacePresses;
    else if (const fields::ListField* l = fields::FindListField(focus))
        button = l->spacePresses;
    if (button.empty())
        return false;
    const std::string before = focus;
    moveByEnter();
    if (focus == before)
        return true; // the commit failed: the button is not pressed
    if (button == "BitBtn7")
        fillFromFirstRow();
    else if (button == "BitBtn8")
        fillFinishes();
    return true;
}

bool FormModel::Impl::keyPress(char32_t character)
{
    if (focus.empty())
        return false;
    const ControlState& c = at(focus);
    if (c.type != ControlType::Edit || c.readOnly)
        return false;
    if (const fields::NumericField* f = fields::FindNumericField(focus))
        return fields::FilterKey(f->kind, character, c.text, commaPositionBeforeKey);
    // Free text: any printable character and backspace.
    return character == fields::kBackspace || character >= U' ';
}

void FormModel::Impl::editFocusedText(std::string text)
{
    if (focus.empty() || at(focus).type != ControlType::Edit || at(focus).readOnly)
        return;
    if (const fields::TextField* free = fields::FindTextField(focus))
        *FindParameter(state, free->parameter).text = text;
    setText(focus, std::move(text));
}

void FormModel::Impl::keyRelease(int keyCode)
{
    const fields::NumericField* f = fields::FindNumericField(focus);
    if (!f || !fields::CleansAfterKey(f->kind))
        return;
    // A kind without a comma holds none: its comma position is 0 whatever the last filter recorded.
    const int commaPosition = fields::AdmitsComma(f->kind) ? commaPositionBeforeKey : 0;
    const std::string& text = at(focus).text;
    std::string cleaned = fields::CleanAfterKey(text, keyCode, commaPosition);
    if (cleaned != text)
        setText(focus, std::move(cleaned));
}

void FormModel::Impl::typeCharacter(char32_t character)
{
    if (focus.empty() || at(focus).type != ControlType::Edit)
        return; // lists, check boxes and buttons take no typed text
    if (keyPress(character)) {
        const ControlState& c = at(focus);
        std::string text = c.text;
        if (character == fields::kBackspace)
            fields::DropLastCharacter(text);
        else if (c.maxLength == 0 || fields::CharacterCount(text) < static_cast<std::size_t>(c.maxLength))
            fields::AppendUtf8(text, character);
        if (text != c.text)
            editFocusedText(std::move(text));
    }
    keyRelease(KeyCodeOf(character));
}

void FormModel::Impl::pressBackspace()
{
    typeCharacter(fields::kBackspace);
}

} // namespace zeltar
