// The sensor's own storage: both parameter frames in RAM and EEPROM, the
// video threshold curves and the pages of the external flash.
#pragma once

#include <array>
#include <cstdint>
#include <map>

namespace sim {

using ParaFrame = std::array<std::uint16_t, 15>;
using Curve = std::array<std::uint16_t, 256>;
using FlashPage = std::array<std::uint16_t, 256>;

// Word positions inside the frames.
namespace para0 {
inline constexpr int kPower = 0;
inline constexpr int kEvalMode = 3;
inline constexpr int kTeachValue = 6;
inline constexpr int kUpperTolerance = 7;
inline constexpr int kLowerTolerance = 8;
inline constexpr int kHardwareMode = 13;
}  // namespace para0
namespace para1 {
inline constexpr int kVideoThdAuto = 1;
inline constexpr int kRs232Mode = 2;
inline constexpr int kBaudIndex = 3;
inline constexpr int kSlopeLow = 11;
inline constexpr int kOffsetLow = 13;
}  // namespace para1

ParaFrame StartPara0();
ParaFrame StartPara1();

std::uint32_t ReadLong(const ParaFrame& frame, int lowWord);
void WriteLong(ParaFrame& frame, int lowWord, std::uint32_t value);

enum class Memory { kRam, kEeprom };

// An erased flash cell reads 0xFFFF.
inline constexpr std::uint16_t kErasedFlashWord = 0xFFFF;

struct ParameterMemory {
  ParameterMemory();

  ParaFrame& frame(Memory where, int which) {
    return where == Memory::kRam ? ram[which & 1] : eeprom[which & 1];
  }
  Curve& curve(Memory where) { return where == Memory::kRam ? curveRam : curveEeprom; }

  void eraseFlash() { flash.clear(); }
  // A page that was never written reads as erased.
  FlashPage flashPage(int page) const;
  void writeFlash(int page, int offset, const std::uint16_t* words, int count);

  std::array<ParaFrame, 2> ram;
  std::array<ParaFrame, 2> eeprom;
  Curve curveRam{};
  Curve curveEeprom{};
  std::map<int, FlashPage> flash;
};

}  // namespace sim
