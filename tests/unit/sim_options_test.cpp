// Command line of kavro-xb-sim.
#include <gtest/gtest.h>

#include <set>
#include <string>

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
  const auto o = ParseSimOptions({"--silent",
                                  "--mute",
                                  "9",
                                  "--drop",
                                  "3",
                                  "--delay",
                                  "0.25",
                                  "--short=40",
                                  "--fault-command",
                                  "7",
                                  "--reply-word1",
                                  "10:8",
                                  "--echo-sync-word1",
                                  "--no-baud-ack",
                                  "--trigger-period",
                                  "0.5",
                                  "--static",
                                  "--immediate",
                                  "--spin",
                                  "--quiet"});
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
  EXPECT_TRUE(o.spin);
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

TEST(SimOptions, RepeatedAndCombinedOptions) {
  auto o = ParseSimOptions({"--mute", "9", "--mute=0x0A", "--para0", "0=321", "--para1=7=42",
                            "--reply-word1", "10:8", "--reply-word1", "7:1"});
  ASSERT_EQ(o.error, "");
  EXPECT_EQ(o.sensor.faults.muteCommands, (std::set<int>{9, 10}));
  ASSERT_EQ(o.sensor.powerUpWords.size(), 2u);
  EXPECT_EQ(o.sensor.powerUpWords[0].frame, 0);
  EXPECT_EQ(o.sensor.powerUpWords[0].word, 0);
  EXPECT_EQ(o.sensor.powerUpWords[0].value, 321);
  EXPECT_EQ(o.sensor.powerUpWords[1].frame, 1);
  EXPECT_EQ(o.sensor.powerUpWords[1].word, 7);
  EXPECT_EQ(o.sensor.powerUpWords[1].value, 42);
  EXPECT_EQ(o.sensor.faults.replyWord1.size(), 2u);

  // The last of --quiet and --verbose counts; --static leaves a value that is given.
  EXPECT_TRUE(ParseSimOptions({"--quiet", "--verbose"}).verbose);
  EXPECT_FALSE(ParseSimOptions({"--verbose", "--quiet"}).verbose);
  EXPECT_TRUE(ParseSimOptions({}).verbose);
  o = ParseSimOptions({"--static", "--swing", "0.1"});
  ASSERT_EQ(o.error, "");
  EXPECT_DOUBLE_EQ(o.sensor.motion.swing, 0.1);
  EXPECT_EQ(o.sensor.motion.videoNoise, 0);
  o = ParseSimOptions({"--no-object", "--echo-no-sync", "--any-rate"});
  EXPECT_FALSE(o.sensor.motion.present);
  EXPECT_EQ(o.sensor.faults.echoForm, EchoForm::kNoSync);
  EXPECT_TRUE(o.anyRate);
  EXPECT_TRUE(ParseSimOptions({"--list-models"}).listModels);
  EXPECT_TRUE(ParseSimOptions({"--port", "2", "-h"}).help);
}

TEST(SimOptions, MoreMistakesAreReported) {
  EXPECT_NE(ParseSimOptions({"--mute", "9", "10"}).error, "");  // one command per --mute
  EXPECT_NE(ParseSimOptions({"--para0", "15=1"}).error, "");
  EXPECT_NE(ParseSimOptions({"--para1", "3=70000"}).error, "");
  EXPECT_NE(ParseSimOptions({"--echo-no-sync", "--echo-sync-word1"}).error, "");
  EXPECT_NE(ParseSimOptions({"--dir", ""}).error, "");
  EXPECT_NE(ParseSimOptions({"--port", "256"}).error, "");
  EXPECT_NE(ParseSimOptions({"stray"}).error, "");
}

TEST(SimOptions, HelpListsEveryOptionUnderItsHeading) {
  const std::string usage = SimUsage();
  for (const char* name : {"--dir",
                           "--port",
                           "--immediate",
                           "--any-rate",
                           "--quiet",
                           "--verbose",
                           "--model",
                           "--list-models",
                           "--hardware-code",
                           "--model-code",
                           "--firmware",
                           "--subpixels",
                           "--video-scale",
                           "--firmware-text",
                           "--baud-index",
                           "--seed",
                           "--para0",
                           "--para1",
                           "--object-center",
                           "--object-width",
                           "--swing",
                           "--swing-period",
                           "--edge-noise",
                           "--video-noise",
                           "--housing-tolerance",
                           "--static",
                           "--no-object",
                           "--trigger-period",
                           "--trigger-in-mode1",
                           "--silent",
                           "--mute",
                           "--fault-command",
                           "--drop",
                           "--delay",
                           "--extra-bytes",
                           "--short",
                           "--no-baud-ack",
                           "--echo-sync-word1",
                           "--echo-no-sync",
                           "--reply-word1",
                           "--help"}) {
    EXPECT_NE(usage.find(std::string(name) + " "), std::string::npos) << name;
    // Every option listed is one the parser takes.
    if (std::string(name) != "--help" && std::string(name) != "--list-models") {
      EXPECT_EQ(ParseSimOptions({name}).error.find("not expected"), std::string::npos) << name;
    }
  }
  const size_t where = usage.find("Where:"), sensor = usage.find("Which sensor:"),
               faults = usage.find("Faults:");
  ASSERT_NE(where, std::string::npos);
  ASSERT_NE(sensor, std::string::npos);
  ASSERT_NE(faults, std::string::npos);
  EXPECT_LT(where, usage.find("--port"));
  EXPECT_LT(sensor, usage.find("--firmware-text"));
  EXPECT_LT(faults, usage.find("--reply-word1"));
  EXPECT_NE(usage.find("rx cmd=<command>"), std::string::npos);
}

}  // namespace
}  // namespace sim
