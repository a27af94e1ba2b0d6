// What the operator saves from the main window: the names proposed for the
// files, and the graphs' values as CSV, whose numbers keep their decimal point
// on a desktop that writes a decimal comma.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <ctime>
#include <string>
#include <vector>

#include "app/file_names.h"
#include "display/graph_csv.h"

namespace {

// German number conventions for the test's length, where the machine has them.
class DecimalCommaDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::setlocale(LC_ALL, nullptr);
    saved_ = old ? old : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }
  std::string saved_;
};

TEST(SavedFileNames, DateAndTimeSortAsTheyWereMade) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 0;  // January
  when.tm_mday = 6;
  when.tm_hour = 9;
  when.tm_min = 5;
  when.tm_sec = 7;
  EXPECT_EQ(StampedFileName("kavro-line", "trace", when), "kavro-line-2026-01-06-090507.trace");
}

TEST_F(DecimalCommaDesktop, RollGraphOldestSampleFirst) {
  RollBuffer roll;
  PushRollSample(roll, {4100, 3900, 4000, 4012.5, 1, 8191});
  PushRollSample(roll, {4101, 3901, 4001, 0.25, 2, 8190});
  const std::string csv = RollGraphCsv(roll);
  const std::string header =
      "sample,upper limit,lower limit,teach value,measured value,analogue high,analogue low\n";
  ASSERT_EQ(csv.rfind(header, 0), 0u);
  EXPECT_NE(csv.find("\n1,0,0,0,0,0,0\n"), std::string::npos);  // not yet filled
  const std::string tail = "99,4100,3900,4000,4012.5,1,8191\n100,4101,3901,4001,0.25,2,8190\n";
  EXPECT_EQ(csv.substr(csv.size() - tail.size()), tail);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 101);
}

rt::Plot Curve(std::vector<double> xs, std::vector<double> ys) {
  rt::Plot plot;
  plot.xs = std::move(xs);
  plot.ys = std::move(ys);
  return plot;
}

TEST_F(DecimalCommaDesktop, VideoGraphAsDrawnWithItsThresholdLines) {
  rt::GraphData graph;
  graph.plots.push_back(Curve({0, 4, 8.5}, {10, 200, 30}));
  graph.plots.emplace_back().kind = rt::Plot::Kind::Rectangle;  // a band, not a curve
  graph.plots.push_back(Curve({0, 4, 8.5}, {128, 128, 128}));
  EXPECT_EQ(VideoGraphCsv(graph),
            "position,video signal,threshold\n0,10,128\n4,200,128\n8.5,30,128\n");
  graph.plots.push_back(Curve({0, 4}, {64.5, 65}));
  EXPECT_EQ(VideoGraphCsv(graph),
            "position,video signal,threshold,threshold 2\n0,10,128,64.5\n4,200,128,65\n");
  EXPECT_EQ(VideoGraphCsv({}), "position,video signal\n");
}

}  // namespace
