// Splitting the workpiece and the swept region at their crossings into pieces.
#include <cstddef>
#include <utility>

#include "turnsim/geometry/intersection.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/graph/graf.h"

namespace turnsim {

namespace {

constexpr int kSweptSelector = 0;
constexpr int kWorkpieceSelector = 1;

} // namespace

Otr GRAF::ClosingLine() const {
  Otr closing;
  closing.type = kLine;
  closing.start = workpiece_.back().end;
  closing.end = workpiece_.front().start;
  return closing;
}

void GRAF::SplitAll() {
  workpiecePieces_.clear();
  sweptPieces_.clear();
  if (workpiece_.empty() || swept_.empty()) {
    failed_ = true;
    return;
  }
  for (const Otr& element : workpiece_) {
    SplitElement(element, swept_, true);
  }
  // The profile is closed by a line from its last point back to its first, along the axis for
  // a profile that starts and ends there. That line is split like any workpiece element, and
  // the swept region against it, so that a region reaching across the axis (a facing or parting
  // pass to the centre) crosses the profile a second time there. A zero-length closing line
  // (a profile that ends where it starts) has nothing to split and takes no part.
  const Otr closing = ClosingLine();
  const bool closingTakesPart = !SamePoint(closing.start, closing.end);
  if (closingTakesPart) {
    SplitElement(closing, swept_, true);
  } else {
    workpiecePieces_.push_back(closing);
  }
  if (workpiecePieces_.size() == workpiece_.size() + 1) {
    failed_ = true;
    return;
  }
  Contour against = workpiece_;
  if (closingTakesPart) {
    against.push_back(closing);
  }
  for (const Otr& element : swept_) {
    SplitElement(element, against, false);
  }
}

void GRAF::SplitElement(const Otr& element, const Contour& against, bool workpieceElement) {
  std::vector<XZPoint> points{element.start};
  for (const Otr& other : against) {
    // The workpiece element is always the first argument of the intersection.
    const XZSegment found =
        workpieceElement ? Intersect(element, other) : Intersect(other, element);
    for (XZPoint p : {found.first, found.second}) {
      if (p.flag == 0) {
        continue;
      }
      p.flag = 0;
      points.push_back(p);
      if (workpieceElement && element.spindle != 0) {
        spindleMarkA_ = kSpindleMarkHit;
        spindleMarkB_ = kSpindleMarkHit;
      }
    }
  }
  points.push_back(element.end);

  // The first occurrence of a point stays; later ones at the same point go.
  std::vector<XZPoint> unique;
  for (const XZPoint& p : points) {
    bool seen = false;
    for (const XZPoint& q : unique) {
      if (SamePoint(p, q)) {
        seen = true;
        break;
      }
    }
    if (!seen) {
      unique.push_back(p);
    }
  }

  // Nearest first from the element's start, which stays first. Every place is sorted, the last
  // two too: when a crossing lies on the element's end it is kept in the end's stead, wherever
  // the crossings listed it, so the farthest point need not be last yet. A nearer point replaces
  // the choice only when strictly nearer, so a list that ends with the end stays as it is.
  const int m = static_cast<int>(unique.size());
  for (int i = 1; i <= m - 2; ++i) {
    int chosen = i;
    float chosenDistance = DistanceHundredths(unique[0], unique[i]);
    for (int j = i + 1; j < m; ++j) {
      const float d = DistanceHundredths(unique[0], unique[j]);
      if (d < chosenDistance) {
        chosen = j;
        chosenDistance = d;
      }
    }
    std::swap(unique[i], unique[chosen]);
  }

  ADDXZR(workpieceElement ? kWorkpieceSelector : kSweptSelector, unique, element);
}

void GRAF::ADDXZR(int selector, const std::vector<XZPoint>& points, const Otr& element) {
  Contour& pieces = selector == kWorkpieceSelector ? workpiecePieces_ : sweptPieces_;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    Otr piece;
    piece.type = element.type;
    piece.centre = element.centre;
    piece.radius = element.radius;
    piece.spindle = element.spindle;
    piece.start = points[i];
    piece.end = points[i + 1];
    pieces.push_back(piece);
  }
}

} // namespace turnsim
