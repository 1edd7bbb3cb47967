// Readers that nobody here wrote, run on files the writers produce: ezdxf and dime read the DXF
// drawing, assimp loads the .x solids. A test is skipped only when its tool is not installed
// (packages python3-ezdxf, dime, assimp-utils). Each check is also run once on a damaged copy,
// to show that the tool does notice a broken file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/export/dxf_test_support.h"
#include "tests/export/golden.h"
#include "tests/export/temp_folder.h"
#include "turnsim/export/gx_file.h"
#include "turnsim/export/part_solid.h"
#include "turnsim/export/profile_writer.h"

namespace turnsim {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SampleProfile;
using testing::SplitLines;
using testing::TempWorkingFolder;
using testing::WriteWholeFile;

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

// Runs a shell command with stdout and stderr collected in `output`; returns its exit status.
int RunCommand(const std::string& command, std::string& output) {
  const fs::path log = fs::current_path() / "command-output.txt";
  const int status = std::system((command + " > " + Quoted(log) + " 2>&1").c_str());
  output = ReadWholeFile(log);
  fs::remove(log);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool CommandExists(const std::string& name) {
  return std::system(("command -v " + name + " > /dev/null 2>&1").c_str()) == 0;
}

// The Python interpreter that has ezdxf: the one on the path, or the system's own (where the
// Debian package installs it) when the path leads to another Python.
std::optional<std::string> PythonWithEzdxf() {
  for (const char* python : {"python3", "/usr/bin/python3"}) {
    const std::string probe = std::string(python) + " -c 'import ezdxf' > /dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) {
      return std::string(python);
    }
  }
  return std::nullopt;
}

void WriteSampleDxf(const fs::path& file) {
  Contour profile = SampleProfile();
  ProfileWriter(profile).WriteDxf(file, SAMPLES_DIR);
}

// A copy without the line at `number` (from 1): a group code loses its value.
void WriteDamagedCopy(const fs::path& from, const fs::path& to, std::size_t number) {
  auto lines = SplitLines(ReadWholeFile(from));
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(number - 1));
  std::string text;
  for (const auto& line : lines) {
    text += line + "\n";
  }
  WriteWholeFile(to, text);
}

// Prints what ezdxf understood: the version read, the audit result, the warnings it logged, the
// extents and every model-space entity with its handle, owner and layer.
constexpr const char* kEzdxfReport = R"PY(
import logging, sys
import ezdxf

class Count(logging.Handler):
    def __init__(self):
        super().__init__(logging.WARNING)
        self.records = []
    def emit(self, record):
        self.records.append(record.getMessage())

count = Count()
logging.getLogger("ezdxf").addHandler(count)
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("version", doc.loaded_dxfversion)
print("audit errors", len(auditor.errors), "fixes", len(auditor.fixes))
print("warnings", len(count.records), *count.records)
g = lambda v: "%g" % v
xy = lambda p: (g(p[0]), g(p[1]))
print("extmin", *xy(doc.header["$EXTMIN"]), "extmax", *xy(doc.header["$EXTMAX"]))
for e in doc.modelspace():
    d = e.dxf
    if e.dxftype() == "LINE":
        shape = [*xy(d.start), *xy(d.end)]
    else:
        shape = [*xy(d.center), g(d.radius), g(d.start_angle), g(d.end_angle)]
    print(e.dxftype(), d.handle, d.owner, d.layer, *shape)
)PY";

