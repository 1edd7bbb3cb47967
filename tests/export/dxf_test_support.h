// Shared by the DXF tests: the sample profile with lines and arcs of both directions, the
// shipped templates, and a small reader of the entities and extents of a DXF text.
#pragma once

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/export/golden.h"
#include "turnsim/geometry/contour.h"
#include "tests/support/elements.h"

namespace turnsim::testing {

// A turned part from Z 0 down to Z -60, ending on the axis: a clockwise fillet (polar angle 270
// to 180 about its centre), a counter-clockwise step (0 to 90) and a counter-clockwise corner
// (90 to 180). Its least Z is -60 and its least X, 0, is only reached by the last end point.
inline Contour SampleProfile() {
  Contour profile;
  profile.push_back(Line(20, 0, 20, -10));
  profile.push_back(Arc({20, -10}, {25, -15}, {25, -10}, 5));
  profile.push_back(Line(25, -15, 25, -30));
  profile.push_back(Arc({25, -30}, {30, -35}, {25, -35}, -5));
  profile.push_back(Line(30, -35, 30, -50));
  profile.push_back(Arc({30, -50}, {20, -60}, {20, -50}, -10));
  profile.push_back(Line(20, -60, 0, -60));
  profile[2].cutZone = 1;
  profile[6].spindle = 1;
  return profile;
}

inline std::string SampleTemplate(const char* name) {
  return ReadWholeFile(std::filesystem::path(SAMPLES_DIR) / name);
}

struct DxfEntity {
  std::string type;
  std::multimap<int, std::string> groups;
  std::string Value(int code) const {
    const auto it = groups.find(code);
    return it == groups.end() ? std::string("(missing)") : it->second;
  }
};

// The entities between "ENTITIES" and the "ENDSEC" that closes them.
inline std::vector<DxfEntity> DxfEntities(const std::string& dxf) {
  const auto lines = SplitLines(dxf);
  const auto start = std::find(lines.begin(), lines.end(), "ENTITIES");
  if (start == lines.end()) {
    throw std::runtime_error("no ENTITIES section");
  }
  std::vector<DxfEntity> entities;
  for (auto it = start + 1; it + 1 < lines.end(); it += 2) {
    const int code = std::stoi(*it);
    const std::string& value = *(it + 1);
    if (code == 0) {
      if (value == "ENDSEC") {
        return entities;
      }
      entities.push_back({value, {}});
    } else if (!entities.empty()) {
      entities.back().groups.emplace(code, value);
    }
  }
  throw std::runtime_error("the ENTITIES section is not closed");
}

// The four values written for $EXTMIN and $EXTMAX: x, y of the lower, then of the upper corner.
inline std::vector<std::string> DxfExtents(const std::string& dxf) {
  const auto lines = SplitLines(dxf);
  const auto at = std::find(lines.begin(), lines.end(), "$EXTMIN");
  if (at == lines.end() || lines.end() - at < 16) {
    throw std::runtime_error("no $EXTMIN");
  }
  return {*(at + 2), *(at + 4), *(at + 10), *(at + 12)};
}

} // namespace turnsim::testing
