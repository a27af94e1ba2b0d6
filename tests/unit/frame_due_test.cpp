// When the serial layer expects the last byte of a frame that is coming in:
// the waits sleep through a frame on a slow line until then.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/serial.h"

namespace {

// A line whose input queue holds as many bytes as the test says.
class CountedLine : public rt::PortBackend {
 public:
  int waiting = 0;
  int open(const rt::PortSettings&) override { return 0; }
  void close() override {}
  int write(const std::uint8_t*, int count) override { return count; }
  int read(std::uint8_t*, int count) override {
    const int n = std::min(count, waiting);
    waiting -= n;
    return n;
  }
  int bytesWaiting() override { return waiting; }
  void flushIn() override { waiting = 0; }
  void flushOut() override {}
};

void Ignore(int, int, void*) {}

constexpr int kPort = 3;
constexpr double kCharTime = 10.0 / 19200;  // start bit, 8 data bits, stop bit

class FrameDue : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetClock(&clock_);
    rt::SetPortBackendFactory([this](int) {
      auto made = std::make_unique<CountedLine>();
      line_ = made.get();
      return made;
    });
    ASSERT_EQ(rt::OpenComConfig(kPort, "line", 19200, 0, 8, 1, 512, 512), 0);
  }
  void TearDown() override {
    rt::ResetSerial();
    rt::SetPortBackendFactory(nullptr);
    rt::SetClock(nullptr);
  }
  // Bytes arrive and the program looks at the queue, at time t.
  void arrive(int bytes, double t) {
    clock_.advanceTo(t);
    line_->waiting += bytes;
    rt::GetInQLen(kPort);
  }

  rt::VirtualClock clock_;
  CountedLine* line_ = nullptr;
};

TEST_F(FrameDue, LastByteOfTheCallbacksFrameAtTheLinesRate) {
  EXPECT_LT(rt::SerialFrameDue(), 0);  // nobody waits for anything yet
  rt::InstallComCallback(kPort, rt::LWRS_RECEIVE, 36, 0x55, Ignore, nullptr);
  EXPECT_LT(rt::SerialFrameDue(), 0);  // nothing on its way

  arrive(4, 1.0);
  double margin = 0;
  EXPECT_NEAR(rt::SerialFrameDue(&margin), 1.0 + 32 * kCharTime, 1e-9);
  EXPECT_NEAR(margin, 2 * kCharTime, 1e-12);
  arrive(30, 1.0 + 30 * kCharTime);
  EXPECT_NEAR(rt::SerialFrameDue(), 1.0 + 32 * kCharTime, 1e-9);

  // A line that falls silent in the middle of the frame is not waited for.
  clock_.advanceTo(1.0 + 35 * kCharTime);
  EXPECT_LT(rt::SerialFrameDue(), 0);
  // The whole frame in: nothing more is due.
  arrive(2, 1.1);
  EXPECT_LT(rt::SerialFrameDue(), 0);
}

TEST_F(FrameDue, AwaitedLengthAndFlushedOrReadQueue) {
  rt::AwaitInQLen(kPort, 130);
  arrive(30, 2.0);
  EXPECT_NEAR(rt::SerialFrameDue(), 2.0 + 100 * kCharTime, 1e-9);

  // Bytes taken out or thrown away are no longer counted as on their way.
  std::uint8_t buffer[30];
  EXPECT_EQ(rt::ComRd(kPort, buffer, 30), 30);
  EXPECT_LT(rt::SerialFrameDue(), 0);
  arrive(10, 2.1);
  rt::FlushInQ(kPort);
  EXPECT_LT(rt::SerialFrameDue(), 0);

  rt::AwaitInQLen(kPort, 0);
  arrive(10, 2.2);
  EXPECT_LT(rt::SerialFrameDue(), 0);
}

}  // namespace
