// The start splash: picture, "Loading ..." label and its two timers.
#include "turnsim/app/splash.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QtDebug>

#include "turnsim/app/jpeg_image.h"

namespace turnsim {

namespace {
constexpr int kWidth = 404;
constexpr int kHeight = 254;
} // namespace

TFLog::TFLog(const QImage& picture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("FLog");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);

  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setGeometry(0, 0, kWidth, kHeight);
  image->setScaledContents(true);
  if (!picture.isNull()) {
    image->setPixmap(QPixmap::fromImage(picture));
  }

  label_ = new QLabel("Loading ...", this);
  label_->setObjectName("Label1");
  label_->adjustSize();
  label_->move(16, kHeight - label_->height() - 12);
  label_->hide();

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(5000);
  timer2_ = new QTimer(this);
  timer2_->setObjectName("Timer2");
  timer2_->setInterval(600);
  connect(timer1_, &QTimer::timeout, this, &TFLog::Timer1Timer);
  connect(timer2_, &QTimer::timeout, this, &TFLog::Timer2Timer);
}

QImage TFLog::LoadPicture() {
  try {
    return DecodeJpegFile(kSplashPicture);
  } catch (const JpegError& error) {
    qWarning("Splash picture: %s", error.what());
    return {};
  }
}

void TFLog::showEvent(QShowEvent* event) {
  // The timings count from the moment the splash is shown, centred on the screen.
  if (const QScreen* screen = this->screen()) {
    move(screen->geometry().center() - rect().center());
  }
  timer1_->start();
  timer2_->start();
  QDialog::showEvent(event);
}

void TFLog::Timer1Timer() {
  timer1_->stop();
  close();
}

void TFLog::Timer2Timer() {
  timer2_->stop();
  if (!label_->isVisibleTo(this)) {
    label_->show();
    timer2_->setInterval(1100);
    timer2_->start();
  } else {
    label_->hide();
  }
}

void TFLog::keyPressEvent(QKeyEvent* event) {
  event->accept();
  close();
}

void TFLog::mousePressEvent(QMouseEvent* event) {
  event->accept();
  close();
}

} // namespace turnsim
