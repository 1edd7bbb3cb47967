// The scene export in the order the viewer's file needs: solids and meshes first, then the
// scene that copies the solids and references every mesh.
#include "turnsim/export/scene_export.h"

#include <array>

#include "turnsim/export/atomic_file.h"
#include "turnsim/export/export_error.h"
#include "turnsim/export/gx_file.h"
#include "turnsim/export/machine_solids.h"
#include "turnsim/export/solid_file.h"
#include "turnsim/export/tool_meshes.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/tooling/jaws.h"

namespace turnsim {

SceneSolids ExportScene(const SceneInputs& inputs, const std::filesystem::path& folder) {
  if (inputs.machine == nullptr) {
    throw ExportError("There is no machine tool in the tools database; the 3D scene needs one.");
  }
  const Machine& machine = *inputs.machine;
  const ProfileReference& reference = inputs.reference;

  GXfile part(inputs.radialApprox, kShapePart);
  const bool partWritten =
      WritePartSolidFile(part, inputs.cutProfile, inputs.lineApprox, 1, folder);
  const XMASH holder = HolderMesh(inputs.tool, inputs.currentCommand);
  const XMASH insert = InsertMesh(inputs.tool, inputs.currentCommand);
  const Kulachki jaws(machine, reference);
  SceneSolids solids;
  solids.spindle = SpindleSolid(machine, reference, inputs.machineToolChosen, folder);

  // The meshes in the order of the file; an insert or holder without an outline is left out.
  std::array<const XMASH*, 5> meshes = {&holder, &insert, &jaws.jaws[0], &jaws.jaws[2],
                                        &jaws.jaws[1]};
  auto shown = [](const XMASH* mesh) { return !mesh->vertices.empty(); };

  try {
    WriteFileAtomically(folder / kSceneFile, [&](std::ostream& out) {
      OpenScene(out);
      for (const XMASH* mesh : meshes) {
        if (shown(mesh)) {
          WriteMesh(out, *mesh);
        }
      }
      WriteBorders(out, machine, reference);
      // A part solid that could not be written now is missing, whatever an earlier export
      // left under its name.
      if (!partWritten) {
        throw FatalExit("Can't open temporary file!", 0);
      }
      CopySolid(folder / GXfile::FileName(kShapePart, 1), out);
      if (solids.spindle) {
        CopySolid(folder / kSpindleSolidFile, out);
      }
      if (!reference.HasSpindleElement()) {
        solids.frontCone = LeftConeSolid(machine, reference, inputs.machineToolChosen, folder);
        solids.backCone = RightConeSolid(machine, reference, inputs.machineToolChosen, folder);
        if (solids.backCone) {
          CopySolid(folder / kBackConeSolidFile, out);
        }
        if (solids.frontCone) {
          CopySolid(folder / kFrontConeSolidFile, out);
        }
      }
      WriteSceneFrame(out, inputs.angleX, inputs.angleY, inputs.angleZ, solids);
      for (const XMASH* mesh : meshes) {
        if (shown(mesh)) {
          WriteReference(out, *mesh);
        }
      }
      WriteLights(out);
    });
  } catch (const ExportError&) {
    throw FatalExit("Can't create mash file!", 0);
  }
  return solids;
}

} // namespace turnsim
