// Locale-independent reading of the numbers in model and CLDATA files: whole words only, "." as
// the decimal point whatever the user's locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace turnsim {

// Coordinates, radii and record values beyond this magnitude (millimetres) are refused by the
// readers: the kernel compares counts of hundredths held in 32 bits, and a difference of two
// coordinates must still fit.
inline constexpr double kMaxInputMagnitude = 1.0e6;

// The text without leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanks(std::string_view text);

// The first blank-delimited word of the text, leading blanks skipped; empty when there is none.
std::string_view FirstWord(std::string_view text);

// A decimal integer (optional sign) that fills the whole text and fits 32 bits.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// A decimal number (optional sign, digits with an optional ".", optional exponent) that fills
// the whole text and is a finite value of float range. "inf", "nan", hexadecimal and "," as the
// decimal point are not numbers.
std::optional<float> ReadDecimal(std::string_view text);

} // namespace turnsim
