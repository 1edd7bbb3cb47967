// The machine tool around the workpiece: its record, the proportions derived from it, the
// spindle, cone and axis outlines, and the machine-tool list read from mach.lib.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// One machine tool. The list gives the name, value1 and value2; value3 ... value8 are derived
// from value1 by MachineProportions.
struct Machine {
  std::string name;
  float value1 = 0.0f;
  float value2 = 0.0f;
  float value3 = 0.0f;
  float value4 = 0.0f;
  float value5 = 0.0f;
  float value6 = 0.0f;
  float value7 = 0.0f;
  float value8 = 0.0f;
};

// The reference values of the opened profile that place the machine around it.
struct ProfileReference {
  // End point of the profile's first spindle element; kNoSpindle in both when it has none.
  float spindlePointX = kNoSpindle;
  float spindlePointZ = kNoSpindle;
  float profileMinZ = 0.0f;   // least start Z of the profile's elements
  float profileStartZ = 0.0f; // start Z of its first element
  float profileEndZ = 0.0f;   // end Z of its last element

  // False when both spindle coordinates count as 999 (a part held between centres).
  bool HasSpindleElement() const;
};

// The machine with value3 ... value8 filled from value1.
Machine MachineProportions(Machine machine);

// The axial length of the cone tip: (value4 / 2) / tan 25 degrees, of a proportioned machine.
float ConeTipLength(const Machine& proportioned);

// The outlines of the 2D view; every one is a chain of lines. They derive the proportions
// themselves from value1 of the record passed.
Contour SpindleOutline(const Machine& machine, const ProfileReference& profile);
Contour SpindlePath(const Machine& machine, const ProfileReference& profile);
Contour LeftConeOutline(const Machine& machine, const ProfileReference& profile);
Contour RightConeOutline(const Machine& machine, const ProfileReference& profile);
Contour AxisLine(const Machine& machine, const ProfileReference& profile);

// The half-profile of a machine solid of revolution, as the revolved-solid writer takes it.
struct RevolvedProfile {
  std::int32_t shape = 0;          // 1 spindle, 2 front (left) cone, 3 back (right) cone
  std::int32_t angularSteps = 40;  // steps around the axis
  std::vector<double> x;           // radial coordinates
  std::vector<double> z;           // axial coordinates
  std::vector<std::uint8_t> marks; // all zero
  std::int32_t lastIndex() const { return static_cast<std::int32_t>(x.size()) - 1; }
};

// The point lists of the spindle and cone solids: the points of SpindleOutline, and those of
// the cone outlines with X = 0.1 in place of 0. Whether they are written at all (only once the
// user has confirmed a machine tool) is the caller's decision.
RevolvedProfile SpindleSolidProfile(const Machine& machine, const ProfileReference& profile);
RevolvedProfile LeftConeSolidProfile(const Machine& machine, const ProfileReference& profile);
RevolvedProfile RightConeSolidProfile(const Machine& machine, const ProfileReference& profile);

// The machine-tool list in mach.lib form: a first line that is skipped, then one
// "name*value1*value2" line per machine up to the first empty line or the end. Throws
// ConversionError, naming the line, for a value that is not a decimal number.
std::vector<Machine> ParseMachineTools(std::istream& in, std::string_view source = "mach.lib");

// Reads the list from a file. Throws FatalExit ("Program can't find tools database!", code 0)
// after a beep when the file cannot be opened.
std::vector<Machine> ReadMachineTools(const std::filesystem::path& file = "mach.lib");

} // namespace turnsim
