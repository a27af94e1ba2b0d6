#include "runtime/clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

namespace rt {
namespace {

double SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

Clock* g_clock = nullptr;

}  // namespace

RealClock::RealClock() : start_(SteadySeconds()) {}
double RealClock::now() {
  return SteadySeconds() - start_;
}
void RealClock::sleep(double seconds) {
  if (seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void VirtualClock::sleep(double seconds) {
  if (seconds > 0) t_ += seconds;
}

void VirtualClock::advanceTo(double t) {
  if (t > t_) t_ = t;
  runDue();
}

bool VirtualClock::advanceUntil(double deadline) {
  // Only moments still ahead count: something already due (bytes nobody
  // reads) must not hold time still, or a loop waiting for a time-out stalls.
  double target = std::isinf(deadline) ? t_ + step_ : deadline;
  if (target <= t_) target = t_ + kPastDeadline;
  for (auto& s : scheduled_)
    if (s.t > t_) target = std::min(target, s.t);
  for (auto& src : wakeSources_) {
    double due = src();
    if (due > t_) target = std::min(target, due);
  }
  t_ = target;
  runDue();
  return true;
}

void VirtualClock::idle() {
  advanceUntil(std::numeric_limits<double>::infinity());
}

void VirtualClock::at(double t, std::function<void()> fn) {
  scheduled_.push_back({t, seq_++, std::move(fn)});
}

void VirtualClock::addWakeSource(std::function<double()> nextDue) {
  wakeSources_.push_back(std::move(nextDue));
}

void VirtualClock::runDue() {
  for (;;) {
    auto it = std::min_element(scheduled_.begin(), scheduled_.end(), [](auto& a, auto& b) {
      return a.t < b.t || (a.t == b.t && a.seq < b.seq);
    });
    if (it == scheduled_.end() || it->t > t_) return;
    auto fn = std::move(it->fn);
    scheduled_.erase(it);
    fn();
  }
}

void SetClock(Clock* clock) {
  g_clock = clock;
}

Clock& CurrentClock() {
  static RealClock real;
  return g_clock ? *g_clock : real;
}

double Timer() {
  return CurrentClock().now();
}
void Delay(double seconds) {
  CurrentClock().sleep(seconds);
}

}  // namespace rt
