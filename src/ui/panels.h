// Handles of the six panels loaded at start-up, and the program's fixed texts
// and paths.
#pragma once

#include <string>

struct PanelHandles {
  int main = 0;
  int para1 = 0;
  int para2 = 0;
  int recorder = 0;
  int calib = 0;
  int comset = 0;
};

PanelHandles& Panels();
void ResetPanelHandles();

inline constexpr const char* kResourceFileName = "KAVRO-XB-VevavA318.uir";
inline constexpr const char* kSettingsFileName = "XB-Scope.ini";
inline constexpr const char* kRecordFileName = "RECORD.DAT";
inline constexpr int kMainWidth = 780;
inline constexpr int kMainHeight = 548;
inline constexpr int kChildTop = 105;
inline constexpr int kChildLeft = 8;
inline constexpr int kComsetTop = 316;
inline constexpr int kComsetLeft = 337;

struct AppTexts {
  std::string version;
  std::string build;
  std::string title;
  std::string settingsPath;
  std::string recordPath;
};

AppTexts& App();
void ResetAppTexts();

// A control shown or hidden, dimmed or given back.
void SetControlVisible(int panel, int control, bool visible);
void SetControlDimmed(int panel, int control, bool dimmed);
