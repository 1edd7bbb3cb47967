// The reader of MODT workpiece models: copies the model to a temporary file in the working
// folder, reads the profile section of the copy into a Contour and deletes the copy.
#pragma once

#include <filesystem>
#include <istream>
#include <string>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// Name of the temporary copy of the model, made in the working folder.
inline constexpr const char* kModtTemporaryName = "mtornis.tmp";

// Profile section of a model file: everything up to the first line that begins with "220" is
// skipped; the section runs to the first following line that begins with "600" or to the end.
// In it, each line not beginning with "*" is an element header
//   label:number:kind:attribute:spindle
// (kind 0 line, 1 arc, -1 arc of the other direction) followed by "*" value lines in the order
// start Z, start X, end Z, end X and, for arcs, centre Z, centre X, radius.
class ModtModel {
public:
  // `workFolder` holds the temporary copy; empty means the current working directory.
  explicit ModtModel(std::filesystem::path workFolder = {});
  // Deletes the temporary copy that this object made, ignoring failures.
  ~ModtModel();
  ModtModel(const ModtModel&) = delete;
  ModtModel& operator=(const ModtModel&) = delete;

  // Remembers the model's path and copies the file line by line to the temporary copy, every
  // line ended with CR LF. Throws FileError when the model cannot be read or the copy written.
  void SetFile(const std::string& path);
  const std::string& FileName() const { return fileName_; }
  std::filesystem::path TemporaryPath() const { return workFolder_ / kModtTemporaryName; }

  // Reads the profile from the temporary copy, then deletes it ("WARNING! Can't delete
  // temporary file." when that fails). Throws FatalExit ("Can't open temporary file", 1) when
  // the copy cannot be read, ConversionError when a header field or value is not a number or a
  // group lacks value lines. No profile section gives an empty contour.
  Contour ReadProfile();

  // Parses the profile section of model text (LF or CR LF lines), as ReadProfile does.
  static Contour ParseProfile(std::istream& in);

private:
  void RemoveCopyQuietly();

  std::filesystem::path workFolder_;
  std::string fileName_;
  bool copyMade_ = false;
};

} // namespace turnsim
