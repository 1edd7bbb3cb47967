// The spindle and cone outlines turned into solids by the revolved-solid writer.
#include "turnsim/export/machine_solids.h"

#include "turnsim/export/gx_file.h"
#include "turnsim/export/solid_file.h"

namespace turnsim {

namespace {

bool WriteMachineSolid(const RevolvedProfile& profile, const std::filesystem::path& folder) {
  GXfile solid(profile.angularSteps, profile.shape);
  solid.SetPoints(profile.x, profile.z, profile.lastIndex(), profile.marks);
  return WriteSolidFile(solid, 0, folder);
}

} // namespace

bool SpindleSolid(const Machine& machine, const ProfileReference& reference, bool machineToolChosen,
                  const std::filesystem::path& folder) {
  return machineToolChosen && WriteMachineSolid(SpindleSolidProfile(machine, reference), folder);
}

bool LeftConeSolid(const Machine& machine, const ProfileReference& reference,
                   bool machineToolChosen, const std::filesystem::path& folder) {
  return machineToolChosen && WriteMachineSolid(LeftConeSolidProfile(machine, reference), folder);
}

bool RightConeSolid(const Machine& machine, const ProfileReference& reference,
                    bool machineToolChosen, const std::filesystem::path& folder) {
  return machineToolChosen && WriteMachineSolid(RightConeSolidProfile(machine, reference), folder);
}

} // namespace turnsim
