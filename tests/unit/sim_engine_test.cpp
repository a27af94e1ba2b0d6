// The virtual sensor's answers, byte for byte where the program depends on
// the exact form.
#include <gtest/gtest.h>

#include "sensor_engine.h"

namespace sim {
namespace {

Bytes RequestBytes(std::uint16_t command, std::uint16_t argument, DataWords data = {}) {
  Request r;
  r.command = command;
  r.argument = argument;
  r.data = data;
  return EncodeRequest(r);
}

// Everything the sensor sends in answer to one request frame.
Bytes Exchange(SensorEngine& sensor, std::uint16_t command, std::uint16_t argument,
               DataWords data = {}, double t = 1.0, long baud = 19200) {
  const Bytes frame = RequestBytes(command, argument, data);
  Bytes out;
  for (const auto& tx : sensor.receive(frame.data(), frame.size(), t, baud))
    out.insert(out.end(), tx.bytes.begin(), tx.bytes.end());
  return out;
}

std::vector<std::uint16_t> Words(const Bytes& b) {
  std::vector<std::uint16_t> w;
  for (std::size_t i = 0; i + 1 < b.size(); i += 2) w.push_back(GetWord(b.data(), int(i / 2)));
  return w;
}

// A sensor whose object stands still without noise: every value is predictable.
SensorConfig StillObject(const std::string& preset = "XB-8", int firmware = 318) {
  SensorConfig c;
  c.model = *MakeModel(preset, firmware);
  c.motion.swing = 0;
  c.motion.edgeNoise = 0;
  c.motion.videoNoise = 0;
  return c;
}

TEST(SimEngineFrames, EchoReturnsRequestWithReplySync) {
  SensorEngine sensor(StillObject());
  DataWords data;
  for (int i = 0; i < 15; ++i) data[i] = static_cast<std::uint16_t>(0x0100 * i + 1);
  const Bytes reply = Exchange(sensor, 5, 0, data);
  Bytes expected = {0x00, 0xAA, 0x00, 0x05, 0x00, 0x00};
  for (int i = 0; i < 15; ++i) {
    expected.push_back(static_cast<std::uint8_t>(i));
    expected.push_back(0x01);
  }
  EXPECT_EQ(reply, expected);
}

TEST(SimEngineFrames, DummyFrameIsLoggedButNotAnswered) {
  SensorEngine sensor;
  EXPECT_TRUE(Exchange(sensor, 0, 0, {}, 2.5).empty());
  ASSERT_EQ(sensor.log().size(), 1u);
  EXPECT_EQ(sensor.log()[0].command, 0);
  EXPECT_DOUBLE_EQ(sensor.log()[0].time, 2.5);
}

TEST(SimEngineFrames, CutterFindsSyncSkipsGarbageAndForgetsStaleHalfFrames) {
  SensorEngine sensor;
  const Bytes echo = RequestBytes(5, 7);
  Bytes stream = {0xAA, 0x13, 0x00, 0x00};  // noise, then a frame starting with 00 00 55
  stream.insert(stream.end(), echo.begin() + 1, echo.end());
  EXPECT_EQ(sensor.receive(stream.data(), stream.size(), 1.0, 19200).size(), 1u);

  // Half a frame, a long pause, then a whole frame: only the whole one counts.
  sensor.receive(echo.data(), 20, 2.0, 19200);
  EXPECT_EQ(sensor.receive(echo.data(), echo.size(), 2.5, 19200).size(), 1u);
  // A frame split over two deliveries close together is put back together.
  sensor.receive(echo.data(), 10, 3.0, 19200);
  EXPECT_EQ(sensor.receive(echo.data() + 10, 26, 3.001, 19200).size(), 1u);
  EXPECT_EQ(sensor.log().size(), 3u);
}

TEST(SimEngineIdentity, FirmwareTextIs72BytesZeroPadded) {
  SensorEngine sensor(StillObject());
  const Bytes reply = Exchange(sensor, 7, 0);
  ASSERT_EQ(reply.size(), 72u);
  const std::string text = "KAVRO-XB-8 Firmware V3.18";
  EXPECT_EQ(std::string(reply.begin(), reply.begin() + text.size()), text);
  for (std::size_t i = text.size(); i < 72; ++i) EXPECT_EQ(reply[i], 0) << i;

  SensorConfig longText = StillObject();
  longText.model.firmwareText = std::string(80, 'K');
  SensorEngine chatty(longText);
  EXPECT_EQ(Exchange(chatty, 7, 0), Bytes(72, 'K'));
}

TEST(SimEngineIdentity, HardwareInformationOfXb8) {
  SensorEngine sensor(StillObject("XB-8", 318));
  const Bytes expected = {0x00, 0xAA, 0x00, 0x0A, 0x00, 0x01, 0x00, 0x64, 0x00, 0x00, 0x00, 0x65,
                          0x20, 0x00, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x3E, 0x00, 0x50,
                          0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(Exchange(sensor, 10, 0), expected);
}

TEST(SimEngineIdentity, HardwareInformationFollowsModelAndFirmware) {
  struct Case {
    const char* preset;
    int firmware;
    std::uint16_t hw, model, subpixels, videoScale;
  };
  const Case cases[] = {
      {"XB-8", 310, 1, 80, 4096, 256},
      {"XB-8", 311, 1, 80, 8192, 256},
      {"XB-75", 316, 103, 750, 9216, 1024},
      {"XB-75", 310, 103, 750, 2360, 1024},
      {"XB-75", 312, 103, 750, 4720, 1024},
      {"XB-100-CL", 318, 104, 21000, 12288, 1024},
      {"XB-F-6-CL-1792", 318, 4, 20162, 1792, 1024},
      {"XB-28-CL", 318, 6, 20280, 16384, 1024},
  };
  for (const auto& c : cases) {
    SensorEngine sensor(StillObject(c.preset, c.firmware));
    const auto w = Words(Exchange(sensor, 10, 0));
    ASSERT_EQ(w.size(), 18u);
    SCOPED_TRACE(std::string(c.preset) + " " + std::to_string(c.firmware));
    EXPECT_EQ(w[1], 10);
    EXPECT_EQ(w[2], c.hw);
    EXPECT_EQ(w[6], c.subpixels);
    EXPECT_EQ(w[10], c.firmware);
    EXPECT_EQ(w[11], c.model);
    EXPECT_EQ(w[12], c.videoScale);
  }
}

TEST(SimEngineParameters, StartValuesInRamAndEeprom) {
  SensorEngine sensor;
  const std::vector<std::uint16_t> para0 = {500, 1, 1, 1, 1, 1024, 512, 100, 100, 1, 0, 0, 0, 1, 0};
  const std::vector<std::uint16_t> para1 = {40, 70, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1024, 0, 32767, 0};
  for (int command : {2, 4}) {
    auto w0 = Words(Exchange(sensor, command, 0));
    auto w1 = Words(Exchange(sensor, command, 1));
    EXPECT_EQ(std::vector<std::uint16_t>(w0.begin() + 3, w0.end()), para0) << command;
    EXPECT_EQ(std::vector<std::uint16_t>(w1.begin() + 3, w1.end()), para1) << command;
    EXPECT_EQ(w1[1], command);
    EXPECT_EQ(w1[2], 1);
  }
}

TEST(SimEngineParameters, RamAndEepromAreWrittenSeparately) {
  SensorEngine sensor;
  DataWords ramFrame, eeFrame;
  for (int i = 0; i < 15; ++i) {
    ramFrame[i] = static_cast<std::uint16_t>(1000 + i);
    eeFrame[i] = static_cast<std::uint16_t>(2000 + i);
  }
  const auto ack = Words(Exchange(sensor, 1, 0, ramFrame));
  EXPECT_EQ(ack[0], 0x00AA);
  EXPECT_EQ(ack[1], 1);
  Exchange(sensor, 3, 1, eeFrame);

  auto data = [&](int command, int which) {
    auto w = Words(Exchange(sensor, command, which));
    return DataWords{w[3],  w[4],  w[5],  w[6],  w[7],  w[8],  w[9], w[10],
                     w[11], w[12], w[13], w[14], w[15], w[16], w[17]};
  };
  EXPECT_EQ(data(2, 0), ramFrame);
  EXPECT_EQ(data(4, 1), eeFrame);
  EXPECT_EQ(data(4, 0)[0], 500);  // EEPROM PARA0 untouched
  EXPECT_EQ(data(2, 1)[0], 40);   // RAM PARA1 untouched
}

TEST(SimEngineMeasurement, RecordWordsOfAStillObject) {
  SensorEngine sensor(StillObject());  // 8192 subpixels, object 3072 .. 5120
  const auto w = Words(Exchange(sensor, 8, 0));
  ASSERT_EQ(w.size(), 18u);
  EXPECT_EQ(w[0], 0x00AA);
  EXPECT_EQ(w[1], 8);
  EXPECT_EQ(w[2], 3072);  // E-LEFT
  EXPECT_EQ(w[3], 5120);  // E-RIGHT
  EXPECT_EQ(w[4], 5120);  // M-VALUE: Eval-Mode 1 measures the right edge
  EXPECT_EQ(w[5], 5120);  // micrometres with slope 1.0 and offset 0, low word
  EXPECT_EQ(w[6], 0);
  EXPECT_EQ(w[7], 512);    // Teach-Value
  EXPECT_EQ(w[8], 25);     // housing tolerance
  EXPECT_EQ(w[9], 2);      // EDGES
  EXPECT_EQ(w[13], 5120);  // MAX
  EXPECT_EQ(w[14], 5120);  // MIN
  EXPECT_EQ(w[15], 1);     // above the upper limit: only the first output
  EXPECT_EQ(w[17], 2048);  // shadowed subpixels
}

TEST(SimEngineMeasurement, WidthModeCalibrationAndTolerance) {
  SensorEngine sensor(StillObject());
  DataWords p0 = {500, 1, 1, 2, 1, 1024, 2048, 10, 10, 1, 0, 0, 0, 0, 0};  // width, own tolerances
  Exchange(sensor, 1, 0, p0);
  Exchange(sensor, 12, 2, {40960, 0, 32767 + 100, 0});  // 40 um per subpixel, +100 um
  const auto w = Words(Exchange(sensor, 8, 0));
  EXPECT_EQ(w[4], 2048);
  const std::uint32_t um = 2048u * 40 + 100;  // 82020
  EXPECT_EQ(w[5], um & 0xFFFF);
  EXPECT_EQ(w[6], um >> 16);
  EXPECT_EQ(w[15], 3);  // inside both limits: both outputs
}

TEST(SimEngineMeasurement, SingleEdgeSideWords) {
  SensorConfig right = StillObject();
  right.motion.center = 0.9;  // shadow from 0.7 to past the right end
  right.motion.width = 0.4;
  SensorEngine sensorRight(right);
  auto w = Words(Exchange(sensorRight, 8, 0));
  EXPECT_EQ(w[9], 1);
  EXPECT_EQ(w[2], 5734);  // round(0.7 x 8192)
  EXPECT_LT(w[10], w[11]);

  SensorConfig left = right;
  left.motion.center = 0.1;  // shadow from past the left end to 0.3
  SensorEngine sensorLeft(left);
  w = Words(Exchange(sensorLeft, 8, 0));
  EXPECT_EQ(w[9], 1);
  EXPECT_EQ(w[2], 2458);
  EXPECT_GT(w[10], w[11]);

  SensorConfig empty = StillObject();
  empty.motion.present = false;
  SensorEngine sensorEmpty(empty);
  w = Words(Exchange(sensorEmpty, 8, 0));
  EXPECT_EQ(w[9], 0);
  EXPECT_EQ(w[15], 0);
}

TEST(SimEngineMeasurement, MaxMinMemoryAndItsReset) {
  SensorEngine sensor(StillObject());
  Exchange(sensor, 8, 0);  // right edge at 5120
  sensor.motion().center = 0.25;
  auto w = Words(Exchange(sensor, 8, 0));  // right edge now at 3072
  EXPECT_EQ(w[13], 5120);
  EXPECT_EQ(w[14], 3072);
  EXPECT_EQ(Words(Exchange(sensor, 11, 0))[1], 11);
  w = Words(Exchange(sensor, 8, 0));
  EXPECT_EQ(w[13], 3072);
  EXPECT_EQ(w[14], 3072);
}

TEST(SimEngineMeasurement, RecorderSampleOrderAndTeach) {
  SensorEngine sensor(StillObject());
  auto w = Words(Exchange(sensor, 18, 0));
  EXPECT_EQ(w[1], 18);
  EXPECT_EQ(w[2], 5120);  // M-VALUE first
  EXPECT_EQ(w[3], 3072);
  EXPECT_EQ(w[4], 5120);
  EXPECT_EQ(w[7], 2);  // EDGES
  EXPECT_EQ(w[8], 2048);

  const auto taught = Words(Exchange(sensor, 6, 0, {500, 1, 1, 1, 1, 1024, 512, 100, 100, 1}));
  EXPECT_EQ(taught[1], 6);
  EXPECT_EQ(taught[3 + 6], 5120);
  EXPECT_EQ(Words(Exchange(sensor, 2, 0))[3 + 6], 5120);
  EXPECT_EQ(Words(Exchange(sensor, 8, 0))[15], 3);  // now on the set-point
}

TEST(SimEngineVideo, ProfileBlocksShowTheShadow) {
  SensorEngine sensor(StillObject());  // video full scale 256, shadow on points 96 .. 159
  std::vector<std::uint16_t> profile;
  for (std::uint16_t first : {0, 64, 128, 192}) {
    const Bytes block = Exchange(sensor, 9, first);
    ASSERT_EQ(block.size(), 128u);
    auto w = Words(block);
    profile.insert(profile.end(), w.begin(), w.end());
  }
  for (int i = 0; i < 256; ++i) {
    SCOPED_TRACE(i);
    EXPECT_LE(profile[i], 255);
    if (i >= 96 && i < 160) {
      EXPECT_LT(profile[i], 26);
    } else {
      EXPECT_GT(profile[i], 170);
    }
  }
}

TEST(SimEngineVideo, StoredThresholdCurveBySelector) {
  SensorEngine sensor(StillObject());
  const auto profile = Words(Exchange(sensor, 9, 64));
  const auto ramBefore = Words(Exchange(sensor, 9, 64, {1}));
  EXPECT_EQ(Words(Exchange(sensor, 13, 50, {2}))[1], 13);
  const auto eeprom = Words(Exchange(sensor, 9, 64, {2}));
  for (int i = 0; i < 64; ++i) EXPECT_EQ(eeprom[i], profile[i] * 50 / 100) << i;
  EXPECT_EQ(Words(Exchange(sensor, 9, 64, {1})), ramBefore);
  EXPECT_EQ(Words(Exchange(sensor, 2, 1))[3 + 1], 50);  // Video-Thd-Auto follows
}

TEST(SimEngineCalibration, StartStoreStopAnswerSlopeAndOffset) {
  SensorEngine sensor;
  auto w = Words(Exchange(sensor, 12, 1));
  EXPECT_TRUE(sensor.calibrating());
  EXPECT_EQ(std::vector<std::uint16_t>(w.begin() + 3, w.begin() + 7),
            (std::vector<std::uint16_t>{1024, 0, 32767, 0}));
  w = Words(Exchange(sensor, 12, 2, {34052, 1, 32712, 0}));
  EXPECT_EQ(std::vector<std::uint16_t>(w.begin() + 3, w.begin() + 7),
            (std::vector<std::uint16_t>{34052, 1, 32712, 0}));
  Exchange(sensor, 12, 0);
  EXPECT_FALSE(sensor.calibrating());
  w = Words(Exchange(sensor, 2, 1));
  EXPECT_EQ(w[3 + 11], 34052);
  EXPECT_EQ(w[3 + 12], 1);
  EXPECT_EQ(w[3 + 13], 32712);
}

TEST(SimEngineFlash, ClearThenWriteBlockAnswersOffsetAndPage) {
  SensorEngine sensor;
  Exchange(sensor, 102, 0, {2, 7, 7, 7, 7, 7, 7, 7, 7});
  Exchange(sensor, 101, 0);
  const auto w = Words(Exchange(sensor, 102, 248, {9, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(w[1], 102);
  EXPECT_EQ(w[3], 248);
  EXPECT_EQ(w[4], 9);
  const FlashPage page9 = sensor.memory().flashPage(9);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(page9[248 + i], i + 1);
  EXPECT_EQ(page9[247], kErasedFlashWord);
  EXPECT_EQ(sensor.memory().flashPage(2)[0], kErasedFlashWord);  // cleared by 101
}

TEST(SimEngineLine, BaudChangeIsAcknowledgedAtTheOldRate) {
  SensorEngine sensor;
  const Bytes frame = RequestBytes(190, 4);
  const auto txs = sensor.receive(frame.data(), frame.size(), 1.0, 19200);
  ASSERT_EQ(txs.size(), 1u);
  EXPECT_EQ(txs[0].baud, 19200);
  EXPECT_EQ(GetWord(txs[0].bytes.data(), 1), 190);
  EXPECT_EQ(sensor.baud(), 115200);
  EXPECT_TRUE(Exchange(sensor, 5, 0, {}, 2.0, 19200).empty());
  EXPECT_EQ(Exchange(sensor, 5, 0, {}, 3.0, 115200).size(), 36u);
  EXPECT_EQ(sensor.log().size(), 2u);  // the frame at the old rate never made sense
}

TEST(SimEngineLine, ExternalTriggerSendsRecorderSamples) {
  SensorConfig c = StillObject();
  c.triggerPeriod = 0.5;
  c.triggerOnlyInRecorderMode = true;
  SensorEngine sensor(c);
  EXPECT_TRUE(sensor.pollUnsolicited(1.2, 19200).empty());  // RS-232-Mode still 0
  DataWords p1 = {40, 70, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1024, 0, 32767, 0};
  Exchange(sensor, 1, 1, p1, 1.3);
  EXPECT_DOUBLE_EQ(sensor.nextUnsolicited(), 1.5);
  const auto txs = sensor.pollUnsolicited(2.0, 19200);
  ASSERT_EQ(txs.size(), 2u);
  EXPECT_DOUBLE_EQ(txs[0].readyAt, 1.5);
  EXPECT_DOUBLE_EQ(txs[1].readyAt, 2.0);
  EXPECT_EQ(GetWord(txs[1].bytes.data(), 1), 18);
  EXPECT_EQ(GetWord(txs[1].bytes.data(), 2), 5120);
}

TEST(SimEngineLine, SameSeedSameObjectMovement) {
  SensorConfig c;
  c.seed = 42;
  SensorEngine a(c), b(c);
  c.seed = 43;
  SensorEngine other(c);
  bool differs = false;
  for (int i = 0; i < 20; ++i) {
    const double t = 0.1 * i;
    const Bytes ra = Exchange(a, 8, 0, {}, t);
    EXPECT_EQ(ra, Exchange(b, 8, 0, {}, t));
    differs |= ra != Exchange(other, 8, 0, {}, t);
  }
  EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace sim
