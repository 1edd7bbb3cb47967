// Tests of the field helpers of the tool libraries: tool keys, the decimal-separator rule,
// number conversion, outline pairs and insert-type lines.
#include <gtest/gtest.h>

#include <optional>

#include "tests/tooling/tool_library_test_util.h"
#include "turnsim/tooling/tool_library.h"

namespace turnsim {
namespace {

using testing::ExpectFatal;

TEST(ToolLibraryInstKey, TwoDigitsFollowedByZero) {
  const struct {
    std::int32_t n;
    const char* key;
  } cases[] = {{0, "000"}, {5, "050"}, {7, "070"}, {10, "100"}, {12, "120"}, {99, "990"}};
  for (const auto& c : cases) {
    EXPECT_EQ(InstKey(c.n), c.key) << c.n;
  }
}

TEST(ToolLibraryInstKey, NumbersOutsideTwoDigitsAreRefused) {
  for (std::int32_t n : {100, 101, 1000, -1}) {
    ExpectFatal([n] { InstKey(n); }, "Incorrect instrument number in Inst.lib", 1);
  }
}

TEST(ToolLibraryFixDecimal, ReplacesOnlyTheFirstForeignSeparator) {
  const struct {
    const char* text;
    char separator;
    const char* fixed;
  } cases[] = {
      {"12.5", '.', "12.5"},
      {"12,5", '.', "12.5"},
      {"1,5,3", '.', "1.5,3"},
      {"1.5,3", '.', "1.5.3"},
      {"", '.', ""},
      {"12.5", ',', "12,5"},
      {"1.5.3", ',', "1,5.3"},
      {"12,5", ',', "12,5"},
      {"a.b.c", ',', "a,b.c"},
      {"x,y", '.', "x.y"},
      {"    2,25", '.', "    2.25"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FixDecimal(c.text, c.separator), c.fixed) << c.text << " with " << c.separator;
  }
}

TEST(ToolLibraryNumber, ConvertsDecimalTexts) {
  const struct {
    const char* text;
    char separator;
    float value;
  } cases[] = {
      {"12.5", '.', 12.5f}, {" -4 ", '.', -4.0f}, {"+3", '.', 3.0f},      {"1e2", '.', 100.0f},
      {".5", '.', 0.5f},    {"5.", '.', 5.0f},    {"0.8", '.', 0.8f},     {"4.76", '.', 4.76f},
      {"12,5", ',', 12.5f}, {"-0,8", ',', -0.8f}, {"2.5E-1", '.', 0.25f}, {"\t7\t", '.', 7.0f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LibraryNumber(c.text, c.separator), c.value) << c.text;
  }
}

TEST(ToolLibraryNumber, RefusesTextsThatAreNotNumbers) {
  const struct {
    const char* text;
    char separator;
  } cases[] = {
      {"", '.'},    {"   ", '.'},  {"abc", '.'}, {"1.5.3", '.'}, {"1,5", '.'},   {"1.5", ','},
      {"1e", '.'},  {"1e+", '.'},  {"inf", '.'}, {"nan", '.'},   {"1 2", '.'},   {"--1", '.'},
      {"+-1", '.'}, {"1e99", '.'}, {".", '.'},   {"0x10", '.'},  {"1,5.3", ','}, {"12a", '.'},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(LibraryNumber(c.text, c.separator), ConversionError) << '"' << c.text << '"';
  }
}

// The libraries are read with "." whatever the user's separator; that is sound only because
// the rule followed by the conversion gives the same result for either system separator.
TEST(ToolLibraryNumber, ResultDoesNotDependOnTheSystemSeparator) {
  const auto convert = [](const char* text, char separator) -> std::optional<float> {
    try {
      return LibraryNumber(FixDecimal(text, separator), separator);
    } catch (const ConversionError&) {
      return std::nullopt;
    }
  };
  for (const char* text : {"12.5", "12,5", "1.5.3", "1,5,3", "1.5,3", "1,5.3", "-0.25", "7", "1e3",
                           "2,5e-1", "x", ""}) {
    EXPECT_EQ(convert(text, '.'), convert(text, ',')) << text;
  }
  // With the system separator ",": 12.5 reads as 12.5 and 1.5.3 is not a number.
  EXPECT_EQ(convert("12.5", ','), 12.5f);
  EXPECT_EQ(convert("1.5.3", ','), std::nullopt);
}

TEST(ToolLibrarySplitPair, SplitsColumnEightOnAtTheFirstComma) {
  const struct {
    const char* line;
    const char* first;
    const char* second;
  } cases[] = {
      {"       10.5,-3", "10.5", "-3"},
      {"xxxxxxx1,2,3", "1", "2,3"},
      {"       5", "5", ""},
      {"1234567,7", "", "7"},
      {"short", "", ""},
      {"       ,", "", ""},
  };
  for (const auto& c : cases) {
    const StrinG pair = SplitPair(c.line);
    EXPECT_EQ(pair.first, c.first) << c.line;
    EXPECT_EQ(pair.second, c.second) << c.line;
  }
}

TEST(ToolLibraryParseCutType, ReadsTheFiveStarFields) {
  const struct {
    const char* line;
    const char* name;
    const char* code;
    float v1, v2, v3;
  } cases[] = {
      {"01 TRI*T *0.5*1*2", "TRI", "T", 0.5f, 1.0f, 2.0f},
      {"02XA*BC_*1,5*2,25*3e1", "A", "BC", 1.5f, 2.25f, 30.0f},
      {"03 * *1*2*3", "", "", 1.0f, 2.0f, 3.0f},
      {"04 N**1*2*3", "N", "", 1.0f, 2.0f, 3.0f},
      {"05 N*C *1*2* 3 ", "N", "C", 1.0f, 2.0f, 3.0f},
  };
  for (const auto& c : cases) {
    const CutTYPE t = ParseCutType(c.line);
    EXPECT_EQ(t.typeName, c.name) << c.line;
    EXPECT_EQ(t.typeCode, c.code) << c.line;
    EXPECT_EQ(t.typeValue1, c.v1) << c.line;
    EXPECT_EQ(t.typeValue2, c.v2) << c.line;
    EXPECT_EQ(t.typeValue3, c.v3) << c.line;
  }
}

TEST(ToolLibraryParseCutType, MissingOrBadValueIsAConversionError) {
  for (const char* line : {"01 TRI*T *x*1*2", "01 TRI*T *1*2", "01 TRI*T *1*2*", "01 TRI", "01", "",
                           "01 TRI*T *1*2*3*4", "01 TRI*T *1.5.3*1*2"}) {
    EXPECT_THROW(ParseCutType(line), ConversionError) << line;
  }
}

} // namespace
} // namespace turnsim
