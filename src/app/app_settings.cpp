#include "app/app_settings.h"

#include <cstring>

#include "app/window_fit.h"

#include "ini/ini_store.h"
#include "link/line.h"
#include "params/parameter_display.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr const char* kConnection = "CONNECTION";
constexpr const char* kApplication = "APPLICATION";
constexpr const char* kHardwareInfo = "HARDWAREINFO";

constexpr int kHighestPort = 255;
constexpr int kHighestBaudIndex = 4;

// An item counts only when it is there and holds an integer; otherwise the
// caller's value stays as it was.
bool Present(const ini::Store* store, const char* section, const char* item, long* value) {
  return ini::Ini_GetInt(store, section, item, value) > 0;
}

void PutConnection(ini::Store* store) {
  // The fields of the communication settings panel are saved, not the port in
  // use: accepting new settings keeps both in step.
  std::uint16_t port = 0, baud = 0;
  rt::GetCtrlVal(Panels().comset, ids::COM_PORT, &port);
  rt::GetCtrlVal(Panels().comset, ids::COM_BAUD, &baud);
  ini::Ini_PutInt(store, kConnection, "COM Port", port);
  ini::Ini_PutInt(store, kConnection, "BAUDRATE", baud);
}

void PutWindow(ini::Store* store) {
  const int main = Panels().main;
  int zoom = 0, left = 0, top = 0, width = 0, height = 0;
  rt::GetPanelAttribute(main, rt::ATTR_WINDOW_ZOOM, &zoom);
  rt::GetPanelAttribute(main, rt::ATTR_LEFT, &left);
  rt::GetPanelAttribute(main, rt::ATTR_TOP, &top);
  rt::GetPanelAttribute(main, rt::ATTR_WIDTH, &width);
  rt::GetPanelAttribute(main, rt::ATTR_HEIGHT, &height);
  ini::Ini_PutInt(store, kApplication, "Panel max", zoom == rt::VAL_MAXIMIZE ? 1 : 0);
  ini::Ini_PutInt(store, kApplication, "Panel pos. x", left);
  ini::Ini_PutInt(store, kApplication, "Panel pos. y", top);
  // The item name keeps its trailing blank, as files of earlier versions have it.
  ini::Ini_PutInt(store, kApplication, "Panel width ", width);
  ini::Ini_PutInt(store, kApplication, "Panel height", height);
}

void ApplyConnection(const ini::Store* store) {
  const int comset = Panels().comset;
  long port = 0;
  if (Present(store, kConnection, "COM Port", &port) && port >= 1 && port <= kHighestPort) {
    rt::SetCtrlVal(comset, ids::COM_PORT, port);
    SetLinePort(static_cast<std::uint16_t>(port), LineBaudIndex());
  }
  long baud = 0;
  if (Present(store, kConnection, "Baudrate", &baud) && baud >= 0 && baud <= kHighestBaudIndex) {
    rt::SetCtrlVal(comset, ids::COM_BAUD, baud);
    SetLinePort(LinePort(), static_cast<std::uint16_t>(baud));
  }
}

WindowRect MainWindowRect() {
  const int main = Panels().main;
  WindowRect r;
  rt::GetPanelAttribute(main, rt::ATTR_LEFT, &r.left);
  rt::GetPanelAttribute(main, rt::ATTR_TOP, &r.top);
  rt::GetPanelAttribute(main, rt::ATTR_WIDTH, &r.width);
  rt::GetPanelAttribute(main, rt::ATTR_HEIGHT, &r.height);
  return r;
}

// A maximised window ignores the saved place and size; without "Panel max" the
// window keeps the place and size of the resource file. Whatever the file says,
// the window stays on the screen at a size the screen can show, so that a
// damaged file does not come back with every start.
void ApplyWindow(const ini::Store* store) {
  const int main = Panels().main;
  long maximised = 0;
  if (!Present(store, kApplication, "Panel max", &maximised)) return;
  if (maximised == 1) {
    rt::SetPanelAttribute(main, rt::ATTR_WINDOW_ZOOM, rt::VAL_MAXIMIZE);
    return;
  }
  const ScreenArea screen{rt::ScreenWidth(), rt::ScreenHeight()};
  WindowRect window = MainWindowRect();
  long x = 0, y = 0, width = 0, height = 0;
  const bool place = Present(store, kApplication, "Panel pos. x", &x) &&
                     Present(store, kApplication, "Panel pos. y", &y);
  const bool size = Present(store, kApplication, "Panel width", &width) &&
                    Present(store, kApplication, "Panel height", &height);
  if (size) window = FitSize(window, width, height, screen);
  // The place is checked against the size the window will have; a size limited
  // to the screen moves the window onto it even where the file gives no place.
  if (place || size) {
    const WindowRect placed =
        FitPlace(window, place ? x : window.left, place ? y : window.top, screen);
    if (place || placed.left != window.left || placed.top != window.top)
      rt::SetPanelPos(main, placed.top, placed.left);
    window = placed;
  }
  if (size) rt::SetPanelSize(main, window.height, window.width);
}

}  // namespace

std::uint16_t SavedHardwareType(std::uint16_t hardwareType) {
  return hardwareType > 3 ? 0 : hardwareType;
}

void SaveAppSettings(const std::string& path) {
  ini::StorePtr store(ini::Ini_New(0));
  if (!store) return;
  PutConnection(store.get());
  PutWindow(store.get());
  ini::Ini_PutInt(store.get(), kHardwareInfo, "Hardware-Type",
                  SavedHardwareType(Hardware().hardwareType));
  int error = 0;
  if (ini::Ini_WriteToFile(store.get(), path, &error) != 0) {
    // The file of the last save stays as it was; the operator learns why the
    // new settings were not kept.
    rt::MessagePopup("ATTENTION!", "The settings file\n" + path + "\ncould not be written:\n" +
                                       std::strerror(error));
    return;
  }
  rt::SetFileAttrs(path, -1, -1, 1, -1);
}

void LoadAppSettings(const std::string& path) {
  const int comset = Panels().comset;
  if (rt::GetFileInfo(path, nullptr) < 0) rt::SetCtrlVal(comset, ids::COM_PORT, 1);
  ini::StorePtr store(ini::Ini_New(0));
  if (!store || ini::Ini_ReadFromFile(store.get(), path) < 0) {
    rt::SetCtrlVal(comset, ids::COM_PORT, 1);
    return;
  }
  ApplyConnection(store.get());
  ApplyWindow(store.get());
  store.reset();
  // Among the rest this puts PARA1's RS-232-Baudrate into the baud-rate ring;
  // the link keeps the baud index read above.
  ShowParameters();
}
