// Line reading for the tool libraries.
#include "turnsim/tooling/library_line_reader.h"

namespace turnsim {

bool LibraryLineReader::ReadUntil(std::string& line, bool stopAtAmpersand, bool& metAmpersand) {
  line.clear();
  metAmpersand = false;
  bool readAny = false;
  std::streambuf* buf = in_.rdbuf();
  if (buf == nullptr || !in_.good()) {
    return false;
  }
  for (;;) {
    const int c = buf->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in_.setstate(std::ios::eofbit);
      break;
    }
    readAny = true;
    if (c == '\n') {
      break;
    }
    if (stopAtAmpersand && c == '&') {
      metAmpersand = true;
      return true;
    }
    line.push_back(static_cast<char>(c));
  }
  // The CR of a CR LF line end (or of a last line without its LF) is not part of the line.
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return readAny;
}

bool LibraryLineReader::ReadLine(std::string& line) {
  bool metAmpersand = false;
  return ReadUntil(line, false, metAmpersand);
}

bool LibraryLineReader::ReadLineToAmpersand(std::string& line, bool& metAmpersand) {
  return ReadUntil(line, true, metAmpersand);
}

bool LibraryLineReader::SkipPastAmpersand() {
  std::streambuf* buf = in_.rdbuf();
  if (buf == nullptr || !in_.good()) {
    return false;
  }
  for (;;) {
    const int c = buf->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in_.setstate(std::ios::eofbit);
      return false;
    }
    if (c == '&') {
      return true;
    }
  }
}

bool LibraryLineReader::SkipChar() {
  std::streambuf* buf = in_.rdbuf();
  if (buf == nullptr || !in_.good()) {
    return false;
  }
  if (buf->sbumpc() == std::char_traits<char>::eof()) {
    in_.setstate(std::ios::eofbit);
    return false;
  }
  return true;
}

} // namespace turnsim
