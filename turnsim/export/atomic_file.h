// Writing a file so that it is either replaced completely or not at all: the text goes to a
// temporary file in the target's folder, which is renamed over the target when complete.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace turnsim {

// Calls `write` with a stream on a new temporary file beside `target`, then renames the file over
// `target`. Throws ExportError when the file cannot be created, written or renamed; an exception
// thrown by `write` is passed on unchanged. On every failure the temporary file is removed and
// `target` is left as it was. A replaced target keeps its permissions. Text is written as is
// (line ends are LF).
void WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<void(std::ostream&)>& write);

} // namespace turnsim
