// Sensor frames on the wire: 36 bytes, 18 words, each sent high byte first.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kReplyClassNone = 0;
inline constexpr int kReplyClassAck = 1;
inline constexpr int kReplyClassMeasurement = 8;
inline constexpr int kReplyClassRecorder = 18;

std::uint16_t ReadWord(const std::uint8_t* bytes, int word);
void WriteWord(std::uint8_t* bytes, int word, std::uint16_t value);

// Writes a request frame (sync, command, argument, 15 data words) into out[0..35].
void EncodeRequest(std::uint8_t* out, std::uint16_t sync, std::uint16_t command,
                   std::uint16_t argument, const std::uint16_t* data15);

// Classes the 36 reply bytes by word 1 alone and copies their data words into
// the frame data area: words 2..17 for measurement and recorder replies, words
// 3..17 (word 2 dropped, data word 15 kept) for every other reply.
int DecodeReply(const std::uint8_t* reply, std::array<std::uint16_t, 16>* data);
