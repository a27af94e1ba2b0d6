// The front end's decisions that need no widget, where the widget tests do not
// reach their ends: typed entries, axis ranges and the file dialog's terms.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "qt/control_rules.h"
#include "qt/file_filter.h"
#include "qt/plot_ranges.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"

namespace {

using qtfront::MouseButton;

rt::Control Kind(rt::ControlKind kind, double value) {
  rt::Control c;
  c.kind = kind;
  c.num = value;
  return c;
}

TEST(FrontEndRules, EntriesAreCoercedToRangeAndType) {
  rt::Control port = Kind(rt::ControlKind::Numeric, 1);
  port.minValue = 1;
  port.maxValue = 255;
  EXPECT_EQ(qtfront::CoercedEntry(port, 300), 255);
  EXPECT_EQ(qtfront::CoercedEntry(port, 0), 1);
  EXPECT_EQ(qtfront::CoercedEntry(port, 7.6), 8);
  EXPECT_EQ(qtfront::DisplayDecimals(port), 0);

  rt::Control interval = Kind(rt::ControlKind::Numeric, 1);
  interval.integerData = false;
  interval.precision = 1;
  interval.minValue = 0.1;
  interval.maxValue = 3600;
  EXPECT_DOUBLE_EQ(qtfront::CoercedEntry(interval, 0.25), 0.25);
  EXPECT_DOUBLE_EQ(qtfront::CoercedEntry(interval, 0.0), 0.1);
  EXPECT_EQ(qtfront::DisplayDecimals(interval), 1);
  EXPECT_EQ(qtfront::SliderScale(interval), 10);

  // Slider positions must fit an int even for wide double ranges.
  rt::Control wide = interval;
  wide.precision = 4;
  wide.maxValue = 4194303.999;
  EXPECT_LT(wide.maxValue * qtfront::SliderScale(wide), 2147483647.0);
}

TEST(FrontEndRules, AxisRanges) {
  rt::Axis flat{rt::VAL_MANUAL, 5, 5};
  qtfront::Range r = qtfront::AxisRange(flat, {});
  EXPECT_LT(r.lo, 5);
  EXPECT_GT(r.hi, 5);

  rt::GraphData g;
  rt::Plot band;
  band.kind = rt::Plot::Kind::Rectangle;
  band.x1 = 612;
  band.x2 = 412;
  band.y1 = 0;
  band.y2 = 0.25;
  rt::Plot line;
  line.xs = {0, 100, std::nan("")};
  line.ys = {-3, 8, 1e9};
  g.plots = {band, line};
  rt::Axis automatic{rt::VAL_AUTOSCALE, 0, 1};
  r = qtfront::AxisRange(automatic, qtfront::GraphXSpan(g));
  EXPECT_EQ(r.lo, 0);
  EXPECT_EQ(r.hi, 612);
  r = qtfront::AxisRange(automatic, qtfront::GraphYSpan(g));
  EXPECT_EQ(r.lo, -3);
  EXPECT_EQ(r.hi, 1e9);
  r = qtfront::AxisRange(automatic, qtfront::GraphXSpan(rt::GraphData{}));
  EXPECT_EQ(r.lo, 0);
  EXPECT_EQ(r.hi, 1);
}

TEST(FrontEndRules, FileDialogTerms) {
  EXPECT_EQ(qtfront::DialogFilter("*.ini", true), "*.ini (*.ini)");
  EXPECT_EQ(qtfront::DialogFilter("*.dat; *.txt", false),
            "*.dat (*.dat);;*.txt (*.txt);;All files (*)");
  EXPECT_EQ(qtfront::DialogFilter("", true), "All files (*)");

  EXPECT_EQ(qtfront::DialogStartPath("/opt/scope", "KAVRO-PARA.ini"), "/opt/scope/KAVRO-PARA.ini");
  EXPECT_EQ(qtfront::DialogStartPath("/opt/scope/", "RECORD.DAT"), "/opt/scope/RECORD.DAT");
  EXPECT_EQ(qtfront::DialogStartPath("/opt/scope", "*.ini"), "/opt/scope");

  EXPECT_EQ(qtfront::WithRequiredExtension("/d/run1", "*.dat", true), "/d/run1.dat");
  EXPECT_EQ(qtfront::WithRequiredExtension("/d.x/run1.txt", "*.dat", true), "/d.x/run1.txt");
  EXPECT_EQ(qtfront::WithRequiredExtension("/d/run1", "*.dat", false), "/d/run1");
  EXPECT_EQ(qtfront::WithRequiredExtension("/d.x/run1", "*.*", true), "/d.x/run1");

  EXPECT_EQ(qtfront::FileSelectResult("", true, false), rt::VAL_NO_FILE_SELECTED);
  EXPECT_EQ(qtfront::FileSelectResult("/a.ini", true, false), rt::VAL_NEW_FILE_SELECTED);
  EXPECT_EQ(qtfront::FileSelectResult("/a.ini", true, true), rt::VAL_EXISTING_FILE_SELECTED);
  EXPECT_EQ(qtfront::FileSelectResult("/a.ini", false, true), rt::VAL_EXISTING_FILE_SELECTED);
}

}  // namespace
