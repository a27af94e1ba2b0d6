#include "ui/panels.h"

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
