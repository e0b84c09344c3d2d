// Focus: which control may take the focus, what leaving a control does, what a field selects when
// it gains the focus, and where Enter and the space bar lead.
#include "app/form_impl.h"

#include "app/field_names.h"
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

} // namespace

bool FormModel::Impl::canTakeFocus(Control control, bool report)
{
    const ControlState& c = at(control);
    const std::string name = ControlCaption(control);
    std::string problem;
    if (!TakesFocus(c.type))
        problem = "Элемент " + name + " не принимает фокус ввода.";
    else if (!c.visible)
        problem = "Элемент " + name + " скрыт: перейти в него нельзя.";
    else if (!c.enabled)
        problem = "Элемент " + name + " недоступен: перейти в него нельзя.";
    if (problem.empty())
        return true;
    if (report)
        fail(std::move(problem));
    return false;
}

bool FormModel::Impl::focusOn(Control control, FocusRoute route)
{
    if (control == focus)
        return true;
    if (!canTakeFocus(control, true))
        return false;
    if (!leaveFocused())
        return false;
    if (focus)
        select(*focus, 0, 0); // a field without the focus selects nothing
    const ControlState& target = at(control);
    if (target.tab != fields::kNoTab)
        tab = target.tab;
    focus = control;
    ++revision;
    if (fields::FindNumericField(control)) {
        focusedCommittedText = target.text;
        setText(control, fields::PrepareForEditing(target.text));
    }
    // Entered by keyboard a field selects its whole text, so the first key replaces it; a click
    // leaves the caret at the end.
    const int length = static_cast<int>(fields::CharacterCount(target.text));
    if (route == FocusRoute::Keyboard)
        select(control, 0, length);
    else
        select(control, length, 0);
    return true;
}

bool FormModel::Impl::leaveFocused()
{
    if (!focus)
        return true;
    if (const fields::NumericField* field = fields::FindNumericField(*focus)) {
        if (!commitField(*field))
            return false;
        recordStep(field->control, false);
        return true;
    }
    if (fields::FindListField(*focus) || fields::FindCheckBoxField(*focus))
        recalculate();
    recordStep(*focus, false); // a header text left is a step of its own
    return true;
}

std::optional<Control> FormModel::Impl::enterTarget(Control control) const
{
    Control target = control;
    std::optional<Control> alternative;
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
    case EnterRule::None: return std::nullopt;
    case EnterRule::Fixed: break;
    case EnterRule::RailRoomSkipsCapacity:
        if (!refdata::IsRoomType(state.roomType))
            return control; // no room type: the focus stays
        if (refdata::GroupOf(state.roomType) == refdata::RoomGroup::Rail)
            target = *alternative;
        break;
    case EnterRule::ProcessingSkipsTurnover:
        if (!refdata::IsRoomType(state.roomType))
            return control;
        if (refdata::GroupOf(state.roomType) != refdata::RoomGroup::Store)
            target = *alternative;
        break;
    case EnterRule::FanDetailed:
        if (state.fanDetailedCalculation == 1)
            target = *alternative;
        break;
    case EnterRule::CustomCity:
        if (state.city == refdata::kCustomCity)
            target = *alternative;
        break;
    case EnterRule::DoorTimeMode:
        if (state.doorTimeMode == 1)
            target = *alternative;
        break;
    }
    return target;
}

bool FormModel::Impl::moveByEnter()
{
    if (!focus)
        return false;
    std::optional<Control> target = enterTarget(*focus);
    if (!target)
        return false;
    if (*target == focus)
        return true;
    // A target that cannot take the focus (the floor temperature of a floor on ground) passes the
    // key on along its own Enter rule, as pressing Enter there would.
    for (int skips = 0; skips < kMaxEnterSkips && !canTakeFocus(*target, false); ++skips) {
        std::optional<Control> next = enterTarget(*target);
        if (!next || *next == *target)
            break;
        target = std::move(next);
    }
    focusOn(*target, FocusRoute::Keyboard);
    return true;
}

bool FormModel::Impl::pressSpace()
{
    if (!focus)
        return false;
    std::optional<Control> button;
    if (const fields::NumericField* f = fields::FindNumericField(*focus))
        button = f->spacePresses;
    else if (const fields::ListField* l = fields::FindListField(*focus))
        button = l->spacePresses;
    if (!button)
        return false;
    const std::optional<Control> before = focus;
    moveByEnter();
    if (focus == before)
        return true; // the commit failed: the button is not pressed
    if (button == Control::FillRowsButton)
        fillFromFirstRow();
    else if (button == Control::FillFinishesButton)
        fillFinishes();
    return true;
}

} // namespace zeltar
