// The text listing of a profile: one line per element with its end points, centre, radius and
// marks, shown in the profile list window and saved from there.
#pragma once

#include <string>
#include <vector>

#include "turnsim/export/profile_writer.h"

namespace turnsim {

// One line per element of the writer's profile, in order; empty for an empty profile. Numbers
// have six decimals by the rule of FloatToPoint.
std::vector<std::string> ProfileListing(const ProfileWriter& writer);

} // namespace turnsim
