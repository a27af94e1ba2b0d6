// Dialogs whose answers a test gives in advance; every pop-up is recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "runtime/dialogs.h"

struct PopupRecord {
  std::string kind;  // "message", "confirm", "file"
  std::string title;
  std::string text;  // message text, or the file dialog's default name
  rt::FileSelectRequest request;
};

class ScriptedDialogs : public rt::Dialogs {
 public:
  void message(const std::string& title, const std::string& text) override;
  int confirm(const std::string& title, const std::string& text) override;
  int fileSelect(const rt::FileSelectRequest& request, std::string* path) override;

  // Answers, used in order; with none left a confirm says no and a file dialog is cancelled.
  void answerConfirm(bool yes) { confirms_.push_back(yes); }
  void answerFile(const std::string& path) { files_.push_back(path); }  // "" cancels

  const std::vector<PopupRecord>& popups() const { return popups_; }

 private:
  std::deque<bool> confirms_;
  std::deque<std::string> files_;
  std::vector<PopupRecord> popups_;
};
