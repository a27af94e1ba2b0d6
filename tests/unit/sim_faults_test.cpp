// The virtual sensor's fault switches: what reaches the line when each is on.
#include <gtest/gtest.h>

#include "sensor_engine.h"

namespace sim {
namespace {

std::vector<Transmission> Send(SensorEngine& sensor, std::uint16_t command, double t = 1.0) {
  Request r;
  r.command = command;
  const Bytes frame = EncodeRequest(r);
  return sensor.receive(frame.data(), frame.size(), t, 19200);
}

TEST(SimFaults, SilentSensorLogsButNeverAnswers) {
  SensorConfig c;
  c.faults.silent = true;
  c.triggerPeriod = 0.1;
  SensorEngine sensor(c);
  for (int command : {5, 7, 8, 10}) EXPECT_TRUE(Send(sensor, command).empty()) << command;
  EXPECT_TRUE(sensor.pollUnsolicited(5.0, 19200).empty());
  EXPECT_EQ(sensor.log().size(), 4u);
}

TEST(SimFaults, MutedCommandIsCarriedOutWithoutAnswer) {
  SensorConfig c;
  c.faults.muteCommands = {9, 190};
  SensorEngine sensor(c);
  EXPECT_EQ(Send(sensor, 8).size(), 1u);
  EXPECT_TRUE(Send(sensor, 9).empty());
  Request change;
  change.command = 190;
  change.argument = 0;
  const Bytes frame = EncodeRequest(change);
  EXPECT_TRUE(sensor.receive(frame.data(), frame.size(), 2.0, 19200).empty());
  EXPECT_EQ(sensor.baud(), 9600);
}

TEST(SimFaults, DropShortAndExtraApplyToTheChosenCommandOnly) {
  SensorConfig c;
  c.faults.faultCommand = 7;
  c.faults.dropNth = 2;
  c.faults.shortBytes = 40;
  c.faults.extraBytes = 3;
  SensorEngine sensor(c);
  EXPECT_EQ(Send(sensor, 10)[0].bytes.size(), 36u);  // not counted
  auto first = Send(sensor, 7);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].bytes.size(), 43u);  // 40 bytes of text, 3 of noise
  EXPECT_EQ(std::string(first[0].bytes.begin(), first[0].bytes.begin() + 8), "KAVRO-XB");
  EXPECT_TRUE(Send(sensor, 7).empty());  // the second firmware answer is lost
  EXPECT_EQ(Send(sensor, 7).size(), 1u);
  EXPECT_EQ(Send(sensor, 5)[0].bytes.size(), 36u);
}

TEST(SimFaults, DelayMovesTheReplyLater) {
  SensorConfig c;
  c.faults.delay = 0.3;
  SensorEngine sensor(c);
  const auto txs = Send(sensor, 5, 2.0);
  ASSERT_EQ(txs.size(), 1u);
  EXPECT_DOUBLE_EQ(txs[0].readyAt, 2.3);
}

TEST(SimFaults, EchoSyncForms) {
  struct Case {
    EchoForm form;
    std::uint16_t word0, word1;
  };
  for (const auto& c : {Case{EchoForm::kNormal, 0x00AA, 5}, Case{EchoForm::kSyncInWord1, 0, 0xAA},
                        Case{EchoForm::kNoSync, 0x0055, 5}}) {
    SensorConfig config;
    config.faults.echoForm = c.form;
    SensorEngine sensor(config);
    const Bytes reply = Send(sensor, 5)[0].bytes;
    EXPECT_EQ(GetWord(reply.data(), 0), c.word0);
    EXPECT_EQ(GetWord(reply.data(), 1), c.word1);
  }
}

TEST(SimFaults, ReplyWord1OverrideAndFirmwareChoices) {
  SensorConfig c;
  c.faults.replyWord1[10] = 8;
  c.model = MakeModelFromCodes(102, 500, 319);
  c.model.firmwareText = "KAVRO-ZOT-4 V1.00";
  SensorEngine sensor(c);
  const Bytes hw = Send(sensor, 10)[0].bytes;
  EXPECT_EQ(GetWord(hw.data(), 1), 8);
  EXPECT_EQ(GetWord(hw.data(), 2), 102);
  EXPECT_EQ(GetWord(hw.data(), 10), 319);
  const Bytes text = Send(sensor, 7)[0].bytes;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(text.data())), "KAVRO-ZOT-4 V1.00");
}

TEST(SimFaults, NoBaudAcknowledgementKeepsTheRate) {
  SensorConfig c;
  c.faults.noBaudAck = true;
  SensorEngine sensor(c);
  EXPECT_TRUE(Send(sensor, 190).empty());
  EXPECT_EQ(sensor.baud(), 19200);
  EXPECT_EQ(Send(sensor, 5).size(), 1u);
}

}  // namespace
}  // namespace sim
