#include "model/project_date.h"

#include <ctime>

namespace zeltar {

namespace {

constexpr int kTmFirstYear = 1900;

// `value` with leading zeros to `width` digits.
std::string Digits(int value, std::size_t width)
{
    std::string text = std::to_string(value);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

} // namespace

std::string DateText(int year, int month, int day)
{
    return Digits(day, 2) + "." + Digits(month, 2) + "." + Digits(year, 4);
}

std::string TodayText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateText(local.tm_year + kTmFirstYear, local.tm_mon + 1, local.tm_mday);
}

} // namespace zeltar
