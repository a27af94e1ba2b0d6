// What the program makes of the sensor's hardware information: model lines,
// Hardware-Type, video full scale, subpixel range and the adapted controls.
#include <gtest/gtest.h>

#include "harness/scenario.h"
#include "model_presets.h"
#include "sensor/hardware_info.h"
#include "ui/panel_ids.h"

namespace {

sim::SensorConfig Model(int hw, int model, int firmware) {
  sim::SensorConfig c;
  c.model = sim::MakeModelFromCodes(hw, model, firmware);
  c.model.firmwareText = sim::FirmwareText("KAVRO-XB", firmware);
  return c;
}

std::vector<std::string> InfoLines(const Scenario& s) {
  return s.control(s.main(), ids::MAIN_HWINFO).lines;
}

std::vector<std::string> RingLabels(const Scenario& s, int panel, int control) {
  std::vector<std::string> labels;
  for (const rt::RingItem& item : s.control(panel, control).items) labels.push_back(item.label);
  return labels;
}

TEST(Identification, UnknownHardwareCodes) {
  for (int code : {0, 5, 200}) {
    Scenario s;
    sim::SensorConfig c = Model(code, 80, 318);
    c.model.videoFullScaleCode = 256;
    s.attachSensor(c);
    ASSERT_TRUE(s.startUp());
    const auto lines = InfoLines(s);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "No information avialable!") << code;
    for (int i = 1; i < 4; ++i) EXPECT_EQ(lines[i], std::string(25, ' '));
    EXPECT_EQ(Hardware().hardwareType, 1);
    EXPECT_EQ(Hardware().videoFullScale, 1024);
    EXPECT_TRUE(s.dimmed(s.panels().para2, ids::P2_HW_MODE));
    EXPECT_EQ(RingLabels(s, s.panels().para1, ids::P1_OUT_MODE).size(), 3u);
  }
}

TEST(Identification, KnownFamilyWithUnknownModelKeepsBoxAndType) {
  Scenario s;
  s.attachSensor(Model(2, 999, 318));
  ASSERT_TRUE(s.startUp());
  const auto before = s.control(s.main(), ids::MAIN_HWINFO).lines;
  EXPECT_EQ(Hardware().hardwareType, 0);
  EXPECT_EQ(Hardware().edgeHigh, 1024);
  EXPECT_EQ(RingLabels(s, s.panels().para2, ids::P2_IN0_FUNC).size(), 6u);
  EXPECT_EQ(RingLabels(s, s.panels().para1, ids::P1_OUT_MODE).size(), 3u);
  EXPECT_NE(before.empty() ? "" : before[0], "No information avialable!");
}

TEST(Identification, ModelLinesFollowFirmware) {
  struct Case {
    int hw, model, firmware;
    const char* line1;
  };
  const Case cases[] = {{1, 80, 310, "4096 subpixel - pixel-pitch = 1.95µm"},
                        {1, 80, 311, "8192 subpixel - pixel-pitch = 0.975µm"},
                        {103, 750, 312, "4720 subpixel - pixel-pitch = 15.875µm"},
                        {4, 20160, 317, "4096-subpixel;  1.563µm pixel-pitch"}};
  for (const Case& c : cases) {
    Scenario s;
    s.attachSensor(Model(c.hw, c.model, c.firmware));
    ASSERT_TRUE(s.startUp());
    ASSERT_GE(InfoLines(s).size(), 2u);
    EXPECT_EQ(InfoLines(s)[1], c.line1) << c.hw << "/" << c.model << " fw " << c.firmware;
  }
}

TEST(Identification, TwoOutputModelsGetTypeThreeAndTheirOutputList) {
  Scenario s;
  s.attachSensor(Model(104, 21000, 318));
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(Hardware().hardwareType, 3);
  EXPECT_EQ(RingLabels(s, s.panels().para1, ids::P1_OUT_MODE),
            (std::vector<std::string>{"[ - ]OUT0, [+]OUT1", "[ - ]OUT0, [OK]OUT1",
                                      "[OK]OUT0, [+]OUT1", "[TRG]OUT0, [OK]OUT1"}));
  EXPECT_EQ(s.control(s.main(), ids::MAIN_UM_VALUE).precision, 2);
}

