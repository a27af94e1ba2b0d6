// The panel resource file on any bytes: refused with a reason, or every panel
// it describes loads from the file with its controls.
#include <string>

#include "fuzz/fuzz_check.h"
#include "runtime/panel_load.h"
#include "runtime/resource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(data, data + size);
  std::string error, refused;
  rt::SetLoadErrorSink([&refused](const std::string& line) { refused = line; });
  rt::ClearResourceFiles();
  const std::string path = ScratchFile("panels.uir", text);
  rt::ResourceFile file;
  if (!rt::ParseResource(text, &file, &error)) {
    FUZZ_CHECK(!error.empty() && file.panels.empty());
    FUZZ_CHECK(rt::LoadPanel(0, path, 1) < 0 && refused.find(error) != std::string::npos);
    return 0;
  }
  for (const auto& [id, panel] : file.panels) {
    const int handle = rt::LoadPanel(0, path, id);
    FUZZ_CHECK(handle > 0);
    FUZZ_CHECK(rt::FindPanel(handle)->controls.size() == panel.controls.size());
    FUZZ_CHECK(rt::LoadPanel(handle, path, id) > 0);  // a panel of the same kind inside it
    rt::DiscardPanel(handle);
  }
  return 0;
}
