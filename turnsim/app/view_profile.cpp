// The start view and the full view: which shapes are built, in which order they are drawn and
// filled, with which colours and pens.
#include "turnsim/app/view_profile.h"

#include "turnsim/app/view_canvas.h"
#include "turnsim/app/view_fill_shape.h"
#include "turnsim/geometry/machine.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/tooling/jaws.h"
#include "turnsim/tooling/tool_shape.h"

namespace turnsim {

namespace {

using List = FillShape::List;

// The machine the outlines are drawn for; a list without records gives an empty record.
Machine CurrentMachine(const Simulation& sim) {
  if (sim.MachineToolIndex >= 0 &&
      static_cast<std::size_t>(sim.MachineToolIndex) < sim.MachineTools.size()) {
    return sim.MachineTools[static_cast<std::size_t>(sim.MachineToolIndex)];
  }
  return Machine{};
}

FillShape Placed(Contour a, Contour b, XZPoint reference) {
  FillShape shape(std::move(a), std::move(b));
  shape.SetReference(reference);
  return shape;
}

FillShape WithMirror(Contour a, XZPoint reference) {
  Contour mirrored = MirrorContour(a);
  return Placed(std::move(a), std::move(mirrored), reference);
}

void Fill(ViewCanvas& canvas, const FillShape& shape, List which, int kind, std::int32_t colour) {
  if (auto seed = shape.SeedPoint(which, kind)) {
    canvas.BorderFill(colour, *seed);
  }
}

} // namespace

QPoint ProfileView::StartOrigin(QSize current) {
  return {current.width() / 2 - 120, current.height() / 2 - 20};
}

QPoint ProfileView::DrawStartView(QImage& image, QSize current, const Simulation& sim,
                                  const ViewColors& colours) const {
  const QPoint origin = StartOrigin(current);
  image = QImage(kViewWidth, kViewHeight, QImage::Format_RGB32);
  ViewCanvas canvas(image, origin, kStartScale);
  canvas.FillBackground(colours.BackGroundColor);
  if (sim.CurrentProfile.empty()) {
    // Nothing to place the drawing by: a model without a profile shows the background.
    return origin;
  }
  const Contour axis = AxisLine(CurrentMachine(sim), sim.Reference());
  const FillShape shape1(sim.CurrentProfile, axis);
  const FillShape shape2 = Placed(MirrorContour(sim.CurrentProfile), axis, shape1.Reference());
  canvas.DrawContour(shape1.View(List::B), kBlackColor, 1, Qt::DashDotLine);
  canvas.DrawContour(shape1.View(List::A), kStartProfileColor, 2);
  canvas.DrawContour(shape2.View(List::A), kStartProfileColor, 2);
  return origin;
}

bool ProfileView::ChangeZoom(float& scale, int zoomChange) {
  float next = scale;
  if (zoomChange > 0) {
    next = scale + kZoomStep;
  } else if (zoomChange < 0) {
    next = scale - kZoomStep;
  }
  if (next <= 0.0f || next > kMaxScale) {
    return false;
  }
  scale = next;
  return true;
}

bool ProfileView::DrawFullView(QImage& image, Simulation& sim, const ViewColors& colours,
                               int zoomChange) {
  if (!sim.CutDone) {
    return false;
  }
  if (!ChangeZoom(ViewScale, zoomChange)) {
    return false;
  }
  if (image.size() != QSize(kViewWidth, kViewHeight)) {
    image = QImage(kViewWidth, kViewHeight, QImage::Format_RGB32);
  }
  ViewCanvas canvas(image, kFullOrigin, ViewScale);
  canvas.FillBackground(colours.BackGroundColor);

  const Contour& newProfile = sim.CutResult.first;
  const Contour& swept = sim.CutResult.second;
  if (sim.CurrentProfile.empty() || newProfile.empty()) {
    // No profile to place or fill the drawing by: only the background.
    return true;
  }

  const XZPoint reference = FillShape::ReferencePoint(sim.CurrentProfile);
  const ProfileReference profile = sim.Reference();
  const Machine machine = CurrentMachine(sim);
  const bool machineKnown = !sim.MachineTools.empty();

  const FillShape part = Placed(newProfile, swept, reference);
  const FillShape mirrored =
      Placed(MirrorContour(newProfile), AxisLine(machine, profile), reference);
  const FillShape tool =
      Placed(PlacedInsert(sim.Tool, sim.CurrentCommand),
             MirrorContour(PlacedHolder(sim.Tool, sim.CurrentCommand)), reference);

  canvas.DrawContour(part.View(List::A), colours.PartColor, 3);
  canvas.DrawContour(mirrored.View(List::A), colours.PartColor, 3);
  Fill(canvas, part, List::A, 3, colours.PartColor);

  canvas.DrawContour(tool.View(List::B), colours.HolderColor, 3);
  Fill(canvas, tool, List::B, 1, colours.HolderColor);
  canvas.DrawContour(tool.View(List::A), colours.CutColor, 3);
  Fill(canvas, tool, List::A, 0, colours.CutColor);

  if (machineKnown) {
    const FillShape spindle1 = WithMirror(SpindleOutline(machine, profile), reference);
    const FillShape spindle2 = WithMirror(SpindlePath(machine, profile), reference);
    const FillShape jaws = WithMirror(JawOutline(machine, profile), reference);

    canvas.DrawContour(spindle1.View(List::A), colours.SpindleColor, 2);
    canvas.DrawContour(spindle1.View(List::B), colours.SpindleColor, 2);
    Fill(canvas, spindle1, List::A, 0, colours.SpindleColor);
    Fill(canvas, spindle1, List::B, 0, colours.SpindleColor);

    canvas.DrawContour(spindle2.View(List::A), colours.SpindleColor, 2);
    canvas.DrawContour(spindle2.View(List::B), colours.SpindleColor, 2);

    canvas.DrawContour(jaws.View(List::A), colours.KulachokColor, 2);
    Fill(canvas, jaws, List::A, 0, colours.KulachokColor);
    canvas.DrawContour(jaws.View(List::B), colours.KulachokColor, 2);
    Fill(canvas, jaws, List::B, 0, colours.KulachokColor);

    if (!profile.HasSpindleElement()) {
      const FillShape left = WithMirror(LeftConeOutline(machine, profile), reference);
      const FillShape right = WithMirror(RightConeOutline(machine, profile), reference);
      canvas.DrawContour(left.View(List::A), colours.ConeColor, 2);
      canvas.DrawContour(left.View(List::B), colours.ConeColor, 2);
      canvas.DrawContour(right.View(List::A), colours.ConeColor, 2);
      canvas.DrawContour(right.View(List::B), colours.ConeColor, 2);
      Fill(canvas, left, List::A, 3, colours.ConeColor);
      Fill(canvas, right, List::A, 3, colours.ConeColor);
    }
  }

  canvas.DrawContour(mirrored.View(List::B), kBlackColor, 1, Qt::DashDotLine);
  return true;
}

} // namespace turnsim
