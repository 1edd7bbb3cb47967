// Starts the 3D viewer kinora: beside the running program first, then on the search path,
// detached, in the current working directory, without waiting.
#pragma once

#include <QString>

namespace turnsim {

class ViewerLauncher {
public:
  virtual ~ViewerLauncher() = default;
  // Returns whether the viewer was started; the caller does not report a failure.
  virtual bool Start();

  // The program to run: `folder`/kinora when it exists, else the bare name for the search path.
  static QString ViewerProgram(const QString& folder);
};

} // namespace turnsim
