#include "runtime/dialogs.h"

#include "runtime/constants.h"

namespace rt {
namespace {
Dialogs* g_dialogs = nullptr;
}

void SetDialogs(Dialogs* dialogs) {
  g_dialogs = dialogs;
}

int MessagePopup(const std::string& title, const std::string& text) {
  if (g_dialogs) g_dialogs->message(title, text);
  return 0;
}

int ConfirmPopup(const std::string& title, const std::string& text) {
  return g_dialogs ? g_dialogs->confirm(title, text) : 0;
}

int FileSelectPopup(const FileSelectRequest& request, std::string* path) {
  return g_dialogs ? g_dialogs->fileSelect(request, path) : VAL_NO_FILE_SELECTED;
}

}  // namespace rt
