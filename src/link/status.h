// The status line of the main panel and the link message field of the
// communication settings panel.
#pragma once

#include <string>

void SetStatusText(const std::string& text);  // kept, cut to 72 characters
void ShowStatusText();                        // the kept text on the status line
void ShowStatus(const std::string& text);     // both of the above
void ShowLinkMessage(const std::string& text);
