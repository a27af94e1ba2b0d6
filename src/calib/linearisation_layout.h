// How a linearisation table is laid out in the sensor's external flash: how
// many values a model takes, the pages they fill, and the words of the clear
// and block-write frames. Pure computations.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calib/linearisation_state.h"

inline constexpr int kFirstFlashPage = 2;
inline constexpr int kFlashPageEntries = 256;
inline constexpr int kFlashBlockEntries = 8;
inline constexpr std::uint16_t kFlashFiller = 0x00AA;
inline constexpr int kHalfTableModelCode = 400;  // the model with half a table

// 1024 values for the half-table model, 2048 for every other.
int LinearisationValuesFor(int modelCode);
// The last flash page written: 5 for the half-table model, otherwise 9.
int LastFlashPageFor(int modelCode);

// A file value as the sensor stores it: value + 32767, modulo 65536.
std::uint16_t TableEntryFor(std::uint16_t fileValue);
// Entries 0..values.size()-1 from the file values; the rest stay as they are.
void FillTable(LinearisationState& state, const std::vector<std::uint16_t>& values);

// Index of the first table entry of a block.
int BlockStartIndex(int page, int blockOffset);

using FlashFrameData = std::array<std::uint16_t, 15>;  // request words 3..17
// The clear frame: all data words 0x00AA.
FlashFrameData ClearFlashData();
// A block write: word 3 the page, words 4..11 the block's eight entries, words
// 12..17 the filler the clear frame left.
FlashFrameData FlashBlockData(const LinearisationState& state, int page, int blockOffset);

// "X-FLASH-write OK: PAGE<n> ..." for pages 2..9; nothing for another page.
std::optional<std::string> FlashPageWrittenText(int page);
