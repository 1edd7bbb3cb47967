// The contour graph of one cut step: the workpiece profile and the region swept by the tool,
// split at their crossings into directed edges, and the path finder that keeps the loop of
// least area measure as the remaining profile.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "turnsim/geometry/contour.h"
#include "turnsim/graph/graf_edge.h"
#include "turnsim/graph/graf_vertex.h"
#include "turnsim/graph/steck.h"

namespace turnsim {

// Values of the spindle markers.
inline constexpr std::int32_t kSpindleMarkAReset = -1;
inline constexpr std::int32_t kSpindleMarkBReset = -10;
inline constexpr std::int32_t kSpindleMarkHit = 1976;

// How far GetResult went.
enum class GrafStatus {
  NotRun,       // GetResult has not been asked yet
  Rapid,        // a rapid move: nothing computed, the workpiece is the result
  NothingToCut, // the split found no crossing that splits the workpiece: the workpiece
  NoVertex,     // a piece end had no vertex ("WhatNumber: ..." shown): the workpiece
  Searched,     // the path finder ran: the kept loop (empty when it closed none)
};

// Lives for one cut step: construct, GetResult once, copy the result, then read the spindle
// markers. Messages go through ShowMessage.
class GRAF {
public:
  GRAF(const Contour& workpiece, const Contour& swept);

  // The remaining profile, valid while the graph lives. A rapid move cuts nothing and returns
  // the workpiece without building anything. Asking again returns the same result.
  const Contour& GetResult(bool rapid);

  // Reset (-1, -10) when the graph is constructed; both become 1976 when any crossing lies on a
  // workpiece element whose spindle byte is set.
  std::int32_t SpindleMarkA() const { return spindleMarkA_; }
  std::int32_t SpindleMarkB() const { return spindleMarkB_; }
  // The markers ask the cut step to refuse the cut: equal and not -1.
  bool SpindleHit() const {
    return spindleMarkA_ == spindleMarkB_ && spindleMarkA_ != kSpindleMarkAReset;
  }

  GrafStatus Status() const { return status_; }
  bool Failed() const { return failed_; }

  // The stages' products, for inspection. Workpiece pieces end with the pieces of the closing
  // line (from the profile's last point back to its first).
  const Contour& WorkpiecePieces() const { return workpiecePieces_; }
  const Contour& SweptPieces() const { return sweptPieces_; }
  const std::vector<GrafVertex>& Vertices() const { return vertices_; }
  const std::vector<GrafEdge>& Edges() const { return edges_; }
  const std::vector<GrafEdge>& Path() const { return path_; }
  double BestArea() const { return bestArea_; }
  std::int32_t StartVertex() const { return startVertex_; }
  // Work of the search: decisions taken and closed loops recorded.
  std::int64_t SearchSteps() const { return searchSteps_; }
  std::int64_t LoopsFound() const { return loopsFound_; }

private:
  // Split (graf_split.cpp).
  void SplitAll();
  void SplitElement(const Otr& element, const Contour& against, bool workpieceElement);
  void ADDXZR(int selector, const std::vector<XZPoint>& points, const Otr& element);
  Otr ClosingLine() const;

  // Vertices, edges and ways (graf_build.cpp).
  void BuildVertices();
  std::int32_t FindVertex(XZPoint p) const;
  std::int32_t WhatNumber(XZPoint p);
  bool BuildEdges();
  void BuildWays();

  // Search (graf_path_finder.cpp).
  void PathFinder();
  int DecisionCode() const;
  void FORWARD();
  void Push(std::int32_t edge);
  void StepBack(bool resetting);
  void RecordLoop();
  void ConvertPath();

  bool failed_ = false;
  GrafStatus status_ = GrafStatus::NotRun;
  std::vector<GrafEdge> edges_;
  std::vector<GrafVertex> vertices_;
  Contour workpiece_;
  Contour swept_;
  Contour workpiecePieces_;
  Contour sweptPieces_;
  std::vector<GrafEdge> path_;
  double bestArea_ = -10.0;
  std::int32_t startVertex_ = 0;
  Steck stack_;
  Contour result_;

  std::int32_t spindleMarkA_ = kSpindleMarkAReset;
  std::int32_t spindleMarkB_ = kSpindleMarkBReset;

  // Vertex number by the hundredths counts of a point: SamePoint's rule as a key.
  std::unordered_map<std::uint64_t, std::int32_t> vertexByPoint_;
  bool whatNumberShown_ = false;

  // Search bookkeeping: per edge its area measure; per vertex how many stack entries above the
  // bottom one start there; the running measure sum of the stack, bottom first.
  std::vector<double> edgeMeasures_;
  std::vector<std::int32_t> startsOnStack_;
  std::vector<double> stackMeasure_;
  bool noWayShown_ = false;
  std::int64_t searchSteps_ = 0;
  std::int64_t loopsFound_ = 0;
};

} // namespace turnsim
