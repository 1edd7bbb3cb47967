// The drawing pieces of the 2D view: the border flood fill, the reference point and seed points
// of a shape, the direction of arcs on the screen, and the zoom steps.
#include <QTest>

#include "tests/app/app_test_registry.h"
#include "turnsim/app/view_border_fill.h"
#include "turnsim/app/view_canvas.h"
#include "turnsim/app/view_colors.h"
#include "turnsim/app/view_fill_shape.h"
#include "turnsim/app/view_profile.h"

namespace turnsim {

namespace {

Otr Line(float x1, float z1, float x2, float z2) {
  Otr e;
  e.type = kLine;
  e.start = {x1, z1};
  e.end = {x2, z2};
  return e;
}

Otr Arc(float x1, float z1, float x2, float z2, float xc, float zc, float radius) {
  Otr e = Line(x1, z1, x2, z2);
  e.type = kArc;
  e.centre = {xc, zc};
  e.radius = radius;
  return e;
}

QImage White(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

long CountOf(const QImage& image, QRgb colour) {
  long n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      n += (image.pixel(x, y) | 0xFF000000u) == (colour | 0xFF000000u) ? 1 : 0;
    }
  }
  return n;
}

} // namespace

class ViewDrawingTest : public QObject {
  Q_OBJECT

private slots:
  // A 10 x 10 square outline in red on white: the fill stops at it, never crosses it, and
  // leaks out through a one-pixel gap.
  void borderFillStopsAtItsColour_data() {
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<bool>("gap");
    QTest::addColumn<long>("painted");
    // Inside 8 x 8; the border is 36 pixels, so a leak paints 30 x 30 - 36 pixels.
    QTest::newRow("inside") << QPoint(15, 15) << false << 64L;
    QTest::newRow("outside") << QPoint(2, 2) << false << 900L - 100L;
    QTest::newRow("on the border") << QPoint(10, 12) << false << 0L;
    QTest::newRow("off the image") << QPoint(40, 3) << false << 0L;
    QTest::newRow("gap lets it out") << QPoint(15, 15) << true << 900L - 35L;
  }
  void borderFillStopsAtItsColour() {
    QFETCH(QPoint, seed);
    QFETCH(bool, gap);
    QFETCH(long, painted);
    QImage image = White(30, 30);
    const QRgb red = qRgb(255, 0, 0);
    for (int i = 10; i < 20; ++i) {
      image.setPixel(i, 10, red);
      image.setPixel(i, 19, red);
      image.setPixel(10, i, red);
      image.setPixel(19, i, red);
    }
    if (gap) {
      image.setPixel(19, 15, qRgb(255, 255, 255));
    }
    QCOMPARE(BorderFloodFill(image, seed, red), painted);
    QCOMPARE(CountOf(image, red), (gap ? 35L : 36L) + painted);
    if (!gap) {
      // The other side of the border is untouched.
      const QPoint other = seed.x() < 10 || seed.x() >= 20 ? QPoint(15, 15) : QPoint(2, 2);
      QCOMPARE(image.pixel(other) | 0xFF000000u, qRgb(255, 255, 255));
    }
  }

  // The reference point takes the greatest end X and the least end Z of every element but the
  // last, under the hundredths rule.
  void referencePointLeavesOutTheClosingElement() {
    const Contour chain{Line(0, -50, 20, -50), Line(20, -50, 20.004f, -10),
                        Line(20.004f, -10, 30, -60), Line(30, -60, 0, -80)};
    // 20.004 counts as 20; the last element's end (Z -80) does not count.
    const XZPoint r = FillShape::ReferencePoint(chain);
    QCOMPARE(r.X, 30.0f);
    QCOMPARE(r.Z, -60.0f);
    QCOMPARE(FillShape::ReferencePoint({Line(5, 1, 9, -3)}).X, 5.0f);
    QCOMPARE(FillShape::ReferencePoint({}).X, 0.0f);

    const FillShape shape(chain, {});
    const ViewList& a = shape.View(FillShape::List::A);
    // h = Z - RZ, v = RX - X.
    QCOMPARE(a[0].start.h, 10.0f);
    QCOMPARE(a[0].start.v, 30.0f);
    QCOMPARE(a[3].end.h, -20.0f);
  }

