// What the cut step asks of the contour graph: the profile that remains of the workpiece after
// one motion, or the reason why the workpiece must stay as it was.
#pragma once

#include <string_view>

#include "turnsim/geometry/contour.h"

namespace turnsim {

// The cut step's message for a cut that would reach the part the machine holds.
inline constexpr std::string_view kSpindleCutMessage = "Can't cut SHPINDEL!";

enum class GraphCutReason {
  Cut,          // the path finder kept a loop: `path` is it, not yet finished
  Rapid,        // a rapid move cuts nothing: `path` is the workpiece
  NothingToCut, // the swept region splits no workpiece element: `path` is the workpiece
  Spindle,      // refused: a crossing lies on a spindle element
  NoVertex,     // refused: a piece end had no vertex (the graph has shown its message)
  NoProfile,    // refused: the search kept no loop with anything off the axis
};

struct GraphCutResult {
  // True when the cut must not change the profile; `path` then holds the workpiece.
  bool refused = false;
  GraphCutReason reason = GraphCutReason::Cut;
  // The contour for FinishCutProfile: the kept loop from its element of least start Z, without
  // the elements on the axis; the workpiece itself when nothing was cut or the cut is refused.
  Contour path;
  // A text the cut step shows: kSpindleCutMessage for a spindle refusal, empty otherwise. The
  // graph shows its own messages ("WhatNumber: ...", "PathFinder: ...") itself.
  std::string_view message;
};

// Builds the graph of the workpiece profile and the swept region of one motion, runs the path
// finder and reads the spindle markers. `rapid`: the speed mode is rapid traverse.
GraphCutResult CutWithGraph(const Contour& workpiece, const Contour& swept, bool rapid);

} // namespace turnsim
