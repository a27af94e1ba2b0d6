// The linearisation upload as the service technician does it: the service
// code opens the button, a file is chosen, the flash is cleared and written
// block by block while a bar grows on the data graph, and the button hides
// again. The virtual sensor keeps what it was sent in its flash pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/scenario.h"
#include "model_presets.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr int kClear = 101;
constexpr int kBlock = 102;
constexpr int kGrey = 0xA0A0A0;
constexpr int kGreen = 0x00FF00;

// File value i: spread over the whole 16-bit range, with the three values
// around the middle at the start.
int FileValue(int i) {
  static const int kFirst[] = {0, 32768, 32769};
  return i < 3 ? kFirst[i] : (i * 97) % 65536;
}

std::string TableFile(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(FileValue(i)) + "\r\n";
  return text;
}

class Linearisation_ : public ::testing::Test {
 protected:
  void start(sim::SensorConfig config = {}) {
    sensor_ = s_.attachSensor(config);
    ASSERT_TRUE(s_.startUp());
    openUpload();
    sensor_->clearLog();
  }
  int cal() const { return s_.panels().calib; }
  void openUpload() { s_.enterValue(s_.panels().recorder, ids::REC_INTERVAL, 8642); }
  void upload(const std::string& fileText) {
    s_.writeProjectFile("XF-LINEAR.DAT", fileText);
    s_.dialogs().answerFile(s_.projectPath("XF-LINEAR.DAT"));
    s_.click(cal(), ids::CAL_WRITE_XFLASH);
  }
  std::vector<sim::RequestRecord> requests(int command) const {
    std::vector<sim::RequestRecord> found;
    for (const sim::RequestRecord& r : sensor_->log())
      if (r.command == command) found.push_back(r);
    return found;
  }
  const std::vector<rt::Plot>& dataGraphPlots() const {
    return s_.control(s_.main(), ids::MAIN_DATA_GRAPH).graph.plots;
  }
  void expectButtonClosed() {
    EXPECT_FALSE(s_.visible(cal(), ids::CAL_WRITE_XFLASH));
    EXPECT_TRUE(s_.dimmed(cal(), ids::CAL_SLOPE));
  }

  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
};

// The operator keeps working while the bar grows on the data graph.
TEST_F(Linearisation_, FullTableIsClearedAndWrittenBlockByBlockBehindAGrowingBar) {
  start();
  std::vector<std::size_t> bars;
  for (double t = 1.0; t <= 5.0; t += 1.0)
    s_.at(s_.now() + t, [&] {
      bars.push_back(dataGraphPlots().size());
      s_.postClick(s_.main(), ids::MAIN_TOGG_RECORDER);
    });
  const bool recorderShown = s_.panelVisible(s_.panels().recorder);
  upload(TableFile(2048));
  ASSERT_EQ(bars.size(), 5u);
  for (std::size_t i = 1; i < bars.size(); ++i) EXPECT_GT(bars[i], bars[i - 1]);
  EXPECT_LT(bars.back(), 256u);
  EXPECT_NE(s_.panelVisible(s_.panels().recorder), recorderShown);  // five clicks handled
  const auto commands = Scenario::commandsSeen(*sensor_);
  ASSERT_EQ(commands.size(), 257u);
  EXPECT_EQ(commands.front(), kClear);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(sensor_->log()[0].data[i], 0x00AA) << i;
  // Pages 2..9 in order, offsets 0, 8, ..., 248; words 12..17 keep the filler.
  const auto blocks = requests(kBlock);
  ASSERT_EQ(blocks.size(), 256u);
  for (int n = 0; n < 256; ++n) {
    EXPECT_EQ(blocks[n].data[0], 2 + n / 32) << n;
    EXPECT_EQ(blocks[n].argument, (n % 32) * 8) << n;
    for (int i = 9; i < 15; ++i) ASSERT_EQ(blocks[n].data[i], 0x00AA);
  }
  // Page 2, block 0 carries entries 0..7; page 9, block 248 entries 2040..2047.
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(blocks.front().data[1 + k], (FileValue(k) + 32767) % 65536);
    EXPECT_EQ(blocks.back().data[1 + k], (FileValue(2040 + k) + 32767) % 65536);
  }
  // The sensor's pages hold file value + 32767 (modulo 65536).
  for (int i = 0; i < 2048; ++i)
    ASSERT_EQ(sensor_->memory().flashPage(2 + i / 256)[i % 256], (FileValue(i) + 32767) % 65536)
        << i;
  EXPECT_EQ(sensor_->memory().flashPage(2)[0], 32767);
  EXPECT_EQ(sensor_->memory().flashPage(2)[1], 65535);
  EXPECT_EQ(sensor_->memory().flashPage(2)[2], 0);
  // Its messages, and a bar on the data graph.
  EXPECT_TRUE(s_.statusShown("clearing X-FLASH..."));
  EXPECT_TRUE(s_.statusShown("X-FLASH-cleared!"));
  for (int page = 2; page <= 9; ++page)
    EXPECT_TRUE(s_.statusShown("X-FLASH-write OK: PAGE" + std::to_string(page) + " ...")) << page;
  EXPECT_EQ(s_.status(), "X-FLASH Data successfully written!");
  EXPECT_EQ(s_.value(s_.main(), ids::MAIN_FLASH_INDEX), 2040);
  // A green bar per block up to its start index, then the grey full bar.
  const auto& plots = dataGraphPlots();
  ASSERT_EQ(plots.size(), 256u);
  for (int n = 0; n < 255; ++n) {
    EXPECT_EQ(plots[n].fillColor, kGreen);
    EXPECT_EQ(plots[n].x2, n * 8.0);
  }
  EXPECT_EQ(plots.back().fillColor, kGrey);
  EXPECT_EQ(plots.back().x1, 1.0);
  EXPECT_EQ(plots.back().x2, Hardware().flashGraphRange);
  EXPECT_EQ(s_.control(s_.main(), ids::MAIN_DATA_GRAPH).graph.xAxis.max, Hardware().subpixelRange);
  // The show button readies the graph for the flash contents.
  s_.click(cal(), ids::CAL_READ_XFLASH);
  EXPECT_TRUE(dataGraphPlots().empty());
  const rt::Axis& x = s_.control(s_.main(), ids::MAIN_DATA_GRAPH).graph.xAxis;
  EXPECT_EQ(x.mode, rt::VAL_MANUAL);
  EXPECT_EQ(x.min, 1.0);
  EXPECT_EQ(x.max, Hardware().flashGraphRange);
}

