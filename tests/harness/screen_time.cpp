#include "harness/screen_time.h"

#include "runtime/clock.h"
#include "runtime/events.h"

namespace harness {

void LetTheScreenCatchUp(double seconds) {
  const double until = rt::Timer() + seconds;
  do {
    rt::ProcessSystemEvents();
    rt::WaitForEvents(until);
  } while (rt::Timer() < until);
  rt::ProcessSystemEvents();
}

}  // namespace harness
