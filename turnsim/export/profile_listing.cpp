// The lines of the profile listing.
#include "turnsim/export/profile_listing.h"

#include "turnsim/export/float_to_point.h"

namespace turnsim {

std::vector<std::string> ProfileListing(const ProfileWriter& writer) {
  std::vector<std::string> lines;
  const Contour& profile = writer.profile();
  lines.reserve(profile.size());
  for (std::size_t i = 0; i < profile.size(); ++i) {
    const Otr& e = profile[i];
    std::string line = std::to_string(i + 1);
    line += ", ";
    line += e.type == kLine ? "Line" : "Circle";
    line += ": <Zn " + FloatToPoint(e.start.Z) + ", Xn " + FloatToPoint(e.start.X);
    line += ">, <Zk " + FloatToPoint(e.end.Z) + ", Xk " + FloatToPoint(e.end.X);
    line += ">, <Zc " + FloatToPoint(e.centre.Z) + ", Xc " + FloatToPoint(e.centre.X);
    line += ">, Radius: " + FloatToPoint(e.radius);
    line += ", Spindle:";
    line += e.spindle != 0 ? "Yes" : "No ";
    line += ", Cut Zone: ";
    line += e.cutZone != 0 ? "Cutting" : "No cutting";
    lines.push_back(std::move(line));
  }
  return lines;
}

} // namespace turnsim
