// The JPEG decoder on the splash picture and on streams that are cut short or not JPEG.
#include <QFile>
#include <QTest>

#include "tests/app/dialogs_tests.h"
#include "turnsim/app/jpeg_image.h"

namespace turnsim {

namespace {

const QString kPicture = QStringLiteral(SAMPLES_DIR "/../turnsim/app/resources/splash.jpg");

QByteArray PictureBytes() {
  QFile file(kPicture);
  if (!file.open(QIODevice::ReadOnly)) {
    qFatal("cannot read %s", qPrintable(kPicture));
  }
  return file.readAll();
}

} // namespace

class JpegTest : public QObject {
  Q_OBJECT

private slots:
  // Colours at known places of the drawing: the dark blue sky, the orange insert, the light
  // middle of the steel part. A swapped channel order or a skewed row stride shows here.
  void decodesTheSplashPicture() {
    const QImage image = DecodeJpegFile(kPicture);
    QCOMPARE(image.size(), QSize(404, 254));
    const QColor sky = image.pixelColor(395, 245);
    QVERIFY2(sky.blue() > sky.red() + 40 && sky.blue() < 140, qPrintable(sky.name()));
    const QColor insert = image.pixelColor(358, 128);
    QVERIFY2(insert.red() > 200 && insert.green() > 110 && insert.green() < 180 &&
                 insert.blue() < 80,
             qPrintable(insert.name()));
    const QColor steel = image.pixelColor(100, 150);
    QVERIFY2(steel.red() > 170 && steel.blue() > steel.red(), qPrintable(steel.name()));
    QCOMPARE(DecodeJpeg(PictureBytes()), image);
  }

  void rejectsBrokenStreams_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray picture = PictureBytes();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("P6\n2 2\n255\n............");
    QTest::newRow("header only") << picture.left(200);
    QTest::newRow("cut in the middle") << picture.left(picture.size() / 2);
  }

  void rejectsBrokenStreams() {
    QFETCH(QByteArray, data);
    QVERIFY_THROWS_EXCEPTION(JpegError, DecodeJpeg(data));
  }

  void missingFileNamesIt() {
    try {
      DecodeJpegFile("no-such-picture.jpg");
      QFAIL("no error");
    } catch (const JpegError& error) {
      QVERIFY(QString(error.what()).contains("no-such-picture.jpg"));
    }
  }
};

namespace {
const testing::DialogTestRegistration<JpegTest> registration;
} // namespace

} // namespace turnsim

#include "dialogs_jpeg_test.moc"
