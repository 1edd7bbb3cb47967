// The mesh records of the 3D export: a named list of vertices with four-sided and many-sided
// faces, as built for the insert, the holder and the chuck jaws.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace turnsim {

// In the tool meshes x is the depth across the X-Z plane (0 at the top face, negative below),
// y the part's X and z the part's Z, millimetres.
struct MeshVertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

// A four-sided face: vertex indices from 0.
struct MeshQuad {
  std::int32_t a = 0;
  std::int32_t b = 0;
  std::int32_t c = 0;
  std::int32_t d = 0;
};

// A many-sided face, its vertex indices in order.
struct MeshPolygon {
  std::vector<std::uint16_t> indices;
  // The count field of the face: one less than the number of indices.
  std::int32_t c() const { return static_cast<std::int32_t>(indices.size()) - 1; }
};

// Mesh kinds; they select the mesh name, the reference and the material of the export.
inline constexpr std::int32_t kMeshInsert = 1;
inline constexpr std::int32_t kMeshHolder = 2;
inline constexpr std::int32_t kMeshJaw1 = 3;
inline constexpr std::int32_t kMeshJaw2 = 4;
inline constexpr std::int32_t kMeshJaw3 = 5;

struct XMASH {
  std::string name = "NONSENS";         // "CUT", "DEV" or "KULACHOK"; not written
  std::string materialText = "NONSENS"; // the same values; not written
  std::int32_t kind = 0;
  std::vector<MeshVertex> vertices;
  std::vector<MeshQuad> quads;
  std::vector<MeshPolygon> polygons;
};

} // namespace turnsim
