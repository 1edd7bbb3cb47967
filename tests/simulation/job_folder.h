// A temporary working folder for one simulated job: the sample libraries and machine list, a
// model and a program written by the test.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace turnsim::testing {

// One raw CLDATA record as the text program lists it.
struct Record {
  int type;
  int parameter;
  float value1;
  float value2;
};

class JobFolder {
public:
  JobFolder() {
    char pattern[] = "/tmp/turnsim-job-XXXXXX";
    path = mkdtemp(pattern);
    for (const char* name : {"inst.lib", "dev.lib", "cut.lib", "mach.lib"}) {
      std::filesystem::copy_file(std::filesystem::path(SAMPLES_DIR) / name, path / name);
    }
  }
  ~JobFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  JobFolder(const JobFolder&) = delete;
  JobFolder& operator=(const JobFolder&) = delete;

  // Copies every file of a demo job folder (following the links to the shared libraries).
  void CopyJob(const std::string& job) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(SAMPLES_DIR) / "jobs" / job)) {
      std::filesystem::copy_file(entry.path(), path / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
  }

  std::string WriteModel(const std::string& profileSection) const {
    const auto file = path / "part.~~";
    std::ofstream(file) << "100 MODT TEST MODEL\n220 PROFILE\n" << profileSection << "600 END\n";
    return file.string();
  }

  void WriteProgram(const std::vector<Record>& records) const {
    std::ofstream out(path / "Clfile.txt");
    int n = 1;
    for (const Record& r : records) {
      out << n++ << ' ' << r.type << ' ' << r.parameter << " 0 " << r.value1 << ' ' << r.value2
          << " 0 0\n";
    }
  }

  std::filesystem::path path;
};

// A bar of radius 25 from Z -100 to Z 0, held by its left face and the first 20 mm of its
// outside.
inline const char* kBarProfile = "LEFT:1:0:0:1\n*-100\n*0\n*-100\n*25\n"
                                 "HELD:2:0:0:1\n*-100\n*25\n*-80\n*25\n"
                                 "OUTSIDE:3:0:0:0\n*-80\n*25\n*0\n*25\n"
                                 "RIGHT:4:0:0:0\n*0\n*25\n*0\n*0\n";

} // namespace turnsim::testing
