// Reference-file checks for the exact texts of the exports: compare with a stored file under
// golden/; on a mismatch write the actual text beside it as <name>.actual and print where they
// differ. UPDATE_GOLDEN=1 stores the actual text as the new reference (review it by hand).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace turnsim::testing {

inline std::filesystem::path GoldenFolder() {
  return std::filesystem::path(TEST_FIXTURES).parent_path() / "golden";
}

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// The first differing lines with a little context, numbered from 1.
inline std::string DescribeDifference(const std::string& expected, const std::string& actual) {
  const auto want = SplitLines(expected);
  const auto got = SplitLines(actual);
  std::size_t first = 0;
  while (first < want.size() && first < got.size() && want[first] == got[first]) {
    ++first;
  }
  std::ostringstream out;
  out << "first difference at line " << first + 1 << " (golden " << want.size() << " lines, actual "
      << got.size() << " lines";
  if (expected.size() != actual.size()) {
    out << "; " << expected.size() << " vs " << actual.size() << " bytes";
  }
  out << ")\n";
  const std::size_t from = first >= 2 ? first - 2 : 0;
  const std::size_t to = first + 4;
  for (std::size_t i = from; i < to && i < std::max(want.size(), got.size()); ++i) {
    const std::string w = i < want.size() ? "\"" + want[i] + "\"" : "(none)";
    const std::string g = i < got.size() ? "\"" + got[i] + "\"" : "(none)";
    out << (w == g ? "  " : "! ") << i + 1 << ": golden " << w << "  actual " << g << "\n";
  }
  if (first == want.size() && first == got.size()) {
    out << "  the lines agree; the texts differ in their line ends\n";
  }
  return out.str();
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

inline void ExpectMatchesGolden(const std::string& actual, const std::string& name) {
  const auto golden = GoldenFolder() / name;
  const auto actualPath = GoldenFolder() / (name + ".actual");
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    WriteWholeFile(golden, actual);
    std::filesystem::remove(actualPath);
    std::cout << "[ golden   ] stored " << golden << " (review it before committing)\n";
    return;
  }
  if (!std::filesystem::exists(golden)) {
    WriteWholeFile(actualPath, actual);
    ADD_FAILURE() << "no golden file " << golden << "; the actual text is in " << actualPath
                  << "; run with UPDATE_GOLDEN=1 to accept it";
    return;
  }
  const std::string expected = ReadWholeFile(golden);
  if (expected == actual) {
    std::filesystem::remove(actualPath);
    return;
  }
  WriteWholeFile(actualPath, actual);
  ADD_FAILURE() << "output differs from " << golden << "\n"
                << DescribeDifference(expected, actual) << "actual output written to "
                << actualPath;
}

} // namespace turnsim::testing
