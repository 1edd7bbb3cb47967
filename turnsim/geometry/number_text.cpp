// Shortest round-trip digits from std::to_chars, laid out in the general format by hand so the
// text does not depend on the C locale of the moment.
#include "turnsim/geometry/number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace turnsim {

std::string FormatGeneral(float value, char decimalSeparator) {
  if (std::isnan(value)) {
    return "NAN";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-INF" : "INF";
  }
  if (value == 0) {
    return "0";
  }
  // Shortest scientific form, e.g. "-2.5e-01": the significant digits and the exponent.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') {
      digits += c;
    }
  }
  int exponent = 0;
  std::string_view exponentText = text.substr(e + 1);
  if (!exponentText.empty() && exponentText.front() == '+') {
    exponentText.remove_prefix(1);
  }
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
  }

  std::string out = value < 0 ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out += '0';
      out += decimalSeparator;
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
      } else {
        out += digits.substr(0, intDigits);
        out += decimalSeparator;
        out += digits.substr(intDigits);
      }
    }
    return out;
  }
  out += digits.front();
  if (digits.size() > 1) {
    out += decimalSeparator;
    out += digits.substr(1);
  }
  out += 'E';
  out += std::to_string(exponent);
  return out;
}

} // namespace turnsim
