// The two surfaces the report is drawn on, each with its own hand-set coordinates: the printer page
// in 1/300 inch from the printable area's corner, and the 950 x 1330 pixel preview image.
#pragma once

namespace zeltar::report {

enum class Surface { Print, Preview };

// A layout value given for both surfaces, as the layout tables list them side by side.
template <typename T>
struct Both {
    T print;
    T preview;
    constexpr const T& on(Surface surface) const { return surface == Surface::Print ? print : preview; }
};

} // namespace zeltar::report
