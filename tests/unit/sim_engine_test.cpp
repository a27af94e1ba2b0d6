// The virtual sensor's own logic: the reply frame's form, the request cutter, the
// measurement record of a still object, and the same answers from the same seed. (Its commands,
// fault switches and tables are exercised by the scenario tests that use them.)
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
