// The chuck jaws built from the selected machine and the placement of the part.
#include "turnsim/tooling/jaws.h"

#include <cmath>

#include "turnsim/geometry/matrix.h"

namespace turnsim {

std::array<XZPoint, 10> JawCorners(const Machine& machine, const ProfileReference& profile) {
  const Machine m = MachineProportions(machine);
  const float w = m.value6; // radial extent
  const float h = m.value7; // axial extent
  float x0 = 0.0f;
  float d = 0.0f;
  if (profile.HasSpindleElement()) {
    x0 = profile.spindlePointX;
    d = std::fabs(profile.profileMinZ) + 0.5f + h * 0.5f;
  } else {
    x0 = m.value4 * 0.5f;
    d = std::fabs(profile.profileStartZ) + ConeTipLength(m) + h;
  }
  return {{{x0, -d},
           {x0 + w / 3, -d},
           {x0 + 2 * w / 3, -d},
           {x0 + w, -d},
           {x0 + w, -d + h / 3},
           {x0 + 2 * w / 3, -d + h / 3},
           {x0 + 2 * w / 3, -d + 2 * h / 3},
           {x0 + w / 3, -d + 2 * h / 3},
           {x0 + w / 3, -d + h},
           {x0, -d + h}}};
}

Contour JawOutline(const Machine& machine, const ProfileReference& profile) {
  const std::array<XZPoint, 10> p = JawCorners(machine, profile);
  constexpr std::int32_t kNumbers[10] = {0, 0, 0, 1, 2, 3, 4, 5, 6, 7};
  Contour outline;
  for (std::size_t k = 0; k < p.size(); ++k) {
    Otr line;
    line.type = kLine;
    line.number = kNumbers[k];
    line.start = p[k];
    line.end = p[(k + 1) % p.size()];
    outline.push_back(line);
  }
  return outline;
}

XMASH JawMesh(const Machine& machine, const ProfileReference& profile, float angle,
              std::int32_t kind) {
  const float t = MachineProportions(machine).value8; // thickness
  const std::array<XZPoint, 10> p = JawCorners(machine, profile);
  const Matrix4 turn = RotateAboutZ(Matrix4{}, angle);

  XMASH mesh;
  mesh.name = "KULACHOK";
  mesh.materialText = "KULACHOK";
  mesh.kind = kind;
  for (const XZPoint& corner : p) {
    for (const float y : {-t / 2, t / 2}) {
      const Point4 v = TransformPoint({corner.X, y, corner.Z}, turn);
      mesh.vertices.push_back({v.x, v.y, v.z});
    }
  }
  // Ten side faces around the staircase.
  for (std::int32_t v = 0; v <= 16; v += 2) {
    mesh.quads.push_back({v, v + 1, v + 3, v + 2});
  }
  mesh.quads.push_back({18, 19, 1, 0});
  // Three rectangles on each flat face.
  mesh.quads.push_back({0, 2, 16, 18});
  mesh.quads.push_back({2, 4, 12, 14});
  mesh.quads.push_back({4, 6, 8, 10});
  mesh.quads.push_back({1, 19, 17, 3});
  mesh.quads.push_back({3, 15, 13, 5});
  mesh.quads.push_back({5, 11, 9, 7});
  return mesh;
}

Kulachki::Kulachki(const Machine& machine, const ProfileReference& profile)
    : jaws{JawMesh(machine, profile, 60.0f, kMeshJaw1),
           JawMesh(machine, profile, 180.0f, kMeshJaw2),
           JawMesh(machine, profile, -60.0f, kMeshJaw3)} {}

} // namespace turnsim
