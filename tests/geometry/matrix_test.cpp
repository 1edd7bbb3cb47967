// Transforms in the row-vector convention: points, products and rotations about the axes.
#include "turnsim/geometry/matrix.h"

#include <gtest/gtest.h>

namespace turnsim {
namespace {

void ExpectPoint(Point4 p, float x, float y, float z) {
  EXPECT_NEAR(p.x, x, 1e-6);
  EXPECT_NEAR(p.y, y, 1e-6);
  EXPECT_NEAR(p.z, z, 1e-6);
}

void ExpectSame(const Matrix4& a, const Matrix4& b) {
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(a.m[i][j], b.m[i][j]) << "at " << i << "," << j;
    }
  }
}

using Rotation = Matrix4 (*)(const Matrix4&, float);

struct RotationCase {
  const char* name;
  Rotation rotate;
  Point4 in;
  Point4 out; // after 90 degrees
};

TEST(Rotations, TurnPointsByTheRowVectorMatrices) {
  const RotationCase cases[] = {
      {"about Z", RotateAboutZ, {1, 0, 0}, {0, 1, 0}},
      {"about X", RotateAboutX, {0, 1, 0}, {0, 0, 1}},
      {"about Y", RotateAboutY, {0, 0, 1}, {1, 0, 0}},
  };
  const Matrix4 shifted{{{2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 4, 0}, {1, 2, 3, 1}}};
  for (const RotationCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Point4 p = TransformPoint(c.in, c.rotate(Matrix4{}, 90));
    ExpectPoint(p, c.out.x, c.out.y, c.out.z);
    // Below a ten-thousandth of a degree nothing is multiplied; just above, it is.
    ExpectSame(c.rotate(shifted, 0.00005f), shifted);
    ExpectSame(c.rotate(shifted, -0.00005f), shifted);
    EXPECT_NE(c.rotate(shifted, 0.5f).m[3][0] + c.rotate(shifted, 0.5f).m[3][1] +
                  c.rotate(shifted, 0.5f).m[3][2],
              6.0f);
  }
}

TEST(TransformPoint, AddsTheTranslationRow) {
  Matrix4 m;
  m.m[3][0] = 5;
  m.m[3][1] = 6;
  m.m[3][2] = 7;
  ExpectPoint(TransformPoint({1, 2, 3}, m), 6, 8, 10);
}

TEST(MultiplyMatrix, MultipliesRowsOfTheFirstByColumnsOfTheSecond) {
  const Matrix4 a{{{1, 2, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {3, 0, 0, 1}}};
  const Matrix4 b{{{1, 0, 0, 0}, {4, 1, 0, 0}, {0, 0, 2, 0}, {0, 5, 0, 1}}};
  ExpectSame(MultiplyMatrix(a, b),
             Matrix4{{{9, 2, 0, 0}, {4, 1, 0, 0}, {0, 0, 2, 0}, {3, 5, 0, 1}}});
  ExpectSame(MultiplyMatrix(b, a),
             Matrix4{{{1, 2, 0, 0}, {4, 9, 0, 0}, {0, 0, 2, 0}, {3, 5, 0, 1}}});
}

// A rotation is applied after the transform it is given: the translated origin is turned.
TEST(Rotations, ApplyAfterTheGivenMatrix) {
  Matrix4 moved;
  moved.m[3][0] = 1;
  ExpectPoint(TransformPoint({0, 0, 0}, RotateAboutZ(moved, 90)), 0, 1, 0);
}

} // namespace
} // namespace turnsim
