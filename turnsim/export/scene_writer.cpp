// The scene file's pieces as exact text: numbers in six-decimal fixed notation, meshes with the
// materials of their kind, the border block, solid copies, the view frame and the lights.
#include "turnsim/export/scene_writer.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "turnsim/geometry/matrix.h"
#include "turnsim/geometry/messages.h"

namespace turnsim {

namespace {

void Put(std::ostream& out, std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Integers through to_string: a stream's locale could group the digits.
void PutInt(std::ostream& out, long long value) {
  Put(out, std::to_string(value));
}

struct KindTexts {
  std::string_view mesh;      // the block's opening
  std::string_view reference; // the reference inside the frame
  std::string_view material;  // the material and the closing braces
};

constexpr std::string_view kInsertMaterial = "Material {\n 1.000000;1.000000;0.000000;1.000000;;\n"
                                             "0.000000;\n"
                                             "0.000000;0.000000;0.000000;;\n"
                                             "0.000000;0.000000;0.000000;;\n"
                                             "}\n }\n   }\n";
constexpr std::string_view kHolderMaterial = "Material {\n 0.000000;0.000000;0.000000;1.000000;;\n"
                                             "0.000000;\n 0.000000;0.000000;0.000000;;\n"
                                             " 0.000000;0.000000;0.000000;;\n"
                                             "  }\n }\n}\n";
constexpr std::string_view kJawMaterial = "Material {\n 0.835294;0.823529;0.827451;1.000000;;\n"
                                          "3.000000;\n 0.000000;0.000000;0.000000;;\n"
                                          " 0.000000;0.000000;0.000000;;\n"
                                          "   }\n }\n}\n";

const KindTexts& TextsOf(const XMASH& mesh) {
  static const KindTexts kTexts[] = {
      {"Mesh Cut", "\n{Cut}\n", kInsertMaterial},
      {"Mesh Dev", "\n{Dev}\n", kHolderMaterial},
      {"Mesh Kulachok1", "\n{Kulachok1}\n", kJawMaterial},
      {"Mesh Kulachok2", "\n{Kulachok2}\n", kJawMaterial},
      {"Mesh Kulachok3", "\n{Kulachok3}\n", kJawMaterial},
  };
  if (mesh.kind < kMeshInsert || mesh.kind > kMeshJaw3) {
    throw std::invalid_argument("scene mesh of unknown kind " + std::to_string(mesh.kind));
  }
  return kTexts[mesh.kind - kMeshInsert];
}

// The frames that carry the four lights, each with its translation row, and the records of the
// lights. The last frame also closes the frame "aprox".
constexpr std::string_view kLights = "  Frame TOP {\n"
                                     "FrameTransformMatrix {\n"
                                     "1.00000,0.00000,0.00000,0.00000,\n"
                                     "0.00000,1.00000,0.00000,0.00000,\n"
                                     "0.00000,0.00000,1.00000,0.00000,\n"
                                     "0.00000,0.00000,12.0000,1.00000;;\n"
                                     "}\n"
                                     "}\n"
                                     "Frame Buttom {\n"
                                     "FrameTransformMatrix {\n"
                                     "1.00000,0.00000,0.00000,0.00000,\n"
                                     "0.00000,1.00000,0.00000,0.00000,\n"
                                     "0.00000,0.00000,1.00000,0.00000,\n"
                                     "0.00000,0.00000,-16.0000,1.00000;;\n"
                                     "}\n"
                                     "}\n"
                                     "Frame LEFT {\n"
                                     "FrameTransformMatrix {\n"
                                     "1.00000,0.00000,0.00000,0.00000,\n"
                                     "0.00000,1.00000,0.00000,0.00000,\n"
                                     "0.00000,0.00000,1.00000,0.00000,\n"
                                     "0.00000,8.00000,0.00000,1.00000;;\n"
                                     "}\n"
                                     "}\n"
                                     "Frame RIGHT {\n"
                                     "FrameTransformMatrix {\n"
                                     "1.00000,0.00000,0.00000,0.00000,\n"
                                     "0.00000,1.00000,0.00000,0.00000,\n"
                                     "0.00000,0.00000,1.00000,0.00000,\n"
                                     "12.0000,-1.00000,0.00000,1.00000;;\n"
                                     "}\n"
                                     "}\n"
                                     "}\n"
                                     "#Additional data for Daltrex:\n"
                                     "QL_Light POINT1 {\n"
                                     " \"Camera1\";\n"
                                     " \"\";\n"
                                     " 1;\n"
                                     " 1.00000; 0.00000; 0.00000;;\n"
                                     " 0.501961; 0.501961; 0.501961;;\n"
                                     " 0.500000;\n"
                                     " 256.000;\n"
                                     "}\n"
                                     "QL_Light PARALLELPOINT {\n"
                                     "   \"TOP\";\n"
                                     " \"\" ;\n"
                                     " 4;\n"
                                     " 1.00000; 0.00000; 0.00000;;\n"
                                     " 0.498039; 0.498039; 0.498039;;\n"
                                     " 0.500000;\n"
                                     " 256.000;\n"
                                     "}\n"
                                     " QL_Light PARALLELPOINT {\n"
                                     " \"Buttom\";\n"
                                     " \"\";\n"
                                     " 4;\n"
                                     " 1.00000; 0.00000; 0.00000;;\n"
                                     " 0.498039; 0.498039; 0.498039;;\n"
                                     " 0.500000;\n"
                                     " 256.000;\n"
                                     " }\n"
                                     "QL_Light PARALLELPOINT {\n"
                                     " \"LEFT\";\n"
                                     " \"\";\n"
                                     " 4;\n"
                                     " 1.00000; 0.00000; 0.00000;;\n"
                                     " 0.498039; 0.498039; 0.498039;;\n"
                                     " 0.500000;\n"
                                     " 256.000;\n"
                                     "}\n"
                                     "QL_Light PARALLELPOINT {\n"
                                     " \"RIGHT\";\n"
                                     " \"\";\n"
                                     " 4;\n"
                                     " 1.00000; 0.00000; 0.00000;;\n"
                                     " 0.498039; 0.498039; 0.498039;;\n"
                                     " 0.500000;\n"
                                     " 256.000;\n"
                                     " }\n";

} // namespace

std::string SceneNumber(float v) {
  // A zero is written without a sign, also where it came out of a negation (-0.0).
  if (v == 0.0f) {
    v = 0.0f;
  }
  // Fixed notation of a float needs at most 39 integer digits, the point and six decimals.
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 6);
  if (ec != std::errc()) {
    throw std::logic_error("SceneNumber: the number does not fit its buffer");
  }
  return std::string(buffer, end);
}

void OpenScene(std::ostream& out) {
  Put(out, "xof 0302txt 0064\nHeader {1; 0; 1;}\n");
}

void WriteMesh(std::ostream& out, const XMASH& mesh) {
  const KindTexts& texts = TextsOf(mesh);
  if (mesh.vertices.empty() || (mesh.quads.empty() && mesh.polygons.empty())) {
    throw std::invalid_argument("scene mesh without vertices or faces");
  }
  Put(out, texts.mesh);
  Put(out, " {\n");
  PutInt(out, static_cast<long long>(mesh.vertices.size()));
  Put(out, ";\n");
  for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
    const MeshVertex& v = mesh.vertices[i];
    Put(out, SceneNumber(v.x));
    Put(out, "; ");
    Put(out, SceneNumber(v.y));
    Put(out, "; ");
    Put(out, SceneNumber(v.z));
    Put(out, i + 1 == mesh.vertices.size() ? ";;\n" : ";,\n");
  }
  Put(out, "\n\n");
  PutInt(out, static_cast<long long>(mesh.quads.size() + mesh.polygons.size()));
  Put(out, ";\n");
  for (std::size_t i = 0; i < mesh.quads.size(); ++i) {
    const MeshQuad& q = mesh.quads[i];
    Put(out, "4;");
    PutInt(out, q.a);
    Put(out, ",");
    PutInt(out, q.b);
    Put(out, ",");
    PutInt(out, q.c);
    Put(out, ",");
    PutInt(out, q.d);
    const bool endsList = i + 1 == mesh.quads.size() && mesh.polygons.empty();
    Put(out, endsList ? ";;\n" : ";,\n");
  }
  for (std::size_t i = 0; i < mesh.polygons.size(); ++i) {
    const MeshPolygon& p = mesh.polygons[i];
    PutInt(out, static_cast<long long>(p.indices.size()));
    Put(out, ";");
    for (std::size_t k = 0; k < p.indices.size(); ++k) {
      if (k > 0) {
        Put(out, ",");
      }
      PutInt(out, p.indices[k]);
    }
    Put(out, i + 1 == mesh.polygons.size() ? ";;\n\n" : ";,\n");
  }
  Put(out, "\nMeshMaterialList {\n1;\n1;\n0;;\n\n");
  Put(out, texts.material);
}

