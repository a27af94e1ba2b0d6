// The pop-ups of the run-time shown as Qt dialogs: message box, yes/no question
// and file selection.
#pragma once

#include "runtime/dialogs.h"

namespace qtfront {

class ModelSync;

class QtDialogs : public rt::Dialogs {
 public:
  explicit QtDialogs(ModelSync& sync) : sync_(sync) {}
  void message(const std::string& title, const std::string& text) override;
  int confirm(const std::string& title, const std::string& text) override;
  int fileSelect(const rt::FileSelectRequest& request, std::string* path) override;

 private:
  ModelSync& sync_;
};

}  // namespace qtfront
