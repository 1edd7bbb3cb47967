// The profile list window and its menu: save as text, font, font colour, about.
#include "turnsim/app/list_xzr.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "turnsim/app/about_box.h"
#include "turnsim/export/atomic_file.h"
#include "turnsim/export/export_error.h"
#include "turnsim/input/file_error.h"

namespace turnsim {

namespace {

bool RunSaveDialog(QWidget* parent, QString& fileName) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("txt");
  dialog.setNameFilters({"Text files (*.txt, *.doc) (*.txt *.doc)", "All files (*)"});
  dialog.selectFile(fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return false;
  }
  fileName = dialog.selectedFiles().constFirst();
  return true;
}

bool RunFontDialog(QWidget* parent, QFont& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, parent);
  if (ok) {
    font = chosen;
  }
  return ok;
}

bool RunColorDialog(QWidget* parent, QColor& color) {
  const QColor chosen = QColorDialog::getColor(color, parent);
  if (chosen.isValid()) {
    color = chosen;
  }
  return chosen.isValid();
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

} // namespace

TFListXZR::TFListXZR(const QStringList& lines, MessageService& messages, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      messages_(messages), choosers_{RunSaveDialog, RunFontDialog, RunColorDialog} {
  setObjectName("FListXZR");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Profile list");
  resize(758, 421);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("MemoXZRList");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setToolTip("Profile list");
  memo_->setPlainText(lines.join('\n'));
  setCentralWidget(memo_);

  QMenu* file = menuBar()->addMenu("File");
  QMenu* format = menuBar()->addMenu("Format");
  QMenu* about = menuBar()->addMenu("About");
  connect(AddItem(file, "SaveAsText1", "Save as text ..."), &QAction::triggered, this,
          &TFListXZR::SaveAsText1Click);
  connect(AddItem(file, "Exit1", "Exit"), &QAction::triggered, this, &QWidget::close);
  connect(AddItem(format, "SetFont1", "Set Font"), &QAction::triggered, this,
          &TFListXZR::SetFont1Click);
  connect(AddItem(format, "SetFontColor1", "Set Font color"), &QAction::triggered, this,
          &TFListXZR::SetFontColor1Click);
  connect(AddItem(about, "AboutProgram1", "About Program"), &QAction::triggered, this,
          &TFListXZR::AboutProgram1Click);
}

void TFListXZR::SaveLines(const QString& fileName) const {
  const QString text = memo_->toPlainText();
  const QStringList lines = text.isEmpty() ? QStringList() : text.split('\n');
  try {
    WriteFileAtomically(QFile::encodeName(fileName).toStdString(), [&lines](std::ostream& out) {
      for (const QString& line : lines) {
        out << line.toStdString() << '\n';
      }
    });
  } catch (const ExportError& error) {
    throw FileError("Cannot create file \"" + fileName.toStdString() + "\". " + error.what());
  }
}

void TFListXZR::SaveAsText1Click() {
  QString fileName = "pxzr.txt";
  if (!choosers_.saveFile(this, fileName)) {
    return;
  }
  try {
    SaveLines(fileName);
  } catch (const FileError& error) {
    messages_.Error(QString::fromStdString(error.what()));
  }
}

void TFListXZR::SetFont1Click() {
  QFont font = memo_->font();
  if (choosers_.font(this, font)) {
    memo_->setFont(font);
  }
}

void TFListXZR::SetFontColor1Click() {
  // The chosen colour is the colour of the text, as the item's caption says.
  QPalette palette = memo_->palette();
  QColor color = palette.color(QPalette::Text);
  if (choosers_.color(this, color)) {
    palette.setColor(QPalette::Text, color);
    memo_->setPalette(palette);
  }
}

void TFListXZR::AboutProgram1Click() {
  TAboutBox::ShowNew(this);
}

} // namespace turnsim
