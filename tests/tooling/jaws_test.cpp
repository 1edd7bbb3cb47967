// The chuck jaw: its staircase corners placed by the part, the 2D outline and the 3D meshes.
#include "turnsim/tooling/jaws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace turnsim {
namespace {

Machine Lathe48() {
  Machine m;
  m.name = "Lathe";
  m.value1 = 48.0f; // w = h = 21, thickness 6
  return m;
}

// The part's spindle element ends at X 20; its least Z is -5.5.
ProfileReference HeldAt20() {
  ProfileReference r;
  r.spindlePointX = 20.0f;
  r.spindlePointZ = -5.5f;
  r.profileMinZ = -5.5f;
  r.profileStartZ = 0.0f;
  r.profileEndZ = 60.0f;
  return r;
}

const XZPoint kHeldCorners[10] = {{20, -16.5f}, {27, -16.5f}, {34, -16.5f}, {41, -16.5f},
                                  {41, -9.5f},  {34, -9.5f},  {34, -2.5f},  {27, -2.5f},
                                  {27, 4.5f},   {20, 4.5f}};

TEST(JawOutline, StaircaseAtTheClampingPoint) {
  const Contour c = JawOutline(Lathe48(), HeldAt20());
  ASSERT_EQ(c.size(), 10u);
  const std::int32_t numbers[10] = {0, 0, 0, 1, 2, 3, 4, 5, 6, 7};
  for (std::size_t k = 0; k < 10; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(c[k].type, kLine);
    EXPECT_EQ(c[k].number, numbers[k]);
    EXPECT_NEAR(c[k].start.X, kHeldCorners[k].X, 1e-4);
    EXPECT_NEAR(c[k].start.Z, kHeldCorners[k].Z, 1e-4);
    // Closed chain: every line ends where the next one starts, the last at P0.
    EXPECT_EQ(c[k].end.X, c[(k + 1) % 10].start.X);
    EXPECT_EQ(c[k].end.Z, c[(k + 1) % 10].start.Z);
    EXPECT_EQ(c[k].radius, 0.0f);
    EXPECT_EQ(c[k].spindle, 0);
  }
}

TEST(JawCorners, BetweenCentresTheJawStandsBehindTheBackCone) {
  // Wherever the profile lies, the jaw's inner face is at value4 / 2.
  ProfileReference r;
  r.profileMinZ = -40.0f;
  r.profileStartZ = -4.0f;
  const Machine m = MachineProportions(Lathe48());
  const float d = 4.0f + ConeTipLength(m) + 21.0f;
  const std::array<XZPoint, 10> p = JawCorners(Lathe48(), r);
  EXPECT_NEAR(p[0].X, m.value4 / 2, 1e-5);
  EXPECT_NEAR(p[0].Z, -d, 1e-4);
  EXPECT_NEAR(p[3].X, m.value4 / 2 + 21, 1e-4);
  EXPECT_NEAR(p[9].Z, -d + 21, 1e-4);
}

// Area of the polygon through the unturned vertices `idx` (x, z plane), by the shoelace rule.
double QuadArea(const XMASH& mesh, const MeshQuad& q) {
  const std::int32_t idx[4] = {q.a, q.b, q.c, q.d};
  double twice = 0;
  for (int i = 0; i < 4; ++i) {
    const MeshVertex& u = mesh.vertices[idx[i]];
    const MeshVertex& v = mesh.vertices[idx[(i + 1) % 4]];
    twice += static_cast<double>(u.x) * v.z - static_cast<double>(v.x) * u.z;
  }
  return std::fabs(twice) / 2;
}

TEST(JawMesh, UnturnedJawIsTheStaircaseSixThick) {
  const XMASH jaw = JawMesh(Lathe48(), HeldAt20(), 0.0f, kMeshJaw1);
  EXPECT_EQ(jaw.name, "KULACHOK");
  EXPECT_EQ(jaw.materialText, "KULACHOK");
  EXPECT_EQ(jaw.kind, kMeshJaw1);
  EXPECT_TRUE(jaw.polygons.empty());
  ASSERT_EQ(jaw.vertices.size(), 20u);
  for (std::size_t k = 0; k < 10; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(jaw.vertices[2 * k].x, kHeldCorners[k].X, 1e-4);
    EXPECT_EQ(jaw.vertices[2 * k].y, -3.0f);
    EXPECT_EQ(jaw.vertices[2 * k + 1].y, 3.0f);
    EXPECT_NEAR(jaw.vertices[2 * k + 1].z, kHeldCorners[k].Z, 1e-4);
  }

  ASSERT_EQ(jaw.quads.size(), 16u);
  // Ten side faces, each joining the two vertices of corner k to those of corner k + 1.
  for (std::size_t k = 0; k < 10; ++k) {
    const MeshQuad& q = jaw.quads[k];
    const std::int32_t next = static_cast<std::int32_t>(2 * ((k + 1) % 10));
    EXPECT_EQ((std::set<std::int32_t>{q.a, q.b, q.c, q.d}),
              (std::set<std::int32_t>{static_cast<std::int32_t>(2 * k),
                                      static_cast<std::int32_t>(2 * k + 1), next, next + 1}))
        << k;
  }
  // Three rectangles on each flat face that together cover the staircase (area 2/3 w h).
  double bottom = 0;
  double top = 0;
  for (std::size_t i = 10; i < 16; ++i) {
    const MeshQuad& q = jaw.quads[i];
    const int parity = q.a % 2;
    for (const std::int32_t v : {q.b, q.c, q.d}) {
      EXPECT_EQ(v % 2, parity) << "face " << i << " leaves its side";
    }
    (parity == 0 ? bottom : top) += QuadArea(jaw, q);
  }
  EXPECT_NEAR(bottom, 21.0 * 21.0 * 2 / 3, 1e-3);
  EXPECT_NEAR(top, 21.0 * 21.0 * 2 / 3, 1e-3);
}

TEST(Kulachki, ThreeJawsTurnedAboutTheAxis) {
  const XMASH flat = JawMesh(Lathe48(), HeldAt20(), 0.0f, kMeshJaw1);
  const Kulachki chuck(Lathe48(), HeldAt20());
  const double angles[3] = {60, 180, -60};
  const std::int32_t kinds[3] = {kMeshJaw1, kMeshJaw2, kMeshJaw3};
  for (std::size_t j = 0; j < 3; ++j) {
    SCOPED_TRACE(j);
    const XMASH& jaw = chuck.jaws[j];
    EXPECT_EQ(jaw.kind, kinds[j]);
    ASSERT_EQ(jaw.vertices.size(), flat.vertices.size());
    const double a = angles[j] * 3.14159265358979 / 180;
    for (std::size_t v = 0; v < flat.vertices.size(); ++v) {
      const MeshVertex& p = flat.vertices[v];
      EXPECT_NEAR(jaw.vertices[v].x, p.x * std::cos(a) - p.y * std::sin(a), 1e-4);
      EXPECT_NEAR(jaw.vertices[v].y, p.x * std::sin(a) + p.y * std::cos(a), 1e-4);
      EXPECT_EQ(jaw.vertices[v].z, p.z);
    }
  }
  // Jaw 2 is the unturned jaw with x and y negated.
  EXPECT_NEAR(chuck.jaws[1].vertices[0].x, -20.0f, 1e-4);
  EXPECT_NEAR(chuck.jaws[1].vertices[0].y, 3.0f, 1e-4);
}

} // namespace
} // namespace turnsim
