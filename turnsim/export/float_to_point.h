// The six-decimal number text of the .x solids and the profile listing.
#pragma once

#include <string>

namespace turnsim {

// v with exactly six decimals, digits beyond the sixth dropped (not rounded); "0.000000" below
// 0.000009 in magnitude. Independent of the locale and exact for any finite magnitude.
// Throws std::invalid_argument for an infinite or NaN value.
std::string FloatToPoint(double v);

} // namespace turnsim
