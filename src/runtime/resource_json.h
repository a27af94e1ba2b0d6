// Reading the text of the panel resource file as JSON, within limits: a file
// larger than kMaxResourceBytes or nested deeper than kMaxResourceDepth is
// refused before it can cost much memory or stack.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

namespace rt {

inline constexpr std::size_t kMaxResourceBytes = 4 * 1024 * 1024;
inline constexpr int kMaxResourceDepth = 32;

// Parses text into out. Returns false with a one-line reason (never throws)
// when the text is too large, nested too deep or not well-formed JSON.
bool ParseResourceJson(const std::string& text, nlohmann::json* out, std::string* error);

}  // namespace rt
