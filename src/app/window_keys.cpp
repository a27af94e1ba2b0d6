#include "app/window_keys.h"

#include <cstdio>

#include "app/file_names.h"
#include "display/graph_export.h"
#include "help/control_help.h"
#include "link/run_state.h"
#include "link/trace.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "runtime/window_picture.h"
#include "ui/panels.h"

namespace {

constexpr const char* kKeysNote =
    "Ctrl+S: save the window as a PNG picture\n"
    "Ctrl+E: save the values of this graph as CSV\n"
    "Ctrl+T: start or stop the trace of the line";

// The loops hold the line while they run; a dialog would keep them from it.
void EndRunningLoop() {
  if (RunMode().stopFlag == kStopRunning) RunMode().stopFlag = kStopStopped;
}

// The file the operator names for what is saved, the stamped name proposed in
// the program's files folder; false when cancelled or a file is not replaced.
bool AskForFile(const std::string& title, const std::string& stem, const std::string& extension,
                std::string* path) {
  EndRunningLoop();
  rt::FileSelectRequest request;
  request.defaultDirectory = rt::ProjectDir();
  request.defaultName = StampedFileName(stem, extension, LocalTimeNow());
  request.filter = "*." + extension;
  request.title = title;
  request.buttonLabel = "Save";
  request.restrictExtension = true;
  request.save = true;
  const int chosen = rt::FileSelectPopup(request, path);
  if (chosen == rt::VAL_NO_FILE_SELECTED) return false;
  return chosen == rt::VAL_NEW_FILE_SELECTED ||
         rt::ConfirmPopup(title, *path + "\nexists already - overwrite ?") != 0;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::FILE* file = rt::OpenDataFile(path, true);
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

std::string FileName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void ToggleTrace() {
  if (TraceRunning()) {
    StopTrace();
  } else {
    const char* title = "Trace of the line";
    std::string path;
    if (!AskForFile(title, "kavro-line", "trace", &path)) return;
    if (!StartTrace(path)) rt::MessagePopup(title, "The trace cannot be written to\n" + path);
  }
  ShowTraceInTitle();
}

void SaveWindowPicture() {
  const char* title = "Picture of the window";
  std::string path;
  if (!AskForFile(title, "kavro-window", "png", &path)) return;
  if (rt::SavePanelPicture(Panels().main, path) != 0)
    rt::MessagePopup(title, "The picture cannot be written to\n" + path);
}

void ExportGraphValues() {
  const bool video = ShownMainGraph() == MainGraph::Video;
  const char* title = video ? "Video profile as CSV" : "Roll graph as CSV";
  std::string path;
  if (!AskForFile(title, video ? "kavro-video" : "kavro-roll", "csv", &path)) return;
  if (!WriteTextFile(path, ShownGraphCsv()))
    rt::MessagePopup(title, "The values cannot be written to\n" + path);
}

}  // namespace

void InstallWindowKeys() {
  const int main = Panels().main;
  rt::InstallPanelKeys(main, "Ctrl+T", ToggleTrace);
  rt::InstallPanelKeys(main, "Ctrl+S", SaveWindowPicture);
  rt::InstallPanelKeys(main, "Ctrl+E", ExportGraphValues);
}

void NoteKeysOnGraphs() {
  for (const char* graph : {"CC_GRAPHRaw", "CC_GRAPHVideo", "CC_GRAPHData"})
    AddTooltipNote(graph, kKeysNote);
}

void StartTraceFromCommandLine(const std::string& path) {
  if (path.empty() || StartTrace(path)) return;
  std::fprintf(stderr, "kavro-xb-scope: the trace file %s cannot be written; no trace is kept\n",
               path.c_str());
}

void ShowTraceInTitle() {
  std::string title = App().title;
  if (TraceRunning()) title += " \u2014 trace: " + FileName(TracePath());
  rt::SetPanelAttribute(Panels().main, rt::ATTR_TITLE, title);
}
