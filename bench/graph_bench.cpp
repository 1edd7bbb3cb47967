// How the contour graph's work grows with the number of crossings of profile and swept region:
// time per cut, search decisions ("steps") and closed loops recorded ("loops").
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "turnsim/geometry/contour.h"
#include "turnsim/graph/graf.h"

namespace {

using turnsim::Contour;
using turnsim::GRAF;
using turnsim::Otr;
using turnsim::XZPoint;

// Points are (X, Z). Teeth and ribs are 2 mm wide with 2 mm between them from Z 10 on.
constexpr float kFirstZ = 10.0f;
constexpr float kPitch = 4.0f;
constexpr float kWidth = 2.0f;

void Add(Contour& c, XZPoint start, XZPoint end) {
  Otr e;
  e.type = turnsim::kLine;
  e.start = start;
  e.end = end;
  c.push_back(e);
}

// Joins a clockwise chain of corner points into lines, the last back to the first if `closed`.
Contour Chain(const std::vector<XZPoint>& points, bool closed) {
  Contour c;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    Add(c, points[i], points[i + 1]);
  }
  if (closed) {
    Add(c, points.back(), points.front());
  }
  return c;
}

float LastTeethZ(int teeth) {
  return kFirstZ + kPitch * static_cast<float>(teeth - 1) + kWidth;
}

// A plain bar of radius 20 long enough for the teeth.
Contour Bar(int teeth) {
  const float length = LastTeethZ(teeth) + 10.0f;
  return Chain({{0, 0}, {20, 0}, {20, length}, {0, length}}, false);
}

// A form tool plunged into the bar: a spine X 14..16 inside the material with `teeth` teeth up
// to X 25, each crossing the outside twice. Its routes through the material all lead to the
// far end of the spine, so the loops stay few.
Contour FormTool(int teeth) {
  std::vector<XZPoint> p{{14, kFirstZ}};
  for (int i = 0; i < teeth; ++i) {
    const float z = kFirstZ + kPitch * static_cast<float>(i);
    if (i > 0) {
      p.push_back({16, z});
    }
    p.push_back({25, z});
    p.push_back({25, z + kWidth});
    if (i + 1 < teeth) {
      p.push_back({16, z + kWidth});
    }
  }
  p.push_back({14, LastTeethZ(teeth)});
  return Chain(p, true);
}

// A bar of radius 16 with `ribs` ribs up to X 24.
Contour RibbedBar(int ribs) {
  const float length = LastTeethZ(ribs) + 10.0f;
  std::vector<XZPoint> p{{0, 0}, {16, 0}};
  for (int i = 0; i < ribs; ++i) {
    const float z = kFirstZ + kPitch * static_cast<float>(i);
    p.push_back({16, z});
    p.push_back({24, z});
    p.push_back({24, z + kWidth});
    p.push_back({16, z + kWidth});
  }
  p.push_back({16, length});
  p.push_back({0, length});
  return Chain(p, false);
}

// A turning pass over the ribs: the strip X 20..30 along all of them. At every crossing both
// ways lead on to the next crossing, so the loops double with each crossing.
Contour Strip(int ribs) {
  const float z0 = kFirstZ - 1.0f;
  const float z1 = LastTeethZ(ribs) + 1.0f;
  return Chain({{20, z0}, {30, z0}, {30, z1}, {20, z1}}, true);
}

void Run(benchmark::State& state, const Contour& workpiece, const Contour& swept) {
  std::int64_t steps = 0;
  std::int64_t loops = 0;
  std::size_t edges = 0;
  for (auto _ : state) {
    GRAF graph(workpiece, swept);
    benchmark::DoNotOptimize(graph.GetResult(false).data());
    steps = graph.SearchSteps();
    loops = graph.LoopsFound();
    edges = graph.Edges().size();
  }
  state.counters["crossings"] = static_cast<double>(state.range(0));
  state.counters["edges"] = static_cast<double>(edges);
  state.counters["steps"] = static_cast<double>(steps);
  state.counters["loops"] = static_cast<double>(loops);
}

void BM_FormToolCrossings(benchmark::State& state) {
  const int teeth = static_cast<int>(state.range(0) / 2);
  Run(state, Bar(teeth), FormTool(teeth));
}
BENCHMARK(BM_FormToolCrossings)->Arg(10)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMicrosecond);

// Each further pair of crossings multiplies the work by four: at the rate measured up to 20
// crossings, 40 would take about two days and 80 longer than the age of the earth, so the series
// stops at 20.
void BM_RibbedBarCrossings(benchmark::State& state) {
  const int ribs = static_cast<int>(state.range(0) / 2);
  Run(state, RibbedBar(ribs), Strip(ribs));
}
BENCHMARK(BM_RibbedBarCrossings)
    ->Arg(4)
    ->Arg(8)
    ->Arg(10)
    ->Arg(12)
    ->Arg(16)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
