// The settings file and the parameter file on any bytes, read by the program
// into its loaded panels as at start-up and after the operator's Load: the
// line stays on a port the panel shows, the main window on the screen, and a
// parameter set taken in is written and read back unchanged.
#include <filesystem>
#include <string>

#include "app/app_settings.h"
#include "app/program.h"
#include "fuzz/fuzz_check.h"
#include "link/line.h"
#include "params/parameter_file.h"
#include "runtime/constants.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

int Attribute(int attr) {
  int value = 0;
  rt::GetPanelAttribute(Panels().main, attr, &value);
  return value;
}

void CheckSettingsApplied() {
  // The baud-rate ring shows the sensor's own baud-rate parameter afterwards,
  // so only the line's baud index is looked at.
  std::uint16_t port = 0;
  rt::GetCtrlVal(Panels().comset, ids::COM_PORT, &port);
  FUZZ_CHECK(port >= 1 && port <= 255 && LinePort() == port && LineBaudIndex() <= 4);
  if (Attribute(rt::ATTR_WINDOW_ZOOM) == rt::VAL_MAXIMIZE) return;
  const int left = Attribute(rt::ATTR_LEFT), top = Attribute(rt::ATTR_TOP);
  const int width = Attribute(rt::ATTR_WIDTH), height = Attribute(rt::ATTR_HEIGHT);
  FUZZ_CHECK(width > 0 && width <= rt::ScreenWidth() && height > 0 && height <= rt::ScreenHeight());
  FUZZ_CHECK(left < rt::ScreenWidth() && left + width > 0 && top >= 0 && top < rt::ScreenHeight());
}

bool SameFileWords(const ParameterSet& a, const ParameterSet& b) {
  return a.para0 == b.para0 && a.para1 == b.para1 && a.umSlope == b.umSlope &&
         a.umOffset == b.umOffset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool loaded = [] {
    const std::string dir = std::filesystem::path(ScratchFile("x", "")).parent_path();
    std::filesystem::copy_file(KAVRO_RESOURCE_FILE, dir + "/" + kResourceFileName);
    rt::SetProjectDir(dir);
    return LoadAllPanels();
  }();
  FUZZ_CHECK(loaded);
  // Every input starts from the window and line of a first start.
  rt::SetPanelAttribute(Panels().main, rt::ATTR_WINDOW_ZOOM, 0);
  rt::SetPanelPos(Panels().main, 0, 0);
  rt::SetPanelSize(Panels().main, kMainHeight, kMainWidth);
  rt::SetCtrlVal(Panels().comset, ids::COM_PORT, 1);
  rt::SetCtrlVal(Panels().comset, ids::COM_BAUD, 1);
  SetLinePort(1, 1);

  const std::string path = ScratchFile(kSettingsFileName, std::string(data, data + size));
  LoadAppSettings(path);
  CheckSettingsApplied();

  Hardware().hardwareType = 1;
  FUZZ_CHECK(ReadParameterFile(path) == 1);
  const ParameterSet taken = Params();
  const std::string copy = ScratchFile(kParameterFileName, "");
  FUZZ_CHECK(WriteParameterFile(copy) == 0);
  ResetParameterSet();
  FUZZ_CHECK(ReadParameterFile(copy) == 1 && SameFileWords(Params(), taken));
  return 0;
}
