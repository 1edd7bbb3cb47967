// Reference point, view lists and seed points of the shapes of the 2D view.
#include "turnsim/app/view_fill_shape.h"

#include "turnsim/geometry/primitives.h"

namespace turnsim {

namespace {

ViewPoint Middle(ViewPoint a, ViewPoint b) {
  return {(a.h + b.h) * 0.5f, (a.v + b.v) * 0.5f};
}

} // namespace

ViewPoint ToViewPoint(XZPoint p, XZPoint reference) {
  return {p.Z - reference.Z, reference.X - p.X};
}

ViewList ToViewList(const Contour& contour, XZPoint reference) {
  ViewList list;
  list.reserve(contour.size());
  for (const Otr& e : contour) {
    list.push_back({e.type, ToViewPoint(e.start, reference), ToViewPoint(e.end, reference),
                    ToViewPoint(e.centre, reference), e.radius});
  }
  return list;
}

FillShape::FillShape(Contour a, Contour b)
    : a_(std::move(a)), b_(std::move(b)), reference_(ReferencePoint(a_)) {
  SetReference(reference_);
}

XZPoint FillShape::ReferencePoint(const Contour& a) {
  XZPoint r;
  if (a.empty()) {
    return r;
  }
  r.X = a.front().start.X;
  r.Z = a.front().start.Z;
  for (std::size_t i = 0; i + 1 < a.size(); ++i) {
    if (LessH(r.X, a[i].end.X)) {
      r.X = a[i].end.X;
    }
    if (LessH(a[i].end.Z, r.Z)) {
      r.Z = a[i].end.Z;
    }
  }
  return r;
}

void FillShape::SetReference(XZPoint reference) {
  reference_ = reference;
  viewA_ = ToViewList(a_, reference_);
  viewB_ = ToViewList(b_, reference_);
}

std::optional<ViewPoint> FillShape::SeedPoint(List which, int kind) const {
  const ViewList& l = View(which);
  const std::size_t count = l.size();
  switch (kind) {
  case 0: {
    if (count < 2) {
      return std::nullopt;
    }
    const std::size_t m = count / 2 - 1;
    return Middle(l[0].start, Middle(l[m + 1].start, l[m].start));
  }
  case 1:
    if (count < 2) {
      return std::nullopt;
    }
    return Middle(l[1].start, l[count - 2].start);
  case 2:
  case 3:
    if (count < 1) {
      return std::nullopt;
    }
    return Middle(l[0].start, l.back().end);
  default:
    return std::nullopt;
  }
}

} // namespace turnsim
