// The whole-or-nothing file replacement that every export writes through: a failed write never
// leaves a half-written target nor a temporary file behind.
#include "turnsim/export/atomic_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "tests/export/golden.h"
#include "tests/export/temp_folder.h"
#include "turnsim/export/export_error.h"

namespace turnsim {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempWorkingFolder;
using testing::WriteWholeFile;

std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(WriteFileAtomically, ReplacesTheTargetAndLeavesNothingElse) {
  TempWorkingFolder folder;
  WriteWholeFile("out.txt", "old contents\n");
  ::chmod("out.txt", 0640);

  WriteFileAtomically("out.txt", [](std::ostream& out) { out << "new\nlines\n"; });

  EXPECT_EQ(ReadWholeFile("out.txt"), "new\nlines\n");
  EXPECT_EQ(EntriesIn(folder.path()), 1u);
  EXPECT_EQ(fs::status("out.txt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(WriteFileAtomically, CreatesANewFileInAnotherFolder) {
  TempWorkingFolder folder;
  fs::create_directory("sub");
  WriteFileAtomically(folder.path() / "sub" / "a.x", [](std::ostream& out) { out << "x"; });
  EXPECT_EQ(ReadWholeFile("sub/a.x"), "x");
  EXPECT_EQ(EntriesIn("sub"), 1u);
}

// The writer fails half way: the old file must survive untouched and the exception must reach
// the caller as it was thrown.
TEST(WriteFileAtomically, AFailingWriterLeavesTheTargetAsItWas) {
  TempWorkingFolder folder;
  WriteWholeFile("out.txt", "old contents\n");
  EXPECT_THROW(WriteFileAtomically("out.txt",
                                   [](std::ostream& out) {
                                     out << "half";
                                     throw std::out_of_range("writer failed");
                                   }),
               std::out_of_range);
  EXPECT_EQ(ReadWholeFile("out.txt"), "old contents\n");
  EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

TEST(WriteFileAtomically, ReportsAFileThatCannotBeWritten) {
  TempWorkingFolder folder;
  // A missing folder: nothing can be created there.
  EXPECT_THROW(WriteFileAtomically("missing/out.txt", [](std::ostream& out) { out << "x"; }),
               ExportError);
  // A folder in the target's place: the rename over it fails; the folder stays.
  fs::create_directory("taken");
  WriteWholeFile("taken/keep", "k");
  EXPECT_THROW(WriteFileAtomically("taken", [](std::ostream& out) { out << "x"; }), ExportError);
  EXPECT_TRUE(fs::is_directory("taken"));
  EXPECT_EQ(ReadWholeFile("taken/keep"), "k");
  EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

} // namespace
} // namespace turnsim
