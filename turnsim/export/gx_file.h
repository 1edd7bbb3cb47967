// GXfile: a solid of revolution written as a DirectX text (.x) file: a half-profile of points
// turned about the lathe axis in equal steps into a mesh of quadrilaterals, with its materials
// and, for the part, a small scene of frames and lights for the viewer.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace turnsim {

// The shapes a GXfile writes; each has its own mesh name, file and materials.
inline constexpr std::int32_t kShapePart = 0;      // "Cylinder", the workpiece
inline constexpr std::int32_t kShapeSpindle = 1;   // "Spindle"
inline constexpr std::int32_t kShapeFrontCone = 2; // "F_Cone"
inline constexpr std::int32_t kShapeBackCone = 3;  // "B_Cone"

// The files of the solids, in the working directory. One name each, for writing and reading.
inline constexpr std::string_view kPartSolidFile = "aprox.x";   // part, file index 0
inline constexpr std::string_view kSceneSolidFile = "aprox1.x"; // part, file index 1
inline constexpr std::string_view kSpindleSolidFile = "spin_x.x";
inline constexpr std::string_view kFrontConeSolidFile = "f_con_x.x";
inline constexpr std::string_view kBackConeSolidFile = "b_con_x.x";

// Angular steps of the machine solids.
inline constexpr std::int32_t kMachineSolidSteps = 40;

class GXfile {
public:
  // Most points a profile may have (MaxR).
  static constexpr std::int32_t kMaxPoints = 200;

  // angularSteps n >= 2 (std::invalid_argument otherwise); the shape is checked when writing.
  GXfile(std::int32_t angularSteps, std::int32_t shape);

  // Takes the points 0 ... lastIndex (radial X in `radii`, axial Z in `axial`, one flag each:
  // non-zero gives the part's faces that start at the point the second material), turns them
  // and writes the solid's file in the working directory, replacing it as a whole. fileIndex
  // picks the part's file (0 "aprox.x", 1 "aprox1.x") and is not used for the other shapes.
  // Returns true when the file was written. Refusals:
  // - more than kMaxPoints points: throws FatalExit (exit code 0) with the settings hint;
  // - a shape outside 0 ... 3: shows "Invalid Shape number in class GXfile", writes nothing;
  // - the file cannot be written: shows "Can't open DirectX file.", the old file stays.
  bool MakeSolid(std::span<const double> radii, std::span<const double> axial,
                 std::int32_t lastIndex, std::span<const std::uint8_t> flags,
                 std::int32_t fileIndex);

  // The first steps of MakeSolid without the file: the point count check (FatalExit), the copy
  // of the points, the closed test and the turned tables. Arrays shorter than lastIndex + 1, a
  // lastIndex below 1 or a coordinate that is not finite throw std::invalid_argument.
  void SetPoints(std::span<const double> radii, std::span<const double> axial,
                 std::int32_t lastIndex, std::span<const std::uint8_t> flags);

  // The text of the file for the points set last. A shape outside 0 ... 3 shows the message,
  // writes nothing and returns false.
  bool Write(std::ostream& out) const;

  // The file name of a shape; fileIndex matters for the part only (0 or 1, else
  // std::invalid_argument). An unknown shape gives an empty name.
  static std::string FileName(std::int32_t shape, std::int32_t fileIndex);

  // The six-decimal number text of the vertices (see float_to_point.h).
  static std::string FloatToPoint(double v);

  std::int32_t shape() const { return shape_; }
  std::int32_t angularSteps() const { return angularSteps_; }
  std::int32_t pointCount() const { return pointCount_; }
  // First and last point equal under the hundredths rule: the profile goes round and the solid
  // needs no end cap.
  bool closed() const { return closed_; }
  // Number of faces the file declares and writes.
  std::int32_t FaceCount() const;

private:
  std::string Text() const;
  void AppendVertices(std::string& text) const;
  void AppendFaces(std::string& text) const;
  void AppendPartMaterials(std::string& text) const;

  std::int32_t shape_;
  std::int32_t angularSteps_;
  std::vector<double> angles_; // degrees, one per ring
  std::vector<double> xTable_; // ring i, point j at [i * pointCount_ + j]
  std::vector<double> yTable_;
  std::vector<double> radii_;
  std::vector<double> axial_;
  std::vector<std::uint8_t> flags_;
  std::int32_t pointCount_ = 0;
  bool closed_ = false;
};

} // namespace turnsim
