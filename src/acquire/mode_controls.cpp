#include "acquire/mode_controls.h"

#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

struct Shown {
  int control;
  bool run;
  bool video;
};

// Run mode draws the roll graph with its zoom toggle; video mode the profile
// with its raw toggle. The pixel graph shows in neither.
constexpr Shown kShown[] = {
    {ids::MAIN_VIDEO_GRAPH, false, true}, {ids::MAIN_PIXEL_GRAPH, false, false},
    {ids::MAIN_RAW, false, true},         {ids::MAIN_ROLL_GRAPH, true, false},
    {ids::MAIN_ZOOM, true, false},
};

}  // namespace

void SetUpModeControls(LoopMode mode) {
  const int main = Panels().main;
  const int para2 = Panels().para2;
  for (const Shown& s : kShown)
    SetControlVisible(main, s.control, mode == LoopMode::Run ? s.run : s.video);
  for (int control : {ids::MAIN_RUN, ids::MAIN_VIDEO, ids::MAIN_GET})
    SetControlDimmed(main, control, true);
  // A teach shares the line with run mode; video mode keeps the line for itself.
  if (mode == LoopMode::Video) SetControlDimmed(para2, ids::P2_TEACH, true);
  SetControlDimmed(para2, ids::P2_SAVE_THD, true);
}
