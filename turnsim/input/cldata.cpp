// CLDATA programs: text and binary records, their conversion into commands and step splitting.
#include "turnsim/input/cldata.h"

#include <array>
#include <bit>
#include <cmath>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/input/number_reading.h"

namespace turnsim {

namespace {

constexpr const char* kNoTextFile = "Can't find text version of CLFILE!";
constexpr const char* kNoBinaryFile = "NO CLDATA FILE";
constexpr const char* kInvalidFile = "MakeNo32: Invalide clfile";

[[noreturn]] void RefuseFile() {
  throw FatalExit(kInvalidFile, 0);
}

// A value that a command takes: a finite number within the range the kernel can compare.
float Usable(float value) {
  if (!(std::fabs(value) <= kMaxInputMagnitude)) {
    RefuseFile();
  }
  return value;
}

XZPoint UsablePoint(float x, float z) {
  return {Usable(x), Usable(z), 0};
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Splits a text into whitespace-separated words, one at a time.
class Words {
public:
  explicit Words(std::string_view text) : text_(text) {}
  std::optional<std::string_view> Next() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) {
      ++pos_;
    }
    if (pos_ == text_.size()) {
      return std::nullopt;
    }
    const std::size_t begin = pos_;
    while (pos_ < text_.size() && !IsSpace(text_[pos_])) {
      ++pos_;
    }
    return text_.substr(begin, pos_ - begin);
  }

private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::uint32_t LoadLittle32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void StoreLittle32(std::uint32_t value, unsigned char* bytes) {
  for (int i = 0; i < 4; ++i) {
    bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  }
}

CldataRecord DecodeRecord(const std::array<unsigned char, kCldataRecordBytes>& bytes) {
  const auto word = [&](int i) { return LoadLittle32(bytes.data() + 4 * i); };
  CldataRecord record;
  record.word1 = static_cast<std::int32_t>(word(0));
  record.type = static_cast<std::int32_t>(word(1));
  record.parameter = static_cast<std::int32_t>(word(2));
  record.word4 = static_cast<std::int32_t>(word(3));
  record.value1 = std::bit_cast<float>(word(4));
  record.value2 = std::bit_cast<float>(word(5));
  record.value3 = std::bit_cast<float>(word(6));
  record.value4 = std::bit_cast<float>(word(7));
  return record;
}

std::array<unsigned char, kCldataRecordBytes> EncodeRecord(const CldataRecord& record) {
  const std::array<std::uint32_t, 8> words = {
      static_cast<std::uint32_t>(record.word1),     static_cast<std::uint32_t>(record.type),
      static_cast<std::uint32_t>(record.parameter), static_cast<std::uint32_t>(record.word4),
      std::bit_cast<std::uint32_t>(record.value1),  std::bit_cast<std::uint32_t>(record.value2),
      std::bit_cast<std::uint32_t>(record.value3),  std::bit_cast<std::uint32_t>(record.value4)};
  std::array<unsigned char, kCldataRecordBytes> bytes{};
  for (std::size_t i = 0; i < words.size(); ++i) {
    StoreLittle32(words[i], bytes.data() + 4 * i);
  }
  return bytes;
}

// Writes the records to "clfile" through a temporary file renamed over it when complete, so a
// failed write leaves the previous file in place.
void WriteBinaryFile(const CldataLoader& loader) {
  const std::filesystem::path target = loader.Folder() / kCldataBinaryName;
  std::filesystem::path partial = target;
  partial += ".tmp";
  std::error_code ignored;
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (out.is_open()) {
      loader.WriteBinary(out);
      out.close();
    }
    if (!out) {
      std::filesystem::remove(partial, ignored);
      throw FatalExit(kNoBinaryFile, 0);
    }
  }
  std::error_code error;
  std::filesystem::rename(partial, target, error);
  if (error) {
    std::filesystem::remove(partial, ignored);
    throw FatalExit(kNoBinaryFile, 0);
  }
}

} // namespace

