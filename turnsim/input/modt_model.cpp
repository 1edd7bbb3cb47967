// MODT model reading: the temporary copy, the profile section and its element groups.
#include "turnsim/input/modt_model.h"

#include <array>
#include <cmath>
#include <fstream>
#include <span>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "turnsim/geometry/messages.h"
#include "turnsim/input/file_error.h"
#include "turnsim/input/number_reading.h"

namespace turnsim {

namespace {

struct NumberedLine {
  std::size_t number = 0; // 1-based line number in the model file
  std::string text;
};

// Reads one line ended by LF or CR LF; the line end is not part of the text.
bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) {
    return false;
  }
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return true;
}

// A word of the file as it appears in a message, cut short when it is long.
std::string Quoted(std::string_view word) {
  constexpr std::size_t kShown = 40;
  std::string text = "'";
  text += word.substr(0, kShown);
  if (word.size() > kShown) {
    text += "...";
  }
  return text + "'";
}

[[noreturn]] void Refuse(std::size_t line, const std::string& what) {
  throw ConversionError("Model line " + std::to_string(line) + ": " + what);
}

std::int32_t HeaderField(const NumberedLine& header, std::string_view field) {
  const std::string_view word = FirstWord(field);
  const auto value = ReadInteger(word);
  if (!value) {
    Refuse(header.number, Quoted(word) + " is not a valid integer value");
  }
  return *value;
}

float ValueLine(const NumberedLine& line) {
  // The first character ("*") is dropped; the rest is one number.
  const std::string_view word = TrimBlanks(std::string_view(line.text).substr(1));
  const auto value = ReadDecimal(word);
  if (!value) {
    Refuse(line.number, Quoted(word) + " is not a valid floating point value");
  }
  if (std::fabs(*value) > kMaxInputMagnitude) {
    Refuse(line.number, Quoted(word) + " is out of range");
  }
  return *value;
}

// One element from a header line and the "*" lines that follow it.
Otr ReadElement(const NumberedLine& header, std::span<const NumberedLine> values) {
  const std::string_view text = header.text;
  if (text.starts_with('*')) {
    Refuse(header.number, "value line without an element header");
  }
  // Fields 1 to 3 lie between consecutive ":"; field 4 is everything after the fourth.
  std::array<std::string_view, 4> fields;
  std::size_t colon = text.find(':');
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (colon == std::string_view::npos) {
      Refuse(header.number, "the element header has no field " + std::to_string(f + 1));
    }
    const std::size_t next = f + 1 < fields.size() ? text.find(':', colon + 1) : text.npos;
    fields[f] = text.substr(colon + 1, next == text.npos ? text.npos : next - colon - 1);
    colon = next;
  }
  const std::int32_t number = HeaderField(header, fields[0]);
  const std::int32_t kind = HeaderField(header, fields[1]);
  const std::int32_t attribute = HeaderField(header, fields[2]);
  const std::int32_t spindle = HeaderField(header, fields[3]);
  if (kind != 0 && kind != 1 && kind != -1) {
    Refuse(header.number, Quoted(FirstWord(fields[1])) + " is not a valid element kind");
  }

  const std::size_t needed = kind == 0 ? 4 : 7;
  std::array<float, 7> v{};
  for (std::size_t i = 0; i < needed; ++i) {
    if (i >= values.size()) {
      Refuse(header.number, std::string(kind == 0 ? "the line" : "the arc") + " element has " +
                                std::to_string(values.size()) + " value lines, it needs " +
                                std::to_string(needed));
    }
    v[i] = ValueLine(values[i]);
  }

  Otr element;
  element.type = kind == 0 ? kLine : kArc;
  element.number = number;
  // The attribute field is 16 bits wide; the simulator only carries it.
  element.attribute = static_cast<std::int16_t>(attribute);
  element.start = {v[1], v[0], 0};
  element.end = {v[3], v[2], 0};
  if (kind != 0) {
    element.centre = {v[5], v[4], 0};
    element.radius = kind == -1 ? -std::fabs(v[6]) : v[6];
  }
  element.spindle = spindle != 0 ? 1 : 0;
  return element;
}

} // namespace

ModtModel::ModtModel(std::filesystem::path workFolder) : workFolder_(std::move(workFolder)) {}

ModtModel::~ModtModel() {
  if (copyMade_) {
    RemoveCopyQuietly();
  }
}

void ModtModel::RemoveCopyQuietly() {
  std::error_code ignored;
  std::filesystem::remove(TemporaryPath(), ignored);
  copyMade_ = false;
}

void ModtModel::SetFile(const std::string& path) {
  fileName_ = path;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    throw FileError("Cannot open file \"" + path + "\"");
  }
  const std::filesystem::path copy = TemporaryPath();
  std::ofstream out(copy, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) {
    throw FileError("Cannot create file \"" + copy.string() + "\"");
  }
  copyMade_ = true;
  std::string line;
  while (ReadLine(in, line)) {
    out << line << "\r\n";
  }
  if (in.bad()) {
    out.close();
    RemoveCopyQuietly();
    throw FileError("Cannot read file \"" + path + "\"");
  }
  out.close();
  if (out.fail()) {
    RemoveCopyQuietly();
    throw FileError("Cannot write file \"" + copy.string() + "\"");
  }
}

Contour ModtModel::ReadProfile() {
  std::string text;
  {
    std::ifstream in(TemporaryPath(), std::ios::binary);
    if (!in.is_open()) {
      throw FatalExit("Can't open temporary file", 1);
    }
    std::ostringstream buffer;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
      buffer.write(chunk, in.gcount());
    }
    if (in.bad()) {
      throw FatalExit("Can't open temporary file", 1);
    }
    text = std::move(buffer).str();
  }

  Contour profile;
  try {
    std::istringstream lines(std::move(text));
    profile = ParseProfile(lines);
  } catch (...) {
    RemoveCopyQuietly();
    throw;
  }

  std::error_code error;
  std::filesystem::remove(TemporaryPath(), error);
  if (error) {
    ShowMessage("WARNING! Can't delete temporary file.");
  } else {
    copyMade_ = false;
  }
  return profile;
}

Contour ModtModel::ParseProfile(std::istream& in) {
  // The lines between the "220" line and the "600" line (or the end), with their numbers.
  std::vector<NumberedLine> section;
  std::string line;
  std::size_t number = 0;
  bool inSection = false;
  while (ReadLine(in, line)) {
    ++number;
    if (!inSection) {
      inSection = line.starts_with("220");
      continue;
    }
    if (line.starts_with("600")) {
      break;
    }
    section.push_back({number, std::move(line)});
    line.clear();
  }

  Contour profile;
  for (std::size_t i = 0; i < section.size();) {
    std::size_t next = i + 1;
    while (next < section.size() && section[next].text.starts_with('*')) {
      ++next;
    }
    profile.push_back(ReadElement(
        section[i], std::span<const NumberedLine>(section).subspan(i + 1, next - i - 1)));
    i = next;
  }
  return profile;
}

} // namespace turnsim
