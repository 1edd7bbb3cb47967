// The whole machining situation written as the 3D viewer's scene "aprox.x": the part after the
// last cut, the tool at the current command, the chuck jaws, the machine's borders and solids,
// the view rotation and the lights.
#pragma once

#include <cstdint>
#include <filesystem>

#include "turnsim/export/scene_writer.h"
#include "turnsim/geometry/contour.h"
#include "turnsim/geometry/machine.h"
#include "turnsim/input/cldata.h"
#include "turnsim/tooling/tool_library.h"

namespace turnsim {

// What the scene is made of, as the simulation holds it.
struct SceneInputs {
  const Contour& cutProfile;           // the part after the last cut
  const TOOL_CLASS& tool;              // the current tool; not changed
  const CldataCommand& currentCommand; // the tool stands at its end point
  const Machine* machine;              // the selected machine tool; null when there is none
  bool machineToolChosen;              // the user confirmed it: the machine solids are shown
  ProfileReference reference;          // the opened profile's reference values
  std::int32_t lineApprox;             // lines per radian of the part's arcs
  std::int32_t radialApprox;           // angular steps of the part's solid
  float angleX, angleY, angleZ;        // view rotation of the part, degrees
};

// Writes the part's solid "aprox1.x", the machine solids (with a confirmed machine tool: the
// spindle "spin_x.x" and, for a part without a spindle element, the cones "f_con_x.x" and
// "b_con_x.x") and then the scene "aprox.x", all into `folder` (the working directory when
// empty). The scene copies and references only the machine solids written by this call, never a
// file left by an earlier one; it is replaced as a whole or not at all. Returns which machine
// solids it holds.
// Throws FatalExit("Can't create mash file!", 0) when the scene cannot be written,
// FatalExit("Can't open temporary file!", 0) when the part's solid could not be written (its
// own message was shown), ExportError for an empty profile or a missing machine tool, and what
// the mesh builders throw.
SceneSolids ExportScene(const SceneInputs& inputs, const std::filesystem::path& folder = {});

} // namespace turnsim
