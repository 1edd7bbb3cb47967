// The DXF drawing of the profile: template text copied around the extents and the LINE and ARC
// entities, with numbers in three significant digits.
#include "turnsim/export/profile_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "turnsim/export/atomic_file.h"
#include "turnsim/export/export_error.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

// Template lines that the header copy may hold: the 26 header lines were read into a buffer of
// 50 characters.
constexpr std::size_t kMaxTemplateLine = 49;
constexpr int kHeaderLines = 26;

// A number in general notation with three significant digits, as printf's "%.3g" in the C
// locale: 12.345 -> 12.3, 150 -> 150, 1500 -> 1.5e+03.
std::string Number(double v) {
  std::array<char, 64> buffer{};
  const auto printed =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::general, 3);
  return std::string(buffer.data(), printed.ptr);
}

// Upper-case hexadecimal without leading zeros.
std::string Handle(unsigned value) {
  std::array<char, 16> buffer{};
  const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, 16);
  std::string text(buffer.data(), printed.ptr);
  for (char& c : text) {
    if (c >= 'a' && c <= 'f') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return text;
}

void StripCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

// Copies what is left of a template line by line; characters after the last line feed are not
// a line and are not copied.
void CopyCompleteLines(std::istream& in, std::string& text) {
  std::string line;
  char c = 0;
  while (in.get(c)) {
    if (c == '\n') {
      StripCarriageReturn(line);
      text += line;
      text += '\n';
      line.clear();
    } else {
      line += c;
    }
  }
}

void Line(std::string& text, std::string_view line) {
  text += line;
  text += '\n';
}

std::string ReadTemplate(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw ExportError("Can't open DXF template file " + path.string() + ".");
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    throw ExportError("Can't read DXF template file " + path.string() + ".");
  }
  return content.str();
}

// Start angle and end angle of an arc as a DXF arc, which always runs counter-clockwise.
std::pair<float, float> DxfArcAngles(const Otr& arc) {
  float s = Trigonom(arc.centre, arc.start);
  float e = Trigonom(arc.centre, arc.end);
  if (ToHundredths(s) == 36000) {
    s = 0.0f;
  }
  if (ToHundredths(e) == 0) {
    e = 360.0f;
  }
  // A positive radius runs clockwise: the same arc counter-clockwise runs from end to start.
  if (arc.radius > 0) {
    return {e, s};
  }
  return {s, e};
}

const Contour& EmptyContour() {
  static const Contour empty;
  return empty;
}

} // namespace

void ProfileWriter::SetProfile(Contour& profile) {
  profile_ = &profile;
  for (Otr& element : profile) {
    if (element.type == kLine) {
      element.radius = 0.0f;
      element.centre.X = 0.0f;
      element.centre.Z = 0.0f;
    }
  }
  bounds_ = ContourBounds(profile);
}

const Contour& ProfileWriter::profile() const {
  return profile_ != nullptr ? *profile_ : EmptyContour();
}

XZSegment ProfileWriter::DrawingExtents() const {
  XZSegment extents = bounds_;
  const Contour& elements = profile();
  if (elements.empty()) {
    return extents;
  }
  // ContourBounds leaves the last end point out; a profile that ends lowest or farthest left
  // would otherwise reach outside its extents.
  const XZPoint last = elements.back().end;
  if (LessH(last.X, extents.first.X))
    extents.first.X = last.X;
  if (LessH(last.Z, extents.first.Z))
    extents.first.Z = last.Z;
  if (LessH(extents.second.X, last.X))
    extents.second.X = last.X;
  if (LessH(extents.second.Z, last.Z))
    extents.second.Z = last.Z;
  return extents;
}

