#include "report/form_protocol.h"

#include "app/form_model.h"
#include "calc/recalculate.h"
#include "report/form_report_source.h"

#include <string_view>

namespace zeltar::report {

namespace {

std::string Trimmed(std::string text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

} // namespace

ProtocolDocument ProtocolOf(const FormModel& form)
{
    const FormModelReportSource source(form);
    ProtocolDocument document;
    for (const Control control : {Control::ProjectName, Control::SiteName}) {
        const std::string text = Trimmed(source.text(control));
        if (!text.empty())
            document.project += (document.project.empty() ? "" : "; ") + text;
    }
    document.date = Trimmed(source.text(Control::ProjectDate));
    calc::CalcTrace trace;
    calc::Recalculate(form.state(), &trace);
    document.lines = trace.lines();
    document.sourceFiles = source.sourceFiles();
    return document;
}

} // namespace zeltar::report
