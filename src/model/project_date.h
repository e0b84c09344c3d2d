// The date the date field starts with: day, month and year as dd.MM.yyyy (08.12.2026), the same
// under every locale and in the window, the summary and zeltar-cli.
#pragma once

#include <string>

namespace zeltar {

std::string DateText(int year, int month, int day);
// Today by the local clock.
std::string TodayText();

} // namespace zeltar
