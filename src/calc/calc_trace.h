// The protocol of one recalculation: every intermediate value the pass works with, recorded where
// the pass computes it, in the order of the pass. The pass takes an optional sink; without one it
// records nothing and costs nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeltar::calc {

// One recorded value: what it is, its symbol, the value in `unit`, and the formula it came from.
struct TraceLine {
    std::string section;  // the part of the calculation, e.g. "Q1: стена А"
    std::string quantity; // e.g. "площадь"
    std::string symbol;   // e.g. "F"
    double value = 0;
    std::string unit;    // e.g. "м²"; empty for a number without unit
    std::string formula; // e.g. "F = b · h"; empty for an input
    // The symbol of the total this value is a summand of ("Q1", "Q4", "Qсум"), empty otherwise.
    std::string partOf;
};

class CalcTrace {
public:
    void BeginSection(std::string_view title) { section_ = title; }
    void Add(std::string_view quantity, std::string_view symbol, double value, std::string_view unit,
             std::string_view formula = {}, std::string_view partOf = {});
    const std::vector<TraceLine>& lines() const { return lines_; }

private:
    std::string section_;
    std::vector<TraceLine> lines_;
};

// A recorded value as the protocol shows it: six significant digits, decimal comma, no trailing
// zeros, an exponent only for very small or large values ("0,0123457", "1234,57", "1,2e-05").
std::string TraceNumberText(double value);

// Records into `trace` when there is one; the calculation's routines call these.
inline void TraceSection(CalcTrace* trace, std::string_view title)
{
    if (trace)
        trace->BeginSection(title);
}
inline void TraceValue(CalcTrace* trace, std::string_view quantity, std::string_view symbol, double value,
                       std::string_view unit, std::string_view formula = {}, std::string_view partOf = {})
{
    if (trace)
        trace->Add(quantity, symbol, value, unit, formula, partOf);
}

} // namespace zeltar::calc
