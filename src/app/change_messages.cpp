#include "app/change_messages.h"

#include <algorithm>

namespace zeltar {

namespace {

// What a bound taken from another field is, named after «не больше».
std::string_view BoundReason(fields::ComputedBound bound)
{
    switch (bound) {
    case fields::ComputedBound::None: return {};
    case fields::ComputedBound::StackHeight: return "высоты камеры без 1 м";
    case fields::ComputedBound::DailyTurnover: return "полуторной ёмкости камеры";
    case fields::ComputedBound::DoorHeight: return "высоты камеры";
    case fields::ComputedBound::DoorWidth: return "ширины камеры";
    case fields::ComputedBound::DoorOpenTime: return {}; // 8 or 24 h, said by the number alone
    }
    return {};
}

std::string ValueWithUnit(const FieldName& field, std::string_view number)
{
    return std::string(number) + std::string(field.unit);
}

// «Высота двери» inside a sentence: the first letter small, unless the name starts with an
// abbreviation («ПТС»).
std::string InSentence(std::string_view name)
{
    static constexpr std::string_view kCapitals = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
    static constexpr std::string_view kSmall = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
    const std::size_t space = name.find(' ');
    const std::string_view firstWord = name.substr(0, space);
    if (firstWord.size() < 4 || name.size() < 2)
        return std::string(name);
    const std::string_view first = name.substr(0, 2); // one Cyrillic letter in UTF-8
    const std::size_t at = kCapitals.find(first);
    const std::string_view second = name.substr(2, 2);
    if (at == std::string_view::npos || kCapitals.find(second) != std::string_view::npos)
        return std::string(name);
    return std::string(kSmall.substr(at, 2)) + std::string(name.substr(2));
}

} // namespace

std::string ClampMessage(const FieldName& field, bool aboveUpper, double limit, fields::ComputedBound bound)
{
    std::string message = std::string(field.name) + " " + Agreeing("ограничен", "ограничен", field.gender) + ": " +
                          (aboveUpper ? "не больше " : "не меньше ");
    const std::string_view reason = aboveUpper ? BoundReason(bound) : std::string_view();
    if (!reason.empty())
        message += std::string(reason) + ", ";
    return message + ValueWithUnit(field, MessageNumber(limit));
}

namespace {

// A rewritten field, or fields of one group rewritten to one value, as the message names them.
struct NamedChange {
    std::string name;
    const FieldName* field; // the first of them: gender and unit
    std::string shownText;
};

// Fields of a group that took one value are named once, their members in brackets.
std::vector<NamedChange> Grouped(const std::vector<RewrittenField>& rewritten)
{
    std::vector<NamedChange> changes;
    std::vector<std::vector<std::string_view>> members;
    for (const RewrittenField& r : rewritten) {
        const FieldName& f = *r.field;
        auto same = std::find_if(changes.begin(), changes.end(), [&](const NamedChange& c) {
            return !f.group.empty() && c.field->group == f.group && c.shownText == r.shownText;
        });
        if (same != changes.end()) {
            members[static_cast<std::size_t>(same - changes.begin())].push_back(f.member);
            continue;
        }
        changes.push_back({std::string(f.name), &f, r.shownText});
        members.push_back({f.member});
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (members[i].size() < 2)
            continue;
        std::string list;
        for (const std::string_view member : members[i])
            list += (list.empty() ? "" : ", ") + std::string(member);
        changes[i].name = std::string(changes[i].field->group) + " (" + list + ")";
    }
    return changes;
}

} // namespace

std::string RewriteMessage(const FieldName& cause, const std::vector<RewrittenField>& rewritten)
{
    const std::vector<NamedChange> changes = Grouped(rewritten);
    if (changes.empty())
        return {};
    const std::string together = "вместе с " + std::string(cause.asCause);
    if (changes.size() == 1) {
        const NamedChange& only = changes.front();
        return only.name + " " + Agreeing("изменён", "изменен", only.field->gender) + " на " +
               ValueWithUnit(*only.field, MessageNumber(only.shownText)) + " " + together;
    }
    std::string message = "Вместе с " + std::string(cause.asCause) + " изменены: ";
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (i > 0)
            message += "; ";
        message +=
            InSentence(changes[i].name) + " " + ValueWithUnit(*changes[i].field, MessageNumber(changes[i].shownText));
    }
    return message;
}

} // namespace zeltar
