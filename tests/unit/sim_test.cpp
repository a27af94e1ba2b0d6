// The virtual sensor's own logic the tests lean on: its in-process port on a
// virtual clock (a flush cuts a request short, a port thrown away no longer
// holds the clock; the timing of a byte shows in the scenario tests' times),
// the request cutter that finds frames in noise, and the same answers from the
// same seed. (Its answers, fault switches and command line are exercised by the
// scenario and end-to-end tests that use them.)
#include <gtest/gtest.h>

#include "in_process_port.h"
#include "runtime/clock.h"

namespace sim {
namespace {

constexpr double kByte19200 = 10.0 / 19200;      // 0.52083 ms
constexpr double kFrame19200 = 36 * kByte19200;  // 18.75 ms
constexpr double kEps = 1e-9;

Bytes RequestBytes(std::uint16_t command, std::uint16_t argument = 0, DataWords data = {}) {
  Request r;
  r.command = command;
  r.argument = argument;
  r.data = data;
  return EncodeRequest(r);
}

class SimPortTest : public ::testing::Test {
 protected:
  void SetUp() override { rt::SetClock(&clock_); }
  void TearDown() override {
    port_.reset();
    rt::SetClock(nullptr);
  }

  InProcessPort& Open(long baud, SensorConfig config = {}) {
    sensor_ = std::make_shared<SensorEngine>(config);
    port_ = std::make_unique<InProcessPort>(sensor_);
    rt::PortSettings settings;
    settings.baud = baud;
    EXPECT_EQ(port_->open(settings), 0);
    return *port_;
  }

  void Write(const Bytes& frame) {
    EXPECT_EQ(port_->write(frame.data(), static_cast<int>(frame.size())), 36);
  }

  rt::VirtualClock clock_{1.0};  // a large step: idle stops only where the line wants
  std::shared_ptr<SensorEngine> sensor_;
  std::unique_ptr<InProcessPort> port_;
};

TEST_F(SimPortTest, FlushOutCutsTheRequestAndTheSensorResynchronises) {
  InProcessPort& port = Open(19200);
  Write(RequestBytes(5));
  clock_.advanceTo(10.5 * kByte19200);
  port.flushOut();
  clock_.advanceTo(1.0);
  EXPECT_EQ(port.bytesWaiting(), 0);
  EXPECT_TRUE(sensor_->log().empty());
  Write(RequestBytes(5));
  clock_.advanceTo(1.0 + 2 * kFrame19200 + kEps);
  EXPECT_EQ(port.bytesWaiting(), 36);
}

TEST_F(SimPortTest, ThrownAwayPortNoLongerHoldsTheClock) {
  Open(19200);
  Write(RequestBytes(5));
  port_.reset();
  clock_.idle();
  EXPECT_NEAR(clock_.now(), 1.0, 1e-12);
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
