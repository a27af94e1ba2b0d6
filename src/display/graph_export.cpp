#include "display/graph_export.h"

#include "display/graph_csv.h"
#include "display/roll_graph.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

MainGraph ShownMainGraph() {
  const rt::Control* video = rt::FindControl(Panels().main, ids::MAIN_VIDEO_GRAPH);
  return video && video->visible ? MainGraph::Video : MainGraph::Roll;
}

std::string ShownGraphCsv() {
  if (ShownMainGraph() == MainGraph::Roll) return RollGraphCsv(Roll());
  return VideoGraphCsv(rt::FindControl(Panels().main, ids::MAIN_VIDEO_GRAPH)->graph);
}
