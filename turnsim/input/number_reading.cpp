// Number words read with std::from_chars, which never looks at the C locale.
#include "turnsim/input/number_reading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace turnsim {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Drops one leading "+" (from_chars takes only "-"); a sign after it is not a number.
bool StripPlus(std::string_view& text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
      return false;
    }
  }
  return true;
}

bool IsDecimalChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::string_view FirstWord(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) {
    ++begin;
  }
  std::size_t end = begin;
  while (end < text.size() && !IsBlank(text[end])) {
    ++end;
  }
  return text.substr(begin, end - begin);
}

std::optional<std::int32_t> ReadInteger(std::string_view text) {
  if (!StripPlus(text) || text.empty()) {
    return std::nullopt;
  }
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) {
    return std::nullopt;
  }
  return value;
}

std::optional<float> ReadDecimal(std::string_view text) {
  if (!StripPlus(text) || text.empty()) {
    return std::nullopt;
  }
  // from_chars also takes "inf", "nan" and "nan(...)"; a number word has digits only.
  for (char c : text) {
    if (!IsDecimalChar(c)) {
      return std::nullopt;
    }
  }
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end || !std::isfinite(value) ||
      std::fabs(value) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  return static_cast<float>(value);
}

} // namespace turnsim
