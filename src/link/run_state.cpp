#include "link/run_state.h"

RunState& RunMode() {
  static RunState state;
  return state;
}

void ResetRunState() {
  RunMode() = RunState{};
}
