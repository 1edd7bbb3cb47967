// Revolved solids written into a folder through the whole-or-nothing file writer.
#include "turnsim/export/solid_file.h"

#include <sstream>
#include <string>
#include <vector>

#include "turnsim/export/atomic_file.h"
#include "turnsim/export/export_error.h"
#include "turnsim/geometry/finishing.h"
#include "turnsim/geometry/messages.h"

namespace turnsim {

bool WriteSolidFile(const GXfile& solid, std::int32_t fileIndex,
                    const std::filesystem::path& folder) {
  std::ostringstream text;
  if (!solid.Write(text)) {
    return false;
  }
  const std::string content = std::move(text).str();
  try {
    WriteFileAtomically(folder / GXfile::FileName(solid.shape(), fileIndex),
                        [&content](std::ostream& out) {
                          out.write(content.data(), static_cast<std::streamsize>(content.size()));
                        });
  } catch (const ExportError&) {
    ShowMessage("Can't open DirectX file.");
    return false;
  }
  return true;
}

bool WritePartSolidFile(GXfile& part, const Contour& profile, std::int32_t lineApprox,
                        std::int32_t fileIndex, const std::filesystem::path& folder) {
  if (profile.empty()) {
    throw ExportError("The part profile is empty; there is no solid to write.");
  }
  const Contour lines = ApproximateArcs(profile, static_cast<float>(lineApprox));
  std::vector<double> x(lines.size() + 1);
  std::vector<double> z(lines.size() + 1);
  std::vector<std::uint8_t> marks(lines.size() + 1);
  const std::int32_t last = ContourToArrays(lines, x, z, marks);
  part.SetPoints(x, z, last, marks);
  return WriteSolidFile(part, fileIndex, folder);
}

} // namespace turnsim
