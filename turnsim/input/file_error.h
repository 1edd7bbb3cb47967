// The error raised when a file that a command needs cannot be opened, read or written. The
// application's default error handler shows its text; the command stops and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace turnsim {

class FileError : public std::runtime_error {
public:
  explicit FileError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace turnsim
