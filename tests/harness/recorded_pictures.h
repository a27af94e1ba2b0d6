// Window pictures as a test sees them: each request is recorded, and the
// picture is reported written unless the test says the disk refuses it.
#pragma once

#include <string>
#include <vector>

#include "runtime/window_picture.h"

class RecordedPictures : public rt::WindowPictures {
 public:
  struct Request {
    int panel;
    std::string path;
  };
  bool savePng(int panel, const std::string& path) override {
    requests.push_back({panel, path});
    return writable;
  }
  std::vector<Request> requests;
  bool writable = true;
};
