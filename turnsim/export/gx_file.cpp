// The revolved solid: turning the profile into rings of vertices and writing the .x text of the
// mesh, its materials and its scene.
#include "turnsim/export/gx_file.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "turnsim/export/atomic_file.h"
#include "turnsim/export/export_error.h"
#include "turnsim/export/float_to_point.h"
#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

constexpr std::string_view kTooManyPoints =
    "I > MaxR Not enaught memory!\n Try to change aproximation settings.";
constexpr std::string_view kInvalidShape = "Invalid Shape number in class GXfile";
constexpr std::string_view kCantOpen = "Can't open DirectX file.";

bool ValidShape(std::int32_t shape) {
  return shape >= kShapePart && shape <= kShapeBackCone;
}

std::string_view MeshName(std::int32_t shape) {
  switch (shape) {
  case kShapePart:
    return "Cylinder";
  case kShapeSpindle:
    return "Spindle";
  case kShapeFrontCone:
    return "F_Cone";
  default:
    return "B_Cone";
  }
}

void AppendInt(std::string& text, std::int64_t value) {
  text += std::to_string(value);
}

// The scene of the part: a frame that scales the mesh, with four frames that carry the lights,
// then the viewer's own light records.
constexpr std::string_view kPartScene = "Frame The_Scene {\nFrameTransformMatrix {\n"
                                        "0.683013,0.00000,0.00000,0.00000,\n"
                                        "0.00000,0.683013,0.00000,0.00000,\n"
                                        "0.00000,0.00000,0.683013,0.00000,\n"
                                        "0.00000,0.00000,0.00000,1.00000;;\n}\n"
                                        "\n{Cylinder}\nFrame TOP {\nFrameTransformMatrix {\n"
                                        "1.00000,0.00000,0.00000,0.00000,\n"
                                        "0.00000,1.00000,0.00000,0.00000,\n"
                                        "0.00000,0.00000,1.00000,0.00000,\n"
                                        "0.00000,0.00000,12.0000,1.00000;;\n}\n}\n"
                                        "Frame Buttom {\nFrameTransformMatrix {\n"
                                        "1.00000,0.00000,0.00000,0.00000,\n"
                                        "0.00000,1.00000,0.00000,0.00000,\n"
                                        "0.00000,0.00000,1.00000,0.00000,\n"
                                        "0.00000,0.00000,-16.0000,1.00000;;\n}\n}\n"
                                        "Frame LEFT {\nFrameTransformMatrix {\n"
                                        "1.00000,0.00000,0.00000,0.00000,\n"
                                        "0.00000,1.00000,0.00000,0.00000,\n"
                                        "0.00000,0.00000,1.00000,0.00000, \n"
                                        "0.00000,8.00000,0.00000,1.00000;;\n}\n}\n"
                                        "Frame RIGHT {\nFrameTransformMatrix { \n"
                                        "1.00000,0.00000,0.00000,0.00000,\n"
                                        "0.00000,1.00000,0.00000,0.00000,\n"
                                        "0.00000,0.00000,1.00000,0.00000,\n"
                                        "12.0000,-1.00000,0.00000,1.00000;;\n}\n}\n}\n"
                                        "#Additional data for Daltrex:\nQL_Light PARALLELPOINT {\n"
                                        "  \"TOP\";\n \"\";\n 4;\n"
                                        " 1.00000; 0.00000; 0.00000;;\n"
                                        " 0.498039; 0.498039; 0.498039;;\n"
                                        " 0.500000; \n 256.000;\n}\n"
                                        " QL_Light PARALLELPOINT {\n"
                                        " \"Buttom\";\n \"\";\n 4;\n"
                                        " 1.00000; 0.00000; 0.00000;;\n"
                                        " 0.498039; 0.498039; 0.498039;;\n"
                                        " 0.500000; \n 256.000; \n }\n"
                                        "QL_Light PARALLELPOINT {\n"
                                        " \"LEFT\"; \n \"\";\n 4;\n"
                                        " 1.00000; 0.00000; 0.00000;;\n"
                                        " 0.498039; 0.498039; 0.498039;;\n"
                                        " 0.500000; \n 256.000; \n}\n"
                                        "QL_Light PARALLELPOINT {\n"
                                        " \"RIGHT\"; \n \"\"; \n 4;\n"
                                        " 1.00000; 0.00000; 0.00000;;\n"
                                        " 0.498039; 0.498039; 0.498039;;\n"
                                        " 0.500000; \n 256.000; \n }\n";

