// The one way the window program shows modal boxes: every information, warning, error and
// question goes through an injectable MessageService so widget tests can read and answer them.
#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <string_view>

#include "turnsim/geometry/messages.h"

class QWidget;

namespace turnsim {

// Shows modal boxes. Also a core Messages sink: Show() is an information box, Beep() a beep.
class MessageService : public Messages {
public:
  enum class Answer { Yes, No, Cancel };

  // A box with an OK button.
  virtual void Information(const QString& text) = 0;
  // A beep, then a warning box with an OK button.
  virtual void Warning(const QString& text) = 0;
  // The default error handler's box (conversion errors, file errors).
  virtual void Error(const QString& text) = 0;
  // Yes and No; closing the box answers No.
  virtual Answer Question(const QString& text) = 0;
  // Yes, No and Cancel; closing the box answers Cancel.
  virtual Answer QuestionWithCancel(const QString& text) = 0;

  void Show(std::string_view text) override;
};

// The real boxes, QMessageBox over `parent` with the application's display name as title.
class QtMessageService : public MessageService {
public:
  explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Information(const QString& text) override;
  void Warning(const QString& text) override;
  void Error(const QString& text) override;
  Answer Question(const QString& text) override;
  Answer QuestionWithCancel(const QString& text) override;
  void Beep() override;

private:
  QWidget* parent_;
};

// For tests: records every box and beep in order and answers questions from a queue.
// A question with nothing queued gets `fallback` and is counted in `unscripted`.
class ScriptedMessageService : public MessageService {
public:
  enum class Kind { Information, Warning, Error, Question, QuestionWithCancel, Beep };
  struct Entry {
    Kind kind;
    QString text; // empty for a beep
  };

  void Queue(Answer answer) { answers_.push_back(answer); }

  void Information(const QString& text) override;
  void Warning(const QString& text) override; // records a Beep entry, then the Warning
  void Error(const QString& text) override;
  Answer Question(const QString& text) override;
  Answer QuestionWithCancel(const QString& text) override;
  void Beep() override;

  const QList<Entry>& entries() const { return entries_; }
  // The texts of every box shown (beeps left out), in order.
  QStringList Texts() const;
  int Beeps() const;
  void Clear() { entries_.clear(); }

  Answer fallback = Answer::No;
  int unscripted = 0;

private:
  Answer NextAnswer();

  QList<Entry> entries_;
  std::deque<Answer> answers_;
};

} // namespace turnsim
