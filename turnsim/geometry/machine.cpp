// The machine outlines drawn around the part and the reader of the machine-tool list.
#include "turnsim/geometry/machine.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <numbers>
#include <optional>

#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

// A chain of lines P0->P1, P1->P2, ... with every other field 0.
Contour LinesThrough(std::initializer_list<XZPoint> points) {
  Contour contour;
  const XZPoint* previous = nullptr;
  for (const XZPoint& p : points) {
    if (previous != nullptr) {
      Otr line;
      line.type = kLine;
      line.start = *previous;
      line.end = p;
      contour.push_back(line);
    }
    previous = &p;
  }
  return contour;
}

// Distance from Z = 0 to the left end of the spindle body.
float SpindleOffset(const Machine& m, const ProfileReference& profile) {
  if (profile.HasSpindleElement()) {
    return std::fabs(profile.profileMinZ) + 0.5f;
  }
  return std::fabs(profile.profileStartZ) + m.value7 * 0.5f + ConeTipLength(m);
}

// The n start points of an outline and the end of its last line.
RevolvedProfile ProfileOf(const Contour& outline, std::int32_t shape) {
  RevolvedProfile solid;
  solid.shape = shape;
  for (const Otr& e : outline) {
    solid.x.push_back(e.start.X);
    solid.z.push_back(e.start.Z);
  }
  if (!outline.empty()) {
    solid.x.push_back(outline.back().end.X);
    solid.z.push_back(outline.back().end.Z);
  }
  solid.marks.assign(solid.x.size(), 0);
  return solid;
}

// A cone's two points on the axis stay a tenth of a millimetre off it in the solid.
RevolvedProfile ConeProfileOf(const Contour& outline, std::int32_t shape) {
  RevolvedProfile solid = ProfileOf(outline, shape);
  solid.x.front() = 0.1;
  solid.x.back() = 0.1;
  return solid;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) {
    s.remove_prefix(1);
  }
  while (!s.empty() && blank(s.back())) {
    s.remove_suffix(1);
  }
  return s;
}

