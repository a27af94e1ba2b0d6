#include "display/video_state.h"

VideoState& Video() {
  static VideoState state;
  return state;
}

void ResetVideoState() {
  Video() = VideoState{};
}
