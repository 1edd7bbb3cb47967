// A fresh temporary folder for a test, made the working directory for the test's lifetime; the
// previous working directory is restored and the folder removed afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace turnsim::testing {

class TempWorkingFolder {
public:
  TempWorkingFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "turnsim-export-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
    std::filesystem::current_path(path_);
  }
  ~TempWorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempWorkingFolder(const TempWorkingFolder&) = delete;
  TempWorkingFolder& operator=(const TempWorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

} // namespace turnsim::testing
