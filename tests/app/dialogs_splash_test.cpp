// The splash: "Loading ..." from 0.6 s to 1.7 s after showing, closing at 5 s or on a key or a
// click. The timers are driven by hand: each timeout is sent when the test says so.
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "tests/app/dialogs_tests.h"
#include "turnsim/app/splash.h"

namespace turnsim {

namespace {

// Fires a timer's timeout as if its interval had passed.
void Fire(QTimer* timer) {
  QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

void ProcessDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class SplashTest : public QObject {
  Q_OBJECT

private slots:
  void loadingLabelBlinksOnceThenTheSplashCloses() {
    QPointer<TFLog> splash = new TFLog(QImage());
    auto* timer1 = splash->findChild<QTimer*>("Timer1");
    auto* timer2 = splash->findChild<QTimer*>("Timer2");
    auto* label = splash->findChild<QLabel*>("Label1");
    QCOMPARE(label->text(), QString("Loading ..."));
    QVERIFY(!timer1->isActive()); // the times count from the showing
    splash->show();
    QCOMPARE(splash->size(), QSize(404, 254));
    QVERIFY(timer1->isActive() && timer2->isActive());
    QCOMPARE(timer1->interval(), 5000);
    QCOMPARE(timer2->interval(), 600);
    QVERIFY(!label->isVisible());

    Fire(timer2); // 0.6 s
    QVERIFY(label->isVisible());
    QVERIFY(timer2->isActive());
    QCOMPARE(timer2->interval(), 1100);

    Fire(timer2); // 1.7 s
    QVERIFY(!label->isVisible());
    QVERIFY(!timer2->isActive());

    QVERIFY(splash->isVisible());
    Fire(timer1); // 5 s
    QVERIFY(!splash->isVisible());
    ProcessDeletes();
    QVERIFY(splash.isNull());
  }

  void keyOrClickClosesAtOnce() {
    for (const bool key : {true, false}) {
      QPointer<TFLog> splash = new TFLog(QImage());
      splash->show();
      if (key) {
        QTest::keyClick(splash, Qt::Key_Space);
      } else {
        QTest::mouseClick(splash->findChild<QLabel*>("Image1"), Qt::LeftButton);
      }
      ProcessDeletes();
      QVERIFY2(splash.isNull(), key ? "key" : "click");
    }
  }

  // The picture is part of the program, decoded from its resources.
  void pictureComesWithTheProgram() {
    const QImage picture = TFLog::LoadPicture();
    QCOMPARE(picture.size(), QSize(404, 254));
  }
};

namespace {
const testing::DialogTestRegistration<SplashTest> registration;
} // namespace

} // namespace turnsim

#include "dialogs_splash_test.moc"
