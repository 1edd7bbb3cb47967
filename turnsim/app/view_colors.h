// Colours of the 2D view at the painter: 0x00BBGGRR values become QColor only here.
#pragma once

#include <cstdint>

#include <QColor>

#include "turnsim/app/colors_config.h"

namespace turnsim {

// Black, and the blue of the start view's profile.
inline constexpr std::int32_t kBlackColor = 0x000000;
inline constexpr std::int32_t kStartProfileColor = 0xFF0000;

// 0x00BBGGRR to an opaque QColor; the high byte is ignored.
inline QColor ToQColor(std::int32_t tcolor) {
  const auto c = static_cast<std::uint32_t>(tcolor);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

// A QColor to 0x00BBGGRR.
inline std::int32_t FromQColor(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace turnsim
