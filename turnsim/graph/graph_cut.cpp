// The cut step's entry to the contour graph: one graph per motion, its result and the refusals.
#include "turnsim/graph/graph_cut.h"

#include "turnsim/geometry/primitives.h"
#include "turnsim/graph/graf.h"

namespace turnsim {

GraphCutResult CutWithGraph(const Contour& workpiece, const Contour& swept, bool rapid) {
  GraphCutResult cut;
  GRAF graph(workpiece, swept);
  const Contour& result = graph.GetResult(rapid);
  const auto refuse = [&](GraphCutReason reason) {
    cut.refused = true;
    cut.reason = reason;
    cut.path = CopyContour(workpiece);
  };
  // The markers are reset for every graph, so a crossing on any spindle element refuses the
  // cut: the part the machine holds is never cut. A rapid move never sets them.
  if (graph.SpindleHit()) {
    refuse(GraphCutReason::Spindle);
    cut.message = kSpindleCutMessage;
    return cut;
  }
  switch (graph.Status()) {
  case GrafStatus::Rapid:
    cut.reason = GraphCutReason::Rapid;
    cut.path = CopyContour(result);
    return cut;
  case GrafStatus::NothingToCut:
    cut.reason = GraphCutReason::NothingToCut;
    cut.path = CopyContour(result);
    return cut;
  case GrafStatus::NoVertex:
    refuse(GraphCutReason::NoVertex);
    return cut;
  case GrafStatus::NotRun:
  case GrafStatus::Searched:
    break;
  }
  // A search that kept no loop (or only elements on the axis) would leave no profile.
  if (result.empty()) {
    refuse(GraphCutReason::NoProfile);
    return cut;
  }
  cut.reason = GraphCutReason::Cut;
  cut.path = CopyContour(result);
  return cut;
}

} // namespace turnsim
