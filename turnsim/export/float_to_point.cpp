// FloatToPoint: truncation to millionths, written as digits with the point put in by hand.
#include "turnsim/export/float_to_point.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace turnsim {

std::string FloatToPoint(double v) {
  if (!std::isfinite(v)) {
    throw std::invalid_argument("FloatToPoint: the value is not a finite number");
  }
  const double magnitude = std::fabs(v);
  if (magnitude < 0.000009) {
    return "0.000000";
  }
  // The count of millionths. It is a whole number held in a double, so it is printed exactly
  // at any size, also past the 32-bit range (about 2147.48 mm).
  const double millionths = std::trunc(magnitude * 1000000.0);
  std::array<char, 400> buffer{};
  const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), millionths,
                                     std::chars_format::fixed, 0);
  std::string digits(buffer.data(), printed.ptr);
  if (digits.size() < 6) {
    digits.insert(0, 6 - digits.size(), '0');
  }

  std::string text;
  if (v < 0) {
    text += '-';
  }
  const std::size_t whole = digits.size() - 6;
  if (whole == 0) {
    text += '0'; // magnitude below 1
  }
  text.append(digits, 0, whole);
  text += '.';
  text.append(digits, whole, 6);
  return text;
}

} // namespace turnsim
