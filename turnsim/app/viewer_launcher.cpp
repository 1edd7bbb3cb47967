// Starting kinora as a separate process.
#include "turnsim/app/viewer_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace turnsim {

namespace {
const QString kViewerName = QStringLiteral("kinora");
} // namespace

QString ViewerLauncher::ViewerProgram(const QString& folder) {
  const QFileInfo beside(QDir(folder), kViewerName);
  if (beside.isFile() && beside.isExecutable()) {
    return beside.absoluteFilePath();
  }
  return kViewerName;
}

bool ViewerLauncher::Start() {
  return QProcess::startDetached(ViewerProgram(QCoreApplication::applicationDirPath()), {},
                                 QDir::currentPath());
}

} // namespace turnsim