void ProfileWriter::WriteDxf(std::ostream& out, std::istream& headerTemplate,
                             std::istream& footerTemplate) const {
  std::string text;

  std::string line;
  for (int number = 1; number <= kHeaderLines; ++number) {
    if (!std::getline(headerTemplate, line)) {
      throw ExportError("The DXF template ddff1.ibm ends at line " + std::to_string(number - 1) +
                        "; its line 26 must be $EXTMIN.");
    }
    StripCarriageReturn(line);
    if (line.size() > kMaxTemplateLine) {
      throw ExportError("Line " + std::to_string(number) +
                        " of the DXF template ddff1.ibm is longer than 49 characters.");
    }
    Line(text, line);
  }
  if (TrimRight(line) != "$EXTMIN") {
    throw ExportError("Line 26 of the DXF template ddff1.ibm is not $EXTMIN.");
  }
  if (headerTemplate.peek() != '$') {
    throw ExportError("Line 27 of the DXF template ddff1.ibm does not name a header variable.");
  }

  // The drawing's x is the lathe's Z, shifted so that a profile reaching negative Z starts at 0;
  // its y is the radial X.
  const XZSegment extents = DrawingExtents();
  const float offset = extents.first.Z < 0 ? std::fabs(extents.first.Z) : 0.0f;
  auto x = [offset](float z) { return Number(z + offset); };
  auto y = [](float radial) { return Number(radial); };

  Line(text, "10");
  Line(text, x(extents.first.Z));
  Line(text, "20");
  Line(text, y(extents.first.X));
  Line(text, "30");
  Line(text, "0.0");
  Line(text, "9");
  Line(text, "$EXTMAX");
  Line(text, "10");
  Line(text, x(extents.second.Z));
  Line(text, "20");
  Line(text, y(extents.second.X));
  Line(text, "30");
  Line(text, "0.0");
  Line(text, "9");
  CopyCompleteLines(headerTemplate, text);

  unsigned handle = kFirstEntityHandle;
  for (const Otr& element : profile()) {
    const bool isLine = element.type == kLine;
    Line(text, "  0");
    Line(text, isLine ? "LINE" : "ARC");
    Line(text, "  5");
    Line(text, Handle(handle++));
    Line(text, "330");
    Line(text, "1F");
    Line(text, "100");
    Line(text, "AcDbEntity");
    Line(text, "  8");
    Line(text, "0");
    if (isLine) {
      Line(text, "100");
      Line(text, "AcDbLine");
      Line(text, "  10");
      Line(text, x(element.start.Z));
      Line(text, "  20");
      Line(text, y(element.start.X));
      Line(text, "  30");
      Line(text, "0.0");
      Line(text, "  11");
      Line(text, x(element.end.Z));
      Line(text, "  21");
      Line(text, y(element.end.X));
      Line(text, "  31");
      Line(text, "0.0");
    } else {
      const auto [startAngle, endAngle] = DxfArcAngles(element);
      Line(text, "100");
      Line(text, "AcDbCircle");
      Line(text, "  10");
      Line(text, x(element.centre.Z));
      Line(text, "  20");
      Line(text, y(element.centre.X));
      Line(text, "  30");
      Line(text, "0.0");
      Line(text, "  40");
      Line(text, Number(std::fabs(element.radius)));
      Line(text, "100");
      Line(text, "AcDbArc");
      Line(text, "  50");
      Line(text, Number(startAngle));
      Line(text, "  51");
      Line(text, Number(endAngle));
    }
  }
  Line(text, "  0");
  CopyCompleteLines(footerTemplate, text);

  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void ProfileWriter::WriteDxf(const std::filesystem::path& fileName,
                             const std::filesystem::path& templateFolder) const {
  // Both templates are read before the target is touched.
  const std::string header = ReadTemplate(templateFolder / kDxfHeaderTemplate);
  const std::string footer = ReadTemplate(templateFolder / kDxfFooterTemplate);
  std::ostringstream text;
  std::istringstream headerStream(header);
  std::istringstream footerStream(footer);
  WriteDxf(text, headerStream, footerStream);
  const std::string content = text.str();
  WriteFileAtomically(fileName, [&content](std::ostream& out) {
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
  });
}

} // namespace turnsim
