// Every callback named in the resource file is registered here by its name.
#include "app/callbacks.h"
#include "app/main_panel.h"
#include "help/help_callbacks.h"
#include "params/transfer_buttons.h"
#include "runtime/events.h"

void RegisterAllCallbacks() {
  rt::ClearCallbackRegistry();
  RegisterMainPanelCallbacks();
  RegisterTransferCallbacks();
  RegisterHelpCallbacks();
}
