// The full view of demo jobs, checked pixel by pixel: the part filled between its profile and
// the mirror image, the background around it, the insert filled in the cut colour, the cones
// only for a part held between centres, and colours taken as 0x00BBGGRR.
#include <QTest>

#include "tests/app/app_test_registry.h"
#include "tests/app/window_fixture.h"
#include "turnsim/app/profile_image.h"
#include "turnsim/app/view_colors.h"
#include "turnsim/app/view_fill_shape.h"
#include "turnsim/geometry/area.h"
#include "turnsim/tooling/tool_shape.h"

namespace turnsim {

namespace {

using testing::WindowFixture;

long CountOf(const QImage& image, std::int32_t tcolor) {
  const QRgb colour = ToQColor(tcolor).rgb();
  long n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      n += (image.pixel(x, y) | 0xFF000000u) == colour ? 1 : 0;
    }
  }
  return n;
}

bool Is(const QImage& image, QPoint p, std::int32_t tcolor) {
  return (image.pixel(p) | 0xFF000000u) == ToQColor(tcolor).rgb();
}

// The pixel of model point (X, Z) in the full view.
QPoint FullPixel(float x, float z, XZPoint reference, float scale) {
  const ViewPoint v = ToViewPoint({x, z}, reference);
  return {static_cast<int>(230.0f + v.h * scale), static_cast<int>(260.0f + v.v * scale)};
}

// The longest element of constant X above the axis.
const Otr& LongestLevel(const Contour& profile) {
  const Otr* best = nullptr;
  for (const Otr& e : profile) {
    if (e.IsLine() && e.start.X == e.end.X && e.start.X > 5.0f &&
        (!best || std::abs(e.end.Z - e.start.Z) > std::abs(best->end.Z - best->start.Z))) {
      best = &e;
    }
  }
  return *best;
}

// Runs the whole program and redraws, so that the view shows the final state.
void RunToEnd(WindowFixture& f) {
  f.Open();
  while (f.StepToMotion()) {
  }
  f.window->RedrawView(0);
}

} // namespace

class FullViewTest : public QObject {
  Q_OBJECT

private slots:
  void partBetweenProfileAndMirror() {
    WindowFixture f("shaft");
    RunToEnd(f);
    TFTornis& w = *f.window;
    const Simulation& sim = w.Sim();
    const QImage& image = w.ImageXZR->Image();
    const ViewColors& c = w.Colors;
    const float s = w.View().ViewScale;
    const XZPoint r = FillShape::ReferencePoint(sim.CurrentProfile);

    // Down one column through the part: background, the part down to the mirror line,
    // background again. The axis runs through it in black dashes.
    const Otr& level = LongestLevel(sim.CutResult.first);
    const float z = (level.start.Z + level.end.Z) / 2;
    const QPoint top = FullPixel(level.start.X, z, r, s);
    const QPoint bottom = FullPixel(-level.start.X, z, r, s);
    const int axisRow = FullPixel(0, z, r, s).y();
    for (int y = top.y() + 2; y <= bottom.y() - 2; ++y) {
      if (std::abs(y - axisRow) > 1) {
        QVERIFY2(Is(image, {top.x(), y}, c.PartColor), qPrintable(QString::number(y)));
      }
    }
    QVERIFY(Is(image, {top.x(), bottom.y() + 4}, c.BackGroundColor));
    QVERIFY(Is(image, {top.x(), bottom.y() + 60}, c.BackGroundColor));

    // The filled area matches the part's section (both halves) within a few per cent: the
    // pens add a rim and the axis takes a row.
    const double expected = 2.0 * ProfileArea(sim.CutResult.first) * s * s;
    const long filled = CountOf(image, c.PartColor);
    QVERIFY2(std::abs(filled - expected) < 0.05 * expected,
             qPrintable(QStringLiteral("%1 of %2").arg(filled).arg(expected)));
    QVERIFY(CountOf(image, c.BackGroundColor) > 790 * 468 / 2);
  }

  void insertInCutColour() {
    WindowFixture f("shaft");
    RunToEnd(f);
    TFTornis& w = *f.window;
    Simulation& sim = w.Sim();
    const ViewColors& c = w.Colors;
    FillShape insert(PlacedInsert(sim.Tool, sim.CurrentCommand), {});
    insert.SetReference(FillShape::ReferencePoint(sim.CurrentProfile));
    const std::optional<ViewPoint> seed = insert.SeedPoint(FillShape::List::A, 0);
    QVERIFY(seed);
    const float s = w.View().ViewScale;
    const QPoint p(static_cast<int>(230.0f + seed->h * s), static_cast<int>(260.0f + seed->v * s));
    QVERIFY(Is(w.ImageXZR->Image(), p, c.CutColor));
    // A triangle insert of some 16 mm at 2 px per mm is far more than its outline.
    QVERIFY(CountOf(w.ImageXZR->Image(), c.CutColor) > 200);
    QVERIFY(CountOf(w.ImageXZR->Image(), c.HolderColor) > 1000);
  }

  // The colours are 0x00BBGGRR values, converted only at the painter.
  void coloursOfTheUser() {
    WindowFixture f("shaft");
    RunToEnd(f);
    TFTornis& w = *f.window;
    const ViewColors before = w.Colors;
    const long partPixels = CountOf(w.ImageXZR->Image(), before.PartColor);
    w.Colors.PartColor = 0x00FF00;       // green
    w.Colors.CutColor = 0x00FFFF;        // yellow: red and green
    w.Colors.BackGroundColor = 0xC0C0C0; // grey
    w.RedrawView(0);
    const QImage& image = w.ImageXZR->Image();
    QCOMPARE(CountOf(image, 0x00FF00), partPixels);
    QVERIFY(CountOf(image, 0x00FFFF) > 200);
    QCOMPARE(CountOf(image, before.CutColor), 0L);
    QCOMPARE(CountOf(image, before.BackGroundColor), 0L);
    QCOMPARE(QColor(image.pixel(789, 467)), QColor(192, 192, 192));
  }

  // Cones only for a part without a spindle element; spindle and jaws for both.
  void conesOnlyBetweenCentres_data() {
    QTest::addColumn<QString>("job");
    QTest::addColumn<bool>("cones");
    QTest::newRow("chuck") << QStringLiteral("shaft") << false;
    QTest::newRow("centres") << QStringLiteral("centres") << true;
  }
  void conesOnlyBetweenCentres() {
    QFETCH(QString, job);
    QFETCH(bool, cones);
    WindowFixture f(job.toLatin1().constData());
    f.Open();
    QVERIFY(f.StepToMotion());
    const QImage& image = f.window->ImageXZR->Image();
    QCOMPARE(CountOf(image, f.window->Colors.ConeColor) > 500, cones);
    QVERIFY(CountOf(image, f.window->Colors.SpindleColor) > 500);
  }

  // Colour changes and redraws before the first motion leave the start view alone.
  void noFullViewBeforeTheFirstMotion() {
    WindowFixture f("shaft");
    f.Open();
    const QImage start = f.window->ImageXZR->Image().copy();
    f.window->Colors.PartColor = 0x00FF00;
    f.window->RedrawView(0);
    QVERIFY(f.window->ImageXZR->Image() == start);
    QCOMPARE(CountOf(start, kStartProfileColor) > 500, true);
  }
};

static testing::AppTestRegistration<FullViewTest> registration;

} // namespace turnsim

#include "full_view_test.moc"
