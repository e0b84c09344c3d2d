// The report's view of the main window: the texts the form model shows at this moment.
#pragma once

#include "report/report_source.h"

namespace zeltar {
class FormModel;
}

namespace zeltar::report {

class FormModelReportSource final : public ReportSource {
public:
    explicit FormModelReportSource(const FormModel& form) : form_(form) {}

    // The control's text as the window shows it.
    std::string text(Control control) const override;
    int roomType() const override;
    // The project file last saved or loaded.
    std::vector<std::string> sourceFiles() const override;
    // The extensions the project uses, from its inputs and the last recalculation.
    std::vector<ExtensionLine> extensionLines() const override;

private:
    const FormModel& form_;
};

} // namespace zeltar::report
