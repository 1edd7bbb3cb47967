// Readers of inst.lib, dev.lib and cut.lib, the field helpers they share, and the tool load
// that assembles one tool from the three libraries.
#include "turnsim/tooling/tool_library.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>
#include <utility>

#include "turnsim/geometry/messages.h"
#include "turnsim/tooling/library_line_reader.h"

namespace turnsim {

namespace {

// The line from 1-based column `column` to its end; empty when the line is shorter.
std::string FromColumn(std::string_view line, std::size_t column) {
  return column - 1 < line.size() ? std::string(line.substr(column - 1)) : std::string();
}

// True when the first `count` characters of a and b are equal as C strings would compare
// them: a text shorter than `count` matches only a text ending at the same place.
bool SamePrefix(std::string_view a, std::string_view b, std::size_t count) {
  return a.substr(0, std::min(count, a.size())) == b.substr(0, std::min(count, b.size()));
}

bool StartsWith(std::string_view line, std::string_view key) {
  return line.size() >= key.size() && line.compare(0, key.size(), key) == 0;
}

// A record line that is read for a number: the decimal rule, then padded to five characters
// so that a short line still has something from column 6 on.
std::string PaddedLine(std::string_view line) {
  std::string fixed = FixDecimal(line);
  if (fixed.size() < 5) {
    fixed += " 0";
  }
  return fixed;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::ifstream OpenLibrary(const std::filesystem::path& folder, const char* fileName,
                          const char* failure) {
  const std::filesystem::path path =
      folder.empty() ? std::filesystem::path(fileName) : folder / fileName;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    throw FatalExit(failure, 1);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    throw FatalExit(failure, 1);
  }
  return in;
}

constexpr const char* kCantFindInst = "Can't find tool in inst.lib";
constexpr const char* kWrongInst = "Wrong INST.LIB file.";
constexpr const char* kCantFindDev = "Can't find tool in dev.lib";
constexpr const char* kCantFindAmpersand = "Cant find & simbol";

} // namespace

std::string InstKey(std::int32_t n) {
  if (n < 0 || n >= 100) {
    throw FatalExit("Incorrect instrument number in Inst.lib", 1);
  }
  std::string key;
  key += static_cast<char>('0' + n / 10);
  key += static_cast<char>('0' + n % 10);
  key += '0';
  return key;
}

std::string FixDecimal(std::string_view text, char separator) {
  std::string fixed(text);
  const char other = separator == ',' ? '.' : ',';
  const std::size_t at = fixed.find(other);
  if (at != std::string::npos) {
    fixed[at] = separator;
  }
  return fixed;
}

float LibraryNumber(std::string_view text, char separator) {
  const auto refuse = [&]() -> float {
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
  };
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && IsBlank(text[b])) {
    ++b;
  }
  while (e > b && IsBlank(text[e - 1])) {
    --e;
  }
  // Rebuild the number in the form from_chars reads: no "+" sign, "." as the separator.
  std::string plain;
  std::size_t i = b;
  if (i < e && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') {
      plain += '-';
    }
    ++i;
  }
  std::size_t digits = 0;
  while (i < e && IsDigit(text[i])) {
    plain += text[i++];
    ++digits;
  }
  if (i < e && text[i] == separator) {
    plain += '.';
    ++i;
    while (i < e && IsDigit(text[i])) {
      plain += text[i++];
      ++digits;
    }
  }
  if (digits == 0) {
    return refuse();
  }
  if (i < e && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
      plain += text[i++];
    }
    std::size_t exponentDigits = 0;
    while (i < e && IsDigit(text[i])) {
      plain += text[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) {
      return refuse();
    }
  }
  if (i != e) {
    return refuse();
  }
  float value = 0.0f;
  const char* first = plain.data();
  const char* last = plain.data() + plain.size();
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || end != last) {
    return refuse();
  }
  return value;
}

StrinG SplitPair(std::string_view line) {
  const std::string s = FromColumn(line, 8);
  const std::size_t comma = s.find(',');
  if (comma == std::string::npos) {
    return {s, std::string()};
  }
  return {s.substr(0, comma), s.substr(comma + 1)};
}

