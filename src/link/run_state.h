// The stop flag shared by every transfer loop (run mode, video mode, recorder).
#pragma once

inline constexpr int kStopStopped = 1;   // stopped, or asked to stop
inline constexpr int kStopRunning = 0;   // a transfer loop runs
inline constexpr int kStopTimeout = -1;  // run or video loop ended by a missing reply
inline constexpr int kStopRecorderDone = 2;
inline constexpr int kStopRecorderTimeout = 3;

struct RunState {
  int stopFlag = kStopStopped;
};

RunState& RunMode();
void ResetRunState();
