// assimp, a reader nobody here wrote, loads the meshes of a whole scene file. It cannot follow a
// reference to a mesh ("{Cylinder}", "{Spindle}", "{Cut}", ...) inside a frame, so it loads a
// copy of the scene with those reference lines left out; every mesh block is then a top-level
// mesh. Skipped only when assimp is not installed (package assimp-utils).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "tests/export/golden.h"
#include "tests/export/scene_job.h"
#include "tests/export/temp_folder.h"
#include "turnsim/export/gx_file.h"
#include "turnsim/export/scene_export.h"
#include "turnsim/export/tool_meshes.h"
#include "turnsim/geometry/finishing.h"
#include "turnsim/tooling/jaws.h"

namespace turnsim {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SceneJob;
using testing::SplitLines;
using testing::TempWorkingFolder;
using testing::WriteWholeFile;

struct Counts {
  int meshes = 0;
  int vertices = 0; // assimp gives every face its own vertices
  int faces = 0;
};

// Runs `assimp info FILE -r` (no post-processing) and reads the totals it prints.
std::optional<Counts> AssimpInfo(const fs::path& file, std::string& output) {
  const fs::path log = "assimp-output.txt";
  const std::string command = "assimp info '" + file.string() + "' -r > " + log.string() + " 2>&1";
  const int status = std::system(command.c_str());
  output = ReadWholeFile(log);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  Counts counts;
  const std::regex total(R"(^(Meshes|Vertices|Faces):\s+(\d+)\s*$)");
  for (const std::string& line : SplitLines(output)) {
    std::smatch m;
    if (std::regex_match(line, m, total)) {
      const int value = std::stoi(m[2]);
      (m[1] == "Meshes"     ? counts.meshes
       : m[1] == "Vertices" ? counts.vertices
                            : counts.faces) = value;
    }
  }
  return counts;
}

void Add(Counts& counts, const XMASH& mesh) {
  ++counts.meshes;
  counts.faces += static_cast<int>(mesh.quads.size() + mesh.polygons.size());
  counts.vertices += 4 * static_cast<int>(mesh.quads.size());
  for (const MeshPolygon& p : mesh.polygons) {
    counts.vertices += static_cast<int>(p.indices.size());
  }
}

// A revolved solid of m points in n steps: (m - 1) * n quadrilaterals and, when the profile is
// open, the cap of n corners.
void AddSolid(Counts& counts, int m, int n, bool closed) {
  ++counts.meshes;
  counts.faces += (m - 1) * n + (closed ? 0 : 1);
  counts.vertices += 4 * (m - 1) * n + (closed ? 0 : n);
}

TEST(SceneAssimp, LoadsEveryMeshOfTheScene) {
  if (std::system("command -v assimp > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "assimp is not installed (Debian package assimp-utils)";
  }
  TempWorkingFolder folder;
  const SceneJob job;
  ExportScene(job.Inputs(true));

  std::string text;
  const std::regex reference(R"(^\{\w+\}$)");
  int references = 0;
  for (const std::string& line : SplitLines(ReadWholeFile("aprox.x"))) {
    if (std::regex_match(line, reference)) {
      ++references;
    } else {
      text += line + "\n";
    }
  }
  EXPECT_EQ(references, 10); // the part, spindle, borders, two cones, holder, insert, three jaws
  WriteWholeFile("scene.noref.x", text);

  Counts expected;
  Add(expected, HolderMesh(job.tool, job.command));
  Add(expected, InsertMesh(job.tool, job.command));
  for (const XMASH& jaw : Kulachki(job.machine, job.reference).jaws) {
    Add(expected, jaw);
  }
  ++expected.meshes; // the borders: three quads
  expected.faces += 3;
  expected.vertices += 12;
  const int partPoints = static_cast<int>(ApproximateArcs(job.profile, 3.0f).size()) + 1;
  AddSolid(expected, partPoints, job.radialApprox, false);
  AddSolid(expected, 5, kMachineSolidSteps, true);  // the spindle
  AddSolid(expected, 4, kMachineSolidSteps, false); // the front cone
  AddSolid(expected, 4, kMachineSolidSteps, false); // the back cone

  std::string output;
  const auto loaded = AssimpInfo("scene.noref.x", output);
  ASSERT_TRUE(loaded.has_value()) << output;
  EXPECT_EQ(loaded->meshes, expected.meshes) << output;
  EXPECT_EQ(loaded->faces, expected.faces) << output;
  EXPECT_EQ(loaded->vertices, expected.vertices) << output;

  // A face count that does not agree with the faces written is refused: the check can fail.
  const std::string borders = "\n3;\n4;0,1,2,3;,\n";
  ASSERT_NE(text.find(borders), std::string::npos);
  text.replace(text.find(borders), borders.size(), "\n4;\n4;0,1,2,3;,\n");
  WriteWholeFile("damaged.x", text);
  EXPECT_FALSE(AssimpInfo("damaged.x", output).has_value()) << output;
}

} // namespace
} // namespace turnsim
