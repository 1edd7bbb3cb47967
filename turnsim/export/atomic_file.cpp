// Whole-or-nothing file replacement through a temporary file and a rename.
#include "turnsim/export/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <string>
#include <system_error>

#include "turnsim/export/export_error.h"

namespace turnsim {

namespace {

namespace fs = std::filesystem;

std::string ErrnoText(int error) {
  return std::generic_category().message(error);
}

// Creates a new, empty file with a name of its own beside `target` and returns its path. The
// name is taken with O_EXCL, so no other file is ever truncated by mistake.
fs::path CreateTemporaryBeside(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  const fs::path folder = target.parent_path();
  const std::string stem = "." + target.filename().string() + ".tmp";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string suffix = std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                               std::to_string(static_cast<unsigned long long>(ticks) % 1000000);
    const fs::path candidate = folder / (stem + suffix);
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return candidate;
    }
    if (errno != EEXIST) {
      throw ExportError("Can't create " + target.string() + ": " + ErrnoText(errno) + ".");
    }
  }
  throw ExportError("Can't create " + target.string() + ": no free temporary name.");
}

// Flushes the file's data to the disk, so that the rename never exposes a file still in the
// page cache only. Returns 0 or the errno value of the failure.
int SyncFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return errno;
  }
  const int result = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return result;
}

// Removes the temporary file on every way out unless the rename took it.
class TemporaryFile {
public:
  explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!path_.empty()) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const fs::path& path() const { return path_; }
  void Release() { path_.clear(); }

private:
  fs::path path_;
};

} // namespace

void WriteFileAtomically(const fs::path& target, const std::function<void(std::ostream&)>& write) {
  TemporaryFile temporary(CreateTemporaryBeside(target));

  std::error_code error;
  const fs::file_status existing = fs::status(target, error);
  if (!error && fs::is_regular_file(existing)) {
    fs::permissions(temporary.path(), existing.permissions(), fs::perm_options::replace, error);
  }

  {
    std::ofstream out(temporary.path(), std::ios::binary | std::ios::trunc);
    if (!out) {
      throw ExportError("Can't create " + target.string() + ".");
    }
    write(out);
    out.flush();
    if (!out) {
      throw ExportError("Can't write " + target.string() + ".");
    }
    out.close();
    if (out.fail()) {
      throw ExportError("Can't write " + target.string() + ".");
    }
  }
  if (const int syncError = SyncFile(temporary.path()); syncError != 0) {
    throw ExportError("Can't write " + target.string() + ": " + ErrnoText(syncError) + ".");
  }
  fs::rename(temporary.path(), target, error);
  if (error) {
    throw ExportError("Can't replace " + target.string() + ": " + error.message() + ".");
  }
  temporary.Release();
}

} // namespace turnsim
