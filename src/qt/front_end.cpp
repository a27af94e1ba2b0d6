#include "qt/front_end.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "qt/dialogs_qt.h"
#include "qt/event_host.h"
#include "qt/model_sync.h"
#include "qt/window_pictures.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "runtime/window_picture.h"

namespace qtfront {
namespace {

struct FrontEnd {
  std::unique_ptr<QApplication> app;
  std::unique_ptr<ModelSync> sync;
  std::unique_ptr<EventHost> host;
  std::unique_ptr<QtDialogs> dialogs;
  std::unique_ptr<QtWindowPictures> pictures;
};

FrontEnd& F() {
  static FrontEnd front;
  return front;
}

// Qt ends the process when its platform plugin finds no display; look first,
// so that the program can end quietly instead. Only X11 and Wayland desktops
// need a display named in the environment.
bool DisplayAvailable(int argc, char** argv) {
#if defined(__linux__) || defined(__FreeBSD__)
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0) platform = argv[i + 1];
  auto has = [](const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
  };
  if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0 &&
      std::strncmp(platform, "wayland", 7) != 0)
    return true;  // offscreen, vnc, eglfs, ... need no display variable
  return has("DISPLAY") || has("WAYLAND_DISPLAY");
#else
  (void)argc;
  (void)argv;
  return true;
#endif
}

}  // namespace

const char* QtVersion() {
  return qVersion();
}

bool Initialise(int& argc, char** argv) {
  FrontEnd& f = F();
  if (f.app) return true;
  if (!DisplayAvailable(argc, argv)) return false;
  f.app = std::make_unique<QApplication>(argc, argv);
  if (QGuiApplication::primaryScreen() == nullptr) {
    f.app.reset();
    return false;
  }
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  // Closing the last window is a request to the program, not the end of Qt.
  QApplication::setQuitOnLastWindowClosed(false);
  QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  rt::SetScreenSize(area.width(), area.height());

  f.sync = std::make_unique<ModelSync>();
  f.host = std::make_unique<EventHost>(*f.sync);
  f.dialogs = std::make_unique<QtDialogs>(*f.sync);
  f.pictures = std::make_unique<QtWindowPictures>(*f.sync);
  rt::SetUiObserver(f.sync.get());
  rt::SetEventHost(f.host.get());
  rt::SetDialogs(f.dialogs.get());
  rt::SetWindowPictures(f.pictures.get());
  f.sync->applyAll();  // panels loaded before the front end started
  return true;
}

void Shutdown() {
  FrontEnd& f = F();
  if (!f.app) return;
  rt::SetUiObserver(nullptr);
  rt::SetEventHost(nullptr);
  rt::SetDialogs(nullptr);
  rt::SetWindowPictures(nullptr);
  f.pictures.reset();
  f.dialogs.reset();
  f.host.reset();
  f.sync.reset();
  f.app.reset();
}

}  // namespace qtfront
