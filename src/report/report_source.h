// What the report reads from the window: the texts the window shows at the moment of drawing.
// The report never recalculates and reads no parameter but the room type; the extension lines are
// made from the project's inputs and the values of the window's last recalculation.
#pragma once

#include "calc/load_breakdown.h"
#include "fields/control.h"
#include "report/extension_lines.h"

#include <optional>

#include <string>
#include <utility>
#include <vector>

namespace zeltar::report {

class ReportSource {
public:
    virtual ~ReportSource() = default;
    // A field's text as shown (blanks included); for a list the selected entry's text ("" when no
    // entry is selected); for a label its caption.
    virtual std::string text(Control control) const = 0;
    // Index of the selected room type (-1 none).
    virtual int roomType() const = 0;
    // The files the shown texts were read from (the project last saved or loaded), which a PDF of
    // the report must never replace; none by default.
    virtual std::vector<std::string> sourceFiles() const { return {}; }
    // The chart of the load the user asked to print on a second page; none by default (the report
    // is one page).
    virtual std::optional<calc::LoadBreakdown> loadChart() const { return std::nullopt; }
    // The lines of the extensions the project uses (extension_lines.h); none by default.
    virtual std::vector<ExtensionLine> extensionLines() const { return {}; }
};

// A report with the chart of the load on its second page: the texts of `report`, and `breakdown`.
class ReportWithLoadChart final : public ReportSource {
public:
    ReportWithLoadChart(const ReportSource& report, calc::LoadBreakdown breakdown)
        : report_(report)
        , breakdown_(std::move(breakdown))
    {}
    std::string text(Control control) const override { return report_.text(control); }
    int roomType() const override { return report_.roomType(); }
    std::vector<std::string> sourceFiles() const override { return report_.sourceFiles(); }
    std::optional<calc::LoadBreakdown> loadChart() const override { return breakdown_; }
    std::vector<ExtensionLine> extensionLines() const override { return report_.extensionLines(); }

private:
    const ReportSource& report_;
    calc::LoadBreakdown breakdown_;
};

} // namespace zeltar::report