TEST_F(Linearisation_, ButtonHidesAfterEachUseAndTheServiceCodeShowsItAgain) {
  start();
  upload(TableFile(2047));  // one value short: nothing is sent
  EXPECT_TRUE(sensor_->log().empty());
  expectButtonClosed();
  const auto& dialog = s_.dialogs().popups().back();
  EXPECT_EQ(dialog.request.title, "KAVRO-RM-Series-Linearisation-File");
  EXPECT_EQ(dialog.request.defaultName, "XF-LINEAR.DAT");
  EXPECT_EQ(dialog.request.filter, "*.dat");

  openUpload();
  s_.dialogs().answerFile("");  // cancelled
  s_.click(cal(), ids::CAL_WRITE_XFLASH);
  EXPECT_TRUE(sensor_->log().empty());
  expectButtonClosed();

  openUpload();
  EXPECT_TRUE(s_.visible(cal(), ids::CAL_WRITE_XFLASH));
  EXPECT_FALSE(s_.dimmed(cal(), ids::CAL_SLOPE));
  upload(TableFile(2048));
  EXPECT_EQ(requests(kBlock).size(), 256u);
  expectButtonClosed();
}

TEST_F(Linearisation_, HalfTableModelEndsOnPageFive) {
  sim::SensorConfig config;
  config.model = sim::MakeModelFromCodes(1, 400, 318);
  start(config);
  ASSERT_EQ(Hardware().modelCode, 400);
  upload(TableFile(1024));  // enough for this model
  const auto blocks = requests(kBlock);
  ASSERT_EQ(blocks.size(), 128u);
  EXPECT_EQ(blocks.back().data[0], 5);
  EXPECT_EQ(sensor_->memory().flashPage(5)[255], (FileValue(1023) + 32767) % 65536);
  EXPECT_EQ(sensor_->memory().flashPage(6)[0], sim::kErasedFlashWord);
  EXPECT_EQ(s_.status(), "X-FLASH-write OK: PAGE5 ...");
  EXPECT_FALSE(s_.statusShown("X-FLASH Data successfully written!"));
  EXPECT_EQ(dataGraphPlots().back().fillColor, kGreen);
  expectButtonClosed();
}

TEST_F(Linearisation_, MissingAnswersDoNotStopTheUpload) {
  sim::SensorConfig config;
  config.faults.muteCommands = {kClear};
  config.faults.faultCommand = kBlock;
  config.faults.dropNth = 40;  // page 3, block 56
  start(config);
  upload(TableFile(2048));
  EXPECT_EQ(requests(kBlock).size(), 256u);
  const auto& h = s_.statusHistory();
  const auto clearing = std::find(h.begin(), h.end(), "clearing X-FLASH...");
  ASSERT_LT(clearing + 1, h.end());
  EXPECT_EQ(*(clearing + 1), "Timeout-RS-232...");
  EXPECT_EQ(std::count(h.begin(), h.end(), "Timeout-RS-232..."), 2);
  EXPECT_EQ(dataGraphPlots()[39].x2, 256.0 + 56.0);  // the bar still reaches the block
  EXPECT_EQ(s_.status(), "X-FLASH Data successfully written!");
}

}  // namespace
