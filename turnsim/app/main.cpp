// turnsim, the window program: creates the main window and its dialogs in order, reads the
// machine list and the colours, shows the splash, and runs until "Exit" or a fatal error.
#include "turnsim/app/tf_tornis.h"
#include "turnsim/app/tool_icons.h"
#include "turnsim/app/tornis_application.h"

int main(int argc, char** argv) {
  using namespace turnsim;
  TornisApplication app(argc, argv);
  // The application's title: message boxes carry it.
  QCoreApplication::setApplicationName(QString::fromUtf8(kProgramTitle));
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(ToolIcon(ToolGlyph::Window));

  QtMessageService messages;
  app.SetMessages(&messages);
  TFTornis FTornis(messages);
  messages.SetParent(&FTornis);
  try {
    FTornis.FormCreate();
  } catch (const FatalExit& fatal) {
    messages.Information(QString::fromStdString(fatal.what()));
    return fatal.code();
  }
  FTornis.CreateDialogs(true);
  FTornis.show();
  return app.exec();
}
