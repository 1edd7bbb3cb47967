// Reading and writing colors.cfg, and copying the factory colours of colors.~fg over it.
#include "turnsim/app/colors_config.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "turnsim/export/atomic_file.h"
#include "turnsim/export/export_error.h"
#include "turnsim/input/file_error.h"

namespace turnsim {

namespace fs = std::filesystem;

std::array<std::int32_t*, 7> ViewColors::InFileOrder() {
  return {&SpindleColor, &KulachokColor, &ConeColor,      &PartColor,
          &CutColor,     &HolderColor,   &BackGroundColor};
}

std::array<std::int32_t, 7> ViewColors::ValuesInFileOrder() const {
  return {SpindleColor, KulachokColor, ConeColor,      PartColor,
          CutColor,     HolderColor,   BackGroundColor};
}

namespace {

// A whole word as a signed 32-bit decimal integer, with an optional sign.
bool ParseInt32(const std::string& word, std::int32_t& value) {
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') {
      return false; // "+-5"
    }
  }
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

fs::path InFolder(const fs::path& folder, const char* name) {
  return folder.empty() ? fs::path(name) : folder / name;
}

} // namespace

int ReadColors(std::istream& in, ViewColors& colors) {
  int assigned = 0;
  std::string word;
  for (std::int32_t* color : colors.InFileOrder()) {
    std::int32_t value = 0;
    if (!(in >> word) || !ParseInt32(word, value)) {
      break;
    }
    *color = value;
    ++assigned;
  }
  return assigned;
}

void WriteColors(std::ostream& out, const ViewColors& colors) {
  for (const std::int32_t color : colors.ValuesInFileOrder()) {
    out << color << '\n';
  }
}

bool LoadColors(const fs::path& folder, ViewColors& colors, Messages& messages) {
  const fs::path path = InFolder(folder, kColorsFile);
  std::error_code ignored;
  std::ifstream in(path);
  if (!in.is_open() || fs::is_directory(path, ignored)) {
    messages.Show("Can't open configuration file!");
    return false;
  }
  ReadColors(in, colors);
  return true;
}

bool SaveColors(const fs::path& folder, const ViewColors& colors, Messages& messages) {
  try {
    WriteFileAtomically(InFolder(folder, kColorsFile),
                        [&colors](std::ostream& out) { WriteColors(out, colors); });
  } catch (const ExportError&) {
    messages.Show("Can't update configuration file!");
    return false;
  }
  return true;
}

void CopyDefaultColors(const fs::path& folder) {
  const fs::path source = InFolder(folder, kDefaultColorsFile);
  const fs::path target = InFolder(folder, kColorsFile);
  errno = 0;
  std::ifstream in(source);
  const int openError = errno;
  std::error_code ignored;
  if (fs::is_directory(source, ignored)) {
    throw FileError("Cannot open file \"" + source.string() + "\". Is a directory.");
  }
  if (!in.is_open()) {
    throw FileError("Cannot open file \"" + source.string() + "\". " +
                    std::strerror(openError != 0 ? openError : ENOENT) + ".");
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  if (in.bad()) {
    throw FileError("Cannot read file \"" + source.string() + "\".");
  }
  try {
    WriteFileAtomically(target, [&lines](std::ostream& out) {
      for (const std::string& line : lines) {
        out << line << '\n';
      }
    });
  } catch (const ExportError& error) {
    throw FileError("Cannot create file \"" + target.string() + "\". " + error.what());
  }
}

} // namespace turnsim
