#include "qt/dialogs_qt.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "qt/file_filter.h"
#include "qt/model_sync.h"
#include "qt/qt_convert.h"
#include "runtime/constants.h"
#include "runtime/events.h"

namespace qtfront {

// Each pop-up first brings the windows up to date, so that what the program
// showed just before (the status line) is on screen while the dialog waits.
// Once the program has been told to end, no pop-up waits for the operator: it
// is closed (or not shown at all) with its cancel answer.

void QtDialogs::message(const std::string& title, const std::string& text) {
  if (rt::TerminationRequested()) return;
  sync_.applyPending();
  QMessageBox::information(sync_.dialogParent(), ToQString(title), ToQString(text));
}

int QtDialogs::confirm(const std::string& title, const std::string& text) {
  if (rt::TerminationRequested()) return 0;
  sync_.applyPending();
  QMessageBox::StandardButton answer =
      QMessageBox::question(sync_.dialogParent(), ToQString(title), ToQString(text),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  return answer == QMessageBox::Yes && !rt::TerminationRequested() ? 1 : 0;
}

int QtDialogs::fileSelect(const rt::FileSelectRequest& request, std::string* path) {
  if (rt::TerminationRequested()) return rt::VAL_NO_FILE_SELECTED;
  sync_.applyPending();
  QString start = PathToQString(DialogStartPath(request.defaultDirectory, request.defaultName));
  QString filter = ToQString(DialogFilter(request.filter, request.restrictExtension));
  QString title = ToQString(request.title);
  // The program asks its own question before it replaces a file.
  QFileDialog::Options options = QFileDialog::DontConfirmOverwrite;
  QString chosen = request.save ? QFileDialog::getSaveFileName(sync_.dialogParent(), title, start,
                                                               filter, nullptr, options)
                                : QFileDialog::getOpenFileName(sync_.dialogParent(), title, start,
                                                               filter, nullptr, options);
  std::string file = rt::TerminationRequested() ? std::string() : PathFromQString(chosen);
  if (request.save) file = WithRequiredExtension(file, request.filter, request.restrictExtension);
  bool existed = !file.empty() && QFileInfo::exists(PathToQString(file));
  int result = FileSelectResult(file, request.save, existed);
  if (result != rt::VAL_NO_FILE_SELECTED && path) *path = file;
  return result;
}

}  // namespace qtfront
