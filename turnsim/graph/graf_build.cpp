// Vertices, directed edges and the ways out of every vertex, built from the split pieces.
#include <cstddef>

#include "turnsim/geometry/messages.h"
#include "turnsim/geometry/primitives.h"
#include "turnsim/graph/graf.h"

namespace turnsim {

namespace {

// Two points are the same point when their hundredths counts of X and of Z agree (SamePoint),
// so the pair of counts identifies a vertex.
std::uint64_t PointKey(XZPoint p) {
  const auto x = static_cast<std::uint32_t>(ToHundredths(p.X));
  const auto z = static_cast<std::uint32_t>(ToHundredths(p.Z));
  return (static_cast<std::uint64_t>(x) << 32) | z;
}

GrafEdge EdgeFrom(const Otr& piece) {
  GrafEdge edge;
  edge.type = piece.type;
  edge.start = piece.start;
  edge.end = piece.end;
  edge.centre = piece.centre;
  edge.radius = piece.radius;
  edge.fixed = piece.spindle != 0;
  return edge;
}

} // namespace

std::int32_t GRAF::FindVertex(XZPoint p) const {
  const auto it = vertexByPoint_.find(PointKey(p));
  return it == vertexByPoint_.end() ? -1 : it->second;
}

void GRAF::BuildVertices() {
  const auto add = [this](XZPoint p) {
    if (FindVertex(p) >= 0) {
      return;
    }
    GrafVertex vertex;
    vertex.number = static_cast<std::int32_t>(vertices_.size());
    vertex.point = p;
    vertexByPoint_.emplace(PointKey(p), vertex.number);
    vertices_.push_back(vertex);
  };
  for (const Contour* pieces : {&workpiecePieces_, &sweptPieces_}) {
    for (const Otr& piece : *pieces) {
      add(piece.start);
    }
    if (!pieces->empty()) {
      add(pieces->back().end);
    }
  }
}

std::int32_t GRAF::WhatNumber(XZPoint p) {
  const std::int32_t number = FindVertex(p);
  if (number < 0 && !whatNumberShown_) {
    ShowMessage("WhatNumber: Can't find point's number.");
    whatNumberShown_ = true;
  }
  return number;
}

bool GRAF::BuildEdges() {
  // The workpiece edges begin with the first spindle piece, so that every loop runs through
  // the part the machine holds; the closing line is already the last workpiece piece.
  const std::size_t n = workpiecePieces_.size();
  std::size_t k = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (workpiecePieces_[i].spindle == 1) {
      k = i;
      break;
    }
  }
  edges_.reserve(n + sweptPieces_.size());
  for (std::size_t j = 0; j < n; ++j) {
    edges_.push_back(EdgeFrom(workpiecePieces_[(k + j) % n]));
  }
  for (const Otr& piece : sweptPieces_) {
    GrafEdge edge = EdgeFrom(piece);
    edge.start = piece.end;
    edge.end = piece.start;
    edge.radius = -piece.radius;
    edge.fixed = false;
    edges_.push_back(edge);
  }
  bool complete = true;
  for (std::size_t i = 0; i < edges_.size(); ++i) {
    GrafEdge& edge = edges_[i];
    edge.number = static_cast<std::int32_t>(i);
    edge.startVertex = WhatNumber(edge.start);
    edge.endVertex = WhatNumber(edge.end);
    // A piece end without a vertex leaves the graph without a defined edge: the cut fails.
    if (edge.startVertex < 0 || edge.endVertex < 0) {
      complete = false;
    }
  }
  return complete;
}

void GRAF::BuildWays() {
  // Scanning the edges once in number order gives every vertex the same first and second
  // outgoing edge as scanning them once per vertex.
  for (const GrafEdge& edge : edges_) {
    GrafVertex& vertex = vertices_[static_cast<std::size_t>(edge.startVertex)];
    if (!vertex.present1) {
      vertex.present1 = true;
      vertex.ng1 = edge.number;
    } else if (!vertex.present2) {
      vertex.present2 = true;
      vertex.ng2 = edge.number;
    }
  }
}

} // namespace turnsim
