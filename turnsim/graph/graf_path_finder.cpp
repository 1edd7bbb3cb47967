// The path finder: a depth-first enumeration of the closed loops through the start vertex,
// keeping the loop of least area measure, and its conversion into the remaining profile.
//
// Every decision pushes or pops one edge. The stack is a simple path: the search stops at the
// start vertex (a loop) and at any vertex where an entry above the bottom one starts (code 8),
// so the stack never holds more entries than there are vertices, and each vertex tries each of
// its two ways once per visit. The search therefore ends; its work is the number of simple
// paths from the start vertex, which doubles with every crossing whose two ways both lead on to
// the next crossing.
#include <cstddef>

#include "turnsim/geometry/messages.h"
#include "turnsim/graph/edge_measure.h"
#include "turnsim/graph/graf.h"

namespace turnsim {

namespace {

enum Decision : int {
  kAllTried = 1,   // the stack is empty
  kLoopClosed = 2, // the top edge ends at the start vertex
  kInnerLoop = 8,  // the top edge ends where a stack entry above the bottom one starts
  kExhausted = 9,  // the vertex at the end of the top edge has no way left
  kForward = 10,   // it has a way left
  kNoWay = -1,     // it has no outgoing way at all
};

// Edges whose both ends lie this close to the axis (or below it) are not part of the profile.
constexpr double kOnAxis = 0.0001;

} // namespace

void GRAF::PathFinder() {
  result_.clear();
  path_.clear();
  if (edges_.empty()) {
    return;
  }
  edgeMeasures_.resize(edges_.size());
  for (std::size_t i = 0; i < edges_.size(); ++i) {
    edgeMeasures_[i] = EdgeMeasure(edges_[i]);
  }
  startsOnStack_.assign(vertices_.size(), 0);
  stackMeasure_.clear();

  startVertex_ = edges_[0].startVertex;
  Push(0);
  // Way 1 out of the first workpiece piece's start counts as taken too. Where the search starts
  // at a held piece further on, the first route to arrive there therefore closes no loop.
  vertices_[0].gone1 = true;
  for (;;) {
    ++searchSteps_;
    switch (DecisionCode()) {
    case kAllTried:
      ConvertPath();
      return;
    case kLoopClosed:
      RecordLoop();
      StepBack(false);
      break;
    case kInnerLoop:
      StepBack(false);
      break;
    case kExhausted:
      StepBack(true);
      break;
    case kForward:
      FORWARD();
      break;
    case kNoWay:
    default:
      // A dead end (an open swept region ends here): shown once, then left as an exhausted
      // vertex is, and the search goes on.
      if (!noWayShown_) {
        ShowMessage("PathFinder: ERROR_CODE: -1");
        noWayShown_ = true;
      }
      StepBack(true);
      break;
    }
  }
}

int GRAF::DecisionCode() const {
  if (stack_.Empty()) {
    return kAllTried;
  }
  const std::int32_t v = edges_[static_cast<std::size_t>(stack_.Top())].endVertex;
  if (v == startVertex_ && stack_.Count() > 1) {
    return kLoopClosed;
  }
  if (startsOnStack_[static_cast<std::size_t>(v)] > 0) {
    return kInnerLoop;
  }
  const GrafVertex& vertex = vertices_[static_cast<std::size_t>(v)];
  if (!vertex.present1 && !vertex.present2) {
    return kNoWay;
  }
  // The path is simple, so it cannot outgrow the edges; the test only makes that explicit.
  if (stack_.Count() > static_cast<std::int32_t>(edges_.size())) {
    return kExhausted;
  }
  if ((vertex.present1 && !vertex.gone1) || (vertex.present2 && !vertex.gone2)) {
    return kForward;
  }
  return kExhausted;
}

void GRAF::FORWARD() {
  const std::int32_t v = edges_[static_cast<std::size_t>(stack_.Top())].endVertex;
  GrafVertex& vertex = vertices_[static_cast<std::size_t>(v)];
  if (vertex.present1 && !vertex.gone1) {
    Push(vertex.ng1);
    vertex.gone1 = true;
  } else if (vertex.present2 && !vertex.gone2) {
    Push(vertex.ng2);
    vertex.gone2 = true;
  }
}

void GRAF::Push(std::int32_t edge) {
  const GrafEdge& e = edges_[static_cast<std::size_t>(edge)];
  if (!stack_.Empty()) {
    ++startsOnStack_[static_cast<std::size_t>(e.startVertex)];
  }
  stackMeasure_.push_back((stackMeasure_.empty() ? 0.0 : stackMeasure_.back()) +
                          edgeMeasures_[static_cast<std::size_t>(edge)]);
  stack_.Push(edge);
  GrafVertex& u = vertices_[static_cast<std::size_t>(e.startVertex)];
  if (u.present1 && u.ng1 == edge) {
    u.gone1 = true;
  }
  if (u.present2 && u.ng2 == edge) {
    u.gone2 = true;
  }
}

void GRAF::StepBack(bool resetting) {
  const GrafEdge& e = edges_[static_cast<std::size_t>(stack_.Top())];
  if (resetting) {
    // The vertex may be passed again on another path.
    GrafVertex& v = vertices_[static_cast<std::size_t>(e.endVertex)];
    if (v.present1) {
      v.gone1 = false;
    }
    if (v.present2) {
      v.gone2 = false;
    }
  }
  stack_.Pop();
  stackMeasure_.pop_back();
  if (!stack_.Empty()) {
    --startsOnStack_[static_cast<std::size_t>(e.startVertex)];
  }
}

void GRAF::RecordLoop() {
  ++loopsFound_;
  // The running sum adds the entries bottom first, as summing the stack would.
  const double area = stackMeasure_.back();
  // Below -1 the best area still holds its start value: no loop has been kept yet. Among loops
  // of equal measure the first one found stays.
  if (bestArea_ < -1.0 || area < bestArea_) {
    bestArea_ = area;
    path_.clear();
    path_.reserve(static_cast<std::size_t>(stack_.Count()));
    for (std::int32_t i = 0; i < stack_.Count(); ++i) {
      path_.push_back(edges_[static_cast<std::size_t>(stack_.At(i))]);
    }
  }
}

void GRAF::ConvertPath() {
  result_.clear();
  if (path_.empty()) {
    return;
  }
  // The profile begins with the edge of least start Z. Among edges that start at that Z the
  // one nearest the axis begins it, then the first one: a loop that starts at a held outside
  // piece would otherwise begin there, end with the free left face, and the finishing cut back
  // to the axis would drop that face.
  const std::size_t n = path_.size();
  std::size_t m = 0;
  for (std::size_t i = 1; i < n; ++i) {
    const XZPoint s = path_[i].start;
    const XZPoint best = path_[m].start;
    if (s.Z < best.Z || (s.Z == best.Z && s.X < best.X)) {
      m = i;
    }
  }
  for (std::size_t j = 0; j < n; ++j) {
    const GrafEdge& edge = path_[(m + j) % n];
    if (edge.start.X < kOnAxis && edge.end.X < kOnAxis) {
      continue;
    }
    Otr element;
    element.type = edge.type;
    element.start = edge.start;
    element.end = edge.end;
    element.centre = edge.centre;
    element.radius = edge.radius;
    element.spindle = edge.fixed ? 1 : 0;
    result_.push_back(element);
  }
}

} // namespace turnsim
