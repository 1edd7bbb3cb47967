// The machine's solids of revolution for the 3D scene: the spindle body and the two cones of a
// part held between centres, written only once the user has confirmed a machine tool.
#pragma once

#include <filesystem>

#include "turnsim/geometry/machine.h"

namespace turnsim {

// Each writes its solid (40 steps about the axis) into `folder`, the working directory when
// empty: the spindle as "spin_x.x", the left cone as "f_con_x.x", the right cone as "b_con_x.x".
// Without a confirmed machine tool they do nothing. Returns true when the file was written now;
// a file that cannot be written shows "Can't open DirectX file." and returns false.
bool SpindleSolid(const Machine& machine, const ProfileReference& reference, bool machineToolChosen,
                  const std::filesystem::path& folder = {});
bool LeftConeSolid(const Machine& machine, const ProfileReference& reference,
                   bool machineToolChosen, const std::filesystem::path& folder = {});
bool RightConeSolid(const Machine& machine, const ProfileReference& reference,
                    bool machineToolChosen, const std::filesystem::path& folder = {});

} // namespace turnsim
