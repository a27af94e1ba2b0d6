#include "calib/linearisation_file.h"

#include <cstdio>
#include <memory>

#include "runtime/files.h"
#include "runtime/number_text.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// [+-]digits[.digits], nothing else.
bool IsDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t intStart = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i == intStart) return false;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fractionStart = ++i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i == fractionStart) return false;
  }
  return i == s.size();
}

// A whole number in -32768..65535 as a 16-bit word.
bool ToWord(std::string_view s, std::uint16_t* word) {
  if (!IsDecimalNumber(s)) return false;
  const double value = rt::ParseNumber(std::string(s));
  if (value < -32768.0 || value > 65535.0) return false;
  const long whole = static_cast<long>(value);
  if (static_cast<double>(whole) != value) return false;
  *word = static_cast<std::uint16_t>(whole & 0xFFFF);
  return true;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

int ParseLinearisationText(std::string_view text, int count, std::vector<std::uint16_t>* values) {
  values->clear();
  std::vector<std::uint16_t> read;
  read.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
  while (static_cast<int>(read.size()) < count && !text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty()) continue;
    std::uint16_t word = 0;
    if (!ToWord(line, &word)) return kLinFileBadValue;
    read.push_back(word);
  }
  if (static_cast<int>(read.size()) < count) return kLinFileTooShort;
  *values = std::move(read);
  return 0;
}

int ReadLinearisationFile(const std::string& path, int count, std::vector<std::uint16_t>* values) {
  values->clear();
  std::unique_ptr<std::FILE, FileCloser> file(rt::OpenDataFile(path, false));
  if (!file) return kLinFileNotOpened;
  std::string text;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    text.append(buffer, n);
    if (static_cast<long>(text.size()) > kLinFileMostBytes) {
      const std::size_t lastLine = text.rfind('\n', kLinFileMostBytes - 1);
      text.resize(lastLine == std::string::npos ? 0 : lastLine + 1);
      break;
    }
  }
  if (std::ferror(file.get())) return kLinFileNotOpened;
  return ParseLinearisationText(text, count, values);
}
