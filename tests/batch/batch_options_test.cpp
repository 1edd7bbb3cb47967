// turnsim-batch's command line: values are checked and a bad argument is refused with a reason.
#include "turnsim/batch/batch_options.h"

#include <gtest/gtest.h>

namespace turnsim {
namespace {

TEST(BatchOptions, ReadsEveryOption) {
  const ParsedOptions p = ParseBatchOptions(
      {"--machine", "2", "--step", "0.5", "--binary", "--write-binary", "--line-approx", "5",
       "--radial-approx", "36", "--angles", "10,-20.5,30", "--steps", "7", "--list", "l.txt",
       "--summary-json", "s.json", "--quiet", "part.~~"});
  ASSERT_EQ(p.error, "");
  const BatchOptions& o = p.options;
  EXPECT_EQ(o.model, "part.~~");
  EXPECT_EQ(o.machine, 2);
  EXPECT_FLOAT_EQ(o.animationStep, 0.5f);
  EXPECT_TRUE(o.binary && o.writeBinary && o.quiet);
  EXPECT_EQ(o.lineApprox, 5);
  EXPECT_EQ(o.radialApprox, 36);
  EXPECT_FLOAT_EQ(o.angleY, -20.5f);
  EXPECT_FLOAT_EQ(o.angleZ, 30.0f);
  EXPECT_EQ(o.steps, 7);
  EXPECT_EQ(o.listFile, "l.txt");
  EXPECT_EQ(o.summaryJson, "s.json");
}

TEST(BatchOptions, DefaultsAndHelpWithoutModel) {
  const ParsedOptions p = ParseBatchOptions({"m.~~"});
  EXPECT_EQ(p.error, "");
  EXPECT_FLOAT_EQ(p.options.animationStep, 3.0f);
  EXPECT_FALSE(p.options.machine.has_value());
  EXPECT_EQ(ParseBatchOptions({"--help"}).error, "");
  EXPECT_EQ(ParseBatchOptions({"--version"}).error, "");
}

TEST(BatchOptions, RefusesBadArguments) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--frobnicate", "m.~~"},
      {"--machine", "x", "m.~~"},
      {"--machine", "-1", "m.~~"},
      {"--step", "3mm", "m.~~"},
      {"--step", "nan", "m.~~"},
      {"--angles", "1,2", "m.~~"},
      {"--steps", "m.~~"},
      {"--radial-approx", "2", "m.~~"},
      {"a.~~", "b.~~"},
      {"m.~~", "--list"},
  };
  for (const auto& args : bad) {
    EXPECT_NE(ParseBatchOptions(args).error, "") << (args.empty() ? "(none)" : args[0]);
  }
}

} // namespace
} // namespace turnsim
