// The insert and holder meshes of the scene: their faces, and their placement checked against
// the insert and holder that the 2D view draws for the same command.
#include "turnsim/export/tool_meshes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "tests/export/scene_job.h"
#include "turnsim/geometry/finishing.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/tooling/tool_shape.h"

namespace turnsim {
namespace {

using ::testing::ElementsAreArray;
using testing::SceneJob;

std::vector<std::uint16_t> Indices(std::int32_t first, std::int32_t last, std::int32_t step) {
  std::vector<std::uint16_t> indices;
  for (std::int32_t i = first; step > 0 ? i <= last : i >= last; i += step) {
    indices.push_back(static_cast<std::uint16_t>(i));
  }
  return indices;
}

// The insert is a prism over its outline with the arcs replaced by lines: with p lines, 2p
// vertices, p side quads and the bottom and top polygons of p corners each. Its top face is the
// outline the 2D view draws at the same command.
TEST(InsertMesh, PrismOverThePlacedOutline) {
  const SceneJob job;
  TOOL_CLASS copy = job.tool;
  const Contour drawn = ApproximateArcs(PlacedInsert(copy, job.command), 3.0f);
  const auto p = static_cast<std::int32_t>(drawn.size());
  ASSERT_GE(p, 6);

  const XMASH mesh = InsertMesh(job.tool, job.command);
  EXPECT_EQ(mesh.kind, kMeshInsert);
  EXPECT_EQ(mesh.name, "CUT");
  ASSERT_EQ(mesh.vertices.size(), static_cast<std::size_t>(2 * p));
  ASSERT_EQ(mesh.quads.size(), static_cast<std::size_t>(p));
  EXPECT_EQ(mesh.quads[0].a, 0);
  EXPECT_EQ(mesh.quads[0].c, 3);
  EXPECT_EQ(mesh.quads.back().a, 2 * p - 2);
  EXPECT_EQ(mesh.quads.back().d, 0);
  ASSERT_EQ(mesh.polygons.size(), 2u);
  EXPECT_THAT(mesh.polygons[0].indices, ElementsAreArray(Indices(2 * p - 1, 1, -2)));
  EXPECT_THAT(mesh.polygons[1].indices, ElementsAreArray(Indices(0, 2 * p - 2, 2)));

  for (std::int32_t i = 0; i < p; ++i) {
    const MeshVertex& top = mesh.vertices[2 * i];
    EXPECT_EQ(top.x, 0.0f);
    EXPECT_NEAR(top.y, drawn[i].start.X, 1e-4) << i;
    EXPECT_NEAR(top.z, drawn[i].start.Z, 1e-4) << i;
    EXPECT_FLOAT_EQ(mesh.vertices[2 * i + 1].x, -2.38f); // the insert's thickness
  }
}

// The bottom face is drawn in by the clearance: t = tan 7 deg * 2.38 mm. The start of the
// second outline element, d0 from the tool point on the top face, lies d0 - t from the tool
// point shifted by -t along Z on the bottom face. Without clearance both faces are alike.
TEST(InsertMesh, BottomFaceDrawnInByTheClearance) {
  const SceneJob job;
  TOOL_CLASS copy = job.tool;
  const Contour outline = BuildInsertContour(copy);
  const float d0 = Distance({}, outline[1].start);
  const float t = std::tan(7.0f * 3.14159265f / 180.0f) * 2.38f;

  const XMASH mesh = InsertMesh(job.tool, job.command);
  const MeshVertex bottom = mesh.vertices[3]; // the second line's start: not an arc's
  const XZPoint toolPoint{job.command.end.X, job.command.end.Z - t};
  EXPECT_NEAR(Distance(toolPoint, {bottom.y, bottom.z}), d0 - t, 1e-4);

  TOOL_CLASS noClearance = job.tool;
  noClearance.info.cut.clearanceAngle = 0.0f;
  const XMASH straight = InsertMesh(noClearance, job.command);
  for (std::size_t i = 0; i < straight.vertices.size(); i += 2) {
    EXPECT_NEAR(straight.vertices[i].y, straight.vertices[i + 1].y, 1e-4) << i;
    EXPECT_NEAR(straight.vertices[i].z, straight.vertices[i + 1].z, 1e-4) << i;
  }
}

DevINFO FivePointHolder() {
  DevINFO h;
  h.name = "R93-T hand-made";
  h.points = {"30,0", "-5", "20.0", "-6", "18.0", "-4", "0.0", "-4", "0.0", "0.0"};
  h.pointCount = 5;
  h.holderParam3 = 10.0f;
  h.holderParam4 = 1.0f;
  h.holderParam5 = 30.0f;
  h.holderParam7 = 6.0f;
  return h;
}

// A holder of five outline points becomes seven (the last point pulled back to the X of point
// 2, then the seat along the X of point 1 and out to the last point): 14 vertices. The points
// 2, 3 and 4 lie w = thickness - 0.5 below the top face; the two first and two last are the
// seat. The front polygon is (4, 6, 8), the back one runs 13, 11, ..., 1.
TEST(HolderMesh, FivePointOutline) {
  SceneJob job;
  job.tool.info.holder = FivePointHolder();
  const XMASH mesh = HolderMesh(job.tool, job.command);
  EXPECT_EQ(mesh.kind, kMeshHolder);
  ASSERT_EQ(mesh.vertices.size(), 14u);
  const float w = 2.38f - 0.5f;
  const float depth[] = {0, 0, w, w, w, 0, 0};
  // Outline X after the changes: 30, 20, 18, 0, 18, 20, 0; Z: -5, -6, -4, -4, 0, 0, 0.
  const float x[] = {30, 20, 18, 0, 18, 20, 0};
  const float z[] = {-5, -6, -4, -4, 0, 0, 0};
  for (int k = 0; k < 7; ++k) {
    EXPECT_FLOAT_EQ(mesh.vertices[2 * k].x, -depth[k]) << k;
    EXPECT_FLOAT_EQ(mesh.vertices[2 * k + 1].x, 10.0f) << k;
    EXPECT_NEAR(mesh.vertices[2 * k].y, job.command.end.X + 30 - x[k], 1e-5) << k;
    EXPECT_NEAR(mesh.vertices[2 * k].z, job.command.end.Z + z[k] + 6 - 1, 1e-5) << k;
    EXPECT_EQ(mesh.vertices[2 * k + 1].y, mesh.vertices[2 * k].y);
    EXPECT_EQ(mesh.vertices[2 * k + 1].z, mesh.vertices[2 * k].z);
  }
  ASSERT_EQ(mesh.polygons.size(), 2u);
  EXPECT_THAT(mesh.polygons[0].indices, ElementsAreArray(Indices(13, 1, -2)));
  EXPECT_THAT(mesh.polygons[1].indices, ElementsAreArray({4, 6, 8}));
  ASSERT_EQ(mesh.quads.size(), 10u);
  EXPECT_EQ(mesh.quads[6].a, 12); // the band back to the first point
  EXPECT_EQ(mesh.quads[6].d, 0);
  EXPECT_EQ(mesh.quads[8].c, 10); // (0, 2, V - 4, V - 2)
  EXPECT_EQ(mesh.quads[9].c, 8);  // (2, 4, V - 6, V - 4)

  // Too short an outline to have a seat: no mesh.
  job.tool.info.holder.pointCount = 2;
  job.tool.info.holder.points.resize(4);
  EXPECT_TRUE(HolderMesh(job.tool, job.command).vertices.empty());
}

// The holder of the sample library stands where the 2D view draws it (after its X is mirrored):
// every outline point but the last, which the mesh pulls back.
TEST(HolderMesh, StandsWhereTheViewDrawsTheHolder) {
  const SceneJob job;
  const Contour drawn = PlacedHolder(job.tool, job.command);
  const std::size_t n = static_cast<std::size_t>(job.tool.info.holder.pointCount);
  ASSERT_EQ(drawn.size(), n);
  const XMASH mesh = HolderMesh(job.tool, job.command);
  ASSERT_EQ(mesh.vertices.size(), 2 * (n + 2));
  for (std::size_t k = 0; k + 1 < n; ++k) {
    EXPECT_NEAR(mesh.vertices[2 * k].y, -drawn[k].start.X, 1e-4) << k;
    EXPECT_NEAR(mesh.vertices[2 * k].z, drawn[k].start.Z, 1e-4) << k;
  }
}

} // namespace
} // namespace turnsim
