#include "ui/status_line.h"

#include <algorithm>

#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {
std::string gStatusText;
}

void SetStatusText(const std::string& text) {
  gStatusText = text.substr(0, std::min(text.size(), kStatusTextMax));
}

const std::string& StatusText() {
  return gStatusText;
}

void ShowStatusText() {
  rt::SetCtrlVal(Panels().main, ids::MAIN_STATUS, gStatusText);
}

void ShowStatus(const std::string& text) {
  SetStatusText(text);
  ShowStatusText();
}

void ShowLinkMessage(const std::string& text) {
  rt::SetCtrlVal(Panels().comset, ids::COM_MESSAGE, text);
}

void ShowStatusTextOnBoth() {
  ShowStatusText();
  ShowLinkMessage(StatusText());
}

void ShowStatusOnBoth(const std::string& text) {
  SetStatusText(text);
  ShowStatusTextOnBoth();
}

void ResetStatusText() {
  gStatusText.clear();
}
