// The pieces of the scene file "aprox.x" that the 3D viewer loads: its header, the tool and jaw
// meshes, the machine's border block, copies of the revolved solids, the frame that turns the
// part, the references to the meshes and the lights. Each piece is appended to a stream.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "turnsim/geometry/machine.h"
#include "turnsim/tooling/xmash.h"

namespace turnsim {

// The scene file, in the export's folder.
inline constexpr std::string_view kSceneFile = "aprox.x";

// The revolved machine solids that a scene holds besides the part.
struct SceneSolids {
  bool spindle = false;
  bool backCone = false;
  bool frontCone = false;
};

// A number of the scene file: fixed notation with six decimals, rounded, the point always shown
// (1.5 gives "1.500000"), independent of the locale; a zero has no sign.
std::string SceneNumber(float v);

// The header of the file.
void OpenScene(std::ostream& out);

// The mesh block of a tool or jaw mesh: its name, vertices, faces and material by its kind (1 to
// 5). A mesh without vertices or faces, or of another kind, throws std::invalid_argument.
void WriteMesh(std::ostream& out, const XMASH& mesh);

// The "Borders" block: three faces of a box behind the chuck, sized by the machine (its
// proportions are derived here from value1) and placed by the profile's reference values.
void WriteBorders(std::ostream& out, const Machine& machine, const ProfileReference& reference);

// The mesh block of a revolved solid file: the lines after the "Header" line, up to the frame
// "The_Scene" or the end.
void CopySolid(std::istream& in, std::ostream& out);
// The same from a file. Throws FatalExit("Can't open temporary file!", 0) when it cannot be read.
void CopySolid(const std::filesystem::path& file, std::ostream& out);

// Opens the frame "aprox": the view rotation (about Z, then Y, then X, degrees) and the
// references to the part, to the machine solids in `solids` and to the borders. The frame stays
// open for the mesh references and the lights.
void WriteSceneFrame(std::ostream& out, float angleX, float angleY, float angleZ,
                     const SceneSolids& solids);

// The reference to a mesh by its kind (1 to 5; std::invalid_argument otherwise).
void WriteReference(std::ostream& out, const XMASH& mesh);

// The four light frames, which close the frame "aprox", and the viewer's light records.
void WriteLights(std::ostream& out);

} // namespace turnsim
