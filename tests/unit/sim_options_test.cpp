// Command line of kavro-xb-sim.
#include <gtest/gtest.h>

#include "sim_options.h"

namespace sim {
namespace {

TEST(SimOptions, ModelPresetWithFirmwareAndOverrides) {
  auto o = ParseSimOptions({"--model", "xb-8", "--firmware=310", "--dir", "/tmp/x", "--port", "4"});
  ASSERT_EQ(o.error, "");
  EXPECT_EQ(o.sensor.model.subpixelRange, 4096);
  EXPECT_EQ(o.sensor.model.firmwareText, "KAVRO-XB-8 Firmware V3.10");
  EXPECT_EQ(o.dir, "/tmp/x");
  EXPECT_EQ(o.port, 4);

  o = ParseSimOptions(
      {"--hardware-code", "5", "--model-code", "400", "--firmware-text", "VEX12 V3.1"});
  ASSERT_EQ(o.error, "");
  EXPECT_EQ(o.sensor.model.hardwareCode, 5);
  EXPECT_EQ(o.sensor.model.modelCode, 400);
  EXPECT_EQ(o.sensor.model.firmwareText, "VEX12 V3.1");
}

TEST(SimOptions, FaultsAndTrigger) {
  const auto o = ParseSimOptions({"--silent", "--mute", "9", "--drop", "3", "--delay", "0.25",
                                  "--short=40", "--fault-command", "7", "--reply-word1", "10:8",
                                  "--echo-sync-word1", "--no-baud-ack", "--trigger-period", "0.5",
                                  "--static", "--immediate", "--quiet"});
  ASSERT_EQ(o.error, "");
  const Faults& f = o.sensor.faults;
  EXPECT_TRUE(f.silent);
  EXPECT_EQ(f.muteCommands.count(9), 1u);
  EXPECT_EQ(f.dropNth, 3);
  EXPECT_DOUBLE_EQ(f.delay, 0.25);
  EXPECT_EQ(f.shortBytes, 40);
  EXPECT_EQ(f.faultCommand, 7);
  EXPECT_EQ(f.replyWord1.at(10), 8);
  EXPECT_EQ(f.echoForm, EchoForm::kSyncInWord1);
  EXPECT_TRUE(f.noBaudAck);
  EXPECT_DOUBLE_EQ(o.sensor.triggerPeriod, 0.5);
  EXPECT_EQ(o.sensor.motion.edgeNoise, 0);
  EXPECT_TRUE(o.immediate);
  EXPECT_FALSE(o.verbose);
}

TEST(SimOptions, MistakesAreReported) {
  EXPECT_NE(ParseSimOptions({"--bogus"}).error, "");
  EXPECT_NE(ParseSimOptions({"--drop"}).error, "");
  EXPECT_NE(ParseSimOptions({"--delay", "soon"}).error, "");
  EXPECT_NE(ParseSimOptions({"--model", "XB-99"}).error, "");
  EXPECT_NE(ParseSimOptions({"--port", "0"}).error, "");
  EXPECT_NE(ParseSimOptions({"--reply-word1", "10"}).error, "");
  EXPECT_NE(ParseSimOptions({"--baud-index", "5"}).error, "");
}

}  // namespace
}  // namespace sim