TEST(Identification, OperationModeSwitchBeforeAndFromV318) {
  for (int firmware : {317, 318}) {
    Scenario s;
    s.attachSensor(Model(102, 500, firmware));
    ASSERT_TRUE(s.startUp());
    const rt::Control& sw = s.control(s.panels().calib, ids::CAL_OPMODE);
    if (firmware == 317) {
      EXPECT_EQ(sw.onText, "DIG-COMP");
      EXPECT_EQ(sw.offText, "ADC-CONV");
      EXPECT_TRUE(sw.dimmed);
      EXPECT_TRUE(s.dimmed(s.panels().calib, ids::CAL_HYSTERESIS));
    } else {
      EXPECT_EQ(sw.onText, "HALF-RES");
      EXPECT_EQ(sw.offText, "FULL-RES");
      EXPECT_FALSE(sw.dimmed);
      EXPECT_FALSE(s.dimmed(s.panels().calib, ids::CAL_HYSTERESIS));
    }
    EXPECT_EQ(RingLabels(s, s.panels().para2, ids::P2_IN0_FUNC).size(), 6u);
  }
}

TEST(Identification, OldFirmwareDimsTriggerControlsAndOffersFiveIn0Functions) {
  Scenario s;
  s.attachSensor(Model(101, 160, 312));
  ASSERT_TRUE(s.startUp());
  EXPECT_TRUE(s.dimmed(s.panels().para1, ids::P1_INT_TRIG));
  EXPECT_TRUE(s.dimmed(s.panels().para1, ids::P1_TRIG_PIXEL));
  EXPECT_TRUE(s.dimmed(s.main(), ids::MAIN_TRIG_LED));
  auto labels = RingLabels(s, s.panels().para2, ids::P2_IN0_FUNC);
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_EQ(labels[3], "SAVE VTHD->EE");
}

TEST(Identification, VideoFullScaleByHardwareCode) {
  struct Case {
    int hw, model, word12, fullScale;
  };
  for (const Case& c : {Case{1, 80, 700, 256}, Case{1, 80, 1024, 1024}, Case{102, 500, 300, 1024},
                        Case{102, 500, 256, 256}}) {
    Scenario s;
    sim::SensorConfig config = Model(c.hw, c.model, 318);
    config.model.videoFullScaleCode = static_cast<std::uint16_t>(c.word12);
    s.attachSensor(config);
    ASSERT_TRUE(s.startUp());
    EXPECT_EQ(Hardware().videoFullScale, c.fullScale) << c.hw << " word 12 = " << c.word12;
  }
}

TEST(Identification, SubpixelRangeSetsVideoPositions) {
  struct Case {
    int reported, range, factor;
  };
  for (const Case& c : {Case{5120, 5120, 18}, Case{3000, 1024, 4}, Case{9216, 9216, 40}}) {
    Scenario s;
    sim::SensorConfig config = Model(1, 80, 318);
    config.model.subpixelRange = static_cast<std::uint16_t>(c.reported);
    s.attachSensor(config);
    ASSERT_TRUE(s.startUp());
    EXPECT_EQ(Hardware().subpixelRange, c.range);
    EXPECT_DOUBLE_EQ(Hardware().videoPositions[255], 255.0 * c.factor) << c.reported;
    EXPECT_EQ(Hardware().edgeHigh, c.range);
    const rt::Axis& x = s.control(s.main(), ids::MAIN_VIDEO_GRAPH).graph.xAxis;
    EXPECT_DOUBLE_EQ(x.max, c.reported);  // the axis takes the range as received
  }
}

}  // namespace
