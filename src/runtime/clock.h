// The clock behind Timer and Delay. The real clock is monotonic; tests install a
// virtual clock that ProcessSystemEvents moves forward when nothing is pending.
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
  // Called by ProcessSystemEvents when no event was dispatched.
  virtual void idle() = 0;
  virtual bool isVirtual() const = 0;
};

class RealClock : public Clock {
 public:
  RealClock();
  double now() override;
  void sleep(double seconds) override;
  void idle() override {}
  bool isVirtual() const override { return false; }

 private:
  double start_;
};

// Time moves only when asked: sleep advances it, idle advances it to the next
// due moment (a scheduled action or a wake source) but never by more than step.
class VirtualClock : public Clock {
 public:
  explicit VirtualClock(double step = 0.001) : step_(step) {}
  double now() override { return t_; }
  double time() const { return t_; }
  void sleep(double seconds) override;
  void idle() override;
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
