// Random byte streams arriving in random pieces on the sensor line, taken in by
// the receive callback the program installs when it opens the port: it takes
// exactly the first 36 bytes waiting when it runs, throws away the rest, and
// leaves the reply class and data words the frame decoder gives for those 36
// bytes (the decoder's own rules are the frame codec unit test's).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <vector>

#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "runtime/serial.h"

namespace {

constexpr int kPort = 3;

// A line whose bytes arrive only when the test says so; it notes every read
// and flush so that the test can see what the callback did.
class ScriptedLine : public rt::PortBackend {
 public:
  std::deque<std::uint8_t> waiting;
  int reads = 0;
  int flushes = 0;

  int open(const rt::PortSettings&) override { return 0; }
  void close() override {}
  int write(const std::uint8_t*, int count) override { return count; }
  int read(std::uint8_t* out, int count) override {
    ++reads;
    const int n = std::min<int>(count, static_cast<int>(waiting.size()));
    std::copy_n(waiting.begin(), n, out);
    waiting.erase(waiting.begin(), waiting.begin() + n);
    return n;
  }
  int bytesWaiting() override { return static_cast<int>(waiting.size()); }
  void flushIn() override {
    ++flushes;
    waiting.clear();
  }
  void flushOut() override {}
};

// Frames that start like real replies now and then, so that every class turns up.
std::uint8_t NextByte(std::mt19937& rng, std::size_t posInStream) {
  if (posInStream % 36 == 3 && rng() % 3 == 0) {
    static constexpr std::uint8_t kTypes[] = {8, 18, 19, 1, 7, 9};
    return kTypes[rng() % 6];
  }
  if (posInStream % 36 == 2 && rng() % 2 == 0) return 0;
  return static_cast<std::uint8_t>(rng());
}

class ReceivePathFuzz : public ::testing::Test {
 protected:
  ScriptedLine* line = nullptr;

  void SetUp() override {
    rt::ResetSerial();
    ResetLinkState();
    rt::SetPortBackendFactory([this](int) {
      auto made = std::make_unique<ScriptedLine>();
      line = made.get();
      return made;
    });
    ASSERT_EQ(OpenPortWithSettings(kPort, 1), 0);
    SetLinePort(kPort, 1);
    ConfigureOpenPort(kPort, {});  // as at start-up: queues flushed, receive callback in place
    line->flushes = 0;
  }
  void TearDown() override {
    rt::ResetSerial();
    rt::SetPortBackendFactory(nullptr);
  }

  void CheckCallback(const std::vector<std::uint8_t>& before,
                     const std::array<std::uint16_t, 16>& dataBefore) {
    const std::vector<std::uint8_t> frame(before.begin(), before.begin() + 36);
    const LinkState& l = Link();
    ASSERT_EQ(l.replyArrived, 1);
    ASSERT_TRUE(std::equal(frame.begin(), frame.end(), l.rx.begin()));
    ASSERT_TRUE(line->waiting.empty()) << before.size() - 36 << " bytes left over";
    ASSERT_EQ(line->flushes, 1);
    std::array<std::uint16_t, 16> expected = dataBefore;
    ASSERT_EQ(l.replyClass, DecodeReply(frame.data(), &expected));
    ASSERT_EQ(l.data, expected);
  }
};

TEST_F(ReceivePathFuzz, EachCallbackTakesOneFrameAndDropsTheRest) {
  std::mt19937 rng(20240236);
  std::size_t streamPos = 0;
  int callbacks = 0;
  std::array<int, 19> classesSeen{};
  for (int step = 0; step < 400000; ++step) {
    // A piece of 0..100 bytes arrives; sometimes a single byte, as a slow line gives it.
    const int size = rng() % 4 == 0 ? 1 : static_cast<int>(rng() % 101);
    for (int i = 0; i < size; ++i) line->waiting.push_back(NextByte(rng, streamPos++));

    const std::vector<std::uint8_t> before(line->waiting.begin(), line->waiting.end());
    std::array<std::uint16_t, 16> dataBefore;
    for (auto& w : dataBefore) w = static_cast<std::uint16_t>(rng());
    Link().data = dataBefore;
    Link().replyArrived = 0;
    Link().replyClass = -1;
    line->flushes = 0;
    line->reads = 0;

    const int raised = rt::DispatchSerialEvents();
    if (before.size() < 36) {
      // Too few bytes for the notify count: nothing is taken, nothing is touched.
      ASSERT_EQ(raised, 0);
      ASSERT_EQ(Link().replyArrived, 0);
      ASSERT_EQ(line->reads, 0);
      ASSERT_EQ(line->waiting.size(), before.size());
      ASSERT_EQ(Link().data, dataBefore);
      continue;
    }
    ASSERT_EQ(raised, 1);
    ASSERT_NO_FATAL_FAILURE(CheckCallback(before, dataBefore)) << "step " << step;
    ++callbacks;
    ++classesSeen[Link().replyClass];
    streamPos = 0;  // the next frame starts with the next byte to arrive
  }
  EXPECT_GT(callbacks, 80000);
  EXPECT_GT(classesSeen[1], 100);
  EXPECT_GT(classesSeen[8], 100);
  EXPECT_GT(classesSeen[18], 100);
}

}  // namespace
