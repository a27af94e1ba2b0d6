// The clock behind Timer and Delay. The real clock is monotonic; tests install a
// virtual clock that WaitForEvents moves forward to the next thing that is due.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace rt {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual double now() = 0;  // seconds since start
  virtual void sleep(double seconds) = 0;
  // A clock that owns its time moves it on to the next due moment, never past
  // deadline until deadline is reached, and returns true. The real clock
  // cannot and returns false: the caller sleeps instead.
  virtual bool advanceUntil(double deadline) = 0;
  virtual bool isVirtual() const = 0;
};

class RealClock : public Clock {
 public:
  RealClock();
  double now() override;
  void sleep(double seconds) override;
  bool advanceUntil(double) override { return false; }
  bool isVirtual() const override { return false; }

 private:
  double start_;
};

// Time moves only when asked: sleep advances it, advanceUntil jumps to the next
// due moment (a scheduled action or a wake source) capped at the deadline, and
// from the deadline itself just past it, so that a wait for "more than 1.5 s"
// ends. With no deadline and nothing due it moves by step.
class VirtualClock : public Clock {
 public:
  explicit VirtualClock(double step = 0.001) : step_(step) {}
  double now() override { return t_; }
  double time() const { return t_; }
  void sleep(double seconds) override;
  bool advanceUntil(double deadline) override;
  // The next due moment, at most step ahead.
  void idle();
  // How far past a deadline the clock steps once it stands on it.
  static constexpr double kPastDeadline = 1e-6;
  bool isVirtual() const override { return true; }

  void advanceTo(double t);
  // Runs fn once the clock has reached t (inside idle, before the next dispatch).
  void at(double t, std::function<void()> fn);
  // A source that may want the clock to stop at its next due moment (or a
  // negative value for none), e.g. the next byte of a virtual sensor.
  void addWakeSource(std::function<double()> nextDue);
  void clearWakeSources() { wakeSources_.clear(); }
  bool hasScheduled() const { return !scheduled_.empty(); }

 private:
  void runDue();
  struct Scheduled {
    double t;
    long seq;
    std::function<void()> fn;
  };
  double t_ = 0;
  double step_;
  long seq_ = 0;
  std::vector<Scheduled> scheduled_;
  std::vector<std::function<double()>> wakeSources_;
};

void SetClock(Clock* clock);  // null restores the real clock
Clock& CurrentClock();

double Timer();
void Delay(double seconds);

}  // namespace rt
