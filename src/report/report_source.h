// What the report reads from the window: the texts the window shows at the moment of drawing.
// The report never recalculates and reads no parameter but the room type.
#pragma once

#include "fields/control.h"

#include <string>
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
};

} // namespace zeltar::report
