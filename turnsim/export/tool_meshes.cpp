// Building the insert and holder meshes from the tool record.
#include "turnsim/export/tool_meshes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "turnsim/geometry/finishing.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/tooling/tool_shape.h"

namespace turnsim {

namespace {

// Arcs of the insert become lines at about this many per radian.
constexpr float kInsertLineDensity = 3.0f;

void MoveTo(XMASH& mesh, const CldataCommand& q) {
  for (MeshVertex& v : mesh.vertices) {
    v.y += q.end.X;
    v.z += q.end.Z;
  }
}

// A polygon through the indices first, first + step, ... up to and including last.
MeshPolygon PolygonThrough(std::int32_t first, std::int32_t last, std::int32_t step) {
  MeshPolygon polygon;
  for (std::int32_t i = first; step > 0 ? i <= last : i >= last; i += step) {
    polygon.indices.push_back(static_cast<std::uint16_t>(i));
  }
  return polygon;
}

} // namespace

XMASH InsertMesh(const TOOL_CLASS& tool, const CldataCommand& q) {
  XMASH mesh;
  mesh.name = "CUT";
  mesh.materialText = "CUT";
  mesh.kind = kMeshInsert;

  TOOL_CLASS placed = tool;
  placed.command = q;
  const float thickness = placed.info.cut.thickness;
  // How far the clearance draws the bottom face in.
  const float t = static_cast<float>(
      std::tan(placed.info.cut.clearanceAngle * std::numbers::pi / 180.0) * thickness);
  const Contour outline = BuildInsertContour(placed);
  // An insert without an outline (kind "C") has nothing to show.
  if (outline.size() < 2) {
    return mesh;
  }
  const XZPoint origin{};
  const float d0 = Distance(origin, outline[1].start);
  // A corner centre on the tool point (no side length) leaves nothing to scale.
  const float scale = d0 > 0.0f ? (d0 - t) / d0 : 1.0f;
  const Contour lines = ApproximateArcs(outline, kInsertLineDensity);

  const auto p = static_cast<std::int32_t>(lines.size());
  for (const Otr& e : lines) {
    const XZPoint top = e.start;
    const XZPoint bottom = AddPoints(
        TrigRectAng(Distance(origin, top) * scale, Trigonom(origin, top)), XZPoint{0.0f, -t});
    mesh.vertices.push_back({0.0f, top.X, top.Z});
    mesh.vertices.push_back({-thickness, bottom.X, bottom.Z});
  }
  for (std::int32_t v = 0; v <= 2 * p - 4; v += 2) {
    mesh.quads.push_back({v, v + 1, v + 3, v + 2});
  }
  mesh.quads.push_back({2 * p - 2, 2 * p - 1, 1, 0});
  mesh.polygons.push_back(PolygonThrough(2 * p - 1, 1, -2)); // bottom face
  mesh.polygons.push_back(PolygonThrough(0, 2 * p - 2, 2));  // top face
  MoveTo(mesh, q);
  return mesh;
}

XMASH HolderMesh(const TOOL_CLASS& tool, const CldataCommand& q) {
  XMASH mesh;
  mesh.name = "DEV";
  mesh.materialText = "DEV";
  mesh.kind = kMeshHolder;

  const DevINFO& h = tool.info.holder;
  // Only whole pairs of texts are outline points.
  const std::size_t count = std::min<std::size_t>(
      static_cast<std::size_t>(std::max(h.pointCount, 0)), h.points.size() / 2);
  // The slab takes its seat from points 1 and 2; a shorter outline has none.
  if (count < 3) {
    return mesh;
  }
  std::vector<std::string> xs;
  std::vector<std::string> zs;
  for (std::size_t k = 0; k < count; ++k) {
    xs.push_back(h.points[2 * k]);
    zs.push_back(h.points[2 * k + 1]);
  }
  // The last point is pulled back to the X of point 2, and the outline goes on along the seat:
  // to the X of point 1 and out to the last point as read.
  const std::string lastX = xs.back();
  const std::string lastZ = zs.back();
  xs.back() = xs[2];
  xs.push_back(xs[1]);
  zs.push_back(lastZ);
  xs.push_back(lastX);
  zs.push_back(lastZ);

  const auto n = static_cast<std::int32_t>(xs.size());
  const float w = tool.info.cut.thickness - 0.5f;
  for (std::int32_t k = 0; k < n; ++k) {
    const float x = LibraryNumber(FixDecimal(xs[k])) - h.holderParam5;
    const float z = LibraryNumber(FixDecimal(zs[k])) + h.holderParam7 - h.holderParam4;
    // The two first and two last points are the seat of the insert, level with its top.
    const float depth = k >= 2 && k <= n - 3 ? w : 0.0f;
    mesh.vertices.push_back({-depth, -x, z});
    mesh.vertices.push_back({h.holderParam3, -x, z});
  }
  const std::int32_t v = 2 * n;
  for (std::int32_t i = 0; i <= v - 4; i += 2) {
    mesh.quads.push_back({i, i + 1, i + 3, i + 2});
  }
  mesh.quads.push_back({v - 2, v - 1, 1, 0});
  mesh.quads.push_back({1, v - 1, v - 3, 3});
  mesh.polygons.push_back(PolygonThrough(v - 1, 1, -2));
  mesh.quads.push_back({0, 2, v - 4, v - 2});
  mesh.quads.push_back({2, 4, v - 6, v - 4});
  mesh.polygons.push_back(PolygonThrough(4, v - 6, 2));
  MoveTo(mesh, q);
  return mesh;
}

} // namespace turnsim
