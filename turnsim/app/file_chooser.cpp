// The open and save dialogs of the main window and the conversion of their filters.
#include "turnsim/app/file_chooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace turnsim {

QStringList NameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  static const QRegularExpression endsInPatterns(QStringLiteral("\\([^()]*\\)$"));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
    }
    if (endsInPatterns.match(description).hasMatch()) {
      filters.append(description);
    } else {
      filters.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                     QLatin1Char(')'));
    }
  }
  return filters;
}

DialogFileChooser::DialogFileChooser(QWidget* parent)
    : OpenMODTDialog(new QFileDialog(parent)), SaveDialogDXF(new QFileDialog(parent)) {
  OpenMODTDialog->setObjectName(QStringLiteral("OpenMODTDialog"));
  OpenMODTDialog->setAcceptMode(QFileDialog::AcceptOpen);
  OpenMODTDialog->setFileMode(QFileDialog::ExistingFile);
  OpenMODTDialog->setNameFilters(NameFilters(QString::fromLatin1(kOpenModtFilter)));

  SaveDialogDXF->setObjectName(QStringLiteral("SaveDialogDXF"));
  SaveDialogDXF->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialogDXF->setFileMode(QFileDialog::AnyFile);
  SaveDialogDXF->setWindowTitle(QString::fromLatin1(kSaveDxfTitle));
  SaveDialogDXF->setDefaultSuffix(QString::fromLatin1(kSaveDxfExtension));
  SaveDialogDXF->setNameFilters(NameFilters(QString::fromLatin1(kSaveDxfFilter)));
  SaveDialogDXF->setOption(QFileDialog::DontConfirmOverwrite, false);
}

namespace {

QString Run(QFileDialog* dialog) {
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
    return {};
  }
  return dialog->selectedFiles().constFirst();
}

} // namespace

QString DialogFileChooser::OpenModel() {
  return Run(OpenMODTDialog);
}

QString DialogFileChooser::SaveDxf() {
  return Run(SaveDialogDXF);
}

} // namespace turnsim
