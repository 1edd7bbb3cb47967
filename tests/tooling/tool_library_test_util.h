// Helpers of the tool-library tests: in-memory libraries, scratch folders and fatal-exit checks.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <unistd.h>

#include "turnsim/geometry/messages.h"

namespace turnsim::testing {

// The text of a library as it is stored: every line ended by CR LF.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

inline std::filesystem::path ToolFixtures() {
  return std::filesystem::path(TEST_FIXTURES) / "tool_library";
}

// Runs `action` and checks that it ends the program with `text` and `code`.
inline void ExpectFatal(const std::function<void()>& action, const std::string& text, int code) {
  try {
    action();
    ADD_FAILURE() << "expected FatalExit \"" << text << "\"";
  } catch (const FatalExit& e) {
    EXPECT_EQ(e.what(), text);
    EXPECT_EQ(e.code(), code) << text;
  }
}

// A fresh empty folder, removed with everything in it at the end of the scope.
class ScratchFolder {
public:
  ScratchFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("toollib-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void CopyFixture(const std::string& name) const {
    std::filesystem::copy_file(ToolFixtures() / name, path_ / name);
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << text;
  }

private:
  std::filesystem::path path_;
};

} // namespace turnsim::testing
