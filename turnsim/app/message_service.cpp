// Modal boxes through QMessageBox, and the recording stand-in that tests answer.
#include "turnsim/app/message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace turnsim {

void MessageService::Show(std::string_view text) {
  Information(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

namespace {
QString Title() {
  return QGuiApplication::applicationDisplayName();
}
} // namespace

void QtMessageService::Information(const QString& text) {
  QMessageBox::information(parent_, Title(), text);
}

void QtMessageService::Warning(const QString& text) {
  Beep();
  QMessageBox::warning(parent_, Title(), text);
}

void QtMessageService::Error(const QString& text) {
  QMessageBox::critical(parent_, Title(), text);
}

MessageService::Answer QtMessageService::Question(const QString& text) {
  const auto button = QMessageBox::question(parent_, Title(), text,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

MessageService::Answer QtMessageService::QuestionWithCancel(const QString& text) {
  const auto button = QMessageBox::question(
      parent_, Title(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
      QMessageBox::Cancel);
  if (button == QMessageBox::Yes) {
    return Answer::Yes;
  }
  return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtMessageService::Beep() {
  QApplication::beep();
}

void ScriptedMessageService::Information(const QString& text) {
  entries_.append({Kind::Information, text});
}

void ScriptedMessageService::Warning(const QString& text) {
  Beep();
  entries_.append({Kind::Warning, text});
}

void ScriptedMessageService::Error(const QString& text) {
  entries_.append({Kind::Error, text});
}

MessageService::Answer ScriptedMessageService::Question(const QString& text) {
  entries_.append({Kind::Question, text});
  return NextAnswer();
}

MessageService::Answer ScriptedMessageService::QuestionWithCancel(const QString& text) {
  entries_.append({Kind::QuestionWithCancel, text});
  return NextAnswer();
}

void ScriptedMessageService::Beep() {
  entries_.append({Kind::Beep, QString()});
}

QStringList ScriptedMessageService::Texts() const {
  QStringList texts;
  for (const Entry& entry : entries_) {
    if (entry.kind != Kind::Beep) {
      texts.append(entry.text);
    }
  }
  return texts;
}

int ScriptedMessageService::Beeps() const {
  int beeps = 0;
  for (const Entry& entry : entries_) {
    beeps += entry.kind == Kind::Beep ? 1 : 0;
  }
  return beeps;
}

MessageService::Answer ScriptedMessageService::NextAnswer() {
  if (answers_.empty()) {
    ++unscripted;
    return fallback;
  }
  const Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

} // namespace turnsim
