// Reading a linearisation file: decimal numbers, one per line, read in the C
// locale whatever the desktop's language. A value is taken as a 16-bit word:
// 0..65535 as it stands, -32768..-1 as its two's complement (so -1 reads as
// 65535). Blank lines are skipped, blanks and tabs around a number are
// allowed, a number with a fraction of zero ("12.0") counts as whole. Values
// after the ones needed are not looked at.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Results of the readers: 0 when all values were read, otherwise one of these.
inline constexpr int kLinFileNotOpened = -1;  // missing, unreadable or not a regular file
inline constexpr int kLinFileTooShort = -2;   // fewer values than needed
inline constexpr int kLinFileBadValue = -3;   // a line that is not a number in range

// The first count values of the text into values (emptied first; filled only
// when the result is 0).
int ParseLinearisationText(std::string_view text, int count, std::vector<std::uint16_t>* values);

// The same from a file. Only its first kLinFileMostBytes bytes are looked at
// (whole lines of them): a table takes far less.
inline constexpr long kLinFileMostBytes = 1L << 20;
int ReadLinearisationFile(const std::string& path, int count, std::vector<std::uint16_t>* values);
