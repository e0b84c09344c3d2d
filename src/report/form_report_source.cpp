#include "report/form_report_source.h"

#include "app/form_model.h"

namespace zeltar::report {

std::string FormModelReportSource::text(std::string_view control) const
{
    if (!form_.hasControl(control))
        return {};
    return form_.control(control).text;
}

int FormModelReportSource::roomType() const
{
    return form_.state().roomType;
}

} // namespace zeltar::report