// A decimal number written with "." or "," as its decimal point, whatever the locale.
std::optional<float> ParseDecimal(std::string_view text) {
  std::string s(Trim(text));
  if (s.size() > 1 && s[0] == '+' && s[1] != '-') {
    s.erase(0, 1);
  }
  if (const auto comma = s.find(','); comma != std::string::npos) {
    s[comma] = '.';
  }
  float value = 0.0f;
  const char* first = s.data();
  const char* last = s.data() + s.size();
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (s.empty() || ec != std::errc() || end != last || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

float MachineValue(std::string_view text, std::string_view source, int lineNumber) {
  if (const auto value = ParseDecimal(text)) {
    return *value;
  }
  throw ConversionError(std::string(source) + ", line " + std::to_string(lineNumber) + ": '" +
                        std::string(Trim(text)) + "' is not a valid floating point value");
}

} // namespace

bool ProfileReference::HasSpindleElement() const {
  return !(EqualH(spindlePointX, kNoSpindle) && EqualH(spindlePointZ, kNoSpindle));
}

Machine MachineProportions(Machine machine) {
  machine.value3 = machine.value1 * 1.1428572f;
  machine.value4 = machine.value3 * 0.25f;
  machine.value5 = machine.value3 * 0.8f;
  machine.value6 = machine.value1 * 0.5f * 0.875f;
  machine.value7 = machine.value6;
  machine.value8 = machine.value1 * 0.125f;
  return machine;
}

float ConeTipLength(const Machine& proportioned) {
  return static_cast<float>(proportioned.value4 * 0.5f / std::tan(25.0 * std::numbers::pi / 180.0));
}

Contour SpindleOutline(const Machine& machine, const ProfileReference& profile) {
  const Machine m = MachineProportions(machine);
  const float off = SpindleOffset(m, profile);
  const float inner = m.value4 / 2;
  const float outer = m.value3 / 2;
  return LinesThrough({{inner, -off},
                       {inner, -m.value5 - off},
                       {outer, -m.value5 - off},
                       {outer, -off},
                       {inner, -off}});
}

Contour SpindlePath(const Machine& machine, const ProfileReference& profile) {
  const Machine m = MachineProportions(machine);
  const float off = SpindleOffset(m, profile);
  const float inner = m.value4 / 2;
  const float outer = m.value3 / 2;
  const float left = -m.value5 - off;
  return LinesThrough({{inner, -off},
                       {inner, left},
                       {outer, left},
                       {outer, -off},
                       {0.0f, -off},
                       {inner, -off},
                       {inner, left},
                       {0.0f, left},
                       {outer, left},
                       {outer, -off},
                       {inner, -off}});
}

Contour LeftConeOutline(const Machine& machine, const ProfileReference& profile) {
  const Machine m = MachineProportions(machine);
  const float t = ConeTipLength(m);
  const float z0 =
      profile.HasSpindleElement() ? profile.profileMinZ : std::fabs(profile.profileStartZ);
  const float x = m.value4 / 2 - 1;
  return LinesThrough(
      {{0.0f, -z0 - t - m.value5}, {x, -z0 - t - m.value5}, {x, -z0 - t}, {0.0f, -z0}});
}

Contour RightConeOutline(const Machine& machine, const ProfileReference& profile) {
  const Machine m = MachineProportions(machine);
  const float t = ConeTipLength(m);
  const float end = profile.profileEndZ;
  const float x = m.value4 / 2 - 2;
  const float back = end + t + m.value5 * 0.25f;
  return LinesThrough({{0.0f, end}, {x, end + t}, {x, back}, {0.0f, back}});
}

Contour AxisLine(const Machine& machine, const ProfileReference& profile) {
  const Machine m = MachineProportions(machine);
  const float t = ConeTipLength(m);
  float left = std::fabs(profile.profileMinZ);
  float right = profile.profileEndZ;
  if (!profile.HasSpindleElement()) {
    left = std::fabs(profile.profileStartZ) + m.value7 * 0.5f + t;
    right = t + profile.profileEndZ + m.value5 * 0.25f;
  }
  return LinesThrough({{0.0f, -m.value5 - left - 5}, {0.0f, right + 5}});
}

RevolvedProfile SpindleSolidProfile(const Machine& machine, const ProfileReference& profile) {
  return ProfileOf(SpindleOutline(machine, profile), 1);
}

RevolvedProfile LeftConeSolidProfile(const Machine& machine, const ProfileReference& profile) {
  return ConeProfileOf(LeftConeOutline(machine, profile), 2);
}

RevolvedProfile RightConeSolidProfile(const Machine& machine, const ProfileReference& profile) {
  return ConeProfileOf(RightConeOutline(machine, profile), 3);
}

std::vector<Machine> ParseMachineTools(std::istream& in, std::string_view source) {
  std::vector<Machine> machines;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (lineNumber == 1) {
      continue; // the heading
    }
    // A line of blanks ends the list like an empty one.
    if (Trim(line).empty()) {
      break;
    }
    const std::string_view text(line);
    const std::size_t star1 = text.find('*');
    const std::size_t star2 = star1 == std::string_view::npos ? star1 : text.find('*', star1 + 1);
    Machine m;
    m.name = std::string(text.substr(0, star1));
    // A missing field converts like an empty text: it is not a number.
    const std::string_view first = star1 == std::string_view::npos
                                       ? std::string_view()
                                       : text.substr(star1 + 1, star2 - star1 - 1);
    const std::string_view second =
        star2 == std::string_view::npos ? std::string_view() : text.substr(star2 + 1);
    m.value1 = MachineValue(first, source, lineNumber);
    m.value2 = MachineValue(second, source, lineNumber);
    machines.push_back(std::move(m));
  }
  return machines;
}

std::vector<Machine> ReadMachineTools(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    CurrentMessages().Beep();
    throw FatalExit("Program can't find tools database!", 0);
  }
  return ParseMachineTools(in, file.filename().string());
}

} // namespace turnsim
