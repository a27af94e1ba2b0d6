#include "params/parameter_file.h"

#include <cerrno>

#include "sensor/hardware_info.h"

namespace {

constexpr const char* kPara0 = "PARA0";
constexpr const char* kPara1 = "PARA1";

// The operation mode of the receiver line is written as "CCD-Operation-Mode" so
// that a file restores every word it holds. Files that carry the short name
// "CCD-OP-Mode" are still read: the full name is looked up first, the short
// one only when the full one gives nothing.
constexpr const char* kCcdOperationMode = "CCD-Operation-Mode";
constexpr const char* kCcdOpModeShort = "CCD-OP-Mode";

struct WordKey {
  int word;
  const char* name;
};

constexpr WordKey kPara0Keys[] = {
    {P0_POWER, "Power"},
    {P0_POWER_MODE, "Power-Mode"},
    {P0_POLARITY, "Polarity"},
    {P0_EVAL_MODE, "Eval-Mode"},
    {P0_EVAL_BEGIN, "Eval-Begin"},
    {P0_EVAL_END, "Eval-End"},
    {P0_TEACH_VALUE, "Teach-Value"},
    {P0_UPPER_TOLERANCE, "Upper-Tolerance"},
    {P0_LOWER_TOLERANCE, "Lower-Tolerance"},
    {P0_AVERAGE, "Average"},
    {P0_EXT_TRIGGER_MODE, "Ext.Trigger-Mode"},
    {P0_ANALOG_OUT_MODE, "Analog-Out-Mode"},
    {P0_CCD_OPERATION_MODE, kCcdOperationMode},
    {P0_HARDWARE_MODE, "Hardware-Mode"},
    {P0_VIDEO_THD_MODE, "Video-Thd-Mode"},
};

constexpr WordKey kPara1Keys[] = {
    {P1_VIDEO_THD_FIX, "Video-Thd-Fix"},
    {P1_VIDEO_THD_AUTO, "Video-Thd-Auto"},
    {P1_RS232_MODE, "RS-232-Mode"},
    {P1_RS232_BAUDRATE, "RS-232-Baudrate"},
    {P1_FILTER_TYPE, "Filter-Type"},
    {P1_ANALOG_ZOOM_MODE, "Analog-Zoom-Mode"},
    {P1_INT_TRIGGER_MODE, "Int.Trigger-Mode"},
    {P1_TRIGGER_PIXEL, "Trigger-Pixel"},
    {P1_DIGITAL_OUT_MODE, "Digital-Out-Mode"},
    {P1_EDGE_HYSTERESIS, "Edge-Hysteresis"},
    {P1_PARA11, "Para11"},
};

constexpr const char* kUmSlope = "um-Slope";
constexpr const char* kUmOffset = "um-Offset";

bool Lookup(const ini::Store* store, const char* section, const char* item, long* value) {
  return ini::Ini_GetInt(store, section, item, value) > 0;
}

void TakeWord(const ini::Store* store, const char* section, const char* item, std::uint16_t& word) {
  long value = 0;
  if (Lookup(store, section, item, &value)) word = static_cast<std::uint16_t>(value & 0xFFFF);
}

void TakeLong(const ini::Store* store, const char* item, std::uint32_t& word) {
  long value = 0;
  if (Lookup(store, kPara1, item, &value)) word = static_cast<std::uint32_t>(value);
}

}  // namespace

void PutParameterSet(ini::Store* store, const ParameterSet& set) {
  for (const WordKey& k : kPara0Keys) ini::Ini_PutInt(store, kPara0, k.name, set.para0[k.word]);
  for (const WordKey& k : kPara1Keys) ini::Ini_PutInt(store, kPara1, k.name, set.para1[k.word]);
  ini::Ini_PutInt(store, kPara1, kUmSlope, static_cast<std::int32_t>(set.umSlope));
  ini::Ini_PutInt(store, kPara1, kUmOffset, static_cast<std::int32_t>(set.umOffset));
}

void TakeParameterSet(const ini::Store* store, ParameterSet& set) {
  for (const WordKey& k : kPara0Keys) {
    std::uint16_t& word = set.para0[k.word];
    if (k.word == P0_CCD_OPERATION_MODE) {
      long value = 0;
      if (Lookup(store, kPara0, kCcdOperationMode, &value) ||
          Lookup(store, kPara0, kCcdOpModeShort, &value))
        word = static_cast<std::uint16_t>(value & 0xFFFF);
      continue;
    }
    TakeWord(store, kPara0, k.name, word);
  }
  for (const WordKey& k : kPara1Keys) TakeWord(store, kPara1, k.name, set.para1[k.word]);
  TakeLong(store, kUmSlope, set.umSlope);
  TakeLong(store, kUmOffset, set.umOffset);
}

bool ParameterFileApplies(std::uint16_t hardwareType) {
  return hardwareType == 1 || hardwareType == 3;
}

int WriteParameterFile(const std::string& path) {
  ini::StorePtr store(ini::Ini_New(0));
  if (!store) return ENOMEM;
  PutParameterSet(store.get(), Params());
  int error = 0;
  ini::Ini_WriteToFile(store.get(), path, &error);
  return error;
}

int ReadParameterFile(const std::string& path, int* readError) {
  ini::StorePtr store(ini::Ini_New(0));
  if (!store) return 0;
  // A file that cannot be read leaves an empty store: nothing changes.
  errno = 0;
  const int read = ini::Ini_ReadFromFile(store.get(), path);
  if (readError) *readError = read == 0 ? 0 : (errno != 0 ? errno : EIO);
  if (!ParameterFileApplies(Hardware().hardwareType)) return 0;
  TakeParameterSet(store.get(), Params());
  return 1;
}
