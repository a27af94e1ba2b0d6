// The status line of the main panel and the link message field of the
// communication settings panel. Every outcome message is kept as the status
// text (at most 72 characters) before it is shown.
#pragma once

#include <cstddef>
#include <string>

inline constexpr std::size_t kStatusTextMax = 72;

void SetStatusText(const std::string& text);  // kept, cut to 72 characters
const std::string& StatusText();
void ShowStatusText();                     // the kept text on the status line
void ShowStatus(const std::string& text);  // both of the above
void ShowLinkMessage(const std::string& text);
// The kept text on the status line and in the link message field.
void ShowStatusTextOnBoth();
void ShowStatusOnBoth(const std::string& text);  // kept first, then shown on both
void ResetStatusText();
