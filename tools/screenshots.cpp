// Pictures of the main window for the README: the program in process on Qt's
// offscreen platform against kavro-xb-sim on a pseudo-terminal, once in run
// mode and once in video mode, each grabbed after two seconds of streaming;
// before them with each parameter panel chosen right after the start-up, and
// once with the communication settings open over it, listing this machine's
// serial ports.
// Run: build/tools/screenshots <folder>
//   (writes parameters-1.png, parameters-2.png, run-mode.png, video-mode.png,
//    com-settings.png)
#include <stdlib.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "harness/screen_time.h"
#include "qt/front_end.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

QWidget* MainWindow() {
  const QString name = QString("panel%1").arg(Panels().main);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  return nullptr;
}

// Starts the mode's button; two seconds later grabs the window and presses Stop.
bool Picture(int button, const std::string& file) {
  const int main = Panels().main;
  bool saved = false;
  QTimer::singleShot(2000, [&] {
    rt::ProcessSystemEvents();
    if (QWidget* w = MainWindow()) saved = w->grab().save(QString::fromStdString(file));
    rt::PostCtrlEvent(main, ids::MAIN_STOP, rt::EVENT_LEFT_CLICK);
  });
  rt::PostCtrlEvent(main, button, rt::EVENT_LEFT_CLICK);
  rt::ProcessSystemEvents();
  rt::PostCtrlEvent(main, button, rt::EVENT_COMMIT);
  rt::ProcessSystemEvents();
  rt::PostCtrlEvent(main, ids::MAIN_STOP, rt::EVENT_COMMIT);
  rt::ProcessSystemEvents();
  return saved;
}

// Chooses a child panel by its toggle on the main panel and grabs the window.
bool PanelPicture(int toggle, const std::string& file) {
  const int main = Panels().main;
  rt::PostCtrlEvent(main, toggle, rt::EVENT_LEFT_CLICK);
  rt::PostCtrlEvent(main, toggle, rt::EVENT_COMMIT);
  harness::LetTheScreenCatchUp(0.5);
  QWidget* w = MainWindow();
  return w && w->grab().save(QString::fromStdString(file));
}

// Opens the communication settings as the Connect toggle does, picks the first
// port in the list, and grabs the window.
bool ComSettingsPicture(const std::string& file) {
  const int main = Panels().main;
  rt::SetCtrlVal(main, ids::MAIN_CONNECT, 1);
  rt::PostCtrlEvent(main, ids::MAIN_CONNECT, rt::EVENT_LEFT_CLICK);
  rt::PostCtrlEvent(main, ids::MAIN_CONNECT, rt::EVENT_COMMIT);
  QTimer::singleShot(200, [] {
    rt::SetCtrlVal(Panels().comset, ids::COM_PORT_LIST, 1);
    rt::PostCtrlEvent(Panels().comset, ids::COM_PORT_LIST, rt::EVENT_COMMIT);
  });
  bool saved = false;
  QTimer::singleShot(500, [&] {
    if (QWidget* w = MainWindow()) saved = w->grab().save(QString::fromStdString(file));
    rt::QuitUserInterface(0);
  });
  rt::RunUserInterface();
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder for the pictures>\n", argv[0]);
    return 2;
  }
  const std::string out = argv[1];
  if (!StartOffscreenFrontEnd()) return 1;
  int failed = 0;
  {
    ProgramBesideSim program({"--baud-index", "4"},
                             "[CONNECTION]\r\nCOM Port = 1\r\nBAUDRATE = 4\r\n");
    if (!program.started()) return 1;
    if (!PanelPicture(ids::MAIN_TOGG_PARA2, out + "/parameters-2.png")) ++failed;
    if (!PanelPicture(ids::MAIN_TOGG_PARA1, out + "/parameters-1.png")) ++failed;
    if (!Picture(ids::MAIN_RUN, out + "/run-mode.png")) ++failed;
    if (!Picture(ids::MAIN_VIDEO, out + "/video-mode.png")) ++failed;
    if (!ComSettingsPicture(out + "/com-settings.png")) ++failed;
  }
  qtfront::Shutdown();
  if (failed) std::fprintf(stderr, "%d picture(s) not written\n", failed);
  return failed ? 1 : 0;
}
