// The splash shown at start: the program's picture, a "Loading ..." label that blinks on once,
// and a timer that closes it; a key or a click closes it at once.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QTimer;

namespace turnsim {

// Where the splash picture lives: a JPEG compiled into the program's resources.
inline constexpr const char* kSplashPicture = ":/turnsim/splash.jpg";

class TFLog : public QDialog {
  Q_OBJECT

public:
  // Shows `picture`; a null picture leaves the place empty. The splash deletes itself when
  // closed.
  explicit TFLog(const QImage& picture, QWidget* parent = nullptr);

  // The splash picture decoded from the resources, or a null image (with a warning on the
  // log) when it is missing or broken: the program starts without it.
  static QImage LoadPicture();

public slots:
  // Closes the splash.
  void Timer1Timer();
  // First tick shows "Loading ...", second tick hides it for good.
  void Timer2Timer();

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  QLabel* label_ = nullptr;
  QTimer* timer1_ = nullptr;
  QTimer* timer2_ = nullptr;
};

} // namespace turnsim
