// Writing a revolved solid into a chosen folder: the solid's text goes to its own file name
// there, replaced as a whole.
#pragma once

#include <cstdint>
#include <filesystem>

#include "turnsim/export/gx_file.h"
#include "turnsim/geometry/contour.h"

namespace turnsim {

// Writes `solid`, whose points were set, into `folder` (the working directory when empty) under
// GXfile::FileName(shape, fileIndex). Returns true when the file was written. An invalid shape
// shows its message and writes nothing; a file that cannot be written shows
// "Can't open DirectX file." and leaves the old file as it was.
bool WriteSolidFile(const GXfile& solid, std::int32_t fileIndex,
                    const std::filesystem::path& folder);

// The part's solid as WritePartSolid makes it (arcs replaced by lines, about `lineApprox` per
// radian), written into `folder`. Throws ExportError for an empty profile and FatalExit when the
// lines have more than GXfile::kMaxPoints points.
bool WritePartSolidFile(GXfile& part, const Contour& profile, std::int32_t lineApprox,
                        std::int32_t fileIndex, const std::filesystem::path& folder);

} // namespace turnsim
