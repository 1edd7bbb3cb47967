// The machining program: raw CLDATA records read from "Clfile.txt" or "clfile", their
// conversion into simulation commands, and the splitting of motions into animation steps.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>
#include <vector>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// One raw record as stored: 32 bytes, little-endian, no padding.
struct CldataRecord {
  std::int32_t word1 = 0;     // not used
  std::int32_t type = 0;      // 6, 13, 23, 27, 28 or 32
  std::int32_t parameter = 0; // speed mode of type 23, direction of type 32
  std::int32_t word4 = 0;     // not used
  float value1 = 0.0f;        // X, tool number or speed value
  float value2 = 0.0f;        // Z
  float value3 = 0.0f;        // not used
  float value4 = 0.0f;        // not used
};

inline constexpr std::size_t kCldataRecordBytes = 32;

// Raw record types.
inline constexpr std::int32_t kRecordRapid = 6;
inline constexpr std::int32_t kRecordToolChange = 13;
inline constexpr std::int32_t kRecordCuttingSpeed = 23;
inline constexpr std::int32_t kRecordIncremental = 27;
inline constexpr std::int32_t kRecordLinear = 28;
inline constexpr std::int32_t kRecordCircle = 32;

// Command codes of CldataCommand.
inline constexpr std::int32_t kCommandRapid = 6;
inline constexpr std::int32_t kCommandToolChange = 13;
inline constexpr std::int32_t kCommandCuttingSpeed = 23;
inline constexpr std::int32_t kCommandArc = 26;
inline constexpr std::int32_t kCommandLine = 28;

// One simulation command. Tool change: start.X = tool number. Cutting speed: start.X = speed
// mode (1 mm/r, 2 m/min), start.Z = speed value. Motions: start, end and, for arcs, centre and
// the signed radius (positive: clockwise). Unused fields are zero.
struct CldataCommand {
  std::int32_t code = 0;
  XZPoint start;
  XZPoint end;
  XZPoint centre;
  float radius = 0.0f;
};

// Where the program comes from (`CldataSource`).
inline constexpr int kCldataText = 1;   // "Clfile.txt"
inline constexpr int kCldataBinary = 2; // "clfile"

inline constexpr const char* kCldataTextName = "Clfile.txt";
inline constexpr const char* kCldataBinaryName = "clfile";

// Holds the raw records of the program last read, in file order.
class CldataLoader {
public:
  // `folder` holds "Clfile.txt" and "clfile"; empty means the current working directory.
  explicit CldataLoader(std::filesystem::path folder = {});

  const std::filesystem::path& Folder() const { return folder_; }
  const std::vector<CldataRecord>& Records() const { return records_; }
  void Clear() { records_.clear(); }

  // Appends the records of a text program: whitespace-separated numbers, eight per record (four
  // integers, then four decimal numbers). Reading stops at the end or at a word that is not a
  // number where a record would begin; a record cut short by either throws
  // FatalExit("MakeNo32: Invalide clfile", 0).
  void ReadText(std::istream& in);
  // Appends the 32-byte records of a binary program; a trailing part of a record is ignored.
  // Throws FatalExit("NO CLDATA FILE", 0) when the stream fails while reading.
  void ReadBinary(std::istream& in);
  // Writes every record as 32 little-endian bytes, in order.
  void WriteBinary(std::ostream& out) const;

private:
  std::filesystem::path folder_;
  std::vector<CldataRecord> records_;
};

// Reads the program from source 1 ("Clfile.txt"; with `writeBinary` the records are also
// written to "clfile") or 2 ("clfile") in the loader's folder and converts it into commands.
// Throws FatalExit with code 0: "Can't find text version of CLFILE!" when the text is missing,
// "NO CLDATA FILE" when the binary file is missing or cannot be written, "MakeNo32: Invalide
// clfile" when a record does not convert.
std::vector<CldataCommand> LoadCLDATA_MACRO(CldataLoader& loader, int source, bool writeBinary);

// Converts raw records into commands, tracking the tool position from (0, 0). A type-32 record
// opens a circle group of four records (centre and direction, start, end, one skipped).
std::vector<CldataCommand> ConvertCldata(const std::vector<CldataRecord>& records);

// Converts one record other than a circle group; moves `position` for motions.
CldataCommand MakeNo32(const CldataRecord& record, XZPoint& position);

// Motions at most this many steps long are split into equal pieces; a longer one is split into
// this many pieces, each longer than a step.
inline constexpr int kMaxStepsPerMotion = 10000;

// Splits every motion of length L >= 2 * animationStep into floor(L / animationStep) equal
// pieces. A negative step leaves the list unchanged; a step of 0 keeps every motion whole.
std::vector<CldataCommand> SplitIntoSteps(const std::vector<CldataCommand>& commands,
                                          float animationStep);

} // namespace turnsim
