// Graph and strip-chart operations of the user-interface model.
#include <algorithm>

#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "runtime/ui_notify.h"

namespace rt {
namespace {

GraphData* Graph(int panel, int control) {
  Control* c = FindControl(panel, control);
  if (!c || c->kind != ControlKind::Graph) return nullptr;
  return &c->graph;
}

// A graph with automatic redraw shows each change at once; one without waits
// for RefreshGraph.
void Touched(int panel, int control, GraphData* g) {
  if (g->autoRedraw) ++g->redraws;
  NotifyControlChanged(panel, control);
}

// Gives the plot its handle and adds it to the graph.
int AddPlot(int panel, int control, Plot p) {
  GraphData* g = Graph(panel, control);
  if (!g) return UIE_INVALID_CONTROL;
  p.handle = g->nextHandle++;
  g->plots.push_back(std::move(p));
  Touched(panel, control, g);
  return g->plots.back().handle;
}

template <typename Y>
int PlotXYImpl(int panel, int control, const double* xs, const Y* ys, int n, int color) {
  Plot p;
  p.kind = Plot::Kind::XY;
  p.color = color;
  p.xs.assign(xs, xs + std::max(0, n));
  p.ys.reserve(std::max(0, n));
  for (int i = 0; i < n; ++i) p.ys.push_back(static_cast<double>(ys[i]));
  return AddPlot(panel, control, std::move(p));
}

}  // namespace

int PlotXY(int panel, int control, const double* xs, const double* ys, int n, int color) {
  return PlotXYImpl(panel, control, xs, ys, n, color);
}

int PlotXY(int panel, int control, const double* xs, const std::uint16_t* ys, int n, int color) {
  return PlotXYImpl(panel, control, xs, ys, n, color);
}

int PlotRectangle(int panel, int control, double x1, double y1, double x2, double y2, int color,
                  int fillColor) {
  Plot p;
  p.kind = Plot::Kind::Rectangle;
  p.x1 = x1;
  p.y1 = y1;
  p.x2 = x2;
  p.y2 = y2;
  p.color = color;
  p.fillColor = fillColor;
  return AddPlot(panel, control, std::move(p));
}

int DeleteGraphPlot(int panel, int control, int plot, int /*drawMode*/) {
  GraphData* g = Graph(panel, control);
  if (!g) return UIE_INVALID_CONTROL;
  if (plot == VAL_ALL_PLOTS) {
    g->plots.clear();
  } else {
    auto it = std::remove_if(g->plots.begin(), g->plots.end(),
                             [plot](const Plot& p) { return p.handle == plot; });
    g->plots.erase(it, g->plots.end());
  }
  Touched(panel, control, g);
  return 0;
}

int RefreshGraph(int panel, int control) {
  GraphData* g = Graph(panel, control);
  if (!g) return UIE_INVALID_CONTROL;
  ++g->redraws;
  NotifyControlChanged(panel, control);
  return 0;
}

int SetGraphCursor(int panel, int control, int cursor, double x, double y) {
  GraphData* g = Graph(panel, control);
  if (!g || cursor < 1 || cursor > 3) return UIE_INVALID_CONTROL;
  g->cursors[cursor - 1] = Cursor{x, y};
  Touched(panel, control, g);
  return 0;
}

int GetGraphCursor(int panel, int control, int cursor, double* x, double* y) {
  GraphData* g = Graph(panel, control);
  if (!g || cursor < 1 || cursor > 3) return UIE_INVALID_CONTROL;
  *x = g->cursors[cursor - 1].x;
  *y = g->cursors[cursor - 1].y;
  return 0;
}

int SetAxisScalingMode(int panel, int control, int axis, int mode, double min, double max) {
  Control* c = FindControl(panel, control);
  if (!c) return UIE_INVALID_CONTROL;
  GraphData& g = c->graph;  // strip charts keep their axes here as well
  Axis& a = axis == VAL_XAXIS ? g.xAxis : g.yAxis;
  a.mode = mode;
  if (mode == VAL_MANUAL) {
    a.min = min;
    a.max = max;
  }
  NotifyControlChanged(panel, control);
  return 0;
}

int PlotStripChart(int panel, int control, const double* data, int count) {
  Control* c = FindControl(panel, control);
  if (!c || c->kind != ControlKind::StripChart) return UIE_INVALID_CONTROL;
  StripChartData& s = c->strip;
  int traces = std::max(1, s.numTraces);
  s.points.resize(traces);
  s.traces.resize(traces);
  for (int i = 0; i + traces <= count; i += traces) {
    for (int t = 0; t < traces; ++t) s.points[t].push_back(data[i + t]);
  }
  // Keep one screen and one point more, so the chart scrolls continuously.
  size_t keep = static_cast<size_t>(s.pointsPerScreen) + 1;
  for (auto& pts : s.points)
    if (pts.size() > keep) pts.erase(pts.begin(), pts.end() - keep);
  ++s.appends;
  NotifyControlChanged(panel, control);
  return 0;
}

int SetTraceAttribute(int panel, int control, int trace, int attr, int value) {
  Control* c = FindControl(panel, control);
  if (!c || c->kind != ControlKind::StripChart || trace < 1) return UIE_INVALID_CONTROL;
  StripChartData& s = c->strip;
  if (static_cast<int>(s.traces.size()) < trace) s.traces.resize(trace);
  if (attr == ATTR_TRACE_COLOR)
    s.traces[trace - 1].color = value;
  else
    s.traces[trace - 1].attrs[attr] = value;
  NotifyControlChanged(panel, control);
  return 0;
}

}  // namespace rt
