// turnsim-batch from its command line to its exit status, summary and files, on a copy of a
// demo job.
#include "turnsim/batch/batch_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace turnsim {
namespace {

namespace fs = std::filesystem;

// A copy of a demo job (links followed) with the DXF templates, made the working directory.
class JobCopy {
public:
  explicit JobCopy(const std::string& job) : previous_(fs::current_path()) {
    char pattern[] = "/tmp/turnsim-batch-XXXXXX";
    path_ = mkdtemp(pattern);
    for (const auto& entry : fs::directory_iterator(fs::path(SAMPLES_DIR) / "jobs" / job)) {
      fs::copy_file(entry.path(), path_ / entry.path().filename());
    }
    for (const char* name : {"ddff1.ibm", "ddff2.ibm"}) {
      fs::copy_file(fs::path(SAMPLES_DIR) / name, path_ / name,
                    fs::copy_options::overwrite_existing);
    }
    fs::current_path(path_);
  }
  ~JobCopy() {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }

private:
  fs::path previous_;
  fs::path path_;
};

struct BatchOutcome {
  int status;
  std::string out;
  std::string err;
};

std::string ReadAll(std::FILE* f) {
  std::rewind(f);
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
    text.append(buffer, n);
  }
  std::fclose(f);
  return text;
}

BatchOutcome RunWith(const std::vector<std::string>& args) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const int status = RunBatch(args, out, err, false);
  return {status, ReadAll(out), ReadAll(err)};
}

std::string FileText(const std::string& name) {
  std::ifstream in(name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(BatchRun, RunsAJobAndWritesEveryFileAskedFor) {
  JobCopy job("groove");
  const BatchOutcome run = RunWith({"--summary-json", "s.json", "--list", "l.txt", "--dxf", "g.dxf",
                           "--machine", "0", "--scene", "groove.~~"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("groove.~~: "), std::string::npos);
  EXPECT_EQ(run.err, ""); // not a terminal: no progress bar, and no warnings for this job
  const std::string json = FileText("s.json");
  for (const char* key : {"\"commands\": ", "\"motions\": ", "\"tolerant\": 0", "\"refused\": 0",
                          "\"elements\": ", "\"area_mm2\": ", "\"seconds\": "}) {
    EXPECT_NE(json.find(key), std::string::npos) << key;
  }
  EXPECT_FALSE(FileText("l.txt").empty());
  EXPECT_NE(FileText("g.dxf").find("EOF"), std::string::npos);
  EXPECT_NE(FileText("aprox.x").find("{Spindle}"), std::string::npos);
}

TEST(BatchRun, StopsAfterTheStepsAskedFor) {
  JobCopy job("groove");
  const BatchOutcome run = RunWith({"--steps", "3", "--summary-json", "s.json", "groove.~~"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(FileText("s.json").find("\"commands\": 3,"), std::string::npos);
}

TEST(BatchRun, ExitStatusTellsBadArgumentsFromFailedRuns) {
  JobCopy job("groove");
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {{"--frobnicate", "groove.~~"}, 64, "unknown option --frobnicate"},
      {{"--machine", "99", "groove.~~"}, 64, "--machine 99"},
      {{"missing.~~"}, 2, "fatal: "},
      // Nothing cut before the first motion: there is no profile to export.
      {{"--steps", "1", "--dxf", "x.dxf", "groove.~~"}, 2, "no motion was executed"},
  };
  for (const Case& c : cases) {
    const BatchOutcome run = RunWith(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(fs::exists("x.dxf"));
}

TEST(BatchRun, AFatalErrorOfTheProgramIsStatusTwo) {
  JobCopy job("groove");
  std::ofstream("Clfile.txt") << "1 99 0 0 0 0 0 0\n"; // an unknown record type
  const BatchOutcome run = RunWith({"groove.~~"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("MakeNo32: Invalide clfile"), std::string::npos) << run.err;
}

} // namespace
} // namespace turnsim
