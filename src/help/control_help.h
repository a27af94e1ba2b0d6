// Hover help: the text that a right click shows beside a control is also the
// control's tooltip. Each folder registers the texts of its controls once, by
// the name of the control's callback as the panel layout gives it, next to the
// callback itself; the right click and the tooltip then show the same text.
#pragma once

#include <functional>
#include <string>

// A text fixed for the program's life, or one worked out when it is shown (the
// tolerance field's text follows the sensor's firmware).
void RegisterHelpText(const std::string& callback, const char* text);
void RegisterHelpText(const std::string& callback, std::function<std::string()> text);
// A line for the tooltip only, after the help text and a blank line (the
// graphs name the keys that save what they show).
void AddTooltipNote(const std::string& callback, const std::string& note);
void ClearHelpTexts();

// Gives every control of every panel whose callback has a help text that text
// as its tooltip. Again after each connection: the texts may follow the sensor.
void ShowHelpTooltips();
