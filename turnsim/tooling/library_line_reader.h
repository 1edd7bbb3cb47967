// Reads the lines of a tool library text one character at a time, the way the library formats
// are defined: a line ends at its line end (LF, with a CR before it dropped) or at the end of
// the file, and in some sections also at an "&".
#pragma once

#include <istream>
#include <string>

namespace turnsim {

class LibraryLineReader {
public:
  explicit LibraryLineReader(std::istream& in) : in_(in) {}

  // Reads the next line into `line`. Returns false, with `line` empty, when the file has no
  // character left. Lines of any length are read whole.
  bool ReadLine(std::string& line);

  // Like ReadLine, but an "&" also ends the line; it is consumed and `metAmpersand` is set.
  bool ReadLineToAmpersand(std::string& line, bool& metAmpersand);

  // Skips characters up to and including the next "&". False when the file ends first.
  bool SkipPastAmpersand();

  // Skips one character. False at the end of the file.
  bool SkipChar();

private:
  bool ReadUntil(std::string& line, bool stopAtAmpersand, bool& metAmpersand);

  std::istream& in_;
};

} // namespace turnsim
