// 4 x 4 transforms in the row-vector convention of the scene files: p' = p * M, row 4 holds the
// translation.
#pragma once

namespace turnsim {

struct Matrix4 {
  // m[i][j]: row i, column j, both from 0 (row 3 is the translation).
  float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};

struct Point4 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

Point4 TransformPoint(Point4 p, const Matrix4& m);
Matrix4 MultiplyMatrix(const Matrix4& a, const Matrix4& b);
Matrix4 RotateAboutX(const Matrix4& m, float degrees);
Matrix4 RotateAboutY(const Matrix4& m, float degrees);
Matrix4 RotateAboutZ(const Matrix4& m, float degrees);

} // namespace turnsim
