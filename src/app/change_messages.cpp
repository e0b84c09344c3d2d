#include "app/change_messages.h"

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

std::string RewriteMessage(const FieldName& cause, const std::vector<RewrittenField>& rewritten)
{
    if (rewritten.empty())
        return {};
    const std::string together = "вместе с " + std::string(cause.asCause);
    const std::string togetherFirst = "Вместе с " + std::string(cause.asCause);
    if (rewritten.size() == 1) {
        const RewrittenField& only = rewritten.front();
        return std::string(only.field->name) + " " + Agreeing("изменён", "изменен", only.field->gender) + " на " +
               ValueWithUnit(*only.field, MessageNumber(only.shownText)) + " " + together;
    }
    std::string message = togetherFirst + " изменены: ";
    for (std::size_t i = 0; i < rewritten.size(); ++i) {
        if (i > 0)
            message += "; ";
        message += InSentence(rewritten[i].field->name) + " " +
                   ValueWithUnit(*rewritten[i].field, MessageNumber(rewritten[i].shownText));
    }
    return message;
}

} // namespace zeltar
