// Reading the intensity profile (or the stored threshold curve) in raw blocks of
// 64 words, and drawing it with a threshold in the video graph.
#pragma once

#include <array>
#include <cstdint>

// 1 when exactly 128 bytes came and were stored at first..first+63 of the video
// profile (target 0) or of the stored threshold curve (any other target).
int ReadVideoBlock(std::uint16_t first, std::uint16_t target);
void PlotVideoGraph(const std::array<std::uint16_t, 256>& profile,
                    const std::array<std::uint16_t, 256>& threshold,
                    const std::array<double, 256>& positions);
