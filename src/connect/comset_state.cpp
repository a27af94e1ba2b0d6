#include "connect/comset_state.h"

ComSettingsState& ComSettings() {
  static ComSettingsState state;
  return state;
}

void ResetComSettingsState() {
  ComSettings() = ComSettingsState{};
}