CldataLoader::CldataLoader(std::filesystem::path folder) : folder_(std::move(folder)) {}

void CldataLoader::ReadText(std::istream& in) {
  std::ostringstream buffer;
  char chunk[4096];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    buffer.write(chunk, in.gcount());
  }
  if (in.bad()) {
    throw FatalExit(kNoTextFile, 0);
  }
  const std::string text = std::move(buffer).str();
  Words words(text);
  for (;;) {
    CldataRecord record;
    std::int32_t* const integers[] = {&record.word1, &record.type, &record.parameter,
                                      &record.word4};
    float* const decimals[] = {&record.value1, &record.value2, &record.value3, &record.value4};
    for (int field = 0; field < 8; ++field) {
      const std::optional<std::string_view> word = words.Next();
      bool read = false;
      if (word) {
        if (field < 4) {
          const auto value = ReadInteger(*word);
          read = value.has_value();
          *integers[field] = value.value_or(0);
        } else {
          const auto value = ReadDecimal(*word);
          read = value.has_value();
          *decimals[field - 4] = value.value_or(0.0f);
        }
      }
      if (!read) {
        // The program ends at the end of the text or at a word that is not a number, but
        // only where a record would begin.
        if (field == 0) {
          return;
        }
        RefuseFile();
      }
    }
    records_.push_back(record);
  }
}

void CldataLoader::ReadBinary(std::istream& in) {
  std::array<unsigned char, kCldataRecordBytes> bytes{};
  while (in.read(reinterpret_cast<char*>(bytes.data()), bytes.size())) {
    records_.push_back(DecodeRecord(bytes));
  }
  if (in.bad()) {
    throw FatalExit(kNoBinaryFile, 0);
  }
  // A trailing part of a record (fewer than 32 bytes) holds no complete record: ignored.
}