// The three materials of the part: unused white, the part's colour and the cut zone's colour.
constexpr std::string_view kPartMaterials =
    "Material {\n1.000000;1.000000;1.000000;1.000000;;    \n0.000000;\n"
    "   0.000000;0.000000;0.000000;;\n   0.000000;0.000000;0.000000;;\n  }\n"
    "Material {\n   0.501961;1.000000;1.000000;1.000000;;\n"
    "  3.000000;\n   1.000000;1.000000;1.000000;;\n   0.000000;0.000000;0.000000;;\n  }\n\n"
    "Material {\n   1.000000;0.000000;0.501961;1.000000;;\n   0.000000;\n"
    "   0.000000;0.000000;0.000000;;\n   0.000000;0.000000;0.000000;;\n  }\n }\n}\n\n";

} // namespace

GXfile::GXfile(std::int32_t angularSteps, std::int32_t shape)
    : shape_(shape), angularSteps_(angularSteps) {
  if (angularSteps < 2) {
    throw std::invalid_argument("GXfile: a solid of revolution needs at least two angular steps");
  }
}

std::string GXfile::FloatToPoint(double v) {
  return turnsim::FloatToPoint(v);
}

std::string GXfile::FileName(std::int32_t shape, std::int32_t fileIndex) {
  switch (shape) {
  case kShapePart:
    if (fileIndex == 0) {
      return std::string(kPartSolidFile);
    }
    if (fileIndex == 1) {
      return std::string(kSceneSolidFile);
    }
    throw std::invalid_argument("GXfile: the part's file index is 0 or 1");
  case kShapeSpindle:
    return std::string(kSpindleSolidFile);
  case kShapeFrontCone:
    return std::string(kFrontConeSolidFile);
  case kShapeBackCone:
    return std::string(kBackConeSolidFile);
  default:
    return {};
  }
}

void GXfile::SetPoints(std::span<const double> radii, std::span<const double> axial,
                       std::int32_t lastIndex, std::span<const std::uint8_t> flags) {
  if (lastIndex > kMaxPoints - 1) {
    throw FatalExit(std::string(kTooManyPoints), 0);
  }
  if (lastIndex < 1) {
    throw std::invalid_argument("GXfile: a profile needs at least two points");
  }
  const auto m = static_cast<std::size_t>(lastIndex) + 1;
  if (radii.size() < m || axial.size() < m || flags.size() < m) {
    throw std::invalid_argument("GXfile: the point arrays are shorter than the last index");
  }
  for (std::size_t j = 0; j < m; ++j) {
    if (!std::isfinite(radii[j]) || !std::isfinite(axial[j])) {
      throw std::invalid_argument("GXfile: a profile point is not a finite number");
    }
  }

  radii_.assign(radii.begin(), radii.begin() + m);
  axial_.assign(axial.begin(), axial.begin() + m);
  flags_.assign(flags.begin(), flags.begin() + m);
  pointCount_ = static_cast<std::int32_t>(m);
  closed_ = EqualH(radii_.front(), radii_.back()) && EqualH(axial_.front(), axial_.back());

  const auto n = static_cast<std::size_t>(angularSteps_);
  angles_.assign(n, 0.0);
  for (std::size_t i = 1; i < n; ++i) {
    angles_[i] = angles_[i - 1] + 360.0 / angularSteps_;
  }
  xTable_.assign(n * m, 0.0);
  yTable_.assign(n * m, 0.0);
  for (std::size_t i = 0; i < n; ++i) {
    const double theta = angles_[i] * std::numbers::pi / 180;
    for (std::size_t j = 0; j < m; ++j) {
      xTable_[i * m + j] = radii_[j] * std::cos(theta);
      yTable_[i * m + j] = radii_[j] * std::sin(theta);
    }
  }
}

std::int32_t GXfile::FaceCount() const {
  // Side faces between neighbouring rings, and the end cap unless the profile goes round.
  return (pointCount_ - 1) * angularSteps_ + (closed_ ? 0 : 1);
}

bool GXfile::Write(std::ostream& out) const {
  if (!ValidShape(shape_)) {
    ShowMessage(kInvalidShape);
    return false;
  }
  const std::string text = Text();
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return true;
}

bool GXfile::MakeSolid(std::span<const double> radii, std::span<const double> axial,
                       std::int32_t lastIndex, std::span<const std::uint8_t> flags,
                       std::int32_t fileIndex) {
  SetPoints(radii, axial, lastIndex, flags);
  if (!ValidShape(shape_)) {
    ShowMessage(kInvalidShape);
    return false;
  }
  const std::string name = FileName(shape_, fileIndex);
  const std::string text = Text();
  try {
    WriteFileAtomically(name, [&text](std::ostream& out) {
      out.write(text.data(), static_cast<std::streamsize>(text.size()));
    });
  } catch (const ExportError&) {
    ShowMessage(kCantOpen);
    return false;
  }
  return true;
}

