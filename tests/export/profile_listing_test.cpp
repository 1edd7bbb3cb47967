// The profile listing: one line per element, six decimals per number, the marks in words.
#include "turnsim/export/profile_listing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/export/dxf_test_support.h"
#include "tests/export/golden.h"

namespace turnsim {
namespace {

using testing::Arc;
using testing::ExpectMatchesGolden;
using testing::Line;
using testing::SampleProfile;

std::vector<std::string> Listing(Contour& profile) {
  ProfileWriter writer;
  writer.SetProfile(profile);
  return ProfileListing(writer);
}

TEST(ProfileListing, ListsEveryElementInOrder) {
  Contour profile = SampleProfile();
  std::string text;
  for (const std::string& line : Listing(profile)) {
    text += line + "\n";
  }
  ExpectMatchesGolden(text, "profile_listing.txt");
}

// A line of the model that carries a centre from the file is listed with centre and radius 0.
TEST(ProfileListing, LineOfTheModel) {
  Contour profile{Line(20, 0, 20, -35.5f)};
  profile[0].cutZone = 1;
  profile[0].centre = {4, 4};
  EXPECT_THAT(Listing(profile),
              ::testing::ElementsAre("1, Line: <Zn 0.000000, Xn 20.000000>, <Zk -35.500000, Xk "
                                     "20.000000>, <Zc 0.000000, Xc 0.000000>, Radius: 0.000000, "
                                     "Spindle:No , Cut Zone: Cutting"));
}

TEST(ProfileListing, NumbersAndMarks) {
  Contour profile{Arc({0.25f, 0.0000005f}, {5, -2.5f}, {2.5f, 0}, -2.5f)};
  profile[0].type = 7;
  profile[0].spindle = 1;
  EXPECT_THAT(Listing(profile),
              ::testing::ElementsAre("1, Circle: <Zn 0.000000, Xn 0.250000>, <Zk -2.500000, Xk "
                                     "5.000000>, <Zc 0.000000, Xc 2.500000>, Radius: -2.500000, "
                                     "Spindle:Yes, Cut Zone: No cutting"));
  Contour empty;
  EXPECT_TRUE(Listing(empty).empty());
  EXPECT_TRUE(ProfileListing(ProfileWriter()).empty());
}

} // namespace
} // namespace turnsim
