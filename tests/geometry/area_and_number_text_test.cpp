// The exact area under a profile and the shortest number texts shown to the user.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "turnsim/geometry/area.h"
#include "turnsim/geometry/number_text.h"
#include "tests/support/elements.h"

namespace turnsim {
namespace {

using turnsim::testing::Line;
using turnsim::testing::Arc;

TEST(ProfileArea, StepsAndArcsOfBothDirections) {
  // A bar of radius 20 and length 50: up the left face, along, down the right face.
  const Contour bar{Line(0, -50, 20, -50), Line(20, -50, 20, 0), Line(20, 0, 0, 0)};
  EXPECT_NEAR(ProfileArea(bar), 1000.0, 1e-9);

  // A half disc of radius 10 over the axis, centre (0, 0): clockwise from (0, -10) over the top
  // to (0, 10) (polar angles 180 down to 0).
  const Contour halfDisc{Arc({0, -10}, {0, 10}, {0, 0}, 10)};
  EXPECT_NEAR(ProfileArea(halfDisc), std::numbers::pi * 50, 1e-4);

  // A bar of radius 20 whose right corner is rounded with radius 5 (convex: clockwise), and the
  // same bar with a concave quarter (counter-clockwise) cut into the corner instead.
  const double quarter = std::numbers::pi * 25 / 4;
  const Contour rounded{Line(0, -50, 20, -50), Line(20, -50, 20, -5),
                        Arc({20, -5}, {15, 0}, {15, -5}, 5), Line(15, 0, 0, 0)};
  EXPECT_NEAR(ProfileArea(rounded), 1000.0 - (25 - quarter), 1e-4);
  const Contour hollowed{Line(0, -50, 20, -50), Line(20, -50, 20, -5),
                         Arc({20, -5}, {15, 0}, {20, 0}, -5), Line(15, 0, 0, 0)};
  EXPECT_NEAR(ProfileArea(hollowed), 1000.0 - quarter, 1e-4);
  EXPECT_EQ(ProfileArea({}), 0.0);
}

TEST(FormatGeneral, ShortestTextThatReadsBackToTheSameFloat) {
  struct Case {
    float value;
    char separator;
    const char* text;
  };
  const Case cases[] = {
      {0.3f, '.', "0.3"},       {0.25f, '.', "0.25"},   {0.1f, ',', "0,1"},
      {3.0f, '.', "3"},         {150.0f, '.', "150"},   {100000.0f, '.', "100000"},
      {-12.5f, ',', "-12,5"},   {0.0f, '.', "0"},       {0.00002f, '.', "0.00002"},
      {0.000001f, '.', "1E-6"}, {1.5e20f, '.', "1.5E20"}, {123.456f, '.', "123.456"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value, c.separator), c.text) << c.value;
  }
}

} // namespace
} // namespace turnsim
