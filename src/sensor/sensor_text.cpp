#include "sensor/sensor_text.h"

std::string PrintableSensorText(std::string_view raw) {
  std::string text(raw);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
  return text;
}