void CldataLoader::WriteBinary(std::ostream& out) const {
  for (const CldataRecord& record : records_) {
    const auto bytes = EncodeRecord(record);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
}

std::vector<CldataCommand> LoadCLDATA_MACRO(CldataLoader& loader, int source, bool writeBinary) {
  loader.Clear();
  if (source == kCldataText) {
    std::ifstream in(loader.Folder() / kCldataTextName, std::ios::binary);
    if (!in.is_open()) {
      throw FatalExit(kNoTextFile, 0);
    }
    loader.ReadText(in);
    in.close();
    if (writeBinary) {
      WriteBinaryFile(loader);
    }
  } else if (source == kCldataBinary) {
    std::ifstream in(loader.Folder() / kCldataBinaryName, std::ios::binary);
    if (!in.is_open()) {
      throw FatalExit(kNoBinaryFile, 0);
    }
    loader.ReadBinary(in);
  } else {
    throw std::invalid_argument("CLDATA source must be 1 or 2, not " + std::to_string(source));
  }
  return ConvertCldata(loader.Records());
}

CldataCommand MakeNo32(const CldataRecord& record, XZPoint& position) {
  CldataCommand command;
  switch (record.type) {
  case kRecordLinear:
    command.code = kCommandLine;
    command.start = position;
    command.end = UsablePoint(record.value1, record.value2);
    position = command.end;
    break;
  case kRecordIncremental:
    command.code = kCommandLine;
    command.start = position;
    command.end = AddPoints(position, UsablePoint(record.value1, record.value2));
    command.end = UsablePoint(command.end.X, command.end.Z);
    position = command.end;
    break;
  case kRecordToolChange:
    command.code = kCommandToolChange;
    command.start.X = Usable(record.value1);
    break;
  case kRecordCuttingSpeed:
    command.code = kCommandCuttingSpeed;
    command.start.X = static_cast<float>(record.parameter);
    command.start.Z = Usable(record.value1);
    break;
  case kRecordRapid:
    command.code = kCommandRapid;
    break;
  default:
    RefuseFile();
  }
  return command;
}

std::vector<CldataCommand> ConvertCldata(const std::vector<CldataRecord>& records) {
  std::vector<CldataCommand> commands;
  commands.reserve(records.size());
  XZPoint position;
  for (std::size_t i = 0; i < records.size();) {
    const CldataRecord& record = records[i];
    if (record.type != kRecordCircle) {
      commands.push_back(MakeNo32(record, position));
      ++i;
      continue;
    }
    // Circle group: centre and direction, start, end, and a fourth record that is skipped.
    // A group cut short before its end point does not convert; the skipped record may be
    // missing at the end of the program.
    if (records.size() - i < 3) {
      RefuseFile();
    }
    CldataCommand arc;
    arc.code = kCommandArc;
    arc.centre = UsablePoint(record.value1, record.value2);
    arc.start = UsablePoint(records[i + 1].value1, records[i + 1].value2);
    arc.end = UsablePoint(records[i + 2].value1, records[i + 2].value2);
    const float radius = Distance(arc.start, arc.centre);
    arc.radius = record.parameter == 1 ? radius : -radius;
    position = arc.end;
    commands.push_back(arc);
    i += 4;
  }
  return commands;
}

std::vector<CldataCommand> SplitIntoSteps(const std::vector<CldataCommand>& commands,
                                          float animationStep) {
  // A negative step turns splitting off; a step of 0 would give pieces of no length, so every
  // motion stays one piece (and so does a step that is not a number).
  if (!(animationStep > 0)) {
    return commands;
  }
  const float step = animationStep;
  std::vector<CldataCommand> pieces;
  pieces.reserve(commands.size());
  for (const CldataCommand& command : commands) {
    const bool isArc = command.code == kCommandArc;
    if (!isArc && command.code != kCommandLine) {
      pieces.push_back(command);
      continue;
    }
    float length = 0.0f;
    float theta = 0.0f;
    if (isArc) {
      Otr arc;
      arc.type = kArc;
      arc.start = command.start;
      arc.end = command.end;
      arc.centre = command.centre;
      arc.radius = command.radius;
      theta = ChordAngle(arc);
      length =
          static_cast<float>(2.0 * std::numbers::pi * std::fabs(command.radius) * theta / 360.0);
    } else {
      length = Distance(command.start, command.end);
    }
    // Short motions stay whole (the negated test also keeps a length that is not a number).
    if (!(length >= 2.0f * step)) {
      pieces.push_back(command);
      continue;
    }
    const float ratio = length / step;
    const int n = ratio >= static_cast<float>(kMaxStepsPerMotion) ? kMaxStepsPerMotion
                                                                  : static_cast<int>(ratio);
    CldataCommand piece = command;
    if (isArc) {
      const float r = std::fabs(command.radius);
      const float s = command.radius > 0 ? 1.0f : -1.0f;
      const float a1 = Trigonom(command.centre, command.start);
      const float dt = theta / static_cast<float>(n);
      for (int k = 1; k <= n; ++k) {
        const float from = TrigonomArif(a1, -s * dt * static_cast<float>(k - 1), "+");
        const float to = TrigonomArif(a1, -s * dt * static_cast<float>(k), "+");
        piece.start = AddPoints(command.centre, TrigRectAng(r, from));
        piece.end = AddPoints(command.centre, TrigRectAng(r, to));
        pieces.push_back(piece);
      }
    } else {
      const float a = Trigonom(command.start, command.end);
      const float d = length / static_cast<float>(n);
      piece.centre = {};
      piece.radius = 0.0f;
      for (int k = 1; k <= n; ++k) {
        piece.start = AddPoints(command.start, TrigRectAng(d * static_cast<float>(k - 1), a));
        piece.end = AddPoints(command.start, TrigRectAng(d * static_cast<float>(k), a));
        pieces.push_back(piece);
      }
    }
  }
  return pieces;
}

} // namespace turnsim
