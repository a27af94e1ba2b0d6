// Pop-ups and file dialogs. The Qt front end shows real dialogs; tests script
// the answers through their own implementation.
#pragma once

#include <string>

namespace rt {

struct FileSelectRequest {
  std::string defaultDirectory;
  std::string defaultName;
  std::string filter;
  std::string title;
  std::string buttonLabel;
  bool restrictDirectory = false;
  bool restrictExtension = false;
  bool allowCancel = true;
  bool allowMakeDirectory = false;
  bool save = false;  // a save dialog (the operator may name a new file)
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void message(const std::string& title, const std::string& text) = 0;
  virtual int confirm(const std::string& title, const std::string& text) = 0;
  // Returns VAL_NO_FILE_SELECTED, VAL_EXISTING_FILE_SELECTED or VAL_NEW_FILE_SELECTED.
  virtual int fileSelect(const FileSelectRequest& request, std::string* path) = 0;
};

void SetDialogs(Dialogs* dialogs);  // null: no dialogs (messages dropped, confirm = no)

int MessagePopup(const std::string& title, const std::string& text);
int ConfirmPopup(const std::string& title, const std::string& text);
int FileSelectPopup(const FileSelectRequest& request, std::string* path);

}  // namespace rt
