#include "calc/calc_trace.h"

#include <charconv>
#include <cmath>

namespace zeltar::calc {

void CalcTrace::Add(std::string_view quantity, std::string_view symbol, double value, std::string_view unit,
                    std::string_view formula, std::string_view partOf)
{
    lines_.push_back({section_, std::string(quantity), std::string(symbol), value, std::string(unit),
                      std::string(formula), std::string(partOf)});
}

std::string TraceNumberText(double value)
{
    constexpr int kSignificantDigits = 6;
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? "0" : "—";
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kSignificantDigits).ptr;
    std::string text(buffer, end);
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

} // namespace zeltar::calc
