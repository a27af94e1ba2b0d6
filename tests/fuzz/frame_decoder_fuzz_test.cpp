// Whatever arrives over the line is classed and stored without harm.
#include <gtest/gtest.h>

#include <random>

#include "link/frame_codec.h"

namespace {

TEST(FrameDecoderFuzz, AnyThirtySixBytesGetAClassAndKeepTheRules) {
  std::mt19937 rng(36);
  for (int i = 0; i < 100000; ++i) {
    std::uint8_t reply[36];
    for (auto& b : reply) b = static_cast<std::uint8_t>(rng());
    std::array<std::uint16_t, 16> data{};
    data[15] = 0x5A5A;
    const int cls = DecodeReply(reply, &data);
    const std::uint16_t type = ReadWord(reply, 1);
    if (type == 8) {
      ASSERT_EQ(cls, kReplyClassMeasurement);
    } else if (type == 18 || type == 19) {
      ASSERT_EQ(cls, kReplyClassRecorder);
    } else {
      ASSERT_EQ(cls, kReplyClassAck);
      ASSERT_EQ(data[15], 0x5A5A);
      ASSERT_EQ(data[0], ReadWord(reply, 3));
    }
  }
}

}  // namespace
