// Reply classing on the wire, at its edges. (Requests are read back by the virtual
// sensor in every scenario test.)
#include <gtest/gtest.h>

#include <array>

#include "link/frame_codec.h"

namespace {

using Frame = std::array<std::uint8_t, 36>;

Frame ReplyWithWords(std::initializer_list<std::uint16_t> words) {
  Frame f{};
  int i = 0;
  for (std::uint16_t w : words) WriteWord(f.data(), i++, w);
  for (; i < 18; ++i) WriteWord(f.data(), i, static_cast<std::uint16_t>(0x100 + i));
  return f;
}

TEST(FrameCodec, RecorderRepliesTakeAllSixteenWords) {
  for (std::uint16_t type : {18, 19}) {
    std::array<std::uint16_t, 16> data{};
    const Frame f = ReplyWithWords({0x00AA, type, 7});
    EXPECT_EQ(DecodeReply(f.data(), &data), kReplyClassRecorder);
    EXPECT_EQ(data[0], 7);
    EXPECT_EQ(data[15], 0x100 + 17);
  }
}

TEST(FrameCodec, MeasurementReplyTakesAllSixteenWords) {
  std::array<std::uint16_t, 16> data{};
  const Frame f = ReplyWithWords({0x00AA, 8, 11});
  EXPECT_EQ(DecodeReply(f.data(), &data), kReplyClassMeasurement);
  EXPECT_EQ(data[0], 11);
  EXPECT_EQ(data[15], 0x111);
}

TEST(FrameCodec, OtherRepliesDropTheArgumentAndKeepDataWordFifteen) {
  std::array<std::uint16_t, 16> data{};
  data[15] = 0xBEEF;
  const Frame echo = ReplyWithWords({0x00AA, 5, 0x7777, 42});
  EXPECT_EQ(DecodeReply(echo.data(), &data), kReplyClassAck);
  EXPECT_EQ(data[0], 42);
  EXPECT_EQ(data[14], 0x111);
  EXPECT_EQ(data[15], 0xBEEF);
}

TEST(FrameCodec, ClassIsDecidedByWordOneAlone) {
  std::array<std::uint16_t, 16> data{};
  EXPECT_EQ(DecodeReply(ReplyWithWords({0x1234, 8}).data(), &data), kReplyClassMeasurement);
  EXPECT_EQ(DecodeReply(ReplyWithWords({0x00AA, 0x8008}).data(), &data), kReplyClassAck);
  EXPECT_EQ(DecodeReply(ReplyWithWords({0x00AA, 0xFFFF}).data(), &data), kReplyClassAck);
  EXPECT_EQ(DecodeReply(ReplyWithWords({0x0000, 0x0000}).data(), &data), kReplyClassAck);
}

}  // namespace
