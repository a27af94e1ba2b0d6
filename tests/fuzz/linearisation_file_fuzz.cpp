// The linearisation file reader on any bytes, from a file as the operator picks
// it: one of its results, values only when all were read, and values written
// back one per line read back the same.
#include <string>
#include <vector>

#include "calib/linearisation_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first two bytes say how many values are wanted (1..2048), the rest is the file.
  if (size < 2) return 0;
  const int count = 1 + ((data[0] << 8 | data[1]) % 2048);
  const std::string text(data + 2, data + size);
  std::vector<std::uint16_t> values{42};
  const int result = ReadLinearisationFile(ScratchFile("table.txt", text), count, &values);
  FUZZ_CHECK(result == 0 || result == kLinFileTooShort || result == kLinFileBadValue);
  FUZZ_CHECK(values.size() == (result == 0 ? static_cast<std::size_t>(count) : 0u));
  std::vector<std::uint16_t> fromText;
  FUZZ_CHECK(ParseLinearisationText(text, count, &fromText) == result && fromText == values);
  if (result != 0) return 0;
  std::string written;
  for (std::uint16_t v : values) written += std::to_string(v) + "\n";
  std::vector<std::uint16_t> again;
  FUZZ_CHECK(ParseLinearisationText(written, count, &again) == 0);
  FUZZ_CHECK(again == values);
  return 0;
}
