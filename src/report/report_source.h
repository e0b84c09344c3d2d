// What the report reads from the window: the texts the window shows at the moment of drawing.
// The report never recalculates and reads no parameter but the room type.
#pragma once

#include "fields/control.h"

#include <string>

namespace zeltar::report {

class ReportSource {
public:
    virtual ~ReportSource() = default;
    // A field's text as shown (blanks included); for a list the selected entry's text ("" when no
    // entry is selected); for a label its caption.
    virtual std::string text(Control control) const = 0;
    // Index of the selected room type (-1 none).
    virtual int roomType() const = 0;
};

} // namespace zeltar::report
