#include "ui/panels.h"

#include "runtime/constants.h"
#include "runtime/ui_model.h"

PanelHandles& Panels() {
  static PanelHandles handles;
  return handles;
}

void ResetPanelHandles() {
  Panels() = PanelHandles{};
}

AppTexts& App() {
  static AppTexts texts;
  return texts;
}

void ResetAppTexts() {
  App() = AppTexts{};
}

void SetControlVisible(int panel, int control, bool visible) {
  rt::SetCtrlAttribute(panel, control, rt::ATTR_VISIBLE, visible ? 1 : 0);
}

void SetControlDimmed(int panel, int control, bool dimmed) {
  rt::SetCtrlAttribute(panel, control, rt::ATTR_DIMMED, dimmed ? 1 : 0);
}
