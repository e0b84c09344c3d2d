#include "report/form_report_source.h"

#include "app/form_model.h"
#include "calc/recalculate.h"

namespace zeltar::report {

std::string FormModelReportSource::text(Control control) const
{
    return form_.control(control).text;
}

int FormModelReportSource::roomType() const
{
    return form_.state().roomType;
}

std::vector<std::string> FormModelReportSource::sourceFiles() const
{
    const std::string project = form_.projectFile();
    if (project.empty())
        return {};
    return {project};
}

std::vector<ExtensionLine> FormModelReportSource::extensionLines() const
{
    return ExtensionReportLines(form_.state(), form_.lastValues());
}

} // namespace zeltar::report
