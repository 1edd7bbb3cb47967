// Number texts for the user: the shortest decimal that reads back to the same 32-bit float.
#pragma once

#include <string>

namespace turnsim {

// General format: plain decimal for 1e-5 <= |v| < 1e15, otherwise mantissa and exponent
// ("1E-6", "1.5E20"); `decimalSeparator` is the user's. 0.3f gives "0.3", 0.25f "0.25".
std::string FormatGeneral(float value, char decimalSeparator = '.');

} // namespace turnsim