void WriteBorders(std::ostream& out, const Machine& machine, const ProfileReference& reference) {
  const Machine m = MachineProportions(machine);
  const float w = 3 * m.value3;
  const float h = w / 2;
  const float t = ConeTipLength(m);
  // Depth of the block: behind the spindle body, or behind the front cone of a part held
  // between centres.
  const float d = reference.HasSpindleElement()
                      ? std::fabs(reference.profileMinZ) + 0.5f + m.value5
                      : std::fabs(reference.profileStartZ) + m.value7 * 0.5f + t + m.value5;
  const float front = -(d - m.value2);
  const MeshVertex vertices[] = {{-h, h, -d},     {-h, -h, -d},   {h, -h, -d},  {h, h, -d},
                                 {-h, -h, front}, {h, -h, front}, {h, h, front}};

  Put(out, "Mesh Borders {\n7;\n");
  for (std::size_t i = 0; i < std::size(vertices); ++i) {
    const MeshVertex& v = vertices[i];
    Put(out, SceneNumber(v.x));
    Put(out, ";");
    Put(out, SceneNumber(v.y));
    Put(out, ";");
    Put(out, SceneNumber(v.z));
    Put(out, i + 1 == std::size(vertices) ? ";;\n" : ";,\n");
  }
  Put(out, "\n3;\n4;0,1,2,3;,\n4;2,1,4,5;,\n4;3,2,5,6;;\n");
  Put(out, "MeshMaterialList {\n  1;\n  1;\n  0;;\n"
           "  Material {\n   1.000000;1.000000;1.000000;1.000000;;\n"
           "   0.100000;\n   1.000000;1.000000;1.000000;;\n"
           "   0.000000;0.000000;0.000000;;\n  }\n }\n}\n");
}

