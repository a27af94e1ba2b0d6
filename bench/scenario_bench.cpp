// Program time against real time: how long the scenario harness takes to let
// 1.5 s of program time pass, with and without a sensor answering on the line.
#include <benchmark/benchmark.h>

#include "display/measurement_display.h"
#include "harness/scenario.h"
#include "sensor/measurement_state.h"

namespace {

void WaitOneAndAHalfSecondsIdle(benchmark::State& state) {
  Scenario s;
  s.setPortFactory(nullptr);
  s.startUp();
  for (auto _ : state) s.run(1.5);
}
BENCHMARK(WaitOneAndAHalfSecondsIdle)->Unit(benchmark::kMillisecond);

void StartUpAgainstVirtualSensor(benchmark::State& state) {
  for (auto _ : state) {
    Scenario s;
    s.attachSensor();
    s.startUp();
    benchmark::DoNotOptimize(s.status());
  }
}
BENCHMARK(StartUpAgainstVirtualSensor)->Unit(benchmark::kMillisecond);

// The display work of one measurement between two requests of run mode: the
// evaluation, the displays, the data graph and the roll graph. Argument 1 moves
// the edges every time (bands redrawn), 0 keeps them (bands kept).
void ShowOneMeasurement(benchmark::State& state) {
  Scenario s;
  s.setPortFactory(nullptr);
  s.startUp();
  MeasurementState& m = Measurement();
  m.edges = 2;
  m.eLeft = 900;
  m.eRight = 1100;
  m.mValue = 1000;
  int n = 0;
  for (auto _ : state) {
    if (state.range(0)) m.eLeft = static_cast<std::uint16_t>(900 + (++n & 63));
    ShowMeasurement(Measurement(), Params(), Hardware());
    PlotRollGraph(Measurement(), Params(), Hardware());
  }
}
BENCHMARK(ShowOneMeasurement)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
