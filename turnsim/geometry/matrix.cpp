// 4 x 4 transforms for placing meshes in the scene files: point transform, product and the
// rotations about the three axes.
#include "turnsim/geometry/matrix.h"

#include <cmath>
#include <numbers>

namespace turnsim {

namespace {

// Rotations smaller than this leave the matrix as it is.
constexpr float kLeastAngle = 0.0001f;

struct SinCos {
  float s;
  float c;
};

SinCos SinCosDegrees(float degrees) {
  const double rad = degrees * std::numbers::pi / 180.0;
  return {static_cast<float>(std::sin(rad)), static_cast<float>(std::cos(rad))};
}

} // namespace

Point4 TransformPoint(Point4 p, const Matrix4& m) {
  Point4 out;
  out.x = p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0];
  out.y = p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1];
  out.z = p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2];
  return out;
}

Matrix4 MultiplyMatrix(const Matrix4& a, const Matrix4& b) {
  Matrix4 product;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) {
        sum += a.m[i][k] * b.m[k][j];
      }
      product.m[i][j] = sum;
    }
  }
  return product;
}

Matrix4 RotateAboutX(const Matrix4& m, float degrees) {
  if (std::fabs(degrees) < kLeastAngle) {
    return m;
  }
  const auto [s, c] = SinCosDegrees(degrees);
  const Matrix4 r{{{1, 0, 0, 0}, {0, c, s, 0}, {0, -s, c, 0}, {0, 0, 0, 1}}};
  return MultiplyMatrix(m, r);
}

Matrix4 RotateAboutY(const Matrix4& m, float degrees) {
  if (std::fabs(degrees) < kLeastAngle) {
    return m;
  }
  const auto [s, c] = SinCosDegrees(degrees);
  const Matrix4 r{{{c, 0, -s, 0}, {0, 1, 0, 0}, {s, 0, c, 0}, {0, 0, 0, 1}}};
  return MultiplyMatrix(m, r);
}

Matrix4 RotateAboutZ(const Matrix4& m, float degrees) {
  if (std::fabs(degrees) < kLeastAngle) {
    return m;
  }
  const auto [s, c] = SinCosDegrees(degrees);
  const Matrix4 r{{{c, s, 0, 0}, {-s, c, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
  return MultiplyMatrix(m, r);
}

} // namespace turnsim
