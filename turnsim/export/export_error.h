// The failure of an export: a file that could not be written or a template that could not be
// used. The target file is left as it was; the text says what went wrong, for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace turnsim {

class ExportError : public std::runtime_error {
public:
  explicit ExportError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace turnsim
