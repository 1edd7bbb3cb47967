// The application object of the window program: its default error handler shows what escapes
// an event handler (a conversion error, a file error) in a box and lets the program go on; a
// FatalExit shows its text and ends the process with its code.
#pragma once

#include <QApplication>

#include "turnsim/app/message_service.h"

namespace turnsim {

class TornisApplication : public QApplication {
  Q_OBJECT

public:
  TornisApplication(int& argc, char** argv);

  // The boxes of the default handler; set before the event loop runs.
  void SetMessages(MessageService* messages) { messages_ = messages; }

  bool notify(QObject* receiver, QEvent* event) override;

private:
  MessageService* messages_ = nullptr;
};

} // namespace turnsim
