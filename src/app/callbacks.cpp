// Every callback named in the resource file is registered here by its name.
#include "app/main_panel.h"
#include "app/program.h"
#include "app/runtime/events.h"
#include "params/transfer_buttons.h"

void RegisterAllCallbacks() {
  rt::ClearCallbackRegistry();
  RegisterMainPanelCallbacks();
  RegisterTransferCallbacks();
}
