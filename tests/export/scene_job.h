// A small machining situation for the scene export tests: a short stepped profile with one
// rounded corner, tool 2 of the sample libraries (a triangular insert with 7 degrees clearance
// on a right-hand holder) at the end of a motion, and the second machine of the sample list.
#pragma once

#include <filesystem>
#include <string>

#include "turnsim/export/scene_export.h"
#include "turnsim/geometry/machine.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/tooling/tool_library.h"
#include "tests/support/elements.h"

namespace turnsim::testing {

struct SceneJob {
  Contour profile;
  TOOL_CLASS tool;
  CldataCommand command;
  Machine machine;
  ProfileReference reference;
  std::int32_t radialApprox = 12;
  float angleX = 20.0f, angleY = 0.0f, angleZ = -35.0f;

  // `clamped`: the first element is the spindle element, so the part sits in the chuck; else
  // the part is held between centres.
  explicit SceneJob(bool clamped = false) {
    Otr corner;
    corner.type = kArc;
    corner.start = {15.0f, -20.0f};
    corner.end = {10.0f, -15.0f};
    corner.centre = {10.0f, -20.0f};
    corner.radius = 5.0f;
    profile = {Line(0, -40, 15, -40, clamped ? 1 : 0), Line(15, -40, 15, -20), corner,
               Line(10, -15, 10, 0), Line(10, 0, 0, 0)};
    tool.LoadTool(2, SAMPLES_DIR);
    command.code = kCommandLine;
    command.start = {12.0f, 2.0f};
    command.end = {10.4f, -12.0f};
    machine = ReadMachineTools(std::filesystem::path(SAMPLES_DIR) / "mach.lib").at(1);
    const ZExtentsResult z = ZExtents(profile);
    const XZPoint spindle = SpindlePoint(profile);
    reference = {spindle.X, spindle.Z, z.minStartZ, z.firstStartZ, z.lastEndZ};
  }

  SceneInputs Inputs(bool machineToolChosen) const {
    return SceneInputs{.cutProfile = profile,
                       .tool = tool,
                       .currentCommand = command,
                       .machine = &machine,
                       .machineToolChosen = machineToolChosen,
                       .reference = reference,
                       .lineApprox = 3,
                       .radialApprox = radialApprox,
                       .angleX = angleX,
                       .angleY = angleY,
                       .angleZ = angleZ};
  }
};

} // namespace turnsim::testing
