// The tool libraries inst.lib, dev.lib and cut.lib: the records read from them, the readers, and
// the tool object that assembles one tool from the three at every tool change.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "turnsim/geometry/contour.h"
#include "turnsim/input/cldata.h"

namespace turnsim {

// One tool assembly of inst.lib.
struct INST {
  std::string title;      // header line from column 5 on
  std::string holderName; // key of the holder in dev.lib
  std::string insertName; // key of the insert in cut.lib
  float mainAngle = 0.0f; // main angle FI, degrees
  float instParam2 = 0.0f;
  float instParam3 = 0.0f;
  float instParam4 = 0.0f;
  float instParam5 = 0.0f;
  float instParam6 = 0.0f;
  std::string code; // column 5 of the ninth record line; empty when that line is shorter
};

// The two texts of one dev.lib outline line.
struct StrinG {
  std::string first;
  std::string second;
};

// Most outline points a holder may have.
inline constexpr std::int32_t kMaxHolderPoints = 60;

// One holder of dev.lib.
struct DevINFO {
  std::string name; // holder title; its fifth character is the hand letter
  // The outline as texts, X then Z of each point: points[2k], points[2k + 1] for point k.
  // Always holds exactly 2 * pointCount texts (at most 2 * kMaxHolderPoints).
  std::vector<std::string> points;
  std::int32_t pointCount = 0;
  float holderParam0 = 0.0f;
  float holderParam1 = 0.0f;
  float holderParam2 = 0.0f;
  float holderParam3 = 0.0f; // thickness: depth of the 3D holder mesh
  float holderParam4 = 0.0f;
  float holderParam5 = 0.0f;
  float holderParam6 = 0.0f;
  float holderParam7 = 0.0f;
  float holderParam8 = 0.0f;
  float holderParam9 = 0.0f;
  float holderParam10 = 0.0f;
};

// One line of the insert-type table of cut.lib.
struct CutTYPE {
  std::string typeName;
  std::string typeCode;
  float typeValue1 = 0.0f;
  float typeValue2 = 0.0f;
  float typeValue3 = 0.0f;
};

// One insert of cut.lib.
struct CutGEOM {
  std::string name; // header line from column 6 on
  // First character of name ("T" triangular, "C"); empty when name is empty. Any other value
  // is a valid record that the shape builder refuses.
  std::string kind;
  std::string shapeText;
  float clearanceAngle = 0.0f;
  float sideLength = 0.0f;
  float thickness = 0.0f;
  float noseRadius = 0.0f;
  std::string cutText;
  CutTYPE type;
};

// The assembled tool.
struct ToolINFO {
  std::string title;
  std::string numberText; // "0" followed by the tool number: tool 5 gives "05"
  float mainAngle = 0.0f;
  float instParam2 = 0.0f;
  float instParam3 = 0.0f;
  float instParam4 = 0.0f;
  float instParam5 = 0.0f;
  float instParam6 = 0.0f;
  std::string code;
  // Fifth character of the holder title: "N", "R" or "L" in a sound library, but any single
  // character (or empty, for a title shorter than five) is carried as read; the shape builder
  // decides what it accepts.
  std::string hand;
  CutGEOM cut;
  DevINFO holder;
};

// The titles a tool load hands to the status bar ("Holder: " and "Cut: " panels).
struct LoadedToolTitles {
  std::string holder; // DevINFO name
  std::string cut;    // CutGEOM name
};

// The one tool object of the simulation.
class TOOL_CLASS {
public:
  Contour contour; // the insert contour of the current tool; empty until built
  // The motion command for which the tool is being placed; written by its users before use.
  CldataCommand command;
  bool shapeBuilt = false; // contour built for the current tool
  std::int32_t number = 1; // current tool number
  ToolINFO info;

  // Stores n as the current number, reads inst.lib, dev.lib and cut.lib from `folder` (the
  // working directory when empty), replaces info and clears shapeBuilt. Returns the holder and
  // insert titles for the status bar. Throws FatalExit for a library that is missing or lacks
  // the tool, and ConversionError for a field that is not a number; info is then unchanged.
  LoadedToolTitles LoadTool(std::int32_t n, const std::filesystem::path& folder = {});
};

// The three-character key of tool n in inst.lib ("050" for tool 5, "120" for tool 12).
// Throws FatalExit("Incorrect instrument number in Inst.lib", 1) for n outside 0..99.
std::string InstKey(std::int32_t n);

// Applies the decimal-separator rule for a system whose decimal separator is `separator`:
// with "," the first "." becomes ","; otherwise the first "," becomes `separator`.
std::string FixDecimal(std::string_view text, char separator = '.');

// Converts a library number (after FixDecimal with the same separator): optional blanks, an
// optional sign, digits with at most one `separator`, an optional exponent, optional blanks.
// Anything else throws ConversionError.
float LibraryNumber(std::string_view text, char separator = '.');

// Splits an outline line at the first "," of its text from column 8 on. Without a comma the
// whole text is first and second is empty.
StrinG SplitPair(std::string_view line);

// Parses one line of the insert-type table (fields from column 4 on, separated by "*").
// Throws ConversionError when a value field is missing or not a number.
CutTYPE ParseCutType(std::string_view line);

// Reads the record of tool n from inst.lib in `folder` (working directory when empty).
INST ReadInstRecord(std::int32_t n, const std::filesystem::path& folder = {});
// Reads the record of tool n from the text of an inst.lib.
INST ReadInstRecord(std::int32_t n, std::istream& lib);

// Reads holder h from dev.lib in `folder` (working directory when empty).
DevINFO ReadHolder(std::string_view h, const std::filesystem::path& folder = {});
DevINFO ReadHolder(std::string_view h, std::istream& lib);

// Reads insert c from cut.lib in `folder` (working directory when empty).
CutGEOM ReadInsert(std::string_view c, const std::filesystem::path& folder = {});
CutGEOM ReadInsert(std::string_view c, std::istream& lib);

} // namespace turnsim
