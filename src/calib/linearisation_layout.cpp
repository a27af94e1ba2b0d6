#include "calib/linearisation_layout.h"

#include <algorithm>

int LinearisationValuesFor(int modelCode) {
  return modelCode == kHalfTableModelCode ? 1024 : 2048;
}

int LastFlashPageFor(int modelCode) {
  return kFirstFlashPage + LinearisationValuesFor(modelCode) / kFlashPageEntries - 1;
}

std::uint16_t TableEntryFor(std::uint16_t fileValue) {
  return static_cast<std::uint16_t>((fileValue + 32767u) & 0xFFFFu);
}

void FillTable(LinearisationState& state, const std::vector<std::uint16_t>& values) {
  const std::size_t n = std::min(values.size(), state.table.size());
  for (std::size_t i = 0; i < n; ++i) state.table[i] = TableEntryFor(values[i]);
}

int BlockStartIndex(int page, int blockOffset) {
  return (page - kFirstFlashPage) * kFlashPageEntries + blockOffset;
}

FlashFrameData ClearFlashData() {
  FlashFrameData d;
  d.fill(kFlashFiller);
  return d;
}

FlashFrameData FlashBlockData(const LinearisationState& state, int page, int blockOffset) {
  FlashFrameData d = ClearFlashData();
  d[0] = static_cast<std::uint16_t>(page);
  const int start = BlockStartIndex(page, blockOffset);
  for (int i = 0; i < kFlashBlockEntries; ++i) {
    const int index = start + i;
    const bool inTable = index >= 0 && index < static_cast<int>(state.table.size());
    d[1 + i] = inTable ? state.table[index] : 0;
  }
  return d;
}

std::optional<std::string> FlashPageWrittenText(int page) {
  if (page < kFirstFlashPage || page > 9) return std::nullopt;
  return "X-FLASH-write OK: PAGE" + std::to_string(page) + " ...";
}