void CopySolid(std::istream& in, std::ostream& out) {
  std::string line;
  bool afterHeader = false;
  while (std::getline(in, line)) {
    if (!afterHeader) {
      afterHeader = line.starts_with("Header");
      continue;
    }
    if (line.starts_with("Frame The_Scene")) {
      return;
    }
    Put(out, line);
    Put(out, "\n");
  }
}

void CopySolid(const std::filesystem::path& file, std::ostream& out) {
  std::error_code ignored;
  std::ifstream in;
  if (!std::filesystem::is_directory(file, ignored)) {
    in.open(file, std::ios::binary);
  }
  if (!in) {
    throw FatalExit("Can't open temporary file!", 0);
  }
  CopySolid(in, out);
}

void WriteSceneFrame(std::ostream& out, float angleX, float angleY, float angleZ,
                     const SceneSolids& solids) {
  const Matrix4 m = RotateAboutX(RotateAboutY(RotateAboutZ(Matrix4{}, angleZ), angleY), angleX);
  Put(out, "Frame aprox {\nFrameTransformMatrix {\n");
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      if (j > 0) {
        Put(out, ",");
      }
      Put(out, SceneNumber(m.m[i][j]));
    }
    Put(out, i < 3 ? ",\n" : ";;\n}\n");
  }
  Put(out, "{Cylinder}\n");
  if (solids.spindle) {
    Put(out, "{Spindle}\n");
  }
  Put(out, "{Borders}\n");
  if (solids.backCone) {
    Put(out, "{B_Cone}\n");
  }
  if (solids.frontCone) {
    Put(out, "{F_Cone}\n");
  }
}

void WriteReference(std::ostream& out, const XMASH& mesh) {
  const KindTexts& texts = TextsOf(mesh);
  Put(out, "\n");
  Put(out, texts.reference);
  Put(out, "\n");
}

void WriteLights(std::ostream& out) {
  Put(out, kLights);
}

} // namespace turnsim
