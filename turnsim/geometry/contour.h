// The records every shape of the simulator is made of: points, lines and arcs of the lathe's
// X-Z half-plane, contours of them, line equations and point pairs.
#pragma once

#include <cstdint>
#include <vector>

namespace turnsim {

// A point of the half-plane: X radial, Z along the spindle axis, millimetres.
struct XZPoint {
  float X = 0.0f;
  float Z = 0.0f;
  // "found" mark of intersection results and TouchPoint; carried along unread elsewhere.
  std::uint8_t flag = 0;
};

inline constexpr std::int32_t kLine = 1;
inline constexpr std::int32_t kArc = 2;

// One contour element, a line or an arc.
struct Otr {
  std::int32_t type = kLine;
  std::int32_t number = 0;
  std::int16_t attribute = 0;
  XZPoint start;
  XZPoint end;
  XZPoint centre;
  // Signed: > 0 runs with decreasing polar angle (clockwise), < 0 with increasing; 0 for a line.
  float radius = 0.0f;
  // 1 on the part of the workpiece the machine holds: never to be cut.
  std::uint8_t spindle = 0;
  std::uint8_t cutZone = 0;

  bool IsLine() const { return type == kLine; }
  bool IsArc() const { return type == kArc; }
};

// An ordered chain of elements that owns them: element i+1 starts where element i ends.
// Copying a contour copies every element; order is kept.
using Contour = std::vector<Otr>;

// The line X = k*Z + b. k == kPerpendicular marks a line of constant Z, held in b.
struct LineEq {
  float k = 0.0f;
  float b = 0.0f;
  float angle = 0.0f; // atan(k) in degrees; 90 for a line of constant Z
};

inline constexpr float kPerpendicular = 999.0f;

// Two points returned together: bounds corners, points along a line, intersections.
struct XZSegment {
  XZPoint first;
  XZPoint second;
};

// The three Z reference values of a profile.
struct ZExtentsResult {
  float minStartZ = 0.0f;   // least start Z over all elements
  float firstStartZ = 0.0f; // start Z of the first element
  float lastEndZ = 0.0f;    // end Z of the last element
};

// Marks a profile with no spindle element.
inline constexpr float kNoSpindle = 999.0f;

} // namespace turnsim
