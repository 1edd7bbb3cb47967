// The main window's file dialogs: OpenMODTDialog for models and SaveDialogDXF for drawings.
// Behind an interface so that tests can choose files without a dialog.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace turnsim {

inline constexpr const char* kOpenModtFilter = "MODT Files|*.~~|Text files|*.txt|All files|*.*";
inline constexpr const char* kSaveDxfFilter = "AutoCAD R14/LT98/LT97 DXF(*.dxf)|*.dxf";
inline constexpr const char* kSaveDxfTitle = "Save DXF file";
inline constexpr const char* kSaveDxfExtension = "dxf";

// A "Description|pattern;pattern|..." filter as Qt's name filters: "Description (pattern
// pattern)", or the description alone when it already ends in its patterns in parentheses.
QStringList NameFilters(const QString& filter);

class FileChooser {
public:
  virtual ~FileChooser() = default;
  // The chosen model, or an empty text when the user cancelled.
  virtual QString OpenModel() = 0;
  // The chosen DXF file, or an empty text when the user cancelled.
  virtual QString SaveDxf() = 0;
};

// The real dialogs, children of `parent`, kept between uses so they remember the folder.
class DialogFileChooser : public FileChooser {
public:
  explicit DialogFileChooser(QWidget* parent);
  QString OpenModel() override;
  QString SaveDxf() override;

  QFileDialog* OpenMODTDialog;
  QFileDialog* SaveDialogDXF;
};

} // namespace turnsim
