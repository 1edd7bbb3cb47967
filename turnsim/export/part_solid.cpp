// Turning the part's profile into the point arrays of its solid.
#include "turnsim/export/part_solid.h"

#include <vector>

#include "turnsim/export/export_error.h"
#include "turnsim/geometry/finishing.h"

namespace turnsim {

bool WritePartSolid(GXfile& part, const Contour& profile, std::int32_t lineApprox,
                    std::int32_t fileIndex) {
  if (profile.empty()) {
    throw ExportError("The part profile is empty; there is no solid to write.");
  }
  const Contour lines = ApproximateArcs(profile, static_cast<float>(lineApprox));
  std::vector<double> x(lines.size() + 1);
  std::vector<double> z(lines.size() + 1);
  std::vector<std::uint8_t> marks(lines.size() + 1);
  const std::int32_t last = ContourToArrays(lines, x, z, marks);
  return part.MakeSolid(x, z, last, marks, fileIndex);
}

} // namespace turnsim
