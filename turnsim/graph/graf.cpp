// The contour graph of one cut step: construction and the order in which its stages run.
#include "turnsim/graph/graf.h"

#include "turnsim/geometry/primitives.h"

namespace turnsim {

GRAF::GRAF(const Contour& workpiece, const Contour& swept)
    : workpiece_(CopyContour(workpiece)), swept_(CopyContour(swept)) {
  for (Otr& e : workpiece_) {
    if (e.type == kLine) {
      e.centre = XZPoint{};
    }
  }
  for (Otr& e : swept_) {
    if (e.type == kLine) {
      e.centre = XZPoint{};
      e.spindle = 0;
    }
  }
}

const Contour& GRAF::GetResult(bool rapid) {
  if (status_ != GrafStatus::NotRun) {
    return status_ == GrafStatus::Searched ? result_ : workpiece_;
  }
  if (rapid) {
    status_ = GrafStatus::Rapid;
    return workpiece_;
  }
  SplitAll();
  if (failed_) {
    status_ = GrafStatus::NothingToCut;
    return workpiece_;
  }
  BuildVertices();
  if (!BuildEdges()) {
    status_ = GrafStatus::NoVertex;
    return workpiece_;
  }
  BuildWays();
  PathFinder();
  status_ = GrafStatus::Searched;
  return result_;
}

} // namespace turnsim