CutTYPE ParseCutType(std::string_view line) {
  std::string s = FromColumn(line, 4);
  bool missing = false;
  // Takes the text before the next "*" and drops it with the "*" from s; the last field is
  // the rest of s.
  const auto nextField = [&]() {
    const std::size_t star = s.find('*');
    std::string field;
    if (star == std::string::npos) {
      field = std::move(s);
      s.clear();
      missing = true;
    } else {
      field = s.substr(0, star);
      s.erase(0, star + 1);
    }
    return field;
  };
  CutTYPE t;
  t.typeName = nextField();
  std::string code = nextField();
  // The code is written with one trailing character (a blank) that is not part of it.
  if (!code.empty()) {
    code.pop_back();
  }
  t.typeCode = std::move(code);
  const std::string v1 = missing ? std::string() : nextField();
  t.typeValue1 = LibraryNumber(FixDecimal(v1));
  const std::string v2 = missing ? std::string() : nextField();
  t.typeValue2 = LibraryNumber(FixDecimal(v2));
  t.typeValue3 = LibraryNumber(FixDecimal(missing ? std::string() : s));
  return t;
}

INST ReadInstRecord(std::int32_t n, std::istream& lib) {
  const std::string key = InstKey(n);
  LibraryLineReader reader(lib);
  std::string line;
  for (;;) {
    if (!reader.ReadLine(line)) {
      throw FatalExit(kCantFindInst, 0);
    }
    if (StartsWith(line, key)) {
      break;
    }
  }
  INST r;
  r.title = FromColumn(line, 5);
  float* const numbers[] = {&r.mainAngle,  &r.instParam2, &r.instParam3,
                            &r.instParam4, &r.instParam5, &r.instParam6};
  for (int i = 1; i <= 9; ++i) {
    // A record that the file ends before its ninth line is as malformed as one cut by "&".
    if (!reader.ReadLine(line) || line.find('&') != std::string::npos) {
      throw FatalExit(kWrongInst, 0);
    }
    const std::string fixed = FixDecimal(line);
    if (i == 1) {
      r.holderName = FromColumn(fixed, 5);
    } else if (i == 2) {
      r.insertName = FromColumn(fixed, 5);
    } else if (i <= 8) {
      *numbers[i - 3] = LibraryNumber(FromColumn(fixed, 5));
    } else {
      r.code = fixed.size() >= 5 ? fixed.substr(4, 1) : std::string();
    }
  }
  return r;
}

INST ReadInstRecord(std::int32_t n, const std::filesystem::path& folder) {
  std::ifstream in = OpenLibrary(folder, "inst.lib", "Can't open INST.LIB");
  return ReadInstRecord(n, in);
}

DevINFO ReadHolder(std::string_view h, std::istream& lib) {
  LibraryLineReader reader(lib);
  std::string line;
  // An empty name (a short first record line in inst.lib) names no holder; it would otherwise
  // match the first empty line.
  for (;;) {
    if (!reader.ReadLine(line)) {
      throw FatalExit(kCantFindDev, 0);
    }
    if (!h.empty() && SamePrefix(line, h, 6)) {
      break;
    }
  }
  DevINFO d;
  d.name = FromColumn(line, 8);
  // Outline phase, up to the line with "60" in columns 5 and 6. A record that the file ends
  // early is reported as a holder the library does not have.
  for (;;) {
    if (!reader.ReadLine(line)) {
      throw FatalExit(kCantFindDev, 0);
    }
    if (line.size() >= 6 && line.compare(4, 2, "60") == 0) {
      d.holderParam0 = LibraryNumber(FromColumn(FixDecimal(line), 8));
      break;
    }
    if (d.pointCount == kMaxHolderPoints) {
      throw FatalExit("Holder " + std::string(h) + " in DEV.LIB has more than " +
                          std::to_string(kMaxHolderPoints) + " outline points",
                      0);
    }
    StrinG pair = SplitPair(line);
    d.points.push_back(std::move(pair.first));
    d.points.push_back(std::move(pair.second));
    ++d.pointCount;
  }
  float* const params[] = {&d.holderParam1, &d.holderParam2, &d.holderParam3, &d.holderParam4,
                           &d.holderParam5, &d.holderParam6, &d.holderParam7, &d.holderParam8,
                           &d.holderParam9, &d.holderParam10};
  for (int i = 1; i <= 11; ++i) {
    if (!reader.ReadLine(line)) {
      throw FatalExit(kCantFindDev, 0);
    }
    if (i <= 10) {
      *params[i - 1] = LibraryNumber(FromColumn(PaddedLine(line), 8));
    }
  }
  return d;
}

