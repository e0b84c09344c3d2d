// Gains that the method rounds to whole watts (the layer method, the solar correction and the
// ventilation): the gain in W is rounded to the nearest integer, a half going to the even neighbour,
// and then given in kW.
#pragma once

#include "fields/number_text.h"

namespace zeltar::calc {

inline double WholeWattsInKilowatts(double watts)
{
    return fields::RoundHalfEven(watts) / 1000;
}

} // namespace zeltar::calc
