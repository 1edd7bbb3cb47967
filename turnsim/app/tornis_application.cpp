// The default error handler around every event.
#include "turnsim/app/tornis_application.h"

#include <cstdio>

#include "turnsim/geometry/messages.h"

namespace turnsim {

TornisApplication::TornisApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TornisApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const FatalExit& fatal) {
    if (messages_ != nullptr) {
      messages_->Information(QString::fromStdString(fatal.what()));
    } else {
      std::fprintf(stderr, "%s\n", fatal.what());
    }
    exit(fatal.code());
  } catch (const std::exception& error) {
    if (messages_ != nullptr) {
      messages_->Error(QString::fromStdString(error.what()));
    } else {
      std::fprintf(stderr, "%s\n", error.what());
    }
  }
  return false;
}

} // namespace turnsim
