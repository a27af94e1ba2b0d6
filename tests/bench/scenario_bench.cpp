// Program time against real time: how long the scenario harness takes to let
// 1.5 s of program time pass, with and without a sensor answering on the line.
#include <benchmark/benchmark.h>

#include "harness/scenario.h"

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

}  // namespace

BENCHMARK_MAIN();
