// Reading the intensity profile (or the stored threshold curve) in raw blocks of
// 64 words, and drawing it with a threshold in the video graph.
#pragma once

#include <array>
#include <cstdint>

// Where a block read lands: the video profile, or (any other value, the
// threshold memory selector) the stored threshold curve.
inline constexpr std::uint16_t kProfileBlocks = 0;

// 1 when exactly 128 bytes came and were stored at first..first+63 of the
// target's table. The waiting and outcome texts go to the status line.
int ReadVideoBlock(std::uint16_t first, std::uint16_t target);
// The four blocks at 0, 64, 128 and 192 into the target's table, with the
// receive callback removed and both queues flushed before and the callback back
// after; the first block that fails ends the sequence. 1 when all four came.
int ReadVideoBlocks(std::uint16_t target);
// The video graph in the graphs' shared place, the roll and pixel graphs hidden.
void ShowVideoGraphAlone();
void PlotVideoGraph(const std::array<std::uint16_t, 256>& profile,
                    const std::array<std::uint16_t, 256>& threshold,
                    const std::array<double, 256>& positions);
// The same two curves and a further threshold line in green, drawn at once.
void PlotVideoGraphWithLine(const std::array<std::uint16_t, 256>& profile,
                            const std::array<std::uint16_t, 256>& threshold,
                            const std::array<std::uint16_t, 256>& line,
                            const std::array<double, 256>& positions);