TEST(Validators, EzdxfReadsTheDrawingAsWritten) {
  const auto python = PythonWithEzdxf();
  if (!python) {
    GTEST_SKIP() << "ezdxf is not installed (Debian package python3-ezdxf)";
  }
  TempWorkingFolder folder;
  WriteWholeFile("report.py", kEzdxfReport);
  WriteSampleDxf("part.dxf");

  std::string output;
  ASSERT_EQ(RunCommand(*python + " report.py part.dxf", output), 0) << output;
  EXPECT_THAT(SplitLines(output),
              ::testing::ElementsAre("version AC1014", "audit errors 0 fixes 0", "warnings 0",
                                     "extmin 0 0 extmax 60 30", "LINE 68 1F 0 60 20 50 20",
                                     "ARC 69 1F 0 50 25 5 180 270", "LINE 6A 1F 0 45 25 30 25",
                                     "ARC 6B 1F 0 25 25 5 0 90", "LINE 6C 1F 0 25 30 10 30",
                                     "ARC 6D 1F 0 10 20 10 90 180", "LINE 6E 1F 0 0 20 0 0"));

  // An empty profile still makes a drawing, without entities.
  Contour empty;
  ProfileWriter(empty).WriteDxf("empty.dxf", SAMPLES_DIR);
  ASSERT_EQ(RunCommand(*python + " report.py empty.dxf", output), 0) << output;
  EXPECT_THAT(SplitLines(output), ::testing::SizeIs(4)) << output;

  // The damaged copy lacks the value of the first entity's handle.
  const auto lines = SplitLines(ReadWholeFile("part.dxf"));
  const auto handle = std::find(lines.begin(), lines.end(), "68");
  ASSERT_NE(handle, lines.end());
  WriteDamagedCopy("part.dxf", "damaged.dxf", static_cast<std::size_t>(handle - lines.begin()) + 1);
  EXPECT_NE(RunCommand(*python + " report.py damaged.dxf", output), 0) << output;
}

bool DimeAccepts(const fs::path& dxf, std::string& output) {
  const int status = RunCommand("dxf2vrml " + Quoted(dxf) + " -o out.wrl", output);
  const bool complained =
      output.find("rror") != std::string::npos || output.find("failed") != std::string::npos;
  return status == 0 && !complained && fs::exists("out.wrl");
}

TEST(Validators, DimeConvertsTheDrawing) {
  if (!CommandExists("dxf2vrml")) {
    GTEST_SKIP() << "dxf2vrml is not installed (Debian package dime)";
  }
  TempWorkingFolder folder;
  WriteSampleDxf("part.dxf");
  std::string output;
  ASSERT_TRUE(DimeAccepts("part.dxf", output)) << output;
  const std::string vrml = ReadWholeFile("out.wrl");
  EXPECT_THAT(vrml, ::testing::HasSubstr("IndexedLineSet"));
  // The first line of the drawing, from (60, 20) to (50, 20), is among the points.
  EXPECT_THAT(vrml, ::testing::ContainsRegex("60 20 0,[[:space:]]+50 20 0"));

  fs::remove("out.wrl");
  const auto lines = SplitLines(ReadWholeFile("part.dxf"));
  const auto entity = std::find(lines.begin(), lines.end(), "AcDbLine");
  ASSERT_NE(entity, lines.end());
  WriteDamagedCopy("part.dxf", "damaged.dxf", static_cast<std::size_t>(entity - lines.begin()) + 1);
  EXPECT_FALSE(DimeAccepts("damaged.dxf", output)) << output;
}

// assimp cannot follow a reference to a mesh ("{Cylinder}") inside a frame, so each solid is
// loaded from a copy with those reference lines left out. Its .x importer makes one mesh per
// material used and gives every face its own vertices: a solid of m points in n steps has
// (m - 1) * n quadrilaterals, plus the cap of n points when the profile is open.
struct Loaded {
  int meshes = -1;
  int vertices = -1;
  int faces = -1;
};

std::optional<Loaded> LoadWithAssimp(const fs::path& file, std::string& output) {
  const fs::path copy = file.string() + ".noref.x";
  std::string text;
  for (const std::string& line : SplitLines(ReadWholeFile(file))) {
    if (line != "{Cylinder}" && line != "{Spindle}" && line != "{F_Cone}" && line != "{B_Cone}") {
      text += line + "\n";
    }
  }
  WriteWholeFile(copy, text);
  if (RunCommand("assimp info " + Quoted(copy) + " -r", output) != 0) {
    return std::nullopt;
  }
  Loaded loaded;
  for (const std::string& line : SplitLines(output)) {
    auto value = [&line](const char* key) {
      return line.rfind(key, 0) == 0 ? std::stoi(line.substr(std::string(key).size())) : -1;
    };
    if (line.rfind("Meshes:", 0) == 0 && line.find('(') == std::string::npos) {
      loaded.meshes = value("Meshes:");
    } else if (line.rfind("Vertices:", 0) == 0) {
      loaded.vertices = value("Vertices:");
    } else if (line.rfind("Faces:", 0) == 0) {
      loaded.faces = value("Faces:");
    }
  }
  return loaded;
}