DevINFO ReadHolder(std::string_view h, const std::filesystem::path& folder) {
  std::ifstream in = OpenLibrary(folder, "dev.lib", "Can't open DEV.LIB");
  return ReadHolder(h, in);
}

namespace {

void RequireInsertName(std::string_view c) {
  if (c.size() < 5) {
    throw FatalExit(
        "Insert name \"" + std::string(c) + "\" in INST.LIB is shorter than five characters", 0);
  }
}

} // namespace

CutGEOM ReadInsert(std::string_view c, std::istream& lib) {
  RequireInsertName(c);
  const std::string typeKey = std::string("0") + c[4];
  LibraryLineReader reader(lib);
  std::string line;
  bool metAmpersand = false;
  CutGEOM g;

  // Section 1: the type table up to its "&". A line holding the "&" ends there and its text
  // before the "&" is a table line like the others.
  for (;;) {
    if (!reader.ReadLineToAmpersand(line, metAmpersand)) {
      throw FatalExit(kCantFindAmpersand, 0);
    }
    if (StartsWith(line, typeKey)) {
      g.type = ParseCutType(line);
      break;
    }
    if (metAmpersand) {
      throw FatalExit(kCantFindAmpersand, 0);
    }
  }
  if (!metAmpersand && !reader.SkipPastAmpersand()) {
    throw FatalExit(kCantFindAmpersand, 0);
  }
  reader.SkipChar(); // the line feed after the "&"

  // Section 2: the header of the insert, or the "&" that ends the section. Without a header
  // the geometry lines are those after the "&".
  const std::string_view headerKey = c.substr(0, 4);
  for (;;) {
    if (!reader.ReadLineToAmpersand(line, metAmpersand)) {
      throw FatalExit(kCantFindAmpersand, 0);
    }
    if (StartsWith(line, headerKey)) {
      g.name = FromColumn(line, 6);
      g.kind = g.name.substr(0, 1);
      break;
    }
    if (metAmpersand) {
      break;
    }
  }

  float* const numbers[] = {&g.clearanceAngle, &g.sideLength, &g.thickness, &g.noseRadius};
  for (int i = 1; i <= 7; ++i) {
    // A record that the file ends before its closing line is refused like a missing section end.
    if (!reader.ReadLine(line)) {
      throw FatalExit(kCantFindAmpersand, 0);
    }
    const std::string padded = PaddedLine(line);
    if (i == 1) {
      g.shapeText = FromColumn(padded, 6);
    } else if (i <= 5) {
      *numbers[i - 2] = LibraryNumber(FromColumn(padded, 6));
    } else if (i == 6) {
      g.cutText = FromColumn(padded, 6);
    }
  }
  return g;
}

CutGEOM ReadInsert(std::string_view c, const std::filesystem::path& folder) {
  RequireInsertName(c);
  std::ifstream in = OpenLibrary(folder, "cut.lib", "Can't open CUT.LIB");
  return ReadInsert(c, in);
}

LoadedToolTitles TOOL_CLASS::LoadTool(std::int32_t n, const std::filesystem::path& folder) {
  number = n;
  INST r = ReadInstRecord(n, folder);
  DevINFO holder = ReadHolder(r.holderName, folder);
  CutGEOM insert = ReadInsert(r.insertName, folder);

  ToolINFO next;
  next.title = std::move(r.title);
  next.numberText = "0" + std::to_string(n);
  next.mainAngle = r.mainAngle;
  next.instParam2 = r.instParam2;
  next.instParam3 = r.instParam3;
  next.instParam4 = r.instParam4;
  next.instParam5 = r.instParam5;
  next.instParam6 = r.instParam6;
  next.code = std::move(r.code);
  next.hand = holder.name.size() >= 5 ? holder.name.substr(4, 1) : std::string();
  next.cut = std::move(insert);
  next.holder = std::move(holder);

  info = std::move(next);
  shapeBuilt = false;
  return {info.holder.name, info.cut.name};
}

} // namespace turnsim
