// Line timing of the in-process sensor port on a virtual clock: a byte takes
// 10 bit times each way, the answer starts when the request is complete.
#include <gtest/gtest.h>

#include "in_process_port.h"
#include "runtime/clock.h"

namespace sim {
namespace {

constexpr double kByte19200 = 10.0 / 19200;      // 0.52083 ms
constexpr double kFrame19200 = 36 * kByte19200;  // 18.75 ms
constexpr double kEps = 1e-9;

Bytes EchoFrame(std::uint16_t command = 5, std::uint16_t argument = 0) {
  Request r;
  r.command = command;
  r.argument = argument;
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

TEST_F(SimPortTest, IdleClockStopsWhenRequestAndReplyAreComplete) {
  InProcessPort& port = Open(19200);
  Write(EchoFrame());
  clock_.idle();
  EXPECT_NEAR(clock_.now(), kFrame19200, 1e-12);
  EXPECT_EQ(port.bytesWaiting(), 0);
  ASSERT_EQ(sensor_->log().size(), 1u);
  EXPECT_NEAR(sensor_->log()[0].time, kFrame19200, 1e-12);
  clock_.idle();
  EXPECT_NEAR(clock_.now(), 2 * kFrame19200, 1e-12);  // 37.5 ms after the write
  EXPECT_EQ(port.bytesWaiting(), 36);
  std::uint8_t buf[64];
  EXPECT_EQ(port.read(buf, 64), 36);
  EXPECT_EQ(GetWord(buf, 0), 0x00AA);
  clock_.idle();
  EXPECT_NEAR(clock_.now(), 2 * kFrame19200 + 1.0, 1e-9);  // nothing more on the line
}

TEST_F(SimPortTest, FlushOutCutsTheRequestAndTheSensorResynchronises) {
  InProcessPort& port = Open(19200);
  Write(EchoFrame());
  clock_.advanceTo(10.5 * kByte19200);
  port.flushOut();
  clock_.advanceTo(1.0);
  EXPECT_EQ(port.bytesWaiting(), 0);
  EXPECT_TRUE(sensor_->log().empty());
  Write(EchoFrame());
  clock_.advanceTo(1.0 + 2 * kFrame19200 + kEps);
  EXPECT_EQ(port.bytesWaiting(), 36);
}

TEST_F(SimPortTest, ThrownAwayPortNoLongerHoldsTheClock) {
  Open(19200);
  Write(EchoFrame());
  port_.reset();
  clock_.idle();
  EXPECT_NEAR(clock_.now(), 1.0, 1e-12);
}

}  // namespace
}  // namespace sim
