// A picture of what a panel's window shows, its child panels included, saved
// as a PNG file. The front end takes it; without one no picture can be taken.
#pragma once

#include <string>

namespace rt {

class WindowPictures {
 public:
  virtual ~WindowPictures() = default;
  // True when the picture of the panel is in the file.
  virtual bool savePng(int panel, const std::string& path) = 0;
};

void SetWindowPictures(WindowPictures* pictures);  // null: no pictures

// 0 when the picture is in the file; -1 when there is no window to take it
// from or the file could not be written.
int SavePanelPicture(int panel, const std::string& path);

}  // namespace rt
