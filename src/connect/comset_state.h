// Port number and baud index to return to when the operator discards new
// communication settings.
#pragma once

#include <cstdint>

struct ComSettingsState {
  std::uint16_t savedPort = 1;
  std::uint16_t savedBaud = 1;
};

ComSettingsState& ComSettings();
void ResetComSettingsState();