  void seedPointsByKind() {
    // Five elements along a path; starts at h = 0, 10, 20, 30, 40 (v = 0), last end at h = 50.
    Contour chain;
    for (int i = 0; i < 5; ++i) {
      chain.push_back(Line(0, static_cast<float>(10 * i), 0, static_cast<float>(10 * i + 10)));
    }
    FillShape shape(chain, {Line(0, 0, 0, 1)});
    shape.SetReference({0, 0});
    using L = FillShape::List;
    // kind 0: m = 5 / 2 - 1 = 1: midway between start 0 and the middle of starts 1 and 2.
    QCOMPARE(shape.SeedPoint(L::A, 0)->h, 7.5f);
    // kind 1: midway between the starts of element 1 and element 3.
    QCOMPARE(shape.SeedPoint(L::A, 1)->h, 20.0f);
    // kinds 2 and 3: midway between the first start and the last end.
    QCOMPARE(shape.SeedPoint(L::A, 3)->h, 25.0f);
    QCOMPARE(shape.SeedPoint(L::A, 2)->h, 25.0f);
    // A one-element list has no seed of kinds 0 and 1.
    QVERIFY(!shape.SeedPoint(L::B, 0));
    QVERIFY(!shape.SeedPoint(L::B, 1));
    QVERIFY(shape.SeedPoint(L::B, 3));
  }

  // Half circles of radius 10 about the origin between Z = -10 and Z = 10. A positive radius
  // runs clockwise in the model, where X is up on the screen.
  void arcsRunOnTheRightSide_data() {
    QTest::addColumn<float>("fromZ");
    QTest::addColumn<float>("toZ");
    QTest::addColumn<float>("radius");
    QTest::addColumn<bool>("upper");
    QTest::newRow("positive, left to right") << -10.0f << 10.0f << 10.0f << true;
    QTest::newRow("negative, right to left") << 10.0f << -10.0f << -10.0f << true;
    QTest::newRow("positive, right to left") << 10.0f << -10.0f << 10.0f << false;
    QTest::newRow("negative, left to right") << -10.0f << 10.0f << -10.0f << false;
  }
  void arcsRunOnTheRightSide() {
    QFETCH(float, fromZ);
    QFETCH(float, toZ);
    QFETCH(float, radius);
    QFETCH(bool, upper);
    QImage image = White(100, 100);
    ViewCanvas canvas(image, {50, 50}, 2.0f);
    canvas.DrawContour(ToViewList({Arc(0, fromZ, 0, toZ, 0, 0, radius)}, {0, 0}), 0x0000FF, 1);
    const QRgb red = qRgb(255, 0, 0);
    // The top of the circle is 20 pixels above the centre, the bottom 20 below.
    auto drawnNear = [&](int y) {
      for (int dy = -1; dy <= 1; ++dy) {
        if ((image.pixel(50, y + dy) | 0xFF000000u) == red) {
          return true;
        }
      }
      return false;
    };
    QCOMPARE(drawnNear(30), upper);
    QCOMPARE(drawnNear(70), !upper);
  }

  // An arc whose ends are less than a pixel apart is a line; one of radius 0 draws nothing
  // but the pen still moves on to its end.
  void degenerateArcs() {
    QImage image = White(100, 100);
    ViewCanvas canvas(image, {10, 50}, 1.0f);
    const Contour chain{Arc(0, 0, 0, 0.5f, 0, 0.25f, 30.0f), Arc(0, 0.5f, 0, 40, 0, 20, 0.0f),
                        Line(0, 40, 0, 60)};
    canvas.DrawContour(ToViewList(chain, {0, 0}), 0x000000, 1);
    const QRgb black = qRgb(0, 0, 0);
    QCOMPARE(image.pixel(30, 50) | 0xFF000000u, qRgb(255, 255, 255));
    QCOMPARE(image.pixel(60, 50) | 0xFF000000u, black);
    // Only the last line (21 pixels) and at most the dot of the short arc: no circle anywhere.
    const long black_pixels = CountOf(image, black);
    QVERIFY2(black_pixels >= 20 && black_pixels <= 23, qPrintable(QString::number(black_pixels)));
  }

  // Colours are 0x00BBGGRR: red is the low byte.
  void colourConversion() {
    QCOMPARE(ToQColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(ToQColor(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(ToQColor(0x00FFFF), QColor(255, 255, 0));
    QCOMPARE(FromQColor(QColor(1, 2, 3)), 0x030201);
  }
};

static testing::AppTestRegistration<ViewDrawingTest> registration;

} // namespace turnsim

#include "view_drawing_test.moc"
