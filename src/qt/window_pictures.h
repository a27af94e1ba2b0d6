// Pictures of the panels' windows for the run-time: the window as it stands,
// brought up to date with the model and its graphs drawn, saved as PNG.
#pragma once

#include "runtime/window_picture.h"

namespace qtfront {

class ModelSync;

class QtWindowPictures : public rt::WindowPictures {
 public:
  explicit QtWindowPictures(ModelSync& sync) : sync_(sync) {}
  bool savePng(int panel, const std::string& path) override;

 private:
  ModelSync& sync_;
};

}  // namespace qtfront
