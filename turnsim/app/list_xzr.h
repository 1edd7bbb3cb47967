// The profile list window: the listing of the cut profile in a read-only memo that can be saved
// as text and shown in another font and colour.
#pragma once

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QStringList>
#include <functional>

#include "turnsim/app/message_service.h"

class QPlainTextEdit;

namespace turnsim {

class TFListXZR : public QMainWindow {
  Q_OBJECT

public:
  // The dialogs the window runs; tests replace them. Each returns false when cancelled.
  struct Choosers {
    std::function<bool(QWidget* parent, QString& fileName)> saveFile;
    std::function<bool(QWidget* parent, QFont& font)> font;
    std::function<bool(QWidget* parent, QColor& color)> color;
  };

  // A new window holding `lines`; it deletes itself when closed.
  TFListXZR(const QStringList& lines, MessageService& messages, QWidget* parent = nullptr);

  void SetChoosers(Choosers choosers) { choosers_ = std::move(choosers); }

  // Writes the memo's lines to `fileName`, one a line, replacing the file whole. Throws
  // FileError when it cannot be written; the file is then as it was.
  void SaveLines(const QString& fileName) const;

public slots:
  void SaveAsText1Click();
  void SetFont1Click();
  void SetFontColor1Click();
  void AboutProgram1Click();

private:
  MessageService& messages_;
  Choosers choosers_;
  QPlainTextEdit* memo_ = nullptr;
};

} // namespace turnsim