std::string GXfile::Text() const {
  if (pointCount_ < 2) {
    throw std::logic_error("GXfile: the points are written before they were set");
  }
  std::string text;
  text.reserve(static_cast<std::size_t>(angularSteps_) * pointCount_ * 64 + 4096);
  text += "xof 0302txt 0064 \n\n\nHeader {1; 0; 1;}\nMesh ";
  text += MeshName(shape_);
  text += " {\n";
  AppendVertices(text);
  AppendFaces(text);

  if (shape_ == kShapePart) {
    AppendPartMaterials(text);
    text += kPartScene;
    return text;
  }

  text += "MeshMaterialList {\n1;\n1;\n 0;;\n\n";
  text += shape_ == kShapeSpindle ? "Material {\n 0.835294;0.823529;0.827451;1.000000;;\n"
                                  : "Material {\n 1.000000;0.882353;0.768628;1.000000;;\n";
  text += "3.000000;\n 0.000000;0.000000;0.000000;;\n 0.000000;0.000000;0.000000;;\n"
          "   }\n }\n}\n";
  text += "Frame The_Scene {\n  FrameTransformMatrix {\n"
          " 1.00000,0.00000,0.00000,0.00000,\n"
          " 0.00000,1.00000,0.00000,0.00000,\n"
          " 0.00000,0.00000,1.00000,0.00000,\n"
          " 0.00000,0.00000,0.00000,1.00000;;\n  } \n";
  text += "\n{";
  text += MeshName(shape_);
  text += "}\n";
  text += "}\n#Additional data for Daltrex:\n";
  return text;
}

void GXfile::AppendVertices(std::string& text) const {
  const std::int32_t n = angularSteps_;
  const std::int32_t m = pointCount_;
  AppendInt(text, static_cast<std::int64_t>(n) * m);
  text += ";\n";
  for (std::int32_t i = 0; i < n; ++i) {
    for (std::int32_t j = 0; j < m; ++j) {
      const std::size_t at = static_cast<std::size_t>(i) * m + j;
      text += turnsim::FloatToPoint(xTable_[at]);
      text += ',';
      text += turnsim::FloatToPoint(yTable_[at]);
      text += ',';
      text += turnsim::FloatToPoint(axial_[j]);
      const bool last = i == n - 1 && j == m - 1;
      text += last ? ";;\n\n" : ";,\n";
    }
  }
}

void GXfile::AppendFaces(std::string& text) const {
  const std::int32_t n = angularSteps_;
  const std::int32_t m = pointCount_;
  text += "\n\n";
  AppendInt(text, FaceCount());
  text += ";\n";

  // A closed profile has no cap, so its last side face ends the list.
  auto quad = [&text](std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                      bool endsList) {
    text += "4;";
    AppendInt(text, a);
    text += ',';
    AppendInt(text, b);
    text += ',';
    AppendInt(text, c);
    text += ',';
    AppendInt(text, d);
    text += endsList ? ";;\n\n" : ";,\n";
  };
  // Ring i + 1 to ring i.
  for (std::int32_t i = 0; i + 1 < n; ++i) {
    for (std::int32_t j = 0; j + 1 < m; ++j) {
      const std::int64_t k = static_cast<std::int64_t>(i) * m + j;
      quad(k + m, k + m + 1, k + 1, k, false);
    }
  }
  // The band that closes the turn: ring 1 to ring n.
  for (std::int32_t j = 0; j + 1 < m; ++j) {
    const std::int64_t k = static_cast<std::int64_t>(n - 1) * m + j;
    quad(j, j + 1, k + 1, k, closed_ && j + 2 == m);
  }
  if (closed_) {
    return;
  }
  // The end cap: one polygon over the last point of every ring.
  AppendInt(text, n);
  text += ';';
  for (std::int32_t i = 0; i < n; ++i) {
    if (i > 0) {
      text += ',';
    }
    AppendInt(text, static_cast<std::int64_t>(i + 1) * m - 1);
  }
  text += ";;\n\n";
}

void GXfile::AppendPartMaterials(std::string& text) const {
  const std::int32_t n = angularSteps_;
  const std::int32_t m = pointCount_;
  text += " MeshMaterialList {\n  3;\n ";
  AppendInt(text, FaceCount());
  text += ";\n";
  for (std::int32_t i = 0; i < n; ++i) {
    for (std::int32_t j = 0; j + 1 < m; ++j) {
      text += flags_[j] != 0 ? '2' : '1';
      // Without a cap the last side face ends the list.
      text += closed_ && i == n - 1 && j + 2 == m ? ';' : ',';
    }
    text += '\n';
  }
  text += closed_ ? "\n\n" : "1;\n\n\n"; // the cap has material 1
  text += kPartMaterials;
}

} // namespace turnsim
