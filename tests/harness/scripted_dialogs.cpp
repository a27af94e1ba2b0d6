#include "harness/scripted_dialogs.h"

#include "runtime/constants.h"
#include "runtime/files.h"

void ScriptedDialogs::message(const std::string& title, const std::string& text) {
  popups_.push_back({"message", title, text, {}});
}

int ScriptedDialogs::confirm(const std::string& title, const std::string& text) {
  popups_.push_back({"confirm", title, text, {}});
  if (confirms_.empty()) return 0;
  bool yes = confirms_.front();
  confirms_.pop_front();
  return yes ? 1 : 0;
}

int ScriptedDialogs::fileSelect(const rt::FileSelectRequest& request, std::string* path) {
  popups_.push_back({"file", request.title, request.defaultName, request});
  if (files_.empty()) return rt::VAL_NO_FILE_SELECTED;
  std::string answer = files_.front();
  files_.pop_front();
  if (answer.empty()) return rt::VAL_NO_FILE_SELECTED;
  *path = answer;
  return rt::GetFileInfo(answer, nullptr) == 1 ? rt::VAL_EXISTING_FILE_SELECTED
                                               : rt::VAL_NEW_FILE_SELECTED;
}
