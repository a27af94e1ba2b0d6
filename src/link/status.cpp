#include "link/status.h"

#include "app/panel_ids.h"
#include "app/panels.h"
#include "app/runtime/ui_model.h"
#include "link/link_state.h"

void SetStatusText(const std::string& text) {
  Link().statusText = text.substr(0, std::min(text.size(), kStatusTextMax));
}

void ShowStatusText() {
  rt::SetCtrlVal(Panels().main, ids::MAIN_STATUS, Link().statusText);
}

void ShowStatus(const std::string& text) {
  SetStatusText(text);
  ShowStatusText();
}

void ShowLinkMessage(const std::string& text) {
  rt::SetCtrlVal(Panels().comset, ids::COM_MESSAGE, text);
}
