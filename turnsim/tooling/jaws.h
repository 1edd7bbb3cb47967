// The three-jaw chuck that holds the part: the outline of one jaw for the 2D view and the
// three jaw meshes of the 3D export, both from the same stepped jaw profile.
#pragma once

#include <array>
#include <cstdint>

#include "turnsim/geometry/contour.h"
#include "turnsim/geometry/machine.h"
#include "turnsim/tooling/xmash.h"

namespace turnsim {

// The ten corners of the jaw's staircase, P0 ... P9: at the clamping point of the part's
// spindle element, or behind the back cone for a part held between centres. The proportions
// are derived from value1 of the record passed.
std::array<XZPoint, 10> JawCorners(const Machine& machine, const ProfileReference& profile);

// The jaw as ten lines P0->P1, ..., P8->P9, P9->P0, numbered 0, 0, 0, 1, 2, ..., 7.
Contour JawOutline(const Machine& machine, const ProfileReference& profile);

// One jaw mesh of 20 vertices and 16 quads, turned about the lathe axis by `angle` degrees.
XMASH JawMesh(const Machine& machine, const ProfileReference& profile, float angle,
              std::int32_t kind);

// The three jaws at 60, 180 and 300 degrees about the axis.
struct Kulachki {
  Kulachki(const Machine& machine, const ProfileReference& profile);
  std::array<XMASH, 3> jaws; // jaw 1, jaw 2, jaw 3
};

} // namespace turnsim