TEST(Validators, AssimpLoadsEverySolid) {
  if (!CommandExists("assimp")) {
    GTEST_SKIP() << "assimp is not installed (Debian package assimp-utils)";
  }
  TempWorkingFolder folder;

  struct Expected {
    std::string file;
    int meshes;
    int vertices;
    int faces;
  };
  std::vector<Expected> expected;

  // The sample part as the 3D view writes it, in 70 steps.
  GXfile part(70, kShapePart);
  ASSERT_TRUE(WritePartSolid(part, SampleProfile(), 3, 0));
  const int m = part.pointCount();
  expected.push_back({"aprox.x", 1, 4 * (m - 1) * 70 + 70, (m - 1) * 70 + 1});

  // A part with a cut zone uses the second material too.
  GXfile flagged(4, kShapePart);
  ASSERT_TRUE(flagged.MakeSolid(std::vector<double>{10, 10, 0.01}, std::vector<double>{0, -20, -20},
                                2, std::vector<std::uint8_t>{0, 1, 0}, 1));
  expected.push_back({"aprox1.x", 2, 36, 9});

  // The closed spindle and the two open cones of a machine with value1 = 70, in 40 steps.
  GXfile spindle(kMachineSolidSteps, kShapeSpindle);
  ASSERT_TRUE(spindle.MakeSolid(std::vector<double>{10, 10, 40, 40, 10},
                                std::vector<double>{-2.5, -66.5, -66.5, -2.5, -2.5}, 4,
                                std::vector<std::uint8_t>(5), 999));
  expected.push_back({"spin_x.x", 1, 4 * 4 * 40, 4 * 40});
  GXfile front(kMachineSolidSteps, kShapeFrontCone);
  ASSERT_TRUE(front.MakeSolid(std::vector<double>{0.1, 9, 9, 0.1},
                              std::vector<double>{-98.9, -98.9, -34.9, -2}, 3,
                              std::vector<std::uint8_t>(4), 999));
  expected.push_back({"f_con_x.x", 1, 4 * 3 * 40 + 40, 3 * 40 + 1});
  GXfile back(kMachineSolidSteps, kShapeBackCone);
  ASSERT_TRUE(back.MakeSolid(std::vector<double>{0.1, 8, 8, 0.1},
                             std::vector<double>{0, 21.4, 37.4, 37.4}, 3,
                             std::vector<std::uint8_t>(4), 999));
  expected.push_back({"b_con_x.x", 1, 4 * 3 * 40 + 40, 3 * 40 + 1});

  for (const Expected& e : expected) {
    std::string output;
    const auto loaded = LoadWithAssimp(e.file, output);
    ASSERT_TRUE(loaded.has_value()) << e.file << "\n" << output;
    EXPECT_EQ(loaded->meshes, e.meshes) << e.file;
    EXPECT_EQ(loaded->vertices, e.vertices) << e.file;
    EXPECT_EQ(loaded->faces, e.faces) << e.file;
  }

  // A face count that does not agree with the faces written is refused.
  std::string text = ReadWholeFile("spin_x.x");
  const std::string count = "\n160;\n";
  ASSERT_NE(text.find(count), std::string::npos);
  text.replace(text.find(count), count.size(), "\n161;\n");
  WriteWholeFile("damaged.x", text);
  std::string output;
  EXPECT_FALSE(LoadWithAssimp("damaged.x", output).has_value()) << output;
}

} // namespace
} // namespace turnsim
