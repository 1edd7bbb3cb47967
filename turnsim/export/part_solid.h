// The part as a solid of revolution: the profile's arcs replaced by lines, its points handed to
// the part's GXfile.
#pragma once

#include <cstdint>

#include "turnsim/export/gx_file.h"
#include "turnsim/geometry/contour.h"

namespace turnsim {

// Approximates the arcs of a copy of `profile` by lines (about `lineApprox` per radian), turns
// it into points (the start of every element, then the end of the last, that end just off the
// axis and carrying the element's cut-zone mark) and writes them with `part` into the file of
// `fileIndex`. Returns what MakeSolid returns; throws ExportError for an empty profile and
// FatalExit when the lines have more than GXfile::kMaxPoints points.
bool WritePartSolid(GXfile& part, const Contour& profile, std::int32_t lineApprox,
                    std::int32_t fileIndex);

} // namespace turnsim
