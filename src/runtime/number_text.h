// Numbers as the text of a control: always with a decimal point, whatever the
// desktop's language, so that 0.1 never shows as "0,1" and "0.5" never reads as 0.
#pragma once

#include <string>

namespace rt {

// Fixed notation with the given number of decimal places (negative: none).
std::string FormatFixed(double value, int decimals);

// The fewest digits that read back as the same value, without an exponent:
// 4 gives "4", 0.1 gives "0.1" (for numbers written to files).
std::string FormatShortest(double value);

// The number at the start of the text, as the platform reads a text: leading
// white space and a plus sign are skipped, what follows the number is ignored,
// and a text without a number gives 0.
double ParseNumber(const std::string& text);

}  // namespace rt
