// The seven colours of the 2D view and their files: colors.cfg (the user's colours) and
// colors.~fg (the factory colours), seven signed decimal integers, one a line.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>

#include "turnsim/geometry/messages.h"

namespace turnsim {

inline constexpr const char* kColorsFile = "colors.cfg";
inline constexpr const char* kDefaultColorsFile = "colors.~fg";

// Colours as 0x00BBGGRR values.
struct ViewColors {
  std::int32_t SpindleColor = 0x5C5C5C;
  std::int32_t KulachokColor = 0x000000;
  std::int32_t ConeColor = 0x808000;
  std::int32_t PartColor = 0xFF0000;
  std::int32_t CutColor = 0x0000FF;
  std::int32_t HolderColor = 0x000000;
  std::int32_t BackGroundColor = 0xFFFFFF;

  // The colours in the files' line order: to assign, and their values.
  std::array<std::int32_t*, 7> InFileOrder();
  std::array<std::int32_t, 7> ValuesInFileOrder() const;
  bool operator==(const ViewColors&) const = default;
};

// Reads up to seven whitespace-separated integers in file order and assigns them; reading
// stops at the first word that is not a 32-bit integer, and the colours after it keep their
// values. Returns how many colours were assigned.
int ReadColors(std::istream& in, ViewColors& colors);

// Writes the seven colours in file order, each as a decimal integer and a line break.
void WriteColors(std::ostream& out, const ViewColors& colors);

// Load colours from colors.cfg in `folder` (empty: the working directory). A file that cannot
// be opened shows "Can't open configuration file!", keeps the colours and returns false.
bool LoadColors(const std::filesystem::path& folder, ViewColors& colors, Messages& messages);

// Save colours to colors.cfg in `folder`, replacing it whole. A file that cannot be written
// shows "Can't update configuration file!", leaves it as it was and returns false.
bool SaveColors(const std::filesystem::path& folder, const ViewColors& colors, Messages& messages);

// Copies colors.~fg line by line over colors.cfg in `folder`. Throws FileError when colors.~fg
// cannot be read or colors.cfg cannot be written; colors.cfg is then unchanged.
void CopyDefaultColors(const std::filesystem::path& folder);

} // namespace turnsim
