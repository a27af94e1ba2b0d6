// Command line of kavro-xb-sim: values reach the sensor's configuration, and a
// mistake is reported instead of being taken for something else.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sim_options.h"

namespace sim {
namespace {

TEST(SimOptions, ValuesReachTheSensorsConfiguration) {
  auto o = ParseSimOptions({"--model", "xb-8", "--firmware=310", "--port", "4", "--mute", "9",
                            "--mute=0x0A", "--para0", "0=321", "--para1=7=42", "--reply-word1",
                            "10:8", "--delay", "0.25", "--baud-index", "4", "--static", "--spin"});
  ASSERT_EQ(o.error, "");
  EXPECT_EQ(o.sensor.model.subpixelRange, 4096);
  EXPECT_EQ(o.sensor.model.firmwareText, "KAVRO-XB-8 Firmware V3.10");
  EXPECT_EQ(o.port, 4);
  EXPECT_EQ(o.sensor.faults.muteCommands, (std::set<int>{9, 10}));
  ASSERT_EQ(o.sensor.powerUpWords.size(), 2u);
  EXPECT_EQ(o.sensor.powerUpWords[1].frame, 1);
  EXPECT_EQ(o.sensor.powerUpWords[1].word, 7);
  EXPECT_EQ(o.sensor.powerUpWords[1].value, 42);
  EXPECT_EQ(o.sensor.faults.replyWord1.at(10), 8);
  EXPECT_DOUBLE_EQ(o.sensor.faults.delay, 0.25);
  EXPECT_EQ(o.sensor.baudIndex, 4);
  EXPECT_EQ(o.sensor.motion.edgeNoise, 0);
  EXPECT_TRUE(o.spin);
  // The last of --quiet and --verbose counts.
  EXPECT_TRUE(ParseSimOptions({"--quiet", "--verbose"}).verbose);
  EXPECT_FALSE(ParseSimOptions({"--verbose", "--quiet"}).verbose);
}

TEST(SimOptions, MistakesAreReported) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--bogus"},
                                             {"--drop"},
                                             {"--delay", "soon"},
                                             {"--model", "XB-99"},
                                             {"--port", "0"},
                                             {"--reply-word1", "10"},
                                             {"--mute", "9", "10"},
                                             {"--para1", "3=70000"},
                                             {"--echo-no-sync", "--echo-sync-word1"},
                                             {"stray"}})
    EXPECT_NE(ParseSimOptions(args).error, "") << args[0];
  // The help names the options under their headings.
  EXPECT_NE(SimUsage().find("--reply-word1 "), std::string::npos);
}

}  // namespace
}  // namespace sim
