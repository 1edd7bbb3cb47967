// How the graph is laid out for the search: pieces in order along each element, the closing
// line, edge numbering from the first spindle piece, and the two ways at a crossing.
#include "turnsim/graph/graf.h"

#include <gtest/gtest.h>

#include "tests/graph/graph_shapes.h"
#include "turnsim/geometry/primitives.h"

namespace turnsim {
namespace {

using testing::ExpectContour;
using testing::Line;
using testing::Rectangle;

std::int32_t VertexAt(const GRAF& graph, XZPoint p) {
  for (const GrafVertex& v : graph.Vertices()) {
    if (SamePoint(v.point, p)) {
      return v.number;
    }
  }
  return -1;
}

// The bar is held by its outside up to Z 30 (the second element); a groove X 15..25, Z 40..50
// crosses the free outside. The edges start with the held piece and run round the profile
// (closing line included) before the reversed groove pieces follow; at the crossing (20, 40)
// way 1 continues along the workpiece and way 2 turns into the groove.
TEST(Graf, EdgesStartAtTheHeldPieceAndCrossingsOfferTwoWays) {
  const Contour held{Line({0, 0}, {20, 0}), Line({20, 0}, {20, 30}, 1), Line({20, 30}, {20, 100}),
                     Line({20, 100}, {0, 100})};
  GRAF graph(held, Rectangle(15, 25, 40, 50, 2));
  graph.GetResult(false);
  ASSERT_EQ(graph.Status(), GrafStatus::Searched);

  ExpectContour(graph.WorkpiecePieces(),
                {Line({0, 0}, {20, 0}), Line({20, 0}, {20, 30}, 1), Line({20, 30}, {20, 40}),
                 Line({20, 40}, {20, 50}), Line({20, 50}, {20, 100}), Line({20, 100}, {0, 100}),
                 Line({0, 100}, {0, 0})},
                0.0f);
  const auto& edges = graph.Edges();
  ASSERT_EQ(edges.size(), 7u + 6u);
  const XZPoint order[] = {{20, 0}, {20, 30}, {20, 40}, {20, 50}, {20, 100}, {0, 100}, {0, 0}};
  for (std::size_t i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(SamePoint(edges[i].start, order[i]));
    EXPECT_EQ(edges[i].number, static_cast<std::int32_t>(i));
    EXPECT_EQ(edges[i].fixed, i == 0);
  }
  for (std::size_t i = 7; i < edges.size(); ++i) {
    EXPECT_FALSE(edges[i].fixed);
  }
  EXPECT_EQ(graph.StartVertex(), VertexAt(graph, {20, 0}));

  const GrafVertex& crossing =
      graph.Vertices()[static_cast<std::size_t>(VertexAt(graph, {20, 40}))];
  ASSERT_TRUE(crossing.present1 && crossing.present2);
  EXPECT_TRUE(SamePoint(graph.Edges()[static_cast<std::size_t>(crossing.ng1)].end, {20, 50}));
  EXPECT_TRUE(SamePoint(graph.Edges()[static_cast<std::size_t>(crossing.ng2)].end, {15, 40}));
  EXPECT_GE(crossing.ng2, 7);
}

} // namespace
} // namespace turnsim

namespace turnsim {
namespace {

// The region's first element crosses the outside (X 10) exactly at its end (Z 20), before the
// element that crosses it at Z 10. The crossing at the end stands in for the end point once
// duplicates go, in the middle of the list; the pieces must still run in order along the
// element: (10, 0) to (10, 10) to (10, 20), never back from (10, 20) to (10, 10).
TEST(Graf, PiecesRunInOrderWhenACrossingLiesOnTheElementsEnd) {
  const Contour profile{testing::Line({0, 0}, {10, 0}), testing::Line({10, 0}, {10, 20}),
                        testing::Line({10, 20}, {0, 20})};
  const Contour region{testing::Line({12, 20}, {8, 20}), testing::Line({8, 20}, {8, 10}),
                       testing::Line({8, 10}, {12, 10}), testing::Line({12, 10}, {12, 20})};
  GRAF graph(profile, region);
  graph.GetResult(false);
  const Contour& pieces = graph.WorkpiecePieces();
  ASSERT_GE(pieces.size(), 3u);
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    EXPECT_TRUE(SamePoint(pieces[i - 1].end, pieces[i].start)) << "piece " << i;
  }
  EXPECT_TRUE(SamePoint(pieces[1].end, {10, 10}));
  EXPECT_TRUE(SamePoint(pieces[2].end, {10, 20}));
}

} // namespace
} // namespace turnsim
